#include "dialogs/FunctionKeysDialog.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

#include "processor/FunctionKeys.h"
#include "support/qt/SmallDialogTest.h"
#include "support/qt/WidgetInput.h"

namespace qora {
namespace {

class FunctionKeyDialogTest : public SmallDialogTest {
protected:
    TFuncKeysDlg dialog;
};

TEST_F(FunctionKeyDialogTest, ShowsEveryKeyButF10) {
    FunctionKeys[2] = {"/X\"drill.cmd\"", true, true};
    FunctionKeys[11] = {" ,?", false, false};
    Open(dialog);
    ASSERT_EQ(dialog.Rows.size(), 11u);
    EXPECT_EQ(dialog.Row(9).Key, 9);
    EXPECT_EQ(dialog.Row(11).Key, 11);
    EXPECT_EQ(dialog.Row(12).Key, 12);
    EXPECT_EQ(dialog.Row(3).Macro->text(), "/X\"drill.cmd\"");
    EXPECT_TRUE(dialog.Row(3).Replace->isChecked());
    EXPECT_TRUE(dialog.Row(3).Run->isChecked());
    EXPECT_EQ(dialog.Row(12).Macro->text(), " ,?");
    EXPECT_FALSE(dialog.Row(12).Replace->isChecked());
    EXPECT_TRUE(dialog.Row(1).Macro->hasFocus());
}

TEST_F(FunctionKeyDialogTest, OKStoresTheTableAndCancelKeepsIt) {
    Open(dialog);
    QTest::keyClicks(dialog.Row(5).Macro, "/L2 ");
    dialog.Row(5).Run->click();
    dialog.Cancel->click();
    EXPECT_EQ(FunctionKeys[4].Macro, "");
    EXPECT_FALSE(FunctionKeys[4].Run);

    Open(dialog);
    EXPECT_EQ(dialog.Row(5).Macro->text(), "") << "every showing starts from the keys in use";
    QTest::keyClicks(dialog.Row(5).Macro, QString::fromUtf8("/L2 \xC3\x91"));
    dialog.Row(5).Run->click();
    dialog.OK->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(FunctionKeys[4].Macro, "/L2 \xD1");
    EXPECT_FALSE(FunctionKeys[4].Replace);
    EXPECT_TRUE(FunctionKeys[4].Run);
}

TEST_F(FunctionKeyDialogTest, AMacroTheFileCannotKeepDisablesOK) {
    Open(dialog);
    TypeCharacters(*dialog.Row(7).Macro, QString::fromUtf8("\xC5\x81\xC3\xB3"
                                                           "d\xC5\xBA"));  // not in the code page
    EXPECT_FALSE(dialog.OK->isEnabled());
    dialog.Row(7).Macro->setText("Lodz");
    EXPECT_TRUE(dialog.OK->isEnabled());
    EXPECT_EQ(dialog.Row(7).Macro->maxLength(), static_cast<int>(MaxFunctionKeyMacroLength));
}

TEST_F(FunctionKeyDialogTest, Layout) {
    // A long macro scrolls in its field; this one is about as long as they come.
    for (int key = 1; key <= FunctionKeyCount; ++key)
        FunctionKeys[key - 1] = {"/X\"club-drill-" + std::to_string(key) + ".cmd\" /L2 /V+SPH /S-LA ", true, true};
    Open(dialog);
    ExpectSoundLayout(dialog, "function-key-dialog");
}

}  // namespace
}  // namespace qora
