#include "games/rules/WordBuildingHistory.h"

#include <algorithm>
#include <charconv>
#include <filesystem>

#include "engine/Listings.h"
#include "engine/TextFiles.h"
#include "engine/Tiles.h"
#include "games/rules/WordBuildingGridFiles.h"
#include "platform/Files.h"
#include "platform/ProgramState.h"

namespace qora {

namespace {

constexpr std::size_t CommentStart = 12;  // "GAME ENGLISH"
constexpr char EndOfWordKey = '/';
constexpr const char* ColumnKeys = "1234567890-=";

const char* LanguageWord(bool spanish) { return spanish ? "SPANISH" : "ENGLISH"; }

// Line ends inside a text written into a line would end the line.
std::string OnOneLine(std::string_view text) {
    std::string line(text);
    std::replace_if(
        line.begin(), line.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
    return line;
}

bool IsScanBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

void SkipBlanks(std::string_view& text) {
    while (!text.empty() && IsScanBlank(text.front())) text.remove_prefix(1);
}

// Reads a word (after any blanks) as scanf reads a literal.
bool TakeLiteral(std::string_view& text, std::string_view word) {
    SkipBlanks(text);
    if (!text.starts_with(word)) return false;
    text.remove_prefix(word.size());
    return true;
}

// Reads a number as "%d" does (blanks first, a sign), of any length that fits.
bool TakeNumber(std::string_view& text, std::int64_t& number) {
    SkipBlanks(text);
    const char* first = text.data();
    const char* last = text.data() + text.size();
    if (first != last && *first == '+') ++first;
    const auto [end, error] = std::from_chars(first, last, number);
    if (error != std::errc()) return false;
    text.remove_prefix(static_cast<std::size_t>(end - text.data()));
    return true;
}

// "SCORE %d #WORD %d DURATION %d:%d", numbers of any width.
bool ReadScoreLine(std::string_view line, GameHistoryRecord& game) {
    std::int64_t score = 0, words = 0, minutes = 0, seconds = 0;
    if (!TakeLiteral(line, "SCORE") || !TakeNumber(line, score) || !TakeLiteral(line, "#WORD") ||
        !TakeNumber(line, words) || !TakeLiteral(line, "DURATION") || !TakeNumber(line, minutes) ||
        !line.starts_with(':'))
        return false;
    line.remove_prefix(1);
    if (!TakeNumber(line, seconds)) return false;
    const auto fits = [](std::int64_t n) { return n >= INT32_MIN && n <= INT32_MAX; };
    // The minutes are checked before they are multiplied, which cannot overflow then.
    if (!fits(minutes) || !fits(seconds)) return false;
    const std::int64_t duration = minutes * 60 + seconds;
    if (!fits(score) || !fits(words) || !fits(duration)) return false;
    game.score = static_cast<std::int32_t>(score);
    game.wordCount = static_cast<std::int32_t>(words);
    game.duration = static_cast<std::int32_t>(duration);
    return true;
}

// The MOVES line's word turned back into moves; "" or what is wrong.
std::string ReadMovesLine(std::string_view line, std::vector<std::uint8_t>& moves) {
    if (!TakeLiteral(line, "MOVES")) return "Expecting a MOVES line";
    SkipBlanks(line);
    const std::string_view word = line.substr(0, std::min(line.find_first_of(" \t\v\f"), line.size()));
    if (word.empty()) return "Expecting a MOVES line";
    std::array<int, WordBuildingColumns> taken{};
    for (const char key : word) {
        if (key == EndOfWordKey) {
            moves.push_back(EndOfWordMove);
            continue;
        }
        const int column = ColumnOfLabelKey(static_cast<unsigned char>(key));
        if (column == NoColumn) return "The MOVES includes an illegal character";
        if (++taken[static_cast<std::size_t>(column)] > WordBuildingRows)
            return "The MOVES takes more tiles from a column than it holds";
        moves.push_back(static_cast<std::uint8_t>(column));
    }
    return "";
}

// Adds the name unless a name alike but for letter case is there, in the
// order that ignores case.
void AddPlayer(std::vector<std::string>& players, const std::string& name) {
    const std::string key = ToUpperCase1252(name);
    const auto before = std::find_if(players.begin(), players.end(), [&key](const std::string& known) {
        return std::string_view(ToUpperCase1252(known)) >= std::string_view(key);
    });
    if (before != players.end() && ToUpperCase1252(*before) == key) return;
    players.insert(before, name);
}

// Reads the records of the lines, one game at a time.
class HistoryReader {
public:
    explicit HistoryReader(std::string_view bytes) : bytes_(bytes) {}

    GameHistory Read() {
        const std::string_view language = LanguageWord(SpanishLexiconActive != 0);
        const std::string_view other = LanguageWord(SpanishLexiconActive == 0);
        std::string_view line;
        while (NextLine(line)) {
            if (line.empty()) continue;
            if (!line.starts_with("GAME ")) {
                Fail("Did not find the expected GAME line");
                continue;
            }
            const std::string_view word = line.substr(5);
            if (word.starts_with(language))
                ReadGame(line);
            else if (word.starts_with(other) || word.starts_with("START"))
                SkipToNextGameLine();
            else
                Fail("Did not find the expected ENGLISH or SPANISH on the GAME line");
        }
        // A damaged file names no players: the player boxes offer only their
        // first item until it is mended, and the warning tells why.
        if (history_.skipped > 0) history_.players.clear();
        return std::move(history_);
    }

private:
    // The number of the line read last.
    int LineNumber() const { return lineNumber_; }

    // Records the error at the line read last and goes on at the next GAME
    // line.
    void Fail(std::string message, int line = 0) {
        if (history_.errors.size() < HistoryWarningRecords)
            history_.errors.push_back({line != 0 ? line : LineNumber(), std::move(message)});
        ++history_.skipped;
        SkipToNextGameLine();
    }

    // The same for a line of a record after its GAME line: when that line
    // begins a game (of either language), that game is read next.
    void FailInRecord(std::string message, int line = 0) {
        const int number = line != 0 ? line : LineNumber();
        if (lastLine_.starts_with("GAME ENGLISH") || lastLine_.starts_with("GAME SPANISH")) ReadLineAgain();
        Fail(std::move(message), number);
    }

    void SkipToNextGameLine() {
        std::string_view line;
        while (NextLine(line))
            if (line.starts_with("GAME ")) {
                ReadLineAgain();
                return;
            }
    }

    // The next line; false at the end of the file.
    bool NextLine(std::string_view& line) {
        const std::size_t start = position_;
        if (!NextTextLine(bytes_, position_, line)) return false;
        lastLineStart_ = start;
        lastLine_ = line;
        ++lineNumber_;
        return true;
    }

    // The line read last is read again next.
    void ReadLineAgain() {
        position_ = lastLineStart_;
        --lineNumber_;
    }

    void ReadGame(std::string_view gameLine) {
        GameHistoryRecord game;
        if (gameLine.size() > CommentStart)
            game.comment = std::string(gameLine.substr(CommentStart, MaxStoredCommentLength));
        if (!ReadRecordLines(game)) return;
        AddPlayer(history_.players, game.player);
        history_.games.push_back(std::move(game));
    }

    // Reads the lines after the GAME line; false (the error recorded) when
    // the record is not whole.
    bool ReadRecordLines(GameHistoryRecord& game) {
        std::string_view line;
        const auto fail = [this](const std::string& message) {
            FailInRecord(message);
            return false;
        };
        const auto premature = [this] {
            Fail("Premature end of file");
            return false;
        };
        if (!NextLine(line)) return premature();
        if (!line.starts_with("PLAYER ")) return fail("Did not find the expected PLAYER line");
        game.player = std::string(line.substr(7, MaxPlayerNameLength));
        if (!NextLine(line)) return premature();
        if (!ReadScoreLine(line, game)) return fail("Did not find the expected SCORE/#WORD/DURATION line");
        if (!NextLine(line)) return premature();
        switch (ReadTimeLine(line, "GAME", "START", game.gameStartText, game.gameStart)) {
            case TimeLineReading::NotThatLine: return fail("Did not find the expected GAME START line");
            case TimeLineReading::BadTime: return fail("Incorrect format for the GAME START line");
            case TimeLineReading::Read: break;
        }
        if (!NextLine(line)) return premature();
        switch (ReadTimeLine(line, "GRID", "CREATED", game.gridCreatedText, game.gridCreated)) {
            case TimeLineReading::NotThatLine: return fail("Did not find the expected GRID CREATED line");
            case TimeLineReading::BadTime: return fail("Incorrect format for the GRID CREATED line");
            case TimeLineReading::Read: break;
        }
        if (!NextLine(line)) return premature();
        if (const std::string error = ReadGridLine(line, game.letters); !error.empty()) return fail(error);
        if (!NextLine(line)) return premature();
        // A game without an accepted word keeps no moves, whatever its line holds.
        if (game.wordCount != 0) {
            if (const std::string error = ReadMovesLine(line, game.moves); !error.empty()) return fail(error);
        }
        const int movesLine = LineNumber();
        // The empty line that ends the record (the end of the file ends it too).
        if (NextLine(line) && !line.empty()) {
            FailInRecord("Did not find the expected blank line after a solution", movesLine);
            return false;
        }
        return true;
    }

    std::string_view bytes_;
    std::size_t position_ = 0;  // where the next line begins
    std::size_t lastLineStart_ = 0;
    std::string_view lastLine_;
    int lineNumber_ = 0;
    GameHistory history_;
};

}  // namespace

std::string WordBuildingHistoryPath;

void FixWordBuildingHistoryPath() {
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::current_path(error);
    WordBuildingHistoryPath = (error ? std::filesystem::path(".") : folder) / WordBuildingHistoryFileName;
}

const std::string& HistoryFilePath() {
    if (WordBuildingHistoryPath.empty()) FixWordBuildingHistoryPath();
    return WordBuildingHistoryPath;
}

char ColumnKey(int column) { return column >= 0 && column < WordBuildingColumns ? ColumnKeys[column] : '?'; }

std::string MovesText(const std::vector<std::uint8_t>& moves) {
    std::string text;
    for (const std::uint8_t move : moves) text += move == EndOfWordMove ? EndOfWordKey : ColumnKey(move);
    return text;
}

std::string GameRecordText(const WordBuildingFinishedGame& game, std::string_view comment, std::string_view player) {
    const long long duration = std::max<long long>(0, game.gameEnd - game.gameStart);
    std::string text;
    text += FormatText("GAME %s %s\n", LanguageWord(game.spanish), OnOneLine(comment).c_str());
    text += "PLAYER " + OnOneLine(player) + "\n";
    text += FormatText("SCORE %4d #WORD %d DURATION %3lld:%02lld\n", game.totalScore, game.wordCount, duration / 60,
                       duration % 60);
    text += "GAME START " + FormatGameTime(game.gameStart) + "\n";
    WriteGridRecord(text, game.letters, game.created, game.spanish);
    text += "MOVES " + MovesText(game.moves) + "\n\n";
    return text;
}

GameHistory ParseGameHistory(std::string_view bytes) { return HistoryReader(bytes).Read(); }

GameHistory ReadGameHistory(const std::string& path) {
    std::error_code missing;
    if (!std::filesystem::exists(path, missing)) return {};
    std::string bytes;
    std::string error;
    if (!ReadWholeFile(path, bytes, error, MaxHistoryFileSize)) {
        GameHistory history;
        history.errors.push_back({0, error});
        history.skipped = 1;
        return history;
    }
    return ParseGameHistory(bytes);
}

std::string GameHistoryWarning(const GameHistory& history) {
    std::string text;
    for (const GameHistoryError& error : history.errors) {
        if (!text.empty()) text += "\n";
        text += error.line == 0 ? FormatText("Cannot read the Word-Building Game history file (%s): %s",
                                             WordBuildingHistoryFileName, error.message.c_str())
                                : FormatText("Error reading Word-Building Game history file (%s) on line %d: %s",
                                             WordBuildingHistoryFileName, error.line, error.message.c_str());
    }
    const int more = history.skipped - static_cast<int>(history.errors.size());
    if (more > 0) text += FormatText("\n(and %d more record%s that could not be read)", more, PluralSuffix(more));
    return text;
}

bool SamePlayerName(std::string_view a, std::string_view b) { return ToUpperCase1252(a) == ToUpperCase1252(b); }

std::vector<const GameHistoryRecord*> SelectHistoryGames(const std::vector<GameHistoryRecord>& games,
                                                         const std::string* player, HistoryOrder order,
                                                         bool leaveOutProgram) {
    std::vector<const GameHistoryRecord*> chosen;
    for (const GameHistoryRecord& game : games)
        if ((player == nullptr || game.player == *player) &&
            !(leaveOutProgram && SamePlayerName(game.player, ProgramPlayerName)))
            chosen.push_back(&game);
    std::stable_sort(chosen.begin(), chosen.end(), [order](const GameHistoryRecord* a, const GameHistoryRecord* b) {
        if (order == HistoryOrder::ByScore && a->score != b->score) return a->score > b->score;
        return a->gameStart > b->gameStart;
    });
    return chosen;
}

std::string HistoryListLine(const GameHistoryRecord& game) {
    return FormatText("%4d %s %s", game.score, game.gameStartText.c_str(), game.player.c_str());
}

namespace {
const ProgramStateReset registerResetHistoryPath([] { WordBuildingHistoryPath.clear(); });
}  // namespace

}  // namespace qora
