// The Word-Building Game window, TWordsmithDlg: the 12 x 8 grid of tiles, the
// word being built, the answers and scores, the grid buttons and the play
// buttons. It is modeless; the grids and a game in progress live on while it
// is closed.
//
// The rules live in games/rules/WordBuildingRules.h and the grid files in
// games/rules/WordBuildingGridFiles.h; this window maps keys and clicks to the
// rules, shows and hides its controls stage by stage and shows the state.
// The solver, the history dialog and the history browser plug into it
// through the hooks below; while a hook is empty its button is disabled.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "games/rules/WordBuildingRules.h"
#include "platform/qt/Dialogs.h"

class QComboBox;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QPushButton;

namespace qora {

class TileGridControl;
class TWordsmithDoneDlg;
class TWordsmithHelpDlg;

class TWordsmithDlg : public QoraDialog {
    Q_OBJECT

public:
    explicit TWordsmithDlg(QWidget* parent = nullptr);

    // ---- Components -------------------------------------------------------------
    TileGridControl* Grid;
    TileGridControl* Answer;
    QLabel* WordLabel;
    std::vector<QLabel*> ColumnLabels;  // Label1..Label12: " 1" .. " 9", " 0", "  -", " ="
    QLabel* WordPossibility;            // the message label
    QLabel* WordScoreLabel;
    QLabel* WordScore;
    QLabel* TotalScoreLabel;
    QLabel* TotalScore;
    QComboBox* Answers;
    QLabel* PressKey;
    QLabel* PressSpace;
    QLabel* PressEnter;
    QLabel* PressDel;
    QPushButton* RetractLetter;
    QPushButton* Accept;
    QPushButton* RetractWord;
    QPushButton* Play;
    QPushButton* Solve;
    QGroupBox* SpecifyGridBox;
    QPushButton* New;
    QPushButton* Previous;
    QPushButton* Next;
    QPushButton* Same;
    QPushButton* Specified;
    QPushButton* CancelInput;
    QPushButton* OK;
    QPushButton* Seek;
    QPushButton* Import;
    QLabel* GridNumber;
    QLabel* GridTimeStamp;
    QLabel* SpecifyInfo;
    QLabel* CanPaste;
    QPushButton* History;
    QPushButton* ExportCreate;
    QPushButton* ExportAppend;
    QPushButton* Help;
    QPushButton* CloseButton;
    TWordsmithDoneDlg* DoneDlg;
    TWordsmithHelpDlg* HelpDlg;

    // ---- Hooks of the solver and the history ------------------------------------
    // Solve before play: the whole-game solver's dialog (modal).
    std::function<void()> OpenSolver;
    // Highest Word during play: the columns (0..11) of the best word that
    // begins with the word being built, that word's own columns first; empty
    // when no word can be formed.
    std::function<std::vector<int>()> FindHighestWord;
    // The game ended to be noted in the history: the history dialog.
    std::function<void(const WordBuildingFinishedGame& game)> OpenHistoryDialog;
    // Seek a Grid from History and Show Noted Games History: the history
    // browser (modeless); it enables Seek and History again when it closes.
    std::function<void()> OpenHistoryBrowser;

    // ---- Handlers -------------------------------------------------------------------
    void NewClick();
    void PreviousClick();
    void NextClick();
    void SameClick();
    void SpecifiedClick();
    void CancelInputClick();
    void OKClick();
    void PlayClick();
    void SolveClick();
    void RetractLetterClick();
    void AcceptClick();
    void RetractWordClick();
    void SeekClick();
    void HistoryClick();
    void ImportClick();
    void ExportCreateClick() { ExportGridDialog(false); }
    void ExportAppendClick() { ExportGridDialog(true); }
    void HelpClick();
    void CloseButtonClick();
    bool GridKeyDown(const QKeyEvent& event);
    void GridClick(int column, int row);

    // ---- Services -------------------------------------------------------------------
    // Opening the window afresh: its stage decides what it shows.
    void ActivateAfresh();
    // Shows the window in front and opens it afresh (a dialog of the game
    // closed).
    void ShowAfresh();
    // After a grid was formed (by a button, a file, the browser or the
    // solver): the grid, its number and time, and the buttons of stage 3.
    void ShowFormedGrid();
    // What the rules changed: the grid, the word, the message and scores.
    void ShowState();
    // The option of solving: the window's colour and the Solve button.
    void ApplySolvingOption();
    // Exports the current grid, creating or appending, through a save dialog.
    void ExportGridDialog(bool append);
    // Forms the grids of a grid file's bytes, warns of a bad record and
    // shows the last grid formed; returns how many were read, or the reason
    // in `refusal` when none may be imported now.
    int ImportGrids(std::string_view bytes, std::string& refusal);

    // Closing (Esc, Close, the caption) focuses the workspace.
    void done(int result) override;

protected:
    void FormActivate() override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void CreateGridControls();
    void CreatePlayControls();
    void CreateSpecifyGridBox();
    void CreateButtons();
    void ShowIdle();
    void ShowIdleControls();
    void ShowPlayControls(bool visible);
    void ShowGridButtons(bool visible);
    void EnableGridButtons();
    void ShowAnswers();
    void EndGame();
    bool PlayKeyDown(const QKeyEvent& event);
    bool GridInputKeyDown(const QKeyEvent& event);
    void AfterPlay();
    void AfterGridInput();
    void TakeHighestWord();
    void Focus(QWidget* control);

    bool activatedSpanish_ = false;  // the lexicon's language at the last activation
};

// The one game window, created by the main window at start-up.
extern TWordsmithDlg* WordsmithDlg;

// The grid command /FRB: ImportGrids of the game window.
std::int32_t ImportWordBuildingGridsByCommand(std::string_view bytes, std::string& refusal);

}  // namespace qora
