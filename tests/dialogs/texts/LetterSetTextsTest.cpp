// The set bodies and OK rules of the set pages (dialogs/LetterSetTexts).
#include "dialogs/texts/LetterSetTexts.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>

#include "support/StartUpStateTest.h"

namespace qora {
namespace {

class LetterSetTexts : public test::StartUpStateTest {
protected:
    // Counts by tile number: {{tile, count}, ...}.
    static LetterCounts Counts(std::initializer_list<std::pair<int, int>> tiles) {
        LetterCounts counts{};
        for (const auto& [tile, count] : tiles) counts[tile - 1] = static_cast<std::int16_t>(count);
        return counts;
    }
    static int Letter(char c) { return c - 'A' + 1; }
};

TEST_F(LetterSetTexts, RelationsAreWrittenAndEnabledByTheirItem) {
    const FieldNumber none{0, false};
    struct Case {
        int item;
        FieldNumber x, y;
        const char* text;
        bool composable;
    };
    const std::int32_t max = 10;
    const Case cases[] = {
        {0, {3, true}, {5, true}, "3-5", true},  {0, {5, true}, {3, true}, "5-3", false},
        {0, {5, true}, {5, true}, "5-5", true},  {0, {12, true}, none, "12-0", false},  // "12" and an empty y
        {1, {3, true}, {3, true}, "3<3", false}, {1, {3, true}, {4, true}, "3<4", true},
        {2, {1, true}, none, "<1", true},        {2, {0, true}, none, "<0", false},
        {3, {1, true}, none, "<=1", false},      {3, {2, true}, none, "<=2", true},
        {4, {1, false}, none, "!=1", true},  // "1a": written regardless of its flag
        {5, {10, true}, none, "=10", true},      {5, {11, true}, none, "=11", false},
        {6, {9, true}, none, "9", true},         {6, {9, false}, none, "9", false},
        {7, {10, true}, none, ">10", false},     {7, {9, true}, none, ">9", true},
        {-1, {4, true}, none, "4", true},  // no item chosen: ">="
        {-1, {0, false}, none, "0", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ScoreOrCountBody(true, c.item, c.x.value, c.y.value), std::string("$") + c.text) << c.item;
        EXPECT_EQ(RelationSetComposable(c.item, c.x, c.y, max), c.composable) << c.item << " " << c.text;
    }
    EXPECT_EQ(ScoreOrCountBody(false, 3, 2, 0), "#<=2");
}

TEST_F(LetterSetTexts, WordBasedSetsNeedTilesAndTheirMark) {
    struct Case {
        Language language;
        const char* text;
        bool pattern;
        bool composable;
        const char* body;
    };
    const Case cases[] = {
        {Language::English, "AB.DE", true, true, "AB.DE"},
        {Language::English, "  re.ain ", true, true, "re.ain"},  // the trimmed text is written
        {Language::English, "A.", true, true, "A."},
        {Language::English, "AB..E", true, false, "AB..E"},
        {Language::English, "ABDE", true, false, "ABDE"},
        {Language::English, "A1.D", true, false, "A1.D"},
        {Language::English, "AEINST", false, true, "AEINST?"},
        {Language::English, "A", false, false, "A?"},
        {Language::English, "\xC9T\xC9", false, false, "\xC9T\xC9?"},  // code-page letters are no tiles
        {Language::Spanish, "CH.\xD1O", true, true, "CH.\xD1O"},
        {Language::Spanish, "\xF1U", false, true, "\xF1U?"},
        {Language::Spanish, "KA.E", true, false, "KA.E"},
    };
    for (const Case& c : cases) {
        SetLanguageTables(c.language);
        EXPECT_EQ(WordBasedComposable(c.text, c.pattern), c.composable) << c.text;
        EXPECT_EQ(WordBasedBody(c.text, c.pattern), c.body) << c.text;
    }
}

TEST_F(LetterSetTexts, SpecifiedTilesWriteCountsAndKeepSpanishTilesApart) {
    struct Case {
        Language language;
        LetterCounts counts;
        const char* tiles;
    };
    const Case cases[] = {
        {Language::English, Counts({{Letter('A'), 1}, {Letter('E'), 2}, {Letter('I'), 1}}), "A2EI"},
        {Language::English, Counts({{Letter('A'), 1}}), "1A"},
        {Language::English, Counts({{Letter('A'), 2}}), "2A"},
        {Language::English, Counts({{Letter('A'), 1}, {Letter('B'), 1}}), "AB"},
        {Language::English, Counts({{Letter('S'), 99}}), "99S"},
        {Language::English, Counts({}), ""},
        {Language::Spanish, Counts({{SpanishTileC, 1}, {9, 1}}), "cH"},
        {Language::Spanish, Counts({{SpanishTileC, 1}, {SpanishTileCH, 1}}), "cCH"},
        {Language::Spanish, Counts({{SpanishTileL, 1}, {SpanishTileLL, 1}}), "lLL"},
        {Language::Spanish, Counts({{SpanishTileL, 2}, {SpanishTileLL, 1}}), "2lLL"},
        {Language::Spanish, Counts({{SpanishTileL, 1}, {SpanishTileLL, 2}}), "L2LL"},
        {Language::Spanish, Counts({{SpanishTileR, 1}, {SpanishTileRR, 1}, {22, 1}}), "rRRS"},
        {Language::Spanish, Counts({{14, 1}}), "1M"},
        {Language::Spanish, Counts({{SpanishTileEnye, 3}}), "3\xD1"},
    };
    for (const Case& c : cases) {
        SetLanguageTables(c.language);
        EXPECT_EQ(SpecifiedSetTiles(c.counts), c.tiles) << c.tiles;
        EXPECT_EQ(AnyTileCounted(c.counts), *c.tiles != '\0') << c.tiles;
    }
}

TEST_F(LetterSetTexts, AllButTilesAreTheTilesLeftOut) {
    EXPECT_EQ(AllButSetTiles(Counts({{Letter('Q'), 1}, {Letter('X'), 1}, {Letter('Z'), 1}})), "QXZ");
    EXPECT_EQ(AllButSetTiles(Counts({})), "");
    LetterCounts every{};
    every.fill(1);
    EXPECT_TRUE(EveryTileCounted(every));
    every[Letter('E') - 1] = 0;
    EXPECT_FALSE(EveryTileCounted(every));
    SetLanguageTables(Language::Spanish);
    EXPECT_EQ(AllButSetTiles(Counts({{SpanishTileC, 1}, {SpanishTileCH, 1}, {SpanishTileL, 1}, {SpanishTileLL, 1}})),
              "cCHlLL");
    LetterCounts latin{};
    for (int tile = 1; tile <= LatinTileCount; ++tile) latin[tile - 1] = 1;
    EXPECT_FALSE(EveryTileCounted(latin)) << "Spanish has 28 tiles";
}

TEST_F(LetterSetTexts, TheSetNumberIsTheFirstNumberOfTheLine) {
    EXPECT_EQ(SetNumberOfLine(" 12 vowels: AEIOU"), 12);
    EXPECT_EQ(SetNumberOfLine("  3 (unlabeled): 2AB"), 3);
    EXPECT_EQ(SetNumberOfLine("set 7 nouns"), 7);
    EXPECT_EQ(SetNumberOfLine("(none)"), std::nullopt);
    EXPECT_EQ(SetNumberOfLine(" 12345678901: A"), std::nullopt);
}

TEST_F(LetterSetTexts, TheBagIsTheLanguagesOwn) {
    EXPECT_EQ(SetPageCaptionsOf(Language::English).BagOfLetters, "Bag of Letters (98 of them)");
    EXPECT_EQ(SetPageCaptionsOf(Language::French).BagOfLetters, "Bag of Letters (100 of them)");
    EXPECT_EQ(SetPageCaptionsOf(Language::Spanish).BagOfLetters, "Bag of Tiles (98 of them)");
}

}  // namespace
}  // namespace qora
