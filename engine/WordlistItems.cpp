// The compact item store of a wordlist: texts end to end, 32-bit ends, and a
// side table of blank marks.
#include "engine/WordlistItems.h"

#include <algorithm>
#include <utility>

namespace qora {

std::uint64_t OffsetColumn::PastSteps(std::size_t i) const {
    const auto high = static_cast<std::uint64_t>(std::upper_bound(steps_.begin(), steps_.end(), i) - steps_.begin());
    return (high << highShift_) | lows_[i];
}

void OffsetColumn::push_back(std::uint64_t offset) {
    const std::uint64_t high = offset >> highShift_;
    while (steps_.size() < high) steps_.push_back(lows_.size());
    lows_.push_back(static_cast<std::uint32_t>(offset - (high << highShift_)));
}

WordlistItems& WordlistItems::operator=(WordlistItems&& other) noexcept {
    bytes_.swap(other.bytes_);
    std::swap(ends_, other.ends_);
    markedItems_.swap(other.markedItems_);
    marks_.swap(other.marks_);
    return *this;
}

std::size_t WordlistItems::FirstMarkSlotFrom(std::size_t item) const {
    return static_cast<std::size_t>(std::lower_bound(markedItems_.begin(), markedItems_.end(), item) -
                                    markedItems_.begin());
}

BlankMarks WordlistItems::Marks(std::size_t i) const {
    const std::size_t slot = FirstMarkSlotFrom(i);
    return slot < markedItems_.size() && markedItems_[slot] == i ? marks_[slot] : BlankMarks{};
}

void WordlistItems::Reserve(std::size_t items, std::size_t textBytes) {
    ends_.reserve(items);
    bytes_.reserve(textBytes);
}

namespace {

template <typename Block>
bool HasSlack(const Block& block) {
    return block.capacity() > block.size() + block.size() / 4 + 64;
}

}  // namespace

void WordlistItems::ReleaseSlack() {
    if (HasSlack(bytes_)) bytes_.shrink_to_fit();
    if (HasSlack(ends_)) ends_.shrink_to_fit();
}

void WordlistItems::Append(const WordlistItem& item) {
    bytes_.append(item.Text);
    ends_.push_back(bytes_.size());
    MergeMarksOfLast(item.Marks);
}

void WordlistItems::AppendRange(const WordlistItems& from, std::size_t first, std::size_t count) {
    if (count == 0) return;
    const std::size_t firstNew = size();
    const std::uint64_t start = from.Start(first);
    const std::uint64_t base = bytes_.size();
    bytes_.append(from.bytes_, static_cast<std::size_t>(start), from.RangeBytes(first, count));
    for (std::size_t i = first; i < first + count; ++i) ends_.push_back(base + (from.ends_[i] - start));
    for (std::size_t slot = from.FirstMarkSlotFrom(first);
         slot < from.markedItems_.size() && from.markedItems_[slot] < first + count; ++slot) {
        markedItems_.push_back(static_cast<std::uint32_t>(firstNew + (from.markedItems_[slot] - first)));
        marks_.push_back(from.marks_[slot]);
    }
}

void WordlistItems::MergeMarksOfLast(const BlankMarks& marks) {
    if (marks.none()) return;
    const auto last = static_cast<std::uint32_t>(size() - 1);
    if (!markedItems_.empty() && markedItems_.back() == last) {
        marks_.back() |= marks;
        return;
    }
    markedItems_.push_back(last);
    marks_.push_back(marks);
}

void WordlistItems::Erase(std::size_t first, std::size_t count) {
    const std::size_t after = first + count;
    WordlistItems kept;
    kept.Reserve(size() - count, TextBytes() - RangeBytes(first, count));
    kept.AppendRange(*this, 0, first);
    kept.AppendRange(*this, after, size() - after);
    *this = std::move(kept);
}

void WordlistItems::Insert(std::size_t at, const WordlistItems& items) {
    WordlistItems joined;
    joined.Reserve(size() + items.size(), TextBytes() + items.TextBytes());
    joined.AppendRange(*this, 0, at);
    joined.AppendRange(items, 0, items.size());
    joined.AppendRange(*this, at, size() - at);
    *this = std::move(joined);
}

}  // namespace qora
