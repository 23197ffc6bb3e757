// The pattern matcher of a search table: the words whose tiles match the
// table's constituents in order, each constituent taking its repetitions in
// a row: a one-tile constituent one tile per repetition, a block one copy of
// its tiles per repetition (in order for a word reference, in any order for
// the members of a set). It serves the tables that the ready-made pattern
// matcher of the search cannot: presence marks, same-letter conditions,
// blocks that repeat an open number of times or stand in any order.
//
// The walk keeps the set of states that the tiles so far can reach. A state
// says which constituent comes next, how many of its repetitions are done,
// how far into a block copy the word is, which tiles later positions must
// hold for same-letter conditions that named them, and the tiles that the
// table's bindings took. A binding is kept only from its first constituent
// to its last, so that the ways of matching that differ only in the tiles of
// bindings done with merge into one state: the states stay few however many
// bindings the table has.
//
// Blank marks follow the ready-made matcher: among the ways a word matches,
// the one that, from the last tile back, matches tiles by constituents that
// name them wherever the tiles before can still be matched.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "engine/SearchTable.h"

namespace qora {

class PatternMatcher final : public SearchConstraint {
public:
    // The most bindings that a table may hold at one constituent.
    static constexpr int MaxLiveBindings = 16;

    explicit PatternMatcher(SearchTable table);

    // Whether the matcher serves a table with these bindings: no more than
    // MaxLiveBindings are held at any constituent.
    static bool HoldsBindings(const SearchTable& table);

    // Whether the word (a tile string) matches, its marks left aside.
    bool Matches(std::string_view word);

    TileMask NextTiles(int length) override;
    bool Take(int position, int tile) override;
    void Release(int, int) override {}
    bool Accept(int length, BlankMarkBits& blanks) override;
    int TilesStillNeeded(int length) override;

private:
    struct State {
        std::uint16_t Item = 0;    // the constituents before it are matched (a line holds a thousand at most)
        std::uint8_t Repeats = 0;  // repetitions done (no more than the minimum is counted when there is no maximum)
        std::uint8_t Offset = 0;   // tiles of the current block copy taken
        std::array<std::uint8_t, MaxSearchLength> Pending{};  // tile a later position must hold, 0 none
        std::array<std::uint8_t, MaxLiveBindings> Bound{};    // the tile of each binding slot, 0 none yet
        bool operator==(const State&) const = default;
    };
    using StateSet = std::vector<State>;

    void AddClosed(State state, StateSet& states) const;
    // The states after `tile` at `position` from `state`, each with whether
    // the tile was matched as a blank.
    void Step(const State& state, int position, int tile, std::vector<std::pair<State, bool>>& next) const;
    bool Accepting(const State& state) const;
    // The slot of the states that holds the tile of the item's binding.
    std::size_t SlotOf(const QueryItem& item) const;

    SearchTable items_;
    std::vector<int> neededFrom_;        // the fewest tiles that the constituents from item k on take
    std::vector<int> slotOf_;            // by binding: the slot of the states that holds its tile
    std::vector<std::uint32_t> lastOf_;  // by item: the slots of the bindings whose last item it is
    bool anyBlank_ = false;
    std::array<int, MaxSearchLength> tiles_{};
    std::array<TileMask, MaxSearchLength + 1> seen_{};
    std::array<StateSet, MaxSearchLength + 1> states_;  // after each number of tiles
};

}  // namespace qora
