// What the commands do beyond the workspace text, which the transcripts
// (tests/e2e/transcripts) check: the state they leave, the windows they
// call, Esc, the end of the program, colours, and files of random junk.
#include <regex>

#include "e2e/HeadlessFixture.h"
#include "engine/Board.h"
#include "engine/Lexicons.h"
#include "engine/Listings.h"
#include "engine/Tiles.h"
#include "engine/UserSets.h"
#include "engine/Wordlists.h"
#include "processor/Executor.h"
#include "processor/Recording.h"
#include "processor/Settings.h"
#include "processor/Threads.h"

namespace qora::test {
namespace {

class CommandsTest : public HeadlessTest {};

TEST_F(CommandsTest, AWordlistFileOfBinaryJunkKeepsOnlyItsTextLines) {
    Start();
    std::string junk;
    std::uint32_t state = 7;
    for (int i = 0; i < 20000; ++i) {
        state = state * 1103515245u + 12345u;
        junk += static_cast<char>(state >> 24);
    }
    WriteFile("junk.wds", junk + "\nWORD\n");
    const std::string workspace = RunCommands("/FR2W\"junk.wds\"\nWORD/2?\n");
    std::smatch found;
    ASSERT_TRUE(std::regex_search(workspace, found,
                                  std::regex("Wordlist 2 now holds the ([0-9]+) items? of junk.wds "
                                             "\\(([0-9]+) unreadable lines skipped\\)")))
        << workspace;
    EXPECT_GT(std::stoi(found[2]), 10);
    EXPECT_NE(workspace.find("WORD is item "), std::string::npos) << "the text line is read";
}

TEST_F(CommandsTest, ANewBagAndScoresLastAndNameTheBag) {
    Start();
    std::vector<std::string> captions;
    ExecutorHandlers.ShowBagCaption = [&](const std::string& caption) { captions.push_back(caption); };
    Perform("/(B)=(2ABCDEFGHIJKLMNOPQRSTUVWXYZ)/($)=(5A)");
    EXPECT_EQ(TileCounts[0], 2);
    EXPECT_EQ(TileCounts[1], 1);
    EXPECT_EQ(TileScores[0], 5);
    EXPECT_EQ(TileScores[1], 0);
    EXPECT_EQ(MaxTileCount, 2);
    EXPECT_EQ(MaxTileScore, 5);
    EXPECT_EQ(captions, std::vector<std::string>{"Bag of letters (27 of them)"});
}

// Wordlists, sets and set filters hold tiles; a change of language carries their letters
// over instead of reading the tiles as those of the same numbers (CHAT as CGAR).
TEST_F(CommandsTest, AChangeToOrFromSpanishKeepsTheLettersOfWordlistsAndSets) {
    AddLexicon("ENGLISH.QLX", {"CHAT", "KIWI"});
    AddLexicon("SPANISH.QLX", {"CHAT", "LLAMA"}, Language::Spanish);
    Start();
    const auto answer = [this](const std::string& line) {
        const std::string workspace = Perform(line);
        return workspace.substr(workspace.rfind("QORA?: " + line));
    };
    for (const char* line : {"CHAT", "/3W", "KIWI/N1", "/4W", "/4U=(HK)", "CHA?", "/>=(1S)!"}) Perform(line);
    const auto backHooks = [] { return FormatLetterCounts(&StandingSettings.BackHooksFilter.Letters.Counts, 0); };
    std::string error;
    ASSERT_TRUE(ChooseLexicons(1, -1, 1, error)) << error;
    EXPECT_EQ(WordlistItemText(3, 1), "CHAT");
    EXPECT_EQ(WordlistItemText(4, 1), "CHAT");
    EXPECT_EQ(FindWordlist(4)->Count(), 1) << "KIWI has letters that are no Spanish tiles";
    EXPECT_EQ(FindWordlist(3)->ItemKind, WordItems);
    EXPECT_NE(answer("/5U=(4)").find("Set 5 is now 1H\n"), std::string::npos);
    EXPECT_EQ(backHooks(), "1S") << "a lasting filter keeps its letters";
    EXPECT_NE(answer("/7U=(=)").find("Set 7 is now 1T\n"), std::string::npos) << "the tiles blanks matched";
    Perform("LLAMA/>- ");
    Perform("/6W");
    ASSERT_TRUE(ChooseLexicons(0, -1, 0, error)) << error;
    EXPECT_EQ(WordlistItemText(3, 1), "CHAT");
    EXPECT_EQ(WordlistItemText(6, 1), "LLAMA");
    EXPECT_NE(answer("/5U=(4)").find("Set 5 is now 1H\n"), std::string::npos);
    EXPECT_EQ(backHooks(), "1S");
    EXPECT_NE(answer("CHAT/3?").find("CHAT is item 1 of wordlist 3"), std::string::npos);
}

TEST_F(CommandsTest, ANewBoardSizeLastsAndSetsUpItsBoard) {
    Start();
    Perform("/@=21");
    EXPECT_EQ(StandingSettings.BoardSize, 21) << "the board size lasts without \"!\"";
    EXPECT_EQ(CurrentBoardSize, 21);
    EXPECT_EQ(BoardLayoutSize, 21);
    RevertToInitialSettings();
    EXPECT_EQ(BoardLayoutSize, 15);
}

TEST_F(CommandsTest, ExitAndEndEndTheProgram) {
    Start();
    RunCommands("/4U=(V)\n/EXIT\n/5U=(V)\n");
    EXPECT_EQ(HeadlessExitStatus(), 0);
    EXPECT_FALSE(UserSetExists(5));

    Start();
    Perform("/END");
    EXPECT_EQ(HeadlessExitStatus(), 0) << "a typed end command exits";
}

TEST_F(CommandsTest, WindowCommandsCallTheWindowsOnTheMainThread) {
    Start();
    std::vector<std::string> calls;
    int unlockAfter = 4;
    ExecutorHandlers.OpenChallengeWindow = [&] {
        calls.push_back(FormatText("challenge %d %d %d", ChallengeByCommand, ChallengeRecordingOption,
                                   ChallengeFromPromptLine ? 1 : 0));
        if (--unlockAfter == 0) ChallengeByCommand = 0;  // the judge types the number
    };
    ExecutorHandlers.OpenGridGame = [&] { calls.push_back(GridGameFromCommand ? "grid typed" : "grid"); };
    ExecutorHandlers.StartTimer = [&] { calls.push_back("timer"); };
    ExecutorHandlers.PrintWorkspace = [&](const std::string& title) {
        calls.push_back("print " + title);
        return std::string("The printer is out of paper");
    };
    RunCommands("C\nQUIXOTIC ZAX/C\n/C-12345678999\nG\nABCDEFGHIJKLMNOPQRSTUVWXY/G\nT\n/PW \"Words\" \n");
    EXPECT_EQ(calls, (std::vector<std::string>{"challenge 0 0 0", "challenge 0 1 1", "challenge 12345678 0 0",
                                               "challenge 12345678 0 0", "grid", "grid typed", "timer", "print Words"}))
        << "a locked window opens again until its number is typed";
    const std::vector<std::string> lines = HeadlessWorkspace();
    EXPECT_EQ(lines.end()[-7], "  Timer is running - see the Timer tab at the upper right.");
    EXPECT_EQ(lines.end()[-4], "Error - The printer is out of paper");
}

TEST_F(CommandsTest, RecordingCommandsNameTheFile) {
    Start();
    RecordingClock = [] { return std::time_t{1307800000}; };  // 11 June 2011, midday
    const std::string workspace = Perform("/R+");
    EXPECT_TRUE(RecordingOn);
    EXPECT_NE(workspace.find("QORA?: /R+\n"
                             "   Challenged words are now being recorded in\n"
                             "   file: " +
                             (std::filesystem::current_path() / "cw110611.wds").string() + "\n\nQORA?: \n"),
              std::string::npos)
        << workspace;
    Perform("/R-");
    EXPECT_FALSE(RecordingOn);
    EXPECT_EQ(HeadlessWorkspace().end()[-3], "   Challenged words are NOT being recorded now.");
}

TEST_F(CommandsTest, ATypedLineWithAnErrorIsColouredAndGetsANewPrompt) {
    Start();
    Perform("/4U=(V)/X");
    const std::vector<WorkspaceLine>& lines = WorkspaceLines();
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[1].Text, "Error - The command is incomplete: something is missing at character 10");
    EXPECT_EQ(lines[3].Text, "QORA?: ");
    EXPECT_FALSE(UserSetExists(4)) << "a line with an error does nothing";
    Perform("/4U=(V)%");
    ASSERT_EQ(WorkspaceLines()[3].Colours.size(), 1u);
    EXPECT_EQ(WorkspaceLines()[3].Colours[0].Range.Start, PromptLength + 7);
}

}  // namespace
}  // namespace qora::test
