#include "engine/Board.h"

#include <gtest/gtest.h>

#include <cctype>
#include <map>

#include "engine/QueryRecords.h"
#include "support/EngineDataFixture.h"

namespace qora {
namespace {

class BoardTest : public test::EngineDataTest {
protected:
    void SetUp() override {
        EngineDataTest::SetUp();
        SetUpBoardLayout(SmallBoardSize);
    }
    void TearDown() override {
        SetUpBoardLayout(SmallBoardSize);
        EngineDataTest::TearDown();
    }

    static std::map<int, int> CodeCounts(int size) {
        std::map<int, int> counts;
        for (int row = 0; row < size; ++row)
            for (int column = 0; column < size; ++column) ++counts[BoardLayout[row][column]];
        return counts;
    }

    static bool Symmetric(int size) {
        for (int r = 0; r < size; ++r)
            for (int c = 0; c < size; ++c)
                if (BoardLayout[r][c] != BoardLayout[c][r] || BoardLayout[r][c] != BoardLayout[size - 1 - r][c])
                    return false;
        return true;
    }
};

TEST_F(BoardTest, PremiumMapsOfBothSizes) {
    EXPECT_EQ((std::map<int, int>{{0, 164}, {1, 24}, {2, 12}, {4, 17}, {5, 8}}), CodeCounts(SmallBoardSize));
    EXPECT_TRUE(Symmetric(SmallBoardSize));
    EXPECT_EQ(PremiumDoubleWord, BoardLayout[7][7]) << "H8";
    EXPECT_EQ(PremiumTripleLetter, BoardLayout[1][5]) << "F2";

    SetUpBoardLayout(LargeBoardSize);
    EXPECT_EQ((std::map<int, int>{{0, 316}, {1, 36}, {2, 20}, {3, 8}, {4, 41}, {5, 16}, {6, 4}}),
              CodeCounts(LargeBoardSize));
    EXPECT_TRUE(Symmetric(LargeBoardSize));
    EXPECT_EQ(PremiumDoubleWord, BoardLayout[10][10]) << "K11";
    EXPECT_EQ(PremiumQuadrupleLetter, BoardLayout[2][5]) << "F3";

    SetUpBoardLayout(SmallBoardSize);
    EXPECT_EQ(SmallBoardSize, BoardLayoutSize);
    EXPECT_EQ(PremiumDoubleWord, BoardLayout[7][7]);
    EXPECT_EQ(PremiumQuadrupleWord, BoardLayout[20][20]) << "outside the 15 x 15 part: left as it was";

    SetUpBoardLayout(-4);
    EXPECT_EQ(LargeBoardSize, BoardLayoutSize) << "any size but 15 is the large board";
}

TEST_F(BoardTest, CoordinateHelpNamesTheCentreSquare) {
    EXPECT_EQ(
        "Rows are numbered, and columns are denoted by letters. A word placed horizontally starting at the "
        "center square is at 8H; a vertical one is at H8.",
        BoardCoordinateHelp(15));
    EXPECT_NE(std::string::npos, BoardCoordinateHelp(21).find("is at 11K; a vertical one is at K11."));
}

// A board score worked out by hand.
struct ScoreCase {
    int boardSize;
    ScoringMode mode;
    const char* square;  // "8H" across, "H8" down, as the language writes them
    const char* word;
    int expected;
};

Settings Scoring(ScoringMode mode, const std::string& square) {
    Settings settings;
    settings.ScoringMode = mode;
    const bool across = std::isdigit(static_cast<unsigned char>(square[0]));
    const std::string digits = across ? square.substr(0, square.size() - 1) : square.substr(1);
    const char column = across ? square.back() : square.front();
    settings.BoardRow = static_cast<std::int16_t>(std::stoi(digits) - 1);
    settings.BoardColumn = static_cast<std::int16_t>(column - 'A');
    settings.BoardOrientation = across ? BoardHorizontal : BoardVertical;
    return settings;
}

TEST_F(BoardTest, ScoresInEveryModeWorkedOutByHand) {
    const ScoreCase cases[] = {
        {15, ScoringModePlain, "8H", "QUIZ", 22},
        {15, ScoringModeSevenTileBonus, "8H", "ERASES", 6},
        {15, ScoringModeSevenTileBonus, "8H", "RETAINS", 7 + 50},
        // Centre row: CAT reaches only the DWS centre; QUIRE from D8 doubles the Q on the DLS.
        {15, ScoringModeCentreRow, "1A", "CAT", (3 + 1 + 1) * 2},
        {15, ScoringModeCentreRow, "1A", "QUIRE", (20 + 1 + 1 + 1 + 1) * 2},
        {15, ScoringModeCentreRow, "1A", "AAAAAAAAAAAAAAA", 3 * 2 * 3 * (15 + 1 + 1)},
        {15, ScoringModeCentreRow, "1A", "AAAAAAAAAAAAAAAA", 0},
        // Starting at a square: A1 TWS and D1 DLS, across and down alike; B2 DWS; F2 TLS.
        {15, ScoringModeStartingAtSquare, "1A", "QUIZ", (10 + 1 + 1 + 20) * 3},
        {15, ScoringModeStartingAtSquare, "A1", "QUIZ", (10 + 1 + 1 + 20) * 3},
        {15, ScoringModeStartingAtSquare, "2B", "QUIZ", (10 + 1 + 1 + 10) * 2},
        {15, ScoringModeStartingAtSquare, "2F", "QUIZ", 30 + 1 + 1 + 10},
        {15, ScoringModeStartingAtSquare, "1M", "QUIZ", 0},  // runs off the board
        {15, ScoringModeStartingAtSquare, "17A", "QUIZ", 0},
        // Including A8 down: every placement has one letter on the TWS, none reaches a DLS.
        {15, ScoringModeIncludingSquare, "A8", "QUIZ", 22 * 3},
        {15, ScoringModeIncludingSquare, "8H", "CAT", 10},
        // The large board: A1 QWS and D1 DLS; C3 DWS and F3 QLS.
        {21, ScoringModeStartingAtSquare, "1A", "AAAA", (1 + 1 + 1 + 2) * 4},
        {21, ScoringModeStartingAtSquare, "3C", "ZZZZ", (10 + 10 + 10 + 40) * 2},
        {21, ScoringModeStartingAtSquare, "3S", "ZZZZ", 0},
        {15, ScoringModeGrid, "8H", "CAT", 0},
        {15, ScoringModeGrid, "8H", "QUITE", 2},
        {15, ScoringModeGrid, "8H", "QUIETER", 5},
        {15, ScoringModeGrid, "8H", "QUIETNESSES", 11},
    };
    for (const ScoreCase& c : cases) {
        SetUpBoardLayout(c.boardSize);
        EXPECT_EQ(c.expected, BoardWordScore(c.word, Scoring(c.mode, c.square)))
            << c.word << " in mode " << c.mode << " at " << c.square << " on " << c.boardSize;
    }
}

TEST_F(BoardTest, BlankMatchedTilesScoreZeroWhenAsked) {
    Settings settings = Scoring(ScoringModeStartingAtSquare, "1A");
    EXPECT_EQ(96, BoardWordScore("qUIZ", settings));
    settings.ZeroScoringBlanks = 1;
    EXPECT_EQ((0 + 1 + 1 + 20) * 3, BoardWordScore("qUIZ", settings));
}

}  // namespace
}  // namespace qora
