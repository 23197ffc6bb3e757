// The texts that show a Word-Building grid and a game's solution: in the
// solver's dialog, the history dialog, the history browser and the
// workspace. Tiles are written in the active lexicon's language (Spanish
// CH, LL and RR as two letters).
#pragma once

#include <ctime>
#include <string>
#include <string_view>
#include <vector>

namespace qora {

// Eleven lines: the column keys, an empty line, the 8 rows of the grid and
// "  Grid created: <time text>".
std::vector<std::string> RenderGridText(std::string_view letters, std::time_t created);

// Lines joined with line ends (for a multi-line text box).
std::string JoinedLines(const std::vector<std::string>& lines);

}  // namespace qora
