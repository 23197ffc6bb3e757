// The presentation dialogs' texts and how they read the settings.
#include "dialogs/texts/PresentationTexts.h"

#include <gtest/gtest.h>

namespace qora {
namespace {

TEST(LayoutTexts, EachLayoutOpensOnItsItemsAndConfirmsAsItself) {
    struct Case {
        std::int32_t layout, parameter;
        int orientation, spacing;
        bool comma;
        const char* command;
    };
    const Case cases[] = {
        {1, 7, OnePerLineItem, ExpandableItem, false, "/O1"},
        {2, 4, PackedRowsItem, ExpandableItem, false, "/OR4S"},
        {3, 2, PackedRowsItem, ExpandableItem, true, "/OR,2S"},
        {4, 3, ColumnatedRowsItem, MinimalItem, false, "/ORC3S"},
        {5, 12, ColumnatedRowsItem, FixedWidthItem, false, "/ORC12W"},
        {6, 10, ColumnatedRowsItem, ExpandableItem, false, "/ORC10X"},
        {7, 1, ColumnsItem, MinimalItem, false, "/OC1S"},
        {8, 80, ColumnsItem, FixedWidthItem, false, "/OC80W"},
        {9, 200, ColumnsItem, ExpandableItem, false, "/OC80X"},  // a parameter beyond the spin is clamped
    };
    for (const Case& c : cases) {
        const LayoutChoice choice = LayoutChoiceOf(c.layout, c.parameter, LayoutChoice{});
        EXPECT_EQ(choice.Orientation, c.orientation) << c.layout;
        EXPECT_EQ(choice.Spacing, c.spacing) << c.layout;
        EXPECT_EQ(choice.UseComma, c.comma) << c.layout;
        EXPECT_EQ(LayoutCommand(choice), c.command) << c.layout;
        EXPECT_EQ(SpacingShown(choice.Orientation), c.layout >= 4) << c.layout;
    }
}

TEST(LayoutTexts, OnlyTheSpinOfTheLayoutChangesAndAStrayLayoutSelectsNothing) {
    LayoutChoice before{ColumnsItem, true, MinimalItem, 5, 6, 7, 8};
    const LayoutChoice fixed = LayoutChoiceOf(LayoutColumnatedRowsFixed, 12, before);
    EXPECT_EQ(fixed, (LayoutChoice{ColumnatedRowsItem, false, FixedWidthItem, 5, 6, 12, 8}));
    LayoutChoice columns = fixed;
    columns.Orientation = ColumnsItem;
    EXPECT_EQ(LayoutCommand(columns), "/OC12W");
    EXPECT_EQ(LayoutChoiceOf(0, 3, before), (LayoutChoice{ColumnsItem, false, MinimalItem, 5, 6, 7, 8}));
}

TEST(WidthTexts, TheSwitchesChooseTheRadioButtonAndTheSpin) {
    Settings settings;
    settings.CharactersSwitch = 1;
    settings.WorkspaceWidthSwitch = 1;
    settings.MaximumWidth = 100;
    EXPECT_EQ(MaxWidthChoiceOf(settings, {}), (MaxWidthChoice{WidthKind::Workspace, 100, 8}));
    EXPECT_EQ(MaxWidthCommand(MaxWidthChoiceOf(settings, {})), "/OWA");
    settings.WorkspaceWidthSwitch = 0;
    EXPECT_EQ(MaxWidthCommand(MaxWidthChoiceOf(settings, {})), "/OW100C");
    settings.CharactersSwitch = 0;
    settings.MaximumWidth = 6;
    EXPECT_EQ(MaxWidthChoiceOf(settings, {WidthKind::Workspace, 90, 8}), (MaxWidthChoice{WidthKind::Columns, 90, 6}));
    EXPECT_EQ(MaxWidthCommand({WidthKind::Columns, 90, 6}), "/OC6C");
    // Values beyond a spin's range are clamped before anything is typed.
    settings.CharactersSwitch = 1;
    settings.MaximumWidth = 400;
    EXPECT_EQ(MaxWidthChoiceOf(settings, {}).Characters, WidthCharactersMax);
    EXPECT_EQ(WorkspaceWidthCharacters(300), WidthCharactersMax);
    EXPECT_EQ(WorkspaceWidthCharacters(5), WidthCharactersMin);
    EXPECT_EQ(WorkspaceWidthCharacters(97), 97);
}

// What the rows dialog types is driven through the dialog (LayoutDialogsTest).
TEST(RowsTexts, RowsBeyondTheSpinAreClamped) { EXPECT_EQ(RowsChoiceOf(300, {}).Rows, RowsPerPageMax); }

// The probe kinds' boxes and probes are driven through the dialog
// (ProbeSlateDialogTest); another kind keeps the boxes as they were.
TEST(ProbeTexts, AKindThatIsNoProbeKeepsTheBoxes) {
    const ProbeChoice entireAllWords{EntireWordItem, AllWordsItem, 0, {5, true}};
    const ProbeChoice kept = ProbeBoxesOfKind(3, entireAllWords);
    EXPECT_EQ(kept.LetterBox, EntireWordItem);
    EXPECT_EQ(kept.WordBox, AllWordsItem);
}

TEST(ProbeTexts, OKNeedsAWordNumberFromOneAndALetter) {
    const ProbeChoice valid{LetterNumberItem, WordNumberItem, 0, {1, true}};
    EXPECT_TRUE(ProbeComposable(valid));
    for (const FieldNumber word : {FieldNumber{0, true}, FieldNumber{1, false}}) {
        ProbeChoice choice = valid;
        choice.WordNumber = word;
        EXPECT_FALSE(ProbeComposable(choice));
        choice.LetterBox = EntireWordItem;
        EXPECT_FALSE(ProbeComposable(choice));
    }
    ProbeChoice noLetter = valid;
    noLetter.LetterItem = -1;
    EXPECT_FALSE(ProbeComposable(noLetter));
    noLetter.LetterBox = EntireWordItem;
    EXPECT_TRUE(ProbeComposable(noLetter));
}

TEST(ProbeTexts, TheLetterPositionIsKeptWithinTheLettersOffered) {
    EXPECT_EQ(ProbeLetterItem(2, 15), 1);
    EXPECT_EQ(ProbeLetterItem(0, 15), 0);
    EXPECT_EQ(ProbeLetterItem(20, 15), 14);
    EXPECT_EQ(ProbeLetterItem(1, 0), -1);
}

}  // namespace
}  // namespace qora
