#include "games/WordBuildingHistoryDialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <set>

#include "engine/TextFiles.h"
#include "games/WordBuildingGameDialogs.h"
#include "games/WordBuildingTiles.h"
#include "games/WordBuildingWindow.h"
#include "games/rules/WordBuildingGameTexts.h"
#include "games/rules/WordBuildingGridFiles.h"
#include "platform/qt/RadioGroup.h"
#include "processor/Console.h"
#include "processor/IniFile.h"
#include "support/WordBuildingGrids.h"
#include "support/qt/ModalDriver.h"
#include "support/qt/WidgetLayout.h"
#include "support/qt/WordBuildingHistoryFixture.h"

namespace qora {
namespace {

namespace fs = std::filesystem;

std::string ReadText(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

class WordBuildingHistoryDialogTest : public WordBuildingHistoryFixture {
protected:
    void SetUp() override {
        WordBuildingHistoryFixture::SetUp();
        PlugInWordBuildingHistory(*window, [this] { ++helps; });
        UseTestHistory();
        dialog = window->findChild<TWordsmithHistoryDlg*>();
        ASSERT_NE(dialog, nullptr);
    }

    // Plays CAT on the grid and ends the game to note it.
    void PlayAndEndToNote() {
        window->show();
        QApplication::setActiveWindow(window.get());
        ASSERT_TRUE(FormWordBuildingGrid(test::GridOfColumns({"CQ", "AQ", "TQ"}), 0));
        window->ShowFormedGrid();
        window->Play->click();
        QTest::keyClicks(window->Grid, "123");
        now += 75;
        QTest::keyClick(window->Grid, Qt::Key_Return);
        WhenModalOpens([](QWidget& modal) {
            auto& done = dynamic_cast<TWordsmithDoneDlg&>(modal);
            done.SetChoice(EndGameChoice::EndAndNote);
            done.OKButton->click();
        });
        window->Play->click();
    }
    // Opens the dialog for a game played (CAT), as the end of a game does.
    void OpenPlayed() {
        window->show();
        WordBuildingFinishedGame game;
        game.letters = test::GridOfColumns({"CQ", "AQ", "TQ"});
        game.moves = {0, 1, 2, EndOfWordMove};
        game.answers = {{"CAT", 15, 75}};
        game.totalScore = 15;
        game.wordCount = 1;
        WordBuildingGameState = WordBuildingState::EndedToBeNoted;
        window->OpenHistoryDialog(game);
    }
    // Answers the next message box with its only button and keeps its text.
    static void AnswerBox(QString& text) {
        WhenModalOpens([&text](QWidget& modal) {
            auto& box = static_cast<QMessageBox&>(modal);
            text = box.text();
            box.buttons().front()->click();
        });
    }
    QStringList ListedGames() const {
        QStringList lines;
        for (int i = 0; i < dialog->NotedGames->count(); ++i) lines << dialog->NotedGames->item(i)->text();
        return lines;
    }

    TWordsmithHistoryDlg* dialog = nullptr;
};

TEST_F(WordBuildingHistoryDialogTest, AGamePlayedIsNotedUnderThePlayersName) {
    PlayAndEndToNote();
    ASSERT_TRUE(dialog->isVisible());
    EXPECT_EQ(WordBuildingGameState, WordBuildingState::EndedToBeNoted);
    EXPECT_FALSE(window->isEnabled()) << "the game window waits";
    EXPECT_TRUE(dialog->isEnabled());
    EXPECT_EQ(dialog->SolutionBox->title(), "Your Game's Solution");
    EXPECT_EQ(dialog->GridBox->title(), "Your Game's Grid");
    EXPECT_EQ(dialog->CommentBox->title(), "Provide a Comment for Your Game");
    EXPECT_EQ(dialog->Solution->toPlainText(), "This 1 word scores 15:\n\n   1:15  CAT              15\n         123");
    EXPECT_TRUE(dialog->Grid->toPlainText().startsWith(" 1  2  3"));
    EXPECT_TRUE(dialog->focusWidget() == dialog->Players || dialog->focusWidget() == dialog->Players->lineEdit())
        << "no name yet";
    EXPECT_FALSE(dialog->NotedGamesBox->isVisible()) << "None is chosen at first";

    QString box;
    AnswerBox(box);
    dialog->OK->click();
    EXPECT_EQ(box, "Please identify yourself - specify a player name");
    EXPECT_TRUE(dialog->isVisible());

    dialog->Players->setEditText("Ann");
    dialog->Comment->setText("a comment that is too long to keep");
    EXPECT_EQ(dialog->Comment->text().size(), 22);
    AnswerBox(box);
    dialog->OK->click();
    EXPECT_EQ(box.toStdString(), "Appended solution to " + WordBuildingHistoryPath);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(window->isEnabled());
    EXPECT_EQ(WordBuildingGameState, WordBuildingState::Idle);
    EXPECT_TRUE(window->Same->isEnabled()) << "the grid noted is the Same Grid";

    const GameHistory history = ReadGameHistory(WordBuildingHistoryPath);
    ASSERT_EQ(history.games.size(), 1u);
    EXPECT_EQ(history.games[0].player, "Ann");
    EXPECT_EQ(history.games[0].comment, " a comment that is too ");
    EXPECT_EQ(history.games[0].score, 15);
    EXPECT_EQ(history.games[0].duration, 75);
    EXPECT_EQ(history.games[0].moves, (std::vector<std::uint8_t>{0, 1, 2, EndOfWordMove}));
}

// The player box holds the known names (folded by case) and Space steps
// through them; the choices list the games of all others or of the name.
TEST_F(WordBuildingHistoryDialogTest, ThePlayersAndTheListsOfNotedGames) {
    WriteHistory({{"bob", 30}, {"Ann", 50}, {"Bob", 40}, {"qora", 90}});
    PlayAndEndToNote();
    QStringList names;
    for (int i = 0; i < dialog->Players->count(); ++i) names << dialog->Players->itemText(i);
    EXPECT_EQ(names, (QStringList{"", "Ann", "bob", "qora"}));
    QTest::keyClick(dialog->Players, Qt::Key_Space);
    EXPECT_EQ(dialog->Players->currentText(), "Ann");
    for (int i = 0; i < 3; ++i) QTest::keyClick(dialog->Players, Qt::Key_Space);
    EXPECT_EQ(dialog->Players->currentText(), "") << "round to the first";
    QTest::keyClicks(dialog->Players, "Ann Lee");
    EXPECT_EQ(dialog->Players->currentText(), "Ann Lee") << "a blank within a name typed";

    const auto choose = [this](NotedGamesChoice choice) {
        dialog->ShowSolutions->Item(static_cast<int>(choice))->click();
    };
    choose(NotedGamesChoice::OthersByScore);
    EXPECT_TRUE(dialog->NotedGamesBox->isVisible());
    EXPECT_EQ(ListedGames().size(), 3) << "without QORA's";
    EXPECT_TRUE(ListedGames()[0].endsWith(" Ann"));
    dialog->Players->setEditText("QORA");
    EXPECT_EQ(ListedGames().size(), 4) << "QORA's own too";
    choose(NotedGamesChoice::YoursByScore);
    EXPECT_EQ(ListedGames().size(), 0);
    EXPECT_FALSE(dialog->NotedGamesBox->isVisible());
    dialog->Players->setEditText("Bob");
    ASSERT_EQ(ListedGames().size(), 1) << "exactly that name";
    EXPECT_TRUE(ListedGames()[0].startsWith("  40 ") && ListedGames()[0].endsWith(" Bob"));
    dialog->Players->setEditText("");
    EXPECT_FALSE(dialog->NotedGamesBox->isVisible());
    dialog->Help->click();
    EXPECT_EQ(helps, 1);
    dialog->Cancel->click();
    EXPECT_EQ(WordBuildingGameState, WordBuildingState::Idle);
}

TEST_F(WordBuildingHistoryDialogTest, ASolvedGameIsQORAsAndCanGoToTheWorkspace) {
    window->show();
    ASSERT_TRUE(FormWordBuildingGrid(test::GridOfColumns({"CQ", "AQ", "TQ"}), 0));
    window->ShowFormedGrid();
    WordBuildingGameState = WordBuildingState::Solved;
    WordBuildingFinishedGame solved = SnapshotWordBuildingGame();
    solved.moves = {0, 1, 2, EndOfWordMove};
    solved.totalScore = 15;
    solved.wordCount = 1;
    solved.gameStart = now;
    window->OpenHistoryDialog(solved);
    EXPECT_EQ(dialog->SolutionBox->title(), "A QORA-Solved Solution");
    EXPECT_EQ(dialog->GridBox->title(), "This Game's Grid");
    EXPECT_EQ(dialog->CommentBox->title(), "Provide a Comment for This Game");
    EXPECT_EQ(dialog->Players->currentText(), "QORA");
    EXPECT_EQ(dialog->Solution->toPlainText(), "This 1 word scores 15:\n\n  CAT               15\n  123");

    const std::vector<std::string> gridLines = RenderGridText(solved.letters, solved.created);
    SetLanguageTables(Language::Spanish);  // a change of lexicon meanwhile: the game stays English
    const std::size_t before = WorkspaceLines().size();
    dialog->OutputToWorkspace->click();
    SetLanguageTables(Language::English);
    std::vector<std::string> written;
    for (std::size_t i = before; i < WorkspaceLines().size(); ++i) written.push_back(WorkspaceLines()[i].Text);
    std::vector<std::string> expected{"", "Word-Building Game Solved " + FormatGameTime(now), ""};
    for (const std::string& line : gridLines) expected.push_back(line);
    expected.insert(expected.end(),
                    {"", "This 1 word scores 15:", "", "  CAT               15", "  123", "", PromptText});
    EXPECT_EQ(written, expected);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_FALSE(window->isVisible()) << "the game window closes too";
}

TEST_F(WordBuildingHistoryDialogTest, ExportsAndFilesThatCannotBeWritten) {
    PlayAndEndToNote();
    dialog->Players->setEditText("Ann");
    const std::string exported = (folder / "WBG_game.WBH").string();
    DefaultDirectoryName = folder.string();  // where the save dialog starts
    for (const bool append : {false, true}) {
        QString report;
        WhenModalOpens([&](QWidget& save) {
            AnswerBox(report);
            auto& files = static_cast<QFileDialog&>(save);
            QMetaObject::invokeMethod(&files, "accept");
        });
        (append ? dialog->ExportAppendGame : dialog->ExportCreateGame)->click();
        EXPECT_EQ(report.toStdString(), std::string(append ? "Appended solution to " : "Created solution ") + exported);
    }
    DefaultDirectoryName.clear();
    EXPECT_EQ(ParseGameHistory(ReadText(exported)).games.size(), 2u);

    fs::create_directories(WordBuildingHistoryPath);  // a folder where the history belongs
    QString warning;
    AnswerBox(warning);
    dialog->OK->click();
    EXPECT_EQ(warning, "Cannot open QORA.WBH, a Word-Building Game history file");
    EXPECT_TRUE(dialog->isVisible()) << "the game stays, to be exported";
    dialog->close();
}

TEST_F(WordBuildingHistoryDialogTest, ADamagedHistoryIsWarnedOfAndTheRestListed) {
    WriteHistory({{"Ann", 10}});
    std::string text = ReadText(WordBuildingHistoryPath);
    text = "GAME ENGLISH\nPLAYER Zed\nSCORE x\n\n" + text;
    std::ofstream(WordBuildingHistoryPath, std::ios::binary) << text;
    QString warning;
    AnswerBox(warning);
    OpenPlayed();
    EXPECT_EQ(warning,
              "Error reading Word-Building Game history file (QORA.WBH) on line 3: "
              "Did not find the expected SCORE/#WORD/DURATION line");
    EXPECT_EQ(dialog->Players->count(), 1) << "no names after a bad record";
    dialog->ShowSolutions->Item(static_cast<int>(NotedGamesChoice::OthersByScore))->click();
    EXPECT_EQ(dialog->NotedGames->count(), 1) << "the record read after the bad one is listed";
    dialog->close();
}

// The dialog for a game played (English) and a solved one (Spanish) with
// noted games listed: nothing overlaps or is cut off.
TEST_F(WordBuildingHistoryDialogTest, HistoryDialogLayout) {
    WriteHistory({{"Ann", 120}, {"A player with a long name here", 95}, {"QORA", 1432}});
    OpenPlayed();
    dialog->ShowSolutions->Item(static_cast<int>(NotedGamesChoice::OthersByScore))->click();
    for (const std::string& fault : LayoutFaults(*dialog)) ADD_FAILURE() << fault;
    SaveGrab(*dialog, "wordbuilding-history-played");
    dialog->close();

    SetLanguageTables(Language::Spanish);
    WriteHistory({{"Ana", 120}});
    const std::string chico = TextToTiles("CHICO");
    WordBuildingFinishedGame solved;
    solved.letters = test::GridOfColumns({chico.substr(0, 1), chico.substr(1, 1), chico.substr(2, 1), "R"});
    solved.moves = {0, 1, 2, 3, EndOfWordMove};
    solved.totalScore = 40;
    solved.wordCount = 1;
    WordBuildingGameState = WordBuildingState::Solved;
    window->OpenHistoryDialog(solved);
    dialog->ShowSolutions->Item(static_cast<int>(NotedGamesChoice::OthersByStart))->click();
    for (const std::string& fault : LayoutFaults(*dialog)) ADD_FAILURE() << fault;
    SaveGrab(*dialog, "wordbuilding-history-solved-spanish");
    dialog->close();
}

}  // namespace
}  // namespace qora
