#include "platform/WaveFiles.h"

#include <cstdint>

#include "platform/Files.h"

namespace qora {

bool IsWaveFile(const std::string& path) {
    std::string header, error;
    std::uint64_t size = 0;
    if (!ReadFileStart(path, 12, header, size, error) || header.size() < 12) return false;
    return header.starts_with("RIFF") && header.substr(8, 4) == "WAVE";
}

}  // namespace qora
