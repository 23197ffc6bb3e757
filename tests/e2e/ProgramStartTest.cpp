// The real program started as a user starts it, without a screen: a command
// file given with -x runs in the real window and can end the program, and a
// start-up that cannot run reports why and ends with status 1 instead of
// waiting for a key nobody can press.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "support/ProgramRun.h"
#include "support/TestLexicon.h"

namespace qora {
namespace {

class ProgramStartTest : public testing::Test {
protected:
    void SetUp() override { ::setenv("QT_QPA_PLATFORM", "offscreen", 1); }

    // Runs the program on the folder with the command file, which ends it,
    // and returns the lines of the workspace file the commands wrote.
    std::vector<std::string> RunToWorkspaceFile(const std::string& commands, const std::string& workspaceFile) {
        std::ofstream(folder.Path() + "/run.cmd") << commands;
        const ProgramResult result = RunBuiltProgram("qora", "-x run.cmd", folder.Path());
        EXPECT_EQ(result.status, 0) << result.output;
        std::ifstream written(folder.Path() + "/" + workspaceFile);
        std::vector<std::string> lines;
        for (std::string line; std::getline(written, line);) lines.push_back(line);
        return lines;
    }

    TestLexiconFolder folder;
};

TEST_F(ProgramStartTest, ACommandFileRunsInTheWindowAndEndsTheProgram) {
    folder.Add("ENGLISH.QLX", {"CAT", "DOG"});
    EXPECT_EQ(RunToWorkspaceFile("CAT/-?\n/FWS\"out.txt\"\n/EXIT\n", "out.txt"),
              (std::vector<std::string>{"QORA?: CAT/-?", "  CAT is a word in ENGLISH (the primary lexicon)", "",
                                        "QORA?: /FWS\"out.txt\""}));
}

TEST_F(ProgramStartTest, QueriesAndTheirPresentationRunInTheWindow) {
    folder.Add("ENGLISH.QLX", {"ACT", "CAT", "TAC", "DOG"});
    const std::vector<std::string> lines = RunToWorkspaceFile("C?T /OR1S\n/FWS\"out.txt\"\n/EXIT\n", "out.txt");
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "QORA?: C?T /OR1S");
    EXPECT_EQ(lines[1], "aCT CaT TaC");
    EXPECT_EQ(lines[2].find_first_not_of('-'), std::string::npos) << "the separator line";
    EXPECT_EQ(lines[3], "QORA?: /FWS\"out.txt\"");
}

TEST_F(ProgramStartTest, WithoutALexiconItSaysWhyAndEndsWithStatusOne) {
    const ProgramResult result = RunBuiltProgram("qora", "", folder.Path());
    EXPECT_EQ(result.status, 1) << result.output;
    EXPECT_NE(result.output.find("There is no lexicon file (*.QLX) in the current folder."), std::string::npos)
        << result.output;
}

TEST_F(ProgramStartTest, AnUnusableInitializationFileStopsIt) {
    folder.Add("ENGLISH.QLX", {"CAT", "DOG"});
    std::ofstream(folder.Path() + "/club.ini") << "[NO SUCH SECTION]\n";
    const ProgramResult result = RunBuiltProgram("qora", "-i club.ini -x start.cmd", folder.Path());
    EXPECT_EQ(result.status, 1) << result.output;
    EXPECT_NE(result.output.find("Initialization file club.ini is unusable"), std::string::npos) << result.output;
}

}  // namespace
}  // namespace qora
