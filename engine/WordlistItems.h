// The items of a wordlist, held compactly: all texts end to end in one block
// of bytes with a 32-bit end offset per item, and blank marks only for the
// items that have any (a side table in item order; most items have none).
// An item costs its text and about 4 bytes, a marked item 20 bytes more, so
// that a large wordlist file costs a few times its size, and a copy as much.
//
// Items are read as WordlistItem views: the text is a view into the block,
// valid until the items next change.
#pragma once

#include <bitset>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace qora {

// The positions (0-based, in bytes of the item's text, which for words are
// tiles) of the tiles that a blank matched. Positions from 128 on are not
// marked; no item that a query makes is that long.
constexpr int MaxBlankMarkPositions = 128;
using BlankMarks = std::bitset<MaxBlankMarkPositions>;

struct WordlistItem {
    std::string_view Text;  // upper case
    BlankMarks Marks;
    bool operator==(const WordlistItem&) const = default;
};

// A column of non-decreasing 64-bit offsets, each held as its low 32 bits;
// the indices where the high part steps up are kept aside (there are none
// below 4 GiB, so reading costs one load). `highShift` is 32 except in tests.
class OffsetColumn {
public:
    explicit OffsetColumn(int highShift = 32) : highShift_(highShift) {}

    std::size_t size() const { return lows_.size(); }
    std::size_t capacity() const { return lows_.capacity(); }
    std::uint64_t operator[](std::size_t i) const { return steps_.empty() ? lows_[i] : PastSteps(i); }
    void push_back(std::uint64_t offset);
    void reserve(std::size_t count) { lows_.reserve(count); }
    void shrink_to_fit() { lows_.shrink_to_fit(); }

private:
    std::uint64_t PastSteps(std::size_t i) const;

    int highShift_;
    std::vector<std::uint32_t> lows_;
    std::vector<std::size_t> steps_;  // step k: the first index whose offset reaches (k + 1) << highShift_
};

class WordlistItems {
public:
    class Iterator;

    WordlistItems() = default;
    WordlistItems(const WordlistItems&) = default;
    WordlistItems(WordlistItems&&) noexcept = default;
    WordlistItems& operator=(const WordlistItems&) = default;
    // Takes the other's blocks: a moved std::string that is short would
    // instead be copied into this one's block, keeping all its room.
    WordlistItems& operator=(WordlistItems&& other) noexcept;

    std::size_t size() const { return ends_.size(); }
    bool empty() const { return ends_.size() == 0; }
    std::size_t TextBytes() const { return bytes_.size(); }

    std::string_view Text(std::size_t i) const {
        const std::uint64_t start = Start(i);
        return {bytes_.data() + start, static_cast<std::size_t>(ends_[i] - start)};
    }
    BlankMarks Marks(std::size_t i) const;
    WordlistItem operator[](std::size_t i) const { return {Text(i), Marks(i)}; }
    Iterator begin() const;
    Iterator end() const;

    void Reserve(std::size_t items, std::size_t textBytes);
    void ReleaseSlack();  // gives back room reserved beyond a quarter more than is held
    void Append(const WordlistItem& item);
    // Appends items [first, first + count) of another store.
    void AppendRange(const WordlistItems& from, std::size_t first, std::size_t count);
    void MergeMarksOfLast(const BlankMarks& marks);  // the last item's marks |= marks
    void Erase(std::size_t first, std::size_t count);
    void Insert(std::size_t at, const WordlistItems& items);  // before item `at`

private:
    std::uint64_t Start(std::size_t i) const { return i == 0 ? 0 : ends_[i - 1]; }
    std::size_t RangeBytes(std::size_t first, std::size_t count) const {
        return count == 0 ? 0 : static_cast<std::size_t>(ends_[first + count - 1] - Start(first));
    }
    std::size_t FirstMarkSlotFrom(std::size_t item) const;

    std::string bytes_;
    OffsetColumn ends_;
    std::vector<std::uint32_t> markedItems_;  // ascending indices of the items with marks
    std::vector<BlankMarks> marks_;           // their marks
};

// Yields each item with its marks, stepping through the mark table alongside.
class WordlistItems::Iterator {
public:
    using iterator_category = std::input_iterator_tag;
    using iterator_concept = std::forward_iterator_tag;
    using value_type = WordlistItem;
    using difference_type = std::ptrdiff_t;
    using reference = WordlistItem;
    using pointer = void;

    Iterator() = default;
    Iterator(const WordlistItems* items, std::size_t index, std::size_t markSlot)
        : items_(items), index_(index), markSlot_(markSlot) {}

    WordlistItem operator*() const {
        return {items_->Text(index_), OwnMarks() ? items_->marks_[markSlot_] : BlankMarks{}};
    }
    Iterator& operator++() {
        if (OwnMarks()) ++markSlot_;
        ++index_;
        return *this;
    }
    Iterator operator++(int) {
        Iterator before = *this;
        ++*this;
        return before;
    }
    bool operator==(const Iterator& other) const { return index_ == other.index_; }

private:
    bool OwnMarks() const {
        return markSlot_ < items_->markedItems_.size() && items_->markedItems_[markSlot_] == index_;
    }

    const WordlistItems* items_ = nullptr;
    std::size_t index_ = 0;
    std::size_t markSlot_ = 0;  // the first slot of the mark table at or after index_
};

inline WordlistItems::Iterator WordlistItems::begin() const { return {this, 0, 0}; }
inline WordlistItems::Iterator WordlistItems::end() const { return {this, size(), markedItems_.size()}; }

}  // namespace qora
