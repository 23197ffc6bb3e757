// The Word-Building Game's two modal dialogs: the end-of-game dialog
// TWordsmithDoneDlg, which asks how to end a game (and can export its grid
// meanwhile), and the help with the rules of the game, TWordsmithHelpDlg.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/qt/Dialogs.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace qora {

class RadioGroup;

// The choices of the end-of-game dialog, in their order.
enum class EndGameChoice : std::uint8_t {
    ContinuePlaying,
    EndWithoutNote,
    EndAndNote,
    ExportCreateGrid,
    ExportAppendGrid,
};

class TWordsmithDoneDlg : public QoraDialog {
    Q_OBJECT

public:
    explicit TWordsmithDoneDlg(QWidget* parent = nullptr);

    QLabel* Indicated;
    QLabel* Question;
    QLabel* Notices;
    RadioGroup* Choices;  // in the order of EndGameChoice
    QPushButton* OKButton;
    QPushButton* CancelButton;
    QPushButton* HelpButton;

    // Set before showing: the notices (EndGameNotices) and whether the game
    // can be noted in the history.
    void Prepare(const std::vector<std::string>& notices, bool notingAvailable);
    EndGameChoice Choice() const;
    void SetChoice(EndGameChoice choice);
    std::function<void()> ShowHelp;

protected:
    void FormActivate() override;
};

class TWordsmithHelpDlg : public QoraDialog {
    Q_OBJECT

public:
    explicit TWordsmithHelpDlg(QWidget* parent = nullptr);

    QPlainTextEdit* Text;
    QPushButton* OKButton;
};

}  // namespace qora
