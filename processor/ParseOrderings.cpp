// The orderings: the sort keys of the slate, the canonical orderings of
// random racks and output words, and the letter mapping.
#include "engine/CanonicalOrder.h"
#include "engine/Tiles.h"
#include "processor/CommandParser.h"

namespace qora {

namespace {

constexpr std::string_view SortKeyLetters = "ALSPNHCWR";

}  // namespace

// "/K" then up to seven key letters, each optionally preceded by "-"
// (descending); "/K-" alone restores alphabetical order.
bool CommandParser::ParseSortKeys() {
    if (Peek() == '-' && (Peek(1) == 0 || Peek(1) == ' ' || Peek(1) == '\t' || Peek(1) == '!')) {
        Advance();
        ChangeSetting([](Settings& s) {
            s.SortKeys = {};
            s.SortKeyCount = 1;
        });
        return true;
    }
    std::array<SortKey, MaxSortKeys> keys{};
    std::int32_t count = 0;
    while (Peek() == '-' || (PeekUpper() >= 'A' && PeekUpper() <= 'Z')) {
        const std::int32_t keyStart = Here();
        const bool descending = Peek() == '-';
        if (descending) Advance();
        const unsigned char letter = PeekUpper();
        if (AtEnd() || SortKeyLetters.find(static_cast<char>(letter)) == std::string_view::npos) return FailHere();
        if (count == MaxSortKeys) return Fail(messages::TooManySortKeys, keyStart);
        keys[count++] = SortKey{static_cast<SortKeyKind>(letter), descending};
        Advance();
    }
    if (count == 0) return FailHere();
    ChangeSetting([keys, count](Settings& s) {
        s.SortKeys = keys;
        s.SortKeyCount = count;
    });
    return true;
}

// After "/." or "/;", at the opening quote. Every tile once, "?" once in a
// random-rack ordering and never in a word-output ordering, at most four
// blanks and "+" signs. An empty ordering means random order for racks and
// alphabetical order for words.
bool CommandParser::ParseOrdering(bool randomRack) {
    const std::int32_t open = Here();
    std::string text;
    if (!ReadQuotedText(text)) return false;
    if (text.empty() && !randomRack)
        text = AlphabeticalOrdering(false);
    else if (!text.empty() && !CheckOrdering(text, static_cast<std::size_t>(open), randomRack))
        return false;
    std::string Settings::*field = randomRack ? &Settings::RandomRackOrder : &Settings::CanonicalOutputOrder;
    ChangeSetting([field, text](Settings& s) { s.*field = text; }, true);
    return true;
}

// `text` stands in the line from offset `first` on.
bool CommandParser::CheckOrdering(std::string_view text, std::size_t first, bool randomRack) {
    const OrderingCheck check = qora::CheckOrdering(text, randomRack);
    const auto position = static_cast<std::int32_t>(first + check.Offset) + 1;
    switch (check.Fault) {
        case OrderingFault::None: return true;
        case OrderingFault::BadCharacter: return FailAtCharacter(position);
        case OrderingFault::LetterTwice: return Fail(std::string(messages::OrderingLetterTwice), position);
        case OrderingFault::BlankTwice: return Fail(std::string(messages::OrderingBlankTwice), position);
        case OrderingFault::BlankNotAllowed: return Fail(std::string(messages::OrderingNoBlankAllowed), position);
        case OrderingFault::TooManySeparators: return Fail(std::string(messages::OrderingTooManySeparators), position);
        case OrderingFault::MissingLetter: return Fail(std::string(messages::OrderingMissingLetter), position);
        case OrderingFault::MissingBlank: return Fail(std::string(messages::OrderingMissingBlank), position);
    }
    return true;
}

// "/M\"...\"": blanks inside are skipped; exactly one tile per tile of the
// language.
bool CommandParser::ParseMapping(std::int32_t start) {
    const std::int32_t open = Here();
    std::string text;
    if (!ReadQuotedText(text)) return false;
    std::string mapping;
    const auto first = static_cast<std::size_t>(open);
    for (std::size_t at = first; at < first + text.size();) {
        const auto c = static_cast<unsigned char>(line_[at]);
        std::size_t length = 1;
        if (c != ' ') {
            const int tile = TileAt(at, length);
            if (tile == 0) return FailAtCharacter(static_cast<std::int32_t>(at) + 1);
            mapping += static_cast<char>(TileBase + tile);
        }
        at += length;
    }
    if (static_cast<int>(mapping.size()) != ActiveTileCount())
        return Fail(messages::MappingLetterCount, open, ActiveTileCount());
    AddAction(ActionKind::SetLetterMapping, start).Text = std::move(mapping);
    preceding_ = Preceding::LastingAction;
    return true;
}

}  // namespace qora
