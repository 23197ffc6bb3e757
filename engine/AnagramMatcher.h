// The anagram matcher of a search table: the words whose tiles can be matched
// one to one with the table's constituents, in any order. Each constituent
// takes as many tiles as its repetitions allow, each of them passing its test
// (set, presence mark, same-letter condition); a block (the members of a set
// taken all at once, a word reference) takes whole copies of its tiles.
//
// Constituents with equal tests are pooled into groups, and a word prefix is
// kept as long as its tiles can be matched into the groups without
// overfilling one (a bipartite matching, grown one tile at a time). A
// complete word must also fill every group's minimum and take whole copies of
// every block.
//
// Blank marks: among the ways a word matches, the one whose tiles are
// matched by constituents that name them (not blanks) from its first tile on,
// wherever the rest of the word can still be matched.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <vector>

#include "engine/AnagramPools.h"
#include "engine/SearchTable.h"

namespace qora {

class AnagramMatcher final : public SearchConstraint {
public:
    // When `stop` is set (Esc), the matcher matches nothing more.
    explicit AnagramMatcher(const SearchTable& table, const std::atomic<bool>* stop = nullptr);

    // The table has more than MaxAnagramPools different tile tests; it then
    // matches nothing.
    bool TooLarge() const { return tooLarge_; }

    TileMask NextTiles(int length) override;
    bool Take(int position, int tile) override;
    void Release(int, int) override {}
    bool Accept(int length, BlankMarkBits& blanks) override;
    int TilesStillNeeded(int length) override;

private:
    using GroupMask = PoolMask;

    // The group of each position of the word (-1 none) and the positions each
    // group holds.
    struct Matching {
        std::array<std::int8_t, MaxSearchLength> GroupOf{};
        std::array<std::uint8_t, MaxAnagramPools> Fill{};
    };
    using Limits = PoolLimits;

    bool Feasible(const GroupMask* edges, const Limits& min, const Limits& max, int length, Matching& matching) const;
    BlankMarkBits PreferredBlanks(const GroupMask* edges, const Limits& min, const Limits& max, int length,
                                  Matching matching) const;
    // Whether the word matches within these limits of the groups, and its
    // preferred marks then.
    bool MatchWithLimits(const GroupMask* edges, int length, const Limits& min, const Limits& max,
                         BlankMarkBits& blanks) const;

    std::vector<AnagramPool> groups_;  // the table's pools
    std::vector<AnagramBlock> blocks_;
    GroupMask blankGroups_ = 0;
    GroupMask allGroups_ = 0;
    PoolFits fits_;  // the groups that each tile may join
    Limits prefixMax_{};
    int minimumLength_ = 0;
    bool tooLarge_ = false;
    const std::atomic<bool>* stop_;

    // The walk: the tiles taken, the tiles among the first p, the groups each
    // position may join (a same-letter condition on a later position counts
    // as met until that position is known) and the matching after p tiles.
    std::array<int, MaxSearchLength> tiles_{};
    std::array<TileMask, MaxSearchLength + 1> seen_{};
    std::array<GroupMask, MaxSearchLength> edges_{};
    std::array<Matching, MaxSearchLength + 1> matchings_{};
};

}  // namespace qora
