#include "dialogs/LabelSetDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/DialogParts.h"
#include "dialogs/texts/SetDefinitionTexts.h"
#include "engine/Listings.h"
#include "engine/UserSets.h"
#include "platform/ProgramState.h"
#include "platform/qt/Text.h"
#include "processor/Console.h"

namespace qora {

std::int32_t LabelSetNumber = 0;
QPointer<TLabelSetDlg> LabelSetDlg;

namespace {

const ProgramStateReset registerResetLabelSetNumber([] { LabelSetNumber = 0; });

}  // namespace

TLabelSetDlg::TLabelSetDlg(QWidget* parent) : QoraDialog(" Label a Set", 402, 161, parent) {
    auto* layout = new QVBoxLayout(this);
    const LabelRow row = AddLabelRow(*this, *layout, "", MaxSetLabelLength);
    LabelSetLabel = row.Caption;
    SetLabel = row.Field;
    AddCommandButtons(*this, *layout);
    connect(OK, &QPushButton::clicked, this, &TLabelSetDlg::OKClick);
}

// Every showing starts with an empty label.
void TLabelSetDlg::FormActivate() {
    LabelSetLabel->setText(FromCodePage(FormatText("Label set %d:", LabelSetNumber)));
    SetLabel->clear();
    SetLabel->setFocus();
}

void TLabelSetDlg::OKClick() {
    AppendToCommandLine(LabelSetCommand(LabelSetNumber, ToCodePage(SetLabel->text())));
    CloseWithResult(mrOk);
}

}  // namespace qora
