// The definition filter's editor, TEditQFDefn: "includes" or "doesn't include"
// and a text of up to 20 characters, where "|" marks an end without an assumed
// enclosing blank. Each showing starts from the filter of DisplayedSettings,
// its text in the form the user types it. OK always types the filter, the text
// as typed, through AppendDefinitionFilter (as the main window's check box
// does).
#pragma once

#include <QPointer>

#include "dialogs/DialogParts.h"
#include "platform/qt/Dialogs.h"

class QLabel;
class QLineEdit;

namespace qora {

class CommitComboBox;

class TEditQFDefn : public QoraDialog, public ConfirmButtons {
    Q_OBJECT

public:
    explicit TEditQFDefn(QWidget* parent = nullptr);

    QLabel* Label1;
    QLabel* EQFVdatum;
    CommitComboBox* Relop;
    QLabel* Label2;
    QLabel* Label3;
    QLineEdit* String;
    QLabel* Label5;
    QLabel* Label6;

protected:
    void FormActivate() override;

private:
    void OKClick();
};

extern QPointer<TEditQFDefn> EditQFDefn;

}  // namespace qora
