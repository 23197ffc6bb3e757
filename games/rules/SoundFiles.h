// The sound files of the countdown timer, looked for at start-up: "tada.wav"
// when the period runs out and "chimes.wav" at the warning time. Without a
// sound file found at start-up no sound is ever played.
#pragma once

#include <string>
#include <vector>

namespace qora {

constexpr char PeriodSoundName[] = "tada.wav";
constexpr char WarningSoundName[] = "chimes.wav";

extern bool SoundAvailable;
extern std::string PeriodSoundFileName;
extern std::string WarningSoundFileName;
// The folder the sound file dialogs start in; "" for the current folder.
extern std::string SoundFolder;

// Looks for "tada.wav" in the system's sound folders, in order: the first
// that holds it gives both sounds. Otherwise a "tada.wav" in the current
// folder makes sound available.
void FindSoundFiles(const std::vector<std::string>& systemSoundFolders);

void ResetSoundFiles();

}  // namespace qora
