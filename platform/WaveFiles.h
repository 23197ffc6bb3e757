// Telling a wave file by its first bytes, without Qt: the countdown's sound
// files are looked for this way, and the wave player opens only such a file.
#pragma once

#include <string>

namespace qora {

// The file starts with a RIFF header of the WAVE form.
bool IsWaveFile(const std::string& path);

}  // namespace qora
