// The anagram matcher of a search table with bindings: the words whose tiles
// can be given one to one to the table's constituents, each taking as many
// as its repetitions allow, the constituents of one binding all one and the
// same tile. Its work grows with the words and the table, not with the ways
// of binding the bindings to tiles, as a walk for each way would.
//
// The walk keeps the set of states that a prefix can reach, counting the
// tiles that the constituents outside bindings hold (with no maximum, up to
// the minimum only) and the tile each binding is bound to, where it first
// took one; a binding's constituents are taken to have room for any number of
// tiles. That lets through every prefix of a match and more, and leaves the
// graph where a prefix has more kinds of tiles than the bindings and the
// other constituents can hold. With a wild card outside the bindings every
// prefix can go on, and the walk keeps no states.
//
// A complete word is matched kind by kind (all its A's, then all its B's, ...)
// so that a binding is unbound before its tiles, open while its kind is given
// out, and closed after: the closed ones are all alike, and the states stay
// few. Bindings of equal constituents are interchangeable and kept in one
// order, and equal states merge.
//
// Blank marks: among the ways the word matches, the one whose tiles are
// matched by constituents that name them from its first tile on. Two ways
// that reach one state can go on in the same ways, which mark the tiles still
// to come alike, so each state keeps the marks preferred so far.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <vector>

#include "engine/AnagramPools.h"
#include "engine/MatcherStates.h"
#include "engine/SearchTable.h"

namespace qora {

class BoundAnagramMatcher final : public SearchConstraint {
public:
    // When `stop` is set (Esc), the matcher matches nothing more.
    explicit BoundAnagramMatcher(const SearchTable& table, const std::atomic<bool>* stop = nullptr);

    // The table has more than MaxAnagramPools constituents kept apart (a
    // block counts one for each of its kinds); it then matches nothing.
    bool TooLarge() const { return tooLarge_; }

    TileMask NextTiles(int length) override;
    bool Take(int position, int tile) override;
    void Release(int, int) override {}
    bool Accept(int length, BlankMarkBits& blanks) override;
    int TilesStillNeeded(int length) override;

private:
    using ItemMask = PoolMask;
    using State = std::vector<std::uint8_t>;

    // Bindings of equal constituents, and where the part of each begins in a
    // state of the walk (its tile) and of a word (its stage, then its items'
    // counts).
    struct Alike {
        TileMask Bindable = 0;  // the tiles they may be bound to
        std::vector<std::size_t> Bindings;
        std::vector<std::size_t> WalkStarts;
        std::vector<std::size_t> WordStarts;
        std::size_t WordSize = 0;
    };
    enum Stage : std::uint8_t { Unbound, Open, Closed };

    // Where the counts, tiles and stages stand in the states, and the groups
    // of alike bindings.
    void Lay(int bindings);
    // Puts the parts of alike bindings in order, in a state of the walk or
    // of a word.
    void Arrange(std::uint8_t* state, bool word) const;
    // Puts the part of a binding that grew back in order among the alike
    // ones (a part only grows: a count, a stage, a tile bound).
    void Raise(std::uint8_t* state, std::size_t binding, bool word) const;

    // The walk.
    void StepPrefix(const MatcherStates& from, int position, int tile, MatcherStates& to);
    int StillNeeded(const std::uint8_t* state) const;

    // The complete word.
    bool MatchWithLimits(int length, const PoolLimits& min, const PoolLimits& max, BlankMarkBits& blanks);
    // Closes the open bindings when the tiles of a kind are done; false when
    // one of them holds too few.
    bool CloseBindings(std::uint8_t* state, const PoolLimits& min) const;
    // Whether the part of a binding in a state of a word is that of the alike
    // binding before it: a tile given to either leads to the same state.
    bool AsBefore(const std::uint8_t* state, std::size_t binding) const;
    // Whether every item holds its fewest tiles when the word is done.
    bool Complete(std::uint8_t* state, const PoolLimits& min) const;

    std::vector<AnagramPool> items_;
    std::vector<AnagramBlock> blocks_;
    PoolFits fits_;                          // the items that each tile may join
    ItemMask unboundItems_ = 0;              // the items outside bindings
    std::vector<ItemMask> itemsOf_;          // by binding: its items
    std::vector<std::size_t> countSlot_;     // by item outside bindings: where its count stands
    std::vector<std::size_t> walkSlot_;      // by binding: where its tile stands in a state of the walk
    std::vector<std::size_t> stageSlot_;     // by binding: where its stage stands in a state of a word
    std::vector<std::size_t> wordSlot_;      // by item: where its count stands in a state of a word
    std::vector<Alike> alike_;               // every binding in one group
    std::vector<std::size_t> alikeBefore_;   // by binding: the alike one before it (itself for the first)
    std::vector<std::size_t> groupOf_;       // by binding: its group of alike ones
    std::vector<std::size_t> placeInGroup_;  // by binding: its place in that group
    std::size_t walkSize_ = 0;
    std::size_t wordSize_ = 0;
    int minimumLength_ = 0;
    // A wild card outside the bindings lets every prefix go on: the walk
    // then keeps no states.
    bool anyPrefix_ = false;
    bool tooLarge_ = false;
    const std::atomic<bool>* stop_;

    std::array<int, MaxSearchLength> tiles_{};
    std::array<TileMask, MaxSearchLength + 1> seen_{};
    std::array<MatcherStates, MaxSearchLength + 1> states_;  // of the walk, after each number of tiles
    std::array<MatcherStates, 2> wordStates_;                // of a word, before and after a tile
    // Room for the states being made, so that the steps allocate nothing.
    State walkAfter_;  // a state of the walk
    State wordState_;  // a state of a word and the one a tile leads to
    State wordAfter_;
};

}  // namespace qora
