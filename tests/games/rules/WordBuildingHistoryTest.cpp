#include "games/rules/WordBuildingHistory.h"

#include <gtest/gtest.h>

#include "engine/Listings.h"
#include "engine/RandomRacks.h"
#include "engine/TextFiles.h"
#include "engine/WordTests.h"
#include "games/rules/WordBuildingGameTexts.h"
#include "games/rules/WordBuildingGridFiles.h"
#include "support/EngineDataFixture.h"
#include "support/LocalTime.h"
#include "support/WordBuildingGrids.h"

namespace qora {
namespace {

using test::LocalTime;

// A game on a grid whose columns start C A T S / D O G, with CAT (columns
// 1 2 3) and DOGS (4 5 6 4) accepted and the tiles of an unfinished word
// after them.
WordBuildingFinishedGame PlayedGame(std::time_t start) {
    WordBuildingFinishedGame game;
    game.letters = test::GridOfColumns({"CQ", "AQ", "TQ", "DS", "OQ", "GQ"});
    game.created = start - 100;
    game.moves = {0, 1, 2, EndOfWordMove, 3, 4, 5, 3, EndOfWordMove, 6, 7};
    game.answers = {{"CAT", 15, 30}, {"DOGS", 24, 95}};
    game.totalScore = 39;
    game.wordCount = 2;
    game.gameStart = start;
    game.gameEnd = start + 425;
    return game;
}

// The lines of a record, to be damaged one at a time.
std::vector<std::string> RecordLines(const std::string& record) {
    std::vector<std::string> lines;
    ForEachTextLine(record, record.size(), [&](const TextLine& line) { lines.emplace_back(line.Text); });
    return lines;
}

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    return text;
}

std::vector<std::string> Players(const GameHistory& history) {
    std::vector<std::string> players;
    for (const GameHistoryRecord& game : history.games) players.push_back(game.player);
    return players;
}

class WordBuildingHistoryTest : public test::EngineDataTest {
protected:
    void SetUp() override {
        EngineDataTest::SetUp();
        ResetWordBuildingGame();
    }
    void TearDown() override {
        ResetWordBuildingGame();
        EngineDataTest::TearDown();
    }

    const std::time_t june5 = LocalTime(2011, 6, 5, 14, 3, 9);
};

TEST_F(WordBuildingHistoryTest, ARecordIsWrittenInEightLines) {
    const std::string record = GameRecordText(PlayedGame(june5), "", "Ann");
    const std::vector<std::string> lines = RecordLines(record);
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[0], "GAME ENGLISH ") << "an empty comment leaves the blank";
    EXPECT_EQ(lines[1], "PLAYER Ann");
    EXPECT_EQ(lines[2], "SCORE   39 #WORD 2 DURATION   7:05");
    EXPECT_EQ(lines[3], "GAME START  5-Jun-11 14:03:09");
    EXPECT_EQ(lines[4], "GRID CREATED  5-Jun-11 14:01:29");
    EXPECT_EQ(lines[5], "GRID " + PlayedGame(june5).letters);
    EXPECT_EQ(lines[6], "MOVES 123/4564/78");
    EXPECT_EQ(lines[7], "");
}

// Every record the writer makes reads back: long games (128 moves), long
// durations and five-digit scores, and in each language.
TEST_F(WordBuildingHistoryTest, WhatIsWrittenReadsBack) {
    struct Case {
        Language language;
        std::int32_t score;
        std::int64_t seconds;
        bool fullGame;
    };
    for (const Case c : {Case{Language::English, 39, 425, false}, Case{Language::English, 12345, 61'000, true},
                         Case{Language::Spanish, 250, 5, true}, Case{Language::French, 80, 59, false}}) {
        SetLanguageTables(c.language);
        RuntimeSeed(3);
        WordBuildingFinishedGame game = PlayedGame(june5);
        game.spanish = c.language == Language::Spanish;
        if (c.fullGame) {
            game.letters = ShuffleWordBuildingBag();
            game.moves.clear();
            for (int word = 0; word < 32; ++word) {
                for (int tile = 0; tile < 3; ++tile)
                    game.moves.push_back(static_cast<std::uint8_t>((word * 3 + tile) % 12));
                game.moves.push_back(EndOfWordMove);
            }
            game.wordCount = 32;
        }
        game.totalScore = c.score;
        game.gameEnd = game.gameStart + c.seconds;
        const std::string text = GameRecordText(game, "  a comment longer than 22", "Bob") +
                                 GameRecordText(game, "second", std::string(40, 'x'));
        const GameHistory history = ParseGameHistory(text);
        const std::string name = LanguageName(c.language);
        ASSERT_TRUE(history.errors.empty()) << name << ": " << GameHistoryWarning(history);
        ASSERT_EQ(history.games.size(), 2u) << name;
        const GameHistoryRecord& read = history.games[0];
        EXPECT_EQ(read.comment, "   a comment longer tha") << name << ": 23 characters, the separating blank first";
        EXPECT_EQ(read.player, "Bob");
        EXPECT_EQ(history.games[1].player, std::string(31, 'x')) << "names are cut to 31 characters";
        EXPECT_EQ(read.score, c.score) << name;
        EXPECT_EQ(read.wordCount, game.wordCount) << name;
        EXPECT_EQ(read.duration, c.seconds) << name;
        EXPECT_EQ(read.gameStart, game.gameStart) << name;
        EXPECT_EQ(read.gameStartText, " 5-Jun-11 14:03:09") << "the blank of a day below 10 is kept";
        EXPECT_EQ(read.gridCreated, game.created) << name;
        EXPECT_EQ(read.letters, game.letters) << name;
        EXPECT_EQ(read.moves, game.moves) << name;
    }
}

// A game is written in the language of its grid, also when it is noted after
// a change of lexicon.
TEST_F(WordBuildingHistoryTest, OnlyTheGamesOfTheLexiconsLanguageAreRead) {
    std::string text = GameRecordText(PlayedGame(june5), "", "English");
    SetLanguageTables(Language::Spanish);
    WordBuildingFinishedGame spanish = PlayedGame(june5);
    spanish.spanish = true;
    spanish.letters = ShuffleWordBuildingBag();
    SetLanguageTables(Language::French);
    text += GameRecordText(spanish, "", "Spanish");
    text += GameRecordText(PlayedGame(june5), "", "French");
    const std::vector<std::pair<Language, std::vector<std::string>>> expected = {
        {Language::English, {"English", "French"}},
        {Language::Spanish, {"Spanish"}},
        {Language::French, {"English", "French"}},
    };
    for (const auto& [language, players] : expected) {
        SetLanguageTables(language);
        const GameHistory history = ParseGameHistory(text);
        EXPECT_TRUE(history.errors.empty());
        EXPECT_EQ(Players(history), players) << LanguageName(language);
        if (language == Language::Spanish && history.games.size() == 1) {
            EXPECT_EQ(history.games[0].letters, spanish.letters) << "the grid in Spanish text";
        }
    }
}

TEST_F(WordBuildingHistoryTest, AGameWithoutAWordReadsBackWithoutMoves) {
    WordBuildingFinishedGame game = PlayedGame(june5);
    game.moves = {0, 1};  // an unfinished word
    game.answers.clear();
    game.wordCount = 0;
    game.totalScore = 0;
    const std::string text = GameRecordText(game, "", "Ann");
    EXPECT_NE(text.find("MOVES 12\n"), std::string::npos);
    const GameHistory history = ParseGameHistory(text);
    ASSERT_EQ(history.games.size(), 1u);
    EXPECT_TRUE(history.games[0].moves.empty());
}

// Names alike but for letter case are one player, spelled as first read;
// choosing a name lists the games of exactly that name.
TEST_F(WordBuildingHistoryTest, PlayersAreFoldedByCaseButChosenExactly) {
    std::string text;
    for (const char* player : {"bob", "Ann", "Bob", "QORA", "carl", "BOB"})
        text += GameRecordText(PlayedGame(june5), "", player);
    const GameHistory history = ParseGameHistory(text);
    EXPECT_EQ(history.players, (std::vector<std::string>{"Ann", "bob", "carl", "QORA"}));
    const std::string bob = "Bob";
    EXPECT_EQ(SelectHistoryGames(history.games, &bob, HistoryOrder::ByScore, true).size(), 1u);
    EXPECT_EQ(SelectHistoryGames(history.games, nullptr, HistoryOrder::ByScore, false).size(), 6u);
    EXPECT_EQ(SelectHistoryGames(history.games, nullptr, HistoryOrder::ByScore, true).size(), 5u);
}

TEST_F(WordBuildingHistoryTest, GamesAreListedByScoreOrByStartTheLatestFirst) {
    struct Noted {
        const char* player;
        std::int32_t score;
        int hour;
    };
    std::string text;
    for (const Noted& noted :
         {Noted{"a", 50, 10}, Noted{"b", 70, 9}, Noted{"c", 50, 12}, Noted{"d", 50, 12}, Noted{"qora", 90, 8}}) {
        WordBuildingFinishedGame game = PlayedGame(LocalTime(2011, 6, 5, noted.hour));
        game.totalScore = noted.score;
        text += GameRecordText(game, "", noted.player);
    }
    text += GameRecordText(PlayedGame(june5), "", "noted twice");
    text += GameRecordText(PlayedGame(june5), "", "noted twice");
    const GameHistory history = ParseGameHistory(text);
    const auto players = [](const std::vector<const GameHistoryRecord*>& games) {
        std::string list;
        for (const GameHistoryRecord* game : games) list += std::string(game->player) + ",";
        return list;
    };
    EXPECT_EQ(players(SelectHistoryGames(history.games, nullptr, HistoryOrder::ByScore, true)),
              "b,c,d,a,noted twice,noted twice,")
        << "equal scores: the latest first; equal keys in file order";
    EXPECT_EQ(players(SelectHistoryGames(history.games, nullptr, HistoryOrder::ByStartTime, false)),
              "noted twice,noted twice,c,d,a,b,qora,");
    EXPECT_EQ(HistoryListLine(history.games[1]), "  70  5-Jun-11 09:00:00 b");
}

// A bad record is skipped with its line and error; the records after it are
// still read, but no player is named.
TEST_F(WordBuildingHistoryTest, ABadRecordIsSkippedAndTheRestRead) {
    const std::string good = GameRecordText(PlayedGame(june5), "", "Ann");
    struct Case {
        int line;  // the line of the first record replaced (1 to 8)
        std::string text;
        int errorLine;
        std::string error;
    };
    const Case cases[] = {
        {1, "GAMES ENGLISH", 1, "Did not find the expected GAME line"},
        {1, "GAME KLINGON", 1, "Did not find the expected ENGLISH or SPANISH on the GAME line"},
        {2, "PLAYERS Ann", 2, "Did not find the expected PLAYER line"},
        {3, "SCORE 39 #WORD two DURATION 7:05", 3, "Did not find the expected SCORE/#WORD/DURATION line"},
        {3, "SCORE 99999999999 #WORD 2 DURATION 7:05", 3, "Did not find the expected SCORE/#WORD/DURATION line"},
        // Minutes whose seconds would wrap round to 49.
        {3, "SCORE 39 #WORD 2 DURATION 307445734561825861:05", 3,
         "Did not find the expected SCORE/#WORD/DURATION line"},
        {4, "GAME BEGAN  5-Jun-11 14:03:09", 4, "Did not find the expected GAME START line"},
        {4, "GAME START  5-Jux-11 14:03:09", 4, "Incorrect format for the GAME START line"},
        {5, "GRID  5-Jun-11 14:03:09", 5, "Did not find the expected GRID CREATED line"},
        {5, "GRID CREATED  5-Jux-11 14:03:09", 5, "Incorrect format for the GRID CREATED line"},
        {6, "GRIT ABC", 6, "Expecting a GRID line"},  // the GRID line is read as a grid file's
        {7, "MOVE 123/", 7, "Expecting a MOVES line"},
        {7, "MOVES 12x/", 7, "The MOVES includes an illegal character"},
        {7, "MOVES 111111111/", 7, "The MOVES takes more tiles from a column than it holds"},
        {8, "x", 7, "Did not find the expected blank line after a solution"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> lines = RecordLines(good);
        lines[static_cast<std::size_t>(c.line - 1)] = c.text;
        const GameHistory history = ParseGameHistory(Joined(lines) + "\n\n" + good);
        ASSERT_EQ(history.errors.size(), 1u) << c.text;
        EXPECT_EQ(history.errors[0].line, c.errorLine) << c.text;
        EXPECT_EQ(history.errors[0].message, c.error) << c.text;
        EXPECT_EQ(history.games.size(), 1u) << c.text << ": the next record is read";
        EXPECT_TRUE(history.players.empty()) << c.text << ": a damaged file names no players";
    }
    // A record cut after its GAME line does not hide the one after it.
    const GameHistory cutShort = ParseGameHistory("GAME ENGLISH\n" + good);
    ASSERT_EQ(cutShort.errors.size(), 1u);
    EXPECT_EQ(cutShort.errors[0].line, 2);
    EXPECT_EQ(cutShort.games.size(), 1u);
    // A record that ends after its GRID CREATED line.
    const std::string cut = good.substr(0, good.find("\nGRID ", good.find("GRID CREATED")) + 1);
    const GameHistory history = ParseGameHistory(good + cut);
    ASSERT_EQ(history.errors.size(), 1u);
    EXPECT_EQ(history.errors[0].line, 13);
    EXPECT_EQ(history.errors[0].message, "Premature end of file");
    EXPECT_EQ(history.games.size(), 1u);
    EXPECT_EQ(GameHistoryWarning(history),
              "Error reading Word-Building Game history file (QORA.WBH) on line 13: Premature end of file");
    EXPECT_EQ(ParseGameHistory(good.substr(0, good.size() - 1)).games.size(), 1u)
        << "the end of the file ends the last record too";
}

// A file of many bad records keeps the first five and counts the others.
TEST_F(WordBuildingHistoryTest, TheWarningTellsTheFirstFiveBadRecordsAndCountsTheRest) {
    std::string bytes;
    for (int i = 0; i < 7; ++i) bytes += "GAME KLINGON\n";
    const GameHistory history = ParseGameHistory(bytes + GameRecordText(PlayedGame(june5), "", "Ann"));
    EXPECT_EQ(history.games.size(), 1u);
    EXPECT_EQ(history.errors.size(), HistoryWarningRecords);
    EXPECT_EQ(history.skipped, 7);
    EXPECT_TRUE(GameHistoryWarning(history).ends_with(
        "on line 5: Did not find the expected ENGLISH or SPANISH on the GAME line\n"
        "(and 2 more records that could not be read)"))
        << GameHistoryWarning(history);
}

TEST_F(WordBuildingHistoryTest, SolutionAndGridTexts) {
    const WordBuildingFinishedGame game = PlayedGame(june5);
    EXPECT_EQ(JoinedLines(RenderSolutionText(game.letters, game.moves, 39, 2)),
              "These 2 words score 39:\n"
              "\n"
              "  CAT               15\n"
              "  123\n"
              "  DOGS              24\n"
              "  4564");
    EXPECT_EQ(JoinedLines(RenderSolutionText(game.letters, {0, 1, 2, EndOfWordMove}, 15, 1, &game.answers)),
              "This 1 word scores 15:\n"
              "\n"
              "   0:30  CAT              15\n"
              "         123");
    EXPECT_EQ(RenderSolutionText(game.letters, {0, 1}, 0, 0), std::vector<std::string>{"No words were formed."});
    const std::vector<std::string> grid = RenderGridText(game.letters, june5);
    ASSERT_EQ(grid.size(), 11u);
    EXPECT_EQ(grid[0], " 1  2  3  4  5  6  7  8  9  0  -  =");
    EXPECT_EQ(grid[2], " C  A  T  D  O  G  Q  Q  Q  Q  Q  Q");
    EXPECT_EQ(grid[10], "  Grid created:  5-Jun-11 14:03:09");

    SetLanguageTables(Language::Spanish);
    const std::string chico = TextToTiles("CHICO");
    const std::string letters =
        test::GridOfColumns({chico.substr(0, 1), chico.substr(1, 1), chico.substr(2, 1), chico.substr(3, 1)});
    const std::vector<std::string> spanish = RenderSolutionText(letters, {0, 1, 2, 3, EndOfWordMove}, 40, 1);
    ASSERT_EQ(spanish.size(), 4u);
    EXPECT_EQ(spanish[2], FormatText("  CHICO          %5d", WordScore(chico, false) * 4));
    EXPECT_EQ(spanish[3], "  1 234") << "each key under the first letter of its tile";
    EXPECT_EQ(RenderGridText(letters, june5)[2], " CH  I  C  O  O  O  O  O  O  O  O  O") << "Q is the tile O";
}

}  // namespace
}  // namespace qora
