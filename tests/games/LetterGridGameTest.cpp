#include "games/LetterGridGame.h"

#include <gtest/gtest.h>

#include "platform/ProgramState.h"

namespace qora {
namespace {

using Grids = std::vector<std::string>;

const std::string GridA = "ABCDEFGHIJKLMNOPQRSTUVWXY";
const std::string GridB = "QUITEQUITEQUITEQUITEQUITE";
const std::string GridC = "SERSPATGLINESERSPATGLINES";

class LetterGridGameTest : public testing::Test {
protected:
    void SetUp() override { ResetProgramState(); }
    void TearDown() override { ResetProgramState(); }
};

TEST_F(LetterGridGameTest, SavedHistoryReadsBackNewestLastUnderNewNumbers) {
    std::string text;
    EXPECT_EQ(SaveGridHistory(text), 0);
    EXPECT_EQ(text, "");
    for (const std::string& grid : {GridA, GridB, GridC}) AddGridToHistory(grid);
    EXPECT_EQ(SaveGridHistory(text), 3);
    EXPECT_EQ(text, GridC + "/G\n" + GridB + "/G\n" + GridA + "/G\n");

    const GridFileLoad load = LoadGridHistory(text);
    EXPECT_EQ(load.Added, 3);
    EXPECT_EQ(load.Unreadable, 0);
    EXPECT_EQ(GridHistory, (Grids{GridA, GridB, GridC, GridC, GridB, GridA}));
    EXPECT_EQ(GridCount(), 6);
    EXPECT_EQ(CurrentGridEntry, 5) << "the last line's grid is current";
    EXPECT_EQ(CurrentGrid(), GridA);
}

TEST_F(LetterGridGameTest, EachLineGivesOneGridOfItsFirst25Letters) {
    const std::string longLine(1000, 'E');
    const std::string bytes =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZ/G\r\n"   // 26 letters: the first 25
        "quite quite quite quite quite\n"    // either case, blanks passed over
        "/GQUITE/XQUITE/GQUITEQUITEQUITE\n"  // "/" and a letter skipped
        "\xC9QUITEQUITEQUITEQUITEQUIT\xD1"
        "E\n"            // only A to Z are letters
        "TOO SHORT/G\n"  // skipped
        "\n" +
        longLine + "\n" +                  // one grid, however long
        "QUITEQUITE\x01QUITEQUITEQUITE\n"  // a control character
        "SERSPATGLINESERSPATGLINES";       // no line end
    AddGridToHistory(GridA);
    const GridFileLoad load = LoadGridHistory(bytes);
    EXPECT_EQ(load.Added, 6);
    EXPECT_EQ(load.Unreadable, 1);
    EXPECT_EQ(GridHistory, (Grids{GridA, GridA, GridB, GridB, GridB, std::string(25, 'E'), GridC}));
}

TEST_F(LetterGridGameTest, NothingReadKeepsTheHistoryAndItsCurrentGrid) {
    AddGridToHistory(GridA);
    AddGridToHistory(GridB);
    CurrentGridEntry = 0;
    for (const std::string& bytes :
         {std::string(), std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16), std::string("A/B/C\nshort")}) {
        EXPECT_EQ(LoadGridHistory(bytes).Added, 0);
        EXPECT_EQ(GridHistory, (Grids{GridA, GridB}));
        EXPECT_EQ(CurrentGridEntry, 0);
    }
}

TEST_F(LetterGridGameTest, SolveTextIsTheGridQueryWithTheGridScores) {
    EXPECT_EQ(SolveCommandText("QITEXAIXXCDXXXIXXXXNXXXXQ"), "QITEXAIXXCDXXXIXXXXNXXXXQ/B/@|");
}

}  // namespace
}  // namespace qora
