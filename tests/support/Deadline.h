// A watchdog for tests of threads: a deadlock must fail the test program, not
// hang the suite.
#pragma once

#include <chrono>
#include <cstdlib>
#include <functional>
#include <future>
#include <iostream>
#include <thread>

namespace qora::test {

// Runs `body` and ends the whole test program when it does not return in
// time.
inline void WithinDeadline(const std::function<void()>& body, std::chrono::seconds limit = std::chrono::seconds(20)) {
    std::promise<void> finished;
    std::thread watchdog([future = finished.get_future(), limit]() mutable {
        if (future.wait_for(limit) == std::future_status::timeout) {
            std::cerr << "deadlock: the test did not finish within " << limit.count() << " s\n";
            std::_Exit(3);
        }
    });
    body();
    finished.set_value();
    watchdog.join();
}

}  // namespace qora::test
