// The ways the main window opens the challenge window, what it hides
// meanwhile, Ctrl+Z with the restore, and the revert-to-challenge countdown.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTimer>

#include "MainWindowFixture.h"
#include "dialogs/RevertToChallengeDialog.h"
#include "games/rules/GameWindows.h"

namespace qora::test {
namespace {

class ChallengeOpeningTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        StartWithLexicon();
    }
    void TearDown() override {
        GridGameActive = false;
        MainWindowTest::TearDown();
    }

    // Answers the challenge window when it opens: notes what it and the main
    // window show, then closes it with `closingKey`.
    void ExpectChallengeWindow(Qt::Key closingKey = Qt::Key_Escape, Qt::KeyboardModifiers modifiers = {}) {
        WhenModalOpens([this, closingKey, modifiers](QWidget& modal) {
            opened = &modal == ChallengeDlg;
            wordsCarried = ChallengeDlg->Rules().ChallengedWordsText();
            partsHidden = !Main().Challenge().isVisible() && !Main().Options().isVisible() &&
                          !Main().DefinitionsBox().isVisible() && !Main().QueryOrPresentation().isVisible() &&
                          !Main().Command().isVisible();
            QTest::keyClick(ChallengeDlg->Words, closingKey, modifiers);
        });
    }

    bool opened = false;
    bool partsHidden = false;
    std::string wordsCarried;
};

TEST_F(ChallengeOpeningTest, TheButtonOpensItAndThePartsComeBack) {
    RevertTimerOn = true;
    RevertSeconds = 30;
    ExpectChallengeWindow();
    Main().Challenge().click();
    EXPECT_TRUE(opened);
    EXPECT_TRUE(partsHidden);
    EXPECT_TRUE(Main().Challenge().isVisible());
    EXPECT_TRUE(Main().QueryOrPresentation().isVisible());
    EXPECT_TRUE(Main().Command().isVisible());
    EXPECT_TRUE(Main().RevertTimer().isActive());
    EXPECT_EQ(RevertCountdown, 30);
    EXPECT_EQ(Main().Indicators(), "REVERT 30");
}

TEST_F(ChallengeOpeningTest, TabCarriesTheTypedWordsAndEscOpensItWhenIdle) {
    Type("QUIXOTIC");
    ExpectChallengeWindow();
    Press(Qt::Key_Tab);
    EXPECT_TRUE(opened);
    EXPECT_EQ(wordsCarried, "QUIXOTIC");
    EXPECT_FALSE(ChallengeFromPromptLine);

    opened = false;
    ExpectChallengeWindow();
    Press(Qt::Key_Escape);
    EXPECT_TRUE(opened);
    EXPECT_EQ(wordsCarried, "");

    opened = false;
    ExpectChallengeWindow();
    Main().Choose({"Games", "Challenge"});
    EXPECT_TRUE(opened);
}

TEST_F(ChallengeOpeningTest, TheChallengeCommandLocksItOverTheWholeScreen) {
    QRect covered;
    WhenModalOpens([&](QWidget& modal) {
        covered = modal.frameGeometry();
        QTest::keyClick(ChallengeDlg->Words, Qt::Key_Escape);  // locked: Esc does not close
        QTest::keyClicks(ChallengeDlg->Words, "12");
    });
    Type("/C12");
    Press(Qt::Key_Return);
    EXPECT_EQ(ChallengeByCommand, 0);
    EXPECT_TRUE(covered.contains(form->screen()->availableGeometry())) << covered.width() << "x" << covered.height();
    Settle();
    EXPECT_EQ(LastLine(), "QORA?: ");
}

TEST_F(ChallengeOpeningTest, EscStopsASearchInsteadOfOpening) {
    SearchRunning = true;
    ExpectChallengeWindow();
    Press(Qt::Key_Escape);
    Settle();  // the key and what it posted are handled: a window would be open by now
    EXPECT_TRUE(StopSearchRequested);
    EXPECT_FALSE(opened);
    SearchRunning = false;
}

TEST_F(ChallengeOpeningTest, CtrlZMinimisesAndTheRestoreReopens) {
    ExpectChallengeWindow(Qt::Key_Z, Qt::ControlModifier);
    Main().Challenge().click();
    EXPECT_TRUE(ReopenChallengeOnRestore);
    EXPECT_TRUE(ChallengeDlgOpening);
    EXPECT_TRUE(form->isMinimized());

    opened = false;
    ExpectChallengeWindow();
    Main().AppRestore();
    EXPECT_TRUE(opened);
    EXPECT_FALSE(ReopenChallengeOnRestore);
    EXPECT_TRUE(Main().Challenge().isVisible());
}

TEST_F(ChallengeOpeningTest, TheRevertCountdownWaitsUntilNothingRuns) {
    RevertTimerOn = true;
    RevertSeconds = 2;
    form->RestartRevertCountdown();
    EXPECT_EQ(Main().Indicators(), "REVERT 2");
    Main().RevertTimer().setInterval(3600 * 1000);  // the test gives the ticks
    Main().RevertTimerTick();
    EXPECT_EQ(Main().Indicators(), "REVERT 1");

    form->SetControlsEnabled(false);  // a query runs
    Main().RevertTimerTick();
    Main().RevertTimerTick();
    EXPECT_EQ(RevertCountdown, 0);
    EXPECT_FALSE(opened);

    form->SetControlsEnabled(true);
    ExpectChallengeWindow();
    Main().RevertTimerTick();
    EXPECT_TRUE(opened);
    EXPECT_EQ(RevertCountdown, 2);  // counting again after the window closed
}

TEST_F(ChallengeOpeningTest, TheCountdownIsNotRestartedWhileAGameIsOpen) {
    RevertTimerOn = true;
    GridGameActive = true;
    form->RestartRevertCountdown();
    EXPECT_FALSE(Main().RevertTimer().isActive());
    GridGameActive = false;
    Type("C");  // any key counts as activity
    EXPECT_TRUE(Main().RevertTimer().isActive());
    WhenModalOpens([](QWidget&) {
        RevertDlg->RevertOn->click();  // switches the option off
        RevertDlg->OK->click();
    });
    Main().Choose({"Games", "Revert to Challenge..."});
    EXPECT_FALSE(RevertTimerOn);
    EXPECT_FALSE(Main().RevertTimer().isActive());
    EXPECT_EQ(Main().Indicators(), "");
}

}  // namespace
}  // namespace qora::test
