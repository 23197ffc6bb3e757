// A test fixture that starts and ends every test with the engine's data in
// its start-up state: English tables, no user-defined sets, an empty slate
// and no wordlists, no definitions, no tile bag, and a fixed random seed.
// It also gives each test a folder of its own for files.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "engine/Definitions.h"
#include "engine/RandomRacks.h"
#include "engine/Tiles.h"
#include "engine/UserSets.h"
#include "engine/Wordlists.h"
#include "platform/ProgramState.h"
#include "platform/Random.h"

namespace qora::test {

class EngineDataTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetEngineData();
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        folder_ = std::filesystem::temp_directory_path() /
                  (std::string("qora-") + info->test_suite_name() + "-" + info->name() + "-" +
                   std::to_string(::getpid()));  // test runs of other worktrees use the folder too
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override {
        ResetEngineData();
        std::filesystem::remove_all(folder_);
    }

    static void ResetEngineData() {
        ResetProgramState();
        RuntimeSeed(12345);
    }

    // The test's folder, and the path of a file in it.
    const std::filesystem::path& Folder() const { return folder_; }
    std::string PathOf(const std::string& name) const { return (folder_ / name).string(); }

    std::string WriteFile(const std::string& name, const std::string& bytes) const {
        const std::string path = PathOf(name);
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    std::string ReadFile(const std::string& name) const {
        std::ifstream file(PathOf(name), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    }

private:
    std::filesystem::path folder_;
};

}  // namespace qora::test
