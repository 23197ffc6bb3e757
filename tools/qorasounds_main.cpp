// qorasounds: writes the countdown timer's own sounds, "tada.wav" and
// "chimes.wav", into a folder.
//
//   qorasounds FOLDER
#include <cstdio>
#include <filesystem>
#include <string>

#include "tools/LexiconCompiler.h"
#include "tools/TimerSounds.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: qorasounds FOLDER\n", stderr);
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    for (const auto& [name, bytes] : {std::pair{"tada.wav", qora::TadaWave()}, {"chimes.wav", qora::ChimesWave()}}) {
        std::string error;
        if (!qora::WriteFileBytes((folder / name).string(), bytes, error)) {
            std::fprintf(stderr, "qorasounds: %s\n", error.c_str());
            return 1;
        }
    }
    return 0;
}
