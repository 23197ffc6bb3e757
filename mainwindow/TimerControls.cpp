#include "mainwindow/TimerControls.h"

#include "games/CountdownTimer.h"
#include "mainwindow/ControlSupport.h"
#include "platform/qt/SpinField.h"
#include "platform/qt/Text.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <algorithm>

namespace qora {

namespace {

constexpr int TimeFieldColumns = 4;  // "%4d"

// A group of a minutes and a seconds field, and the row below them.
QGroupBox* TimeGroup(const char* caption, SpinField* minutes, SpinField* seconds, QLayout* below) {
    auto* group = new QGroupBox(caption);
    PageRows rows(*group);
    rows.AddAcross(SideBySide({minutes, new QLabel("min"), seconds, new QLabel("sec")}));
    rows.AddAcross(below);
    return group;
}

}  // namespace

TimerPage::TimerPage(QWidget* parent) : QWidget(parent) {
    TimerDisplay = new QLineEdit;
    TimerDisplay->setReadOnly(true);
    TimerProgress = new QProgressBar;
    TimerProgress->setTextVisible(false);
    periodMin_ = NewTimeField(MaxTimerMinutes, PeriodMin, PeriodMinUpDown);
    periodSec_ = NewTimeField(MaxTimerSeconds, PeriodSec, PeriodSecUpDown);
    warningMin_ = NewTimeField(MaxTimerMinutes, WarningMin, WarningMinUpDown);
    warningSec_ = NewTimeField(MaxTimerSeconds, WarningSec, WarningSecUpDown);
    TimerWarningEnabled = new QCheckBox("Enabled");
    TimerPeriodSound = new QPushButton("Change Sound");
    TimerWarningSound = new QPushButton("Change Sound");
    TimerStart = new QPushButton("Reset / Start");
    TimerStop = new QPushButton("Stop / Pause");
    TimerResume = new QPushButton("Resume");

    PageRows rows(*this);
    rows.AddAcross(TimerDisplay);
    rows.AddAcross(TimerProgress);
    rows.AddAcross(TimeGroup("Time Period", periodMin_, periodSec_, SideBySide({TimerPeriodSound})));
    rows.AddAcross(
        TimeGroup("Warning Time", warningMin_, warningSec_, SideBySide({TimerWarningEnabled, TimerWarningSound})));
    rows.AddAcross(SideBySide({TimerStart, TimerStop}));
    rows.AddAcross(SideBySide({TimerResume}));
    rows.End();
}

SpinField* TimerPage::NewTimeField(int maximum, QLineEdit*& field, UpDown*& arrows) {
    auto* spin = new SpinField(TimeFieldColumns);
    spin->SetRange(0, maximum);
    field = spin->Field();
    arrows = spin->Arrows();
    return spin;
}

void TimerPage::ShowCountdown(const CountdownTimer& countdown) {
    TimerDisplay->setText(FromCodePage(countdown.TimerDisplay()));
    // A range of 0 to 0 would show a busy bar.
    TimerProgress->setRange(0, std::max(countdown.TimerProgress().Maximum, 1));
    TimerProgress->setValue(countdown.TimerProgress().Position);
    TimerStop->setEnabled(countdown.StopEnabled());
    TimerResume->setEnabled(countdown.ResumeEnabled());
    TimerWarningEnabled->setChecked(countdown.WarningEnabled());
}

void TimerPage::ShowTimes(const CountdownTimer& countdown) {
    periodMin_->SetPosition(countdown.PeriodMinutes());
    periodSec_->SetPosition(countdown.PeriodSeconds());
    warningMin_->SetPosition(countdown.WarningMinutes());
    warningSec_->SetPosition(countdown.WarningSeconds());
}

}  // namespace qora
