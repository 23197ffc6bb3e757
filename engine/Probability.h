// How many ways a rack can be drawn from a bag: the count behind the word
// probabilities of the probability filter and the probability editor.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "engine/LetterCounts.h"

namespace qora {

// The number of ways to draw the `wanted` tiles from a bag that holds
// `distribution` (entry n - 1 for tile n; a bag table or letter counts):
// the product, over every tile wanted k > 0 times, of C(n, k), n being that
// tile's count in the bag. Blanks are one more kind of tile: with
// `wantedBlanks` above 0 the factor C(`blanksInBag`, `wantedBlanks`) joins the
// product. 0 when no tile is wanted, or when the bag has too few of one.
// Nothing when the count does not fit in a signed 32-bit number.
std::optional<std::int32_t> CountRackDraws(const LetterCounts& wanted, std::span<const std::int16_t> distribution,
                                           int wantedBlanks = 0, int blanksInBag = 0);

// The number of ways to draw the tiles of a word (a tile string of the active
// language, either case; bytes that are no tile are left out) from
// `distribution`, exactly in 64 bits: the measure of how probable a word is,
// by which words are sorted and annotated. Nothing when it does not fit.
std::optional<std::int64_t> WordDrawCount(std::string_view word, std::span<const std::int16_t> distribution);

}  // namespace qora
