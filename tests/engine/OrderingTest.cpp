#include "engine/Ordering.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "PresentationTestSetup.h"
#include "platform/Random.h"
#include "support/TestLexicon.h"

namespace qora {
namespace {

using test::Ascending;
using test::Descending;
using test::Lines;

class OrderingTest : public test::PresentationTestBase {};

TEST_F(OrderingTest, KeysApplyInTurnAndTiesKeepTheSlateOrder) {
    FillSlate({"AT", "CAT", "QI", "ZA", "TACO", "COAT", "qAT", "EEL"});
    const struct {
        std::vector<SortKey> keys;
        Lines expected;
    } cases[] = {
        {{}, {"AT", "CAT", "COAT", "EEL", "QAT", "QI", "TACO", "ZA"}},
        {{Descending(SortKeyKind::Alphabetical)}, {"ZA", "TACO", "QI", "QAT", "EEL", "COAT", "CAT", "AT"}},
        {{Descending(SortKeyKind::Length), Ascending(SortKeyKind::Alphabetical)},
         {"COAT", "TACO", "CAT", "EEL", "QAT", "AT", "QI", "ZA"}},
        {{Descending(SortKeyKind::Score)}, {"QAT", "QI", "ZA", "COAT", "TACO", "CAT", "EEL", "AT"}},
        // Ways to draw: QI 9, AT 54, ZA 9, QAT 54, CAT 108, EEL 264, COAT and TACO 2 x 9 x 6 x 8.
        {{Ascending(SortKeyKind::Probability), Ascending(SortKeyKind::Length)},
         {"QI", "ZA", "AT", "QAT", "CAT", "EEL", "COAT", "TACO"}},
        {{Ascending(SortKeyKind::Canonical)}, {"COAT", "TACO", "CAT", "QAT", "AT", "ZA", "EEL", "QI"}},
    };
    for (const auto& c : cases) {
        SetSortKeys(c.keys);
        EXPECT_EQ(c.expected, SortedWords()) << "case " << &c - cases;
    }
    settings.ZeroScoringBlanks = 1;
    SetSortKeys({Descending(SortKeyKind::Score)});
    EXPECT_EQ("QAT", SortedWords()[7]) << "the blank Q of qAT scores 0";
}

TEST_F(OrderingTest, CanonicalKeyFollowsTheWordOutputOrdering) {
    FillSlate({"TEA", "CAT", "ACT", "EAT"});
    SetSortKeys({Ascending(SortKeyKind::Canonical)});
    settings.CanonicalOutputOrder = "AEIOU BCDFGHJKLMNPQRSTVWXYZ";
    EXPECT_EQ((Lines{"EAT", "TEA", "ACT", "CAT"}), SortedWords()) << "AE+T before A+CT";
}

TEST_F(OrderingTest, AnagramCountsAndHooksComeFromThePrimaryLexicon) {
    TestLexiconFolder lexicons;
    lexicons.Add("ENGLISH.QLX", {"ACT", "CAT", "CATS", "SCAT", "ATE", "EAT", "TEA", "TEAS", "EATS", "ETA", "ZAX"});
    lexicons.Load();
    FillSlate({"CAT", "TEA", "ZAX"});
    SetSortKeys({Descending(SortKeyKind::AnagramCount)});
    EXPECT_EQ((Lines{"TEA", "CAT", "ZAX"}), SortedWords()) << "4, 2 and 1 anagrams";
    SetSortKeys({Descending(SortKeyKind::Hooks)});
    EXPECT_EQ((Lines{"CAT", "TEA", "ZAX"}), SortedWords()) << "SCAT and CATS; TEAS; none";
}

TEST_F(OrderingTest, SourceAndRandomOrders) {
    for (const char* word : {"ZZZ", "AAA", "MMM"}) AppendWordlistItem(Slate, word, false);
    SetSortKeys({Descending(SortKeyKind::SourceOrder)});
    EXPECT_EQ((Lines{"MMM", "AAA", "ZZZ"}), SortedWords());
    settings.SortKeyCount = 99;  // out of range: all seven keys, the rest alphabetical
    EXPECT_EQ((Lines{"MMM", "AAA", "ZZZ"}), SortedWords());

    SetSortKeys({Ascending(SortKeyKind::Random)});
    RuntimeSeed(7);
    const Lines first = SortedWords();
    RuntimeSeed(7);
    EXPECT_EQ(first, SortedWords()) << "the same seed, the same order";
    Lines sorted = first;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ((Lines{"AAA", "MMM", "ZZZ"}), sorted);
}

TEST_F(OrderingTest, PresentationOrderIsKeptUntilTheSlateChanges) {
    FillSlate({"AT", "CAT", "QI"});
    EXPECT_EQ(std::nullopt, SlatePresentationOrder()) << "not sorted yet";
    SetSortKeys({Descending(SortKeyKind::Length)});
    SortSlate(settings);
    EXPECT_EQ((std::vector<std::int32_t>{1, 0, 2}), SlatePresentationOrder());

    DeleteWordlistItems(SlateNumber, 3, 1);
    AddWordToWordlist(Slate, "ZA", false);
    EXPECT_EQ(std::nullopt, SlatePresentationOrder()) << "as many items, but others";
}

}  // namespace
}  // namespace qora
