#include "processor/Console.h"

#include <algorithm>

#include "platform/ProgramState.h"
#include "processor/Threads.h"

namespace qora {

const char PromptText[] = "QORA?: ";
const std::int32_t PromptLength = static_cast<std::int32_t>(sizeof(PromptText) - 1);

std::int32_t PromptRow = -1;
std::int32_t PromptColumn = PromptLength;
std::int32_t CommandTextStart = 0;

constexpr std::int32_t DefaultWorkspaceRows = 25;
constexpr std::int32_t DefaultWorkspaceColumns = 80;
std::atomic<std::int32_t> WorkspaceRows = DefaultWorkspaceRows;
std::atomic<std::int32_t> WorkspaceColumns = DefaultWorkspaceColumns;

ConsoleHooks ConsoleEditHooks;
std::vector<std::string> CommandHistory;

namespace {

const char PresentationStoppedText[] = "!!! - You have typed Esc to stop this presentation prematurely!";

std::vector<WorkspaceLine> lines;
// Characters of the whole workspace text, one per line end included.
std::int64_t textLength = 0;
ConsoleObserver* observer = nullptr;
std::atomic<bool> commandLineLocked{false};

std::int32_t LastRow() { return static_cast<std::int32_t>(lines.size()) - 1; }

std::int32_t AppendLine(std::string_view text, std::vector<ColourRange> colours = {}) {
    lines.push_back(WorkspaceLine{std::string(text), std::move(colours)});
    textLength += static_cast<std::int64_t>(text.size()) + 1;
    const std::int32_t row = LastRow();
    if (observer != nullptr) observer->LineAppended(row);
    return row;
}

// Keeps only the parts of the marks that lie inside the line.
std::vector<ColourRange> ClippedMarks(std::span<const TextRange> marks, std::size_t lineLength, TextColour colour) {
    std::vector<ColourRange> colours;
    const std::int64_t end = static_cast<std::int64_t>(lineLength);
    for (const TextRange& mark : marks) {
        const std::int64_t start = std::max<std::int64_t>(mark.Start, 0);
        const std::int64_t stop = std::min<std::int64_t>(static_cast<std::int64_t>(mark.Start) + mark.Length, end);
        if (start < stop)
            colours.push_back({{static_cast<std::int32_t>(start), static_cast<std::int32_t>(stop - start)}, colour});
    }
    return colours;
}

bool HasPromptLine() { return PromptRow >= 0 && PromptRow <= LastRow(); }

void EnsurePromptLine() {
    if (!HasPromptLine()) WritePromptLine();
}

// The text after the prompt on the prompt line, whoever writes it.
void WriteCommandLine(std::string_view text) {
    EnsurePromptLine();
    WorkspaceLine& line = lines[PromptRow];
    textLength -= static_cast<std::int64_t>(line.Text.size());
    line.Text.resize(PromptLength);
    line.Text += text;
    line.Colours.clear();
    textLength += static_cast<std::int64_t>(line.Text.size());
    if (observer != nullptr) observer->LineChanged(PromptRow);
}

// Runs a change of the model on the main thread, from whichever thread:
// waiting for it, or (a line that nothing on the worker depends on) not.
bool OnMainThread(const std::function<void()>& change) {
    if (ProgramStopping && !SyncBridge().IsMainThread()) return false;
    return SyncBridge().Run(change);
}

bool PostToMainThread(std::function<void()> change) {
    if (ProgramStopping && !SyncBridge().IsMainThread()) return false;
    return SyncBridge().Post(std::move(change));
}

// False, after writing the Esc message once, when Esc has stopped the
// presentation.
bool PresentationGoesOn() {
    if (!StopPresentationRequested) return true;
    if (!PresentationStopReported.exchange(true)) WriteOutputLine(PresentationStoppedText);
    return false;
}

}  // namespace

void SetConsoleObserver(ConsoleObserver* newObserver) { observer = newObserver; }

const std::vector<WorkspaceLine>& WorkspaceLines() { return lines; }

std::string CommandLine() {
    if (!HasPromptLine()) return {};
    const std::string& text = lines[PromptRow].Text;
    return text.size() > static_cast<std::size_t>(PromptLength) ? text.substr(PromptLength) : std::string();
}

bool CommandLineEditable() { return !commandLineLocked; }

void LockCommandLine() { commandLineLocked = true; }

void UnlockCommandLine() { commandLineLocked = false; }

void CheckCommandLineSilently() {
    if (CommandLineEditable() && ConsoleEditHooks.RecheckCommandLine) ConsoleEditHooks.RecheckCommandLine();
}

void SetCommandLine(std::string_view text) {
    if (CommandLineEditable()) WriteCommandLine(text);
}

void AppendToCommandLine(std::string_view text) {
    if (!CommandLineEditable()) return;
    if (ConsoleEditHooks.RestartRevertCountdown) ConsoleEditHooks.RestartRevertCountdown();
    std::string line = CommandLine();
    // A sub-command ending in digits ("/O1", "/Y5=7") would run into an
    // appended repetition count ("3A"): a blank keeps them two tokens.
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    if (!line.empty() && !text.empty() && isDigit(line.back()) && isDigit(text.front())) line += ' ';
    WriteCommandLine(line + std::string(text));
    CheckCommandLineSilently();
}

void NewCommandLine(std::string_view text) {
    if (CommandLineEditable()) EchoCommandLine(text);
}

void EchoCommandLine(std::string_view text) {
    if (!(HasPromptLine() && PromptRow == LastRow() && CommandLine().empty())) WritePromptLine();
    WriteCommandLine(text);
}

void WritePromptLine() {
    const std::int64_t start = textLength + PromptLength;
    PromptRow = AppendLine(PromptText);
    PromptColumn = PromptLength;
    CommandTextStart = static_cast<std::int32_t>(std::min<std::int64_t>(start, INT32_MAX));
}

void WriteBlankLineAndPrompt() {
    AppendLine("");
    WritePromptLine();
}

std::string SeparatorLine(std::int32_t workspaceColumns) {
    return std::string(static_cast<std::size_t>(std::max(workspaceColumns - 1, 1)), '-');
}

void WriteSeparatorAndPrompt() {
    AppendLine(SeparatorLine());
    WritePromptLine();
}

bool IsInCommandLine(std::int32_t row, std::int32_t column) {
    return HasPromptLine() && row == PromptRow && column >= PromptLength;
}

void MarkErrorCharacter(std::int32_t row, std::int32_t column) {
    if (row < 0 || row > LastRow()) return;
    WorkspaceLine& line = lines[row];
    const TextRange character{column, 1};
    auto marks = ClippedMarks(std::span(&character, 1), line.Text.size(), TextColour::Error);
    if (marks.empty()) return;
    line.Colours.push_back(marks.front());
    if (observer != nullptr) observer->LineChanged(row);
}

void ClearWorkspace() {
    lines.clear();
    textLength = 0;
    PromptRow = -1;
    if (observer != nullptr) observer->WorkspaceCleared();
    WritePromptLine();
}

void WriteOutputLine(std::string_view text) {
    PostToMainThread([line = std::string(text)] { AppendLine(line); });
}

bool WritePresentationLine(std::string_view text, std::span<const TextRange> blankMarks) {
    if (!PresentationGoesOn()) return false;
    return OnMainThread([&] { AppendLine(text, ClippedMarks(blankMarks, text.size(), TextColour::BlankMatched)); });
}

bool WritePresentationLines(std::span<const PresentedLine> presented) {
    if (!PresentationGoesOn()) return false;
    return OnMainThread([&] {
        for (const PresentedLine& line : presented)
            AppendLine(line.Text, ClippedMarks(line.BlankMarks, line.Text.size(), TextColour::BlankMatched));
    });
}

void AddToCommandHistory(std::string_view line) {
    CommandHistory.emplace_back(line);
    if (observer != nullptr) observer->HistoryAppended(static_cast<std::int32_t>(CommandHistory.size()) - 1);
}

void ClearCommandHistory() {
    CommandHistory.clear();
    if (observer != nullptr) observer->HistoryCleared();
}

void ResetConsole() {
    lines.clear();
    textLength = 0;
    PromptRow = -1;
    PromptColumn = PromptLength;
    CommandTextStart = 0;
    WorkspaceRows = DefaultWorkspaceRows;
    WorkspaceColumns = DefaultWorkspaceColumns;
    CommandHistory.clear();
    ConsoleEditHooks = {};
    observer = nullptr;
    commandLineLocked = false;
}
const ProgramStateReset registerResetConsole(ResetConsole);

}  // namespace qora
