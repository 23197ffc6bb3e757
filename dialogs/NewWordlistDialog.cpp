#include "dialogs/NewWordlistDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <string>
#include <vector>

#include "dialogs/DialogParts.h"
#include "engine/Listings.h"
#include "engine/WordlistListings.h"
#include "engine/Wordlists.h"
#include "platform/Folders.h"
#include "platform/FreeNumbers.h"
#include "platform/qt/CommitComboBox.h"
#include "platform/qt/Focus.h"
#include "platform/qt/PageControl.h"
#include "platform/qt/QuotedTextField.h"
#include "platform/qt/RadioGroup.h"
#include "platform/qt/SpinField.h"
#include "platform/qt/Text.h"
#include "processor/Console.h"
#include "processor/IniFile.h"

namespace qora {

QPointer<TMakeNewWordlist> MakeNewWordlist;

namespace {

constexpr int UnusedNumberColumns = 3;  // "%3d"
constexpr int ListColumns = 30;
constexpr int UnusedItem = 0;
constexpr int ReplaceItem = 1;
constexpr int NoLabelItem = 0;
constexpr int LabelItem = 1;

std::optional<std::int32_t> WordlistShown(const CommitComboBox& list) {
    if (list.currentIndex() < 0) return std::nullopt;
    return WordlistOfChoice(ToCodePage(list.currentText()));
}

std::vector<std::string> WordlistChoices() {
    std::vector<std::string> choices;
    FillWordlistChoices(choices, true);
    return choices;
}

CommitComboBox* NewWordlistList(QWidget* parent) {
    auto* list = new CommitComboBox(parent);
    LimitListWidth(*list, ListColumns);
    return list;
}

void AppendEach(const std::vector<std::string>& texts) {
    for (const std::string& text : texts) AppendToCommandLine(text);
}

}  // namespace

TMakeNewWordlist::TMakeNewWordlist(QWidget* parent)
    : QoraDialog(" Make a New Wordlist or Restore Slate", 640, 430, parent) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(BuildUpperPart());
    NewWordlistKinds = new PageControl(this);
    BuildCopyPage();
    BuildComputedPage();
    BuildImportPage();
    layout->addWidget(NewWordlistKinds, 1);

    ImportWordlistDlg.Filter = "Word files  (*.wds)|*.WDS|Text files  (*.txt)|*.TXT|Any files  (*.*)|*.*";
    ImportWordlistDlg.DefaultExt = "wds";

    connect(ChooseNumber, &RadioGroup::clicked, this, &TMakeNewWordlist::ChooseNumberClick);
    connect(ExistingWordlists, &CommitComboBox::committed, this, &TMakeNewWordlist::ExistingWordlistsCommitted);
    connect(ExistingWordlists, &CommitComboBox::reselected, this, &TMakeNewWordlist::FocusLabelChoice);
    connect(UnusedNumber, &SpinField::clicked, this,
            [this](UpDownButton button) { UnusedNumberClick(button == UpDownButton::Up ? 1 : -1); });
    connect(ChooseLabel, &RadioGroup::clicked, this, &TMakeNewWordlist::UpdateOKButtons);
    connect(WordlistLabel, &QLineEdit::textChanged, this, &TMakeNewWordlist::UpdateOKButtons);
    connect(NewWordlistKinds, &PageControl::changed, this, &TMakeNewWordlist::PageChange);
    // OK follows the items shown, also while they are keyed.
    for (CommitComboBox* list : {ExistingWordlists, BaseWordlist, Wordlist1, Wordlist2})
        connect(list, &QComboBox::currentIndexChanged, this, &TMakeNewWordlist::UpdateOKButtons);
}

QWidget* TMakeNewWordlist::BuildUpperPart() {
    auto* upper = new QWidget(this);
    ChooseNumber =
        new RadioGroup("Identifying Number for the New Wordlist", {"An unused wordlist number:", "Replace:"}, upper);
    UnusedNumber = new SpinField(UnusedNumberColumns, ChooseNumber);
    UnusedNumberUpDown = UnusedNumber->Arrows();
    ChooseNumber->AddBeside(UnusedItem, UnusedNumber);
    ExistingWordlists = NewWordlistList(ChooseNumber);
    ChooseNumber->AddBeside(ReplaceItem, ExistingWordlists);
    ChooseLabel = new RadioGroup("Label for the New Wordlist", {"None", "This one:"}, upper);
    WordlistLabel = new QLineEdit(ChooseLabel);
    LimitToQuotableText(*WordlistLabel, MaxWordlistLabelLength);
    WordlistLabel->setMinimumWidth(
        WordlistLabel->fontMetrics().horizontalAdvance(QString(MaxWordlistLabelLength, 'N')));
    ChooseLabel->AddBeside(LabelItem, WordlistLabel);
    Help = NewHelpButton(*this);
    Cancel = new QPushButton(QStringLiteral("Cancel"), upper);
    SetModalResult(*Cancel, mrCancel);
    for (QPushButton* button : {Help, Cancel}) button->setAutoDefault(false);

    auto* groups = new QVBoxLayout;
    groups->setContentsMargins(0, 0, 0, 0);
    groups->addWidget(ChooseNumber);
    groups->addWidget(ChooseLabel);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(Help);
    buttons->addWidget(Cancel);
    buttons->addStretch(1);
    auto* row = new QHBoxLayout(upper);
    row->setContentsMargins(0, 0, 0, 0);
    row->addLayout(groups, 1);
    row->addLayout(buttons);
    return upper;
}

void TMakeNewWordlist::BuildCopyPage() {
    CopyOfWordlist = new CommandPage(*this);
    CopyOK = CopyOfWordlist->OK;
    CopyHelp = CopyOfWordlist->Help;
    BaseWordlist = NewWordlistList(CopyOfWordlist);
    BaseWordlist->SetNextControl(CopyOK);
    Sorted = new QCheckBox(QStringLiteral("Sorted according to presentation order"), CopyOfWordlist);
    QSizePolicy policy = Sorted->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    Sorted->setSizePolicy(policy);
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("Copy of this:"), CopyOfWordlist));
    row->addWidget(BaseWordlist, 1);
    CopyOfWordlist->Body()->addLayout(row);
    CopyOfWordlist->Body()->addWidget(Sorted);
    CopyOfWordlist->Body()->addStretch(1);
    NewWordlistKinds->AddPage(CopyOfWordlist, "Copy of Slate or Wordlist");

    // A base is taken by its own showing; only the slate can be sorted.
    connect(BaseWordlist, &CommitComboBox::committed, this,
            [this] { Sorted->setVisible(WordlistShown(*BaseWordlist) == SlateNumber), UpdateOKButtons(); });
    connect(CopyOK, &QPushButton::clicked, this, &TMakeNewWordlist::CopyOKClick);
}

void TMakeNewWordlist::BuildComputedPage() {
    ComputedWordlist = new CommandPage(*this);
    ComputedWordlistOK = ComputedWordlist->OK;
    ComputedWordlistHelp = ComputedWordlist->Help;
    Wordlist1 = NewWordlistList(ComputedWordlist);
    SetOperation = new CommitComboBox(ComputedWordlist);
    SetOperation->SetItems({"union (words from either wordlist)", "intersection (words which are in both wordlists)",
                            "difference (words in the first but not the second wordlist)"},
                           UnionItem);
    Wordlist2 = NewWordlistList(ComputedWordlist);
    SetOperation->SetNextControl(Wordlist2);
    Wordlist2->SetNextControl(ComputedWordlistOK);
    ComputedWordlist->Body()->addWidget(NewWrappedLabel(
        "You may define a wordlist based on set operations on two different existing wordlists:", *ComputedWordlist));
    auto* grid = new QGridLayout;
    const std::pair<const char*, CommitComboBox*> rows[] = {
        {"First Wordlist:", Wordlist1}, {"Set Operation:", SetOperation}, {"Second Wordlist:", Wordlist2}};
    for (int row = 0; row < 3; ++row) {
        grid->addWidget(new QLabel(QString::fromLatin1(rows[row].first), ComputedWordlist), row, 0);
        grid->addWidget(rows[row].second, row, 1);
    }
    grid->setColumnStretch(1, 1);
    ComputedWordlist->Body()->addLayout(grid);
    ComputedWordlist->Body()->addStretch(1);
    NewWordlistKinds->AddPage(ComputedWordlist, "Computed Wordlist");

    connect(Wordlist1, &CommitComboBox::committed, this, &TMakeNewWordlist::OperandCommitted);
    connect(Wordlist1, &CommitComboBox::reselected, this, [this] { MoveFocus(*SetOperation); });
    connect(ComputedWordlistOK, &QPushButton::clicked, this, &TMakeNewWordlist::ComputedWordlistOKClick);
}

void TMakeNewWordlist::BuildImportPage() {
    ImportWordlist = new CommandPage(*this);
    ImportWordlistOK = ImportWordlist->OK;
    ImportWordlistHelp = ImportWordlist->Help;
    ImportWordlist->Body()->addWidget(NewWrappedLabel(
        "Click the OK button to bring up a dialog to open the file from which to make the wordlist.", *ImportWordlist));
    ImportWordlist->Body()->addStretch(1);
    NewWordlistKinds->AddPage(ImportWordlist, "Import Wordlist");
    connect(ImportWordlistOK, &QPushButton::clicked, this, &TMakeNewWordlist::ImportWordlistOKClick);
}

NewWordlistTarget TMakeNewWordlist::Target() const {
    NewWordlistTarget target;
    if (ChooseNumber->ItemIndex() == UnusedItem)
        target.Target = unusedNumber_;
    else
        target.Target = WordlistShown(*ExistingWordlists).value_or(-1);
    if (ChooseLabel->isEnabled() && ChooseLabel->ItemIndex() == LabelItem)
        target.Label = ToCodePage(WordlistLabel->text());
    return target;
}

void TMakeNewWordlist::ShowImportPage() { NewWordlistKinds->SetActivePage(ImportPage); }

// Each showing starts from the first unused number, no label and the lists
// as the wordlists stand; the page shown stays (the Computed page needs a
// numbered wordlist). With every number in use only "Replace:" is offered.
void TMakeNewWordlist::FormActivate() {
    unusedNumber_ = FirstFreeWordlistNumber();
    const bool unusedFree = unusedNumber_ <= MaxWordlistNumber;
    UnusedNumber->SetRange(unusedFree ? unusedNumber_ : MaxWordlistNumber, MaxWordlistNumber);
    UnusedNumber->SetPosition(unusedNumber_);
    if (!unusedFree) UnusedNumber->Field()->clear();
    UnusedNumber->setEnabled(unusedFree);
    ChooseNumber->Item(UnusedItem)->setEnabled(unusedFree);
    ChooseNumber->SetItemIndex(unusedFree ? UnusedItem : ReplaceItem);
    ChooseLabel->SetItemIndex(NoLabelItem);
    ChooseLabel->setEnabled(true);

    const bool wordlists = WordlistCount() > 0;
    NewWordlistKinds->SetTabVisible(ComputedPage, wordlists);
    const std::vector<std::string> choices = WordlistChoices();
    ExistingWordlists->SetItems(choices, wordlists ? 1 : 0);
    BaseWordlist->SetItems(choices, 0);
    Sorted->setVisible(true);
    Wordlist1->SetItems(choices, 0);
    Wordlist2->SetItems(choices, wordlists ? 1 : 0);
    SetOperation->setCurrentIndex(UnionItem);
    SetOperation->SetCommittedIndex(UnionItem);
    if (!wordlists && NewWordlistKinds->ActivePageIndex() == ComputedPage) NewWordlistKinds->SetActivePage(CopyPage);
    if (!unusedFree) ApplyReplaceChoice();
    PageChange();
}

void TMakeNewWordlist::ChooseNumberClick() {
    if (ChooseNumber->ItemIndex() == ReplaceItem)
        ApplyReplaceChoice();
    else
        ChooseLabel->setEnabled(true);
    UpdateOKButtons();
}

// The slate takes no label: replacing it turns the label choice off.
void TMakeNewWordlist::ApplyReplaceChoice() {
    const bool slate = WordlistShown(*ExistingWordlists) == SlateNumber;
    if (slate) ChooseLabel->SetItemIndex(NoLabelItem);
    ChooseLabel->setEnabled(!slate);
}

void TMakeNewWordlist::ExistingWordlistsCommitted() {
    if (ChooseNumber->ItemIndex() == ReplaceItem) ApplyReplaceChoice();
    UpdateOKButtons();
    FocusLabelChoice();
}

void TMakeNewWordlist::FocusLabelChoice() {
    const int item = ChooseLabel->ItemIndex();
    if (ChooseLabel->isEnabled() && item >= 0) MoveFocus(*ChooseLabel->Item(item));
}

void TMakeNewWordlist::UnusedNumberClick(int step) {
    const auto free = StepToFreeNumber(UnusedNumber->Position(), step, 1, MaxWordlistNumber, WordlistExists);
    if (free) unusedNumber_ = *free;
    UnusedNumber->SetPosition(unusedNumber_);
    UpdateOKButtons();
}

// The label choice's first item names what the page does without a label;
// the page's OK is the default button.
void TMakeNewWordlist::PageChange() {
    const bool import = NewWordlistKinds->ActivePageIndex() == ImportPage;
    ChooseLabel->Item(NoLabelItem)
        ->setText(QString::fromLatin1(import ? "Get it (if any) from the file, else none" : "None"));
    for (QPushButton* ok : {CopyOK, ComputedWordlistOK, ImportWordlistOK})
        ok->setDefault(ok->parentWidget() == NewWordlistKinds->ActivePage());
    UpdateOKButtons();
}

// A new first operand: OK takes the focus once the operands differ.
void TMakeNewWordlist::OperandCommitted() {
    UpdateOKButtons();
    if (ComputedWordlistOK->isEnabled()) MoveFocus(*ComputedWordlistOK);
}

// Each page's OK: a target the command takes (a label only for a wordlist,
// an import only into one), and what the page needs of its own: a base, or
// two different operands.
void TMakeNewWordlist::UpdateOKButtons() {
    const NewWordlistTarget target = Target();
    const bool composable = NewWordlistComposable(target);
    CopyOfWordlist->UpdateOK(composable && WordlistShown(*BaseWordlist).has_value());
    const auto first = WordlistShown(*Wordlist1);
    const auto second = WordlistShown(*Wordlist2);
    ComputedWordlist->UpdateOK(composable && first && second && Wordlist1->currentIndex() != Wordlist2->currentIndex());
    ImportWordlist->UpdateOK(composable && target.Target != SlateNumber);
}

void TMakeNewWordlist::CopyOKClick() {
    BaseWordlist->CommitShown();
    const auto base = WordlistShown(*BaseWordlist);
    const NewWordlistTarget target = Target();
    if (!base || !NewWordlistComposable(target)) return;
    AppendEach(CopyWordlistCommands(target, *base, *base == SlateNumber && Sorted->isChecked()));
    CloseWithResult(mrOk);
}

void TMakeNewWordlist::ComputedWordlistOKClick() {
    for (CommitComboBox* list : {Wordlist1, SetOperation, Wordlist2}) list->CommitShown();
    if (!ComputedWordlistOK->isEnabled()) return;
    AppendEach(ComputedWordlistCommands(Target(), *WordlistShown(*Wordlist1), SetOperation->CommittedIndex(),
                                        *WordlistShown(*Wordlist2)));
    CloseWithResult(mrOk);
}

// The file chosen is typed in quotes; a cancelled choice, or a path that
// cannot stand in quotes, types nothing. The dialog closes either way.
void TMakeNewWordlist::ImportWordlistOKClick() {
    const NewWordlistTarget target = Target();
    if (!ImportWordlistOK->isEnabled()) return;
    ImportWordlistDlg.Title = FormatText("Import Wordlist %d", target.Target);
    ImportWordlistDlg.FileName = FormatText("Wordlist%d.wds", target.Target);
    ImportWordlistDlg.InitialDir = DefaultDirectoryName.empty() ? HomeDirectory : DefaultDirectoryName;
    if (ImportWordlistDlg.Execute(this) && IsImportablePath(ImportWordlistDlg.FileName))
        AppendToCommandLine(ImportWordlistCommand(target, ImportWordlistDlg.FileName));
    CloseWithResult(mrOk);
}

}  // namespace qora
