// Wordlists: the table of the slate (wordlist 0, where query results go) and
// the numbered wordlists 1 to 99, with their items, labels and cursors;
// adding and reading items; the commands that copy, combine and label
// wordlists and delete, copy or move their items. The listings of wordlists
// are in engine/WordlistListings.h, the flashcard drill in engine/Flashcards.h
// and the wordlist files (".wds") in engine/WordlistFiles.h.
//
// An item is a word (a tile string of the active language) or a string (any
// other text: racks, word pairs). Inside the program items are held in upper
// case; the tiles that a blank matched are recorded in the item's BlankMarks.
// When an item is added, lower-case tiles in its text mark those positions.
//
// Wordlists are used by one thread at a time: the query thread while a query
// runs (the windows are disabled meanwhile), else the main thread. Even a
// read may merge waiting results, so reads too belong to that thread.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "engine/SetOperation.h"
#include "engine/Tiles.h"
#include "engine/WordlistItems.h"

namespace qora {

constexpr std::int32_t SlateNumber = 0;
constexpr std::int32_t MaxWordlistNumber = 99;
constexpr int MaxWordlistLabelLength = 20;

// Item kinds of a wordlist.
constexpr std::int32_t WordItems = 0;
constexpr std::int32_t StringItems = 1;

// The item's text with the tiles that a blank matched in lower case: the
// form in which the result was added.
std::string MarkedItemText(const WordlistItem& item);

// The tiles of an item's display text in the active language, or nothing when
// the language cannot hold the text: a letter that is no tile of it (K or W
// for Spanish) would be kept as a byte that reads back as another tile.
std::optional<std::string> ItemTiles(std::string_view display);

// A word of the active language: 1 to 32 upper-case tiles and nothing else.
bool IsWordOfLanguage(std::string_view text);

class Wordlist {
public:
    std::int32_t Number = SlateNumber;
    std::int32_t Cursor = -1;  // 0-based index of the current item; -1 before the first
    std::string Label;         // empty: unlabeled; the slate has none
    std::int32_t ItemKind = WordItems;

    // The items. Results that were added out of word order wait aside and
    // are merged in when the items are next read, so that adding a result
    // costs little in any order.
    const WordlistItems& Items() const;
    std::int32_t Count() const { return static_cast<std::int32_t>(Items().size()); }
    // The items are known to be in word order without duplicates.
    bool InWordOrder() const { return inWordOrder_; }

    // The item changes that the operations below are built from. Other code
    // uses those operations, which also keep the cursors right.
    void AddResult(const WordlistItem& item);  // in word order; an equal item merges its marks
    void Append(const WordlistItem& item);
    void Replace(WordlistItems items, bool inWordOrder);
    void Remove(std::int32_t first, std::int32_t count);
    void Insert(std::int32_t at, const WordlistItems& items);
    void PutInWordOrder();
    // Items held, counting results not merged yet (their duplicates too).
    std::size_t HeldCount() const { return items_.size() + pending_.size(); }

private:
    void MergePending() const;

    mutable WordlistItems items_;
    mutable WordlistItems pending_;  // results that came out of word order
    bool inWordOrder_ = true;
};

extern Wordlist Slate;
extern std::int32_t& SlateItemKind;  // the slate's ItemKind

// Called by AddWordToWordlist with the item count at every 1000th item, so
// that a long search can show "WORKING: " progress.
extern std::function<void(std::int32_t itemCount)> WordlistProgressHook;

// ---- Finding and reading -------------------------------------------------

bool IsWordlistNumber(std::int32_t number);   // 0 (the slate) to 99
std::int32_t WordlistCount();                 // numbered wordlists, the slate not counted
bool WordlistExists(std::int32_t number);     // the slate always exists
Wordlist* FindWordlist(std::int32_t number);  // 0: the slate; null when none
// The wordlist of this number, made empty when it does not exist yet; null
// for a number outside 0 to 99.
Wordlist* ObtainWordlist(std::int32_t number);
// The smallest number from 1 up that names no wordlist (100 when 1 to 99 do).
std::int32_t FirstFreeWordlistNumber();

// "There is no wordlist n": the one wording wherever a wordlist is missing.
std::string NoSuchWordlistText(std::int32_t number);

// Calls `use` with each numbered wordlist in number order.
void ForEachNumberedWordlist(const std::function<void(const Wordlist&)>& use);

// Calls `use` with each item of `wordlist` in the order given by item
// indices (all of them, in their own order, when none is given); indices
// outside the wordlist are passed over.
template <typename Use>
void ForEachItemInOrder(const Wordlist& wordlist, std::span<const std::int32_t> order, Use use) {
    const WordlistItems& items = wordlist.Items();
    if (order.empty()) {
        for (const WordlistItem& item : items) use(item);
        return;
    }
    for (const std::int32_t index : order)
        if (index >= 0 && static_cast<std::size_t>(index) < items.size()) use(items[static_cast<std::size_t>(index)]);
}

// The display text of item `item` (1-based) of wordlist `number`, or nothing
// when either does not exist. A negative number means the wordlist used
// last; item 0 the item after the cursor. Sets that wordlist's Cursor to the
// item read and records it as the wordlist used last.
std::optional<std::string> NextWordlistItem(std::int32_t number, std::int32_t item);

// The display text of item `item` (1-based) of wordlist `number` (0 the
// slate), or nothing when either does not exist. Only reads: no cursor moves
// and the wordlist used last stays, so a preview changes no command's meaning.
std::optional<std::string> WordlistItemText(std::int32_t number, std::int32_t item);

// ---- Adding and replacing items -------------------------------------------

// Adds a result in word order without duplicates: an equal item is not added
// again, its blank marks are merged. `asText` adds a string, not a word.
void AddWordToWordlist(Wordlist& wordlist, std::string_view text, bool asText);

// Adds an item at the end, whatever the order.
void AppendWordlistItem(Wordlist& wordlist, std::string_view text, bool asText);

// A wordlist made anew by a command: these items and kind, no label, the
// cursor before the first item (the current flashcard kept where it can be).
void RemakeWordlist(Wordlist& wordlist, WordlistItems items, std::int32_t kind, bool inWordOrder);
void ClearWordlist(Wordlist& wordlist);  // no items, words, cursor before the first
void ResetWordlists();                   // an empty slate, no numbered wordlists, flashcards off (0)
// Deletes wordlists 1 to 99; the slate stays. A flashcard drill stops.
void DeleteNumberedWordlists();

// Carries every item, written in the tiles of `previous`, over into the
// tiles of the active language, as an export and an import would: items the
// language cannot hold (K or W for Spanish) are dropped, a wordlist of words
// whose items are no longer all words holds strings, and one in word order is
// put in the new word order. Blank marks stay on items whose tiles keep their
// places.
void RetileWordlists(Language previous);

// ---- Wordlist commands ---------------------------------------------------

// Labels a numbered wordlist (cut to 20 characters, blanks at the end
// dropped; empty removes it).
// False for the slate or a wordlist that does not exist.
bool SetWordlistLabel(std::int32_t number, const std::string& label);

// Wordlist `target` (0 to 99; made when new) becomes a copy of `source`'s
// items and kind, unlabeled. `order`, when given, lists the source's item
// indices in the order to copy them (the slate's presentation order).
// False when `source` does not exist or `target` is out of range.
bool CopyWordlist(std::int32_t source, std::int32_t target, std::span<const std::int32_t> order = {});

// Wordlist `target` becomes `first` combined with `second`, in word order
// without duplicates, unlabeled: union (items of either), intersection
// (items of both), difference (items of the first not in the second).
bool CombineWordlists(std::int32_t target, std::int32_t first, SetOperation operation, std::int32_t second);

// The same two operations on wordlists at hand (a query's result meeting the
// slate); `target` may be one of the others.
void CopyWordlistItems(Wordlist& target, const Wordlist& source);
void CombineWordlistItems(Wordlist& target, const Wordlist& first, SetOperation operation, const Wordlist& second);

// ---- Item commands ---------------------------------------------------------

// How an item command's numbers resolve against a wordlist of `itemCount`
// items: the first item (1-based; 0 and numbers past the end take the last)
// and the number of items taken from there (up to the end; 0 when the
// wordlist is empty or the count is below 1).
struct ItemRange {
    std::int32_t First = 0;
    std::int32_t Count = 0;
};
ItemRange ResolveItemRange(std::int32_t itemCount, std::int32_t specifiedItem, std::int32_t specifiedCount);

// Where items go in a wordlist of `itemCount` items (1-based): the specified
// item when it is 1 to itemCount, else after the last.
std::int32_t ResolveDestinationItem(std::int32_t itemCount, std::int32_t specifiedItem);

// Deletes the resolved items; returns how many, or -1 when the source does
// not exist.
std::int32_t DeleteWordlistItems(std::int32_t source, std::int32_t item, std::int32_t count);

// Copies (or moves) the resolved items of `source` into `destination`
// (made when new, 0 to 99) before its resolved item `destinationItem`.
// Returns how many items, or -1 when the source does not exist or the
// destination is out of range.
std::int32_t TransferWordlistItems(std::int32_t destination, std::int32_t destinationItem, std::int32_t source,
                                   std::int32_t item, std::int32_t count, bool move);

}  // namespace qora
