#include "engine/LetterCounts.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "support/EngineDataFixture.h"

namespace qora {
namespace {

using LetterCountsTest = test::EngineDataTest;

// Letter counts from display text of the active language: "AAB" -> A2 B1.
LetterCounts CountsOf(std::string_view text) {
    LetterCounts counts{};
    for (unsigned char tile : DisplayToWord(text)) ++counts[TileNumberOf(tile) - 1];
    return counts;
}

TEST_F(LetterCountsTest, ModeZeroWritesCountsAboveOneAndTheCountOfASingleTile) {
    const LetterCounts s = CountsOf("S");
    EXPECT_EQ("1S", FormatLetterCounts(&s, 0));
    EXPECT_EQ("S", FormatLetterCounts(&s, 9));
    const LetterCounts mixed = CountsOf("ZEISE");
    EXPECT_EQ("2EISZ", FormatLetterCounts(&mixed, 0));
    EXPECT_EQ("2EISZ", FormatLetterCounts(&mixed, 9));
    LetterCounts bag{};
    std::copy_n(EnglishTileCounts.begin(), LatinTileCount, bag.begin());
    EXPECT_EQ("9A2B2C4D12E2F3G2H9IJK4L2M6N8O2PQ6R4S6T4U2V2WX2YZ", FormatLetterCounts(&bag, 0));
}

TEST_F(LetterCountsTest, EmptyNullAndNonPositiveCountsGiveOneBlank) {
    const LetterCounts empty{};
    EXPECT_EQ(" ", FormatLetterCounts(&empty, 0));
    EXPECT_EQ(" ", FormatLetterCounts(nullptr, 9));
    LetterCounts negative{};
    negative[0] = -3;
    EXPECT_EQ(" ", FormatLetterCounts(&negative, 0));
    negative[2] = 1;
    EXPECT_EQ("1C", FormatLetterCounts(&negative, 0));  // the -3 A does not count
}

TEST_F(LetterCountsTest, SpanishWritesDoubleTilesEnyeAndALowerCaseSingleC) {
    SetLanguageTables(Language::Spanish);
    EXPECT_EQ(1, CountsOf("CH")[SpanishTileCH - 1]);
    LetterCounts cAndH{};
    cAndH[SpanishTileC - 1] = 1;
    cAndH[8] = 1;  // H
    EXPECT_EQ("cH", FormatLetterCounts(&cAndH, 0));
    EXPECT_EQ("CH", FormatLetterCounts(&cAndH, 8));
    const LetterCounts blankFilter = CountsOf("cCH\xD1");
    EXPECT_EQ("cCH\xD1", FormatLetterCounts(&blankFilter, 0));
    EXPECT_EQ("cCH\xD1", FormatLetterCounts(&blankFilter, 9));
    EXPECT_EQ("CCH\xD1", FormatLetterCounts(&blankFilter, 8));
    const LetterCounts one = CountsOf("C");
    EXPECT_EQ("1c", FormatLetterCounts(&one, 0));
    EXPECT_EQ("1C", FormatLetterCounts(&one, 8));
    const LetterCounts doubles = CountsOf("LLLLRR");
    EXPECT_EQ("2LLRR", FormatLetterCounts(&doubles, 0));
    LetterCounts singlesBeforeDoubles{};
    singlesBeforeDoubles[SpanishTileL - 1] = 2;
    singlesBeforeDoubles[SpanishTileLL - 1] = 1;
    singlesBeforeDoubles[SpanishTileR - 1] = 1;
    singlesBeforeDoubles[SpanishTileRR - 1] = 1;
    EXPECT_EQ("2L1LLRRR", FormatLetterCounts(&singlesBeforeDoubles, 0)) << "2LLL would read back as two LL and an L";
    EXPECT_EQ("2L1LLRRR", FormatLetterCounts(&singlesBeforeDoubles, 9));
}

// A change of language carries each count to the tile of the same letters;
// letters the new language has no tile for are dropped.
TEST_F(LetterCountsTest, RetilingKeepsTheLettersAcrossLanguages) {
    SetLanguageTables(Language::Spanish);
    LetterCounts spanish{};
    spanish[SpanishTileCH - 1] = 2;
    spanish[SpanishTileEnye - 1] = 3;
    spanish[SpanishTileCH] = 4;  // D
    SetLanguageTables(Language::English);
    LetterCounts english{};
    english['D' - 'A'] = 4;
    EXPECT_EQ(english, RetileLetterCounts(spanish, Language::Spanish));
    english['K' - 'A'] = 1;
    english['Z' - 'A'] = 5;
    SetLanguageTables(Language::Spanish);
    LetterCounts expected{};
    expected[SpanishTileCH] = 4;         // D
    expected[SpanishTileCount - 1] = 5;  // Z
    EXPECT_EQ(expected, RetileLetterCounts(english, Language::English));
}

TEST_F(LetterCountsTest, EqualityLooksOnlyAtTheLanguagesTiles) {
    LetterCounts a = CountsOf("ABC");
    LetterCounts b = a;
    b[27] = 5;  // slot 28 is no English tile
    EXPECT_TRUE(LetterCountsEqual(a, b));
    SetLanguageTables(Language::Spanish);
    EXPECT_FALSE(LetterCountsEqual(a, b));
}

}  // namespace
}  // namespace qora
