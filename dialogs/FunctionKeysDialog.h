// The function-key dialog, TFuncKeysDlg: the macro of each of F1 to F12 (F10
// opens the menu and has none), whether it replaces the command line or is
// added to its end, and whether the line is then performed at once. OK stores
// the table in FunctionKeys; it is enabled while every macro can be kept in
// the initialization file.
#pragma once

#include <QPointer>
#include <vector>

#include "dialogs/DialogParts.h"
#include "platform/qt/Dialogs.h"

class QCheckBox;
class QLineEdit;

namespace qora {

class TFuncKeysDlg : public QoraDialog, public ConfirmButtons {
    Q_OBJECT

public:
    explicit TFuncKeysDlg(QWidget* parent = nullptr);

    struct KeyRow {
        int Key;  // n of Fn
        QLineEdit* Macro;
        QCheckBox* Replace;  // unchecked: appended to the line
        QCheckBox* Run;
    };
    std::vector<KeyRow> Rows;  // F1 to F12 without F10
    const KeyRow& Row(int key) const;

protected:
    void FormActivate() override;

private:
    void MacroChange();
    void OKClick();
};

extern QPointer<TFuncKeysDlg> FuncKeysDlg;

// Opens the function-key dialog modally, centred on `parent`'s window.
void ShowFunctionKeyDialog(QWidget* parent);

}  // namespace qora
