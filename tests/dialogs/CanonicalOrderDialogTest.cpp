#include "dialogs/CanonicalOrderDialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "dialogs/texts/OptionTexts.h"
#include "platform/qt/CommitComboBox.h"
#include "platform/qt/Text.h"
#include "processor/Settings.h"
#include "support/qt/CommandDialogTest.h"

namespace qora {
namespace {

TEST(OrderingList, OKChoosesTheItemOrAddsIt) {
    const std::vector<std::string> items = {"(random)", "ABC", "CBA"};
    struct Case {
        int current;
        const char* typed;
        int select;
        bool add;
        bool append;
    };
    const Case cases[] = {
        {1, "ABC", 1, false, false},  // the chosen item: nothing
        {2, "ABC", 1, false, true},   // another item: choose it, append
        {1, "BAC", 3, true, true},    // a new ordering: the new last item
        {-1, "CBA", 2, false, true},
    };
    for (const Case& c : cases) {
        const OrderingListUpdate update = UpdateOrderingList(items, c.current, c.typed);
        EXPECT_EQ(update.Select, c.select) << c.typed;
        EXPECT_EQ(update.Add, c.add) << c.typed;
        EXPECT_EQ(update.Append, c.append) << c.typed;
    }
}

TEST(OrderingList, InsertingKeepsTheLengthLimit) {
    const CaretInsert middle = InsertAtCaret("ABCD", 2, 'x', 5);
    EXPECT_TRUE(middle.Done);
    EXPECT_EQ(middle.Text, "ABxCD");
    EXPECT_EQ(middle.Caret, 3u);
    EXPECT_FALSE(InsertAtCaret("ABCDE", 2, 'x', 5).Done);
    EXPECT_EQ(InsertAtCaret("AB", 9, 'x', 5).Text, "ABx") << "a caret past the end inserts at the end";
}

class CanonicalOrderDialogTest : public CommandDialogTest {
protected:
    TRandomOutputDlg racks;
    TCanonOutputDlg words;

    static void Type(CanonicalOrderForm& form, const std::string& text) {
        form.CanonOrder->setText(FromCodePage(text));
    }
};

TEST_F(CanonicalOrderDialogTest, ActivationWritesTheLanguagesOrderingAndOKFollowsTheText) {
    Open(racks);
    EXPECT_EQ(racks.CanonOrder->text(), "ABCDEFGHIJKLMNOPQRSTUVWXYZ?");
    EXPECT_TRUE(racks.OK->isEnabled());
    EXPECT_TRUE(racks.CanonOrder->hasFocus());
    EXPECT_FALSE(racks.SpanishLabel->isVisible());
    Type(racks, "ZYXWVUTSRQPONMLKJIHGFEDCBA");
    EXPECT_FALSE(racks.OK->isEnabled()) << "no \"?\"";
    Type(racks, "ZYXWVUTSRQPONMLKJIHGFEDCBA\xA4");
    EXPECT_FALSE(racks.OK->isEnabled()) << "a character that is no tile";
    racks.Cancel->click();

    UseLanguage(Language::Spanish);
    Open(racks);
    EXPECT_EQ(ToCodePage(racks.CanonOrder->text()), "ABCchDEFGHIJLllMN\xD1OPQRrrSTUVXYZ?");
    EXPECT_TRUE(racks.OK->isEnabled());
    EXPECT_TRUE(racks.SpanishLabel->isVisible());
    Open(words);
    EXPECT_EQ(ToCodePage(words.CanonOrder->text()), "ABCchDEFGHIJLllMN\xD1OPQRrrSTUVXYZ");
    Type(words, "ABCchDEFGHIJLllMN\xD1OPQRrrSTUVXYZ?");
    EXPECT_FALSE(words.OK->isEnabled()) << "no \"?\" in a word-output ordering";
    Type(words, "ABCchDEFGHIJLllMN OPQ RrrS TUV XYZ \xD1");
    EXPECT_FALSE(words.OK->isEnabled()) << "a fifth separator: the command would refuse it";
}

TEST_F(CanonicalOrderDialogTest, CtrlNInsertsAnEnyeAtTheCaretWithinTheLimit) {
    Open(words);
    Type(words, "ABC");
    words.CanonOrder->setCursorPosition(1);
    QTest::keyClick(words.CanonOrder, Qt::Key_N, Qt::ControlModifier);
    QTest::keyClick(words.CanonOrder, Qt::Key_N, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(ToCodePage(words.CanonOrder->text()),
              "A\xF1\xD1"
              "BC");
    words.CanonOrder->setSelection(0, 2);
    QTest::keyClick(words.CanonOrder, Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(words.CanonOrder->text().size(), 6) << "the selection is not replaced";

    Type(words, std::string(36, 'A'));
    QTest::keyClick(words.CanonOrder, Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(words.CanonOrder->text().size(), 36) << "36 characters at most";
}

// OK chooses the ordering in the main window's list (adding it when new)
// and types its command, which the parser takes; the chosen item types
// nothing, and Cancel nothing either.
TEST_F(CanonicalOrderDialogTest, OKUpdatesTheMainWindowsListAndTypesTheCommand) {
    CommitComboBox list;
    list.addItems({"(random)", "ABCDEFGHIJKLMNOPQRSTUVWXYZ?"});
    list.setCurrentIndex(1);
    racks.SetOrderingList(&list);

    Open(racks);
    racks.OK->click();
    EXPECT_EQ(Typed(), "");
    EXPECT_FALSE(racks.isVisible());

    Open(racks);
    Type(racks, "AEIOU BCDFGHJKLMNPQRSTVWXYZ?");
    racks.OK->click();
    EXPECT_EQ(list.count(), 3);
    EXPECT_EQ(list.currentIndex(), 2);
    EXPECT_EQ(Typed(), "/.\"AEIOU BCDFGHJKLMNPQRSTVWXYZ?\"");
    EXPECT_EQ(ParseError(Typed()), "");

    ClearLine();
    Open(racks);
    racks.OK->click();
    EXPECT_EQ(list.currentIndex(), 1);
    EXPECT_EQ(Typed(), "/.\"ABCDEFGHIJKLMNOPQRSTUVWXYZ?\"");

    ClearLine();
    Open(racks);
    Type(racks, "ZYXWVUTSRQPONMLKJIHGFEDCBA?");
    racks.Cancel->click();
    EXPECT_EQ(Typed(), "");
    EXPECT_EQ(list.count(), 3);

    UseLanguage(Language::Spanish);
    Open(words);
    Type(words, "AEIOU+BCchDFGHJLllMN\xD1PQRrrSTVXYZ");
    QTest::keyClick(words.CanonOrder, Qt::Key_Return);
    EXPECT_EQ(ToCodePage(FromCodePage(Typed())), "/;\"AEIOU+BCchDFGHJLllMN\xD1PQRrrSTVXYZ\"");
    EXPECT_EQ(ParseError(Typed()), "");
}

TEST_F(CanonicalOrderDialogTest, HelpAndLayoutInBothLanguages) {
    Open(racks);
    ExpectHelpKeepsDialogOpen(racks, *racks.Help);
    ExpectSoundLayoutInBothLanguages(racks, "random-rack-order");
    ExpectSoundLayoutInBothLanguages(words, "word-output-order");
}

}  // namespace
}  // namespace qora
