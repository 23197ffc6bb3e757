// Canonical orderings: the order in which the tiles of a random rack ("/.")
// or the letters of an output word ("/;") are written. An ordering is display
// text: every tile of the language once (either case; Spanish double tiles as
// two letters of one case), separators (blanks and "+"), and in a random-rack
// ordering one "?" for the blank tile.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/Tiles.h"

namespace qora {

// The most separators (blanks and "+") an ordering may hold.
constexpr int MaxOrderingSeparators = 4;

// What makes a typed ordering unusable; the first fault found, scanning from
// the start, is the one reported.
enum class OrderingFault {
    None,
    BadCharacter,       // no tile of the language, no separator, no "?"
    LetterTwice,        // a tile named again
    BlankTwice,         // a second "?" in a random-rack ordering
    BlankNotAllowed,    // "?" in a word-output ordering
    TooManySeparators,  // the fifth separator
    MissingLetter,      // after the scan: a tile of the language not named
    MissingBlank,       // after the scan: a random-rack ordering without "?"
};

struct OrderingCheck {
    OrderingFault Fault = OrderingFault::None;
    std::size_t Offset = 0;  // the character at fault; the text's length for the two faults found at its end
};

// Checks an ordering typed as display text of the active language: every
// tile once (English and French letters in either case; Spanish tiles read
// as TileCodeOfChar reads them, so "ch" is one tile and "cH" two), at most
// MaxOrderingSeparators separators, and "?" exactly once in a random-rack
// ordering and never in a word-output ordering.
OrderingCheck CheckOrdering(std::string_view text, bool randomRack);

// Arranges `tiles` (tile bytes of the active language in either case, and
// "?" for blank tiles) in the order of `ordering`, writing the ordering's
// separators where they stand. Tiles that the ordering does not name follow
// at the end in their own order. An empty ordering leaves the tiles as they
// are.
std::string ArrangeInOrdering(std::string_view tiles, std::string_view ordering);

// The word's letters in the word-output `ordering`, the ordering's
// separators in place, in the form of the word: a tile string (Spanish CH,
// LL, RR and Ñ single tiles; blank-matched, lower-case tiles stay lower case)
// or, with `plainLetters`, display text whose every character is arranged as
// a letter of its own (a Spanish C and H apart).
std::string ArrangeInCanonicalOrder(std::string_view word, std::string_view ordering, bool plainLetters);

// The place of each tile in an ordering, indexed by tile number (1 to 28,
// and BlankTileCode for "?"): the tiles it names from 0 on in its order, then
// the tiles it does not name in tile-number order. An empty ordering gives
// tile-number order. Comparing words by the ranks of their tiles compares
// them in canonical order.
using OrderingRanks = std::array<std::uint8_t, BlankTileCode + 1>;
OrderingRanks RanksInOrdering(std::string_view ordering);

}  // namespace qora
