// Thread primitives the command processor builds its two worker threads on:
// a queue of synchronous calls into the main thread, a one-shot completion
// signal, and a long-lived worker thread that sleeps until it is requested.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

namespace qora {

// Calls from worker threads into the main thread. A worker hands a function
// to `Run` and waits until the main thread has run it, or to `Post` and goes
// on at once (a one-way notification); either way the calls run in the order
// they were queued. The main thread runs queued functions in `RunPending`
// (the window build calls it from its event loop through the wake-up hook;
// headless code and tests pump it).
//
// When the program stops, `Close` refuses new calls, drops those not started
// and releases their workers; a function that has started always finishes
// before its caller is released, so it may use the caller's data.
class MainThreadQueue {
public:
    // The thread that constructs the queue is its main thread.
    MainThreadQueue();

    // Makes the calling thread the main thread (tests that run on a thread of
    // their own) and reopens a closed queue.
    void AdoptCurrentThread();
    bool IsMainThread() const;

    // Called on a worker after it queued a function when no earlier wake-up
    // is still on its way; the window build posts an event there that makes
    // the main thread call RunPending.
    void SetWakeUp(std::function<void()> wakeUp);

    // Runs `task` on the main thread and returns true once it has run. Called
    // on the main thread it runs the task at once. Returns false, without
    // running the task, when the queue is closed or closes before the task
    // starts.
    bool Run(const std::function<void()>& task);

    // Queues `task` to run on the main thread and returns without waiting
    // (false when the queue is closed). Called on the main thread it runs the
    // task at once.
    bool Post(std::function<void()> task);

    // Main thread: runs every queued function; returns how many ran.
    int RunPending();

    // Main thread: runs queued functions until `done` holds or the timeout
    // passes, and then once more whatever was queued before `done` held;
    // returns whether `done` held.
    bool RunPendingUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout);

    void Close();
    bool IsClosed() const;

private:
    struct Call;
    bool Enqueue(const std::shared_ptr<Call>& call);
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<std::shared_ptr<Call>> queue_;
    std::thread::id mainThread_;
    bool closed_ = false;
    std::function<void()> wakeUp_;
    bool wakeUpPending_ = false;  // a wake-up was sent and RunPending has not started since
};

// Values for the main thread of which only the latest counts (a status
// text, the settings to show on the controls): each is posted without
// waiting, and one that a later value overtook before it ran is skipped.
template <typename Value>
class LatestValuePoster {
public:
    LatestValuePoster(MainThreadQueue& queue, std::function<void(const Value&)> receive)
        : queue_(queue), receive_(std::move(receive)) {}

    void Post(Value value) {
        const std::uint64_t number = ++posted_;
        queue_.Post([this, number, value = std::move(value)] {
            if (number == posted_) receive_(value);
        });
    }

private:
    MainThreadQueue& queue_;
    std::function<void(const Value&)> receive_;
    std::atomic<std::uint64_t> posted_{0};
};

// A one-shot completion signal: one thread arms it, another sets it, a third
// waits for it. A Set without a preceding Arm is ignored, so a completion that
// nobody waits for leaves no stale signal behind. The value passed to Set
// reaches the waiter (the command processor passes whether the command
// failed).
class OneShotSignal {
public:
    void Arm();
    void Set(int value = 0);
    // Blocks until the armed signal is set; returns its value, or nothing when
    // the signal was abandoned (the program is stopping).
    std::optional<int> Wait();
    bool IsArmed() const;
    // Releases every waiter for good; cleared only by Reset.
    void Abandon();
    void Reset();

private:
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    bool armed_ = false;
    bool set_ = false;
    int value_ = 0;
    bool abandoned_ = false;
};

enum class ThreadPriority { Normal, BelowNormal, Lowest };

// Lowers the scheduling priority of the calling thread; a refusal by the
// system is ignored (the thread then keeps the normal priority).
void SetCurrentThreadPriority(ThreadPriority priority);

// A long-lived worker thread, created suspended: `Request` resumes it to run
// its body once. A request that arrives while the body runs sets the rerun
// flag, and the body runs once more when it returns, so no request is lost
// (requests that arrive during one run are served together by the next).
class WorkerThread {
public:
    WorkerThread() = default;
    ~WorkerThread();
    WorkerThread(const WorkerThread&) = delete;
    WorkerThread& operator=(const WorkerThread&) = delete;

    // Creates the thread, suspended. Does nothing when it already exists.
    void Create(ThreadPriority priority, std::function<void()> body);
    // Resumes the thread, or sets the rerun flag when it is busy. Returns
    // false when the thread does not exist or is stopping.
    bool Request();
    bool Busy() const;
    bool Exists() const;
    // Lets the body finish its current run, then ends and joins the thread.
    // Must not be called from the body itself.
    void Stop();

private:
    void Loop(ThreadPriority priority);

    mutable std::mutex mutex_;
    std::condition_variable wake_;
    std::function<void()> body_;
    std::thread thread_;
    bool requested_ = false;
    bool rerun_ = false;
    bool busy_ = false;
    bool quit_ = false;
};

}  // namespace qora
