// The 5 x 5 game from the main window: the menu item and the commands that
// open it, typed and from a command file; a grid file read shows its grid in
// the window; Solve writes the grid query for the user to perform.
#include <QAction>
#include <QLabel>
#include <QPushButton>

#include "MainWindowFixture.h"
#include "games/LetterGridWindow.h"
#include "games/rules/GameWindows.h"
#include "processor/Executor.h"
#include "processor/Threads.h"

namespace qora::test {
namespace {

class GridGameCommandsTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        lexicons.Add("ENGLISH.QLX", {"QUITE", "QUITS", "SUITE", "TIES"});
        ASSERT_EQ(Start(), "");
        Settle();
    }

    std::string Cells() const {
        std::string cells;
        for (int cell = 0; cell < GridCellCount; ++cell) cells += BogglePlayer->Grid->CellText(cell);
        return cells;
    }
};

TEST_F(GridGameCommandsTest, TheMenuAndTheCommandsOpenTheGame) {
    ASSERT_TRUE(Main().MenuItem({"Games", "5 x 5 Game..."}).isEnabled());
    GridGameFromCommand = true;
    Main().Choose({"Games", "5 x 5 Game..."});
    EXPECT_TRUE(BogglePlayer->isVisible());
    EXPECT_TRUE(GridGameActive);
    EXPECT_FALSE(BogglePlayer->Play().InputMode()) << "the menu item is no grid command";
    BogglePlayer->close();
    EXPECT_TRUE(Workspace().hasFocus());

    Perform("QITEXXXSXXXXXXXXXXXXXXXXX/G");
    ASSERT_TRUE(BogglePlayer->isVisible());
    EXPECT_TRUE(BogglePlayer->Play().InputMode());
    EXPECT_EQ(Cells().substr(0, 8), "Qu I T E");
    EXPECT_TRUE(BogglePlayer->OK->isVisible());
    BogglePlayer->close();

    WriteFile("open.cmd", "G\nABCDEFGHIJKLMNOPQRSTUVWXY/G\n");
    Perform("/X\"open.cmd\"");
    EXPECT_TRUE(BogglePlayer->isVisible()) << "from the command-file thread";
    EXPECT_EQ(Cells().substr(0, 4), " A B");
}

TEST_F(GridGameCommandsTest, AGridFileReadShowsItsLastGrid) {
    WriteFile("in.grd", "QITEXXXSXXXXXXXXXXXXXXXXX/G\nSUITEXXXXXXXXXXXXXXXXXXXX/G\n");
    Main().Choose({"Games", "5 x 5 Game..."});
    Perform("/FRG\"in.grd\"");
    EXPECT_EQ(LastLine(), "QORA?: ");
    EXPECT_EQ(BogglePlayer->GridNumber->text().toStdString(), "Grid Number:    2");
    EXPECT_EQ(Cells().substr(0, 10), " S U I T E");
    EXPECT_TRUE(BogglePlayer->Solve->isEnabled());
}

TEST_F(GridGameCommandsTest, SolveWritesTheQueryForTheUserToPerform) {
    Main().Choose({"Games", "5 x 5 Game..."});
    QTest::mouseClick(BogglePlayer->Specified, Qt::LeftButton);
    QTest::keyClicks(BogglePlayer->Grid, "qitexxxsxxxxxxxxxxxxxxxxx");
    QTest::mouseClick(BogglePlayer->OK, Qt::LeftButton);
    QTest::mouseClick(BogglePlayer->Solve, Qt::LeftButton);
    EXPECT_FALSE(BogglePlayer->isVisible());
    EXPECT_EQ(LastLine(), "QORA?: QITEXXXSXXXXXXXXXXXXXXXXX/B/@|") << "written, not performed";
    EXPECT_TRUE(Main().Perform().isEnabled()) << "re-checked";
    EXPECT_TRUE(Workspace().hasFocus());

    Press(Qt::Key_Return);
    Settle();
    const std::vector<std::string> lines = Lines();
    EXPECT_NE(std::find(lines.begin(), lines.end(), "QuI T E X "), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "QUITE"), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "QUITS"), lines.end());
}

// The window stays usable while a query or a command file runs, but Solve
// waits: a line written then would land among the running lines.
TEST_F(GridGameCommandsTest, SolveWaitsWhileAQueryOrACommandFileRuns) {
    Main().Choose({"Games", "5 x 5 Game..."});
    QTest::mouseClick(BogglePlayer->New, Qt::LeftButton);
    ASSERT_TRUE(BogglePlayer->Solve->isEnabled());
    ThreadHooks.SetControlsEnabled(false);
    EXPECT_FALSE(BogglePlayer->Solve->isEnabled());
    QTest::mouseClick(BogglePlayer->New, Qt::LeftButton);
    EXPECT_FALSE(BogglePlayer->Solve->isEnabled()) << "also after another grid";
    BogglePlayer->SolveClick();
    EXPECT_TRUE(BogglePlayer->isVisible());
    EXPECT_EQ(LastLine(), "QORA?: ");
    ThreadHooks.SetControlsEnabled(true);
    EXPECT_TRUE(BogglePlayer->Solve->isEnabled());
}

}  // namespace
}  // namespace qora::test
