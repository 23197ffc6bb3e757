// Word-Building grids written by their columns, for the game's tests.
#pragma once

#include <string>
#include <vector>

#include "games/WordBuildingRules.h"

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

}  // namespace qora::test
