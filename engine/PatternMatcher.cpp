#include "engine/PatternMatcher.h"

#include <algorithm>
#include <bit>
#include <type_traits>

#include "engine/TableMatchers.h"

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

// The slot of the states that holds each binding's tile, and the first and
// last items of each binding: two bindings share a slot when the items of
// one all come after those of the other. Returns the number of slots.
int AssignSlots(const SearchTable& table, std::vector<int>& slotOf, std::vector<std::size_t>& firstOf,
                std::vector<std::size_t>& lastOf) {
    const std::size_t bindings = static_cast<std::size_t>(BindingCount(table));
    firstOf.assign(bindings, table.size());
    lastOf.assign(bindings, 0);
    for (std::size_t k = 0; k < table.size(); ++k) {
        if (table[k].Binding < 0) continue;
        const std::size_t binding = static_cast<std::size_t>(table[k].Binding);
        firstOf[binding] = std::min(firstOf[binding], k);
        lastOf[binding] = k;
    }
    std::vector<std::size_t> byFirst(bindings);
    for (std::size_t b = 0; b < bindings; ++b) byFirst[b] = b;
    std::sort(byFirst.begin(), byFirst.end(), [&](std::size_t a, std::size_t b) { return firstOf[a] < firstOf[b]; });
    std::vector<std::size_t> freeAfter;  // by slot: the last item of the binding that holds it
    slotOf.assign(bindings, -1);
    for (const std::size_t binding : byFirst) {
        if (firstOf[binding] == table.size()) continue;
        std::size_t slot = 0;
        while (slot < freeAfter.size() && freeAfter[slot] >= firstOf[binding]) ++slot;
        if (slot == freeAfter.size()) freeAfter.push_back(0);
        freeAfter[slot] = lastOf[binding];
        slotOf[binding] = static_cast<int>(slot);
    }
    return static_cast<int>(freeAfter.size());
}

}  // namespace

PatternMatcher::PatternMatcher(SearchTable table, const std::atomic<bool>* stop, PatternLimits limits)
    : items_(std::move(table)),
      neededFrom_(items_.size() + 1, 0),
      lastSlots_(items_.size()),
      firstSlots_(items_.size()),
      stop_(stop),
      limits_(limits) {
    for (std::size_t k = items_.size(); k-- > 0;)
        neededFrom_[k] = neededFrom_[k + 1] + items_[k].MinRepeats * items_[k].Size();
    anyBlank_ = HasBlanks(items_);
    anyPending_ = std::any_of(items_.begin(), items_.end(),
                              [](const QueryItem& item) { return !item.IsBlock() && item.Test.SameLetter > 0; });
    std::vector<std::size_t> firstItem, lastItem;
    const int slots = AssignSlots(items_, slotOf_, firstItem, lastItem);
    for (std::size_t binding = 0; binding < slotOf_.size(); ++binding) {
        if (slotOf_[binding] < 0) continue;
        const std::size_t slot = static_cast<std::size_t>(slotOf_[binding]);
        lastSlots_[lastItem[binding]].push_back(slot);
        firstSlots_[firstItem[binding]].push_back(slot);
        mayStayFree_[0] = mayStayFree_[0] || items_[firstItem[binding]].MinRepeats == 0;
        mayStayFree_[1] = mayStayFree_[1] || items_[lastItem[binding]].MinRepeats == 0;
    }
    boundAt_ = PendingAt + (anyPending_ ? static_cast<std::size_t>(MaxSearchLength) : 0);
    width_ = StateWidth(boundAt_ + static_cast<std::size_t>(slots));
    after_.assign(width_, 0);
    free_.assign(width_, 0);
    ways_.assign(width_ * 2 * (MaxSearchLength + 1), 0);
    states_[0].Reset(width_, PlainLater);
    AddClosed(after_.data(), 0, Forward, states_[0]);
    bound_[0] = true;
    if (slots > 0)
        WithPatternConstraint(
            WithoutBindings(items_),
            [this](auto& loose) {
                loose_ = std::make_unique<std::decay_t<decltype(loose)>>(std::move(loose));
                return SearchEnd::Completed;
            },
            stop_);
}

void PatternMatcher::SetItem(std::uint8_t* state, int item) {
    state[0] = static_cast<std::uint8_t>(item & 0xff);
    state[1] = static_cast<std::uint8_t>(item >> 8);
}

std::size_t PatternMatcher::BoundAt(const QueryItem& item) const {
    return boundAt_ + static_cast<std::size_t>(slotOf_[static_cast<std::size_t>(item.Binding)]);
}

// ---- Steps, either way ------------------------------------------------------

bool PatternMatcher::LeaveItem(std::uint8_t* state, int way) const {
    const int item = Current(state, way);
    if (item < 0 || item >= static_cast<int>(items_.size()) || state[OffsetAt] != 0 ||
        state[RepeatsAt] < items_[static_cast<std::size_t>(item)].MinRepeats)
        return false;
    // The tiles of the bindings that end here matter no more.
    for (const std::size_t slot : (way == Forward ? lastSlots_ : firstSlots_)[static_cast<std::size_t>(item)])
        state[boundAt_ + slot] = 0;
    SetItem(state, ItemOf(state) + way);
    state[RepeatsAt] = 0;
    return true;
}

void PatternMatcher::AddClosed(std::uint8_t* state, BlankMarkBits marks, int way, MatcherStates& to) {
    // A state added again with better marks passes them on; one that a state
    // there dominates is left out, and so are those it leads to, which the
    // other's lead to dominate.
    while (!Dominated(state, marks, way, to) && to.Add(state, marks) && LeaveItem(state, way)) {
    }
}

bool PatternMatcher::Step(std::uint8_t* state, int position, int tile, int way, bool bound, int known,
                          bool& blank) const {
    if (anyPending_) {
        std::uint8_t& pending = state[PendingAt + static_cast<std::size_t>(position)];
        if (pending != 0 && pending != tile) return false;
        pending = 0;
    }
    const int current = Current(state, way);
    if (current < 0 || current >= static_cast<int>(items_.size())) return false;
    const QueryItem& item = items_[static_cast<std::size_t>(current)];
    blank = !item.IsBlock() && item.Test.Blank;
    if (!item.IsBlock()) {
        const TileFit fit = FitTile(item.Test, tile, position, tiles_.data(), known);
        if (fit == TileFit::No) return false;
        if (fit == TileFit::NotKnownYet) {
            // A later position of the word (never reached when the word is
            // known whole: the state then does not match).
            std::uint8_t& named = state[PendingAt + static_cast<std::size_t>(item.Test.SameLetter - 1)];
            if (named != 0 && named != tile) return false;
            named = static_cast<std::uint8_t>(tile);
        }
    }
    return TakeInto(state, item, position, tile, way, bound);
}

bool PatternMatcher::TakeInto(std::uint8_t* state, const QueryItem& item, int position, int tile, int way,
                              bool bound) const {
    std::uint8_t& repeats = state[RepeatsAt];
    std::uint8_t& offset = state[OffsetAt];
    if (!item.IsBlock()) {
        if (repeats >= item.MaxRepeats) return false;
        if (item.Binding >= 0 && bound) {
            std::uint8_t& held = state[BoundAt(item)];
            if (held != 0 && held != tile) return false;
            held = static_cast<std::uint8_t>(tile);
        }
        repeats = NextRepeats(item, repeats);
        return true;
    }
    if (offset == 0 && repeats >= item.MaxRepeats) return false;
    const int size = item.Size();
    if (item.InOrder) {
        // Forward the copy's tiles come in order, back in reverse.
        const int k = way == Forward ? offset : size - 1 - offset;
        if (item.Block[static_cast<std::size_t>(k)] != static_cast<char>(TileBase + tile)) return false;
    } else {
        int taken = 0;  // of this tile in the copy so far
        for (int k = 1; k <= offset; ++k) taken += tiles_[static_cast<std::size_t>(position - way * k)] == tile;
        if (CountOf(item.Block, tile) <= taken) return false;
    }
    if (++offset == size) {
        offset = 0;
        repeats = NextRepeats(item, repeats);
    }
    return true;
}

bool PatternMatcher::Advance(const MatcherStates& from, int position, int tile, int way, bool bound, int known,
                             MatcherStates& to, std::size_t most) {
    to.Reset(width_, PlainLater);
    const BlankMarkBits here = BlankMarkBits{1} << position;
    for (std::size_t n = 0; n < from.Count(); ++n) {
        CopyBytes(after_.data(), from.At(n), width_);
        if (!bound) std::fill(after_.begin() + static_cast<std::ptrdiff_t>(boundAt_), after_.end(), 0);
        bool blank = false;
        if (Step(after_.data(), position, tile, way, bound, known, blank))
            AddClosed(after_.data(), blank ? from.MarksAt(n) | here : from.MarksAt(n), way, to);
        if (to.Count() > most) return false;
    }
    if (bound) DropDominated(to, way);
    return true;
}

bool PatternMatcher::Dominated(const std::uint8_t* state, BlankMarkBits marks, int way, const MatcherStates& states) {
    // The state with its bindings free takes every tile the bound one takes
    // and binds them alike from then on, so it goes on in every way the other
    // does, with the same marks from here: with marks as good so far, it
    // matches wherever the other would, as well.
    if (!mayStayFree_[way == Forward ? 0 : 1] ||
        std::all_of(state + boundAt_, state + width_, [](std::uint8_t tile) { return tile == 0; }))
        return false;
    CopyBytes(free_.data(), state, boundAt_);
    const std::size_t freeState = states.Find(free_.data());
    return freeState != MatcherStates::NotFound && !PlainLater(marks, states.MarksAt(freeState));
}

void PatternMatcher::DropDominated(MatcherStates& states, int way) {
    // AddClosed leaves out the states dominated by one added before them.
    if (!mayStayFree_[way == Forward ? 0 : 1]) return;
    const auto dominated = [&](std::size_t n) { return Dominated(states.At(n), states.MarksAt(n), way, states); };
    std::size_t n = 0;
    while (n < states.Count() && !dominated(n)) ++n;
    if (n == states.Count()) return;
    kept_.Reset(width_, PlainLater);
    for (std::size_t k = 0; k < states.Count(); ++k)
        if (k < n || (k > n && !dominated(k))) kept_.Add(states.At(k), states.MarksAt(k));
    std::swap(states, kept_);
}

bool PatternMatcher::BestMatch(const MatcherStates& states, int way, BlankMarkBits& blanks) {
    // Past the last constituent (or before the first) a state keeps nothing
    // else: there is one such state, with the preferred marks.
    std::fill(free_.begin(), free_.end(), 0);
    SetItem(free_.data(), way == Forward ? static_cast<int>(items_.size()) : 0);
    const std::size_t done = states.Find(free_.data());
    if (done == MatcherStates::NotFound) return false;
    blanks = states.MarksAt(done);
    return true;
}

// ---- The walk ---------------------------------------------------------------

TileMask PatternMatcher::NextTiles(int length) {
    if (length >= MaxSearchLength) return 0;
    if (!bound_[static_cast<std::size_t>(length)]) return loose_->NextTiles(length);
    TileMask tiles = 0;
    const MatcherStates& states = states_[static_cast<std::size_t>(length)];
    for (std::size_t n = 0; n < states.Count(); ++n) {
        const std::uint8_t* state = states.At(n);
        const int current = ItemOf(state);
        if (current >= static_cast<int>(items_.size())) continue;
        const QueryItem& item = items_[static_cast<std::size_t>(current)];
        TileMask allowed = 0;
        if (!item.IsBlock()) {
            if (state[RepeatsAt] < item.MaxRepeats)
                allowed = TilesAllowed(item.Test, length, tiles_.data(), seen_[static_cast<std::size_t>(length)]);
            if (item.Binding >= 0 && state[BoundAt(item)] != 0) allowed &= TileBit(state[BoundAt(item)]);
        } else if (state[OffsetAt] != 0 || state[RepeatsAt] < item.MaxRepeats) {
            if (item.InOrder)
                allowed = TileBit(item.Block[state[OffsetAt]] - TileBase);
            else
                for (unsigned char c : item.Block) allowed |= TileBit(c - TileBase);
        }
        if (anyPending_)
            if (const int pending = state[PendingAt + static_cast<std::size_t>(length)]; pending != 0)
                allowed &= TileBit(pending);
        tiles |= allowed;
    }
    return tiles;
}

bool PatternMatcher::Take(int position, int tile) {
    if (position >= MaxSearchLength) return false;
    const std::size_t at = static_cast<std::size_t>(position);
    tiles_[at] = tile;
    seen_[at + 1] = seen_[at] | TileBit(tile);
    const std::size_t most = loose_ ? limits_.BoundStates : ~std::size_t{0};
    if (bound_[at] && Advance(states_[at], position, tile, Forward, true, position + 1, states_[at + 1], most)) {
        bound_[at + 1] = true;
        return states_[at + 1].Count() > 0;
    }
    // Below a prefix with too many states for the bindings' tiles, the walk
    // follows the matcher without them, which takes the prefix first.
    bound_[at + 1] = false;
    for (int k = bound_[at] ? 0 : position; k <= position; ++k) {
        const int each = tiles_[static_cast<std::size_t>(k)];
        if ((loose_->NextTiles(k) & TileBit(each)) == 0 || !loose_->Take(k, each)) return false;
    }
    return true;
}

bool PatternMatcher::Matches(std::string_view word) {
    if (word.size() > static_cast<std::size_t>(MaxSearchLength)) return false;
    for (std::size_t position = 0; position < word.size(); ++position)
        if (!Take(static_cast<int>(position), TileNumberOf(static_cast<unsigned char>(word[position])))) return false;
    BlankMarkBits blanks = 0;
    return Accept(static_cast<int>(word.size()), blanks);
}

int PatternMatcher::TilesStillNeeded(int length) {
    if (!bound_[static_cast<std::size_t>(length)]) return loose_->TilesStillNeeded(length);
    int needed = MaxSearchLength + 1;
    const MatcherStates& states = states_[static_cast<std::size_t>(length)];
    for (std::size_t n = 0; n < states.Count(); ++n) {
        const std::uint8_t* state = states.At(n);
        const std::size_t current = static_cast<std::size_t>(ItemOf(state));
        if (current >= items_.size()) return 0;
        const QueryItem& item = items_[current];
        const int repeatsLeft = std::max(item.MinRepeats - state[RepeatsAt], 0);
        const int here = state[OffsetAt] > 0
                             ? item.Size() - state[OffsetAt] + std::max(repeatsLeft - 1, 0) * item.Size()
                             : repeatsLeft * item.Size();
        needed = std::min(needed, here + neededFrom_[current + 1]);
    }
    return needed;
}

bool PatternMatcher::Accept(int length, BlankMarkBits& blanks) {
    if (bound_[static_cast<std::size_t>(length)])
        return BestMatch(states_[static_cast<std::size_t>(length)], Forward, blanks);
    return MatchFromEnd(length, blanks);
}

// ---- A word on its own ------------------------------------------------------

bool PatternMatcher::MatchFromEnd(int length, BlankMarkBits& blanks) {
    MatcherStates* states = &wordStates_[0];
    MatcherStates* next = &wordStates_[1];
    states->Reset(width_, PlainLater);
    std::fill(after_.begin(), after_.end(), 0);
    SetItem(after_.data(), static_cast<int>(items_.size()));
    AddClosed(after_.data(), 0, Back, *states);
    for (int position = length - 1; position >= 0 && states->Count() > 0; --position) {
        if (!Advance(*states, position, tiles_[static_cast<std::size_t>(position)], Back, true, length, *next,
                     limits_.WordStates))
            return MatchWayByWay(length, blanks);
        if (StopIsSet(stop_)) return false;
        std::swap(states, next);
    }
    return BestMatch(*states, Back, blanks);
}

bool PatternMatcher::MatchWayByWay(int length, BlankMarkBits& blanks) {
    std::vector<std::uint8_t> start(width_, 0);
    SetItem(start.data(), static_cast<int>(items_.size()));
    if (!WayBack(start.data(), length - 1, length, 0, 0)) return false;
    // From the last tile back, plain wherever a way allows with the tiles
    // after as chosen.
    BlankMarkBits fixed = 0, marks = 0;
    for (int position = length - 1; position >= 0; --position) {
        const BlankMarkBits here = BlankMarkBits{1} << position;
        fixed |= here;
        if (!WayBack(start.data(), length - 1, length, fixed, marks)) marks |= here;
    }
    blanks = anyBlank_ ? marks : 0;
    return !StopIsSet(stop_);
}

bool PatternMatcher::WayBack(const std::uint8_t* state, int position, int length, BlankMarkBits fixed,
                             BlankMarkBits marks) {
    if (StopIsSet(stop_)) return false;
    // The state and those its constituents lead back to, in this depth's room.
    std::uint8_t* closed = ways_.data() + static_cast<std::size_t>(position + 1) * 2 * width_;
    std::uint8_t* after = closed + width_;
    CopyBytes(closed, state, width_);
    do {
        if (position < 0) {
            if (ItemOf(closed) == 0 &&
                std::all_of(closed + PendingAt, closed + boundAt_, [](std::uint8_t tile) { return tile == 0; }))
                return true;
            continue;
        }
        CopyBytes(after, closed, width_);
        bool blank = false;
        const BlankMarkBits here = BlankMarkBits{1} << position;
        if (Step(after, position, tiles_[static_cast<std::size_t>(position)], Back, true, length, blank) &&
            ((fixed & here) == 0 || ((marks & here) != 0) == blank) &&
            WayBack(after, position - 1, length, fixed, marks))
            return true;
    } while (LeaveItem(closed, Back));
    return false;
}

}  // namespace qora
