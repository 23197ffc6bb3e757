// Word-Building grids written by their columns, and word tests on a list of
// words, for the game's tests.
#pragma once

#include <set>
#include <string>
#include <vector>

#include "games/rules/WordBuildingRules.h"

namespace qora::test {

// A grid whose columns, top to bottom, are the given texts, each filled up
// with Q to 8 tiles; columns not given are all Q.
inline std::string GridOfColumns(const std::vector<std::string>& columns) {
    std::string letters(WordBuildingGridSize, 'Q');
    for (std::size_t c = 0; c < columns.size() && c < WordBuildingColumns; ++c)
        for (std::size_t r = 0; r < columns[c].size() && r < WordBuildingRows; ++r)
            letters[r * WordBuildingColumns + c] = columns[c][r];
    return letters;
}

// Word tests on a list of words (which the test may change later).
inline WordBuildingWordTests WordTestsOf(const std::set<std::string>& words) {
    return {[&words](std::string_view tiles) { return words.contains(std::string(tiles)); },
            [&words](std::string_view tiles) {
                for (const std::string& word : words)
                    if (word.starts_with(tiles)) return true;
                return false;
            }};
}

}  // namespace qora::test
