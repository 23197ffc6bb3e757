#include "dialogs/BoardSquareDialog.h"

#include <QColorDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "dialogs/texts/OptionTexts.h"
#include "engine/Board.h"
#include "platform/qt/ColorDialog.h"
#include "processor/Settings.h"
#include "support/qt/CommandDialogTest.h"

namespace qora {
namespace {

TEST(BoardSquareTexts, SquareTextAndCommandByScoringMode) {
    const BoardSquare centre{7, 7, true};
    EXPECT_EQ(SquareTextOf(centre), "  8H");
    EXPECT_EQ(SquareTextOf({11, 7, false}), "  H12");
    EXPECT_EQ(BoardSquareCommand(centre, ScoringModeStartingAtSquare), "/@8H.");
    EXPECT_EQ(BoardSquareCommand({10, 10, false}, ScoringModeIncludingSquare), "/@K11~");
    for (const ScoringMode mode : {ScoringModePlain, ScoringModeSevenTileBonus, ScoringModeCentreRow, ScoringModeGrid})
        EXPECT_EQ(BoardSquareCommand(centre, mode), "") << mode;
}

class BoardSquareDialogTest : public CommandDialogTest {
protected:
    TBoardDlg board;
    TSuperBoardDlg superBoard;

    static void Type(BoardSquareForm& form, const char* keys) { QTest::keyClicks(form.Board, keys); }
    static std::string Shown(const BoardSquareForm& form) { return form.SquareText->text().toStdString(); }
};

TEST_F(BoardSquareDialogTest, TypingChoosesTheSquareAndItsOrientation) {
    Open(board);
    EXPECT_EQ(Shown(board), "  8H") << "the displayed square, horizontal at first";
    EXPECT_TRUE(board.Board->hasFocus());
    Type(board, "H8");
    EXPECT_EQ(Shown(board), "  H8");
    EXPECT_TRUE(board.Vertical->isChecked());
    Type(board, "12H");
    EXPECT_EQ(Shown(board), "  12H");
    Type(board, "H12");
    EXPECT_EQ(Shown(board), "  H12");
    Type(board, "P");
    EXPECT_EQ(Shown(board), "  H12") << "no column P on the 15 x 15 board";
    Type(board, "0");
    EXPECT_EQ(Shown(board), "  12H") << "a digit begins a horizontal square, also one that selects no row";
    QTest::mouseClick(board.Board, Qt::LeftButton, {}, board.Board->CellRect(0, 14).center());
    EXPECT_EQ(Shown(board), "  1O");
    board.Vertical->click();
    EXPECT_EQ(Shown(board), "  O1");
}

TEST_F(BoardSquareDialogTest, OKStoresAChangedSquareAndTypesItInTheModesThatUseOne) {
    Open(board);
    board.OK->click();
    EXPECT_EQ(Typed(), "") << "nothing changed";

    DisplayedSettings.ScoringMode = ScoringModeCentreRow;
    Open(board);
    Type(board, "H1");
    board.OK->click();
    EXPECT_EQ(Typed(), "");
    EXPECT_EQ(DisplayedSettings.BoardRow, 0);
    EXPECT_EQ(DisplayedSettings.BoardOrientation, BoardVertical);

    DisplayedSettings.ScoringMode = ScoringModeStartingAtSquare;
    Open(board);
    Type(board, "8H");
    QTest::keyClick(board.Board, Qt::Key_Return);
    EXPECT_EQ(Typed(), "/@8H.");
    EXPECT_EQ(ParseError(Typed()), "");

    ClearLine();
    DisplayedSettings.ScoringMode = ScoringModeIncludingSquare;
    DisplayedSettings.BoardRow = DisplayedSettings.BoardColumn = 18;  // left from the 21 x 21 board
    Open(board);
    EXPECT_EQ(Shown(board), "  15O") << "brought into the board";
    board.OK->click();
    EXPECT_EQ(Typed(), "/@15O~");

    SetCommandLine("/@=21 ");
    Open(superBoard);
    QTest::mouseClick(superBoard.Board, Qt::LeftButton, {}, superBoard.Board->CellRect(20, 20).center());
    Type(superBoard, "U");  // a letter after a chosen square begins a vertical one
    superBoard.OK->click();
    EXPECT_EQ(Typed(), "/@=21 /@U21~");
    EXPECT_EQ(ParseError(Typed()), "");
}

TEST_F(BoardSquareDialogTest, ColoursAreTheProgramsCustomColoursAndCanBeChanged) {
    ResetBoardDlgColors();
    ResetSuperBoardDlgColors();
    EXPECT_EQ(ProgramColorDialog().CustomColors().front(), "ColorA=FFB0A0");
    EXPECT_EQ(ProgramColorDialog().CustomColors().size(), 10u);

    Open(board);
    bool boldWhileChoosing = false;
    WhenModalOpens([&](QWidget& colours) {
        boldWhileChoosing = board.Legend->Caption(PremiumTripleWord)->font().bold();
        static_cast<QColorDialog&>(colours).setCurrentColor(QColor(0, 128, 0));
        static_cast<QColorDialog&>(colours).accept();
    });
    QTest::mouseClick(board.Legend->Caption(PremiumTripleWord), Qt::LeftButton);
    EXPECT_TRUE(boldWhileChoosing);
    EXPECT_FALSE(board.Legend->Caption(PremiumTripleWord)->font().bold());
    EXPECT_EQ(BoardDlgColors[PremiumTripleWord], QColor(0, 128, 0));
    EXPECT_EQ(board.Board->grab().toImage().pixelColor(board.Board->CellRect(0, 0).center()), QColor(0, 128, 0));
    EXPECT_EQ(SuperBoardDlgColors[PremiumTripleWord], QColor(250, 101, 37)) << "each board keeps its own";
}

TEST_F(BoardSquareDialogTest, HelpAndLayoutOfBothBoards) {
    Open(board);
    ExpectHelpKeepsDialogOpen(board, *board.Help);
    QTest::keyClick(board.Board, Qt::Key_Escape);
    EXPECT_FALSE(board.isVisible());
    ExpectSoundLayoutInBothLanguages(board, "board-square");
    SetUpBoardLayout(21);
    ExpectSoundLayoutInBothLanguages(superBoard, "board-square-21");
}

}  // namespace
}  // namespace qora
