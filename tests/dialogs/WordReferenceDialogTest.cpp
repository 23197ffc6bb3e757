// The Add Word Reference dialog: the reference each choice types, the
// repetition count, the position lists and the focus moves.
#include "dialogs/WordReferenceDialog.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "dialogs/DialogParts.h"
#include "engine/Lexicons.h"
#include "platform/qt/CommitComboBox.h"
#include "platform/qt/RadioGroup.h"
#include "platform/qt/SpinField.h"
#include "processor/CommandLine.h"
#include "support/qt/CommandDialogTest.h"
#include "support/qt/WidgetInput.h"

namespace qora {
namespace {

class WordReferenceDialogTest : public CommandDialogTest {
protected:
    void SetUp() override {
        CommandDialogTest::SetUp();
        MaxWordLength = 15;
        dialog.FillPositions();
    }

    void Show(const char* line = "") { OpenOnLine(dialog, line); }
    void Count(UpDownButton button, int times) {
        for (int i = 0; i < times; ++i) dialog.RepetitionCount->Arrows->Click(button);
    }
    static void SetPosition(SubwordPosition& group, int position, bool fromEnd) {
        group.Value->setCurrentIndex(position - 1);
        (fromEnd ? group.End : group.Start)->click();
    }

    TAddWordReference dialog;
};

TEST_F(WordReferenceDialogTest, EachChoiceTypesItsReference) {
    struct Case {
        const char* line;
        int ups, downs;
        bool mapping, required;
        QRadioButton* TAddWordReference::*kind;
        int from;
        bool fromEnd;
        int thru;
        bool thruEnd;
        const char* expected;
    };
    using D = TAddWordReference;
    // Each control once; how the texts are written is the texts' own table.
    const Case cases[] = {
        {"", 0, 0, true, true, &D::EntireWordReversed, 1, false, 1, true, "[M~]!"},
        {"", 0, 3, false, false, &D::EntireWord, 1, false, 1, true, "0[]"},  // 0 is the least
        {"AB,CD", 2, 0, false, false, &D::EntireWord, 1, false, 1, true, "AB,CD 3[]"},
        {"", 0, 0, false, false, &D::SubwordFromWord, 2, false, 1, true, "[2-1|]"},
        {"", 0, 0, false, false, &D::SubwordFromWord, 4, true, 2, false, "[4|-2]"},
        {"", 0, 0, true, false, &D::SubwordFromReversedWord, 1, false, 2, true, "[M~1-2|]"},
    };
    for (const Case& c : cases) {
        Show(c.line);
        EXPECT_EQ(dialog.RepetitionCount->Value->text(), "          1") << "every showing counts 1 again";
        Count(UpDownButton::Up, c.ups);
        Count(UpDownButton::Down, c.downs);
        dialog.Mapping->SetItemIndex(c.mapping ? 1 : 0);
        dialog.Requirement->SetItemIndex(c.required ? 1 : 0);
        (dialog.*c.kind)->click();
        const bool reversed = c.kind == &D::SubwordFromReversedWord;
        SetPosition(reversed ? dialog.SubwordRevFrom : dialog.SubwordFrom, c.from, c.fromEnd);
        SetPosition(reversed ? dialog.SubwordRevThru : dialog.SubwordThru, c.thru, c.thruEnd);
        dialog.OK->click();
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(Typed(), c.expected);
        EXPECT_EQ(ParseError(Typed()), "") << Typed();
    }
}

TEST_F(WordReferenceDialogTest, TheCountStopsAtItsEndsAndShowsZeroAsZeroOrMore) {
    Show();
    Count(UpDownButton::Down, 2);
    EXPECT_EQ(dialog.RepetitionCount->Value->text(), " 0 or more");
    Count(UpDownButton::Up, 1);
    EXPECT_EQ(dialog.RepetitionCount->Count(), 1) << "the first click up counts again";
    Count(UpDownButton::Up, 200);
    EXPECT_EQ(dialog.RepetitionCount->Count(), RepeatCountMaximum);
    Count(UpDownButton::Down, 1);
    EXPECT_EQ(dialog.RepetitionCount->Count(), RepeatCountMaximum - 1);
}

TEST_F(WordReferenceDialogTest, TheKindsShowTheirPositionsAndMoveTheFocusOn) {
    Show();
    EXPECT_FALSE(dialog.SubwordFrom.Box->isVisible());
    dialog.SubwordFromWord->click();
    EXPECT_TRUE(dialog.SubwordFrom.Box->isVisible());
    EXPECT_TRUE(dialog.SubwordThru.Box->isVisible());
    EXPECT_FALSE(dialog.SubwordRevFrom.Box->isVisible());
    EXPECT_TRUE(dialog.SubwordFrom.Value->hasFocus());
    PickWithMouse(*dialog.SubwordFrom.Value, 4);
    EXPECT_TRUE(dialog.SubwordThru.Value->hasFocus());
    PickWithMouse(*dialog.SubwordThru.Value, 6);
    EXPECT_TRUE(dialog.OK->hasFocus());
    dialog.SubwordFromReversedWord->click();
    EXPECT_FALSE(dialog.SubwordFrom.Box->isVisible());
    EXPECT_TRUE(dialog.SubwordRevThru.Box->isVisible());
    EXPECT_TRUE(dialog.SubwordRevFrom.Value->hasFocus());
    dialog.EntireWordReversed->click();
    EXPECT_FALSE(dialog.SubwordRevFrom.Box->isVisible());
    EXPECT_TRUE(dialog.OK->hasFocus());
    // The kind and the positions stay for the next showing.
    dialog.SubwordFromWord->click();
    dialog.Cancel->click();
    Show();
    EXPECT_TRUE(dialog.SubwordFrom.Box->isVisible());
    EXPECT_EQ(dialog.SubwordFrom.Value->currentIndex(), 4);
    dialog.OK->click();
    EXPECT_EQ(Typed(), "[5-7|]");
}

TEST_F(WordReferenceDialogTest, ThePositionsFollowTheLongestWordOfThePrimaryLexicon) {
    Show();
    dialog.SubwordFromWord->click();
    dialog.SubwordFrom.Value->setCurrentIndex(9);
    MaxWordLength = 8;
    FillWordReferencePositions();  // nothing while there is no dialog
    AddWordReference = &dialog;
    FillWordReferencePositions();
    AddWordReference = nullptr;
    for (const SubwordPosition* group :
         {&dialog.SubwordFrom, &dialog.SubwordThru, &dialog.SubwordRevFrom, &dialog.SubwordRevThru}) {
        EXPECT_EQ(group->Value->count(), 8);
        EXPECT_EQ(group->Value->itemText(7), "     8");
        EXPECT_EQ(group->Value->currentIndex(), 0);
    }
    // Without a lexicon there are no positions: only the entire word.
    MaxWordLength = 0;
    dialog.FillPositions();
    EXPECT_FALSE(dialog.SubwordFromWord->isEnabled());
    EXPECT_FALSE(dialog.SubwordFromReversedWord->isEnabled());
    EXPECT_TRUE(dialog.EntireWord->isChecked());
    EXPECT_FALSE(dialog.SubwordFrom.Box->isVisible());
}

TEST_F(WordReferenceDialogTest, HelpStaysOpenAndEscTypesNothing) {
    Show();
    ExpectHelpKeepsDialogOpen(dialog, *dialog.Help);
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(Typed(), "");
}

TEST_F(WordReferenceDialogTest, Layout) {
    dialog.SubwordFromReversedWord->setChecked(true);
    ExpectSoundLayoutInBothLanguages(dialog, "word-reference");
}

}  // namespace
}  // namespace qora
