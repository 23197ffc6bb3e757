#include "dialogs/LexiconDialog.h"

#include <QLabel>
#include <QPushButton>

#include "engine/LexiconFormat.h"
#include "engine/Lexicons.h"
#include "engine/Tiles.h"
#include "platform/qt/CommitComboBox.h"
#include "support/TestLexicon.h"
#include "support/qt/ModalDriver.h"
#include "support/qt/SmallDialogTest.h"

namespace qora {
namespace {

// Three good lexicons and, last, one whose nodes are damaged: its header
// passes at start-up, its check fails only when it is first chosen.
class LexiconDialogTest : public SmallDialogTest {
protected:
    void SetUp() override {
        SmallDialogTest::SetUp();
        folder.Add("ENGLISH.QLX", {"CAT", "ACT"}, Language::English,
                   {.shortName = {}, .longName = "English Club Words"});
        folder.Add("FRENCH.QLX", {"CHAT"}, Language::French);
        folder.Add("SPANISH.QLX", {"CHICO"}, Language::Spanish);
        auto damaged = TestLexiconImage({"AB", "CD"});
        damaged[LexiconHeaderSize + 2 * sizeof(LexiconNode)] = '[';  // a letter outside the alphabet
        folder.AddFile("ZBAD.QLX", damaged);
        folder.Load(0, -1, 0);
        AddLexiconStatusHook([this](const LexiconStatusChange&) { ++statusShown; });
        ConsoleEditHooks.RecheckCommandLine = [this] { ++rechecks; };
    }

    void Choose(int primary, int secondaryItem, int challenge) {
        dialog.Primary->setCurrentIndex(primary);
        dialog.Secondary->setCurrentIndex(secondaryItem);
        dialog.Challenge->setCurrentIndex(challenge);
    }

    TestLexiconFolder folder;
    TLexiconDlg dialog;
    int statusShown = 0;
    int rechecks = 0;
};

TEST_F(LexiconDialogTest, ListsShowTheShortNamesAndTheCurrentChoice) {
    SecondaryLexiconIndex = 1;
    ChallengeLexicon = 2;
    Open(dialog);
    ASSERT_EQ(dialog.Primary->count(), 4);
    EXPECT_EQ(dialog.Primary->itemText(0), "ENGLISH");
    EXPECT_EQ(dialog.Primary->itemText(3), "TEST");
    ASSERT_EQ(dialog.Secondary->count(), 5);
    EXPECT_EQ(dialog.Secondary->itemText(0), "(none)");
    EXPECT_EQ(dialog.Primary->currentIndex(), 0);
    EXPECT_EQ(dialog.Secondary->currentText(), "FRENCH");
    EXPECT_EQ(dialog.Challenge->currentText(), "SPANISH");
    EXPECT_EQ(dialog.PrimaryName->text(), "English Club Words");
    EXPECT_EQ(dialog.SecondaryName->text(), "FRENCH");

    dialog.Secondary->setCurrentIndex(0);
    EXPECT_EQ(dialog.SecondaryName->text(), "") << "(none) has no long name";
}

TEST_F(LexiconDialogTest, OKMakesTheChoiceAndShowsTheLexiconStatus) {
    Open(dialog);
    Choose(1, 3, 1);
    dialog.Cancel->click();
    EXPECT_EQ(PrimaryLexicon, 0) << "Cancel changes nothing";
    EXPECT_EQ(statusShown, 0);

    Open(dialog);
    Choose(2, 2, 0);
    dialog.OK->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(PrimaryLexicon, 2);
    EXPECT_EQ(SecondaryLexiconIndex, 1);
    EXPECT_EQ(ChallengeLexicon, 0);
    EXPECT_EQ(ActiveLanguage(), Language::Spanish);
    EXPECT_EQ(statusShown, 1);
    EXPECT_EQ(rechecks, 1) << "the command line is checked again for the new lexicons";

    Open(dialog);
    Choose(0, 0, 0);
    dialog.OK->click();
    EXPECT_EQ(SecondaryLexiconIndex, -1) << "(none)";
    EXPECT_EQ(ActiveLanguage(), Language::English);
}

TEST_F(LexiconDialogTest, ALexiconThatFailsItsCheckIsReportedAndNothingChanges) {
    Open(dialog);
    Choose(1, 4, 1);  // the damaged file as the secondary lexicon
    const QString message = MessageAfter([this] { dialog.OK->click(); });
    EXPECT_TRUE(message.startsWith("File ZBAD.QLX is not a lexicon file. ")) << message.toStdString();
    EXPECT_TRUE(dialog.isVisible()) << "the user may choose again";
    EXPECT_EQ(PrimaryLexicon, 0);
    EXPECT_EQ(SecondaryLexiconIndex, -1);
    EXPECT_EQ(statusShown, 0);
    EXPECT_EQ(rechecks, 0);
}

TEST_F(LexiconDialogTest, TheOpenerShowsTheOneFormCentredOnItsWindow) {
    QWidget mainWindow;
    mainWindow.setGeometry(60, 40, 700, 540);  // inside the 800 x 600 offscreen screen
    Open(mainWindow);
    QPoint centre;
    WhenModalOpens([&](QWidget& modal) {
        centre = modal.frameGeometry().center();
        EXPECT_EQ(&modal, LexiconDlg.data());
        LexiconDlg->Cancel->click();
    });
    ShowLexiconDialog(&mainWindow);
    EXPECT_LE((centre - mainWindow.geometry().center()).manhattanLength(), 4);
    TLexiconDlg* first = LexiconDlg;
    WhenModalOpens([](QWidget&) { LexiconDlg->Cancel->click(); });
    ShowLexiconDialog(&mainWindow);
    EXPECT_EQ(LexiconDlg.data(), first) << "the form is made once";
}

TEST_F(LexiconDialogTest, Layout) {
    // The widest names there can be: 15 and 63 characters of the widest letter.
    std::string longName = std::string(63, 'W');
    for (std::size_t blank = 15; blank < longName.size(); blank += 16) longName[blank] = ' ';
    folder.Add("LONGNAMES.QLX", {"CAT"}, Language::English, {.shortName = std::string(15, 'W'), .longName = longName});
    folder.Load(0, -1, 0);
    Open(dialog);
    dialog.Primary->setCurrentIndex(2);
    dialog.Secondary->setCurrentIndex(3);
    dialog.Challenge->setCurrentIndex(2);
    ExpectSoundLayout(dialog, "lexicon-dialog");
}

}  // namespace
}  // namespace qora
