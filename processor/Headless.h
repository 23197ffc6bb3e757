// The command processor started without a window, for end-to-end tests and
// debugging: lexicons found in a folder, the initialization file read, the
// worker threads running for real, and the synchronous bridge pumped by the
// caller's thread, which stands in for the window's main thread. The
// workspace is the console model; nothing here is shown anywhere.
#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace qora {

struct HeadlessStartup {
    std::string LexiconFolder = ".";  // where the lexicon files (*.QLX) are
    std::string IniFile;              // as the option -i; "" reads "qora.ini" when there is one
    // Plugs in the games' parts that work without a window (the grid
    // solver, the grid history), as the program does at start-up.
    std::function<void()> ConnectGames;
};

// Starts the processor from nothing on the calling thread, in the order of
// the program's start-up: lexicons, the initialization file, the choice of
// lexicons, the built-in settings, the definitions file, the threads, and an
// empty workspace with its prompt. Returns "" or the reason the program
// could not run.
std::string StartHeadless(const HeadlessStartup& startup);

// Runs a command file as the start-up option -x does and waits until it and
// everything it started have ended. A file that cannot be run is reported in
// the workspace.
bool RunHeadlessCommandFile(const std::string& path, std::chrono::milliseconds timeout = std::chrono::seconds(60));

// Types the line on the command line, performs it as Enter does and waits
// until it has ended. False when it did not end within the timeout.
bool PerformHeadlessLine(std::string_view line, std::chrono::milliseconds timeout = std::chrono::seconds(60));

// Runs the bridge's calls until no thread works and no command file is
// open, or the program is stopping. False on timeout.
bool WaitUntilHeadlessIdle(std::chrono::milliseconds timeout = std::chrono::seconds(60));

// The workspace as text lines.
std::vector<std::string> HeadlessWorkspace();

// The status the exit command asked for, or -1 while it has not run.
int HeadlessExitStatus();

// Stops the threads and drops the lexicons (the files may go then).
void StopHeadless();

}  // namespace qora
