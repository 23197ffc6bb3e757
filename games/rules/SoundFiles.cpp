#include "games/rules/SoundFiles.h"

#include "platform/ProgramState.h"
#include "platform/WaveFiles.h"

namespace qora {

bool SoundAvailable = false;
std::string PeriodSoundFileName = PeriodSoundName;
std::string WarningSoundFileName = WarningSoundName;
std::string SoundFolder;

void FindSoundFiles(const std::vector<std::string>& systemSoundFolders) {
    ResetSoundFiles();
    for (const std::string& folder : systemSoundFolders) {
        if (folder.empty()) continue;
        const std::string media = folder.back() == '/' ? folder : folder + "/";
        if (IsWaveFile(media + PeriodSoundName)) {
            SoundFolder = media;
            PeriodSoundFileName = media + PeriodSoundName;
            WarningSoundFileName = media + WarningSoundName;
            SoundAvailable = true;
            return;
        }
    }
    SoundAvailable = IsWaveFile(PeriodSoundName);
}

void ResetSoundFiles() {
    SoundAvailable = false;
    PeriodSoundFileName = PeriodSoundName;
    WarningSoundFileName = WarningSoundName;
    SoundFolder.clear();
}
const ProgramStateReset registerResetSoundFiles(ResetSoundFiles);

}  // namespace qora
