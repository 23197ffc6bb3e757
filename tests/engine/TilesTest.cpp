#include "engine/Tiles.h"

#include <gtest/gtest.h>

#include <numeric>

#include "support/EngineDataFixture.h"

namespace qora {
namespace {

using TilesTest = test::EngineDataTest;

template <typename Table>
int Sum(const Table& table) {
    return std::accumulate(table.begin(), table.end(), 0);
}

// The tiles whose count differs between the bag and the pool, with the
// difference: "I1 O1 ".
template <typename Pool>
std::string RemovedTiles(const TileTable& bag, const Pool& pool) {
    std::string removed;
    for (std::size_t i = 0; i < pool.size(); ++i)
        if (bag[i] != pool[i]) removed += TileCaption(static_cast<int>(i) + 1) + std::to_string(bag[i] - pool[i]) + " ";
    return removed;
}

TEST_F(TilesTest, BagsHoldTheirTileCountsAndPoolsAreTheBagLessTheNamedTiles) {
    EXPECT_EQ(98, Sum(EnglishTileCounts));
    EXPECT_EQ(100, Sum(FrenchTileCounts));
    EXPECT_EQ(98, Sum(SpanishTileCounts));
    EXPECT_EQ(96, Sum(EnglishPoolCounts));
    EXPECT_EQ(96, Sum(FrenchPoolCounts));
    EXPECT_EQ(96, Sum(SpanishPoolCounts));
    EXPECT_EQ("I1 O1 ", RemovedTiles(EnglishTileCounts, EnglishPoolCounts));
    SetLanguageTables(Language::French);
    EXPECT_EQ("A1 E2 U1 ", RemovedTiles(FrenchTileCounts, FrenchPoolCounts));
    SetLanguageTables(Language::Spanish);
    EXPECT_EQ("G1 H1 ", RemovedTiles(SpanishTileCounts, SpanishPoolCounts));
}

TEST_F(TilesTest, TileCodeOfCharReadsSpanishTilesAndDoubleTilesOfOneCase) {
    struct Case {
        const char* text;
        int tile;
        bool tookTwo;
    };
    const Case cases[] = {{"A", 1, false},     {"a", 1, false},     {"CH", 4, true},   {"ch", 4, true},
                          {"cH", 3, false},    {"Ch", 3, false},    {"C", 3, false},   {"LL", 13, true},
                          {"ll", 13, true},    {"Ll", 12, false},   {"RR", 21, true},  {"rr", 21, true},
                          {"\xD1", 16, false}, {"\xF1", 16, false}, {"Z", 28, false},  {"K", 0, false},
                          {"w", 0, false},     {"7", 0, false},     {" ", 0, false},   {"+", 0, false},
                          {".", 31, false},    {"?", 31, false},    {"\xC9", 0, false}};
    for (const Case& c : cases) {
        bool tookTwo = true;  // must be cleared at entry
        const unsigned char next = c.text[0] != '\0' ? static_cast<unsigned char>(c.text[1]) : 0;
        EXPECT_EQ(c.tile, TileCodeOfChar(static_cast<unsigned char>(c.text[0]), next, tookTwo)) << c.text;
        EXPECT_EQ(c.tookTwo, tookTwo) << c.text;
    }
}

TEST_F(TilesTest, SpanishTilesAndTextConvertBothWays) {
    EXPECT_EQ("A", TileToText('A'));
    EXPECT_EQ("CH", TileToText('D'));
    EXPECT_EQ("ch", TileToText('d'));
    EXPECT_EQ("\xD1", TileToText('@' + SpanishTileEnye));
    EXPECT_EQ("\xF1", TileToText('`' + SpanishTileEnye));
    EXPECT_EQ("Z", TileToText('\\'));
    EXPECT_EQ("?", TileToText('@'));
    EXPECT_EQ("?", TileToText(']'));
    EXPECT_EQ("?", TileToText(' '));

    const std::string chorro = TextToTiles("CHORRO");
    EXPECT_EQ(std::string({'@' + 4, '@' + 17, '@' + 21, '@' + 17}), chorro);
    EXPECT_EQ("CHORRO", TilesToText(chorro));
    EXPECT_EQ("ca\xF1o", TilesToText(TextToTiles("ca\xF1o")));
    EXPECT_EQ("llama", TilesToText(TextToTiles("llama")));
    // TextToTiles stops at the first character without a tile.
    EXPECT_EQ(TextToTiles("CA"), TextToTiles("CAKE"));
    EXPECT_EQ("", TextToTiles("?A"));
    // Bytes that are no tile pass through TilesToText unchanged.
    EXPECT_EQ("CHE ?+LL", TilesToText(std::string({'@' + 4, '@' + 6, ' ', '?', '+', '@' + 13})));
}

TEST_F(TilesTest, DisplayAndWordAreARoundTripThatKeepsNonTiles) {
    EXPECT_EQ("QUIZ", DisplayToWord("QUIZ"));
    EXPECT_EQ("QUIZ", WordToDisplay("QUIZ"));
    SetLanguageTables(Language::Spanish);
    const std::string pair = DisplayToWord("CHICO PERRO");
    EXPECT_EQ(std::string({'@' + 4, '@' + 10, '@' + 3, '@' + 17, ' ', '@' + 18, '@' + 6, '@' + 21, '@' + 17}), pair);
    EXPECT_EQ("CHICO PERRO", WordToDisplay(pair));
    // A character without a tile never shortens a word into another word.
    EXPECT_NE(DisplayToWord("CASA"), DisplayToWord("CASAK"));
}

TEST_F(TilesTest, TileNumbersAndCaptionsFollowTheActiveLanguage) {
    EXPECT_EQ(26, TileNumberOf('Z'));
    EXPECT_EQ(1, TileNumberOf('a'));
    EXPECT_EQ(0, TileNumberOf('['));
    EXPECT_EQ("K", TileCaption(11));
    EXPECT_EQ("?", TileCaption(27));
    SetLanguageTables(Language::Spanish);
    EXPECT_EQ(28, TileNumberOf('\\'));
    EXPECT_EQ(27, TileNumberOf('{'));
    EXPECT_EQ("LL", TileCaption(SpanishTileLL));
    EXPECT_EQ("\xD1", TileCaption(SpanishTileEnye));
}

}  // namespace
}  // namespace qora
