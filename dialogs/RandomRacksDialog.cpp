#include "dialogs/RandomRacksDialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <string>
#include <vector>

#include "dialogs/DialogParts.h"
#include "dialogs/texts/WordlistTexts.h"
#include "engine/WordlistListings.h"
#include "engine/Wordlists.h"
#include "platform/ProgramState.h"
#include "platform/qt/CommitComboBox.h"
#include "platform/qt/FreeNumberField.h"
#include "platform/qt/NumberField.h"
#include "platform/qt/SpinField.h"
#include "platform/qt/Text.h"
#include "processor/Console.h"

namespace qora {

std::int32_t RandomRackCount = 100;
std::int32_t RandomRackTarget = -1;
std::int32_t RandomRackListIndex = -1;
QPointer<TRandomRacksDlg> RandomRacksDlg;

namespace {

constexpr int CountColumns = 7;
constexpr std::int64_t CountLimit = 9999999;  // seven digits
constexpr int NumberColumns = 2;
constexpr int ListColumns = 40;

const ProgramStateReset registerResetRandomRacks([] {
    RandomRackCount = 100;
    RandomRackTarget = -1;
    RandomRackListIndex = -1;
});

}  // namespace

TRandomRacksDlg::TRandomRacksDlg(QWidget* parent) : QoraDialog("Append Random Racks to a Wordlist", 560, 230, parent) {
    auto* layout = new QVBoxLayout(this);
    CountBox = new QGroupBox(QStringLiteral("Number of Random Racks"), this);
    SpecifiedCount = new NumberField(CountColumns, CountBox);
    SpecifiedCount->setMaxLength(CountColumns);
    SpecifiedCount->SetMaximum(CountLimit);
    SpecifiedCount->setFixedWidth(FieldWidthForDigits(*SpecifiedCount, CountColumns));
    SpecifiedCount->setToolTip(QStringLiteral("You can edit this number."));
    auto* countRow = new QHBoxLayout(CountBox);
    countRow->addWidget(SpecifiedCount);
    countRow->addStretch(1);
    layout->addWidget(CountBox);

    DestinationBox = new QGroupBox(QStringLiteral("Destination"), this);
    ToExistingWordlist = new QRadioButton(QStringLiteral("Existing Wordlist:"), DestinationBox);
    Wordlist = new CommitComboBox(DestinationBox);
    LimitListWidth(*Wordlist, ListColumns);
    Wordlist->setToolTip(QStringLiteral("You can choose here for other than a flashcard."));
    ToNewWordlist = new QRadioButton(QStringLiteral("New Wordlist:"), DestinationBox);
    ToNewWordlist->setChecked(true);
    NewWordlistNumber = new FreeNumberField(NumberColumns, 1, MaxWordlistNumber, WordlistExists, DestinationBox);
    NewWordlistNumber->setToolTip(QStringLiteral("Use the up/down buttons."));
    auto* destination = new QGridLayout(DestinationBox);
    destination->addWidget(ToExistingWordlist, 0, 0);
    destination->addWidget(Wordlist, 0, 1);
    destination->addWidget(ToNewWordlist, 1, 0);
    destination->addWidget(NewWordlistNumber, 1, 1, Qt::AlignLeft);
    destination->setColumnStretch(1, 1);
    layout->addWidget(DestinationBox);
    layout->addStretch(1);
    AddCommandButtons(*this, *layout);

    SpecifiedCount->SetConfirmingButton(OK);
    connect(SpecifiedCount, &NumberField::entered, this, [this] { SpecifiedCount->ShowNumber(RandomRackCount); });
    connect(SpecifiedCount, &NumberField::numberRead, this, &TRandomRacksDlg::SpecifiedCountKeyUp);
    connect(ToExistingWordlist, &QRadioButton::toggled, this, &TRandomRacksDlg::DestinationClick);
    connect(Wordlist, &CommitComboBox::entered, this, [](int line) { RandomRackListIndex = line; });
    connect(Wordlist, &CommitComboBox::committed, this, &TRandomRacksDlg::WordlistCommitted);
    connect(NewWordlistNumber, &FreeNumberField::changed, this, &TRandomRacksDlg::UpdateOK);
    connect(OK, &QPushButton::clicked, this, &TRandomRacksDlg::OKClick);
}

std::int32_t TRandomRacksDlg::Target() const {
    if (ToExistingWordlist->isChecked()) return RandomRackTarget;
    return NewWordlistNumber->Valid() ? NewWordlistNumber->Number() : -1;
}

// The list shows the wordlist chosen last (when it still exists); the new
// number is the first free one. With no number free, only an existing
// wordlist can be chosen.
void TRandomRacksDlg::FormActivate() {
    std::vector<std::string> lines;
    RandomRackListIndex = ListWordlists(lines, false, RandomRackTarget);
    if (RandomRackListIndex < 0) RandomRackTarget = -1;
    Wordlist->SetItems(lines, RandomRackListIndex);
    NewWordlistNumber->Reset(FirstFreeWordlistNumber());
    ToNewWordlist->setEnabled(NewWordlistNumber->Valid());
    if (!NewWordlistNumber->Valid()) ToExistingWordlist->setChecked(true);
    DestinationClick();
    SpecifiedCount->setFocus();
    SpecifiedCount->ShowNumber(RandomRackCount);  // as entering it does, also when it had the focus
    UpdateOK();
}

// All digits: the count (an emptied field is 0). Other text keeps the count
// and OK stays disabled until the field holds digits again.
void TRandomRacksDlg::SpecifiedCountKeyUp() {
    if (SpecifiedCount->Valid()) RandomRackCount = static_cast<std::int32_t>(SpecifiedCount->Value());
    UpdateOK();
}

void TRandomRacksDlg::DestinationClick() {
    const bool existing = ToExistingWordlist->isChecked();
    Wordlist->setEnabled(existing);
    NewWordlistNumber->Arrows()->setEnabled(!existing);
    UpdateOK();
}

void TRandomRacksDlg::WordlistCommitted(int line) {
    RandomRackListIndex = line;
    RandomRackTarget = WordlistOfListLine(ToCodePage(Wordlist->itemText(line))).value_or(-1);
    UpdateOK();
}

// Only a command the parser takes: a count of 1 to 1000000 and a wordlist.
void TRandomRacksDlg::UpdateOK() {
    OK->setEnabled(SpecifiedCount->Valid() && RandomRacksComposable(RandomRackCount, Target()));
}

// A new wordlist's number becomes the destination kept, so that the next
// showing selects the wordlist the racks made.
void TRandomRacksDlg::OKClick() {
    if (ToExistingWordlist->isChecked()) Wordlist->CommitShown();
    const std::int32_t target = Target();
    if (!SpecifiedCount->Valid() || !RandomRacksComposable(RandomRackCount, target)) return;
    RandomRackTarget = target;
    AppendToCommandLine(RandomRacksCommand(RandomRackCount, target));
    CloseWithResult(mrOk);
}

}  // namespace qora
