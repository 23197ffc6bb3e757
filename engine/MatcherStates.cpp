#include "engine/MatcherStates.h"

#include <algorithm>
#include <cstring>

namespace qora {

void MatcherStates::Reset(std::size_t width, MarksPreference preferred) {
    width_ = width;
    preferred_ = preferred;
    marks_.clear();
    // The table keeps its size: a set is filled again and again, about as
    // full each time, and its places in use are fewer than its size.
    for (const std::uint32_t at : used_) table_[at] = 0;
    used_.clear();
    hashed_ = false;
}

std::size_t MatcherStates::Hash(const std::uint8_t* state) const {
    // Eight bytes at a time, each step mixing the high bits into the low
    // ones, which choose the place.
    const auto mix = [](std::uint64_t hash, std::uint64_t bytes) {
        hash = (hash ^ bytes) * 0x9E3779B97F4A7C15ull;
        return hash ^ hash >> 29;
    };
    std::uint64_t hash = width_;
    std::size_t k = 0;
    for (; k + 8 <= width_; k += 8) {
        std::uint64_t bytes = 0;
        std::memcpy(&bytes, state + k, 8);
        hash = mix(hash, bytes);
    }
    std::uint64_t rest = 0;
    for (; k < width_; ++k) rest = rest << 8 | state[k];
    return static_cast<std::size_t>(mix(hash, rest));
}

std::size_t MatcherStates::Place(const std::uint8_t* state) const {
    const std::size_t mask = table_.size() - 1;
    std::size_t at = Hash(state) & mask;
    while (table_[at] != 0 && !SameBytes(state, At(table_[at] - 1), width_)) at = (at + 1) & mask;
    return at;
}

bool MatcherStates::Add(const std::uint8_t* state, BlankMarkBits marks) {
    const std::size_t at = hashed_ ? Place(state) : 0;
    const std::size_t there = hashed_ ? std::size_t{table_[at]} - 1 : Find(state);
    if (there != NotFound) {
        if (!preferred_(marks, marks_[there])) return false;
        marks_[there] = marks;
        return true;
    }
    const std::size_t end = Count() * width_;
    if (keys_.size() < end + width_) keys_.resize(std::max(keys_.size() * 2, end + width_));
    CopyBytes(keys_.data() + end, state, width_);
    marks_.push_back(marks);
    if (!hashed_) {
        if (Count() > FewStates) Rehash(std::max<std::size_t>(table_.size(), 16));
    } else {
        table_[at] = static_cast<std::uint32_t>(Count());
        used_.push_back(static_cast<std::uint32_t>(at));
        if (Count() * 2 > table_.size()) Rehash(table_.size() * 2);
    }
    return true;
}

std::size_t MatcherStates::Find(const std::uint8_t* state) const {
    if (hashed_) return std::size_t{table_[Place(state)]} - 1;
    for (std::size_t n = 0; n < Count(); ++n)
        if (SameBytes(state, At(n), width_)) return n;
    return NotFound;
}

void MatcherStates::Rehash(std::size_t size) {
    for (const std::uint32_t at : used_) table_[at] = 0;
    used_.clear();
    if (table_.size() < size) table_.assign(size, 0);
    hashed_ = true;
    const std::size_t mask = table_.size() - 1;
    for (std::size_t n = 0; n < Count(); ++n) {
        std::size_t at = Hash(At(n)) & mask;
        while (table_[at] != 0) at = (at + 1) & mask;
        table_[at] = static_cast<std::uint32_t>(n + 1);
        used_.push_back(static_cast<std::uint32_t>(at));
    }
}

}  // namespace qora
