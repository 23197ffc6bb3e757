#include "mainwindow/TimerPage.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "games/SoundDialog.h"
#include "mainwindow/ControlSupport.h"
#include "platform/qt/Focus.h"
#include "platform/qt/Screen.h"
#include "platform/qt/SpinField.h"
#include "platform/qt/Text.h"

namespace qora {

namespace {

constexpr int TimeFieldColumns = 4;  // "%4d"
constexpr int TickMilliseconds = 1000;

// A group of a minutes and a seconds field, and the row below them. The tab
// around it scrolls; the group has a plain layout, not PageRows, which would
// give it a scroll area of its own.
QGroupBox* TimeGroup(const char* caption, SpinField* minutes, SpinField* seconds, QLayout* below) {
    auto* group = new QGroupBox(caption);
    auto* rows = new QVBoxLayout(group);
    rows->addLayout(SideBySide({minutes, new QLabel("min"), seconds, new QLabel("sec")}));
    rows->addLayout(below);
    return group;
}

}  // namespace

TimerPage::TimerPage(TimerPageHost& host, QWidget* parent) : QWidget(parent), host_(host) {
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

    Timer = new QTimer(this);
    Timer->setInterval(TickMilliseconds);
    countdown_ = std::make_unique<CountdownTimer>(static_cast<CountdownActions&>(*this));
    SoundDlg = new TSoundDlg(*countdown_, this);
    ConnectHandlers();
    ShowTimes();
    ShowCountdown();
}

TimerPage::~TimerPage() = default;

SpinField* TimerPage::NewTimeField(int maximum, QLineEdit*& field, UpDown*& arrows) {
    auto* spin = new SpinField(TimeFieldColumns);
    spin->SetRange(0, maximum);
    field = spin->Field();
    arrows = spin->Arrows();
    return spin;
}

void TimerPage::ConnectHandlers() {
    connect(Timer, &QTimer::timeout, this, &TimerPage::TimerTimer);
    connect(TimerStart, &QPushButton::clicked, this, &TimerPage::TimerStartClick);
    connect(TimerStop, &QPushButton::clicked, this, &TimerPage::TimerStopClick);
    connect(TimerResume, &QPushButton::clicked, this, &TimerPage::TimerResumeClick);
    connect(PeriodMinUpDown, &UpDown::clicked, this, &TimerPage::PeriodMinUpDownClick);
    connect(PeriodSecUpDown, &UpDown::clicked, this, &TimerPage::PeriodSecUpDownClick);
    connect(WarningMinUpDown, &UpDown::clicked, this, &TimerPage::WarningMinUpDownClick);
    connect(WarningSecUpDown, &UpDown::clicked, this, &TimerPage::WarningSecUpDownClick);
    connect(TimerPeriodSound, &QPushButton::clicked, this, &TimerPage::TimerPeriodSoundClick);
    connect(TimerWarningSound, &QPushButton::clicked, this, &TimerPage::TimerWarningSoundClick);
    connect(TimerWarningEnabled, &QCheckBox::toggled, this, [this](bool on) { countdown_->SetWarningEnabled(on); });
}

// ---- Showing the countdown ---------------------------------------------------------

void TimerPage::ShowCountdown() {
    ShowCountdownState();
    if (!countdown_->TimerOn())
        Timer->stop();
    else if (!Timer->isActive())
        Timer->start();  // a running timer keeps its second
}

void TimerPage::ShowCountdownState() {
    const CountdownTimer& countdown = *countdown_;
    TimerDisplay->setText(FromCodePage(countdown.TimerDisplay()));
    // A range of 0 to 0 would show a busy bar.
    TimerProgress->setRange(0, std::max(countdown.TimerProgress().Maximum, 1));
    TimerProgress->setValue(countdown.TimerProgress().Position);
    TimerStop->setEnabled(countdown.StopEnabled());
    TimerResume->setEnabled(countdown.ResumeEnabled());
    TimerWarningEnabled->setChecked(countdown.WarningEnabled());
}

void TimerPage::ShowTimes() {
    periodMin_->SetPosition(countdown_->PeriodMinutes());
    periodSec_->SetPosition(countdown_->PeriodSeconds());
    warningMin_->SetPosition(countdown_->WarningMinutes());
    warningSec_->SetPosition(countdown_->WarningSeconds());
}

// ---- Handlers ------------------------------------------------------------------------

void TimerPage::TimerTimer() {
    countdown_->TimerTick();
    ShowCountdown();
}

void TimerPage::TimerStartClick() {
    countdown_->TimerStart();
    ShowCountdown();
}

void TimerPage::TimerStopClick() {
    countdown_->TimerStop();
    ShowCountdown();
}

void TimerPage::TimerResumeClick() {
    countdown_->TimerResume();
    ShowCountdown();
}

void TimerPage::PeriodMinUpDownClick() { countdown_->PeriodMinChanged(PeriodMinUpDown->Position()); }

void TimerPage::PeriodSecUpDownClick() { countdown_->PeriodSecChanged(PeriodSecUpDown->Position()); }

void TimerPage::WarningMinUpDownClick() { countdown_->WarningMinChanged(WarningMinUpDown->Position()); }

void TimerPage::WarningSecUpDownClick() { countdown_->WarningSecChanged(WarningSecUpDown->Position()); }

void TimerPage::TimerPeriodSoundClick() { ChooseTimerSound(true); }

void TimerPage::TimerWarningSoundClick() { ChooseTimerSound(false); }

void TimerPage::ChooseTimerSound(bool forPeriod) {
    PlaceWindow(*SoundDlg, host_.SoundDialogPlace(*SoundDlg));
    SoundDlg->ChoosingPeriodSound = forPeriod;
    SoundDlg->ShowModal();
    FocusWorkspace();
}

void TimerPage::ResetTimerPeriod() {
    countdown_->ResetTimerPeriod();
    ShowTimes();
    ShowCountdown();
}

// ---- What the countdown asks -----------------------------------------------------------

void TimerPage::PlaySound(const std::string& fileName) { SoundDlg->PlayFile(fileName); }

void TimerPage::StopSound() { SoundDlg->SoundPlayer.Stop(); }

void TimerPage::MoveTimerFocus(TimerFocus target) {
    // The countdown enables Stop or Resume just before it focuses it, and a
    // disabled button takes no focus: the tab shows the new state first.
    if (countdown_ != nullptr) ShowCountdownState();
    switch (target) {
        case TimerFocus::Workspace: FocusWorkspace(); break;
        case TimerFocus::Start: MoveFocus(*TimerStart); break;
        case TimerFocus::Stop: MoveFocus(*TimerStop); break;
        case TimerFocus::Resume: MoveFocus(*TimerResume); break;
    }
}

void TimerPage::SetRevertCountdown(std::int32_t seconds) { host_.SetRevertCountdown(seconds); }

}  // namespace qora
