#include "dialogs/BagAndScoresDialog.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/DialogParts.h"
#include "dialogs/texts/SetDefinitionTexts.h"
#include "platform/ProgramState.h"
#include "platform/qt/Focus.h"
#include "processor/CommandLine.h"
#include "processor/Console.h"
#include "widgets/TileControls.h"

namespace qora {

bool SetBDialogIsBag = true;
QPointer<TDefineNewSetB> DefineNewSetB;

namespace {

const ProgramStateReset registerResetSetBDialogIsBag([] { SetBDialogIsBag = true; });

TileValueSet SetShown() { return SetBDialogIsBag ? TileValueSet::Bag : TileValueSet::Scores; }

}  // namespace

TDefineNewSetB::TDefineNewSetB(QWidget* parent) : QoraDialog(" Update Definition of Set (B)", 737, 194, parent) {
    auto* layout = new QVBoxLayout(this);
    Tiles = new TileControlRows(TileControlKind::Counter, 50, this);
    layout->addWidget(Tiles);
    // The memo at the lower left; the value buttons above OK, Cancel and
    // Help at the lower right.
    auto* foot = new QHBoxLayout;
    SpecifiedSetHome = new TileTypingMemo(this);
    foot->addWidget(SpecifiedSetHome, 1);
    auto* buttons = new QVBoxLayout;
    DefaultValues = new QPushButton(QStringLiteral("Set to Default Values"), this);
    OneAllValues = new QPushButton(QStringLiteral("Set All Values to 1"), this);
    auto* valueButtons = new QHBoxLayout;
    valueButtons->addStretch(1);
    valueButtons->addWidget(DefaultValues);
    valueButtons->addWidget(OneAllValues);
    buttons->addLayout(valueButtons);
    AddCommandButtons(*this, *buttons);
    foot->addLayout(buttons);
    layout->addLayout(foot, 1);
    for (QPushButton* button : {DefaultValues, OneAllValues}) button->setAutoDefault(false);

    connect(Tiles, &TileControlRows::counterClicked, this, [this] { MoveFocus(*SpecifiedSetHome); });
    connect(SpecifiedSetHome, &TileTypingMemo::tileTyped, this,
            [this](int tile, KeyStroke stroke) { SpecifiedSetHomeKeyDown(tile, stroke.Shift()); });
    connect(SpecifiedSetHome, &TileTypingMemo::confirmed, this, &TDefineNewSetB::OKClick);
    connect(DefaultValues, &QPushButton::clicked, this, &TDefineNewSetB::DefaultValuesClick);
    connect(OneAllValues, &QPushButton::clicked, this, &TDefineNewSetB::OneAllValuesClick);
    connect(OK, &QPushButton::clicked, this, &TDefineNewSetB::OKClick);
}

LetterCounts TDefineNewSetB::Values() const {
    LetterCounts values{};
    for (int tile = 1; tile <= Tiles->TileCount(); ++tile)
        values[static_cast<std::size_t>(tile - 1)] = static_cast<std::int16_t>(Tiles->CounterOfTile(tile)->Position());
    return values;
}

// Every showing starts afresh from the line's definition or the tables in
// force, within the range of the set shown, with the tiles and the typing
// hint of the primary lexicon's language.
void TDefineNewSetB::FormActivate() {
    const TileValueSet set = SetShown();
    SetCaption(set == TileValueSet::Bag ? " Update Definition of Set (B)" : " Update Definition of Set ($)");
    for (int slot = 0; slot < TileControlCount; ++slot)
        Tiles->Counter(slot)->SetRange(TileValueMinimum(set), TileValueMaximum);
    Tiles->SetLanguage(ActiveLanguage());
    SpecifiedSetHome->SetLines(TileValuesTypingHint(ActiveLanguage()));
    ShowValues(StartingTileValues(set, CurrentCommand));
    SpecifiedSetHome->setFocus();
}

void TDefineNewSetB::mouseReleaseEvent(QMouseEvent* event) {
    QoraDialog::mouseReleaseEvent(event);
    MoveFocus(*SpecifiedSetHome);
}

void TDefineNewSetB::ShowValues(const LetterCounts& values) {
    for (int tile = 1; tile <= Tiles->TileCount(); ++tile)
        Tiles->CounterOfTile(tile)->SetPosition(values[static_cast<std::size_t>(tile - 1)]);
}

// A lower-case letter raises its tile's value, an upper-case one lowers it,
// within the range; the arrow's click shows the value.
void TDefineNewSetB::SpecifiedSetHomeKeyDown(int tile, bool lowering) {
    Tiles->CounterOfTile(tile)->Arrows()->Click(lowering ? UpDownButton::Down : UpDownButton::Up);
}

void TDefineNewSetB::DefaultValuesClick() {
    ShowValues(DefaultTileValues(SetShown()));
    MoveFocus(*SpecifiedSetHome);
}

// All 28, the tiles the language hides included.
void TDefineNewSetB::OneAllValuesClick() {
    for (int slot = 0; slot < TileControlCount; ++slot) Tiles->Counter(slot)->SetPosition(1);
    MoveFocus(*SpecifiedSetHome);
}

void TDefineNewSetB::OKClick() {
    AppendToCommandLine(TileValuesCommand(SetShown(), Values()));
    CloseWithResult(mrOk);
}

}  // namespace qora
