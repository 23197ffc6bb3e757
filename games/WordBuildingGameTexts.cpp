#include "games/WordBuildingGameTexts.h"

#include "engine/Listings.h"
#include "engine/Tiles.h"
#include "games/WordBuildingGridFiles.h"
#include "games/WordBuildingRules.h"

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

}  // namespace

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
