// The revert-to-challenge dialog, TRevertDlg: whether the main window returns
// to the challenge window by itself after the program has been idle, and after
// how many seconds.
#pragma once

#include <QPointer>

#include "dialogs/DialogParts.h"
#include "platform/qt/Dialogs.h"

class QCheckBox;

namespace qora {

class NumberField;

class TRevertDlg : public QoraDialog, public ConfirmButtons {
    Q_OBJECT

public:
    explicit TRevertDlg(QWidget* parent = nullptr);

    QCheckBox* RevertOn;
    NumberField* Seconds;

protected:
    void FormActivate() override;

private:
    void SecondsRead();
    void OKClick();
};

extern QPointer<TRevertDlg> RevertDlg;

// Opens the dialog modally, centred on `parent`'s window; true when OK
// changed the option (RevertTimerOn, RevertSeconds).
bool ShowRevertDialog(QWidget* parent);

}  // namespace qora
