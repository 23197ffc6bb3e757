#include "tools/TimerSounds.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <string_view>

namespace qora {

namespace {

// The overtones of a note and their strengths: a soft bell-like colour.
constexpr double Overtones[][2] = {{1, 1.0}, {2, 0.35}, {3, 0.15}, {4.2, 0.08}};
constexpr double AttackSeconds = 0.008;

double ToneSample(const Tone& tone, double time) {
    const double age = time - tone.Start;
    if (age < 0 || age >= tone.Seconds) return 0;
    const double attack = std::min(1.0, age / AttackSeconds);
    const double decay = std::exp(-4.0 * age / tone.Seconds) * (1 - age / tone.Seconds);
    double sample = 0;
    for (const auto& [multiple, strength] : Overtones)
        sample += strength * std::sin(2 * std::numbers::pi * tone.Frequency * multiple * age);
    return sample * attack * decay;
}

void AppendLittleEndian(WaveBytes& bytes, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) bytes.push_back(static_cast<unsigned char>((value >> (8 * i)) & 0xFF));
}

void AppendText(WaveBytes& bytes, std::string_view text) { bytes.insert(bytes.end(), text.begin(), text.end()); }

}  // namespace

WaveBytes ToneWave(const std::vector<Tone>& tones, double peak) {
    double end = 0;
    for (const Tone& tone : tones) end = std::max(end, tone.Start + tone.Seconds);
    const auto sampleCount = static_cast<std::size_t>(std::ceil(end * ToneSampleRate));
    std::vector<double> mixed(sampleCount);
    double loudest = 0;
    for (std::size_t i = 0; i < sampleCount; ++i) {
        const double time = static_cast<double>(i) / ToneSampleRate;
        for (const Tone& tone : tones) mixed[i] += ToneSample(tone, time);
        loudest = std::max(loudest, std::abs(mixed[i]));
    }
    const double scale = loudest > 0 ? std::clamp(peak, 0.0, 1.0) * 32767 / loudest : 0;

    constexpr int BytesPerSample = 2;
    const auto dataSize = static_cast<std::uint32_t>(sampleCount * BytesPerSample);
    WaveBytes bytes;
    AppendText(bytes, "RIFF");
    AppendLittleEndian(bytes, 36 + dataSize, 4);
    AppendText(bytes, "WAVEfmt ");
    AppendLittleEndian(bytes, 16, 4);  // the format chunk's size
    AppendLittleEndian(bytes, 1, 2);   // PCM
    AppendLittleEndian(bytes, 1, 2);   // mono
    AppendLittleEndian(bytes, ToneSampleRate, 4);
    AppendLittleEndian(bytes, ToneSampleRate * BytesPerSample, 4);
    AppendLittleEndian(bytes, BytesPerSample, 2);
    AppendLittleEndian(bytes, 8 * BytesPerSample, 2);
    AppendText(bytes, "data");
    AppendLittleEndian(bytes, dataSize, 4);
    for (const double sample : mixed)
        AppendLittleEndian(bytes, static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(sample * scale))),
                           BytesPerSample);
    return bytes;
}

// Two quick notes and a major chord: C5, C5 (with their octaves), then
// C5 E5 G5 C6.
WaveBytes TadaWave() {
    return ToneWave({{0.00, 523.25, 0.18},
                     {0.00, 1046.50, 0.18},
                     {0.14, 523.25, 0.18},
                     {0.14, 1046.50, 0.18},
                     {0.30, 523.25, 1.10},
                     {0.30, 659.25, 1.10},
                     {0.30, 783.99, 1.10},
                     {0.30, 1046.50, 1.10}});
}

// E6, C6, G5, each ringing on under the next.
WaveBytes ChimesWave() { return ToneWave({{0.00, 1318.51, 0.9}, {0.25, 1046.50, 0.9}, {0.50, 783.99, 1.2}}); }

}  // namespace qora
