#include "dialogs/LabelDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/texts/SetDefinitionTexts.h"
#include "dialogs/texts/WordlistTexts.h"
#include "engine/Listings.h"
#include "engine/UserSets.h"
#include "engine/Wordlists.h"
#include "platform/ProgramState.h"
#include "platform/qt/QuotedTextField.h"
#include "platform/qt/Text.h"
#include "processor/Console.h"

namespace qora {

std::int32_t LabelSetNumber = 0;
std::int32_t LabelWordlistNumber = -1;
QPointer<TLabelSetDlg> LabelSetDlg;
QPointer<TLabelWordlistDlg> LabelWordlistDlg;

namespace {

const ProgramStateReset registerResetLabelNumbers([] {
    LabelSetNumber = 0;
    LabelWordlistNumber = -1;
});

const LabelledKind Sets{" Label a Set",  "",
                        "Label set %d:", MaxSetLabelLength,
                        &LabelSetNumber, [](std::int32_t, std::string_view) { return true; },
                        LabelSetCommand};

const LabelledKind Wordlists{" Label a Wordlist",  "Label Wordlist #", "Label wordlist %d:", MaxWordlistLabelLength,
                             &LabelWordlistNumber, LabelComposable,    LabelWordlistCommand};

}  // namespace

TLabelDlg::TLabelDlg(const LabelledKind& kind, QWidget* parent)
    : QoraDialog(kind.FormCaption, 402, 161, parent), kind_(kind) {
    // The caption beside the field, centred in the space above the buttons.
    Caption = new QLabel(FromCodePage(kind.FirstCaption), this);
    Field = new QLineEdit(this);
    LimitToQuotableText(*Field, kind.MaxLabelLength);
    Caption->setBuddy(Field);
    auto* line = new QHBoxLayout;
    line->addWidget(Caption);
    line->addWidget(Field, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addStretch(1);
    layout->addLayout(line);
    layout->addStretch(1);
    AddCommandButtons(*this, *layout);
    connect(OK, &QPushButton::clicked, this, &TLabelDlg::OKClick);
}

// Every showing starts with an empty label.
void TLabelDlg::FormActivate() {
    Caption->setText(FromCodePage(FormatText(kind_.NumberCaption, *kind_.Number)));
    Field->clear();
    OK->setEnabled(kind_.Composable(*kind_.Number, ""));
    Field->setFocus();
}

void TLabelDlg::OKClick() {
    const std::string label = ToCodePage(Field->text());
    if (!kind_.Composable(*kind_.Number, label)) return;
    AppendToCommandLine(kind_.Command(*kind_.Number, label));
    CloseWithResult(mrOk);
}

TLabelSetDlg::TLabelSetDlg(QWidget* parent) : TLabelDlg(Sets, parent) {}

TLabelWordlistDlg::TLabelWordlistDlg(QWidget* parent) : TLabelDlg(Wordlists, parent) {}

}  // namespace qora
