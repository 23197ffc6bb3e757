#include "processor/Headless.h"

#include <atomic>

#include "engine/Definitions.h"
#include "engine/Lexicons.h"
#include "engine/RandomRacks.h"
#include "engine/UserSets.h"
#include "engine/Wordlists.h"
#include "platform/ProgramState.h"
#include "processor/CommandFiles.h"
#include "processor/CommandLine.h"
#include "processor/Console.h"
#include "processor/Executor.h"
#include "processor/IniFile.h"
#include "processor/Recording.h"
#include "processor/ReportError.h"
#include "processor/Threads.h"

namespace qora {

namespace {

ConsoleErrorSink consoleSink;  // no-reset: holds no data, it writes reports to the console
std::atomic<int> exitStatus{-1};
const ProgramStateReset registerResetExitStatus([] { exitStatus = -1; });

bool ChooseStartupLexicons(std::string& error) {
    return ChooseLexicons(PrimaryLexicon, SecondaryLexiconIndex, ChallengeLexicon, error);
}

}  // namespace

std::string StartHeadless(const HeadlessStartup& startup) {
    ResetProgramState();
    std::string error;
    if (!FindLexiconFiles(startup.LexiconFolder, error)) return error;
    error = ReadIniFile(startup.IniFile);
    if (!error.empty()) return error;
    if (!ChooseStartupLexicons(error)) return error;
    InitSettings();
    if (!IniDefinitionsFileName.empty()) LoadDefinitions(IniDefinitionsFileName);
    ThreadHooks.ExitProgram = [](int status) { exitStatus = status; };
    SetErrorReportSink(&consoleSink);
    StartProcessorThreads();
    ConnectCommandProcessor();
    if (startup.ConnectGames) startup.ConnectGames();
    ClearWorkspace();
    return {};
}

bool RunHeadlessCommandFile(const std::string& path, std::chrono::milliseconds timeout) {
    const std::string error = RunCommandFile(path);
    if (!error.empty()) {
        WriteOutputLine("Error - " + error);
        WriteBlankLineAndPrompt();
    }
    return WaitUntilHeadlessIdle(timeout);
}

bool PerformHeadlessLine(std::string_view line, std::chrono::milliseconds timeout) {
    NewCommandLine(line);
    PerformCommandLine();
    return WaitUntilHeadlessIdle(timeout);
}

bool WaitUntilHeadlessIdle(std::chrono::milliseconds timeout) {
    return SyncBridge().RunPendingUntil(
        [] {
            return ProgramStopping || (!QueryThread().Busy() && !CommandFileThread().Busy() && !CommandFileRunning());
        },
        timeout);
}

std::vector<std::string> HeadlessWorkspace() {
    std::vector<std::string> text;
    for (const WorkspaceLine& line : WorkspaceLines()) text.push_back(line.Text);
    return text;
}

int HeadlessExitStatus() { return exitStatus; }

void StopHeadless() { ResetProgramState(); }

}  // namespace qora
