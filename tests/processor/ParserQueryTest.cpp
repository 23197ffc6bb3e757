// How a line's parts work together: the query part and its counts, positions,
// the query mode a pattern blank implies, lasting settings, set (B) and set
// ($) on the line, and the rack mode at the end.
#include "ParserFixture.h"

namespace qora::testing {
namespace {

using ParserLineTest = ParserTest;

TEST_F(ParserLineTest, QueryTextKeepsOnlyTheQueryPart) {
    EXPECT_EQ(ParseClean("CAT/Z DOG").QueryText, "CAT DOG");
    EXPECT_EQ(ParseClean("ABC,DE F").QueryText, "ABC,DE F");
    EXPECT_EQ(ParseClean("/|5 AB?  (V)! /O1").QueryText, "AB? (V)!");
    EXPECT_EQ(ParseClean("/5W/|- ").QueryText, "");
    // A sub-command inside a rack part does not end it; the query part then
    // starts a new rack part, which means the same.
    EXPECT_EQ(ParseClean(",?/ZAB").QueryText, ",? ,AB");
    const ParsedCommand& again = ParseClean(",? ,AB");
    ASSERT_EQ(again.QueryElements.size(), 3u);
    EXPECT_TRUE(again.QueryElements[2].InRack);
}

TEST_F(ParserLineTest, CountsAndPositions) {
    const ParsedCommand& c = ParseClean("A *(V)[] ,Q");
    EXPECT_EQ(c.QueryElementCount, 4) << "rack elements are not counted";
    EXPECT_EQ(c.WildCardCount, 1);
    std::vector<int> positions;
    for (const QueryElement& e : c.QueryElements) positions.push_back(e.Position);
    EXPECT_EQ(positions, (std::vector<int>{1, 3, 4, 7, 11}));
}

TEST_F(ParserLineTest, APatternBlankImpliesAPatternQueryUnlessAModeIsGiven) {
    EXPECT_EQ(ParseClean("AB.D").QuerySettings.QueryMode, QueryModePattern);
    EXPECT_EQ(ParseClean("AB.D/Q1").QuerySettings.QueryMode, QueryModeAnagrams);
    EXPECT_EQ(ParseClean("AB.D/Q3").QuerySettings.QueryMode, QueryModeImbeddedWord);
    EXPECT_EQ(ParseClean("ABD").QuerySettings.QueryMode, QueryModeAnagrams);
    StandingSettings.QueryMode = QueryModeSteal;
    EXPECT_EQ(ParseClean("AB.D").QuerySettings.QueryMode, QueryModeSteal);
    EXPECT_EQ(ParseClean("AB.D").PendingSettings.QueryMode, QueryModeSteal);
}

TEST_F(ParserLineTest, ASettingFollowedByExclamationLasts) {
    const ParsedCommand& one = ParseClean("ABC/Z!/O1");
    EXPECT_EQ(one.QuerySettings.ZeroScoringBlanks, 1);
    EXPECT_EQ(one.PendingSettings.ZeroScoringBlanks, 1);
    EXPECT_EQ(one.QuerySettings.OutputLayout, LayoutOnePerLine);

    const ParsedCommand& perLine = ParseClean("/Z/OR2S ABC");
    EXPECT_EQ(perLine.PendingSettings, StandingSettings);

    const ParsedCommand& filter = ParseClean("/|=7 !");
    EXPECT_EQ(filter.PendingSettings.LengthFilter, (NumericFilter{1, RelationEqual, 7, 0}));

    const ParsedCommand& probe = ParseClean(" /12! ");
    EXPECT_EQ(probe.PendingSettings.PresentationKind, PresentationProbeWord);
    EXPECT_EQ(probe.PendingSettings.ProbeWordNumber, 12);
}

TEST_F(ParserLineTest, AStandAloneExclamationMakesEverySettingOfTheLineLast) {
    const ParsedCommand& c = ParseClean("/|5 ABC /OR2S ! /KL");
    EXPECT_EQ(c.PendingSettings.LengthFilter.Active, 1);
    EXPECT_EQ(c.PendingSettings.OutputLayout, LayoutPackedRows);
    EXPECT_EQ(c.PendingSettings.SortKeys[0].Key, SortKeyKind::Length) << "also after the mark";
    EXPECT_FALSE(c.QueryElements[2].Required);
}

TEST_F(ParserLineTest, ExclamationAfterAConstituentIsTheRequirementMark) {
    const ParsedCommand& c = ParseClean("AB!*!,C!");
    EXPECT_TRUE(c.QueryElements[1].Required);
    EXPECT_TRUE(c.QueryElements[2].Required);
    EXPECT_TRUE(c.QueryElements[3].Required);
    EXPECT_EQ(c.PendingSettings, StandingSettings);
}

TEST_F(ParserLineTest, LastingCommandsTakeAnExclamationAndLastWithoutIt) {
    const ParsedCommand& c = ParseClean("/M\"BCDEFGHIJKLMNOPQRSTUVWXYZA\"! /;\"ZYXWVUTSRQPONMLKJIHGFEDCBA\"");
    EXPECT_EQ(c.PendingSettings.CanonicalOutputOrder, "ZYXWVUTSRQPONMLKJIHGFEDCBA");
    EXPECT_EQ(c.Actions.size(), 1u);
    ParseClean("/(B)=(ABCDEFGHIJKLMNOPQRSTUVWXYZ)!");
    ParseClean("/.\"\"! /@=21!");
}

TEST_F(ParserLineTest, SetsOnTheLineReadTheBagAndScoresItDefines) {
    const ParsedCommand& bag = ParseClean("/(B)=(3ABCDEFGHIJKLMNOPQRSTUVWXYZ) (#>=2)(B)");
    EXPECT_EQ(bag.QueryElements[0].Set.Letters.Counts, CountsOf("A"));
    EXPECT_EQ(LetterCountTotal(bag.QueryElements[1].Set.Letters.Counts), 28);
    const ParsedCommand& scores = ParseClean("/($)=(ABCDEFGHIJKLMNOPQRSTUVW9XYZ) ($=9)");
    EXPECT_EQ(scores.QueryElements[0].Set.Letters.Counts, CountsOf("X"));
    EXPECT_EQ(ParseClean("(#>=9)").QueryElements[0].Set.Letters.Counts, CountsOf("AEI"));
    EXPECT_EQ(ParseClean("/(B)=(2ABCDEFGHIJKLMNOPQRSTUVWXYZ) /%{AA} ").QuerySettings.ProbabilityFilter.Value1, 1);
}

TEST_F(ParserLineTest, EveryParseStartsFromTheStandingSettings) {
    StandingSettings.RowsPerPage = 0;
    StandingSettings.LengthFilter = NumericFilter{1, RelationAtLeast, 7, 0};
    const ParsedCommand& c = ParseClean("/|- ABC");
    EXPECT_EQ(c.QuerySettings.RowsPerPage, 0);
    EXPECT_EQ(c.QuerySettings.LengthFilter, (NumericFilter{0, RelationAtLeast, 7, 0})) << "off keeps the values";
    EXPECT_EQ(c.QuerySettings.LetterDistribution, BagDistribution());

    ParsedCommand next = c;  // a line parsed from the pending settings of the last one
    ParseLine("ABC", next.PendingSettings, false, next);
    EXPECT_EQ(next.QuerySettings.RowsPerPage, 0);
}

TEST_F(ParserLineTest, RackModeTellsWhetherTheLineEndsInARackPart) {
    Parse("ABC,D");
    EXPECT_TRUE(result_.RackMode);
    Parse("ABC,D/Z");
    EXPECT_TRUE(result_.RackMode);
    Parse("ABC,D ");
    EXPECT_FALSE(result_.RackMode);
    Parse("ABC");
    EXPECT_FALSE(result_.RackMode);
}

TEST_F(ParserLineTest, AFailedParseKeepsWhatCameBefore) {
    Parse("AB /Z #");
    EXPECT_TRUE(result_.HasError());
    EXPECT_EQ(command_.QueryElements.size(), 2u);
    EXPECT_EQ(command_.QuerySettings.ZeroScoringBlanks, 1);
}

}  // namespace
}  // namespace qora::testing
