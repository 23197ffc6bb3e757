#include "games/WordBuildingHistoryBrowser.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <filesystem>
#include <fstream>

#include "games/WordBuildingWindow.h"
#include "games/rules/WordBuildingGameTexts.h"
#include "platform/qt/RadioGroup.h"
#include "processor/Console.h"
#include "support/LocalTime.h"
#include "support/WordBuildingGrids.h"
#include "support/qt/ModalDriver.h"
#include "support/qt/WidgetLayout.h"
#include "support/qt/WordBuildingHistoryFixture.h"

namespace qora {
namespace {

class WordBuildingHistoryBrowserTest : public WordBuildingHistoryFixture {
protected:
    void SetUp() override {
        WordBuildingHistoryFixture::SetUp();
        PlugInWordBuildingHistoryBrowser(*window, [this] { ++helps; });
        UseTestHistory();
        browser = window->findChild<TWordsmithSeekDlg*>();
        ASSERT_NE(browser, nullptr);
        window->show();
    }
    void TearDown() override {
        browser->Solutions->hidePopup();
        WordBuildingHistoryFixture::TearDown();
    }

    void FormGrid() {
        ASSERT_TRUE(FormWordBuildingGrid(test::GridOfColumns({"CQ", "AQ", "TQ"}), 0));
        window->ShowFormedGrid();
    }
    void Choose(BrowserChoice choice) {
        browser->ShowSolutions->Item(static_cast<int>(choice))->click();
        browser->Solutions->hidePopup();
    }
    void ChoosePlayer(const char* name) {
        browser->Players->setCurrentIndex(browser->Players->findText(name));
        browser->Solutions->hidePopup();
    }
    int GamesListed() const { return browser->Solutions->count() - 1; }

    TWordsmithSeekDlg* browser = nullptr;
};

TEST_F(WordBuildingHistoryBrowserTest, WithoutAHistoryThereIsNoGameToChoose) {
    FormGrid();
    window->Seek->click();
    ASSERT_TRUE(browser->isVisible());
    EXPECT_EQ(WordBuildingGameState, WordBuildingState::SeekingFromGrid);
    EXPECT_EQ(browser->windowTitle(), "Word-Building Game - Seeking a Grid from History");
    EXPECT_FALSE(window->Seek->isEnabled());
    EXPECT_FALSE(window->History->isEnabled());
    EXPECT_EQ(browser->Solutions->currentText(), "(no history yet)");
    EXPECT_TRUE(browser->OK->isVisible());
    EXPECT_FALSE(browser->OK->isEnabled());
    EXPECT_FALSE(browser->OutputToWorkspace->isVisible());
    EXPECT_FALSE(browser->SolutionBox->isVisible());
    browser->Help->click();
    EXPECT_EQ(helps, 1);
    browser->Cancel->click();
    EXPECT_FALSE(browser->isVisible());
    EXPECT_EQ(WordBuildingGameState, WordBuildingState::GridFormed);
    EXPECT_TRUE(window->Seek->isEnabled());
    EXPECT_TRUE(window->History->isEnabled());
}

TEST_F(WordBuildingHistoryBrowserTest, TheChoicesListTwentyOrAllAndQORAsGamesWhenChosen) {
    std::vector<std::pair<std::string, std::int32_t>> games;
    for (int i = 0; i < 25; ++i) games.emplace_back(i % 5 == 0 ? "Ann" : "Bob", 100 + i);
    games.emplace_back("QORA", 999);
    WriteHistory(games);
    const WordBuildingState stage = WordBuildingGameState;
    window->History->click();
    EXPECT_EQ(browser->windowTitle(), "Word-Building Game - Showing Noted Games from History");
    EXPECT_FALSE(browser->OK->isVisible()) << "only seeking takes a grid";
    EXPECT_EQ(browser->Solutions->currentText(), "(choose a noted game)");
    EXPECT_EQ(browser->Players->currentText(), "(all players)");
    struct Expected {
        BrowserChoice choice;
        int games;
        int rows;
        const char* first;  // the first line's score
    };
    for (const Expected& e :
         {Expected{BrowserChoice::HighestTwenty, 20, 20, " 124"}, Expected{BrowserChoice::AllByScore, 26, 27, " 999"},
          Expected{BrowserChoice::LatestTwenty, 20, 20, " 124"}, Expected{BrowserChoice::AllByStart, 26, 27, " 999"}}) {
        Choose(e.choice);
        EXPECT_EQ(GamesListed(), e.games) << static_cast<int>(e.choice);
        EXPECT_EQ(browser->Solutions->maxVisibleItems(), e.rows);
        EXPECT_TRUE(browser->Solutions->itemText(1).startsWith(e.first))
            << browser->Solutions->itemText(1).toStdString();
    }
    Choose(BrowserChoice::HighestTwenty);
    ChoosePlayer("Ann");
    EXPECT_EQ(GamesListed(), 5);
    EXPECT_EQ(browser->ShowSolutions->Item(0)->text(), "Highest-scoring 20 non-QORA games");
    ChoosePlayer("QORA");
    EXPECT_EQ(browser->ShowSolutions->Item(0)->text(), "Highest-scoring 20 games");
    EXPECT_EQ(browser->ShowSolutions->Item(2)->text(), "Most-recent 20 games");
    EXPECT_EQ(GamesListed(), 1) << "the program's own games are listed for it";
    QTest::keyClick(browser->Players, Qt::Key_Space);
    browser->Solutions->hidePopup();
    EXPECT_EQ(browser->Players->currentText(), "(all players)") << "Space steps round to the first";
    browser->close();
    EXPECT_EQ(WordBuildingGameState, stage) << "showing the history leaves the stage as it was";
}

TEST_F(WordBuildingHistoryBrowserTest, AChosenGamesGridIsTakenIntoTheGame) {
    const std::time_t first = now;
    WriteHistory({{"Ann", 15}, {"Zed", 40}});
    window->Seek->click();
    EXPECT_EQ(WordBuildingGameState, WordBuildingState::SeekingWithoutGrid);
    EXPECT_EQ(browser->windowTitle(), "Word-Building Game - Showing Noted Games from History");
    browser->Solutions->setCurrentIndex(1);  // the highest: Zed's
    EXPECT_TRUE(browser->OK->isEnabled());
    EXPECT_TRUE(browser->OutputToWorkspace->isVisible());
    EXPECT_TRUE(browser->SolutionBox->isVisible());
    EXPECT_EQ(browser->Solution->toPlainText(), "This 1 word scores 40:\n\n  ZAT               36\n  123");
    EXPECT_EQ(browser->Comment->text(), " noted");
    EXPECT_TRUE(browser->Grid->toPlainText().contains(" Z  A  T  Q"));
    browser->OK->click();
    EXPECT_EQ(WordBuildingGrids.Current()->letters, test::GridOfColumns({"Z", "A", "T"}));
    EXPECT_EQ(WordBuildingGrids.Current()->created, first + 2 * 3600 - 60) << "the grid's own time";
    EXPECT_TRUE(window->Play->isEnabled());
    browser->Solutions->setCurrentIndex(2);  // another game's grid instead
    browser->OK->click();
    EXPECT_EQ(WordBuildingGrids.Current()->letters, test::GridOfColumns({"A", "A", "T"}));
    browser->close();
    EXPECT_EQ(WordBuildingGameState, WordBuildingState::GridFormed);
    EXPECT_TRUE(window->Play->hasFocus() || window->focusWidget() == window->Play);
}

// A game started in the game window while the browser seeks keeps its grid.
TEST_F(WordBuildingHistoryBrowserTest, AGameStartedMeanwhileKeepsItsGrid) {
    WriteHistory({{"Ann", 15}});
    FormGrid();
    window->Seek->click();
    browser->Solutions->setCurrentIndex(1);
    window->Play->click();
    QString warning;
    WhenModalOpens([&warning](QWidget& modal) {
        auto& box = static_cast<QMessageBox&>(modal);
        warning = box.text();
        box.buttons().front()->click();
    });
    browser->OK->click();
    EXPECT_EQ(warning, "The game window no longer seeks a grid: its grid stays as it is.");
    EXPECT_EQ(WordBuildingGrids.Current()->letters, test::GridOfColumns({"CQ", "AQ", "TQ"}));
    browser->close();
    EXPECT_EQ(WordBuildingGameState, WordBuildingState::Playing);
}

// After a change of lexicon to Spanish while the browser is open, the English
// games listed are read afresh for Spanish: none is left to take or output.
TEST_F(WordBuildingHistoryBrowserTest, AChangeOfLanguageReadsTheGamesOfTheNewLanguage) {
    WriteHistory({{"Zed", 40}});
    for (QPushButton* TWordsmithSeekDlg::*button : {&TWordsmithSeekDlg::OK, &TWordsmithSeekDlg::OutputToWorkspace}) {
        SetLanguageTables(Language::English);
        window->Seek->click();
        browser->Solutions->setCurrentIndex(1);
        SetLanguageTables(Language::Spanish);
        const std::size_t lines = WorkspaceLines().size();
        (browser->*button)->click();
        EXPECT_EQ(WordBuildingGrids.Current(), nullptr) << "ZAT is no grid of Spanish tiles";
        EXPECT_EQ(WorkspaceLines().size(), lines);
        EXPECT_EQ(browser->Solutions->count(), 1);
        EXPECT_EQ(browser->Solutions->itemText(0), "(no history yet)");
        browser->close();
    }
}

TEST_F(WordBuildingHistoryBrowserTest, AChosenGameGoesToTheWorkspace) {
    WriteHistory({{"QORA", 15}});
    window->History->click();
    Choose(BrowserChoice::AllByScore);
    browser->Solutions->setCurrentIndex(1);
    const std::size_t before = WorkspaceLines().size();
    browser->OutputToWorkspace->click();
    ASSERT_GT(WorkspaceLines().size(), before + 2);
    EXPECT_EQ(WorkspaceLines()[before + 1].Text.substr(0, 26), "Word-Building Game Solved ");
    EXPECT_EQ(WorkspaceLines().back().Text, PromptText);
    EXPECT_FALSE(browser->isVisible());
    EXPECT_FALSE(window->isVisible());
}

// The browser with a game chosen, in English and Spanish: nothing overlaps
// or is cut off.
TEST_F(WordBuildingHistoryBrowserTest, HistoryBrowserLayout) {
    for (const Language language : {Language::English, Language::Spanish}) {
        SetLanguageTables(language);
        WriteHistory({{"Ann", 120}, {"A player with a long name here", 95}, {"QORA", 1432}});
        FormGrid();
        window->Seek->click();
        browser->Solutions->setCurrentIndex(1);
        for (const std::string& fault : LayoutFaults(*browser)) ADD_FAILURE() << fault;
        SaveGrab(*browser, language == Language::Spanish ? "wordbuilding-browser-spanish" : "wordbuilding-browser");
        browser->close();
    }
}

}  // namespace
}  // namespace qora
