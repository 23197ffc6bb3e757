#include "engine/UserSets.h"

#include <gtest/gtest.h>

#include "support/EngineDataFixture.h"

namespace qora {
namespace {

using UserSetsTest = test::EngineDataTest;

LetterCountRecord SetOf(std::string_view tiles) {
    LetterCountRecord record;
    for (unsigned char tile : DisplayToWord(tiles)) ++record.Counts[TileNumberOf(tile) - 1];
    return record;
}

std::vector<std::string> Choices() {
    std::vector<std::string> choices{"stale"};
    FillUserSetChoices(choices);
    return choices;
}

std::vector<std::string> Listing(bool asReport = false) {
    std::vector<std::string> lines{"stale"};
    ListUserSets(lines, asReport);
    return lines;
}

TEST_F(UserSetsTest, NumbersAreKeptInOrderAndTheFirstFreeOneIsFound) {
    EXPECT_EQ(0, UserSetCount());
    EXPECT_EQ(1, FirstFreeUserSetNumber());
    EXPECT_TRUE(Choices().empty());
    EXPECT_TRUE(Listing().empty());
    ASSERT_TRUE(DefineUserSet(4, "", SetOf("AEIOU")));
    ASSERT_TRUE(DefineUserSet(1, "", SetOf("S")));
    ASSERT_TRUE(DefineUserSet(2, "", SetOf("S")));
    EXPECT_EQ(3, UserSetCount());
    EXPECT_EQ(3, FirstFreeUserSetNumber());
    EXPECT_TRUE(UserSetExists(4));
    EXPECT_FALSE(UserSetExists(3));
    EXPECT_FALSE(UserSetExists(0));
    DeleteUserSet(1);
    EXPECT_EQ(1, FirstFreeUserSetNumber());
    for (int n = 1; n <= MaxUserSetNumber; ++n) DefineUserSet(n, "", SetOf("A"));
    EXPECT_EQ(100, FirstFreeUserSetNumber());
}

TEST_F(UserSetsTest, DefinitionsOutsideOneToNinetyNineChangeNothing) {
    EXPECT_FALSE(DefineUserSet(0, "", SetOf("A")));
    EXPECT_FALSE(DefineUserSet(100, "", SetOf("A")));
    EXPECT_FALSE(DefineUserSet(-7, "", SetOf("A")));
    EXPECT_EQ(0, UserSetCount());
}

TEST_F(UserSetsTest, RedefiningReplacesLabelAndLettersAndLabelsAreCutToTwentyCharacters) {
    DefineUserSet(5, "vowels", SetOf("AEIOU"));
    DefineUserSet(5, "", SetOf("XYZ"));
    ASSERT_NE(nullptr, FindUserSet(5));
    EXPECT_EQ("", FindUserSet(5)->Label);
    EXPECT_EQ(SetOf("XYZ"), FindUserSet(5)->Letters);
    DefineUserSet(5, "a label of more than twenty characters", SetOf("Q"));
    EXPECT_EQ("a label of more than", FindUserSet(5)->Label);
}

TEST_F(UserSetsTest, ChoiceLinesAlignNumbersToTheHighest) {
    DefineUserSet(3, "vowels", SetOf("AEIOU"));
    DefineUserSet(12, "", SetOf("S"));
    EXPECT_EQ((std::vector<std::string>{"set  3 vowels", "set 12 (unlabeled)"}), Choices());
    DeleteUserSet(12);
    EXPECT_EQ((std::vector<std::string>{"set 3 vowels"}), Choices());
}

TEST_F(UserSetsTest, ListingLinesPadLabelsAndWriteTheLetters) {
    DefineUserSet(2, "hi", SetOf("S"));
    DefineUserSet(10, "", SetOf("EEIS"));
    EXPECT_EQ((std::vector<std::string>{"  2 hi         : 1S", " 10 (unlabeled): 2EIS"}), Listing());
    DefineUserSet(10, "twenty characters!!!", SetOf("Q"));
    EXPECT_EQ((std::vector<std::string>{"  2 hi                  : 1S", " 10 twenty characters!!!: 1Q"}), Listing());
}

TEST_F(UserSetsTest, ReportLinesAreIndentedAndWriteTheSpanishCAsACapital) {
    SetLanguageTables(Language::Spanish);
    DefineUserSet(1, "c", SetOf("CCH"));
    DefineUserSet(2, "", SetOf("C"));
    EXPECT_EQ((std::vector<std::string>{" 1 c          : cCH", " 2 (unlabeled): 1c"}), Listing(false));
    EXPECT_EQ((std::vector<std::string>{"   1 c          : CCH", "   2 (unlabeled): 1C"}), Listing(true));
}

TEST_F(UserSetsTest, SetAlgebraTreatsTilesAsMembers) {
    const LetterCounts first = SetOf("AAEIST").Counts;    // A2 E I S T
    const LetterCounts second = SetOf("EEIOUST").Counts;  // E2 I O S T U
    EXPECT_EQ(SetOf("AAEEIOSTU").Counts, CombineLetterSets(first, SetOperation::Union, second));
    EXPECT_EQ(SetOf("EIST").Counts, CombineLetterSets(first, SetOperation::Intersection, second));
    EXPECT_EQ(SetOf("AA").Counts, CombineLetterSets(first, SetOperation::Difference, second));
    EXPECT_EQ(SetOf("OU").Counts, CombineLetterSets(second, SetOperation::Difference, first));
    EXPECT_EQ(first, CombineLetterSets(first, SetOperation::Union, first));
    EXPECT_EQ(LetterCounts{}, CombineLetterSets(first, SetOperation::Difference, first));
    LetterCounts negative{};
    negative[0] = -2;  // never a member, never a negative count in a result
    EXPECT_EQ(SetOf("AA").Counts, CombineLetterSets(negative, SetOperation::Union, SetOf("AA").Counts));
    EXPECT_EQ(LetterCounts{}, CombineLetterSets(negative, SetOperation::Intersection, SetOf("AA").Counts));
}

}  // namespace
}  // namespace qora
