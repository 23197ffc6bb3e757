// What the set-definition dialogs type onto the command line, free of Qt:
// a new user-defined set ("/4U=(V+)", "/6U\"both\"=(1)&(3)",
// dialogs/NewSetDialog), the label of a set ("/4U\"vowels\"=(4)",
// dialogs/LabelDialog) and the redefinition of the bag, set (B), or of the
// tile scores, set ($) ("/(B)=(9A2B...)", dialogs/BagAndScoresDialog).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "dialogs/texts/WordlistTexts.h"
#include "engine/LetterCounts.h"
#include "engine/Tiles.h"

namespace qora {

struct ParsedCommand;

// ---- New sets --------------------------------------------------------------------------

// The number a new set is defined with, and its label when it has one.
struct NewSetHead {
    std::int32_t Number = 1;
    bool Labelled = false;
    std::string Label;  // as typed, untrimmed, possibly empty
};

// "/%dU=(" or, labelled, "/%dU\"%s\"=(".
std::string NewSetPrefix(const NewSetHead& head);

// The prefix, the set's body as the set pages write it between a set's
// parentheses, and ")": "/4U=(V+)", "/2U=(CA.T)", "/9U=(!QXZ)", "/5U=(2)".
std::string NewSetCommand(const NewSetHead& head, std::string_view body);

// "/6U=(1)&(3)": the first set, the operator of the SetOperation item
// (SetOperationItem, shared with the computed wordlists), the second set.
std::string ComputedSetCommand(const NewSetHead& head, std::int32_t first, int operation, std::int32_t second);

// The union of a set with itself is no new set (the list items chosen are
// compared); an intersection or a difference of a set with itself is.
constexpr bool ComputedSetComposable(int firstItem, int operation, int secondItem) {
    return operation != UnionItem || firstItem != secondItem;
}

// The unused number as its field shows it: "%3d".
std::string UnusedSetNumberText(std::int32_t number);

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
