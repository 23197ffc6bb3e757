#include "dialogs/LabelWordlistDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/DialogParts.h"
#include "dialogs/texts/WordlistTexts.h"
#include "engine/Listings.h"
#include "engine/Wordlists.h"
#include "platform/ProgramState.h"
#include "platform/qt/Text.h"
#include "processor/Console.h"

namespace qora {

std::int32_t LabelWordlistNumber = -1;
QPointer<TLabelWordlistDlg> LabelWordlistDlg;

namespace {

const ProgramStateReset registerResetLabelWordlist([] { LabelWordlistNumber = -1; });

}  // namespace

TLabelWordlistDlg::TLabelWordlistDlg(QWidget* parent) : QoraDialog(" Label a Wordlist", 402, 161, parent) {
    auto* layout = new QVBoxLayout(this);
    const LabelRow row = AddLabelRow(*this, *layout, "Label Wordlist #", MaxWordlistLabelLength);
    LabelWordlistLabel = row.Caption;
    WordlistLabel = row.Field;
    AddCommandButtons(*this, *layout);
    connect(OK, &QPushButton::clicked, this, &TLabelWordlistDlg::OKClick);
}

// The slate takes no label: OK stays disabled for it (and when no wordlist
// is chosen).
void TLabelWordlistDlg::FormActivate() {
    LabelWordlistLabel->setText(FromCodePage(FormatText("Label wordlist %d:", LabelWordlistNumber)));
    WordlistLabel->clear();
    OK->setEnabled(LabelComposable(LabelWordlistNumber, ""));
    WordlistLabel->setFocus();
}

void TLabelWordlistDlg::OKClick() {
    const std::string label = ToCodePage(WordlistLabel->text());
    if (!LabelComposable(LabelWordlistNumber, label)) return;
    AppendToCommandLine(LabelWordlistCommand(LabelWordlistNumber, label));
    CloseWithResult(mrOk);
}

}  // namespace qora
