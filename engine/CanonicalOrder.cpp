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

std::vector<OrderingStep> ReadOrdering(std::string_view ordering) {
    std::vector<OrderingStep> steps;
    for (std::size_t i = 0; i < ordering.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(ordering[i]);
        if (IsSeparator(c)) {
            steps.push_back({0, static_cast<char>(c)});
            continue;
        }
        if (c == BlankTileChar) {
            steps.push_back({BlankTileCode, 0});
            continue;
        }
        int tile = 0;
        if (SpanishLexiconActive) {
            const unsigned char next = i + 1 < ordering.size() ? static_cast<unsigned char>(ordering[i + 1]) : 0;
            bool tookTwo = false;
            tile = TileCodeOfChar(c, next, tookTwo);
            if (tookTwo) ++i;
            if (tile > SpanishTileCount) tile = 0;
        } else {
            tile = TileNumberOf(c);
        }
        if (tile != 0) steps.push_back({tile, 0});
    }
    return steps;
}

int TileKey(unsigned char tile) { return tile == BlankTileChar ? BlankTileCode : TileNumberOf(tile); }

}  // namespace

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
