// The Timer tab of the main window with its game clock: the time left with
// its progress bar, the time period and the warning time set with up-down
// arrows, the sound buttons, the Reset / Start, Stop / Pause and Resume
// buttons, the one-second `Timer` and the sound dialog (class TimerPage).
// Its handlers forward each click and tick to the countdown
// (games/rules/CountdownTimer.h), then the tab shows the countdown's state;
// what it asks of the main window is TimerPageHost.
#pragma once

#include <QPoint>
#include <QWidget>
#include <cstdint>
#include <memory>
#include <string>

#include "games/rules/CountdownTimer.h"

class QCheckBox;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTimer;

namespace qora {

class SpinField;
class UpDown;

// What the Timer tab needs of the main window.
class TimerPageHost {
public:
    virtual ~TimerPageHost() = default;
    // Where the sound dialog's outer top-left corner goes.
    virtual QPoint SoundDialogPlace(QWidget& dialog) = 0;
    // Start keeps the window from returning to the challenge window before
    // the period is over: the revert countdown becomes these seconds.
    virtual void SetRevertCountdown(std::int32_t seconds) = 0;
};

class TimerPage : public QWidget, private CountdownActions {
    Q_OBJECT

public:
    // The tab at the countdown's defaults, its timer off.
    explicit TimerPage(TimerPageHost& host, QWidget* parent = nullptr);
    ~TimerPage() override;

    // Reset / Start: the button, and the command "T" once the main window
    // has brought the tab to the front.
    void TimerStartClick();
    // The one-second tick (tests give the ticks themselves).
    void TimerTimer();
    // The initial settings: the countdown's defaults, the timer off.
    void ResetTimerPeriod();

    // ---- Components ----------------------------------------------------------
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
    QTimer* Timer;  // runs while the countdown is on

private:
    SpinField* NewTimeField(int maximum, QLineEdit*& field, UpDown*& arrows);
    void ConnectHandlers();

    // The handlers of the buttons and arrows.
    void TimerStopClick();
    void TimerResumeClick();
    void PeriodMinUpDownClick();
    void PeriodSecUpDownClick();
    void WarningMinUpDownClick();
    void WarningSecUpDownClick();
    void TimerPeriodSoundClick();
    void TimerWarningSoundClick();
    void ChooseTimerSound(bool forPeriod);

    // The time left, the progress bar, the buttons and the warning switch as
    // the countdown has them, and the one-second timer running while it is on.
    void ShowCountdown();
    void ShowCountdownState();  // the same without the timer
    // The up-down arrows and their fields at the countdown's period and
    // warning time.
    void ShowTimes();

    // CountdownActions
    void PlaySound(const std::string& fileName) override;
    void StopSound() override;
    void MoveTimerFocus(TimerFocus target) override;
    void SetRevertCountdown(std::int32_t seconds) override;

    TimerPageHost& host_;
    SpinField* periodMin_;
    SpinField* periodSec_;
    SpinField* warningMin_;
    SpinField* warningSec_;
    std::unique_ptr<CountdownTimer> countdown_;
};

}  // namespace qora
