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
#include "platform/qt/TileControls.h"
#include "processor/CommandLine.h"
#include "support/qt/CommandDialogTest.h"
#include "support/qt/WidgetInput.h"

namespace qora {
namespace {

class QueryConstituentDialogTest : public CommandDialogTest {
protected:
    TAddQueryCharacter dialog;

    // The command line as the main window leaves it after an edit: checked.
    static void OnLine(const char* line) {
        SetCommandLine(line);
        ParseCommandLine(line);
    }

    void Show(const char* line = "") {
        dialog.hide();
        OnLine(line);
        Open(dialog);
    }

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
        for (int i = 0; i < times; ++i) dialog.RepetitionCountUpDown->Click(button);
    }
};

// Each showing resets the frame (count, presence, set members) and keeps the
// page, the tile, the requirement and a pattern-implying blank.
TEST_F(QueryConstituentDialogTest, EachShowingResetsTheFrameAndKeepsThePages) {
    Show();
    EXPECT_EQ(dialog.RepetitionCountValue->text(), "          1");
    EXPECT_TRUE(dialog.LetterHome->hasFocus());
    dialog.Requirement->Item(1)->click();
    dialog.Letters->Button(SlotOfName('Q'))->click();
    ChoosePage(BlankPageIndex);
    dialog.BlankKind->Item(PatternImplyingBlank)->click();
    Arrow(UpDownButton::Up, 2);
    ChoosePresence(RepeatedAnyLetter);
    EXPECT_TRUE(dialog.PresenceOK->isVisible());
    EXPECT_FALSE(dialog.QCKinds->isEnabled());
    EXPECT_EQ(dialog.QCKinds->ActivePageIndex(), LetterPageIndex) << "the Blank page is disabled";
    dialog.QCCancel->click();
    EXPECT_EQ(Typed(), "");

    Show();
    EXPECT_EQ(dialog.Presence->ItemIndex(), NoRestriction);
    EXPECT_FALSE(dialog.PresenceOK->isVisible());
    EXPECT_TRUE(dialog.QCKinds->isEnabled());
    EXPECT_TRUE(dialog.QCKinds->PageEnabled(BlankPageIndex));
    EXPECT_EQ(dialog.RepeatCount, 1);
    EXPECT_EQ(dialog.RepetitionCountValue->text(), "          1");
    dialog.Letter->OK->click();
    EXPECT_EQ(Typed(), "Q!");

    // The blank kind follows the line's blank scoring unless it is the
    // pattern-implying blank.
    ClearLine();
    Show("?/Z");
    ChoosePage(BlankPageIndex);
    EXPECT_EQ(dialog.BlankKind->ItemIndex(), PatternImplyingBlank);
    dialog.BlankKind->Item(LetterScoringBlank)->click();
    dialog.QCCancel->click();
    Show("?/Z");
    EXPECT_EQ(dialog.BlankKind->ItemIndex(), ZeroScoringBlank);
    EXPECT_TRUE(dialog.Blank->OK->hasFocus());
}

TEST_F(QueryConstituentDialogTest, TheRepetitionCountGoesDownToZeroOrMoreAndStopsAtItsBound) {
    Show();
    Arrow(UpDownButton::Down, 3);
    EXPECT_EQ(dialog.RepetitionCountValue->text(), " 0 or more");
    dialog.Requirement->Item(1)->click();
    const std::pair<int, const char*> blanks[] = {{LetterScoringBlank, "*"}, {PatternImplyingBlank, "0.!"}};
    dialog.Letter->OK->click();
    EXPECT_EQ(Typed(), "0A!");
    for (const auto& [kind, text] : blanks) {
        ClearLine();
        Show();
        Arrow(UpDownButton::Down);
        ChoosePage(BlankPageIndex);
        dialog.BlankKind->Item(kind)->click();
        dialog.Blank->OK->click();
        EXPECT_EQ(Typed(), text);
    }
    Show();
    Arrow(UpDownButton::Up, RepeatCountMaximum + 5);
    EXPECT_EQ(dialog.RepeatCount, RepeatCountMaximum);
    Show();
    Arrow(UpDownButton::Up);
    EXPECT_EQ(dialog.RepeatCount, 2) << "the arrows start again from the count shown";
}

// "Certain letter(s)" leaves the Blank page for the Letter page; "any
// letter" is typed by the frame's own OK.
TEST_F(QueryConstituentDialogTest, PresenceChoosesPagesAndMarks) {
    Show();
    ChoosePage(BlankPageIndex);
    ChoosePresence(FirstTimeCertainLetters);
    EXPECT_EQ(dialog.QCKinds->ActivePageIndex(), LetterPageIndex);
    EXPECT_TRUE(dialog.Letter->OK->isEnabled());
    EXPECT_TRUE(dialog.LetterHome->hasFocus());
    Arrow(UpDownButton::Up);
    dialog.Requirement->Item(1)->click();
    dialog.Letters->Button(SlotOfName('X'))->click();
    QTest::keyClick(dialog.LetterHome, Qt::Key_Return);
    EXPECT_EQ(Typed(), "2(+X!)");
    EXPECT_FALSE(dialog.isVisible());

    ClearLine();
    Show("ABC,DE");
    Arrow(UpDownButton::Up);
    ChoosePresence(RepeatedAnyLetter);
    EXPECT_FALSE(dialog.Letter->OK->isEnabled());
    dialog.PresenceOK->click();
    EXPECT_EQ(Typed(), "ABC,DE 2(-)");

    // The set-members choice belongs to the built-in, word-based and
    // user-defined pages, without a presence mark.
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

TEST_F(QueryConstituentDialogTest, TheLetterPageTypesTheTileChecked) {
    Show("ABC,DE");
    dialog.Letters->Button(SlotOfName('F'))->click();
    EXPECT_TRUE(dialog.LetterHome->hasFocus());
    dialog.Letter->OK->click();
    EXPECT_EQ(Typed(), "ABC,DE F");

    ClearLine();
    Show();
    Key(*dialog.LetterHome, Qt::Key_K);
    EXPECT_TRUE(dialog.Letters->TileChecked(11));
    Key(*dialog.LetterHome, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(Typed(), "");

    SwitchLanguage(Language::Spanish);
    Show();
    EXPECT_TRUE(dialog.Letters->Button(SlotOfName('1'))->isVisible());
    EXPECT_EQ(ToCodePage(dialog.Letters->Button(SlotOfName('O'))->text()), "\xD1");
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        char slot;
    } keys[] = {{Qt::Key_C, Qt::ControlModifier, 'D'}, {Qt::Key_M, Qt::NoModifier, '1'},
                {Qt::Key_N, Qt::ControlModifier, 'O'}, {Qt::Key_R, Qt::ControlModifier, 'T'},
                {Qt::Key_Z, Qt::NoModifier, '2'},      {Qt::Key_K, Qt::NoModifier, '2'},
                {Qt::Key_W, Qt::NoModifier, '2'},      {Qt::Key_L, Qt::ControlModifier, 'M'}};
    for (const auto& k : keys) {
        Key(*dialog.LetterHome, k.key, k.modifiers);
        EXPECT_TRUE(dialog.Letters->Button(SlotOfName(k.slot))->isChecked()) << k.slot;
    }
    TypeCharacters(*dialog.LetterHome, QString(QChar(0xE9)));
    EXPECT_TRUE(dialog.Letters->Button(SlotOfName('F'))->isChecked()) << "\xE9 is E";
    Key(*dialog.LetterHome, Qt::Key_C, Qt::ControlModifier);
    Key(*dialog.LetterHome, Qt::Key_Return);
    EXPECT_EQ(Typed(), "CH");

    // An H after a single C stays an H.
    ClearLine();
    Show("AC");
    Key(*dialog.LetterHome, Qt::Key_H);
    Key(*dialog.LetterHome, Qt::Key_Return);
    EXPECT_EQ(Typed(), "ACh");
    ParseCommandLine(Typed());
    EXPECT_EQ(CurrentCommand.QueryElementCount, 3);
}

TEST_F(QueryConstituentDialogTest, TheBuiltInPageWritesSetsAndRelations) {
    const auto score = [this](int item, const char* x, const char* y = "") {
        PickWithMouse(*dialog.BuiltInSet->ScoreBasedRelop, item);
        dialog.BuiltInSet->ScoreBasedValue1->clear();
        QTest::keyClicks(dialog.BuiltInSet->ScoreBasedValue1, x);
        dialog.BuiltInSet->ScoreBasedValue2->clear();
        QTest::keyClicks(dialog.BuiltInSet->ScoreBasedValue2, y);
        return dialog.BuiltInSet->OK->isEnabled();
    };
    Show();
    ChoosePage(BuiltInSetPageIndex);
    EXPECT_TRUE(dialog.BuiltInSet->OK->hasFocus());
    dialog.BuiltInSet->ScoreBasedSet->click();
    EXPECT_FALSE(dialog.BuiltInSet->OK->isEnabled()) << "no value yet";
    PickWithMouse(*dialog.BuiltInSet->ScoreBasedRelop, 0);
    EXPECT_TRUE(dialog.BuiltInSet->ScoreBasedValue2->isVisible());
    EXPECT_TRUE(dialog.BuiltInSet->ScoreBasedValue1->hasFocus());
    EXPECT_FALSE(score(0, "12")) << "x - y without y";
    EXPECT_FALSE(score(0, "1a", "5"));
    EXPECT_FALSE(score(7, "10")) << "> the highest score";
    EXPECT_FALSE(dialog.BuiltInSet->ScoreBasedValue2->isVisible());
    EXPECT_TRUE(score(5, "10"));
    EXPECT_FALSE(score(3, "1"));
    EXPECT_TRUE(score(2, "1"));
    EXPECT_FALSE(score(6, "1234567890")) << "beyond nine digits";
    EXPECT_TRUE(score(0, "3", "5"));
    dialog.Requirement->Item(1)->click();
    dialog.SetMembers->Item(1)->click();
    dialog.BuiltInSet->OK->click();
    EXPECT_EQ(Typed(), "(@$3-5)!");

    ClearLine();
    Show();
    dialog.Requirement->Item(0)->click();  // kept from the last showing
    dialog.BuiltInSet->CountBasedSet->click();
    QTest::keyClicks(dialog.BuiltInSet->CountBasedValue1, "9");
    EXPECT_EQ(dialog.BuiltInSet->CountBasedRelop->currentIndex(), -1);
    dialog.BuiltInSet->OK->click();
    EXPECT_EQ(Typed(), "(#9)") << "no relation chosen is \">=\"";

    ClearLine();
    Show("AB,C");
    dialog.Requirement->Item(1)->click();
    dialog.BuiltInSet->ConsonantsLessY->click();
    Arrow(UpDownButton::Up);
    dialog.SetMembers->Item(1)->click();
    dialog.BuiltInSet->OK->click();
    EXPECT_EQ(Typed(), "AB,C 2(@C-)!");
}

TEST_F(QueryConstituentDialogTest, TheWordBasedPageNeedsAPatternOrLetters) {
    Show();
    ChoosePage(WordBasedSetPageIndex);
    EXPECT_FALSE(dialog.WordBasedSet->OK->isEnabled()) << "neither button";
    dialog.WordBasedSet->WordBasedPatternButton->click();
    QTest::keyClicks(dialog.WordBasedSet->WordBasedPatternString, " RE.AIN");
    EXPECT_TRUE(dialog.WordBasedSet->OK->isEnabled());
    QTest::keyClicks(dialog.WordBasedSet->WordBasedPatternString, ".");
    EXPECT_FALSE(dialog.WordBasedSet->OK->isEnabled());
    QTest::keyClick(dialog.WordBasedSet->WordBasedPatternString, Qt::Key_Backspace);
    Arrow(UpDownButton::Up);
    dialog.Requirement->Item(1)->click();
    dialog.WordBasedSet->OK->click();
    EXPECT_EQ(Typed(), "2(RE.AIN)!");

    ClearLine();
    Show();
    dialog.Requirement->Item(0)->click();
    dialog.WordBasedSet->WordBasedAnagramButton->click();
    EXPECT_FALSE(dialog.WordBasedSet->OK->isEnabled());
    QTest::keyClicks(dialog.WordBasedSet->WordBasedAnagramString, "abc");
    dialog.WordBasedSet->OK->click();
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
    for (int i = 0; i < 2; ++i) page.TileRows->Counter(SlotOfName('E'))->Arrows()->Click(UpDownButton::Up);
    Key(*page.Memo, Qt::Key_I);
    Arrow(UpDownButton::Up);
    dialog.SetMembers->Item(1)->click();  // not a mark of this set
    page.OK->click();
    EXPECT_EQ(Typed(), "2(A2EI)");

    ClearLine();
    Show();
    page.ZeroAllValues->click();
    EXPECT_FALSE(page.OK->isEnabled());
    Key(*page.Memo, Qt::Key_A);
    ChoosePresence(FirstTimeCertainLetters);
    Key(*page.Memo, Qt::Key_Return);
    EXPECT_EQ(Typed(), "(+1A)");

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
    Key(*page.Memo, Qt::Key_M, Qt::ShiftModifier);
    Key(*page.Memo, Qt::Key_C);
    Key(*page.Memo, Qt::Key_H);
    page.OK->click();
    EXPECT_EQ(Typed(), "(cH)");
}

TEST_F(QueryConstituentDialogTest, TheAllButPageLeavesOutTheTilesChecked) {
    AllButSetPage& page = *dialog.AllButSet;
    Show();
    ChoosePage(AllButSetPageIndex);
    EXPECT_TRUE(page.OK->isEnabled()) << "no tile left out is allowed";
    for (const Qt::Key key : {Qt::Key_Q, Qt::Key_X, Qt::Key_Z, Qt::Key_E, Qt::Key_E}) Key(*page.Memo, key);
    EXPECT_TRUE(page.TileRows->TileChecked(17));
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
    ChoosePresence(FirstTimeCertainLetters);
    page.OK->click();
    EXPECT_EQ(Typed(), "(+!)");
}

TEST_F(QueryConstituentDialogTest, TheUserDefinedPageNeedsASetChosen) {
    LetterCountRecord letters;
    letters.Counts[0] = 1;
    DefineUserSet(3, "", letters);
    DefineUserSet(12, "vowels", letters);
    dialog.RefreshListTabs();
    Show("AB,C");
    ChoosePage(UserDefinedSetPageIndex);
    EXPECT_EQ(dialog.BaseSet->count(), 2);
    EXPECT_FALSE(dialog.UserDefinedSet->OK->isEnabled()) << "no set chosen";
    dialog.BaseSet->setCurrentIndex(1);
    EXPECT_TRUE(dialog.UserDefinedSet->OK->isEnabled());
    Arrow(UpDownButton::Up);
    dialog.Requirement->Item(1)->click();
    dialog.SetMembers->Item(1)->click();
    dialog.UserDefinedSet->OK->click();
    EXPECT_EQ(Typed(), "AB,C 2(@12)!");
}

TEST_F(QueryConstituentDialogTest, TheQueryBasedPageNamesALetterOrConstituentBefore) {
    Show();
    ChoosePage(QueryBasedSetPageIndex);
    EXPECT_FALSE(dialog.QueryBasedSet->OK->isEnabled()) << "no constituent before";
    EXPECT_FALSE(dialog.SameLetterButton->isEnabled());
    EXPECT_FALSE(dialog.SameLetterButton->isChecked());
    dialog.QCCancel->click();

    Show("AB");
    ASSERT_EQ(dialog.SameLetterValue->count(), 4);
    EXPECT_EQ(dialog.SameLetterValue->itemText(0), "2nd previous letter of the word");
    EXPECT_EQ(dialog.SameLetterValue->currentText(), "1st letter of the word");
    EXPECT_TRUE(dialog.SameLetterButton->isEnabled());
    dialog.SameLetterButton->click();
    EXPECT_TRUE(dialog.QueryBasedSet->OK->hasFocus());
    dialog.QueryBasedSet->OK->click();
    EXPECT_EQ(Typed(), "AB(R1)");

    Show("AB");
    PickWithMouse(*dialog.SameLetterValue, 1);
    EXPECT_TRUE(dialog.QueryBasedSet->OK->hasFocus()) << "a pick moves on to OK";
    dialog.QueryBasedSet->OK->click();
    EXPECT_EQ(Typed(), "AB(R-1)");

    ClearLine();
    Show("AB");
    dialog.SameConstituentButton->click();
    PickWithMouse(*dialog.SameConstituentValue, 0);
    Arrow(UpDownButton::Up);
    dialog.QueryBasedSet->OK->click();
    EXPECT_EQ(Typed(), "AB2(S-2)");
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
