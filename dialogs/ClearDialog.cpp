#include "dialogs/ClearDialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/DialogParts.h"

namespace qora {

QPointer<TClearDlg> ClearDlg;

TClearDlg::TClearDlg(QWidget* parent) : QoraDialog(" Clear", 400, 250, parent) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Choose what to clear:"), this));
    auto addBox = [this, layout](const char* caption) {
        auto* box = new QCheckBox(QString::fromLatin1(caption), this);
        layout->addWidget(box);
        connect(box, &QCheckBox::toggled, this, &TClearDlg::CheckClick);
        return box;
    };
    WorkspaceBox = addBox("The &workspace (the command line is kept)");
    SlateBox = addBox("The &slate");
    WordlistsBox = addBox("All numbered word&lists (1 to 99)");
    UserSetsBox = addBox("All &user-defined sets");
    HistoryBox = addBox("The command &history");
    SettingsBox = addBox("&Restore the initial settings");
    layout->addStretch(1);
    AddConfirmButtons(*this, *layout, "Clear");
    connect(OK, &QPushButton::clicked, this, &TClearDlg::OKClick);
    WorkspaceBox->setChecked(true);
}

ClearChoice TClearDlg::Choice() const {
    return {.Workspace = WorkspaceBox->isChecked(),
            .Slate = SlateBox->isChecked(),
            .Wordlists = WordlistsBox->isChecked(),
            .UserSets = UserSetsBox->isChecked(),
            .CommandHistory = HistoryBox->isChecked(),
            .InitialSettings = SettingsBox->isChecked()};
}

void TClearDlg::FormActivate() {
    CheckClick();
    OK->setFocus();
}

void TClearDlg::CheckClick() { OK->setEnabled(Choice().Any()); }

void TClearDlg::OKClick() {
    ClearSelected(Choice());
    CloseWithResult(mrOk);
}

void ShowClearDialog(QWidget* parent) { OpenCentred(ClearDlg, parent); }

}  // namespace qora
