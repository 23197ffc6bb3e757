// Shared set-up of the console, thread and command-file tests: a fresh
// console and fresh threads, a scratch folder for files, pumping of the
// synchronous bridge on the test's (main) thread, and a watchdog that turns
// a deadlock into a failed test instead of a hang.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <future>
#include <iostream>
#include <string>
#include <vector>

#include "platform/ProgramState.h"
#include "processor/CommandFiles.h"
#include "processor/Console.h"
#include "processor/Threads.h"
#include "support/Deadline.h"

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

class RuntimeTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetProgramState();
        ClearWorkspace();
        ThreadHooks.SetControlsEnabled = [this](bool enabled) { controlStates.push_back(enabled); };
        StartProcessorThreads();
        char pattern[] = "/tmp/qora-runtime-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        folder = pattern;
    }

    void TearDown() override {
        ResetProgramState();
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }

    // Writes a file of the scratch folder and returns its path.
    std::string WriteFile(const std::string& name, const std::string& bytes) {
        const std::string path = (folder / name).string();
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    std::filesystem::path folder;
    std::vector<bool> controlStates;
};

}  // namespace qora::test
