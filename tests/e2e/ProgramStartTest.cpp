// The real program started as a user starts it, without a screen: a
// start-up that cannot run reports why and ends with status 1 instead of
// waiting for a key nobody can press. (Command files given with -x run in
// the real window in the transcript tests marked "#program".)
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "support/ProgramRun.h"
#include "support/TestLexicon.h"

namespace qora {
namespace {

class ProgramStartTest : public testing::Test {
protected:
    void SetUp() override { ::setenv("QT_QPA_PLATFORM", "offscreen", 1); }

    TestLexiconFolder folder;
};

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
