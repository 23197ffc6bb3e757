#include "dialogs/Clear.h"

#include <QCheckBox>
#include <QPushButton>

#include "support/qt/SmallDialogTest.h"
#include "engine/UserSets.h"
#include "engine/Wordlists.h"
#include "processor/Executor.h"

namespace qora {
namespace {

class ClearDialogTest : public SmallDialogTest {
protected:
    void SetUp() override {
        SmallDialogTest::SetUp();
        ResetWordlists();
        ResetUserSets();
        AddWordToWordlist(Slate, "CAT", false);
        DefineUserSet(4, "", {});
        WriteOutputLine("CAT");
        WritePromptLine();
        ExecutorHandlers.RefreshListTabs = [this] { ++listsRefilled; };
    }
    void TearDown() override {
        ResetWordlists();
        ResetUserSets();
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

TEST_F(ClearDialogTest, ClearEmptiesTheCheckedPartsOnly) {
    const std::size_t workspaceLines = WorkspaceLines().size();
    Open(dialog);
    dialog.WorkspaceBox->setChecked(false);
    dialog.SlateBox->setChecked(true);
    dialog.OK->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(Slate.Count(), 0);
    EXPECT_EQ(UserSetCount(), 1);
    EXPECT_EQ(WorkspaceLines().size(), workspaceLines);
    EXPECT_EQ(listsRefilled, 1);

    Open(dialog);
    EXPECT_TRUE(dialog.SlateBox->isChecked()) << "the boxes keep their state";
    dialog.UserSetsBox->setChecked(true);
    dialog.Cancel->click();
    EXPECT_EQ(UserSetCount(), 1) << "Cancel clears nothing";
    EXPECT_EQ(listsRefilled, 1);
}

TEST_F(ClearDialogTest, Layout) {
    Open(dialog);
    ExpectSoundLayout(dialog, "clear-dialog");
}

}  // namespace
}  // namespace qora
