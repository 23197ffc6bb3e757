// The 5 x 5 letter-grid solver: every word of the primary lexicon that can be
// traced on a grid of 25 letters, moving from a cell to any of its eight
// neighbours without using a cell twice, where a cell holding Q stands for
// the two letters QU. It is the evaluation of the 5 x 5 grid query (query
// mode 10), plugged into the engine's hook `SolveLetterGrid`; it runs on the
// query thread. No Qt: the game window (games/LetterGridWindow.h) only
// writes such queries.
//
// The grid becomes a graph of cells whose neighbour lists are in letter
// order, and the graph and the lexicon's word graph are walked together,
// depth first and without recursion, so that a depth ends as soon as the
// lexicon has no letter left for the next neighbour.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/LexiconFormat.h"

namespace qora {

constexpr int GridSide = 5;
constexpr int GridCellCount = GridSide * GridSide;
constexpr int MinGridWordLength = 4;                 // the shortest word the search offers
constexpr int MaxGridWordLength = 26;                // the longest (26 levels of depth)
constexpr int UnfilteredGridWordMinimum = 5;         // the shortest without a length filter
constexpr int MaxGridNodes = 1 + 2 * GridCellCount;  // the root, the cells, a U node per Q cell

// One node of the grid graph: the root (node 0), a cell (1 to 25, numbered
// in letter order), or the U that follows a Q cell (26 on).
struct GridCellNode {
    char Letter = 0;
    bool Used = false;  // the node lies on the path being walked
    int NeighbourCount = 0;
    // The neighbours in ascending node number, which is letter order, ended
    // by 0 (node 0 is never anyone's neighbour).
    std::array<std::uint8_t, GridCellCount + 1> Neighbours{};
};

struct LetterGridGraph {
    std::array<GridCellNode, MaxGridNodes> Nodes{};
    int NodeCount = 0;
};

// Whether `grid` is 25 upper-case letters A to Z, the only grid the solver
// takes.
bool IsLetterGrid(std::string_view grid);

// The graph of a grid that IsLetterGrid accepts.
LetterGridGraph BuildLetterGridGraph(std::string_view grid);

// Walks the graph and the lexicon's nodes together and calls `offer` with
// every word of 4 to 26 letters traced, once per path that traces it (a Q
// cell gives "QU"; a word never ends on the Q of a QU cell). The walk ends
// early once `stop` is set; a lexicon of long words of few letters can make
// a grid of those letters take very long.
void SearchLetterGrid(LetterGridGraph& graph, std::span<const LexiconNode> lexicon,
                      const std::function<void(std::string_view word)>& offer, const std::atomic<bool>* stop = nullptr);

// The grid as the query writes it: five rows of ten characters, each cell a
// letter and a blank, or "Qu".
std::vector<std::string> LetterGridRows(std::string_view grid);

// Plugs the solver into the query evaluation (start-up, headless runner).
void ConnectLetterGridSolver();

}  // namespace qora
