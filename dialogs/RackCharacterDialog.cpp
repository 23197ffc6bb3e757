#include "dialogs/RackCharacterDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/DialogParts.h"
#include "dialogs/texts/QueryConstituentTexts.h"
#include "platform/qt/Focus.h"
#include "platform/qt/PageControl.h"
#include "platform/qt/RadioGroup.h"
#include "processor/CommandLine.h"
#include "processor/Console.h"
#include "widgets/TileControls.h"

namespace qora {

QPointer<TAddRackCharacter> AddRackCharacter;

namespace {

constexpr int LetterPitch = 53;

}  // namespace

TAddRackCharacter::TAddRackCharacter(QWidget* parent) : QoraDialog(" Add a Rack Letter or Blank", 738, 328, parent) {
    auto* layout = new QVBoxLayout(this);
    Requirement = new RadioGroup("Required to be included in the result", {"no", "yes"}, this);
    Requirement->SetItemIndex(0);
    QCCancel = new QPushButton(QStringLiteral("Cancel"), this);
    QCCancel->setAutoDefault(false);
    SetModalResult(*QCCancel, mrCancel);
    Help = NewHelpButton(*this);
    Help->setAutoDefault(false);
    auto* frame = new QHBoxLayout;
    frame->addWidget(Requirement);
    frame->addStretch(1);
    frame->addWidget(QCCancel, 0, Qt::AlignBottom);
    frame->addWidget(Help, 0, Qt::AlignBottom);
    layout->addLayout(frame);

    Letter = new LetterPage(*this, LetterPitch);

    Blank = new CommandPage(*this);
    BlankKind = new RadioGroup("Kind of Blanks", {"Letter-scoring", "Zero-scoring"}, Blank);
    BlankKind->SetItemIndex(LetterScoringBlank);
    Label1 = NewWrappedLabel("Blank scoring is for the entire query and not per individual blank.", *Blank);
    auto* kindRow = new QHBoxLayout;
    kindRow->addWidget(BlankKind);
    kindRow->addStretch(1);
    Blank->Body()->addLayout(kindRow);
    Blank->Body()->addWidget(Label1);
    Blank->Body()->addStretch(1);

    RCKinds = new PageControl(this);
    RCKinds->AddPage(Letter, "Letter");
    RCKinds->AddPage(Blank, "Blank");
    RCKinds->SetActivePage(RackLetterPageIndex);
    layout->addWidget(RCKinds, 1);

    connect(RCKinds, &PageControl::changed, this, &TAddRackCharacter::RCKindsChange);
    connect(Letter->OK, &QPushButton::clicked, this, &TAddRackCharacter::LetterOKClick);
    connect(Blank->OK, &QPushButton::clicked, this, &TAddRackCharacter::BlankOKClick);
}

void TAddRackCharacter::ApplyLexiconLanguage() {
    Letter->SetLanguage(ActiveLanguage());
    Letter->Letters->SetTileChecked(1, true);
}

// The page, the tile and the requirement stay as they were; the tiles and
// their hint follow the language, the blank's kind the line's scoring.
void TAddRackCharacter::FormActivate() {
    Letter->SetLanguage(ActiveLanguage());
    inRackPart_ = RackMode != 0;
    BlankKind->SetItemIndex(BlankKindAtActivation(BlankKind->ItemIndex(), QuerySettings.ZeroScoringBlanks != 0));
    RCKindsChange();
}

// The active page's OK is the default button; the focus goes to its home.
void TAddRackCharacter::RCKindsChange() {
    auto* page = static_cast<CommandPage*>(RCKinds->ActivePage());
    page->OK->setDefault(true);
    page->FocusHome();
}

void TAddRackCharacter::LetterOKClick() {
    const bool required = Requirement->ItemIndex() == 1;
    AppendToCommandLine(
        KeptApartFromLine(CommandLine(), RackLetterText(inRackPart_, Letter->CheckedCaption(), required)));
    CloseWithResult(mrOk);
}

void TAddRackCharacter::BlankOKClick() {
    const bool required = Requirement->ItemIndex() == 1;
    AppendToCommandLine(
        RackBlankText(inRackPart_, required, BlankKind->ItemIndex(), QuerySettings.ZeroScoringBlanks != 0));
    CloseWithResult(mrOk);
}

}  // namespace qora
