#include "games/rules/WordBuildingRules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "support/EngineDataFixture.h"
#include "support/WordBuildingGrids.h"

namespace qora {
namespace {

using test::GridOfColumns;

// The tiles of a pool table in order.
template <class Pool>
std::string PoolTiles(const Pool& pool) {
    std::string tiles;
    for (std::size_t i = 0; i < pool.size(); ++i) tiles.append(static_cast<std::size_t>(pool[i]), 'A' + i);
    return tiles;
}

std::string Column(int column) {
    std::string text;
    for (unsigned char c : WordBuildingPlay.columns[static_cast<std::size_t>(column)]) text += c == 0 ? '.' : c;
    return text;
}

// The cells in rows (row 0 first), up to the first empty one.
std::string CellsInRows() {
    std::string cells;
    for (int row = 0; row < WordBuildingRows; ++row)
        for (const auto& column : WordBuildingPlay.columns)
            cells += static_cast<char>(column[static_cast<std::size_t>(row)]);
    return cells;
}

class WordBuildingRulesTest : public test::EngineDataTest {
protected:
    void SetUp() override {
        EngineDataTest::SetUp();
        ResetWordBuildingGame();
        WordBuildingClock = [this] { return now; };
        WordBuildingLexicon = test::WordTestsOf(words);
    }
    void TearDown() override {
        ResetWordBuildingGame();
        EngineDataTest::TearDown();
    }

    // Forms the grid and starts a game on it.
    void Play(const std::vector<std::string>& columns) {
        ASSERT_TRUE(FormWordBuildingGrid(GridOfColumns(columns), 0));
        PlayWordBuildingGame();
    }
    void EmptyColumnsBut(std::set<int> keep) {
        for (int c = 0; c < WordBuildingColumns; ++c)
            if (!keep.contains(c)) WordBuildingPlay.columns[static_cast<std::size_t>(c)] = {};
    }

    std::time_t now = 1000;
    std::set<std::string> words{"CAT", "CATS", "ACT", "DOG", "DOGS", "TAC", "AAA"};
    WordBuildingPlayState& play = WordBuildingPlay;
};

TEST_F(WordBuildingRulesTest, TheLetterDistributionMustBeTheBagOfTheLanguage) {
    const std::string english = PoolTiles(EnglishPoolCounts);
    const std::string french = PoolTiles(FrenchPoolCounts);
    std::string spanish;
    for (std::size_t i = 0; i < SpanishPoolCounts.size(); ++i)
        spanish.append(static_cast<std::size_t>(SpanishPoolCounts[i]), static_cast<char>(TileBase + 1 + i));
    std::string oneSwapped = english;
    std::replace(oneSwapped.begin(), oneSwapped.begin() + 1, 'A', 'E');
    std::string foreignByte = english;
    foreignByte[0] = '#';
    struct Case {
        Language language;
        std::string letters;
        bool expected;
    } cases[] = {
        {Language::English, english, true},     {Language::French, english, false},
        {Language::French, french, true},       {Language::Spanish, spanish, true},
        {Language::English, oneSwapped, false}, {Language::English, foreignByte, false},
    };
    for (const Case& c : cases) {
        SetLanguageTables(c.language);
        std::string shuffled = c.letters;
        std::reverse(shuffled.begin(), shuffled.end());
        EXPECT_EQ(c.expected, CheckLetterDistribution(shuffled)) << LanguageName(c.language) << " " << c.letters;
    }
}

TEST_F(WordBuildingRulesTest, FormingAKnownGridMakesItCurrentWithItsNumberAndTime) {
    const std::string first = GridOfColumns({"CATQQQQQ"});
    const std::string second = GridOfColumns({"DOGQQQQQ"});
    ASSERT_TRUE(FormWordBuildingGrid(first, 0));
    ASSERT_TRUE(FormWordBuildingGrid(second, 500));
    now = 2000;
    ASSERT_TRUE(FormWordBuildingGrid(first, 777));
    ASSERT_EQ(2u, WordBuildingGrids.entries.size());
    EXPECT_EQ(0, WordBuildingGrids.current);
    EXPECT_EQ(1, WordBuildingGrids.Current()->number);
    EXPECT_EQ(1000, WordBuildingGrids.Current()->created) << "created 0 means now, when first formed";
    EXPECT_EQ(500, WordBuildingGrids.entries[1].created);
    EXPECT_EQ(2, WordBuildingGrids.entries[1].number);
    EXPECT_EQ(WordBuildingState::GridFormed, WordBuildingGameState);
    EXPECT_EQ(first, play.currentLetters);
    EXPECT_EQ("CATQQQQQ", Column(0));
    EXPECT_EQ(NoColumn, play.selectedColumn);
    EXPECT_TRUE(play.gridFormedOnce);
    EXPECT_FALSE(play.gridIsSpanish);
}

TEST_F(WordBuildingRulesTest, ABadDistributionIsToldButCanBePlayed) {
    ASSERT_TRUE(FormWordBuildingGrid(GridOfColumns({"CATQQQQQ"}), 0));
    EXPECT_EQ(WordBuildingMessages::BadDistribution, play.message);
    PlayWordBuildingGame();
    EXPECT_EQ(WordBuildingState::Playing, WordBuildingGameState);
    std::string pool = PoolTiles(EnglishPoolCounts);
    ASSERT_TRUE(FormWordBuildingGrid(pool, 0));
    EXPECT_EQ("", play.message);
}

TEST_F(WordBuildingRulesTest, LettersThatAreNoGridAreRefusedAndChangeNothing) {
    std::string lower = GridOfColumns({});
    lower[5] = 'q';
    std::string empty = GridOfColumns({});
    empty[95] = '\0';
    for (const std::string& letters : {std::string(), std::string(95, 'A'), std::string(97, 'A'), lower, empty}) {
        EXPECT_FALSE(FormWordBuildingGrid(letters, 0)) << letters;
        EXPECT_TRUE(WordBuildingGrids.entries.empty());
        EXPECT_EQ(WordBuildingState::NotShown, WordBuildingGameState);
    }
    SetLanguageTables(Language::Spanish);
    EXPECT_FALSE(FormWordBuildingGrid(std::string(96, ']'), 0)) << "past Z, the 28th tile";
    EXPECT_TRUE(FormWordBuildingGrid(std::string(96, '\\'), 0));
    EXPECT_TRUE(play.gridIsSpanish);
}

TEST_F(WordBuildingRulesTest, PreviousNextAndSameWalkTheKnownGrids) {
    EXPECT_FALSE(FormOlderWordBuildingGrid()) << "no grid yet";
    for (const char* top : {"AQQQQQQQ", "BQQQQQQQ", "CQQQQQQQ"}) FormWordBuildingGrid(GridOfColumns({top}), 0);
    EXPECT_FALSE(WordBuildingGrids.HasNewer());
    ASSERT_TRUE(FormOlderWordBuildingGrid());
    ASSERT_TRUE(FormOlderWordBuildingGrid());
    EXPECT_EQ(0, WordBuildingGrids.current);
    EXPECT_FALSE(WordBuildingGrids.HasOlder());
    EXPECT_FALSE(FormOlderWordBuildingGrid());
    ASSERT_TRUE(FormNewerWordBuildingGrid());
    EXPECT_EQ('B', play.columns[0][0]);
    StartGridInput();  // no grid is current while one is typed
    EXPECT_TRUE(WordBuildingGrids.HasOlder());
    ASSERT_TRUE(FormOlderWordBuildingGrid()) << "the newest when none is current";
    EXPECT_EQ(2, WordBuildingGrids.current);
    EXPECT_FALSE(FormLastPlayedWordBuildingGrid());
    WordBuildingGameState = WordBuildingState::EndedNotNoted;
    LeaveEndedWordBuildingGame();
    EXPECT_EQ(WordBuildingState::Idle, WordBuildingGameState);
    FormNewWordBuildingGrid();
    EXPECT_TRUE(CheckLetterDistribution(play.currentLetters));
    ASSERT_TRUE(FormLastPlayedWordBuildingGrid());
    EXPECT_EQ(2, WordBuildingGrids.current);
    EXPECT_EQ(4u, WordBuildingGrids.entries.size());
}

TEST_F(WordBuildingRulesTest, TakingAColumnTopMovesTheColumnUpAndTestsTheWord) {
    Play({"CATQQQQQ"});
    EXPECT_EQ(WordBuildingMessages::StartTheGame, play.message);
    EXPECT_EQ(0, play.selectedColumn);
    TakeColumnByKey(ColumnOfLabelKey('1'));
    EXPECT_EQ("C", play.word);
    EXPECT_EQ("ATQQQQQ.", Column(0));
    EXPECT_EQ(std::vector<std::uint8_t>{0}, play.moves);
    EXPECT_EQ("", play.message);
    EXPECT_EQ(3, play.potentialScore);
    TakeSelectedColumn();
    TakeTypedTile('T');
    EXPECT_EQ("CAT", play.word);
    EXPECT_EQ(15, WordScore(3)) << "(3 + 1 + 1) x 3";
    EXPECT_EQ(15, play.potentialScore);
}

TEST_F(WordBuildingRulesTest, ColumnLabelKeys) {
    const std::pair<unsigned char, int> keys[] = {{'1', 0},  {'9', 8},  {'0', 9}, {'-', 10},
                                                  {'=', 11}, {'+', -1}, {'A', -1}};
    for (auto [key, column] : keys) EXPECT_EQ(column, ColumnOfLabelKey(key)) << key;
}

TEST_F(WordBuildingRulesTest, TheSelectionMovesToTheNextColumnThatHoldsATile) {
    struct Case {
        std::set<int> columnsWithTiles;
        int taken;
        bool byClick;
        int selected;
        const char* message;
    } cases[] = {
        {{3, 5}, 3, false, 3, ""},                                       // the column still has tiles
        {{0, 11}, 11, false, 11, ""},                                    //
        {{5}, 5, false, NoColumn, WordBuildingMessages::NoMoreLetters},  // the very last tile
        {{5}, 5, true, 5, ""},                                           // by a click: no message
    };
    words = {"QQ"};
    for (const Case& c : cases) {
        Play({});
        EmptyColumnsBut(c.columnsWithTiles);
        if (c.columnsWithTiles.size() == 1) play.columns[static_cast<std::size_t>(c.taken)] = {'Q'};
        if (c.byClick)
            ClickColumn(c.taken);
        else
            TakeColumnByKey(c.taken);
        EXPECT_EQ(c.selected, play.selectedColumn) << c.taken;
        EXPECT_EQ(c.message, play.message) << c.taken;
    }
    Play({});
    EmptyColumnsBut({0, 4});
    play.columns[0] = {'Q'};
    TakeColumnByKey(0);
    EXPECT_EQ(4, play.selectedColumn) << "wraps round";
    TakeColumnByKey(0);
    EXPECT_EQ("Q", play.word) << "an empty column gives nothing";
}

TEST_F(WordBuildingRulesTest, AClickOnAnEmptyColumnOnlyMovesTheSelection) {
    Play({});
    EmptyColumnsBut({2, 7});
    ClickColumn(3);
    EXPECT_EQ(7, play.selectedColumn);
    ClickColumn(9);
    EXPECT_EQ(2, play.selectedColumn);
    EXPECT_EQ("", play.word);
    SelectNearestColumn(-1);
    EXPECT_EQ(7, play.selectedColumn);
    SelectNearestColumn(+1);
    EXPECT_EQ(2, play.selectedColumn);
}

TEST_F(WordBuildingRulesTest, ATypedTileAfterARetractionIsSoughtRightOfItsColumn) {
    words = {"AQQ"};
    Play({"QQQQQQQQ", "AQQQQQQQ", "QQQQQQQQ", "QQQQQQQQ", "AQQQQQQQ", "QQQQQQQQ", "QQQQQQQQ", "QQQQQQQQ", "AQQQQQQQ"});
    const int expectedColumns[] = {1, 4, 8, 1};
    for (int expected : expectedColumns) {
        TakeTypedTile('A');
        ASSERT_EQ(std::vector<std::uint8_t>{static_cast<std::uint8_t>(expected)}, play.moves);
        RetractLastTile();
        EXPECT_EQ(expected, play.selectedColumn);
        EXPECT_TRUE(play.retractedTile);
    }
    play.columns[1][0] = 'Q';
    play.columns[8][0] = 'Q';  // only column 5 (index 4) shows an A now
    TakeTypedTile('A');
    RetractLastTile();
    TakeTypedTile('A');
    EXPECT_EQ("", play.word) << "none right of it, nor left";
    EXPECT_FALSE(play.retractedTile);
    TakeTypedTile('A');
    EXPECT_EQ("A", play.word) << "typed once more it comes from its own column";
}

TEST_F(WordBuildingRulesTest, ATileOnNoColumnTopChangesNothing) {
    Play({"CATQQQQQ"});
    const WordBuildingPlayState before = play;
    TakeTypedTile('Z');
    EXPECT_EQ(before.word, play.word);
    EXPECT_EQ(before.columns, play.columns);
    EXPECT_EQ(before.message, play.message);
}

TEST_F(WordBuildingRulesTest, NoFurtherTileIsTakenWhileNoWordIsPossible) {
    Play({"CQQQQQQQ", "ATQQQQQQ"});
    TakeColumnByKey(0);
    TakeColumnByKey(0);  // CQ begins no word
    EXPECT_TRUE(play.noWordsPossible);
    EXPECT_EQ(WordBuildingMessages::NoWordsPossible, play.message);
    EXPECT_EQ(3, play.potentialScore) << "the score shown stays";
    TakeColumnByKey(1);
    ClickColumn(1);
    TakeSelectedColumn();
    TakeTypedTile('A');
    AcceptWord();
    EXPECT_EQ("CQ", play.word);
    RetractLastTile();
    EXPECT_FALSE(play.noWordsPossible);
    EXPECT_EQ("", play.message);
    TakeColumnByKey(1);
    EXPECT_EQ("CA", play.word);
}

TEST_F(WordBuildingRulesTest, AWordHasAtMostTwelveTiles) {
    words = {std::string(13, 'Q')};
    Play({});
    for (int i = 0; i < 13; ++i) TakeColumnByKey(i % WordBuildingColumns);
    EXPECT_EQ(12, play.wordLength());
    EXPECT_EQ(WordBuildingMessages::MaximumLength, play.message);
    EXPECT_EQ(12, play.moveCount());
}

TEST_F(WordBuildingRulesTest, AcceptingAWord) {
    words = {"CAT", "DOXY"};
    Play({"CATQQQQQ", "DOXQQQQQ"});
    TakeColumnByKey(0);
    TakeColumnByKey(0);
    AcceptWord();
    EXPECT_EQ(WordBuildingMessages::MinimumLength, play.message);
    EXPECT_EQ("CA", play.word) << "stays in the word being built";
    TakeColumnByKey(0);
    now = 1075;
    AcceptWord();
    ASSERT_EQ(1u, play.answers.size());
    EXPECT_EQ("   1:15  CAT              15", AnswersLine(play.answers[0]));
    EXPECT_EQ(15, play.totalScore());
    EXPECT_EQ(1, play.wordCount());
    EXPECT_EQ(0, play.potentialScore);
    EXPECT_EQ("", play.word);
    EXPECT_EQ(EndOfWordMove, play.moves.back());

    for (int i = 0; i < 3; ++i) TakeColumnByKey(1);
    AcceptWord();
    EXPECT_EQ(WordBuildingMessages::NotAWord, play.message);
    EXPECT_EQ("DOX", play.word);
    EXPECT_EQ(1, play.wordCount());
}

TEST_F(WordBuildingRulesTest, RetractionsStopAtTheEndOfTheLastWord) {
    Play({"CATSQQQQ"});
    for (int i = 0; i < 3; ++i) TakeColumnByKey(0);
    AcceptWord();
    RetractLastTile();
    EXPECT_EQ("", play.word) << "the last move is the end of the word";
    EXPECT_EQ("SQQQQ...", Column(0));

    ASSERT_TRUE(RetractLastWord());
    EXPECT_EQ("CAT", play.word);
    EXPECT_TRUE(play.answers.empty());
    EXPECT_EQ(0, play.totalScore());
    EXPECT_EQ(15, play.potentialScore);
    EXPECT_EQ("SQQQQ...", Column(0)) << "the tiles stay out of the grid";
    play.message = "x";
    EXPECT_FALSE(RetractLastWord()) << "the last move is now a tile";
    EXPECT_EQ("", play.message);
    EXPECT_EQ("CAT", play.word);

    for (int i = 0; i < 3; ++i) RetractLastTile();
    EXPECT_EQ("CATSQQQQ", Column(0));
    EXPECT_EQ(WordBuildingMessages::StartTheGame, play.message);
    EXPECT_EQ(0, play.moveCount());
}

TEST_F(WordBuildingRulesTest, AWholeGameOf32WordsHas128Moves) {
    words = {"QQQ"};
    Play({});
    for (int w = 0; w < 32; ++w) {
        for (int t = 0; t < 3; ++t) TakeColumnByKey(play.selectedColumn);
        AcceptWord();
    }
    EXPECT_EQ(128, play.moveCount());
    EXPECT_EQ(32, play.wordCount());
    EXPECT_EQ(0, TilesLeftInGrid());
    EXPECT_EQ(32 * 90, play.totalScore());
    ASSERT_TRUE(RetractLastWord());
    RetractLastTile();
    EXPECT_EQ(1, TilesLeftInGrid());
    EXPECT_EQ(126, play.moveCount());
}

TEST_F(WordBuildingRulesTest, ASpanishDoubleTileIsOneTile) {
    SetLanguageTables(Language::Spanish);
    ASSERT_TRUE(FormWordBuildingGrid(std::string(96, 'A'), 0));
    PlayWordBuildingGame();
    play.word = TextToTiles("CHALL");
    EXPECT_EQ(3, play.wordLength());
    EXPECT_EQ((5 + 1 + 8) * 3, WordScore(3));
    EXPECT_EQ("   0:09  CHALL            42", AnswersLine({play.word, 42, 9}));
}

TEST_F(WordBuildingRulesTest, TypingAGrid) {
    FormWordBuildingGrid(GridOfColumns({}), 0);
    StartGridInput();
    EXPECT_EQ(WordBuildingState::TypingGrid, WordBuildingGameState);
    EXPECT_EQ(NoGrid, WordBuildingGrids.current);
    EXPECT_EQ(0, TilesLeftInGrid());
    GridInputBackspace();  // nothing before the first cell
    for (int i = 0; i < 12; ++i) TypeGridTile('A');
    EXPECT_EQ(std::make_pair(0, 1), std::make_pair(play.selectedColumn, play.selectedRow)) << "on to the next row";
    GridInputBackspace();
    EXPECT_EQ(std::make_pair(11, 0), std::make_pair(play.selectedColumn, play.selectedRow));
    EXPECT_EQ(0, play.columns[11][0]);
    EXPECT_FALSE(EndGridInput()) << "a grid with empty cells is not formed";
    EXPECT_TRUE(play.inputMode);
    for (int i = 0; i < 85; ++i) TypeGridTile('B');
    EXPECT_TRUE(GridInputFull());
    EXPECT_EQ(std::make_pair(0, 0), std::make_pair(play.selectedColumn, play.selectedRow));
    TypeGridTile('C');  // past the last cell it goes on at the first
    EXPECT_EQ('C', play.columns[0][0]);
    ASSERT_TRUE(EndGridInput());
    EXPECT_FALSE(play.inputMode);
    EXPECT_EQ(WordBuildingState::GridFormed, WordBuildingGameState);
    EXPECT_EQ('C', play.currentLetters[0]);
    EXPECT_EQ('B', play.currentLetters[11]);
    EXPECT_EQ(2u, WordBuildingGrids.entries.size());

    StartGridInput();
    TypeGridTile('A');
    ClearGridInput();
    EXPECT_EQ(0, TilesLeftInGrid());
    TypeGridTile('A');
    CancelGridInput();
    EXPECT_EQ(WordBuildingState::Idle, WordBuildingGameState);
    EXPECT_FALSE(play.inputMode);
    EXPECT_EQ(0, TilesLeftInGrid());
}

TEST_F(WordBuildingRulesTest, PastedTextTypesTheTilesOfTheLanguage) {
    struct Case {
        Language language;
        std::string text;
        std::string tiles;  // display text of the tiles typed
    } cases[] = {
        {Language::English, "ab C-1\xD1z", "ABCZ"},
        {Language::French, "kW", "KW"},
        {Language::Spanish, "ch1\xF1K2w3\xD1z", "CHCH\xD1LLRR\xD1Z"},
    };
    for (const Case& c : cases) {
        SetLanguageTables(c.language);
        StartGridInput();
        PasteGridText(c.text);
        EXPECT_EQ(c.tiles, WordToDisplay(CellsInRows().c_str())) << c.text;
    }
}

TEST_F(WordBuildingRulesTest, TheEndOfGameNotices) {
    const std::string word = "Notice - there is a potential word currently being built.";
    const std::string perhaps = "Perhaps you don't want to stop this game now.";
    struct Case {
        int wordLength, tilesLeft;
        std::vector<std::string> notices;
    } cases[] = {
        {2, 0, {}},
        {1, 1, {}},
        {0, 3, {"Notice - there are still 3 unused tiles in the grid.", perhaps}},
        {2, 1, {word, "Notice - there is still  1 unused tile in the grid.", perhaps}},
        {3, 0, {word, perhaps}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.notices, EndGameNotices(c.wordLength, c.tilesLeft)) << c.wordLength << " " << c.tilesLeft;
}

TEST_F(WordBuildingRulesTest, AChangeOfLanguageIsWarnedWhileAGridStands) {
    EXPECT_FALSE(WordBuildingLanguageWarningNeeded());
    FormWordBuildingGrid(GridOfColumns({}), 0);
    EXPECT_FALSE(WordBuildingLanguageWarningNeeded());
    SetLanguageTables(Language::Spanish);
    EXPECT_TRUE(WordBuildingLanguageWarningNeeded());
    EXPECT_EQ(
        "The current game was started in English, but the lexicon is now a Spanish one, so the grid and game will "
        "not make sense. You may want to start over, or you may resume the game later once you have returned to an "
        "English lexicon.",
        WordBuildingLanguageWarning());
    WordBuildingGameState = WordBuildingState::EndedNotNoted;
    EXPECT_FALSE(WordBuildingLanguageWarningNeeded());
    WordBuildingGameState = WordBuildingState::Idle;
    EXPECT_FALSE(WordBuildingLanguageWarningNeeded());
    SetLanguageTables(Language::French);
    WordBuildingGameState = WordBuildingState::GridFormed;
    EXPECT_FALSE(WordBuildingLanguageWarningNeeded()) << "only Spanish against the others";
}

}  // namespace
}  // namespace qora
