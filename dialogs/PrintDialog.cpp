#include "dialogs/PrintDialog.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/DialogParts.h"
#include "dialogs/PageSetupDialog.h"
#include "dialogs/texts/OptionTexts.h"
#include "platform/qt/Focus.h"
#include "platform/qt/Printing.h"
#include "platform/qt/QuotedTextField.h"
#include "platform/qt/Text.h"
#include "processor/Console.h"
#include "processor/IniFile.h"
#include "processor/PrintedPages.h"

namespace qora {

QPointer<TQoraPrintDlg> QoraPrintDlg;

namespace {

constexpr int TitleLimit = 60;
constexpr int DefaultPrintingFontSize = 10;
constexpr int PageSetupInset = 6;

std::vector<std::string> WorkspaceTexts() {
    std::vector<std::string> texts;
    for (const WorkspaceLine& line : WorkspaceLines()) texts.push_back(line.Text);
    return texts;
}

void PrintPage(PagePrinter& printer, const PrintedPage& page, const PageLayout& layout, std::string_view heading) {
    if (layout.HeadingTop >= 0) printer.DrawTextWithin(layout.Left, layout.HeadingTop, layout.RowWidth, heading);
    int top = layout.FirstLineTop;
    for (const std::string& row : page) {
        printer.DrawText(layout.Left, top, row);
        top += layout.LinePitch;
    }
}

}  // namespace

QFont PrintingFont() {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    if (!PrinterFontName.empty()) font.setFamily(FromCodePage(PrinterFontName));
    font.setPointSize(PrinterFontSize > 0 ? PrinterFontSize : DefaultPrintingFontSize);
    return font;
}

void PrintPages(PagePrinter& printer, const std::vector<std::string>& lines, std::string_view title) {
    printer.SetFont(PrintingFont());
    const PageLayout layout =
        LayOutPage(CurrentPageSettings, printer.PageWidth(), printer.PageHeight(), printer.LineHeight());
    const std::vector<PrintedPage> pages =
        WorkspacePages(lines, layout.LinesPerPage, layout.RowWidth,
                       [&printer](std::string_view text) { return printer.TextWidth(text); });
    const int count = static_cast<int>(pages.size());
    for (int page = 0; page < count; ++page) {
        if (page > 0) printer.NewPage();
        PrintPage(printer, pages[page], layout, PageHeading(title, page + 1, count));
    }
}

std::string PrintWorkspace(const std::string& title) {
    PagePrinter printer;
    std::string error;
    QWidget* window = WorkspaceEdit != nullptr ? WorkspaceEdit->window() : nullptr;
    if (!printer.BeginOnChosenPrinter(window, title, PrintCollate, PrintReverseOrder, error)) return error;
    PrintPages(printer, WorkspaceTexts(), title);
    printer.EndDocument(error);
    return error;
}

// ---- The print dialog ------------------------------------------------------------

TQoraPrintDlg::TQoraPrintDlg(QWidget* parent) : QoraDialog(" Print the Workspace", 520, 350, parent) {
    auto* layout = new QVBoxLayout(this);
    auto* adjust = new QHBoxLayout;
    FontButton = new QPushButton(QStringLiteral("Adjust the Printing Font "), this);
    PageSetupButton = new QPushButton(QStringLiteral("Adjust the Printer Page Setup"), this);
    for (QPushButton* button : {FontButton, PageSetupButton}) {
        button->setAutoDefault(false);
        adjust->addWidget(button);
    }
    adjust->addStretch(1);
    layout->addLayout(adjust);
    LineCountLabel = new QLabel(this);
    layout->addWidget(LineCountLabel);
    Label1 =
        new QLabel(QStringLiteral("You may print the workspace on your choice of printer. When you do this, the final "
                                  "line of the workspace is not included, nor are empty command lines and those "
                                  "which begin with a space. Lines of minus signs are not printed, but cause page "
                                  "breaks."),
                   this);
    Label5 = new QLabel(QStringLiteral("You can specify the title to appear on each page here..."), this);
    for (QLabel* label : {Label1, Label5}) {
        label->setWordWrap(true);
        layout->addWidget(label);
    }
    auto* titleRow = new QHBoxLayout;
    auto* titleLabel = new QLabel(QStringLiteral("&Title:"), this);
    Title = new QLineEdit(this);
    LimitToQuotableText(*Title, TitleLimit);
    titleLabel->setBuddy(Title);
    titleRow->addWidget(titleLabel);
    titleRow->addWidget(Title, 1);
    layout->addLayout(titleRow);
    Collate = new QCheckBox(QStringLiteral("Collate pages when printing multiple copies"), this);
    ReverseOrder = new QCheckBox(QStringLiteral("Print pages in reverse order (by decreasing  page numbers)"), this);
    layout->addWidget(Collate);
    layout->addWidget(ReverseOrder);
    Label4 =
        new QLabel(QStringLiteral("You may also export the workspace to a text file (the command /FWS), refine it in a "
                                  "word processor and print it from there."),
                   this);
    Label4->setWordWrap(true);
    layout->addWidget(Label4);
    layout->addStretch(1);
    AddCommandButtons(*this, *layout);
    setTabOrder(Title, Collate);
    PrinterFontDialog.FixedPitchOnly = true;

    connect(FontButton, &QPushButton::clicked, this, &TQoraPrintDlg::FontButtonClick);
    connect(PageSetupButton, &QPushButton::clicked, this, [] { PageSetupButtonClick(); });
    connect(OK, &QPushButton::clicked, this, &TQoraPrintDlg::OKClick);
}

void TQoraPrintDlg::FormActivate() {
    LineCountLabel->setText(FromCodePage(LineCountText(WorkspaceLines().size())));
    Collate->setChecked(PrintCollate);
    ReverseOrder->setChecked(PrintReverseOrder);
    Title->setText(FromCodePage(PrintTitle));
    Title->setFocus();
}

// A font chosen becomes the printing font at once, and the one the
// initialization file keeps.
void TQoraPrintDlg::FontButtonClick() {
    PrinterFontDialog.Font = PrintingFont();
    if (PrinterFontDialog.Execute(this)) {
        PrinterFontName = ToCodePage(PrinterFontDialog.Font.family());
        // A font sized in pixels has no point size: the size stays.
        if (PrinterFontDialog.Font.pointSize() > 0) PrinterFontSize = PrinterFontDialog.Font.pointSize();
    }
}

void TQoraPrintDlg::OKClick() {
    PrintCollate = Collate->isChecked();
    PrintReverseOrder = ReverseOrder->isChecked();
    PrintTitle = ToCodePage(Title->text());
    AppendToCommandLine(PrintCommand(PrintTitle));
    CloseWithResult(mrOk);
}

ModalResult TQoraPrintDlg::PageSetupButtonClick() {
    QWidget* mainWindow = WorkspaceEdit != nullptr ? WorkspaceEdit->window() : nullptr;
    TQoraPageSetupDlg& dialog = FormOf(QoraPageSetupDlg, mainWindow);
    if (mainWindow != nullptr) {
        const QPoint corner(mainWindow->frameGeometry().right() + 1 - PageSetupInset,
                            ScreenRectOf(*WorkspaceEdit).bottom() + 1);
        PlaceWindow(dialog, LowerRightAt(dialog, corner));
    }
    return dialog.ShowModal();
}

}  // namespace qora
