// The Word-Building Game's solver, without any window.
//
// It walks the primary lexicon's word graph together with the column tops of
// a grid. Two searches use the walk:
// - the highest-scoring word that can be formed now and begins with the word
//   being built (the game window's Highest Word);
// - a whole game, word after word, by a beam search over the number of tiles
//   used: for each number of tiles it keeps at most K states (a state is how
//   many tiles each column has given, its score and its path), merges a state
//   whose column heights equal a kept one's into the better of the two, and
//   extends the kept states by one more word. Twelve levels trade time for
//   score.
//
// Ties keep the first state found: columns from the left, depth first,
// lexicon siblings in letter order, and a word is scored after the longer
// words that extend it. Each bucket of states finds an equal state through a
// hash of its heights and its lowest score through an index of the scores
// (the first lowest in slot order), so a state is kept in logarithmic time
// with the results of plain scans.
//
// The search reads only what it is given (the lexicon's nodes, the tile
// values and the grid), so a lexicon change or a redefined tile value during
// a long search does not touch it; it may run on any thread.
#pragma once

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/LexiconFormat.h"
#include "engine/Tiles.h"
#include "games/rules/WordBuildingRules.h"

namespace qora {

constexpr int SolvingLevels = 12;
constexpr int DefaultSolvingLevel = 3;

// How hard the whole-game search tries: the states kept per number of tiles
// used, and whether words shorter than 8 tiles wait until 75 tiles are used.
struct SolverBeam {
    int keep = 8;
    bool narrow = true;
};

// Levels 1..12 (others are clamped): 1 (8, narrow), 2 (32, narrow),
// 3 (64, narrow), 4 (64), 5 (128, narrow), 6 (128), 7 (256, narrow),
// 8 (256), 9 (512, narrow), 10 (512), 11 and 12 (1024, narrow).
SolverBeam SolverBeamOfLevel(int level);

// What a search reads, taken once when it starts.
struct WordBuildingSolverInput {
    std::string letters;                 // the grid's 96 tiles in rows, row 0 (the top) first
    const LexiconNode* nodes = nullptr;  // a validated node array, the root list at index 1
    std::size_t nodeCount = 0;
    TileTable scores{};  // tile values, entry n - 1 for tile n
};

// The grid with the primary lexicon and the tile values in force now. With
// no primary lexicon the nodes are null and every search finds nothing.
WordBuildingSolverInput SolverInputOfPrimaryLexicon(std::string_view letters);

// A whole game found by the solver.
struct WordBuildingSolution {
    std::vector<std::uint8_t> columns;  // the column (0..11) of each tile taken, in order
    std::string letters;                // the tiles taken; each word's first tile in lower case (tile + 32)
    std::int32_t score = 0;             // the sum of the words' scores
    std::int32_t wordCount = 0;
};

// What the whole-game search reports while it runs (on its own thread).
struct WordBuildingSolverObserver {
    std::function<void(int word)> WorkingOn;                     // the number of the word sought now, from 1
    std::function<void(std::int32_t score, int words)> NewBest;  // a better solution was found
    const std::atomic<bool>* stop = nullptr;                     // set: end soon with the best found so far
};

// The whole-game search at a level. Stopped early, it returns the best
// solution found until then. An empty solution (score 0) when no word can be
// formed or the input is no grid.
WordBuildingSolution SolveWholeGame(const WordBuildingSolverInput& input, SolverBeam beam,
                                    const WordBuildingSolverObserver& observer = {});

// The highest-scoring word that begins with the word being built, whose
// tiles were taken from `wordColumns` (in order); `taken` is the number of
// tiles taken from each column so far, the word's own tiles included.
// Returns the columns (0..11) of the whole word, the word being built's
// first; empty when no word of 3 to 12 tiles can be formed.
std::vector<int> FindHighestWord(const WordBuildingSolverInput& input,
                                 const std::array<int, WordBuildingColumns>& taken,
                                 const std::vector<std::uint8_t>& wordColumns);

// FindHighestWord for the game being played (WordBuildingPlay): its grid, the
// tiles taken and the word being built, with the primary lexicon.
std::vector<int> FindHighestWordInPlay();

// The moves of a solution as a game records them: each column, and
// EndOfWordMove after each word.
std::vector<std::uint8_t> SolutionMoves(const WordBuildingSolution& solution);

}  // namespace qora
