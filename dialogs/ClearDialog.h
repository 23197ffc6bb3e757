// The Clear dialog, TClearDlg: check boxes for the parts of the program's
// state to clear (processor/Clear.h); the Clear button clears the parts
// checked and is enabled while at least one is. The boxes keep their state
// between showings; at first only the workspace is checked.
#pragma once

#include <QPointer>

#include "dialogs/DialogParts.h"
#include "platform/qt/Dialogs.h"
#include "processor/Clear.h"

class QCheckBox;

namespace qora {

class TClearDlg : public QoraDialog, public ConfirmButtons {
    Q_OBJECT

public:
    explicit TClearDlg(QWidget* parent = nullptr);

    QCheckBox* WorkspaceBox;
    QCheckBox* SlateBox;
    QCheckBox* WordlistsBox;
    QCheckBox* UserSetsBox;
    QCheckBox* HistoryBox;
    QCheckBox* SettingsBox;

    ClearChoice Choice() const;

protected:
    void FormActivate() override;

private:
    void CheckClick();
    void OKClick();
};

extern QPointer<TClearDlg> ClearDlg;

// Opens the Clear dialog modally, centred on `parent`'s window (the menu
// item MenuClearAll).
void ShowClearDialog(QWidget* parent);

}  // namespace qora
