// The Label a Set dialog: the label typed, refused characters, and the
// empty label of every showing.
#include "dialogs/LabelSetDialog.h"

#include <QLabel>
#include <QLineEdit>

#include "support/qt/CommandDialogTest.h"

namespace qora {
namespace {

class LabelSetDialogTest : public CommandDialogTest {
protected:
    void OpenFor(std::int32_t number) {
        LabelSetNumber = number;
        ClearLine();
        Open(dialog);
    }

    TLabelSetDlg dialog;
};

TEST_F(LabelSetDialogTest, OKTypesTheSetAsACopyOfItselfWithTheLabel) {
    OpenFor(4);
    EXPECT_EQ(dialog.LabelSetLabel->text(), "Label set 4:");
    EXPECT_TRUE(dialog.SetLabel->hasFocus());
    QTest::keyClicks(dialog.SetLabel, "vowels");
    dialog.OK->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(Typed(), "/4U\"vowels\"=(4)");

    OpenFor(17);  // an empty label: the quotes are written empty
    QTest::keyClick(dialog.SetLabel, Qt::Key_Return);
    EXPECT_EQ(Typed(), "/17U\"\"=(17)");
}

TEST_F(LabelSetDialogTest, TheLabelTakesTwentyCharactersAndNoDoubleQuote) {
    OpenFor(3);
    QTest::keyClicks(dialog.SetLabel, "ab\"cdefghijklmnopqrstuvwxyz");
    EXPECT_EQ(dialog.SetLabel->text(), "abcdefghijklmnopqrst");
    dialog.OK->click();
    EXPECT_EQ(Typed(), "/3U\"abcdefghijklmnopqrst\"=(3)");
    EXPECT_EQ(ParseError(Typed()), "");
}

TEST_F(LabelSetDialogTest, EachShowingStartsEmptyAndCancelTypesNothing) {
    OpenFor(2);
    ExpectHelpKeepsDialogOpen(dialog, *dialog.Help);
    QTest::keyClicks(dialog.SetLabel, "typed");
    dialog.Cancel->click();
    EXPECT_FALSE(dialog.isVisible());
    OpenFor(5);
    EXPECT_EQ(dialog.SetLabel->text(), "");
    EXPECT_EQ(dialog.LabelSetLabel->text(), "Label set 5:");
    QTest::keyClicks(dialog.SetLabel, "x");
    QTest::keyClick(dialog.SetLabel, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(Typed(), "");
}

TEST_F(LabelSetDialogTest, Layout) {
    LabelSetNumber = 99;
    ExpectSoundLayoutInBothLanguages(dialog, "label-set");
}

}  // namespace
}  // namespace qora
