// The Word-Building Game's history of noted games (.WBH files): the
// eight-line game record, the reader that builds the list of games and the
// folded list of players, and the choice and order of the games listed.
// docs/file-formats.md tells the format.
//
//   GAME ENGLISH a comment
//   PLAYER Ann
//   SCORE  123 #WORD 5 DURATION   7:05
//   GAME START  5-Jun-11 14:03:09
//   GRID CREATED  5-Jun-11 14:01:55
//   GRID ABCDEFGHIJKL... (the 96 letters in rows)
//   MOVES 123/45=/...
//   (an empty line)
//
// Nothing here touches a window; the history dialog and the browser read
// and write the files and show what the reading reports.
#pragma once

#include <cstdint>
#include <ctime>
#include <string>
#include <string_view>
#include <vector>

#include "games/rules/WordBuildingRules.h"

namespace qora {

constexpr const char* WordBuildingHistoryFileName = "QORA.WBH";
constexpr const char* DefaultGameFileName = "WBG_game.WBH";
constexpr const char* ProgramPlayerName = "QORA";  // the player of the solver's games
constexpr int MaxPlayerNameLength = 31;
constexpr int MaxCommentLength = 22;        // typed into the history dialog
constexpr int MaxStoredCommentLength = 23;  // read from a file: its blank and 22 characters
constexpr std::size_t MaxHistoryFileSize = 64u << 20;

// The history file: "QORA.WBH" in the folder that was current when the
// program started, as an absolute path, so a file dialog that changes the
// current folder does not move it. Empty until fixed (then the current
// folder's is fixed when first asked for).
extern std::string WordBuildingHistoryPath;
void FixWordBuildingHistoryPath();
const std::string& HistoryFilePath();

// One noted game as read from a history file.
struct GameHistoryRecord {
    std::string comment;  // the GAME line after "GAME ENGLISH", its blank included
    std::string player;
    std::int32_t score = 0;
    std::int32_t wordCount = 0;
    std::int32_t duration = 0;  // seconds
    std::time_t gameStart = 0;
    std::time_t gridCreated = 0;
    std::string gameStartText;  // the 18-character time texts
    std::string gridCreatedText;
    std::string letters;              // the grid's 96 tiles in rows
    std::vector<std::uint8_t> moves;  // columns 0..11, EndOfWordMove after each word
};

// The eight lines of a game's record, the grid written in the active
// language; the game's language word is that of the active lexicon
// ("SPANISH", else "ENGLISH").
std::string GameRecordText(const WordBuildingFinishedGame& game, std::string_view comment, std::string_view player);

// A game's moves as its MOVES line writes them: '1'..'9', '0', '-', '=' for
// the columns and '/' for the end of a word.
std::string MovesText(const std::vector<std::uint8_t>& moves);
// The key of a column: '1'..'9', '0', '-', '='.
char ColumnKey(int column);

// A record that could not be read: its line and what was wrong.
struct GameHistoryError {
    int line = 0;  // 0: the file itself could not be read
    std::string message;
};

// The records skipped that a warning tells one by one; it counts the rest.
constexpr std::size_t HistoryWarningRecords = 5;

// What reading a history file found: the games of the active lexicon's
// language in file order, their players (names that differ only in letter
// case once, spelled as first read, in the order that ignores case; none
// when a record could not be read), the
// first records skipped (so a file of a million bad records costs no more
// than one of five) and the number of records skipped.
struct GameHistory {
    std::vector<GameHistoryRecord> games;
    std::vector<std::string> players;
    std::vector<GameHistoryError> errors;  // at most HistoryWarningRecords
    int skipped = 0;
};

// Reads every record of a history file's bytes. A bad record is skipped
// with its error and reading goes on at the next GAME line; games of the
// other language are passed over.
GameHistory ParseGameHistory(std::string_view bytes);

// Reads the history file: a missing file is an empty history.
GameHistory ReadGameHistory(const std::string& path);

// The warning of a reading that skipped records: "Error reading
// Word-Building Game history file (QORA.WBH) on line 9: Expecting a GRID
// line", one line a record (the first few).
std::string GameHistoryWarning(const GameHistory& history);

// Two names alike but for letter case (code page 1252).
bool SamePlayerName(std::string_view a, std::string_view b);

enum class HistoryOrder { ByScore, ByStartTime };

// The games of the player (every player's when null), leaving out the
// program's own ("QORA" in any case) when asked; two or more sorted by score
// (equal scores the latest start first) or by start alone, the latest first,
// equal keys in file order.
std::vector<const GameHistoryRecord*> SelectHistoryGames(const std::vector<GameHistoryRecord>& games,
                                                         const std::string* player, HistoryOrder order,
                                                         bool leaveOutProgram);

// A line of a list of games: "%4d %s %s" (score, start time text, player).
std::string HistoryListLine(const GameHistoryRecord& game);

}  // namespace qora
