// The main window's Timer tab drives the countdown: its arrows set the
// period, its buttons and the one-second Timer run it, the command "T" starts
// it (also from a command file, through the bridge to the main thread) and
// the initial settings reset it. The countdown's own rules are tested in
// games/CountdownTimerTest.
#include <QCheckBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>

#include "MainWindowFixture.h"
#include "mainwindow/TimerPage.h"
#include "platform/qt/SpinField.h"
#include "processor/Executor.h"

namespace qora::test {
namespace {

class TimerTabTest : public MainWindowTest {
protected:
    TimerPage& Tab() { return Main().TimerTab(); }
    std::string Display() { return Tab().TimerDisplay->text().toStdString(); }
    void Click(UpDown& arrows, UpDownButton button, int times) {
        for (int i = 0; i < times; ++i) QTest::mouseClick(arrows.Arrow(button), Qt::LeftButton);
    }
};

TEST_F(TimerTabTest, ArrowsSetThePeriodAndTheButtonsRunTheCountdown) {
    StartWithLexicon();
    EXPECT_EQ(Display(), "  3:00");
    EXPECT_EQ(Tab().PeriodMin->text().toStdString(), "   3");
    EXPECT_EQ(Tab().WarningSec->text().toStdString(), "  15");
    EXPECT_TRUE(Tab().TimerWarningEnabled->isChecked());
    EXPECT_FALSE(Tab().TimerStop->isEnabled());
    EXPECT_FALSE(Tab().TimerResume->isEnabled());
    EXPECT_FALSE(Tab().Timer->isActive());

    Click(*Tab().PeriodMinUpDown, UpDownButton::Down, 4);  // stops at 0
    Click(*Tab().PeriodSecUpDown, UpDownButton::Up, 2);
    EXPECT_EQ(Tab().PeriodMin->text().toStdString(), "   0");
    EXPECT_EQ(Tab().PeriodSec->text().toStdString(), "   2");
    Main().Options().setCurrentWidget(&Tab());
    QTest::mouseClick(Tab().TimerStart, Qt::LeftButton);
    EXPECT_EQ(Display(), "  0:02");
    EXPECT_TRUE(Tab().Timer->isActive());
    EXPECT_TRUE(Tab().TimerStop->isEnabled());
    EXPECT_EQ(form->focusWidget(), Tab().TimerStop) << "the button enabled takes the focus";
    SaveWindowGrab(Main().Options(), "timer-tab-running");

    Tab().TimerTimer();
    QTest::mouseClick(Tab().TimerStop, Qt::LeftButton);
    EXPECT_FALSE(Tab().Timer->isActive());
    EXPECT_TRUE(Tab().TimerResume->isEnabled());
    EXPECT_EQ(form->focusWidget(), Tab().TimerResume);
    QTest::mouseClick(Tab().TimerResume, Qt::LeftButton);
    EXPECT_TRUE(Tab().Timer->isActive());
    EXPECT_EQ(form->focusWidget(), Tab().TimerStart);
    Tab().TimerTimer();
    EXPECT_EQ(Display(), "  0:00");
    EXPECT_FALSE(Tab().Timer->isActive());
    EXPECT_EQ(Tab().TimerProgress->value(), Tab().TimerProgress->maximum());
}

TEST_F(TimerTabTest, TheCommandStartsTheTimerAndTheInitialSettingsResetIt) {
    StartWithLexicon();
    Main().Options().setCurrentIndex(Main().Options().count() - 1);
    Perform("T");
    EXPECT_EQ(Main().Options().currentWidget(), &Tab());
    EXPECT_TRUE(Tab().Timer->isActive());
    EXPECT_EQ(Display(), "  3:00");
    Tab().TimerTimer();
    EXPECT_EQ(Display(), "  2:59");

    Click(*Tab().WarningMinUpDown, UpDownButton::Up, 1);
    RevertToInitialSettings();
    EXPECT_FALSE(Tab().Timer->isActive());
    EXPECT_EQ(Display(), "  3:00");
    EXPECT_EQ(Tab().WarningMin->text().toStdString(), "   0");
    EXPECT_FALSE(Tab().TimerStop->isEnabled());
}

TEST_F(TimerTabTest, ACommandFileStartsTheTimerThroughTheMainThread) {
    AddLexicon();
    WriteFile("timer.cmd", "T\n");
    ASSERT_EQ(Start({"-x", "timer.cmd"}), "");
    Settle();
    EXPECT_TRUE(Tab().Timer->isActive());
    EXPECT_EQ(Main().Options().currentWidget(), &Tab());
    const std::vector<std::string> lines = Lines();
    EXPECT_NE(std::find(lines.begin(), lines.end(), "  Timer is running - see the Timer tab at the upper right."),
              lines.end());
}

}  // namespace
}  // namespace qora::test
