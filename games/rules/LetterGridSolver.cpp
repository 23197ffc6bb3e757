#include "games/rules/LetterGridSolver.h"

#include <set>

#include "engine/CanonicalOrder.h"
#include "engine/Lexicons.h"
#include "engine/QueryEvaluation.h"
#include "engine/QueryFilters.h"
#include "engine/Wordlists.h"

namespace qora {

namespace {

constexpr int LetterCount = 26;
constexpr int MaxDepth = MaxGridWordLength - 1;  // depths 0 (the root) to 25
constexpr unsigned StopCheckSteps = 4096;        // steps of the walk between looks at the stop flag

constexpr const char* NotAGridText = "A 5 x 5 grid is 25 letters from A to Z";
constexpr const char* SpanishGridText =
    "A 5 x 5 grid query needs an English or French primary lexicon: Spanish tiles are not the letters A to Z";

// The cell nodes by row and column (1 to 5); 0 stands outside the grid.
using CellTable = std::array<std::array<std::uint8_t, GridSide + 2>, GridSide + 2>;

void AddCellNeighbour(LetterGridGraph& graph, const CellTable& cells, int node, int row, int column) {
    const int neighbour = cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
    if (neighbour == 0) return;
    GridCellNode& list = graph.Nodes[static_cast<std::size_t>(neighbour)];
    list.Neighbours[static_cast<std::size_t>(list.NeighbourCount++)] = static_cast<std::uint8_t>(node);
}

// Filters each traced word once, however many paths trace it, and adds the
// ones that pass to the result.
class GridWordAcceptor {
public:
    GridWordAcceptor(const Settings& settings, Wordlist& result) : settings_(settings), result_(result) {}

    void AcceptGridWord(std::string_view word) {
        const int length = static_cast<int>(word.size());  // QU counts as two
        if (settings_.LengthFilter.Active == 0 && length < UnfilteredGridWordMinimum) return;
        if (offered_.contains(word)) return;
        offered_.emplace(word);
        if (!PassesQueryFilters(settings_, word, length)) return;
        if (settings_.ResultKind == ResultKindCanonicalWords)
            AddWordToWordlist(result_, ArrangeInOrdering(word, settings_.CanonicalOutputOrder), false);
        else
            AddWordToWordlist(result_, word, false);
    }

private:
    const Settings& settings_;
    Wordlist& result_;
    std::set<std::string, std::less<>> offered_;
};

bool SolveGrid(std::string_view letters, const Settings& settings, const std::atomic<bool>* stop, Wordlist& result,
               QueryOutput& output) {
    const LexiconRecord* lexicon = LexiconOfRole(PrimaryRole);
    if (lexicon == nullptr) {
        output.ReportError("There is no primary lexicon");
        return false;
    }
    if (lexicon->LexiconLanguage == Language::Spanish) {
        output.ReportError(SpanishGridText);
        return false;
    }
    const std::string_view grid = letters.substr(0, GridCellCount);
    if (!IsLetterGrid(grid)) {
        output.ReportError(NotAGridText);
        return false;
    }
    output.WriteLine("");
    for (const std::string& row : LetterGridRows(grid)) output.WriteLine(row);
    LetterGridGraph graph = BuildLetterGridGraph(grid);
    GridWordAcceptor acceptor(settings, result);
    SearchLetterGrid(
        graph, std::span<const LexiconNode>(lexicon->Nodes, lexicon->NodeCount),
        [&acceptor](std::string_view word) { acceptor.AcceptGridWord(word); }, stop);
    result.ItemKind = WordItems;
    return true;
}

}  // namespace

bool IsLetterGrid(std::string_view grid) {
    if (grid.size() != GridCellCount) return false;
    for (char c : grid)
        if (c < 'A' || c > 'Z') return false;
    return true;
}

LetterGridGraph BuildLetterGridGraph(std::string_view grid) {
    LetterGridGraph graph;
    // Cells are numbered by letter, equal letters in reading order.
    std::array<int, LetterCount> nextNumber{};
    for (char c : grid) ++nextNumber[static_cast<std::size_t>(c - 'A')];
    for (int letter = 0, number = 1; letter < LetterCount; ++letter) {
        const int count = nextNumber[static_cast<std::size_t>(letter)];
        nextNumber[static_cast<std::size_t>(letter)] = number;
        number += count;
    }
    CellTable cells{};
    std::array<int, GridCellCount + 1> rowOf{}, columnOf{};
    for (int i = 0; i < GridCellCount; ++i) {
        const int node = nextNumber[static_cast<std::size_t>(grid[static_cast<std::size_t>(i)] - 'A')]++;
        const int row = i / GridSide + 1, column = i % GridSide + 1;
        cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] = static_cast<std::uint8_t>(node);
        rowOf[static_cast<std::size_t>(node)] = row;
        columnOf[static_cast<std::size_t>(node)] = column;
        graph.Nodes[static_cast<std::size_t>(node)].Letter = grid[static_cast<std::size_t>(i)];
    }
    // Each cell joins its neighbours' lists in ascending order, so every
    // list ends up in letter order.
    for (int node = 1; node <= GridCellCount; ++node) {
        const int row = rowOf[static_cast<std::size_t>(node)], column = columnOf[static_cast<std::size_t>(node)];
        for (int dr = -1; dr <= 1; ++dr)
            for (int dc = -1; dc <= 1; ++dc)
                if (dr != 0 || dc != 0) AddCellNeighbour(graph, cells, node, row + dr, column + dc);
    }
    // A Q cell leads only to its own U node, which leads on to the Q's
    // neighbours.
    graph.NodeCount = GridCellCount + 1;
    for (int node = GridCellCount; node >= 1; --node) {
        GridCellNode& q = graph.Nodes[static_cast<std::size_t>(node)];
        if (q.Letter != 'Q') continue;
        GridCellNode& u = graph.Nodes[static_cast<std::size_t>(graph.NodeCount)];
        u = q;
        u.Letter = 'U';
        q.Neighbours = {};
        q.Neighbours[0] = static_cast<std::uint8_t>(graph.NodeCount++);
        q.NeighbourCount = 1;
    }
    GridCellNode& root = graph.Nodes[0];
    for (int node = 1; node <= GridCellCount; ++node) root.Neighbours[static_cast<std::size_t>(node - 1)] = node;
    root.NeighbourCount = GridCellCount;
    return graph;
}

void SearchLetterGrid(LetterGridGraph& graph, std::span<const LexiconNode> lexicon,
                      const std::function<void(std::string_view word)>& offer, const std::atomic<bool>* stop) {
    if (lexicon.size() < 2) return;
    std::array<std::uint8_t, MaxDepth + 1> node{};       // the graph node at each depth
    std::array<int, MaxDepth + 1> nextNeighbour{};       // its next neighbour to try
    std::array<std::uint32_t, MaxDepth + 1> siblings{};  // where the lexicon's letters after it start
    std::array<char, MaxGridWordLength> word{};          // word[k - 1]: the letter at depth k
    int d = 0;
    graph.Nodes[0].Used = true;
    siblings[0] = 1;
    for (unsigned step = 1; d >= 0; ++step) {
        if (stop != nullptr && step % StopCheckSteps == 0 && stop->load(std::memory_order_relaxed)) return;
        GridCellNode& here = graph.Nodes[node[static_cast<std::size_t>(d)]];
        const std::uint8_t next =
            here.Neighbours[static_cast<std::size_t>(nextNeighbour[static_cast<std::size_t>(d)]++)];
        const auto unwind = [&] {
            here.Used = false;
            --d;
        };
        if (next == 0) {
            unwind();
            continue;
        }
        const GridCellNode& there = graph.Nodes[next];
        if (there.Used) continue;
        const unsigned char c = static_cast<unsigned char>(there.Letter);
        std::uint32_t i = siblings[static_cast<std::size_t>(d)];
        while (NodeLetter(lexicon[i]) < c && !NodeIsLastSibling(lexicon[i])) ++i;
        if (NodeLetter(lexicon[i]) < c) {
            unwind();  // the other neighbours' letters are not below c either
            continue;
        }
        if (NodeLetter(lexicon[i]) != c) continue;
        word[static_cast<std::size_t>(d)] = static_cast<char>(c);
        if (d >= MinGridWordLength - 1 && NodeIsEndOfWord(lexicon[i]) && c != 'Q')
            offer(std::string_view(word.data(), static_cast<std::size_t>(d) + 1));
        const std::uint32_t child = NodeChild(lexicon[i]);
        if (child != 0 && d < MaxDepth) {
            ++d;
            node[static_cast<std::size_t>(d)] = next;
            graph.Nodes[next].Used = true;
            nextNeighbour[static_cast<std::size_t>(d)] = 0;
            siblings[static_cast<std::size_t>(d)] = child;
        }
    }
}

std::vector<std::string> LetterGridRows(std::string_view grid) {
    std::vector<std::string> rows;
    for (int row = 0; row < GridSide; ++row) {
        std::string text;
        for (int column = 0; column < GridSide; ++column) {
            const char c = grid[static_cast<std::size_t>(row * GridSide + column)];
            text += c;
            text += c == 'Q' ? 'u' : ' ';
        }
        rows.push_back(std::move(text));
    }
    return rows;
}

void ConnectLetterGridSolver() { SolveLetterGrid = SolveGrid; }

}  // namespace qora
