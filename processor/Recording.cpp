#include "processor/Recording.h"

#include <filesystem>
#include <system_error>

#include "engine/Listings.h"
#include "engine/TextFiles.h"
#include "platform/Files.h"
#include "platform/ProgramState.h"

namespace qora {

namespace {

std::time_t SystemClock() { return std::time(nullptr); }

std::string CurrentFolderAtStartUp() {
    std::error_code error;
    std::filesystem::path folder = std::filesystem::current_path(error);
    return error ? std::string() : folder.string();
}

// A prefix that names no folder, or a relative one, is taken from the
// start-up folder; an absolute prefix stands as it is.
std::string ResolvedRecordPath(const std::string& fileName) {
    std::filesystem::path path(fileName);
    if (path.is_absolute() || RecordingFolder.empty()) return fileName;
    return (std::filesystem::path(RecordingFolder) / path).string();
}

}  // namespace

bool RecordingOn = false;
std::string RecordingFilePrefix = "cw";
std::vector<RecordingPeriod> RecordingPeriods;

std::int32_t ChallengeByCommand = 0;
std::int32_t ChallengeRecordingOption = 0;
bool InterimChallengesOn = false;
std::int32_t InitialChallengeLexicon = 0;
bool ChallengeFromPromptLine = false;

RecordingClockFunction RecordingClock = SystemClock;
std::string RecordingFolder = CurrentFolderAtStartUp();
std::string ChallengeRecordFileName;
bool RecordFileOpened = true;

std::tm RecordingDayTime(std::time_t now) {
    std::time_t dayTime = now - RecordingDayOffsetSeconds;
    std::tm local{};
    localtime_r(&dayTime, &local);
    return local;
}

std::string RecordingFileName(std::string_view prefix, std::time_t now) {
    std::tm day = RecordingDayTime(now);
    return std::string(prefix) +
           FormatText("%02d%02d%02d.wds", (day.tm_year + 1900) % 100, day.tm_mon + 1, day.tm_mday);
}

void BuildChallengeRecordFileName() {
    ChallengeRecordFileName = ResolvedRecordPath(RecordingFileName(RecordingFilePrefix, RecordingClock()));
    RecordFileOpened = true;
}

void AppendToRecordFile(const std::vector<std::string>& words) {
    std::string text;
    for (const std::string& word : words) text += LineForTextFile(word) + '\n';
    // A group that could not be written (a full disk) counts as not
    // recorded, and no part of it stays in the file.
    RecordFileOpened = AppendToFile(ChallengeRecordFileName, text, AppendStart::AfterLineEnd).empty();
}

std::string SetChallengeRecording(bool on) {
    RecordingOn = on;
    if (on) BuildChallengeRecordFileName();
    return ChallengeRecordFileName;
}

void ResetRecording() {
    RecordingOn = false;
    RecordingFilePrefix = "cw";
    RecordingPeriods.clear();
    ChallengeByCommand = 0;
    ChallengeRecordingOption = 0;
    InterimChallengesOn = false;
    InitialChallengeLexicon = 0;
    ChallengeFromPromptLine = false;
    RecordingClock = SystemClock;
    RecordingFolder = CurrentFolderAtStartUp();
    ChallengeRecordFileName.clear();
    RecordFileOpened = true;
}
const ProgramStateReset registerResetRecording(ResetRecording);

}  // namespace qora
