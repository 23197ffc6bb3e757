#include "platform/ThreadSupport.h"

#include <sys/resource.h>
#include <unistd.h>

#include <utility>

namespace qora {

// ---- MainThreadQueue ------------------------------------------------------

struct MainThreadQueue::Call {
    enum class State { Queued, Running, Done, Dropped };
    const std::function<void()>* task = nullptr;  // the waiting caller's, or `posted`
    std::function<void()> posted;                 // a posted call's own task
    State state = State::Queued;
};

MainThreadQueue::MainThreadQueue() : mainThread_(std::this_thread::get_id()) {}

void MainThreadQueue::AdoptCurrentThread() {
    std::lock_guard lock(mutex_);
    mainThread_ = std::this_thread::get_id();
    closed_ = false;
    wakeUpPending_ = false;
}

bool MainThreadQueue::IsMainThread() const {
    std::lock_guard lock(mutex_);
    return std::this_thread::get_id() == mainThread_;
}

void MainThreadQueue::SetWakeUp(std::function<void()> wakeUp) {
    std::lock_guard lock(mutex_);
    wakeUp_ = std::move(wakeUp);
    wakeUpPending_ = false;
}

// Queues the call and wakes the main thread unless a wake-up is already on
// its way (the RunPending it causes runs this call too).
bool MainThreadQueue::Enqueue(const std::shared_ptr<Call>& call) {
    std::function<void()> wakeUp;
    {
        std::lock_guard lock(mutex_);
        if (closed_) return false;
        queue_.push_back(call);
        if (!wakeUpPending_ && wakeUp_) {
            wakeUp = wakeUp_;
            wakeUpPending_ = true;
        }
    }
    changed_.notify_all();
    if (wakeUp) wakeUp();
    return true;
}

bool MainThreadQueue::Run(const std::function<void()>& task) {
    if (IsMainThread()) {
        task();
        return true;
    }
    auto call = std::make_shared<Call>();
    call->task = &task;
    if (!Enqueue(call)) return false;
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return call->state == Call::State::Done || call->state == Call::State::Dropped; });
    return call->state == Call::State::Done;
}

bool MainThreadQueue::Post(std::function<void()> task) {
    if (IsMainThread()) {
        task();
        return true;
    }
    auto call = std::make_shared<Call>();
    call->posted = std::move(task);
    call->task = &call->posted;
    return Enqueue(call);
}

int MainThreadQueue::RunPending() {
    int ran = 0;
    std::function<void()> wakeUp;
    {
        std::lock_guard lock(mutex_);
        wakeUpPending_ = false;
    }
    for (;;) {
        std::shared_ptr<Call> call;
        {
            std::lock_guard lock(mutex_);
            if (queue_.empty()) break;
            call = queue_.front();
            queue_.pop_front();
            call->state = Call::State::Running;
            // A call may open a modal window whose event loop must still
            // serve the calls queued behind it.
            if (!queue_.empty() && !wakeUpPending_ && wakeUp_) {
                wakeUp = wakeUp_;
                wakeUpPending_ = true;
            }
        }
        if (wakeUp) std::exchange(wakeUp, nullptr)();
        // The caller is released even when the task throws; the exception
        // then goes on to the main thread's own handler.
        struct Release {
            MainThreadQueue& queue;
            Call& call;
            ~Release() {
                if (call.task == &call.posted) return;  // nobody waits
                {
                    std::lock_guard lock(queue.mutex_);
                    call.state = Call::State::Done;
                }
                queue.changed_.notify_all();
            }
        } release{*this, *call};
        (*call->task)();
        ++ran;
    }
    return ran;
}

bool MainThreadQueue::RunPendingUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        RunPending();
        if (done()) {
            // What the workers posted before `done` came true.
            RunPending();
            return true;
        }
        const auto now = std::chrono::steady_clock::now();
        if (now >= deadline) return false;
        // Conditions outside the queue (a worker going idle) are polled.
        std::unique_lock lock(mutex_);
        if (queue_.empty()) changed_.wait_until(lock, std::min(deadline, now + std::chrono::milliseconds(2)));
    }
}

void MainThreadQueue::Close() {
    {
        std::lock_guard lock(mutex_);
        closed_ = true;
        for (auto& call : queue_) call->state = Call::State::Dropped;
        queue_.clear();
    }
    changed_.notify_all();
}

bool MainThreadQueue::IsClosed() const {
    std::lock_guard lock(mutex_);
    return closed_;
}

// ---- OneShotSignal --------------------------------------------------------

void OneShotSignal::Arm() {
    std::lock_guard lock(mutex_);
    armed_ = true;
    set_ = false;
    value_ = 0;
}

void OneShotSignal::Set(int value) {
    {
        std::lock_guard lock(mutex_);
        if (!armed_ || set_) return;
        set_ = true;
        value_ = value;
    }
    changed_.notify_all();
}

std::optional<int> OneShotSignal::Wait() {
    std::unique_lock lock(mutex_);
    if (!armed_) return std::nullopt;
    changed_.wait(lock, [&] { return set_ || abandoned_; });
    if (!set_) return std::nullopt;
    armed_ = false;
    return value_;
}

bool OneShotSignal::IsArmed() const {
    std::lock_guard lock(mutex_);
    return armed_;
}

void OneShotSignal::Abandon() {
    {
        std::lock_guard lock(mutex_);
        abandoned_ = true;
    }
    changed_.notify_all();
}

void OneShotSignal::Reset() {
    std::lock_guard lock(mutex_);
    armed_ = false;
    set_ = false;
    value_ = 0;
    abandoned_ = false;
}

// ---- Thread priority ------------------------------------------------------

void SetCurrentThreadPriority(ThreadPriority priority) {
    int lower = 0;
    switch (priority) {
        case ThreadPriority::Normal: return;
        case ThreadPriority::BelowNormal: lower = 3; break;
        case ThreadPriority::Lowest: lower = 6; break;
    }
    // On Linux the nice value belongs to the thread named by its id.
    const id_t thread = static_cast<id_t>(gettid());
    const int current = getpriority(PRIO_PROCESS, thread);
    (void)setpriority(PRIO_PROCESS, thread, current + lower);
}

// ---- WorkerThread ---------------------------------------------------------

WorkerThread::~WorkerThread() { Stop(); }

void WorkerThread::Create(ThreadPriority priority, std::function<void()> body) {
    std::lock_guard lock(mutex_);
    if (thread_.joinable()) return;
    body_ = std::move(body);
    requested_ = rerun_ = busy_ = quit_ = false;
    thread_ = std::thread(&WorkerThread::Loop, this, priority);
}

bool WorkerThread::Request() {
    {
        std::lock_guard lock(mutex_);
        if (!thread_.joinable() || quit_) return false;
        if (busy_)
            rerun_ = true;
        else
            requested_ = true;
    }
    wake_.notify_all();
    return true;
}

bool WorkerThread::Busy() const {
    std::lock_guard lock(mutex_);
    return busy_ || requested_;
}

bool WorkerThread::Exists() const {
    std::lock_guard lock(mutex_);
    return thread_.joinable();
}

void WorkerThread::Stop() {
    {
        std::lock_guard lock(mutex_);
        if (!thread_.joinable()) return;
        quit_ = true;
    }
    wake_.notify_all();
    thread_.join();
    std::lock_guard lock(mutex_);
    thread_ = std::thread();
    requested_ = rerun_ = busy_ = false;
}

void WorkerThread::Loop(ThreadPriority priority) {
    SetCurrentThreadPriority(priority);
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [&] { return requested_ || quit_; });
        if (quit_) return;
        requested_ = false;
        busy_ = true;
        do {
            rerun_ = false;
            lock.unlock();
            body_();
            lock.lock();
        } while (rerun_ && !quit_);
        busy_ = false;
    }
}

}  // namespace qora
