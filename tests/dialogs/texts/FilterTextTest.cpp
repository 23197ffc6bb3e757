// The texts of the filters and orderings that the editors and the main
// window's check boxes and lists type onto the command line, and the filter
// editors' rules.
#include "dialogs/texts/DefinitionSearchText.h"
#include "dialogs/texts/FilterText.h"
#include "dialogs/texts/OptionTexts.h"
#include "engine/QueryRecords.h"
#include "engine/Tiles.h"
#include "platform/ProgramState.h"
#include "support/CommandLineTyping.h"

#include <gtest/gtest.h>
#include <climits>

namespace qora {
namespace {

class FilterTexts : public test::CommandLineTyping {};

TEST_F(FilterTexts, DefinitionTextsTurnStoredBlanksIntoTypedBars) {
    EXPECT_EQ(TypedDefinitionText(" noun "), "noun");
    EXPECT_EQ(TypedDefinitionText("noun "), "|noun");
    EXPECT_EQ(TypedDefinitionText(" noun"), "noun|");
    EXPECT_EQ(TypedDefinitionText("noun"), "|noun|");
    EXPECT_EQ(TypedDefinitionText(" "), "");
    EXPECT_EQ(TypedDefinitionText("  "), "");
    EXPECT_EQ(TypedDefinitionText(""), "||");
}

TEST_F(FilterTexts, OrderingCommandsQuoteTheOrderingWithoutABlank) {
    EXPECT_EQ(Typed([] { AppendRackOrderCommand("AEIOU BCDFGHJKLMNPQRSTVWXYZ?"); }),
              "/.\"AEIOU BCDFGHJKLMNPQRSTVWXYZ?\"");
    EXPECT_EQ(Typed([] { AppendCanonOrderCommand(""); }), "/;\"\"");
}

TEST(FilterRules, SetRelationItemsFollowTheCodesAndAnyOtherCodeIsAtLeast) {
    const std::int32_t codes[] = {RelationBelow, RelationAtMost,  RelationNotEqual,
                                  RelationEqual, RelationAtLeast, RelationAbove};
    for (int item = 0; item < 6; ++item) EXPECT_EQ(SetRelationItem(codes[item]), item);
    for (const std::int32_t code : {std::int32_t{RelationRange}, std::int32_t{RelationHalfOpen}, 0, 99, -1})
        EXPECT_EQ(SetRelationItem(code), 4) << code;
}

TEST(FilterRules, NumericValuesMustFitTheRelationAndWordLengthsTheLexicon) {
    struct Case {
        int item;
        std::int64_t value1, value2;
        bool holds, lengthHolds;  // any editor; the word-length editor with a longest word of 15
    };
    const Case cases[] = {
        {0, 3, 9, true, true},   {0, 9, 9, true, true},        {0, 9, 3, false, false}, {1, 8, 9, true, true},
        {1, 9, 9, false, false}, {2, 0, 0, false, false},      {2, 1, 0, true, true},   {3, 1, 0, true, false},
        {3, 2, 0, true, true},   {4, 0, 0, true, true},        {4, 99, 0, true, true},  {5, 15, 0, true, true},
        {5, 16, 0, true, false}, {6, 16, 0, true, false},      {6, 0, 0, true, true},   {7, 14, 0, true, true},
        {7, 15, 0, true, false}, {7, INT_MAX, 0, true, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(NumericRelationHolds(c.item, c.value1, c.value2), c.holds) << c.item << " " << c.value1;
        EXPECT_EQ(WordLengthRelationHolds(c.item, c.value1, c.value2, 15), c.lengthHolds) << c.item << " " << c.value1;
    }
}

TEST(FilterRules, AStringsProbabilityIsTheWaysToDrawItsTilesFromTheBag) {
    ResetProgramState();
    const std::span<const std::int16_t> bag(EnglishTileCounts.data(), LatinTileCount);
    EXPECT_EQ(ProbabilityOfString("QI", bag), 9);  // 1 Q x 9 I
    EXPECT_EQ(ProbabilityOfString("Qi", bag), 9);
    EXPECT_EQ(ProbabilityOfString("EE", bag), 66);  // C(12, 2)
    EXPECT_EQ(ProbabilityOfString("", bag), 0);
    EXPECT_EQ(ProbabilityOfString("ZZ", bag), 0);  // one Z in the bag
    for (const char* refused : {"Q1", "Q I", "\xC9", "{A}"}) EXPECT_EQ(ProbabilityOfString(refused, bag), std::nullopt);
    EXPECT_EQ(ProbabilityOfString("EEEEEEAAAAAIIIIIOOOOONNNNNRRRRR", bag), std::nullopt) << "beyond 32 bits";
    SetLanguageTables(Language::Spanish);
    const std::span<const std::int16_t> spanish(SpanishTileCounts.data(), SpanishTileCount);
    EXPECT_EQ(ProbabilityOfString("CH", spanish), 1) << "one CH tile, not a C and an H";
    EXPECT_EQ(ProbabilityOfString("\xD1", spanish), 1);
    EXPECT_EQ(ProbabilityOfString("K", spanish), std::nullopt);
    ResetProgramState();
}

TEST(FilterRules, DefinitionSearchesTakeOneTextOrTwoJoinedByTheirConnective) {
    EXPECT_EQ(DefinitionSearchCommand("noun", 0, "ignored"), "/SD \"noun\" ");
    EXPECT_EQ(DefinitionSearchCommand("noun", 1, "plural"), "/SD \"noun\" & \"plural\" ");
    EXPECT_EQ(DefinitionSearchCommand("noun", 2, "plural"), "/SD \"noun\" &! \"plural\" ");
    EXPECT_EQ(DefinitionSearchCommand("|to", 3, "verb|"), "/SD \"|to\" | \"verb|\" ");
    for (const char* empty : {"", "|", "||"}) {
        EXPECT_EQ(DefinitionSearchCommand(empty, 0, ""), std::nullopt) << empty;
        EXPECT_EQ(DefinitionSearchCommand("noun", 2, empty), std::nullopt) << empty;
    }
}

}  // namespace
}  // namespace qora
