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
// how far into a block copy the word is, and which tiles later positions
// must hold for same-letter conditions that named them.
//
// Blank marks follow the ready-made matcher: among the ways a word matches,
// the one that, from the last tile back, matches tiles by constituents that
// name them wherever the tiles before can still be matched.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "engine/SearchTable.h"

namespace qora {

class PatternMatcher final : public SearchConstraint {
public:
    explicit PatternMatcher(SearchTable table);

    TileMask NextTiles(int length) override;
    bool Take(int position, int tile) override;
    void Release(int, int) override {}
    bool Accept(int length, BlankMarkBits& blanks) override;
    int TilesStillNeeded(int length) override;

private:
    struct State {
        std::uint8_t Item = 0;     // the constituents before it are matched
        std::uint8_t Repeats = 0;  // repetitions done (no more than the minimum is counted when there is no maximum)
        std::uint8_t Offset = 0;   // tiles of the current block copy taken
        std::array<std::uint8_t, MaxSearchLength> Pending{};  // tile a later position must hold, 0 none
        bool operator==(const State&) const = default;
    };
    using StateSet = std::vector<State>;

    void AddClosed(State state, StateSet& states) const;
    // The states after `tile` at `position` from `state`, each with whether
    // the tile was matched as a blank.
    void Step(const State& state, int position, int tile, std::vector<std::pair<State, bool>>& next) const;
    bool Accepting(const State& state) const;

    SearchTable items_;
    std::vector<int> neededFrom_;  // the fewest tiles that the constituents from item k on take
    bool anyBlank_ = false;
    std::array<int, MaxSearchLength> tiles_{};
    std::array<TileMask, MaxSearchLength + 1> seen_{};
    std::array<StateSet, MaxSearchLength + 1> states_;  // after each number of tiles
};

}  // namespace qora
