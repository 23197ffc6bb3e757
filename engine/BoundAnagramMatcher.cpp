#include "engine/BoundAnagramMatcher.h"

#include <algorithm>
#include <bit>
#include <map>
#include <numeric>
#include <tuple>
#include <utility>

namespace qora {

namespace {

bool Unbounded(int max) { return max >= UnboundedRepeats; }

// The count an item keeps after one more tile: with no maximum, counting
// stops at the minimum, which keeps the states few.
std::uint8_t OneMore(int held, int min, int max) {
    return static_cast<std::uint8_t>(Unbounded(max) ? std::min(held + 1, std::max(held, min)) : held + 1);
}

bool HasRoom(int held, int max) { return Unbounded(max) || held < max; }

bool Less(const std::uint8_t* a, const std::uint8_t* b, std::size_t size) {
    for (std::size_t k = 0; k < size; ++k)
        if (a[k] != b[k]) return a[k] < b[k];
    return false;
}

}  // namespace

// ---- The table ----------------------------------------------------------------------

BoundAnagramMatcher::BoundAnagramMatcher(const SearchTable& table, const std::atomic<bool>* stop) : stop_(stop) {
    AnagramPools pools = PoolsOf(table);
    tooLarge_ = pools.TooMany;
    items_ = std::move(pools.Pools);
    blocks_ = std::move(pools.Blocks);
    fits_ = PoolFits(items_);
    Lay(BindingCount(table));
    walkAfter_.assign(walkSize_, 0);
    wordState_.assign(wordSize_, 0);
    wordAfter_.assign(wordSize_, 0);
    anyPrefix_ = HasFreeWildCard(table);
    minimumLength_ = MinimumLength(table);
    states_[0].Reset(walkSize_, PlainEarlier);
    const State start(walkSize_, 0);
    states_[0].Add(start.data());
}

void BoundAnagramMatcher::Lay(int bindings) {
    countSlot_.assign(items_.size(), 0);
    wordSlot_.assign(items_.size(), 0);
    std::size_t counts = 0;
    for (std::size_t i = 0; i < items_.size(); ++i) {
        if (items_[i].Binding >= 0) continue;
        countSlot_[i] = wordSlot_[i] = counts++;
        unboundItems_ |= ItemMask{1} << i;
    }
    walkSize_ = wordSize_ = counts;
    using Shape = std::vector<std::tuple<TileMask, bool, char, int, int, int>>;
    std::map<Shape, std::size_t> groups;
    itemsOf_.assign(static_cast<std::size_t>(bindings), 0);
    for (std::size_t binding = 0; binding < itemsOf_.size(); ++binding) {
        walkSlot_.push_back(walkSize_++);
        stageSlot_.push_back(wordSize_++);
        Shape shape;
        TileMask bindable = AllTilesMask(ActiveTileCount());
        for (std::size_t i = 0; i < items_.size(); ++i) {
            const AnagramPool& item = items_[i];
            if (item.Binding != static_cast<int>(binding)) continue;
            itemsOf_[binding] |= ItemMask{1} << i;
            wordSlot_[i] = wordSize_++;
            bindable &= item.Test.Tiles;
            shape.emplace_back(item.Test.Tiles, item.Test.Blank, item.Test.Presence, item.Test.SameLetter, item.Min,
                               item.Max);
        }
        const auto [group, added] = groups.try_emplace(shape, alike_.size());
        if (added) alike_.push_back({bindable, {}, {}, {}, shape.size() + 1});
        Alike& alike = alike_[group->second];
        alikeBefore_.push_back(alike.Bindings.empty() ? binding : alike.Bindings.back());
        groupOf_.push_back(group->second);
        placeInGroup_.push_back(alike.Bindings.size());
        alike.Bindings.push_back(binding);
        alike.WalkStarts.push_back(walkSlot_.back());
        alike.WordStarts.push_back(stageSlot_.back());
    }
    walkSize_ = StateWidth(walkSize_);
    wordSize_ = StateWidth(wordSize_);
}

void BoundAnagramMatcher::Raise(std::uint8_t* state, std::size_t binding, bool word) const {
    const Alike& alike = alike_[groupOf_[binding]];
    const std::vector<std::size_t>& starts = word ? alike.WordStarts : alike.WalkStarts;
    const std::size_t size = word ? alike.WordSize : 1;
    for (std::size_t k = placeInGroup_[binding];
         k + 1 < starts.size() && Less(state + starts[k + 1], state + starts[k], size); ++k)
        std::swap_ranges(state + starts[k], state + starts[k] + size, state + starts[k + 1]);
}

void BoundAnagramMatcher::Arrange(std::uint8_t* state, bool word) const {
    for (const Alike& alike : alike_) {
        const std::vector<std::size_t>& starts = word ? alike.WordStarts : alike.WalkStarts;
        const std::size_t size = word ? alike.WordSize : 1;
        for (std::size_t a = 1; a < starts.size(); ++a)
            for (std::size_t b = a; b > 0 && Less(state + starts[b], state + starts[b - 1], size); --b)
                std::swap_ranges(state + starts[b], state + starts[b] + size, state + starts[b - 1]);
    }
}

// ---- The walk -------------------------------------------------------------------------

void BoundAnagramMatcher::StepPrefix(const MatcherStates& from, int position, int tile, MatcherStates& to) {
    to.Reset(walkSize_, PlainEarlier);
    const ItemMask items = fits_.For(tile, position, tiles_.data(), 0);
    State& after = walkAfter_;
    for (std::size_t n = 0; n < from.Count(); ++n) {
        const std::uint8_t* state = from.At(n);
        for (ItemMask free = items & unboundItems_; free != 0; free &= free - 1) {
            const std::size_t i = static_cast<std::size_t>(std::countr_zero(free));
            const AnagramPool& item = items_[i];
            const int held = state[countSlot_[i]];
            if (!HasRoom(held, item.Max)) continue;
            CopyBytes(after.data(), state, walkSize_);
            after[countSlot_[i]] = OneMore(held, item.Min, item.Max);
            to.Add(after.data());
        }
        bool taken = false;  // by a binding bound to the tile: the state goes on as it is
        for (const Alike& alike : alike_) {
            if ((alike.Bindable & TileBit(tile)) == 0) continue;
            bool unboundTried = false;  // the unbound ones are interchangeable
            for (std::size_t k = 0; k < alike.Bindings.size(); ++k) {
                const int bound = state[alike.WalkStarts[k]];
                if ((items & itemsOf_[alike.Bindings[k]]) == 0 || (bound != 0 && bound != tile)) continue;
                if (bound == tile) {
                    taken = true;
                } else if (!unboundTried) {
                    unboundTried = true;
                    CopyBytes(after.data(), state, walkSize_);
                    after[alike.WalkStarts[k]] = static_cast<std::uint8_t>(tile);
                    Raise(after.data(), alike.Bindings[k], false);
                    to.Add(after.data());
                }
            }
        }
        if (taken) to.Add(state);
    }
}

int BoundAnagramMatcher::StillNeeded(const std::uint8_t* state) const {
    int needed = 0;
    for (std::size_t i = 0; i < items_.size(); ++i) {
        const AnagramPool& item = items_[i];
        if (item.Binding < 0)
            needed += std::max(item.Min - state[countSlot_[i]], 0);
        else if (state[walkSlot_[static_cast<std::size_t>(item.Binding)]] == 0)
            needed += item.Min;
    }
    return needed;
}

TileMask BoundAnagramMatcher::NextTiles(int length) {
    if (length >= MaxSearchLength || tooLarge_) return 0;
    if (anyPrefix_) return AllTilesMask(ActiveTileCount());
    const std::size_t at = static_cast<std::size_t>(length);
    std::array<TileMask, MaxAnagramPools> allowed{};
    for (std::size_t i = 0; i < items_.size(); ++i)
        allowed[i] = TilesAllowed(items_[i].Test, length, tiles_.data(), seen_[at]);
    std::array<TileMask, MaxAnagramPools> ofBinding{};
    for (std::size_t binding = 0; binding < itemsOf_.size(); ++binding)
        for (ItemMask items = itemsOf_[binding]; items != 0; items &= items - 1)
            ofBinding[binding] |= allowed[static_cast<std::size_t>(std::countr_zero(items))];
    const TileMask all = AllTilesMask(ActiveTileCount());
    TileMask tiles = 0;
    const MatcherStates& states = states_[at];
    for (std::size_t n = 0; n < states.Count() && tiles != all; ++n) {
        const std::uint8_t* state = states.At(n);
        for (ItemMask free = unboundItems_; free != 0; free &= free - 1) {
            const std::size_t i = static_cast<std::size_t>(std::countr_zero(free));
            if (HasRoom(state[countSlot_[i]], items_[i].Max)) tiles |= allowed[i];
        }
        for (std::size_t binding = 0; binding < itemsOf_.size(); ++binding) {
            const int bound = state[walkSlot_[binding]];
            tiles |= bound != 0 ? ofBinding[binding] & TileBit(bound) : ofBinding[binding];
        }
    }
    return tiles;
}

bool BoundAnagramMatcher::Take(int position, int tile) {
    if (position >= MaxSearchLength || tooLarge_) return false;
    const std::size_t at = static_cast<std::size_t>(position);
    tiles_[at] = tile;
    seen_[at + 1] = seen_[at] | TileBit(tile);
    if (anyPrefix_) return true;
    StepPrefix(states_[at], position, tile, states_[at + 1]);
    return states_[at + 1].Count() > 0;
}

int BoundAnagramMatcher::TilesStillNeeded(int length) {
    if (anyPrefix_) return std::max(minimumLength_ - length, 0);
    const MatcherStates& states = states_[static_cast<std::size_t>(length)];
    int needed = MaxSearchLength + 1;
    for (std::size_t n = 0; n < states.Count() && needed > 0; ++n) needed = std::min(needed, StillNeeded(states.At(n)));
    return needed;
}

// ---- The complete word -------------------------------------------------------------------

bool BoundAnagramMatcher::Accept(int length, BlankMarkBits& blanks) {
    if (tooLarge_ || length > MaxSearchLength) return false;
    return MatchWithSomeCopies(
        items_, blocks_, length, blanks,
        [&](const PoolLimits& min, const PoolLimits& max, BlankMarkBits& marks) {
            return MatchWithLimits(length, min, max, marks);
        },
        stop_);
}

bool BoundAnagramMatcher::MatchWithLimits(int length, const PoolLimits& min, const PoolLimits& max,
                                          BlankMarkBits& blanks) {
    std::array<ItemMask, MaxSearchLength> edges{};
    for (int position = 0; position < length; ++position)
        if ((edges[static_cast<std::size_t>(position)] =
                 fits_.For(tiles_[static_cast<std::size_t>(position)], position, tiles_.data(), length)) == 0)
            return false;
    std::array<int, MaxSearchLength> order{};
    std::iota(order.begin(), order.begin() + length, 0);
    // By kind, and by position within a kind.
    std::sort(order.begin(), order.begin() + length, [&](int a, int b) {
        return std::pair(tiles_[static_cast<std::size_t>(a)], a) < std::pair(tiles_[static_cast<std::size_t>(b)], b);
    });

    MatcherStates* states = &wordStates_[0];
    MatcherStates* next = &wordStates_[1];
    states->Reset(wordSize_, PlainEarlier);
    State& state = wordState_;
    State& after = wordAfter_;
    std::fill(state.begin(), state.end(), 0);
    states->Add(state.data());
    int kind = 0;
    for (int k = 0; k < length; ++k) {
        const int position = order[static_cast<std::size_t>(k)], tile = tiles_[static_cast<std::size_t>(position)];
        const bool newKind = tile != kind;
        kind = tile;
        if (StopIsSet(stop_)) return false;
        next->Reset(wordSize_, PlainEarlier);
        for (std::size_t n = 0; n < states->Count(); ++n) {
            CopyBytes(state.data(), states->At(n), wordSize_);
            if (newKind && !CloseBindings(state.data(), min)) continue;
            for (ItemMask items = edges[static_cast<std::size_t>(position)]; items != 0; items &= items - 1) {
                const std::size_t i = static_cast<std::size_t>(std::countr_zero(items));
                const AnagramPool& item = items_[i];
                const int held = state[wordSlot_[i]];
                if (!HasRoom(held, max[i])) continue;
                if (item.Binding >= 0 && (state[stageSlot_[static_cast<std::size_t>(item.Binding)]] == Closed ||
                                          AsBefore(state.data(), static_cast<std::size_t>(item.Binding))))
                    continue;
                after = state;
                after[wordSlot_[i]] = OneMore(held, min[i], max[i]);
                if (item.Binding >= 0) {
                    after[stageSlot_[static_cast<std::size_t>(item.Binding)]] = Open;
                    Raise(after.data(), static_cast<std::size_t>(item.Binding), true);
                }
                next->Add(after.data(),
                          item.Test.Blank ? states->MarksAt(n) | BlankMarkBits{1} << position : states->MarksAt(n));
            }
        }
        std::swap(states, next);
        if (states->Count() == 0) return false;
    }
    bool found = false;
    for (std::size_t n = 0; n < states->Count(); ++n) {
        CopyBytes(state.data(), states->At(n), wordSize_);
        if (!Complete(state.data(), min) || (found && !PlainEarlier(states->MarksAt(n), blanks))) continue;
        blanks = states->MarksAt(n);
        found = true;
    }
    return found;
}

bool BoundAnagramMatcher::Complete(std::uint8_t* state, const PoolLimits& min) const {
    if (!CloseBindings(state, min)) return false;
    for (std::size_t i = 0; i < items_.size(); ++i) {
        const AnagramPool& item = items_[i];
        // The counts of closed bindings were checked; an unbound one took no tile.
        const bool unbound = item.Binding >= 0 && state[stageSlot_[static_cast<std::size_t>(item.Binding)]] == Unbound;
        if ((item.Binding < 0 || unbound) && state[wordSlot_[i]] < min[i]) return false;
    }
    return true;
}

bool BoundAnagramMatcher::AsBefore(const std::uint8_t* state, std::size_t binding) const {
    const std::size_t before = alikeBefore_[binding];
    return before != binding &&
           SameBytes(state + stageSlot_[before], state + stageSlot_[binding], alike_[groupOf_[binding]].WordSize);
}

bool BoundAnagramMatcher::CloseBindings(std::uint8_t* state, const PoolLimits& min) const {
    bool closed = false;
    for (std::size_t binding = 0; binding < stageSlot_.size(); ++binding) {
        if (state[stageSlot_[binding]] != Open) continue;
        for (ItemMask items = itemsOf_[binding]; items != 0; items &= items - 1) {
            const std::size_t i = static_cast<std::size_t>(std::countr_zero(items));
            if (state[wordSlot_[i]] < min[i]) return false;
            state[wordSlot_[i]] = 0;  // a closed binding takes no more: its counts matter no more
        }
        state[stageSlot_[binding]] = Closed;
        closed = true;
    }
    if (closed) Arrange(state, true);
    return true;
}

}  // namespace qora
