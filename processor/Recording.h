// Recording of challenged words and the switches of challenge adjudication
// that the initialization file, the command executor, the main window and the
// challenge window share.
//
// A recording file holds every group of words judged in the challenge window,
// one word a line, appended as the groups are judged. Its name is the prefix
// followed by the date of the recording day (a recording day runs from 06:00
// to 06:00 local time), e.g. "cw110611.wds". See docs/file-formats.md.
#pragma once

#include <cstdint>
#include <ctime>
#include <string>
#include <string_view>
#include <vector>

namespace qora {

// --- Recording switches -----------------------------------------------------

// Which days a [RECORDING PERIODS] line of the initialization file names.
enum class RecordingWeek : std::uint8_t {
    Always,  // "ALWAYS": every day, all day
    Daily,   // "DAILY h,d": every day
    First,
    Second,
    Third,
    Fourth,
    Fifth,
    Last,  // that weekday of the month
    All,   // every week: that weekday
};

struct RecordingPeriod {
    RecordingWeek Week = RecordingWeek::Always;
    std::int32_t Weekday = 0;        // 0 Sunday .. 6 Saturday (week lines only)
    std::int32_t StartHour = 0;      // hours below 6 count as 6
    std::int32_t DurationHours = 0;  // ends at 06:00 next morning at the latest
};

extern bool RecordingOn;                 // challenged words are recorded
extern std::string RecordingFilePrefix;  // "cw" without an initialization file
extern std::vector<RecordingPeriod> RecordingPeriods;

// --- Challenge switches -----------------------------------------------------

// The number of a challenge command that locks the challenge window (0: not
// locked); only typing that number in the window unlocks and closes it.
extern std::int32_t ChallengeByCommand;
// Whether a locked opening records judged groups (the challenge command's
// third number, non-zero = record).
extern std::int32_t ChallengeRecordingOption;
// The lexicon-transition option: the challenge window also consults the
// secondary lexicon.
extern bool InterimChallengesOn;
// The challenge lexicon as last read from or written to the initialization
// file; the window's colour tells whether another one is in use.
extern std::int32_t InitialChallengeLexicon;
// Set by the openers that carry the words typed on the command line into the
// window; the window clears it once it has read them.
extern bool ChallengeFromPromptLine;

// --- The recording file -----------------------------------------------------

constexpr std::time_t RecordingDayOffsetSeconds = 21600;  // the day starts at 06:00

// The clock the recording file name is taken from; tests replace it.
using RecordingClockFunction = std::time_t (*)();
extern RecordingClockFunction RecordingClock;

// The folder a prefix without a folder (or with a relative one) is taken
// from: the current folder at start-up, resolved once, so that file dialogs
// that change the current folder later do not move the recording files.
extern std::string RecordingFolder;

extern std::string ChallengeRecordFileName;  // the current recording file (absolute)
extern bool RecordFileOpened;                // the last attempt to open it succeeded

// The local date and time of the recording day that `now` falls in (now less
// six hours), so that adjudication past midnight keeps the previous day.
std::tm RecordingDayTime(std::time_t now);

// "<prefix>yymmdd.wds" for the recording day of `now`.
std::string RecordingFileName(std::string_view prefix, std::time_t now);

// Builds ChallengeRecordFileName from RecordingFilePrefix, RecordingFolder
// and RecordingClock, and sets RecordFileOpened (nothing is opened yet).
void BuildChallengeRecordFileName();

// Appends the words to the recording file, one a line, and closes it again.
// RecordFileOpened tells whether the group was written; a file that could
// not is tried again on the next call, so nothing is lost once it works.
void AppendToRecordFile(const std::vector<std::string>& words);

// The executor's entry point for the recording commands: switches
// RecordingOn; when on, builds the current file name. Returns the file name
// in both cases, for the executor to print.
std::string SetChallengeRecording(bool on);

// Back to the start-up state (no initialization file read), for tests.
void ResetRecording();

}  // namespace qora
