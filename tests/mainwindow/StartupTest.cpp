// Start-up: the good path with its welcome text, options and command file,
// and the fatal paths that leave the program waiting for a key or click.
#include <QApplication>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTextBlock>

#include "MainWindowFixture.h"
#include "platform/Scaling.h"
#include "processor/Settings.h"

namespace qora::test {
namespace {

using StartupTest = MainWindowTest;

bool Contains(const std::vector<std::string>& lines, const std::string& wanted) {
    return std::find(lines.begin(), lines.end(), wanted) != lines.end();
}

TEST_F(StartupTest, WelcomesTheUserWithThePrimaryLexicon) {
    AddLexicon();
    ASSERT_EQ(Start({"-f", "20", "-z"}), "");
    Settle();
    const std::vector<std::string> lines = Lines();
    for (const std::string& line : WelcomeLines()) EXPECT_TRUE(Contains(lines, line)) << line;
    EXPECT_NE(WelcomeLines()[1].find("ENGLISH"), std::string::npos);
    EXPECT_EQ(lines[0], "Warning - The argument \"-z\" is not an option of QORA and is ignored");
    // Without an initialization file the definitions are looked for in "TWLdefs.txt".
    EXPECT_EQ(lines[lines.size() - 2].rfind("Warning - There are no definitions", 0), 0u);
    EXPECT_EQ(lines.back(), "QORA?: ");
    EXPECT_EQ(form->windowTitle(), "QORA - ENGLISH");
    EXPECT_EQ(Workspace().font().pointSize(), 20);
    EXPECT_TRUE(Workspace().CaretInCommandLine());
    EXPECT_GE(form->frameGeometry().width(), Scaled(800));
    EXPECT_GE(form->frameGeometry().height(), Scaled(575));
    EXPECT_TRUE(form->screen()->availableGeometry().contains(form->frameGeometry().center()));
}

TEST_F(StartupTest, RunsTheCommandFileInsteadOfTheWelcome) {
    AddLexicon();
    WriteFile("start.cmd", "CAT/-?\n\nDOG/-?\n");
    WriteFile("TWLdefs.txt", "CAT a small animal\n");
    ASSERT_EQ(Start({"-x", "start.cmd"}), "");
    EXPECT_TRUE(ProcessEventsUntil([] { return CommandHistory.size() == 2 && !CommandFileRunning(); }));
    Settle();
    const std::vector<std::string> lines = Lines();
    EXPECT_FALSE(Contains(lines, WelcomeLines()[0]));
    EXPECT_TRUE(Contains(lines, "QORA?: CAT/-?"));
    EXPECT_TRUE(Contains(lines, "QORA?: DOG/-?"));
    EXPECT_EQ(lines.back(), "QORA?: ");
    EXPECT_TRUE(form->ControlsEnabled());
    // The definitions file is open: the word at the caret is defined beside.
    QTextCursor onCat(Workspace().document()->findBlockByNumber(0));
    onCat.setPosition(onCat.position() + 9);
    Workspace().setTextCursor(onCat);
    EXPECT_EQ(Main().DefinitionsBox().toPlainText(), "a small animal");
}

TEST_F(StartupTest, ADefinitionsFileThatIsAFolderIsReported) {
    AddLexicon();
    std::filesystem::create_directory(lexicons.Path() + "/TWLdefs.txt");
    ASSERT_EQ(Start(), "");
    Settle();
    EXPECT_TRUE(Contains(Lines(),
                         "Warning - There are no definitions: the definitions file TWLdefs.txt cannot be read: "
                         "it is a folder, not a file"));
}

TEST_F(StartupTest, ACommandFileThatCannotRunIsReported) {
    AddLexicon();
    ASSERT_EQ(Start({"-x", "missing.cmd"}), "");
    Settle();
    const std::vector<std::string> lines = Lines();
    EXPECT_EQ(lines[lines.size() - 3].rfind("Error - Cannot run command file missing.cmd", 0), 0u);
    EXPECT_EQ(lines.back(), "QORA?: ");
}

// The orderings and the letter mapping are those of the primary lexicon's
// language, from the start and after every change of language.
TEST_F(StartupTest, TheOrderingsAndTheMappingFollowTheLanguage) {
    lexicons.Add("ESPANOL.QLX", {"CHICO", "A\xD1O", "ZAZA", "ABAB"}, Language::Spanish);
    AddLexicon();
    WriteFile("qora.ini", "[LEXICONS]\nPRIMARY ESPANOL\n");
    ASSERT_EQ(Start(), "");
    Settle();
    for (const char* line : {"/T2 A\xD1O", "/P11 CHICO", "ZAZA", "[M]"}) Perform(line);
    const std::vector<std::string> lines = Lines();
    EXPECT_TRUE(Contains(lines, "A\xD1O")) << "the Spanish word-output ordering";
    EXPECT_TRUE(Contains(lines, "CCHIO: CHICO"));
    EXPECT_TRUE(Contains(lines, "ABAB")) << "the Spanish letter mapping";
    EXPECT_EQ(DisplayedSettings.RandomRackOrder, "ABCchDEFGHIJLllMN\xD1OPQRrrSTUVXYZ?");

    // Another language: its own alphabet, whatever the last one had.
    for (const char* name : {"ENGLISH", "ESPANOL"}) {
        std::string error;
        ASSERT_TRUE(ChooseLexicons(FindLexiconByShortName(name), -1, 0, error)) << error;
        const bool spanish = std::string(name) == "ESPANOL";
        EXPECT_EQ(StandingSettings.CanonicalOutputOrder, AlphabeticalOrdering(false)) << name;
        EXPECT_EQ(DisplayedSettings.RandomRackOrder, AlphabeticalOrdering(true)) << name;
        EXPECT_EQ(StandingSettings.CanonicalOutputOrder.size(), spanish ? 31u : 26u) << name;
        EXPECT_EQ(LetterMapping, RotationLetterMapping()) << name;
        EXPECT_EQ(LetterMapping.size(), spanish ? 28u : 26u) << name;
    }
}

struct FatalCase {
    const char* name;
    void (*prepare)(MainWindowTest&);
    std::vector<std::string> arguments;
    const char* reasonStart;
};

void PrintTo(const FatalCase& fatal, std::ostream* out) { *out << fatal.name; }

class FatalStartupTest : public MainWindowTest, public testing::WithParamInterface<FatalCase> {};

TEST_P(FatalStartupTest, ShowsTheReasonAndEndsWithStatusOneOnAKey) {
    GetParam().prepare(*this);
    const std::string reason = Start(GetParam().arguments);
    ASSERT_EQ(reason.rfind(GetParam().reasonStart, 0), 0u) << reason;

    form->ShowFatalError(reason);
    Settle();
    const std::vector<std::string> lines = Lines();
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[lines.size() - 2], reason);
    EXPECT_EQ(lines.back(), "QORA cannot run - click the mouse or press any key to exit.");
    for (QWidget* control : {static_cast<QWidget*>(&Workspace()), static_cast<QWidget*>(&Main().Perform()),
                             static_cast<QWidget*>(&Main().Challenge()), static_cast<QWidget*>(&Main().Options()),
                             static_cast<QWidget*>(form->menuBar())})
        EXPECT_FALSE(control->isEnabled());
    EXPECT_EQ(Main().ExitStatus(), 0);
    QTest::keyClick(form, Qt::Key_A);
    EXPECT_EQ(Main().ExitStatus(), 1);
}

TEST_F(StartupTest, AFatalStartEndsOnAClickToo) {
    ASSERT_NE(Start(), "");
    form->ShowFatalError("no lexicon");
    QTest::mouseClick(Workspace().viewport(), Qt::LeftButton);
    EXPECT_EQ(Main().ExitStatus(), 1);
}

std::vector<unsigned char> BrokenNodes() {
    std::vector<unsigned char> image = TestLexiconImage({"CAT", "DOG"});
    for (std::size_t i = 96; i < 100; ++i) image[i] = 0xFF;  // the first node's child far outside
    return image;
}

INSTANTIATE_TEST_SUITE_P(
    Reasons, FatalStartupTest,
    testing::Values(FatalCase{"NoLexicon", [](MainWindowTest&) {}, {}, "There is no lexicon file (*.QLX)"},
                    FatalCase{"NotALexicon",
                              [](MainWindowTest& test) {
                                  test.lexicons.AddFile("JUNK.QLX", {'n', 'o', 'p', 'e'});
                              },
                              {},
                              "File JUNK.QLX is not a lexicon file"},
                    FatalCase{"BrokenNodes",
                              [](MainWindowTest& test) { test.lexicons.AddFile("BROKEN.QLX", BrokenNodes()); },
                              {},
                              "File BROKEN.QLX is not a lexicon file"},
                    FatalCase{"UnusableIni",
                              [](MainWindowTest& test) {
                                  test.AddLexicon();
                                  test.WriteFile("qora.ini", "[NO SUCH SECTION]\n");
                              },
                              {},
                              "Initialization file qora.ini is unusable"},
                    FatalCase{"MissingNamedIni",
                              [](MainWindowTest& test) { test.AddLexicon(); },
                              {"-i", "club.ini"},
                              "Initialization file club.ini is unusable"}),
    [](const testing::TestParamInfo<FatalCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace qora::test
