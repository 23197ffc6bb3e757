#include "games/rules/WordBuildingGameTexts.h"

#include "engine/Listings.h"
#include "engine/Tiles.h"
#include "engine/WordTests.h"
#include "games/rules/WordBuildingGridFiles.h"
#include "games/rules/WordBuildingHistory.h"
#include "games/rules/WordBuildingRules.h"

namespace qora {

namespace {

constexpr const char* ColumnKeysLine = " 1  2  3  4  5  6  7  8  9  0  -  =";

// One grid row: a blank and each tile two blanks apart; a Spanish tile's text
// right-aligned in two characters after one blank.
std::string GridRow(std::string_view row) {
    std::string line;
    for (unsigned char tile : row)
        line += SpanishLexiconActive ? FormatText(" %2s", TileToText(tile).c_str())
                                     : FormatText("%s%c", line.empty() ? " " : "  ", tile);
    return line;
}

// The words of the moves: each word's columns, up to the last end of word.
std::vector<std::vector<int>> WordsOfMoves(const std::vector<std::uint8_t>& moves) {
    std::vector<std::vector<int>> words;
    std::vector<int> word;
    for (const std::uint8_t move : moves) {
        if (move != EndOfWordMove) {
            word.push_back(move);
        } else if (!word.empty()) {
            words.push_back(std::move(word));
            word.clear();
        }
    }
    return words;
}

// The keys of a word's columns; a blank after a Spanish double tile's key.
std::string KeysLine(const std::vector<int>& columns, std::string_view tiles) {
    std::string keys;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        keys += ColumnKey(columns[i]);
        if (SpanishLexiconActive && i < tiles.size() && TileToText(static_cast<unsigned char>(tiles[i])).size() == 2)
            keys += ' ';
    }
    return keys;
}

// The grid's columns, top first, from which the words take their tiles.
class GridColumns {
public:
    explicit GridColumns(std::string_view letters) : letters_(letters) {}

    // The tiles the columns give, in order; "" when a column has none left.
    std::string Take(const std::vector<int>& columns) {
        std::string tiles;
        for (const int column : columns) {
            if (column < 0 || column >= WordBuildingColumns) return "";
            const int row = taken_[static_cast<std::size_t>(column)]++;
            const std::size_t cell = static_cast<std::size_t>(row * WordBuildingColumns + column);
            if (row >= WordBuildingRows || cell >= letters_.size()) return "";
            tiles += letters_[cell];
        }
        return tiles;
    }

private:
    std::string_view letters_;
    std::array<int, WordBuildingColumns> taken_{};
};

}  // namespace

std::vector<std::string> RenderSolutionText(std::string_view letters, const std::vector<std::uint8_t>& moves,
                                            std::int32_t score, std::int32_t wordCount,
                                            const std::vector<WordBuildingAnswer>* answers) {
    if (wordCount == 0) return {"No words were formed."};
    const bool one = wordCount == 1;
    std::vector<std::string> lines{
        FormatText("Th%s %d word%s %d:", one ? "is" : "ese", wordCount, one ? " scores" : "s score", score), ""};
    GridColumns grid(letters);
    const std::vector<std::vector<int>> words = WordsOfMoves(moves);
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string tiles = grid.Take(words[i]);
        if (tiles.empty()) break;  // moves that the grid cannot give
        if (answers != nullptr) {
            if (i >= answers->size()) break;
            lines.push_back(AnswersLine((*answers)[i]));
            lines.push_back("         " + KeysLine(words[i], tiles));
        } else {
            const int value = WordScore(tiles, false) * static_cast<int>(tiles.size());
            lines.push_back(FormatText("  %-15s%5d", WordToDisplay(tiles).c_str(), value));
            lines.push_back("  " + KeysLine(words[i], tiles));
        }
    }
    return lines;
}

std::vector<std::string> RenderGridText(std::string_view letters, std::time_t created) {
    std::vector<std::string> lines{ColumnKeysLine, ""};
    for (int row = 0; row < WordBuildingRows; ++row) {
        const std::size_t start = static_cast<std::size_t>(row * WordBuildingColumns);
        lines.push_back(start < letters.size() ? GridRow(letters.substr(start, WordBuildingColumns)) : "");
    }
    lines.push_back("  Grid created: " + FormatGameTime(created));
    return lines;
}

std::string JoinedLines(const std::vector<std::string>& lines) {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) text += '\n';
        text += lines[i];
    }
    return text;
}

}  // namespace qora
