// The order in which the items of a wordlist are presented: up to seven sort
// keys, each ascending or descending, applied in turn; items that all keys
// find equal keep their order in the wordlist. The slate's order of its last
// presentation is kept, so that a sorted copy or export of the slate can
// follow it.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "engine/QueryRecords.h"
#include "engine/Wordlists.h"

namespace qora {

// The values that sort keys compare and that the presentation shows beside
// the words, for one item (its text as MarkedItemText gives it).
int ItemLength(std::string_view text);  // tiles and other characters, blanks between words not counted
int ItemScore(std::string_view text, const Settings& settings);  // the board score of the scoring mode
// The number of ways to draw the item's tiles from the settings' letter
// distribution; nothing when it passes 63 bits (more probable than any).
std::optional<std::int64_t> ItemDrawCount(std::string_view text, const Settings& settings);
int ItemHookCount(std::string_view text);  // front hooks and back hooks

// The item indices of `wordlist` in the order of `keys` (stable).
std::vector<std::int32_t> SortedOrder(const Wordlist& wordlist, std::span<const SortKey> keys,
                                      const Settings& settings);

// The slate's items in the order of the settings' sort keys, kept as the
// slate's presentation order.
const std::vector<std::int32_t>& SortSlate(const Settings& settings);

// The item indices of the slate in the order of its last presentation, or
// nothing when the slate has not been sorted since its items last changed.
std::optional<std::vector<std::int32_t>> SlatePresentationOrder();

// Forgets the kept presentation order (tests, clearing the slate).
void ResetPresentationOrder();

}  // namespace qora
