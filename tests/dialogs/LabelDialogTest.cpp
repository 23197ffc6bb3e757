// The Label a Set and Label a Wordlist dialogs, one table for both: the
// label typed for the number named, refused characters, the empty label of
// every showing, and the slate, which takes no label.
#include "dialogs/LabelDialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <memory>

#include "support/qt/CommandDialogTest.h"

namespace qora {
namespace {

// A label typed for a number, what the dialog then names and what OK types.
struct Labelling {
    std::int32_t Number;
    const char* Label;
    const char* Caption;
    const char* Typed;
};

struct LabelCase {
    const char* Name;  // of the layout grabs
    bool Wordlists;    // the wordlist dialog, else the set dialog
    std::int32_t* Number;
    Labelling Confirmed;  // with OK
    Labelling Empty;      // with Enter
    Labelling Longest;    // 20 characters kept, the double quote refused
};

const LabelCase Cases[] = {
    {"label-set",
     false,
     &LabelSetNumber,
     {4, "vowels", "Label set 4:", "/4U\"vowels\"=(4)"},
     {17, "", "Label set 17:", "/17U\"\"=(17)"},
     {3, "ab\"cdefghijklmnopqrstuvwxyz", "Label set 3:", "/3U\"abcdefghijklmnopqrst\"=(3)"}},
    {"label-wordlist",
     true,
     &LabelWordlistNumber,
     {3, "Nouns", "Label wordlist 3:", "/3L\"Nouns\""},
     {3, "", "Label wordlist 3:", "/3L\"\""},
     {12, "ab\"cdefghijklmnopqrstuvwxyz", "Label wordlist 12:", "/12L\"abcdefghijklmnopqrst\""}},
};

class LabelDialogTest : public CommandDialogTest, public ::testing::WithParamInterface<LabelCase> {
protected:
    LabelDialogTest()
        : dialog(GetParam().Wordlists ? std::unique_ptr<TLabelDlg>(std::make_unique<TLabelWordlistDlg>())
                                      : std::make_unique<TLabelSetDlg>()) {}

    // Opens the dialog for the number on an empty line, types the label and
    // checks what the showing named.
    void TypeFor(const Labelling& labelling) {
        *GetParam().Number = labelling.Number;
        ClearLine();
        dialog->hide();
        Open(*dialog);
        EXPECT_EQ(dialog->Caption->text(), labelling.Caption);
        EXPECT_EQ(dialog->Field->text(), "");
        EXPECT_TRUE(dialog->Field->hasFocus());
        QTest::keyClicks(dialog->Field, labelling.Label);
    }

    std::unique_ptr<TLabelDlg> dialog;
};

TEST_P(LabelDialogTest, OKTypesTheLabelAsTypedForTheNumberNamed) {
    TypeFor(GetParam().Confirmed);
    dialog->OK->click();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(Typed(), GetParam().Confirmed.Typed);

    TypeFor(GetParam().Empty);  // each showing starts empty; the quotes are written empty
    QTest::keyClick(dialog->Field, Qt::Key_Return);
    EXPECT_EQ(Typed(), GetParam().Empty.Typed);
}

TEST_P(LabelDialogTest, TheLabelTakesTwentyCharactersAndNoDoubleQuote) {
    TypeFor(GetParam().Longest);
    EXPECT_EQ(dialog->Field->text(), "abcdefghijklmnopqrst");
    dialog->OK->click();
    EXPECT_EQ(Typed(), GetParam().Longest.Typed);
    EXPECT_EQ(ParseError(Typed()), "");
}

TEST_P(LabelDialogTest, HelpKeepsItOpenCancelAndEscTypeNothing) {
    TypeFor(GetParam().Confirmed);
    ExpectHelpKeepsDialogOpen(*dialog, *dialog->Help);
    dialog->Cancel->click();
    EXPECT_FALSE(dialog->isVisible());
    TypeFor(GetParam().Longest);
    QTest::keyClick(dialog->Field, Qt::Key_Escape);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(Typed(), "");
}

TEST_P(LabelDialogTest, Layout) {
    *GetParam().Number = 99;
    ExpectSoundLayoutInBothLanguages(*dialog, GetParam().Name);
}

INSTANTIATE_TEST_SUITE_P(SetsAndWordlists, LabelDialogTest, ::testing::ValuesIn(Cases),
                         [](const auto& info) { return info.param.Wordlists ? "Wordlist" : "Set"; });

using LabelWordlistTest = CommandDialogTest;

TEST_F(LabelWordlistTest, TheSlateTakesNoLabel) {
    TLabelWordlistDlg dialog;
    LabelWordlistNumber = 0;
    Open(dialog);
    EXPECT_FALSE(dialog.OK->isEnabled());
    LabelWordlistNumber = 5;
    dialog.hide();
    Open(dialog);
    EXPECT_TRUE(dialog.OK->isEnabled());
}

}  // namespace
}  // namespace qora
