#include "engine/BoardSquareTyping.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/Board.h"

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

}  // namespace
}  // namespace qora
