// The game board on which words are scored: the premium-square map of the
// current board (15 x 15 or 21 x 21) and the board score of a word in each
// scoring mode.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/QueryRecords.h"

namespace qora {

// What a square adds to the tiles placed on it.
enum PremiumCode : std::uint8_t {
    PremiumPlain = 0,
    PremiumDoubleLetter = 1,     // DLS
    PremiumTripleLetter = 2,     // TLS
    PremiumQuadrupleLetter = 3,  // QLS, 21 x 21 only
    PremiumDoubleWord = 4,       // DWS
    PremiumTripleWord = 5,       // TWS
    PremiumQuadrupleWord = 6,    // QWS, 21 x 21 only
};

// BoardLayout[row][column], 0-based: row 0 is row 1 of the board, column 0
// is column A. Only the top-left BoardLayoutSize x BoardLayoutSize part is
// the current board.
using BoardMap = std::array<std::array<std::uint8_t, LargeBoardSize>, LargeBoardSize>;
extern BoardMap BoardLayout;
// The size of the board that SetUpBoardLayout last set up (15 at start).
extern int BoardLayoutSize;

// Sets up the board of `size` (15; any other size is the 21 x 21 board):
// clears its rows and columns and stores its premium squares, leaving the
// squares outside it as they were. Keeps the size for the board scoring.
void SetUpBoardLayout(int size);

// The text of the main window's board-position label for a board size.
std::string BoardCoordinateHelp(int size);

// The name of a square (0-based row and column) as the square command
// writes it: row first for a horizontal word ("8H"), else column first
// ("H8").
std::string BoardSquareName(int row, int column, bool horizontal);

// The board score of a word (a tile string; lower-case tiles were matched
// by a blank and score 0 with the settings' ZeroScoringBlanks) in the
// settings' ScoringMode, on the board last set up:
//   1 the sum of the tile scores;
//   2 as 1, plus 50 for a word of 7 or more tiles;
//   3 the best placement along the centre row that covers the centre square;
//   4 placed from the settings' square in its orientation;
//   5 the best placement in the orientation that covers the square;
//   6 the 5 x 5 grid's score by length (GridWordScore).
// Placements count letter premiums, then multiply by the word premiums of
// the squares covered. A word that cannot be placed as the mode asks (it
// runs off the board, or the square is not on it) scores 0.
int BoardWordScore(std::string_view word, const Settings& settings);

// The 5 x 5 grid score of a word of `length` letters: 4 letters 1, 5 2,
// 6 3, 7 5, 8 or more 11; shorter words 0.
int GridWordScore(int length);

}  // namespace qora
