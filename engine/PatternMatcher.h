// The pattern matcher of a search table: the words whose tiles match the
// table's constituents in order, each constituent taking its repetitions in
// a row: a one-tile constituent one tile per repetition, a block one copy of
// its tiles per repetition (in order for a word reference, in any order for
// the members of a set). It serves the tables that the ready-made pattern
// matcher of the search cannot: presence marks, same-letter conditions,
// blocks that repeat an open number of times or stand in any order, and
// bindings.
//
// The walk keeps the set of states that the tiles so far can reach. A state
// says which constituent comes next, how many of its repetitions are done,
// how far into a block copy the word is, which tiles later positions must
// hold for same-letter conditions that named them, and the tiles that the
// table's bindings took. A binding is kept only from its first constituent
// to its last, so that the ways of matching that differ only in the tiles of
// bindings done with merge into one state. A state whose bindings are free
// where another's are bound, and that is otherwise the same, goes on in
// every way the other does: the other is dropped.
//
// Bindings whose first constituents follow runs of open length can still be
// bound in very many ways (`0?0?0?(S1)(S2)(S3)`: which of the runs took
// which tiles). Where a prefix reaches more states than its limits allow, the
// walk goes on below it with the matcher of the table without its bindings
// (the fastest that serves it), which lets through more than matches, and
// each word it lets through is matched on its own from its last tile back:
// that way the tiles of the later constituents of a binding are known
// before its first ones, and the states stay few. A table whose bindings
// are bound in many ways from either end, their first and last
// constituents all after runs of open length, still costs as many states as
// ways: where a word's states come to more than WordStates, the word is
// matched by trying its ways one by one, in little memory and as long as it
// takes (Esc stops it).
//
// Blank marks follow the ready-made matcher: among the ways a word matches,
// the one that, from the last tile back, matches tiles by constituents that
// name them wherever the tiles before can still be matched. Every state
// keeps the marks of the preferred way that reaches it: two ways that reach
// one state go on alike, and the tiles still to come weigh more than those
// taken (from the last tile back) when the walk goes forward, less when the
// word is matched from its end.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "engine/MatcherStates.h"
#include "engine/SearchTable.h"

namespace qora {

// How many states the pattern matcher keeps.
struct PatternLimits {
    // The states of a prefix with the tiles of the bindings; beyond, the walk
    // leaves them aside (a table without bindings keeps them all).
    std::size_t BoundStates = 64;
    // The states of a word matched on its own, at one of its positions (tens
    // of megabytes); beyond, its ways are tried one by one.
    std::size_t WordStates = std::size_t{1} << 18;
};

class PatternMatcher final : public SearchConstraint {
public:
    // When `stop` is set (Esc), the matcher matches nothing more.
    explicit PatternMatcher(SearchTable table, const std::atomic<bool>* stop = nullptr, PatternLimits limits = {});

    // Whether the word (a tile string) matches, its marks left aside.
    bool Matches(std::string_view word);

    TileMask NextTiles(int length) override;
    bool Take(int position, int tile) override;
    void Release(int, int) override {}
    bool Accept(int length, BlankMarkBits& blanks) override;
    int TilesStillNeeded(int length) override;

private:
    // The walk goes forward (+1) through the word and the table; a word is
    // matched on its own from its end back (-1). A state's item counts the
    // constituents before the one it is in (forward) or up to it (back).
    static constexpr int Forward = 1, Back = -1;

    // A state: its item (two bytes), the repetitions of the current
    // constituent done (no more than the minimum counted when there is no
    // maximum), the tiles of its block copy taken, then by position the tile
    // that a same-letter condition asks of a later position (only when one
    // names a later position), then by slot the tile of a binding, 0 none.
    static constexpr std::size_t RepeatsAt = 2, OffsetAt = 3, PendingAt = 4;
    static int ItemOf(const std::uint8_t* state) { return state[0] | state[1] << 8; }
    static void SetItem(std::uint8_t* state, int item);
    // The constituent the state is in, -1 or the table's size when none.
    static int Current(const std::uint8_t* state, int way) {
        return way == Forward ? ItemOf(state) : ItemOf(state) - 1;
    }
    std::size_t BoundAt(const QueryItem& item) const;

    // Leaves the state's constituent for the next one (back: the one
    // before) when its minimum is done; false when it cannot.
    bool LeaveItem(std::uint8_t* state, int way) const;
    // Adds the state and those it reaches by leaving constituents.
    void AddClosed(std::uint8_t* state, BlankMarkBits marks, int way, MatcherStates& to);
    // Takes `tile` at `position` in the state; false when it cannot. With
    // `bound` false, the bindings' tiles are left aside. `known`: the tiles
    // known of the word. `blank` tells whether a blank took the tile.
    bool Step(std::uint8_t* state, int position, int tile, int way, bool bound, int known, bool& blank) const;
    bool TakeInto(std::uint8_t* state, const QueryItem& item, int position, int tile, int way, bool bound) const;
    // The states after `tile` at `position` from those of `from`; false
    // when they come to more than `most`.
    bool Advance(const MatcherStates& from, int position, int tile, int way, bool bound, int known, MatcherStates& to,
                 std::size_t most = ~std::size_t{0});
    // Whether the state, with these marks, is dominated in `states`: some of
    // its bindings' tiles are bound, and the same state with them all free
    // stands there with marks as good.
    bool Dominated(const std::uint8_t* state, BlankMarkBits marks, int way, const MatcherStates& states);
    // Drops the dominated states.
    void DropDominated(MatcherStates& states, int way);
    // Whether a state has matched every constituent, with what marks.
    bool BestMatch(const MatcherStates& states, int way, BlankMarkBits& blanks);
    // The word of `length` tiles matched from its last tile back.
    bool MatchFromEnd(int length, BlankMarkBits& blanks);
    // The same, trying the ways one by one: first whether there is one, then
    // from the last tile back whether one has a plain element there too.
    bool MatchWayByWay(int length, BlankMarkBits& blanks);
    // Whether a way goes on from `state` at the boundary after `position`
    // back to the word's start, taking a tile at each position of `fixed`
    // as `marks` says (plain or blank).
    bool WayBack(const std::uint8_t* state, int position, int length, BlankMarkBits fixed, BlankMarkBits marks);

    SearchTable items_;
    std::vector<int> neededFrom_;  // the fewest tiles that the constituents from item k on take
    std::vector<int> slotOf_;      // by binding: the slot of the states that holds its tile
    // By item: the slots of the bindings whose last (first) item it is, which
    // a state forgets when it leaves the item forward (back).
    std::vector<std::vector<std::size_t>> lastSlots_, firstSlots_;
    // Forward and back: whether a binding may pass its first item (its last,
    // back) without a tile, so that a state may hold it free where another
    // holds it bound. Only then can one state dominate another.
    std::array<bool, 2> mayStayFree_{};
    bool anyBlank_ = false;
    bool anyPending_ = false;  // a same-letter condition names a later position
    std::size_t boundAt_ = PendingAt;
    std::size_t width_ = PendingAt;
    const std::atomic<bool>* stop_;
    PatternLimits limits_;
    // The matcher of the table without its bindings, which the walk follows
    // where bound_ is false. Like every pattern matcher it keeps its states
    // by position, so it needs no release, and it takes a prefix again from
    // its first tile when the walk comes to it.
    std::unique_ptr<SearchConstraint> loose_;

    std::array<int, MaxSearchLength> tiles_{};
    std::array<TileMask, MaxSearchLength + 1> seen_{};
    std::array<MatcherStates, MaxSearchLength + 1> states_;  // after each number of tiles
    std::array<bool, MaxSearchLength + 1>
        bound_{};                              // whether they keep the bindings' tiles, else loose_ has the states
    std::array<MatcherStates, 2> wordStates_;  // of a word matched from its end
    MatcherStates kept_;                       // the states that DropDominated keeps
    // Room for the states being made, so that the steps allocate nothing;
    // two for each depth of WayBack.
    std::vector<std::uint8_t> after_, free_, ways_;
};

}  // namespace qora
