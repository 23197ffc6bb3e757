#include "games/SoundDialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>

#include "games/rules/CountdownTimer.h"
#include "games/rules/SoundFiles.h"
#include "support/qt/SmallDialogTest.h"

namespace qora {
namespace {

struct SilentActions : CountdownActions {
    void PlaySound(const std::string&) override {}
    void StopSound() override {}
    void MoveTimerFocus(TimerFocus) override {}
    void SetRevertCountdown(std::int32_t) override {}
};

class SoundDialogTest : public SmallDialogTest {
protected:
    void SetUp() override {
        SmallDialogTest::SetUp();
        chosen = folder.filePath("bell.wav").toStdString();
        std::ofstream(chosen, std::ios::binary) << "RIFF";
    }
    void Open(bool forPeriod) {
        dialog.ChoosingPeriodSound = forPeriod;
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    }
    // Clicks the choose button and picks the test's wave file.
    void Browse() {
        WhenModalOpens([this](QWidget& modal) { ChooseFile(modal, chosen); });
        QTest::mouseClick(dialog.ChooseSoundButton, Qt::LeftButton);
    }

    QTemporaryDir folder;
    std::string chosen;
    SilentActions actions;
    CountdownTimer countdown{actions};
    TSoundDlg dialog{countdown};
};

TEST_F(SoundDialogTest, TheExpirySoundIsChosenWithItsRepetition) {
    Open(true);
    EXPECT_EQ(dialog.ChooseSoundButton->text(), "Choose a sound file for the timer expiring");
    EXPECT_TRUE(dialog.Repetition->isVisible());
    EXPECT_TRUE(dialog.RepeatOnce->isChecked());
    Browse();
    EXPECT_EQ(PeriodSoundFileName, chosen);  // at once
    dialog.RepeatUntil->setChecked(true);
    QTest::mouseClick(dialog.OK, Qt::LeftButton);
    EXPECT_EQ(PeriodSoundFileName, chosen);
    EXPECT_TRUE(countdown.RepeatPeriodSound());

    Open(true);
    EXPECT_TRUE(dialog.RepeatUntil->isChecked());
}

TEST_F(SoundDialogTest, CancelKeepsThePreviousFileEvenAfterAChoice) {
    Open(false);
    EXPECT_EQ(dialog.ChooseSoundButton->text(), "Choose a sound file for a warning");
    EXPECT_FALSE(dialog.Repetition->isVisible());
    Browse();
    EXPECT_EQ(WarningSoundFileName, chosen);
    QTest::mouseClick(dialog.Cancel, Qt::LeftButton);
    EXPECT_EQ(WarningSoundFileName, "chimes.wav");
    EXPECT_EQ(PeriodSoundFileName, "tada.wav");

    Open(false);
    Browse();
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_EQ(WarningSoundFileName, "chimes.wav");
    EXPECT_FALSE(countdown.RepeatPeriodSound());
}

TEST_F(SoundDialogTest, LayoutFitsBothSounds) {
    for (const bool forPeriod : {true, false}) {
        Open(forPeriod);
        for (const std::string& fault : LayoutFaults(dialog)) ADD_FAILURE() << fault;
        SaveGrab(dialog, forPeriod ? "sound-dialog-expiry" : "sound-dialog-warning");
        dialog.hide();
    }
}

}  // namespace
}  // namespace qora
