// The Probe the Slate dialog: what it opens on for each probe kind, when its
// OK is enabled, and the probe it types.
#include "dialogs/ProbeSlateDialog.h"

#include <QPushButton>
#include <QRadioButton>

#include "engine/Lexicons.h"
#include "platform/qt/CommitComboBox.h"
#include "platform/qt/NumberField.h"
#include "platform/qt/RadioGroup.h"
#include "support/qt/CommandDialogTest.h"
#include "support/qt/WidgetInput.h"

namespace qora {
namespace {

class ProbeSlateTest : public CommandDialogTest {
protected:
    void OpenOn(PresentationKind kind, std::int32_t word, std::int32_t letter) {
        DisplayedSettings.PresentationKind = kind;
        DisplayedSettings.ProbeWordNumber = word;
        DisplayedSettings.ProbeLetterPosition = letter;
        ClearLine();
        Open(dialog);
    }
    void TypeWordNumber(const char* text) { Retype(*dialog.WordNumber, text); }

    TProbeSlateDlg dialog;
};

TEST_F(ProbeSlateTest, EachProbeKindOpensOnItsChoiceAndOKTypesItsProbe) {
    struct Case {
        PresentationKind kind;
        std::int32_t word, letter;
        int letterBox, wordBox;
        QWidget* TProbeSlateDlg::*focus;
        const char* typed;
    };
    const Case cases[] = {
        {PresentationProbeLetter, 3, 2, LetterNumberItem, WordNumberItem,
         reinterpret_cast<QWidget * TProbeSlateDlg::*>(&TProbeSlateDlg::ProbeLetter), " 2/3 "},
        {PresentationProbeColumn, 3, 1, LetterNumberItem, AllWordsItem,
         reinterpret_cast<QWidget * TProbeSlateDlg::*>(&TProbeSlateDlg::ProbeLetter), " 1/ "},
        {PresentationProbeWord, 12, 1, EntireWordItem, WordNumberItem,
         reinterpret_cast<QWidget * TProbeSlateDlg::*>(&TProbeSlateDlg::WordNumber), " /12 "},
    };
    for (const Case& c : cases) {
        OpenOn(c.kind, c.word, c.letter);
        EXPECT_EQ(dialog.ProbeLetter->currentIndex(), c.letter - 1) << c.typed;
        EXPECT_EQ(dialog.WordNumber->text().trimmed().toStdString(), std::to_string(c.word)) << c.typed;
        EXPECT_EQ(dialog.LetterBox->ItemIndex(), c.letterBox) << c.typed;
        EXPECT_EQ(dialog.WordBox->ItemIndex(), c.wordBox) << c.typed;
        EXPECT_TRUE((dialog.*c.focus)->hasFocus()) << c.typed;
        ASSERT_TRUE(dialog.OK->isEnabled()) << c.typed;
        dialog.OK->click();
        EXPECT_EQ(Typed(), c.typed);
    }
}

TEST_F(ProbeSlateTest, OKNeedsAProbeAndAWordNumberFromOne) {
    OpenOn(PresentationProbeWord, 12, 1);
    dialog.WordBox->Item(AllWordsItem)->click();
    EXPECT_FALSE(dialog.OK->isEnabled()) << "entire word of all words is no probe";
    TypeWordNumber("7");
    ASSERT_TRUE(dialog.OK->isEnabled()) << "a typed word number makes it the whole-word probe";
    for (const char* bad : {"0", "1a", "", "2147483648"}) {
        TypeWordNumber(bad);
        EXPECT_FALSE(dialog.OK->isEnabled()) << bad;
        dialog.LetterBox->Item(LetterNumberItem)->click();
        EXPECT_FALSE(dialog.OK->isEnabled()) << bad << ": a box click does not enable a bad number";
        dialog.LetterBox->Item(EntireWordItem)->click();
    }
    TypeWordNumber(" 7 ");
    dialog.OK->click();
    EXPECT_EQ(Typed(), " /7 ");
}

TEST_F(ProbeSlateTest, PickingALetterWithTheMouseMovesOnToTheWordNumber) {
    OpenOn(PresentationProbeLetter, 3, 1);
    PickWithMouse(*dialog.ProbeLetter, 4);
    EXPECT_EQ(ProbeLetterIndex, 4);
    EXPECT_TRUE(dialog.WordNumber->hasFocus());
    dialog.OK->click();
    EXPECT_EQ(Typed(), " 5/3 ");
}

TEST_F(ProbeSlateTest, TheLettersFollowThePrimaryLexiconsLongestWord) {
    MaxWordLength = 15;
    ProbeSlateDlg = &dialog;
    FillProbeWordNumbers();
    ASSERT_EQ(dialog.ProbeLetter->count(), 15);
    EXPECT_EQ(dialog.ProbeLetter->itemText(0), "   1");
    EXPECT_EQ(dialog.ProbeLetter->itemText(14), "  15");
    MaxWordLength = 8;
    FillProbeWordNumbers();
    EXPECT_EQ(dialog.ProbeLetter->count(), 8);
    EXPECT_EQ(dialog.ProbeLetter->currentIndex(), 0);
    OpenOn(PresentationProbeLetter, 3, 12);  // beyond the shorter words: the last position
    dialog.OK->click();
    EXPECT_EQ(Typed(), " 8/3 ");
    ProbeSlateDlg = nullptr;
}

TEST_F(ProbeSlateTest, CancelAndEscTypeNothingAndHelpStaysOpen) {
    OpenOn(PresentationProbeLetter, 3, 2);
    ExpectHelpKeepsDialogOpen(dialog, *dialog.Help);
    dialog.Cancel->click();
    EXPECT_FALSE(dialog.isVisible());
    OpenOn(PresentationProbeWord, 3, 2);
    QTest::keyClick(dialog.WordNumber, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(Typed(), "");
}

TEST_F(ProbeSlateTest, Layout) {
    DisplayedSettings.PresentationKind = PresentationProbeLetter;
    ExpectSoundLayoutInBothLanguages(dialog, "probe-slate");
}

}  // namespace
}  // namespace qora
