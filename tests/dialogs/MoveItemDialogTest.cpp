// The Move Item dialog: how the numbers resolve against the wordlists as it
// shows them (without moving a cursor), when its OK is enabled and what it
// types, from a wordlist or from the current flashcard.
#include "dialogs/MoveItemDialog.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include "engine/Flashcards.h"
#include "engine/Wordlists.h"
#include "platform/qt/CommitComboBox.h"
#include "platform/qt/FreeNumberField.h"
#include "platform/qt/NumberField.h"
#include "platform/qt/RadioGroup.h"
#include "platform/qt/SpinField.h"
#include "support/qt/CommandDialogTest.h"
#include "support/qt/WidgetInput.h"

namespace qora {
namespace {

class MoveItemDialogTest : public CommandDialogTest {
protected:
    // Wordlist `number` with the items "ITEM 1" to "ITEM n" (n 0: empty).
    static void MakeWordlist(std::int32_t number, int items) {
        Wordlist& wordlist = *ObtainWordlist(number);
        for (int item = 1; item <= items; ++item) AppendWordlistItem(wordlist, "ITEM " + std::to_string(item), true);
    }

    // Opens the dialog as an opener does.
    void OpenWith(MoveItemRequest request) {
        PendingMoveItem = request;
        ClearLine();
        dialog.hide();
        Open(dialog);
    }

    // The line of wordlist `number` in a list.
    static int LineOf(const CommitComboBox& list, std::int32_t number) {
        for (int line = 0; line < list.count(); ++line)
            if (list.itemText(line).trimmed().startsWith(QString::number(number) + " ")) return line;
        return -1;
    }

    std::string TypedByOK() {
        if (!dialog.OK->isEnabled()) return "(OK disabled)";
        dialog.OK->click();
        return Typed();
    }

    TMoveItemDlg dialog;
};

TEST_F(MoveItemDialogTest, ShowsHowTheItemsResolveAndTypesThemAsSpecified) {
    MakeWordlist(3, 10);
    OpenWith({0, 3, 8, DispositionDelete});
    EXPECT_TRUE(dialog.FromWordlist->isChecked());
    EXPECT_EQ(dialog.Wordlist1->currentIndex(), LineOf(*dialog.Wordlist1, 3));
    EXPECT_FALSE(dialog.DestinationBox->isVisible());
    Retype(*dialog.SpecifiedCount, "5");
    EXPECT_EQ(dialog.ActualItem1->text(), "      8");
    EXPECT_EQ(dialog.ActualCount->text(), "      3");
    EXPECT_EQ(dialog.StartingItem->text(), "ITEM 8");
    EXPECT_EQ(dialog.EndingItem->text(), "ITEM 10");
    EXPECT_TRUE(dialog.EndingItemBox->isEnabled());
    EXPECT_EQ(TypedByOK(), "/=3:8,5D") << "the count as specified";

    struct Case {
        const char* item;
        const char* count;
        const char* actualItem;
        const char* actualCount;
        const char* ending;
    };
    const Case cases[] = {
        {"0", "1", "     10", "      1", ""},  // 0 and numbers past the end: the last item
        {"25", "1", "     10", "      1", ""}, {"3", "0", "      3", "", ""},  // no item taken
        {"", "2", "     10", "      1", ""},   {"2", "2", "      2", "      2", "ITEM 3"},
    };
    OpenWith({0, 3, -1, DispositionDelete});
    for (const Case& c : cases) {
        Retype(*dialog.ItemNumber1, c.item);
        Retype(*dialog.SpecifiedCount, c.count);
        EXPECT_EQ(dialog.ActualItem1->text(), c.actualItem) << c.item << "," << c.count;
        EXPECT_EQ(dialog.ActualCount->text(), c.actualCount) << c.item << "," << c.count;
        EXPECT_EQ(dialog.EndingItem->text(), c.ending) << c.item << "," << c.count;
        EXPECT_EQ(dialog.OK->isEnabled(), *c.actualCount != '\0') << c.item << "," << c.count;
    }
}

TEST_F(MoveItemDialogTest, AFieldWithoutDigitsKeepsItsValueAndOKDisabled) {
    MakeWordlist(3, 10);
    OpenWith({0, 3, 4, DispositionDelete});
    Retype(*dialog.ItemNumber1, "12a");
    EXPECT_FALSE(dialog.OK->isEnabled());
    EXPECT_EQ(dialog.ActualItem1->text(), "     10") << "12 is past the end";
    QTest::keyClick(dialog.ItemNumber1, Qt::Key_Backspace);
    EXPECT_TRUE(dialog.OK->isEnabled());
    Retype(*dialog.ItemNumber1, "99999999999");  // beyond 32 bits
    EXPECT_FALSE(dialog.OK->isEnabled());
    dialog.SpecifiedCount->setFocus();  // entering a field shows its value, selected
    EXPECT_EQ(dialog.SpecifiedCount->text(), "      1");
    EXPECT_EQ(dialog.SpecifiedCount->selectedText(), "1");
    Retype(*dialog.ItemNumber1, "");
    EXPECT_EQ(TypedByOK(), "/=3:0D") << "an emptied field is 0";
}

TEST_F(MoveItemDialogTest, AnEmptyOrMissingSourceTakesNothing) {
    MakeWordlist(3, 0);
    OpenWith({0, 3, 1, DispositionDelete});
    for (QLineEdit* field : {dialog.ActualItem1, dialog.ActualCount, dialog.StartingItem, dialog.EndingItem})
        EXPECT_EQ(field->text(), "");
    EXPECT_FALSE(dialog.OK->isEnabled());
    OpenWith({0, 8, 1, DispositionDelete});  // no wordlist 8
    EXPECT_EQ(dialog.Wordlist1->currentIndex(), -1);
    EXPECT_FALSE(dialog.OK->isEnabled());
}

TEST_F(MoveItemDialogTest, CopiesGoBeforeTheDestinationItemOrAfterTheLast) {
    MakeWordlist(3, 10);
    MakeWordlist(6, 6);
    OpenWith({0, 3, 5, DispositionCopy});
    EXPECT_TRUE(dialog.DestinationBox->isVisible());
    EXPECT_EQ(dialog.ItemNumber2->text(), "      0");
    EXPECT_FALSE(dialog.OK->isEnabled()) << "no destination chosen";
    PickWithMouse(*dialog.Wordlist2, LineOf(*dialog.Wordlist2, 6));
    EXPECT_EQ(dialog.ActualItem2->text(), "      7");
    Retype(*dialog.ItemNumber2, "2");
    EXPECT_EQ(dialog.ActualItem2->text(), "      2");
    EXPECT_EQ(TypedByOK(), "/6:2=3:5C");

    OpenWith({0, -1, -1, DispositionMove});  // the choices stay; the destination item starts at 0
    EXPECT_EQ(dialog.Wordlist2->currentIndex(), LineOf(*dialog.Wordlist2, 6));
    dialog.ToNewWordlist->click();
    EXPECT_EQ(dialog.ActualItem2->text(), "      1");
    Retype(*dialog.ItemNumber2, "4");
    EXPECT_EQ(dialog.ActualItem2->text(), "      1") << "a new wordlist starts at 1";
    EXPECT_EQ(TypedByOK(), "/1:4=3:5M");
}

TEST_F(MoveItemDialogTest, TheNewWordlistsNumberSkipsNumbersInUse) {
    for (const std::int32_t number : {1, 2, 3, 4, 5, 7}) MakeWordlist(number, 1);
    OpenWith({0, 1, 1, DispositionCopy});
    dialog.ToNewWordlist->click();
    FreeNumberField& number = *dialog.NewWordlistNumber;
    EXPECT_EQ(number.Field()->text(), " 6");
    dialog.NewWordlistNumberUpDown->Arrow(UpDownButton::Up)->click();
    EXPECT_EQ(number.Field()->text(), " 8");
    for (std::int32_t used = 9; used <= MaxWordlistNumber; ++used) MakeWordlist(used, 1);
    dialog.NewWordlistNumberUpDown->Arrow(UpDownButton::Up)->click();
    EXPECT_EQ(number.Field()->text(), " 8");
    EXPECT_EQ(dialog.NewWordlistNumberUpDown->Position(), 8);
    for (const char* typed : {"0", "3", "120", ""}) {
        Retype(*number.Field(), typed);
        EXPECT_FALSE(dialog.OK->isEnabled()) << typed;
    }
    Retype(*number.Field(), "6");
    EXPECT_EQ(TypedByOK(), "/6:0=1:1C");

    MakeWordlist(6, 1);
    MakeWordlist(8, 1);
    OpenWith({0, 1, 1, DispositionCopy});  // no number free: the new wordlist cannot be chosen
    EXPECT_EQ(number.Field()->text(), "");
    EXPECT_FALSE(dialog.OK->isEnabled());
}

TEST_F(MoveItemDialogTest, TheCurrentFlashcardIsMovedOrDeleted) {
    MakeWordlist(4, 20);
    StartFlashcards(4);
    for (int card = 2; card <= 12; ++card) NextFlashcard();
    OpenWith({1, FlashcardWordlistNumber, -1, DispositionMove});
    EXPECT_TRUE(dialog.Flashcard->isChecked());
    EXPECT_FALSE(dialog.Wordlist1->isEnabled());
    EXPECT_TRUE(dialog.ItemNumber1->isReadOnly());
    EXPECT_EQ(dialog.StartingItem->text(), "ITEM 12");
    dialog.ToNewWordlist->click();
    Retype(*dialog.NewWordlistNumber->Field(), "9");
    EXPECT_EQ(TypedByOK(), "/9:0=M");
    OpenWith({1, FlashcardWordlistNumber, -1, DispositionDelete});
    EXPECT_EQ(TypedByOK(), "/=4:12D");
    OpenWith({1, FlashcardWordlistNumber, -1, DispositionCopy});
    dialog.ToFlashcardWordlist->click();
    EXPECT_EQ(dialog.ActualItem2->text(), "     21");
    EXPECT_EQ(TypedByOK(), "/4:0=C");
}

TEST_F(MoveItemDialogTest, FlashcardsOffOrStopped) {
    MakeWordlist(3, 5);
    OpenWith({1, FlashcardWordlistNumber, -1, DispositionDelete});  // never started: 0
    EXPECT_FALSE(dialog.Flashcard->isEnabled());
    EXPECT_FALSE(dialog.ToFlashcardWordlist->isEnabled());
    EXPECT_TRUE(dialog.FromWordlist->isChecked()) << "treated as a request from a wordlist";
    EXPECT_EQ(dialog.Wordlist1->currentIndex(), LineOf(*dialog.Wordlist1, 0)) << "the slate";

    StartFlashcards(3);
    StopFlashcards();
    OpenWith({0, 3, 2, DispositionCopy});
    EXPECT_TRUE(dialog.Flashcard->isEnabled());
    PickWithMouse(*dialog.Wordlist2, LineOf(*dialog.Wordlist2, 3));
    EXPECT_TRUE(dialog.OK->isEnabled());
    dialog.ToFlashcardWordlist->click();
    EXPECT_FALSE(dialog.OK->isEnabled()) << "no flashcard wordlist";
    dialog.Disposition->Item(DispositionDelete)->click();
    EXPECT_FALSE(dialog.DestinationBox->isVisible());
    EXPECT_TRUE(dialog.OK->isEnabled()) << "the destination plays no part";
    dialog.Flashcard->click();
    EXPECT_FALSE(dialog.OK->isEnabled()) << "no flashcard to take";
}

// "Flashcard Wordlist" kept from an earlier showing names the flashcard
// wordlist of now, not the one it named then.
TEST_F(MoveItemDialogTest, TheFlashcardDestinationFollowsTheFlashcardsOfNow) {
    MakeWordlist(3, 5);
    MakeWordlist(4, 5);
    StartFlashcards(3);
    OpenWith({0, 3, 2, DispositionCopy});
    dialog.ToFlashcardWordlist->click();
    EXPECT_EQ(TypedByOK(), "/3:0=3:2C");
    StartFlashcards(4);
    OpenWith({0, 3, 2, DispositionCopy});
    EXPECT_EQ(TypedByOK(), "/4:0=3:2C");
    StopFlashcards();
    OpenWith({0, 3, 2, DispositionCopy});
    EXPECT_TRUE(dialog.ToFlashcardWordlist->isChecked());
    EXPECT_FALSE(dialog.OK->isEnabled()) << "no flashcard wordlist";
}

TEST_F(MoveItemDialogTest, PreviewingMovesNoCursorAndTheChoicesStay) {
    MakeWordlist(3, 10);
    MakeWordlist(5, 10);
    NextWordlistItem(5, 2);  // wordlist 5 used last, its cursor on item 2
    OpenWith({0, 3, 7, DispositionDelete});
    Retype(*dialog.SpecifiedCount, "3");
    dialog.ItemNumberUpDown->Arrow(UpDownButton::Up)->click();
    EXPECT_EQ(dialog.ItemNumber1->text(), "      8");
    EXPECT_EQ(dialog.StartingItem->text(), "ITEM 8");
    dialog.Cancel->click();
    EXPECT_EQ(FindWordlist(3)->Cursor, -1);
    EXPECT_EQ(NextWordlistItem(-1, 0), "ITEM 3") << "wordlist 5 is still the one used last";

    OpenWith({0, -1, -1, DispositionCopy});
    EXPECT_EQ(dialog.Wordlist1->currentIndex(), LineOf(*dialog.Wordlist1, 3));
    EXPECT_EQ(dialog.ItemNumber1->text(), "      8");
    EXPECT_EQ(dialog.SpecifiedCount->text(), "      3");
    EXPECT_TRUE(dialog.Disposition->Item(DispositionCopy)->isChecked());
}

TEST_F(MoveItemDialogTest, AListKeyedWithoutLeavingItCountsAtOK) {
    MakeWordlist(3, 10);
    MakeWordlist(5, 10);
    OpenWith({0, 3, 1, DispositionDelete});
    dialog.Wordlist1->setFocus();
    QTest::keyClick(dialog.Wordlist1, Qt::Key_Down);
    ASSERT_EQ(dialog.Wordlist1->currentIndex(), LineOf(*dialog.Wordlist1, 5));
    QTest::keyClick(dialog.Wordlist1, Qt::Key_Return);
    EXPECT_EQ(Typed(), "/=5:1D");
}

TEST_F(MoveItemDialogTest, EscAndHelp) {
    MakeWordlist(3, 10);
    OpenWith({0, 3, 1, DispositionDelete});
    ExpectHelpKeepsDialogOpen(dialog, *dialog.Help);
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(Typed(), "");
}

TEST_F(MoveItemDialogTest, Layout) {
    MakeWordlist(3, 10);
    MakeWordlist(12, 1000);
    SetWordlistLabel(12, "Twenty characters!!!");
    PendingMoveItem = {0, 12, 999, DispositionMove};
    ExpectSoundLayoutInBothLanguages(dialog, "move-item");
}

}  // namespace
}  // namespace qora
