#include "processor/Threads.h"

#include <gtest/gtest.h>

#include <atomic>
#include <random>
#include <thread>

#include "RuntimeFixture.h"

namespace qora::test {
namespace {

class ThreadsTest : public RuntimeTest {
protected:
    // A gate the work on the query thread waits at until the test opens it.
    struct Gate {
        std::mutex mutex;
        std::condition_variable changed;
        bool open = false;
        bool reached = false;
        void Wait() {
            std::unique_lock lock(mutex);
            reached = true;
            changed.notify_all();
            changed.wait(lock, [&] { return open; });
        }
        void Open() {
            std::lock_guard lock(mutex);
            open = true;
            changed.notify_all();
        }
        bool Reached() {
            std::lock_guard lock(mutex);
            return reached;
        }
    };
};

TEST_F(ThreadsTest, EveryRequestIsServedByARunThatStartsAfterIt) {
    WithinDeadline([&] {
        std::atomic<int> requests{0};
        std::atomic<int> runs{0};
        std::atomic<int> lastSeen{-1};
        QueryThread().SetWork([&] {
            lastSeen = requests.load();
            ++runs;
            // Work that takes a while, so that requests arrive while it runs.
            std::this_thread::sleep_for(std::chrono::microseconds(50));
            return true;
        });
        std::atomic<bool> done{false};
        std::thread requester([&] {
            std::mt19937 random(7);
            for (int i = 0; i < 300; ++i) {
                ++requests;
                QueryThread().Request();
                // Random gaps: requests fall before, during and after runs.
                std::this_thread::sleep_for(std::chrono::microseconds(random() % 120));
            }
            done = true;
        });
        PumpUntil([&] { return done && !QueryThread().Busy(); });
        requester.join();
        EXPECT_EQ(lastSeen, 300) << "the last request was lost";
        EXPECT_GE(runs, 1);
        EXPECT_LE(runs, 300);
    });
}

TEST_F(ThreadsTest, RequestsWhileBusyAreServedByOneRerun) {
    WithinDeadline([&] {
        Gate gate;
        std::atomic<int> runs{0};
        QueryThread().SetWork([&] {
            if (++runs == 1) gate.Wait();
            WriteOutputLine("run " + std::to_string(runs.load()));
            return true;
        });
        QueryThread().Request();
        PumpUntil([&] { return gate.Reached(); });
        QueryThread().Request();
        QueryThread().Request();
        EXPECT_TRUE(QueryThread().Busy());
        gate.Open();
        PumpUntilIdle();
        EXPECT_EQ(runs, 2);
        // Each run ends with its own finish: separator and new prompt.
        EXPECT_EQ(WorkspaceText(), (std::vector<std::string>{"QORA?: ", "run 1", SeparatorLine(), "QORA?: ", "run 2",
                                                             SeparatorLine(), "QORA?: "}));
        EXPECT_EQ(controlStates, (std::vector<bool>{false, false, false, true, true}));
    });
}

TEST_F(ThreadsTest, FailedOrThrowingWorkStillFinishes) {
    WithinDeadline([&] {
        QueryThread().SetWork([]() -> bool { throw std::runtime_error("out of room"); });
        QueryThread().Request();
        PumpUntilIdle();
        EXPECT_EQ(WorkspaceText(),
                  (std::vector<std::string>{"QORA?: ", "Error - out of room", SeparatorLine(), "QORA?: "}));
        EXPECT_EQ(controlStates.back(), true);
    });
}

TEST_F(ThreadsTest, EscStopsWhatRunsAndOtherwiseReportsNothingRunning) {
    EXPECT_FALSE(HandleEscape()) << "nothing runs: the challenge window opens instead";
    SearchRunning = true;
    PresentationRunning = true;
    EXPECT_TRUE(HandleEscape());
    EXPECT_TRUE(StopSearchRequested);
    EXPECT_FALSE(StopPresentationRequested) << "the search is stopped first";
    SearchRunning = false;
    EXPECT_TRUE(HandleEscape());
    EXPECT_TRUE(StopPresentationRequested);
    EXPECT_FALSE(StopCommandFilesRequested);
    PresentationRunning = false;
    ResetQueryStopFlags();

    WithinDeadline([&] {
        Gate gate;
        QueryThread().SetWork([&] {
            gate.Wait();
            return true;
        });
        QueryThread().Request();
        PumpUntil([&] { return gate.Reached(); });
        EXPECT_TRUE(HandleEscape()) << "a query between its request and its search is not idle";
        EXPECT_TRUE(StopSearchRequested);
        gate.Open();
        PumpUntilIdle();
    });
}

TEST_F(ThreadsTest, EscEndsAPresentationWithItsMessageAndTheFinish) {
    WithinDeadline([&] {
        Gate gate;
        int written = 0;
        QueryThread().SetWork([&] {
            PresentationRunning = true;
            for (int i = 0; i < 100000; ++i) {
                if (i == 3) gate.Wait();
                if (!SlateThread::SyncWriteMarkedLine("WORD" + std::to_string(i), {})) break;
                ++written;
            }
            PresentationRunning = false;
            return true;
        });
        QueryThread().Request();
        PumpUntil([&] { return gate.Reached(); });
        EXPECT_TRUE(HandleEscape());
        gate.Open();
        PumpUntilIdle();
        EXPECT_EQ(written, 3);
        EXPECT_EQ(WorkspaceText(),
                  (std::vector<std::string>{"QORA?: ", "WORD0", "WORD1", "WORD2",
                                            "!!! - You have typed Esc to stop this presentation prematurely!",
                                            SeparatorLine(), "QORA?: "}));
    });
}

TEST_F(ThreadsTest, LargeOutputQuestionIsAskedOnTheMainThreadUnderTheLock) {
    WithinDeadline([&] {
        const auto mainThread = std::this_thread::get_id();
        bool lockHeld = false;
        ThreadHooks.AskLargeOutput = [&](std::int32_t itemCount) {
            EXPECT_EQ(itemCount, 600);
            EXPECT_EQ(std::this_thread::get_id(), mainThread);
            std::thread probe([&] { lockHeld = !LargeOutputLock.try_lock(); });
            probe.join();
            return 250;
        };
        std::int32_t answer = 0;
        QueryThread().SetWork([&] {
            answer = SlateThread::SyncAskLargeOutput(600);
            return true;
        });
        QueryThread().Request();
        PumpUntilIdle();
        EXPECT_EQ(answer, 250);
        EXPECT_TRUE(lockHeld);
        EXPECT_TRUE(LargeOutputLock.try_lock()) << "released after the question";
        LargeOutputLock.unlock();

        ThreadHooks.AskLargeOutput = nullptr;
        QueryThread().Request();
        PumpUntilIdle();
        EXPECT_EQ(answer, -1) << "without a window every item is presented";
    });
}

TEST_F(ThreadsTest, EscDuringTheLargeOutputQuestionCancelsThePresentation) {
    WithinDeadline([&] {
        ThreadHooks.AskLargeOutput = [&](std::int32_t) {
            EXPECT_TRUE(HandleEscape());  // the user types Esc while the question shows
            return 0;                     // Esc closes it as Cancel does
        };
        int written = 0;
        QueryThread().SetWork([&] {
            PresentationRunning = true;
            if (SlateThread::SyncAskLargeOutput(600) != 0)
                while (SlateThread::SyncWriteMarkedLine("WORD", {})) ++written;
            return true;
        });
        QueryThread().Request();
        PumpUntilIdle();
        EXPECT_EQ(written, 0);
        EXPECT_EQ(WorkspaceText().back(), "QORA?: ");
    });
}

TEST_F(ThreadsTest, ClosingDuringTheLargeOutputQuestionEndsWithoutDeadlock) {
    WithinDeadline([&] {
        int exitStatus = -1;
        ThreadHooks.ExitProgram = [&](int status) { exitStatus = status; };
        ThreadHooks.AskLargeOutput = [&](std::int32_t) {
            RequestProgramExit(0);  // the window closes while the question shows
            return 250;
        };
        std::int32_t answer = -7;
        std::atomic<bool> asked{false};
        QueryThread().SetWork([&] {
            answer = SlateThread::SyncAskLargeOutput(600);
            asked = true;
            for (int i = 0; i < 10; ++i) SlateThread::SyncWriteMarkedLine("WORD", {});
            return true;
        });
        QueryThread().Request();
        PumpUntil([&] { return asked.load(); });
        // The event loop has ended; the program stops the threads without
        // pumping the bridge any more.
        StopProcessorThreads();
        EXPECT_EQ(exitStatus, 0);
        EXPECT_EQ(answer, 0) << "a stopping program presents nothing";
        EXPECT_FALSE(QueryThread().Busy());
    });
}

TEST_F(ThreadsTest, StoppingReleasesAWorkerWaitingForTheMainThread) {
    WithinDeadline([&] {
        std::atomic<bool> started{false};
        bool delivered = true;
        QueryThread().SetWork([&] {
            started = true;
            delivered = SlateThread::SyncWriteMarkedLine("never shown", {});
            return true;
        });
        QueryThread().Request();
        // The main thread never pumps: the worker waits in the bridge.
        while (!started) std::this_thread::yield();
        StopProcessorThreads();
        EXPECT_FALSE(delivered);
        EXPECT_EQ(WorkspaceText(), std::vector<std::string>{"QORA?: "});
    });
}

TEST_F(ThreadsTest, FinishCommandWritesTheClosingLinesAndSetsTheArmedSignal) {
    FinishCommand(false);
    EXPECT_EQ(WorkspaceText(), (std::vector<std::string>{"QORA?: ", "", "QORA?: "}));
    EXPECT_FALSE(CommandDoneSignal.IsArmed()) << "a typed command leaves no signal behind";
    CommandDoneSignal.Arm();
    FinishCommand(true);
    EXPECT_EQ(CommandDoneSignal.Wait(), std::optional<int>(1)) << "the waiter learns that the command failed";
}

}  // namespace
}  // namespace qora::test
