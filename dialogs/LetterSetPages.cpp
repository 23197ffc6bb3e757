#include "dialogs/LetterSetPages.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <vector>

#include "engine/Listings.h"
#include "platform/qt/CommitComboBox.h"
#include "platform/qt/NumberField.h"
#include "platform/qt/Text.h"
#include "widgets/TileControls.h"

namespace qora {

namespace {

constexpr int TilePitch = 48;
constexpr int ValueDigits = 5;
constexpr int TileCountMaximum = 99;

std::vector<BuiltInSetPage*>& BuiltInPages() {
    static std::vector<BuiltInSetPage*> pages;  // no-reset: the pages that exist, each removes itself
    return pages;
}

QRadioButton* NewRadioButton(const char* caption, QButtonGroup& group, QWidget& parent) {
    auto* button = new QRadioButton(FromCodePage(caption), &parent);
    group.addButton(button);
    return button;
}

FieldNumber NumberOf(const NumberField& field) { return {field.Value(), field.Valid()}; }

// The relation a list shows, ">=" while it shows none.
int RelationShown(const CommitComboBox& list) { return RelationOrAtLeast(list.currentIndex()); }

}  // namespace

void ShowBagCaption(const std::string& caption) {
    for (BuiltInSetPage* page : BuiltInPages()) page->BagOfLetters->setText(FromCodePage(caption));
}

// ---- Built-in, score- and count-based sets ---------------------------------------------

BuiltInSetPage::BuiltInSetPage(QoraDialog& dialog) : CommandPage(dialog) {
    auto* group = new QButtonGroup(this);
    Vowels = NewRadioButton("Vowels - A,E,I,O,U", *group, *this);
    VowelsPlusY = NewRadioButton("Vowels plus Y", *group, *this);
    Consonants = NewRadioButton("Consonants, including Y", *group, *this);
    ConsonantsLessY = NewRadioButton("Consonants, without Y", *group, *this);
    AllLetters = NewRadioButton("", *group, *this);
    BagOfLetters = NewRadioButton("", *group, *this);
    BlankMatches = NewRadioButton("", *group, *this);
    ScoreBasedSet = NewRadioButton("", *group, *this);
    CountBasedSet = NewRadioButton("", *group, *this);
    Vowels->setChecked(true);

    auto* grid = new QGridLayout;
    grid->addWidget(Vowels, 0, 0);
    grid->addWidget(VowelsPlusY, 1, 0);
    grid->addWidget(Consonants, 2, 0);
    grid->addWidget(ConsonantsLessY, 3, 0);
    grid->addWidget(BlankMatches, 0, 1, 1, 4);
    grid->addWidget(AllLetters, 1, 1, 1, 4);
    grid->addWidget(BagOfLetters, 2, 1, 1, 4);
    AddRelationRow(*grid, 3, ScoreBasedSet, ScoreBasedRelop, ScoreBasedValue1, ScoreBasedValue2, true);
    AddRelationRow(*grid, 4, CountBasedSet, CountBasedRelop, CountBasedValue1, CountBasedValue2, false);
    grid->setColumnStretch(5, 1);
    Body()->addLayout(grid);
    Body()->addStretch(1);

    connect(group, &QButtonGroup::buttonClicked, this, [this] { UpdateOK(); });
    BuiltInPages().push_back(this);
    ApplyLanguage(ActiveLanguage());
}

BuiltInSetPage::~BuiltInSetPage() { std::erase(BuiltInPages(), this); }

void BuiltInSetPage::AddRelationRow(QGridLayout& grid, int row, QRadioButton* choice, CommitComboBox*& relop,
                                    NumberField*& value1, NumberField*& value2, bool score) {
    relop = new CommitComboBox(this);
    for (const std::string& item : score ? ScoreRelationItems() : CountRelationItems())
        relop->addItem(FromCodePage(item));
    relop->setCurrentIndex(-1);
    for (NumberField** field : {&value1, &value2}) {
        *field = new NumberField(ValueDigits, this);
        (*field)->setFixedWidth(FieldWidthForDigits(**field, ValueDigits));
        (*field)->SetEmptyRule(EmptyField::IsInvalid);
        (*field)->SetMaximum(SetValueMaximum);
        (*field)->SetConfirmingButton(OK);
        connect(*field, &NumberField::numberRead, this, [this] { UpdateOK(); });
    }
    QSizePolicy keepPlace = value2->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    value2->setSizePolicy(keepPlace);
    value2->hide();
    relop->SetNextControl(value1);
    NumberField* second = value2;
    connect(relop, &CommitComboBox::committed, this, [this, second](int item) { RelationCommitted(*second, item); });
    // Up, Down and Space change the item shown: the rule reads it.
    connect(relop, &QComboBox::currentIndexChanged, this, [this] { UpdateOK(); });
    grid.addWidget(choice, row, 1);
    grid.addWidget(relop, row, 2);
    grid.addWidget(value1, row, 3);
    grid.addWidget(value2, row, 4);
}

// SetScoreRelop, SetCountRelop: the second value only for "x - y" and
// "x < y"; the list then gives the first value the focus.
void BuiltInSetPage::RelationCommitted(NumberField& value2, int item) {
    value2.setVisible(item == 0 || item == 1);
    UpdateOK();
}

void BuiltInSetPage::ApplyLanguage(Language language) {
    const SetPageCaptions captions = SetPageCaptionsOf(language);
    BlankMatches->setText(FromCodePage(captions.BlankMatches));
    ScoreBasedSet->setText(FromCodePage(captions.ScoreBasedSet));
    CountBasedSet->setText(FromCodePage(captions.CountBasedSet));
    BagOfLetters->setText(FromCodePage(captions.BagOfLetters));
}

int BuiltInSetPage::Choice() const {
    const QRadioButton* const buttons[] = {Vowels,       VowelsPlusY,  Consonants,    ConsonantsLessY, AllLetters,
                                           BagOfLetters, BlankMatches, ScoreBasedSet, CountBasedSet};
    for (int choice = 0; choice < BuiltInSetChoiceCount; ++choice)
        if (buttons[choice]->isChecked()) return choice;
    return -1;
}

int BuiltInSetPage::ScoreRelation() const { return RelationShown(*ScoreBasedRelop); }

int BuiltInSetPage::CountRelation() const { return RelationShown(*CountBasedRelop); }

std::string BuiltInSetPage::BodyText() const {
    switch (Choice()) {
        case ScoreBasedChoice:
            return ScoreOrCountBody(true, ScoreRelation(), ScoreBasedValue1->Value(), ScoreBasedValue2->Value());
        case CountBasedChoice:
            return ScoreOrCountBody(false, CountRelation(), CountBasedValue1->Value(), CountBasedValue2->Value());
        default: return BuiltInSetBody(std::max(Choice(), 0));
    }
}

bool BuiltInSetPage::Composable() const {
    switch (Choice()) {
        case ScoreBasedChoice:
            return RelationSetComposable(ScoreRelation(), NumberOf(*ScoreBasedValue1), NumberOf(*ScoreBasedValue2),
                                         MaxTileScore);
        case CountBasedChoice:
            return RelationSetComposable(CountRelation(), NumberOf(*CountBasedValue1), NumberOf(*CountBasedValue2),
                                         MaxTileCount);
        default: return true;
    }
}

// ---- Word-based sets ---------------------------------------------------------------

WordBasedSetPage::WordBasedSetPage(QoraDialog& dialog) : CommandPage(dialog) {
    auto* group = new QButtonGroup(this);
    WordBasedPatternButton = NewRadioButton("Word-based set, based on this pattern:", *group, *this);
    WordBasedAnagramButton = NewRadioButton("", *group, *this);
    WordBasedPatternString = new QLineEdit(this);
    WordBasedAnagramString = new QLineEdit(this);
    WordBasedPatternLabel = NewWrappedLabel("", *this);
    WordBasedAnagramLabel = NewWrappedLabel("", *this);

    auto* grid = new QGridLayout;
    grid->addWidget(WordBasedPatternButton, 0, 0);
    grid->addWidget(WordBasedPatternString, 0, 1);
    grid->addWidget(WordBasedPatternLabel, 1, 0, 1, 3);
    grid->setRowMinimumHeight(2, WordBasedPatternString->sizeHint().height() / 2);
    grid->addWidget(WordBasedAnagramButton, 3, 0);
    grid->addWidget(WordBasedAnagramString, 3, 1);
    grid->addWidget(WordBasedAnagramLabel, 4, 0, 1, 3);
    grid->setColumnStretch(2, 1);
    Body()->addLayout(grid);
    Body()->addStretch(1);

    connect(group, &QButtonGroup::buttonClicked, this, [this] { UpdateOK(); });
    for (QLineEdit* field : {WordBasedPatternString, WordBasedAnagramString})
        connect(field, &QLineEdit::textChanged, this, [this] { UpdateOK(); });
    ApplyLanguage(ActiveLanguage());
}

void WordBasedSetPage::ApplyLanguage(Language language) {
    const SetPageCaptions captions = SetPageCaptionsOf(language);
    WordBasedPatternLabel->setText(FromCodePage(captions.WordBasedPatternLabel));
    WordBasedAnagramButton->setText(FromCodePage(captions.WordBasedAnagramButton));
    WordBasedAnagramLabel->setText(FromCodePage(captions.WordBasedAnagramLabel));
}

std::string WordBasedSetPage::BodyText() const {
    const bool pattern = WordBasedPatternButton->isChecked();
    return WordBasedBody(ToCodePage((pattern ? WordBasedPatternString : WordBasedAnagramString)->text()), pattern);
}

bool WordBasedSetPage::Composable() const {
    if (WordBasedPatternButton->isChecked())
        return WordBasedComposable(ToCodePage(WordBasedPatternString->text()), true);
    if (WordBasedAnagramButton->isChecked())
        return WordBasedComposable(ToCodePage(WordBasedAnagramString->text()), false);
    return false;
}

// ---- Sets chosen in a list -------------------------------------------------------------

SetChoicePage::SetChoicePage(QoraDialog& dialog, QComboBox* list, const char* caption)
    : CommandPage(dialog), List(list) {
    List->setParent(this);
    auto* row = new QHBoxLayout;
    if (*caption != '\0') row->addWidget(new QLabel(QString::fromLatin1(caption), this));
    row->addWidget(List);
    row->addStretch(1);
    Body()->addLayout(row);
    Body()->addStretch(1);
    connect(List, &QComboBox::currentIndexChanged, this, [this] { UpdateOK(); });
}

bool SetChoicePage::Composable() const { return List->currentIndex() >= 0; }

// ---- Pages of tiles -------------------------------------------------------------------

TilePage::TilePage(QoraDialog& dialog, TileControlRows* tiles, const char* firstButton, const char* secondButton)
    : CommandPage(dialog),
      TileRows(tiles),
      Memo(new TileTypingMemo(this)),
      FirstButton(new QPushButton(QString::fromLatin1(firstButton), this)),
      SecondButton(new QPushButton(QString::fromLatin1(secondButton), this)) {
    TileRows->setParent(this);
    Memo->setFixedHeight(Memo->fontMetrics().lineSpacing() * 3 + 2 * Memo->frameWidth() + 8);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(FirstButton);
    buttons->addWidget(SecondButton);
    buttons->addStretch(1);
    Body()->addWidget(TileRows);
    Body()->addLayout(buttons);
    Body()->addWidget(Memo);
    Body()->addStretch(1);
    connect(Memo, &TileTypingMemo::confirmed, this, [this] { ClickIfEnabled(*OK); });
}

void TilePage::SetLanguage(Language language) { TileRows->SetLanguage(language); }

void TilePage::SetHomeLines(const std::vector<std::string>& lines) { Memo->SetLines(lines); }

QWidget* TilePage::Home() const { return Memo; }

LetterCounts TilePage::TileCounts() const {
    LetterCounts counts{};
    for (int tile = 1; tile <= TileRows->TileCount(); ++tile) {
        if (const SpinField* counter = TileRows->CounterOfTile(tile))
            counts[tile - 1] = static_cast<std::int16_t>(counter->Position());
        else
            counts[tile - 1] = TileRows->TileChecked(tile) ? 1 : 0;
    }
    return counts;
}

void TilePage::TilesChanged() {
    UpdateOK();
    FocusHome();
}

// ---- Specified sets -----------------------------------------------------------------

SpecifiedSetPage::SpecifiedSetPage(QoraDialog& dialog)
    : TilePage(dialog, new TileControlRows(TileControlKind::Counter, TilePitch), "Zero All Values",
               "Set All Values to 1"),
      ZeroAllValues(FirstButton),
      OneAllValues(SecondButton) {
    for (int slot = 0; slot < TileControlCount; ++slot) {
        SpinField& counter = *TileRows->Counter(slot);
        counter.SetRange(0, TileCountMaximum);
        counter.SetPositionText([](int count) { return count == 0 ? std::string() : FormatText("%2d", count); });
    }

    connect(TileRows, &TileControlRows::counterClicked, this, [this] { TilesChanged(); });
    connect(Memo, &TileTypingMemo::tileTyped, this, [this](int tile, KeyStroke stroke) {
        ShiftHeld = stroke.Shift();
        // Lower case raises the count, upper case lowers it.
        if (SpinField* counter = TileRows->CounterOfTile(tile))
            counter->Arrows()->Click(ShiftHeld ? UpDownButton::Down : UpDownButton::Up);
    });
    connect(ZeroAllValues, &QPushButton::clicked, this, [this] { SetAllCounts(0); });
    connect(OneAllValues, &QPushButton::clicked, this, [this] { SetAllCounts(1); });
}

// Every counter, the Spanish extras too.
void SpecifiedSetPage::SetAllCounts(int count) {
    for (int slot = 0; slot < TileControlCount; ++slot) TileRows->Counter(slot)->SetPosition(count);
    TilesChanged();
}

bool SpecifiedSetPage::Composable() const { return AnyTileCounted(Counts()); }

// ---- All-but sets ------------------------------------------------------------------

AllButSetPage::AllButSetPage(QoraDialog& dialog)
    : TilePage(dialog, new TileControlRows(TileControlKind::CheckBox, TilePitch), "Clear All", "Set All"),
      ClearAll(FirstButton),
      SetAll(SecondButton) {
    for (int slot = 0; slot < TileControlCount; ++slot) TileRows->Button(slot)->setFocusPolicy(Qt::NoFocus);

    connect(TileRows, &TileControlRows::tileClicked, this, [this] { TilesChanged(); });
    connect(Memo, &TileTypingMemo::tileTyped, this, [this](int tile) {
        TileRows->SetTileChecked(tile, !TileRows->TileChecked(tile));
        TilesChanged();
    });
    // Every box, the Spanish extras too.
    connect(ClearAll, &QPushButton::clicked, this, [this] {
        TileRows->SetAllChecked(false);
        TilesChanged();
    });
    connect(SetAll, &QPushButton::clicked, this, [this] {
        TileRows->SetAllChecked(true);
        TilesChanged();
    });
    SetHomeLines(AllButSetHomeLines(ActiveLanguage()));
}

bool AllButSetPage::Composable() const { return !EveryTileCounted(LeftOut()); }

}  // namespace qora
