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

// The orderings a user may type: every tile once, "?" once in a random-rack
// ordering only, up to four separators.
TEST_F(CanonicalOrderTest, CheckOrderingFindsTheFirstFault) {
    struct Case {
        Language language;
        std::string text;
        bool randomRack;
        OrderingFault fault;
        std::size_t offset;
    };
    const std::string reversed = "ZYXWVUTSRQPONMLKJIHGFEDCBA";
    const std::string spanish = "ABCchDEFGHIJLllMN\xD1OPQRrrSTUVXYZ";
    const Case cases[] = {
        {Language::English, reversed + "?", true, OrderingFault::None, 0},
        {Language::English, reversed, true, OrderingFault::MissingBlank, 26},
        {Language::English, reversed + "??", true, OrderingFault::BlankTwice, 27},
        {Language::English, "abcdefghijklmnopqrstuvwxyz", false, OrderingFault::None, 0},
        {Language::English, "abcdefghijklmnopqrstuvwxyzA", false, OrderingFault::LetterTwice, 26},
        {Language::English, "AEIOU BCDFGHJKLMNPQRSTVWXYZ?", true, OrderingFault::None, 0},
        {Language::English, "AEIOU+BCDFGHJKLMNPQRSTVWXYZ?", true, OrderingFault::None, 0},
        {Language::English, "A B C D E+FGHIJKLMNOPQRSTUVWXYZ?", true, OrderingFault::TooManySeparators, 9},
        {Language::English, reversed + "?", false, OrderingFault::BlankNotAllowed, 26},
        {Language::English, "\xD1" + reversed, false, OrderingFault::BadCharacter, 0},
        {Language::English, "ABC", false, OrderingFault::MissingLetter, 3},
        {Language::Spanish, spanish + "?", true, OrderingFault::None, 0},
        {Language::Spanish, spanish, false, OrderingFault::None, 0},
        {Language::Spanish, "ABCCH", false, OrderingFault::MissingLetter, 5},  // C, then CH
        {Language::Spanish, "ABCcH", false, OrderingFault::LetterTwice, 3},    // c is C again
        {Language::Spanish, "ABK", false, OrderingFault::BadCharacter, 2},
        {Language::Spanish, "AB.", false, OrderingFault::BadCharacter, 2},
    };
    for (const Case& c : cases) {
        SetLanguageTables(c.language);
        const OrderingCheck check = CheckOrdering(c.text, c.randomRack);
        EXPECT_EQ(c.fault, check.Fault) << c.text;
        if (c.fault != OrderingFault::None) {
            EXPECT_EQ(c.offset, check.Offset) << c.text;
        }
    }
}

}  // namespace
}  // namespace qora
