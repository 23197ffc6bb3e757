#include "processor/Recording.h"

#include <gtest/gtest.h>

#include "support/EngineDataFixture.h"
#include "support/LocalTime.h"

namespace qora {
namespace {

using test::LocalTime;

std::time_t FixedNow = 0;
std::time_t FixedClock() { return FixedNow; }

// Recording files go to the test's folder, at noon on 11 June 2011.
class RecordingTest : public test::EngineDataTest {
protected:
    void SetUp() override {
        EngineDataTest::SetUp();
        RecordingFolder = Folder().string();
        FixedNow = LocalTime(2011, 6, 11, 12);
        RecordingClock = FixedClock;
    }
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
    EXPECT_EQ(ChallengeRecordFileName, (Folder() / "cw110611.wds").string());

    RecordingFilePrefix = "sub/judge";
    BuildChallengeRecordFileName();
    EXPECT_EQ(ChallengeRecordFileName, (Folder() / "sub/judge110611.wds").string());

    RecordingFilePrefix = "/var/tmp/ab";
    BuildChallengeRecordFileName();
    EXPECT_EQ(ChallengeRecordFileName, "/var/tmp/ab110611.wds");
}

TEST_F(RecordingTest, GroupsAreAppendedOneWordALine) {
    BuildChallengeRecordFileName();
    AppendToRecordFile({"CAT", "DOG"});
    EXPECT_TRUE(RecordFileOpened);
    AppendToRecordFile({"CHURRO", "NI\xD1O"});
    EXPECT_EQ(ReadFile("cw110611.wds"), "CAT\nDOG\nCHURRO\nNI\xD1O\n");
}

TEST_F(RecordingTest, SetChallengeRecordingSwitchesAndReturnsTheName) {
    EXPECT_EQ(SetChallengeRecording(true), (Folder() / "cw110611.wds").string());
    EXPECT_TRUE(RecordingOn);
    RecordFileOpened = false;
    FixedNow = LocalTime(2011, 6, 13, 12);
    // Switching off keeps the last name, which the executor prints.
    EXPECT_EQ(SetChallengeRecording(false), (Folder() / "cw110611.wds").string());
    EXPECT_FALSE(RecordingOn);
    EXPECT_FALSE(RecordFileOpened);
    EXPECT_EQ(SetChallengeRecording(true), (Folder() / "cw110613.wds").string());
    EXPECT_TRUE(RecordFileOpened);
}

}  // namespace
}  // namespace qora
