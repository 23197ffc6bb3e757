#include "engine/Probability.h"

#include <gtest/gtest.h>

#include "support/EngineDataFixture.h"

namespace qora {
namespace {

using ProbabilityTest = test::EngineDataTest;

LetterCounts Wanted(std::string_view letters) {
    LetterCounts counts{};
    for (unsigned char c : letters) ++counts[c - 'A'];
    return counts;
}

TEST_F(ProbabilityTest, DrawsAreTheProductOfBinomials) {
    EXPECT_EQ(9, CountRackDraws(Wanted("QI"), TileCounts));  // C(1,1) C(9,1)
    EXPECT_EQ(9, CountRackDraws(Wanted("I"), TileCounts));
    EXPECT_EQ(36, CountRackDraws(Wanted("II"), TileCounts));              // C(9,2)
    EXPECT_EQ(66 * 36 * 4, CountRackDraws(Wanted("EEIIS"), TileCounts));  // C(12,2) C(9,2) C(4,1)
    EXPECT_EQ(0, CountRackDraws(Wanted(""), TileCounts));
    EXPECT_EQ(0, CountRackDraws(Wanted("QQ"), TileCounts)) << "one Q in the bag";
}

TEST_F(ProbabilityTest, BlanksAreOneMoreKindOfTile) {
    EXPECT_EQ(2 * 9, CountRackDraws(Wanted("I"), TileCounts, 1, 2));
    EXPECT_EQ(1, CountRackDraws(Wanted(""), TileCounts, 2, 2));
    EXPECT_EQ(0, CountRackDraws(Wanted("I"), TileCounts, 3, 2));
    EXPECT_EQ(9, CountRackDraws(Wanted("I"), TileCounts, 0, 2));
}

TEST_F(ProbabilityTest, CountsTooLargeForThirtyTwoBitsAreReportedNotWrapped) {
    LetterCounts bag{};
    bag[0] = 30;
    bag[1] = 30;
    EXPECT_EQ(155117520, CountRackDraws(Wanted(std::string(15, 'A')), bag)) << "fits, though 32-bit steps would not";
    EXPECT_EQ(std::nullopt, CountRackDraws(Wanted(std::string(15, 'A') + std::string(2, 'B')), bag));
    bag[0] = 32767;
    EXPECT_EQ(std::nullopt, CountRackDraws(Wanted(std::string(20, 'A')), bag));
    EXPECT_EQ(0, CountRackDraws(Wanted(std::string(20, 'A') + "C"), bag)) << "no C in the bag: none at all";
    EXPECT_EQ(536821761, CountRackDraws(Wanted("AA"), bag));  // C(32767, 2)
}

TEST_F(ProbabilityTest, OddInputsCountNothingOrZero) {
    LetterCounts wanted{};
    wanted[0] = -2;
    EXPECT_EQ(0, CountRackDraws(wanted, TileCounts));
    std::vector<std::int16_t> shortBag{4};
    EXPECT_EQ(0, CountRackDraws(Wanted("AB"), shortBag)) << "tiles beyond the table are not in the bag";
    std::vector<std::int16_t> negativeBag{-3};
    EXPECT_EQ(0, CountRackDraws(Wanted("A"), negativeBag));
}

TEST_F(ProbabilityTest, WordDrawsAreCountedExactlyInSixtyFourBits) {
    EXPECT_EQ(9, WordDrawCount("QI", TileCounts));
    EXPECT_EQ(108, WordDrawCount("cAT", TileCounts)) << "a blank-matched tile counts as its tile";
    EXPECT_EQ(18, WordDrawCount("A?B", TileCounts)) << "what is no tile is left out";
    EXPECT_EQ(0, WordDrawCount("QQ", TileCounts));
    EXPECT_EQ(2821754880, WordDrawCount("CONSIDERATIONS", TileCounts)) << "beyond 32 bits";
    LetterCounts bag{};
    bag[0] = 32767;
    EXPECT_EQ(std::nullopt, WordDrawCount(std::string(32, 'A'), bag));
}

}  // namespace
}  // namespace qora
