// The word search: a depth-first walk of a lexicon's word graph, or of a
// list of words, under a constraint that decides position by position which
// tiles may follow, calling a match function for every word it accepts.
//
// The walk keeps all of its state in the call and in the constraint object,
// so searches may run on several threads at once and a match function may
// start another search (a word test, a second word of a pair) on the same
// or another lexicon.
#pragma once

#include <algorithm>
#include <array>
#include <atomic>
#include <bit>
#include <concepts>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/LetterCounts.h"
#include "engine/Lexicons.h"
#include "engine/WordlistItems.h"

namespace qora {

constexpr int MaxSearchLength = 32;  // no word has more tiles

// Bit n stands for tile n (1 to 28).
using TileMask = std::uint32_t;
// Bit i marks position i (0-based) of a word as matched by a blank.
using BlankMarkBits = std::uint32_t;

constexpr TileMask TileBit(int tile) { return TileMask{1} << tile; }
constexpr TileMask AllTilesMask(int tileCount) { return ((TileMask{1} << tileCount) - 1) << 1; }

// What a search asks at each step. Positions count from 0; `length` is the
// number of tiles taken so far. The walk calls, for every candidate word
// prefix, NextTiles(length), then Take(length, tile) for each tile of the
// mask that stands next in the source, and undoes every successful Take with
// Release(length, tile) in reverse order. A constraint keeps whatever state
// it needs between Take and Release (tiles used, blanks left, a pattern's
// states) and may refuse a tile in Take that NextTiles let through.
class SearchConstraint {
public:
    virtual ~SearchConstraint() = default;
    // The tiles that may stand at position `length`; 0 ends this branch.
    virtual TileMask NextTiles(int length) = 0;
    virtual bool Take(int position, int tile) = 0;
    virtual void Release(int position, int tile) = 0;
    // Whether the `length` tiles taken so far, a word of the source, match;
    // on a match `blanks` receives the positions matched by blanks.
    virtual bool Accept(int length, BlankMarkBits& blanks) = 0;
    // The fewest further tiles that any match beginning with the `length`
    // tiles taken so far needs; 0 when it cannot tell. The walk leaves the
    // parts of the graph that hold no word that long.
    virtual int TilesStillNeeded(int length) { return 0; }
};

struct SearchMatch {
    std::string_view Word;  // upper-case tile string
    BlankMarkBits Blanks = 0;
};

// Called for every match; returning false ends the search.
using MatchFunction = std::function<bool(const SearchMatch&)>;

// Whether a stop flag (Esc) is given and set.
inline bool StopIsSet(const std::atomic<bool>* stop) {
    return stop != nullptr && stop->load(std::memory_order_relaxed);
}

struct SearchControl {
    // Checked all through the search; when set, the search ends early (Esc).
    const std::atomic<bool>* Stop = nullptr;
    // Called whenever the search moves on to words with another first tile,
    // with that tile, for the "WORKING: " progress line.
    std::function<void(unsigned char firstTile)> Progress;
};

enum class SearchEnd { Completed, Stopped };

// Walks the word graph of a loaded lexicon (at most its maximum word length
// deep).
SearchEnd SearchLexicon(const LexiconRecord& lexicon, SearchConstraint& constraint, const MatchFunction& onMatch,
                        const SearchControl& control = {});

// Walks a list of words of the active language (tile strings; lower-case,
// blank-matched tiles count as their tile): plain strings, or the items of
// a wordlist chosen as the word source. Items longer than 32 tiles or
// holding anything that is no tile are passed over.
SearchEnd SearchLexicon(std::span<const std::string> words, SearchConstraint& constraint, const MatchFunction& onMatch,
                        const SearchControl& control = {});
SearchEnd SearchLexicon(const WordlistItems& items, SearchConstraint& constraint, const MatchFunction& onMatch,
                        const SearchControl& control = {});

// Which words an anagram search accepts.
enum class AnagramFit {
    Exact,   // every tile and every blank is used
    AtMost,  // any of the tiles and blanks are used
};

// The tiles of an anagram search: tiles and blanks (each stands for any one
// tile) that every match uses, tiles and blanks that it may leave (a rack
// part), and perhaps a wild card (any number of further tiles).
struct AnagramRack {
    LetterCounts Tiles{};  // by tile number - 1
    LetterCounts OptionalTiles{};
    // Tiles that only a tile of their kind matches, yet count as matched by
    // a blank (a blank bound to one tile); not together with optional ones.
    LetterCounts MarkedTiles{};
    int Blanks = 0;
    int OptionalBlanks = 0;
    bool WildCard = false;
};

// The anagram matcher: the words made of the tiles of a rack. A word's tile
// is matched by a tile of its own kind while one is left (its plain tiles
// first, then its marked ones), else by a blank, else by the wild card;
// marked, blank and wild-card positions are reported as blank-matched. Where
// the blanks a match must use are more than the tiles it lacks, they take
// the last tiles that an optional tile of their kind matched. So a word's
// tiles are matched by plain tiles of their kinds from its first tile on
// wherever they can be.
//
// `Mixed`: the rack holds required and optional tiles, so each tile taken
// is counted as one or the other (required ones first). Without it every
// tile is required, or every tile optional, and a tile taken needs no more
// than the count of its kind.
template <bool Mixed>
class BasicAnagramConstraint final : public SearchConstraint {
public:
    explicit BasicAnagramConstraint(const AnagramRack& rack, int tileCount = ActiveTileCount());
    // The multiset `tiles` and `blanks` blanks, all of them required or all
    // optional as `fit` says.
    BasicAnagramConstraint(const LetterCounts& tiles, int blanks, bool wildCard, AnagramFit fit,
                           int tileCount = ActiveTileCount());

    TileMask NextTiles(int length) override;
    bool Take(int position, int tile) override;
    void Release(int position, int tile) override;
    bool Accept(int length, BlankMarkBits& blanks) override;
    int TilesStillNeeded(int length) override;

private:
    BlankMarkBits MarkedAndRequired(int length, BlankMarkBits blanks) const;

    std::array<int, LetterCountSlots + 1> left_{};      // tiles of each kind not yet used, by tile number
    std::array<int, LetterCountSlots + 1> optional_{};  // how many of them a match may leave
    std::array<int, LetterCountSlots + 1> marked_{};    // how many of them are marked
    TileMask available_ = 0;                            // kinds with a tile left
    TileMask allTiles_ = 0;
    TileMask wildTiles_ = 0;      // what the wild card takes: all tiles, or none without one
    bool tilesOptional_ = false;  // (not Mixed) every tile may be left
    bool anyMarked_ = false;
    int requiredLeft_ = 0;  // the tiles a match must still use (not Mixed: every tile left)
    int blanksLeft_ = 0;
    int requiredBlanks_ = 0;
    int minimumLength_ = 0;                              // the required tiles and blanks
    BlankMarkBits blankAt_ = 0;                          // positions taken by a blank
    BlankMarkBits wildAt_ = 0;                           // positions taken by the wild card
    std::array<std::int16_t, MaxSearchLength> tiles_{};  // the tile at each position
};

// Racks whose tiles are all required or all optional.
using AnagramConstraint = BasicAnagramConstraint<false>;
// Racks with both.
using RackConstraint = BasicAnagramConstraint<true>;

// Whether a rack holds required and optional tiles.
bool IsMixedRack(const AnagramRack& rack);

// The matcher's steps are defined here, inline, because the walk runs them
// at every tile it tries.

template <bool Mixed>
inline TileMask BasicAnagramConstraint<Mixed>::NextTiles(int length) {
    if (length >= MaxSearchLength) return 0;
    return available_ | (blanksLeft_ > 0 ? allTiles_ : wildTiles_);
}

template <bool Mixed>
inline bool BasicAnagramConstraint<Mixed>::Take(int position, int tile) {
    // A tile of its own kind is always the best use: blanks and the wild card
    // can stand for anything, so they are kept for tiles that have no match.
    const std::size_t kind = static_cast<std::size_t>(tile);
    tiles_[static_cast<std::size_t>(position)] = static_cast<std::int16_t>(tile);
    if (left_[kind] > 0) {
        if constexpr (Mixed)
            requiredLeft_ -= left_[kind] > optional_[kind];
        else
            --requiredLeft_;
        if (--left_[kind] == 0) available_ &= ~TileBit(tile);
        return true;
    }
    const BlankMarkBits here = BlankMarkBits{1} << position;
    if (blanksLeft_ > 0) {
        --blanksLeft_;
        blankAt_ |= here;
        return true;
    }
    if (wildTiles_ != 0) {
        wildAt_ |= here;
        return true;
    }
    return false;
}

template <bool Mixed>
inline void BasicAnagramConstraint<Mixed>::Release(int position, int tile) {
    const BlankMarkBits here = BlankMarkBits{1} << position;
    if (((blankAt_ | wildAt_) & here) == 0) {
        const std::size_t kind = static_cast<std::size_t>(tile);
        ++left_[kind];
        if constexpr (Mixed)
            requiredLeft_ += left_[kind] > optional_[kind];
        else
            ++requiredLeft_;
        available_ |= TileBit(tile);
    } else if ((blankAt_ & here) != 0) {
        blankAt_ &= ~here;
        ++blanksLeft_;
    } else {
        wildAt_ &= ~here;
    }
}

template <bool Mixed>
inline bool BasicAnagramConstraint<Mixed>::Accept(int length, BlankMarkBits& blanks) {
    if ((requiredLeft_ != 0 && (Mixed || !tilesOptional_)) || length < minimumLength_) return false;
    blanks = blankAt_ | wildAt_;  // no position from `length` on is taken
    if (requiredBlanks_ > 0 || anyMarked_) blanks = MarkedAndRequired(length, blanks);
    return true;
}

template <bool Mixed>
inline int BasicAnagramConstraint<Mixed>::TilesStillNeeded(int length) {
    const int required = Mixed || !tilesOptional_ ? requiredLeft_ : 0;
    return std::max(required, minimumLength_ - length);
}

extern template class BasicAnagramConstraint<false>;
extern template class BasicAnagramConstraint<true>;

// The racks of the bindings of a "(Sk)" set: a base rack (every tile and
// blank required, none marked) and, for one kind among `Kinds`, `Plain`
// more tiles of that kind and `Marked` more that count as blank-matched.
struct BoundRacks {
    AnagramRack Base;
    TileMask Kinds = 0;
    int Plain = 0;
    int Marked = 0;
};

// The anagram matcher of the racks of all the bindings at once: one walk
// finds the words of every binding. A word's tiles beyond the base tiles of
// their kind are the blanks' (or the wild card's), except that the most of
// them of one bound kind are its bound tiles; a prefix goes on while that
// leaves no more for the blanks than there are, and a word matches when all
// the base tiles and the bound tiles of some kind are in it. Its marks are
// those of the binding whose rack the anagram matcher would mark best.
class BoundAnagramConstraint final : public SearchConstraint {
public:
    explicit BoundAnagramConstraint(const BoundRacks& racks, int tileCount = ActiveTileCount());

    TileMask NextTiles(int length) override;
    bool Take(int position, int tile) override;
    void Release(int position, int tile) override;
    bool Accept(int length, BlankMarkBits& blanks) override;
    int TilesStillNeeded(int length) override;

private:
    // The marks of the word under the binding to `kind`.
    BlankMarkBits MarksBoundTo(int kind, int length) const;

    std::array<int, LetterCountSlots + 1> base_{};    // base tiles of each kind, by tile number
    std::array<int, LetterCountSlots + 1> left_{};    // of them not yet used
    std::array<int, LetterCountSlots + 1> beyond_{};  // tiles of each kind taken beyond its base tiles
    TileMask available_ = 0;                          // kinds with a base tile left
    TileMask allTiles_ = 0;
    TileMask kinds_ = 0;
    int plain_ = 0;
    int marked_ = 0;
    int bound_ = 0;      // plain and marked
    int baseLeft_ = 0;   // base tiles not yet used
    int beyondAll_ = 0;  // tiles taken beyond their kind's base tiles
    int blanks_ = 0;
    bool wildCard_ = false;
    int length_ = 0;  // of a match: the base tiles and blanks and the bound tiles (at least that with a wild card)
    // By length: the most of the tiles beyond the base ones that one bound
    // kind takes (at most bound_).
    std::array<int, MaxSearchLength + 1> mostBound_{};
    std::array<std::int16_t, MaxSearchLength> tiles_{};  // the tile at each position
    std::array<bool, MaxSearchLength> tookBase_{};       // whether it took a base tile
};

inline TileMask BoundAnagramConstraint::NextTiles(int length) {
    if (length >= MaxSearchLength) return 0;
    // Take refuses a tile that leaves too much for the blanks.
    if (wildCard_ || beyondAll_ - mostBound_[static_cast<std::size_t>(length)] < blanks_) return allTiles_;
    return available_ | kinds_;
}

inline bool BoundAnagramConstraint::Take(int position, int tile) {
    const std::size_t kind = static_cast<std::size_t>(tile), at = static_cast<std::size_t>(position);
    int most = mostBound_[at];
    if (left_[kind] > 0) {
        if (--left_[kind] == 0) available_ &= ~TileBit(tile);
        --baseLeft_;
        tookBase_[at] = true;
    } else {
        if (((kinds_ >> tile) & 1) != 0) most = std::max(most, std::min(bound_, beyond_[kind] + 1));
        if (!wildCard_ && beyondAll_ + 1 - most > blanks_) return false;
        ++beyond_[kind];
        ++beyondAll_;
        tookBase_[at] = false;
    }
    tiles_[at] = static_cast<std::int16_t>(tile);
    mostBound_[at + 1] = most;
    return true;
}

inline void BoundAnagramConstraint::Release(int position, int tile) {
    const std::size_t kind = static_cast<std::size_t>(tile);
    if (tookBase_[static_cast<std::size_t>(position)]) {
        ++left_[kind];
        available_ |= TileBit(tile);
        ++baseLeft_;
    } else {
        --beyond_[kind];
        --beyondAll_;
    }
}

inline int BoundAnagramConstraint::TilesStillNeeded(int length) {
    return std::max(baseLeft_ + bound_ - mostBound_[static_cast<std::size_t>(length)], length_ - length);
}

// One element of a pattern: a position that takes one tile of a set, or a
// run of any number of such tiles (zero included).
struct PatternElement {
    TileMask Tiles = 0;
    bool Run = false;
    bool Blank = false;  // the tiles it takes count as matched by a blank
};

// The pattern matcher: the words whose tiles match the elements in order.
// Where a word matches in more than one way, its blank marks follow the way
// that, from the last position back, takes a plain element wherever any
// matching way can. A pattern of more than MaxPatternElements elements
// matches nothing.
class PatternConstraint final : public SearchConstraint {
public:
    static constexpr int MaxPatternElements = 63;

    explicit PatternConstraint(std::vector<PatternElement> elements);

    TileMask NextTiles(int length) override;
    bool Take(int position, int tile) override;
    void Release(int position, int tile) override {}
    bool Accept(int length, BlankMarkBits& blanks) override;
    int TilesStillNeeded(int length) override;

private:
    // Bit k: the first k elements are matched (k = the element count: all).
    using StateSet = std::uint64_t;

    StateSet Closure(StateSet states) const;
    StateSet Step(StateSet states, int tile) const;

    std::vector<PatternElement> elements_;
    std::vector<int> tilesFrom_;  // the single elements from element k on
    // By tile: the single elements and the runs that take it.
    std::array<StateSet, LetterCountSlots + 1> singlesTaking_{};
    std::array<StateSet, LetterCountSlots + 1> runsTaking_{};
    StateSet runs_ = 0;
    std::array<StateSet, MaxSearchLength + 1> states_{};  // after each number of tiles
    std::array<int, MaxSearchLength> tiles_{};            // the tile taken at each position
};

// The pattern matcher for patterns with at most one run: single elements,
// or single elements, a run and single elements. Such a pattern matches a
// word in one way only (the run takes what the single elements leave), so
// the matcher follows just the elements after the run that the last tiles
// may have matched, one bit each, and knows the blank marks from the
// word's length.
class OneRunPatternConstraint final : public SearchConstraint {
public:
    // Whether the elements hold at most one run.
    static bool Fits(const std::vector<PatternElement>& elements);

    explicit OneRunPatternConstraint(const std::vector<PatternElement>& elements);

    TileMask NextTiles(int length) override;
    bool Take(int position, int tile) override;
    void Release(int position, int tile) override {}
    bool Accept(int length, BlankMarkBits& blanks) override;
    int TilesStillNeeded(int length) override;

private:
    // Bit k: the run is matched (k = 0: it may go on) and the last k tiles
    // match the first k elements after it.
    using AfterStates = std::uint64_t;

    int before_ = 0;  // the single elements before the run (all of them when there is none)
    int after_ = 0;   // the single elements after the run
    bool hasRun_ = false;
    TileMask runTiles_ = 0;
    bool runBlank_ = false;
    std::array<TileMask, MaxSearchLength> tiles_{};                // of each single element, those before the run first
    BlankMarkBits beforeBlanks_ = 0;                               // the blank single elements before the run
    BlankMarkBits afterBlanks_ = 0;                                // and after it, bit k for the k-th after it
    std::array<AfterStates, LetterCountSlots + 1> afterTaking_{};  // by tile: the elements after the run that take it
    std::array<AfterStates, MaxSearchLength + 1> states_{};        // after each number of tiles past those before
};

// The matcher's steps are inline: the walk runs them at every tile it tries.

inline TileMask OneRunPatternConstraint::NextTiles(int length) {
    if (length < before_) return tiles_[static_cast<std::size_t>(length)];
    if (!hasRun_ || length >= MaxSearchLength) return 0;
    AfterStates states = states_[static_cast<std::size_t>(length)];
    TileMask tiles = (states & 1) != 0 ? runTiles_ : 0;
    for (states &= (AfterStates{1} << after_) - 1; states != 0; states &= states - 1)
        tiles |= tiles_[static_cast<std::size_t>(before_ + std::countr_zero(states))];
    return tiles;
}

inline bool OneRunPatternConstraint::Take(int position, int tile) {
    // NextTiles has let only the element's tiles through.
    if (position < before_) return true;
    const AfterStates states = states_[static_cast<std::size_t>(position)];
    const AfterStates next =
        ((states & afterTaking_[static_cast<std::size_t>(tile)]) << 1) | (states & ((runTiles_ >> tile) & 1));
    states_[static_cast<std::size_t>(position) + 1] = next;
    return next != 0;
}

inline int OneRunPatternConstraint::TilesStillNeeded(int length) {
    if (length < before_) return before_ - length + after_;
    if (!hasRun_) return 0;
    // The most elements after the run matched so far.
    return after_ + 1 - static_cast<int>(std::bit_width(states_[static_cast<std::size_t>(length)]));
}

// The ready-made matchers: final classes whose steps are defined above,
// inline.
template <typename Constraint>
concept ReadyMadeConstraint = std::same_as<Constraint, AnagramConstraint> || std::same_as<Constraint, RackConstraint> ||
    std::same_as<Constraint, BoundAnagramConstraint> || std::same_as<Constraint, PatternConstraint> ||
    std::same_as<Constraint, OneRunPatternConstraint>;

// The walk of a lexicon's word graph made for one ready-made matcher: it
// calls the matcher's steps directly, so that they are inlined, rather than
// through SearchConstraint. Search.cpp instantiates it for each of them.
template <ReadyMadeConstraint Constraint>
SearchEnd SearchLexicon(const LexiconRecord& lexicon, Constraint& constraint, const MatchFunction& onMatch,
                        const SearchControl& control = {});

}  // namespace qora
