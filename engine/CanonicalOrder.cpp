#include "engine/CanonicalOrder.h"

#include <array>
#include <vector>

#include "engine/Tiles.h"

namespace qora {

namespace {

constexpr char BlankTileChar = '?';

// One step of an ordering: a tile (1..28), the blank (BlankTileCode) or a
// separator character.
struct OrderingStep {
    int tile = 0;  // 0 for a separator
    char separator = 0;
};

bool IsSeparator(unsigned char c) { return c == ' ' || c == '+'; }

// The tile (1..28) of the display text at `at`, 0 for none; `length` is the
// number of characters it takes (2 for a Spanish double tile).
int DisplayTileAt(std::string_view text, std::size_t at, std::size_t& length) {
    length = 1;
    const auto c = static_cast<unsigned char>(text[at]);
    if (!SpanishLexiconActive) return TileNumberOf(c);
    const unsigned char next = at + 1 < text.size() ? static_cast<unsigned char>(text[at + 1]) : 0;
    bool tookTwo = false;
    const int tile = TileCodeOfChar(c, next, tookTwo);
    if (tookTwo) length = 2;
    return tile > SpanishTileCount ? 0 : tile;
}

std::vector<OrderingStep> ReadOrdering(std::string_view ordering) {
    std::vector<OrderingStep> steps;
    for (std::size_t i = 0; i < ordering.size();) {
        const unsigned char c = static_cast<unsigned char>(ordering[i]);
        std::size_t length = 1;
        if (IsSeparator(c))
            steps.push_back({0, static_cast<char>(c)});
        else if (c == BlankTileChar)
            steps.push_back({BlankTileCode, 0});
        else if (const int tile = DisplayTileAt(ordering, i, length); tile != 0)
            steps.push_back({tile, 0});
        i += length;
    }
    return steps;
}

int TileKey(unsigned char tile) { return tile == BlankTileChar ? BlankTileCode : TileNumberOf(tile); }

}  // namespace

OrderingCheck CheckOrdering(std::string_view text, bool randomRack) {
    std::array<bool, SpanishTileCount + 1> seen{};
    int tilesSeen = 0;
    bool blankSeen = false;
    int separators = 0;
    for (std::size_t at = 0; at < text.size();) {
        const auto c = static_cast<unsigned char>(text[at]);
        std::size_t length = 1;
        if (IsSeparator(c)) {
            if (++separators > MaxOrderingSeparators) return {OrderingFault::TooManySeparators, at};
        } else if (c == BlankTileChar) {
            if (!randomRack) return {OrderingFault::BlankNotAllowed, at};
            if (blankSeen) return {OrderingFault::BlankTwice, at};
            blankSeen = true;
        } else if (const int tile = DisplayTileAt(text, at, length); tile != 0) {
            if (seen[tile]) return {OrderingFault::LetterTwice, at};
            seen[tile] = true;
            ++tilesSeen;
        } else {
            return {OrderingFault::BadCharacter, at};
        }
        at += length;
    }
    if (tilesSeen != ActiveTileCount()) return {OrderingFault::MissingLetter, text.size()};
    if (randomRack && !blankSeen) return {OrderingFault::MissingBlank, text.size()};
    return {};
}

std::string ArrangeInOrdering(std::string_view tiles, std::string_view ordering) {
    if (ordering.empty()) return std::string(tiles);
    std::array<std::string, BlankTileCode + 1> byKey;
    for (unsigned char tile : tiles) byKey[TileKey(tile)] += static_cast<char>(tile);
    std::array<bool, BlankTileCode + 1> named{};
    std::string arranged;
    arranged.reserve(tiles.size() + ordering.size());
    for (const OrderingStep& step : ReadOrdering(ordering)) {
        if (step.tile == 0) {
            arranged += step.separator;
        } else if (!named[step.tile]) {
            named[step.tile] = true;
            arranged += byKey[step.tile];
        }
    }
    for (unsigned char tile : tiles) {
        const int key = TileKey(tile);
        if (key == 0 || !named[key]) arranged += static_cast<char>(tile);
    }
    return arranged;
}

std::string ArrangeInCanonicalOrder(std::string_view word, std::string_view ordering, bool plainLetters) {
    if (!plainLetters || !SpanishLexiconActive) return ArrangeInOrdering(word, ordering);
    std::string tiles;
    for (std::size_t i = 0; i < word.size(); ++i) {
        const std::string tile = TextToTiles(word.substr(i, 1));
        tiles += tile.empty() ? word.substr(i, 1) : std::string_view(tile);
    }
    return TilesToText(ArrangeInOrdering(tiles, ordering));
}

OrderingRanks RanksInOrdering(std::string_view ordering) {
    OrderingRanks ranks{};
    std::array<bool, BlankTileCode + 1> named{};
    int next = 0;
    for (const OrderingStep& step : ReadOrdering(ordering)) {
        if (step.tile == 0 || named[step.tile]) continue;
        named[step.tile] = true;
        ranks[step.tile] = static_cast<std::uint8_t>(next++);
    }
    for (int tile = 1; tile <= BlankTileCode; ++tile)
        if (!named[tile]) ranks[tile] = static_cast<std::uint8_t>(next++);
    return ranks;
}

}  // namespace qora
