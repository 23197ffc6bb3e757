// The layout dialog, TEditLayoutDlg: how a presentation lays its words out,
// one per line, in packed rows, in columnated rows or in columns with their
// spacing; OK types the layout command ("/O1", "/OR,2S", "/ORC12W"). The texts
// and the reading of the settings are in dialogs/texts/PresentationTexts.
#pragma once

#include <QPointer>

#include "dialogs/DialogParts.h"
#include "dialogs/texts/PresentationTexts.h"
#include "platform/qt/Dialogs.h"

class QCheckBox;

namespace qora {

class RadioGroup;
class SpinField;
class UpDown;

class TEditLayoutDlg : public QoraDialog, public ConfirmButtons {
    Q_OBJECT

public:
    explicit TEditLayoutDlg(QWidget* parent = nullptr);

    RadioGroup* Orientation;
    SpinField* Svalue;  // its arrows are SvalueUpDown
    UpDown* SvalueUpDown;
    QCheckBox* UseComma;
    RadioGroup* Spacing;
    SpinField* Mvalue;
    UpDown* MvalueUpDown;
    SpinField* Fvalue;
    UpDown* FvalueUpDown;
    SpinField* Xvalue;
    UpDown* XvalueUpDown;

    // What the controls show, and showing a choice on them.
    LayoutChoice Choice() const;
    void ShowChoice(const LayoutChoice& choice);
    // The spins back to the form's values (restoring the initial settings).
    void ResetSpins();

protected:
    void FormActivate() override;

private:
    void OrientationClick();
    void OKClick();
};

extern QPointer<TEditLayoutDlg> EditLayoutDlg;

// Restoring the initial settings: the spins of the layout, width and rows
// dialogs go back to the form's values (the characters to the workspace's
// width when it is known).
void ResetLayoutDialogs();

}  // namespace qora
