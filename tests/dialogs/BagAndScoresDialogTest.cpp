// The set (B) and set ($) dialog: the values it starts from, the buttons,
// the keys that raise and lower a tile, and the text OK types.
#include "dialogs/BagAndScoresDialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QToolButton>

#include "support/qt/CommandDialogTest.h"
#include "widgets/TileControls.h"

namespace qora {
namespace {

class BagAndScoresDialogTest : public CommandDialogTest {
protected:
    void OpenOn(bool bag, const char* line = "") {
        SetBDialogIsBag = bag;
        OpenOnLine(dialog, line);
        ClearLine();
    }
    std::string ValueShown(int tile) const { return dialog.Tiles->CounterOfTile(tile)->Field()->text().toStdString(); }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(dialog.SpecifiedSetHome, key, modifiers);
    }

    TDefineNewSetB dialog;
};

TEST_F(BagAndScoresDialogTest, TheButtonsSetTheLanguagesDefaultsOrAllOnes) {
    struct Case {
        bool bag;
        QPushButton* TDefineNewSetB::*button;
        const char* typed;
    };
    const Case cases[] = {
        {false, &TDefineNewSetB::DefaultValues, "/($)=(A3B3C2DE4F2G4HI8J5KL3MNO3P10QRSTU4V4W8X4Y10Z)"},
        {true, &TDefineNewSetB::OneAllValues, "/(B)=(ABCDEFGHIJKLMNOPQRSTUVWXYZ)"},
    };
    for (const Case& c : cases) {
        OpenOn(c.bag, "/(B)=(2ABCDEFGHIJKLMNOPQRSTUVWXYZ) /($)=(9A)");
        (dialog.*c.button)->click();
        EXPECT_TRUE(dialog.SpecifiedSetHome->hasFocus());
        dialog.OK->click();
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(Typed(), c.typed);
    }
}

// Which values a showing starts from is the set texts' own table; here, that
// the one form shows the set asked for.
TEST_F(BagAndScoresDialogTest, AShowingStartsFromTheLinesDefinitionOrTheTablesInForce) {
    OpenOn(true);
    EXPECT_EQ(dialog.windowTitle(), " Update Definition of Set (B)");
    EXPECT_EQ(ValueShown(5), "12");
    EXPECT_EQ(ValueShown(17), " 1");
    dialog.Cancel->click();
    OpenOn(false, "/($)=(5Q)");
    EXPECT_EQ(dialog.windowTitle(), " Update Definition of Set ($)");
    EXPECT_EQ(ValueShown(17), " 5");
    EXPECT_EQ(ValueShown(1), " 0");
    EXPECT_TRUE(dialog.SpecifiedSetHome->hasFocus());
}

TEST_F(BagAndScoresDialogTest, ALetterRaisesItsValueAndShiftLowersItWithinTheRange) {
    OpenOn(true);
    Key(Qt::Key_Q);
    EXPECT_EQ(ValueShown(17), " 2");
    Key(Qt::Key_Q, Qt::ShiftModifier);
    Key(Qt::Key_Q, Qt::ShiftModifier);  // a bag holds at least one
    EXPECT_EQ(ValueShown(17), " 1");
    Key(Qt::Key_1);  // no tile
    Key(Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(Typed(), "");

    OpenOn(false);
    Key(Qt::Key_Q, Qt::ShiftModifier);
    for (int i = 0; i < 10; ++i) Key(Qt::Key_Q, Qt::ShiftModifier);
    EXPECT_EQ(ValueShown(17), " 0");
    QTest::mouseClick(dialog.Tiles->CounterOfTile(26)->Arrows()->Arrow(UpDownButton::Up), Qt::LeftButton);
    EXPECT_EQ(ValueShown(26), "11");
    EXPECT_TRUE(dialog.SpecifiedSetHome->hasFocus()) << "an arrow gives the focus back to the memo";
    for (int i = 0; i < 100; ++i) Key(Qt::Key_Z);
    EXPECT_EQ(ValueShown(26), "99");
    Key(Qt::Key_Return);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(Typed(), "/($)=(A3B3C2DE4F2G4HI8J5KL3MNO3P0QRSTU4V4W8X4Y99Z)");
}

TEST_F(BagAndScoresDialogTest, SpanishShowsItsTilesAndFoldsItsKeys) {
    UseLanguage(Language::Spanish);
    OpenOn(true);
    EXPECT_TRUE(dialog.Tiles->CounterOfTile(28)->isVisible());
    EXPECT_EQ(dialog.Tiles->CounterLabel(SlotOfName('D'))->text(), "CH");
    EXPECT_TRUE(dialog.SpecifiedSetHome->toPlainText().contains("CTRL-letter"));
    Key(Qt::Key_C, Qt::ControlModifier);
    Key(Qt::Key_L, Qt::ControlModifier | Qt::ShiftModifier);
    Key(Qt::Key_K);
    Key(Qt::Key_W);
    EXPECT_EQ(ValueShown(SpanishTileCH), " 2");
    EXPECT_EQ(ValueShown(SpanishTileLL), " 1");
    dialog.OK->click();
    EXPECT_EQ(Typed(),
              "/(B)=(12A2B4C2ch5D12EF2G2H6IJ4Lll2M5N\xD1"
              "9O2PQ5Rrr6S4T5UVXYZ)");
    EXPECT_EQ(ParseError(Typed()), "");
}

TEST_F(BagAndScoresDialogTest, HelpStaysOpen) {
    OpenOn(true);
    ExpectHelpKeepsDialogOpen(dialog, *dialog.Help);
}

TEST_F(BagAndScoresDialogTest, Layout) { ExpectSoundLayoutInBothLanguages(dialog, "set-b"); }

}  // namespace
}  // namespace qora
