// The flashcard drill: stepping through a wordlist, and the current card
// kept on its item while the item commands change the wordlist.
#include "engine/Flashcards.h"

#include <gtest/gtest.h>

#include "WordlistTestSetup.h"
#include "engine/Wordlists.h"

namespace qora {
namespace {

using FlashcardsTest = test::EngineDataTest;
using test::MakeWordlist;

TEST_F(FlashcardsTest, FlashcardsStepThroughAWordlistAndStop) {
    EXPECT_EQ(0, FlashcardWordlistNumber);
    EXPECT_EQ(-1, FlashcardIndex);
    EXPECT_FALSE(StartFlashcards(4)) << "no wordlist 4";
    MakeWordlist(5, {});
    EXPECT_FALSE(StartFlashcards(5)) << "empty";
    AddWordToWordlist(Slate, "CAT", false);
    EXPECT_FALSE(StartFlashcards(0)) << "the slate is never drilled";
    EXPECT_FALSE(FlashcardsActive());
    MakeWordlist(4, {"ONE", "TWO"});
    EXPECT_EQ("ONE", StartFlashcards(4).value_or("-"));
    EXPECT_TRUE(FlashcardsActive());
    EXPECT_EQ(1, CurrentFlashcardItem());
    EXPECT_EQ("TWO", NextFlashcard().value_or("-"));
    EXPECT_EQ(1, FlashcardIndex);
    EXPECT_EQ(1, FindWordlist(4)->Cursor);
    EXPECT_FALSE(NextFlashcard());
    EXPECT_EQ(2, CurrentFlashcardItem());
    StopFlashcards();
    EXPECT_EQ(-1, FlashcardWordlistNumber);
    EXPECT_EQ(-1, FlashcardIndex);
    EXPECT_EQ(0, CurrentFlashcardItem());
    EXPECT_FALSE(NextFlashcard());
}

TEST_F(FlashcardsTest, TheCurrentFlashcardStaysPutWhileItemsChangeAroundIt) {
    MakeWordlist(4, {"A", "B", "C", "D"});
    StartFlashcards(4);
    NextFlashcard();
    NextFlashcard();                              // on C
    TransferWordlistItems(4, 1, 1, 1, 1, false);  // nothing to copy from wordlist 1
    MakeWordlist(1, {"X", "Y"});
    TransferWordlistItems(4, 1, 1, 1, 2, false);  // X Y before A
    EXPECT_EQ("C", FindWordlist(4)->Items()[FlashcardIndex].Text);
    DeleteWordlistItems(4, 1, 1);  // X
    EXPECT_EQ("C", FindWordlist(4)->Items()[FlashcardIndex].Text);
    EXPECT_EQ(FlashcardIndex, FindWordlist(4)->Cursor);
    // Deleting or moving the current card makes the next one current.
    DeleteWordlistItems(4, CurrentFlashcardItem(), 1);
    EXPECT_EQ("D", FindWordlist(4)->Items()[FlashcardIndex].Text);
    TransferWordlistItems(9, 0, 4, CurrentFlashcardItem(), 1, true);
    EXPECT_EQ("B", FindWordlist(4)->Items()[FlashcardIndex].Text) << "the last card went: the new last is current";
    DeleteWordlistItems(4, 1, 99);
    EXPECT_EQ(-1, FlashcardIndex);
    EXPECT_EQ(0, CurrentFlashcardItem());
}

}  // namespace
}  // namespace qora
