#include "dialogs/NewInitializationFileDialog.h"

#include <stdlib.h>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "dialogs/FunctionKeysDialog.h"
#include "dialogs/RecordingPeriodsDialog.h"
#include "engine/Lexicons.h"
#include "platform/ProgramState.h"
#include "processor/FunctionKeys.h"
#include "processor/PageSettings.h"
#include "support/qt/ModalDriver.h"
#include "support/qt/SmallDialogTest.h"

namespace qora {
namespace {

// Two lexicons in the table and a scratch folder for the files written.
class NewIniFileDialogTest : public SmallDialogTest {
protected:
    void SetUp() override {
        SmallDialogTest::SetUp();
        ResetProgramState();
        for (const char* name : {"QORA24", "WORLDWIDE"}) {
            LexiconTable.emplace_back();
            LexiconTable.back().ShortName = name;
        }
        LexiconCount = 2;
        SetNewIniPrinterPage(false);
        char pattern[] = "/tmp/qora-newini-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        folder = pattern;
    }
    void TearDown() override {
        ResetProgramState();
        SetNewIniPrinterPage(false);
        std::filesystem::remove_all(folder);
        SmallDialogTest::TearDown();
    }

    static std::string Contents(const std::string& path) {
        std::ifstream file(path, std::ios::binary);
        std::stringstream text;
        text << file.rdbuf();
        return text.str();
    }

    QString Write() {
        return MessageAfter([this] { dialog.OK->click(); });
    }

    std::string PathOf(const char* name) const { return (folder / name).string(); }

    std::filesystem::path folder;
    TNewIniFileDlg dialog;
};

TEST_F(NewIniFileDialogTest, ShowsWhatWillBeWritten) {
    IniDefinitionsFileName = "defs.txt";
    RecordingPeriods = {{RecordingWeek::All, 5, 19, 10}, {RecordingWeek::Always, 0, 0, 0}};
    FunctionKeys[1] = {"/L2 ", true, true};
    RevertTimerOn = true;
    RevertSeconds = 45;
    PrinterFontName = "Courier";
    PrinterFontSize = 10;
    PrimaryLexicon = ChallengeLexicon = 1;
    Open(dialog);
    EXPECT_EQ(dialog.FileName->text(), "qora.ini");
    EXPECT_EQ(dialog.DefinitionsFile->text(), "defs.txt");
    EXPECT_EQ(dialog.RecordingPrefix->text(), "cw");
    EXPECT_EQ(Lines(*dialog.RecordingPeriodsList), QStringList({"ALL FRIDAY 19,10", "ALWAYS"}));
    EXPECT_EQ(Lines(*dialog.FunctionKeysList), QStringList({"F2 R! \"/L2 \""}));
    EXPECT_EQ(dialog.OtherSections->text(),
              "Lexicons: primary WORLDWIDE, secondary (none), challenge WORLDWIDE.\n"
              "Revert to challenge: after 45 idle seconds.\n"
              "Printer font: Courier, 10 points. Workspace font: the program's own.");
    EXPECT_TRUE(dialog.LeaveAsIs->isChecked());
    EXPECT_TRUE(dialog.AdjustPrinterPageSettings->isEnabled());
}

TEST_F(NewIniFileDialogTest, WriteWritesTheFileAndTheTypedValuesBecomeTheProgramsOwn) {
    Open(dialog);
    dialog.FileName->setText(QString::fromStdString(PathOf("club.ini")));
    dialog.RecordingPrefix->setText("  club/cw ");
    dialog.DefaultDirectory->setText("/srv/lists");
    dialog.DefinitionsFile->clear();
    EXPECT_EQ(Write(), QString::fromStdString("The initialization file " + PathOf("club.ini") + " has been written."));
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(RecordingFilePrefix, "club/cw");
    EXPECT_EQ(DefaultDirectoryName, "/srv/lists");
    EXPECT_EQ(IniDefinitionsFileName, "");
    const std::string text = Contents(PathOf("club.ini"));
    EXPECT_EQ(text.find("[DEFINITIONS]"), std::string::npos) << "no definitions file: no section";
    EXPECT_NE(text.find("[RECORDING FILENAME PREFIX]\nclub/cw\n"), std::string::npos) << text;
    EXPECT_NE(text.find("[DEFAULT DIRECTORY]\n/srv/lists\n"), std::string::npos) << text;

    Open(dialog);
    EXPECT_EQ(dialog.FileName->text().toStdString(), PathOf("club.ini")) << "the file name stays for the next time";
}

TEST_F(NewIniFileDialogTest, ThePrinterPageChoiceDecidesWhichPageSettingsAreWritten) {
    CurrentPageSettings.TopMargin = 200;
    SetNewIniPrinterPage(true);  // as the page-setup dialog does after a change
    Open(dialog);
    EXPECT_TRUE(dialog.UpdateWithCurrent->isChecked());
    SetNewIniPrinterPage(false);
    EXPECT_TRUE(dialog.LeaveAsIs->isChecked()) << "the open dialog follows";
    dialog.LeaveAsIs->click();
    dialog.FileName->setText(QString::fromStdString(PathOf("page.ini")));
    Write();
    EXPECT_NE(Contents(PathOf("page.ini")).find(" 120 120 120 8 0 40"), std::string::npos);

    Open(dialog);
    dialog.UpdateWithCurrent->click();
    EXPECT_TRUE(NewIniPrinterPageUpdates());
    Write();
    EXPECT_NE(Contents(PathOf("page.ini")).find(" 200 120 120 8 0 40"), std::string::npos);
    EXPECT_EQ(IniPageSettings, CurrentPageSettings);
    EXPECT_FALSE(NewIniPrinterPageUpdates()) << "the file holds the current settings now";
}

TEST_F(NewIniFileDialogTest, WriteWaitsForValuesTheFileGivesBackAsTyped) {
    Open(dialog);
    auto expectWritable = [this](QLineEdit* field, const QString& text, bool writable) {
        const QString before = field->text();
        field->setText(text);
        EXPECT_EQ(dialog.OK->isEnabled(), writable) << text.toStdString();
        field->setText(before);
        EXPECT_TRUE(dialog.OK->isEnabled());
    };
    expectWritable(dialog.RecordingPrefix, ";cw", false);
    expectWritable(dialog.RecordingPrefix, "", false);
    expectWritable(dialog.DefinitionsFile,
                   QString::fromUtf8("\xC5\x81\xC3\xB3"
                                     "d\xC5\xBA.txt"),
                   false);
    expectWritable(dialog.DefaultDirectory, "", true);
    expectWritable(dialog.FileName, " ", false);
}

TEST_F(NewIniFileDialogTest, AFileThatCannotBeWrittenChangesNothing) {
    Open(dialog);
    dialog.FileName->setText(QString::fromStdString(PathOf("no/such/folder/qora.ini")));
    dialog.RecordingPrefix->setText("club");
    const QString message = Write();
    EXPECT_TRUE(message.startsWith("Cannot write the initialization file ")) << message.toStdString();
    EXPECT_TRUE(dialog.isVisible()) << "the user may name another file";
    EXPECT_EQ(RecordingFilePrefix, "cw");
    EXPECT_EQ(dialog.RecordingPrefix->text(), "club") << "what was typed stays";
}

TEST_F(NewIniFileDialogTest, TheSectionButtonsOpenTheirDialogs) {
    Open(dialog);
    WhenModalOpens([](QWidget& modal) {
        ASSERT_EQ(&modal, TimePeriodsDlg.data());
        TimePeriodsDlg->AddPeriod->click();
        TimePeriodsDlg->OK->click();
    });
    dialog.TimePeriodsButton->click();
    EXPECT_EQ(Lines(*dialog.RecordingPeriodsList), QStringList({"ALWAYS"}));

    WhenModalOpens([](QWidget& modal) {
        ASSERT_EQ(&modal, FuncKeysDlg.data());
        FuncKeysDlg->Row(4).Macro->setText("/V+S");
        FuncKeysDlg->OK->click();
    });
    dialog.FunctionKeysButton->click();
    EXPECT_EQ(Lines(*dialog.FunctionKeysList), QStringList({"F4 A \"/V+S\""}));
    EXPECT_TRUE(dialog.isVisible());
}

TEST_F(NewIniFileDialogTest, Layout) {
    for (int n = 0; n < 8; ++n) RecordingPeriods.push_back({RecordingWeek::Fourth, 3, 23, 24});
    for (int key = 1; key <= 12; ++key) FunctionKeys[key - 1] = {"/X\"club-drill.cmd\" /L2", true, true};
    IniDefinitionsFileName = "/home/judge/lexicons/definitions/TWLdefs.txt";
    RevertTimerOn = true;
    RevertSeconds = 86400;
    PrinterFontName = "DejaVu Sans Mono";
    PrinterFontSize = 12;
    WorkspaceFontName = "Liberation Mono";
    WorkspaceFontSize = 144;
    LexiconTable[0].ShortName = std::string(15, 'W');
    LexiconTable[1].ShortName = std::string(15, 'W');
    SecondaryLexiconIndex = 1;
    Open(dialog);
    ExpectSoundLayout(dialog, "new-ini-file-dialog");
}

}  // namespace
}  // namespace qora
