// The tourney-adjudication information window, TInfoDlg: a short instruction
// text for judges who use the program at a tournament, and a button that opens
// the full document (the folder "doc" beside the program). The main window's
// Help menu shows it.
#pragma once

#include <QPointer>

#include "platform/qt/Dialogs.h"

class QPlainTextEdit;
class QPushButton;

namespace qora {

class TInfoDlg : public QoraDialog {
    Q_OBJECT

public:
    explicit TInfoDlg(QWidget* parent = nullptr);

    QPlainTextEdit* Memo1;
    QPushButton* LocalVersion;
    QPushButton* Cancel;

private:
    void LocalVersionClick();
};

extern QPointer<TInfoDlg> InfoDlg;

// The instructions of the window, one numbered point a paragraph.
extern const char* const TourneyInstructions;

}  // namespace qora
