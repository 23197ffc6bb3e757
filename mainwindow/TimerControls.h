// The Timer tab of the main window: the time left with its progress bar, the
// time period and the warning time set with up-down arrows, the sound
// buttons and the Reset / Start, Stop / Pause and Resume buttons. The main
// window's handlers forward its clicks to the countdown (games/CountdownTimer.h)
// and the tab shows the countdown's state.
#pragma once

#include <QWidget>

class QCheckBox;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace qora {

class CountdownTimer;
class SpinField;
class UpDown;

class TimerPage : public QWidget {
    Q_OBJECT

public:
    explicit TimerPage(QWidget* parent = nullptr);

    // The time left, the progress bar, the buttons and the warning switch as
    // the countdown has them.
    void ShowCountdown(const CountdownTimer& countdown);
    // The up-down arrows and their fields at the countdown's period and
    // warning time.
    void ShowTimes(const CountdownTimer& countdown);

    QLineEdit* TimerDisplay;
    QProgressBar* TimerProgress;
    QLineEdit* PeriodMin;
    UpDown* PeriodMinUpDown;
    QLineEdit* PeriodSec;
    UpDown* PeriodSecUpDown;
    QLineEdit* WarningMin;
    UpDown* WarningMinUpDown;
    QLineEdit* WarningSec;
    UpDown* WarningSecUpDown;
    QCheckBox* TimerWarningEnabled;
    QPushButton* TimerPeriodSound;
    QPushButton* TimerWarningSound;
    QPushButton* TimerStart;
    QPushButton* TimerStop;
    QPushButton* TimerResume;

private:
    SpinField* NewTimeField(int maximum, QLineEdit*& field, UpDown*& arrows);

    SpinField* periodMin_;
    SpinField* periodSec_;
    SpinField* warningMin_;
    SpinField* warningSec_;
};

}  // namespace qora
