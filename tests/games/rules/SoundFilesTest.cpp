#include "games/rules/SoundFiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "support/EngineDataFixture.h"

using namespace std::string_view_literals;

namespace qora {
namespace {

namespace fs = std::filesystem;

void PutFile(const fs::path& path, std::string_view bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

constexpr std::string_view Wave = "RIFF\x24\0\0\0WAVEfmt "sv;

// The test's folder holds the sound folders; its folder "current" is the
// current folder.
class SoundFilesTest : public test::EngineDataTest {
protected:
    void SetUp() override {
        EngineDataTest::SetUp();
        root = Folder();
        fs::create_directories(root / "current");
        saved = fs::current_path();
        fs::current_path(root / "current");
    }
    void TearDown() override {
        fs::current_path(saved);
        EngineDataTest::TearDown();
    }
    fs::path root, saved;
};

TEST_F(SoundFilesTest, TheFirstSystemSoundFolderWithTadaGivesBothSounds) {
    PutFile(root / "user" / "chimes.wav", Wave);
    PutFile(root / "system" / "tada.wav", Wave);
    PutFile(root / "current" / "tada.wav", Wave);
    FindSoundFiles({(root / "user").string(), (root / "system").string()});
    EXPECT_TRUE(SoundAvailable);
    EXPECT_EQ(PeriodSoundFileName, (root / "system" / "tada.wav").string());
    EXPECT_EQ(WarningSoundFileName, (root / "system" / "chimes.wav").string());
    EXPECT_EQ(SoundFolder, (root / "system").string() + "/");
}

TEST_F(SoundFilesTest, WithoutSystemSoundsATadaFileInTheCurrentFolderCounts) {
    PutFile(root / "system" / "tada.wav", "not a wave file");
    PutFile(root / "current" / "tada.wav", Wave);
    FindSoundFiles({(root / "system").string()});
    EXPECT_TRUE(SoundAvailable);
    EXPECT_EQ(PeriodSoundFileName, "tada.wav");
    EXPECT_EQ(WarningSoundFileName, "chimes.wav");
    EXPECT_EQ(SoundFolder, "");
}

TEST_F(SoundFilesTest, NoWaveFileAnywhereMeansNoSound) {
    PutFile(root / "current" / "tada.wav", "RIFF");
    FindSoundFiles({});
    EXPECT_FALSE(SoundAvailable);
    FindSoundFiles({"", (root / "nowhere").string()});
    EXPECT_FALSE(SoundAvailable);
}

}  // namespace
}  // namespace qora
