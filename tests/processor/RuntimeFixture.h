// Shared set-up of the console, thread and command-file tests: a fresh
// console and fresh threads, the engine data fixture's folder for files, pumping of the
// synchronous bridge on the test's (main) thread, and a watchdog that turns
// a deadlock into a failed test instead of a hang.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "platform/ProgramState.h"
#include "processor/CommandFiles.h"
#include "processor/Console.h"
#include "processor/Threads.h"
#include "support/Deadline.h"
#include "support/EngineDataFixture.h"

namespace qora::test {

constexpr std::chrono::seconds PumpTimeout{10};

// Runs the bridge's queued calls until `done` holds.
inline void PumpUntil(const std::function<bool()>& done) {
    ASSERT_TRUE(SyncBridge().RunPendingUntil(done, PumpTimeout)) << "the condition never came true";
}

inline bool ThreadsIdle() { return !QueryThread().Busy() && !CommandFileThread().Busy(); }

inline void PumpUntilIdle() { PumpUntil(ThreadsIdle); }

// The workspace as plain lines.
inline std::vector<std::string> WorkspaceText() {
    std::vector<std::string> text;
    for (const WorkspaceLine& line : WorkspaceLines()) text.push_back(line.Text);
    return text;
}

class RuntimeTest : public EngineDataTest {
protected:
    void SetUp() override {
        EngineDataTest::SetUp();
        ClearWorkspace();
        ThreadHooks.SetControlsEnabled = [this](bool enabled) { controlStates.push_back(enabled); };
        StartProcessorThreads();
    }

    std::vector<bool> controlStates;
};

}  // namespace qora::test
