#include "processor/Recording.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include <unistd.h>

#include "platform/ProgramState.h"

namespace qora {
namespace {

std::time_t LocalTime(int year, int month, int day, int hour) {
    std::tm local{};
    local.tm_year = year - 1900;
    local.tm_mon = month - 1;
    local.tm_mday = day;
    local.tm_hour = hour;
    local.tm_isdst = -1;
    return std::mktime(&local);
}

std::time_t FixedNow = 0;
std::time_t FixedClock() { return FixedNow; }

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class RecordingTest : public testing::Test {
protected:
    void SetUp() override {
        ResetProgramState();
        folder_ =
            std::filesystem::temp_directory_path() / ("qora-recording-" + std::to_string(::getpid()) + "-" +
                                                      testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
        RecordingFolder = folder_.string();
        FixedNow = LocalTime(2011, 6, 11, 12);
        RecordingClock = FixedClock;
    }
    void TearDown() override {
        ResetProgramState();
        std::filesystem::remove_all(folder_);
    }
    std::filesystem::path folder_;
};

TEST_F(RecordingTest, RecordingDayRunsFromSixToSix) {
    EXPECT_EQ(RecordingFileName("cw", LocalTime(2011, 6, 11, 3)), "cw110610.wds");
    EXPECT_EQ(RecordingFileName("cw", LocalTime(2011, 6, 11, 7)), "cw110611.wds");
    EXPECT_EQ(RecordingFileName("cw", LocalTime(2011, 6, 11, 6)), "cw110611.wds");
    EXPECT_EQ(RecordingFileName("cw", LocalTime(2000, 1, 1, 5)), "cw991231.wds");
    EXPECT_EQ(RecordingFileName("", LocalTime(2009, 3, 1, 0)), "090228.wds");
}

TEST_F(RecordingTest, PrefixWithoutFolderNamesAFileInTheStartUpFolder) {
    BuildChallengeRecordFileName();
    EXPECT_EQ(ChallengeRecordFileName, (folder_ / "cw110611.wds").string());

    RecordingFilePrefix = "sub/judge";
    BuildChallengeRecordFileName();
    EXPECT_EQ(ChallengeRecordFileName, (folder_ / "sub/judge110611.wds").string());

    RecordingFilePrefix = "/var/tmp/ab";
    BuildChallengeRecordFileName();
    EXPECT_EQ(ChallengeRecordFileName, "/var/tmp/ab110611.wds");
}

TEST_F(RecordingTest, GroupsAreAppendedOneWordALine) {
    BuildChallengeRecordFileName();
    AppendToRecordFile({"CAT", "DOG"});
    EXPECT_TRUE(RecordFileOpened);
    AppendToRecordFile({"CHURRO", "NI\xD1O"});
    EXPECT_EQ(ReadFile(ChallengeRecordFileName), "CAT\nDOG\nCHURRO\nNI\xD1O\n");
}

TEST_F(RecordingTest, SetChallengeRecordingSwitchesAndReturnsTheName) {
    EXPECT_EQ(SetChallengeRecording(true), (folder_ / "cw110611.wds").string());
    EXPECT_TRUE(RecordingOn);
    RecordFileOpened = false;
    FixedNow = LocalTime(2011, 6, 13, 12);
    // Switching off keeps the last name, which the executor prints.
    EXPECT_EQ(SetChallengeRecording(false), (folder_ / "cw110611.wds").string());
    EXPECT_FALSE(RecordingOn);
    EXPECT_FALSE(RecordFileOpened);
    EXPECT_EQ(SetChallengeRecording(true), (folder_ / "cw110613.wds").string());
    EXPECT_TRUE(RecordFileOpened);
}

}  // namespace
}  // namespace qora
