// The wordlist listings: choice lines and listing lines, their columns as
// wide as the widest number and label.
#include "engine/WordlistListings.h"

#include <gtest/gtest.h>

#include "WordlistTestSetup.h"

namespace qora {
namespace {

using WordlistListingsTest = test::EngineDataTest;
using test::Lines;
using test::MakeWordlist;

TEST_F(WordlistListingsTest, ChoiceLinesAlignNumbersAndLabels) {
    Lines choices{"stale"};
    FillWordlistChoices(choices, true);
    EXPECT_EQ((Lines{"the slate"}), choices);
    FillWordlistChoices(choices, false);
    EXPECT_TRUE(choices.empty());
    MakeWordlist(3, {}, "Nouns");
    MakeWordlist(12, {});
    FillWordlistChoices(choices, true);
    EXPECT_EQ((Lines{"the slate", "wordlist  3 Nouns", "wordlist 12      "}), choices);
    SetWordlistLabel(12, "twenty-one characters");
    FillWordlistChoices(choices, false);
    EXPECT_EQ((Lines{"wordlist  3 Nouns               ", "wordlist 12 twenty-one character"}), choices);
    MakeWordlist(5, {});
    SetWordlistLabel(3, "");
    SetWordlistLabel(12, "");
    FillWordlistChoices(choices, false);
    EXPECT_EQ((Lines{"wordlist  3 ", "wordlist  5 ", "wordlist 12 "}), choices);
}

TEST_F(WordlistListingsTest, ListingLinesShowNumberLabelCountAndKind) {
    Lines lines;
    EXPECT_EQ(0, ListWordlists(lines, false, 0));
    EXPECT_EQ((Lines{" 0 (unlabeled):       0 words"}), lines);
    AddWordToWordlist(Slate, "CAT", false);
    MakeWordlist(7, {"A", "B"}, "Verbs");
    Wordlist& racks = MakeWordlist(12, {});
    AppendWordlistItem(racks, "AEIRST?", true);
    EXPECT_EQ(2, ListWordlists(lines, false, 12));
    EXPECT_EQ(
        (Lines{"  0 (unlabeled):       1 word", "  7 Verbs      :       2 words", " 12 (unlabeled):       1 string"}),
        lines);
    EXPECT_EQ(-1, ListWordlists(lines, true, 5));
    EXPECT_EQ("    7 Verbs      :       2 words", lines[1]);
    SetWordlistLabel(7, "A label of twenty ch");
    ListWordlists(lines, false, 7);
    EXPECT_EQ("  7 A label of twenty ch:       2 words", lines[1]);
}

}  // namespace
}  // namespace qora
