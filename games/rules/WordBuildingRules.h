// The Word-Building Game without its window: the grids known in this run,
// the game in progress and the rules that change them.
//
// A grid is 96 tiles standing in 12 columns of 8. The player takes tiles off
// the column tops to build one word at a time; a word of 3 to 12 tiles that
// the primary lexicon has scores the sum of its tile values times its
// length. Tiles are tile bytes of the active language ('A'..'Z'; Spanish
// '@' + tile number, 'D' being CH and '\' Z); 0 is an empty cell.
//
// The game's state lives in three globals (the grid list, the play state and
// the game state) that the window, the grid files, the history and the solver
// share. The window (games/WordBuildingWindow.h) turns keys and clicks into
// the operations below and then shows the state; none of them touches a
// window. Word tests go through WordBuildingLexicon, which consults the
// primary lexicon itself, never the query's word source, and keeps its state
// in the call, so a word is tested safely while a query searches.
#pragma once

#include <array>
#include <cstdint>
#include <ctime>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "engine/Tiles.h"

namespace qora {

constexpr int WordBuildingColumns = 12;
constexpr int WordBuildingRows = 8;
constexpr int WordBuildingGridSize = WordBuildingColumns * WordBuildingRows;  // 96 tiles
constexpr int MinimumBuiltWordLength = 3;
constexpr int MaximumBuiltWordLength = 12;
constexpr std::uint8_t EndOfWordMove = 255;  // a move that ends an accepted word
constexpr int NoColumn = -1;                 // no cell selected
constexpr int NoGrid = -1;                   // no entry of the grid list

// The stage of the game, which the window, the files, the history and the
// solver share.
enum class WordBuildingState : std::uint8_t {
    NotShown = 0,            // the window has not been shown yet
    Idle = 1,                // no grid formed
    TypingGrid = 2,          // the player types a grid
    GridFormed = 3,          // a grid is formed and ready to play
    Playing = 4,             // a game is played
    EndedNotNoted = 5,       // the game ended and is not to be noted
    EndedToBeNoted = 6,      // the game ended and is to be noted in the history
    Solved = 7,              // the solver solved the grid
    SeekingWithoutGrid = 8,  // the history browser opened while no grid was formed
    SeekingFromGrid = 9,     // the history browser opened from state 3
};

// One known grid.
struct WordBuildingGridEntry {
    std::string letters;      // the 96 tiles in rows: row 0 first, its left column first
    std::time_t created = 0;  // when first formed, or the time its file gave
    std::int32_t number = 0;  // 1 for the first grid of the run
    bool spanish = false;     // Spanish tile codes: the lexicon was Spanish when it was formed
};

// The grids known in this run, oldest first. Entries are never removed, so
// an index names its entry for good; the entry older than entry i is i - 1,
// the newer one i + 1.
struct WordBuildingGridList {
    std::vector<WordBuildingGridEntry> entries;
    std::unordered_map<std::string, int> entryOfLetters;  // finds a known grid at once
    int current = NoGrid;                                 // the grid formed now; none while a grid is typed
    int lastPlayedGrid = NoGrid;                          // the grid of the last game that ended (Same Grid)

    const WordBuildingGridEntry* Current() const;
    bool HasOlder() const;  // an older entry than the current one (or any entry when none is current)
    bool HasNewer() const;
};

// One accepted word: its tiles, its score when accepted and the seconds
// from the start of the game. Retracting a word takes it from here, never
// from the text of its answers line.
struct WordBuildingAnswer {
    std::string tiles;
    std::int32_t score = 0;
    std::int64_t seconds = 0;
};

using WordBuildingCells = std::array<std::array<unsigned char, WordBuildingRows>, WordBuildingColumns>;

// The game in progress (and, in input mode, the grid being typed).
struct WordBuildingPlayState {
    std::string currentLetters;   // the grid formed, in rows as in an entry
    WordBuildingCells columns{};  // [column][row], row 0 the top; tiles stand at the top, 0 below them
    std::string word;             // the tiles of the word being built
    // The column index (0..11) of each tile taken, EndOfWordMove after each
    // accepted word; a full game holds at most 96 + 32 moves.
    std::vector<std::uint8_t> moves;
    std::vector<WordBuildingAnswer> answers;  // the accepted words, in order
    std::time_t gameStart = 0;
    std::time_t gameEnd = 0;
    bool noWordsPossible = false;  // no word begins with the tiles of `word`
    bool retractedTile = false;    // a typed tile is sought from the column after the selected one
    int selectedColumn = NoColumn;
    int selectedRow = NoColumn;
    bool gridIsSpanish = false;       // the lexicon was Spanish when the grid was last formed
    bool gridFormedOnce = false;      // some grid has been formed in this run
    bool inputMode = false;           // the player types a grid into `columns`
    std::string message;              // the message label; "" hides it
    std::int32_t potentialScore = 0;  // "Potential Word Score"

    int wordLength() const { return static_cast<int>(word.size()); }
    int moveCount() const { return static_cast<int>(moves.size()); }
    std::int32_t totalScore() const;
    std::int32_t wordCount() const { return static_cast<std::int32_t>(answers.size()); }
};

// The word tests of the game, on tile strings. Tests may set others.
struct WordBuildingWordTests {
    std::function<bool(std::string_view tiles)> IsWord;    // a word of the primary lexicon
    std::function<bool(std::string_view tiles)> IsPrefix;  // some word of it begins with the tiles
};

extern WordBuildingGridList WordBuildingGrids;
extern WordBuildingPlayState WordBuildingPlay;
extern WordBuildingState WordBuildingGameState;
extern WordBuildingWordTests WordBuildingLexicon;
extern std::function<std::time_t()> WordBuildingClock;  // now; tests set their own

// The messages of play, one at a time in the message label.
namespace WordBuildingMessages {
constexpr const char* NoWordsPossible = " No words possible!";
constexpr const char* NoMoreLetters = " No more letters!";
constexpr const char* StartTheGame = " Start the game!";
constexpr const char* MinimumLength = " Minimum length is 3!";
constexpr const char* MaximumLength = " Maximum length is 12!";
constexpr const char* NotAWord = " Not a word!";
constexpr const char* BadDistribution = "Bad letter distribution!";
}  // namespace WordBuildingMessages

// ---- Grids ---------------------------------------------------------------------

// True when the letters are exactly the 96-tile bag of the active language.
bool CheckLetterDistribution(std::string_view letters);

// True when the letters are 96 tiles of the active language (in any
// distribution): the grids that can be formed.
bool IsWordBuildingGrid(std::string_view letters);

// Makes the letters the current grid: an equal known grid becomes current
// again (with its number and time), else a new entry is made with `created`
// (0: now). The selection is cleared, the message tells a bad distribution,
// and the state becomes GridFormed. Letters that are no grid change nothing
// and give false. The window shows the result (TWordsmithDlg::ShowFormedGrid).
bool FormWordBuildingGrid(std::string_view letters, std::time_t created);

// The grid buttons: a new random grid, the older or newer known grid (the
// newest when none is current), the grid of the last game played. False
// when there is no such grid.
void FormNewWordBuildingGrid();
bool FormOlderWordBuildingGrid();
bool FormNewerWordBuildingGrid();
bool FormLastPlayedWordBuildingGrid();

// ---- Play ------------------------------------------------------------------------

// A new game on the grid formed: no word, no move, no answer, the clock
// started, column 1 selected, " Start the game!".
void PlayWordBuildingGame();
// The end of the game asked for: the clock stops (the window asks how to end).
void EndWordBuildingGame();

// The score of the first n tiles of the word being built: their tile values
// summed, times n (a Spanish double tile is one tile).
int WordScore(int n);

// Moves the top tile of the column into the word (the column's tiles move up)
// and tests the tiles against the lexicon. Nothing happens, and false is
// returned, when the column is empty, no word is possible or the word has 12
// tiles already (then " Maximum length is 12!").
bool TakeColumnTop(int column);

// The four ways of choosing a column. None acts while no word is possible.
// A column key (ColumnOfLabelKey) takes that column's top.
void TakeColumnByKey(int column);
// A click takes the column's top; on an empty column it only moves the
// selection to the next column that holds a tile.
void ClickColumn(int column);
// The up-arrow takes the top of the selected column.
void TakeSelectedColumn();
// A typed tile is taken from the first column, from the selected one (the one
// after it after a retraction) rightwards and then from column 1, whose top
// it is.
void TakeTypedTile(unsigned char tile);

// Left and right arrows: the nearest column in that direction (step -1 or
// +1) that holds a tile, wrapping at the ends.
void SelectNearestColumn(int step);

// Puts the last tile taken back on its column; never past the start of the
// word being built.
void RetractLastTile();
// Accepts the word being built when it has 3 tiles or more and is a word.
void AcceptWord();
// Takes the last accepted word back into the word being built (its tiles
// stay out of the grid). False when the last move is no word's end.
bool RetractLastWord();

// The tiles left in the grid.
int TilesLeftInGrid();

// The column of a column key: '1'..'9' are 0..8, '0' 9, '-' 10, '=' 11;
// -1 for any other character.
int ColumnOfLabelKey(unsigned char character);

// ---- Typing a grid -----------------------------------------------------------

// Input mode on, no current grid, the cells empty, the top-left cell selected,
// state TypingGrid.
void StartGridInput();
// Writes the tile into the selected cell and moves on to the next cell (by
// rows, from the last cell to the first).
void TypeGridTile(unsigned char tile);
// Moves back one cell (from the first column to the end of the row above;
// not before the first cell) and empties it.
void GridInputBackspace();
// Empties every cell and selects the first.
void ClearGridInput();
void SelectGridCell(int column, int row);
bool GridInputFull();
// Types the tiles of a text (the clipboard): a..z as A..Z, A..Z as
// themselves, and for Spanish also '1', '2', '3' as CH, LL, RR and Ñ or ñ;
// other characters are skipped. Past the last cell it goes on at the first.
void PasteGridText(std::string_view text);
// The grid typed becomes the current grid; false (and nothing happens) while
// a cell is empty.
bool EndGridInput();
// Input mode off, the cells emptied, state Idle.
void CancelGridInput();

// The tile a grid-input character gives in the language, 0 for none.
unsigned char GridInputTileOfChar(unsigned char character, Language language);

// ---- The window's stages --------------------------------------------------------

// What the window does when it opens afresh: an ended game (state
// EndedNotNoted) becomes the last played grid and the game goes idle.
void LeaveEndedWordBuildingGame();
// The idle grid: no cell, no word, no selection.
void ClearWordBuildingGrid();

// ---- Texts ---------------------------------------------------------------------

// The display text of game tiles (Spanish double tiles as two letters).
std::string WordBuildingTileText(std::string_view tiles);

// The answers line of an accepted word, "%4d:%02d  %-15s%4d":
// "   1:15  CAT              15".
std::string AnswersLine(const WordBuildingAnswer& answer);

// The notices of the end-of-game dialog for a word of `wordLength` tiles and
// `tilesLeft` tiles in the grid: none when together they are fewer than 3.
std::vector<std::string> EndGameNotices(int wordLength, int tilesLeft);

// Whether opening the window must warn that the grid and the lexicon are in
// different languages, and the warning's text.
bool WordBuildingLanguageWarningNeeded();
std::string WordBuildingLanguageWarning();

// ---- A finished game, for the history -----------------------------------------

struct WordBuildingFinishedGame {
    std::string letters;
    std::time_t created = 0;
    std::vector<std::uint8_t> moves;
    std::vector<WordBuildingAnswer> answers;
    std::int32_t totalScore = 0;
    std::int32_t wordCount = 0;
    std::time_t gameStart = 0;
    std::time_t gameEnd = 0;
    bool spanish = false;
};

// The game as it ended, kept apart so that a later grid or game cannot
// change what is noted.
WordBuildingFinishedGame SnapshotWordBuildingGame();

// No grid, no game, state NotShown, the lexicon's word tests and the system
// clock.
void ResetWordBuildingGame();

}  // namespace qora
