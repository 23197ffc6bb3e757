// The Word Presence and random racks dialogs: what each shows of the
// wordlists, what it types and when its OK is enabled.
#include "dialogs/RandomRacksDialog.h"
#include "dialogs/WordPresenceDialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include "engine/Wordlists.h"
#include "platform/qt/CommitComboBox.h"
#include "platform/qt/FreeNumberField.h"
#include "platform/qt/NumberField.h"
#include "platform/qt/SpinField.h"
#include "support/TestLexicon.h"
#include "support/qt/CommandDialogTest.h"
#include "support/qt/WidgetInput.h"

namespace qora {
namespace {

class WordlistDialogTest : public CommandDialogTest {
protected:
    // Numbered wordlists with a few items each.
    static void MakeWordlists(std::initializer_list<std::int32_t> numbers) {
        for (const std::int32_t number : numbers) AppendWordlistItem(*ObtainWordlist(number), "CAT", false);
    }

    static void ClickArrow(FreeNumberField& field, UpDownButton button) { field.Arrows()->Arrow(button)->click(); }
};

// ---- Word Presence ---------------------------------------------------------------

class WordPresenceTest : public WordlistDialogTest {
protected:
    void SetUp() override {
        WordlistDialogTest::SetUp();
        lexicons.Add("ENGLISH.QLX", {"CAT"});
        lexicons.Add("OTHER.QLX", {"DOG"});
        lexicons.Load();
    }

    // Opens the dialog on a command line.
    void OpenOn(const char* line) {
        SetCommandLine(line);
        dialog.hide();
        Open(dialog);
    }

    TestLexiconFolder lexicons;
    TWordPresenceDlg dialog;
};

TEST_F(WordPresenceTest, ShowsTheWordOfTheCommandLineAndListsTheWordlistsAndLexicons) {
    MakeWordlists({2, 7});
    OpenOn("CAT/Z dog");
    EXPECT_EQ(dialog.TheWord->text(), "CATDOG");
    EXPECT_FALSE(dialog.TheWord->focusPolicy() & Qt::TabFocus);
    ASSERT_EQ(dialog.Wordlist->count(), 3);
    EXPECT_EQ(dialog.Wordlist->itemText(0), "the slate");
    EXPECT_EQ(dialog.Wordlist->itemText(2).left(10), "wordlist 7");
    EXPECT_EQ(dialog.Wordlist->currentIndex(), 0);
    EXPECT_EQ(dialog.Lexicons->count(), 2);
    EXPECT_EQ(dialog.Lexicons->currentText(), "ENGLISH");
    OpenOn("12 ..");
    EXPECT_EQ(dialog.TheWord->text(), "");
    EXPECT_TRUE(dialog.OK->isEnabled()) << "nothing is validated";
}

TEST_F(WordPresenceTest, EachPlaceTypesItsQuestionAndStaysChosen) {
    MakeWordlists({2, 7});
    OpenOn("CAT");
    dialog.OK->click();
    EXPECT_EQ(Typed(), "CAT/-?");

    OpenOn("CAT");
    dialog.InWordlist->click();
    PickWithMouse(*dialog.Wordlist, 2);
    EXPECT_TRUE(dialog.OK->hasFocus()) << "a pick moves on to OK";
    dialog.OK->click();
    EXPECT_EQ(Typed(), "CAT/7?");

    OpenOn("CAT");
    EXPECT_TRUE(dialog.InWordlist->isChecked()) << "the place chosen stays";
    EXPECT_EQ(dialog.Wordlist->currentIndex(), 0) << "the list starts at the slate";
    dialog.OK->click();
    EXPECT_EQ(Typed(), "CAT/0?");

    OpenOn("CAT");
    PickWithMouse(*dialog.Lexicons, 1);
    EXPECT_TRUE(dialog.InWordlist->isChecked()) << "a pick checks no place";
    dialog.InNamedLexicon->click();
    PickWithMouse(*dialog.Wordlist, 1);
    dialog.OK->click();
    EXPECT_EQ(Typed(), "CAT/-\"OTHER\"?");

    OpenOn("CAT");
    dialog.OnSlate->click();
    OpenOn("CAT");
    EXPECT_TRUE(dialog.OnSlate->hasFocus()) << "the place chosen has the focus";
    QTest::keyClick(dialog.OnSlate, Qt::Key_Return);
    EXPECT_EQ(Typed(), "CAT/?");
}

TEST_F(WordPresenceTest, TheLexiconChoiceNamesTheLexiconsAskedAbout) {
    EXPECT_EQ(dialog.InLexicon->text(), "is in the primary lexicon");
    WordPresenceDlg = &dialog;
    lexicons.Load(0, 1, 0);
    ShowInLexiconCaption();
    EXPECT_EQ(dialog.InLexicon->text(), "is in each of the primary and secondary lexicons");
    WordPresenceDlg = nullptr;
}

TEST_F(WordPresenceTest, CancelEscAndHelp) {
    OpenOn("CAT");
    ExpectHelpKeepsDialogOpen(dialog, *dialog.Help);
    dialog.Cancel->click();
    EXPECT_FALSE(dialog.isVisible());
    OpenOn("CAT");
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(Typed(), "CAT");
}

TEST_F(WordPresenceTest, Layout) {
    MakeWordlists({2, 7});
    SetWordlistLabel(7, "Twenty characters!!!");
    SetCommandLine("SESQUIPEDALIANS");
    ExpectSoundLayoutInBothLanguages(dialog, "word-presence");
}

// ---- Random racks ----------------------------------------------------------------

class RandomRacksTest : public WordlistDialogTest {
protected:
    void OpenAgain() {
        ClearLine();
        dialog.hide();
        Open(dialog);
    }

    TRandomRacksDlg dialog;
};

TEST_F(RandomRacksTest, FirstUseTypesAHundredRacksForTheFirstFreeWordlist) {
    MakeWordlists({1, 2, 4});
    Open(dialog);
    EXPECT_TRUE(dialog.SpecifiedCount->hasFocus());
    EXPECT_EQ(dialog.SpecifiedCount->text(), "    100");
    EXPECT_EQ(dialog.SpecifiedCount->selectedText(), "100");
    EXPECT_TRUE(dialog.ToNewWordlist->isChecked());
    EXPECT_EQ(dialog.NewWordlistNumber->Field()->text(), " 3");
    EXPECT_FALSE(dialog.Wordlist->isEnabled());
    QTest::keyClick(dialog.SpecifiedCount, Qt::Key_Return);
    EXPECT_EQ(Typed(), "/. 100 > 3 A");

    MakeWordlists({3});  // as performing the command does
    OpenAgain();
    EXPECT_EQ(dialog.Wordlist->currentIndex(), 3) << "the new wordlist is the destination kept";
}

TEST_F(RandomRacksTest, TheCountAndTheWordlistChosenStayForTheNextShowing) {
    MakeWordlists({1, 2, 3});
    Open(dialog);
    Retype(*dialog.SpecifiedCount, "2500");
    dialog.ToExistingWordlist->click();
    EXPECT_FALSE(dialog.OK->isEnabled()) << "no wordlist chosen yet";
    PickWithMouse(*dialog.Wordlist, 3);
    dialog.OK->click();
    EXPECT_EQ(Typed(), "/. 2500 > 3 A");

    OpenAgain();
    EXPECT_EQ(dialog.SpecifiedCount->text(), "   2500");
    EXPECT_EQ(dialog.Wordlist->currentIndex(), 3);
    EXPECT_TRUE(dialog.ToExistingWordlist->isChecked());
    dialog.OK->click();
    EXPECT_EQ(Typed(), "/. 2500 > 3 A");

    DeleteNumberedWordlists();  // the wordlist chosen is gone
    OpenAgain();
    EXPECT_EQ(dialog.Wordlist->currentIndex(), -1);
    EXPECT_FALSE(dialog.OK->isEnabled());
}

TEST_F(RandomRacksTest, TheArrowsSkipWordlistsInUseAndATypedNumberMustBeFree) {
    MakeWordlists({1, 2, 4, 10});
    Open(dialog);
    FreeNumberField& number = *dialog.NewWordlistNumber;
    ClickArrow(number, UpDownButton::Up);
    EXPECT_EQ(number.Field()->text(), " 5");
    ClickArrow(number, UpDownButton::Down);
    EXPECT_EQ(number.Field()->text(), " 3");
    ClickArrow(number, UpDownButton::Down);  // 1 and 2 are taken
    EXPECT_EQ(number.Field()->text(), " 3");
    EXPECT_EQ(number.Arrows()->Position(), 3);
    for (const char* typed : {"100", "4", "0", ""}) {
        Retype(*number.Field(), typed);
        EXPECT_EQ(number.Arrows()->Position(), 3) << typed;
        EXPECT_FALSE(dialog.OK->isEnabled()) << typed;
    }
    Retype(*number.Field(), "42");
    EXPECT_EQ(number.Arrows()->Position(), 42);
    dialog.OK->click();
    EXPECT_EQ(Typed(), "/. 100 > 42 A");
}

TEST_F(RandomRacksTest, OKOnlyForACountTheCommandTakes) {
    Open(dialog);
    for (const char* count : {"12a", "0", "1000001", ""}) {
        Retype(*dialog.SpecifiedCount, count);
        EXPECT_FALSE(dialog.OK->isEnabled()) << count;
    }
    QTest::keyClicks(dialog.SpecifiedCount, "12345678");
    EXPECT_EQ(dialog.SpecifiedCount->text(), "1234567") << "seven digits";
    Retype(*dialog.SpecifiedCount, "1000000");
    dialog.OK->click();
    EXPECT_EQ(Typed(), "/. 1000000 > 1 A");
}

TEST_F(RandomRacksTest, WithNoNumberFreeOnlyAnExistingWordlistIsOffered) {
    for (std::int32_t n = 1; n <= MaxWordlistNumber; ++n) MakeWordlists({n});
    Open(dialog);
    EXPECT_FALSE(dialog.ToNewWordlist->isEnabled());
    EXPECT_TRUE(dialog.ToExistingWordlist->isChecked());
    EXPECT_EQ(dialog.NewWordlistNumber->Field()->text(), "");
    PickWithMouse(*dialog.Wordlist, 5);
    dialog.OK->click();
    EXPECT_EQ(Typed(), "/. 100 > 5 A");
}

TEST_F(RandomRacksTest, EscAndHelp) {
    Open(dialog);
    ExpectHelpKeepsDialogOpen(dialog, *dialog.Help);
    QTest::keyClick(dialog.SpecifiedCount, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(Typed(), "");
}

TEST_F(RandomRacksTest, Layout) {
    MakeWordlists({1, 2, 4});
    SetWordlistLabel(4, "Twenty characters!!!");
    ExpectSoundLayoutInBothLanguages(dialog, "random-racks");
}

}  // namespace
}  // namespace qora
