// Command files, end and exit, the command history and workspace files,
// recording of challenged words, printing and the grid files.
#include <functional>
#include <vector>

#include "engine/Listings.h"
#include "engine/TextFiles.h"
#include "platform/Files.h"
#include "processor/CheckedLines.h"
#include "processor/CommandFiles.h"
#include "processor/Console.h"
#include "processor/ExecutorParts.h"
#include "processor/Recording.h"
#include "processor/Threads.h"

namespace qora::execution {

namespace {

// Writes the lines as a new file, each ended by a line feed, so that they
// read back as they are; "" or why not.
std::string WriteTextLines(const std::string& path, const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += LineForTextFile(line) + '\n';
    return WriteWholeFile(path, text);
}

}  // namespace

bool StartCommandFile(const CommandAction& action) {
    const std::string error = RunCommandFile(action.Text);
    return error.empty() || Failed(error);
}

bool EndCommandFile(CommandSource source) {
    if (source == CommandSource::Typed) return ExitProgram();
    EndCurrentCommandFile();
    return true;
}

bool ExitProgram() {
    RequestProgramExit(0);
    return true;
}

bool SwitchRecording(bool on) {
    const std::string fileName = SetChallengeRecording(on);
    if (on) {
        WriteOutputLine(FormatText("%s Challenged words are now being recorded in", MessageIndent));
        WriteOutputLine(FormatText("%s file: %s", MessageIndent, fileName.c_str()));
    } else {
        WriteOutputLine(FormatText("%s Challenged words are NOT being recorded now.", MessageIndent));
    }
    return true;
}

bool PrintWorkspace(const CommandAction& action) {
    if (!ExecutorHandlers.PrintWorkspace) return Failed("Printing is not available");
    std::string error;
    SyncBridge().Run([&] { error = ExecutorHandlers.PrintWorkspace(action.Text); });
    return error.empty() || Failed(error);
}

bool ExportHistory(const CommandAction& action) {
    std::vector<std::string> lines;
    SyncBridge().Run([&] { lines = CommandHistory; });
    const std::string error = WriteTextLines(action.Text, lines);
    if (!error.empty())
        return Failed(FormatText("Cannot write history file %s: %s", action.Text.c_str(), error.c_str()));
    WriteMessage(CountOf(static_cast<std::int64_t>(lines.size()), "command") + " written to " + action.Text);
    return true;
}

// The lines of the file join the command history (they are not performed);
// lines that no command line can hold are skipped.
bool ImportHistory(const CommandAction& action) {
    std::vector<CheckedLine> lines;
    std::string error;
    if (!ReadCheckedLines(action.Text, MaxCommandFileSize, MaxCommandFileLineLength, lines, error))
        return Failed(FormatText("Cannot read history file %s: %s", action.Text.c_str(), error.c_str()));
    std::int64_t read = 0;
    std::int64_t skipped = 0;
    SyncBridge().Run([&] {
        for (const CheckedLine& line : lines) {
            if (!line.Problem.empty())
                ++skipped;
            else if (!line.Text.empty()) {
                AddToCommandHistory(line.Text);
                ++read;
            }
        }
    });
    std::string text = CountOf(read, "command") + " of " + action.Text + " added to the command history";
    if (skipped > 0) text += " (" + CountOf(skipped, "unreadable line") + " skipped)";
    WriteMessage(text);
    return true;
}

// Every line of the workspace as it stands, this command's line included.
bool ExportWorkspace(const CommandAction& action) {
    std::vector<std::string> lines;
    SyncBridge().Run([&] {
        for (const WorkspaceLine& line : WorkspaceLines()) lines.push_back(line.Text);
    });
    const std::string error = WriteTextLines(action.Text, lines);
    if (!error.empty())
        return Failed(FormatText("Cannot write workspace file %s: %s", action.Text.c_str(), error.c_str()));
    WriteMessage("The workspace (" + CountOf(static_cast<std::int64_t>(lines.size()), "line") + ") written to " +
                 action.Text);
    return true;
}

bool GridFilesNotAvailable(const CommandAction& action) {
    const bool buildingGame =
        action.Kind == ActionKind::ExportBuildingGrids || action.Kind == ActionKind::ImportBuildingGrids;
    return Failed(buildingGame ? "Word-Building Game grid files are not available"
                               : "5 x 5 game grid files are not available");
}

namespace {

// The text of the grids that `save` gives on the main thread, written whole
// (after the file's grids when appending); with no grid the file is left as
// it was. `kind` names the grids in messages ("5 x 5 grid"), `counted` when
// they are counted ("grid"); `start` tells where appended grids begin.
bool WriteGridFile(const CommandAction& action, const std::string& kind, const std::string& counted,
                   const std::function<std::int32_t(std::string& text)>& save, AppendStart start) {
    const bool append = action.Arguments[0] != 0;
    std::string text;
    std::int32_t count = 0;
    SyncBridge().Run([&] { count = save(text); });
    if (count == 0) {
        WriteMessage("There is no " + kind + " to write: " + action.Text + " is left as it was");
        return true;
    }
    const std::string error = append ? AppendToFile(action.Text, text, start) : WriteWholeFile(action.Text, text);
    if (!error.empty())
        return Failed(FormatText("Cannot write %s file %s: %s", kind.c_str(), action.Text.c_str(), error.c_str()));
    WriteMessage(FormatText("%s %s %s", CountOf(count, counted).c_str(), append ? "appended to" : "written to",
                            action.Text.c_str()));
    return true;
}

// Reads a grid file whole; false after the error.
bool ReadGridFile(const CommandAction& action, const std::string& kind, std::string& bytes) {
    std::string error;
    if (ReadWholeFile(action.Text, bytes, error, MaxGridFileSize)) return true;
    return Failed(FormatText("Cannot read %s file %s: %s", kind.c_str(), action.Text.c_str(), error.c_str()));
}

}  // namespace

bool ExportGrids(const CommandAction& action) {
    if (!ExecutorHandlers.SaveGridHistory) return GridFilesNotAvailable(action);
    return WriteGridFile(action, "5 x 5 grid", "grid", ExecutorHandlers.SaveGridHistory, AppendStart::AfterLineEnd);
}

// The file is read here; its grids join the history on the main thread.
bool ImportGrids(const CommandAction& action) {
    if (!ExecutorHandlers.LoadGridHistory) return GridFilesNotAvailable(action);
    std::string bytes;
    if (!ReadGridFile(action, "5 x 5 grid", bytes)) return false;
    std::int32_t added = 0;
    std::int32_t unreadable = 0;
    SyncBridge().Run([&] { added = ExecutorHandlers.LoadGridHistory(bytes, unreadable); });
    std::string text = CountOf(added, "grid") + " read from " + action.Text;
    if (unreadable > 0) text += " (" + CountOf(unreadable, "unreadable line") + " skipped)";
    WriteMessage(text);
    return true;
}

bool ExportBuildingGrids(const CommandAction& action) {
    if (!ExecutorHandlers.WriteWordBuildingGrids) return GridFilesNotAvailable(action);
    return WriteGridFile(action, "Word-Building Game grid", "Word-Building Game grid",
                         ExecutorHandlers.WriteWordBuildingGrids, AppendStart::AfterEmptyLine);
}

// The file is read here; its grids are formed on the main thread.
bool ImportBuildingGrids(const CommandAction& action) {
    if (!ExecutorHandlers.ReadWordBuildingGrids) return GridFilesNotAvailable(action);
    std::string bytes;
    if (!ReadGridFile(action, "Word-Building Game grid", bytes)) return false;
    std::int32_t count = 0;
    std::string refusal;
    SyncBridge().Run([&] { count = ExecutorHandlers.ReadWordBuildingGrids(bytes, refusal); });
    if (!refusal.empty()) return Failed(refusal);
    WriteMessage(CountOf(count, "Word-Building Game grid") + " read from " + action.Text);
    return true;
}

}  // namespace qora::execution
