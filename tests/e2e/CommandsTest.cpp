// The commands that run at once: wordlists, items, flashcards, sets, word
// presence, files, windows, recording; and definition searches and random
// racks, which run on the query thread.
#include <regex>

#include "e2e/HeadlessFixture.h"
#include "engine/Board.h"
#include "engine/Listings.h"
#include "engine/Tiles.h"
#include "engine/UserSets.h"
#include "processor/Executor.h"
#include "processor/Recording.h"
#include "processor/Settings.h"
#include "processor/Threads.h"

namespace qora::test {
namespace {

class CommandsTest : public HeadlessTest {};

TEST_F(CommandsTest, WordlistCommandsReportWhatTheyLeave) {
    Start();
    WriteFile("nouns.wds", "#LABEL Nouns\ncat\nact\n\x01\x02junk\nTAC\n");
    WriteFile("verbs.wds", "eat\ntac\n");
    EXPECT_EQ(RunCommands("/FR3W\"nouns.wds\"\n"
                          "/FR4W\"verbs.wds\"/4L\"Verbs\"\n"
                          "/Y5=3&4\n"
                          "/Y6=3-4/6L\"\"\n"
                          "/Y7=3|4\n"
                          "/7R\n"
                          "/5~W\"Copy\"\n"
                          "/FW7W\"all.wds\"\n"
                          "/FA5W\"all.wds\"\n"),
              "QORA?: /FR3W\"nouns.wds\"\n"
              "  Wordlist 3 \"Nouns\" now holds the 3 items of nouns.wds (1 unreadable line skipped)\n"
              "\n"
              "QORA?: /FR4W\"verbs.wds\"/4L\"Verbs\"\n"
              "  Wordlist 4 now holds the 2 items of verbs.wds\n"
              "  Wordlist 4 is labelled \"Verbs\"\n"
              "\n"
              "QORA?: /Y5=3&4\n"
              "  Wordlist 5 now holds 1 item\n"
              "\n"
              "QORA?: /Y6=3-4/6L\"\"\n"
              "  Wordlist 6 now holds 2 items\n"
              "  Wordlist 6 has no label now\n"
              "\n"
              "QORA?: /Y7=3|4\n"
              "  Wordlist 7 now holds 4 items\n"
              "\n"
              "QORA?: /7R\n"
              "  The slate now holds 4 items\n"
              "\n"
              "QORA?: /5~W\"Copy\"\n"
              "  Wordlist 5 \"Copy\" now holds 4 items\n"
              "\n"
              "QORA?: /FW7W\"all.wds\"\n"
              "  4 items of wordlist 7 written to all.wds\n"
              "\n"
              "QORA?: /FA5W\"all.wds\"\n"
              "  4 items of wordlist 5 \"Copy\" appended to all.wds\n"
              "\n"
              "QORA?: \n");
    // The combined wordlists are in word order without repeats; an append
    // to a file that has items writes no second label.
    EXPECT_EQ(ReadFile("all.wds"), "ACT\nCAT\nEAT\nTAC\nACT\nCAT\nEAT\nTAC\n");
}

TEST_F(CommandsTest, AFailedWordlistCommandNamesTheMissingWordlistAndEndsTheFile) {
    Start();
    EXPECT_EQ(RunCommands("/3L\"Nouns\"\n/Y4=1\n"),
              "QORA?: /3L\"Nouns\"\n"
              "Error - There is no wordlist 3\n"
              "Error on line 1 of command file test.cmd\n"
              "\n"
              "QORA?: \n");
    for (const char* line : {"/Y4=2|1", "/1R", "/FW9W\"x.wds\"", "/=8:1D", "/7:0=8:1C", "/H9", "CAT/1?"}) {
        Perform(line);
        EXPECT_TRUE(HeadlessWorkspace().end()[-3].starts_with("Error - There is no wordlist ")) << line;
    }
    Perform("/FR2W\"missing.wds\"");
    EXPECT_EQ(HeadlessWorkspace().end()[-3],
              "Error - Cannot read wordlist file missing.wds: No such file or directory");
}

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

TEST_F(CommandsTest, ItemCommandsAndFlashcards) {
    Start();
    WriteFile("words.wds", "ACT\nCAT\nEAT\nTAC\nTEA\n");
    EXPECT_EQ(RunCommands("/FR2W\"words.wds\"\n"
                          "/=2:4,9D\n"
                          "/3:0=2:1,2C\n"
                          "/3:1=2:3M\n"
                          "/H3\n"
                          "/H+\n"
                          "/9:0=M\n"
                          "/H+\n"
                          "/H+\n"
                          "/H-\n"
                          "/FW3W\"left.wds\"\n"
                          "/FW9W\"moved.wds\"\n"),
              "QORA?: /FR2W\"words.wds\"\n"
              "  Wordlist 2 now holds the 5 items of words.wds\n"
              "\n"
              "QORA?: /=2:4,9D\n"
              "  2 items deleted from wordlist 2\n"
              "\n"
              "QORA?: /3:0=2:1,2C\n"
              "  2 items copied from wordlist 2 to wordlist 3\n"
              "\n"
              "QORA?: /3:1=2:3M\n"
              "  1 item moved from wordlist 2 to wordlist 3\n"
              "\n"
              "QORA?: /H3\n"
              "  Flashcard 1 of 3: EAT\n"
              "\n"
              "QORA?: /H+\n"
              "  Flashcard 2 of 3: ACT\n"
              "\n"
              "QORA?: /9:0=M\n"
              "  1 item moved from wordlist 3 to wordlist 9\n"
              "\n"
              "QORA?: /H+\n"
              "  That was the last flashcard of wordlist 3\n"
              "\n"
              "QORA?: /H+\n"
              "  That was the last flashcard of wordlist 3\n"
              "\n"
              "QORA?: /H-\n"
              "  Flashcards stopped\n"
              "\n"
              "QORA?: /FW3W\"left.wds\"\n"
              "  2 items of wordlist 3 written to left.wds\n"
              "\n"
              "QORA?: /FW9W\"moved.wds\"\n"
              "  1 item of wordlist 9 written to moved.wds\n"
              "\n"
              "QORA?: \n");
    EXPECT_EQ(ReadFile("left.wds"), "EAT\nCAT\n");
    EXPECT_EQ(ReadFile("moved.wds"), "ACT\n");

    // Flashcards need a running drill and a wordlist with items.
    Perform("/H+");
    EXPECT_EQ(HeadlessWorkspace().end()[-3],
              "Error - No flashcards are being shown: start them with /H and a wordlist number");
    Perform("/7:0=C");
    EXPECT_EQ(HeadlessWorkspace().end()[-3], "Error - There is no current flashcard");
    Perform("/=9:1D");
    Perform("/H9");
    EXPECT_EQ(HeadlessWorkspace().end()[-3], "Error - Wordlist 9 has no items to show as flashcards");
}

TEST_F(CommandsTest, SetDefinitionsAndTheBagAndScores) {
    Start();
    std::vector<std::string> captions;
    ExecutorHandlers.ShowBagCaption = [&](const std::string& caption) { captions.push_back(caption); };
    EXPECT_EQ(RunCommands("/4U=(V)\n"
                          "/5U\"rare\"=(#<3)\n"
                          "/6U=(4)|(5)\n"
                          "/7U=(4)&(5)\n"
                          "/8U=(5)-(4)\n"
                          "/4U\"vowels\"=(4)\n"
                          "/1U=Q\n"
                          "/(B)=(2ABCDEFGHIJKLMNOPQRSTUVWXYZ)/($)=(5A)\n"
                          "/2U=(#2)\n"
                          "/9U=(12)\n"),
              "QORA?: /4U=(V)\n"
              "  Set 4 is now AEIOU\n"
              "\n"
              "QORA?: /5U\"rare\"=(#<3)\n"
              "  Set 5 \"rare\" is now BCFHJKMPQVWXYZ\n"
              "\n"
              "QORA?: /6U=(4)|(5)\n"
              "  Set 6 is now ABCEFHIJKMOPQUVWXYZ\n"
              "\n"
              "QORA?: /7U=(4)&(5)\n"
              "  Set 7 is now empty\n"
              "\n"
              "QORA?: /8U=(5)-(4)\n"
              "  Set 8 is now BCFHJKMPQVWXYZ\n"
              "\n"
              "QORA?: /4U\"vowels\"=(4)\n"
              "  Set 4 \"vowels\" is now AEIOU\n"
              "\n"
              "QORA?: /1U=Q\n"
              "  Set 1 is now 1Q\n"
              "\n"
              "QORA?: /(B)=(2ABCDEFGHIJKLMNOPQRSTUVWXYZ)/($)=(5A)\n"
              "  Set (B) is now 2ABCDEFGHIJKLMNOPQRSTUVWXYZ\n"
              "  Set ($) is now 5A\n"
              "\n"
              "QORA?: /2U=(#2)\n"
              "  Set 2 is now 1A\n"
              "\n"
              "QORA?: /9U=(12)\n"
              "Error - There is no user-defined set 12\n"
              "Error on line 10 of command file test.cmd\n"
              "\n"
              "QORA?: \n");
    // The new bag and scores are the active ones: they last, and the bag's
    // caption follows.
    EXPECT_EQ(TileCounts[0], 2);
    EXPECT_EQ(TileCounts[1], 1);
    EXPECT_EQ(TileScores[0], 5);
    EXPECT_EQ(TileScores[1], 0);
    EXPECT_EQ(MaxTileCount, 2);
    EXPECT_EQ(MaxTileScore, 5);
    EXPECT_EQ(captions, std::vector<std::string>{"Bag of letters (27 of them)"});
    EXPECT_EQ(FindUserSet(4)->Label, "vowels");
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

TEST_F(CommandsTest, WordPresenceQuestions) {
    AddLexicon("ENGLISH.QLX", SmallWords);
    AddLexicon("OTHER.QLX", {"CAT", "DOG", "CATDOG"});
    WriteFile("club.ini", "[LEXICONS]\nPRIMARY ENGLISH\nSECONDARY OTHER\n");
    Start("club.ini");
    WriteFile("words.wds", "TAC\nCAT\n");
    EXPECT_EQ(RunCommands("CAT/-?\n"
                          "CAT/Z DOG/-?\n"
                          "cat/-\"other\"?\n"
                          "/FR2W\"words.wds\"/2R\n"
                          "CAT/?\n"
                          "DOG/?\n"
                          "CAT/0?\n"
                          "CAT/2?\n"
                          "ACT/2?\n"),
              "QORA?: CAT/-?\n"
              "  CAT is a word in ENGLISH (the primary lexicon)\n"
              "  CAT is a word in OTHER (the secondary lexicon)\n"
              "\n"
              "QORA?: CAT/Z DOG/-?\n"
              "  CATDOG is NOT a word in ENGLISH (the primary lexicon)\n"
              "  CATDOG is a word in OTHER (the secondary lexicon)\n"
              "\n"
              "QORA?: cat/-\"other\"?\n"
              "  CAT is a word in OTHER\n"
              "\n"
              "QORA?: /FR2W\"words.wds\"/2R\n"
              "  Wordlist 2 now holds the 2 items of words.wds\n"
              "  The slate now holds 2 items\n"
              "\n"
              "QORA?: CAT/?\n"
              "  CAT is on the slate\n"
              "\n"
              "QORA?: DOG/?\n"
              "  DOG is NOT on the slate\n"
              "\n"
              "QORA?: CAT/0?\n"
              "  CAT is item 2 of the slate\n"
              "\n"
              "QORA?: CAT/2?\n"
              "  CAT is item 2 of wordlist 2\n"
              "\n"
              "QORA?: ACT/2?\n"
              "  ACT is NOT in wordlist 2\n"
              "\n"
              "QORA?: \n");
}

TEST_F(CommandsTest, DefinitionSearchesListTheDefinitionsThatFit) {
    // Without an initialization file the definitions file is TWLdefs.txt.
    WriteFile("TWLdefs.txt",
              "CAT a small domesticated carnivore, noun\n"
              "CATS plural of cat, noun\n"
              "EAT to consume food, verb\n"
              "TEA a beverage, noun\n");
    Start();
    EXPECT_EQ(RunCommands("/SD \"noun\" \n"
                          "/SD \"noun\" &! \"plural\" \n"
                          "/SD \"|to\" | \"verb|\" \n"
                          "/SD \"zebra\" \n"),
              "QORA?: /SD \"noun\" \n"
              "CAT: a small domesticated carnivore, noun\n"
              "CATS: plural of cat, noun\n"
              "TEA: a beverage, noun\n"
              "  3 definitions found\n" +
                  SeparatorLine() +
                  "\n"
                  "QORA?: /SD \"noun\" &! \"plural\" \n"
                  "CAT: a small domesticated carnivore, noun\n"
                  "TEA: a beverage, noun\n"
                  "  2 definitions found\n" +
                  SeparatorLine() +
                  "\n"
                  "QORA?: /SD \"|to\" | \"verb|\" \n"
                  "EAT: to consume food, verb\n"
                  "  1 definition found\n" +
                  SeparatorLine() +
                  "\n"
                  "QORA?: /SD \"zebra\" \n"
                  "  0 definitions found\n" +
                  SeparatorLine() + "\nQORA?: \n");
}

TEST_F(CommandsTest, RandomRacksRepeatWithTheSameSeed) {
    Start();
    const std::string commands =
        "/. 3 > 2\n/. 2 > 2 A\n/.\"AEIOU+BCDFGHJKLMNPQRSTVWXYZ?\"/. 1 > 2 A\n/FW2W\"racks.wds\"\n";
    RunCommands(commands);
    const std::string racks = ReadFile("racks.wds");
    EXPECT_TRUE(std::regex_match(racks, std::regex("([A-Z?]{7}\n){5}[AEIOU?]*\\+[B-Z?]*\n"))) << racks;

    Start();
    EXPECT_EQ(RunCommands(commands),
              "QORA?: /. 3 > 2\n"
              "  Wordlist 2 now holds 3 items\n" +
                  SeparatorLine() +
                  "\n"
                  "QORA?: /. 2 > 2 A\n"
                  "  Wordlist 2 now holds 5 items\n" +
                  SeparatorLine() +
                  "\n"
                  "QORA?: /.\"AEIOU+BCDFGHJKLMNPQRSTVWXYZ?\"/. 1 > 2 A\n"
                  "  Wordlist 2 now holds 6 items\n" +
                  SeparatorLine() +
                  "\n"
                  "QORA?: /FW2W\"racks.wds\"\n"
                  "  6 items of wordlist 2 written to racks.wds\n"
                  "\n"
                  "QORA?: \n");
    EXPECT_EQ(ReadFile("racks.wds"), racks) << "QORA_SEED fixes the racks";
}

TEST_F(CommandsTest, EscStopsTheDrawingOfManyRacks) {
    Start();
    std::vector<std::string> progress;
    ExecutorHandlers.ShowProgress = [&](const std::string& text) {
        if (progress.empty()) HandleEscape();
        progress.push_back(text);
    };
    const std::string workspace = Perform("/. 100000 > 3");
    EXPECT_EQ(progress, (std::vector<std::string>{"WORKING: 1000 racks", ""}));
    EXPECT_NE(workspace.find("QORA?: /. 100000 > 3\n"
                             "!!! - You have typed Esc to stop this search prematurely!\n"
                             "  Wordlist 3 now holds 2000 items\n"),
              std::string::npos)
        << workspace;
}

TEST_F(CommandsTest, CommandFilesNestEndAndStopOnErrors) {
    Start();
    WriteFile("inner.cmd", "/4U=(V)\n/END\n/5U=(V)\n");
    WriteFile("self.cmd", "/X\"self.cmd\"\n");
    // The file and nine copies of self.cmd are open when the ninth copy
    // tries to run a tenth.
    std::string selfRuns;
    for (int run = 1; run <= 9; ++run) selfRuns += "QORA?: /X\"self.cmd\"\n\n";
    EXPECT_EQ(RunCommands("/X \"inner.cmd\"\n\n/6U=(V)\n/X\"self.cmd\"\n/7U=(V)\n"),
              "QORA?: /X \"inner.cmd\"\n"
              "\n"
              "QORA?: /4U=(V)\n"
              "  Set 4 is now AEIOU\n"
              "\n"
              "QORA?: /END\n"
              "\n"
              "QORA?: /6U=(V)\n"
              "  Set 6 is now AEIOU\n"
              "\n" +
                  selfRuns +
                  "QORA?: /X\"self.cmd\"\n"
                  "Error - Command file self.cmd is not run: at most 10 command files can be open at once\n"
                  "Error on line 1 of command file self.cmd\n"
                  "\n"
                  "QORA?: \n");
    EXPECT_FALSE(UserSetExists(5)) << "/END ended the inner file";
    EXPECT_FALSE(UserSetExists(7)) << "the error ended every file";
}

TEST_F(CommandsTest, BadCommandFilesAreRefusedWithTheirReason) {
    Start();
    WriteFile("junk.cmd", std::string("/4U=(V)\n\x01\x02\x03\xff\x00zz\n/5U=(V)\n", 21));
    RunCommands("/X\"junk.cmd\"\n");
    const std::vector<std::string> lines = HeadlessWorkspace();
    ASSERT_GE(lines.size(), 4u);
    EXPECT_TRUE(lines.end()[-4].starts_with("Error - ")) << lines.end()[-4];
    EXPECT_EQ(lines.end()[-3], "Error on line 2 of command file junk.cmd");
    EXPECT_TRUE(UserSetExists(4));
    EXPECT_FALSE(UserSetExists(5));

    RunHeadlessCommandFile("missing.cmd");
    EXPECT_TRUE(HeadlessWorkspace().end()[-3].starts_with("Error - Cannot run command file missing.cmd: "));

    // A line that does not parse ends the files at once.
    EXPECT_EQ(RunCommands("/4U=(V\n/5U=(V)\n").substr(Workspace().find("QORA?: /4U=(V\n")),
              "QORA?: /4U=(V\n"
              "Error - The \"(\" at character 5 has no matching \")\"\n"
              "\n"
              "Error on line 1 of command file test.cmd\n"
              "\n"
              "QORA?: \n");
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

TEST_F(CommandsTest, WindowsAndFeaturesThatAreNotThereSaySo) {
    Start();
    for (const auto& [line, message] : std::vector<std::pair<std::string, std::string>>{
             {"C", "The challenge window is not available"},
             {"/C", "The challenge window is not available"},
             {"G", "The 5 x 5 game is not available"},
             {"ABCDEFGHIJKLMNOPQRSTUVWXY/G", "The 5 x 5 game is not available"},
             {"T", "The timer is not available"},
             {"W", "The Word-Building Game is not available"},
             {"/PW \"Anagrams\" ", "Printing is not available"},
             {"/FWG", "5 x 5 game grid files are not available"},
             {"/FRB\"x.WBG\"", "Word-Building Game grid files are not available"},
         }) {
        Perform(line);
        EXPECT_EQ(HeadlessWorkspace().end()[-3], "Error - " + message) << line;
    }
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
    ExecutorHandlers.OpenGridGame = [&](bool fromCommand) { calls.push_back(fromCommand ? "grid typed" : "grid"); };
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

TEST_F(CommandsTest, HistoryAndWorkspaceFiles) {
    Start();
    WriteFile("old.cmd", "/4U=(V)\n\nCAT/-?\n");
    EXPECT_EQ(RunCommands("/1U=A\n/FWH\n/FRH\"old.cmd\"\n/FWS\n"),
              "QORA?: /1U=A\n"
              "  Set 1 is now 1A\n"
              "\n"
              "QORA?: /FWH\n"
              "  2 commands written to history.cmd\n"
              "\n"
              "QORA?: /FRH\"old.cmd\"\n"
              "  2 commands of old.cmd added to the command history\n"
              "\n"
              "QORA?: /FWS\n"
              "  The workspace (10 lines) written to Workspace.txt\n"
              "\n"
              "QORA?: \n");
    EXPECT_EQ(ReadFile("history.cmd"), "/1U=A\n/FWH\n");
    EXPECT_EQ(CommandHistory,
              (std::vector<std::string>{"/1U=A", "/FWH", "/FRH\"old.cmd\"", "/4U=(V)", "CAT/-?", "/FWS"}));
    EXPECT_EQ(ReadFile("Workspace.txt"), Workspace().substr(0, Workspace().find("  The workspace")));
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
