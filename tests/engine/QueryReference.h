// The meaning of a query computed the slow and obvious way, as the reference
// that the query evaluation must agree with: every word of a list is tried
// against the parsed constituents by plain backtracking, over every way its
// tiles can be given to the constituents, with no search tables, matchings or
// state sets. Filters are not applied.
#pragma once

#include <string>
#include <vector>

#include "engine/LetterCounts.h"
#include "engine/QueryRecords.h"

namespace qora::test {

struct ReferenceContext {
    std::vector<std::string> Words;           // tile strings searched
    std::vector<std::string> Lexicon;         // the words that word-based sets are made of
    std::vector<std::string> ReferenceWords;  // the word-reference source
    std::string LetterMapping;                // '@' + tile number per tile
    LetterCounts PreviousBlankMatches{};
};

// The results of the query, each with its blank-matched tiles in lower case
// (a pair as "FIRST SECOND"), in word order.
std::vector<std::string> ReferenceResults(const ParsedCommand& command, const ReferenceContext& context);

}  // namespace qora::test
