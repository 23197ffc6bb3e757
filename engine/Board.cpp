#include "engine/Board.h"

#include <algorithm>
#include <span>

#include "engine/Listings.h"
#include "engine/QueryRecords.h"
#include "engine/WordTests.h"
#include "platform/ProgramState.h"

namespace qora {

namespace {

// One character per square, the PremiumCode digit or "." for a plain square.
constexpr std::array<const char*, SmallBoardSize> SmallBoardMap = {
    "5..1...5...1..5", ".4...2...2...4.", "..4...1.1...4..", "1..4...1...4..1", "....4.....4....",
    ".2...2...2...2.", "..1...1.1...1..", "5..1...4...1..5", "..1...1.1...1..", ".2...2...2...2.",
    "....4.....4....", "1..4...1...4..1", "..4...1.1...4..", ".4...2...2...4.", "5..1...5...1..5",
};

constexpr std::array<const char*, LargeBoardSize> LargeBoardMap = {
    "6..1...5..1..5...1..6", ".4..2...4...4...2..4.", "..4..3...4.4...3..4..", "1..5..1...5...1..5..1",
    ".2..4...2...2...4..2.", "..3..4...1.1...4..3..", "...1..4...1...4..1...", "5......4.....4......5",
    ".4..2...2...2...2..4.", "..4..1...1.1...1..4..", "1..5..1...4...1..5..1", "..4..1...1.1...1..4..",
    ".4..2...2...2...2..4.", "5......4.....4......5", "...1..4...1...4..1...", "..3..4...1.1...4..3..",
    ".2..4...2...2...4..2.", "1..5..1...5...1..5..1", "..4..3...4.4...3..4..", ".4..2...4...4...2..4.",
    "6..1...5..1..5...1..6",
};

constexpr int SevenTileBonus = 50;
constexpr int BonusTileCount = 7;

int NormalBoardSize(int size) { return size == SmallBoardSize ? SmallBoardSize : LargeBoardSize; }

int LetterMultiplier(std::uint8_t code) {
    switch (code) {
        case PremiumDoubleLetter: return 2;
        case PremiumTripleLetter: return 3;
        case PremiumQuadrupleLetter: return 4;
        default: return 1;
    }
}

int WordMultiplier(std::uint8_t code) {
    switch (code) {
        case PremiumDoubleWord: return 2;
        case PremiumTripleWord: return 3;
        case PremiumQuadrupleWord: return 4;
        default: return 1;
    }
}

// A word's tiles laid along one line of the board: the row (horizontal) or
// column (vertical) `line`, from square `start` of that line on.
struct Placement {
    bool horizontal = true;
    int line = 0;
    int start = 0;
};

int PlacementScore(std::string_view word, const Placement& placement, bool zeroScoringBlanks) {
    int letters = 0;
    int wordMultiplier = 1;
    for (std::size_t i = 0; i < word.size(); ++i) {
        const int along = placement.start + static_cast<int>(i);
        const std::uint8_t code =
            placement.horizontal ? BoardLayout[placement.line][along] : BoardLayout[along][placement.line];
        letters += WordScore(word.substr(i, 1), zeroScoringBlanks) * LetterMultiplier(code);
        wordMultiplier *= WordMultiplier(code);
    }
    return letters * wordMultiplier;
}

// The best score among the placements along `line` that cover square
// `through` of it; 0 when the word does not fit.
int BestPlacementThrough(std::string_view word, bool horizontal, int line, int through, bool zeroScoringBlanks) {
    const int length = static_cast<int>(word.size());
    const int first = std::max(0, through - length + 1);
    const int last = std::min(through, BoardLayoutSize - length);
    int best = 0;
    for (int start = first; start <= last; ++start)
        best = std::max(best, PlacementScore(word, {horizontal, line, start}, zeroScoringBlanks));
    return best;
}

bool OnBoard(int index) { return index >= 0 && index < BoardLayoutSize; }

// Clears the squares of the board of `size` (15 or 21) and stores its map.
void StoreBoardMap(BoardMap& board, int size) {
    const std::span<const char* const> map = size == SmallBoardSize ? std::span<const char* const>(SmallBoardMap)
                                                                    : std::span<const char* const>(LargeBoardMap);
    for (int row = 0; row < size; ++row)
        for (int column = 0; column < size; ++column)
            board[row][column] = map[row][column] == '.' ? 0 : static_cast<std::uint8_t>(map[row][column] - '0');
}

BoardMap InitialBoardLayout() {
    BoardMap board{};
    StoreBoardMap(board, SmallBoardSize);
    return board;
}

}  // namespace

BoardMap BoardLayout = InitialBoardLayout();
int BoardLayoutSize = SmallBoardSize;
const ProgramStateReset registerResetBoardLayout([] {
    BoardLayout = InitialBoardLayout();
    BoardLayoutSize = SmallBoardSize;
});

void SetUpBoardLayout(int size) {
    size = NormalBoardSize(size);
    StoreBoardMap(BoardLayout, size);
    BoardLayoutSize = size;
}

std::string BoardCoordinateHelp(int size) {
    const bool small = NormalBoardSize(size) == SmallBoardSize;
    return FormatText(
        "Rows are numbered, and columns are denoted by letters. A word placed horizontally starting at the center "
        "square is at %s; a vertical one is at %s.",
        small ? "8H" : "11K", small ? "H8" : "K11");
}

std::string BoardSquareName(int row, int column, bool horizontal) {
    const char letter = static_cast<char>('A' + column);
    return horizontal ? FormatText("%d%c", row + 1, letter) : FormatText("%c%d", letter, row + 1);
}

int GridWordScore(int length) {
    if (length < 4) return 0;
    switch (length) {
        case 4: return 1;
        case 5: return 2;
        case 6: return 3;
        case 7: return 5;
        default: return 11;
    }
}

int BoardWordScore(std::string_view word, const Settings& settings) {
    const bool zeroBlanks = settings.ZeroScoringBlanks != 0;
    const int length = static_cast<int>(word.size());
    const bool horizontal = settings.BoardOrientation != BoardVertical;
    const int line = horizontal ? settings.BoardRow : settings.BoardColumn;
    const int along = horizontal ? settings.BoardColumn : settings.BoardRow;
    switch (settings.ScoringMode) {
        case ScoringModeSevenTileBonus:
            return WordScore(word, zeroBlanks) + (length >= BonusTileCount ? SevenTileBonus : 0);
        case ScoringModeCentreRow: {
            const int centre = BoardLayoutSize / 2;
            return BestPlacementThrough(word, true, centre, centre, zeroBlanks);
        }
        case ScoringModeStartingAtSquare:
            if (!OnBoard(line) || !OnBoard(along) || along + length > BoardLayoutSize) return 0;
            return PlacementScore(word, {horizontal, line, along}, zeroBlanks);
        case ScoringModeIncludingSquare:
            if (!OnBoard(line) || !OnBoard(along)) return 0;
            return BestPlacementThrough(word, horizontal, line, along, zeroBlanks);
        case ScoringModeGrid: return GridWordScore(length);
        default: return WordScore(word, zeroBlanks);
    }
}

}  // namespace qora
