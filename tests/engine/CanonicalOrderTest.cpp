#include "engine/CanonicalOrder.h"

#include <gtest/gtest.h>

#include "support/EngineDataFixture.h"

namespace qora {
namespace {

using CanonicalOrderTest = test::EngineDataTest;

TEST_F(CanonicalOrderTest, WordsAreArrangedAsTileStrings) {
    EXPECT_EQ("AE RSt", ArrangeInCanonicalOrder("StARE", "AEIOU BCDFGHJKLMNPQRSTVWXYZ", false));
    SetLanguageTables(Language::Spanish);
    const std::string chico = DisplayToWord("CHICO");
    EXPECT_EQ(DisplayToWord("CCHIO"), ArrangeInCanonicalOrder(chico, "ABCchDEFGHIJLllMN\xD1OPQRrrSTUVXYZ", false))
        << "CH is one tile, after C";
}

TEST_F(CanonicalOrderTest, PlainLettersAreArrangedOneByOne) {
    SetLanguageTables(Language::Spanish);
    EXPECT_EQ("CCHIO", ArrangeInCanonicalOrder("CHICO", "ABCchDEFGHIJLllMN\xD1OPQRrrSTUVXYZ", true))
        << "C, H, I, C, O as five letters";
    EXPECT_EQ("AE\xD1", ArrangeInCanonicalOrder("\xD1"
                                                "EA",
                                                "ABCchDEFGHIJLllMN\xD1OPQRrrSTUVXYZ", true));
}

TEST_F(CanonicalOrderTest, RanksFollowTheOrderingThenTileNumbers) {
    const OrderingRanks vowelsFirst = RanksInOrdering("AEIOU BCDFGHJKLMNPQRSTVWXYZ");
    EXPECT_EQ(0, vowelsFirst[1]);    // A
    EXPECT_EQ(1, vowelsFirst[5]);    // E
    EXPECT_EQ(5, vowelsFirst[2]);    // B
    EXPECT_EQ(25, vowelsFirst[26]);  // Z
    EXPECT_GT(vowelsFirst[BlankTileCode], 25) << "the blank, not named, follows the tiles named";
    const OrderingRanks partial = RanksInOrdering("ZY");
    EXPECT_EQ(0, partial[26]);
    EXPECT_EQ(1, partial[25]);
    EXPECT_EQ(2, partial[1]) << "A, the first tile not named";
    const OrderingRanks empty = RanksInOrdering("");
    EXPECT_LT(empty[1], empty[2]);
    EXPECT_LT(empty[25], empty[26]);
}

}  // namespace
}  // namespace qora
