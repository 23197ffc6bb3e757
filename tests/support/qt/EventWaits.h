// Waiting in widget tests: the events are processed while a condition is
// awaited (the window system's, the queued calls of the worker threads), and
// the wait ends as soon as the condition holds.
#pragma once

#include <QTest>

#include "support/Waiting.h"

namespace qora::test {

// Processes events until `condition` holds; returns whether it held within
// the generous WaitLimit.
template <typename Condition>
bool ProcessEventsUntil(Condition condition) {
    return QTest::qWaitFor(condition, static_cast<int>(WaitLimit.count()));
}

}  // namespace qora::test
