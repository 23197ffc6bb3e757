// The built-in settings, the letter mapping's default and the conversions
// the dialogs use.
#include "ParserFixture.h"

namespace qora::testing {
namespace {

using SettingsTest = ParserTest;

TEST_F(SettingsTest, RelationCodesMapToTheEightItemLists) {
    const int items[] = {6, 5, 4, 7, 2, 6, 3, 0, 1};  // codes 0 to 8
    for (int code = 0; code <= 8; ++code) EXPECT_EQ(RelationCodeToItemIndex(code), items[code]) << code;
    EXPECT_EQ(RelationCodeToItemIndex(-1), 6);
    EXPECT_EQ(RelationCodeToItemIndex(9), 6);
    // The six-item set lists use the item less 2: "<" is item 0, ">" item 5.
    EXPECT_EQ(RelationCodeToItemIndex(RelationBelow) - 2, 0);
    EXPECT_EQ(RelationCodeToItemIndex(RelationAbove) - 2, 5);
}

TEST_F(SettingsTest, FormatOrdinal) {
    EXPECT_EQ(FormatOrdinal(1), "1st");
    EXPECT_EQ(FormatOrdinal(2), "2nd");
    EXPECT_EQ(FormatOrdinal(3), "3rd");
    EXPECT_EQ(FormatOrdinal(4), "4th");
    EXPECT_EQ(FormatOrdinal(0), "0th");
    for (int n = 10; n <= 20; ++n) EXPECT_EQ(FormatOrdinal(n), std::to_string(n) + "th");
    EXPECT_EQ(FormatOrdinal(21), "21st");
    EXPECT_EQ(FormatOrdinal(32), "32nd");
    EXPECT_EQ(FormatOrdinal(111), "111st") << "only 10 to 20 take \"th\" for their own sake";
    EXPECT_EQ(FormatOrdinal(-3), "-3rd");
}

TEST_F(SettingsTest, BuiltInDefaults) {
    const Settings s = BuiltInSettings();
    EXPECT_EQ(s.WordSource, WordSourceLexicon);
    EXPECT_EQ(s.QueryMode, QueryModeAnagrams);
    EXPECT_FALSE(s.LengthFilter.Active || s.ScoreFilter.Active || s.ProbabilityFilter.Active ||
                 s.WordCountFilter.Active || s.AnagramCountFilter.Active || s.BlankFilter.Active ||
                 s.FrontHooksFilter.Active || s.BackHooksFilter.Active || s.DefinitionFilter.Active);
    EXPECT_EQ(s.PresentationKind, 1);
    EXPECT_EQ(s.PresentationCount, 25);
    EXPECT_EQ(s.SortKeyCount, 1);
    EXPECT_EQ(s.SortKeys[0].Key, SortKeyKind::Alphabetical);
    EXPECT_EQ(s.OutputLayout, LayoutOnePerLine);
    EXPECT_EQ(s.RowsPerPage, 55);
    EXPECT_EQ(s.WorkspaceWidthSwitch, 1);
    EXPECT_EQ(s.ScoringMode, ScoringModePlain);
    EXPECT_EQ(s.BoardSize, 15);
    EXPECT_EQ(s.BoardRow, 7);
    EXPECT_EQ(s.BoardColumn, 7);
    EXPECT_EQ(s.RandomRackOrder, "ABCDEFGHIJKLMNOPQRSTUVWXYZ?");
    EXPECT_EQ(s.CanonicalOutputOrder, "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    EXPECT_EQ(LetterCountTotal(s.LetterDistribution), 98);
    EXPECT_EQ(LetterMapping, "BCDEFGHIJKLMNOPQRSTUVWXYZA");
    EXPECT_EQ(CurrentBoardSize, 15);
}

TEST_F(SettingsTest, DefaultsFollowTheLanguage) {
    UseLanguage(Language::Spanish);
    EXPECT_EQ(StandingSettings.RandomRackOrder, "ABCchDEFGHIJLllMN\xD1OPQRrrSTUVXYZ?");
    EXPECT_EQ(StandingSettings.CanonicalOutputOrder, "ABCchDEFGHIJLllMN\xD1OPQRrrSTUVXYZ");
    ASSERT_EQ(LetterMapping.size(), 28u);
    EXPECT_EQ(LetterMapping.front(), 'B');
    EXPECT_EQ(LetterMapping[26], '\\');
    EXPECT_EQ(LetterMapping.back(), 'A');
    UseLanguage(Language::French);
    EXPECT_EQ(LetterCountTotal(StandingSettings.LetterDistribution), 100);
}

TEST_F(SettingsTest, LoadingTheDefaultsUndoesChanges) {
    StandingSettings.RowsPerPage = 0;
    DisplayedSettings.ZeroScoringBlanks = 1;
    CurrentBoardSize = 21;
    LetterMapping = "ZYX";
    LoadBuiltInSettings();
    EXPECT_EQ(StandingSettings, BuiltInSettings());
    EXPECT_EQ(DisplayedSettings, BuiltInSettings());
    EXPECT_EQ(CurrentBoardSize, 15);
    EXPECT_EQ(LetterMapping, RotationLetterMapping());
}

}  // namespace
}  // namespace qora::testing
