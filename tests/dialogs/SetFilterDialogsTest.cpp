// The hooks and blank filter editors: the boxes they open on, the keys and
// buttons that change them, and the filter they type.
#include "dialogs/BlankFilterDialog.h"
#include "dialogs/HooksFilterDialog.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

#include "dialogs/texts/FilterText.h"
#include "platform/qt/CommitComboBox.h"
#include "support/qt/CommandDialogTest.h"
#include "support/qt/WidgetInput.h"
#include "widgets/TileControls.h"

namespace qora {
namespace {

// The tiles of the text in the active language: "AAB" is A twice and B once.
LetterCounts Tiles(std::string_view text) { return LetterCountsOfText(text).value(); }

class SetFilterTest : public CommandDialogTest {
protected:
    void TearDown() override {
        SetLanguageTables(Language::English);
        CommandDialogTest::TearDown();
    }

    static void OpenOn(SetFilterEditor& dialog, SetFilter& filter, std::int32_t code, const LetterCounts& letters) {
        filter = SetFilter{1, code, {letters, 0, 0}};
        ClearLine();
        dialog.hide();
        Open(dialog);
    }
    void OpenHooks(bool front, std::int32_t code, const LetterCounts& letters) {
        HooksDialogFront = front;
        OpenOn(hooks, front ? DisplayedSettings.FrontHooksFilter : DisplayedSettings.BackHooksFilter, code, letters);
    }
    void OpenBlank(std::int32_t code, const LetterCounts& letters, bool ignoreVowels = false) {
        DisplayedSettings.BlankIgnoreVowels = ignoreVowels ? 1 : 0;
        OpenOn(blank, DisplayedSettings.BlankFilter, code, letters);
    }
    static std::vector<int> CheckedSlots(const SetFilterEditor& dialog) {
        std::vector<int> checked;
        for (int slot = 0; slot < TileControlCount; ++slot)
            if (dialog.Letters->Button(slot)->isChecked()) checked.push_back(slot);
        return checked;
    }
    static void Press(SetFilterEditor& dialog, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(dialog.Home, key, modifiers);
    }

    TEditQFHooks hooks;
    TEditQFBlank blank;
};

TEST_F(SetFilterTest, HooksOpenOnTheirSideAndTypeOnlyAChange) {
    for (const bool front : {true, false}) {
        const std::string side = front ? "<" : ">";
        OpenHooks(front, RelationAtMost, Tiles("AES"));
        EXPECT_EQ(hooks.windowTitle().toStdString(),
                  std::string(" Query Filtering Based on ") + (front ? "Front" : "Back") + " Hooks");
        EXPECT_EQ(hooks.Datum->text().toStdString(), std::string(front ? "Front" : "Back") + " Hooks are:");
        EXPECT_EQ(hooks.Relop->currentText(), "<= (a subset or equal to)");
        EXPECT_EQ(CheckedSlots(hooks), (std::vector<int>{SlotOfName('A'), SlotOfName('E'), SlotOfName('S')}));
        EXPECT_TRUE(hooks.Home->hasFocus());
        hooks.OK->click();
        EXPECT_EQ(Typed(), "") << side << ": unchanged";

        OpenHooks(front, RelationAtMost, Tiles("AES"));
        PickWithMouse(*hooks.Relop, 3);
        EXPECT_TRUE(hooks.Home->hasFocus());
        hooks.OK->click();
        EXPECT_EQ(Typed(), "/" + side + "=(AES) ") << "the relation alone changed";

        OpenHooks(front, RelationAtMost, Tiles("S"));
        hooks.ClearAll->click();
        EXPECT_TRUE(hooks.Home->hasFocus());
        Press(hooks, Qt::Key_Return);
        EXPECT_FALSE(hooks.isVisible());
        EXPECT_EQ(Typed(), "/" + side + "<=( ) ") << "an empty set";
    }
}

TEST_F(SetFilterTest, ASetWithATileTwiceIsTypedAgainWithEachTileOnce) {
    OpenHooks(true, RelationAtLeast, Tiles("AAB"));
    EXPECT_EQ(CheckedSlots(hooks), (std::vector<int>{SlotOfName('A'), SlotOfName('B')}));
    hooks.OK->click();
    EXPECT_EQ(Typed(), "/<>=(AB) ");
}

TEST_F(SetFilterTest, SpanishBoxesCarryTheSpanishTilesAndKeys) {
    SetLanguageTables(Language::Spanish);
    OpenHooks(false, RelationAtLeast, Tiles("Z"));
    EXPECT_EQ(CheckedSlots(hooks), std::vector<int>{SlotOfName('2')}) << "Z is the last box of row 2";
    EXPECT_FALSE(hooks.Letters->Button(SlotOfName('1'))->isHidden());
    EXPECT_EQ(hooks.Letters->Button(SlotOfName('1'))->text(), "M");
    PickWithMouse(*hooks.Relop, 3);
    hooks.OK->click();
    EXPECT_EQ(Typed(), "/>=(1Z) ");

    OpenHooks(true, RelationEqual, LetterCounts{});
    Press(hooks, Qt::Key_K);
    Press(hooks, Qt::Key_W);
    EXPECT_EQ(CheckedSlots(hooks), std::vector<int>{}) << "no K or W in Spanish";
    Press(hooks, Qt::Key_N, Qt::ControlModifier);
    Press(hooks, Qt::Key_R, Qt::ControlModifier);
    Press(hooks, Qt::Key_R);
    Press(hooks, Qt::Key_L, Qt::ControlModifier);
    Press(hooks, Qt::Key_C);
    Press(hooks, Qt::Key_C, Qt::ControlModifier);
    hooks.OK->click();
    EXPECT_EQ(Typed(), "/<=(cCHLL\xD1RRR) ");

    OpenBlank(RelationEqual, Tiles("cCH\xD1"));
    EXPECT_EQ(blank.Letters->Button(SlotOfName('D'))->text(), "CH");
    PickWithMouse(*blank.Relop, 4);
    Press(blank, Qt::Key_Return);
    EXPECT_FALSE(blank.isVisible());
    EXPECT_EQ(Typed(), "/:>=(cCH\xD1) ");
}

TEST_F(SetFilterTest, EnglishKeysToggleTheirBoxesAndTheExtrasNeverCount) {
    OpenHooks(true, RelationEqual, LetterCounts{});
    EXPECT_TRUE(hooks.Letters->Button(SlotOfName('1'))->isHidden());
    Press(hooks, Qt::Key_Q);
    Press(hooks, Qt::Key_Q);
    Press(hooks, Qt::Key_S, Qt::ShiftModifier);
    EXPECT_EQ(CheckedSlots(hooks), std::vector<int>{SlotOfName('S')});
    hooks.SetAll->click();
    EXPECT_EQ(CheckedSlots(hooks).size(), 28u) << "the hidden extras too";
    hooks.OK->click();
    EXPECT_EQ(Typed(), "/<=(ABCDEFGHIJKLMNOPQRSTUVWXYZ) ");

    OpenHooks(true, RelationEqual, Tiles("Q"));
    Press(hooks, Qt::Key_Escape);
    EXPECT_FALSE(hooks.isVisible());
    EXPECT_EQ(Typed(), "");
}

TEST_F(SetFilterTest, TheBlankFilterWritesItsIgnoreVowelsMark) {
    const LetterCounts vowels = Tiles("AEIOU");
    OpenBlank(RelationEqual, Tiles("AE"));
    EXPECT_EQ(blank.Datum->text(), "The Blank is");
    blank.OK->click();
    EXPECT_FALSE(blank.isVisible());
    EXPECT_EQ(Typed(), "") << "unchanged";

    OpenBlank(RelationEqual, LetterCounts{});
    PickWithMouse(*blank.Relop, 1);
    for (const Qt::Key key : {Qt::Key_A, Qt::Key_E, Qt::Key_I, Qt::Key_O, Qt::Key_U}) Press(blank, key);
    blank.IgnoreVowels->click();
    EXPECT_TRUE(blank.Home->hasFocus());
    blank.OK->click();
    EXPECT_EQ(Typed(), "/:<=(-AEIOU) ");

    OpenBlank(RelationAtMost, vowels, true);
    EXPECT_TRUE(blank.IgnoreVowels->isChecked());
    blank.IgnoreVowels->click();
    blank.OK->click();
    EXPECT_EQ(Typed(), "/:<=(AEIOU) ") << "the mark alone changed";

    OpenBlank(RelationAtMost, vowels);
    blank.ClearAll->click();
    PickWithMouse(*blank.Relop, 2);
    blank.OK->click();
    EXPECT_EQ(Typed(), "/:!=( ) ");
}

TEST_F(SetFilterTest, HelpStaysOpenAndTheLayoutHoldsInBothLanguages) {
    OpenBlank(RelationEqual, LetterCounts{});
    ExpectHelpKeepsDialogOpen(blank, *blank.Help);
    ExpectSoundLayoutInBothLanguages(blank, "blank-filter");
    HooksDialogFront = false;
    ExpectSoundLayoutInBothLanguages(hooks, "hooks-filter");
}

}  // namespace
}  // namespace qora
