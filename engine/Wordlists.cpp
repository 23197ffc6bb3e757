#include "engine/Wordlists.h"

#include <algorithm>
#include <map>
#include <numeric>
#include <vector>

#include "engine/Flashcards.h"
#include "engine/LexiconFormat.h"
#include "engine/Listings.h"
#include "engine/Tiles.h"
#include "platform/ProgramState.h"

namespace qora {

Wordlist Slate;
std::int32_t& SlateItemKind = Slate.ItemKind;
std::function<void(std::int32_t itemCount)> WordlistProgressHook;

namespace {

constexpr std::int32_t ProgressInterval = 1000;

std::map<std::int32_t, Wordlist> NumberedWordlists;
std::int32_t LastUsedWordlist = -1;

// Turns the lower-case tiles of a result text upper case and returns their
// positions as the item's marks.
BlankMarks TakeBlankMarks(std::string& text) {
    BlankMarks marks;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c <= '`' || TileNumberOf(c) == 0) continue;
        text[i] = static_cast<char>(c - 32);
        if (i < MaxBlankMarkPositions) marks.set(i);
    }
    return marks;
}

}  // namespace

std::string MarkedItemText(const WordlistItem& item) {
    std::string text(item.Text);
    const std::size_t marked = std::min<std::size_t>(text.size(), MaxBlankMarkPositions);
    for (std::size_t i = 0; i < marked; ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (item.Marks.test(i) && c < '`' && TileNumberOf(c) != 0) text[i] = static_cast<char>(c + 32);
    }
    return text;
}

std::optional<std::string> ItemTiles(std::string_view display) {
    std::string tiles = DisplayToWord(display);
    if (WordToDisplay(tiles) != display) return std::nullopt;
    return tiles;
}

bool IsWordOfLanguage(std::string_view text) {
    if (text.empty() || text.size() > static_cast<std::size_t>(LexiconMaxWordLength)) return false;
    const int tiles = ActiveTileCount();
    return std::all_of(text.begin(), text.end(), [tiles](char c) {
        const unsigned char u = static_cast<unsigned char>(c);
        return u > '@' && u <= '@' + tiles;
    });
}

namespace {

std::string_view LastText(const WordlistItems& items) { return items.Text(items.size() - 1); }

// The items in word order, equal items made one with their marks merged:
// the item indices are sorted, and the items copied in their order.
WordlistItems SortedUniqueItems(const WordlistItems& items) {
    std::vector<std::uint32_t> order(items.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&items](std::uint32_t a, std::uint32_t b) { return items.Text(a) < items.Text(b); });
    WordlistItems unique;
    unique.Reserve(items.size(), items.TextBytes());
    for (const std::uint32_t index : order) {
        const WordlistItem item = items[index];
        if (!unique.empty() && LastText(unique) == item.Text)
            unique.MergeMarksOfLast(item.Marks);
        else
            unique.Append(item);
    }
    return unique;
}

bool IsFlashcardWordlist(const Wordlist& wordlist) {
    return FlashcardsActive() && wordlist.Number == FlashcardWordlistNumber;
}

// Keeps the cursor, and the current flashcard, on items that exist.
void KeepIndicesInRange(Wordlist& wordlist) {
    const std::int32_t last = wordlist.Count() - 1;
    wordlist.Cursor = std::clamp(wordlist.Cursor, -1, last);
    if (IsFlashcardWordlist(wordlist)) FlashcardIndex = std::clamp(FlashcardIndex, -1, last);
}

// Index adjustments after items [first, first + count) were removed: later
// items move up, and an index on a removed item passes to the item after them.
void ShiftIndicesAfterRemoval(Wordlist& wordlist, std::int32_t first, std::int32_t count) {
    auto shift = [&](std::int32_t& index) {
        if (index >= first + count)
            index -= count;
        else if (index > first)
            index = first;
    };
    shift(wordlist.Cursor);
    if (IsFlashcardWordlist(wordlist)) shift(FlashcardIndex);
    KeepIndicesInRange(wordlist);
}

void ShiftIndicesAfterInsertion(Wordlist& wordlist, std::int32_t at, std::int32_t count) {
    auto shift = [&](std::int32_t& index) {
        if (index >= at) index += count;
    };
    shift(wordlist.Cursor);
    if (IsFlashcardWordlist(wordlist)) shift(FlashcardIndex);
}

// Merges two lists in word order without duplicates (marks of items in both
// are merged).
WordlistItems MergeSorted(const WordlistItems& a, SetOperation operation, const WordlistItems& b) {
    WordlistItems result;
    if (operation == SetOperation::Union)
        result.Reserve(a.size() + b.size(), a.TextBytes() + b.TextBytes());
    else
        result.Reserve(a.size(), a.TextBytes());
    auto i = a.begin(), j = b.begin();
    while (i != a.end() || j != b.end()) {
        const bool onlyA = j == b.end() || (i != a.end() && (*i).Text < (*j).Text);
        const bool onlyB = i == a.end() || (j != b.end() && (*j).Text < (*i).Text);
        if (onlyA) {
            if (operation != SetOperation::Intersection) result.Append(*i);
            ++i;
        } else if (onlyB) {
            if (operation == SetOperation::Union) result.Append(*j);
            ++j;
        } else {
            if (operation != SetOperation::Difference) {
                result.Append(*i);
                result.MergeMarksOfLast((*j).Marks);
            }
            ++i;
            ++j;
        }
    }
    result.ReleaseSlack();
    return result;
}

// The wordlist's items in word order without duplicates: its own items when
// they are, else a sorted copy made in `sorted`.
const WordlistItems& ItemsInWordOrder(const Wordlist& wordlist, WordlistItems& sorted) {
    if (wordlist.InWordOrder()) return wordlist.Items();
    sorted = SortedUniqueItems(wordlist.Items());
    return sorted;
}

std::int32_t CombinedKind(std::int32_t first, SetOperation operation, std::int32_t second) {
    switch (operation) {
        case SetOperation::Union: return std::max(first, second);
        case SetOperation::Intersection: return std::min(first, second);
        case SetOperation::Difference: return first;
    }
    return first;
}

// A label as kept: cut to 20 characters, without blanks at its end (a cut
// may end inside a run of blanks), so that a label written to a file reads
// back the same: reading trims the label line.
std::string LabelOf(std::string_view text) {
    const std::string_view cut = text.substr(0, MaxWordlistLabelLength);
    return std::string(cut.substr(0, cut.find_last_not_of(" \t") + 1));
}

}  // namespace

// ---- The item store --------------------------------------------------------

const WordlistItems& Wordlist::Items() const {
    MergePending();
    return items_;
}

void Wordlist::MergePending() const {
    if (pending_.empty()) return;
    items_ = MergeSorted(items_, SetOperation::Union, SortedUniqueItems(pending_));
    pending_ = WordlistItems{};
}

void Wordlist::AddResult(const WordlistItem& item) {
    if (!inWordOrder_) PutInWordOrder();
    if (pending_.empty() && (items_.empty() || LastText(items_) < item.Text))
        items_.Append(item);
    else if (pending_.empty() && LastText(items_) == item.Text)
        items_.MergeMarksOfLast(item.Marks);
    else
        pending_.Append(item);
}

void Wordlist::Append(const WordlistItem& item) {
    MergePending();
    inWordOrder_ = inWordOrder_ && (items_.empty() || LastText(items_) < item.Text);
    items_.Append(item);
}

void Wordlist::Replace(WordlistItems items, bool inWordOrder) {
    items_ = std::move(items);
    pending_ = WordlistItems{};
    inWordOrder_ = inWordOrder;
}

void Wordlist::Remove(std::int32_t first, std::int32_t count) {
    MergePending();
    items_.Erase(static_cast<std::size_t>(first), static_cast<std::size_t>(count));
}

void Wordlist::Insert(std::int32_t at, const WordlistItems& items) {
    MergePending();
    items_.Insert(static_cast<std::size_t>(at), items);
    inWordOrder_ = items_.size() <= 1;
}

void Wordlist::PutInWordOrder() {
    MergePending();
    if (inWordOrder_) return;
    items_ = SortedUniqueItems(items_);
    inWordOrder_ = true;
}

// ---- Finding and reading -------------------------------------------------

bool IsWordlistNumber(std::int32_t number) { return number >= SlateNumber && number <= MaxWordlistNumber; }

std::int32_t WordlistCount() { return static_cast<std::int32_t>(NumberedWordlists.size()); }

Wordlist* FindWordlist(std::int32_t number) {
    if (number == SlateNumber) return &Slate;
    const auto found = NumberedWordlists.find(number);
    return found == NumberedWordlists.end() ? nullptr : &found->second;
}

bool WordlistExists(std::int32_t number) { return FindWordlist(number) != nullptr; }

Wordlist* ObtainWordlist(std::int32_t number) {
    if (!IsWordlistNumber(number)) return nullptr;
    if (number == SlateNumber) return &Slate;
    const auto [place, made] = NumberedWordlists.try_emplace(number);
    if (made) place->second.Number = number;
    return &place->second;
}

std::string NoSuchWordlistText(std::int32_t number) { return FormatText("There is no wordlist %d", number); }

std::int32_t FirstFreeWordlistNumber() {
    std::int32_t candidate = 1;
    for (const auto& [number, wordlist] : NumberedWordlists)
        if (number <= candidate) ++candidate;
    return candidate;
}

void ForEachNumberedWordlist(const std::function<void(const Wordlist&)>& use) {
    for (const auto& [number, wordlist] : NumberedWordlists) use(wordlist);
}

std::optional<std::string> NextWordlistItem(std::int32_t number, std::int32_t item) {
    if (number < 0) number = LastUsedWordlist;
    Wordlist* wordlist = number < 0 ? nullptr : FindWordlist(number);
    if (wordlist == nullptr) return std::nullopt;
    if (item == 0) item = wordlist->Cursor + 2;
    if (item < 1 || item > wordlist->Count()) return std::nullopt;
    wordlist->Cursor = item - 1;
    LastUsedWordlist = number;
    return WordToDisplay(wordlist->Items().Text(static_cast<std::size_t>(item - 1)));
}

std::optional<std::string> WordlistItemText(std::int32_t number, std::int32_t item) {
    const Wordlist* wordlist = FindWordlist(number);
    if (wordlist == nullptr || item < 1 || item > wordlist->Count()) return std::nullopt;
    return WordToDisplay(wordlist->Items().Text(static_cast<std::size_t>(item - 1)));
}

// ---- Adding and replacing items -------------------------------------------

void AddWordToWordlist(Wordlist& wordlist, std::string_view text, bool asText) {
    if (asText) wordlist.ItemKind = StringItems;
    if (!wordlist.InWordOrder()) {
        wordlist.PutInWordOrder();
        KeepIndicesInRange(wordlist);
    }
    const std::size_t held = wordlist.HeldCount();
    std::string upper(text);
    const BlankMarks marks = TakeBlankMarks(upper);
    wordlist.AddResult({upper, marks});
    const std::size_t nowHeld = wordlist.HeldCount();
    if (WordlistProgressHook && nowHeld > held && nowHeld % ProgressInterval == 0)
        WordlistProgressHook(static_cast<std::int32_t>(nowHeld));
}

void AppendWordlistItem(Wordlist& wordlist, std::string_view text, bool asText) {
    if (asText) wordlist.ItemKind = StringItems;
    std::string upper(text);
    const BlankMarks marks = TakeBlankMarks(upper);
    wordlist.Append({upper, marks});
}

void RemakeWordlist(Wordlist& wordlist, WordlistItems items, std::int32_t kind, bool inWordOrder) {
    wordlist.Replace(std::move(items), inWordOrder);
    wordlist.ItemKind = kind;
    wordlist.Label.clear();
    wordlist.Cursor = -1;
    KeepIndicesInRange(wordlist);
}

void ClearWordlist(Wordlist& wordlist) { RemakeWordlist(wordlist, {}, WordItems, true); }

void ResetWordlists() {
    NumberedWordlists.clear();
    Slate = Wordlist{};
    ResetFlashcards();  // a drill does not outlive its wordlist
    LastUsedWordlist = -1;
    WordlistProgressHook = nullptr;
}
const ProgramStateReset registerResetWordlists(ResetWordlists);

void DeleteNumberedWordlists() {
    if (FlashcardsActive()) StopFlashcards();
    NumberedWordlists.clear();
    if (LastUsedWordlist != SlateNumber) LastUsedWordlist = -1;
}

void RetileWordlists(Language previous) {
    const auto retile = [previous](Wordlist& wordlist) {
        WordlistItems items;
        bool allWords = true;
        for (const WordlistItem& item : wordlist.Items()) {
            const std::optional<std::string> tiles = ItemTiles(WordToDisplayIn(previous, item.Text));
            if (!tiles) continue;
            allWords = allWords && IsWordOfLanguage(*tiles);
            items.Append({*tiles, tiles->size() == item.Text.size() ? item.Marks : BlankMarks{}});
        }
        const bool inWordOrder = wordlist.InWordOrder();
        wordlist.Replace(std::move(items), false);
        if (inWordOrder) wordlist.PutInWordOrder();
        if (!allWords) wordlist.ItemKind = StringItems;
        KeepIndicesInRange(wordlist);
    };
    retile(Slate);
    for (auto& [number, wordlist] : NumberedWordlists) retile(wordlist);
}

// ---- Wordlist commands ---------------------------------------------------

bool SetWordlistLabel(std::int32_t number, const std::string& label) {
    Wordlist* wordlist = number == SlateNumber ? nullptr : FindWordlist(number);
    if (wordlist == nullptr) return false;
    wordlist->Label = LabelOf(label);
    return true;
}

bool CopyWordlist(std::int32_t source, std::int32_t target, std::span<const std::int32_t> order) {
    const Wordlist* from = FindWordlist(source);
    if (from == nullptr || !IsWordlistNumber(target)) return false;
    WordlistItems items;
    if (order.empty()) {
        items = from->Items();
    } else {
        items.Reserve(order.size(), from->Items().TextBytes());
        ForEachItemInOrder(*from, order, [&items](const WordlistItem& item) { items.Append(item); });
        items.ReleaseSlack();
    }
    const bool inWordOrder = from->InWordOrder() && order.empty();
    RemakeWordlist(*ObtainWordlist(target), std::move(items), from->ItemKind, inWordOrder);
    return true;
}

void CopyWordlistItems(Wordlist& target, const Wordlist& source) {
    if (&target == &source) return;
    RemakeWordlist(target, source.Items(), source.ItemKind, source.InWordOrder());
}

bool CombineWordlists(std::int32_t target, std::int32_t first, SetOperation operation, std::int32_t second) {
    const Wordlist* a = FindWordlist(first);
    const Wordlist* b = FindWordlist(second);
    if (a == nullptr || b == nullptr || !IsWordlistNumber(target)) return false;
    CombineWordlistItems(*ObtainWordlist(target), *a, operation, *b);
    return true;
}

void CombineWordlistItems(Wordlist& target, const Wordlist& first, SetOperation operation, const Wordlist& second) {
    WordlistItems sortedFirst, sortedSecond;
    WordlistItems items =
        MergeSorted(ItemsInWordOrder(first, sortedFirst), operation, ItemsInWordOrder(second, sortedSecond));
    const std::int32_t kind = CombinedKind(first.ItemKind, operation, second.ItemKind);
    RemakeWordlist(target, std::move(items), kind, true);
}

// ---- Item commands ---------------------------------------------------------

ItemRange ResolveItemRange(std::int32_t itemCount, std::int32_t specifiedItem, std::int32_t specifiedCount) {
    if (itemCount <= 0) return {};
    ItemRange range;
    range.First = specifiedItem >= 1 && specifiedItem <= itemCount ? specifiedItem : itemCount;
    if (specifiedCount < 1) return range;
    const std::int64_t last = std::min<std::int64_t>(std::int64_t{range.First} + specifiedCount - 1, itemCount);
    range.Count = static_cast<std::int32_t>(last - range.First + 1);
    return range;
}

std::int32_t ResolveDestinationItem(std::int32_t itemCount, std::int32_t specifiedItem) {
    return specifiedItem >= 1 && specifiedItem <= itemCount ? specifiedItem : itemCount + 1;
}

std::int32_t DeleteWordlistItems(std::int32_t source, std::int32_t item, std::int32_t count) {
    Wordlist* wordlist = FindWordlist(source);
    if (wordlist == nullptr) return -1;
    const ItemRange range = ResolveItemRange(wordlist->Count(), item, count);
    if (range.Count == 0) return 0;
    const std::int32_t first = range.First - 1;
    wordlist->Remove(first, range.Count);
    ShiftIndicesAfterRemoval(*wordlist, first, range.Count);
    return range.Count;
}

std::int32_t TransferWordlistItems(std::int32_t destination, std::int32_t destinationItem, std::int32_t source,
                                   std::int32_t item, std::int32_t count, bool move) {
    Wordlist* from = FindWordlist(source);
    if (from == nullptr || !IsWordlistNumber(destination)) return -1;
    const ItemRange range = ResolveItemRange(from->Count(), item, count);
    if (range.Count == 0) return 0;
    Wordlist* to = ObtainWordlist(destination);
    const std::int32_t first = range.First - 1;
    std::int32_t at = ResolveDestinationItem(to->Count(), destinationItem) - 1;
    WordlistItems taken;
    taken.AppendRange(from->Items(), static_cast<std::size_t>(first), static_cast<std::size_t>(range.Count));
    if (move) {
        from->Remove(first, range.Count);
        ShiftIndicesAfterRemoval(*from, first, range.Count);
        if (from == to && at > first) at = at >= first + range.Count ? at - range.Count : first;
    }
    to->ItemKind = to->Count() == 0 ? from->ItemKind : std::max(to->ItemKind, from->ItemKind);
    to->Insert(at, taken);
    ShiftIndicesAfterInsertion(*to, at, range.Count);
    return range.Count;
}

}  // namespace qora
