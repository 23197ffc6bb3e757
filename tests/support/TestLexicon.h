// A temporary folder of lexicon files built from word lists in the test, and
// the lexicon table loaded from it. The lexicon globals are reset when the
// folder is made and again when it goes.
//
//   TestLexiconFolder folder;
//   folder.Add("ENGLISH.QLX", {"CAT", "ACT", "TAC"});
//   folder.Load();                 // primary = challenge = 0, no secondary
//   EXPECT_TRUE(IsWordInLexicon(PrimaryRole, false, "ACT"));
//
//   TestLexiconFolder other;       // or, for one lexicon:
//   const LexiconRecord& lexicon = other.LoadWords({"CAT", "ACT"});
#pragma once

#include <gtest/gtest.h>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/Lexicons.h"
#include "engine/Tiles.h"
#include "tools/LexiconCompiler.h"

namespace qora {

class TestLexiconFolder {
public:
    TestLexiconFolder();
    ~TestLexiconFolder();
    TestLexiconFolder(const TestLexiconFolder&) = delete;
    TestLexiconFolder& operator=(const TestLexiconFolder&) = delete;

    const std::string& Path() const { return path_; }

    // Builds a lexicon file from word-list lines (display text in code page
    // 1252, folded as the lexicon compiler folds them; Spanish "CHICO" holds
    // the tile CH). A line that folds to no word fails the test. The short
    // name defaults to the file name without ".QLX".
    void Add(const std::string& fileName, const std::vector<std::string>& lines, Language language = Language::English,
             LexiconBuildOptions options = {});

    // Writes any bytes as a file of the folder (for damaged lexicons).
    void AddFile(const std::string& fileName, const std::vector<unsigned char>& bytes);

    // Finds the folder's lexicons and chooses them; fails the test on error.
    void Load(int primary = 0, int secondary = -1, int challenge = 0);

    // The one-lexicon case: adds "LEX.QLX" with the lines, loads it as the
    // primary and challenge lexicon and returns it.
    const LexiconRecord& LoadWords(const std::vector<std::string>& lines, Language language = Language::English);

private:
    std::string path_;
};

// Builds the file image of a lexicon of the given words (lines as in Add).
std::vector<unsigned char> TestLexiconImage(const std::vector<std::string>& lines,
                                            Language language = Language::English, LexiconBuildOptions options = {});

// The image of a lexicon that passes every check and holds every word of 1
// to `length` letters A to Z (26 + 26^2 + ... + 26^length of them) in a few
// kilobytes: a list of the 26 letters for each length, each letter leading
// to the next list.
std::vector<unsigned char> EveryWordLexiconImage(int length);

// Every word of the lexicon, in word order: a walk of its whole graph.
std::vector<std::string> LexiconWords(const LexiconRecord& lexicon, int tileCount = LatinTileCount);

// Random word-list lines of the language (display text; Spanish double tiles
// and Ñ included), letters drawn by the frequencies of the language's bag so
// that anagrams and shared prefixes are common. The same seed gives the same
// lines; there may be repeats.
std::vector<std::string> RandomWordLines(std::uint32_t seed, Language language, int count, int minLength,
                                         int maxLength);

// The distinct tile strings of 2 to 32 tiles that the compiler keeps for the
// lines, in order.
std::vector<std::string> FoldedWords(const std::vector<std::string>& lines, Language language);

// Random words of a language, loaded as the primary lexicon from a folder of
// their own:  RandomLexicon lexicon(7, Language::Spanish, 3000, 2, 10);
struct RandomLexicon {
    RandomLexicon(std::uint32_t seed, Language language, int count, int minLength, int maxLength);

    std::vector<std::string> Words;  // its distinct words as tile strings, sorted
    TestLexiconFolder Folder;
    const LexiconRecord& Record;
};

// Names the cases of a test parameterised by language ("English", ...).
std::string LanguageParamName(const testing::TestParamInfo<Language>& info);

}  // namespace qora
