// Waiting in tests for an event, never for a stretch of time: a test that
// sleeps and then looks passes or fails by the machine's speed. Every wait
// here ends as soon as its condition holds; the limit only turns a condition
// that never comes into a failure, and is generous because a loaded machine
// is slow.
#pragma once

#include <sys/types.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <thread>

namespace qora::test {

constexpr std::chrono::milliseconds WaitLimit{30000};

// Polls `condition` (from this thread, processing no events) until it holds
// or `limit` passes; returns whether it held.
bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds limit = WaitLimit);

// The system's id of the calling thread, for ThreadIsAsleep.
pid_t CurrentThreadId();

// Whether the thread of this process sleeps in the system (blocked on a lock
// or a condition), not running or ready to run; false for a thread that has
// ended. A test that must show a thread does NOT go past a
// point waits until the thread sleeps there, then looks.
bool ThreadIsAsleep(pid_t thread);

// A thread running `body` that the test can see asleep: the test first knows
// (from a hook, a gate, a queued call) that the body has reached the point
// where it should block, then waits until it sleeps there.
class WatchedThread {
public:
    explicit WatchedThread(std::function<void()> body);
    ~WatchedThread();
    WatchedThread(const WatchedThread&) = delete;
    WatchedThread& operator=(const WatchedThread&) = delete;

    // Waits until the thread sleeps; false when its body ended first (or it
    // never slept).
    bool WaitUntilAsleep();
    void Join();

private:
    std::atomic<pid_t> id_{0};
    std::atomic<bool> finished_{false};
    std::thread thread_;
};

}  // namespace qora::test
