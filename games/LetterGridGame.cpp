#include "games/LetterGridGame.h"

#include <cstdint>

#include "engine/TextFiles.h"
#include "games/LetterGridSolver.h"
#include "platform/ProgramState.h"
#include "processor/Executor.h"

namespace qora {

std::vector<std::string> GridHistory;
std::int32_t CurrentGridEntry = -1;

namespace {

bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// The first 25 letters of a grid-file line, "/" and the letter after it
// skipped; fewer when the line holds fewer.
std::string GridLettersOfLine(std::string_view line) {
    std::string letters;
    for (std::size_t i = 0; i < line.size() && letters.size() < GridCellCount; ++i) {
        if (line[i] == '/' && i + 1 < line.size() && IsAsciiLetter(line[i + 1]))
            ++i;
        else if (IsAsciiLetter(line[i]))
            letters += static_cast<char>(line[i] & ~0x20);  // upper case
    }
    return letters;
}

void ResetGridHistory() {
    GridHistory.clear();
    CurrentGridEntry = -1;
}

const ProgramStateReset registerResetGridHistory(ResetGridHistory);

}  // namespace

std::int32_t GridCount() { return static_cast<std::int32_t>(GridHistory.size()); }

void AddGridToHistory(std::string_view grid) {
    GridHistory.emplace_back(grid);
    CurrentGridEntry = GridCount() - 1;
}

std::string CurrentGrid() {
    return CurrentGridEntry >= 0 ? GridHistory[static_cast<std::size_t>(CurrentGridEntry)] : std::string();
}

std::int32_t SaveGridHistory(std::string& text) {
    text.clear();
    for (auto grid = GridHistory.rbegin(); grid != GridHistory.rend(); ++grid) text += *grid + "/G\n";
    return GridCount();
}

GridFileLoad LoadGridHistory(std::string_view bytes) {
    GridFileLoad load;
    ForEachTextLine(bytes, bytes.size(), [&load](const TextLine& line) {
        if (HasControlCharacter(line.Text)) {
            ++load.Unreadable;
            return;
        }
        const std::string letters = GridLettersOfLine(line.Text);
        if (letters.size() < GridCellCount) return;
        AddGridToHistory(letters);
        ++load.Added;
    });
    return load;
}

std::string SolveCommandText(std::string_view grid) { return std::string(grid) + "/B/@|"; }

void ConnectLetterGridGame() {
    ConnectLetterGridSolver();
    ExecutorHandlers.SaveGridHistory = SaveGridHistory;
    ExecutorHandlers.LoadGridHistory = [](std::string_view bytes, std::int32_t& unreadable) {
        const GridFileLoad load = LoadGridHistory(bytes);
        unreadable = load.Unreadable;
        return load.Added;
    };
}

}  // namespace qora
