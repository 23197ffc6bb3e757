// The 5 x 5 letter-grid game without its window: the numbered history of
// the grids dealt, typed or read since start-up, the grid files (.grd,
// "5x5game.grd" by default) that save and load it, and the query that
// solves a grid. docs/file-formats.md tells the file format.
//
// Everything here runs on the main thread: the window changes the history,
// and the executor reaches the grid files through its hooks, which it runs
// on the main thread. Nothing here reads or writes a file itself.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qora {

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
// commands (start-up and the headless runner).
void ConnectLetterGridGame();

}  // namespace qora
