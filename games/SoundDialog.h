// The sound dialog of the countdown timer, TSoundDlg: picks the wave file
// played when the period runs out (and whether it repeats until Stop) or the
// one played at the warning time, and plays it on request. Its media player
// also plays the countdown's sounds.
#pragma once

#include <QPointer>
#include <string>

#include "dialogs/DialogParts.h"
#include "platform/qt/Dialogs.h"
#include "platform/qt/WaveSound.h"

class QGroupBox;
class QPushButton;
class QRadioButton;

namespace qora {

class CountdownTimer;

constexpr char SoundFileFilter[] = "Wave files (*.wav)|*.WAV|Any files (*.*)|*.*";

class TSoundDlg : public QoraDialog, public ConfirmButtons {
    Q_OBJECT

public:
    TSoundDlg(CountdownTimer& countdown, QWidget* parent = nullptr);

    QPushButton* ChooseSoundButton;
    QPushButton* PlaySound;
    QGroupBox* Repetition;
    QRadioButton* RepeatOnce;   // "Issue sound once"
    QRadioButton* RepeatUntil;  // "Repeat sound until you stop it"
    WavePlayer SoundPlayer;

    // Which sound the next showing chooses: the expiry sound (true) or the
    // warning sound.
    bool ChoosingPeriodSound = false;
    // The chosen sound's file name when the dialog opened, for Cancel.
    std::string SavedSoundFileName;

    // Gives the media player the file, opens it and plays it; a file that
    // is no wave file is passed over.
    void PlayFile(const std::string& fileName);

protected:
    void FormActivate() override;  // SetUpSoundDialog

private:
    std::string& ChosenSoundFileName();
    void BrowseForSoundFile();
    void PlayChosenSound();
    void ApplySoundRepetition();
    void RestoreSoundFile();

    CountdownTimer& countdown_;
};

extern QPointer<TSoundDlg> SoundDlg;

}  // namespace qora
