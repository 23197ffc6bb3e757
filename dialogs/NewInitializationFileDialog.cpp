#include "dialogs/NewInitializationFileDialog.h"

#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "dialogs/DialogParts.h"
#include "dialogs/FunctionKeysDialog.h"
#include "dialogs/PrintDialog.h"
#include "dialogs/RecordingPeriodsDialog.h"
#include "engine/Lexicons.h"
#include "engine/Listings.h"
#include "platform/ProgramState.h"
#include "platform/qt/FileDialogs.h"
#include "platform/qt/MessageBoxes.h"
#include "platform/qt/Text.h"
#include "processor/IniFile.h"
#include "processor/Recording.h"

namespace qora {

QPointer<TNewIniFileDlg> NewIniFileDlg;

namespace {

// Whether the file is written with the current page settings: the dialog's
// choice, which a page setup that changes them also makes.
bool printerPageUpdates = false;
const ProgramStateReset registerResetPrinterPageUpdates([] { printerPageUpdates = false; });

// The values the dialog edits, as the program holds them.
struct EditedValues {
    std::string Definitions;
    std::string Directory;
    std::string Prefix;
};

EditedValues ProgramValues() { return {IniDefinitionsFileName, DefaultDirectoryName, RecordingFilePrefix}; }

void SetProgramValues(const EditedValues& values) {
    IniDefinitionsFileName = values.Definitions;
    DefaultDirectoryName = values.Directory;
    RecordingFilePrefix = values.Prefix;
}

std::string FieldValue(const QLineEdit& field) { return ToCodePage(field.text().trimmed()); }

bool FieldCanBeWritten(const QLineEdit& field) {
    return FitsCodePage(field.text()) && IsWritableIniValue(FieldValue(field));
}

std::string LexiconNameOf(std::int32_t index) {
    return index >= 0 && index < static_cast<std::int32_t>(LexiconTable.size()) ? LexiconTable[index].ShortName
                                                                                : std::string("(none)");
}

std::string FontText(const std::string& name, std::int32_t size) {
    if (name.empty()) return "the program's own";
    return size > 0 ? FormatText("%s, %d points", name.c_str(), size) : name;
}

// The sections that other windows set, as they will be written.
std::string OtherSectionsText() {
    return FormatText(
        "Lexicons: primary %s, secondary %s, challenge %s.\n"
        "Revert to challenge: %s.\n"
        "Printer font: %s. Workspace font: %s.",
        LexiconNameOf(PrimaryLexicon).c_str(), LexiconNameOf(SecondaryLexiconIndex).c_str(),
        LexiconNameOf(ChallengeLexicon).c_str(),
        RevertTimerOn ? FormatText("after %d idle seconds", RevertSeconds).c_str() : "off",
        FontText(PrinterFontName, PrinterFontSize).c_str(), FontText(WorkspaceFontName, WorkspaceFontSize).c_str());
}

std::vector<std::string> RecordingPeriodLines() {
    std::vector<std::string> lines;
    for (const RecordingPeriod& period : RecordingPeriods) lines.push_back(FormatRecordingPeriod(period));
    return lines;
}

void ShowLines(QListWidget& list, const std::vector<std::string>& lines) {
    list.clear();
    for (const std::string& line : lines) list.addItem(FromCodePage(line));
}

QLineEdit* AddField(QWidget* form, QGridLayout& grid, int row, const char* caption) {
    auto* field = new QLineEdit(form);
    field->setMaxLength(static_cast<int>(MaxIniLineLength));
    auto* label = new QLabel(QString::fromLatin1(caption), form);
    label->setBuddy(field);
    grid.addWidget(label, row, 0);
    grid.addWidget(field, row, 1);
    return field;
}

// A group with a list of the lines of a section and the button that edits them.
QListWidget* AddSectionList(QWidget* form, QBoxLayout& row, const char* title, QPushButton*& button,
                            const char* buttonText) {
    auto* group = new QGroupBox(QString::fromLatin1(title), form);
    auto* layout = new QVBoxLayout(group);
    auto* list = new QListWidget(group);
    list->setFocusPolicy(Qt::NoFocus);
    list->setSelectionMode(QAbstractItemView::NoSelection);
    button = new QPushButton(QString::fromLatin1(buttonText), group);
    button->setAutoDefault(false);
    layout->addWidget(list);
    layout->addWidget(button, 0, Qt::AlignLeft);
    row.addWidget(group);
    return list;
}

}  // namespace

TNewIniFileDlg::TNewIniFileDlg(QWidget* parent) : QoraDialog(" New Initialization File", 620, 600, parent) {
    auto* layout = new QVBoxLayout(this);

    auto* fileRow = new QHBoxLayout;
    layout->addLayout(fileRow);
    FileName = new QLineEdit(this);
    auto* fileLabel = new QLabel(QStringLiteral("&File to write:"), this);
    fileLabel->setBuddy(FileName);
    BrowseButton = new QPushButton(QStringLiteral("&Browse..."), this);
    BrowseButton->setAutoDefault(false);
    fileRow->addWidget(fileLabel);
    fileRow->addWidget(FileName, 1);
    fileRow->addWidget(BrowseButton);

    auto* files = new QGroupBox(QStringLiteral("Files and folders"), this);
    auto* filesGrid = new QGridLayout(files);
    DefinitionsFile = AddField(files, *filesGrid, 0, "&Definitions file:");
    DefaultDirectory = AddField(files, *filesGrid, 1, "Default f&older:");
    RecordingPrefix = AddField(files, *filesGrid, 2, "&Recording file prefix:");
    layout->addWidget(files);

    auto* lists = new QHBoxLayout;
    layout->addLayout(lists, 1);
    RecordingPeriodsList = AddSectionList(this, *lists, "Recording Periods", TimePeriodsButton, "&Time Periods...");
    FunctionKeysList = AddSectionList(this, *lists, "Function Keys", FunctionKeysButton, "F&unction Keys...");

    NewIniPrinterPage = new QGroupBox(QStringLiteral("Printer Page Settings"), this);
    auto* pageLayout = new QHBoxLayout(NewIniPrinterPage);
    LeaveAsIs = new QRadioButton(QStringLiteral("Leave as is"), NewIniPrinterPage);
    UpdateWithCurrent = new QRadioButton(QStringLiteral("Update with current settings"), NewIniPrinterPage);
    AdjustPrinterPageSettings = new QPushButton(QStringLiteral("Adjust Printer Page Settings"), NewIniPrinterPage);
    AdjustPrinterPageSettings->setAutoDefault(false);
    pageLayout->addWidget(LeaveAsIs);
    pageLayout->addWidget(UpdateWithCurrent);
    pageLayout->addStretch(1);
    pageLayout->addWidget(AdjustPrinterPageSettings);
    layout->addWidget(NewIniPrinterPage);

    auto* others = new QGroupBox(QStringLiteral("Also written"), this);
    auto* othersLayout = new QVBoxLayout(others);
    OtherSections = new QLabel(others);
    OtherSections->setWordWrap(true);
    othersLayout->addWidget(OtherSections);
    layout->addWidget(others);

    AddConfirmButtons(*this, *layout, "Write");

    for (QLineEdit* field : {FileName, DefinitionsFile, DefaultDirectory, RecordingPrefix})
        connect(field, &QLineEdit::textChanged, this, &TNewIniFileDlg::FieldChange);
    connect(UpdateWithCurrent, &QRadioButton::toggled, this, [](bool checked) { printerPageUpdates = checked; });
    connect(BrowseButton, &QPushButton::clicked, this, &TNewIniFileDlg::BrowseClick);
    connect(TimePeriodsButton, &QPushButton::clicked, this, &TNewIniFileDlg::TimePeriodsClick);
    connect(FunctionKeysButton, &QPushButton::clicked, this, &TNewIniFileDlg::FunctionKeysClick);
    connect(AdjustPrinterPageSettings, &QPushButton::clicked, this, [] { TQoraPrintDlg::PageSetupButtonClick(); });
    connect(OK, &QPushButton::clicked, this, &TNewIniFileDlg::OKClick);
    if (NewIniFileDlg.isNull()) NewIniFileDlg = this;  // the form that the page-setup dialog reaches
}

void TNewIniFileDlg::FormActivate() {
    if (FileName->text().trimmed().isEmpty())
        FileName->setText(QFile::decodeName(IniFileName.empty() ? DefaultIniFileName : IniFileName.c_str()));
    DefinitionsFile->setText(FromCodePage(IniDefinitionsFileName));
    DefaultDirectory->setText(FromCodePage(DefaultDirectoryName));
    RecordingPrefix->setText(FromCodePage(RecordingFilePrefix));
    (printerPageUpdates ? UpdateWithCurrent : LeaveAsIs)->setChecked(true);
    ShowSections();
    FieldChange();
    FileName->setFocus();
}

void TNewIniFileDlg::ShowSections() {
    ShowLines(*RecordingPeriodsList, RecordingPeriodLines());
    ShowLines(*FunctionKeysList, FormatFunctionKeys(FunctionKeys));
    OtherSections->setText(FromCodePage(OtherSectionsText()));
}

// Write is enabled while the file is named, every value reads back as typed,
// and the recording prefix is given (without it the file would give "cw").
void TNewIniFileDlg::FieldChange() {
    OK->setEnabled(!FileName->text().trimmed().isEmpty() && FieldCanBeWritten(*DefinitionsFile) &&
                   FieldCanBeWritten(*DefaultDirectory) && FieldCanBeWritten(*RecordingPrefix) &&
                   !FieldValue(*RecordingPrefix).empty());
}

void TNewIniFileDlg::BrowseClick() {
    FileDialog dialog(FileDialog::Kind::Save);
    dialog.Title = "New Initialization File";
    dialog.FileName = QFile::encodeName(FileName->text().trimmed()).toStdString();
    dialog.Filter = "Initialization files (*.ini)|*.ini|Any files (*.*)|*.*";
    dialog.DefaultExt = "ini";
    if (dialog.Execute(this)) FileName->setText(QFile::decodeName(dialog.FileName.c_str()));
}

void TNewIniFileDlg::TimePeriodsClick() {
    ShowTimePeriodsDialog(this);
    ShowSections();
}

void TNewIniFileDlg::FunctionKeysClick() {
    ShowFunctionKeyDialog(this);
    ShowSections();
}

// The typed values become the program's and are written; when the file
// cannot be written the program keeps its values and the dialog stays open.
void TNewIniFileDlg::OKClick() {
    const std::string path = QFile::encodeName(FileName->text().trimmed()).toStdString();
    const EditedValues before = ProgramValues();
    SetProgramValues({FieldValue(*DefinitionsFile), FieldValue(*DefaultDirectory), FieldValue(*RecordingPrefix)});
    const std::string error = WriteIniFile(path, UpdateWithCurrent->isChecked());
    if (!error.empty()) {
        SetProgramValues(before);
        ShowError(error);
        return;
    }
    SetNewIniPrinterPage(false);  // the file now holds the current page settings
    ShowInformation("The initialization file " + ToCodePage(FileName->text().trimmed()) + " has been written.");
    CloseWithResult(mrOk);
}

void ShowNewIniFileDialog(QWidget* parent) { OpenCentred(NewIniFileDlg, parent); }

void SetNewIniPrinterPage(bool updateWithCurrentSettings) {
    printerPageUpdates = updateWithCurrentSettings;
    if (!NewIniFileDlg.isNull())
        (updateWithCurrentSettings ? NewIniFileDlg->UpdateWithCurrent : NewIniFileDlg->LeaveAsIs)->setChecked(true);
}

bool NewIniPrinterPageUpdates() { return printerPageUpdates; }

}  // namespace qora
