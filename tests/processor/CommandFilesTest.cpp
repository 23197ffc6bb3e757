#include "processor/CommandFiles.h"

#include <gtest/gtest.h>

#include <atomic>
#include <mutex>

#include "RuntimeFixture.h"
#include "support/Waiting.h"

namespace qora::test {
namespace {

// A stand-in for the parser and executor: it understands just enough to
// drive the command-file machinery.
//   BAD...      does not parse: reported, the files end without waiting
//   FAIL...     parses but fails when performed
//   QUERY...    handed to the query thread, which presents one line
//   /X name     runs another command file
//   /END        ends its own command file
//   /EXIT       ends the program
//   WAIT        blocks until the test opens the gate
//   anything else performs at once
class CommandFilesTest : public RuntimeTest {
protected:
    void SetUp() override {
        RuntimeTest::SetUp();
        QueryThread().SetWork([this] {
            WriteOutputLine("found " + lastQuery);
            return true;
        });
        SetCommandFileLineRunner([this](const std::string& line) { return Perform(line); });
    }

    LineOutcome Perform(const std::string& line) {
        {
            std::lock_guard lock(mutex);
            performed.push_back(line);
        }
        if (line.starts_with("BAD")) {
            WriteOutputLine("Error - \"B\" (at character 1 of the command file line) is illegal in this command");
            WriteOutputLine("");
            return LineOutcome::Failed;
        }
        if (line.starts_with("FAIL")) {
            WriteOutputLine("Error - it failed");
            FinishCommand(true);
        } else if (line.starts_with("QUERY")) {
            lastQuery = line;
            QueryThread().Request();
        } else if (line.starts_with("/X ")) {
            const std::string error = RunCommandFile(PathOf(line.substr(3)));
            if (!error.empty()) WriteOutputLine("Error - " + error);
            FinishCommand(!error.empty());
        } else if (line == "/END") {
            EndCurrentCommandFile();
            FinishCommand(false);
        } else if (line == "/EXIT") {
            RequestProgramExit(0);
            FinishCommand(false);
        } else {
            if (line == "WAIT") {
                std::unique_lock lock(mutex);
                waiting = true;
                changed.wait(lock, [&] { return gateOpen; });
            }
            FinishCommand(false);
        }
        return LineOutcome::Started;
    }

    // Runs a command file from the test's folder as a typed "/X" would, and
    // lets everything finish.
    void Run(const std::string& name) {
        WithinDeadline([&] {
            EXPECT_EQ(RunCommandFile(PathOf(name)), "");
            PumpUntilIdle();
        });
    }

    std::vector<std::string> Performed() {
        std::lock_guard lock(mutex);
        return performed;
    }

    std::mutex mutex;
    std::condition_variable changed;
    bool waiting = false;
    bool gateOpen = false;
    std::vector<std::string> performed;
    std::string lastQuery;
};

TEST_F(CommandFilesTest, EchoesEachNonEmptyLineIntoTheHistoryAndTheWorkspace) {
    WriteFile("a.cmd", "AEINST\r\n\r\n   \n/5W\rQUERY1\nX");
    WriteFile("b.cmd",
              "\xEF\xBB\xBF"
              "A\xC3\x91O\n");  // UTF-8 with its mark
    Run("a.cmd");
    EXPECT_EQ(Performed(), (std::vector<std::string>{"AEINST", "/5W", "QUERY1", "X"}));
    EXPECT_EQ(CommandHistory, Performed());
    EXPECT_EQ(WorkspaceText(), (std::vector<std::string>{"QORA?: AEINST", "", "QORA?: /5W", "", "QORA?: QUERY1",
                                                         "found QUERY1", SeparatorLine(), "QORA?: X", "", "QORA?: "}));
    EXPECT_FALSE(CommandFileRunning());
    EXPECT_EQ(controlStates.front(), false);
    EXPECT_EQ(controlStates.back(), true);

    Run("b.cmd");
    EXPECT_EQ(Performed().back(), "A\xD1O") << "UTF-8 text reaches the parser in the code page";
}

TEST_F(CommandFilesTest, TheNextLineWaitsForTheQueryToFinish) {
    WriteFile("q.cmd", "QUERY1\nQUERY2\nZ\n");
    Run("q.cmd");
    EXPECT_EQ(WorkspaceText(),
              (std::vector<std::string>{"QORA?: QUERY1", "found QUERY1", SeparatorLine(), "QORA?: QUERY2",
                                        "found QUERY2", SeparatorLine(), "QORA?: Z", "", "QORA?: "}));
}

TEST_F(CommandFilesTest, ALineThatDoesNotParseEndsEveryCommandFile) {
    WriteFile("outer.cmd", "/X inner.cmd\nNEVER\n");
    WriteFile("inner.cmd", "A\nBAD LINE\nNEVER\n");
    Run("outer.cmd");
    EXPECT_EQ(Performed(), (std::vector<std::string>{"/X inner.cmd", "A", "BAD LINE"}));
    const auto text = WorkspaceText();
    ASSERT_GE(text.size(), 5u);
    EXPECT_EQ(text[text.size() - 3], "Error on line 2 of command file " + PathOf("inner.cmd"));
    EXPECT_EQ(text[text.size() - 2], "");
    EXPECT_EQ(text.back(), "QORA?: ");
    EXPECT_EQ(CommandFileDepth(), 0);
    EXPECT_EQ(controlStates.back(), true);
}

TEST_F(CommandFilesTest, ACommandThatFailsEndsEveryCommandFileAfterItsOwnMessage) {
    WriteFile("f.cmd", "A\nFAIL NOW\nNEVER\n");
    Run("f.cmd");
    EXPECT_EQ(Performed(), (std::vector<std::string>{"A", "FAIL NOW"}));
    const std::string path = PathOf("f.cmd");
    EXPECT_EQ(WorkspaceText(), (std::vector<std::string>{"QORA?: A", "", "QORA?: FAIL NOW", "Error - it failed",
                                                         "Error on line 2 of command file " + path, "", "QORA?: "}));
}

TEST_F(CommandFilesTest, NestedFilesRunInPlaceAndEndOnlyEndsItsOwnFile) {
    WriteFile("a.cmd", "A1\n/X b.cmd\nA3\n");
    WriteFile("b.cmd", "B1\n/END\nNEVER\n");
    Run("a.cmd");
    EXPECT_EQ(Performed(), (std::vector<std::string>{"A1", "/X b.cmd", "B1", "/END", "A3"}));
}

TEST_F(CommandFilesTest, AFileThatRunsItselfStopsAtTenOpenFiles) {
    WriteFile("self.cmd", "/X self.cmd\n");
    Run("self.cmd");
    EXPECT_EQ(Performed().size(), 10u);
    const std::string path = PathOf("self.cmd");
    const auto text = WorkspaceText();
    ASSERT_GE(text.size(), 4u);
    EXPECT_EQ(text[text.size() - 4],
              "Error - Command file " + path + " is not run: at most 10 command files can be open at once");
    EXPECT_EQ(text[text.size() - 3], "Error on line 1 of command file " + path);
    EXPECT_EQ(CommandFileDepth(), 0);
}

TEST_F(CommandFilesTest, AMissingFileIsAClearErrorAndRunsNothing) {
    const std::string path = PathOf("missing.cmd");
    EXPECT_EQ(RunCommandFile(path), "Cannot run command file " + path + ": No such file or directory");
    EXPECT_FALSE(CommandFileRunning());
    EXPECT_TRUE(controlStates.empty());
}

TEST_F(CommandFilesTest, JunkAndOverlongLinesEndTheFilesWithTheirReason) {
    WriteFile("junk.cmd", std::string("AB\0\x01\xFF\xFE", 6) + "\nNEVER\n");
    Run("junk.cmd");
    EXPECT_TRUE(Performed().empty());
    auto text = WorkspaceText();
    ASSERT_GE(text.size(), 3u);
    EXPECT_EQ(text[1], "Error - The line holds the control character 0 at character 3");
    EXPECT_EQ(text[2], "Error on line 1 of command file " + PathOf("junk.cmd"));

    ClearWorkspace();
    WriteFile("long.cmd", "A\n" + std::string(MaxCommandFileLineLength + 1, 'E') + "\nNEVER\n");
    Run("long.cmd");
    EXPECT_EQ(Performed(), std::vector<std::string>{"A"});
    text = WorkspaceText();
    EXPECT_NE(std::find(text.begin(), text.end(), "Error - The line is longer than 1000 characters"), text.end());
    EXPECT_NE(std::find(text.begin(), text.end(), "Error on line 2 of command file " + PathOf("long.cmd")), text.end());

    WriteFile("exact.cmd", std::string(MaxCommandFileLineLength, 'E') + "\n");
    Run("exact.cmd");
    EXPECT_EQ(Performed().back().size(), MaxCommandFileLineLength);
}

TEST_F(CommandFilesTest, EscStopsTheCommandFilesAfterTheRunningCommand) {
    WriteFile("w.cmd", "WAIT\nNEVER\n");
    WithinDeadline([&] {
        ASSERT_EQ(RunCommandFile(PathOf("w.cmd")), "");
        PumpUntil([&] {
            std::lock_guard lock(mutex);
            return waiting;
        });
        EXPECT_TRUE(HandleEscape());
        {
            std::lock_guard lock(mutex);
            gateOpen = true;
        }
        changed.notify_all();
        PumpUntilIdle();
    });
    EXPECT_EQ(Performed(), std::vector<std::string>{"WAIT"});
    EXPECT_FALSE(CommandFileRunning());
    EXPECT_EQ(controlStates.back(), true);
}

TEST_F(CommandFilesTest, ExitFromACommandFileStopsTheProgram) {
    int exitStatus = -1;
    ThreadHooks.ExitProgram = [&](int status) { exitStatus = status; };
    WriteFile("x.cmd", "/EXIT\nNEVER\n");
    Run("x.cmd");
    EXPECT_EQ(exitStatus, 0);
    EXPECT_EQ(Performed(), std::vector<std::string>{"/EXIT"});
    EXPECT_TRUE(ProgramStopping);
}

TEST_F(CommandFilesTest, StoppingReleasesTheCommandFileThreadWaitingForAQuery) {
    WriteFile("q.cmd", "QUERY1\nNEVER\n");
    // The query runs until the program stops, so the command-file thread is
    // still waiting for it when the threads are stopped.
    std::atomic<bool> queryStarted{false};
    QueryThread().SetWork([&] {
        queryStarted = true;
        EXPECT_TRUE(WaitUntil([] { return ProgramStopping.load(); }));
        WriteOutputLine("too late to be shown");
        return true;
    });
    std::atomic<pid_t> commandFileThread{0};
    SetCommandFileLineRunner([&](const std::string& line) {
        commandFileThread = CurrentThreadId();
        return Perform(line);
    });
    WithinDeadline([&] {
        ASSERT_EQ(RunCommandFile(PathOf("q.cmd")), "");
        // Once the query runs, the command-file thread's next sleep is its
        // wait for the query's end.
        PumpUntil([&] { return queryStarted && ThreadIsAsleep(commandFileThread); });
        StopProcessorThreads();
    });
    EXPECT_EQ(WorkspaceText().back(), "QORA?: QUERY1");
    EXPECT_EQ(Performed(), std::vector<std::string>{"QUERY1"});
}

}  // namespace
}  // namespace qora::test
