// The Label a Wordlist dialog: the label of one numbered wordlist, typed
// afresh at every showing (the present label is not shown); OK types
// "/3L\"Nouns\"". The main window sets LabelWordlistNumber before it opens
// the dialog.
#pragma once

#include <QPointer>
#include <cstdint>

#include "dialogs/DialogParts.h"
#include "platform/qt/Dialogs.h"

class QLabel;
class QLineEdit;

namespace qora {

// The wordlist to label: the one chosen in the main window's Wordlists list.
extern std::int32_t LabelWordlistNumber;

class TLabelWordlistDlg : public QoraDialog, public ConfirmButtons {
    Q_OBJECT

public:
    explicit TLabelWordlistDlg(QWidget* parent = nullptr);

    QLabel* LabelWordlistLabel;
    QLineEdit* WordlistLabel;

protected:
    void FormActivate() override;

private:
    void OKClick();
};

extern QPointer<TLabelWordlistDlg> LabelWordlistDlg;

}  // namespace qora
