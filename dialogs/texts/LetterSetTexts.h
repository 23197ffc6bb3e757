// The letter sets that the set pages of the query-constituent and new-set
// dialogs compose, free of Qt: the set bodies (the text between a set's
// parentheses), the rules that enable each page's OK button, and the
// language-dependent captions of the pages.
//
// A body is the command language's own: "V", "V+", "C", "C-", "A", "B", "="
// for the built-in sets; "$" or "#" and a relation for the score- and
// count-based sets; tiles with one "." or one "?" for the word-based sets;
// counts and tiles for a specified set; tiles for an all-but set (after its
// "!"). Spanish tiles are written so that the parser reads them back as the
// tiles chosen: the single C as "c" (never joined to a following H), and a
// single L or R just before LL or RR in lower case.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "dialogs/texts/FilterText.h"
#include "engine/LetterCounts.h"
#include "engine/Tiles.h"
#include "platform/FieldNumber.h"

namespace qora {

// ---- Built-in, score- and count-based sets ----------------------------------------

// The radio buttons of the built-in page, in their order.
enum BuiltInSetChoice : int {
    VowelsChoice,
    VowelsPlusYChoice,
    ConsonantsChoice,
    ConsonantsLessYChoice,
    AllLettersChoice,
    BagOfLettersChoice,
    BlankMatchesChoice,
    ScoreBasedChoice,
    CountBasedChoice,
    BuiltInSetChoiceCount
};

// "V", "V+", "C", "C-", "A", "B", "="; "" for the score- and count-based
// choices, whose body is a relation.
const char* BuiltInSetBody(int choice);

// The eight relation items (x - y, x < y, <, <=, !=, =, >=, >) as the score
// and count lists show them; they are the numeric relation items of
// dialogs/FilterText.
const std::vector<std::string>& ScoreRelationItems();
const std::vector<std::string>& CountRelationItems();

// A relation list that shows no item counts as ">=": its rule and its text
// are those of item 6.
constexpr int RelationOrAtLeast(int item) {
    return item < 0 || item >= NumericRelationItemCount ? NumericAtLeastItem : item;
}

// "$" (score) or "#" (count) and the relation: "$3-5", "#<=2", "#9".
std::string ScoreOrCountBody(bool score, int item, std::int64_t x, std::int64_t y);

// Whether a score- or count-based set with this relation and these values
// can be written: "x - y" needs both values with x <= y, "x < y" both with
// x < y, "<" x > 0, "<=" x >= 2, "!=" nothing, "=" and ">=" x <= maximum,
// ">" x < maximum (maximum: MaxTileScore or MaxTileCount).
bool RelationSetComposable(int item, const FieldNumber& x, const FieldNumber& y, std::int32_t maximum);

// The value fields hold at most nine digits.
constexpr std::int64_t SetValueMaximum = 999999999;

// ---- Word-based sets ---------------------------------------------------------------

// A letter of a tile of the active language, in either case (Spanish: no K
// or W, and Ñ).
bool IsTileLetter(unsigned char c);

// Whether the text, without blanks at both ends, makes a word-based set:
// tiles of the active language and exactly one "." (pattern), or tiles only
// (anagram), at least two characters.
bool WordBasedComposable(std::string_view text, bool pattern);

// The body: the text without blanks at both ends, with the "?" that marks
// the anagram set after its tiles ("AB.DE", "AEINST?").
std::string WordBasedBody(std::string_view text, bool pattern);

// ---- Specified and all-but sets ----------------------------------------------------

// The tiles of a specified set in tile order: a count of 1 writes the tile,
// more the count and the tile; a set of exactly one tile is written "1" and
// the tile ("A2EI", "1A"). Empty when no count is above 0.
std::string SpecifiedSetTiles(const LetterCounts& counts);

// The tiles left out of an all-but set (those marked above 0), in tile order.
std::string AllButSetTiles(const LetterCounts& leftOut);

// Whether any tile of the active language is counted; whether every one is.
bool AnyTileCounted(const LetterCounts& counts);
bool EveryTileCounted(const LetterCounts& counts);

// ---- User-defined sets ------------------------------------------------------------

// The set number of a line listing a user-defined set: the first decimal
// number after the blanks at its start (" 12 vowels: AEIOU", "set 3 ...").
std::optional<std::int32_t> SetNumberOfLine(std::string_view line);

// ---- Captions by language ---------------------------------------------------------

// "Letters" or, for Spanish, "Tiles", as the set pages' captions say.
const char* LettersWord(Language language);

struct SetPageCaptions {
    std::string BagOfLetters;           // "Bag of Letters (98 of them)": the language's own bag
    std::string BlankMatches;           // "Letters matched by the blank in the previous query"
    std::string ScoreBasedSet;          // "Score-based Letters - score is"
    std::string CountBasedSet;          // "Count-based Letters - count is"
    std::string WordBasedPatternLabel;  // what a pattern-based set is
    std::string WordBasedAnagramButton;
    std::string WordBasedAnagramLabel;
};
SetPageCaptions SetPageCaptionsOf(Language language);

// The typing hint of an all-but page.
std::vector<std::string> AllButSetHomeLines(Language language);

}  // namespace qora
