// The set-definition dialogs' texts: labels, and set (B) and set ($) in each
// language, read back by the parser as the values written.
#include "dialogs/texts/SetDefinitionTexts.h"

#include <gtest/gtest.h>

#include "engine/Tiles.h"
#include "processor/CommandLine.h"
#include "support/StartUpStateTest.h"

namespace qora {
namespace {

class SetDefinitionTexts : public test::StartUpStateTest {
protected:
    // The values the parser reads back from the command.
    static LetterCounts ParsedValues(TileValueSet set, const std::string& command) {
        const ParseResult result = ParseCommandLine(command);
        EXPECT_FALSE(result.HasError()) << command << ": " << result.Message->Text;
        return set == TileValueSet::Bag ? CurrentCommand.SetB.Counts : CurrentCommand.SetDollar.Counts;
    }
};

TEST_F(SetDefinitionTexts, ANewSetIsItsNumberItsLabelAndItsSet) {
    EXPECT_EQ(NewSetCommand({4, false, "ignored"}, "V+"), "/4U=(V+)");
    EXPECT_EQ(NewSetCommand({3, true, ""}, "1A"), "/3U\"\"=(1A)");
    EXPECT_EQ(NewSetCommand({99, true, " twenty characters! "}, "!QXZ"), "/99U\" twenty characters! \"=(!QXZ)");
    EXPECT_EQ(ComputedSetCommand({6, false, ""}, 1, IntersectionItem, 3), "/6U=(1)&(3)");
    EXPECT_EQ(ComputedSetCommand({6, true, "u"}, 2, UnionItem, 12), "/6U\"u\"=(2)|(12)");
    EXPECT_EQ(ComputedSetCommand({6, false, ""}, 2, DifferenceItem, 2), "/6U=(2)-(2)");
    EXPECT_FALSE(ComputedSetComposable(1, UnionItem, 1));
    EXPECT_TRUE(ComputedSetComposable(1, IntersectionItem, 1));
    EXPECT_TRUE(ComputedSetComposable(1, UnionItem, 0));
}

TEST_F(SetDefinitionTexts, ALabelRedefinesTheSetAsACopyOfItself) {
    EXPECT_EQ(LabelSetCommand(4, "vowels"), "/4U\"vowels\"=(4)");
    EXPECT_EQ(LabelSetCommand(12, ""), "/12U\"\"=(12)");
    EXPECT_EQ(LabelSetCommand(99, " 20 characters long "), "/99U\" 20 characters long \"=(99)");
}

TEST_F(SetDefinitionTexts, TheDefaultsOfEachLanguageAndAllOnes) {
    struct Case {
        Language language;
        TileValueSet set;
        const char* command;
    };
    const Case cases[] = {
        {Language::English, TileValueSet::Bag, "/(B)=(9A2B2C4D12E2F3G2H9IJK4L2M6N8O2PQ6R4S6T4U2V2WX2YZ)"},
        {Language::English, TileValueSet::Scores, "/($)=(A3B3C2DE4F2G4HI8J5KL3MNO3P10QRSTU4V4W8X4Y10Z)"},
        {Language::Spanish, TileValueSet::Bag,
         "/(B)=(12A2B4Cch5D12EF2G2H6IJ4Lll2M5N\xD1"
         "9O2PQ5Rrr6S4T5UVXYZ)"},
        {Language::Spanish, TileValueSet::Scores, "/($)=(A3B3C5CH2DE4F2G4HI8JL8LL3MN8\xD1O3P5QR8RRSTU4V8X4Y10Z)"},
        {Language::French, TileValueSet::Bag, "/(B)=(9A2B2C3D15E2F2G2H8IJK5L3M6N6O2PQ6R6S6T6U2VWXYZ)"},
    };
    for (const Case& c : cases) {
        SetLanguageTables(c.language);
        const LetterCounts defaults = DefaultTileValues(c.set);
        EXPECT_EQ(TileValuesCommand(c.set, defaults), c.command);
        EXPECT_TRUE(LetterCountsEqual(ParsedValues(c.set, c.command), defaults)) << c.command;
    }
    SetLanguageTables(Language::English);
    LetterCounts ones{};
    ones.fill(1);
    EXPECT_EQ(TileValuesCommand(TileValueSet::Bag, ones), "/(B)=(ABCDEFGHIJKLMNOPQRSTUVWXYZ)");
}

// A Spanish single tile directly followed by its double tile must not join
// it: "3L" then "LL" would read as three LL and one L.
TEST_F(SetDefinitionTexts, SpanishDoubleTilesAreReadAsTheTilesWritten) {
    SetLanguageTables(Language::Spanish);
    for (const TileValueSet set : {TileValueSet::Bag, TileValueSet::Scores}) {
        LetterCounts values = DefaultTileValues(set);
        values[SpanishTileC - 1] = 1;
        values[SpanishTileCH - 1] = 1;
        values[SpanishTileL - 1] = 3;
        values[SpanishTileLL - 1] = 1;
        values[SpanishTileR - 1] = 1;
        values[SpanishTileRR - 1] = 1;
        const std::string command = TileValuesCommand(set, values);
        EXPECT_TRUE(LetterCountsEqual(ParsedValues(set, command), values)) << command;
    }
    LetterCounts scores = DefaultTileValues(TileValueSet::Scores);
    scores[SpanishTileLL - 1] = 1;
    scores[SpanishTileRR - 1] = 0;
    const std::string command = TileValuesCommand(TileValueSet::Scores, scores);
    EXPECT_NE(command.find("Lll3M"), std::string::npos) << command;
    EXPECT_NE(command.find("R0RR"), std::string::npos) << command;
}

TEST_F(SetDefinitionTexts, AShowingStartsFromTheLinesDefinitionElseFromTheTablesInForce) {
    ParseCommandLine("AB");
    EXPECT_EQ(StartingTileValues(TileValueSet::Bag, CurrentCommand)[4], 12);
    EXPECT_EQ(StartingTileValues(TileValueSet::Scores, CurrentCommand)[16], 10);
    ParseCommandLine("/(B)=(ABCD20EFGHIJKLMNOPQRSTUVWXYZ) /($)=(0A)");
    EXPECT_EQ(StartingTileValues(TileValueSet::Bag, CurrentCommand)[4], 20);
    EXPECT_EQ(StartingTileValues(TileValueSet::Bag, CurrentCommand)[0], 1);
    EXPECT_EQ(StartingTileValues(TileValueSet::Scores, CurrentCommand)[1], 0);
    // Values beyond the range are brought into it.
    CurrentCommand.SetB.Counts[0] = 150;
    CurrentCommand.SetB.Counts[1] = 0;
    EXPECT_EQ(StartingTileValues(TileValueSet::Bag, CurrentCommand)[0], TileValueMaximum);
    EXPECT_EQ(StartingTileValues(TileValueSet::Bag, CurrentCommand)[1], 1);
}

}  // namespace
}  // namespace qora
