// What the set-definition dialogs type onto the command line, free of Qt:
// the label of a set ("/4U\"vowels\"=(4)", dialogs/LabelSetDialog) and the
// redefinition of the bag, set (B), or of the tile scores, set ($)
// ("/(B)=(9A2B...)", dialogs/BagAndScoresDialog).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/LetterCounts.h"
#include "engine/Tiles.h"

namespace qora {

struct ParsedCommand;

// ---- Labels --------------------------------------------------------------------------

// "/%dU\"%s\"=(%d)": set `number` redefined as a copy of itself carrying the
// label, as typed (an empty label writes two double quotes).
std::string LabelSetCommand(std::int32_t number, std::string_view label);

// ---- Set (B) and set ($) ---------------------------------------------------------------

// The set of one value per tile: the bag's tile counts or the tile scores.
enum class TileValueSet { Bag, Scores };

// The range of a value: a bag holds at least one tile of each kind, a score
// may be 0; neither goes beyond the 99 that the command takes.
int TileValueMinimum(TileValueSet set);
constexpr int TileValueMaximum = 99;

// The values a showing starts from: the set as the command line defines it
// when it does, else the tables in force; each kept within the range.
LetterCounts StartingTileValues(TileValueSet set, const ParsedCommand& line);

// The built-in values of the active language (French, Spanish or English).
LetterCounts DefaultTileValues(TileValueSet set);

// "/(B)=(" or "/($)=(", then for each tile of the active language in tile
// order its value and its text ("%d%s"), the value left out when it is 1,
// then ")". Spanish writes the double tiles of set (B) in lower case ("ch",
// "ll", "rr") and those of set ($) as capitals, except a double tile written
// right after its single tile ("L" then "LL" with no count between), which
// comes in lower case so that the two are read apart.
std::string TileValuesCommand(TileValueSet set, const LetterCounts& values);

// The typing hint of the memo that takes a page's keys when each tile has an
// up-down value (three lines).
std::vector<std::string> TileValuesTypingHint(Language language);

}  // namespace qora
