// The wordlist table: results kept in word order, numbers, labels, reading
// items, copies and combinations, the item commands and the reset.
#include "engine/Wordlists.h"

#include <gtest/gtest.h>

#include <map>

#include "WordlistTestSetup.h"
#include "engine/Flashcards.h"

namespace qora {
namespace {

using WordlistsTest = test::EngineDataTest;

using test::Lines;
using test::MakeWordlist;
using test::Texts;

// ---- Adding results --------------------------------------------------------

TEST_F(WordlistsTest, ResultsAreKeptInWordOrderWithoutDuplicatesAndMergedBlankMarks) {
    AddWordToWordlist(Slate, "RAT", false);
    AddWordToWordlist(Slate, "cAT", false);
    AddWordToWordlist(Slate, "CATS", false);
    AddWordToWordlist(Slate, "CAt", false);
    AddWordToWordlist(Slate, "ACT", false);
    EXPECT_EQ((Lines{"ACT", "CAT", "CATS", "RAT"}), Texts(Slate));
    EXPECT_EQ(BlankMarks("101"), Slate.Items()[1].Marks);  // positions 0 and 2
    EXPECT_TRUE(Slate.Items()[0].Marks.none());
    EXPECT_EQ(WordItems, SlateItemKind);
    AddWordToWordlist(Slate, "AEIRST?", true);
    EXPECT_EQ(StringItems, SlateItemKind);
    ClearWordlist(Slate);
    EXPECT_EQ(0, Slate.Count());
    EXPECT_EQ(WordItems, SlateItemKind);
}

TEST_F(WordlistsTest, MarkedTextGivesBackTheResultAsAdded) {
    AddWordToWordlist(Slate, "cAt", false);
    AppendWordlistItem(Slate, "AB? CD", true);
    EXPECT_EQ("cAt", MarkedItemText(Slate.Items()[0]));
    EXPECT_EQ("AB? CD", MarkedItemText(Slate.Items()[1])) << "nothing to mark, and no tile to lower";
    WordlistItem odd{"A?", {}};
    odd.Marks.set(1);
    EXPECT_EQ("A?", MarkedItemText(odd));
}

TEST_F(WordlistsTest, ResultsInAnyOrderEndInWordOrderAsASortedMapWouldHoldThem) {
    std::map<std::string, BlankMarks> model;
    std::uint32_t state = 99;
    auto next = [&state](std::uint32_t below) { return (state = state * 1103515245u + 12345u) / 65536u % below; };
    for (int i = 0; i < 3000; ++i) {
        std::string word(1 + next(3), 'A');
        for (char& c : word) c = static_cast<char>('A' + next(4));
        const std::size_t blank = next(static_cast<std::uint32_t>(word.size()) + 2);
        if (blank < word.size()) {
            model[word].set(blank);
            word[blank] = static_cast<char>(word[blank] + 32);
        } else {
            model[word];
        }
        AddWordToWordlist(Slate, word, false);
        if (i % 700 == 0) {
            ASSERT_EQ(static_cast<std::int32_t>(model.size()), Slate.Count()) << "read midway";
        }
    }
    ASSERT_EQ(model.size(), Slate.Items().size());
    std::size_t at = 0;
    for (const auto& [text, marks] : model) {
        EXPECT_EQ(text, Slate.Items()[at].Text);
        EXPECT_EQ(marks, Slate.Items()[at].Marks) << text;
        ++at;
    }
}

TEST_F(WordlistsTest, SpanishBlankMatchedTilesIncludeTheLastTwoTiles) {
    SetLanguageTables(Language::Spanish);
    AddWordToWordlist(Slate, DisplayToWord("chAZ") + std::string(1, '`' + 28), false);  // ch A Z z
    ASSERT_EQ(1, Slate.Count());
    EXPECT_EQ(DisplayToWord("CHAZZ"), Slate.Items()[0].Text);
    EXPECT_EQ(BlankMarks("1001"), Slate.Items()[0].Marks);
}

TEST_F(WordlistsTest, AddingToAListOutOfWordOrderSortsItFirst) {
    Wordlist& list = MakeWordlist(3, {"ZOO", "BEE", "ZOO", "ANT"});
    EXPECT_FALSE(list.InWordOrder());
    AddWordToWordlist(list, "CAT", false);
    EXPECT_EQ((Lines{"ANT", "BEE", "CAT", "ZOO"}), Texts(list));
    EXPECT_TRUE(list.InWordOrder());
}

TEST_F(WordlistsTest, ProgressIsReportedEveryThousandItems) {
    std::vector<std::int32_t> reports;
    WordlistProgressHook = [&](std::int32_t count) { reports.push_back(count); };
    for (int i = 0; i < 2500; ++i) AddWordToWordlist(Slate, "W" + std::to_string(10000 + i), true);
    for (int i = 0; i < 10; ++i) AddWordToWordlist(Slate, "W10000", true);  // duplicates add nothing
    WordlistProgressHook = nullptr;
    EXPECT_EQ((std::vector<std::int32_t>{1000, 2000}), reports);
}

// ---- Numbers and labels ----------------------------------------------------

TEST_F(WordlistsTest, NumbersExistFromObtainingAndTheFirstFreeHasNoUpperBound) {
    EXPECT_TRUE(WordlistExists(0));
    EXPECT_EQ(&Slate, FindWordlist(0));
    EXPECT_FALSE(WordlistExists(1));
    EXPECT_EQ(nullptr, FindWordlist(-1));
    EXPECT_EQ(1, FirstFreeWordlistNumber());
    EXPECT_EQ(nullptr, ObtainWordlist(100));
    EXPECT_EQ(nullptr, ObtainWordlist(-1));
    ObtainWordlist(1);
    ObtainWordlist(2);
    ObtainWordlist(4);
    EXPECT_EQ(3, WordlistCount());
    EXPECT_EQ(3, FirstFreeWordlistNumber());
    EXPECT_EQ(4, FindWordlist(4)->Number);
    for (int n = 1; n <= MaxWordlistNumber; ++n) ObtainWordlist(n);
    EXPECT_EQ(100, FirstFreeWordlistNumber());
    EXPECT_EQ(99, WordlistCount());
}

TEST_F(WordlistsTest, LabelsBelongToNumberedWordlistsOnly) {
    EXPECT_FALSE(SetWordlistLabel(0, "slate"));
    EXPECT_FALSE(SetWordlistLabel(4, "none"));
    MakeWordlist(4, {});
    EXPECT_TRUE(SetWordlistLabel(4, "  spaced  "));
    EXPECT_EQ("  spaced", FindWordlist(4)->Label) << "blanks at the end would not read back from a file";
}

// ---- Reading items -----------------------------------------------------------

TEST_F(WordlistsTest, NextItemFollowsTheCursorAndTheWordlistUsedLast) {
    MakeWordlist(2, {"ONE", "TWO", "THREE"});
    EXPECT_FALSE(NextWordlistItem(-1, 0)) << "no wordlist used yet";
    EXPECT_EQ("ONE", NextWordlistItem(2, 0).value_or("-"));
    EXPECT_EQ("TWO", NextWordlistItem(2, 0).value_or("-"));
    EXPECT_EQ(1, FindWordlist(2)->Cursor);
    EXPECT_EQ("THREE", NextWordlistItem(-1, 0).value_or("-"));
    EXPECT_FALSE(NextWordlistItem(-1, 0)) << "past the end";
    EXPECT_EQ(2, FindWordlist(2)->Cursor);
    EXPECT_EQ("ONE", NextWordlistItem(2, 1).value_or("-"));
    EXPECT_EQ(0, FindWordlist(2)->Cursor);
    EXPECT_FALSE(NextWordlistItem(2, 4));
    EXPECT_FALSE(NextWordlistItem(2, -3));
    EXPECT_FALSE(NextWordlistItem(9, 1));
    EXPECT_EQ(0, FindWordlist(2)->Cursor);
    AddWordToWordlist(Slate, "CAT", false);
    EXPECT_EQ("CAT", NextWordlistItem(0, 1).value_or("-"));
    EXPECT_FALSE(NextWordlistItem(-1, 0)) << "the slate is now the wordlist used last";
}

TEST_F(WordlistsTest, NextItemGivesSpanishItemsAsDisplayText) {
    SetLanguageTables(Language::Spanish);
    AddWordToWordlist(Slate, DisplayToWord("CHORRO"), false);
    EXPECT_EQ("CHORRO", NextWordlistItem(0, 1).value_or("-"));
}

// ---- Copies and combinations -----------------------------------------------

TEST_F(WordlistsTest, CopiesTakeItemsAndKindInOrderButNoLabel) {
    for (const char* word : {"CAT", "DOG", "EMU"}) AddWordToWordlist(Slate, word, false);
    const std::int32_t presentation[] = {2, 0, 1, 7};
    ASSERT_TRUE(CopyWordlist(0, 5, presentation));
    EXPECT_EQ((Lines{"EMU", "CAT", "DOG"}), Texts(*FindWordlist(5)));
    EXPECT_FALSE(FindWordlist(5)->InWordOrder());
    SetWordlistLabel(5, "Pets");
    ASSERT_TRUE(CopyWordlist(5, 6));
    EXPECT_EQ(Texts(*FindWordlist(5)), Texts(*FindWordlist(6)));
    EXPECT_EQ("", FindWordlist(6)->Label);
    ClearWordlist(Slate);
    ASSERT_TRUE(CopyWordlist(6, 0));  // restore the slate
    EXPECT_EQ((Lines{"EMU", "CAT", "DOG"}), Texts(Slate));
    EXPECT_FALSE(CopyWordlist(9, 1)) << "no source";
    EXPECT_FALSE(CopyWordlist(5, 100)) << "no such target";
    EXPECT_FALSE(WordlistExists(1));
}

TEST_F(WordlistsTest, CombinationsAreSetOperationsOnItems) {
    for (const char* word : {"cAT", "DOG", "EMU"}) AddWordToWordlist(Slate, word, false);
    MakeWordlist(3, {"EMU", "ANT", "CAt", "ANT"});
    ASSERT_TRUE(CombineWordlists(5, 0, SetOperation::Union, 3));
    EXPECT_EQ((Lines{"ANT", "CAT", "DOG", "EMU"}), Texts(*FindWordlist(5)));
    EXPECT_EQ(BlankMarks("101"), FindWordlist(5)->Items()[1].Marks);
    ASSERT_TRUE(CombineWordlists(5, 0, SetOperation::Intersection, 3));
    EXPECT_EQ((Lines{"CAT", "EMU"}), Texts(*FindWordlist(5)));
    ASSERT_TRUE(CombineWordlists(5, 0, SetOperation::Difference, 3));
    EXPECT_EQ((Lines{"DOG"}), Texts(*FindWordlist(5)));
    ASSERT_TRUE(CombineWordlists(3, 3, SetOperation::Difference, 0));  // the target is an operand
    EXPECT_EQ((Lines{"ANT"}), Texts(*FindWordlist(3)));
    EXPECT_FALSE(CombineWordlists(5, 0, SetOperation::Union, 8));
}

TEST_F(WordlistsTest, CombinationsKeepStringsWhereStringsCanBe) {
    Wordlist& racks = MakeWordlist(1, {});
    AppendWordlistItem(racks, "CAT", true);
    MakeWordlist(2, {"CAT", "DOG"});
    CombineWordlists(3, 1, SetOperation::Union, 2);
    EXPECT_EQ(StringItems, FindWordlist(3)->ItemKind);
    CombineWordlists(3, 1, SetOperation::Intersection, 2);
    EXPECT_EQ(WordItems, FindWordlist(3)->ItemKind);
    CombineWordlists(3, 1, SetOperation::Difference, 2);
    EXPECT_EQ(StringItems, FindWordlist(3)->ItemKind);
}

// ---- Item commands ---------------------------------------------------------

TEST_F(WordlistsTest, ItemNumbersResolveAsTheMoveDialogShowsThem) {
    auto range = [](std::int32_t n, std::int32_t item, std::int32_t count) {
        const ItemRange r = ResolveItemRange(n, item, count);
        return std::make_pair(r.First, r.Count);
    };
    EXPECT_EQ(std::make_pair(8, 3), range(10, 8, 5));
    EXPECT_EQ(std::make_pair(10, 1), range(10, 0, 1));
    EXPECT_EQ(std::make_pair(10, 1), range(10, 25, 4));
    EXPECT_EQ(std::make_pair(3, 0), range(10, 3, 0));
    EXPECT_EQ(std::make_pair(0, 0), range(0, 1, 1));
    EXPECT_EQ(std::make_pair(2, 9), range(10, 2, 2147483647));
    EXPECT_EQ(7, ResolveDestinationItem(6, 0));
    EXPECT_EQ(7, ResolveDestinationItem(6, 99));
    EXPECT_EQ(3, ResolveDestinationItem(6, 3));
    EXPECT_EQ(1, ResolveDestinationItem(0, 5));
}

TEST_F(WordlistsTest, DeletingTakesTheResolvedItems) {
    MakeWordlist(3, {"A1", "A2", "A3", "A4", "A5", "A6", "A7", "A8", "A9", "A10"});
    EXPECT_EQ(3, DeleteWordlistItems(3, 8, 5));
    EXPECT_EQ(1, DeleteWordlistItems(3, 0, 1));
    EXPECT_EQ((Lines{"A1", "A2", "A3", "A4", "A5", "A6"}), Texts(*FindWordlist(3)));
    EXPECT_EQ(0, DeleteWordlistItems(3, 2, 0));
    EXPECT_EQ(-1, DeleteWordlistItems(4, 1, 1));
    MakeWordlist(5, {});
    EXPECT_EQ(0, DeleteWordlistItems(5, 1, 1)) << "nothing to delete (no item before the list's start)";
}

TEST_F(WordlistsTest, CopyingAndMovingPutItemsBeforeTheDestinationItem) {
    for (const char* word : {"aNT", "BEE", "CAT"}) AddWordToWordlist(Slate, word, false);
    MakeWordlist(7, {"X", "Y"});
    EXPECT_EQ(2, TransferWordlistItems(7, 2, 0, 1, 2, false));
    EXPECT_EQ((Lines{"X", "ANT", "BEE", "Y"}), Texts(*FindWordlist(7)));
    EXPECT_EQ(BlankMarks("1"), FindWordlist(7)->Items()[1].Marks);
    EXPECT_EQ(3, Slate.Count());
    EXPECT_EQ(1, TransferWordlistItems(9, 5, 0, 3, 1, true));  // a new wordlist
    EXPECT_EQ((Lines{"CAT"}), Texts(*FindWordlist(9)));
    EXPECT_EQ((Lines{"ANT", "BEE"}), Texts(Slate));
    EXPECT_EQ(0, TransferWordlistItems(11, 0, 0, 1, 0, true));
    EXPECT_FALSE(WordlistExists(11)) << "nothing taken, nothing made";
    EXPECT_EQ(-1, TransferWordlistItems(100, 0, 0, 1, 1, false));
    EXPECT_EQ(-1, TransferWordlistItems(1, 0, 50, 1, 1, false));
}

TEST_F(WordlistsTest, MovingWithinOneWordlistPlacesItemsBeforeTheNamedItem) {
    MakeWordlist(1, {"A", "B", "C", "D", "E"});
    TransferWordlistItems(1, 5, 1, 1, 2, true);  // A B before E
    EXPECT_EQ((Lines{"C", "D", "A", "B", "E"}), Texts(*FindWordlist(1)));
    TransferWordlistItems(1, 1, 1, 4, 2, true);  // B E before C
    EXPECT_EQ((Lines{"B", "E", "C", "D", "A"}), Texts(*FindWordlist(1)));
    TransferWordlistItems(1, 2, 1, 1, 3, true);  // into its own range: no change
    EXPECT_EQ((Lines{"B", "E", "C", "D", "A"}), Texts(*FindWordlist(1)));
    TransferWordlistItems(1, 0, 1, 1, 1, false);  // copy B to the end
    EXPECT_EQ((Lines{"B", "E", "C", "D", "A", "B"}), Texts(*FindWordlist(1)));
}

TEST_F(WordlistsTest, StringsMadeKeepTheirKindInTheDestination) {
    Wordlist& racks = MakeWordlist(1, {});
    AppendWordlistItem(racks, "AB?", true);
    MakeWordlist(2, {"CAT"});
    TransferWordlistItems(2, 0, 1, 1, 1, false);
    EXPECT_EQ(StringItems, FindWordlist(2)->ItemKind);
    TransferWordlistItems(3, 0, 2, 1, 1, false);
    EXPECT_EQ(StringItems, FindWordlist(3)->ItemKind);
}

TEST_F(WordlistsTest, ResetEmptiesEverything) {
    MakeWordlist(4, {"A"});
    StartFlashcards(4);
    AddWordToWordlist(Slate, "CAT", false);
    ResetWordlists();
    EXPECT_EQ(0, WordlistCount());
    EXPECT_EQ(0, Slate.Count());
    EXPECT_EQ(0, FlashcardWordlistNumber);
    EXPECT_FALSE(NextWordlistItem(-1, 0));
}

}  // namespace
}  // namespace qora
