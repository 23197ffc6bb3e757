#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <string>

#include "engine/Board.h"
#include "platform/BoardSquareTyping.h"
#include "platform/qt/ColorDialog.h"
#include "platform/qt/PremiumBoard.h"

namespace qora {
namespace {

std::string Name(const BoardSquare& square) { return BoardSquareName(square.Row, square.Column, square.Horizontal); }

// Squares typed from the square H8 (vertical) on a fresh start.
TEST(BoardSquareTyping, TypedSquaresTakeTheirOrientationFromTheirFirstCharacter) {
    struct Case {
        int size;
        const char* keys;
        const char* square;
        bool nextStartsSquare;
    };
    const Case cases[] = {
        {15, "8H", "8H", true},   {15, "H8", "H8", true},  {15, "12H", "12H", true}, {15, "H12", "H12", true},
        {15, "H1", "H1", false},  {15, "1", "1H", false},  {15, "P", "H8", true},    {15, "0", "8H", true},
        {15, "10C", "10C", true}, {15, "16", "6H", false}, {15, "8H5", "5H", false}, {15, "H8C", "C8", false},
        {21, "U15", "U15", true}, {21, "19", "9H", false}, {15, "1H", "1H", true},   {15, "1H2", "2H", false},
        {15, "h3", "H3", true},   {15, "8-H", "8H", true},
    };
    for (const Case& c : cases) {
        BoardSquareTyping typing(c.size);
        typing.Start();
        BoardSquare square{7, 7, false};
        for (const char* key = c.keys; *key != 0; ++key) typing.Type(*key, square);
        EXPECT_EQ(Name(square), c.square) << c.keys;
        EXPECT_EQ(typing.NextCharStartsSquare(), c.nextStartsSquare) << c.keys;
    }
}

TEST(BoardSquareTyping, AChosenSquareEndsThePendingOne) {
    BoardSquareTyping typing(15);
    BoardSquare square;
    typing.Type('1', square);
    EXPECT_TRUE(typing.RowTensPending());
    typing.SquareChosen();
    EXPECT_FALSE(typing.RowTensPending());
    EXPECT_TRUE(typing.NextCharStartsSquare());
}

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
