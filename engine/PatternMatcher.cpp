#include "engine/PatternMatcher.h"

#include <algorithm>
#include <bit>

namespace qora {

namespace {

// Repetitions done after one more: with no maximum, counting stops at the
// minimum, which keeps the states few.
std::uint8_t NextRepeats(const QueryItem& item, int done) {
    const int next = done + 1;
    return static_cast<std::uint8_t>(item.MaxRepeats == UnboundedRepeats ? std::min(next, item.MinRepeats) : next);
}

int CountOf(std::string_view tiles, int tile) {
    return static_cast<int>(std::count(tiles.begin(), tiles.end(), static_cast<char>(TileBase + tile)));
}

template <typename T>
void AddOnce(std::vector<T>& set, const T& value) {
    if (std::find(set.begin(), set.end(), value) == set.end()) set.push_back(value);
}

// The slot of the states that holds each binding's tile, and the item where
// each binding ends: two bindings share a slot when the items of one all
// come after those of the other. Returns the number of slots.
int AssignSlots(const SearchTable& table, std::vector<int>& slotOf, std::vector<std::size_t>& lastOf) {
    const std::size_t bindings = static_cast<std::size_t>(BindingCount(table));
    std::vector<std::size_t> first(bindings, table.size());
    lastOf.assign(bindings, 0);
    for (std::size_t k = 0; k < table.size(); ++k) {
        if (table[k].Binding < 0) continue;
        const std::size_t binding = static_cast<std::size_t>(table[k].Binding);
        first[binding] = std::min(first[binding], k);
        lastOf[binding] = k;
    }
    std::vector<std::size_t> byFirst(bindings);
    for (std::size_t b = 0; b < bindings; ++b) byFirst[b] = b;
    std::sort(byFirst.begin(), byFirst.end(), [&](std::size_t a, std::size_t b) { return first[a] < first[b]; });
    std::vector<std::size_t> freeAfter;  // by slot: the last item of the binding that holds it
    slotOf.assign(bindings, -1);
    for (const std::size_t binding : byFirst) {
        if (first[binding] == table.size()) continue;
        std::size_t slot = 0;
        while (slot < freeAfter.size() && freeAfter[slot] >= first[binding]) ++slot;
        if (slot == freeAfter.size()) freeAfter.push_back(0);
        freeAfter[slot] = lastOf[binding];
        slotOf[binding] = static_cast<int>(slot);
    }
    return static_cast<int>(freeAfter.size());
}

}  // namespace

bool PatternMatcher::HoldsBindings(const SearchTable& table) {
    std::vector<int> slotOf;
    std::vector<std::size_t> lastOf;
    return AssignSlots(table, slotOf, lastOf) <= MaxLiveBindings;
}

PatternMatcher::PatternMatcher(SearchTable table)
    : items_(std::move(table)), neededFrom_(items_.size() + 1, 0), lastOf_(items_.size(), 0) {
    for (std::size_t k = items_.size(); k-- > 0;)
        neededFrom_[k] = neededFrom_[k + 1] + items_[k].MinRepeats * items_[k].Size();
    anyBlank_ = HasBlanks(items_);
    std::vector<std::size_t> lastItem;
    AssignSlots(items_, slotOf_, lastItem);
    for (std::size_t binding = 0; binding < slotOf_.size(); ++binding)
        if (slotOf_[binding] >= 0) lastOf_[lastItem[binding]] |= std::uint32_t{1} << slotOf_[binding];
    AddClosed(State{}, states_[0]);
}

void PatternMatcher::AddClosed(State state, StateSet& states) const {
    // A constituent whose minimum is done may be left for the next one.
    for (;;) {
        if (std::find(states.begin(), states.end(), state) != states.end()) return;
        states.push_back(state);
        if (state.Item >= items_.size()) return;
        const QueryItem& item = items_[state.Item];
        if (state.Offset != 0 || state.Repeats < item.MinRepeats) return;
        // The tiles of the bindings that end here matter no more.
        for (std::uint32_t done = lastOf_[state.Item]; done != 0; done &= done - 1)
            state.Bound[static_cast<std::size_t>(std::countr_zero(done))] = 0;
        state.Item = static_cast<std::uint16_t>(state.Item + 1);
        state.Repeats = 0;
    }
}

std::size_t PatternMatcher::SlotOf(const QueryItem& item) const {
    return static_cast<std::size_t>(slotOf_[static_cast<std::size_t>(item.Binding)]);
}

bool PatternMatcher::Accepting(const State& state) const {
    return state.Item == items_.size() &&
           std::all_of(state.Pending.begin(), state.Pending.end(), [](std::uint8_t tile) { return tile == 0; });
}

void PatternMatcher::Step(const State& state, int position, int tile, std::vector<std::pair<State, bool>>& next) const {
    next.clear();
    const int pending = state.Pending[static_cast<std::size_t>(position)];
    if (state.Item >= items_.size() || (pending != 0 && pending != tile)) return;
    const QueryItem& item = items_[state.Item];
    State after = state;
    after.Pending[static_cast<std::size_t>(position)] = 0;
    if (!item.IsBlock()) {
        if (state.Repeats >= item.MaxRepeats) return;
        const TileFit fit = FitTile(item.Test, tile, position, tiles_.data(), position + 1);
        if (fit == TileFit::No) return;
        if (fit == TileFit::NotKnownYet) {
            std::uint8_t& named = after.Pending[static_cast<std::size_t>(item.Test.SameLetter - 1)];
            if (named != 0 && named != tile) return;
            named = static_cast<std::uint8_t>(tile);
        }
        if (item.Binding >= 0) {
            std::uint8_t& bound = after.Bound[SlotOf(item)];
            if (bound != 0 && bound != tile) return;
            bound = static_cast<std::uint8_t>(tile);
        }
        after.Repeats = NextRepeats(item, state.Repeats);
        next.push_back({after, item.Test.Blank});
        return;
    }
    if (state.Offset == 0 && state.Repeats >= item.MaxRepeats) return;
    if (item.InOrder) {
        if (item.Block[state.Offset] != static_cast<char>(TileBase + tile)) return;
    } else {
        int taken = 0;
        for (int p = position - state.Offset; p < position; ++p) taken += tiles_[static_cast<std::size_t>(p)] == tile;
        if (CountOf(item.Block, tile) <= taken) return;
    }
    if (++after.Offset == item.Size()) {
        after.Offset = 0;
        after.Repeats = NextRepeats(item, state.Repeats);
    }
    next.push_back({after, false});
}

TileMask PatternMatcher::NextTiles(int length) {
    if (length >= MaxSearchLength) return 0;
    TileMask tiles = 0;
    for (const State& state : states_[length]) {
        if (state.Item >= items_.size()) continue;
        const QueryItem& item = items_[state.Item];
        TileMask allowed = 0;
        if (!item.IsBlock()) {
            if (state.Repeats < item.MaxRepeats)
                allowed = TilesAllowed(item.Test, length, tiles_.data(), seen_[length]);
            if (item.Binding >= 0 && state.Bound[SlotOf(item)] != 0) allowed &= TileBit(state.Bound[SlotOf(item)]);
        } else if (state.Offset != 0 || state.Repeats < item.MaxRepeats) {
            if (item.InOrder)
                allowed = TileBit(item.Block[state.Offset] - TileBase);
            else
                for (unsigned char c : item.Block) allowed |= TileBit(c - TileBase);
        }
        if (const int pending = state.Pending[static_cast<std::size_t>(length)]; pending != 0)
            allowed &= TileBit(pending);
        tiles |= allowed;
    }
    return tiles;
}

bool PatternMatcher::Take(int position, int tile) {
    if (position >= MaxSearchLength) return false;
    tiles_[position] = tile;
    seen_[position + 1] = seen_[position] | TileBit(tile);
    StateSet& next = states_[position + 1];
    next.clear();
    std::vector<std::pair<State, bool>> steps;
    for (const State& state : states_[position]) {
        Step(state, position, tile, steps);
        for (const auto& [after, blank] : steps) AddClosed(after, next);
    }
    return !next.empty();
}

bool PatternMatcher::Matches(std::string_view word) {
    if (word.size() > static_cast<std::size_t>(MaxSearchLength)) return false;
    for (std::size_t position = 0; position < word.size(); ++position)
        if (!Take(static_cast<int>(position), TileNumberOf(static_cast<unsigned char>(word[position])))) return false;
    const StateSet& reached = states_[word.size()];
    return std::any_of(reached.begin(), reached.end(), [&](const State& state) { return Accepting(state); });
}

int PatternMatcher::TilesStillNeeded(int length) {
    int needed = MaxSearchLength + 1;
    for (const State& state : states_[length]) {
        if (state.Item >= items_.size()) return 0;
        const QueryItem& item = items_[state.Item];
        const int repeatsLeft = std::max(item.MinRepeats - state.Repeats, 0);
        const int here = state.Offset > 0 ? item.Size() - state.Offset + std::max(repeatsLeft - 1, 0) * item.Size()
                                          : repeatsLeft * item.Size();
        needed = std::min(needed, here + neededFrom_[state.Item + 1u]);
    }
    return needed;
}

bool PatternMatcher::Accept(int length, BlankMarkBits& blanks) {
    StateSet reached;
    for (const State& state : states_[length])
        if (Accepting(state)) reached.push_back(state);
    if (reached.empty()) return false;
    blanks = 0;
    if (!anyBlank_) return true;
    // From the last tile back: keep the states from which a tile matched by
    // a named constituent leads on to the states kept for the next position,
    // and only when there are none, the states that lead on by a blank.
    std::vector<std::pair<State, bool>> steps;
    StateSet closure;
    for (int position = length - 1; position >= 0; --position) {
        StateSet named, blank;
        for (const State& state : states_[static_cast<std::size_t>(position)]) {
            Step(state, position, tiles_[static_cast<std::size_t>(position)], steps);
            for (const auto& [after, byBlank] : steps) {
                closure.clear();
                AddClosed(after, closure);
                const bool leadsOn = std::any_of(closure.begin(), closure.end(), [&](const State& s) {
                    return std::find(reached.begin(), reached.end(), s) != reached.end();
                });
                if (leadsOn) AddOnce(byBlank ? blank : named, state);
            }
        }
        if (named.empty()) blanks |= BlankMarkBits{1} << position;
        reached = named.empty() ? std::move(blank) : std::move(named);
    }
    return true;
}

}  // namespace qora
