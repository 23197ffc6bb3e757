#include "engine/Ordering.h"

#include <algorithm>
#include <limits>
#include <numeric>
#include <string>

#include "engine/Board.h"
#include "engine/CanonicalOrder.h"
#include "engine/Probability.h"
#include "engine/WordTests.h"
#include "platform/ProgramState.h"
#include "platform/Random.h"

namespace qora {

namespace {

// One key's value for every item: a number or a text, by the key's kind.
// The alphabetical key compares the items' own texts.
struct KeyColumn {
    SortKey Key;
    std::vector<std::int64_t> Numbers;
    const WordlistItems* Items = nullptr;  // the alphabetical key
    WordlistItems CanonicalKeys;           // the canonical key

    std::string_view Text(std::int32_t i) const {
        const auto index = static_cast<std::size_t>(i);
        return Items != nullptr ? Items->Text(index) : CanonicalKeys.Text(index);
    }
};

bool ComparesText(SortKeyKind kind) { return kind == SortKeyKind::Alphabetical || kind == SortKeyKind::Canonical; }

// The item's tiles as their places in the canonical ordering, sorted: equal
// for anagrams, and in canonical order of their letters.
std::string CanonicalKey(std::string_view text, const OrderingRanks& ranks) {
    std::string key;
    key.reserve(text.size());
    for (unsigned char c : text) {
        const int tile = c == '?' ? BlankTileCode : TileNumberOf(c);
        if (tile != 0) key += static_cast<char>(ranks[tile]);
    }
    std::sort(key.begin(), key.end());
    return key;
}

std::int64_t RandomKey() { return (static_cast<std::int64_t>(RuntimeRand()) << 15) | RuntimeRand(); }

std::int64_t NumberKey(SortKeyKind kind, const WordlistItem& item, std::int32_t index, const Settings& settings) {
    switch (kind) {
        case SortKeyKind::Length: return ItemLength(item.Text);
        case SortKeyKind::Score: return ItemScore(MarkedItemText(item), settings);
        case SortKeyKind::Probability:
            return ItemDrawCount(item.Text, settings).value_or(std::numeric_limits<std::int64_t>::max());
        case SortKeyKind::AnagramCount: return AnagramCount(item.Text);
        case SortKeyKind::Hooks: return ItemHookCount(item.Text);
        case SortKeyKind::Random: return RandomKey();
        default: return index;  // source order
    }
}

KeyColumn MakeKeyColumn(const SortKey& key, const WordlistItems& items, const Settings& settings) {
    KeyColumn column{key, {}, nullptr, {}};
    if (key.Key == SortKeyKind::Alphabetical) {
        column.Items = &items;
    } else if (key.Key == SortKeyKind::Canonical) {
        const OrderingRanks ranks = RanksInOrdering(settings.CanonicalOutputOrder);
        column.CanonicalKeys.Reserve(items.size(), items.TextBytes());
        for (const WordlistItem& item : items) column.CanonicalKeys.Append({CanonicalKey(item.Text, ranks), {}});
    } else {
        column.Numbers.reserve(items.size());
        std::int32_t index = 0;
        for (const WordlistItem& item : items) column.Numbers.push_back(NumberKey(key.Key, item, index++, settings));
    }
    return column;
}

// -1, 0 or 1 as item a sorts before, with or after item b by this key.
int Compare(const KeyColumn& column, std::int32_t a, std::int32_t b) {
    int order = 0;
    if (ComparesText(column.Key.Key))
        order = column.Text(a).compare(column.Text(b));
    else
        order = column.Numbers[a] < column.Numbers[b] ? -1 : (column.Numbers[a] > column.Numbers[b] ? 1 : 0);
    order = (order > 0) - (order < 0);
    return column.Key.Descending ? -order : order;
}

// What the slate held when its presentation order was kept.
std::uint64_t Fingerprint(const Wordlist& wordlist) {
    std::uint64_t hash = 14695981039346656037ull;
    auto mix = [&hash](unsigned char c) { hash = (hash ^ c) * 1099511628211ull; };
    const WordlistItems& items = wordlist.Items();
    for (std::size_t i = 0; i < items.size(); ++i) {
        for (unsigned char c : items.Text(i)) mix(c);
        mix(0);
    }
    return hash;
}

std::vector<std::int32_t> KeptOrder;
std::uint64_t KeptFingerprint = 0;
bool OrderKept = false;

}  // namespace

int ItemLength(std::string_view text) {
    return static_cast<int>(std::count_if(text.begin(), text.end(), [](char c) { return c != ' '; }));
}

int ItemScore(std::string_view text, const Settings& settings) { return BoardWordScore(text, settings); }

std::optional<std::int64_t> ItemDrawCount(std::string_view text, const Settings& settings) {
    return WordDrawCount(text, settings.LetterDistribution);
}

int ItemHookCount(std::string_view text) {
    return LetterCountTotal(FrontHooks(text)) + LetterCountTotal(BackHooks(text));
}

std::vector<std::int32_t> SortedOrder(const Wordlist& wordlist, std::span<const SortKey> keys,
                                      const Settings& settings) {
    const WordlistItems& items = wordlist.Items();
    std::vector<std::int32_t> order(items.size());
    std::iota(order.begin(), order.end(), 0);
    std::vector<KeyColumn> columns;
    for (const SortKey& key : keys) columns.push_back(MakeKeyColumn(key, items, settings));
    std::stable_sort(order.begin(), order.end(), [&columns](std::int32_t a, std::int32_t b) {
        for (const KeyColumn& column : columns)
            if (const int order = Compare(column, a, b); order != 0) return order < 0;
        return false;
    });
    return order;
}

const std::vector<std::int32_t>& SortSlate(const Settings& settings) {
    const int keyCount = std::clamp(settings.SortKeyCount, 0, MaxSortKeys);
    KeptOrder = SortedOrder(Slate, std::span(settings.SortKeys).first(static_cast<std::size_t>(keyCount)), settings);
    KeptFingerprint = Fingerprint(Slate);
    OrderKept = true;
    return KeptOrder;
}

std::optional<std::vector<std::int32_t>> SlatePresentationOrder() {
    const bool current = OrderKept && KeptOrder.size() == static_cast<std::size_t>(Slate.Count()) &&
                         Fingerprint(Slate) == KeptFingerprint;
    if (!current) return std::nullopt;
    return KeptOrder;
}

void ResetPresentationOrder() {
    KeptOrder.clear();
    KeptFingerprint = 0;
    OrderKept = false;
}
const ProgramStateReset registerResetPresentationOrder(ResetPresentationOrder);

}  // namespace qora
