// The challenge adjudication window, TChallengeDlg: a judge's window that
// rules on a challenged play in large coloured letters. The rules live in
// games/rules/ChallengeRules.h; this window lays out the controls, forwards
// its key events and timer ticks to the rules and shows their state.
#pragma once

#include <string>

#include "engine/WordTests.h"
#include "games/rules/ChallengeRules.h"
#include "platform/qt/Dialogs.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTimer;

namespace qora {

// What the challenge window needs of the main window.
class ChallengeHost {
public:
    virtual ~ChallengeHost() = default;
    // The main-window parts that stay hidden while the window is open.
    virtual void HideMainParts() = 0;
    virtual void ShowMainParts() = 0;
    virtual void ParkMouseOnChallengeButton() = 0;
    // Starts the revert-to-challenge countdown again when that option is on.
    virtual void RestartRevertCountdown() = 0;
    // The command line's text after the prompt.
    virtual std::string PromptLineWords() = 0;
};

class TChallengeDlg : public QoraDialog, private ChallengeWindowActions {
    Q_OBJECT

public:
    // Rules on words with the lexicons themselves, unless tests give another
    // word test.
    explicit TChallengeDlg(ChallengeHost& host, ChallengeWordTest wordTest = IsWordInLexicon,
                           QWidget* parent = nullptr);

    const ChallengeRules& Rules() const { return rules_; }

    // Closing is refused while the window is locked; otherwise the main
    // window's parts come back (unless Ctrl+Z closed it).
    void done(int result) override;

    // Places the controls for the window's size; the instructions stand in
    // the middle on a screen of at least 950 x 600 (scaled), else they take
    // the whole width. Opening lays the window out for its own screen.
    void LayOut(QSize screenSize);

    QLabel* LexiconLabel;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QPlainTextEdit* Words;
    QPlainTextEdit* Ruling;
    QLabel* CountDown;
    QLabel* StoppingInfo;
    QPushButton* Cancel;
    QLabel* Icon;
    QTimer* Timer;

protected:
    void FormActivate() override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void TimerTimer();
    void ShowState();
    void LayOutLabels(int top, bool centred);
    QSize ScreenSize() const;

    // ChallengeWindowActions
    void ParkMouseOnClose() override;
    void CloseWindow() override;
    void SwitchTimer(bool on) override;
    std::string PromptLineWords() override;

    ChallengeHost& host_;
    ChallengeRules rules_;
};

// The one challenge window, created by the main window at start-up.
extern TChallengeDlg* ChallengeDlg;

}  // namespace qora
