#include "dialogs/RevertToChallengeDialog.h"

#include <QCheckBox>
#include <QPushButton>

#include "platform/qt/NumberField.h"
#include "support/qt/SmallDialogTest.h"

namespace qora {
namespace {

class RevertDialogTest : public SmallDialogTest {
protected:
    TRevertDlg dialog;
};

TEST_F(RevertDialogTest, OKTakesTheOptionAndItsSecondsCancelKeepsThem) {
    RevertTimerOn = false;
    RevertSeconds = 300;
    Open(dialog);
    EXPECT_FALSE(dialog.RevertOn->isChecked());
    EXPECT_EQ(dialog.Seconds->text().trimmed(), "300");
    dialog.RevertOn->click();
    QTest::keyClicks(dialog.Seconds, "45");
    dialog.Cancel->click();
    EXPECT_FALSE(RevertTimerOn);

    Open(dialog);
    dialog.RevertOn->click();
    QTest::keyClicks(dialog.Seconds, "45");
    dialog.OK->click();
    EXPECT_TRUE(RevertTimerOn);
    EXPECT_EQ(RevertSeconds, 45);
}

TEST_F(RevertDialogTest, OKWantsAWholeNumberOfSecondsFromOne) {
    Open(dialog);
    for (const char* bad : {"0", "", "4x", "86401"}) {
        Retype(*dialog.Seconds, bad);
        EXPECT_FALSE(dialog.OK->isEnabled()) << bad;
    }
    Retype(*dialog.Seconds, "86400");
    EXPECT_TRUE(dialog.OK->isEnabled());
}

TEST_F(RevertDialogTest, LayoutShowsEveryControl) {
    Open(dialog);
    ExpectSoundLayout(dialog, "revert-to-challenge");
}

}  // namespace
}  // namespace qora
