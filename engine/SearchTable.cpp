#include "engine/SearchTable.h"

#include <algorithm>
#include <bit>
#include <iterator>

namespace qora {

namespace {

bool HasPositionConditions(const TileTest& test) { return test.Presence != 0 || test.SameLetter != 0; }

QueryItem WildCard(int minimum) {
    QueryItem item;
    item.Test.Tiles = AllTilesMask(ActiveTileCount());
    item.Test.Blank = true;
    item.MinRepeats = minimum;
    item.MaxRepeats = UnboundedRepeats;
    return item;
}

// The position a same-letter condition names at `position`, or -1 when no
// word has such a position.
int SameLetterPosition(const TileTest& test, int position) {
    const int named = test.SameLetter > 0 ? test.SameLetter - 1 : position + test.SameLetter;
    return named >= 0 && named < MaxSearchLength ? named : -1;
}

// The tiles that every item of the binding may take.
TileMask BindableTiles(const SearchTable& table, int binding) {
    TileMask tiles = AllTilesMask(ActiveTileCount());
    for (const QueryItem& item : table)
        if (item.Binding == binding) tiles &= item.Test.Tiles;
    return tiles;
}

// Binds `binding` and those after it in `bound` (a copy of `table`) to each
// tile that all its items may take.
bool BindFrom(SearchTable& bound, const SearchTable& table, int binding, int count,
              const std::function<bool(const SearchTable&)>& visit) {
    if (binding == count) return visit(bound);
    TileMask tiles = BindableTiles(table, binding);
    bool goOn = true;
    for (; tiles != 0 && goOn; tiles &= tiles - 1) {
        const TileMask tile = tiles & (~tiles + 1);
        for (std::size_t i = 0; i < table.size(); ++i) {
            if (table[i].Binding != binding) continue;
            bound[i].Test.Tiles = tile;
            bound[i].Binding = -1;
        }
        goOn = BindFrom(bound, table, binding + 1, count, visit);
    }
    return goOn;
}

}  // namespace

TileFit FitTile(const TileTest& test, int tile, int position, const int* tiles, int known) {
    if ((test.Tiles & TileBit(tile)) == 0) return TileFit::No;
    if (test.Presence != 0) {
        const bool earlier = std::find(tiles, tiles + position, tile) != tiles + position;
        if (earlier != (test.Presence == '-')) return TileFit::No;
    }
    if (test.SameLetter == 0) return TileFit::Yes;
    const int named = SameLetterPosition(test, position);
    if (named < 0) return TileFit::No;
    if (named == position) return TileFit::Yes;
    if (named >= known) return TileFit::NotKnownYet;
    return tiles[named] == tile ? TileFit::Yes : TileFit::No;
}

TileMask TilesAllowed(const TileTest& test, int position, const int* tiles, TileMask seen) {
    TileMask allowed = test.Tiles;
    if (test.Presence == '+') allowed &= ~seen;
    if (test.Presence == '-') allowed &= seen;
    if (test.SameLetter != 0) {
        const int named = SameLetterPosition(test, position);
        if (named < 0) return 0;
        if (named < position) allowed &= TileBit(tiles[named]);
    }
    return allowed;
}

bool PlainEarlier(BlankMarkBits a, BlankMarkBits b) {
    const BlankMarkBits differ = a ^ b;
    return differ != 0 && (a & (differ & (~differ + 1))) == 0;
}

bool PlainLater(BlankMarkBits a, BlankMarkBits b) {
    const BlankMarkBits differ = a ^ b;
    return differ != 0 && (a & std::bit_floor(differ)) == 0;
}

bool HasBindings(const SearchTable& table) {
    return std::any_of(table.begin(), table.end(), [](const QueryItem& item) { return item.Binding >= 0; });
}

int BindingCount(const SearchTable& table) {
    int count = 0;
    for (const QueryItem& item : table) count = std::max(count, item.Binding + 1);
    return count;
}

bool ForEachBinding(const SearchTable& table, const std::function<bool(const SearchTable&)>& visit) {
    SearchTable bound = table;
    return BindFrom(bound, table, 0, BindingCount(table), visit);
}

SearchTable BoundWithin(const SearchTable& table, TileMask tiles) {
    SearchTable narrowed = table;
    for (int binding = 0; binding < BindingCount(table); ++binding) {
        const TileMask bindable = BindableTiles(table, binding);
        const TileMask others = bindable & ~tiles;
        const TileMask kept = (bindable & tiles) | (others & (~others + 1));
        for (QueryItem& item : narrowed)
            if (item.Binding == binding) item.Test.Tiles &= kept;
    }
    return narrowed;
}

SearchTable WithoutBindings(const SearchTable& table) {
    SearchTable loose = table;
    for (QueryItem& item : loose) item.Binding = -1;
    return loose;
}

bool HasFreeWildCard(const SearchTable& table) {
    const TileMask all = AllTilesMask(ActiveTileCount());
    return std::any_of(table.begin(), table.end(), [&](const QueryItem& item) {
        return item.Binding < 0 && !item.IsBlock() && item.MaxRepeats == UnboundedRepeats &&
               (item.Test.Tiles & all) == all && !HasPositionConditions(item.Test);
    });
}

int MinimumLength(const SearchTable& table) {
    int length = 0;
    for (const QueryItem& item : table) length += item.MinRepeats * item.Size();
    return length;
}

bool HasBlanks(const SearchTable& table) {
    return std::any_of(table.begin(), table.end(), [](const QueryItem& item) { return item.Test.Blank; });
}

SearchTable WithoutRack(const SearchTable& table) {
    SearchTable items;
    std::copy_if(table.begin(), table.end(), std::back_inserter(items),
                 [](const QueryItem& item) { return !item.InRack; });
    return items;
}

SearchTable Imbedded(const SearchTable& table) {
    SearchTable items;
    items.push_back(WildCard(0));
    items.insert(items.end(), table.begin(), table.end());
    items.push_back(WildCard(0));
    return items;
}

SearchTable WithExtraTiles(const SearchTable& table) {
    SearchTable items = table;
    items.push_back(WildCard(1));
    return items;
}

bool AsSimpleRack(const SearchTable& table, AnagramRack& rack) {
    rack = AnagramRack{};
    const TileMask all = AllTilesMask(ActiveTileCount());
    for (const QueryItem& item : table) {
        const TileTest& test = item.Test;
        if (HasPositionConditions(test) || item.Binding >= 0) return false;
        const bool fixed = item.MinRepeats == item.MaxRepeats;
        const int optional = item.MaxRepeats - item.MinRepeats;  // a rack part's tiles
        if (item.IsBlock()) {
            if (!fixed) return false;
            for (unsigned char tile : item.Block)
                rack.Tiles[tile - TileBase - 1] += static_cast<std::int16_t>(item.MinRepeats);
        } else if (test.Blank && test.Tiles == all && item.MaxRepeats == UnboundedRepeats) {
            rack.Blanks += item.MinRepeats;
            rack.WildCard = true;
        } else if (test.Blank && test.Tiles == all && (fixed || item.InRack)) {
            rack.Blanks += item.MinRepeats;
            rack.OptionalBlanks += optional;
        } else if (std::has_single_bit(test.Tiles) && (fixed || (item.InRack && !test.Blank))) {
            const std::size_t slot = static_cast<std::size_t>(std::countr_zero(test.Tiles) - 1);
            (test.Blank ? rack.MarkedTiles : rack.Tiles)[slot] += static_cast<std::int16_t>(item.MinRepeats);
            rack.OptionalTiles[slot] += static_cast<std::int16_t>(optional);
        } else {
            return false;
        }
    }
    // Which of a kind's tiles are marked is known only when all are required.
    const bool optional = rack.OptionalTiles != LetterCounts{} || rack.OptionalBlanks > 0;
    return !optional || rack.MarkedTiles == LetterCounts{};
}

bool AsBoundRacks(const SearchTable& table, BoundRacks& racks) {
    racks = BoundRacks{};
    if (BindingCount(table) != 1) return false;
    std::vector<SearchTable> tables;
    ForEachBinding(table, [&](const SearchTable& bound) {
        tables.push_back(bound);
        return true;
    });
    std::vector<AnagramRack> each(tables.size());
    for (std::size_t t = 0; t < tables.size(); ++t) {
        const AnagramRack& rack = each[t];
        if (!AsSimpleRack(tables[t], each[t]) || rack.OptionalTiles != LetterCounts{} || rack.OptionalBlanks != 0 ||
            rack.Blanks != each[0].Blanks || rack.WildCard != each[0].WildCard)
            return false;
    }
    if (each.size() < 2) return false;
    // The base: of each kind, the fewest tiles of any table (a kind is bound
    // in one table only).
    AnagramRack& base = racks.Base;
    base = each[0];
    for (const AnagramRack& rack : each)
        for (std::size_t slot = 0; slot < base.Tiles.size(); ++slot) {
            base.Tiles[slot] = std::min(base.Tiles[slot], rack.Tiles[slot]);
            base.MarkedTiles[slot] = std::min(base.MarkedTiles[slot], rack.MarkedTiles[slot]);
        }
    if (base.MarkedTiles != LetterCounts{}) return false;
    for (std::size_t t = 0; t < each.size(); ++t) {
        int kind = 0;
        for (std::size_t slot = 0; slot < base.Tiles.size(); ++slot) {
            const int plain = each[t].Tiles[slot] - base.Tiles[slot], marked = each[t].MarkedTiles[slot];
            if (plain == 0 && marked == 0) continue;
            if (kind != 0 || (t > 0 && (plain != racks.Plain || marked != racks.Marked))) return false;
            kind = static_cast<int>(slot) + 1;
            racks.Plain = plain;
            racks.Marked = marked;
        }
        if (kind == 0 || (racks.Kinds & TileBit(kind)) != 0) return false;
        racks.Kinds |= TileBit(kind);
    }
    return true;
}

bool AsSimplePattern(const SearchTable& table, std::vector<PatternElement>& elements) {
    elements.clear();
    for (const QueryItem& item : table) {
        if (HasPositionConditions(item.Test) || item.InRack || item.Binding >= 0) return false;
        const bool open = item.MaxRepeats == UnboundedRepeats;
        if (item.MinRepeats != item.MaxRepeats && !open) return false;
        if (item.IsBlock() && (open || !item.InOrder)) return false;
        if (elements.size() + static_cast<std::size_t>(item.MinRepeats * item.Size()) + 1 >
            static_cast<std::size_t>(PatternConstraint::MaxPatternElements))
            return false;
        for (int copy = 0; copy < item.MinRepeats; ++copy) {
            if (!item.IsBlock()) elements.push_back({item.Test.Tiles, false, item.Test.Blank});
            for (unsigned char tile : item.Block) elements.push_back({TileBit(tile - TileBase), false, false});
        }
        if (open) elements.push_back({item.Test.Tiles, true, item.Test.Blank});
    }
    return true;
}

}  // namespace qora
