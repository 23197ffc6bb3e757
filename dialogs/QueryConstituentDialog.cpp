#include "dialogs/QueryConstituentDialog.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "dialogs/DialogParts.h"
#include "dialogs/LetterSetPages.h"
#include "engine/Lexicons.h"
#include "engine/UserSets.h"
#include "platform/qt/CommitComboBox.h"
#include "platform/qt/Focus.h"
#include "platform/qt/NumberField.h"
#include "platform/qt/PageControl.h"
#include "platform/qt/RadioGroup.h"
#include "platform/qt/SpinField.h"
#include "platform/qt/Text.h"
#include "processor/CommandLine.h"
#include "processor/Console.h"
#include "widgets/TileControls.h"

namespace qora {

QPointer<TAddQueryCharacter> AddQueryCharacter;

namespace {

constexpr int FormWidth = 738;
constexpr int FormHeight = 475;
constexpr int LetterPitch = 48;
constexpr int BaseSetColumns = 48;

// The blank page: a pattern-implying blank cannot join a line with a rack
// part.
class BlankPage : public CommandPage {
public:
    using CommandPage::CommandPage;
    RadioGroup* Kind = nullptr;
    bool Composable() const override {
        const auto& elements = CurrentCommand.QueryElements;
        const bool rackPart =
            std::any_of(elements.begin(), elements.end(), [](const QueryElement& element) { return element.InRack; });
        return BlankComposable(Kind->ItemIndex(), rackPart);
    }
};

// The query-based page: OK needs a query constituent before the one added,
// and a line chosen in the list of the checked button.
class QueryBasedPage : public CommandPage {
public:
    using CommandPage::CommandPage;
    QRadioButton* SameLetter = nullptr;
    CommitComboBox* Letters = nullptr;
    CommitComboBox* Constituents = nullptr;
    bool Composable() const override {
        const CommitComboBox* list = SameLetter->isChecked() ? Letters : Constituents;
        return CurrentCommand.QueryElementCount > 0 && list->currentIndex() >= 0;
    }
};

void SetItems(RadioGroup& group, const std::vector<std::string>& items) {
    for (int index = 0; index < group.Count() && index < static_cast<int>(items.size()); ++index)
        group.Item(index)->setText(FromCodePage(items[static_cast<std::size_t>(index)]));
}

void KeepPlaceWhenHidden(QWidget& widget) {
    QSizePolicy policy = widget.sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget.setSizePolicy(policy);
}

}  // namespace

TAddQueryCharacter::TAddQueryCharacter(QWidget* parent)
    : QoraDialog(" Add a Query Constituent - letter, blank, set, or wild card", FormWidth, FormHeight, parent) {
    auto* layout = new QVBoxLayout(this);
    BuildFrame(*layout);
    QCKinds = new PageControl(this);
    BuildLetterPage();
    BuildBlankPage();
    BuiltInSet = new BuiltInSetPage(*this);
    WordBasedSet = new WordBasedSetPage(*this);
    SpecifiedSet = new SpecifiedSetPage(*this);
    AllButSet = new AllButSetPage(*this);
    BuildUserDefinedSetPage();
    BuildQueryBasedSetPage();
    AddPages();
    layout->addWidget(QCKinds, 1);

    connect(BuiltInSet->OK, &QPushButton::clicked, this, &TAddQueryCharacter::BuiltInSetOKClick);
    connect(WordBasedSet->OK, &QPushButton::clicked, this, &TAddQueryCharacter::WordBasedSetOKClick);
    connect(SpecifiedSet->OK, &QPushButton::clicked, this, &TAddQueryCharacter::SpecifiedSetOKClick);
    connect(AllButSet->OK, &QPushButton::clicked, this, &TAddQueryCharacter::AllButSetOKClick);
    WordBasedSet->OK->setEnabled(false);
    ApplyLexiconLanguage();
}

void TAddQueryCharacter::BuildFrame(QBoxLayout& layout) {
    RepetitionCount = new RepetitionCountBox(this);

    Requirement = new RadioGroup("Required to be included in the result", {"no", "yes"}, this);
    Requirement->SetItemIndex(0);
    Presence = new RadioGroup("Presence", {"", "", "", "", ""}, this);
    Presence->SetItemIndex(NoRestriction);
    SetMembers = new RadioGroup("Set Members", {"any one member", "all of the members"}, this);
    SetMembers->SetItemIndex(0);
    KeepPlaceWhenHidden(*SetMembers);
    PresenceOK = new QPushButton(QStringLiteral("OK"), this);
    PresenceOK->setAutoDefault(false);
    KeepPlaceWhenHidden(*PresenceOK);
    PresenceOK->hide();
    QCCancel = new QPushButton(QStringLiteral("Cancel"), this);
    QCCancel->setAutoDefault(false);
    SetModalResult(*QCCancel, mrCancel);
    Help = NewHelpButton(*this);
    Help->setAutoDefault(false);

    auto* left = new QVBoxLayout;
    left->addWidget(RepetitionCount);
    left->addWidget(SetMembers);
    left->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(PresenceOK);
    buttons->addWidget(QCCancel);
    buttons->addWidget(Help);
    auto* right = new QVBoxLayout;
    right->addWidget(Requirement);
    right->addStretch(1);
    right->addLayout(buttons);
    auto* frame = new QHBoxLayout;
    frame->addLayout(left);
    frame->addWidget(Presence);
    frame->addLayout(right);
    layout.addLayout(frame);

    connect(Presence, &RadioGroup::clicked, this, &TAddQueryCharacter::PresenceClick);
    connect(PresenceOK, &QPushButton::clicked, this, &TAddQueryCharacter::PresenceOKClick);
}

void TAddQueryCharacter::BuildLetterPage() {
    Letter = new LetterPage(*this, LetterPitch);
    connect(Letter->OK, &QPushButton::clicked, this, &TAddQueryCharacter::LetterOKClick);
}

void TAddQueryCharacter::BuildBlankPage() {
    auto* page = new BlankPage(*this);
    Blank = page;
    BlankKind =
        new RadioGroup("Kind of Blank", {"Letter-scoring", "Zero-scoring", "Pattern-implying letter-scoring"}, Blank);
    BlankKind->SetItemIndex(LetterScoringBlank);
    page->Kind = BlankKind;
    Label1 = new QLabel(QStringLiteral("Blank scoring is for the entire query and not per individual blank."), Blank);
    auto* row = new QHBoxLayout;
    row->addWidget(BlankKind);
    row->addStretch(1);
    Blank->Body()->addLayout(row);
    Blank->Body()->addWidget(Label1);
    Blank->Body()->addStretch(1);
    connect(BlankKind, &RadioGroup::clicked, this, [this] { Blank->UpdateOK(); });
    connect(Blank->OK, &QPushButton::clicked, this, &TAddQueryCharacter::BlankOKClick);
}

void TAddQueryCharacter::BuildUserDefinedSetPage() {
    BaseSet = new QComboBox;
    BaseSet->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    BaseSet->setMinimumContentsLength(BaseSetColumns);
    UserDefinedSet = new SetChoicePage(*this, BaseSet, "");
    RefreshListTabs();
    connect(UserDefinedSet->OK, &QPushButton::clicked, this, &TAddQueryCharacter::UserDefinedSetOKClick);
}

void TAddQueryCharacter::BuildQueryBasedSetPage() {
    auto* page = new QueryBasedPage(*this);
    QueryBasedSet = page;
    auto* group = new QButtonGroup(page);
    SameLetterButton = new QRadioButton(page);
    SameConstituentButton = new QRadioButton(QStringLiteral("The same query constituent as the:"), page);
    group->addButton(SameLetterButton);
    group->addButton(SameConstituentButton);
    SameLetterButton->setChecked(true);
    SameLetterValue = new CommitComboBox(page);
    SameConstituentValue = new CommitComboBox(page);
    SameConstituentLabel = new QLabel(page);
    page->SameLetter = SameLetterButton;
    page->Letters = SameLetterValue;
    page->Constituents = SameConstituentValue;

    auto* grid = new QGridLayout;
    grid->addWidget(SameLetterButton, 0, 0);
    grid->addWidget(SameLetterValue, 0, 1);
    grid->addWidget(SameConstituentButton, 1, 0);
    grid->addWidget(SameConstituentValue, 1, 1);
    grid->setColumnStretch(2, 1);
    page->Body()->addLayout(grid);
    page->Body()->addWidget(SameConstituentLabel);
    page->Body()->addStretch(1);

    // A pick moves on to OK (when it is enabled).
    for (CommitComboBox* list : {SameLetterValue, SameConstituentValue}) {
        list->SetNextControl(page->OK);
        list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        connect(list, &QComboBox::currentIndexChanged, this, [this] { QueryBasedSet->UpdateOK(); });
    }
    connect(group, &QButtonGroup::buttonClicked, this, [this] { QueryBasedSet->UpdateOK(); });
    connect(page->OK, &QPushButton::clicked, this, &TAddQueryCharacter::QueryBasedSetOKClick);
}

void TAddQueryCharacter::AddPages() {
    const std::pair<CommandPage*, const char*> pages[] = {
        {Letter, "Letter"},
        {Blank, "Blank"},
        {BuiltInSet, "Built-in Set, Score- or Count-based Set"},
        {WordBasedSet, "Word-based Set"},
        {SpecifiedSet, "Specified Set"},
        {AllButSet, "All-but Set"},
        {UserDefinedSet, "User-defined Set"},
        {QueryBasedSet, "Query-based Set"},
    };
    for (const auto& [page, caption] : pages) QCKinds->AddPage(page, caption);
    connect(QCKinds, &PageControl::changed, this, [this] { UpdatePageControls(); });
}

CommandPage& TAddQueryCharacter::PageAt(int index) const { return *static_cast<CommandPage*>(QCKinds->Page(index)); }

// ---- Language and lists ------------------------------------------------------------

void TAddQueryCharacter::ApplyLexiconLanguage() {
    const Language language = ActiveLanguage();
    SetItems(*Presence, PresenceItems(language));
    Letter->SetLanguage(language);
    BuiltInSet->ApplyLanguage(language);
    BuiltInSet->AllLetters->setText(FromCodePage(AllLettersCaption(language)));
    WordBasedSet->ApplyLanguage(language);
    SpecifiedSet->SetHomeLines(SpecifiedSetHomeLines(language));
    AllButSet->SetHomeLines(AllButSetHomeLines(language));
    SameLetterButton->setText(FromCodePage(SameLetterCaption(language)));
    SameConstituentLabel->setText(FromCodePage(SameConstituentLabelText(language)));
}

void TAddQueryCharacter::RefreshListTabs() {
    std::vector<std::string> lines;
    ListUserSets(lines, false);
    BaseSet->clear();
    for (const std::string& line : lines) BaseSet->addItem(FromCodePage(line));
    BaseSet->setCurrentIndex(-1);
}

void TAddQueryCharacter::FillQueryBasedLists() {
    queryBasedLists_ = MakeQueryBasedLists(CurrentCommand.QueryElementCount, CurrentCommand.WildCardCount,
                                           MaxWordLength, ActiveLanguage());
    SameLetterValue->SetItems(queryBasedLists_.SameLetter, FirstForwardLine(queryBasedLists_.LetterReach));
    SameConstituentValue->SetItems(queryBasedLists_.SameConstituent,
                                   FirstForwardLine(queryBasedLists_.ConstituentReach));
}

// ---- Activation and enabling -------------------------------------------------------

void TAddQueryCharacter::FormActivate() {
    const Language language = ActiveLanguage();
    Letter->SetLanguage(language);
    for (TileControlRows* tiles : {SpecifiedSet->TileRows, AllButSet->TileRows}) tiles->SetLanguage(language);
    LeadingBlank = std::string(RackMode ? 1 : 0, ' ');
    RepetitionCount->Restart();
    BlankKind->SetItemIndex(BlankKindAtActivation(BlankKind->ItemIndex(), QuerySettings.ZeroScoringBlanks != 0));
    Presence->SetItemIndex(NoRestriction);
    PresenceOK->hide();
    QCKinds->setEnabled(true);
    SetMembers->SetItemIndex(0);
    FillQueryBasedLists();
    UpdatePageControls();
    SpecifiedSet->UpdateOK();
    AllButSet->UpdateOK();
}

void TAddQueryCharacter::UpdatePageControls() {
    const int presence = Presence->ItemIndex();
    const bool any = IsAnyLetterPresence(presence);
    QCKinds->SetPageEnabled(BlankPageIndex, presence == NoRestriction);
    if (presence != NoRestriction && QCKinds->ActivePageIndex() == BlankPageIndex)
        QCKinds->SetActivePage(LetterPageIndex);
    const int active = QCKinds->ActivePageIndex();
    if (active == QueryBasedSetPageIndex) UpdateQueryBasedButtons();
    CommandPage& page = PageAt(active);
    page.UpdateOK(!any);
    (any ? PresenceOK : page.OK)->setDefault(true);
    if (!any) page.FocusHome();
    SetMembers->setVisible(
        presence == NoRestriction &&
        (active == BuiltInSetPageIndex || active == WordBasedSetPageIndex || active == UserDefinedSetPageIndex));
}

// Without a query constituent before it there is nothing to be the same as.
void TAddQueryCharacter::UpdateQueryBasedButtons() {
    const bool constituents = CurrentCommand.QueryElementCount > 0;
    if (!constituents) {
        auto* group = SameLetterButton->group();
        group->setExclusive(false);
        SameLetterButton->setChecked(false);
        SameConstituentButton->setChecked(false);
        group->setExclusive(true);
    }
    SameLetterButton->setEnabled(constituents);
    SameConstituentButton->setEnabled(constituents);
}

void TAddQueryCharacter::PresenceClick() {
    const bool any = IsAnyLetterPresence(Presence->ItemIndex());
    PresenceOK->setVisible(any);
    QCKinds->setEnabled(!any);
    UpdatePageControls();
}

ConstituentMarks TAddQueryCharacter::Marks() const {
    return {!LeadingBlank.empty(), RepetitionCount->Count(), Requirement->ItemIndex() == 1, Presence->ItemIndex(),
            SetMembers->ItemIndex() == 1};
}

// ---- OK ------------------------------------------------------------------------------

void TAddQueryCharacter::Append(const std::string& text) {
    AppendToCommandLine(text);
    CloseWithResult(mrOk);
}

void TAddQueryCharacter::PresenceOKClick() { Append(PresenceText(Marks())); }

void TAddQueryCharacter::LetterOKClick() {
    Append(KeptApartFromLine(CommandLine(), LetterText(Marks(), Letter->CheckedCaption())));
}

void TAddQueryCharacter::BlankOKClick() {
    Append(BlankText(Marks(), BlankKind->ItemIndex(), QuerySettings.ZeroScoringBlanks != 0));
}

void TAddQueryCharacter::BuiltInSetOKClick() { Append(BuiltInSetText(Marks(), BuiltInSet->BodyText())); }

void TAddQueryCharacter::WordBasedSetOKClick() { Append(WordBasedSetText(Marks(), WordBasedSet->BodyText())); }

void TAddQueryCharacter::SpecifiedSetOKClick() { Append(SpecifiedSetText(Marks(), SpecifiedSet->TilesText())); }

void TAddQueryCharacter::AllButSetOKClick() { Append(AllButSetText(Marks(), AllButSet->TilesText())); }

void TAddQueryCharacter::UserDefinedSetOKClick() {
    if (const auto number = SetNumberOfLine(ToCodePage(BaseSet->currentText())))
        Append(UserDefinedSetText(Marks(), *number));
}

void TAddQueryCharacter::QueryBasedSetOKClick() {
    const bool sameLetter = SameLetterButton->isChecked();
    const CommitComboBox& list = sameLetter ? *SameLetterValue : *SameConstituentValue;
    const int reach = sameLetter ? queryBasedLists_.LetterReach : queryBasedLists_.ConstituentReach;
    if (list.currentIndex() < 0) return;
    Append(QueryBasedSetText(Marks(), sameLetter, QueryBasedNumber(list.currentIndex(), reach)));
}

}  // namespace qora
