#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>

#include "engine/Lexicons.h"
#include "engine/WordTests.h"
#include "support/TestLexicon.h"

namespace qora {
namespace {

std::string Sorted(std::string word) {
    std::sort(word.begin(), word.end());
    return word;
}

// A word that is no word of the list: a list word with one tile changed or
// one tile added, or a random string.
std::vector<std::string> NearMisses(const std::vector<std::string>& words, int tileCount, std::uint32_t seed) {
    const std::set<std::string> known(words.begin(), words.end());
    std::mt19937 random(seed);
    std::vector<std::string> misses;
    for (const auto& word : words) {
        std::string changed = word;
        changed[random() % changed.size()] = static_cast<char>(TileBase + 1 + random() % tileCount);
        std::string longer = word + static_cast<char>(TileBase + 1 + random() % tileCount);
        for (auto& candidate : {changed, longer})
            if (!known.count(candidate)) misses.push_back(candidate);
    }
    return misses;
}

class WordTestsByLanguage : public testing::TestWithParam<Language> {};

TEST_P(WordTestsByLanguage, FindsEveryWordOfAGeneratedListAndNoOther) {
    const Language language = GetParam();
    const RandomLexicon generated(21, language, 2000, 2, 12);
    const auto& words = generated.Words;
    for (const auto& word : words) ASSERT_TRUE(IsWordInLexicon(PrimaryRole, false, word)) << word;
    for (const auto& miss : NearMisses(words, LanguageTileCount(language), 3))
        ASSERT_FALSE(IsWordInLexicon(PrimaryRole, false, miss)) << miss;
}

TEST_P(WordTestsByLanguage, PrefixesAnagramCountsAndHooksAgreeWithTheList) {
    const Language language = GetParam();
    const RandomLexicon generated(33, language, 1500, 2, 6);
    const auto& words = generated.Words;
    const std::set<std::string> known(words.begin(), words.end());
    const int tileCount = LanguageTileCount(language);
    for (const auto& word : words) {
        SCOPED_TRACE(word);
        int anagrams = 0;
        for (const auto& other : words) anagrams += Sorted(other) == Sorted(word);
        EXPECT_EQ(AnagramCount(word), anagrams);
        LetterCounts front{}, back{};
        for (int tile = 1; tile <= tileCount; ++tile) {
            const char t = static_cast<char>(TileBase + tile);
            front[tile - 1] = known.count(t + word) ? 1 : 0;
            back[tile - 1] = known.count(word + t) ? 1 : 0;
        }
        EXPECT_EQ(FrontHooks(word), front);
        EXPECT_EQ(BackHooks(word), back);
        for (std::size_t n = 1; n <= word.size(); ++n) {
            const std::string prefix = word.substr(0, n);
            const bool longer = std::any_of(words.begin(), words.end(), [&](const std::string& w) {
                return w.size() > 2 && w.starts_with(prefix);
            });
            EXPECT_EQ(IsLexiconPrefix(prefix), n == 2 ? longer : true) << prefix;
        }
    }
    EXPECT_FALSE(IsLexiconPrefix(std::string(1, static_cast<char>(TileBase + tileCount + 1))));
}

INSTANTIATE_TEST_SUITE_P(AllLanguages, WordTestsByLanguage,
                         testing::Values(Language::English, Language::Spanish, Language::French), LanguageParamName);

TEST(IsWordInLexicon, AsksTheLexiconOfEachRole) {
    TestLexiconFolder folder;
    folder.Add("CHALLENGE.QLX", {"QI", "ZA"});
    folder.Add("PRIMARY.QLX", {"QI", "OK"});
    folder.Add("SECONDARY.QLX", {"CHE", "\xD1U"}, Language::Spanish);
    folder.Load(1, 2, 0);
    EXPECT_TRUE(IsWordInLexicon(ChallengeRole, false, "ZA"));
    EXPECT_FALSE(IsWordInLexicon(PrimaryRole, false, "ZA"));
    EXPECT_TRUE(IsWordInLexicon(PrimaryRole, false, "OK"));
    EXPECT_TRUE(IsWordInLexicon(SecondaryRole, true, "CHE"));
    EXPECT_TRUE(IsWordInLexicon(SecondaryRole, true, "che")) << "display text in lower case";
    EXPECT_TRUE(IsWordInLexicon(SecondaryRole, false, "DF")) << "tiles CH E";
    EXPECT_TRUE(IsWordInLexicon(SecondaryRole, true, "\xD1U"));
    EXPECT_FALSE(IsWordInLexicon(SecondaryRole, false, "CHE")) << "C H E as three tiles";
    EXPECT_FALSE(IsWordInLexicon(3, false, "QI"));

    std::string error;
    ASSERT_TRUE(ChooseLexicons(1, -1, 0, error)) << error;
    EXPECT_FALSE(IsWordInLexicon(SecondaryRole, true, "CHE")) << "no secondary lexicon";
}

TEST(IsWordInLexicon, RefusesTextThatIsNoWordWithoutLookingPastIt) {
    TestLexiconFolder folder;
    folder.LoadWords({"CASA", "CASAS"}, Language::Spanish);
    EXPECT_TRUE(IsWordInLexicon(PrimaryRole, true, "CASA"));
    EXPECT_FALSE(IsWordInLexicon(PrimaryRole, true, "CASAK")) << "K is no Spanish tile";
    EXPECT_FALSE(IsWordInLexicon(PrimaryRole, true, "CASA?"));
    EXPECT_FALSE(IsWordInLexicon(PrimaryRole, true, ""));
    EXPECT_FALSE(IsWordInLexicon(PrimaryRole, false, ""));
    EXPECT_TRUE(IsWordInLexicon(PrimaryRole, false, TextToTiles("casas"))) << "blank-matched tiles count as their tile";
}

TEST(IsWordInLexicon, RefusesWordsLongerThanTheLexiconAllows) {
    const std::string longest(32, 'A');
    TestLexiconFolder folder;
    LexiconBuildOptions options;
    options.maxLength = 5;
    folder.Add("A.QLX", {"ABCDE", "ABCDEF", "AB"}, Language::English, options);
    folder.Add("B.QLX", {longest, "AB"});
    folder.Load(0, 1, 0);
    EXPECT_TRUE(IsWordInLexicon(PrimaryRole, false, "ABCDE"));
    EXPECT_FALSE(IsWordInLexicon(PrimaryRole, false, "ABCDEF"));
    EXPECT_TRUE(IsWordInLexicon(SecondaryRole, false, longest));
    EXPECT_FALSE(IsWordInLexicon(SecondaryRole, false, longest + "A"));
    EXPECT_FALSE(IsWordInLexicon(SecondaryRole, false, std::string(5000, 'A')));
}

TEST(IsLexiconPrefix, NeedsALongerWordOnlyForTwoTiles) {
    TestLexiconFolder folder;
    folder.LoadWords({"AT", "ATE", "BY"});
    EXPECT_TRUE(IsLexiconPrefix("A"));
    EXPECT_TRUE(IsLexiconPrefix("AT"));
    EXPECT_TRUE(IsLexiconPrefix("ATE"));
    EXPECT_TRUE(IsLexiconPrefix("B"));
    EXPECT_FALSE(IsLexiconPrefix("BY")) << "a two-tile word with nothing below it";
    EXPECT_FALSE(IsLexiconPrefix("ATES"));
    EXPECT_FALSE(IsLexiconPrefix("C"));
}

TEST(WordScore, SumsTileScoresAndCanLetBlanksScoreNothing) {
    SetLanguageTables(Language::English);
    EXPECT_EQ(WordScore("QUIZ", false), 10 + 1 + 1 + 10);
    EXPECT_EQ(WordScore("QUiz", false), 22);
    EXPECT_EQ(WordScore("QUiz", true), 11);
    EXPECT_EQ(WordScore("", true), 0);
    SetLanguageTables(Language::Spanish);
    EXPECT_EQ(WordScore(TextToTiles("CHURRO"), false), 5 + 1 + 8 + 1);
    EXPECT_EQ(WordScore(TextToTiles("chURRO"), true), 1 + 8 + 1);
    SetLanguageTables(Language::English);
}

}  // namespace
}  // namespace qora
