// The Word-Building Game's history dialog, TWordsmithHistoryDlg: a finished
// game (the player's own, or the solver's as the game of "QORA") with its
// solution and grid as text, a comment, the player's name and the noted games
// of the history; it notes the game in the history file, exports it to a game
// file or writes it into the workspace.
//
// It is modeless; while it is open the game window waits, disabled, and
// when it closes the game window goes back to idle (the game's grid becomes
// the Same Grid).
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "games/rules/WordBuildingHistory.h"
#include "games/rules/WordBuildingRules.h"
#include "platform/qt/Dialogs.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace qora {

class RadioGroup;
class TWordsmithDlg;

// The choices of ShowSolutions, in their order.
enum class NotedGamesChoice : std::uint8_t {
    None,
    OthersByScore,  // "Non-QORA games in score order"
    YoursByScore,
    OthersByStart,
    YoursByStart,
};

class TWordsmithHistoryDlg : public QoraDialog {
    Q_OBJECT

public:
    explicit TWordsmithHistoryDlg(TWordsmithDlg& game);

    QGroupBox* SolutionBox;
    QPlainTextEdit* Solution;
    QGroupBox* GridBox;
    QPlainTextEdit* Grid;
    QGroupBox* CommentBox;
    QLineEdit* Comment;
    QLabel* PlayersLabel;
    QComboBox* Players;
    RadioGroup* ShowSolutions;  // in the order of NotedGamesChoice
    QGroupBox* NotedGamesBox;
    QLabel* NotedGamesHeader;
    QListWidget* NotedGames;
    QPushButton* OK;
    QPushButton* ExportCreateGame;
    QPushButton* ExportAppendGame;
    QPushButton* OutputToWorkspace;
    QPushButton* Cancel;
    QPushButton* Help;
    std::function<void()> ShowHelp;

    // Shows the dialog for the finished game: a game played when the state
    // is EndedToBeNoted, else the solver's.
    void OpenFor(const WordBuildingFinishedGame& game);

    void OKClick();
    void ExportGameDialog(bool append);
    void OutputToWorkspaceClick();
    void ListNotedGames();

    // Closing in any way: the game window goes back to idle.
    void done(int result) override;

protected:
    void FormActivate() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool Played() const { return played_; }
    void ReadHistory();
    std::vector<std::string> SolutionLines() const;

    TWordsmithDlg& window_;
    WordBuildingFinishedGame game_;
    // The game's texts as shown, in the language of its grid: a change of
    // lexicon while the dialog is open does not alter what goes to the
    // workspace.
    std::vector<std::string> gridLines_;
    std::vector<std::string> solutionLines_;
    bool played_ = true;
    GameHistory history_;
};

// Whether a query, a presentation or a command file runs: the workspace is
// theirs then.
bool WorkspaceBusy();

// Writes a game into the workspace: an empty line, "Word-Building Game
// Played <start>" (or Solved), an empty line, the grid's lines, an empty
// line, the solution's lines, an empty line and a new prompt line. While
// the workspace is busy nothing is written, a warning says why and false
// is returned.
bool WriteGameToWorkspace(bool played, std::time_t gameStart, const std::vector<std::string>& gridLines,
                          const std::vector<std::string>& solutionLines);

// At start-up: gives the game window its noting of finished games, the
// history dialog (whose Help shows `showHelp`), and fixes the history
// file's path in the current folder.
void PlugInWordBuildingHistory(TWordsmithDlg& game, std::function<void()> showHelp);

}  // namespace qora
