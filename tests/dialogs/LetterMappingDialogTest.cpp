#include "dialogs/LetterMappingDialog.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "dialogs/texts/OptionTexts.h"
#include "platform/Scaling.h"
#include "platform/qt/Text.h"
#include "processor/Settings.h"
#include "support/qt/CommandDialogTest.h"

namespace qora {
namespace {

const std::string Alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
const std::string Reversed = "ZYXWVUTSRQPONMLKJIHGFEDCBA";

TEST(LetterMapping, CommandsAndSteppedMappings) {
    SetLanguageTables(Language::English);
    EXPECT_EQ(MappingCommand("BCDEFGHIJKLMNOPQRSTUVWXYZA"), " /M\"BCDEFGHIJKLMNOPQRSTUVWXYZA\" ");
    EXPECT_EQ(SteppedMapping(2, 1), "BCDEFGHIJKLMNOPQRSTUVWXYZA");
    EXPECT_EQ(SteppedMapping(26, -1), Reversed);
    EXPECT_EQ(StepMappingCode('Z', 1), 'A');
    EXPECT_EQ(StepMappingCode('A', -1), 'Z');
    EXPECT_EQ(StepMappingCode(' ', 1), 'A') << "a blank lies before A";
    EXPECT_EQ(StepMappingCode(' ', -1), 'Z');

    SetLanguageTables(Language::Spanish);
    const std::string identity = SteppedMapping(1, 1);
    EXPECT_EQ(identity.size(), 28u);
    EXPECT_EQ(MappingCommand(identity), " /M\"ABC CHDEFGHIJL LLMN\xD1OPQR RRSTUVXYZ\" ");
    EXPECT_EQ(MappingCommand("\x01"), " /M\"?\" ");
    EXPECT_EQ(StepMappingCode('\\', 1), 'A');
    EXPECT_EQ(MappingEntryText('D'), "CH");
}

// Keys in the mapping row from column `column` of the English identity
// mapping (Spanish for the Ctrl keys).
TEST(LetterMapping, GridKeys) {
    struct Case {
        Language language;
        int column;
        KeyStroke stroke;
        MappingKeyEffect effect;
        int columnAfter;
        std::string entry;  // the entry at `column` after the key
    };
    using E = MappingKeyEffect;
    const Case cases[] = {
        {Language::English, 0, {'Q', 0}, E::Used, 1, "Q"},
        {Language::English, 25, {'Q', ssShift}, E::Used, 0, "Q"},
        {Language::English, 3, {KeySpace, 0}, E::Used, 4, " "},
        {Language::English, 25, {KeyArrowUp, 0}, E::Used, 25, "A"},
        {Language::English, 0, {KeyArrowDown, 0}, E::Used, 0, "Z"},
        {Language::English, 0, {KeyArrowLeft, 0}, E::Used, 25, "A"},
        {Language::English, 25, {KeyArrowRight, 0}, E::Used, 0, "Z"},
        {Language::English, 4, {KeyEnter, 0}, E::Confirm, 4, "E"},
        {Language::English, 4, {KeyEscape, 0}, E::Close, 4, "E"},
        {Language::English, 4, {'7', 0}, E::Unused, 4, "E"},
        {Language::Spanish, 0, {'C', ssCtrl}, E::Used, 1, "D"},  // CH
        {Language::Spanish, 0, {'N', ssCtrl}, E::Used, 1, "P"},  // Ñ
        {Language::Spanish, 0, {0xE9, 0}, E::Used, 1, "F"},      // é is E
        {Language::Spanish, 0, {'K', 0}, E::Unused, 0, "A"},
        {Language::Spanish, 0, {KeySpace, 0}, E::Unused, 0, "A"},
        {Language::Spanish, 27, {KeyArrowUp, 0}, E::Used, 27, "A"},
    };
    for (const Case& c : cases) {
        SetLanguageTables(c.language);
        std::string mapping = SteppedMapping(1, 1);
        const MappingKey key = MappingGridKey(mapping, c.column, c.stroke, c.language);
        EXPECT_EQ(key.Effect, c.effect) << c.stroke.key;
        EXPECT_EQ(key.Column, c.columnAfter) << c.stroke.key;
        EXPECT_EQ(mapping.substr(c.column, 1), c.entry) << c.stroke.key;
    }
}

class LetterMappingDialogTest : public CommandDialogTest {
protected:
    TMappingDlg dialog;

    QString Cell(int row, int column) const { return dialog.Grid->item(row, column)->text(); }
};

TEST_F(LetterMappingDialogTest, ShowsTheMappingAndTypesItsCommand) {
    Open(dialog);
    EXPECT_EQ(dialog.Grid->columnCount(), 26);
    EXPECT_EQ(Cell(0, 0), "A");
    EXPECT_EQ(Cell(1, 0), "B");
    EXPECT_EQ(Cell(1, 25), "A");
    EXPECT_EQ(dialog.Grid->currentRow(), 1);
    EXPECT_FALSE(dialog.SpanishLabel->isVisible());
    dialog.Grid->setCurrentCell(0, 4);
    EXPECT_EQ(dialog.Grid->currentRow(), 1) << "only the mapping row is selected";
    EXPECT_EQ(dialog.Grid->currentColumn(), 0) << "a tile cannot be selected";

    dialog.Grid->setCurrentCell(1, 0);
    QTest::keyClick(dialog.Grid, Qt::Key_Q);
    EXPECT_EQ(Cell(1, 0), "Q");
    EXPECT_EQ(dialog.Grid->currentColumn(), 1);
    dialog.Cancel->click();
    EXPECT_EQ(LetterMapping, "BCDEFGHIJKLMNOPQRSTUVWXYZA") << "Cancel drops the edits";

    Open(dialog);
    EXPECT_EQ(Cell(1, 0), "B") << "the next opening shows the mapping again";
    dialog.ReverseAlphabeticalOrder->setChecked(true);
    dialog.StartingWith->setCurrentIndex(25);
    dialog.SetMap->click();
    EXPECT_EQ(Cell(1, 0), "Z");
    EXPECT_EQ(Cell(1, 25), "A");
    QTest::keyClick(dialog.Grid, Qt::Key_Return);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(Typed(), " /M\"" + Reversed + "\" ");
    EXPECT_EQ(ParseError(Typed()), "");
}

TEST_F(LetterMappingDialogTest, SpanishTilesAndTheBlankThatTheCommandRefuses) {
    UseLanguage(Language::Spanish);
    Open(dialog);
    EXPECT_EQ(dialog.Grid->columnCount(), 28);
    EXPECT_EQ(dialog.width(), Scaled(772));
    EXPECT_TRUE(dialog.SpanishLabel->isVisible());
    EXPECT_EQ(dialog.StartingWith->itemText(3), " CH");
    dialog.StartingWith->setCurrentIndex(0);
    dialog.AlphabeticalOrder->setChecked(true);
    dialog.SetMap->click();
    QTest::keyClick(dialog.Grid, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(Cell(1, 0), "CH");
    dialog.OK->click();
    EXPECT_EQ(ToCodePage(FromCodePage(Typed())), " /M\"CHBC CHDEFGHIJL LLMN\xD1OPQR RRSTUVXYZ\" ");
    EXPECT_EQ(ParseError(Typed()), "");

    UseLanguage(Language::English);
    ClearLine();
    Open(dialog);
    EXPECT_EQ(dialog.width(), Scaled(725));
    QTest::keyClick(dialog.Grid, Qt::Key_Space);
    dialog.OK->click();
    EXPECT_EQ(Typed(), " /M\" CDEFGHIJKLMNOPQRSTUVWXYZA\" ");
    EXPECT_NE(ParseError(Typed()), "") << "a blank is no letter of a mapping";
}

TEST_F(LetterMappingDialogTest, HelpAndLayoutInBothLanguages) {
    Open(dialog);
    ExpectHelpKeepsDialogOpen(dialog, *dialog.Help);
    QTest::keyClick(dialog.Grid, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(Typed(), "");
    ExpectSoundLayoutInBothLanguages(dialog, "letter-mapping");
}

}  // namespace
}  // namespace qora
