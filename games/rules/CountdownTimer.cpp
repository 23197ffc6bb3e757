#include "games/rules/CountdownTimer.h"

#include <algorithm>

#include "engine/Listings.h"
#include "games/rules/GameWindows.h"
#include "games/rules/SoundFiles.h"
#include "processor/IniFile.h"

namespace qora {

namespace {

constexpr int DefaultPeriodMinutes = 3;
constexpr int DefaultWarningSeconds = 15;

}  // namespace

CountdownTimer::CountdownTimer(CountdownActions& actions) : actions_(actions) { ResetTimerPeriod(); }

void CountdownTimer::TimerTick() {
    if (TimeLeft()) progress_.StepIt();
    if (secondsLeft_ >= 1) {
        --secondsLeft_;
    } else if (minutesLeft_ > 0) {
        --minutesLeft_;
        secondsLeft_ = 59;
    }
    display_ = FormatText("%3d:%02d", minutesLeft_, secondsLeft_);
    if (!TimeLeft()) {
        if (SoundAvailable) actions_.PlaySound(PeriodSoundFileName);
        // Repeating, the timer runs on and every tick finds 0:00 again and
        // plays the sound again, until Stop.
        if (!repeatPeriodSound_ || soundStopped_) timerOn_ = false;
        actions_.MoveTimerFocus(TimerFocus::Workspace);
    } else if (minutesLeft_ == warningMinutes_ && secondsLeft_ == warningSeconds_ && warningEnabled_ &&
               SoundAvailable) {
        actions_.PlaySound(WarningSoundFileName);
    }
}

void CountdownTimer::TimerStart() {
    minutesLeft_ = periodMinutes_;
    secondsLeft_ = periodSeconds_ + 1;
    if (RevertTimerOn && !GridGameActive && !WordBuildingGameOpen)
        actions_.SetRevertCountdown(minutesLeft_ * 60 + RevertSeconds + secondsLeft_);
    TimerTick();
    progress_.Position = 0;
    progress_.Maximum = minutesLeft_ * 60 + secondsLeft_;
    resumeEnabled_ = false;
    if (!TimeLeft()) {
        // A period of 0:00 has run out at once: the bar is full and the
        // timer does not start. One that was running stops too, also with a
        // repeating sound, which Stop (disabled now) could not silence.
        timerOn_ = false;
        stopEnabled_ = false;
        progress_.Maximum = 1;
        progress_.StepIt();
        return;
    }
    timerOn_ = true;
    stopEnabled_ = true;
    actions_.MoveTimerFocus(TimerFocus::Stop);
    soundStopped_ = false;
}

void CountdownTimer::TimerStop() {
    timerOn_ = false;
    if (!TimeLeft()) {
        resumeEnabled_ = false;
        actions_.MoveTimerFocus(TimerFocus::Start);
        actions_.StopSound();
        soundStopped_ = true;
    } else {
        resumeEnabled_ = true;
        actions_.MoveTimerFocus(TimerFocus::Resume);
    }
}

// The focus goes to Reset / Start, not to Stop, as the tab always had it.
void CountdownTimer::TimerResume() {
    resumeEnabled_ = false;
    timerOn_ = true;
    actions_.MoveTimerFocus(TimerFocus::Start);
}

void CountdownTimer::ResetTimerPeriod() {
    timerOn_ = false;
    resumeEnabled_ = false;
    stopEnabled_ = false;
    repeatPeriodSound_ = false;
    periodMinutes_ = DefaultPeriodMinutes;
    periodSeconds_ = 0;
    warningMinutes_ = 0;
    warningSeconds_ = DefaultWarningSeconds;
    minutesLeft_ = DefaultPeriodMinutes;
    secondsLeft_ = 1;
    TimerTick();
    warningEnabled_ = true;
}

void CountdownTimer::PeriodMinChanged(int position) { periodMinutes_ = std::clamp(position, 0, MaxTimerMinutes); }

void CountdownTimer::PeriodSecChanged(int position) { periodSeconds_ = std::clamp(position, 0, MaxTimerSeconds); }

void CountdownTimer::WarningMinChanged(int position) { warningMinutes_ = std::clamp(position, 0, MaxTimerMinutes); }

void CountdownTimer::WarningSecChanged(int position) { warningSeconds_ = std::clamp(position, 0, MaxTimerSeconds); }

}  // namespace qora
