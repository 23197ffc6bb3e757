// The countdown timer's own sounds, made from plain tones so that a fresh
// installation has sound: "tada.wav", a short fanfare for the end of the
// period, and "chimes.wav", three falling bell notes for the warning. Both
// are 16-bit mono wave files at 22,050 samples a second.
#pragma once

#include <vector>

namespace qora {

constexpr int ToneSampleRate = 22050;

// One note: a sine tone with a few overtones, starting at `Start` seconds
// and dying away over `Seconds`.
struct Tone {
    double Start = 0;
    double Frequency = 440;
    double Seconds = 0.5;
};

// The bytes of a wave file holding the tones mixed, at most `peak` (0 to 1)
// of the full scale.
using WaveBytes = std::vector<unsigned char>;
WaveBytes ToneWave(const std::vector<Tone>& tones, double peak = 0.6);

WaveBytes TadaWave();
WaveBytes ChimesWave();

}  // namespace qora
