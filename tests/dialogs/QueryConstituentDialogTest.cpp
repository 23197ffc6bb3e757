// The Add Query Constituent dialog driven with clicks and keys: its frame,
// its pages and the text each OK types.
#include "dialogs/QueryConstituentDialog.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "dialogs/LetterSetPages.h"
#include "engine/Lexicons.h"
#include "engine/UserSets.h"
#include "platform/qt/CommitComboBox.h"
#include "platform/qt/NumberField.h"
#include "platform/qt/PageControl.h"
#include "platform/qt/RadioGroup.h"
#include "platform/qt/SpinField.h"
#include "platform/qt/Text.h"
#include "processor/CommandLine.h"
#include "support/qt/CommandDialogTest.h"
#include "support/qt/WidgetInput.h"
#include "widgets/TileControls.h"

namespace qora {
namespace {

class QueryConstituentDialogTest : public CommandDialogTest {
protected:
    TAddQueryCharacter dialog;

    void Show(const char* line = "") { OpenOnLine(dialog, line); }

    void SwitchLanguage(Language language) {
        UseLanguage(language);
        dialog.ApplyLexiconLanguage();
    }

    void ChoosePage(int index) { QTest::mouseClick(dialog.QCKinds->Tab(index), Qt::LeftButton); }
    void ChoosePresence(int item) { dialog.Presence->Item(item)->click(); }
    void Key(QWidget& widget, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(&widget, key, modifiers);
    }
    void Arrow(UpDownButton button, int times = 1) {
        for (int i = 0; i < times; ++i) dialog.RepetitionCount->Arrows->Click(button);
    }
};

// Each showing resets the frame (count, presence, set members) and keeps the
// page, the tile, the requirement and a pattern-implying blank; the arrows
// start again from the count shown.
TEST_F(QueryConstituentDialogTest, EachShowingResetsTheFrameAndKeepsThePages) {
    Show();
    EXPECT_TRUE(dialog.Letter->LetterHome->hasFocus());
    dialog.Requirement->Item(1)->click();
    dialog.Letter->Letters->Button(SlotOfName('Q'))->click();
    ChoosePage(BlankPageIndex);
    dialog.BlankKind->Item(PatternImplyingBlank)->click();
    Arrow(UpDownButton::Up, RepeatCountMaximum + 5);
    EXPECT_EQ(dialog.RepetitionCount->Count(), RepeatCountMaximum);
    ChoosePresence(RepeatedAnyLetter);
    EXPECT_TRUE(dialog.PresenceOK->isVisible());
    EXPECT_FALSE(dialog.QCKinds->isEnabled());
    EXPECT_EQ(dialog.QCKinds->ActivePageIndex(), LetterPageIndex) << "the Blank page is disabled";
    dialog.QCCancel->click();
    EXPECT_EQ(Typed(), "");

    Show();
    EXPECT_EQ(dialog.Presence->ItemIndex(), NoRestriction);
    EXPECT_FALSE(dialog.PresenceOK->isVisible());
    EXPECT_TRUE(dialog.QCKinds->PageEnabled(BlankPageIndex));
    EXPECT_EQ(dialog.RepetitionCount->Value->text(), "          1");
    Arrow(UpDownButton::Down, 2);
    EXPECT_EQ(dialog.RepetitionCount->Value->text(), " 0 or more");
    dialog.Letter->OK->click();
    EXPECT_EQ(Typed(), "0Q!");

    // The blank kind follows the line's blank scoring, unless it is the
    // pattern-implying blank, which a line with a rack part refuses.
    ClearLine();
    Show("AB,C");
    ChoosePage(BlankPageIndex);
    EXPECT_EQ(dialog.BlankKind->ItemIndex(), PatternImplyingBlank);
    EXPECT_FALSE(dialog.Blank->OK->isEnabled());
    dialog.BlankKind->Item(ZeroScoringBlank)->click();
    EXPECT_TRUE(dialog.Blank->OK->isEnabled());
    dialog.Blank->OK->click();
    EXPECT_EQ(Typed(), "AB,C ?!/Z");
    Show("?/Z");
    EXPECT_EQ(dialog.BlankKind->ItemIndex(), ZeroScoringBlank);
    EXPECT_TRUE(dialog.Blank->OK->hasFocus());
}

// "Certain letter(s)" leaves the Blank page for the Letter page; "any
// letter" is typed by the frame's own OK; the set-members choice belongs to
// the built-in, word-based and user-defined pages without a presence mark.
TEST_F(QueryConstituentDialogTest, PresenceChoosesPagesAndMarks) {
    Show();
    ChoosePage(BlankPageIndex);
    ChoosePresence(FirstTimeCertainLetters);
    EXPECT_EQ(dialog.QCKinds->ActivePageIndex(), LetterPageIndex);
    EXPECT_TRUE(dialog.Letter->OK->isEnabled());
    EXPECT_TRUE(dialog.Letter->LetterHome->hasFocus());
    Arrow(UpDownButton::Up);
    dialog.Requirement->Item(1)->click();
    dialog.Letter->Letters->Button(SlotOfName('X'))->click();
    Key(*dialog.Letter->LetterHome, Qt::Key_Return);
    EXPECT_EQ(Typed(), "2(+X!)");
    EXPECT_FALSE(dialog.isVisible());

    ClearLine();
    Show("ABC,DE");
    ChoosePresence(RepeatedAnyLetter);
    EXPECT_FALSE(dialog.Letter->OK->isEnabled());
    dialog.PresenceOK->click();
    EXPECT_EQ(Typed(), "ABC,DE (-)");

    for (int page = 0; page < QueryConstituentPageCount; ++page) {
        Show();
        ChoosePage(page);
        const bool shown =
            page == BuiltInSetPageIndex || page == WordBasedSetPageIndex || page == UserDefinedSetPageIndex;
        EXPECT_EQ(dialog.SetMembers->isVisible(), shown) << page;
        ChoosePresence(RepeatedCertainLetters);
        EXPECT_FALSE(dialog.SetMembers->isVisible()) << page;
    }
}

TEST_F(QueryConstituentDialogTest, TheLetterPageTakesClicksAndKeys) {
    Show("ABC,DE");
    dialog.Requirement->Item(0)->click();
    dialog.Letter->Letters->Button(SlotOfName('F'))->click();
    EXPECT_TRUE(dialog.Letter->LetterHome->hasFocus());
    dialog.Letter->OK->click();
    EXPECT_EQ(Typed(), "ABC,DE F");

    ClearLine();
    Show();
    Key(*dialog.Letter->LetterHome, Qt::Key_K);
    EXPECT_TRUE(dialog.Letter->Letters->TileChecked(11));
    Key(*dialog.Letter->LetterHome, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(Typed(), "");

    SwitchLanguage(Language::Spanish);
    Show();
    EXPECT_EQ(ToCodePage(dialog.Letter->Letters->Button(SlotOfName('O'))->text()), "\xD1");
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        char slot;
    } keys[] = {
        {Qt::Key_N, Qt::ControlModifier, 'O'}, {Qt::Key_Z, Qt::NoModifier, '2'}, {Qt::Key_K, Qt::NoModifier, '2'}};
    for (const auto& k : keys) {
        Key(*dialog.Letter->LetterHome, k.key, k.modifiers);
        EXPECT_TRUE(dialog.Letter->Letters->Button(SlotOfName(k.slot))->isChecked()) << k.slot;
    }
    TypeCharacters(*dialog.Letter->LetterHome, QString(QChar(0xE9)));
    EXPECT_TRUE(dialog.Letter->Letters->Button(SlotOfName('F'))->isChecked()) << "\xE9 is E";
    Key(*dialog.Letter->LetterHome, Qt::Key_C, Qt::ControlModifier);
    Key(*dialog.Letter->LetterHome, Qt::Key_Return);
    EXPECT_EQ(Typed(), "CH");

    ClearLine();
    Show("AC");
    Key(*dialog.Letter->LetterHome, Qt::Key_H);
    Key(*dialog.Letter->LetterHome, Qt::Key_Return);
    EXPECT_EQ(Typed(), "ACh") << "an H after a single C stays an H";
}

// A pick in a relation list commits it (the second value only for "x - y"
// and "x < y") and moves on to the first value; the rule reads the fields.
TEST_F(QueryConstituentDialogTest, TheBuiltInPageWritesSetsAndRelations) {
    BuiltInSetPage& page = *dialog.BuiltInSet;
    Show();
    ChoosePage(BuiltInSetPageIndex);
    EXPECT_TRUE(page.OK->hasFocus());
    page.ScoreBasedSet->click();
    EXPECT_FALSE(page.OK->isEnabled()) << "no value yet";
    PickWithMouse(*page.ScoreBasedRelop, 0);
    EXPECT_TRUE(page.ScoreBasedValue2->isVisible());
    EXPECT_TRUE(page.ScoreBasedValue1->hasFocus());
    QTest::keyClicks(page.ScoreBasedValue1, "3a");
    QTest::keyClicks(page.ScoreBasedValue2, "5");
    EXPECT_FALSE(page.OK->isEnabled());
    QTest::keyClick(page.ScoreBasedValue1, Qt::Key_Backspace);
    EXPECT_TRUE(page.OK->isEnabled());
    dialog.Requirement->Item(1)->click();
    dialog.SetMembers->Item(1)->click();
    page.OK->click();
    EXPECT_EQ(Typed(), "(@$3-5)!");

    ClearLine();
    Show();
    dialog.Requirement->Item(0)->click();
    page.CountBasedSet->click();
    QTest::keyClicks(page.CountBasedValue1, "13");
    EXPECT_FALSE(page.OK->isEnabled()) << "no relation is \">=\": above the highest count";
    QTest::keyClick(page.CountBasedValue1, Qt::Key_Backspace);
    PickWithMouse(*page.CountBasedRelop, 7);
    EXPECT_FALSE(page.CountBasedValue2->isVisible());
    page.OK->click();
    EXPECT_EQ(Typed(), "(#>1)") << "and 1 is below it";
}

TEST_F(QueryConstituentDialogTest, TheWordBasedPageFollowsItsCheckedButton) {
    WordBasedSetPage& page = *dialog.WordBasedSet;
    Show();
    ChoosePage(WordBasedSetPageIndex);
    EXPECT_FALSE(page.OK->isEnabled()) << "neither button";
    QTest::keyClicks(page.WordBasedAnagramString, "abc");
    page.WordBasedPatternButton->click();
    QTest::keyClicks(page.WordBasedPatternString, " RE.AIN");
    EXPECT_TRUE(page.OK->isEnabled());
    page.WordBasedAnagramButton->click();
    page.OK->click();
    EXPECT_EQ(Typed(), "(abc?)");
}

TEST_F(QueryConstituentDialogTest, TheSpecifiedPageCountsTilesByArrowsAndKeys) {
    SpecifiedSetPage& page = *dialog.SpecifiedSet;
    Show();
    ChoosePage(SpecifiedSetPageIndex);
    EXPECT_TRUE(page.Memo->hasFocus());
    EXPECT_FALSE(page.OK->isEnabled());
    Key(*page.Memo, Qt::Key_Return);
    EXPECT_TRUE(dialog.isVisible()) << "Enter does nothing while OK is disabled";
    Key(*page.Memo, Qt::Key_B);
    EXPECT_EQ(page.TileRows->Counter(SlotOfName('B'))->Field()->text(), " 1");
    EXPECT_TRUE(page.OK->isEnabled());
    Key(*page.Memo, Qt::Key_B, Qt::ShiftModifier);
    EXPECT_EQ(page.TileRows->Counter(SlotOfName('B'))->Field()->text(), "");
    EXPECT_FALSE(page.OK->isEnabled());
    page.TileRows->Counter(SlotOfName('A'))->Arrows()->Click(UpDownButton::Up);
    for (int i = 0; i < 2; ++i) Key(*page.Memo, Qt::Key_E);
    Arrow(UpDownButton::Up);
    dialog.SetMembers->Item(1)->click();  // not a mark of this set
    Key(*page.Memo, Qt::Key_Return);
    EXPECT_EQ(Typed(), "2(A2E)");

    SwitchLanguage(Language::Spanish);
    ClearLine();
    Show();
    page.OneAllValues->click();
    EXPECT_EQ(page.TileRows->Counter(SlotOfName('2'))->Field()->text(), " 1");
    page.ZeroAllValues->click();
    Key(*page.Memo, Qt::Key_M);
    dialog.QCCancel->click();
    Show();
    EXPECT_TRUE(page.OK->isEnabled()) << "the M of the Spanish extras counts";
    page.OK->click();
    EXPECT_EQ(Typed(), "(1M)");
}

TEST_F(QueryConstituentDialogTest, TheAllButPageLeavesOutTheTilesChecked) {
    AllButSetPage& page = *dialog.AllButSet;
    Show();
    ChoosePage(AllButSetPageIndex);
    EXPECT_TRUE(page.OK->isEnabled()) << "no tile left out is allowed";
    for (const Qt::Key key : {Qt::Key_Q, Qt::Key_X, Qt::Key_Z, Qt::Key_E, Qt::Key_E}) Key(*page.Memo, key);
    EXPECT_FALSE(page.TileRows->TileChecked(5)) << "typed twice";
    page.OK->click();
    EXPECT_EQ(Typed(), "(!QXZ)");

    ClearLine();
    Show();
    page.SetAll->click();
    EXPECT_FALSE(page.OK->isEnabled());
    Key(*page.Memo, Qt::Key_Return);
    EXPECT_EQ(Typed(), "") << "Enter does nothing while OK is disabled";
    page.TileRows->Button(SlotOfName('A'))->click();
    EXPECT_TRUE(page.OK->isEnabled());
    EXPECT_TRUE(page.Memo->hasFocus());
    page.ClearAll->click();
    page.OK->click();
    EXPECT_EQ(Typed(), "(!)");
}

TEST_F(QueryConstituentDialogTest, TheUserDefinedPageNeedsASetChosen) {
    LetterCountRecord letters;
    letters.Counts[0] = 1;
    DefineUserSet(3, "", letters);
    DefineUserSet(12, "vowels", letters);
    dialog.RefreshListTabs();
    Show("AB,C");
    ChoosePage(UserDefinedSetPageIndex);
    EXPECT_FALSE(dialog.UserDefinedSet->OK->isEnabled()) << "no set chosen";
    dialog.BaseSet->setCurrentIndex(1);
    dialog.SetMembers->Item(1)->click();
    dialog.UserDefinedSet->OK->click();
    EXPECT_EQ(Typed(), "AB,C(@12)") << "the set joins the rack part";
}

TEST_F(QueryConstituentDialogTest, TheQueryBasedPageNamesALetterOrConstituentBefore) {
    Show();
    ChoosePage(QueryBasedSetPageIndex);
    EXPECT_FALSE(dialog.QueryBasedSet->OK->isEnabled()) << "no constituent before";
    EXPECT_FALSE(dialog.SameLetterButton->isEnabled());
    dialog.QCCancel->click();

    Show("AB");
    EXPECT_EQ(dialog.SameLetterValue->currentText(), "1st letter of the word");
    dialog.SameConstituentButton->click();
    PickWithMouse(*dialog.SameConstituentValue, 0);
    EXPECT_TRUE(dialog.QueryBasedSet->OK->hasFocus()) << "a pick moves on to OK";
    dialog.QueryBasedSet->OK->click();
    EXPECT_EQ(Typed(), "AB(S-2)");
}

TEST_F(QueryConstituentDialogTest, HelpButtonsKeepTheDialogOpen) {
    Show();
    ExpectHelpKeepsDialogOpen(dialog, *dialog.Help);
    ChoosePage(SpecifiedSetPageIndex);
    ExpectHelpKeepsDialogOpen(dialog, *dialog.SpecifiedSet->Help);
}

TEST_F(QueryConstituentDialogTest, LayoutInBothLanguages) {
    for (const Language language : {Language::English, Language::Spanish}) {
        SwitchLanguage(language);
        const char* suffix = language == Language::Spanish ? "-es" : "-en";
        for (int page = 0; page < QueryConstituentPageCount; ++page) {
            Show("AB");
            ChoosePage(page);
            ExpectSoundLayout(dialog, ("query-constituent-" + std::to_string(page) + suffix).c_str());
        }
        ChoosePresence(FirstTimeAnyLetter);
        ExpectSoundLayout(dialog, (std::string("query-constituent-any-letter") + suffix).c_str());
    }
}

}  // namespace
}  // namespace qora
