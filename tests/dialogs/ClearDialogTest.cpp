#include "dialogs/ClearDialog.h"

#include <QCheckBox>
#include <QPushButton>

#include "engine/UserSets.h"
#include "engine/Wordlists.h"
#include "platform/ProgramState.h"
#include "processor/Executor.h"
#include "support/qt/SmallDialogTest.h"

namespace qora {
namespace {

class ClearDialogTest : public SmallDialogTest {
protected:
    void SetUp() override {
        SmallDialogTest::SetUp();
        ResetProgramState();
        AddWordToWordlist(Slate, "CAT", false);
        DefineUserSet(4, "", {});
        ExecutorHandlers.RefreshListTabs = [this] { ++listsRefilled; };
    }
    void TearDown() override {
        ResetProgramState();
        SmallDialogTest::TearDown();
    }

    TClearDlg dialog;
    int listsRefilled = 0;
};

TEST_F(ClearDialogTest, ClearIsEnabledWhileSomethingIsChecked) {
    Open(dialog);
    EXPECT_TRUE(dialog.WorkspaceBox->isChecked()) << "at first the workspace is checked";
    EXPECT_TRUE(dialog.OK->isEnabled());
    dialog.WorkspaceBox->click();
    EXPECT_FALSE(dialog.OK->isEnabled());
    dialog.SettingsBox->click();
    EXPECT_TRUE(dialog.OK->isEnabled());
}

TEST_F(ClearDialogTest, ClearEmptiesTheCheckedPartsAndCancelNothing) {
    Open(dialog);
    dialog.UserSetsBox->setChecked(true);
    dialog.Cancel->click();
    EXPECT_EQ(UserSetCount(), 1);

    Open(dialog);
    dialog.WorkspaceBox->setChecked(false);
    dialog.UserSetsBox->setChecked(false);
    dialog.SlateBox->setChecked(true);
    dialog.OK->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(Slate.Count(), 0);
    EXPECT_EQ(UserSetCount(), 1);
    EXPECT_EQ(listsRefilled, 1);
}

TEST_F(ClearDialogTest, Layout) {
    Open(dialog);
    ExpectSoundLayout(dialog, "clear-dialog");
}

}  // namespace
}  // namespace qora
