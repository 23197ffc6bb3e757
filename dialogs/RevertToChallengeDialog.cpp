#include "dialogs/RevertToChallengeDialog.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/DialogParts.h"
#include "platform/qt/NumberField.h"
#include "processor/IniFile.h"

namespace qora {

QPointer<TRevertDlg> RevertDlg;

namespace {

constexpr int SecondsColumns = 6;

}  // namespace

TRevertDlg::TRevertDlg(QWidget* parent) : QoraDialog(" Revert to Challenge", 400, 130, parent) {
    auto* layout = new QVBoxLayout(this);
    RevertOn = new QCheckBox(QStringLiteral("&Return to the challenge window after"), this);
    Seconds = new NumberField(SecondsColumns, this);
    Seconds->SetEmptyRule(EmptyField::IsInvalid);
    Seconds->SetMaximum(MaxRevertSeconds);
    Seconds->setFixedWidth(FieldWidthForDigits(*Seconds, SecondsColumns));
    auto* row = new QHBoxLayout;
    row->addWidget(RevertOn);
    row->addWidget(Seconds);
    row->addWidget(new QLabel(QStringLiteral("seconds"), this));
    row->addStretch(1);
    layout->addLayout(row);
    auto* note =
        new QLabel(QStringLiteral("The time is counted while QORA is idle; any key or command starts it again."), this);
    note->setWordWrap(true);
    layout->addWidget(note);
    layout->addStretch(1);
    AddConfirmButtons(*this, *layout);
    Seconds->SetConfirmingButton(OK);
    connect(Seconds, &NumberField::numberRead, this, &TRevertDlg::SecondsRead);
    connect(OK, &QPushButton::clicked, this, &TRevertDlg::OKClick);
}

void TRevertDlg::FormActivate() {
    RevertOn->setChecked(RevertTimerOn);
    Seconds->ShowNumber(RevertSeconds);
    SecondsRead();
    Seconds->setFocus();
}

// Any whole number of seconds from 1 up to the field's maximum.
void TRevertDlg::SecondsRead() { OK->setEnabled(Seconds->Valid() && Seconds->Value() >= 1); }

void TRevertDlg::OKClick() {
    RevertTimerOn = RevertOn->isChecked();
    RevertSeconds = static_cast<std::int32_t>(Seconds->Value());
    CloseWithResult(mrOk);
}

bool ShowRevertDialog(QWidget* parent) { return OpenCentred(RevertDlg, parent) == mrOk; }

}  // namespace qora
