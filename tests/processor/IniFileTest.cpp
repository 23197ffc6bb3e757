#include "processor/IniFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "engine/Lexicons.h"
#include "processor/FunctionKeys.h"
#include "processor/PageSettings.h"
#include "processor/Recording.h"
#include "support/EngineDataFixture.h"
#include "support/LocalTime.h"

namespace qora {
namespace {

std::time_t fixedNow = 0;
std::time_t FixedClock() { return fixedNow; }

// Runs in the test's folder (so "qora.ini" means the test's own), with three
// lexicons in the table and the clock at 10:00 on Monday 4 March 2024.
class IniFileTest : public test::EngineDataTest {
protected:
    void SetUp() override {
        EngineDataTest::SetUp();
        previousFolder_ = std::filesystem::current_path();
        std::filesystem::current_path(Folder());
        RecordingClock = FixedClock;
        fixedNow = test::LocalTime(2024, 3, 4, 10);
        for (const char* name : {"QORA24", "WORLDWIDE", "HISPANO"}) {
            LexiconTable.emplace_back();
            LexiconTable.back().ShortName = name;
        }
        LexiconCount = 3;
        PrimaryLexicon = 2;
        SecondaryLexiconIndex = 1;
        ChallengeLexicon = 2;
    }

    void TearDown() override {
        std::filesystem::current_path(previousFolder_);
        EngineDataTest::TearDown();
    }

private:
    std::filesystem::path previousFolder_;
};

TEST_F(IniFileTest, WithoutAnyFileTheBuiltInValuesHold) {
    EXPECT_EQ(ReadIniFile(""), "");
    EXPECT_EQ(IniFileName, "");
    EXPECT_FALSE(RecordingOn);
    EXPECT_EQ(InitialChallengeLexicon, 0);
    EXPECT_EQ(CurrentPageSettings, IniPageSettings);
    EXPECT_EQ(RevertSeconds, 300);
    ASSERT_EQ(WriteIniFile("none.ini", false), "");
    EXPECT_EQ(ReadFile("none.ini"),
              "[DEFINITIONS]\nTWLdefs.txt\n"
              "[RECORDING FILENAME PREFIX]\ncw\n"
              "[RECORDING PERIODS]\n"
              "[PRINTER PAGE SETTINGS]\n 120 120 120 8 0 40\n"
              "[LEXICONS]\nPRIMARY QORA24\nSECONDARY NONE\nCHALLENGE QORA24\n"
              "[FUNCTION KEYS]\n"
              "[REVERT TO CHALLENGE]\nOFF\n");
}

TEST_F(IniFileTest, ReadsEverySection) {
    WriteFile("qora.ini",
              "; the club's settings\r\n"
              "[DEFINITIONS]\r\n"
              "  defs/worldwide.txt  \r\n"
              "\r\n"
              "[RECORDING FILENAME PREFIX]\r\n"
              "records/cw\r\n"
              "[RECORDING PERIODS]\r\n"
              "first friday 18,4\r\n"
              "DAILY 9,3\r\n"
              "[PRINTER PAGE SETTINGS]\r\n"
              " 100 90 10 5 1 30\r\n"
              "[PRINTER FONT]\r\n"
              "Courier New\r\n"
              "[PRINTER FONT SIZE]\r\n"
              "11\r\n"
              "[DEFAULT DIRECTORY]\r\n"
              "/home/judge/lists\r\n"
              "[LEXICONS]\r\n"
              "PRIMARY qora24\r\n"
              "SECONDARY WORLDWIDE\r\n"
              "CHALLENGE WORLDWIDE\r\n"
              "[FUNCTION KEYS]\r\n"
              "F1 A \"/|=7 \"\r\n"
              "F12 R! \"/X\"club.cmd\"\"\r\n"
              "F5 A \"A\xC3\x91O\"\r\n"
              "[REVERT TO CHALLENGE]\r\n"
              "ON 120\r\n"
              "[WORKSPACE FONT]\r\n"
              "DejaVu Sans Mono\r\n"
              "13\r\n");
    ASSERT_EQ(ReadIniFile(""), "");
    EXPECT_EQ(IniFileName, "qora.ini");
    EXPECT_TRUE(RecordingOn) << "Monday 10:00 lies in DAILY 9,3";
    EXPECT_TRUE(ChallengeRecordFileName.ends_with("/records/cw240304.wds")) << ChallengeRecordFileName;
    EXPECT_EQ(CurrentPageSettings, IniPageSettings);
    EXPECT_EQ(InitialChallengeLexicon, 1);
    // Every value read, as the writer writes it: trimmed, UTF-8 in the code
    // page, lexicon names in any case.
    ASSERT_EQ(WriteIniFile("read.ini", false), "");
    EXPECT_EQ(ReadFile("read.ini"),
              "[DEFINITIONS]\ndefs/worldwide.txt\n"
              "[RECORDING FILENAME PREFIX]\nrecords/cw\n"
              "[RECORDING PERIODS]\nFIRST FRIDAY 18,4\nDAILY 9,3\n"
              "[PRINTER PAGE SETTINGS]\n 100 90 10 5 1 30\n"
              "[PRINTER FONT]\nCourier New\n"
              "[PRINTER FONT SIZE]\n11\n"
              "[DEFAULT DIRECTORY]\n/home/judge/lists\n"
              "[LEXICONS]\nPRIMARY QORA24\nSECONDARY WORLDWIDE\nCHALLENGE WORLDWIDE\n"
              "[FUNCTION KEYS]\nF1 A \"/|=7 \"\nF5 A \"A\xD1O\"\nF12 R! \"/X\"club.cmd\"\"\n"
              "[REVERT TO CHALLENGE]\nON 120\n"
              "[WORKSPACE FONT]\nDejaVu Sans Mono\n13\n");
}

TEST_F(IniFileTest, AFileWithoutSomeSectionsLeavesTheirDefaults) {
    WriteFile("club.ini",
              "[LEXICONS]\nPRIMARY WORLDWIDE\n[PRINTER PAGE SETTINGS]\n -5 900 250 100 7 -99999999999999999999\n");
    ASSERT_EQ(ReadIniFile("club.ini"), "");
    EXPECT_EQ(IniDefinitionsFileName, "") << "a file without [DEFINITIONS] names no definitions file";
    EXPECT_EQ(RecordingFilePrefix, "cw");
    EXPECT_EQ(PrimaryLexicon, 1);
    EXPECT_EQ(ChallengeLexicon, 1) << "the challenge lexicon follows the primary one";
    EXPECT_EQ(SecondaryLexiconIndex, -1);
    EXPECT_EQ(PageSettingsValues(IniPageSettings), (std::array<std::int32_t, 6>{0, 500, 250, 99, 2, 0}));
    EXPECT_EQ(CurrentPageSettings, IniPageSettings);

    WriteFile("empty.ini", "");
    ASSERT_EQ(ReadIniFile("empty.ini"), "");
    EXPECT_EQ(IniDefinitionsFileName, "");
}

struct UnusableCase {
    const char* Text;
    int Line;
    const char* Problem;
};

TEST_F(IniFileTest, EveryUnusableLineIsNamedWithItsNumberAndCause) {
    const std::string tooLong = "[DEFINITIONS]\n" + std::string(1001, 'x') + "\n";
    const UnusableCase cases[] = {
        {"X\n", 1, "A value comes before the first section"},
        {"; note\n\n[FOO]\n", 3, "Unknown section [FOO]"},
        {"[lexicons]\n", 1, "Unknown section [lexicons]"},
        {"[DEFINITIONS]\n[LEXICONS]\n", 1, "[DEFINITIONS] holds no value"},
        {"[LEXICONS]\n[WORKSPACE FONT]", 2, "[WORKSPACE FONT] holds no value"},
        {"[DEFINITIONS]\na\nb\n", 3, "[DEFINITIONS] takes at most 1 line"},
        {"[WORKSPACE FONT]\nA\n10\nB\n", 4, "[WORKSPACE FONT] takes at most 2 lines"},
        {"[DEFINITIONS]\na\n[DEFINITIONS]\nb\n", 3, "[DEFINITIONS] is given twice"},
        {"[LEXICONS]\nPRIMARY NOSUCH\n", 2, "There is no lexicon named NOSUCH"},
        {"[LEXICONS]\nMAIN QORA24\n", 2, "PRIMARY, SECONDARY or CHALLENGE and a lexicon's short name are expected"},
        {"[LEXICONS]\nPRIMRY QORA19\n", 2, "PRIMARY, SECONDARY or CHALLENGE and a lexicon's short name are expected"},
        {"[PRINTER PAGE SETTINGS]\n 1 2 3 4 5\n", 2, "Six whole numbers are needed"},
        {"[PRINTER PAGE SETTINGS]\n 1 2 x 4 5 6\n", 2, "Six whole numbers are needed"},
        {"[PRINTER FONT SIZE]\n99999999999999999999999\n", 2, "The font size must be a whole number from 4 to 144"},
        {"[WORKSPACE FONT]\nMono\n10pt\n", 3, "The font size must be a whole number from 4 to 144"},
        {"[RECORDING PERIODS]\nDAILY 24,1\n", 2, "The start hour must be a whole number from 0 to 23"},
        {"[RECORDING PERIODS]\nDAILY 6,0\n", 2, "The duration must be a whole number of hours from 1 to 24"},
        {"[RECORDING PERIODS]\nDAILY 6\n", 2, "A period must be ALWAYS, DAILY h,d, or a week, a weekday and h,d"},
        {"[RECORDING PERIODS]\nALWAYS 6,1\n", 2, "A period must be ALWAYS, DAILY h,d, or a week, a weekday and h,d"},
        {"[FUNCTION KEYS]\nF10 A \"x\"\n", 2, "F10 opens the menu and holds no macro"},
        {"[FUNCTION KEYS]\nF13 A \"x\"\n", 2,
         "F1 to F12 (not F10), R (replace) or A (append), an optional ! (run), and the macro in double quotes are "
         "expected"},
        {"[FUNCTION KEYS]\nF1 A \"x\n", 2,
         "F1 to F12 (not F10), R (replace) or A (append), an optional ! (run), and the macro in double quotes are "
         "expected"},
        {"[REVERT TO CHALLENGE]\nON 0\n", 2, "ON and the seconds (1 to 86400), or OFF, are expected"},
        {"[REVERT TO CHALLENGE]\nOFF 5\n", 2, "ON and the seconds (1 to 86400), or OFF, are expected"},
        {"[DEFINITIONS]\nde\x01\x02\n", 2, "The line holds the control character 1 at character 3"},
        {tooLong.c_str(), 2, "The line is longer than 1000 characters"},
    };
    for (const UnusableCase& unusable : cases) {
        ResetRecording();
        RecordingFilePrefix = "kept";
        WriteFile("bad.ini", unusable.Text);
        EXPECT_EQ(ReadIniFile("bad.ini"), "Initialization file bad.ini is unusable: line " +
                                              std::to_string(unusable.Line) + ": " + unusable.Problem)
            << unusable.Text;
        EXPECT_EQ(RecordingFilePrefix, "kept") << "nothing of an unusable file is applied";
    }
}

TEST_F(IniFileTest, ANamedFileThatCannotBeReadIsUnusable) {
    EXPECT_EQ(ReadIniFile("missing.ini"), "Initialization file missing.ini is unusable: No such file or directory");
    std::filesystem::create_directory("folder.ini");
    EXPECT_EQ(ReadIniFile("folder.ini"), "Initialization file folder.ini is unusable: it is a folder, not a file");
}

TEST_F(IniFileTest, TheWriterWritesWhatTheReaderReadsBack) {
    IniDefinitionsFileName = "defs.txt";
    RecordingFilePrefix = "judge";
    RecordingPeriods = {{RecordingWeek::Last, 6, 9, 12}, {RecordingWeek::Always, 0, 0, 0}};
    PrinterFontName = "Courier";
    PrinterFontSize = 10;
    DefaultDirectoryName = "/srv/lists";
    FunctionKeys[2] = {"/X\"a b.cmd\"", true, false};
    FunctionKeys[8] = {"", false, true};
    RevertTimerOn = true;
    RevertSeconds = 45;
    WorkspaceFontName = "Mono";
    WorkspaceFontSize = 12;
    ASSERT_EQ(WriteIniFile("round.ini", false), "");
    EXPECT_EQ(InitialChallengeLexicon, 2);
    EXPECT_EQ(ReadFile("round.ini"),
              "[DEFINITIONS]\ndefs.txt\n"
              "[RECORDING FILENAME PREFIX]\njudge\n"
              "[RECORDING PERIODS]\nLAST SATURDAY 9,12\nALWAYS\n"
              "[PRINTER PAGE SETTINGS]\n 120 120 120 8 0 40\n"
              "[PRINTER FONT]\nCourier\n"
              "[PRINTER FONT SIZE]\n10\n"
              "[DEFAULT DIRECTORY]\n/srv/lists\n"
              "[LEXICONS]\nPRIMARY HISPANO\nSECONDARY WORLDWIDE\nCHALLENGE HISPANO\n"
              "[FUNCTION KEYS]\nF3 R \"/X\"a b.cmd\"\"\nF9 A! \"\"\n"
              "[REVERT TO CHALLENGE]\nON 45\n"
              "[WORKSPACE FONT]\nMono\n12\n");

    const auto keys = FunctionKeys;
    ResetIniFile();
    ResetFunctionKeys();
    ResetRecording();
    PrimaryLexicon = ChallengeLexicon = 0;
    ASSERT_EQ(ReadIniFile("round.ini"), "");
    EXPECT_EQ(IniDefinitionsFileName, "defs.txt");
    EXPECT_EQ(RecordingFilePrefix, "judge");
    EXPECT_EQ(FormatRecordingPeriod(RecordingPeriods[0]), "LAST SATURDAY 9,12");
    EXPECT_TRUE(RecordingOn);
    EXPECT_EQ(PrinterFontName, "Courier");
    EXPECT_EQ(DefaultDirectoryName, "/srv/lists");
    EXPECT_EQ(PrimaryLexicon, 2);
    EXPECT_EQ(SecondaryLexiconIndex, 1);
    for (int k = 0; k < FunctionKeyCount; ++k) {
        EXPECT_EQ(FunctionKeys[k].Macro, keys[k].Macro);
        EXPECT_EQ(FunctionKeys[k].Replace, keys[k].Replace);
        EXPECT_EQ(FunctionKeys[k].Run, keys[k].Run);
    }
    EXPECT_EQ(RevertSeconds, 45);
    EXPECT_EQ(WorkspaceFontSize, 12);
}

TEST_F(IniFileTest, TheFirstRewriteMovesTheOldFileAside) {
    WriteFile("qora.ini", "[DEFINITIONS]\nold.txt\n");
    ASSERT_EQ(ReadIniFile(""), "");
    IniDefinitionsFileName = "first.txt";
    ASSERT_EQ(WriteIniFile("qora.ini", false), "");
    EXPECT_EQ(ReadFile("qora.~ini"), "[DEFINITIONS]\nold.txt\n");
    IniDefinitionsFileName = "second.txt";
    ASSERT_EQ(WriteIniFile("./qora.ini", false), "");
    EXPECT_EQ(ReadFile("qora.~ini"), "[DEFINITIONS]\nold.txt\n") << "only the first rewrite moves the file aside";
    EXPECT_NE(ReadFile("qora.ini").find("second.txt"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists("qora.ini.new"));

    ASSERT_EQ(WriteIniFile("fresh.ini", false), "");
    EXPECT_FALSE(std::filesystem::exists("fresh.~ini")) << "a new file has nothing to move aside";

    WriteFile("locked.ini", "[DEFINITIONS]\nold.txt\n");
    ::chmod("locked.ini", 0444);
    EXPECT_EQ(WriteIniFile("locked.ini", false), "Cannot write the initialization file locked.ini: Permission denied");
    EXPECT_FALSE(std::filesystem::exists("locked.~ini")) << "a refused write moves nothing aside";

    EXPECT_EQ(IniBackupName("qora.ini"), "qora.~ini");
    EXPECT_EQ(IniBackupName("/a/b/club.setup.ini"), "/a/b/club.setup.~ini");
    EXPECT_EQ(IniBackupName("conf.d/qora"), "conf.d/qora~");
    EXPECT_EQ(IniBackupName("qora"), "qora~");
}

TEST_F(IniFileTest, PageSettingsAreWrittenAsTheDialogChose) {
    CurrentPageSettings.TopMargin = 200;
    ASSERT_EQ(WriteIniFile("page.ini", false), "");
    EXPECT_NE(ReadFile("page.ini").find(" 120 120 120 8 0 40"), std::string::npos) << "left as is";
    EXPECT_EQ(IniPageSettings.TopMargin, 120);
    ASSERT_EQ(WriteIniFile("page.ini", true), "");
    EXPECT_NE(ReadFile("page.ini").find(" 200 120 120 8 0 40"), std::string::npos) << "updated with current settings";
    EXPECT_EQ(IniPageSettings, CurrentPageSettings);
}

TEST_F(IniFileTest, AFailedWriteLosesNothing) {
    WriteFile("qora.ini", "[DEFINITIONS]\nold.txt\n");
    const std::string error = WriteIniFile("no/such/folder/qora.ini", true);
    EXPECT_EQ(error.rfind("Cannot write the initialization file no/such/folder/qora.ini: ", 0), 0u) << error;
    EXPECT_EQ(ReadFile("qora.ini"), "[DEFINITIONS]\nold.txt\n");
    EXPECT_EQ(IniPageSettings, PageSettings());
}

// The dialogs let through only what the file gives back as it was typed: a
// prefix such as ";cw" would become a comment and leave the file unusable.
TEST_F(IniFileTest, OnlyValuesThatReadBackUnchangedAreWritable) {
    const std::pair<std::string, bool> values[] = {
        {"judge/cw", true},
        {"caf\xE9 \xD1"
         "and\xFA",
         true},
        {std::string(MaxIniLineLength, 'x'), true},
        {";cw", false},
        {"[DEFINITIONS]", false},
        {"cw\t", false},
        {"a\x01z", false},
        {"caf\xC3\xA9", false},  // these bytes would be read as UTF-8
        {std::string(MaxIniLineLength + 1, 'x'), false},
    };
    for (const auto& [value, writable] : values) {
        SCOPED_TRACE(value.substr(0, 20));
        EXPECT_EQ(IsWritableIniValue(value), writable);
        if (!writable) continue;
        RecordingFilePrefix = value;
        ASSERT_EQ(WriteIniFile("values.ini", false), "");
        ResetRecording();
        ASSERT_EQ(ReadIniFile("values.ini"), "");
        EXPECT_EQ(RecordingFilePrefix, value);
    }
    EXPECT_TRUE(IsWritableIniValue("")) << "an empty value leaves its section out";
}

TEST_F(IniFileTest, MacrosMayHoldAnythingTheirLineCanCarry) {
    const std::pair<std::string, bool> macros[] = {
        {" ;starts like a comment ", true},
        {std::string(MaxFunctionKeyMacroLength, 'm'), true},
        {std::string(MaxFunctionKeyMacroLength + 1, 'm'), false},
        {"\xC3\xA9", false},
    };
    for (const auto& [macro, writable] : macros) {
        SCOPED_TRACE(macro.substr(0, 20));
        EXPECT_EQ(IsWritableFunctionKeyMacro(macro), writable);
        if (!writable) continue;
        FunctionKeys[11] = {macro, true, true};
        ASSERT_EQ(WriteIniFile("macros.ini", false), "");
        ResetFunctionKeys();
        ASSERT_EQ(ReadIniFile("macros.ini"), "");
        EXPECT_EQ(FunctionKeys[11].Macro, macro);
    }
}

}  // namespace
}  // namespace qora
