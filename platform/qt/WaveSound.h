// Playing wave files: set the file name, open the file, play it, stop it.
//
// Opening checks that the file can be read and is a wave file. Playing needs
// an open file and an audio output; on a machine without sound (a test run,
// a server) it does nothing, silently.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/WaveFiles.h"

class QSoundEffect;

namespace qora {

// The machine has an audio output to play on.
bool AudioOutputAvailable();

// The system's sound folders that exist ("sounds" in the user's and the
// system's shared data folders), the user's first.
std::vector<std::string> SystemSoundFolders();

class WavePlayer {
public:
    WavePlayer();
    ~WavePlayer();
    WavePlayer(const WavePlayer&) = delete;
    WavePlayer& operator=(const WavePlayer&) = delete;

    void SetFileName(const std::string& path);
    const std::string& FileName() const { return fileName_; }
    bool Open();  // false, and the player closed, when the file is no readable wave file
    bool IsOpen() const { return open_; }
    void Play();  // from the start; a sound still playing starts over
    void Stop();

private:
    std::string fileName_;
    bool open_ = false;
    std::unique_ptr<QSoundEffect> effect_;  // made on the first play with an audio output
};

}  // namespace qora
