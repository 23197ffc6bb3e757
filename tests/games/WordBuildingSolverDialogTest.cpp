#include "games/WordBuildingSolverDialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QTimer>

#include "games/WordBuildingTiles.h"
#include "games/WordBuildingWindow.h"
#include "games/rules/GameWindows.h"
#include "games/rules/WordBuildingGameTexts.h"
#include "platform/Random.h"
#include "support/TestLexicon.h"
#include "support/WordBuildingGrids.h"
#include "support/qt/ModalDriver.h"
#include "support/qt/WidgetLayout.h"

namespace qora {
namespace {

class WordBuildingSolverDialogTest : public LayoutTest {
protected:
    void SetUp() override {
        LayoutTest::SetUp();
        ResetWordBuildingGame();
        WordBuildingSolvingAllowed = true;
        WordBuildingClock = [this] { return now; };
        window = std::make_unique<TWordsmithDlg>();
        PlugInWordBuildingSolver(*window, [this] { ++helps; });
        window->OpenHistoryDialog = [this](const WordBuildingFinishedGame& game) {
            noted = game;
            stateWhenNoted = WordBuildingGameState;
        };
    }
    void TearDown() override {
        window.reset();
        ResetWordBuildingGame();
        WordBuildingSolvingAllowed = false;
        SetLanguageTables(Language::English);
        LayoutTest::TearDown();
    }

    void OpenWithNewGrid(std::uint32_t seed) {
        window->show();
        QApplication::setActiveWindow(window.get());
        RuntimeSeed(seed);
        window->New->click();
    }
    // Runs `steps` on the solver dialog that Solve opens.
    void InSolverDialog(const std::function<void(TWordsmithSolveDlg&)>& steps) {
        bool opened = false;
        WhenModalOpens([&](QWidget& modal) {
            opened = true;
            steps(dynamic_cast<TWordsmithSolveDlg&>(modal));
        });
        window->Solve->click();
        EXPECT_TRUE(opened);
    }
    static bool WaitForSolution(TWordsmithSolveDlg& dialog) {
        return QTest::qWaitFor([&] { return dialog.ShowSolution->isVisible(); }, 60000);
    }

    std::time_t now = 1000;
    int helps = 0;
    WordBuildingFinishedGame noted;
    WordBuildingState stateWhenNoted = WordBuildingState::NotShown;
    std::unique_ptr<TWordsmithDlg> window;
};

TEST_F(WordBuildingSolverDialogTest, ASolutionFoundIsShownAndHandedToTheHistory) {
    const RandomLexicon lexicon(3, Language::English, 1500, 3, 8);
    OpenWithNewGrid(7);
    const std::string letters = WordBuildingGrids.Current()->letters;
    const WordBuildingSolution expected = SolveWholeGame(SolverInputOfPrimaryLexicon(letters), SolverBeamOfLevel(4));
    ASSERT_GT(expected.score, 0);
    InSolverDialog([&](TWordsmithSolveDlg& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Word-Building Game - Get QORA to Find a High-Scoring Solution");
        EXPECT_EQ(dialog.Grid->toPlainText().toStdString(),
                  JoinedLines(RenderGridText(letters, WordBuildingGrids.Current()->created)));
        EXPECT_EQ(dialog.SolvingLevel->value(), 2) << "level 3 at first";
        for (QWidget* hidden : std::initializer_list<QWidget*>{dialog.Progress, dialog.WorkingOn, dialog.HighestScore,
                                                               dialog.Duration, dialog.ShowSolution})
            EXPECT_FALSE(hidden->isVisible());
        EXPECT_EQ(dialog.focusWidget(), dialog.StartSolving);
        dialog.Help->click();
        EXPECT_EQ(helps, 1);

        dialog.SolvingLevel->setValue(3);
        dialog.StartSolving->click();
        EXPECT_EQ(dialog.windowTitle(), "Word-Building Game - Seeking a High-Scoring Solution");
        EXPECT_EQ(WordBuildingGameState, WordBuildingState::Solved);
        EXPECT_TRUE(dialog.StopSolving->isEnabled());
        now = 1075;
        ASSERT_TRUE(WaitForSolution(dialog));
        EXPECT_EQ(dialog.windowTitle().toStdString(),
                  "Word-Building Game - Found a High-Scoring " + std::to_string(expected.score) + "-Point Solution");
        EXPECT_EQ(dialog.HighestScore->text().toStdString(),
                  "QORA found a " + std::to_string(expected.score) + " point solution!");
        EXPECT_EQ(dialog.Duration->text(), "QORA took 1 minute 15 seconds to find the solution.");
        EXPECT_FALSE(dialog.Progress->isVisible());
        EXPECT_FALSE(dialog.StopSolving->isEnabled());
        dialog.ShowSolution->click();
    });
    EXPECT_EQ(stateWhenNoted, WordBuildingState::Solved);
    EXPECT_EQ(noted.letters, letters);
    EXPECT_EQ(noted.moves, SolutionMoves(expected));
    EXPECT_EQ(noted.totalScore, expected.score);
    EXPECT_EQ(noted.wordCount, expected.wordCount);
    EXPECT_EQ(noted.gameStart, 1000);
    EXPECT_EQ(noted.gameEnd, 1075);
}

// A long search: the dialog's clock and the program's timers go on, Stop
// ends it with the best found so far, and closing leaves the grid formed.
TEST_F(WordBuildingSolverDialogTest, StopKeepsTheBestSoFarWhileTimersRun) {
    const RandomLexicon lexicon(4, Language::English, 6000, 3, 10);
    OpenWithNewGrid(8);
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
    timer.start(5);
    InSolverDialog([&](TWordsmithSolveDlg& dialog) {
        dialog.SolvingLevel->setValue(9);  // level 10: many states, no wait for long words
        dialog.StartSolving->click();
        ASSERT_TRUE(QTest::qWaitFor([&] { return dialog.Duration->text().startsWith("Finding this took"); }, 20000));
        EXPECT_TRUE(dialog.Solving());
        EXPECT_GT(ticks, 0) << "the timers run during the search";
        dialog.StopSolving->click();
        ASSERT_TRUE(WaitForSolution(dialog));
        const WordBuildingSolution& best = dialog.Solution();
        EXPECT_GT(best.score, 0);
        EXPECT_EQ(dialog.HighestScore->text().toStdString(),
                  "QORA found a " + std::to_string(best.score) + " point solution!");
        dialog.Cancel->click();
    });
    EXPECT_EQ(WordBuildingGameState, WordBuildingState::GridFormed) << "the grid stays ready to play";

    InSolverDialog([&](TWordsmithSolveDlg& dialog) {
        EXPECT_FALSE(dialog.ShowSolution->isVisible()) << "each opening starts afresh";
        dialog.SolvingLevel->setValue(SolvingLevels - 1);
        dialog.StartSolving->click();
        dialog.Cancel->click();  // during the search
        EXPECT_FALSE(dialog.Solving());
    });
    EXPECT_EQ(WordBuildingGameState, WordBuildingState::GridFormed);
    EXPECT_EQ(noted.moves.size(), 0u) << "nothing handed on";
}

TEST_F(WordBuildingSolverDialogTest, HighestWordTakesTheBestWordsTiles) {
    TestLexiconFolder folder;
    folder.Add("LEX.QLX", {"CAT", "DOGS", "DOG"});
    folder.Load();
    window->show();
    ASSERT_TRUE(FormWordBuildingGrid(test::GridOfColumns({"CQ", "AQ", "TQ", "DQ", "OQ", "GS"}), 0));
    window->ShowFormedGrid();
    window->Play->click();
    EXPECT_EQ(window->Solve->text(), "Highest Word");
    QTest::keyClicks(window->Grid, "4");  // D
    ASSERT_EQ(WordBuildingPlay.word, "D");
    window->Solve->click();
    EXPECT_EQ(WordBuildingPlay.word, "DOGS");
    QTest::keyClick(window->Grid, Qt::Key_Return);
    window->Solve->click();
    EXPECT_EQ(WordBuildingPlay.word, "CAT");
    QTest::keyClick(window->Grid, Qt::Key_Return);
    QString warning;
    WhenModalOpens([&](QWidget& modal) {
        warning = static_cast<QMessageBox&>(modal).text();
        static_cast<QMessageBox&>(modal).button(QMessageBox::Cancel)->click();
    });
    window->Solve->click();
    EXPECT_EQ(warning, "There are no possible words of length 3-12 to form!");
    EXPECT_EQ(WordBuildingPlay.word, "");
}

// The dialog before and after a search, in English and Spanish: nothing
// overlaps or is cut off, and the grabs are kept to be looked at.
TEST_F(WordBuildingSolverDialogTest, SolverDialogLayout) {
    for (const Language language : {Language::English, Language::Spanish}) {
        ResetWordBuildingGame();
        const RandomLexicon lexicon(5, language, 800, 3, 8);
        OpenWithNewGrid(9);
        const QString name = language == Language::Spanish ? "wordbuilding-solver-spanish" : "wordbuilding-solver";
        InSolverDialog([&](TWordsmithSolveDlg& dialog) {
            for (const std::string& fault : LayoutFaults(dialog)) ADD_FAILURE() << fault;
            SaveGrab(dialog, name);
            dialog.SolvingLevel->setValue(3);
            dialog.StartSolving->click();
            ASSERT_TRUE(WaitForSolution(dialog));
            for (const std::string& fault : LayoutFaults(dialog)) ADD_FAILURE() << fault;
            SaveGrab(dialog, name + "-found");
            dialog.Cancel->click();
        });
        window->close();
    }
}

}  // namespace
}  // namespace qora
