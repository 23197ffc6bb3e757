// Files the program cannot use: a full disk, a folder or a FIFO where a file
// belongs, a write-protected file, a lexicon that turns out damaged. Each
// gets a clear message; nothing is lost and nothing waits.
#include <sys/stat.h>

#include "e2e/HeadlessFixture.h"
#include "support/FileSizeLimit.h"

namespace qora::test {
namespace {

class BadFilesTest : public HeadlessTest {
protected:
    // The line after the echo of the command's line.
    std::string Answer(const std::string& line) {
        const std::string workspace = RunCommands(line + "\n");
        const std::string echo = "QORA?: " + line + "\n";
        const auto at = workspace.rfind(echo);
        if (at == std::string::npos) return "(no echo) " + workspace;
        const std::string rest = workspace.substr(at + echo.size());
        return rest.substr(0, rest.find('\n'));
    }
};

TEST_F(BadFilesTest, AFullDiskLosesNoFile) {
    Start();
    RunCommands("/. 50\n");
    const std::vector<std::pair<std::string, std::string>> files = {
        {"keep.wds", "#LABEL old\nOLD\n"}, {"Workspace.txt", "old workspace\n"}, {"history.cmd", "old history\n"}};
    for (const auto& [name, text] : files) WriteFile(name, text);
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"/FW0W\"keep.wds\"", "Error - Cannot write wordlist file keep.wds: File too large"},
        {"/FA0W\"keep.wds\"", "Error - Cannot write wordlist file keep.wds: File too large"},
        {"/FWS", "Error - Cannot write workspace file Workspace.txt: File too large"},
        {"/FWH", "Error - Cannot write history file history.cmd: File too large"},
    };
    for (const auto& [line, answer] : cases) {
        std::string got;
        {
            FileSizeLimit full(20);
            got = Answer(line);
        }
        EXPECT_EQ(got, answer) << line;
    }
    for (const auto& [name, text] : files) EXPECT_EQ(ReadFile(name), text) << name;
}

// A write-protected file is refused and kept; a link stays a link and its
// file is written where it lies; a file's other name shows what was written.
TEST_F(BadFilesTest, AProtectedFileIsKeptAndALinkStaysALink) {
    WriteFile("keep.wds", "#LABEL old\nOLD\n");
    ASSERT_EQ(::chmod("keep.wds", 0444), 0);
    std::filesystem::create_directory("shared");
    std::filesystem::create_symlink("shared/x.wds", "x.wds");
    WriteFile("named.wds", "#LABEL old\nOLD\n");
    std::filesystem::create_hard_link("named.wds", "other.wds");
    Start();
    RunCommands("/. 5\n");
    EXPECT_EQ(Answer("/FW0W\"keep.wds\""), "Error - Cannot write wordlist file keep.wds: Permission denied");
    EXPECT_EQ(ReadFile("keep.wds"), "#LABEL old\nOLD\n");
    EXPECT_EQ(Answer("/FW0W\"x.wds\""), "  5 items of the slate written to x.wds");
    EXPECT_TRUE(std::filesystem::is_symlink("x.wds"));
    EXPECT_NE(ReadFile("shared/x.wds"), "");
    EXPECT_EQ(Answer("/FW0W\"named.wds\""), "  5 items of the slate written to named.wds");
    EXPECT_EQ(ReadFile("other.wds"), ReadFile("named.wds"));
    EXPECT_EQ(ReadFile("other.wds"), ReadFile("shared/x.wds"));
}

// Anything but a regular file is refused by name before it is read.
TEST_F(BadFilesTest, AFolderOrAFifoIsNoFile) {
    std::filesystem::create_directory("folder.wds");
    ASSERT_EQ(::mkfifo("fifo.cmd", 0600), 0);
    WriteFile("one.grd", "ABCDEFGHIJKLMNOPQRSTUVWXY/G\n");
    Start();
    RunCommands("/FRG\"one.grd\"\n");  // a grid to write
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"/FR5W\"folder.wds\"", "Error - Cannot read wordlist file folder.wds: it is a folder, not a file"},
        {"/FR5W\"fifo.cmd\"", "Error - Cannot read wordlist file fifo.cmd: it is not a regular file"},
        {"/X\"fifo.cmd\"", "Error - Cannot run command file fifo.cmd: it is not a regular file"},
        {"/FRH\"fifo.cmd\"", "Error - Cannot read history file fifo.cmd: it is not a regular file"},
        {"/FRG\"folder.wds\"", "Error - Cannot read 5 x 5 grid file folder.wds: it is a folder, not a file"},
        {"/FRG\"fifo.cmd\"", "Error - Cannot read 5 x 5 grid file fifo.cmd: it is not a regular file"},
        {"/FWG\"folder.wds\"", "Error - Cannot write 5 x 5 grid file folder.wds: it is a folder, not a file"},
        {"/FAG\"fifo.cmd\"", "Error - Cannot write 5 x 5 grid file fifo.cmd: it is not a regular file"},
    };
    for (const auto& [line, answer] : cases) EXPECT_EQ(Answer(line), answer) << line;
    StopHeadless();
    EXPECT_EQ(StartHeadless({".", "fifo.cmd", {}}),
              "Initialization file fifo.cmd is unusable: it is not a regular file");
}

TEST_F(BadFilesTest, ALexiconDamagedBeyondItsHeaderIsNoLexicon) {
    LexiconBuildOptions options;
    options.shortName = "SPOILT";
    std::vector<unsigned char> spoilt = TestLexiconImage({"QI", "ZA"}, Language::English, options);
    for (std::size_t i = 96; i < 100; ++i) spoilt[i] = 0xFF;  // the first node's child far outside
    AddLexicon("ENGLISH.QLX", TestWordList("ENGLISH"));
    AddLexiconFile("SPOILT.QLX", spoilt);
    Start();
    const std::string answer = Answer("QI/-\"SPOILT\"?");
    EXPECT_EQ(answer.rfind("Error - File SPOILT.QLX is not a lexicon file. ", 0), 0u) << answer;
}

}  // namespace
}  // namespace qora::test
