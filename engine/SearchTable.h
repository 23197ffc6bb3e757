// The search table of a query: its constituents with their sets, word
// references and query-based sets resolved into what each tile of a word must
// be and how often, in the form the matchers read. One table serves one walk
// of the lexicon or of a wordlist; a query with word references makes a table
// for every reference word. The tiles that query-based "(Sk)" sets repeat are
// bindings of the table: its items of one binding take one and the same tile.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "engine/Search.h"

namespace qora {

// A repetition maximum that no word reaches ("zero or more").
constexpr int UnboundedRepeats = MaxSearchLength + 1;

// What one tile of a constituent must be.
struct TileTest {
    TileMask Tiles = 0;  // the tiles it may be
    // '+': its tile does not occur earlier in the word; '-': it does; 0: either.
    char Presence = 0;
    // k > 0: the same tile as the word's k-th; k < 0: as the tile |k| places
    // before it; 0: no such condition.
    int SameLetter = 0;
    bool Blank = false;  // it stands for any tile: its tiles are blank-matched
    bool operator==(const TileTest&) const = default;
};

enum class TileFit { No, Yes, NotKnownYet };

// Whether `tile` may stand at `position` of a word under `test`, given the
// word's first `known` tiles (tile numbers, known > position). A same-letter
// condition on a position not known yet gives NotKnownYet; one on the
// position itself always holds.
TileFit FitTile(const TileTest& test, int tile, int position, const int* tiles, int known);

// The tiles that may stand at `position` under `test`, given the first
// `position` tiles of the word and the tiles among them (`seen`); a
// condition on a later position lets every tile of the set through.
TileMask TilesAllowed(const TileTest& test, int position, const int* tiles, TileMask seen);

// One constituent of a query: a tile that passes `Test`, or a block of
// several tiles (the members of a set taken all at once, in any order, or the
// letters of a word reference, in order), repeated from MinRepeats to
// MaxRepeats times.
struct QueryItem {
    TileTest Test;         // the tile of a one-tile constituent
    std::string Block;     // the tiles ('@' + tile number) of a block; empty otherwise
    bool InOrder = false;  // the block's tiles stand in this order in the word
    int MinRepeats = 1;
    int MaxRepeats = 1;   // UnboundedRepeats: no limit
    bool InRack = false;  // from a rack part (anagram queries only)
    // >= 0: every item of this binding takes one and the same tile, each
    // repetition too (a one-tile constituent and the "(Sk)" sets that repeat
    // it); -1: none.
    int Binding = -1;
    bool IsBlock() const { return !Block.empty(); }
    int Size() const { return IsBlock() ? static_cast<int>(Block.size()) : 1; }
    bool operator==(const QueryItem&) const = default;
};

using SearchTable = std::vector<QueryItem>;

// Whether some items of the table share a binding.
bool HasBindings(const SearchTable& table);

// The number of the table's bindings (the highest binding + 1).
int BindingCount(const SearchTable& table);

// Calls `visit` with the table of each way of binding its bindings to tiles,
// without bindings, until it returns false; false then.
bool ForEachBinding(const SearchTable& table, const std::function<bool(const SearchTable&)>& visit);

// The table with each binding narrowed to the tiles of `tiles` it may be and
// one other: a word made of those tiles matches it as it matches the table
// (a binding to a tile the word lacks is as good as any other such).
SearchTable BoundWithin(const SearchTable& table, TileMask tiles);

// The table with its bindings left aside: each item takes any of its tiles
// on its own, so the table matches every word it matched, and more.
SearchTable WithoutBindings(const SearchTable& table);

// Whether an item outside the bindings takes any number of any tiles (a wild
// card), so that every prefix of a word can go on to an anagram match.
bool HasFreeWildCard(const SearchTable& table);

// The fewest tiles of a word that matches the table.
int MinimumLength(const SearchTable& table);

// Whether any tile of the table is matched as a blank.
bool HasBlanks(const SearchTable& table);

// The items that hold positions of their own: the table without its rack
// items.
SearchTable WithoutRack(const SearchTable& table);

// The table between two wild cards: the words that hold a run matching it.
SearchTable Imbedded(const SearchTable& table);

// The table and at least one further tile, matched as a blank.
SearchTable WithExtraTiles(const SearchTable& table);

// Where a word matches in several ways, the way its blank marks show:
// anagram queries prefer tiles matched by constituents that name them from
// the first tile on, pattern queries from the last tile back. Whether marks
// `a` are preferred to marks `b` by each rule:
bool PlainEarlier(BlankMarkBits a, BlankMarkBits b);
bool PlainLater(BlankMarkBits a, BlankMarkBits b);

// ---- The ready-made matchers, where a table needs no more -----------------

// The anagram matcher's rack for a table of single tiles (a blank bound to
// one tile among them), blanks and wild cards, in rack parts or not: no sets
// of several tiles, presence marks, same-letter conditions or open counts
// but the wild card's.
bool AsSimpleRack(const SearchTable& table, AnagramRack& rack);

// The racks of a table with one binding, when the table of each tile it may
// be bound to is a simple rack with no optional or marked tiles but the
// bound ones, and they differ in one kind each (at least two tables).
bool AsBoundRacks(const SearchTable& table, BoundRacks& racks);

// The pattern matcher's elements for a table of plain tests (no presence or
// same-letter conditions) and blocks in order with fixed counts.
bool AsSimplePattern(const SearchTable& table, std::vector<PatternElement>& elements);

}  // namespace qora
