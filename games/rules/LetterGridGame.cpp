#include "games/rules/LetterGridGame.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "engine/Listings.h"
#include "engine/TextFiles.h"
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

std::string DealLetterGrid(const RandomBelowFunction& randomBelow) {
    std::array<int, GridCellCount> dice{};
    for (int die = 0; die < GridCellCount; ++die) dice[static_cast<std::size_t>(die)] = die;
    std::string grid;
    for (int left = GridCellCount; left > 0; --left) {
        const int j = randomBelow(left);
        const int die = dice[static_cast<std::size_t>(j)];
        dice[static_cast<std::size_t>(j)] = dice[static_cast<std::size_t>(left - 1)];
        grid += GridDice[static_cast<std::size_t>(die * GridDieFaces + randomBelow(GridDieFaces))];
    }
    return grid;
}

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

void ConnectLetterGridGame(std::function<void()> afterGridsRead) {
    ConnectLetterGridSolver();
    ExecutorHandlers.SaveGridHistory = SaveGridHistory;
    ExecutorHandlers.LoadGridHistory = [afterGridsRead](std::string_view bytes, std::int32_t& unreadable) {
        const GridFileLoad load = LoadGridHistory(bytes);
        unreadable = load.Unreadable;
        if (afterGridsRead) afterGridsRead();
        return load.Added;
    };
}

std::string GridNumberText(std::int32_t number) { return FormatText("Grid Number: %4d", number); }

std::string GridCellText(char letter) {
    if (letter == 'Q') return "Qu";
    if (letter == ' ') return "";
    return std::string(" ") + letter;
}

// ---- The window's state ------------------------------------------------------

std::array<char, GridCellCount> LetterGridPlay::BlankCells() {
    std::array<char, GridCellCount> cells;
    cells.fill(' ');
    return cells;
}

void LetterGridPlay::FormActivate() { focus_ = GridFocus::New; }

void LetterGridPlay::ActivateFromCommand(std::string_view commandLine) {
    FormActivate();
    SpecifiedClick();
    CopyPromptLettersToGrid(commandLine);
}

void LetterGridPlay::NewClick(const RandomBelowFunction& randomBelow) {
    const std::string grid = DealLetterGrid(randomBelow);
    ShowLetterGrid(grid, GridCount() + 1);
    AddGridToHistory(grid);
    focus_ = GridFocus::Solve;
}

void LetterGridPlay::PreviousClick() {
    const std::int32_t older = CurrentGridEntry < 0 ? GridCount() - 1 : CurrentGridEntry - 1;
    noMore_ = older < 0;
    if (noMore_) return;
    CurrentGridEntry = older;
    ShowCurrentGrid();
}

void LetterGridPlay::NextClick() {
    const std::int32_t newer = CurrentGridEntry < 0 ? GridCount() : CurrentGridEntry + 1;
    noMore_ = newer >= GridCount();
    if (noMore_) return;
    CurrentGridEntry = newer;
    ShowCurrentGrid();
}

void LetterGridPlay::SpecifiedClick() {
    CurrentGridEntry = -1;
    ClearTypedGrid();
    inputMode_ = true;
    selected_ = 0;
    shownNumber_ = GridCount() + 1;
    noMore_ = false;
    focus_ = GridFocus::Grid;
}

void LetterGridPlay::OkClick() {
    if (!inputMode_ || !TypedGridComplete()) return;
    const std::string grid(cells_.begin(), cells_.end());
    ShowLetterGrid(grid, GridCount() + 1);
    AddGridToHistory(grid);
    focus_ = GridFocus::Solve;
}

bool LetterGridPlay::GridKeyDown(KeyStroke stroke) {
    if (stroke.key == KeyEscape) return true;
    if (!inputMode_ || stroke.Ctrl()) return false;
    if (stroke.key == KeyDelete) {
        ClearTypedGrid();
        selected_ = 0;
    } else if (stroke.key == KeyBackspace) {
        Backspace();
    } else if (IsLetterKey(stroke.key) || stroke.key == KeySpace) {
        TypeLetter(static_cast<char>(stroke.key));
    }
    return false;
}

void LetterGridPlay::SelectGridCell(int cell) {
    if (inputMode_ && cell >= 0 && cell < GridCellCount) selected_ = cell;
}

void LetterGridPlay::ShowCurrentGrid() {
    if (CurrentGridEntry >= 0) ShowLetterGrid(CurrentGrid(), CurrentGridEntry + 1);
}

std::string LetterGridPlay::SolveText() const { return SolveEnabled() ? SolveCommandText(CurrentGrid()) : ""; }

GridFocus LetterGridPlay::TakeFocus() { return std::exchange(focus_, GridFocus::Unchanged); }

void LetterGridPlay::ShowLetterGrid(std::string_view grid, std::int32_t number) {
    std::copy(grid.begin(), grid.end(), cells_.begin());
    shownNumber_ = number;
    noMore_ = false;
    selected_ = NoCell;
    inputMode_ = false;
}

// The letter goes into the selected cell; then the next cell in reading
// order is selected, or none once every cell holds a letter.
void LetterGridPlay::TypeLetter(char letter) {
    if (selected_ == NoCell) return;
    cells_[static_cast<std::size_t>(selected_)] = letter;
    selected_ = TypedGridComplete() ? NoCell : (selected_ + 1) % GridCellCount;
}

// The cell before the selected one (the last cell when none is selected,
// as after the 25th letter) is emptied and selected.
void LetterGridPlay::Backspace() {
    selected_ = selected_ == NoCell ? GridCellCount - 1 : (selected_ + GridCellCount - 1) % GridCellCount;
    cells_[static_cast<std::size_t>(selected_)] = ' ';
}

void LetterGridPlay::ClearTypedGrid() { cells_ = BlankCells(); }

bool LetterGridPlay::TypedGridComplete() const { return std::find(cells_.begin(), cells_.end(), ' ') == cells_.end(); }

void LetterGridPlay::CopyPromptLettersToGrid(std::string_view line) {
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '/')
            ++i;
        else if (IsAsciiLetter(line[i]))
            TypeLetter(static_cast<char>(line[i] & ~0x20));
    }
}

}  // namespace qora
