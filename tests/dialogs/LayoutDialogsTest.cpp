// The layout, maximum-width and rows-per-page dialogs as the user drives
// them: what they open on, what OK types, and what restoring the initial
// settings does to their spins.
#include "dialogs/LayoutDialog.h"
#include "dialogs/MaxWidthDialog.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include "dialogs/DialogParts.h"
#include "platform/qt/RadioGroup.h"
#include "platform/qt/SpinField.h"
#include "support/qt/CommandDialogTest.h"

namespace qora {
namespace {

class LayoutDialogsTest : public CommandDialogTest {
protected:
    // Opens the dialog and presses OK; returns what was typed.
    std::string OkAfter(QoraDialog& dialog, const std::function<void()>& change = nullptr) {
        ClearLine();
        Open(dialog);
        if (change) change();
        ButtonsOf(dialog).OK->click();
        EXPECT_FALSE(dialog.isVisible());
        return Typed();
    }

    static ConfirmButtons& ButtonsOf(QoraDialog& dialog) { return dynamic_cast<ConfirmButtons&>(dialog); }

    static void Click(UpDown& arrows, UpDownButton button, int times = 1) {
        for (int i = 0; i < times; ++i) arrows.Arrow(button)->click();
    }

    TEditLayoutDlg layout;
    TEditMaxWidthDlg width;
    TEditRowsPerPageDlg rows;
};

TEST_F(LayoutDialogsTest, PackedRowsWithCommasOpenWithTheSpacingGroupHidden) {
    DisplayedSettings.OutputLayout = LayoutPackedRowsCommas;
    DisplayedSettings.LayoutParameter = 2;
    Open(layout);
    EXPECT_EQ(layout.Orientation->ItemIndex(), PackedRowsItem);
    EXPECT_EQ(layout.Svalue->Field()->text(), "    2");
    EXPECT_TRUE(layout.UseComma->isChecked());
    EXPECT_FALSE(layout.Spacing->isVisible());
    layout.OK->click();
    EXPECT_EQ(Typed(), "/OR,2S");
}

TEST_F(LayoutDialogsTest, OKTypesTheOrientationAndSpacingChosen) {
    DisplayedSettings.OutputLayout = LayoutColumnatedRowsFixed;
    DisplayedSettings.LayoutParameter = 12;
    EXPECT_EQ(OkAfter(layout), "/ORC12W");
    EXPECT_EQ(OkAfter(layout, [&] { layout.Orientation->Item(ColumnsItem)->click(); }), "/OC12W");
    EXPECT_EQ(OkAfter(layout, [&] { layout.Orientation->Item(OnePerLineItem)->click(); }), "/O1");
    // The spacing group comes and goes with the orientation; a spin click
    // rewrites its field.
    EXPECT_EQ(OkAfter(layout,
                      [&] {
                          layout.Orientation->Item(OnePerLineItem)->click();
                          EXPECT_FALSE(layout.Spacing->isVisible());
                          layout.Orientation->Item(ColumnsItem)->click();
                          EXPECT_TRUE(layout.Spacing->isVisible());
                          layout.Spacing->Item(ExpandableItem)->click();
                          Click(*layout.XvalueUpDown, UpDownButton::Up, 3);
                          EXPECT_EQ(layout.Xvalue->Field()->text(), "   11");
                      }),
              "/OC11X");
}

TEST_F(LayoutDialogsTest, TheWidthFollowsTheRadioButtonChecked) {
    DisplayedSettings.CharactersSwitch = 1;
    DisplayedSettings.WorkspaceWidthSwitch = 1;
    DisplayedSettings.MaximumWidth = 80;
    WorkspaceColumns = 97;
    EXPECT_EQ(OkAfter(width, [&] { Click(*width.NumCharactersUpDown, UpDownButton::Up); }), "/OWA");
    EXPECT_EQ(OkAfter(width,
                      [&] {
                          width.WorkspaceSize->click();
                          EXPECT_TRUE(width.WorkspaceWidth->isChecked()) << "the radio button stays";
                          EXPECT_EQ(width.NumCharactersValue->Field()->text(), " 97");
                          width.NumCharacters->click();
                      }),
              "/OW97C");
    DisplayedSettings.CharactersSwitch = 0;
    DisplayedSettings.MaximumWidth = 6;
    EXPECT_EQ(OkAfter(width, [&] { EXPECT_TRUE(width.NumColumns->isChecked()); }), "/OC6C");
}

TEST_F(LayoutDialogsTest, RowsPerPageTypeOnlyAChange) {
    DisplayedSettings.RowsPerPage = 55;
    EXPECT_EQ(OkAfter(rows), "");
    EXPECT_EQ(OkAfter(rows, [&] { rows.Unlimited->click(); }), "/OR0C");
    EXPECT_EQ(OkAfter(rows, [&] { Click(*rows.NumRowsUpDown, UpDownButton::Down, 2); }), "/OR53C");
    DisplayedSettings.RowsPerPage = 0;
    EXPECT_EQ(OkAfter(rows, [&] { EXPECT_TRUE(rows.Unlimited->isChecked()); }), "");
    EXPECT_EQ(OkAfter(rows, [&] { rows.NumRows->click(); }), "/OR53C") << "the spin kept its position";
}

TEST_F(LayoutDialogsTest, CancelTypesNothingAndHelpStaysOpen) {
    DisplayedSettings.RowsPerPage = 55;
    for (QoraDialog* dialog : std::initializer_list<QoraDialog*>{&layout, &width, &rows}) {
        Open(*dialog);
        ExpectHelpKeepsDialogOpen(*dialog, *ButtonsOf(*dialog).Help);
        rows.Unlimited->click();  // a change that Cancel drops
        ButtonsOf(*dialog).Cancel->click();
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_EQ(Typed(), "");
    }
}

TEST_F(LayoutDialogsTest, RestoringTheInitialSettingsResetsTheSpins) {
    EditLayoutDlg = &layout;
    EditMaxWidthDlg = &width;
    EditRowsPerPageDlg = &rows;
    layout.ShowChoice({ColumnsItem, false, FixedWidthItem, 5, 6, 7, 9});
    width.ShowChoice({WidthKind::Columns, 100, 20});
    rows.ShowChoice({true, 90});
    WorkspaceColumns = 120;
    ResetLayoutDialogs();
    EXPECT_EQ(layout.Choice(), (LayoutChoice{ColumnsItem, false, FixedWidthItem, 1, 1, 9, 8}));
    EXPECT_EQ(width.Choice(), (MaxWidthChoice{WidthKind::Columns, 120, 8}));
    EXPECT_EQ(rows.Choice(), (RowsChoice{true, 55}));
    EditLayoutDlg = nullptr;
    EditMaxWidthDlg = nullptr;
    EditRowsPerPageDlg = nullptr;
}

TEST_F(LayoutDialogsTest, LayoutOfTheThreeDialogs) {
    DisplayedSettings.OutputLayout = LayoutColumnsFixed;
    ExpectSoundLayoutInBothLanguages(layout, "layout-dialog");
    ExpectSoundLayoutInBothLanguages(width, "max-width-dialog");
    ExpectSoundLayoutInBothLanguages(rows, "rows-per-page-dialog");
}

}  // namespace
}  // namespace qora
