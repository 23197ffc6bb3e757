#include "mainwindow/TimerControls.h"

#include "engine/Listings.h"
#include "mainwindow/ControlSupport.h"
#include "platform/qt/SpinField.h"
#include "platform/qt/Text.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

namespace qora {

namespace {

constexpr int MaxMinutes = 300;
constexpr int MaxSeconds = 59;
constexpr int TimeFieldColumns = 4;
// The period and warning time before they are set: 3:00 and 0:15.
constexpr int DefaultPeriodMinutes = 3;
constexpr int DefaultWarningSeconds = 15;

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
    TimerDisplay = new QLineEdit(FromCodePage(FormatText("%3d:%02d", DefaultPeriodMinutes, 0)));
    TimerDisplay->setReadOnly(true);
    TimerProgress = new QProgressBar;
    TimerProgress->setTextVisible(false);
    TimerProgress->setValue(0);
    SpinField* periodMin = NewTimeField(MaxMinutes, DefaultPeriodMinutes, PeriodMin, PeriodMinUpDown);
    SpinField* periodSec = NewTimeField(MaxSeconds, 0, PeriodSec, PeriodSecUpDown);
    SpinField* warningMin = NewTimeField(MaxMinutes, 0, WarningMin, WarningMinUpDown);
    SpinField* warningSec = NewTimeField(MaxSeconds, DefaultWarningSeconds, WarningSec, WarningSecUpDown);
    TimerWarningEnabled = new QCheckBox("Enabled");
    TimerWarningEnabled->setChecked(true);
    TimerPeriodSound = new QPushButton("Change Sound");
    TimerWarningSound = new QPushButton("Change Sound");
    TimerStart = new QPushButton("Reset / Start");
    TimerStop = new QPushButton("Stop / Pause");
    TimerResume = new QPushButton("Resume");
    for (QPushButton* button : {TimerPeriodSound, TimerWarningSound, TimerStart, TimerStop, TimerResume})
        button->setEnabled(false);

    PageRows rows(*this);
    rows.AddAcross(TimerDisplay);
    rows.AddAcross(TimerProgress);
    rows.AddAcross(TimeGroup("Time Period", periodMin, periodSec, SideBySide({TimerPeriodSound})));
    rows.AddAcross(
        TimeGroup("Warning Time", warningMin, warningSec, SideBySide({TimerWarningEnabled, TimerWarningSound})));
    rows.AddAcross(SideBySide({TimerStart, TimerStop}));
    rows.AddAcross(SideBySide({TimerResume}));
    rows.End();
}

SpinField* TimerPage::NewTimeField(int maximum, int position, QLineEdit*& field, UpDown*& arrows) {
    auto* spin = new SpinField(TimeFieldColumns);
    spin->SetRange(0, maximum);
    spin->SetPosition(position);
    field = spin->Field();
    arrows = spin->Arrows();
    return spin;
}

}  // namespace qora
