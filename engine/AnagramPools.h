// A search table as the anagram matchers count it, in pools of tiles: the
// one-tile constituents with equal tests (outside bindings) share one pool,
// and each block is split into a pool for each kind of tile it holds, whose
// counts are whole copies of the block. A complete word is matched for each
// number of copies of the blocks taken an open number of times, within the
// limits that number gives each pool.
#pragma once

#include <algorithm>
#include <array>
#include <atomic>
#include <cstdint>
#include <utility>
#include <vector>

#include "engine/SearchTable.h"

namespace qora {

// The most pools a matcher keeps apart (its sets of pools are 64-bit masks);
// a table with more matches nothing.
constexpr int MaxAnagramPools = 64;

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
    bool TooMany = false;  // the table has more than MaxAnagramPools pools
};

AnagramPools PoolsOf(const SearchTable& table);

using PoolMask = std::uint64_t;  // bit p: pool p

// The pools a tile may join at a position of a word. Those whose tests have
// no position condition (presence mark, same-letter condition) are looked up
// by tile; the others are tried.
class PoolFits {
public:
    PoolFits() = default;
    explicit PoolFits(const std::vector<AnagramPool>& pools);

    // The pools that `tile` may join at `position`, `tiles` holding the word:
    // a word of `length` tiles, or with 0 a prefix, where a same-letter
    // condition on a later position holds until that position is known.
    PoolMask For(int tile, int position, const int* tiles, int length) const {
        const PoolMask plain = plainPoolsOf_[static_cast<std::size_t>(tile)];
        return conditional_.empty() ? plain : plain | ConditionalFor(tile, position, tiles, length);
    }

    // A same-letter condition names a position that may come later.
    bool LaterPositions() const { return laterPositions_; }

private:
    PoolMask ConditionalFor(int tile, int position, const int* tiles, int length) const;

    std::array<PoolMask, LetterCountSlots + 1> plainPoolsOf_{};  // by tile
    std::vector<std::pair<int, TileTest>> conditional_;          // the pools with position conditions
    bool laterPositions_ = false;
};

// By pool: the fewest or the most tiles of a word that it takes.
using PoolLimits = std::array<int, MaxAnagramPools>;

// The limits of each pool in a word of `length` tiles with these copies of
// the open blocks (the pool of a block takes the tiles of its copies, no
// more, no fewer; the maxima of the others stay as they are); false when no
// word of `length` tiles fits them.
bool LimitsWithCopies(const std::vector<AnagramPool>& pools, const std::vector<int>& copies, int length,
                      PoolLimits& min, PoolLimits& max);

namespace detail {

// Visits the copy counts of the blocks from `block` on whose tiles come to
// `left` at most, until `visit` returns false; false then.
template <typename Visit>
bool ForEachCopyCountFrom(const std::vector<AnagramBlock>& blocks, int left, std::vector<int>& copies,
                          std::size_t block, Visit& visit) {
    if (block == blocks.size()) return visit(copies);
    const AnagramBlock& b = blocks[block];
    const int size = std::max(b.Size, 1);
    const int most = std::min(b.MaxCopies, left / size);
    for (copies[block] = b.MinCopies; copies[block] <= most; ++copies[block])
        if (!ForEachCopyCountFrom(blocks, left - copies[block] * size, copies, block + 1, visit)) return false;
    return true;
}

}  // namespace detail

// Whether a word of `length` tiles matches the pools with some number of
// copies of each open block: `match(min, max, marks)` says whether it does
// within the limits of one such number, and with which blank marks then.
// `blanks` gets the preferred marks of all the ways it matches. When `stop`
// is set (Esc) the word matches no more.
template <typename Match>
bool MatchWithSomeCopies(const std::vector<AnagramPool>& pools, const std::vector<AnagramBlock>& blocks, int length,
                         BlankMarkBits& blanks, Match match, const std::atomic<bool>* stop) {
    bool found = false;
    const auto tryCopies = [&](const std::vector<int>& copies) {
        if (StopIsSet(stop)) {
            found = false;
            return false;
        }
        PoolLimits min{}, max{};
        BlankMarkBits marks = 0;
        if (!LimitsWithCopies(pools, copies, length, min, max) || !match(min, max, marks)) return true;
        if (!found || PlainEarlier(marks, blanks)) blanks = marks;
        found = true;
        return true;
    };
    std::vector<int> copies(blocks.size(), 0);
    detail::ForEachCopyCountFrom(blocks, length, copies, 0, tryCopies);
    return found;
}

}  // namespace qora
