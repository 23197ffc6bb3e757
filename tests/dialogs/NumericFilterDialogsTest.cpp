// The numeric filter editors: what each shows of its filter, when its OK is
// enabled, and what it types; the probability editor's strings.
#include "dialogs/NumericFilterDialogs.h"
#include "dialogs/ProbabilityFilterDialog.h"

#include "dialogs/texts/FilterText.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "engine/Lexicons.h"
#include "platform/qt/CommitComboBox.h"
#include "platform/qt/NumberField.h"
#include "support/qt/CommandDialogTest.h"
#include "support/qt/WidgetInput.h"

namespace qora {
namespace {

class NumericFilterTest : public CommandDialogTest {
protected:
    struct Member {
        PlainNumericFilterEditor& dialog;
        NumericFilter Settings::*filter;
        std::string letter;
    };
    std::vector<Member> PlainMembers() {
        return {{length, &Settings::LengthFilter, "|"},
                {score, &Settings::ScoreFilter, "$"},
                {anagrams, &Settings::AnagramCountFilter, "&"},
                {words, &Settings::WordCountFilter, "#"}};
    }

    void SetUp() override {
        CommandDialogTest::SetUp();
        MaxWordLength = 15;
    }

    // Opens the editor on its filter with the relation code and values.
    static void OpenOn(NumericFilterEditor& dialog, NumericFilter Settings::*filter, std::int32_t code,
                       std::int32_t value1, std::int32_t value2 = 0) {
        DisplayedSettings.*filter = NumericFilter{1, code, value1, value2};
        ClearLine();
        dialog.hide();
        Open(dialog);
    }

    TEditQFWordLength length;
    TEditQFWordScore score;
    TEditQFAnagramCount anagrams;
    TEditQFWordCount words;
    TEditQFProbability probability;
};

TEST_F(NumericFilterTest, EachEditorShowsItsFilterAndTypesOnlyAChangedOne) {
    for (const Member& member : PlainMembers()) {
        PlainNumericFilterEditor& dialog = member.dialog;
        const std::string& letter = member.letter;
        OpenOn(dialog, member.filter, RelationAtLeast, 5, 9);
        EXPECT_EQ(dialog.Relop->currentText(), "  >=");
        EXPECT_EQ(dialog.Value1->text(), QString(14, ' ') + "5");
        EXPECT_EQ(dialog.Value1->selectedText(), "5");
        EXPECT_TRUE(dialog.Value1->hasFocus());
        EXPECT_TRUE(dialog.Value2->isHidden()) << "one value for >=";
        dialog.OK->click();
        EXPECT_EQ(Typed(), "") << letter << ": unchanged";

        OpenOn(dialog, member.filter, RelationAtLeast, 5, 9);
        PickWithMouse(*dialog.Relop, 0);
        EXPECT_FALSE(dialog.Value2->isHidden()) << "x - y shows the second value";
        EXPECT_TRUE(dialog.Value1->hasFocus());
        dialog.OK->click();
        EXPECT_EQ(Typed(), "/" + letter + "5-9  ") << "the relation alone changed";

        OpenOn(dialog, member.filter, RelationRange, 3, 9);
        Retype(*dialog.Value2, "12");
        QTest::keyClick(dialog.Value2, Qt::Key_Return);
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(Typed(), "/" + letter + "3-12  ");
    }
}

// The rules themselves are tested in FilterTextTest; here, that each editor
// checks with its own rule.
TEST_F(NumericFilterTest, OKNeedsValuesThatFitTheRelationAndWordLengthsTheLongestWord) {
    struct Case {
        std::int32_t code, value1, value2;
        bool lengthOK, othersOK;
    };
    const Case cases[] = {{RelationBelow, 0, 0, false, false},
                          {RelationAtMost, 1, 0, false, true},
                          {RelationAbove, 15, 0, false, true},
                          {RelationHalfOpen, 8, 9, true, true}};
    for (const Case& c : cases)
        for (const Member& member : PlainMembers()) {
            OpenOn(member.dialog, member.filter, c.code, c.value1, c.value2);
            EXPECT_EQ(member.dialog.OK->isEnabled(), member.letter == "|" ? c.lengthOK : c.othersOK)
                << member.letter << " code " << c.code << " " << c.value1;
        }
}

TEST_F(NumericFilterTest, AnEmptiedValueIsZeroWhileAHiddenBadValueKeepsOKOff) {
    OpenOn(score, &Settings::ScoreFilter, RelationAtLeast, 5);
    Retype(*score.Value1, "");
    EXPECT_TRUE(score.OK->isEnabled());
    Retype(*score.Value1, "4x");
    EXPECT_FALSE(score.OK->isEnabled());
    Retype(*score.Value1, "2147483648");
    EXPECT_FALSE(score.OK->isEnabled()) << "beyond 32 bits";
    Retype(*score.Value1, "");
    score.OK->click();
    EXPECT_EQ(Typed(), "/$0  ");

    OpenOn(score, &Settings::ScoreFilter, RelationRange, 3, 9);
    Retype(*score.Value2, "9x");
    PickWithMouse(*score.Relop, 5);
    EXPECT_TRUE(score.Value2->isHidden());
    EXPECT_FALSE(score.OK->isEnabled()) << "every value counts, shown or not";
}

TEST_F(NumericFilterTest, AKeyedRelationIsCheckedAtOnceAndCommittedByEnter) {
    OpenOn(score, &Settings::ScoreFilter, RelationBelow, 0);
    EXPECT_FALSE(score.OK->isEnabled()) << "< 0";
    score.Relop->setFocus();
    QTest::keyClick(score.Relop, Qt::Key_Down);
    EXPECT_EQ(score.Relop->currentIndex(), 3);
    EXPECT_TRUE(score.OK->isEnabled()) << "<= 0, checked on the item shown";
    QTest::keyClick(score.Relop, Qt::Key_Return);
    EXPECT_FALSE(score.isVisible());
    EXPECT_EQ(Typed(), "/$<=0  ") << "the item shown, not the one committed before";
}

TEST_F(NumericFilterTest, EscCancelsAndHelpStaysOpen) {
    OpenOn(anagrams, &Settings::AnagramCountFilter, RelationEqual, 2);
    ExpectHelpKeepsDialogOpen(anagrams, *anagrams.Help);
    Retype(*anagrams.Value1, "3");
    QTest::keyClick(anagrams.Value1, Qt::Key_Escape);
    EXPECT_FALSE(anagrams.isVisible());
    EXPECT_EQ(Typed(), "");
}

class ProbabilityFilterTest : public NumericFilterTest {
protected:
    void SetUp() override {
        NumericFilterTest::SetUp();
        QuerySettings.LetterDistribution = DisplayedSettings.LetterDistribution;
    }
    void OpenOn(std::int32_t code, std::int32_t value1, std::int32_t value2 = 0) {
        NumericFilterTest::OpenOn(probability, &Settings::ProbabilityFilter, code, value1, value2);
    }
    void TypeString(QRadioButton& button, QLineEdit& field, const char* text) {
        button.click();
        Retype(field, text);
    }
};

TEST_F(ProbabilityFilterTest, OpensOnTheIntegersAndTypesStringsInBraces) {
    OpenOn(RelationAtLeast, 100);
    EXPECT_EQ(probability.Value1Integer->text(), QString(24, ' ') + "100");
    EXPECT_TRUE(probability.Value1IntegerButton->isChecked());
    EXPECT_FALSE(probability.Value1String->isEnabled());
    EXPECT_TRUE(probability.Value1Integer->hasFocus());
    EXPECT_TRUE(probability.Value2Box->isHidden());

    TypeString(*probability.Value1StringButton, *probability.Value1String, "Qi");
    EXPECT_EQ(probability.Value1Integer->text().trimmed(), "9") << "1 Q times 9 I";
    EXPECT_FALSE(probability.Value1Integer->isEnabled());
    probability.OK->click();
    EXPECT_EQ(Typed(), "/%{Qi}  ") << "a string is a change even at the same value";

    OpenOn(RelationAtLeast, 5);
    EXPECT_TRUE(probability.Value1IntegerButton->isChecked()) << "each showing starts on the integers";
    EXPECT_EQ(probability.Value1String->text(), "Qi") << "the string is kept";
    PickWithMouse(*probability.Relop, 0);
    EXPECT_FALSE(probability.Value2Box->isHidden());
    TypeString(*probability.Value2StringButton, *probability.Value2String, "QI");
    probability.OK->click();
    EXPECT_EQ(Typed(), "/%5-{QI}  ");
}

TEST_F(ProbabilityFilterTest, BadStringsAndEmptyIntegersKeepOKOff) {
    OpenOn(RelationAtLeast, 100);
    TypeString(*probability.Value1StringButton, *probability.Value1String, "Q1");
    EXPECT_FALSE(probability.OK->isEnabled());
    probability.Value1IntegerButton->click();
    EXPECT_FALSE(probability.OK->isEnabled()) << "the string stays bad until corrected";
    TypeString(*probability.Value1StringButton, *probability.Value1String, "QI");
    EXPECT_TRUE(probability.OK->isEnabled());
    probability.Value1IntegerButton->click();
    Retype(*probability.Value1Integer, "");
    EXPECT_FALSE(probability.OK->isEnabled()) << "an empty integer is no value";

    OpenOn(RelationAtLeast, 100);
    const std::string forty(40, 'E');
    TypeString(*probability.Value1StringButton, *probability.Value1String, forty.c_str());
    EXPECT_EQ(probability.Value1String->text().size(), ProbabilityStringMaxLength);
    TypeString(*probability.Value1StringButton, *probability.Value1String, "EEEEEEAAAAAIIIIIOOOOONNNNNRRRRR");
    EXPECT_FALSE(probability.OK->isEnabled()) << "more ways than 32 bits hold";
}

TEST_F(NumericFilterTest, Layout) {
    ExpectSoundLayoutInBothLanguages(length, "word-length-filter");
    ExpectSoundLayoutInBothLanguages(probability, "probability-filter");
    PickWithMouse(*probability.Relop, 0);
    ExpectSoundLayout(probability, "probability-filter-two-values");
}

}  // namespace
}  // namespace qora
