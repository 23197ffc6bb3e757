#include "tools/TimerSounds.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>

namespace qora {
namespace {

std::uint32_t Field(const WaveBytes& bytes, std::size_t offset, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) value = value << 8 | bytes.at(offset + i);
    return value;
}

std::string Text(const WaveBytes& bytes, std::size_t offset) {
    return std::string(bytes.begin() + static_cast<std::ptrdiff_t>(offset),
                       bytes.begin() + static_cast<std::ptrdiff_t>(offset + 4));
}

// Players refuse a file whose chunk sizes disagree with its length, and a
// sound scaled beyond the full range would click.
TEST(TimerSounds, AreWholeMonoWaveFilesWithinTheirPeak) {
    for (const WaveBytes& wave : {TadaWave(), ChimesWave()}) {
        ASSERT_GT(wave.size(), 44u);
        EXPECT_EQ(Text(wave, 0), "RIFF");
        EXPECT_EQ(Field(wave, 4, 4), wave.size() - 8);
        EXPECT_EQ(Text(wave, 8) + Text(wave, 12), "WAVEfmt ");
        EXPECT_EQ(Field(wave, 20, 2), 1u);  // PCM
        EXPECT_EQ(Field(wave, 22, 2), 1u);  // mono
        EXPECT_EQ(Field(wave, 24, 4), static_cast<std::uint32_t>(ToneSampleRate));
        EXPECT_EQ(Field(wave, 34, 2), 16u);
        EXPECT_EQ(Text(wave, 36), "data");
        EXPECT_EQ(Field(wave, 40, 4), wave.size() - 44);
        EXPECT_GT(wave.size() - 44, static_cast<std::size_t>(ToneSampleRate));  // over half a second
        int loudest = 0;
        for (std::size_t offset = 44; offset + 1 < wave.size(); offset += 2)
            loudest = std::max(loudest, std::abs(static_cast<int>(static_cast<std::int16_t>(Field(wave, offset, 2)))));
        EXPECT_EQ(loudest, 19660);  // 0.6 of 32767
    }
}

TEST(TimerSounds, SilenceHasNoSamplesToScale) {
    const WaveBytes wave = ToneWave({});
    EXPECT_EQ(wave.size(), 44u);
    EXPECT_EQ(Field(wave, 40, 4), 0u);
}

}  // namespace
}  // namespace qora
