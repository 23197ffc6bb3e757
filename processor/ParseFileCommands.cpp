// The file commands ("/F..."), command files ("/X"), and the named
// commands (exit, end and the others spelt out).
#include "processor/CommandParser.h"

namespace qora {

// After "/F": R (read), W (write) or A (append), then a wordlist number
// ["~"] "W" and a quoted file, or G (5 x 5 grids), B (Word-Building grids),
// H (command history), S (workspace) with an optional quoted file.
bool CommandParser::ParseFileCommand(std::int32_t start) {
    const unsigned char mode = PeekUpper();
    if (mode != 'R' && mode != 'W' && mode != 'A') return FailHere();
    Advance();
    const bool reading = mode == 'R';
    const std::int32_t append = mode == 'A' ? 1 : 0;
    std::string file;
    if (AtDigit()) {
        std::int32_t wordlist = 0;
        if (!ReadWordlistNumber(wordlist, !reading)) return false;
        const bool sorted = !reading && Peek() == '~';
        if (sorted) Advance();
        if (!Expect('W') || !ReadFileName(file)) return false;
        CommandAction& action = AddAction(reading ? ActionKind::ImportWordlist : ActionKind::ExportWordlist, start);
        action.Arguments = {wordlist, sorted ? 1 : 0, append, 0, 0};
        action.Text = std::move(file);
        return true;
    }
    ActionKind kind;
    std::string_view defaultName;
    switch (PeekUpper()) {
        case 'G':
            kind = reading ? ActionKind::ImportGrids : ActionKind::ExportGrids;
            defaultName = "5x5game.grd";
            break;
        case 'B':
            kind = reading ? ActionKind::ImportBuildingGrids : ActionKind::ExportBuildingGrids;
            defaultName = "WBG_grids.WBG";
            break;
        case 'H':
            if (append) return FailHere();
            kind = reading ? ActionKind::ImportHistory : ActionKind::ExportHistory;
            defaultName = "history.cmd";
            break;
        case 'S':
            if (mode != 'W') return FailHere();
            kind = ActionKind::ExportWorkspace;
            defaultName = "Workspace.txt";
            break;
        default: return FailHere();
    }
    Advance();
    if (!ReadOptionalFileName(file, defaultName)) return false;
    CommandAction& action = AddAction(kind, start);
    action.Arguments[0] = append;
    action.Text = std::move(file);
    return true;
}

bool CommandParser::ParseCommandFile(std::int32_t start) {
    std::string file;
    if (!ReadFileName(file)) return false;
    AddAction(ActionKind::RunCommandFile, start).Text = std::move(file);
    return true;
}

// After "/E": "XIT" or "ND".
bool CommandParser::ParseNamedCommand(std::int32_t start) {
    const bool exit = PeekUpper() == 'X';
    if (!ExpectWord(exit ? "XIT" : "ND")) return false;
    AddAction(exit ? ActionKind::ExitProgram : ActionKind::EndCommandFile, start);
    return true;
}

}  // namespace qora
