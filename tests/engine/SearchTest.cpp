#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <regex>
#include <thread>

#include "engine/Lexicons.h"
#include "engine/Search.h"
#include "engine/WordTests.h"
#include "support/TestLexicon.h"

namespace qora {
namespace {

struct Rack {
    LetterCounts tiles{};
    int blanks = 0;
    bool wildCard = false;
    AnagramFit fit = AnagramFit::Exact;
};

LetterCounts CountsOf(std::string_view word) {
    LetterCounts counts{};
    for (unsigned char c : word) ++counts[c - TileBase - 1];
    return counts;
}

std::string Sorted(std::string word) {
    std::sort(word.begin(), word.end());
    return word;
}

// How many of the word's tiles the rack's tiles cannot cover.
int Shortfall(const std::string& word, const Rack& rack) {
    const LetterCounts need = CountsOf(word);
    int shortfall = 0;
    for (int k = 0; k < LetterCountSlots; ++k) shortfall += std::max(0, need[k] - rack.tiles[k]);
    return shortfall;
}

// The plain definition: blanks cover the shortfall, the wild card anything
// more; an exact fit leaves no tile and no blank unused.
bool Fits(const std::string& word, const Rack& rack) {
    const LetterCounts need = CountsOf(word);
    const int shortfall = Shortfall(word, rack);
    int unused = 0;
    for (int k = 0; k < LetterCountSlots; ++k) unused += std::max(0, rack.tiles[k] - need[k]);
    const int extra = std::max(0, shortfall - rack.blanks);
    if (extra > 0 && !rack.wildCard) return false;
    if (rack.fit == AnagramFit::AtMost) return true;
    return unused == 0 && shortfall >= rack.blanks;
}

std::vector<std::string> BruteForce(const std::vector<std::string>& words, const Rack& rack) {
    std::vector<std::string> found;
    for (const auto& word : words)
        if (Fits(word, rack)) found.push_back(word);
    return found;
}

// Every match, checking that its blank marks account for exactly the tiles
// the rack lacks (fewer would mean a tile used twice, more a blank wasted).
template <typename Source>
std::vector<std::string> Search(const Source& source, const Rack& rack) {
    AnagramConstraint constraint(rack.tiles, rack.blanks, rack.wildCard, rack.fit, ActiveTileCount());
    std::vector<std::string> found;
    SearchLexicon(source, constraint, [&](const SearchMatch& match) {
        LetterCounts plain{};
        int marked = 0;
        for (std::size_t i = 0; i < match.Word.size(); ++i) {
            if (match.Blanks >> i & 1)
                ++marked;
            else
                ++plain[static_cast<unsigned char>(match.Word[i]) - TileBase - 1];
        }
        for (int k = 0; k < LetterCountSlots; ++k) EXPECT_LE(plain[k], rack.tiles[k]) << match.Word;
        EXPECT_EQ(marked, Shortfall(std::string(match.Word), rack)) << match.Word;
        found.emplace_back(match.Word);
        return true;
    });
    std::sort(found.begin(), found.end());
    return found;
}

// Racks drawn from the list's own words (so that there are matches) or at
// random, with 0 to 2 blanks, sometimes a wild card, either fit.
Rack RandomRack(const std::vector<std::string>& words, std::mt19937& random, int tileCount) {
    Rack rack;
    std::string tiles = words[random() % words.size()];
    if (random() % 3 == 0) tiles += words[random() % words.size()];
    for (int n = random() % 3; n > 0 && !tiles.empty(); --n) tiles.erase(random() % tiles.size(), 1);
    if (random() % 4 == 0) tiles += static_cast<char>(TileBase + 1 + random() % tileCount);
    rack.tiles = CountsOf(tiles);
    rack.blanks = random() % 3;
    rack.wildCard = random() % 5 == 0;
    rack.fit = random() % 2 ? AnagramFit::Exact : AnagramFit::AtMost;
    return rack;
}

class SearchByLanguage : public testing::TestWithParam<Language> {};

TEST_P(SearchByLanguage, AnagramsMatchABruteForceScanOfTheList) {
    const RandomLexicon generated(7, GetParam(), 3000, 2, 10);
    const auto& words = generated.Words;
    const LexiconRecord& lexicon = generated.Record;
    std::mt19937 random(99);
    for (int round = 0; round < 150; ++round) {
        const Rack rack = RandomRack(words, random, ActiveTileCount());
        SCOPED_TRACE("round " + std::to_string(round));
        const auto expected = BruteForce(words, rack);
        ASSERT_EQ(Search(lexicon, rack), expected);
        ASSERT_EQ(Search(std::span<const std::string>(words), rack), expected);
    }
}

INSTANTIATE_TEST_SUITE_P(AllLanguages, SearchByLanguage,
                         testing::Values(Language::English, Language::Spanish, Language::French), LanguageParamName);

TEST(Search, AWordListSearchTakesBlankMatchedTilesAndSkipsWhatIsNoWord) {
    SetLanguageTables(Language::English);
    const std::vector<std::string> items = {"TEA", "eat", "A1T", "TAE STAR", "ATE", std::string(33, 'E')};
    Rack rack;
    rack.tiles = CountsOf("AET");
    rack.fit = AnagramFit::Exact;
    EXPECT_EQ(Search(std::span<const std::string>(items), rack), (std::vector<std::string>{"ATE", "EAT", "TEA"}));
    WordlistItems wordlist;
    for (const auto& text : items) wordlist.Append({text, {}});
    EXPECT_EQ(Search(wordlist, rack), (std::vector<std::string>{"ATE", "EAT", "TEA"}));
}

TEST(Search, MatchFunctionMaySearchAgain) {
    // Two-word anagrams: every first word runs a second, nested search for
    // the tiles it leaves, and asks a word test on the way.
    const std::vector<std::string> words = {"AT",  "TA",   "EAT",  "TEA",  "ATE", "SEA",
                                            "SET", "TEAS", "EATS", "SEAT", "ASS"};
    TestLexiconFolder folder;
    const LexiconRecord& lexicon = folder.LoadWords(words);
    const LetterCounts rack = CountsOf("AAESTT");
    std::vector<std::string> pairs;
    AnagramConstraint first(rack, 0, false, AnagramFit::AtMost);
    SearchLexicon(lexicon, first, [&](const SearchMatch& one) {
        EXPECT_TRUE(IsWordInLexicon(PrimaryRole, false, one.Word));
        LetterCounts rest = rack;
        for (unsigned char c : one.Word) --rest[c - TileBase - 1];
        const std::string firstWord(one.Word);
        AnagramConstraint second(rest, 0, false, AnagramFit::Exact);
        SearchLexicon(lexicon, second, [&](const SearchMatch& two) {
            pairs.push_back(firstWord + " " + std::string(two.Word));
            return true;
        });
        return true;
    });
    std::vector<std::string> expected;
    for (const auto& a : words)
        for (const auto& b : words)
            if (Sorted(a + b) == Sorted("AAESTT")) expected.push_back(a + " " + b);
    std::sort(pairs.begin(), pairs.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(pairs, expected);
    EXPECT_FALSE(expected.empty());
}

TEST(Search, TwoThreadsSearchTheSameLexiconAtOnce) {
    const RandomLexicon generated(17, Language::English, 5000, 2, 9);
    const auto& words = generated.Words;
    const LexiconRecord& lexicon = generated.Record;
    Rack rack;
    rack.tiles = CountsOf("AEINRSTLO");
    rack.blanks = 2;
    rack.fit = AnagramFit::AtMost;
    const auto expected = BruteForce(words, rack);
    std::vector<std::string> a, b;
    std::thread one([&] {
        for (int k = 0; k < 20; ++k) a = Search(lexicon, rack);
    });
    std::thread two([&] {
        for (int k = 0; k < 20; ++k) b = Search(lexicon, rack);
    });
    one.join();
    two.join();
    EXPECT_EQ(a, expected);
    EXPECT_EQ(b, expected);
}

TEST(Search, StopsOnTheStopFlagOrTheMatchFunctionAndReportsFirstTiles) {
    TestLexiconFolder folder;
    const LexiconRecord& lexicon = folder.LoadWords({"AB", "AC", "BA", "BC", "CA", "CB", "DA"});
    LetterCounts none{};
    AnagramConstraint any(none, 2, false, AnagramFit::Exact);

    std::string firstTiles;
    SearchControl control;
    control.Progress = [&](unsigned char tile) { firstTiles += static_cast<char>(tile); };
    int matches = 0;
    EXPECT_EQ(SearchLexicon(
                  lexicon, any, [&](const SearchMatch&) { return ++matches < 100; }, control),
              SearchEnd::Completed);
    EXPECT_EQ(matches, 7);
    EXPECT_EQ(firstTiles, "ABCD");

    std::atomic<bool> stop{false};
    control.Stop = &stop;
    firstTiles.clear();
    std::vector<std::string> seen;
    EXPECT_EQ(SearchLexicon(
                  lexicon, any,
                  [&](const SearchMatch& match) {
                      seen.emplace_back(match.Word);
                      if (match.Word == "BA") stop = true;
                      return true;
                  },
                  control),
              SearchEnd::Stopped);
    EXPECT_EQ(seen.back(), "BA");
    EXPECT_EQ(firstTiles, "AB");

    matches = 0;
    EXPECT_EQ(SearchLexicon(std::span<const std::string>(std::vector<std::string>{"AB", "BA", "CA"}), any,
                            [&](const SearchMatch&) { return ++matches < 2; }),
              SearchEnd::Stopped);
    EXPECT_EQ(matches, 2);
}

// ---- Patterns -----------------------------------------------------------------

std::string RegexOf(const std::vector<PatternElement>& pattern) {
    std::string regex;
    for (const auto& element : pattern) {
        regex += "[";
        for (int tile = 1; tile <= LetterCountSlots; ++tile)
            if (element.Tiles & TileBit(tile)) regex += static_cast<char>(TileBase + tile);
        regex += element.Run ? "]*" : "]";
    }
    return regex;
}

// Whether the word matches the pattern with blank elements exactly at the
// marked positions.
bool MatchesWithMarks(const std::vector<PatternElement>& pattern, std::size_t k, std::string_view word, std::size_t at,
                      BlankMarkBits marks) {
    if (k == pattern.size()) return at == word.size();
    const PatternElement& element = pattern[k];
    if (element.Run && MatchesWithMarks(pattern, k + 1, word, at, marks)) return true;
    if (at == word.size()) return false;
    const bool fits = (element.Tiles & TileBit(static_cast<unsigned char>(word[at]) - TileBase)) != 0 &&
                      element.Blank == ((marks >> at & 1) != 0);
    return fits && MatchesWithMarks(pattern, element.Run ? k : k + 1, word, at + 1, marks);
}

std::vector<PatternElement> RandomPattern(const std::vector<std::string>& words, std::mt19937& random) {
    const std::string& model = words[random() % words.size()];
    std::vector<PatternElement> pattern;
    const TileMask all = AllTilesMask(LatinTileCount);
    for (char c : model) {
        switch (random() % 6) {
            case 0: pattern.push_back({all, false, true}); break;  // "."
            case 1: pattern.push_back({all, true, true}); break;   // "*"
            case 2: pattern.push_back({TileBit(c - TileBase) | TileBit(1 + random() % 26), false, false}); break;
            default: pattern.push_back({TileBit(c - TileBase), false, false}); break;
        }
    }
    if (random() % 3 == 0) pattern.insert(pattern.begin(), {all, true, true});
    if (random() % 3 == 0) pattern.push_back({TileBit('S' - TileBase), true, false});
    return pattern;
}

TEST(Search, PatternsMatchWhatARegularExpressionMatches) {
    const RandomLexicon generated(13, Language::English, 4000, 2, 9);
    const auto& words = generated.Words;
    const LexiconRecord& lexicon = generated.Record;
    std::mt19937 random(31);
    for (int round = 0; round < 200; ++round) {
        const auto pattern = RandomPattern(words, random);
        const std::regex regex(RegexOf(pattern));
        SCOPED_TRACE(RegexOf(pattern));
        std::vector<std::string> expected;
        for (const auto& word : words)
            if (std::regex_match(word, regex)) expected.push_back(word);
        // The general matcher, and the one for at most one run where it fits.
        const auto check = [&](auto makeConstraint) {
            for (int source = 0; source < 2; ++source) {
                auto constraint = makeConstraint();
                std::vector<std::string> found;
                const MatchFunction collect = [&](const SearchMatch& match) {
                    EXPECT_TRUE(MatchesWithMarks(pattern, 0, match.Word, 0, match.Blanks))
                        << match.Word << " " << match.Blanks;
                    found.emplace_back(match.Word);
                    return true;
                };
                if (source == 0)
                    SearchLexicon(lexicon, constraint, collect);
                else
                    SearchLexicon(std::span<const std::string>(words), constraint, collect);
                std::sort(found.begin(), found.end());
                ASSERT_EQ(found, expected);
            }
        };
        check([&] { return PatternConstraint(pattern); });
        if (OneRunPatternConstraint::Fits(pattern)) check([&] { return OneRunPatternConstraint(pattern); });
    }
}

TEST(Search, PatternMarksPreferPlainElements) {
    const TileMask all = AllTilesMask(LatinTileCount);
    // "*S" against CATS: the S is the plain one, the run takes C A T.
    PatternConstraint constraint({{all, true, true}, {TileBit('S' - TileBase), false, false}});
    const std::vector<std::string> words = {"CATS", "SS"};
    std::vector<BlankMarkBits> marks;
    SearchLexicon(std::span<const std::string>(words), constraint, [&](const SearchMatch& match) {
        marks.push_back(match.Blanks);
        return true;
    });
    EXPECT_EQ(marks, (std::vector<BlankMarkBits>{0b0111, 0b01}));
    // "*?0(!K)!*" against AAAL: the open run of non-K tiles takes A A L, so
    // only the first A is the blank's, although the single non-K element
    // could also have taken the L.
    const TileMask notK = all & ~TileBit('K' - TileBase);
    PatternConstraint runs(
        {{all, true, true}, {all, false, true}, {notK, false, false}, {notK, true, false}, {all, true, true}});
    const std::vector<std::string> aaal = {"AAAL"};
    SearchLexicon(std::span<const std::string>(aaal), runs, [&](const SearchMatch& match) {
        EXPECT_EQ(match.Blanks, 0b0001u);
        return true;
    });
    PatternConstraint tooLong(
        std::vector<PatternElement>(PatternConstraint::MaxPatternElements + 1, {all, true, true}));
    EXPECT_EQ(tooLong.NextTiles(0), 0u);
}

}  // namespace
}  // namespace qora
