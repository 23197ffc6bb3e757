// The state sets of the matchers that keep, for a word or a prefix, every
// state its tiles can reach: states are byte strings of one width, each with
// the blank marks of the preferred way that reaches it. A state added again
// merges with the one there and keeps the preferred of the two marks, so the
// ways that reach one state count once, however many there are.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "engine/Search.h"

namespace qora {

// States are a few bytes long, too short for a call of the library's
// comparison or copy to pay, and a state just copied is read again at once,
// which a copy of unknown length (in pieces of its own choosing) slows:
// these go eight bytes at a time, then byte by byte.
inline bool SameBytes(const std::uint8_t* a, const std::uint8_t* b, std::size_t size) {
    std::size_t k = 0;
    for (; k + 8 <= size; k += 8)
        if (std::memcmp(a + k, b + k, 8) != 0) return false;
    for (; k < size; ++k)
        if (a[k] != b[k]) return false;
    return true;
}

inline void CopyBytes(std::uint8_t* to, const std::uint8_t* from, std::size_t size) {
    std::size_t k = 0;
    for (; k + 8 <= size; k += 8) std::memcpy(to + k, from + k, 8);
    for (; k < size; ++k) to[k] = from[k];
}

// The width of states of `bytes` bytes, in whole words of eight bytes, which
// the sets copy, compare and hash fastest; the bytes beyond stay 0.
constexpr std::size_t StateWidth(std::size_t bytes) { return (bytes + 7) / 8 * 8; }

// Whether marks `a` are preferred to marks `b` (PlainEarlier, PlainLater).
using MarksPreference = bool (*)(BlankMarkBits a, BlankMarkBits b);

class MatcherStates {
public:
    static constexpr std::size_t NotFound = ~std::size_t{0};

    // Empties the set for states of `width` bytes whose marks are compared
    // by `preferred`.
    void Reset(std::size_t width, MarksPreference preferred);
    std::size_t Count() const { return marks_.size(); }
    const std::uint8_t* At(std::size_t n) const { return keys_.data() + n * width_; }
    BlankMarkBits MarksAt(std::size_t n) const { return marks_[n]; }
    // Adds the state, or gives the one there the marks when they are
    // preferred; whether the set changed.
    bool Add(const std::uint8_t* state, BlankMarkBits marks = 0);
    // The number of the state, or NotFound.
    std::size_t Find(const std::uint8_t* state) const;

private:
    // Up to this many states are looked for one by one, which costs less
    // than hashing them; a larger set keeps a hash table.
    static constexpr std::size_t FewStates = 8;

    std::size_t Hash(const std::uint8_t* state) const;
    // Where the state stands in the table, or the free place where it would.
    std::size_t Place(const std::uint8_t* state) const;
    // Puts every state in a table of `size` places.
    void Rehash(std::size_t size);

    std::size_t width_ = 0;
    MarksPreference preferred_ = nullptr;
    std::vector<std::uint8_t> keys_;  // the states end to end, and room for more
    std::vector<BlankMarkBits> marks_;
    bool hashed_ = false;
    std::vector<std::uint32_t> table_;  // open addressing: state number + 1, 0 free
    std::vector<std::uint32_t> used_;   // the places of the table in use
};

}  // namespace qora
