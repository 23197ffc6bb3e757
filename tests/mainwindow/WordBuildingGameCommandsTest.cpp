// The Word-Building Game from the main window: the menu items and the
// command that open it, and its grid commands, typed and from a command
// file: every known grid exported (creating or appending) and grids
// imported, a bad file refused without losing what is known.
#include <sys/stat.h>
#include <QAction>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

#include "MainWindowFixture.h"
#include "engine/RandomRacks.h"
#include "games/WordBuildingWindow.h"
#include "games/rules/GameWindows.h"
#include "games/rules/WordBuildingRules.h"

namespace qora::test {
namespace {

class WordBuildingGameCommandsTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        StartWithLexicon();
    }

    // Performs the line and returns the first line it wrote.
    std::string Answer(const std::string& line) {
        Perform(line);
        const std::vector<std::string> lines = Lines();
        const auto echoed = std::find(lines.rbegin(), lines.rend(), "QORA?: " + line);
        return echoed == lines.rbegin() ? std::string() : *(echoed - 1);
    }

    std::string ReadFile(const std::string& name) {
        std::ifstream file(lexicons.Path() + "/" + name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    }

    // Answers the next warning box and keeps its text.
    void ExpectWarning() {
        WhenModalOpens([this](QWidget& box) {
            warning = static_cast<QMessageBox&>(box).text().toStdString();
            static_cast<QMessageBox&>(box).reject();
        });
    }

    std::string warning;
};

TEST_F(WordBuildingGameCommandsTest, TheMenuAndTheCommandOpenTheGame) {
    ASSERT_TRUE(Main().MenuItem({"Games", "Word-Building Game..."}).isEnabled());
    Main().Choose({"Games", "Word-Building Game..."});
    EXPECT_TRUE(WordsmithDlg->isVisible());
    EXPECT_TRUE(WordBuildingGameOpen);
    EXPECT_FALSE(WordsmithDlg->Solve->isVisible());
    Main().Choose({"Games", "Word-Building Solving Allowed"});
    EXPECT_TRUE(WordBuildingSolvingAllowed);
    EXPECT_TRUE(WordsmithDlg->Solve->isVisible());
    WordsmithDlg->close();
    EXPECT_FALSE(WordBuildingGameOpen);
    EXPECT_TRUE(Workspace().hasFocus());

    WriteFile("open.cmd", "W\n");
    Answer("/X\"open.cmd\"");
    EXPECT_TRUE(WordsmithDlg->isVisible()) << "from the command-file thread";
    WordsmithDlg->close();
    Answer("W");
    EXPECT_TRUE(WordsmithDlg->isVisible());
}

TEST_F(WordBuildingGameCommandsTest, KnownGridsAreExportedAndImported) {
    WriteFile("g.WBG", "kept");
    EXPECT_EQ("  There is no Word-Building Game grid to write: g.WBG is left as it was", Answer("/FWB\"g.WBG\""));
    EXPECT_EQ("kept", ReadFile("g.WBG"));

    FormNewWordBuildingGrid();
    FormNewWordBuildingGrid();
    const std::vector<WordBuildingGridEntry> known = WordBuildingGrids.entries;
    EXPECT_EQ("  2 Word-Building Game grids written to g.WBG", Answer("/FWB\"g.WBG\""));
    EXPECT_EQ("  2 Word-Building Game grids appended to g.WBG", Answer("/FAB\"g.WBG\""));
    const std::string file = ReadFile("g.WBG");
    EXPECT_EQ(4 * 3, std::count(file.begin(), file.end(), '\n')) << "four records, each with an empty line";

    ResetWordBuildingGame();
    EXPECT_EQ("  4 Word-Building Game grids read from g.WBG", Answer("/FRB\"g.WBG\""));
    EXPECT_EQ("Grid Number:    2", WordsmithDlg->GridNumber->text().toStdString()) << "the window shows it";
    EXPECT_TRUE(WordsmithDlg->Play->isEnabled());
    ASSERT_EQ(2u, WordBuildingGrids.entries.size());
    EXPECT_EQ(known[1].letters, WordBuildingGrids.entries[1].letters);
    EXPECT_EQ(known[1].created, WordBuildingGrids.entries[1].created);

    WriteFile("run.cmd", "/FRB\"g.WBG\"\n");
    Answer("/X\"run.cmd\"");
    const std::vector<std::string> lines = Lines();
    EXPECT_NE(std::find(lines.begin(), lines.end(), "  4 Word-Building Game grids read from g.WBG"), lines.end())
        << "from the command-file thread";
}

TEST_F(WordBuildingGameCommandsTest, ABadFileIsRefusedAndNothingKnownIsLost) {
    FormNewWordBuildingGrid();
    std::filesystem::create_directory(lexicons.Path() + "/folder");
    ASSERT_EQ(0, ::mkfifo((lexicons.Path() + "/fifo").c_str(), 0600));
    EXPECT_EQ("Error - Cannot read Word-Building Game grid file folder: it is a folder, not a file",
              Answer("/FRB\"folder\""));
    EXPECT_EQ("Error - Cannot read Word-Building Game grid file fifo: it is not a regular file",
              Answer("/FRB\"fifo\""));
    EXPECT_EQ("Error - Cannot write Word-Building Game grid file fifo: it is not a regular file",
              Answer("/FAB\"fifo\""));
    EXPECT_EQ("Error - Cannot read Word-Building Game grid file none.WBG: No such file or directory",
              Answer("/FRB\"none.WBG\""));

    WriteFile("bad.WBG", "GRID CREATED  5-Jun-11 14:03:09\nGRID " + std::string(96, 'E') +
                             "\n\nGRID CREATED  5-Jun-11 14:03:09\nGRID SHORT\n");
    ExpectWarning();
    EXPECT_EQ("  1 Word-Building Game grid read from bad.WBG", Answer("/FRB\"bad.WBG\""));
    EXPECT_EQ(
        "Error reading Word-Building Game Grids file on line 5: The GRID line must have 96 letters.,the first 1 grid "
        "in the file were imported.",
        warning);
    EXPECT_EQ(2u, WordBuildingGrids.entries.size());

    PlayWordBuildingGame();
    EXPECT_EQ("Error - Grids cannot be imported while a Word-Building Game is played or a grid is typed",
              Answer("/FRB\"bad.WBG\""));
    EXPECT_EQ(WordBuildingState::Playing, WordBuildingGameState);
}

}  // namespace
}  // namespace qora::test
