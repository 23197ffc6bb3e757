// The main window's countdown timer: the Timer tab's handlers, the
// one-second Timer, the sound dialog's opener and what the countdown asks of
// the window (sounds, focus, the revert-to-challenge countdown).
#include <QCheckBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

#include "games/SoundDialog.h"
#include "mainwindow/MainControls.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/TimerControls.h"
#include "mainwindow/Workspace.h"
#include "platform/qt/Focus.h"
#include "platform/qt/Screen.h"
#include "platform/qt/SpinField.h"

namespace qora {

namespace {

// The sound dialog's right edge this far inside the main window's.
constexpr int SoundDialogInset = 4;

}  // namespace

void TForm2::CreateCountdown() {
    Countdown = std::make_unique<CountdownTimer>(*this);
    SoundDlg = new TSoundDlg(*Countdown, this);
    TimerPage& tab = *Controls->TimerTab;
    connect(Timer, &QTimer::timeout, this, &TForm2::TimerTimer);
    connect(tab.TimerStart, &QPushButton::clicked, this, &TForm2::TimerStartClick);
    connect(tab.TimerStop, &QPushButton::clicked, this, &TForm2::TimerStopClick);
    connect(tab.TimerResume, &QPushButton::clicked, this, &TForm2::TimerResumeClick);
    connect(tab.PeriodMinUpDown, &UpDown::clicked, this, &TForm2::PeriodMinUpDownClick);
    connect(tab.PeriodSecUpDown, &UpDown::clicked, this, &TForm2::PeriodSecUpDownClick);
    connect(tab.WarningMinUpDown, &UpDown::clicked, this, &TForm2::WarningMinUpDownClick);
    connect(tab.WarningSecUpDown, &UpDown::clicked, this, &TForm2::WarningSecUpDownClick);
    connect(tab.TimerPeriodSound, &QPushButton::clicked, this, &TForm2::TimerPeriodSoundClick);
    connect(tab.TimerWarningSound, &QPushButton::clicked, this, &TForm2::TimerWarningSoundClick);
    connect(tab.TimerWarningEnabled, &QCheckBox::toggled, this, [this](bool on) { Countdown->SetWarningEnabled(on); });
    tab.ShowTimes(*Countdown);
    ShowCountdown();
}

void TForm2::ShowCountdown() {
    Controls->TimerTab->ShowCountdown(*Countdown);
    if (!Countdown->TimerOn())
        Timer->stop();
    else if (!Timer->isActive())
        Timer->start();  // a running timer keeps its second
}

void TForm2::TimerTimer() {
    Countdown->TimerTick();
    ShowCountdown();
}

void TForm2::TimerStartClick() {
    Countdown->TimerStart();
    ShowCountdown();
}

void TForm2::TimerStopClick() {
    Countdown->TimerStop();
    ShowCountdown();
}

void TForm2::TimerResumeClick() {
    Countdown->TimerResume();
    ShowCountdown();
}

void TForm2::PeriodMinUpDownClick() { Countdown->PeriodMinChanged(Controls->TimerTab->PeriodMinUpDown->Position()); }

void TForm2::PeriodSecUpDownClick() { Countdown->PeriodSecChanged(Controls->TimerTab->PeriodSecUpDown->Position()); }

void TForm2::WarningMinUpDownClick() { Countdown->WarningMinChanged(Controls->TimerTab->WarningMinUpDown->Position()); }

void TForm2::WarningSecUpDownClick() { Countdown->WarningSecChanged(Controls->TimerTab->WarningSecUpDown->Position()); }

void TForm2::TimerPeriodSoundClick() { ChooseTimerSound(true); }

void TForm2::TimerWarningSoundClick() { ChooseTimerSound(false); }

// The dialog's right edge 4 pixels inside the main window's, its top level
// with the workspace's.
void TForm2::ChooseTimerSound(bool forPeriod) {
    const int left =
        ScreenRectOf(*this).left() + frameGeometry().width() - OuterSizeOf(*SoundDlg).width() - SoundDialogInset;
    PlaceWindow(*SoundDlg, QPoint(left, ScreenRectOf(*Workspace).top()));
    SoundDlg->ChoosingPeriodSound = forPeriod;
    SoundDlg->ShowModal();
    FocusWorkspace();
}

void TForm2::StartTimerFromCommand() {
    Options->setCurrentWidget(Controls->TimerTab);
    TimerStartClick();
}

void TForm2::ResetTimerPeriod() {
    Countdown->ResetTimerPeriod();
    Controls->TimerTab->ShowTimes(*Countdown);
    ShowCountdown();
}

void TForm2::PlaySound(const std::string& fileName) { SoundDlg->PlayFile(fileName); }

void TForm2::StopSound() { SoundDlg->SoundPlayer.Stop(); }

void TForm2::MoveTimerFocus(TimerFocus target) {
    TimerPage& tab = *Controls->TimerTab;
    // The countdown enables Stop or Resume just before it focuses it, and a
    // disabled button takes no focus: the tab shows the new state first.
    if (Countdown != nullptr) tab.ShowCountdown(*Countdown);
    switch (target) {
        case TimerFocus::Workspace: FocusWorkspace(); break;
        case TimerFocus::Start: MoveFocus(*tab.TimerStart); break;
        case TimerFocus::Stop: MoveFocus(*tab.TimerStop); break;
        case TimerFocus::Resume: MoveFocus(*tab.TimerResume); break;
    }
}

void TForm2::SetRevertCountdown(std::int32_t seconds) {
    RevertCountdown = seconds;
    UpdateIndicators();
}

}  // namespace qora
