#include "processor/CommandFiles.h"

#include <exception>
#include <mutex>

#include "engine/Listings.h"
#include "engine/TextFiles.h"
#include "platform/ProgramState.h"
#include "processor/CheckedLines.h"
#include "processor/CommandLine.h"
#include "processor/Console.h"
#include "processor/Threads.h"

namespace qora {

namespace {

std::mutex stackLock;  // guards the stack; lines are read by the command-file thread only
std::unique_ptr<CommandFile> CurrentCommandFile;
int openFiles = 0;
CommandFileLineRunner lineRunner;

bool ReadCommandFile(CommandFile& file, std::string& error) {
    std::string reason;
    if (ReadCheckedLines(file.Name, MaxCommandFileSize, MaxCommandFileLineLength, file.Lines, reason)) return true;
    error = FormatText("Cannot run command file %s: %s", file.Name.c_str(), reason.c_str());
    return false;
}

CommandFile* Top() {
    std::lock_guard lock(stackLock);
    return CurrentCommandFile.get();
}

void PopCommandFile() {
    std::lock_guard lock(stackLock);
    if (!CurrentCommandFile) return;
    CurrentCommandFile = std::move(CurrentCommandFile->Enclosing);
    --openFiles;
}

void EndAllCommandFiles() {
    std::lock_guard lock(stackLock);
    CurrentCommandFile.reset();
    openFiles = 0;
}

bool IsBlankLine(const std::string& line) { return TrimBlanks(line).empty(); }

// A line that cannot be run ends every command file: its reason, the error
// line naming it, and a new prompt.
void FailCommandFiles(const std::string& reason) {
    SyncBridge().Run([&] {
        if (!reason.empty()) WriteOutputLine("Error - " + reason);
        WriteOutputLine(CommandFileErrorText());
        WriteBlankLineAndPrompt();
    });
    EndAllCommandFiles();
}

LineOutcome RunLine(const std::string& line) {
    if (!lineRunner) {
        // Nothing to perform the line with: it is only echoed.
        FinishCommand(false);
        return LineOutcome::Started;
    }
    try {
        return lineRunner(line);
    } catch (const std::exception& error) {
        SyncBridge().Run([&] { WriteOutputLine(std::string("Error - ") + error.what()); });
        return LineOutcome::Failed;
    }
}

}  // namespace

void SetCommandFileLineRunner(CommandFileLineRunner runner) { lineRunner = std::move(runner); }

std::string RunCommandFile(const std::string& name) {
    const auto tooMany = [&] {
        return FormatText("Command file %s is not run: at most %d command files can be open at once", name.c_str(),
                          MaxCommandFileDepth);
    };
    if (CommandFileDepth() >= MaxCommandFileDepth) return tooMany();
    auto file = std::make_unique<CommandFile>();
    file->Name = name;
    std::string error;
    if (!ReadCommandFile(*file, error)) return error;
    bool firstFile;
    {
        std::lock_guard lock(stackLock);
        if (openFiles >= MaxCommandFileDepth) return tooMany();
        firstFile = openFiles == 0;
        file->Enclosing = std::move(CurrentCommandFile);
        CurrentCommandFile = std::move(file);
        ++openFiles;
    }
    if (firstFile) {
        StopCommandFilesRequested = false;
        SetWindowControlsEnabled(false);
    }
    CommandFileThread().Request();
    return {};
}

void EndCurrentCommandFile() {
    std::lock_guard lock(stackLock);
    if (CurrentCommandFile) CurrentCommandFile->Ended = true;
}

bool CommandFileRunning() { return CommandFileDepth() > 0; }

int CommandFileDepth() {
    std::lock_guard lock(stackLock);
    return openFiles;
}

std::string CommandFileErrorText() {
    std::lock_guard lock(stackLock);
    if (!CurrentCommandFile) return {};
    return FormatText("Error on line %d of command file %s", static_cast<int>(CurrentCommandFile->NextLine),
                      CurrentCommandFile->Name.c_str());
}

void RunCommandFiles() {
    if (!CommandFileRunning()) return;
    while (CommandFile* file = Top()) {
        if (ProgramStopping || StopCommandFilesRequested) {
            EndAllCommandFiles();
            break;
        }
        if (file->Ended || file->NextLine >= file->Lines.size()) {
            PopCommandFile();
            continue;
        }
        const CheckedLine& line = file->Lines[file->NextLine++];
        if (!line.Problem.empty()) {
            FailCommandFiles(line.Problem);
            break;
        }
        if (IsBlankLine(line.Text)) continue;
        // The echo passes through the main thread, and is waited for, before
        // the signal is armed, so the end of a typed command that started
        // this file (still running there) cannot be taken for this line's
        // end, and the line's parse on this thread reads the history with
        // the line in it. The history records the line with its insertions
        // applied, as it does a typed line, so that a later "!" or "^" finds
        // the query.
        SyncBridge().Run([&] {
            AddToCommandHistory(ExpandCommandLine(line.Text, CommandHistory).Text);
            EchoCommandLine(line.Text);
        });
        CommandDoneSignal.Arm();
        if (RunLine(line.Text) == LineOutcome::Failed) {
            FailCommandFiles({});
            break;
        }
        const auto result = CommandDoneSignal.Wait();
        if (!result || *result != 0) {
            // Stopping, or the failed command's end wrote the error line.
            EndAllCommandFiles();
            break;
        }
    }
    SetWindowControlsEnabled(true);
}

void ResetCommandFiles() {
    EndAllCommandFiles();
    lineRunner = nullptr;
}
const ProgramStateReset registerResetCommandFiles(ResetCommandFiles);

}  // namespace qora
