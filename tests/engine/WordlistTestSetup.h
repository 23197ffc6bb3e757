// What the wordlist tests share: the engine's start-up state (the fixture),
// wordlists made from items in the order given and their items' texts.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/Wordlists.h"
#include "support/EngineDataFixture.h"

namespace qora::test {

using Lines = std::vector<std::string>;

// Wordlist `number` made from the items in this order (not sorted).
inline Wordlist& MakeWordlist(std::int32_t number, const Lines& items, const std::string& label = "") {
    Wordlist& wordlist = *ObtainWordlist(number);
    ClearWordlist(wordlist);
    for (const std::string& item : items) AppendWordlistItem(wordlist, item, false);
    SetWordlistLabel(number, label);
    return wordlist;
}

// The texts of the items of a wordlist (by its number), in order.
inline Lines Texts(const Wordlist& wordlist) {
    Lines texts;
    for (const WordlistItem& item : wordlist.Items()) texts.emplace_back(item.Text);
    return texts;
}
inline Lines Texts(std::int32_t number) { return Texts(*FindWordlist(number)); }

}  // namespace qora::test
