#include "dialogs/ProbeSlateDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/DialogParts.h"
#include "engine/Lexicons.h"
#include "engine/Listings.h"
#include "platform/ProgramState.h"
#include "platform/qt/CommitComboBox.h"
#include "platform/qt/NumberField.h"
#include "platform/qt/RadioGroup.h"
#include "platform/qt/Text.h"
#include "processor/Console.h"
#include "processor/Settings.h"

namespace qora {

std::int32_t ProbeWordNumberTyped = 1;
std::int32_t ProbeLetterIndex = 0;
QPointer<TProbeSlateDlg> ProbeSlateDlg;

namespace {

constexpr int WordNumberColumns = 15;

const ProgramStateReset registerResetProbeState([] {
    ProbeWordNumberTyped = 1;
    ProbeLetterIndex = 0;
});

}  // namespace

TProbeSlateDlg::TProbeSlateDlg(QWidget* parent) : QoraDialog(" Probe the Slate", 640, 160, parent) {
    auto* layout = new QVBoxLayout(this);
    Label1 = new QLabel(QStringLiteral("What you want to see is the"), this);
    LetterBox = new RadioGroup("Which Letters", {"entire word", "letter number"}, this);
    ProbeLetter = new CommitComboBox(LetterBox);
    LetterBox->AddBeside(LetterNumberItem, ProbeLetter);
    Label2 = new QLabel(QStringLiteral("of "), this);
    WordBox = new RadioGroup("Which Words", {"all words within the first 50", "word number"}, this);
    WordNumber = new NumberField(WordNumberColumns, WordBox);
    WordNumber->setFixedWidth(FieldWidthForDigits(*WordNumber, WordNumberColumns));
    WordBox->AddBeside(WordNumberItem, WordNumber);
    layout->addWidget(Label1);
    auto* sentence = new QHBoxLayout;
    sentence->addWidget(LetterBox);
    sentence->addWidget(Label2);
    sentence->addWidget(WordBox, 1);
    layout->addLayout(sentence);
    layout->addStretch(1);
    AddCommandButtons(*this, *layout);
    FillLetterPositions();
    ProbeLetter->SetNextControl(WordNumber);
    WordNumber->SetConfirmingButton(OK);
    connect(LetterBox, &RadioGroup::clicked, this, &TProbeSlateDlg::BoxClick);
    connect(WordBox, &RadioGroup::clicked, this, &TProbeSlateDlg::BoxClick);
    connect(WordNumber, &NumberField::numberRead, this, &TProbeSlateDlg::WordNumberKeyUp);
    connect(ProbeLetter, &CommitComboBox::entered, this, [](int index) { ProbeLetterIndex = index; });
    connect(ProbeLetter, &CommitComboBox::committed, this, &TProbeSlateDlg::ProbeLetterCommitted);
    connect(OK, &QPushButton::clicked, this, &TProbeSlateDlg::OKClick);
}

ProbeChoice TProbeSlateDlg::Choice() const {
    return {LetterBox->ItemIndex(),
            WordBox->ItemIndex(),
            ProbeLetter->currentIndex(),
            {ProbeWordNumberTyped, WordNumber->Valid()}};
}

void TProbeSlateDlg::FillLetterPositions() {
    ProbeLetter->clear();
    for (std::int32_t position = 1; position <= MaxWordLength; ++position)
        ProbeLetter->addItem(FromCodePage(FormatText("%4d", position)));
    ProbeLetter->setCurrentIndex(ProbeLetter->count() > 0 ? 0 : -1);
    ProbeLetter->SetCommittedIndex(ProbeLetter->currentIndex());
}

void TProbeSlateDlg::FormActivate() {
    ProbeWordNumberTyped = DisplayedSettings.ProbeWordNumber;
    WordNumber->ShowNumber(ProbeWordNumberTyped);
    ProbeLetterIndex = ProbeLetterItem(DisplayedSettings.ProbeLetterPosition, ProbeLetter->count());
    ProbeLetter->setCurrentIndex(ProbeLetterIndex);
    ProbeLetter->SetCommittedIndex(ProbeLetterIndex);
    const ProbeChoice boxes = ProbeBoxesOfKind(DisplayedSettings.PresentationKind, Choice());
    LetterBox->SetItemIndex(boxes.LetterBox);
    WordBox->SetItemIndex(boxes.WordBox);
    const std::int32_t kind = DisplayedSettings.PresentationKind;
    if (kind == PresentationProbeWord)
        WordNumber->setFocus();
    else if (kind == PresentationProbeLetter || kind == PresentationProbeColumn)
        ProbeLetter->setFocus();
    BoxClick();
}

// The groups' rule, and only for a probe the parser takes.
void TProbeSlateDlg::BoxClick() {
    const ProbeChoice choice = Choice();
    OK->setEnabled(ProbeBoxesChosen(choice) && ProbeComposable(choice));
}

void TProbeSlateDlg::WordNumberKeyUp() {
    ProbeWordNumberTyped = static_cast<std::int32_t>(WordNumber->Value());
    OK->setEnabled(ProbeComposable(Choice()));
}

void TProbeSlateDlg::ProbeLetterCommitted(int index) { ProbeLetterIndex = index; }

void TProbeSlateDlg::OKClick() {
    AppendToCommandLine(ProbeCommand(Choice()));
    CloseWithResult(mrOk);
}

void FillProbeWordNumbers() {
    if (ProbeSlateDlg) ProbeSlateDlg->FillLetterPositions();
}

}  // namespace qora
