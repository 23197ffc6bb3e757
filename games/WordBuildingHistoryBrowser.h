// The Word-Building Game's history browser, TWordsmithSeekDlg: the noted games
// of a player (or of all), the best or latest twenty or all of them, and a
// chosen game's solution, comment and grid. Opened to seek a grid (the game
// window's Seek a Grid from History), it takes the chosen game's grid into the
// game.
//
// It is modeless beside the game window, whose Seek and History buttons
// wait, disabled, until it closes.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "games/rules/WordBuildingHistory.h"
#include "platform/qt/Dialogs.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace qora {

class RadioGroup;
class TWordsmithDlg;

// The choices of ShowSolutions, in their order.
enum class BrowserChoice : std::uint8_t {
    HighestTwenty,
    AllByScore,
    LatestTwenty,
    AllByStart,
};

class TWordsmithSeekDlg : public QoraDialog {
    Q_OBJECT

public:
    explicit TWordsmithSeekDlg(TWordsmithDlg& game);

    RadioGroup* ShowSolutions;  // in the order of BrowserChoice
    QGroupBox* PlayersBox;
    QComboBox* Players;  // "(all players)", then the players
    QGroupBox* SolutionsBox;
    QLabel* SolutionsHeader;
    QComboBox* Solutions;  // a prompt, then the games listed
    QGroupBox* SolutionBox;
    QPlainTextEdit* Solution;
    QGroupBox* CommentBox;
    QLineEdit* Comment;
    QGroupBox* GridBox;
    QPlainTextEdit* Grid;
    QPushButton* OK;
    QPushButton* OutputToWorkspace;
    QPushButton* Cancel;
    QPushButton* Help;
    std::function<void()> ShowHelp;

    // Shows the browser beside the game window.
    void Open();

    void PlayersChange();
    void ShowSolutionsClick();
    void SolutionsChange();
    void OKClick();
    void OutputToWorkspaceClick();

    // Closing in any way: the state settles, the game window's Seek and
    // History are enabled again and the window is activated afresh.
    void done(int result) override;

protected:
    void FormActivate() override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void RefreshPlayers(bool dropDown);
    void RefreshList(bool dropDown);
    void ShowChosenGame();
    const GameHistoryRecord* ChosenGame() const;
    bool ReadAgainForNewLanguage();

    TWordsmithDlg& window_;
    GameHistory history_;
    std::vector<const GameHistoryRecord*> listed_;
    bool gridChosen_ = false;
    bool historySpanish_ = false;  // the language of the games read
};

// At start-up: gives the game window its Seek a Grid from History and Show
// Noted Games History, the browser (whose Help shows `showHelp`).
void PlugInWordBuildingHistoryBrowser(TWordsmithDlg& game, std::function<void()> showHelp);

}  // namespace qora
