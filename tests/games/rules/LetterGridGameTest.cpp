#include "games/rules/LetterGridGame.h"

#include <gtest/gtest.h>

#include <random>

#include "support/StartUpStateTest.h"

namespace qora {
namespace {

using Grids = std::vector<std::string>;

const std::string GridA = "ABCDEFGHIJKLMNOPQRSTUVWXY";
const std::string GridB = "QUITEQUITEQUITEQUITEQUITE";
const std::string GridC = "SERSPATGLINESERSPATGLINES";

using LetterGridGameTest = test::StartUpStateTest;

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

// ---- The deal --------------------------------------------------------------------

// Whether the cells' letters can come from 25 different dice, one each
// (a matching of cells to dice, found by augmenting paths).
bool EveryDieOnce(const std::string& grid) {
    std::array<int, GridCellCount> cellOfDie;
    cellOfDie.fill(-1);
    std::function<bool(int, std::array<bool, GridCellCount>&)> place = [&](int cell, auto& tried) {
        for (int die = 0; die < GridCellCount; ++die) {
            const std::string_view faces = GridDice.substr(static_cast<std::size_t>(die * GridDieFaces), GridDieFaces);
            if (tried[static_cast<std::size_t>(die)] || faces.find(grid[static_cast<std::size_t>(cell)]) == faces.npos)
                continue;
            tried[static_cast<std::size_t>(die)] = true;
            int& holder = cellOfDie[static_cast<std::size_t>(die)];
            if (holder < 0 || place(holder, tried)) {
                holder = cell;
                return true;
            }
        }
        return false;
    };
    for (int cell = 0; cell < GridCellCount; ++cell) {
        std::array<bool, GridCellCount> tried{};
        if (!place(cell, tried)) return false;
    }
    return true;
}

TEST_F(LetterGridGameTest, ADealtGridUsesEveryDieOnceOneFaceEach) {
    EXPECT_EQ(GridDice.size(), static_cast<std::size_t>(GridCellCount * GridDieFaces));
    std::mt19937 random(7);
    const RandomBelowFunction randomBelow = [&random](int n) { return static_cast<int>(random() % n); };
    for (int i = 0; i < 50; ++i) {
        const std::string grid = DealLetterGrid(randomBelow);
        ASSERT_EQ(grid.size(), static_cast<std::size_t>(GridCellCount));
        EXPECT_TRUE(EveryDieOnce(grid)) << grid;
    }
    EXPECT_FALSE(EveryDieOnce(std::string(25, 'Z'))) << "one die has a Z";
}

// ---- The window's state -----------------------------------------------------------------

class LetterGridPlayTest : public LetterGridGameTest {
protected:
    // Keys as the grid passes them: letters as their key codes, " " a blank,
    // "<" Backspace, "!" Delete.
    void Keys(std::string_view keys) {
        for (char c : keys) {
            const int key = c == '<' ? KeyBackspace : c == '!' ? KeyDelete : static_cast<unsigned char>(c);
            EXPECT_FALSE(play.GridKeyDown({key, 0}));
        }
    }
    std::string Cells() const { return std::string(play.Cells().begin(), play.Cells().end()); }

    LetterGridPlay play;
};

TEST_F(LetterGridPlayTest, TypedGridFillsInReadingOrderAndWaitsForOk) {
    EXPECT_FALSE(play.SolveEnabled()) << "no grid yet";
    play.SpecifiedClick();
    EXPECT_EQ(play.TakeFocus(), GridFocus::Grid);
    EXPECT_TRUE(play.SpecifyInfoVisible() && play.HintsVisible());
    EXPECT_EQ(play.SpecifyInfoText(), "Type 25 letters");
    EXPECT_EQ(play.GridNumberCaption(), "Grid Number:    1");
    Keys("QITEX");
    EXPECT_EQ(play.SelectedCell(), 5) << "the selection wraps to the next row";
    Keys("AIXXCDXXXIXXXXNXXXXQ");
    EXPECT_EQ(Cells(), "QITEXAIXXCDXXXIXXXXNXXXXQ");
    EXPECT_EQ(play.SelectedCell(), LetterGridPlay::NoCell);
    EXPECT_EQ(play.SpecifyInfoText(), "Click OK to end");
    EXPECT_TRUE(play.OkVisible());
    EXPECT_FALSE(play.SolveEnabled());

    play.OkClick();
    EXPECT_EQ(GridHistory, Grids{"QITEXAIXXCDXXXIXXXXNXXXXQ"});
    EXPECT_FALSE(play.InputMode() || play.OkVisible() || play.HintsVisible() || play.SpecifyInfoVisible());
    EXPECT_TRUE(play.SolveEnabled());
    EXPECT_EQ(play.TakeFocus(), GridFocus::Solve);
    EXPECT_EQ(play.SolveText(), "QITEXAIXXCDXXXIXXXXNXXXXQ/B/@|") << "Q is one letter";
    EXPECT_EQ(GridCellText('Q'), "Qu");
    EXPECT_EQ(GridCellText('E'), " E");
}

TEST_F(LetterGridPlayTest, EmptyingACellTakesOkAwayAgain) {
    struct Case {
        std::string keys;   // after 25 letters
        std::string cells;  // what the grid then holds
        int selected;
    };
    const std::string full(25, 'E');
    for (const Case& c : std::vector<Case>{
             {"<", std::string(24, 'E') + " ", 24},  // Backspace after the 25th letter
             {"!", std::string(25, ' '), 0},         // Delete clears and starts again
         }) {
        play.SpecifiedClick();
        Keys(full);
        ASSERT_TRUE(play.OkVisible());
        Keys(c.keys);
        EXPECT_EQ(Cells(), c.cells) << c.keys;
        EXPECT_EQ(play.SelectedCell(), c.selected) << c.keys;
        EXPECT_FALSE(play.OkVisible()) << c.keys;
        EXPECT_EQ(play.SpecifyInfoText(), "Type 25 letters") << c.keys;
        play.OkClick();
        EXPECT_TRUE(GridHistory.empty()) << "OK takes no grid with an empty cell";
    }
    play.SpecifiedClick();
    Keys("AB");
    play.SelectGridCell(0);
    Keys("<");
    EXPECT_EQ(play.SelectedCell(), 24) << "Backspace on the top-left cell goes to the bottom-right";
    play.SelectGridCell(1);
    Keys(" ");
    EXPECT_EQ(Cells().substr(0, 3), "A  ") << "a blank empties the cell";
}

TEST_F(LetterGridPlayTest, KeysThatDoNothingAndEscThatAlwaysHides) {
    EXPECT_TRUE(play.GridKeyDown({KeyEscape, 0}));
    Keys("ABC");
    EXPECT_EQ(Cells(), std::string(25, ' ')) << "outside input mode only Esc acts";
    play.SpecifiedClick();
    EXPECT_FALSE(play.GridKeyDown({'A', ssCtrl}));
    EXPECT_FALSE(play.GridKeyDown({0xC9, 0}));  // an accented letter
    EXPECT_FALSE(play.GridKeyDown({KeyF1, 0}));
    EXPECT_EQ(Cells(), std::string(25, ' '));
    EXPECT_TRUE(play.GridKeyDown({KeyEscape, 0}));
}

TEST_F(LetterGridPlayTest, PagingThroughTheHistory) {
    std::mt19937 random(3);
    const RandomBelowFunction randomBelow = [&random](int n) { return static_cast<int>(random() % n); };
    play.PreviousClick();
    EXPECT_TRUE(play.NoMoreVisible());
    play.NewClick(randomBelow);
    EXPECT_TRUE(play.GridNumberVisible());
    EXPECT_EQ(play.GridNumberCaption(), "Grid Number:    1");
    EXPECT_FALSE(play.NoMoreVisible());
    EXPECT_EQ(play.TakeFocus(), GridFocus::Solve);
    play.NewClick(randomBelow);
    EXPECT_EQ(Cells(), GridHistory[1]);

    play.SpecifiedClick();
    play.NextClick();
    EXPECT_TRUE(play.NoMoreVisible()) << "no current grid: nothing newer";
    EXPECT_TRUE(play.InputMode());
    play.PreviousClick();
    EXPECT_EQ(Cells(), GridHistory[1]) << "no current grid: the newest";
    EXPECT_EQ(play.GridNumberCaption(), "Grid Number:    2");
    EXPECT_FALSE(play.InputMode());
    play.PreviousClick();
    play.PreviousClick();
    EXPECT_TRUE(play.NoMoreVisible());
    EXPECT_EQ(Cells(), GridHistory[0]) << "nothing changes at the end";
    play.NextClick();
    EXPECT_EQ(Cells(), GridHistory[1]);
}

TEST_F(LetterGridPlayTest, AGridCommandTypesItsLettersIn) {
    AddGridToHistory(GridA);
    play.ActivateFromCommand("qitex aixxc dxxxi xxxxn xxxxq/G");
    EXPECT_EQ(CurrentGridEntry, -1);
    EXPECT_EQ(Cells(), "QITEXAIXXCDXXXIXXXXNXXXXQ");
    EXPECT_TRUE(play.OkVisible()) << "waiting for OK";
    EXPECT_EQ(play.GridNumberCaption(), "Grid Number:    2");

    play.ActivateFromCommand("AB/CD");
    EXPECT_EQ(Cells().substr(0, 4), "ABD ") << "a \"/\" skips the character after it";
    play.ShowCurrentGrid();
    EXPECT_TRUE(play.InputMode()) << "no grid is current while one is typed";
    CurrentGridEntry = 0;
    play.ShowCurrentGrid();
    EXPECT_EQ(Cells(), GridA);
}

}  // namespace
}  // namespace qora
