// The executor's units and what they share. Executor.cpp dispatches a
// performed line; each family of commands has its own unit:
//   ExecuteSets.cpp      user-defined sets, the letter mapping
//   ExecuteWordlists.cpp wordlist, item and flashcard commands, .wds files
//   ExecuteFiles.cpp     command files, history and workspace files, exit,
//                        end, recording, printing, grid files
//   ExecuteWindows.cpp   the challenge, game and timer windows
//   ExecuteQuestions.cpp word presence questions
//   SlateRequests.cpp    the query thread's requests: queries,
//                        presentations, definition searches, random racks
//
// Every command function returns false after writing its error, which ends
// the line (and any command files).
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/QueryRecords.h"
#include "engine/SetOperation.h"
#include "processor/Executor.h"

namespace qora::execution {

// ---- Messages (Executor.cpp) -----------------------------------------------

// The status text of a long search ("WORKING: ..."; "" clears it). While
// a ProgressReport runs on the calling thread, the text goes through it.
void ShowProgressText(const std::string& text);

// The progress of one long piece of work (a search, the drawing of racks)
// on the thread that does it, paced by SearchProgressPace: texts show once
// the work has run for a while, then at most every so often; End clears the
// status text only when one was shown. Reports may nest; the innermost one
// paces.
class ProgressReport {
public:
    ProgressReport();
    ~ProgressReport();
    ProgressReport(const ProgressReport&) = delete;
    ProgressReport& operator=(const ProgressReport&) = delete;

    void Show(const std::string& text);
    void End();

private:
    using Clock = std::chrono::steady_clock;
    ProgressReport* enclosing_;
    Clock::time_point next_;
    bool shown_ = false;
};

// One line of command output with the message indent before it.
void WriteMessage(std::string_view text);
// Writes "Error - " and the text; returns false.
bool Failed(std::string_view text);

// Runs a window hook on the main thread; an empty hook does nothing.
void CallOnMainThread(const std::function<void()>& hook);

// The text with its first letter in capitals.
std::string Capitalised(std::string text);
// The set operation of a "|", "&" or "-" in a set definition or a
// computed wordlist.
SetOperation SetOperationOf(std::int32_t character);
// "1 item", "3 items".
std::string CountOf(std::int64_t count, std::string_view noun);
// "wordlist 5", "wordlist 5 \"Nouns\"" or "the slate".
std::string WordlistName(std::int32_t number);
// "There is no wordlist 5": the error of a command that needs it.
bool NoSuchWordlist(std::int32_t number);
// Writes "<name> now holds <n> items".
void ReportWordlistSize(std::int32_t number);

// ---- The command families ----------------------------------------------------

bool DefineSet(const CommandAction& action);  // ExecuteSets.cpp
bool SetMapping(const CommandAction& action);
// Set (B) and set ($) are in force already (ApplyRackSettings); this tells.
bool ReportBagOrScores(const CommandAction& action);

bool LabelWordlist(const CommandAction& action);  // ExecuteWordlists.cpp
bool CopySlate(const CommandAction& action);
bool RestoreSlate(const CommandAction& action);
bool CopyIntoWordlist(const CommandAction& action);
bool ComputeWordlist(const CommandAction& action);
bool ReadWordlistFile(const CommandAction& action);
bool WriteWordlistFile(const CommandAction& action);
bool DeleteItems(const CommandAction& action);
bool TransferItems(const CommandAction& action);
bool TransferFlashcard(const CommandAction& action);
bool BeginFlashcards(const CommandAction& action);
bool ShowNextFlashcard();
bool EndFlashcards();

bool StartCommandFile(const CommandAction& action);  // ExecuteFiles.cpp
bool EndCommandFile(CommandSource source);
bool ExitProgram();
bool SwitchRecording(bool on);
bool PrintWorkspace(const CommandAction& action);
bool ExportHistory(const CommandAction& action);
bool ImportHistory(const CommandAction& action);
bool ExportWorkspace(const CommandAction& action);
bool GridFilesNotAvailable(const CommandAction& action);
bool ExportGrids(const CommandAction& action);
bool ImportGrids(const CommandAction& action);
bool ExportBuildingGrids(const CommandAction& action);
bool ImportBuildingGrids(const CommandAction& action);

bool OpenWindow(const ParsedCommand& command);  // ExecuteWindows.cpp

bool AnswerWordPresence(const ParsedCommand& command);  // ExecuteQuestions.cpp

// ---- The query thread (SlateRequests.cpp) ------------------------------------

// The slate's item indices in the order of its last presentation; empty
// (the slate's own order) when it has changed since.
std::vector<std::int32_t> SlateOrder();
// Whether the command's search or presentation runs on the query thread.
bool GoesToSlateThread(CommandKind kind);
// Checks what can be refused at once; false after the error.
bool CheckSlateRequest(const ParsedCommand& command);
// Queues the command for the query thread and resumes it.
void RequestSlateWork(const ParsedCommand& command);
// The query thread's work: runs every queued request; false when one failed.
bool RunSlateRequests();

}  // namespace qora::execution
