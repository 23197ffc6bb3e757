#include "games/SoundDialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <filesystem>

#include "dialogs/DialogParts.h"
#include "engine/Listings.h"
#include "games/rules/CountdownTimer.h"
#include "games/rules/SoundFiles.h"
#include "platform/qt/FileDialogs.h"
#include "platform/qt/Focus.h"
#include "platform/qt/Text.h"

namespace qora {

QPointer<TSoundDlg> SoundDlg;

namespace {

constexpr int ClientWidth = 380;
constexpr int ClientHeight = 210;

}  // namespace

TSoundDlg::TSoundDlg(CountdownTimer& countdown, QWidget* parent)
    : QoraDialog(" Choose a Sound", ClientWidth, ClientHeight, parent), countdown_(countdown) {
    auto* layout = new QVBoxLayout(this);
    ChooseSoundButton = new QPushButton(this);
    PlaySound = new QPushButton(QStringLiteral("Play Sound"), this);
    Repetition = new QGroupBox(QStringLiteral("Repetition"), this);
    RepeatOnce = new QRadioButton(QStringLiteral("Issue sound once"), Repetition);
    RepeatUntil = new QRadioButton(QStringLiteral("Repeat sound until you stop it"), Repetition);
    auto* repetitionLayout = new QVBoxLayout(Repetition);
    repetitionLayout->addWidget(RepeatOnce);
    repetitionLayout->addWidget(RepeatUntil);
    RepeatOnce->setChecked(true);

    layout->addWidget(ChooseSoundButton);
    auto* playRow = new QHBoxLayout;
    playRow->addWidget(PlaySound);
    playRow->addStretch(1);
    layout->addLayout(playRow);
    layout->addWidget(Repetition);
    layout->addStretch(1);
    AddCommandButtons(*this, *layout);

    connect(ChooseSoundButton, &QPushButton::clicked, this, &TSoundDlg::BrowseForSoundFile);
    connect(PlaySound, &QPushButton::clicked, this, &TSoundDlg::PlayChosenSound);
    connect(OK, &QPushButton::clicked, this, &TSoundDlg::ApplySoundRepetition);
    connect(Cancel, &QPushButton::clicked, this, &TSoundDlg::RestoreSoundFile);
    // Esc and the caption's close button cancel too.
    connect(this, &QDialog::rejected, this, &TSoundDlg::RestoreSoundFile);
}

std::string& TSoundDlg::ChosenSoundFileName() {
    return ChoosingPeriodSound ? PeriodSoundFileName : WarningSoundFileName;
}

void TSoundDlg::FormActivate() {
    ChooseSoundButton->setText(FromCodePage(
        FormatText("Choose a sound file for %s", ChoosingPeriodSound ? "the timer expiring" : "a warning")));
    Repetition->setVisible(ChoosingPeriodSound);
    (countdown_.RepeatPeriodSound() ? RepeatUntil : RepeatOnce)->setChecked(true);
    SavedSoundFileName = ChosenSoundFileName();
    MoveFocus(*ChooseSoundButton);
}

// The open dialog starts in the chosen file's folder; for a file without
// one, in the folder the sounds were found in at start-up, else the current
// folder.
void TSoundDlg::BrowseForSoundFile() {
    FileDialog dialog(FileDialog::Kind::Open);
    dialog.FileName = ChosenSoundFileName();
    dialog.Filter = SoundFileFilter;
    dialog.DefaultExt = ".wav";
    if (std::filesystem::path(dialog.FileName).parent_path().empty())
        dialog.InitialDir = SoundFolder.empty() ? std::filesystem::current_path().string() : SoundFolder;
    if (dialog.Execute(this)) ChosenSoundFileName() = dialog.FileName;
}

void TSoundDlg::PlayChosenSound() {
    if (SoundAvailable) PlayFile(ChosenSoundFileName());
}

void TSoundDlg::PlayFile(const std::string& fileName) {
    SoundPlayer.SetFileName(fileName);
    if (SoundPlayer.Open()) SoundPlayer.Play();
}

void TSoundDlg::ApplySoundRepetition() {
    if (ChoosingPeriodSound) countdown_.SetRepeatPeriodSound(RepeatUntil->isChecked());
    CloseWithResult(mrOk);
}

void TSoundDlg::RestoreSoundFile() { ChosenSoundFileName() = SavedSoundFileName; }

}  // namespace qora
