// Every text that a command-building dialog composes, in every state in which
// its OK button is enabled, is taken by the parser: alone on the command line
// and after a query. Each dialog adds its texts to the table.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "dialogs/OptionTexts.h"
#include "dialogs/PresentationTexts.h"
#include "engine/Tiles.h"
#include "platform/ProgramState.h"
#include "processor/CommandLine.h"

namespace qora {
namespace {

std::vector<std::string> WordCountTexts() {
    std::vector<std::string> texts;
    for (const std::int32_t kind : {PresentationCountQuestion, PresentationCountWith})
        for (const std::int32_t count : {0, 1, 25, 99999, 123456, INT_MAX}) texts.push_back(WordCountText(kind, count));
    return texts;
}

std::vector<std::string> LayoutTexts() {
    std::vector<std::string> texts;
    for (int orientation = OnePerLineItem; orientation <= ColumnsItem; ++orientation)
        for (int spacing = MinimalItem; spacing <= ExpandableItem; ++spacing)
            for (const bool comma : {false, true})
                for (const int value : {LayoutParameterMin, 9, LayoutParameterMax})
                    texts.push_back(LayoutCommand({orientation, comma, spacing, value, value, value, value}));
    for (const WidthKind kind : {WidthKind::Workspace, WidthKind::Characters, WidthKind::Columns})
        for (const auto& [characters, columns] :
             {std::pair{WidthCharactersMin, WidthColumnsMin}, std::pair{WidthCharactersMax, WidthColumnsMax}})
            texts.push_back(MaxWidthCommand({kind, characters, columns}));
    for (const bool unlimited : {false, true})
        for (const int rows : {RowsPerPageMin, 55, RowsPerPageMax})
            if (auto text = RowsPerPageCommand({unlimited, rows}, -1)) texts.push_back(*text);
    return texts;
}

std::vector<std::string> ProbeTexts() {
    std::vector<std::string> texts;
    for (int letterBox : {EntireWordItem, LetterNumberItem})
        for (int wordBox : {AllWordsItem, WordNumberItem})
            for (int letterItem : {0, 14})
                for (std::int64_t word : {1, 50, INT_MAX}) {
                    const ProbeChoice choice{letterBox, wordBox, letterItem, {word, true}};
                    if (ProbeComposable(choice)) texts.push_back(ProbeCommand(choice));
                }
    return texts;
}

// In the active language: the orderings OK takes, every stepped mapping,
// print titles and board squares.
std::vector<std::string> OptionTexts() {
    std::vector<std::string> texts;
    for (const bool randomRack : {true, false}) {
        const std::string alphabet = AlphabeticalOrdering(randomRack);
        for (const std::string& ordering : {alphabet, " " + alphabet + "+ +", "++++" + alphabet}) {
            EXPECT_TRUE(IsCompleteOrdering(ordering, randomRack)) << ordering;
            texts.push_back(randomRack ? RackOrderCommand(ordering) : CanonOrderCommand(ordering));
        }
    }
    for (int start = 1; start <= ActiveTileCount(); ++start)
        for (const int step : {1, -1}) texts.push_back(MappingCommand(SteppedMapping(start, step)));
    for (const char* title : {"", "Anagrams", "QORA Output", "[M] / 12 ~!?,.-", "123456789012345678901234567890"})
        texts.push_back(PrintCommand(title));
    for (const ScoringMode mode : {ScoringModeStartingAtSquare, ScoringModeIncludingSquare})
        for (const int at : {0, 7, 14})
            for (const bool horizontal : {true, false})
                texts.push_back(BoardSquareCommand({at, 14 - at, horizontal}, mode));
    texts.push_back("/@=21 " + BoardSquareCommand({20, 20, true}, ScoringModeIncludingSquare));
    return texts;
}

class ComposedTexts : public ::testing::Test {
protected:
    void SetUp() override { ResetProgramState(); }
    void TearDown() override { ResetProgramState(); }

    static void ExpectParsed(const std::vector<std::string>& texts) {
        for (const std::string& text : texts)
            for (const char* before : {"", "AEINRST", "AEINRST ", "/|=7 "}) {
                const std::string line = before + text;
                const ParseResult result = ParseCommandLine(line);
                EXPECT_FALSE(result.HasError()) << "\"" << line << "\": " << result.Message->Text;
            }
    }
};

TEST_F(ComposedTexts, WordCountTextsParse) { ExpectParsed(WordCountTexts()); }
TEST_F(ComposedTexts, LayoutWidthAndRowsTextsParse) { ExpectParsed(LayoutTexts()); }
TEST_F(ComposedTexts, ProbeTextsParse) { ExpectParsed(ProbeTexts()); }
TEST_F(ComposedTexts, OptionTextsParseInEveryLanguage) {
    for (const Language language : {Language::English, Language::French, Language::Spanish}) {
        SetLanguageTables(language);
        ExpectParsed(OptionTexts());
    }
}

}  // namespace
}  // namespace qora
