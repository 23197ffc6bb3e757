// Waiting for conditions in tests, and seeing whether a thread is blocked.
#include "Waiting.h"

#include <unistd.h>

#include <fstream>
#include <iterator>
#include <string>
#include <thread>

namespace qora::test {

bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= deadline) return false;
        // The poll's pace, not a wait for something: it keeps a loaded
        // machine's cores for the threads being waited for.
        std::this_thread::sleep_for(std::chrono::microseconds(100));
    }
    return true;
}

pid_t CurrentThreadId() { return ::gettid(); }

// The state letter follows the thread's name in parentheses, and the name
// may hold any character: it is read after the last ')'. 'S' (sleeping) is a
// thread blocked on a futex (a lock or a condition) or in a call that waits.
bool ThreadIsAsleep(pid_t thread) {
    std::ifstream stat("/proc/self/task/" + std::to_string(thread) + "/stat");
    const std::string text{std::istreambuf_iterator<char>(stat), std::istreambuf_iterator<char>()};
    const std::size_t nameEnd = text.rfind(')');
    if (nameEnd == std::string::npos || nameEnd + 2 >= text.size()) return false;
    return text[nameEnd + 2] == 'S';
}

WatchedThread::WatchedThread(std::function<void()> body)
    : thread_([this, body = std::move(body)] {
          id_ = CurrentThreadId();
          body();
          finished_ = true;
      }) {}

WatchedThread::~WatchedThread() { Join(); }

bool WatchedThread::WaitUntilAsleep() {
    return WaitUntil([this] { return finished_ || (id_ != 0 && ThreadIsAsleep(id_)); }) && !finished_;
}

void WatchedThread::Join() {
    if (thread_.joinable()) thread_.join();
}

}  // namespace qora::test
