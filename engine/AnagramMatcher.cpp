#include "engine/AnagramMatcher.h"

#include <algorithm>
#include <bit>

namespace qora {

namespace {

using GroupMask = std::uint64_t;

constexpr GroupMask GroupBit(int group) { return GroupMask{1} << group; }

// Calls `visit` with each group of the mask, lowest first.
template <typename Visit>
void ForEachGroup(GroupMask groups, Visit visit) {
    for (; groups != 0; groups &= groups - 1) visit(std::countr_zero(groups));
}

// One search for a place of a position in a matching (Kuhn's augmenting
// path): a group with room, or a full group one of whose positions can move
// on to another place.
template <typename MatchingType, typename LimitsType>
class Placement {
public:
    Placement(MatchingType& matching, const GroupMask* edges, const LimitsType& capacity, int length, GroupMask plain)
        : matching_(matching), edges_(edges), capacity_(capacity), length_(length), plain_(plain) {}

    bool Place(int position) {
        const GroupMask options = edges_[position] & ~visited_;
        for (GroupMask pass : {options & plain_, options & ~plain_}) {
            for (; pass != 0; pass &= pass - 1) {
                const int group = std::countr_zero(pass);
                if (matching_.Fill[group] < capacity_[group]) {
                    Join(position, group);
                    return true;
                }
            }
        }
        for (GroupMask full = options; full != 0; full &= full - 1) {
            const int group = std::countr_zero(full);
            visited_ |= GroupBit(group);
            for (int other = 0; other < length_; ++other) {
                if (other == position || matching_.GroupOf[other] != group || !Place(other)) continue;
                --matching_.Fill[group];  // `other` moved on
                Join(position, group);
                return true;
            }
        }
        return false;
    }

private:
    void Join(int position, int group) {
        matching_.GroupOf[position] = static_cast<std::int8_t>(group);
        ++matching_.Fill[group];
    }

    MatchingType& matching_;
    const GroupMask* edges_;
    const LimitsType& capacity_;
    int length_;
    GroupMask plain_;
    GroupMask visited_ = 0;
};

}  // namespace

AnagramMatcher::AnagramMatcher(const SearchTable& table, const std::atomic<bool>* stop) : stop_(stop) {
    AnagramPools pools = PoolsOf(table);
    tooLarge_ = pools.TooMany;
    groups_ = std::move(pools.Pools);
    blocks_ = std::move(pools.Blocks);
    fits_ = PoolFits(groups_);
    for (std::size_t g = 0; g < groups_.size() && !tooLarge_; ++g) {
        const AnagramPool& group = groups_[g];
        const GroupMask bit = GroupBit(static_cast<int>(g));
        prefixMax_[g] = group.Max;
        if (group.Test.Blank) blankGroups_ |= bit;
        allGroups_ |= bit;
        if (group.Block < 0) minimumLength_ += group.Min;
    }
    for (const AnagramBlock& block : blocks_) minimumLength_ += block.MinCopies * block.Size;
}

TileMask AnagramMatcher::NextTiles(int length) {
    if (length >= MaxSearchLength || tooLarge_) return 0;
    const Matching& matching = matchings_[length];
    // The groups that can take one more tile: those with room, and those
    // holding a tile that can move on to a group that can.
    GroupMask open = 0;
    for (std::size_t g = 0; g < groups_.size(); ++g)
        if (matching.Fill[g] < prefixMax_[g]) open |= GroupBit(static_cast<int>(g));
    for (bool grew = true; grew;) {
        grew = false;
        for (int position = 0; position < length; ++position) {
            const GroupMask own = GroupBit(matching.GroupOf[position]);
            if ((open & own) == 0 && (edges_[position] & open) != 0) {
                open |= own;
                grew = true;
            }
        }
    }
    TileMask tiles = 0;
    ForEachGroup(open, [&](int g) { tiles |= TilesAllowed(groups_[g].Test, length, tiles_.data(), seen_[length]); });
    return tiles;
}

bool AnagramMatcher::Take(int position, int tile) {
    if (position >= MaxSearchLength || tooLarge_) return false;
    tiles_[position] = tile;
    seen_[position + 1] = seen_[position] | TileBit(tile);
    edges_[position] = fits_.For(tile, position, tiles_.data(), 0);
    Matching& matching = matchings_[position + 1];
    matching = matchings_[position];
    matching.GroupOf[position] = -1;
    return Placement(matching, edges_.data(), prefixMax_, position + 1, ~blankGroups_).Place(position);
}

int AnagramMatcher::TilesStillNeeded(int length) { return std::max(minimumLength_ - length, 0); }

bool AnagramMatcher::Feasible(const GroupMask* edges, const Limits& min, const Limits& max, int length,
                              Matching& matching) const {
    matching = Matching{};
    matching.GroupOf.fill(-1);
    // First the minimum of every group, then the other tiles up to the
    // maxima: a move along an augmenting path never empties a group.
    int required = 0;
    for (std::size_t g = 0; g < groups_.size(); ++g) required += min[g];
    int placed = 0;
    for (int position = 0; position < length; ++position)
        if (Placement(matching, edges, min, length, ~blankGroups_).Place(position)) ++placed;
    if (placed != required) return false;
    for (int position = 0; position < length; ++position)
        if (matching.GroupOf[position] < 0 && !Placement(matching, edges, max, length, ~blankGroups_).Place(position))
            return false;
    return true;
}

BlankMarkBits AnagramMatcher::PreferredBlanks(const GroupMask* edges, const Limits& min, const Limits& max, int length,
                                              Matching matching) const {
    const GroupMask plain = allGroups_ & ~blankGroups_;
    std::array<GroupMask, MaxSearchLength> restricted{};
    std::copy(edges, edges + length, restricted.begin());
    BlankMarkBits blanks = 0;
    for (int position = 0; position < length; ++position) {
        bool named = (plain & GroupBit(matching.GroupOf[position])) != 0;
        if (!named && (edges[position] & plain) != 0) {
            restricted[position] = edges[position] & plain;
            Matching trial;
            named = Feasible(restricted.data(), min, max, length, trial);
            if (named) matching = trial;
        }
        restricted[position] = edges[position] & (named ? plain : blankGroups_);
        if (!named) blanks |= BlankMarkBits{1} << position;
    }
    return blanks;
}

bool AnagramMatcher::MatchWithLimits(const GroupMask* edges, int length, const Limits& min, const Limits& max,
                                     BlankMarkBits& blanks) const {
    // The matching of the walk serves when it already fills every minimum
    // (it never overfills a group); else a matching is sought that does.
    Matching matching = matchings_[static_cast<std::size_t>(length)];
    bool filled = blocks_.empty() && !fits_.LaterPositions();
    for (std::size_t g = 0; g < groups_.size() && filled; ++g) filled = matching.Fill[g] >= min[g];
    if (!filled && !Feasible(edges, min, max, length, matching)) return false;
    blanks = blankGroups_ == 0 ? 0 : PreferredBlanks(edges, min, max, length, matching);
    return true;
}

bool AnagramMatcher::Accept(int length, BlankMarkBits& blanks) {
    if (tooLarge_ || length < minimumLength_ || length > MaxSearchLength) return false;
    // The groups each tile may join, now that the whole word is known.
    std::array<GroupMask, MaxSearchLength> edges = edges_;
    for (int position = 0; position < length && fits_.LaterPositions(); ++position)
        if ((edges[position] = fits_.For(tiles_[position], position, tiles_.data(), length)) == 0) return false;
    return MatchWithSomeCopies(
        groups_, blocks_, length, blanks,
        [&](const Limits& min, const Limits& max, BlankMarkBits& marks) {
            return MatchWithLimits(edges.data(), length, min, max, marks);
        },
        stop_);
}

}  // namespace qora
