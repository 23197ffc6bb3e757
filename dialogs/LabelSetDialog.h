// The Label a Set dialog: gives an existing user-defined set a label. OK
// types the set's redefinition as a copy of itself carrying the label
// ("/4U\"vowels\"=(4)"); the label takes effect when the line is performed.
#pragma once

#include <QPointer>
#include <cstdint>

#include "dialogs/DialogParts.h"
#include "platform/qt/Dialogs.h"

class QLabel;
class QLineEdit;

namespace qora {

// The set the dialog labels; the opener sets it from the main window's list
// of sets before each showing.
extern std::int32_t LabelSetNumber;

class TLabelSetDlg : public QoraDialog, public ConfirmButtons {
    Q_OBJECT

public:
    explicit TLabelSetDlg(QWidget* parent = nullptr);

    QLabel* LabelSetLabel;
    QLineEdit* SetLabel;

protected:
    void FormActivate() override;

private:
    void OKClick();
};

extern QPointer<TLabelSetDlg> LabelSetDlg;

}  // namespace qora
