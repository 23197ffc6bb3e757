#include "platform/ThreadSupport.h"

#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "support/Waiting.h"

namespace qora {
namespace {

using namespace std::chrono_literals;
using test::WaitUntil;
using test::WatchedThread;

TEST(OneShotSignalTest, OneThreadArmsAnotherSetsAThirdWaits) {
    OneShotSignal signal;
    signal.Set(5);  // nobody armed it: ignored
    EXPECT_EQ(signal.Wait(), std::nullopt) << "an unarmed signal is not waited for";

    std::thread arming([&] { signal.Arm(); });
    arming.join();
    std::optional<int> seen;
    WatchedThread waiting([&] { seen = signal.Wait(); });
    std::thread setting([&] {
        EXPECT_TRUE(waiting.WaitUntilAsleep()) << "the signal is set while the waiter is blocked";
        signal.Set(1);
        signal.Set(0);  // the first set counts
    });
    setting.join();
    waiting.Join();
    EXPECT_EQ(seen, std::optional<int>(1));
    EXPECT_FALSE(signal.IsArmed()) << "waiting consumes the signal";
    signal.Set(2);
    EXPECT_EQ(signal.Wait(), std::nullopt);

    signal.Arm();
    signal.Set(3);  // set before anyone waits: kept for the waiter
    EXPECT_EQ(signal.Wait(), std::optional<int>(3));
}

TEST(OneShotSignalTest, AbandoningReleasesWaitersUntilReset) {
    OneShotSignal signal;
    signal.Arm();
    std::optional<int> seen = 9;
    WatchedThread waiting([&] { seen = signal.Wait(); });
    EXPECT_TRUE(waiting.WaitUntilAsleep()) << "an armed signal is waited for";
    signal.Abandon();
    waiting.Join();
    EXPECT_EQ(seen, std::nullopt);
    signal.Arm();
    EXPECT_EQ(signal.Wait(), std::nullopt) << "arming again does not undo the abandonment";
    signal.Reset();
    signal.Arm();
    signal.Set(4);
    EXPECT_EQ(signal.Wait(), std::optional<int>(4));
}

TEST(MainThreadQueueTest, WorkersWaitUntilTheMainThreadRunsTheirCalls) {
    MainThreadQueue queue;
    const auto mainThread = std::this_thread::get_id();
    std::thread::id ranOn;
    EXPECT_TRUE(queue.Run([&] { ranOn = std::this_thread::get_id(); })) << "the main thread runs at once";
    EXPECT_EQ(ranOn, mainThread);

    std::atomic<bool> returned{false};
    std::atomic<int> woken{0};
    queue.SetWakeUp([&] { ++woken; });
    WatchedThread worker([&] {
        EXPECT_TRUE(queue.Run([&] { ranOn = std::this_thread::get_id(); }));
        returned = true;
    });
    // The wake-up shows the call is queued; the worker then sleeps until the
    // main thread has run it, and would have returned by now if it did not.
    EXPECT_TRUE(WaitUntil([&] { return woken == 1; }));
    EXPECT_TRUE(worker.WaitUntilAsleep());
    EXPECT_FALSE(returned) << "the worker waits for the main thread";
    EXPECT_TRUE(queue.RunPendingUntil([&] { return returned.load(); }, 5s));
    worker.Join();
    EXPECT_EQ(ranOn, mainThread);
    EXPECT_EQ(woken, 1);
}

TEST(MainThreadQueueTest, PostedCallsKeepTheirPlaceAndOnlyTheLatestValueIsShown) {
    MainThreadQueue queue;
    std::vector<std::string> ran;
    LatestValuePoster<int> status(queue, [&](const int& value) { ran.push_back("status " + std::to_string(value)); });
    std::atomic<bool> allQueued{false};
    std::atomic<bool> returned{false};
    std::thread worker([&] {
        queue.Post([&] { ran.push_back("line 1"); });
        for (int value = 1; value <= 3; ++value) status.Post(value);
        queue.Post([&] { ran.push_back("line 2"); });
        allQueued = true;
        queue.Run([&] { ran.push_back("question"); });
        queue.Post([&] { ran.push_back("line 3"); });
        returned = true;
    });
    ASSERT_TRUE(WaitUntil([&] { return allQueued.load(); }));
    EXPECT_TRUE(queue.RunPendingUntil([&] { return returned.load(); }, 5s));
    worker.join();
    EXPECT_EQ(ran, (std::vector<std::string>{"line 1", "status 3", "line 2", "question", "line 3"}))
        << "what was posted before the worker went idle has run";
}

TEST(MainThreadQueueTest, ClosingDropsCallsNotStartedAndFinishesTheRunningOne) {
    MainThreadQueue queue;
    std::atomic<bool> queued{false};
    queue.SetWakeUp([&] { queued = true; });
    std::optional<bool> result;
    std::thread waiting([&] { result = queue.Run([] { ADD_FAILURE() << "a dropped call ran"; }); });
    ASSERT_TRUE(WaitUntil([&] { return queued.load(); }));
    queue.Close();
    waiting.join();
    EXPECT_EQ(result, std::optional<bool>(false));
    EXPECT_EQ(queue.RunPending(), 0);

    MainThreadQueue second;
    std::atomic<bool> returned{false};
    bool ranToEnd = false;
    std::thread worker([&] {
        ranToEnd = second.Run([&] { second.Close(); });
        returned = true;
    });
    EXPECT_TRUE(second.RunPendingUntil([&] { return returned.load(); }, 5s));
    worker.join();
    EXPECT_TRUE(ranToEnd) << "a call that started is run to its end";
    std::optional<bool> refused;
    std::thread afterClose([&] { refused = second.Run([] { ADD_FAILURE() << "ran after closing"; }); });
    afterClose.join();
    EXPECT_EQ(refused, std::optional<bool>(false));
}

TEST(MainThreadQueueTest, AThrowingCallReleasesItsWorker) {
    MainThreadQueue queue;
    std::atomic<bool> returned{false};
    std::thread worker([&] {
        queue.Run([] { throw std::runtime_error("boom"); });
        returned = true;
    });
    EXPECT_THROW(queue.RunPendingUntil([&] { return returned.load(); }, 5s), std::runtime_error);
    worker.join();
    EXPECT_TRUE(returned);
}

}  // namespace
}  // namespace qora
