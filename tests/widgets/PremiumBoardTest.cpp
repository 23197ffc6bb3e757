#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <string>

#include "engine/Board.h"
#include "platform/qt/ColorDialog.h"
#include "widgets/PremiumBoard.h"

namespace qora {
namespace {

TEST(PremiumColors, DefaultsAndTheirCustomColourPlaces) {
    const PremiumColors small = DefaultPremiumColors(15);
    const PremiumColors large = DefaultPremiumColors(21);
    EXPECT_EQ(small[PremiumTripleWord], QColor(255, 0, 0));
    EXPECT_EQ(large[PremiumTripleWord], QColor(250, 101, 37));
    EXPECT_EQ(large[PremiumQuadrupleLetter], QColor(0, 0, 128));
    ColorDialog dialog;
    AddPremiumCustomColors(dialog, 15, small);
    AddPremiumCustomColors(dialog, 21, large);
    EXPECT_EQ(
        dialog.CustomColors(),
        (std::vector<std::string>{"ColorA=FFB0A0", "ColorB=FF0000", "ColorD=B3B0F7", "ColorE=FF", "ColorI=FFB0A0",
                                  "ColorJ=FF0000", "ColorK=800000", "ColorL=B3B0F7", "ColorM=2565FA", "ColorN=FF"}));
}

// The drawn board: cells in their premium colours, the selected one framed
// in black, the selection moved by the mouse and the arrow keys.
TEST(PremiumBoardGrid, DrawsPremiumColoursAndTheSelectedFrame) {
    SetUpBoardLayout(15);
    const PremiumColors colors = DefaultPremiumColors(15);
    PremiumBoardGrid board(15, colors, 20);
    board.SelectCell(7, 7);
    const QImage image = board.grab().toImage();
    const QPoint centre = board.CellRect(7, 7).center();
    EXPECT_EQ(image.pixelColor(board.CellRect(0, 0).center()), colors[PremiumTripleWord]);
    EXPECT_EQ(image.pixelColor(board.CellRect(0, 1).center()), Qt::white);
    EXPECT_EQ(image.pixelColor(centre), colors[PremiumDoubleWord]);
    EXPECT_EQ(image.pixelColor(board.CellRect(7, 7).topLeft() + QPoint(1, 1)), Qt::black);

    int selectedRow = -1;
    QObject::connect(&board, &PremiumBoardGrid::selected, [&](int row, int) { selectedRow = row; });
    QTest::keyClick(&board, Qt::Key_Down);
    EXPECT_EQ(selectedRow, 8);
    QTest::mouseClick(&board, Qt::LeftButton, {}, board.CellRect(0, 14).center());
    EXPECT_EQ(board.Row(), 0);
    EXPECT_EQ(board.Column(), 14);
    QTest::keyClick(&board, Qt::Key_Up);
    EXPECT_EQ(board.Row(), 0) << "the edge stops the selection";
    board.SelectCell(18, 18);
    EXPECT_EQ(board.Row(), 14) << "a cell beyond the board is brought into it";
}

}  // namespace
}  // namespace qora
