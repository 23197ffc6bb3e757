#include "games/BoardPlayDialog.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "engine/Board.h"
#include "platform/qt/ColorDialog.h"
#include "processor/Settings.h"
#include "support/qt/CommandDialogTest.h"

namespace qora {
namespace {

class BoardPlayDialogTest : public CommandDialogTest {
protected:
    TPlayDlg play;

    std::string Shown() const { return play.SquareText->text().toStdString(); }
};

// The 15 x 15 dialog registers the same letters with the same colours: each
// letter is one line, whichever registers last.
TEST_F(BoardPlayDialogTest, ColoursAreRegisteredOnceBesideTheBoardDialogs) {
    ResetBoardDlgColors();
    ResetPlayDlgColors();
    EXPECT_EQ(ProgramColorDialog().CustomColors(),
              (std::vector<std::string>{"ColorA=FFB0A0", "ColorB=FF0000", "ColorD=B3B0F7", "ColorE=FF"}));
    EXPECT_EQ(PlayDlgColors[PremiumPlain], QColor(192, 192, 192));
    EXPECT_EQ(play.Legend->Swatch(PremiumTripleWord)->palette().color(QPalette::Base), QColor(255, 0, 0));
}

TEST_F(BoardPlayDialogTest, TheBoardChoosesSquaresButOKChangesNothing) {
    Open(play);
    EXPECT_EQ(Shown(), "  8H");
    QTest::keyClicks(play.Board, "H12");
    EXPECT_EQ(Shown(), "  H12");
    EXPECT_TRUE(play.Vertical->isChecked());
    play.OK->click();
    EXPECT_FALSE(play.isVisible());
    EXPECT_EQ(Typed(), "");
    EXPECT_EQ(DisplayedSettings.BoardRow, 7);
    EXPECT_EQ(DisplayedSettings.BoardColumn, 7);
    Open(play);
    EXPECT_EQ(Shown(), "  H8") << "the displayed square, as the form left its orientation";
    play.CloseButton->click();
    EXPECT_FALSE(play.isVisible());
}

// The selected square shows the tile inset by 3 pixels: its rim keeps the
// square's colour.
TEST_F(BoardPlayDialogTest, TheSelectedSquareHoldsATile) {
    Open(play);
    const QImage board = play.Board->grab().toImage();
    const QRect cell = play.Board->CellRect(7, 7);
    EXPECT_EQ(board.pixelColor(cell.topLeft() + QPoint(1, 1)), PlayDlgColors[PremiumDoubleWord]);
    const QImage tile = static_cast<PlayBoardGrid*>(play.Board)->Tile_A.toImage();
    EXPECT_EQ(board.pixelColor(cell.center()), tile.pixelColor(tile.rect().center()));
    EXPECT_EQ(board.pixelColor(play.Board->CellRect(0, 1).center()), QColor(192, 192, 192));
}

TEST_F(BoardPlayDialogTest, LayoutShowsTheRackAndTheUnseenTiles) {
    const QStringList lines = play.UnseenTileText->toPlainText().split('\n');
    ASSERT_EQ(lines.size(), 27);
    EXPECT_EQ(lines[0], "??");
    EXPECT_EQ(lines[1], "AAAAAAAAA");
    EXPECT_EQ(lines[26], "Z");
    EXPECT_EQ(lines.join("").size(), 100);
    ExpectSoundLayoutInBothLanguages(play, "board-play-dialog");
}

}  // namespace
}  // namespace qora
