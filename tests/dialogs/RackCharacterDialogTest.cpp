// The Add Rack Character dialog: tiles and blanks added to the rack part,
// typed or clicked, and what stays from one showing to the next.
#include "dialogs/RackCharacterDialog.h"

#include <QAbstractButton>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "dialogs/DialogParts.h"
#include "dialogs/texts/QueryConstituentTexts.h"
#include "platform/qt/PageControl.h"
#include "platform/qt/RadioGroup.h"
#include "processor/CommandLine.h"
#include "support/qt/CommandDialogTest.h"
#include "widgets/TileControls.h"

namespace qora {
namespace {

class RackCharacterDialogTest : public CommandDialogTest {
protected:
    TAddRackCharacter dialog;

    void Show(const std::string& line) { OpenOnLine(dialog, line); }
    void ChoosePage(int index) { QTest::mouseClick(dialog.RCKinds->Tab(index), Qt::LeftButton); }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(dialog.Letter->LetterHome, key, modifiers);
    }
};

TEST_F(RackCharacterDialogTest, ATileBeginsARackPartOnlyOutsideOne) {
    struct Case {
        const char* line;
        char tile;
        bool required;
        const char* expected;
    };
    const Case cases[] = {
        {"AEIRST", 'Q', false, "AEIRST,Q"},
        {"AEIRST,Q", 'E', true, "AEIRST,QE!"},
        {"AEIRST,Q ", 'Z', false, "AEIRST,Q ,Z"},
    };
    for (const Case& c : cases) {
        Show(c.line);
        dialog.Requirement->SetItemIndex(c.required ? 1 : 0);
        dialog.Letter->Letters->ButtonOfTile(c.tile - 'A' + 1)->click();
        EXPECT_TRUE(dialog.Letter->LetterHome->hasFocus()) << c.line;
        dialog.Letter->OK->click();
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(Typed(), c.expected);
        EXPECT_EQ(ParseError(Typed()), "");
    }
}

TEST_F(RackCharacterDialogTest, ABlankBringsTheScoringItsKindAsksFor) {
    struct Case {
        const char* line;
        int openedOn;  // the kind the showing chooses from the line
        int kind;
        bool required;
        const char* expected;
    };
    // The line's scoring and rack part reach the text; how each is written
    // is the texts' own table.
    const Case cases[] = {
        {"AEIRST", LetterScoringBlank, ZeroScoringBlank, false, "AEIRST,?/Z"},
        {"AEIRST/Z", ZeroScoringBlank, LetterScoringBlank, false, "AEIRST/Z,?/-Z"},
        {"AEIRST,Q", LetterScoringBlank, LetterScoringBlank, true, "AEIRST,Q?!"},
    };
    Show("");
    ChoosePage(RackBlankPageIndex);
    for (const Case& c : cases) {
        Show(c.line);
        EXPECT_EQ(dialog.BlankKind->ItemIndex(), c.openedOn) << c.line;
        EXPECT_TRUE(dialog.Blank->OK->hasFocus()) << "the page stays; its OK has the focus";
        dialog.Requirement->SetItemIndex(c.required ? 1 : 0);
        dialog.BlankKind->Item(c.kind)->click();
        dialog.Blank->OK->click();
        EXPECT_EQ(Typed(), c.expected);
        EXPECT_EQ(ParseError(Typed()), "");
    }
}

TEST_F(RackCharacterDialogTest, TypedTilesEnterAndEsc) {
    Show("AB");
    EXPECT_TRUE(dialog.Letter->LetterHome->hasFocus());
    Key(Qt::Key_X);
    EXPECT_TRUE(dialog.Letter->Letters->TileChecked('X' - 'A' + 1));
    Key(Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(Typed(), "AB");
    Show("AB");
    EXPECT_TRUE(dialog.Letter->Letters->TileChecked('X' - 'A' + 1)) << "the tile stays";
    Key(Qt::Key_Return);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(Typed(), "AB,X");

    UseLanguage(Language::Spanish);
    dialog.ApplyLexiconLanguage();
    Show("AB");
    EXPECT_EQ(dialog.Letter->Letters->CheckedTile(), 1) << "a change of language checks the first tile";
    EXPECT_TRUE(dialog.Letter->LetterHome->toPlainText().contains("CTRL-letter"));
    Key(Qt::Key_L, Qt::ControlModifier);
    Key(Qt::Key_W);
    Key(Qt::Key_Return);
    EXPECT_EQ(Typed(), "AB,LL");
    // A single C at the end of the rack part and an H stay two tiles.
    Show("AB,C");
    Key(Qt::Key_H);
    Key(Qt::Key_Return);
    EXPECT_EQ(Typed(), "AB,Ch");
}

TEST_F(RackCharacterDialogTest, HelpOnEveryPageStaysOpen) {
    Show("");
    ExpectHelpKeepsDialogOpen(dialog, *dialog.Help);
    ExpectHelpKeepsDialogOpen(dialog, *dialog.Letter->Help);
    ChoosePage(RackBlankPageIndex);
    ExpectHelpKeepsDialogOpen(dialog, *dialog.Blank->Help);
    dialog.QCCancel->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(Typed(), "");
}

TEST_F(RackCharacterDialogTest, Layout) {
    ExpectSoundLayoutInBothLanguages(dialog, "rack-character");
    dialog.RCKinds->SetActivePage(RackBlankPageIndex);
    ExpectSoundLayoutInBothLanguages(dialog, "rack-character-blank");
}

}  // namespace
}  // namespace qora
