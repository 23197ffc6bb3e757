// The workspace console: the text of the workspace as lines, the prompt line
// at its foot with the command line after the prompt, and the command
// history. Everything above the current prompt line is protected history;
// only the command line can be edited.
//
// The model belongs to the main thread. Worker threads write to it only
// through WriteOutputLine, which hands the line to the main thread and goes
// on, and WritePresentationLine(s), which wait until the main thread took the
// lines (so a long presentation cannot run far ahead of the window, and Esc
// stops it at once). Both keep the order in which lines were written. The
// main window shows the model in its rich-text workspace and learns of every
// change through a ConsoleObserver.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace qora {

extern const char PromptText[];          // "QORA?: "
extern const std::int32_t PromptLength;  // its length in characters

// Position of the current prompt line: its row (0-based, -1 while there is
// none), the column where the command text starts (just after the prompt),
// and the command text's offset in the whole workspace text, counting one
// character for each line end.
extern std::int32_t PromptRow;
extern std::int32_t PromptColumn;
extern std::int32_t CommandTextStart;

// The workspace's size in text rows and in columns as wide as "x"; the main
// window measures them whenever the workspace changes its size, also while
// a presentation on the query thread lays its lines out by them (it reads
// each once). The separator line is one column short of the width.
extern std::atomic<std::int32_t> WorkspaceRows;
extern std::atomic<std::int32_t> WorkspaceColumns;

enum class TextColour : std::uint8_t { BlankMatched, Error };

// Characters [Start, Start + Length) of one line.
struct TextRange {
    std::int32_t Start = 0;
    std::int32_t Length = 0;
};

struct ColourRange {
    TextRange Range;
    TextColour Colour = TextColour::BlankMatched;
};

struct WorkspaceLine {
    std::string Text;  // code page 1252, no line end
    std::vector<ColourRange> Colours;
};

// Told of every change of the workspace, on the main thread, after it happened.
class ConsoleObserver {
public:
    virtual ~ConsoleObserver() = default;
    virtual void LineAppended(std::int32_t row) = 0;
    virtual void LineChanged(std::int32_t row) = 0;  // text or colours
    virtual void WorkspaceCleared() = 0;
    virtual void HistoryAppended(std::int32_t index) = 0;
    virtual void HistoryCleared() {}
};

// One observer at a time (the main window); null for none.
void SetConsoleObserver(ConsoleObserver* observer);

// What happens around an edit of the command line by a control or dialog:
// the revert-to-challenge countdown restarts, then the line is re-checked
// silently (the parser's ProcessCommandLine(false, false)). Both default to
// doing nothing.
struct ConsoleHooks {
    std::function<void()> RestartRevertCountdown;
    std::function<void()> RecheckCommandLine;
};
extern ConsoleHooks ConsoleEditHooks;

// The silent re-check through the hook, on the main thread; nothing while
// the gate below is locked.
void CheckCommandLineSilently();

// ---- The gate of the command line -------------------------------------------

// While work runs (a query or presentation on the query thread, command
// files) the command line is the line that runs, and the worker parses and
// executes from the records a check of the line writes: every edit of the
// command line from the window (the workspace's own, the controls' and the
// dialogs' through the functions below) and the silent re-check pass this
// gate and do nothing while it is locked. It is locked at once on the thread
// that starts the work and unlocked on the main thread once the work has
// ended (SetWindowControlsEnabled). The program's own echo of a command-file
// line passes by it (EchoCommandLine).
bool CommandLineEditable();
void LockCommandLine();
void UnlockCommandLine();

// ---- Main thread -----------------------------------------------------------

const std::vector<WorkspaceLine>& WorkspaceLines();

// The command line: the text after the prompt on the prompt line.
std::string CommandLine();
// Replaces the command line (the window's edits arrive here). Nothing is
// re-checked.
void SetCommandLine(std::string_view text);
// Appends text to the command line and re-checks it through the hooks: the
// way every control and dialog requests work.
void AppendToCommandLine(std::string_view text);
// Puts the text as the command line on a fresh prompt line at the end of the
// workspace; an empty prompt line that is already last is reused. Nothing is
// re-checked.
void NewCommandLine(std::string_view text);
// The same for a line the program performs itself while its work holds the
// gate (a command-file line): it passes by the gate.
void EchoCommandLine(std::string_view text);

// Writes a new, empty prompt line at the end and moves the prompt position
// to it.
void WritePromptLine();
// After a command: a blank line and a new prompt line.
void WriteBlankLineAndPrompt();
// After a query: the separator line and a new prompt line.
void WriteSeparatorAndPrompt();
// The separator line for a width in columns (the workspace's as it is now).
std::string SeparatorLine(std::int32_t workspaceColumns = WorkspaceColumns);

// Whether a character position may be edited: only the command line may.
bool IsInCommandLine(std::int32_t row, std::int32_t column);

// Colours one character red: the character at which a typed command failed.
void MarkErrorCharacter(std::int32_t row, std::int32_t column);

// Empties the workspace and leaves one empty prompt line.
void ClearWorkspace();

// ---- Any thread ------------------------------------------------------------

// Writes one line of command output at the end of the workspace; from a
// worker thread the line is posted to the main thread without waiting. Lines
// written while the program stops are dropped.
void WriteOutputLine(std::string_view text);

// Writes one presented line whose blank-matched letters are marked. Returns
// false, writing nothing, once Esc has stopped the presentation; the first
// refused line of a presentation writes the Esc message instead.
bool WritePresentationLine(std::string_view text, std::span<const TextRange> blankMarks);

// The same for several lines at once, in one call to the main thread (a
// long presentation passes its lines in batches, so that it does not wait
// for the main thread at every line). Refused as a whole once Esc has
// stopped the presentation.
struct PresentedLine {
    std::string Text;
    std::vector<TextRange> BlankMarks;
};
bool WritePresentationLines(std::span<const PresentedLine> lines);

// ---- The command history ---------------------------------------------------

extern std::vector<std::string> CommandHistory;
void AddToCommandHistory(std::string_view line);
void ClearCommandHistory();

// Empties the workspace, the history and the hooks, and forgets the
// observer (for tests and start-up).
void ResetConsole();

}  // namespace qora
