// The Define New Set dialog: the number and label of the set, the pages that
// need sets, and what each page's OK types.
#include "dialogs/NewSetDialog.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "dialogs/DialogParts.h"
#include "dialogs/LetterSetPages.h"
#include "engine/UserSets.h"
#include "platform/qt/CommitComboBox.h"
#include "platform/qt/NumberField.h"
#include "platform/qt/PageControl.h"
#include "platform/qt/RadioGroup.h"
#include "platform/qt/SpinField.h"
#include "support/qt/CommandDialogTest.h"
#include "support/qt/WidgetInput.h"
#include "widgets/TileControls.h"

namespace qora {
namespace {

class NewSetDialogTest : public CommandDialogTest {
protected:
    // Sets of one A with these numbers.
    static void DefineSets(std::initializer_list<std::int32_t> numbers) {
        LetterCountRecord letters;
        letters.Counts[0] = 1;
        for (const std::int32_t number : numbers) DefineUserSet(number, "", letters);
    }
    void Show() {
        dialog.hide();
        ClearLine();
        Open(dialog);
    }
    void ChoosePage(int index) { QTest::mouseClick(dialog.NewSetKinds->Tab(index), Qt::LeftButton); }
    void ClickUnused(UpDownButton button) { dialog.UnusedNumberUpDown->Click(button); }
    std::string UnusedShown() const { return dialog.UnusedNumber->text().toStdString(); }

    TDefineNewSet dialog;
};

TEST_F(NewSetDialogTest, WithoutSetsThereIsNothingToReplaceCopyOrCompute) {
    Show();
    EXPECT_EQ(UnusedShown(), "  1");
    dialog.ChooseNumber->Item(ExistingSetItem)->click();
    EXPECT_EQ(dialog.ChooseNumber->ItemIndex(), UnusedNumberItem) << "snaps back";
    EXPECT_FALSE(dialog.ExistingSets->isEnabled());
    EXPECT_EQ(dialog.ExistingSets->currentText(), "(none)");
    EXPECT_FALSE(dialog.NewSetKinds->Tab(CopySetPage)->isVisible());
    EXPECT_FALSE(dialog.NewSetKinds->Tab(ComputedSetPage)->isVisible());
    // The first showing of a run: the vowels.
    EXPECT_TRUE(dialog.BuiltInSet->OK->hasFocus());
    dialog.BuiltInSet->OK->click();
    EXPECT_EQ(Typed(), "/1U=(V)");

    DefineSets({5});
    Show();
    EXPECT_TRUE(dialog.ExistingSets->isEnabled());
    EXPECT_TRUE(dialog.NewSetKinds->Tab(CopySetPage)->isVisible());
    EXPECT_FALSE(dialog.NewSetKinds->Tab(ComputedSetPage)->isVisible());
    ChoosePage(CopySetPage);
    dialog.Cancel->click();
    DeleteUserSet(5);
    Show();
    EXPECT_EQ(dialog.NewSetKinds->ActivePageIndex(), NewBuiltInSetPage) << "the copy page went with the sets";
}

TEST_F(NewSetDialogTest, TheUnusedNumberSkipsTheNumbersInUse) {
    DefineSets({1, 2, 4});
    Show();
    EXPECT_EQ(UnusedShown(), "  3");
    ClickUnused(UpDownButton::Down);
    EXPECT_EQ(UnusedShown(), "  3") << "no lower free number";
    ClickUnused(UpDownButton::Up);
    EXPECT_EQ(UnusedShown(), "  5");
    ClickUnused(UpDownButton::Down);
    EXPECT_EQ(UnusedShown(), "  3");
    DefineSets({98, 99});
    Show();
    for (int i = 0; i < 100; ++i) ClickUnused(UpDownButton::Up);
    EXPECT_EQ(UnusedShown(), " 97") << "99 and 98 in use: the arrows go back";
    dialog.BuiltInSet->OK->click();
    EXPECT_EQ(Typed(), "/97U=(V)");
}

// With all 99 numbers in use a set can only be replaced.
TEST_F(NewSetDialogTest, WithEveryNumberInUseOnlyAReplacement) {
    for (std::int32_t number = 1; number <= MaxUserSetNumber; ++number) DefineSets({number});
    Show();
    EXPECT_FALSE(dialog.ChooseNumber->Item(UnusedNumberItem)->isEnabled());
    EXPECT_EQ(dialog.ChooseNumber->ItemIndex(), ExistingSetItem);
    EXPECT_EQ(UnusedShown(), "");
    dialog.ExistingSets->setCurrentIndex(41);
    dialog.BuiltInSet->OK->click();
    EXPECT_EQ(Typed(), "/42U=(V)");
}

TEST_F(NewSetDialogTest, EachPageWritesItsSetAfterTheNumberAndLabel) {
    DefineSets({1, 3, 7});
    struct Case {
        int page;
        std::function<void(TDefineNewSet&)> choose;
        const char* expected;
    };
    // One set of each page; the pages' own controls are driven in the query
    // constituent's tests, which share them.
    const Case cases[] = {
        {NewBuiltInSetPage,
         [](TDefineNewSet& d) {
             d.BuiltInSet->ScoreBasedSet->click();
             PickWithMouse(*d.BuiltInSet->ScoreBasedRelop, 0);
             QTest::keyClicks(d.BuiltInSet->ScoreBasedValue1, "2");
             QTest::keyClicks(d.BuiltInSet->ScoreBasedValue2, "4");
         },
         "/2U=($2-4)"},
        // The relation shown is written, also one stepped to with the keys.
        {NewBuiltInSetPage,
         [](TDefineNewSet& d) {
             d.BuiltInSet->ScoreBasedSet->click();
             PickWithMouse(*d.BuiltInSet->ScoreBasedRelop, 6);
             d.BuiltInSet->ScoreBasedValue1->clear();
             QTest::keyClicks(d.BuiltInSet->ScoreBasedValue1, "8");
             QTest::keyClick(d.BuiltInSet->ScoreBasedRelop, Qt::Key_Down);
         },
         "/2U=($>8)"},
        {NewWordBasedSetPage,
         [](TDefineNewSet& d) {
             d.WordBasedSet->WordBasedAnagramButton->click();
             QTest::keyClicks(d.WordBasedSet->WordBasedAnagramString, "ABC");
         },
         "/2U=(ABC?)"},
        {NewSpecifiedSetPage,
         [](TDefineNewSet& d) {
             for (const Qt::Key key : {Qt::Key_E, Qt::Key_I, Qt::Key_S, Qt::Key_E})
                 QTest::keyClick(d.SpecifiedSet->Memo, key);
         },
         "/2U=(2EIS)"},
        {NewAllButSetPage,
         [](TDefineNewSet& d) {
             for (const Qt::Key key : {Qt::Key_Q, Qt::Key_X, Qt::Key_Z}) QTest::keyClick(d.AllButSet->Memo, key);
         },
         "/2U=(!QXZ)"},
        {CopySetPage, [](TDefineNewSet& d) { PickWithMouse(*d.BaseSet, 1); }, "/2U=(3)"},
        {ComputedSetPage,
         [](TDefineNewSet& d) {
             PickWithMouse(*d.SetOperation, IntersectionItem);
             PickWithMouse(*d.Set2, 2);
         },
         "/2U=(1)&(7)"},
        {ComputedSetPage,
         [](TDefineNewSet& d) {
             d.ChooseLabel->Item(LabelItem)->click();
             QTest::keyClicks(d.SetLabel, "01234567890123456789");
             d.ChooseNumber->Item(ExistingSetItem)->click();
             PickWithMouse(*d.ExistingSets, 2);
         },
         "/7U\"01234567890123456789\"=(1)|(3)"},
    };
    for (const Case& c : cases) {
        Show();
        ChoosePage(c.page);
        c.choose(dialog);
        CommandPage& page = dialog.PageAt(c.page);
        ASSERT_TRUE(page.OK->isEnabled()) << c.expected;
        page.OK->click();
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(Typed(), c.expected);
        EXPECT_EQ(ParseError(Typed()), "") << Typed();
    }
}

TEST_F(NewSetDialogTest, AnEmptyLabelIsWrittenAsTwoDoubleQuotes) {
    Show();
    dialog.ChooseLabel->Item(LabelItem)->click();
    dialog.SetLabel->clear();
    dialog.BuiltInSet->BlankMatches->click();
    dialog.BuiltInSet->OK->click();
    EXPECT_EQ(Typed(), "/1U\"\"=(=)");
    Show();
    EXPECT_EQ(dialog.ChooseLabel->ItemIndex(), LabelItem) << "the label choice stays";
    QTest::keyClicks(dialog.SetLabel, "a\"b");
    EXPECT_EQ(dialog.SetLabel->text(), "ab");
}

TEST_F(NewSetDialogTest, TheComputedPageRefusesTheUnionOfASetWithItself) {
    DefineSets({1, 3});
    Show();
    ChoosePage(ComputedSetPage);
    EXPECT_EQ(dialog.Set1->currentIndex(), 0);
    EXPECT_EQ(dialog.Set2->currentIndex(), 1);
    EXPECT_TRUE(dialog.ComputedSet->OK->hasFocus());
    PickWithMouse(*dialog.Set2, 0);
    EXPECT_FALSE(dialog.ComputedSet->OK->isEnabled());
    PickWithMouse(*dialog.SetOperation, DifferenceItem);
    EXPECT_TRUE(dialog.ComputedSet->OK->isEnabled());
    EXPECT_TRUE(dialog.Set2->hasFocus()) << "an operation chosen moves on to the second set";
    PickWithMouse(*dialog.Set1, 0);
    EXPECT_TRUE(dialog.SetOperation->hasFocus()) << "the set chosen again moves on";
    // A change keyed in a list counts at OK.
    dialog.SetOperation->setFocus();
    QTest::keyClick(dialog.SetOperation, Qt::Key_Up);
    QTest::keyClick(dialog.SetOperation, Qt::Key_Up);
    dialog.ComputedSet->OK->click();
    EXPECT_TRUE(dialog.isVisible()) << "the union of set 1 with itself";
    EXPECT_EQ(Typed(), "");
}

TEST_F(NewSetDialogTest, SpanishTilesAndKeys) {
    UseLanguage(Language::Spanish);
    dialog.ApplyLexiconLanguage();
    Show();
    ChoosePage(NewSpecifiedSetPage);
    SpecifiedSetPage& page = *dialog.SpecifiedSet;
    page.ZeroAllValues->click();
    QTest::keyClick(page.Memo, Qt::Key_Return);
    EXPECT_TRUE(dialog.isVisible()) << "Enter does nothing while no tile is counted";
    QTest::keyClick(page.Memo, Qt::Key_C);
    QTest::keyClick(page.Memo, Qt::Key_H);
    QTest::keyClick(page.Memo, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(page.Memo, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyClick(page.Memo, Qt::Key_K);
    QTest::keyClick(page.Memo, Qt::Key_W);
    EXPECT_EQ(page.TileRows->CounterOfTile(SpanishTileCH)->Field()->text(), "");
    QTest::keyClick(page.Memo, Qt::Key_Return);
    EXPECT_EQ(Typed(), "/1U=(cH)");
    EXPECT_EQ(ParseError(Typed()), "");
}

TEST_F(NewSetDialogTest, HelpStaysOpenAndCancelTypesNothing) {
    Show();
    ExpectHelpKeepsDialogOpen(dialog, *dialog.Help);
    ExpectHelpKeepsDialogOpen(dialog, *dialog.BuiltInSet->Help);
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(Typed(), "");
}

TEST_F(NewSetDialogTest, LayoutInBothLanguages) {
    DefineSets({1, 2});
    for (const Language language : {Language::English, Language::Spanish}) {
        UseLanguage(language);
        dialog.ApplyLexiconLanguage();
        for (int page = 0; page < NewSetPageCount; ++page) {
            Show();
            ChoosePage(page);
            ExpectSoundLayout(dialog, ("new-set-" + std::to_string(page) + LanguageName(language)).c_str());
        }
    }
}

}  // namespace
}  // namespace qora
