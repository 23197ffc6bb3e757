#include "processor/Threads.h"

#include <exception>
#include <string>

#include "platform/ProgramState.h"
#include "processor/CommandFiles.h"

namespace qora {

std::atomic<bool> SearchRunning{false};
std::atomic<bool> PresentationRunning{false};
std::atomic<bool> StopSearchRequested{false};
std::atomic<bool> StopPresentationRequested{false};
std::atomic<bool> StopCommandFilesRequested{false};
std::atomic<bool> ProgramStopping{false};
std::atomic<bool> PresentationStopReported{false};

OneShotSignal CommandDoneSignal;
std::mutex LargeOutputLock;
RuntimeHooks ThreadHooks;

namespace {

constexpr std::int32_t PresentEveryItem = -1;
constexpr int CommandSucceeded = 0;
constexpr int CommandFailed = 1;

SlateThread querySlateThread;
ExecuteThread commandFileThread;

// The end of every command: on the main thread, the line that ends the
// command files when a command of theirs failed, then the closing lines;
// then the waiting command-file thread is released. What the main thread
// does is posted without waiting (the command files' state is read here,
// before the signal lets them go on); the calls the command-file thread
// makes next come after it. The signal is set even when the bridge is
// closed.
void FinishWith(bool failed, void (*writeClosingLines)(), bool enableControls) {
    const std::string errorLine = failed ? CommandFileErrorText() : std::string();
    const bool enable = enableControls && !CommandFileRunning();
    SyncBridge().Post([errorLine, writeClosingLines, enable] {
        if (!errorLine.empty()) WriteOutputLine(errorLine);
        writeClosingLines();
        if (enable) SetWindowControlsEnabled(true);
    });
    CommandDoneSignal.Set(failed ? CommandFailed : CommandSucceeded);
}

}  // namespace

MainThreadQueue& SyncBridge() {
    static MainThreadQueue bridge;
    return bridge;
}

// The command line is locked at once, on the thread that starts the work,
// so that nothing edits or checks it from then on; it is unlocked on the main
// thread after the lines the work wrote, and the new prompt line is then
// checked, so that the results of the check describe the line that is there.
void SetWindowControlsEnabled(bool enabled) {
    if (!enabled) LockCommandLine();
    SyncBridge().Post([enabled] {
        if (enabled) UnlockCommandLine();
        if (ThreadHooks.SetControlsEnabled) ThreadHooks.SetControlsEnabled(enabled);
        if (enabled) CheckCommandLineSilently();
    });
}

SlateThread& QueryThread() { return querySlateThread; }
ExecuteThread& CommandFileThread() { return commandFileThread; }

// ---- SlateThread -----------------------------------------------------------

void SlateThread::SetWork(Work work) { work_ = std::move(work); }

void SlateThread::Request() {
    SetWindowControlsEnabled(false);
    worker_.Request();
}

bool SlateThread::Busy() const { return worker_.Busy(); }

void SlateThread::RunRequest() {
    ResetQueryStopFlags();
    bool succeeded = true;
    try {
        if (work_) succeeded = work_();
    } catch (const std::exception& error) {
        WriteOutputLine(std::string("Error - ") + error.what());
        succeeded = false;
    }
    SearchRunning = false;
    PresentationRunning = false;
    // The thread's finish routine: separator, new prompt, controls back on.
    FinishWith(!succeeded, WriteSeparatorAndPrompt, true);
}

bool SlateThread::SyncWriteMarkedLine(std::string_view text, std::span<const TextRange> marks) {
    return WritePresentationLine(text, marks);
}

std::int32_t SlateThread::SyncAskLargeOutput(std::int32_t itemCount) {
    std::int32_t answer = 0;
    if (!SyncBridge().Run([&] { answer = DoAskLargeOutput(itemCount); })) return 0;
    // The answer was written under the lock on the main thread.
    std::lock_guard lock(LargeOutputLock);
    return ProgramStopping ? 0 : answer;
}

std::int32_t SlateThread::DoAskLargeOutput(std::int32_t itemCount) {
    std::lock_guard lock(LargeOutputLock);
    return ThreadHooks.AskLargeOutput ? ThreadHooks.AskLargeOutput(itemCount) : PresentEveryItem;
}

// ---- ExecuteThread ---------------------------------------------------------

void ExecuteThread::Request() { worker_.Request(); }

bool ExecuteThread::Busy() const { return worker_.Busy(); }

// ---- Start, stop, Esc -------------------------------------------------------

void StartProcessorThreads() {
    SyncBridge().AdoptCurrentThread();
    ProgramStopping = false;
    CommandDoneSignal.Reset();
    querySlateThread.worker_.Create(ThreadPriority::BelowNormal, [] { querySlateThread.RunRequest(); });
    commandFileThread.worker_.Create(ThreadPriority::Lowest, RunCommandFiles);
}

void StopProcessorThreads() {
    ProgramStopping = true;
    StopSearchRequested = true;
    StopPresentationRequested = true;
    StopCommandFilesRequested = true;
    SyncBridge().Close();
    CommandDoneSignal.Abandon();
    commandFileThread.worker_.Stop();
    querySlateThread.worker_.Stop();
}

void RequestProgramExit(int status) {
    ProgramStopping = true;
    StopSearchRequested = true;
    StopPresentationRequested = true;
    StopCommandFilesRequested = true;
    SyncBridge().Run([status] {
        if (ThreadHooks.ExitProgram) ThreadHooks.ExitProgram(status);
    });
}

bool HandleEscape() {
    bool stopped = false;
    if (CommandFileRunning()) {
        StopCommandFilesRequested = true;
        stopped = true;
    }
    if (PresentationRunning && !SearchRunning) {
        StopPresentationRequested = true;
        stopped = true;
    } else if (SearchRunning || QueryThread().Busy()) {
        // Also between the request and the start of its search, so that a
        // query that is about to search is never taken for an idle program.
        StopSearchRequested = true;
        stopped = true;
    }
    return stopped;
}

void FinishCommand(bool failed) { FinishWith(failed, WriteBlankLineAndPrompt, false); }

void ResetQueryStopFlags() {
    StopSearchRequested = false;
    StopPresentationRequested = false;
    PresentationStopReported = false;
}

void ResetProcessorThreads() {
    StopProcessorThreads();
    ResetQueryStopFlags();
    SearchRunning = false;
    PresentationRunning = false;
    StopCommandFilesRequested = false;
    ProgramStopping = false;
    CommandDoneSignal.Reset();
    ThreadHooks = {};
    querySlateThread.SetWork(nullptr);
    SyncBridge().AdoptCurrentThread();
}
const ProgramStateReset registerResetProcessorThreads(ResetProcessorThreads, ResetStage::StopWork);

}  // namespace qora
