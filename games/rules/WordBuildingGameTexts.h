// The texts that show a Word-Building grid and a game's solution: in the
// solver's dialog, the history dialog, the history browser and the
// workspace. Tiles are written in the active lexicon's language (Spanish
// CH, LL and RR as two letters).
#pragma once

#include <cstdint>
#include <ctime>
#include <string>
#include <string_view>
#include <vector>

#include "games/rules/WordBuildingRules.h"

namespace qora {

// Eleven lines: the column keys, an empty line, the 8 rows of the grid and
// "  Grid created: <time text>".
std::vector<std::string> RenderGridText(std::string_view letters, std::time_t created);

// The solution of a game: "No words were formed." or "These 3 words score
// 45:", an empty line and two lines a word (the tiles of an unfinished word
// after the last word are left out):
// - a game just played (its answers given): the word's answers line, then
//   nine blanks and the keys of its columns;
// - a game from its moves (noted or solved): the word rebuilt from the grid
//   and its score, "  %-15s%5d", then two blanks and the keys.
// A Spanish double tile's key is followed by a blank, so each key stands
// under the first letter of its tile.
std::vector<std::string> RenderSolutionText(std::string_view letters, const std::vector<std::uint8_t>& moves,
                                            std::int32_t score, std::int32_t wordCount,
                                            const std::vector<WordBuildingAnswer>* answers = nullptr);

// Lines joined with line ends (for a multi-line text box).
std::string JoinedLines(const std::vector<std::string>& lines);

}  // namespace qora
