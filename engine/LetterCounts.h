// Letter counts: one count per tile of the active language, the form in which
// every letter set (set constituents, user-defined sets, filters, racks) is
// held and compared.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/Tiles.h"

namespace qora {

// Entry n - 1 counts tile n.
using LetterCounts = std::array<std::int16_t, LetterCountSlots>;

// A letter set as parsed: its counts, then what kind of set it was written as
// and that kind's argument (the kinds are the command parser's).
struct LetterCountRecord {
    LetterCounts Counts{};
    std::int32_t Kind = 0;
    std::int32_t Argument = 0;
    bool operator==(const LetterCountRecord&) const = default;
};

void ClearLetterCounts(LetterCounts& counts);
void CopyLetterCountRecord(LetterCountRecord& destination, const LetterCountRecord& source);

// Equal over the active language's 26 or 28 tiles.
bool LetterCountsEqual(const LetterCounts& a, const LetterCounts& b);

// The counts, kept by the tiles of `previous`, by the tiles of the active
// language: each count goes to the tile of the same letters; a tile the
// active language lacks (CH, LL, RR and \xD1 for English and French, K and W
// for Spanish) is dropped.
LetterCounts RetileLetterCounts(const LetterCounts& counts, Language previous);

// Number of tiles in the set (the sum of the positive counts).
int LetterCountTotal(const LetterCounts& counts);

// The tiles of a text of the active language counted, either case: A to Z in
// English and French; in Spanish its 28 tiles, "CH", "LL" and "RR" read as
// one tile each (as the command parser reads them). Nothing when a character
// is no tile of the language (a digit, a blank, an accented letter, K or W in
// Spanish).
std::optional<LetterCounts> LetterCountsOfText(std::string_view text);

// Writes a letter set as text over the active language's tiles, in tile
// order, leaving out tiles whose count is below 1.
//   mode 0: the count precedes a tile when above 1, or when the whole set is
//           exactly one tile ("1S");
//   mode 8: as mode 0, but the Spanish single C is written as capital "C";
//   mode 9: the count precedes a tile only when it is 2 or more.
// Spanish double tiles are "CH", "LL", "RR", Ñ is byte 0xD1, and the single
// tile C is a lower-case "c" (so that "cH" is never read as CH) except in
// mode 8. An empty set, or a null pointer, gives one blank.
std::string FormatLetterCounts(const LetterCounts* counts, int mode);

}  // namespace qora
