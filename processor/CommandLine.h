// The command line as the processor handles it: the parse results of the
// line as last checked, the expansion of "!" and "^", and the three ways a
// line is handled (ProcessCommandLine).
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/QueryRecords.h"
#include "processor/Parser.h"
#include "processor/ReportError.h"

namespace qora {

// The parsed command line as last checked, and its two settings records
// (QuerySettings and PendingSettings name CurrentCommand's own records).
extern ParsedCommand CurrentCommand;
extern Settings& QuerySettings;
extern Settings& PendingSettings;

// Set at a "," (a rack part begins), cleared at a blank and at the start of
// every parse: after a check, whether the line ends inside a rack part.
extern std::uint8_t RackMode;
// Set while the command line as last checked has an error.
extern std::uint8_t CommandLineHasError;

// Parses a line into CurrentCommand (settings from a copy of
// StandingSettings) and sets RackMode and CommandLineHasError. Reports
// nothing: the message is returned.
ParseResult ParseCommandLine(std::string_view line, bool expanded = false);

// The line with its insertions: a leading "!" followed by an optional number
// k (1 when absent) stands for the k-th most recent line of the history, the
// rest of the line following it; every "^" outside quoted texts stands for
// the query part of the most recent line of the history.
struct ExpandedLine {
    std::string Text;
    bool Expanded = false;  // "!" or "^" was applied
    std::optional<CommandMessage> Error;
};
ExpandedLine ExpandCommandLine(std::string_view line, std::span<const std::string> history);

// What the rest of the program plugs into the handling of a line; an empty
// function does nothing (the headless default).
struct CommandLineHooks {
    // After a check without error: the line's settings are now in
    // DisplayedSettings; the main window shows them on its controls.
    std::function<void()> ShowImpliedSettings;
    // Performing: the line as performed (insertions applied) joins the history.
    std::function<void(const std::string&)> AppendToHistory;
    // Performing a line without error: execute the parsed command.
    std::function<void(const ParsedCommand&)> PerformCommand;
};
extern CommandLineHooks CommandLineHandlers;

struct CommandLineInput {
    std::string_view Text;                              // the command line after the prompt
    const std::vector<std::string>* History = nullptr;  // performed lines, oldest first
    // A command-file line: not coloured, and already echoed into the history
    // as its last entry.
    bool FromCommandFile = false;
};

struct ProcessedLine {
    std::string Text;  // the line as performed
    bool HasError = false;
};

// Handles the command line in one of three ways:
//   (false, false) silent re-check after an edit,
//   (true, false)  check (Check button, Ctrl+Enter): messages to the status text,
//   (true, true)   perform (Enter, Perform, command files).
// Every handling expands a leading "!" and "^" and parses the line; errors are
// reported through ReportError.
ProcessedLine ProcessCommandLine(const CommandLineInput& input, bool reportErrors, bool perform);

// Empties the parse results and the hooks (tests).
void ResetCommandLine();

}  // namespace qora
