#include "games/LetterGridWindow.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "engine/Tiles.h"
#include "games/rules/GameWindows.h"
#include "platform/ProgramState.h"
#include "processor/Console.h"
#include "processor/Executor.h"
#include "support/qt/WidgetLayout.h"

namespace qora {
namespace {

// The dice always give their first die and face: a known grid.
int FirstChoice(int) { return 0; }

class LetterGridWindowTest : public LayoutTest {
protected:
    void SetUp() override {
        LayoutTest::SetUp();
        ResetProgramState();
        window = std::make_unique<TBogglePlayer>();
        window->RandomBelow = FirstChoice;
        window->WriteCommandLine = [this](const std::string& line) { written.push_back(line); };
    }
    void TearDown() override {
        window.reset();
        ResetProgramState();
        LayoutTest::TearDown();
    }

    void Open() {
        window->Activate();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    std::string Cell(int cell) const { return window->Grid->CellText(cell); }
    std::string Label(QLabel* label) const { return label->text().toStdString(); }
    void ExpectGoodLayout(const QString& name) {
        for (const std::string& fault : LayoutFaults(*window)) ADD_FAILURE() << name.toStdString() << ": " << fault;
        SaveGrab(*window, name);
    }

    std::unique_ptr<TBogglePlayer> window;
    std::vector<std::string> written;
};

TEST_F(LetterGridWindowTest, DealTypeAndSolve) {
    Open();
    EXPECT_EQ(window->windowTitle(), " Play 5 x 5 Grid Game");
    EXPECT_FALSE(window->isModal());
    EXPECT_EQ(window->palette().color(QPalette::Window), QColor(0, 128, 128));
    EXPECT_TRUE(GridGameActive);
    EXPECT_FALSE(window->Solve->isEnabled()) << "no grid to solve yet";
    EXPECT_FALSE(window->Help->isEnabled()) << "no help window given";

    QTest::mouseClick(window->New, Qt::LeftButton);
    EXPECT_EQ(Cell(0), " A");
    EXPECT_EQ(Label(window->GridNumber), "Grid Number:    1");
    EXPECT_TRUE(window->GridNumber->isVisible());
    EXPECT_TRUE(window->Solve->hasFocus());

    QTest::mouseClick(window->Specified, Qt::LeftButton);
    EXPECT_TRUE(window->Grid->hasFocus());
    EXPECT_TRUE(window->InputtingInfo1->isVisible() && window->InputtingInfo2->isVisible());
    EXPECT_EQ(Label(window->SpecifyInfo), "Type 25 letters");
    QTest::keyClicks(window->Grid, "qitexaixxcdxxxixxxxnxxxx");
    QTest::mouseClick(window->Grid, Qt::LeftButton, {}, window->Grid->CellRect(24).center());
    QTest::keyClick(window->Grid, Qt::Key_Q);
    EXPECT_EQ(Cell(24), "Qu");
    EXPECT_EQ(Label(window->SpecifyInfo), "Click OK to end");
    ASSERT_TRUE(window->OK->isVisible());
    QTest::mouseClick(window->OK, Qt::LeftButton);
    EXPECT_EQ(Label(window->GridNumber), "Grid Number:    2");

    QTest::mouseClick(window->Solve, Qt::LeftButton);
    EXPECT_EQ(written, std::vector<std::string>{"QITEXAIXXCDXXXIXXXXNXXXXQ/B/@|"});
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(GridGameActive) << "hidden";
}

TEST_F(LetterGridWindowTest, ArrowKeysMoveTheSelectionAndEscHides) {
    Open();
    QTest::mouseClick(window->Specified, Qt::LeftButton);
    QTest::keyClick(window->Grid, Qt::Key_Right);
    QTest::keyClick(window->Grid, Qt::Key_Down);
    QTest::keyClick(window->Grid, Qt::Key_X);
    EXPECT_EQ(Cell(6), " X");
    QTest::keyClick(window->Grid, Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(GridGameActive);
}

// A grid command types its line in once; showing the window again later
// keeps what it shows.
TEST_F(LetterGridWindowTest, AGridCommandIsTypedInOnce) {
    NewCommandLine("ABCDEFGHIJKLMNOPQRSTUVWXY/G");
    GridGameFromCommand = true;
    Open();
    EXPECT_FALSE(GridGameFromCommand);
    EXPECT_EQ(Cell(24), " Y");
    EXPECT_TRUE(window->OK->isVisible());
    QTest::mouseClick(window->OK, Qt::LeftButton);
    window->close();
    NewCommandLine("ZZZZZZZZZZZZZZZZZZZZZZZZZ/G");
    Open();
    EXPECT_EQ(Cell(24), " Y");
    EXPECT_TRUE(window->Solve->isEnabled());
}

TEST_F(LetterGridWindowTest, LayoutOfEachState) {
    for (Language language : {Language::English, Language::Spanish}) {
        SetLanguageTables(language);
        const QString suffix = language == Language::English ? "" : "-spanish";
        Open();
        ExpectGoodLayout("grid-game-fresh" + suffix);
        QTest::mouseClick(window->New, Qt::LeftButton);
        QTest::mouseClick(window->Next, Qt::LeftButton);
        ExpectGoodLayout("grid-game-dealt" + suffix);
        QTest::mouseClick(window->Specified, Qt::LeftButton);
        QTest::keyClicks(window->Grid, "quiteqiuteqiute");
        ExpectGoodLayout("grid-game-typing" + suffix);
        window->close();
    }
    SetLanguageTables(Language::English);
}

}  // namespace
}  // namespace qora
