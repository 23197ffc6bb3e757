#include "games/rules/WordBuildingRules.h"

#include <algorithm>

#include "engine/Lexicons.h"
#include "engine/Listings.h"
#include "engine/RandomRacks.h"
#include "engine/WordTests.h"
#include "platform/ProgramState.h"

namespace qora {

namespace {

WordBuildingWordTests LexiconWordTests() {
    return {[](std::string_view tiles) { return IsWordInLexicon(PrimaryRole, false, tiles); }, IsLexiconPrefix};
}

std::time_t SystemClock() { return std::time(nullptr); }

WordBuildingPlayState& play = WordBuildingPlay;

bool IsColumn(int column) { return column >= 0 && column < WordBuildingColumns; }

unsigned char TopOf(int column) { return play.columns[static_cast<std::size_t>(column)][0]; }

bool HasTile(int column) { return IsColumn(column) && TopOf(column) != 0; }

void Select(int column, int row) {
    play.selectedColumn = column;
    play.selectedRow = row;
}

void ClearSelection() { Select(NoColumn, NoColumn); }

// The letters (in rows) standing in their columns.
void SpreadIntoColumns(std::string_view letters) {
    for (int i = 0; i < WordBuildingGridSize; ++i)
        play.columns[static_cast<std::size_t>(i % WordBuildingColumns)]
                    [static_cast<std::size_t>(i / WordBuildingColumns)] =
            static_cast<unsigned char>(letters[static_cast<std::size_t>(i)]);
}

void EmptyCells() { play.columns = {}; }

// The first column, from `first` rightwards and round from column 1, that
// holds a tile; NoColumn when none does.
int NextColumnWithTile(int first) {
    for (int i = 0; i < WordBuildingColumns; ++i) {
        const int column = ((first % WordBuildingColumns) + WordBuildingColumns + i) % WordBuildingColumns;
        if (HasTile(column)) return column;
    }
    return NoColumn;
}

// After a take from the column: the next column that still holds a tile.
// When none does, a take by a key says so and leaves nothing selected; a take
// by a click leaves the clicked column selected.
void SelectAfterTake(int column, bool byClick) {
    const int next = NextColumnWithTile(column);
    if (next != NoColumn)
        Select(next, 0);
    else if (byClick)
        Select(column, 0);
    else {
        play.message = WordBuildingMessages::NoMoreLetters;
        ClearSelection();
    }
}

bool FormEntry(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= WordBuildingGrids.entries.size()) return false;
    const WordBuildingGridEntry entry = WordBuildingGrids.entries[static_cast<std::size_t>(index)];
    return FormWordBuildingGrid(entry.letters, entry.created);
}

void ClearGame() {
    play.word.clear();
    play.moves.clear();
    play.answers.clear();
    play.noWordsPossible = false;
    play.retractedTile = false;
    play.potentialScore = 0;
}

}  // namespace

WordBuildingGridList WordBuildingGrids;
WordBuildingPlayState WordBuildingPlay;
WordBuildingState WordBuildingGameState = WordBuildingState::NotShown;
WordBuildingWordTests WordBuildingLexicon = LexiconWordTests();
std::function<std::time_t()> WordBuildingClock = SystemClock;

const WordBuildingGridEntry* WordBuildingGridList::Current() const {
    if (current < 0 || static_cast<std::size_t>(current) >= entries.size()) return nullptr;
    return &entries[static_cast<std::size_t>(current)];
}

bool WordBuildingGridList::HasOlder() const { return current == NoGrid ? !entries.empty() : current > 0; }

bool WordBuildingGridList::HasNewer() const {
    return current != NoGrid && static_cast<std::size_t>(current) + 1 < entries.size();
}

std::int32_t WordBuildingPlayState::totalScore() const {
    std::int32_t total = 0;
    for (const WordBuildingAnswer& answer : answers) total += answer.score;
    return total;
}

// ---- Grids ---------------------------------------------------------------------

bool CheckLetterDistribution(std::string_view letters) {
    std::array<int, 256> counts{};
    for (unsigned char c : letters) ++counts[c];
    const auto matches = [&](const auto& pool) {
        for (std::size_t i = 0; i < pool.size(); ++i)
            if (counts[static_cast<std::size_t>(TileBase + 1) + i] != pool[i]) return false;
        return true;
    };
    switch (ActiveLanguage()) {
        case Language::Spanish: return matches(SpanishPoolCounts);
        case Language::French: return matches(FrenchPoolCounts);
        case Language::English: break;
    }
    return matches(EnglishPoolCounts);
}

bool IsWordBuildingGrid(std::string_view letters) {
    const int tileCount = ActiveTileCount();
    return letters.size() == static_cast<std::size_t>(WordBuildingGridSize) &&
           std::all_of(letters.begin(), letters.end(), [tileCount](char c) {
               const unsigned char tile = static_cast<unsigned char>(c);
               return tile > TileBase && tile <= TileBase + tileCount;
           });
}

bool FormWordBuildingGrid(std::string_view letters, std::time_t created) {
    if (!IsWordBuildingGrid(letters)) return false;
    play.currentLetters = std::string(letters);
    SpreadIntoColumns(letters);
    ClearGame();
    play.inputMode = false;
    std::vector<WordBuildingGridEntry>& entries = WordBuildingGrids.entries;
    const auto [known, added] =
        WordBuildingGrids.entryOfLetters.try_emplace(std::string(letters), static_cast<int>(entries.size()));
    if (added) {
        const auto number = static_cast<std::int32_t>(entries.size()) + 1;
        entries.push_back(
            {std::string(letters), created != 0 ? created : WordBuildingClock(), number, SpanishLexiconActive != 0});
    }
    WordBuildingGrids.current = known->second;
    ClearSelection();
    play.message = CheckLetterDistribution(letters) ? "" : WordBuildingMessages::BadDistribution;
    WordBuildingGameState = WordBuildingState::GridFormed;
    play.gridIsSpanish = SpanishLexiconActive != 0;
    play.gridFormedOnce = true;
    return true;
}

void FormNewWordBuildingGrid() { FormWordBuildingGrid(ShuffleWordBuildingBag(), 0); }

bool FormOlderWordBuildingGrid() {
    const int current = WordBuildingGrids.current;
    return FormEntry(current == NoGrid ? static_cast<int>(WordBuildingGrids.entries.size()) - 1 : current - 1);
}

bool FormNewerWordBuildingGrid() {
    return WordBuildingGrids.current != NoGrid && FormEntry(WordBuildingGrids.current + 1);
}

bool FormLastPlayedWordBuildingGrid() { return FormEntry(WordBuildingGrids.lastPlayedGrid); }

// ---- Play ------------------------------------------------------------------------

void PlayWordBuildingGame() {
    ClearGame();
    if (IsWordBuildingGrid(play.currentLetters)) SpreadIntoColumns(play.currentLetters);
    play.gameStart = WordBuildingClock();
    play.gameEnd = 0;
    WordBuildingGameState = WordBuildingState::Playing;
    Select(0, 0);
    play.message = WordBuildingMessages::StartTheGame;
}

void EndWordBuildingGame() { play.gameEnd = WordBuildingClock(); }

int WordScore(int n) {
    n = std::clamp(n, 0, play.wordLength());
    return WordScore(std::string_view(play.word).substr(0, static_cast<std::size_t>(n)), false) * n;
}

bool TakeColumnTop(int column) {
    if (!HasTile(column) || play.noWordsPossible) return false;
    if (play.wordLength() >= MaximumBuiltWordLength) {
        play.message = WordBuildingMessages::MaximumLength;
        return false;
    }
    if (play.word.empty()) play.message.clear();
    auto& cells = play.columns[static_cast<std::size_t>(column)];
    play.word += static_cast<char>(cells[0]);
    std::copy(cells.begin() + 1, cells.end(), cells.begin());
    cells.back() = 0;
    play.moves.push_back(static_cast<std::uint8_t>(column));
    play.noWordsPossible = !WordBuildingLexicon.IsPrefix(play.word);
    if (play.noWordsPossible)
        play.message = WordBuildingMessages::NoWordsPossible;
    else
        play.potentialScore = WordScore(play.wordLength());
    return true;
}

void TakeColumnByKey(int column) {
    if (TakeColumnTop(column)) SelectAfterTake(column, false);
}

void ClickColumn(int column) {
    if (play.noWordsPossible || !IsColumn(column)) return;
    if (!HasTile(column)) {
        const int next = NextColumnWithTile(column + 1);
        if (next != NoColumn) Select(next, 0);
        return;
    }
    if (TakeColumnTop(column)) SelectAfterTake(column, true);
}

void TakeSelectedColumn() {
    if (IsColumn(play.selectedColumn)) TakeColumnByKey(play.selectedColumn);
}

void TakeTypedTile(unsigned char tile) {
    if (play.noWordsPossible) return;
    const int selected = std::max(play.selectedColumn, 0);
    const int first = play.retractedTile ? selected + 1 : selected;
    play.retractedTile = false;
    const auto takeFrom = [tile](int from, int to) {
        for (int column = from; column < to; ++column)
            if (HasTile(column) && TopOf(column) == tile) {
                TakeColumnByKey(column);
                return true;
            }
        return false;
    };
    if (!takeFrom(first, WordBuildingColumns)) takeFrom(0, selected);
}

void SelectNearestColumn(int step) {
    const int from = std::max(play.selectedColumn, 0);
    for (int i = 1; i <= WordBuildingColumns; ++i) {
        const int column = ((from + step * i) % WordBuildingColumns + WordBuildingColumns) % WordBuildingColumns;
        if (HasTile(column)) {
            Select(column, 0);
            return;
        }
    }
}

void RetractLastTile() {
    if (play.moves.empty() || play.moves.back() == EndOfWordMove || play.word.empty()) return;
    const int column = play.moves.back();
    play.moves.pop_back();
    auto& cells = play.columns[static_cast<std::size_t>(column)];
    std::copy_backward(cells.begin(), cells.end() - 1, cells.end());
    cells[0] = static_cast<unsigned char>(play.word.back());
    play.word.pop_back();
    play.potentialScore = WordScore(play.wordLength());
    Select(column, 0);
    play.noWordsPossible = false;
    play.message.clear();
    play.retractedTile = true;
    if (play.word.empty() && play.moves.empty()) play.message = WordBuildingMessages::StartTheGame;
}

void AcceptWord() {
    play.retractedTile = false;
    if (play.noWordsPossible) return;
    if (play.wordLength() < MinimumBuiltWordLength) {
        play.message = WordBuildingMessages::MinimumLength;
        return;
    }
    play.message.clear();
    if (!WordBuildingLexicon.IsWord(play.word)) {
        play.message = WordBuildingMessages::NotAWord;
        return;
    }
    const std::int64_t seconds = std::max<std::int64_t>(0, WordBuildingClock() - play.gameStart);
    play.answers.push_back({play.word, WordScore(play.wordLength()), seconds});
    play.potentialScore = 0;
    play.moves.push_back(EndOfWordMove);
    play.word.clear();
}

bool RetractLastWord() {
    if (play.moves.empty() || play.moves.back() != EndOfWordMove || play.answers.empty()) {
        play.message.clear();
        play.retractedTile = false;
        return false;
    }
    play.word = play.answers.back().tiles;
    play.answers.pop_back();
    play.moves.pop_back();
    play.potentialScore = WordScore(play.wordLength());
    return true;
}

int TilesLeftInGrid() {
    int tiles = 0;
    for (const auto& column : play.columns)
        tiles += static_cast<int>(std::count_if(column.begin(), column.end(), [](unsigned char c) { return c != 0; }));
    return tiles;
}

int ColumnOfLabelKey(unsigned char character) {
    if (character >= '1' && character <= '9') return character - '1';
    switch (character) {
        case '0': return 9;
        case '-': return 10;
        case '=': return 11;
        default: return NoColumn;
    }
}

// ---- Typing a grid -----------------------------------------------------------

void StartGridInput() {
    WordBuildingGrids.current = NoGrid;
    EmptyCells();
    ClearGame();
    play.inputMode = true;
    Select(0, 0);
    WordBuildingGameState = WordBuildingState::TypingGrid;
}

void SelectGridCell(int column, int row) {
    Select(std::clamp(column, 0, WordBuildingColumns - 1), std::clamp(row, 0, WordBuildingRows - 1));
}

void TypeGridTile(unsigned char tile) {
    const int cell = std::max(play.selectedRow, 0) * WordBuildingColumns + std::max(play.selectedColumn, 0);
    play.columns[static_cast<std::size_t>(cell % WordBuildingColumns)]
                [static_cast<std::size_t>(cell / WordBuildingColumns)] = tile;
    const int next = (cell + 1) % WordBuildingGridSize;
    Select(next % WordBuildingColumns, next / WordBuildingColumns);
}

void GridInputBackspace() {
    const int cell = std::max(play.selectedRow, 0) * WordBuildingColumns + std::max(play.selectedColumn, 0);
    if (cell == 0) return;
    const int previous = cell - 1;
    Select(previous % WordBuildingColumns, previous / WordBuildingColumns);
    play.columns[static_cast<std::size_t>(play.selectedColumn)][static_cast<std::size_t>(play.selectedRow)] = 0;
}

void ClearGridInput() {
    EmptyCells();
    Select(0, 0);
}

bool GridInputFull() { return TilesLeftInGrid() == WordBuildingGridSize; }

unsigned char GridInputTileOfChar(unsigned char character, Language language) {
    if (character >= 'a' && character <= 'z') character = static_cast<unsigned char>(character - ('a' - 'A'));
    if (language != Language::Spanish) return character >= 'A' && character <= 'Z' ? character : 0;
    int tile = 0;
    switch (character) {
        case '1': tile = SpanishTileCH; break;
        case '2': tile = SpanishTileLL; break;
        case '3': tile = SpanishTileRR; break;
        case UpperEnye:
        case LowerEnye: tile = SpanishTileEnye; break;
        default:
            if (character >= 'A' && character <= 'Z') tile = SpanishTileCodes[character];
            break;
    }
    return tile == 0 ? 0 : static_cast<unsigned char>(TileBase + tile);
}

void PasteGridText(std::string_view text) {
    const Language language = ActiveLanguage();
    for (unsigned char c : text)
        if (const unsigned char tile = GridInputTileOfChar(c, language); tile != 0) TypeGridTile(tile);
}

bool EndGridInput() {
    if (!GridInputFull()) return false;
    std::string letters;
    for (int row = 0; row < WordBuildingRows; ++row)
        for (int column = 0; column < WordBuildingColumns; ++column)
            letters += static_cast<char>(play.columns[static_cast<std::size_t>(column)][static_cast<std::size_t>(row)]);
    play.inputMode = false;
    return FormWordBuildingGrid(letters, 0);
}

void CancelGridInput() {
    ClearGridInput();
    play.inputMode = false;
    WordBuildingGameState = WordBuildingState::Idle;
}

// ---- The window's stages --------------------------------------------------------

void LeaveEndedWordBuildingGame() {
    if (WordBuildingGameState != WordBuildingState::EndedNotNoted) return;
    WordBuildingGrids.lastPlayedGrid = WordBuildingGrids.current;
    WordBuildingGameState = WordBuildingState::Idle;
}

void ClearWordBuildingGrid() {
    EmptyCells();
    play.word.clear();
    ClearSelection();
}

// ---- Texts ---------------------------------------------------------------------

std::string WordBuildingTileText(std::string_view tiles) {
    return play.gridIsSpanish ? TilesToText(tiles) : std::string(tiles);
}

std::string AnswersLine(const WordBuildingAnswer& answer) {
    return FormatText("%4lld:%02lld  %-15s%4d", static_cast<long long>(answer.seconds / 60),
                      static_cast<long long>(answer.seconds % 60), WordBuildingTileText(answer.tiles).c_str(),
                      answer.score);
}

std::vector<std::string> EndGameNotices(int wordLength, int tilesLeft) {
    std::vector<std::string> notices;
    if (wordLength + tilesLeft < MinimumBuiltWordLength) return notices;
    if (wordLength > 0) notices.emplace_back("Notice - there is a potential word currently being built.");
    if (tilesLeft > 0)
        notices.push_back(FormatText("Notice - there %s %d unused tile%s in the grid.",
                                     tilesLeft == 1 ? "is still " : "are still", tilesLeft, PluralSuffix(tilesLeft)));
    notices.emplace_back("Perhaps you don't want to stop this game now.");
    return notices;
}

bool WordBuildingLanguageWarningNeeded() {
    const auto state = WordBuildingGameState;
    return play.gridFormedOnce && state >= WordBuildingState::TypingGrid && state != WordBuildingState::EndedNotNoted &&
           (SpanishLexiconActive != 0) != play.gridIsSpanish;
}

std::string WordBuildingLanguageWarning() {
    const bool grid = play.gridIsSpanish;
    return FormatText(
        "The current game was started in %s, but the lexicon is now a%s one, so the grid and game will not make "
        "sense. You may want to start over, or you may resume the game later once you have returned to a%s lexicon.",
        grid ? "Spanish" : "English", SpanishLexiconActive ? " Spanish" : "n English", grid ? " Spanish" : "n English");
}

// ---- A finished game -----------------------------------------------------------

WordBuildingFinishedGame SnapshotWordBuildingGame() {
    const WordBuildingGridEntry* entry = WordBuildingGrids.Current();
    return {play.currentLetters, entry != nullptr ? entry->created : 0,
            play.moves,          play.answers,
            play.totalScore(),   play.wordCount(),
            play.gameStart,      play.gameEnd,
            play.gridIsSpanish};
}

void ResetWordBuildingGame() {
    WordBuildingGrids = {};
    WordBuildingPlay = {};
    WordBuildingGameState = WordBuildingState::NotShown;
    WordBuildingLexicon = LexiconWordTests();
    WordBuildingClock = SystemClock;
}

namespace {
const ProgramStateReset registerResetWordBuildingGame(ResetWordBuildingGame);
}  // namespace

}  // namespace qora
