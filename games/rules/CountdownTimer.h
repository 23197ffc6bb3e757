// The countdown timer of the main window's Timer tab, without any window: the
// time period and the warning time, the one-second ticks, Reset / Start,
// Stop / Pause and Resume, and the sounds at the warning time and when the
// period runs out.
//
// The main window's Timer tab (mainwindow/TimerPage.h) forwards its clicks
// and its one-second ticks here and then shows the state this class
// exposes; focus moves, sounds and the revert-to-challenge countdown go
// through the actions it gives. The ticks are counted: one tick is one second.
#pragma once

#include <cstdint>
#include <string>

namespace qora {

constexpr int MaxTimerMinutes = 300;
constexpr int MaxTimerSeconds = 59;

// Where a timer operation puts the keyboard focus.
enum class TimerFocus { Workspace, Start, Stop, Resume };

// What the countdown asks of the window it drives.
class CountdownActions {
public:
    virtual ~CountdownActions() = default;
    // Sets the media player's file, opens it and plays it; a file that cannot
    // be played is passed over without a word.
    virtual void PlaySound(const std::string& fileName) = 0;
    virtual void StopSound() = 0;
    virtual void MoveTimerFocus(TimerFocus target) = 0;
    // Start keeps the window from returning to the challenge window before
    // the period is over: the revert countdown becomes these seconds.
    virtual void SetRevertCountdown(std::int32_t seconds) = 0;
};

// The progress bar of the tab: its position steps by one, and a step beyond
// the maximum starts it over from 0.
struct TimerProgressBar {
    int Position = 0;
    int Maximum = 100;
    void StepIt() { Position = Position + 1 > Maximum ? 0 : Position + 1; }
};

class CountdownTimer {
public:
    // As ResetTimerPeriod leaves it.
    explicit CountdownTimer(CountdownActions& actions);

    // ---- Operations -------------------------------------------------------
    void TimerTick();
    void TimerStart();   // reset to the period and start
    void TimerStop();    // pause, or silence the sound after expiry
    void TimerResume();  // go on after a pause
    void ResetTimerPeriod();
    // An up-down arrow moved to `position`.
    void PeriodMinChanged(int position);
    void PeriodSecChanged(int position);
    void WarningMinChanged(int position);
    void WarningSecChanged(int position);
    void SetWarningEnabled(bool enabled) { warningEnabled_ = enabled; }
    // The sound dialog's repetition: the expiry sound repeats until Stop.
    void SetRepeatPeriodSound(bool repeat) { repeatPeriodSound_ = repeat; }

    // ---- State ------------------------------------------------------------
    int PeriodMinutes() const { return periodMinutes_; }
    int PeriodSeconds() const { return periodSeconds_; }
    int WarningMinutes() const { return warningMinutes_; }
    int WarningSeconds() const { return warningSeconds_; }
    int MinutesLeft() const { return minutesLeft_; }
    int SecondsLeft() const { return secondsLeft_; }
    bool RepeatPeriodSound() const { return repeatPeriodSound_; }
    bool SoundStopped() const { return soundStopped_; }

    // ---- What the tab shows -----------------------------------------------
    const std::string& TimerDisplay() const { return display_; }  // "%3d:%02d"
    const TimerProgressBar& TimerProgress() const { return progress_; }
    bool TimerOn() const { return timerOn_; }  // the main window's one-second timer
    bool StopEnabled() const { return stopEnabled_; }
    bool ResumeEnabled() const { return resumeEnabled_; }
    bool WarningEnabled() const { return warningEnabled_; }

private:
    bool TimeLeft() const { return secondsLeft_ > 0 || minutesLeft_ >= 1; }

    CountdownActions& actions_;
    int periodMinutes_ = 0;
    int periodSeconds_ = 0;
    int warningMinutes_ = 0;
    int warningSeconds_ = 0;
    int minutesLeft_ = 0;
    int secondsLeft_ = 0;
    bool repeatPeriodSound_ = false;
    bool soundStopped_ = false;
    std::string display_;
    TimerProgressBar progress_;
    bool timerOn_ = false;
    bool stopEnabled_ = false;
    bool resumeEnabled_ = false;
    bool warningEnabled_ = true;
};

}  // namespace qora
