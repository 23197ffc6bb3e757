// The word search: a depth-first walk of a lexicon's word graph, or of a
// list of words, under a constraint that decides position by position which
// tiles may follow, calling a match function for every word it accepts.
//
// The walk keeps all of its state in the call and in the constraint object,
// so searches may run on several threads at once and a match function may
// start another search (a word test, a second word of a pair) on the same
// or another lexicon.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/LetterCounts.h"
#include "engine/Lexicons.h"
#include "engine/Wordlists.h"

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

struct SearchControl {
    // Checked all through the search; when set, the search ends early (Esc).
    const std::atomic<bool>* Stop = nullptr;
    // Called whenever the search moves on to words with another first tile,
    // with that tile, for the "WORKING: " progress line.
    std::function<void(unsigned char firstTile)> Progress;
};

enum class SearchEnd { Completed, Stopped };

// Walks the word graph of a mapped lexicon (at most its maximum word length
// deep).
SearchEnd SearchLexicon(const LexiconRecord& lexicon, SearchConstraint& constraint, const MatchFunction& onMatch,
                        const SearchControl& control = {});

// Walks a list of words of the active language (tile strings; lower-case,
// blank-matched tiles count as their tile): plain strings, or the items of
// a wordlist chosen as the word source. Items longer than 32 tiles or
// holding anything that is no tile are passed over.
SearchEnd SearchLexicon(std::span<const std::string> words, SearchConstraint& constraint, const MatchFunction& onMatch,
                        const SearchControl& control = {});
SearchEnd SearchLexicon(std::span<const WordlistItem> items, SearchConstraint& constraint, const MatchFunction& onMatch,
                        const SearchControl& control = {});

// Which words an anagram search accepts.
enum class AnagramFit {
    Exact,   // every tile and every blank is used
    AtMost,  // any of the tiles and blanks are used
};

// The anagram matcher: the words made of a multiset of tiles plus `blanks`
// blanks (each stands for any one tile), and with a wild card any number of
// further tiles. A word's tile is matched by a tile of the multiset while one
// is left, else by a blank, else by the wild card; blank and wild-card
// positions are reported as blank-matched.
class AnagramConstraint final : public SearchConstraint {
public:
    AnagramConstraint(const LetterCounts& tiles, int blanks, bool wildCard, AnagramFit fit,
                      int tileCount = ActiveTileCount());

    TileMask NextTiles(int length) override;
    bool Take(int position, int tile) override;
    void Release(int position, int tile) override;
    bool Accept(int length, BlankMarkBits& blanks) override;
    int TilesStillNeeded(int length) override;

private:
    std::array<int, LetterCountSlots + 1> left_{};  // tiles of each kind not yet used, by tile number
    TileMask available_ = 0;                        // kinds with a tile left
    TileMask allTiles_ = 0;
    int tilesLeft_ = 0;
    int blanksLeft_ = 0;
    bool wildCard_ = false;
    AnagramFit fit_ = AnagramFit::Exact;
    BlankMarkBits blankAt_ = 0;  // positions taken by a blank
    BlankMarkBits wildAt_ = 0;   // positions taken by the wild card
};

// The matcher's steps are defined here, inline, because the walk runs them
// at every tile it tries.

inline TileMask AnagramConstraint::NextTiles(int length) {
    if (length >= MaxSearchLength) return 0;
    return blanksLeft_ > 0 || wildCard_ ? allTiles_ : available_;
}

inline bool AnagramConstraint::Take(int position, int tile) {
    const BlankMarkBits here = BlankMarkBits{1} << position;
    // A tile of its own kind is always the best use: blanks and the wild card
    // can stand for anything, so they are kept for tiles that have no match.
    if (left_[static_cast<std::size_t>(tile)] > 0) {
        if (--left_[static_cast<std::size_t>(tile)] == 0) available_ &= ~TileBit(tile);
        --tilesLeft_;
        return true;
    }
    if (blanksLeft_ > 0) {
        --blanksLeft_;
        blankAt_ |= here;
        return true;
    }
    if (wildCard_) {
        wildAt_ |= here;
        return true;
    }
    return false;
}

inline void AnagramConstraint::Release(int position, int tile) {
    const BlankMarkBits here = BlankMarkBits{1} << position;
    if ((wildAt_ & here) != 0) {
        wildAt_ &= ~here;
    } else if ((blankAt_ & here) != 0) {
        blankAt_ &= ~here;
        ++blanksLeft_;
    } else {
        ++left_[static_cast<std::size_t>(tile)];
        available_ |= TileBit(tile);
        ++tilesLeft_;
    }
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
    std::vector<int> tilesFrom_;                          // the single elements from element k on
    std::array<StateSet, MaxSearchLength + 1> states_{};  // after each number of tiles
    std::array<int, MaxSearchLength> tiles_{};            // the tile taken at each position
};

// The same walk for the ready-made matchers, calling them directly.
SearchEnd SearchLexicon(const LexiconRecord& lexicon, AnagramConstraint& constraint, const MatchFunction& onMatch,
                        const SearchControl& control = {});
SearchEnd SearchLexicon(const LexiconRecord& lexicon, PatternConstraint& constraint, const MatchFunction& onMatch,
                        const SearchControl& control = {});

}  // namespace qora
