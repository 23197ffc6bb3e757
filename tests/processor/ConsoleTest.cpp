#include "processor/Console.h"

#include <gtest/gtest.h>

#include <thread>

#include "RuntimeFixture.h"

namespace qora::test {
namespace {

// Records every notification the model sends.
class RecordingObserver : public ConsoleObserver {
public:
    void LineAppended(std::int32_t row) override { events.push_back("append " + std::to_string(row)); }
    void LineChanged(std::int32_t row) override { events.push_back("change " + std::to_string(row)); }
    void WorkspaceCleared() override { events.push_back("clear"); }
    void HistoryAppended(std::int32_t index) override { events.push_back("history " + std::to_string(index)); }
    std::vector<std::string> events;
};

class ConsoleTest : public RuntimeTest {};

TEST_F(ConsoleTest, PromptPositionFollowsEveryNewPromptLine) {
    EXPECT_EQ(WorkspaceText(), std::vector<std::string>{"QORA?: "});
    EXPECT_EQ(PromptRow, 0);
    EXPECT_EQ(PromptColumn, 7);
    EXPECT_EQ(CommandTextStart, 7);

    SetCommandLine("AEINST");
    WriteOutputLine("  12 words");
    WriteBlankLineAndPrompt();
    EXPECT_EQ(WorkspaceText(), (std::vector<std::string>{"QORA?: AEINST", "  12 words", "", "QORA?: "}));
    EXPECT_EQ(PromptRow, 3);
    // Each line counts its characters and one for its line end.
    EXPECT_EQ(CommandTextStart, 14 + 11 + 1 + 7);

    WorkspaceColumns = 12;
    WriteSeparatorAndPrompt();
    EXPECT_EQ(WorkspaceLines()[4].Text, "-----------");
    EXPECT_EQ(PromptRow, 5);
    EXPECT_EQ(CommandLine(), "");
    WorkspaceColumns = 0;
    EXPECT_EQ(SeparatorLine(), "-");
}

TEST_F(ConsoleTest, OnlyTheCommandLineIsEditable) {
    SetCommandLine("ABC");
    WriteOutputLine("output");
    WriteBlankLineAndPrompt();
    SetCommandLine("XYZ");
    EXPECT_FALSE(IsInCommandLine(0, 9)) << "an earlier command line is history";
    EXPECT_FALSE(IsInCommandLine(1, 0));
    EXPECT_FALSE(IsInCommandLine(PromptRow, 6)) << "the prompt itself is protected";
    EXPECT_TRUE(IsInCommandLine(PromptRow, 7));
    EXPECT_TRUE(IsInCommandLine(PromptRow, 10)) << "the end of the line, where typing appends";
    EXPECT_EQ(WorkspaceLines()[0].Text, "QORA?: ABC") << "the old command stays as it was";
}

TEST_F(ConsoleTest, AppendingRestartsTheCountdownThenRechecksTheWholeLine) {
    std::vector<std::string> calls;
    ConsoleEditHooks.RestartRevertCountdown = [&] { calls.push_back("countdown"); };
    ConsoleEditHooks.RecheckCommandLine = [&] { calls.push_back("check " + CommandLine()); };
    SetCommandLine("AEI");
    EXPECT_TRUE(calls.empty()) << "the window's own edits are not re-checked here";
    AppendToCommandLine("/|=7 ");
    AppendToCommandLine(" ");
    EXPECT_EQ(calls, (std::vector<std::string>{"countdown", "check AEI/|=7 ", "countdown", "check AEI/|=7  "}));
    EXPECT_EQ(WorkspaceText().back(), "QORA?: AEI/|=7  ");
}

TEST_F(ConsoleTest, AppendedDigitsNeverRunIntoDigitsThatEndTheLine) {
    SetCommandLine("/O1");
    AppendToCommandLine("3A");
    EXPECT_EQ(CommandLine(), "/O1 3A") << "otherwise the layout would read as /O13";
    AppendToCommandLine("!");
    AppendToCommandLine("2?");
    EXPECT_EQ(CommandLine(), "/O1 3A!2?") << "only a digit after a digit gets the blank";
}

TEST_F(ConsoleTest, NewCommandLineReusesAnEmptyPromptAndKeepsATypedOne) {
    NewCommandLine("ABCDEFGHIJKLMNOPQRSTUVWXY/B/@|");
    EXPECT_EQ(WorkspaceText(), std::vector<std::string>{"QORA?: ABCDEFGHIJKLMNOPQRSTUVWXY/B/@|"});
    NewCommandLine("AEINST");
    EXPECT_EQ(WorkspaceText(), (std::vector<std::string>{"QORA?: ABCDEFGHIJKLMNOPQRSTUVWXY/B/@|", "QORA?: AEINST"}));
    EXPECT_EQ(PromptRow, 1);
    EXPECT_EQ(CommandLine(), "AEINST");
    bool rechecked = false;
    ConsoleEditHooks.RecheckCommandLine = [&] { rechecked = true; };
    NewCommandLine("X");
    EXPECT_FALSE(rechecked);
}

// Work that starts on a worker locks the gate before its start is posted to
// the main thread; until its end has been, every edit but the program's own
// echo is refused.
TEST_F(ConsoleTest, WhileWorkRunsOnlyTheProgramsEchoReachesTheCommandLine) {
    SetCommandLine("CAT");
    int rechecks = 0;
    ConsoleEditHooks.RecheckCommandLine = [&] { ++rechecks; };
    std::thread([] { SetWindowControlsEnabled(false); }).join();
    EXPECT_FALSE(CommandLineEditable());
    SetCommandLine("DOG");
    AppendToCommandLine("S");
    NewCommandLine("EMU");
    CheckCommandLineSilently();
    EXPECT_EQ(WorkspaceText(), std::vector<std::string>{"QORA?: CAT"});
    EXPECT_EQ(rechecks, 0);
    EchoCommandLine("ACT");
    EXPECT_EQ(WorkspaceText(), (std::vector<std::string>{"QORA?: CAT", "QORA?: ACT"}));
    std::thread([] { SetWindowControlsEnabled(true); }).join();
    EXPECT_FALSE(CommandLineEditable()) << "until the end reaches the main thread";
    SyncBridge().RunPending();
    EXPECT_TRUE(CommandLineEditable());
    AppendToCommandLine("S");
    EXPECT_EQ(CommandLine(), "ACTS");
}

TEST_F(ConsoleTest, ObserverHearsOfEveryChangeAndTheHistory) {
    RecordingObserver observer;
    SetConsoleObserver(&observer);
    SetCommandLine("A");
    WriteOutputLine("x");
    WriteBlankLineAndPrompt();
    MarkErrorCharacter(0, 7);
    AddToCommandHistory("A");
    ClearWorkspace();
    EXPECT_EQ(observer.events, (std::vector<std::string>{"change 0", "append 1", "append 2", "append 3", "change 0",
                                                         "history 0", "clear", "append 0"}));
    EXPECT_EQ(CommandHistory, std::vector<std::string>{"A"});
    EXPECT_EQ(WorkspaceText(), std::vector<std::string>{"QORA?: "}) << "clearing keeps a prompt line";
    SetConsoleObserver(nullptr);
}

TEST_F(ConsoleTest, ColourMarksStayInsideTheirLine) {
    SetCommandLine("AB%D");
    MarkErrorCharacter(0, 9);
    MarkErrorCharacter(0, 99);  // past the end: ignored
    MarkErrorCharacter(7, 0);   // no such row: ignored
    MarkErrorCharacter(-1, 0);
    ASSERT_EQ(WorkspaceLines()[0].Colours.size(), 1u);
    EXPECT_EQ(WorkspaceLines()[0].Colours[0].Range.Start, 9);
    EXPECT_EQ(WorkspaceLines()[0].Colours[0].Colour, TextColour::Error);

    const TextRange marks[] = {{1, 2}, {5, 10}, {-3, 4}, {40, 1}, {2, 0}};
    EXPECT_TRUE(WritePresentationLine("ACHOS", marks));
    const auto& colours = WorkspaceLines().back().Colours;
    ASSERT_EQ(colours.size(), 2u) << "a mark past the end or empty is dropped";
    EXPECT_EQ(colours[0].Range.Start, 1);
    EXPECT_EQ(colours[0].Range.Length, 2);
    EXPECT_EQ(colours[1].Range.Start, 0);
    EXPECT_EQ(colours[1].Range.Length, 1) << "a mark that starts before the line is cut to it";
    EXPECT_EQ(colours[0].Colour, TextColour::BlankMatched);
}

TEST_F(ConsoleTest, AStoppedPresentationRefusesLinesAndSaysSoOnce) {
    EXPECT_TRUE(WritePresentationLine("CAT", {}));
    const PresentedLine batch[] = {{"ACT", {{0, 1}}}, {"TAC", {}}};
    EXPECT_TRUE(WritePresentationLines(batch));
    EXPECT_EQ(WorkspaceLines().end()[-2].Colours.size(), 1u);
    StopPresentationRequested = true;
    EXPECT_FALSE(WritePresentationLine("DOG", {}));
    EXPECT_FALSE(SlateThread::SyncWriteMarkedLine("EMU", {}));
    EXPECT_FALSE(WritePresentationLines(batch));
    EXPECT_EQ(WorkspaceText(),
              (std::vector<std::string>{"QORA?: ", "CAT", "ACT", "TAC",
                                        "!!! - You have typed Esc to stop this presentation prematurely!"}));
    ResetQueryStopFlags();
    EXPECT_TRUE(WritePresentationLine("FOX", {})) << "the next presentation starts afresh";
}

}  // namespace
}  // namespace qora::test
