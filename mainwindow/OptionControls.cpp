#include "mainwindow/OptionControls.h"

#include "dialogs/texts/ControlTexts.h"
#include "dialogs/texts/OptionTexts.h"
#include "engine/RandomRacks.h"
#include "platform/qt/CommitComboBox.h"
#include "platform/qt/Focus.h"
#include "platform/qt/NumberField.h"
#include "platform/qt/Text.h"
#include "processor/Console.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace qora {

namespace {

constexpr int OrderingColumns = 12;
constexpr int RackCountColumns = 7;
constexpr int SquareColumns = 4;

// Shows the item whose text is the ordering, or the ordering itself when the
// list does not hold it.
void ShowOrdering(CommitComboBox& list, const std::string& ordering) {
    ShowChoice(list, list.findText(FromCodePage(ordering)), ordering);
}

std::string OrderingOf(const CommitComboBox& list, int item) { return ToCodePage(list.itemText(item)); }

}  // namespace

// ---- Random racks ------------------------------------------------------------------

RandomRacksPage::RandomRacksPage(ControlsHost& host, QWidget* parent) : QWidget(parent), host_(host) {
    RandomRackOrder = NewTypingList(OrderingColumns);
    NewRandomRackOrder = NewDialogButton(host, ControlDialog::NewRandomRackOrder, "New...");
    RandomRackEntry = new NumberField(RackCountColumns);
    RandomRackEntry->SetEmptyRule(EmptyField::IsInvalid);
    RandomRackEntry->SetMaximum(MaxRandomRacks);
    RandomRackEntry->setFixedWidth(FieldWidthForDigits(*RandomRackEntry, RackCountColumns));
    RandomRackEntryButton = new QPushButton("Draw");
    RandomRackEntry->SetConfirmingButton(RandomRackEntryButton);
    RandomRackEntry->ShowNumber(1);
    RandomRacksToWordlist = NewDialogButton(host, ControlDialog::RandomRacksToWordlist, "To a Wordlist...");

    PageRows rows(*this);
    rows.AddAcross(new QLabel("Order of the tiles of random racks:"));
    rows.AddAcross(RandomRackOrder);
    rows.AddAcross(SideBySide({NewRandomRackOrder}));
    rows.AddAcross(new QLabel("Draw racks and show them:"));
    rows.AddAcross(SideBySide({RandomRackEntry, RandomRackEntryButton}));
    rows.AddAcross(SideBySide({RandomRacksToWordlist}));
    rows.End();

    connect(RandomRackOrder, &CommitComboBox::committed, this, [this](int item) {
        if (item == 0)
            AppendToCommandLine("/.\"\" ");
        else
            AppendRackOrderCommand(OrderingOf(*RandomRackOrder, item));
        FocusWorkspace();
    });
    connect(RandomRackEntry, &NumberField::numberRead, this,
            [this] { RandomRackEntryButton->setEnabled(RandomRackEntry->Valid() && RandomRackEntry->Value() > 0); });
    connect(RandomRackEntryButton, &QPushButton::clicked, this, &RandomRacksPage::DrawRacks);
    connect(RandomRackEntry, &QLineEdit::returnPressed, this, [this] {
        if (RandomRackEntryButton->isEnabled()) DrawRacks();
    });
    FillOrderings();
}

void RandomRacksPage::FillOrderings() {
    RandomRackOrder->clear();
    RandomRackOrder->addItem(RandomOrderCaption);
    RandomRackOrder->addItem(FromCodePage(AlphabeticalOrdering(true)));
}

void RandomRacksPage::ShowSettings(const Settings& settings) {
    ShowOrdering(*RandomRackOrder, settings.RandomRackOrder.empty() ? RandomOrderCaption : settings.RandomRackOrder);
}

void RandomRacksPage::DrawRacks() {
    AppendToCommandLine(RandomRacksCommand(RandomRackEntry->Value()));
    host_.PerformCommandLine();
}

// ---- Canonical output ----------------------------------------------------------------

CanonicalOutputPage::CanonicalOutputPage(ControlsHost& host, QWidget* parent) : QWidget(parent) {
    CanonicalOutputOrder = NewTypingList(OrderingColumns);
    NewCanonicalOutputOrder = NewDialogButton(host, ControlDialog::NewCanonicalOutputOrder, "New...");

    PageRows rows(*this);
    rows.AddAcross(new QLabel("Order of the letters of output words:"));
    rows.AddAcross(CanonicalOutputOrder);
    rows.AddAcross(SideBySide({NewCanonicalOutputOrder}));
    rows.End();

    connect(CanonicalOutputOrder, &CommitComboBox::committed, this, [this](int item) {
        AppendCanonOrderCommand(OrderingOf(*CanonicalOutputOrder, item));
        FocusWorkspace();
    });
    FillOrderings();
}

void CanonicalOutputPage::FillOrderings() {
    CanonicalOutputOrder->clear();
    CanonicalOutputOrder->addItem(FromCodePage(AlphabeticalOrdering(false)));
}

void CanonicalOutputPage::ShowSettings(const Settings& settings) {
    ShowOrdering(*CanonicalOutputOrder,
                 settings.CanonicalOutputOrder.empty() ? AlphabeticalOrdering(false) : settings.CanonicalOutputOrder);
}

// ---- Board ---------------------------------------------------------------------------

BoardPage::BoardPage(ControlsHost& host, QWidget* parent) : QWidget(parent) {
    BoardPosition = new DialogBox(host, ControlDialog::BoardPosition, SquareColumns);
    BoardPositionLabel = new QLabel;
    BoardPositionLabel->setWordWrap(true);

    PageRows rows(*this);
    rows.Add("Square:", BoardPosition);
    rows.AddAcross(BoardPositionLabel);
    rows.End();
}

void BoardPage::ShowSettings(const Settings& settings) { BoardPosition->SetText(BoardSquareText(settings)); }

}  // namespace qora
