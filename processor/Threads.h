// The command processor's worker threads and what they share.
//
// SlateThread runs queries and presentations; ExecuteThread runs command
// files. Both are created suspended at start-up and resumed per request.
// Neither touches a window: output and questions reach the main thread
// through the bridge (SyncBridge), which runs a function there and waits for
// it, or, for one-way notifications, goes on at once.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <span>
#include <string_view>

#include "platform/ThreadSupport.h"
#include "processor/Console.h"

namespace qora {

// The bridge into the main thread: calls that wait (Run) and one-way
// notifications (Post), run in the order they were made. The window build
// installs a wake-up that makes its event loop pump the queue; headless code
// pumps it.
MainThreadQueue& SyncBridge();

// Shared flags. The executor and the engine set the running flags around a
// search and a presentation; Esc sets the stop flags; the exit command and
// closing the window set ProgramStopping.
extern std::atomic<bool> SearchRunning;
extern std::atomic<bool> PresentationRunning;
extern std::atomic<bool> StopSearchRequested;
extern std::atomic<bool> StopPresentationRequested;
extern std::atomic<bool> StopCommandFilesRequested;
extern std::atomic<bool> ProgramStopping;
// Set once the Esc message of the stopped presentation has been written.
extern std::atomic<bool> PresentationStopReported;

// Armed by the command-file thread before each line, set by the code that
// finishes the command (value 1 when the command failed), waited for by the
// command-file thread before it reads the next line.
extern OneShotSignal CommandDoneSignal;

// Held by the main thread while it asks the large-output question.
extern std::mutex LargeOutputLock;

// What the threads need of the main window, all called on the main thread.
// Headless defaults: controls are ignored, the large-output question answers
// -1 (present every item), exit does nothing beyond the stopping flag.
struct RuntimeHooks {
    std::function<void(bool enabled)> SetControlsEnabled;
    // Shows the large-output question about a presentation of `itemCount`
    // items modally and returns the number of items to present (0 none, -1
    // all, n the first n).
    std::function<std::int32_t(std::int32_t itemCount)> AskLargeOutput;
    std::function<void(int status)> ExitProgram;
};
extern RuntimeHooks ThreadHooks;

// Work starts (false) or has ended (true): locks the command line's gate at
// once, or unlocks it on the main thread; turns the main window's controls
// off or on (ThreadHooks); and at the end checks the new prompt line
// silently. From a worker thread the main thread's part is posted without
// waiting.
void SetWindowControlsEnabled(bool enabled);

class SlateThread {
public:
    // The search-and-present work of one request; it reads the request from
    // the processor's records and returns false when the command failed.
    using Work = std::function<bool()>;

    void SetWork(Work work);
    // Marks a request and resumes the thread, or sets its rerun flag when it
    // is still busy, so that no request is lost.
    void Request();
    bool Busy() const;

    // Presentation helpers, called on this thread.
    static bool SyncWriteMarkedLine(std::string_view text, std::span<const TextRange> marks);
    // Asks the large-output question about `itemCount` items on the main
    // thread and returns the answer; 0 (present nothing) when the program is
    // stopping.
    static std::int32_t SyncAskLargeOutput(std::int32_t itemCount);
    // The main-thread half: holds LargeOutputLock while the question shows.
    static std::int32_t DoAskLargeOutput(std::int32_t itemCount);

private:
    friend void StartProcessorThreads();
    friend void StopProcessorThreads();
    void RunRequest();

    WorkerThread worker_;
    Work work_;
};

class ExecuteThread {
public:
    // Resumes the thread to run the open command files.
    void Request();
    bool Busy() const;

private:
    friend void StartProcessorThreads();
    friend void StopProcessorThreads();
    WorkerThread worker_;
};

SlateThread& QueryThread();
ExecuteThread& CommandFileThread();

// Start-up: creates both threads suspended and opens the bridge on the
// calling (main) thread.
void StartProcessorThreads();
// End of the program, on the main thread outside any bridge call: stops
// everything that runs, releases every waiting worker and joins both threads.
void StopProcessorThreads();

// The exit command: sets the stopping flags and asks the main window to end
// the program with `status`.
void RequestProgramExit(int status);

// Esc: tells a running command file to stop and stops a running search, or
// else a running presentation. Returns false when nothing was running (the
// main window then opens the challenge window).
bool HandleEscape();

// The end of a command that ran at once (on any thread): a blank line and a
// new prompt, preceded while a command file runs by the line that ends the
// command files when the command failed; then CommandDoneSignal is set.
void FinishCommand(bool failed);

// Clears the stop flags of one query (at the start of each run).
void ResetQueryStopFlags();
// Stops the threads and resets every flag, the hooks and the signal (tests).
void ResetProcessorThreads();

}  // namespace qora
