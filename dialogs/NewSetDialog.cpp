#include "dialogs/NewSetDialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <vector>

#include "dialogs/DialogParts.h"
#include "dialogs/LetterSetPages.h"
#include "engine/UserSets.h"
#include "platform/FreeNumbers.h"
#include "platform/qt/CommitComboBox.h"
#include "platform/qt/Focus.h"
#include "platform/qt/NumberField.h"
#include "platform/qt/PageControl.h"
#include "platform/qt/QuotedTextField.h"
#include "platform/qt/RadioGroup.h"
#include "platform/qt/SpinField.h"
#include "platform/qt/Text.h"
#include "processor/Console.h"
#include "widgets/TileControls.h"

namespace qora {

QPointer<TDefineNewSet> DefineNewSet;

namespace {

constexpr int FormWidth = 737;
constexpr int FormHeight = 475;
constexpr int SetListColumns = 24;
constexpr int LabelColumns = 14;
constexpr int UnusedNumberColumns = 3;
constexpr const char* NoSetsItem = "(none)";

// The computed page: the union of a set with itself is refused, by the items
// the lists committed.
class ComputedPage : public CommandPage {
public:
    using CommandPage::CommandPage;
    CommitComboBox* First = nullptr;
    CommitComboBox* Operation = nullptr;
    CommitComboBox* Second = nullptr;
    bool Composable() const override {
        return First->CommittedIndex() >= 0 && Second->CommittedIndex() >= 0 &&
               ComputedSetComposable(First->CommittedIndex(), Operation->CommittedIndex(), Second->CommittedIndex());
    }
};

CommitComboBox* NewSetList(QWidget* parent) {
    auto* list = new CommitComboBox(parent);
    list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    list->setMinimumContentsLength(SetListColumns);
    return list;
}

// The set number of the item a list shows ("set 12 vowels").
std::optional<std::int32_t> ChosenSetNumber(const CommitComboBox& list) {
    if (list.currentIndex() < 0) return std::nullopt;
    return SetNumberOfLine(ToCodePage(list.currentText()));
}

}  // namespace

TDefineNewSet::TDefineNewSet(QWidget* parent) : QoraDialog(" Define a New Set", FormWidth, FormHeight, parent) {
    auto* layout = new QVBoxLayout(this);
    BuildNumberAndLabel(*layout);
    NewSetKinds = new PageControl(this);
    BuiltInSet = new BuiltInSetPage(*this);
    WordBasedSet = new WordBasedSetPage(*this);
    SpecifiedSet = new SpecifiedSetPage(*this);
    AllButSet = new AllButSetPage(*this);
    BuildCopyPage();
    BuildComputedPage();
    const std::pair<CommandPage*, const char*> pages[] = {
        {BuiltInSet, "Built-in Set, Score- or Count-based Set"},
        {WordBasedSet, "Word-based Set"},
        {SpecifiedSet, "Specified Set"},
        {AllButSet, "All-but Set"},
        {UserDefinedSet, "Copy of User-defined Set"},
        {ComputedSet, "Computed Set"},
    };
    for (const auto& [page, caption] : pages) NewSetKinds->AddPage(page, caption);
    NewSetKinds->SetActivePage(NewBuiltInSetPage);
    layout->addWidget(NewSetKinds, 1);

    connect(NewSetKinds, &PageControl::changed, this, &TDefineNewSet::NewSetKindsChange);
    connect(BuiltInSet->OK, &QPushButton::clicked, this, &TDefineNewSet::BuiltInSetOKClick);
    connect(WordBasedSet->OK, &QPushButton::clicked, this, &TDefineNewSet::WordBasedSetOKClick);
    connect(SpecifiedSet->OK, &QPushButton::clicked, this, &TDefineNewSet::SpecifiedSetOKClick);
    connect(AllButSet->OK, &QPushButton::clicked, this, &TDefineNewSet::AllButSetOKClick);
    connect(UserDefinedSet->OK, &QPushButton::clicked, this, &TDefineNewSet::UserDefinedSetOKClick);
    connect(ComputedSet->OK, &QPushButton::clicked, this, &TDefineNewSet::ComputedSetOKClick);
    WordBasedSet->OK->setEnabled(false);
    ApplyLexiconLanguage();
}

void TDefineNewSet::BuildNumberAndLabel(QBoxLayout& layout) {
    ChooseNumber = new RadioGroup("Identifying Number for the New Set",
                                  {"An unused set number:", "Replace this existing set:"}, this);
    UnusedNumber = new QLineEdit(ChooseNumber);
    UnusedNumber->setReadOnly(true);
    UnusedNumber->setFocusPolicy(Qt::NoFocus);
    UnusedNumber->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    UnusedNumber->setFixedWidth(FieldWidthForDigits(*UnusedNumber, UnusedNumberColumns));
    UnusedNumberUpDown = new UpDown(ChooseNumber);
    UnusedNumberUpDown->setFixedHeight(UnusedNumber->sizeHint().height());
    ExistingSets = NewSetList(ChooseNumber);
    auto* unused = new QWidget(ChooseNumber);
    auto* unusedRow = new QHBoxLayout(unused);
    unusedRow->setContentsMargins(0, 0, 0, 0);
    unusedRow->setSpacing(0);
    unusedRow->addWidget(UnusedNumber);
    unusedRow->addWidget(UnusedNumberUpDown);
    unusedRow->addStretch(1);
    ChooseNumber->AddBeside(UnusedNumberItem, unused);
    ChooseNumber->AddBeside(ExistingSetItem, ExistingSets);
    ChooseNumber->SetItemIndex(UnusedNumberItem);

    ChooseLabel = new RadioGroup("Label for the New Set", {"none", "this one:"}, this);
    SetLabel = new QLineEdit(ChooseLabel);
    LimitToQuotableText(*SetLabel, MaxSetLabelLength);
    SetLabel->setMinimumWidth(FieldWidthForDigits(*SetLabel, LabelColumns));
    ChooseLabel->AddBeside(LabelItem, SetLabel);
    ChooseLabel->SetItemIndex(NoLabelItem);

    Cancel = new QPushButton(QStringLiteral("Cancel"), this);
    Cancel->setAutoDefault(false);
    SetModalResult(*Cancel, mrCancel);
    Help = NewHelpButton(*this);
    Help->setAutoDefault(false);
    // The label above Cancel and Help, beside the number.
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Cancel);
    buttons->addWidget(Help);
    auto* right = new QVBoxLayout;
    right->addWidget(ChooseLabel);
    right->addLayout(buttons);
    auto* row = new QHBoxLayout;
    row->addWidget(ChooseNumber);
    row->addLayout(right, 1);
    layout.addLayout(row);

    connect(ChooseNumber, &RadioGroup::clicked, this, &TDefineNewSet::ChooseNumberClick);
    connect(UnusedNumberUpDown, &UpDown::clicked, this,
            [this](UpDownButton button) { UnusedNumberUpDownClick(button == UpDownButton::Up); });
    // A set chosen to replace: the label comes next.
    const auto toLabel = [this] { MoveFocus(*ChooseLabel->Item(std::max(ChooseLabel->ItemIndex(), 0))); };
    connect(ExistingSets, &CommitComboBox::committed, this, toLabel);
    connect(ExistingSets, &CommitComboBox::reselected, this, toLabel);
}

void TDefineNewSet::BuildCopyPage() {
    BaseSet = NewSetList(nullptr);
    UserDefinedSet = new SetChoicePage(*this, BaseSet, "Copy of this user-defined set:");
    BaseSet->SetNextControl(UserDefinedSet->OK);
}

void TDefineNewSet::BuildComputedPage() {
    auto* page = new ComputedPage(*this);
    ComputedSet = page;
    Set1 = NewSetList(page);
    SetOperation = new CommitComboBox(page);
    for (const char* item : {"union (members from either set)", "intersection (members which are in both sets)",
                             "difference (members in the first but not the second set)"})
        SetOperation->addItem(QString::fromLatin1(item));
    SetOperation->setCurrentIndex(UnionItem);
    SetOperation->SetCommittedIndex(UnionItem);
    Set2 = NewSetList(page);
    page->First = Set1;
    page->Operation = SetOperation;
    page->Second = Set2;
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("First Set:"), page), 0, 0);
    grid->addWidget(Set1, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Set Operation:"), page), 1, 0);
    grid->addWidget(SetOperation, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("Second Set:"), page), 2, 0);
    grid->addWidget(Set2, 2, 1);
    grid->setColumnStretch(2, 1);
    page->Body()->addWidget(
        NewWrappedLabel("You may define a set based on set operations on two existing user-defined sets:", *page));
    page->Body()->addLayout(grid);
    page->Body()->addStretch(1);

    // A new item re-checks OK and moves on when OK allows it; the item
    // committed, picked again, moves on.
    const auto moveOnIfAllowed = [this](QWidget* next) {
        UpdateComputedSetOK();
        if (ComputedSet->OK->isEnabled()) MoveFocus(*next);
    };
    connect(Set1, &CommitComboBox::committed, this, [=, this] { moveOnIfAllowed(ComputedSet->OK); });
    connect(Set1, &CommitComboBox::reselected, this, [this] { MoveFocus(*SetOperation); });
    connect(SetOperation, &CommitComboBox::committed, this, [=, this] { moveOnIfAllowed(Set2); });
    connect(SetOperation, &CommitComboBox::reselected, this, [this] { MoveFocus(*Set2); });
    connect(Set2, &CommitComboBox::committed, this, [=, this] { moveOnIfAllowed(ComputedSet->OK); });
    connect(Set2, &CommitComboBox::reselected, this, [this] { ComputedSet->FocusHome(); });
}

CommandPage& TDefineNewSet::PageAt(int index) const { return *static_cast<CommandPage*>(NewSetKinds->Page(index)); }

void TDefineNewSet::ApplyLexiconLanguage() {
    const Language language = ActiveLanguage();
    BuiltInSet->ApplyLanguage(language);
    BuiltInSet->AllLetters->setText(FromCodePage(std::string("All ") + LettersWord(language)));
    WordBasedSet->ApplyLanguage(language);
    SpecifiedSet->SetHomeLines(TileValuesTypingHint(language));
    AllButSet->SetHomeLines(AllButSetHomeLines(language));
}

// ---- Activation --------------------------------------------------------------------

// The number, the set lists and the pages that need sets are prepared
// afresh; the pages' contents, the label choice and the label stay.
void TDefineNewSet::FormActivate() {
    for (TileControlRows* tiles : {SpecifiedSet->TileRows, AllButSet->TileRows}) tiles->SetLanguage(ActiveLanguage());

    NewSetUnusedNumber = FirstFreeUserSetNumber();
    const bool numberFree = NewSetUnusedNumber <= MaxUserSetNumber;
    UnusedNumberUpDown->SetRange(std::min(NewSetUnusedNumber, MaxUserSetNumber), MaxUserSetNumber);
    UnusedNumberUpDown->SetPosition(NewSetUnusedNumber);
    ShowUnusedNumber();
    ChooseNumber->Item(UnusedNumberItem)->setEnabled(numberFree);
    UnusedNumberUpDown->setEnabled(numberFree);
    ChooseNumber->SetItemIndex(numberFree ? UnusedNumberItem : ExistingSetItem);

    const std::int32_t sets = UserSetCount();
    ExistingSets->setEnabled(sets > 0);
    NewSetKinds->SetTabVisible(CopySetPage, sets > 0);
    NewSetKinds->SetTabVisible(ComputedSetPage, sets > 1);
    FillSetLists();
    const int remembered = NewSetKinds->ActivePageIndex();
    if ((remembered == CopySetPage && sets < 1) || (remembered == ComputedSetPage && sets < 2))
        NewSetKinds->SetActivePage(NewBuiltInSetPage);
    SpecifiedSet->UpdateOK();
    AllButSet->UpdateOK();
    NewSetKindsChange();
}

void TDefineNewSet::FillSetLists() {
    std::vector<std::string> choices;
    FillUserSetChoices(choices);
    const bool sets = !choices.empty();
    for (CommitComboBox* list : {BaseSet, Set1, Set2}) list->SetItems(choices, sets ? 0 : -1);
    if (choices.size() > 1) {
        Set2->setCurrentIndex(1);
        Set2->SetCommittedIndex(1);
    }
    SetOperation->setCurrentIndex(UnionItem);
    SetOperation->SetCommittedIndex(UnionItem);
    ExistingSets->SetItems(sets ? choices : std::vector<std::string>{NoSetsItem}, 0);
}

// ---- The number ----------------------------------------------------------------------

// Without sets there is none to replace.
void TDefineNewSet::ChooseNumberClick() {
    if (ChooseNumber->ItemIndex() == ExistingSetItem && UserSetCount() == 0)
        ChooseNumber->SetItemIndex(UnusedNumberItem);
}

// The arrows skip the numbers in use; when none is free that way they go
// back to the number shown.
void TDefineNewSet::UnusedNumberUpDownClick(bool up) {
    const auto number =
        StepToFreeNumber(std::max(UnusedNumberUpDown->Position(), 1), up ? 1 : -1, 1, MaxUserSetNumber, UserSetExists);
    if (number) NewSetUnusedNumber = *number;
    UnusedNumberUpDown->SetPosition(NewSetUnusedNumber);
    ShowUnusedNumber();
}

void TDefineNewSet::ShowUnusedNumber() {
    UnusedNumber->setText(NewSetUnusedNumber <= MaxUserSetNumber ? FromCodePage(UnusedSetNumberText(NewSetUnusedNumber))
                                                                 : QString());
}

std::optional<NewSetHead> TDefineNewSet::Head() const {
    NewSetHead head;
    if (ChooseNumber->ItemIndex() == ExistingSetItem) {
        const auto number = UserSetCount() > 0 ? ChosenSetNumber(*ExistingSets) : std::nullopt;
        if (!number) return std::nullopt;
        head.Number = *number;
    } else {
        if (NewSetUnusedNumber > MaxUserSetNumber) return std::nullopt;
        head.Number = NewSetUnusedNumber;
    }
    head.Labelled = ChooseLabel->ItemIndex() == LabelItem;
    if (head.Labelled) head.Label = ToCodePage(SetLabel->text());
    return head;
}

// ---- Pages ---------------------------------------------------------------------------

// The active page's rule, its OK as the default button, the focus on its
// home (its OK when enabled, the memo of a tile page).
void TDefineNewSet::NewSetKindsChange() {
    CommandPage& page = PageAt(NewSetKinds->ActivePageIndex());
    page.UpdateOK();
    page.OK->setDefault(true);
    page.FocusHome();
}

void TDefineNewSet::UpdateComputedSetOK() { ComputedSet->UpdateOK(); }

// ---- OK ------------------------------------------------------------------------------

void TDefineNewSet::Append(const std::string& body) {
    const std::optional<NewSetHead> head = Head();
    if (!head) return;
    AppendToCommandLine(NewSetCommand(*head, body));
    CloseWithResult(mrOk);
}

void TDefineNewSet::BuiltInSetOKClick() { Append(BuiltInSet->BodyText()); }

void TDefineNewSet::WordBasedSetOKClick() { Append(WordBasedSet->BodyText()); }

void TDefineNewSet::SpecifiedSetOKClick() { Append(SpecifiedSet->TilesText()); }

void TDefineNewSet::AllButSetOKClick() { Append("!" + AllButSet->TilesText()); }

void TDefineNewSet::UserDefinedSetOKClick() {
    if (const auto number = ChosenSetNumber(*BaseSet)) Append(std::to_string(*number));
}

// A change keyed in a list and confirmed with Enter counts too.
void TDefineNewSet::ComputedSetOKClick() {
    for (CommitComboBox* list : {Set1, SetOperation, Set2}) list->CommitShown();
    UpdateComputedSetOK();
    const std::optional<NewSetHead> head = Head();
    const auto first = ChosenSetNumber(*Set1);
    const auto second = ChosenSetNumber(*Set2);
    if (!ComputedSet->OK->isEnabled() || !head || !first || !second) return;
    AppendToCommandLine(ComputedSetCommand(*head, *first, SetOperation->currentIndex(), *second));
    CloseWithResult(mrOk);
}

}  // namespace qora
