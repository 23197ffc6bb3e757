// The Show Definitions dialog, TShowDefnsDlg: composes the definition search
// "/SD" from one text, or two texts joined by "and", "and not" or "or" (the
// texts and rules are in dialogs/texts/DefinitionSearchText). The texts and
// the connective stay from one showing to the next.
#pragma once

#include <QPointer>

#include "dialogs/DialogParts.h"
#include "platform/qt/Dialogs.h"

class QLabel;
class QLineEdit;

namespace qora {

class CommitComboBox;

class TShowDefnsDlg : public QoraDialog, public ConfirmButtons {
    Q_OBJECT

public:
    explicit TShowDefnsDlg(QWidget* parent = nullptr);

    QLabel* Label1;
    QLineEdit* String1;
    CommitComboBox* Relop;
    QLineEdit* String2;  // shown while a connective is chosen
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label6;

protected:
    void FormActivate() override;

private:
    void RelopChange(int item);
    void FocusText();
    void OKClick();
};

extern QPointer<TShowDefnsDlg> ShowDefnsDlg;

}  // namespace qora
