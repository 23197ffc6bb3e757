#include "games/WordBuildingWindow.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <fstream>
#include <set>

#include "engine/RandomRacks.h"
#include "games/WordBuildingGameDialogs.h"
#include "games/WordBuildingTiles.h"
#include "games/rules/GameWindows.h"
#include "platform/Random.h"
#include "platform/qt/Clipboard.h"
#include "support/WordBuildingGrids.h"
#include "support/qt/ModalDriver.h"
#include "support/qt/WidgetLayout.h"

namespace qora {
namespace {

// The grid typed in the tests: the top row starts C A T S, every other tile
// is a Q.
const std::string TypedGrid = "CATS" + std::string(92, 'Q');

class WordBuildingWindowTest : public LayoutTest {
protected:
    void SetUp() override {
        LayoutTest::SetUp();
        SetLanguageTables(Language::English);
        ResetWordBuildingGame();
        WordBuildingGameOpen = false;
        WordBuildingGameActivated = false;
        WordBuildingClock = [this] { return now; };
        WordBuildingLexicon = test::WordTestsOf(words);
        window = std::make_unique<TWordsmithDlg>();
    }
    void TearDown() override {
        window.reset();
        ResetWordBuildingGame();
        SetLanguageTables(Language::English);
        LayoutTest::TearDown();
    }

    void Open() {
        window->show();
        QApplication::setActiveWindow(window.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    void Keys(const char* text) { QTest::keyClicks(window->Grid, QString::fromLatin1(text)); }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(window->Grid, key, modifiers);
    }
    // Types the grid into the window and forms it with OK.
    void TypeGrid(const std::string& letters) {
        window->Specified->click();
        Keys(letters.c_str());
        ASSERT_TRUE(window->OK->isVisible());
        window->OK->click();
    }
    QString Caption() const { return window->windowTitle(); }

    // Answers the next modal window: the end-of-game dialog with a choice, a
    // message box with its first button, a file dialog with a file.
    static void AnswerEndOfGame(EndGameChoice choice, QString* notices = nullptr) {
        WhenModalOpens([choice, notices](QWidget& modal) {
            auto& dialog = dynamic_cast<TWordsmithDoneDlg&>(modal);
            if (notices != nullptr) *notices = dialog.Notices->text();
            dialog.SetChoice(choice);
            dialog.OKButton->click();
        });
    }

    std::time_t now = 1000;
    std::set<std::string> words{"CAT", "CATS"};
    std::unique_ptr<TWordsmithDlg> window;
};

TEST_F(WordBuildingWindowTest, AWholeGameIsPlayedWithClicksAndKeys) {
    Open();
    EXPECT_EQ(Caption(), "Word-Building Game");
    EXPECT_TRUE(WordBuildingGameOpen);
    EXPECT_FALSE(window->Play->isEnabled());
    EXPECT_FALSE(window->ExportCreate->isVisible()) << "no grid to export yet";
    EXPECT_FALSE(window->Answers->isVisible());
    EXPECT_TRUE(window->New->hasFocus());

    TypeGrid(TypedGrid);
    EXPECT_EQ(Caption(), "Word-Building Game - Grid Formed, Ready to Play");
    EXPECT_EQ(window->GridNumber->text(), "Grid Number:    1");
    EXPECT_EQ(window->GridTimeStamp->text().size(), QString("Grid created  1-Jan-70 00:16:40").size());
    EXPECT_EQ(window->WordPossibility->text(), "Bad letter distribution!");
    EXPECT_TRUE(window->ExportCreate->isVisible());
    EXPECT_TRUE(window->Play->hasFocus());

    window->Play->click();
    EXPECT_EQ(Caption(), "Word-Building Game - Playing");
    EXPECT_EQ(window->Play->text(), "End Game");
    EXPECT_FALSE(window->SpecifyGridBox->isVisible());
    EXPECT_EQ(window->WordPossibility->text(), " Start the game!");
    EXPECT_EQ(window->TotalScore->text(), "   0");
    EXPECT_TRUE(window->Grid->hasFocus());

    Keys("1A3");  // column 1, the letter A, column 3
    EXPECT_EQ(WordBuildingPlay.word, "CAT");
    EXPECT_EQ(window->WordScore->text(), " 15");
    EXPECT_FALSE(window->WordPossibility->isVisible());
    now = 1075;
    Key(Qt::Key_Return);
    EXPECT_EQ(window->Answers->currentText(), "   1:15  CAT              15");
    EXPECT_EQ(window->TotalScore->text(), "  15");
    Key(Qt::Key_Delete);
    EXPECT_EQ(window->Answers->count(), 0);
    EXPECT_EQ(WordBuildingPlay.word, "CAT");
    Keys("S");
    window->Accept->click();
    EXPECT_EQ(window->Answers->currentText(), "   1:15  CATS             24");
    EXPECT_TRUE(window->Grid->hasFocus()) << "the keys stay with the grid";
    Key(Qt::Key_Up);
    Key(Qt::Key_Space);
    EXPECT_EQ(WordBuildingPlay.word, "");

    AnswerEndOfGame(EndGameChoice::EndWithoutNote);
    window->Play->click();
    EXPECT_EQ(WordBuildingGameState, WordBuildingState::Idle);
    EXPECT_EQ(Caption(), "Word-Building Game");
    EXPECT_TRUE(window->Same->isEnabled()) << "the grid just played";
    window->Same->click();
    EXPECT_EQ(WordBuildingGrids.current, 0);
    EXPECT_EQ(WordBuildingGrids.entries.size(), 1u);
}

TEST_F(WordBuildingWindowTest, TheEndOfGameDialogComesBackAfterAGridExport) {
    Open();
    TypeGrid(TypedGrid);
    window->Play->click();
    Keys("12");  // two tiles in the word
    for (auto& column : WordBuildingPlay.columns) column = {};
    QString notices = "unset";
    const std::string path = QDir::current().absoluteFilePath("exported.WBG").toStdString();
    std::remove(path.c_str());
    // The dialog, the save dialog, the report, then the dialog again.
    WhenModalOpens([&](QWidget& modal) {
        auto& dialog = dynamic_cast<TWordsmithDoneDlg&>(modal);
        notices = dialog.Notices->text();
        WhenModalOpens([&](QWidget& save) {
            WhenModalOpens([&](QWidget& report) {
                AnswerEndOfGame(EndGameChoice::ContinuePlaying);
                static_cast<QMessageBox&>(report).button(QMessageBox::Ok)->click();
            });
            ChooseFile(save, path);
        });
        dialog.SetChoice(EndGameChoice::ExportCreateGrid);
        dialog.OKButton->click();
    });
    window->Play->click();
    EXPECT_EQ(notices, "") << "2 tiles in the word and none in the grid";
    EXPECT_EQ(WordBuildingGameState, WordBuildingState::Playing);
    std::ifstream file(path);
    std::string created, grid;
    std::getline(file, created);
    std::getline(file, grid);
    EXPECT_TRUE(created.starts_with("GRID CREATED ")) << created;
    EXPECT_EQ(grid, "GRID " + TypedGrid);
    std::remove(path.c_str());
}

TEST_F(WordBuildingWindowTest, ClosingKeepsTheGridTypedAndTheGameInProgress) {
    Open();
    window->Specified->click();
    EXPECT_EQ(window->SpecifyInfo->text(), "Type 96 letters");
    Keys("CATSQ");
    Key(Qt::Key_Backspace);
    EXPECT_FALSE(window->OK->isVisible());
    Key(Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(WordBuildingGameOpen);
    Open();
    EXPECT_TRUE(window->Grid->hasFocus());
    EXPECT_EQ(WordBuildingPlay.columns[3][0], 'S') << "the cells typed so far stay";
    EXPECT_EQ(WordBuildingPlay.columns[4][0], 0);
    SetClipboardText("atsqq " + std::string(96, 'q'));  // lower case, a blank skipped, past the last cell
    Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_TRUE(window->OK->isVisible());
    EXPECT_EQ(window->SpecifyInfo->text(), "Click OK to end inputing");
    Key(Qt::Key_Delete);
    EXPECT_FALSE(window->OK->isVisible()) << "a grid with empty cells is not offered";
    Keys(TypedGrid.c_str());
    window->OK->click();

    window->Play->click();
    Keys("CAT");
    Key(Qt::Key_Return);
    const std::time_t started = WordBuildingPlay.gameStart;
    window->CloseButton->click();
    now = 5000;
    Open();
    EXPECT_TRUE(window->Grid->hasFocus());
    EXPECT_EQ(window->Answers->count(), 1);
    EXPECT_EQ(WordBuildingPlay.gameStart, started);
    EXPECT_EQ(WordBuildingGameState, WordBuildingState::Playing);
}

TEST_F(WordBuildingWindowTest, AGameInAnotherLanguageIsWarnedOfAndCancelStopsTheOpening) {
    FormWordBuildingGrid(TypedGrid, 0);
    PlayWordBuildingGame();
    SetLanguageTables(Language::Spanish);
    QString warning;
    WhenModalOpens([&](QWidget& modal) {
        warning = static_cast<QMessageBox&>(modal).text();
        static_cast<QMessageBox&>(modal).button(QMessageBox::Cancel)->click();
    });
    Open();
    EXPECT_TRUE(warning.startsWith("The current game was started in English, but the lexicon is now a Spanish one"));
    EXPECT_TRUE(WordBuildingGameActivated);
    EXPECT_EQ(WordBuildingGameState, WordBuildingState::Playing);
}

// The window stays open while the lexicon becomes Spanish: the next switch to
// it warns, once.
TEST_F(WordBuildingWindowTest, AChangeOfLanguageWhileOpenIsWarnedOfOnceAtTheNextActivation) {
    FormWordBuildingGrid(TypedGrid, 0);
    PlayWordBuildingGame();
    Open();
    SetLanguageTables(Language::Spanish);
    int warnings = 0;
    WhenModalOpens([&](QWidget& modal) {
        ++warnings;
        static_cast<QMessageBox&>(modal).button(QMessageBox::Ok)->click();
    });
    for (int activation = 0; activation < 2; ++activation) {
        QEvent change(QEvent::ActivationChange);
        QApplication::sendEvent(window.get(), &change);
    }
    EXPECT_EQ(warnings, 1);
    EXPECT_EQ(WordBuildingGameState, WordBuildingState::Playing);
    SetLanguageTables(Language::English);
}

TEST_F(WordBuildingWindowTest, SolvingAllowedShowsSolveOnGreen) {
    Open();
    EXPECT_FALSE(window->Solve->isVisible());
    EXPECT_EQ(window->palette().color(QPalette::Window), QColor(255, 255, 161));
    WordBuildingSolvingAllowed = true;
    window->ApplySolvingOption();
    EXPECT_TRUE(window->Solve->isVisible());
    EXPECT_EQ(window->palette().color(QPalette::Window), QColor(134, 216, 197));
    WordBuildingSolvingAllowed = false;
}

// On a screen that Qt scales (here 1.5 and 2 device pixels to each) a face is
// drawn at the screen's pixels, not magnified from fewer: it is smooth where a
// magnified face would repeat its pixels in blocks.
TEST_F(WordBuildingWindowTest, TileFacesAreDrawnAtTheScreensPixelRatio) {
    const QSize size(40, 40);
    const QImage plain = TileImageForLetter('A', size, 1).toImage();
    for (const qreal ratio : {1.5, 2.0}) {
        const QPixmap face = TileImageForLetter('A', size, ratio);
        EXPECT_EQ(face.deviceIndependentSize().toSize(), size) << ratio;
        const QImage sharp = face.toImage();
        ASSERT_EQ(sharp.size(), (QSizeF(size) * ratio).toSize()) << ratio;
        EXPECT_NE(sharp, plain.scaled(sharp.size())) << ratio;
    }
}

// The window at each stage, in English and Spanish: nothing overlaps or is
// cut off, and the grabs are kept to be looked at.
TEST_F(WordBuildingWindowTest, WindowLayoutAtEachStage) {
    WordBuildingSolvingAllowed = true;
    Open();
    const auto expectSound = [this](const char* name) {
        for (const std::string& fault : LayoutFaults(*window)) ADD_FAILURE() << name << ": " << fault;
        SaveGrab(*window, QString::fromLatin1(name));
    };
    expectSound("wordbuilding-idle");
    window->Specified->click();
    Keys("CATS");
    expectSound("wordbuilding-typing");
    Keys(TypedGrid.substr(4).c_str());
    window->OK->click();
    ASSERT_EQ(window->WordPossibility->text(), "Bad letter distribution!");
    expectSound("wordbuilding-bad-distribution");
    window->Specified->click();
    window->CancelInput->click();
    RuntimeSeed(7);
    window->New->click();
    expectSound("wordbuilding-formed");
    words = {"ZOEA", "ZOEAE"};
    window->Play->click();
    WordBuildingPlay.word = "QUIZ";
    WordBuildingPlay.answers = {{"ZOEAE", 70, 75}, {"JINX", 84, 130}};
    window->ShowState();
    expectSound("wordbuilding-playing");

    window->close();
    ResetWordBuildingGame();
    SetLanguageTables(Language::Spanish);
    Open();
    window->New->click();
    window->Play->click();
    WordBuildingPlay.word = TextToTiles("CHALL");
    WordBuildingPlay.answers = {{TextToTiles("CARRO"), 75, 9}, {TextToTiles("A\xD1O"), 30, 62}};
    window->ShowState();
    expectSound("wordbuilding-playing-spanish");
    WordBuildingSolvingAllowed = false;

    for (QWidget* dialog : {static_cast<QWidget*>(window->DoneDlg), static_cast<QWidget*>(window->HelpDlg)}) {
        window->DoneDlg->Prepare(EndGameNotices(2, 1), false);
        dialog->show();
        for (const std::string& fault : LayoutFaults(*dialog)) ADD_FAILURE() << fault;
        SaveGrab(*dialog, dialog == window->HelpDlg ? "wordbuilding-help" : "wordbuilding-end-of-game");
        dialog->hide();
    }
}

}  // namespace
}  // namespace qora
