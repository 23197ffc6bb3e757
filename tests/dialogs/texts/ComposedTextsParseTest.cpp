// Every text that a command-building dialog composes, in every state in which
// its OK button is enabled, is taken by the parser: alone on the command line
// and after a query. Each dialog adds its texts to the table.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "dialogs/texts/DefinitionSearchText.h"
#include "dialogs/texts/FilterText.h"
#include "dialogs/texts/LetterSetTexts.h"
#include "dialogs/texts/OptionTexts.h"
#include "dialogs/texts/PresentationTexts.h"
#include "dialogs/texts/QueryConstituentTexts.h"
#include "dialogs/texts/SetDefinitionTexts.h"
#include "dialogs/texts/WordlistTexts.h"
#include "engine/Lexicons.h"
#include "engine/Tiles.h"
#include "processor/CommandLine.h"
#include "processor/Settings.h"
#include "support/StartUpStateTest.h"
#include "support/TestLexicon.h"

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

// Every relation with values for which the editor's OK is enabled; the
// probability filter also with strings.
std::vector<std::string> NumericFilterTexts() {
    std::vector<std::string> texts;
    const std::pair<std::int32_t, std::int32_t> values[] = {{0, 0}, {1, 2}, {2, 15}, {15, 15}, {INT_MAX - 1, INT_MAX}};
    for (const char letter : {'|', '$', '%', '&', '#'})
        for (int item = 0; item < NumericRelationItemCount; ++item)
            for (const auto& [a, b] : values)
                if (letter == '|' ? WordLengthRelationHolds(item, a, b, MaxWordLength)
                                  : NumericRelationHolds(item, a, b))
                    texts.push_back(NumericFilterText(letter, item, std::to_string(a), std::to_string(b)) + " ");
    const std::span<const std::int16_t> bag(DisplayedSettings.LetterDistribution);
    for (const char* first : {"", "QI", "qi", "AEINRST", "EEEEEEEEEEEEAAAAAAAAAIIIIIIIIIO"})
        for (const char* second : {"", "Z", "EEEEEEEEEEEE"})
            for (int item = 0; item < NumericRelationItemCount; ++item)
                if (NumericRelationHolds(item, *ProbabilityOfString(first, bag), *ProbabilityOfString(second, bag))) {
                    texts.push_back(ProbabilityFilterText(item, 0, first, 0, second) + " ");
                    texts.push_back(ProbabilityFilterText(item, 0, first, INT_MAX, std::nullopt) + " ");
                }
    return texts;
}

// Each relation with sets as the boxes give them (each tile once, or none).
std::vector<std::string> SetFilterTexts(std::initializer_list<std::initializer_list<int>> sets) {
    std::vector<std::string> texts;
    for (const auto& tiles : sets) {
        LetterCounts letters{};
        for (const int tile : tiles) letters[static_cast<std::size_t>(tile - 1)] = 1;
        for (int item = 0; item < SetRelationItemCount; ++item) {
            for (const bool front : {true, false}) texts.push_back(HooksFilterText(front, item, letters) + " ");
            for (const bool ignoreVowels : {false, true})
                texts.push_back(BlankFilterText(item, letters, ignoreVowels) + " ");
        }
    }
    return texts;
}

std::vector<std::string> DefinitionTexts() {
    std::vector<std::string> texts;
    const char* typed[] = {"", "|", "noun", "|plural", "verb|", "|to|", "a b c", "ends in '!'", "20 characters, full."};
    for (const char* text : typed)
        for (const int relation : {0, 1}) texts.push_back(DefinitionFilterText(relation, text, false));
    for (const char* first : typed)
        for (int item = 0; item < DefinitionConnectiveCount; ++item)
            for (const char* second : typed)
                if (const auto command = DefinitionSearchCommand(first, item, second)) texts.push_back(*command);
    return texts;
}

// In the active language: labels, and set (B) and set ($) at the ends of
// their ranges.
std::vector<std::string> SetDefinitionTexts() {
    std::vector<std::string> texts;
    for (const std::int32_t number : {1, 99})
        for (const char* label : {"", "vowels", "20 characters long!"}) texts.push_back(LabelSetCommand(number, label));
    for (const TileValueSet set : {TileValueSet::Bag, TileValueSet::Scores})
        for (const int value : {TileValueMinimum(set), 1, 2, TileValueMaximum}) {
            LetterCounts values{};
            values.fill(static_cast<std::int16_t>(value));
            texts.push_back(TileValuesCommand(set, values));
            texts.push_back(TileValuesCommand(set, DefaultTileValues(set)));
        }
    return texts;
}

// A query constituent and the line it is added to; for a letter, its tile;
// whether it is a set that joins a rack part the line ends in, where the
// rack part may hold it (the user-defined, word-based and query-based sets).
struct ConstituentLine {
    std::string Before;
    std::string Text;
    int Tile = 0;
    bool JoinsRackPart = false;
};

// The set bodies the pages write when their OK is enabled, in the active
// language.
std::vector<std::string> SetBodies() {
    std::vector<std::string> bodies;
    for (int choice = VowelsChoice; choice <= BlankMatchesChoice; ++choice) bodies.push_back(BuiltInSetBody(choice));
    for (const bool score : {true, false}) {
        const std::int32_t max = score ? MaxTileScore : MaxTileCount;
        const std::pair<std::int64_t, std::int64_t> values[] = {
            {1, 2}, {1, 2}, {1, 0}, {2, 0}, {SetValueMaximum, 0}, {max, 0}, {max, 0}, {max - 1, 0}};
        for (int item = -1; item < NumericRelationItemCount; ++item) {
            const auto [x, y] = values[RelationOrAtLeast(item)];
            EXPECT_TRUE(RelationSetComposable(item, {x, item != 4}, {y, true}, max)) << item;
            bodies.push_back(ScoreOrCountBody(score, item, x, y));
        }
    }
    for (const auto& [text, pattern] : {std::pair{"AB.DE", true}, {" .A ", true}, {"AEINST", false}, {"ab", false}}) {
        EXPECT_TRUE(WordBasedComposable(text, pattern)) << text;
        bodies.push_back(WordBasedBody(text, pattern));
    }
    return bodies;
}

// Tiles of specified and all-but sets, by tile number (Spanish C, CH, L, LL,
// R, RR at 3, 4, 12, 13, 20, 21).
std::vector<LetterCounts> TileSets() {
    std::vector<LetterCounts> sets;
    for (const std::vector<std::pair<int, int>>& tiles :
         std::vector<std::vector<std::pair<int, int>>>{{{1, 1}},
                                                       {{1, 1}, {5, 2}, {9, 1}},
                                                       {{3, 1}, {4, 1}, {9, 1}},
                                                       {{12, 1}, {13, 1}},
                                                       {{12, 2}, {13, 1}},
                                                       {{20, 1}, {21, 1}},
                                                       {{20, 99}, {21, 99}, {26, 1}}}) {
        LetterCounts counts{};
        for (const auto& [tile, count] : tiles) counts[tile - 1] = static_cast<std::int16_t>(count);
        sets.push_back(counts);
    }
    return sets;
}

// Every constituent the Add Query Constituent dialog types, after a query of
// two constituents and after a rack part.
std::vector<ConstituentLine> QueryConstituentLines() {
    std::vector<ConstituentLine> lines;
    const std::vector<std::string> bodies = SetBodies();
    const QueryBasedLists lists = MakeQueryBasedLists(2, 0, 15, ActiveLanguage());
    for (const bool rack : {false, true})
        for (const int count : {1, 0, 2})
            for (const bool required : {false, true})
                for (int presence = NoRestriction; presence < PresenceItemCount; ++presence)
                    for (const bool all : {false, true}) {
                        const ConstituentMarks marks{rack, count, required, presence, all};
                        const std::string before = rack ? "AB,CD" : "AB";
                        const auto add = [&](const std::string& text) { lines.push_back({before, text}); };
                        if (IsAnyLetterPresence(presence)) {
                            add(PresenceText(marks));
                            continue;
                        }
                        for (int tile = 1; tile <= ActiveTileCount(); ++tile)
                            lines.push_back(
                                {before, KeptApartFromLine(before, LetterText(marks, TileCaption(tile))), tile});
                        if (presence == NoRestriction)
                            for (const int kind : {LetterScoringBlank, ZeroScoringBlank, PatternImplyingBlank})
                                for (const bool zero : {false, true})
                                    if (BlankComposable(kind, rack)) add(BlankText(marks, kind, zero));
                        const auto addJoining = [&](const std::string& text) {
                            lines.push_back({before, text, 0, true});
                        };
                        for (const std::string& body : bodies)
                            if (body.find_first_of(".?") == std::string::npos)
                                add(BuiltInSetText(marks, body));
                            else
                                addJoining(WordBasedSetText(marks, body));
                        for (const LetterCounts& tiles : TileSets()) {
                            add(SpecifiedSetText(marks, SpecifiedSetTiles(tiles)));
                            add(AllButSetText(marks, AllButSetTiles(tiles)));
                        }
                        add(AllButSetText(marks, ""));
                        for (const int set : {1, 12, 99}) addJoining(UserDefinedSetText(marks, set));
                        for (const bool sameLetter : {true, false}) {
                            const int reach = sameLetter ? lists.LetterReach : lists.ConstituentReach;
                            for (int line = 0; line < 2 * reach; ++line)
                                addJoining(QueryBasedSetText(marks, sameLetter, QueryBasedNumber(line, reach)));
                        }
                    }
    return lines;
}

// Every rack element and word reference the rack-letter and word-reference
// dialogs type, after a query and inside a rack part.
std::vector<ConstituentLine> RackAndWordReferenceLines() {
    std::vector<ConstituentLine> lines;
    for (const char* before : {"AB", "AB,C", "AB,R"}) {
        const bool inRackPart = std::string_view(before).find(',') != std::string_view::npos;
        for (const bool required : {false, true}) {
            for (int tile = 1; tile <= ActiveTileCount(); ++tile)
                lines.push_back(
                    {before, KeptApartFromLine(before, RackLetterText(inRackPart, TileCaption(tile), required)), tile});
            for (const int kind : {LetterScoringBlank, ZeroScoringBlank})
                for (const bool zero : {false, true})
                    lines.push_back({before, RackBlankText(inRackPart, required, kind, zero)});
            for (const int count : {1, 0, 3})
                for (int kind = EntireWordKind; kind <= SubwordReversedKind; ++kind)
                    for (const bool mapping : {false, true})
                        for (const auto& [from, thru] : {std::pair{1, 1}, {2, 15}, {15, 1}})
                            for (const bool fromEnd : {false, true})
                                for (const bool thruEnd : {false, true})
                                    lines.push_back(
                                        {before, WordReferenceText({inRackPart, count, required},
                                                                   {kind, mapping, from, fromEnd, thru, thruEnd})});
        }
    }
    return lines;
}

// Labels, new wordlists and item moves, in every shape their dialogs compose
// with OK enabled.
std::vector<std::string> WordlistTexts() {
    std::vector<std::string> texts;
    for (const std::int32_t wordlist : {1, 99})
        for (const char* label : {"", "Nouns", " 12345678901234567 ", "[a/b] ~!?,.-+="})
            if (LabelComposable(wordlist, label)) texts.push_back(LabelWordlistCommand(wordlist, label));
    for (const std::int32_t target : {0, 1, 99})
        for (const std::optional<std::string>& label : {std::optional<std::string>{}, std::optional<std::string>{""},
                                                        std::optional<std::string>{"Nouns of 20 letters."}}) {
            const NewWordlistTarget made{target, label};
            if (!NewWordlistComposable(made)) continue;
            for (const std::int32_t base : {0, 1, 99})
                for (const bool sorted : {false, true})
                    for (const std::string& text : CopyWordlistCommands(made, base, sorted)) texts.push_back(text);
            for (int operation = UnionItem; operation <= DifferenceItem; ++operation)
                for (const std::string& text : ComputedWordlistCommands(made, 0, operation, 99)) texts.push_back(text);
            if (target != 0) texts.push_back(ImportWordlistCommand(made, "/home/q/my words (2).wds"));
        }
    for (const bool flashcard : {false, true})
        for (int disposition = DispositionDelete; disposition <= DispositionMove; ++disposition)
            for (const std::int32_t count : {1, 2, INT_MAX})
                for (const std::int32_t item : {0, 1, INT_MAX}) {
                    MoveItemChoice choice;
                    choice.FromFlashcard = flashcard;
                    choice.Source = flashcard ? 4 : 0, choice.Item = item, choice.Count = count;
                    choice.Disposition = disposition;
                    choice.DestinationWordlist = 99, choice.DestinationItem = item;
                    if (MoveItemComposable(choice, 1)) texts.push_back(MoveItemCommand(choice));
                }
    return texts;
}

// Questions about the line's word.
std::vector<std::string> PresenceTexts() {
    std::vector<std::string> texts;
    for (const PresencePlace place :
         {PresencePlace::InLexicon, PresencePlace::OnSlate, PresencePlace::InNamedLexicon, PresencePlace::InWordlist})
        for (const std::int32_t wordlist : {0, 99}) texts.push_back(PresenceCommand({place, "LEX", wordlist}));
    return texts;
}

std::vector<std::string> RandomRackTexts() {
    std::vector<std::string> texts;
    for (const std::int32_t count : {1, 100, 1000000})
        for (const std::int32_t target : {0, 99})
            if (RandomRacksComposable(count, target)) texts.push_back(RandomRacksCommand(count, target));
    return texts;
}

class ComposedTexts : public test::StartUpStateTest {
protected:
    static void ExpectParsed(const std::vector<std::string>& texts,
                             std::initializer_list<const char*> befores = {"", "AEINRST", "AEINRST ", "/|=7 "}) {
        for (const std::string& text : texts)
            for (const char* before : befores) {
                const std::string line = before + text;
                const ParseResult result = ParseCommandLine(line);
                EXPECT_FALSE(result.HasError()) << "\"" << line << "\": " << result.Message->Text;
            }
    }

    // Each text is one more constituent of the line it is added to, a letter
    // the tile chosen (and an element of the rack when `rackLetters`).
    static void ExpectOneMoreConstituentEach(const std::vector<ConstituentLine>& lines, bool rackLetters) {
        for (const ConstituentLine& line : lines) {
            ParseCommandLine(line.Before);
            const std::size_t elements = CurrentCommand.QueryElements.size();
            const std::string text = line.Before + line.Text;
            const ParseResult result = ParseCommandLine(text);
            ASSERT_FALSE(result.HasError()) << "\"" << text << "\": " << result.Message->Text;
            ASSERT_EQ(CurrentCommand.QueryElements.size(), elements + 1) << text;
            if (line.Tile != 0) {
                EXPECT_EQ(CurrentCommand.QueryElements.back().Set.Argument, line.Tile) << text;
                EXPECT_TRUE(!rackLetters || CurrentCommand.QueryElements.back().InRack) << text;
            }
        }
    }
};

TEST_F(ComposedTexts, WordCountTextsParse) { ExpectParsed(WordCountTexts()); }
TEST_F(ComposedTexts, LayoutWidthAndRowsTextsParse) { ExpectParsed(LayoutTexts()); }
TEST_F(ComposedTexts, ProbeTextsParse) { ExpectParsed(ProbeTexts()); }
// Each constituent is one more constituent, a letter the tile chosen (a
// Spanish C and H never make CH); what a disabled OK would type is refused.
TEST_F(ComposedTexts, QueryConstituentTextsParseInEveryLanguage) {
    for (const Language language : {Language::English, Language::French, Language::Spanish}) {
        SetLanguageTables(language);
        ASSERT_NO_FATAL_FAILURE(ExpectOneMoreConstituentEach(QueryConstituentLines(), false));
        const ConstituentMarks marks;
        const ConstituentMarks afterRackPart{true};
        LetterCounts every{};
        every.fill(1);
        for (const std::string& refused :
             {"AB" + SpecifiedSetText(marks, SpecifiedSetTiles({})), "AB" + AllButSetText(marks, AllButSetTiles(every)),
              QueryBasedSetText(marks, false, 1), "AB,CD" + BlankText(afterRackPart, PatternImplyingBlank, false)})
            EXPECT_TRUE(ParseCommandLine(refused).HasError()) << refused;
    }
}

// After a rack part, a set written to join it is an element of the rack
// wherever the parser lets a rack part hold it (and is then written without
// a leading blank); every other constituent ends the rack part.
TEST_F(ComposedTexts, AfterARackPartAConstituentJoinsItWhereTheRackMayHoldIt) {
    for (const Language language : {Language::English, Language::French, Language::Spanish}) {
        SetLanguageTables(language);
        int joined = 0;
        for (const ConstituentLine& line : QueryConstituentLines()) {
            if (line.Before.find(',') == std::string::npos) continue;
            const std::string unblanked = line.Before + line.Text.substr(line.Text.starts_with(' ') ? 1 : 0);
            const bool rackHoldsIt =
                !ParseCommandLine(unblanked).HasError() && CurrentCommand.QueryElements.back().InRack;
            ParseCommandLine(line.Before + line.Text);
            const bool inRack = CurrentCommand.QueryElements.back().InRack;
            EXPECT_EQ(inRack, line.JoinsRackPart && rackHoldsIt) << line.Before + line.Text;
            joined += inRack ? 1 : 0;
        }
        EXPECT_GT(joined, 0);
    }
}

// Each is one more constituent, a rack letter the tile chosen.
TEST_F(ComposedTexts, RackAndWordReferenceTextsParseInEveryLanguage) {
    for (const Language language : {Language::English, Language::French, Language::Spanish}) {
        SetLanguageTables(language);
        ASSERT_NO_FATAL_FAILURE(ExpectOneMoreConstituentEach(RackAndWordReferenceLines(), true));
    }
}

TEST_F(ComposedTexts, OptionTextsParseInEveryLanguage) {
    for (const Language language : {Language::English, Language::French, Language::Spanish}) {
        SetLanguageTables(language);
        ExpectParsed(OptionTexts());
    }
}
TEST_F(ComposedTexts, NumericFilterTextsParse) { ExpectParsed(NumericFilterTexts()); }
TEST_F(ComposedTexts, SetFilterTextsParse) {
    ExpectParsed(SetFilterTexts({{}, {1}, {1, 5, 19}, {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13,
                                                       14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26}}));
    SetLanguageTables(Language::Spanish);
    ExpectParsed(SetFilterTexts({{SpanishTileC},
                                 {SpanishTileC, SpanishTileCH, SpanishTileEnye},
                                 {SpanishTileL, SpanishTileLL, SpanishTileR, SpanishTileRR, 28}}));
}
// The definition search is a command of its own: alone, or after a filter.
TEST_F(ComposedTexts, DefinitionTextsParse) { ExpectParsed(DefinitionTexts(), {"", "/|=7 "}); }
// Every set the Define New Set dialog writes, with each kind of number and
// label.
TEST_F(ComposedTexts, NewSetTextsParseInEveryLanguage) {
    for (const Language language : {Language::English, Language::French, Language::Spanish}) {
        SetLanguageTables(language);
        std::vector<std::string> bodies = SetBodies();
        for (const LetterCounts& tiles : TileSets()) {
            bodies.push_back(SpecifiedSetTiles(tiles));
            bodies.push_back("!" + AllButSetTiles(tiles));
        }
        bodies.push_back("!");
        for (const std::int32_t set : {1, 99}) bodies.push_back(std::to_string(set));
        std::vector<std::string> texts;
        for (const NewSetHead& head :
             {NewSetHead{1, false, ""}, NewSetHead{99, true, ""}, NewSetHead{12, true, "20 characters long!!"}}) {
            for (const std::string& body : bodies) texts.push_back(NewSetCommand(head, body));
            for (int operation = UnionItem; operation <= DifferenceItem; ++operation)
                texts.push_back(ComputedSetCommand(head, 1, operation, 99));
        }
        ExpectParsed(texts);
    }
}

TEST_F(ComposedTexts, SetDefinitionTextsParseInEveryLanguage) {
    for (const Language language : {Language::English, Language::French, Language::Spanish}) {
        SetLanguageTables(language);
        ExpectParsed(SetDefinitionTexts());
    }
}
TEST_F(ComposedTexts, WordlistTextsParse) { ExpectParsed(WordlistTexts()); }
// A presence question follows its word; random racks are a command of their
// own: alone, or after a filter.
TEST_F(ComposedTexts, PresenceAndRandomRackTextsParse) {
    TestLexiconFolder folder;
    folder.LoadWords({"CAT"});
    ExpectParsed(PresenceTexts(), {"CAT", "cat/Z "});
    ExpectParsed(RandomRackTexts(), {"", "/|=7 "});
}

}  // namespace
}  // namespace qora
