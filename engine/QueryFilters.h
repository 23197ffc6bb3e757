// The query filters: the tests a found word must pass before it joins the
// result. Words are tile strings whose blank-matched tiles are in lower case.
// No filter has side effects; every one reads only the settings it is given
// and the primary lexicon.
#pragma once

#include <cstdint>
#include <string_view>

#include "engine/LetterCounts.h"
#include "engine/QueryRecords.h"

namespace qora {

// Whether a found word of `length` tiles passes the settings' filters, in
// this order: length, word score, probability, anagram count, front hooks,
// back hooks, definition text. The length is given apart because a caller may
// count tiles its own way (the 5 x 5 grid counts QU as two).
bool PassesQueryFilters(const Settings& settings, std::string_view word, int length);

// The filters of the tiles of a result (length, score, probability), which a
// two-word result takes over both words together ...
bool PassesTileFilters(const Settings& settings, std::string_view tiles, int length);
// ... and the filters of a word (anagram count, hooks, definition), which
// each word of a two-word result must pass.
bool PassesWordFilters(const Settings& settings, std::string_view word);

// The blank filter: the blank-matched (lower-case) tiles of the result, as a
// multiset, stand in the filter's relation to its set. With the ignore-vowels
// mark and a set that names no vowel, blank-matched vowels are left out.
bool PassesBlankFilter(const Settings& settings, std::string_view tiles);

// The word-count filter: 1 for a single word, 2 for a two-word result.
bool PassesWordCountFilter(const Settings& settings, int wordCount);

// Whether multiset `a` stands in set relation `code` (1 "=", 2 "!=",
// 3 ">" a proper superset, 4 "<" a proper subset, 5 ">=", 6 "<=") to `b`,
// over the active language's tiles; an unknown code never holds.
bool SetRelationHolds(std::int32_t code, const LetterCounts& a, const LetterCounts& b);

}  // namespace qora
