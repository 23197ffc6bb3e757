#include "games/rules/WordBuildingGridFiles.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

#include "engine/Listings.h"
#include "engine/RandomRacks.h"
#include "games/rules/WordBuildingRules.h"
#include "support/EngineDataFixture.h"
#include "support/LocalTime.h"

namespace qora {
namespace {

using test::LocalTime;

std::string Record(const std::string& created, const std::string& letters) {
    return "GRID CREATED " + created + "\nGRID " + letters + "\n";
}

class WordBuildingGridFilesTest : public test::EngineDataTest {
protected:
    void SetUp() override {
        EngineDataTest::SetUp();
        ResetWordBuildingGame();
        // A zone with summer time, so that a time read back one hour off shows.
        const char* zone = std::getenv("TZ");
        savedZone_ = zone != nullptr ? std::optional<std::string>(zone) : std::nullopt;
        ::setenv("TZ", "GMT0BST,M3.5.0/1,M10.5.0", 1);
        ::tzset();
    }
    void TearDown() override {
        if (savedZone_)
            ::setenv("TZ", savedZone_->c_str(), 1);
        else
            ::unsetenv("TZ");
        ::tzset();
        ResetWordBuildingGame();
        EngineDataTest::TearDown();
    }

    const std::string grid = std::string(48, 'A') + std::string(48, 'B');
    const std::string june = " 5-Jun-11 14:03:09";

private:
    std::optional<std::string> savedZone_;
};

TEST_F(WordBuildingGridFilesTest, TheTimeTextOfEveryMonth) {
    const char* months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    for (int month = 1; month <= 12; ++month)
        for (int day : {5, 25}) {
            const std::time_t time = LocalTime(2011, month, day, 14, 3, 9);
            const std::string text = FormatGameTime(time);
            EXPECT_EQ(FormatText("%2d-%s-11 14:03:09", day, months[month - 1]), text);
            EXPECT_EQ(18u, text.size());
            EXPECT_EQ(time, ParseGameTime(text)) << text << ": summer times too read back as they were";
        }
}

TEST_F(WordBuildingGridFilesTest, ReadingTheTimeText) {
    const std::time_t june5 = LocalTime(2011, 6, 5, 14, 3, 9);
    struct Case {
        const char* text;
        std::time_t expected;
    } cases[] = {
        {" 5-Jun-11 14:03:09", june5},
        {"5-Jun-11 14:03:09", june5},
        {"31-Feb-11 10:00:00", LocalTime(2011, 3, 3, 10, 0, 0)},  // carried into March
        {" 5-jun-11 14:03:09", -1},
        {" 5-JUN-11 14:03:09", -1},
        {" 5-Jux-11 14:03:09", -1},
        {" 5-Jun-11 14:03", -1},
        {"", -1},
    };
    for (const Case& c : cases) EXPECT_EQ(c.expected, ParseGameTime(c.text)) << c.text;
}

TEST_F(WordBuildingGridFilesTest, GridFilesReadBackTheSameGridsInEveryLanguage) {
    for (Language language : {Language::English, Language::French, Language::Spanish}) {
        SetLanguageTables(language);
        ResetWordBuildingGame();
        const std::string first = ShuffleWordBuildingBag();
        const std::string second = ShuffleWordBuildingBag();
        FormWordBuildingGrid(first, LocalTime(2011, 6, 5, 14, 3, 9));
        FormWordBuildingGrid(second, LocalTime(2011, 12, 25, 8, 0, 0));
        std::string text;
        ASSERT_EQ(2, WriteWordBuildingGrids(text));
        const std::string firstRecord = text.substr(0, text.find("\n\n") + 2);
        EXPECT_TRUE(firstRecord.starts_with("GRID CREATED  5-Jun-11 14:03:09\nGRID ")) << firstRecord;
        EXPECT_EQ(13u + 18 + 1 + 5 + 96 + 1 + 1, firstRecord.size()) << "a record, then an empty line";
        if (language == Language::Spanish) {
            for (char c : {'1', '2', '3', '\xD1'}) EXPECT_NE(std::string::npos, firstRecord.find(c)) << c;
        }

        const std::vector<WordBuildingGridEntry> written = WordBuildingGrids.entries;
        ResetWordBuildingGame();
        const GridFileImport import = ReadWordBuildingGrids(text);
        ASSERT_EQ(2, import.read) << LanguageName(language);
        EXPECT_EQ("", import.warning);
        ASSERT_EQ(2u, WordBuildingGrids.entries.size());
        for (std::size_t i = 0; i < 2; ++i) {
            EXPECT_EQ(written[i].letters, WordBuildingGrids.entries[i].letters) << LanguageName(language);
            EXPECT_EQ(written[i].created, WordBuildingGrids.entries[i].created);
        }
        EXPECT_EQ(1, WordBuildingGrids.current) << "the last grid read is current";
        EXPECT_EQ("", WordBuildingPlay.message) << "the bag of the language";
    }
}

// A grid formed on a Spanish lexicon holds Spanish tile codes: written after
// a change to English, it is still written as Spanish text, and reads back on
// a Spanish lexicon as the same grid.
TEST_F(WordBuildingGridFilesTest, AGridIsWrittenInItsOwnLanguageAfterAChangeOfLexicon) {
    SetLanguageTables(Language::Spanish);
    const std::string spanish = ShuffleWordBuildingBag();
    FormWordBuildingGrid(spanish, LocalTime(2011, 6, 5, 14, 3, 9));
    SetLanguageTables(Language::English);
    FormWordBuildingGrid(ShuffleWordBuildingBag(), 0);
    std::string text;
    ASSERT_EQ(2, WriteWordBuildingGrids(text));

    SetLanguageTables(Language::Spanish);
    ResetWordBuildingGame();
    EXPECT_EQ(1, ReadWordBuildingGrids(text).read) << "the English grid holds K and W";
    ASSERT_FALSE(WordBuildingGrids.entries.empty());
    EXPECT_EQ(spanish, WordBuildingGrids.entries[0].letters);
}

TEST_F(WordBuildingGridFilesTest, AGridReadAgainCountsButIsNotAddedAgain) {
    const std::string text = Record(june, grid) + "\n" + Record("25-Dec-11 08:00:00", grid);
    EXPECT_EQ(2, ReadWordBuildingGrids(text).read);
    EXPECT_EQ(1u, WordBuildingGrids.entries.size());
    EXPECT_EQ(LocalTime(2011, 6, 5, 14, 3, 9), WordBuildingGrids.entries[0].created) << "keeps its first time";
    ResetWordBuildingGame();
    std::string none;
    EXPECT_EQ(0, WriteWordBuildingGrids(none));
    EXPECT_EQ("", none);
}

TEST_F(WordBuildingGridFilesTest, AReadingStopsAtTheFirstBadRecordWithItsLine) {
    const std::string good = Record(june, grid);
    struct Case {
        std::string text;
        int grids;
        int line;
        const char* error;
    } cases[] = {
        {good + "\n\n\n" + good + "\n", 2, 0, ""},
        {"\r\n" + good + "\r\n", 1, 0, ""},
        {good + "\nGRID CREATED" + june + "\n", 1, 4, "Premature end of file"},
        {"\nGRID CREATED" + june, 0, 2, "Premature end of file"},  // no line end after a day below 10
        {"GRID CREATE" + june + "\n", 0, 1, "Did not find the expected GRID CREATED line"},
        {"GRID CREATED 5-Jun\n", 0, 1, "Did not find the expected GRID CREATED line"},
        {"GRID CREATED  5-jun-11 14:03:09\n", 0, 1, "Incorrect format for the GRID CREATED line"},
        {"GRID CREATED  5-Jux-11 14:03:09\n", 0, 1, "Incorrect format for the GRID CREATED line"},
        {good + "\n" + Record(june, grid + std::string(5, 'A')), 1, 5, "The GRID line is too long"},
        {"GRID CREATED" + june + "\n\n", 0, 2, "Expecting a GRID line"},
        {"GRID CREATED" + june + "\nGRIT " + grid + "\n", 0, 2, "Expecting a GRID line"},
        {Record(june, grid.substr(1)), 0, 2, "The GRID line must have 96 letters"},
        {Record(june, "1" + grid.substr(1)), 0, 2,
         "The GRID line has a letter that is no tile of the lexicon's language"},
    };
    for (const Case& c : cases) {
        ResetWordBuildingGame();
        const GridFileReading reading = ParseWordBuildingGrids(c.text);
        EXPECT_EQ(c.grids, static_cast<int>(reading.grids.size())) << c.text;
        EXPECT_EQ(c.line, reading.errorLine) << c.text;
        EXPECT_EQ(c.error, reading.error) << c.text;
    }
    const GridFileImport import = ReadWordBuildingGrids(good + "\n" + Record(june, grid + "AAAAA"));
    EXPECT_EQ(1, import.read);
    EXPECT_EQ(
        "Error reading Word-Building Game Grids file on line 5: The GRID line is too long.,the first 1 grid in the "
        "file were imported.",
        import.warning);
    EXPECT_EQ(1u, WordBuildingGrids.entries.size()) << "the grids before the error stay";
}

TEST_F(WordBuildingGridFilesTest, NoGridIsImportedWhileAGameIsPlayedOrAGridTyped) {
    FormWordBuildingGrid(std::string(96, 'C'), 0);
    for (auto start : {PlayWordBuildingGame, StartGridInput}) {
        start();
        const WordBuildingState state = WordBuildingGameState;
        const GridFileImport import = ReadWordBuildingGrids(Record(june, grid));
        EXPECT_EQ("Grids cannot be imported while a Word-Building Game is played or a grid is typed", import.refusal);
        EXPECT_EQ(0, import.read);
        EXPECT_EQ(1u, WordBuildingGrids.entries.size());
        EXPECT_EQ(state, WordBuildingGameState);
    }
}

}  // namespace
}  // namespace qora
