#include "dialogs/HelpDialog.h"

#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QVBoxLayout>
#include <string>

#include "dialogs/DialogParts.h"
#include "platform/qt/Focus.h"
#include "platform/qt/LocalPages.h"
#include "platform/qt/MessageBoxes.h"
#include "platform/qt/Screen.h"

namespace qora {

QPointer<THelpDlg> HelpDlg;

namespace {

// Closes the form whatever the page did; a page that did not open is told in
// an error box, with its file or address on a line of its own, where it can
// be read whole, and why.
void CloseAndReport(QoraDialog& form, PageOpening opening, std::string_view where) {
    form.CloseWithResult(mrOk);
    if (opening == PageOpening::Opened) return;
    const char* why = opening == PageOpening::NoSuchFile
                          ? "There is no such file."
                          : "No program that shows it, such as a web browser, was found. Open it in a web browser "
                            "yourself.";
    ShowError("The help page could not be opened:\n\n" + std::string(where) + "\n\n" + why, "Help");
}

}  // namespace

THelpDlg::THelpDlg(QWidget* parent) : QoraDialog(" QORA On-line Help", 560, 250, parent) {
    auto* layout = new QVBoxLayout(this);
    Label2 = NewWrappedLabel(
        "As a new user getting started, you are advised to read the tutorial \"QORA's First\" and the even shorter "
        "\"QORA Common Queries Reference Sheet\".",
        *this);
    QorasFirst = new QPushButton(QStringLiteral("Browse the \"QORA's First\" Tutorial "), this);
    CommonQueries = new QPushButton(QStringLiteral("Browse \"QORA Common Queries Reference Sheet\""), this);
    Label1 = NewWrappedLabel(
        "Although QORA deserves to have extensive  on-line help, this is not yet available. For the time being, "
        "please refer to the \"QORA User Guide\" and other documents.",
        *this);
    LocalVersion = new QPushButton(QStringLiteral("Browse the \"QORA User Guide\" on this Computer"), this);
    Label3 = NewWrappedLabel(
        "The following button may get you a more up-to-date version of the User Guide. Check the date in the "
        "document title.",
        *this);
    WebVersion = new QPushButton(QStringLiteral("Browse the \"QORA User Guide\" on the QORA Web Site"), this);
    Cancel = new QPushButton(QStringLiteral("Cancel"), this);
    layout->addWidget(Label2);
    AddCentred(*layout, {QorasFirst, CommonQueries});
    layout->addWidget(Label1);
    AddCentred(*layout, {LocalVersion});
    layout->addWidget(Label3);
    AddCentred(*layout, {WebVersion});
    layout->addStretch(1);
    AddCentred(*layout, {Cancel});
    connect(QorasFirst, &QPushButton::clicked, this, &THelpDlg::QorasFirstClick);
    connect(CommonQueries, &QPushButton::clicked, this, &THelpDlg::CommonQueriesClick);
    connect(LocalVersion, &QPushButton::clicked, this, &THelpDlg::LocalVersionClick);
    connect(WebVersion, &QPushButton::clicked, this, &THelpDlg::WebVersionClick);
    SetModalResult(*Cancel, mrCancel);
}

void THelpDlg::LocalVersionClick() { OpenPageAndClose(*this, UserGuidePage); }
void THelpDlg::QorasFirstClick() { OpenPageAndClose(*this, FirstStepsPage); }
void THelpDlg::CommonQueriesClick() { OpenPageAndClose(*this, CommonQueriesPage); }

void THelpDlg::WebVersionClick() { CloseAndReport(*this, OpenAddress(WebUserGuideAddress), WebUserGuideAddress); }

void OpenPageAndClose(QoraDialog& form, std::string_view page) {
    CloseAndReport(form, OpenLocalPage(page), LocalPageFile(page));
}

void ShowHelpWindow() {
    QWidget* mainWindow = WorkspaceEdit != nullptr ? WorkspaceEdit->window() : nullptr;
    THelpDlg& help = FormOf(HelpDlg, mainWindow);
    const auto* main = qobject_cast<QMainWindow*>(mainWindow);
    if (main != nullptr && main->centralWidget() != nullptr) {
        // Over the lower part of the main window: its panel's left edge and
        // width, the bottom on the workspace's bottom.
        const QRect panel = ScreenRectOf(*main->centralWidget());
        help.setFixedWidth(panel.width());
        PlaceWindow(help, QPoint(panel.left(), ScreenRectOf(*WorkspaceEdit).bottom() + 1 - OuterSizeOf(help).height()));
    }
    help.ShowModal();
    FocusWorkspace();
}

}  // namespace qora
