// Command files: text files of command lines run by the command-file thread
// (ExecuteThread). A command file may run another; the open files form a
// stack of at most 10, whose top (`CurrentCommandFile`) is the one being read.
//
// For each non-empty line the thread echoes the line into the command
// history and onto the command line, arms CommandDoneSignal, hands the line
// to the line runner (the parser and executor) and waits for the signal. A
// line that does not parse ends every open command file at once; a command
// that fails ends them after it finished. Either way the workspace shows
// "Error on line %d of command file %s".
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "processor/CheckedLines.h"

namespace qora {

constexpr int MaxCommandFileDepth = 10;
constexpr std::size_t MaxCommandFileLineLength = 1000;
constexpr std::size_t MaxCommandFileSize = 16u << 20;

// One open command file. Its lines are read when it is opened (the file is
// closed again at once) and then run one by one.
struct CommandFile {
    std::unique_ptr<CommandFile> Enclosing;  // the file that ran this one
    std::string Name;                        // as the command gave it
    std::vector<CheckedLine> Lines;
    std::size_t NextLine = 0;  // also the number of the line being run
    bool Ended = false;        // the end command ran in it
};

enum class LineOutcome {
    Started,  // parsed and executed or handed on: its finish sets CommandDoneSignal
    Failed,   // did not parse (already reported): the command files end now
};

// Parses and performs one line of a command file, on the command-file
// thread. The line has been echoed and added to the history already.
using CommandFileLineRunner = std::function<LineOutcome(const std::string& line)>;
void SetCommandFileLineRunner(CommandFileLineRunner runner);

// Opens the file and pushes it on the stack; the command-file thread starts
// reading it (at once when the command came from a command file, else when
// the thread resumes). Returns the reason when it cannot: the file does not
// open, or 10 files are open already.
std::string RunCommandFile(const std::string& name);

// The end command: ends the command file that is being read.
void EndCurrentCommandFile();
bool CommandFileRunning();
int CommandFileDepth();

// "Error on line %d of command file %s" for the line being run.
std::string CommandFileErrorText();

// The command-file thread's work: runs the open files until none is left.
void RunCommandFiles();

// Closes every open file (tests; the thread must not be running).
void ResetCommandFiles();

}  // namespace qora
