// The 5 x 5 letter-grid game without its window: the dice and the deal,
// the numbered history of the grids dealt, typed or read since start-up, the
// grid files (.grd, "5x5game.grd" by default) that save and load it, the
// query that solves a grid, and the game window's state and events
// (LetterGridPlay). docs/file-formats.md tells the file format.
//
// Everything here runs on the main thread: the window changes the history,
// and the executor reaches the grid files through its hooks, which it runs
// on the main thread. Nothing here touches a window or reads or writes a
// file.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "games/rules/LetterGridSolver.h"
#include "platform/KeyCodes.h"

namespace qora {

// The 25 dice, die by die, six faces each; Q stands for QU.
inline constexpr std::string_view GridDice =
    "AAAFRSAAEEEEAAFIRSADENNNAEEEEMAEEGMUAEGMNNAFIRSYBKJQXZCCENSTCEIILTCEILPTCEIPSTDDHNOTDHHLORDHLNORDHLNOREIIITTEM"
    "OTTTENSSSUFIPRSYGORRVWIPRRRYNOOTUWOOOTTU";
constexpr int GridDieFaces = 6;

// A random number from 0 to n - 1: the engine's RandomBelow, or a test's.
using RandomBelowFunction = std::function<int(int n)>;

// A grid dealt from the dice: cell by cell in reading order, a die not used
// yet is taken at random and lands on a random face.
std::string DealLetterGrid(const RandomBelowFunction& randomBelow);

// The grids of the history, oldest first; grid number n is entry n - 1.
// Entries are never removed, so the numbers keep rising.
extern std::vector<std::string> GridHistory;
// The index of the grid shown and solved; -1 while a grid is typed in and
// before the first grid.
extern std::int32_t CurrentGridEntry;

// The number of grids added since start-up (the number of the newest).
std::int32_t GridCount();
// Adds a grid of 25 letters as the newest entry, which becomes current.
void AddGridToHistory(std::string_view grid);
// The grid shown, or "" when none is current.
std::string CurrentGrid();

// The text of a grid file of the whole history, newest first, one line a
// grid: its 25 letters and "/G" (so that a line performed as a command opens
// the game with that grid typed in). Returns the number of grids (0: the
// text is empty).
std::int32_t SaveGridHistory(std::string& text);

struct GridFileLoad {
    std::int32_t Added = 0;       // grids added to the history
    std::int32_t Unreadable = 0;  // lines refused for holding control characters
};

// Adds the grids of a grid file's bytes to the history in the order of the
// file, so a file that SaveGridHistory wrote comes back newest last. In each
// line a "/" and the letter after it are skipped (the "/G" of a saved line),
// the letters A to Z (either case) are taken, everything else is passed
// over; a line with 25 letters or more adds its first 25 as a grid, a
// shorter one is skipped. A line holding a control character is refused.
GridFileLoad LoadGridHistory(std::string_view bytes);

// The query that Solve writes for a grid: its letters, the grid query mode
// and the grid scoring mode.
std::string SolveCommandText(std::string_view grid);

// Plugs the game's parts that work without a window into the program: the
// solver into the grid query and the grid history into the grid file
// commands (start-up and the headless runner). `afterGridsRead` runs when a
// grid file was read (the window shows the current grid).
void ConnectLetterGridGame(std::function<void()> afterGridsRead = {});

// "Grid Number: %4d".
std::string GridNumberText(std::int32_t number);
// What a cell of the window shows: " %c", "Qu" for Q, "" for an empty cell.
std::string GridCellText(char letter);

inline constexpr std::string_view TypeLettersText = "Type 25 letters";
inline constexpr std::string_view ClickOkText = "Click OK to end";

// Where the window puts the focus after an event.
enum class GridFocus : std::uint8_t { Unchanged, New, Solve, Grid };

// The game window's state and what its buttons and keys do to it. The
// window (games/LetterGridWindow.h) forwards its events here and shows the
// state; the grids live in the history above. Cells are numbered 0 to 24 in
// reading order.
class LetterGridPlay {
public:
    static constexpr int NoCell = -1;

    // --- Events -----------------------------------------------------------------
    // The window shown: the focus goes to New Grid.
    void FormActivate();
    // The window shown by a grid command: no grid current, input mode, and
    // the letters of the command line typed in (a "/" skips itself and the
    // character after it, so "/G" types nothing).
    void ActivateFromCommand(std::string_view commandLine);
    void NewClick(const RandomBelowFunction& randomBelow);
    void PreviousClick();
    void NextClick();
    void SpecifiedClick();
    // Adds the typed grid to the history; nothing while a cell is empty.
    void OkClick();
    // A key in the grid. Esc answers true: the window hides, in any mode. In
    // input mode (Ctrl not held) a letter or a blank goes into the selected
    // cell, Backspace empties the cell before it, Delete empties them all;
    // the arrow keys are the grid's own (SelectGridCell).
    bool GridKeyDown(KeyStroke stroke);
    // A cell clicked or reached with the arrow keys (input mode only).
    void SelectGridCell(int cell);
    // After a grid file was read: the current grid, if any, is shown.
    void ShowCurrentGrid();
    // The query Solve writes for the current grid ("" when none is).
    std::string SolveText() const;

    // --- What the window shows ----------------------------------------------------
    const std::array<char, GridCellCount>& Cells() const { return cells_; }  // ' ' empty
    int SelectedCell() const { return selected_; }
    bool InputMode() const { return inputMode_; }
    bool GridNumberVisible() const { return GridCount() > 0; }
    std::string GridNumberCaption() const { return GridNumberText(shownNumber_); }
    bool NoMoreVisible() const { return noMore_; }
    bool SpecifyInfoVisible() const { return inputMode_; }
    std::string_view SpecifyInfoText() const { return TypedGridComplete() ? ClickOkText : TypeLettersText; }
    bool HintsVisible() const { return inputMode_; }
    bool OkVisible() const { return inputMode_ && TypedGridComplete(); }
    bool SolveEnabled() const { return !inputMode_ && CurrentGridEntry >= 0; }
    // The focus the last event asked for; asking again gives Unchanged.
    GridFocus TakeFocus();

private:
    void ShowLetterGrid(std::string_view grid, std::int32_t number);
    void TypeLetter(char letter);  // 'A'..'Z' or ' '
    void Backspace();
    void ClearTypedGrid();
    bool TypedGridComplete() const;
    void CopyPromptLettersToGrid(std::string_view line);

    std::array<char, GridCellCount> cells_ = BlankCells();
    int selected_ = NoCell;
    bool inputMode_ = false;
    bool noMore_ = false;
    std::int32_t shownNumber_ = 0;
    GridFocus focus_ = GridFocus::Unchanged;

    static std::array<char, GridCellCount> BlankCells();
};

}  // namespace qora
