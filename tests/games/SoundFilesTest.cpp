#include <gtest/gtest.h>

#include <unistd.h>
#include <filesystem>
#include <fstream>

#include "games/SoundFiles.h"
#include "platform/ProgramState.h"

using namespace std::string_view_literals;

namespace qora {
namespace {

namespace fs = std::filesystem;

void WriteFile(const fs::path& path, std::string_view bytes) {
    if (path.has_parent_path()) fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

constexpr std::string_view Wave = "RIFF\x24\0\0\0WAVEfmt "sv;

class SoundFilesTest : public testing::Test {
protected:
    void SetUp() override {
        root = fs::temp_directory_path() / ("qora-sounds-" + std::to_string(::getpid()));
        fs::remove_all(root);
        fs::create_directories(root / "current");
        saved = fs::current_path();
        fs::current_path(root / "current");
    }
    void TearDown() override {
        fs::current_path(saved);
        fs::remove_all(root);
        ResetProgramState();
    }
    fs::path root, saved;
};

TEST_F(SoundFilesTest, TheFirstSystemSoundFolderWithTadaGivesBothSounds) {
    WriteFile(root / "user" / "chimes.wav", Wave);
    WriteFile(root / "system" / "tada.wav", Wave);
    WriteFile("tada.wav", Wave);
    FindSoundFiles({(root / "user").string(), (root / "system").string()});
    EXPECT_TRUE(SoundAvailable);
    EXPECT_EQ(PeriodSoundFileName, (root / "system" / "tada.wav").string());
    EXPECT_EQ(WarningSoundFileName, (root / "system" / "chimes.wav").string());
    EXPECT_EQ(SoundFolder, (root / "system").string() + "/");
}

TEST_F(SoundFilesTest, WithoutSystemSoundsATadaFileInTheCurrentFolderCounts) {
    WriteFile(root / "system" / "tada.wav", "not a wave file");
    WriteFile("tada.wav", Wave);
    FindSoundFiles({(root / "system").string()});
    EXPECT_TRUE(SoundAvailable);
    EXPECT_EQ(PeriodSoundFileName, "tada.wav");
    EXPECT_EQ(WarningSoundFileName, "chimes.wav");
    EXPECT_EQ(SoundFolder, "");
}

TEST_F(SoundFilesTest, NoWaveFileAnywhereMeansNoSound) {
    WriteFile("tada.wav", "RIFF");
    FindSoundFiles({});
    EXPECT_FALSE(SoundAvailable);
    FindSoundFiles({"", (root / "nowhere").string()});
    EXPECT_FALSE(SoundAvailable);
}

}  // namespace
}  // namespace qora
