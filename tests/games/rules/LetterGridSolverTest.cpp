#include "games/rules/LetterGridSolver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>

#include "engine/QueryEvaluation.h"
#include "engine/Wordlists.h"
#include "processor/Parser.h"
#include "processor/Settings.h"
#include "support/EngineDataFixture.h"
#include "support/TestLexicon.h"

namespace qora::test {
namespace {

using Words = std::vector<std::string>;

class Output final : public QueryOutput {
public:
    void WriteLine(const std::string& line) override { Lines.push_back(line); }
    void ReportError(const std::string& message) override { Errors.push_back(message); }
    void ShowProgress(const std::string&) override {}
    Words Lines, Errors;
};

// The brute-force oracle: can `word` be traced from `cell` on, starting at
// letter `at`, a Q cell taking "QU", no cell used twice?
bool TracesFrom(std::string_view grid, std::string_view word, std::size_t at, int cell, unsigned used) {
    const char letter = grid[static_cast<std::size_t>(cell)];
    const std::string_view cellText = letter == 'Q' ? "QU" : std::string_view(&grid[static_cast<std::size_t>(cell)], 1);
    if (word.substr(at, cellText.size()) != cellText) return false;
    at += cellText.size();
    if (at == word.size()) return true;
    used |= 1u << cell;
    const int row = cell / GridSide, column = cell % GridSide;
    for (int r = std::max(row - 1, 0); r <= std::min(row + 1, GridSide - 1); ++r)
        for (int c = std::max(column - 1, 0); c <= std::min(column + 1, GridSide - 1); ++c)
            if ((used >> (r * GridSide + c) & 1) == 0 && TracesFrom(grid, word, at, r * GridSide + c, used))
                return true;
    return false;
}

bool Traceable(std::string_view grid, std::string_view word) {
    for (int cell = 0; cell < GridCellCount; ++cell)
        if (TracesFrom(grid, word, 0, cell, 0)) return true;
    return false;
}

// The oracle's words of the grid, of `minimum` to 26 letters, sorted.
Words OracleWords(std::string_view grid, const Words& lexicon, int minimum) {
    Words found;
    for (const std::string& word : lexicon)
        if (static_cast<int>(word.size()) >= minimum && word.size() <= MaxGridWordLength && Traceable(grid, word))
            found.push_back(word);
    std::sort(found.begin(), found.end());
    return found;
}

// The letters of a random walk of `cells` cells on the grid.
std::string RandomWalk(std::string_view grid, int cells, std::mt19937& random) {
    unsigned used = 0;
    int cell = static_cast<int>(random() % GridCellCount);
    std::string word;
    for (int step = 0; step < cells; ++step) {
        used |= 1u << cell;
        word +=
            grid[static_cast<std::size_t>(cell)] == 'Q' ? "QU" : std::string(1, grid[static_cast<std::size_t>(cell)]);
        std::vector<int> free;
        for (int other = 0; other < GridCellCount; ++other)
            if ((used >> other & 1) == 0 && std::abs(other / GridSide - cell / GridSide) <= 1 &&
                std::abs(other % GridSide - cell % GridSide) <= 1)
                free.push_back(other);
        if (free.empty()) break;
        cell = free[random() % free.size()];
    }
    return word;
}

std::string RandomGrid(std::mt19937& random) {
    static const std::string letters = "AAAEEEEIIIOOUBCDGHLMNNPQRRSSTTY";  // vowels and a few Q
    std::string grid;
    for (int i = 0; i < GridCellCount; ++i) grid += letters[random() % letters.size()];
    return grid;
}

class LetterGridSolverTest : public EngineDataTest {
protected:
    void SetUp() override {
        EngineDataTest::SetUp();
        ConnectLetterGridSolver();
    }
    void TearDown() override {
        SolveLetterGrid = nullptr;
        EngineDataTest::TearDown();
    }

    void UseWords(const Words& words, Language language = Language::English) { folder_.LoadWords(words, language); }

    // The words found on the grid with the settings (or the errors).
    Words Solve(std::string_view grid, const Settings& settings = {}) {
        Output output;
        Wordlist result;
        if (!SolveLetterGrid(grid, settings, nullptr, result, output)) return output.Errors;
        Words found;
        for (const WordlistItem& item : result.Items()) found.emplace_back(item.Text);
        return found;
    }

    // The grid with a length filter of at least `length` letters.
    Words SolveWithLengthFilter(std::string_view grid, int length) {
        Settings settings;
        settings.LengthFilter = {1, RelationAtLeast, length, 0};
        return Solve(grid, settings);
    }

    TestLexiconFolder folder_;
};

TEST_F(LetterGridSolverTest, FindsWhatTheOracleTracesOnFixedAndRandomGrids) {
    std::mt19937 random(20240601);
    Words grids = {
        "QUITEABCDEFGHIJKLMNOPQRST",  // a Q in the corner
        "SERSPATGLINESERSPATGLINES",  // many repeated letters
    };
    for (int i = 0; i < 12; ++i) grids.push_back(RandomGrid(random));
    // Words traced on the grids (some long, some through a Q), their
    // prefixes, and random words that mostly are not there.
    Words lines = RandomWordLines(7, Language::English, 2000, 4, 9);
    for (const std::string& grid : grids)
        for (int i = 0; i < 60; ++i) {
            std::string word = RandomWalk(grid, 3 + static_cast<int>(random() % 22), random);
            word.resize(std::min<std::size_t>(word.size(), LexiconMaxWordLength));
            lines.push_back(word);
            lines.push_back(word.substr(0, word.size() - 1));
        }
    UseWords(lines);
    const Words lexicon = FoldedWords(lines, Language::English);
    for (int i = 0; i < 5; ++i) grids.push_back(RandomGrid(random));  // grids the lexicon was not made from
    for (const std::string& grid : grids) {
        EXPECT_EQ(Solve(grid), OracleWords(grid, lexicon, UnfilteredGridWordMinimum)) << grid;
        EXPECT_EQ(SolveWithLengthFilter(grid, 4), OracleWords(grid, lexicon, MinGridWordLength)) << grid;
    }
}

// The word of a path through all 25 cells, row by row and back (27
// letters on this grid of two Q's), and its first 26 letters.
std::string SnakeWord(std::string_view grid) {
    std::string word;
    for (int row = 0; row < GridSide; ++row)
        for (int i = 0; i < GridSide; ++i) {
            const char c = grid[static_cast<std::size_t>(row * GridSide + (row % 2 == 0 ? i : GridSide - 1 - i))];
            word += c == 'Q' ? std::string("QU") : std::string(1, c);
        }
    return word;
}

TEST_F(LetterGridSolverTest, StatedCases) {
    const std::string snakeGrid = "ABQDEFGHIJKLMNOPQRSTUVWXY";
    const std::string snake = SnakeWord(snakeGrid);
    UseWords(
        {"QUITE", "QUIT", "QUITS", "QAID",   "CINQ", "TIQUE", "TEAS",  "SEAT",   "SEATS", "EAT", "SETAE",
         "TASTE", "QUQU", "QUQUQ", "QUQUQU", "EEE",  "EEEE",  "EEEEE", "EEEEEE", "EERIE", snake, snake.substr(0, 26)});
    struct Case {
        std::string grid;
        int lengthFilter;  // 0: none
        Words found;
    };
    for (const Case& c : std::vector<Case>{
             // QUIT has four letters: only a length filter lets it through;
             // CINQ would end on the Q of its QU cell; QAID needs an A after Q.
             {"QITEX"
              "AIXXC"
              "DXXXI"
              "XXXXN"
              "XXXXQ",
              0,
              {"QUITE"}},
             {"QITEX"
              "AIXXC"
              "DXXXI"
              "XXXXN"
              "XXXXQ",
              4,
              {"QUIT", "QUITE"}},
             // Three-letter words never, even when the filter asks for them.
             {"EATXX"
              "XXXXX"
              "XXXXX"
              "XXXXX"
              "XXXXX",
              3,
              {}},
             // One S cannot be used twice; two S cells can both be used.
             {"SEATX"
              "XXXXX"
              "XXXXX"
              "XXXXX"
              "XXXXX",
              4,
              {"SEAT"}},
             {"SEATS"
              "XXXXX"
              "XXXXX"
              "XXXXX"
              "XXXXX",
              4,
              {"SEAT", "SEATS"}},
             // Grids of one letter: the words of that letter within the bounds.
             {std::string(25, 'E'), 0, {"EEEEE", "EEEEEE"}},
             {std::string(25, 'E'), 4, {"EEEE", "EEEEE", "EEEEEE"}},
             {std::string(25, 'Q'), 0, {"QUQUQU"}},
             {std::string(25, 'Q'), 4, {"QUQU", "QUQUQU"}},
             // A path of all 25 cells holds 27 letters; 26 is the most.
             {snakeGrid, 0, {snake.substr(0, 26)}},
         }) {
        EXPECT_EQ(c.lengthFilter == 0 ? Solve(c.grid) : SolveWithLengthFilter(c.grid, c.lengthFilter), c.found)
            << c.grid << " " << c.lengthFilter;
    }
}

TEST_F(LetterGridSolverTest, WhatTheSolverCannotTakeIsRefused) {
    UseWords({"QUITE"});
    for (const char* grid : {"QITEXABCDEFGHIJKLMNOPRST", "qITEXABCDEFGHIJKLMNOPRSTU", "QITEXABCDEFGHIJKLMNOPRST?",
                             "QITEXABCDEFGHIJKLMNOPRST\xD1"})
        EXPECT_EQ(Solve(grid), Words{"A 5 x 5 grid is 25 letters from A to Z"}) << grid;
    TestLexiconFolder spanish;
    spanish.LoadWords({"CHICO"}, Language::Spanish);
    EXPECT_EQ(Solve("CHICOABCDEFGHIJLMNOPRSTUV"),
              Words{"A 5 x 5 grid query needs an English or French primary lexicon: Spanish tiles are not the "
                    "letters A to Z"});
}

// Through the query: the grid query's filters and result kind.
TEST_F(LetterGridSolverTest, WordsPassTheQueryFiltersAndResultKind) {
    UseWords({"QUITE", "TIQUE", "QUITS", "SUITE", "SITE"});
    const std::string grid = "QITEXXXSXXXXXXXXXXXXXXXXX";
    const auto evaluate = [&](const std::string& line) {
        ParsedCommand command;
        EXPECT_FALSE(ParseLine(grid + line, BuiltInSettings(), false, command).HasError()) << line;
        Output output;
        EXPECT_EQ(EvaluateQuery(command, {}, output), QueryEnd::Completed) << line;
        Words items;
        for (const WordlistItem& item : Slate.Items()) items.emplace_back(item.Text);
        return items;
    };
    EXPECT_EQ(evaluate("/B"), (Words{"QUITE", "QUITS"}));
    EXPECT_EQ(evaluate("/B /|4 /$<10 "), Words{"SITE"}) << "the length and score filters";
    EXPECT_EQ(evaluate("/B/T2/;\"ZYXWVUTSRQPONMLKJIHGFEDCBA\""), (Words{"UTQIE", "UTSQI"})) << "canonical order";
}

// Long words of one letter make a grid of that letter a very long walk;
// Esc ends it, and the slate stays as it was.
TEST_F(LetterGridSolverTest, EscStopsAGridQuery) {
    Words lines;
    for (int length = 2; length <= 25; ++length) lines.push_back(std::string(static_cast<std::size_t>(length), 'A'));
    UseWords(lines);
    AddWordToWordlist(Slate, "BEFORE", false);
    ParsedCommand command;
    ASSERT_FALSE(ParseLine(std::string(25, 'A') + "/B", BuiltInSettings(), false, command).HasError());
    std::atomic<bool> stop{true};
    QueryEnvironment environment;
    environment.Stop = &stop;
    Output output;
    EXPECT_EQ(EvaluateQuery(command, environment, output), QueryEnd::Stopped);
    ASSERT_EQ(Slate.Count(), 1);
    EXPECT_EQ(Slate.Items()[0].Text, "BEFORE");
}

}  // namespace
}  // namespace qora::test
