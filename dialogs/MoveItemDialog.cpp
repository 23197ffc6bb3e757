#include "dialogs/MoveItemDialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>
#include <limits>
#include <string>
#include <vector>

#include "dialogs/DialogParts.h"
#include "engine/Flashcards.h"
#include "engine/Listings.h"
#include "engine/WordlistListings.h"
#include "engine/Wordlists.h"
#include "platform/FieldNumber.h"
#include "platform/ProgramState.h"
#include "platform/Scaling.h"
#include "platform/qt/CommitComboBox.h"
#include "platform/qt/FreeNumberField.h"
#include "platform/qt/NumberField.h"
#include "platform/qt/RadioGroup.h"
#include "platform/qt/SpinField.h"
#include "platform/qt/Text.h"
#include "processor/Console.h"

namespace qora {

MoveItemRequest PendingMoveItem;
MoveItemState MoveItemValues;
QPointer<TMoveItemDlg> MoveItemDlg;

namespace {

constexpr int NumberColumns = 7;     // "%7d"
constexpr int NewNumberColumns = 2;  // "%2d"
constexpr int ListColumns = 30;
constexpr int NarrowMargin = 4;
constexpr int FormMargin = 6;

const ProgramStateReset registerResetMoveItem([] {
    PendingMoveItem = {};
    MoveItemValues = {};
});

QLineEdit* NewOutputField(QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::ClickFocus);
    field->setToolTip(QStringLiteral("This is an output-only field."));
    return field;
}

NumberField* NewItemNumberField(QWidget* parent) {
    auto* field = new NumberField(NumberColumns, parent);
    field->setFixedWidth(FieldWidthForDigits(*field, NumberColumns + 3));
    return field;
}

// "%7d", or empty for nothing.
QString NumberText(std::optional<std::int32_t> number) {
    return number ? FromCodePage(FormatFieldNumber(*number, NumberColumns)) : QString();
}

QString ItemText(std::int32_t wordlist, std::int32_t item) {
    return FromCodePage(WordlistItemText(wordlist, item).value_or(""));
}

std::optional<std::int32_t> ItemCountOf(std::int32_t wordlist) {
    const Wordlist* found = wordlist < 0 ? nullptr : FindWordlist(wordlist);
    if (found == nullptr) return std::nullopt;
    return found->Count();
}

// The wordlist lines are long: the boxes holding them keep narrow sides, so
// that a line with a label of 20 characters shows whole.
void NarrowSides(QLayout& layout, int margin = NarrowMargin) {
    const QMargins margins = layout.contentsMargins();
    layout.setContentsMargins(Scaled(margin), margins.top(), Scaled(margin), margins.bottom());
}

// A label and its field side by side.
QLayout* Labelled(QLabel* label, QWidget* field, QWidget* beside = nullptr) {
    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(field, 1);
    if (beside != nullptr) row->addWidget(beside);
    label->setBuddy(field);
    return row;
}

}  // namespace

TMoveItemDlg::TMoveItemDlg(QWidget* parent)
    : QoraDialog(" Delete, Copy, or Move Items from a Wordlist", 631, 381, parent) {
    const QString chooseHint = QStringLiteral("You can choose here for other than a flashcard.");

    ItemBox = new QGroupBox(QStringLiteral("Starting Item"), this);
    Flashcard = new QRadioButton(QStringLiteral("Flashcard"), ItemBox);
    FromWordlist = new QRadioButton(QStringLiteral("From Wordlist:"), ItemBox);
    Wordlist1 = new CommitComboBox(ItemBox);
    Wordlist1->setToolTip(chooseHint);
    LimitListWidth(*Wordlist1, ListColumns);
    ItemLabel1 = new QLabel(QStringLiteral("Specified Item #:"), ItemBox);
    ItemNumber1 = NewItemNumberField(ItemBox);
    ItemNumber1->setToolTip(QStringLiteral("For other than a flashcard, you can type here or use up/down."));
    ItemNumberUpDown = new UpDown(ItemBox);
    ItemNumberUpDown->SetRange(0, std::numeric_limits<int>::max());
    ItemNumberUpDown->setFixedHeight(ItemNumber1->sizeHint().height());
    Label1 = new QLabel(QStringLiteral("The Item:"), ItemBox);
    StartingItem = NewOutputField(ItemBox);
    StartingItem->setFocusPolicy(Qt::NoFocus);
    Label3 = new QLabel(QStringLiteral("Actual Item #:"), ItemBox);
    ActualItem1 = NewOutputField(ItemBox);
    auto* itemLayout = new QVBoxLayout(ItemBox);
    NarrowSides(*itemLayout);
    itemLayout->addLayout(SideBySide({Flashcard, FromWordlist}));
    itemLayout->addWidget(Wordlist1);
    itemLayout->addLayout(SideBySide({ItemLabel1, ItemNumber1, ItemNumberUpDown}));
    ItemLabel1->setBuddy(ItemNumber1);
    itemLayout->addLayout(Labelled(Label1, StartingItem));
    itemLayout->addLayout(Labelled(Label3, ActualItem1));

    CountBox = new QGroupBox(QStringLiteral("Item Count"), this);
    Label4 = new QLabel(QStringLiteral("Specified:"), CountBox);
    SpecifiedCount = NewItemNumberField(CountBox);
    SpecifiedCount->setToolTip(QStringLiteral("For other than a flashcard, you can type here."));
    Label5 = new QLabel(QStringLiteral("Actual:"), CountBox);
    ActualCount = NewOutputField(CountBox);
    auto* countLayout = new QHBoxLayout(CountBox);
    countLayout->addLayout(Labelled(Label4, SpecifiedCount));
    countLayout->addLayout(Labelled(Label5, ActualCount));

    EndingItemBox = new QGroupBox(QStringLiteral("Ending Item"), this);
    EndingItem = NewOutputField(EndingItemBox);
    EndingItem->setFocusPolicy(Qt::NoFocus);
    (new QHBoxLayout(EndingItemBox))->addWidget(EndingItem);

    Disposition = new RadioGroup("Disposition", {"Delete", "Copy", "Move"}, this);

    DestinationBox = new QGroupBox(QStringLiteral("Destination"), this);
    ToExistingWordlist = new QRadioButton(QStringLiteral("Existing Wordlist:"), DestinationBox);
    ToExistingWordlist->setChecked(true);
    Wordlist2 = new CommitComboBox(DestinationBox);
    Wordlist2->setToolTip(chooseHint);
    LimitListWidth(*Wordlist2, ListColumns);
    ToFlashcardWordlist = new QRadioButton(QStringLiteral("Flashcard Wordlist"), DestinationBox);
    ToNewWordlist = new QRadioButton(QStringLiteral("New Wordlist:"), DestinationBox);
    NewWordlistNumber = new FreeNumberField(NewNumberColumns, 1, MaxWordlistNumber, WordlistExists, DestinationBox);
    NewWordlistNumber->setToolTip(QStringLiteral("Use the up/down buttons."));
    NewWordlistNumberUpDown = NewWordlistNumber->Arrows();
    ItemLabel2 = new QLabel(QStringLiteral("Specified Starting Item #:"), DestinationBox);
    ItemNumber2 = NewItemNumberField(DestinationBox);
    Label2 = new QLabel(QStringLiteral("An item # of 0 means the end of the wordlist."), DestinationBox);
    Label6 = new QLabel(QStringLiteral("Actual Item #:"), DestinationBox);
    ActualItem2 = NewOutputField(DestinationBox);
    auto* destinationLayout = new QVBoxLayout(DestinationBox);
    NarrowSides(*destinationLayout);
    destinationLayout->addLayout(SideBySide({ToExistingWordlist, ToFlashcardWordlist}));
    destinationLayout->addWidget(Wordlist2);
    destinationLayout->addLayout(SideBySide({ToNewWordlist, NewWordlistNumber}));
    destinationLayout->addLayout(SideBySide({ItemLabel2, ItemNumber2}));
    destinationLayout->addWidget(Label2);
    destinationLayout->addLayout(Labelled(Label6, ActualItem2));
    ItemLabel2->setBuddy(ItemNumber2);

    auto* layout = new QVBoxLayout(this);
    NarrowSides(*layout, FormMargin);
    auto* columns = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addWidget(ItemBox);
    left->addWidget(CountBox);
    left->addWidget(EndingItemBox);
    left->addStretch(1);
    auto* right = new QVBoxLayout;
    right->addWidget(Disposition);
    right->addWidget(DestinationBox);
    right->addStretch(1);
    columns->addLayout(left, 1);
    columns->addLayout(right, 1);
    layout->addLayout(columns, 1);
    AddCommandButtons(*this, *layout);

    for (NumberField* field : {ItemNumber1, SpecifiedCount, ItemNumber2}) field->SetConfirmingButton(OK);
    OnChecked(*Flashcard, this, &TMoveItemDlg::FlashcardClick);
    OnChecked(*FromWordlist, this, &TMoveItemDlg::FromWordlistClick);
    connect(Wordlist1, &CommitComboBox::committed, this, &TMoveItemDlg::ApplyMoveSourceChoice);
    connect(Wordlist2, &CommitComboBox::committed, this, &TMoveItemDlg::ApplyMoveDestinationChoice);
    connect(ItemNumber1, &NumberField::entered, this,
            [this] { ItemNumber1->ShowNumber(MoveItemValues.SpecifiedItem), UpdateMoveItemOKButton(); });
    connect(SpecifiedCount, &NumberField::entered, this,
            [this] { SpecifiedCount->ShowNumber(MoveItemValues.SpecifiedCount), UpdateMoveItemOKButton(); });
    connect(ItemNumber2, &NumberField::entered, this,
            [this] { ItemNumber2->ShowNumber(MoveItemValues.DestinationItem), UpdateMoveItemOKButton(); });
    connect(ItemNumber1, &NumberField::numberRead, this, &TMoveItemDlg::ItemNumber1KeyUp);
    connect(SpecifiedCount, &NumberField::numberRead, this, &TMoveItemDlg::SpecifiedCountKeyUp);
    connect(ItemNumber2, &NumberField::numberRead, this, &TMoveItemDlg::ItemNumber2KeyUp);
    connect(ItemNumberUpDown, &UpDown::clicked, this,
            [this](UpDownButton button) { ItemNumberUpDownClick(button == UpDownButton::Up); });
    connect(Disposition, &RadioGroup::clicked, this, &TMoveItemDlg::DispositionClick);
    OnChecked(*ToFlashcardWordlist, this, &TMoveItemDlg::ToFlashcardWordlistClick);
    OnChecked(*ToExistingWordlist, this, &TMoveItemDlg::ToExistingWordlistClick);
    OnChecked(*ToNewWordlist, this, &TMoveItemDlg::ToNewWordlistClick);
    connect(NewWordlistNumber, &FreeNumberField::changed, this, &TMoveItemDlg::UpdateMoveItemOKButton);
    connect(OK, &QPushButton::clicked, this, &TMoveItemDlg::OKClick);
}

MoveItemChoice TMoveItemDlg::Choice() const {
    MoveItemChoice choice;
    choice.FromFlashcard = Flashcard->isChecked();
    choice.Source = MoveItemValues.SourceWordlist;
    choice.Item = MoveItemValues.SpecifiedItem;
    choice.Count = MoveItemValues.SpecifiedCount;
    choice.Disposition = Disposition->ItemIndex();
    choice.DestinationWordlist = MoveItemValues.DestinationWordlist;
    if (ToFlashcardWordlist->isChecked()) {
        choice.Destination = MoveDestination::FlashcardWordlist;
    } else if (ToNewWordlist->isChecked()) {
        choice.Destination = MoveDestination::NewWordlist;
        choice.DestinationWordlist = NewWordlistNumber->Number();
    }
    choice.DestinationItem = MoveItemValues.DestinationItem;
    choice.FieldsValid = ItemNumber1->Valid() && SpecifiedCount->Valid() && ItemNumber2->Valid();
    choice.NewNumberValid = NewWordlistNumber->Valid();
    return choice;
}

// Each showing takes the opener's request, lists the wordlists anew and
// starts the destination item and the new wordlist's number afresh.
void TMoveItemDlg::FormActivate() {
    MoveItemRequest request = PendingMoveItem;
    MoveItemState& values = MoveItemValues;
    if (request.WordlistNumber >= 0) values.SourceWordlist = request.WordlistNumber;
    if (request.ItemNumber >= 0) values.SpecifiedItem = request.ItemNumber;

    const bool flashcarding = FlashcardWordlistNumber != 0;
    Flashcard->setEnabled(flashcarding);
    ToFlashcardWordlist->setEnabled(flashcarding);
    if (!flashcarding) request.FromFlashcard = 0;

    if (request.FromFlashcard != 0) {
        Flashcard->setChecked(true);
        values.SourceWordlist = FlashcardWordlistNumber;
        values.SpecifiedItem = CurrentFlashcardItem();
        values.SpecifiedCount = 1;
    } else {
        FromWordlist->setChecked(true);
    }
    values.SourceLine = ShowWordlistLine(*Wordlist1, values.SourceWordlist);
    if (values.SourceLine < 0 && request.FromFlashcard == 0) values.SourceWordlist = -1;

    if (ToFlashcardWordlist->isChecked() && !flashcarding) ToExistingWordlist->setChecked(true);
    // "Flashcard Wordlist" kept from an earlier showing means the flashcard
    // wordlist of now (none once flashcarding has stopped).
    if (ToFlashcardWordlist->isChecked()) values.DestinationWordlist = FlashcardWordlistNumber;
    values.DestinationLine = ShowWordlistLine(*Wordlist2, values.DestinationWordlist);
    if (values.DestinationLine < 0) values.DestinationWordlist = -1;

    Disposition->SetItemIndex(std::min<int>(request.Operation, DispositionMove));
    DestinationBox->setVisible(Disposition->ItemIndex() != DispositionDelete);
    // A number above 99 (none free) leaves the new wordlist's number invalid.
    NewWordlistNumber->Reset(FirstFreeWordlistNumber());
    values.DestinationItem = 0;
    RefreshMoveSource(true, true);
    RefreshMoveDestination(true);
    UpdateMoveItemOKButton();
}

int TMoveItemDlg::ShowWordlistLine(CommitComboBox& list, std::int32_t wordlist) {
    std::vector<std::string> lines;
    const int line = ListWordlists(lines, false, wordlist);
    list.SetItems(lines, line);
    return line;
}

// The source is the current flashcard, of the wordlist shown as flashcards.
void TMoveItemDlg::FlashcardClick() {
    MoveItemValues.SourceWordlist = FlashcardWordlistNumber;
    MoveItemValues.SourceLine = ShowWordlistLine(*Wordlist1, FlashcardWordlistNumber);
    MoveItemValues.SpecifiedItem = CurrentFlashcardItem();
    RefreshMoveSource(true, true);
    UpdateMoveItemOKButton();
}

// The source stays until a line of Wordlist1 is chosen.
void TMoveItemDlg::FromWordlistClick() {
    RefreshMoveSource(false, false);
    UpdateMoveItemOKButton();
}

void TMoveItemDlg::ApplyMoveSourceChoice(int line) {
    MoveItemValues.SourceLine = line;
    MoveItemValues.SourceWordlist = WordlistOfListLine(ToCodePage(Wordlist1->itemText(line))).value_or(-1);
    RefreshMoveSource(false, false);
    UpdateMoveItemOKButton();
}

void TMoveItemDlg::ApplyMoveDestinationChoice(int line) {
    MoveItemValues.DestinationLine = line;
    MoveItemValues.DestinationWordlist = WordlistOfListLine(ToCodePage(Wordlist2->itemText(line))).value_or(-1);
    RefreshMoveDestination(false);
    UpdateMoveItemOKButton();
}

// A field that does not hold digits keeps its value (and OK is disabled).
void TMoveItemDlg::ItemNumber1KeyUp() {
    if (ItemNumber1->Valid()) MoveItemValues.SpecifiedItem = static_cast<std::int32_t>(ItemNumber1->Value());
    RefreshMoveSource(false, false);
    UpdateMoveItemOKButton();
}

void TMoveItemDlg::SpecifiedCountKeyUp() {
    if (SpecifiedCount->Valid()) MoveItemValues.SpecifiedCount = static_cast<std::int32_t>(SpecifiedCount->Value());
    RefreshMoveSource(false, false);
    UpdateMoveItemOKButton();
}

void TMoveItemDlg::ItemNumber2KeyUp() {
    if (ItemNumber2->Valid()) MoveItemValues.DestinationItem = static_cast<std::int32_t>(ItemNumber2->Value());
    RefreshMoveDestination(false);
    UpdateMoveItemOKButton();
}

void TMoveItemDlg::ItemNumberUpDownClick(bool up) {
    std::int32_t& item = MoveItemValues.SpecifiedItem;
    if (up && item < std::numeric_limits<std::int32_t>::max()) ++item;
    if (!up && item > 0) --item;
    RefreshMoveSource(true, false);
    UpdateMoveItemOKButton();
}

void TMoveItemDlg::DispositionClick() {
    DestinationBox->setVisible(Disposition->ItemIndex() != DispositionDelete);
    UpdateMoveItemOKButton();
}

void TMoveItemDlg::ToFlashcardWordlistClick() {
    MoveItemValues.DestinationWordlist = FlashcardWordlistNumber;
    MoveItemValues.DestinationLine = ShowWordlistLine(*Wordlist2, FlashcardWordlistNumber);
    Wordlist2->setEnabled(false);
    NewWordlistNumberUpDown->setEnabled(false);
    RefreshMoveDestination(false);
    UpdateMoveItemOKButton();
}

void TMoveItemDlg::ToExistingWordlistClick() {
    Wordlist2->setEnabled(true);
    NewWordlistNumberUpDown->setEnabled(false);
    RefreshMoveDestination(false);
    UpdateMoveItemOKButton();
}

void TMoveItemDlg::ToNewWordlistClick() {
    Wordlist2->setEnabled(false);
    NewWordlistNumberUpDown->setEnabled(true);
    RefreshMoveDestination(false);
    UpdateMoveItemOKButton();
}

// The actual starting item, count and the first and last items taken, as
// the source stands; the items are read without moving its cursor.
void TMoveItemDlg::RefreshMoveSource(bool rewriteItem, bool rewriteCount) {
    MoveItemState& values = MoveItemValues;
    if (rewriteItem) ItemNumber1->ShowNumber(values.SpecifiedItem);
    if (rewriteCount) SpecifiedCount->ShowNumber(values.SpecifiedCount);
    const bool fromFlashcard = Flashcard->isChecked();
    Wordlist1->setEnabled(!fromFlashcard);
    ItemNumberUpDown->setEnabled(!fromFlashcard);
    ItemNumber1->setReadOnly(fromFlashcard);
    SpecifiedCount->setReadOnly(fromFlashcard);

    const MoveItemPreview preview =
        PreviewMoveSource(ItemCountOf(values.SourceWordlist), values.SpecifiedItem, values.SpecifiedCount);
    values.ActualCount = preview.ActualCount;
    const bool items = preview.ActualCount > 0;
    ActualItem1->setText(preview.ItemCount > 0 ? NumberText(preview.ActualItem) : QString());
    ActualCount->setText(items ? NumberText(preview.ActualCount) : QString());
    StartingItem->setText(items ? ItemText(values.SourceWordlist, preview.ActualItem) : QString());
    EndingItem->setText(preview.ActualCount >= 2 ? ItemText(values.SourceWordlist, preview.LastItem) : QString());
    EndingItemBox->setEnabled(preview.ActualCount > 1);
}

// The actual destination item: after the last item for 0 or a number past
// the end, 1 in a new wordlist.
void TMoveItemDlg::RefreshMoveDestination(bool rewriteItem) {
    if (rewriteItem) ItemNumber2->ShowNumber(MoveItemValues.DestinationItem);
    ActualItem2->setText(NumberText(PreviewMoveDestination(
        ItemCountOf(MoveItemValues.DestinationWordlist), MoveItemValues.DestinationItem, ToNewWordlist->isChecked())));
}

void TMoveItemDlg::UpdateMoveItemOKButton() {
    OK->setEnabled(MoveItemComposable(Choice(), MoveItemValues.ActualCount));
}

void TMoveItemDlg::OKClick() {
    // A line keyed in a list counts even while the list still has the focus.
    if (Wordlist1->isEnabled()) Wordlist1->CommitShown();
    if (Wordlist2->isEnabled() && DestinationBox->isVisible()) Wordlist2->CommitShown();
    const MoveItemChoice choice = Choice();
    if (!MoveItemComposable(choice, MoveItemValues.ActualCount)) return;
    AppendToCommandLine(MoveItemCommand(choice));
    CloseWithResult(mrOk);
}

}  // namespace qora
