// A search table as the anagram matchers count it, in pools of tiles: the
// one-tile constituents with equal tests (outside bindings) share one pool,
// and each block is split into a pool for each kind of tile it holds, whose
// counts are whole copies of the block.
#pragma once

#include <functional>
#include <vector>

#include "engine/SearchTable.h"

namespace qora {

struct AnagramPool {
    TileTest Test;
    int Min = 0;
    int Max = 0;       // UnboundedRepeats: no limit
    int Binding = -1;  // the binding of a one-tile constituent
    int Block = -1;    // the block with an open number of copies whose tiles of one kind it takes, or -1
    int PerCopy = 0;   // its tiles in one copy of that block
};

// A block taken an open number of times.
struct AnagramBlock {
    int MinCopies = 0;
    int MaxCopies = 0;
    int Size = 0;
};

struct AnagramPools {
    std::vector<AnagramPool> Pools;
    std::vector<AnagramBlock> Blocks;
    bool TooMany = false;  // the table has more pools than were allowed
};

AnagramPools PoolsOf(const SearchTable& table, int maxPools);

// Calls `visit` with each number of copies of every open block that a word
// of `length` tiles can hold, by block.
void ForEachCopyCount(const std::vector<AnagramBlock>& blocks, int length,
                      const std::function<void(const std::vector<int>& copies)>& visit);

}  // namespace qora
