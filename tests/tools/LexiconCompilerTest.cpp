#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <set>

#include "engine/Lexicons.h"
#include "engine/WordTests.h"
#include "support/EngineDataFixture.h"
#include "support/FileSizeLimit.h"
#include "support/ProgramRun.h"
#include "support/TestLexicon.h"
#include "tools/LexiconCompiler.h"

namespace qora {
namespace {

// ---- Folding --------------------------------------------------------------

TEST(WordListFolding, FoldsEachLanguageInEitherEncodingAndSkipsTheRest) {
    const std::string none = "-";  // the line is no word of the language
    const auto E = Language::English, F = Language::French, S = Language::Spanish;
    const std::vector<std::tuple<Language, std::string, std::string>> cases = {
        {E, "cat", "CAT"},
        {E, "  Zebra\r", "ZEBRA"},
        {E, "\xEF\xBB\xBFword", "WORD"},  // byte-order marks, with blanks in any mix
        {E, "\xEF\xBB\xBF\xEF\xBB\xBFword", "WORD"},
        {E, "  \xEF\xBB\xBFword", "WORD"},
        {E, "\t\xEF\xBB\xBF \xEF\xBB\xBF word", "WORD"},
        {E, "wo\xEF\xBB\xBFrd", none},
        {E, "word\xEF\xBB\xBF", none},
        {E, "\xEF\xBB", none},
        {E, "it's", none},
        {E, "e-mail", none},
        {E, "r2d2", none},
        {E, "two words", none},
        {E, "caf\xE9", none},
        {E, "caf\xC3\xA9", none},
        {E, "   ", none},
        {E, "\x01", none},
        {F, "\xE9l\xE8ve", "ELEVE"},
        {F, "\xC3\xA9l\xC3\xA8ve", "ELEVE"},  // élève in code page 1252 and UTF-8
        {F, "GAR\xC7ON", "GARCON"},
        {F, "gar\xC3\xA7on", "GARCON"},
        {F, "c\x9Cur", "COEUR"},
        {F, "c\xC5\x93ur", "COEUR"},
        {F, "\xE6quo", "AEQUO"},
        {F,
         "na\xEF"
         "f",
         "NAIF"},
        {F, "o\xF9", "OU"},
        {F, "l\xFF", "LY"},
        {F, "aujourd'hui", none},
        {F, "peut-\xEAtre", none},
        {F, "\xDF", none},
        {F, "\xE2\x82\xAC", none},
        {S, "chico", TextToTiles("CHICO")},
        {S, "llama", TextToTiles("LLAMA")},
        {S, "perro", TextToTiles("PERRO")},
        {S, "ni\xF1o", TextToTiles("NI\xD1O")},
        {S, "ni\xC3\xB1o", TextToTiles("NI\xD1O")},
        {S, "NI\xC3\x91O", TextToTiles("NI\xD1O")},
        {S, "ping\xFCino", TextToTiles("PINGUINO")},
        {S, "\xC1RBOL", TextToTiles("ARBOL")},
        {S, "kilo", none},
        {S, "whisky", none},
        {S, "gar\xE7on", none},
        {S, "a\xF1o1", none},
        {S, "c\x9Cur", none},
    };
    for (const auto& [language, line, tiles] : cases)
        EXPECT_EQ(FoldWordListLine(line, language).value_or(none), tiles) << line;
    EXPECT_EQ(TextToTiles("CHICO").size(), 4u) << "CH is one tile";
}

// ---- Reading a lexicon image back -------------------------------------------

struct Image {
    ValidLexicon lexicon;
    LexiconRecord record;

    Image(const std::vector<unsigned char>& bytes, Language language) {
        std::string reason;
        EXPECT_TRUE(ValidateLexiconImage(bytes.data(), bytes.size(), lexicon, reason)) << reason;
        EXPECT_EQ(lexicon.Header.LexiconLanguage, language);
        record.MaxWordLength = lexicon.Header.MaxWordLength;
        record.Nodes = lexicon.Nodes.get();
        record.NodeCount = lexicon.NodeCount;
    }

    std::vector<std::string> Words(int tileCount) const { return LexiconWords(record, tileCount); }

    // The sibling lists that child links point at, by their first node.
    std::set<std::uint32_t> ListStarts() const {
        std::set<std::uint32_t> starts{1};
        for (std::size_t i = 1; i < record.NodeCount; ++i)
            if (NodeChild(record.Nodes[i]) != 0) starts.insert(NodeChild(record.Nodes[i]));
        return starts;
    }

    std::vector<LexiconNode> ListAt(std::uint32_t first) const {
        std::vector<LexiconNode> list;
        for (std::uint32_t i = first;; ++i) {
            list.push_back(record.Nodes[i]);
            if (NodeIsLastSibling(record.Nodes[i])) return list;
        }
    }
};

std::vector<unsigned char> Build(const std::vector<std::string>& words, LexiconBuildOptions options = {}) {
    if (options.shortName.empty()) options.shortName = "T";
    std::vector<unsigned char> image;
    LexiconBuildReport report;
    std::string error;
    EXPECT_TRUE(BuildLexiconImage(words, options, image, report, error)) << error;
    return image;
}

TEST(LexiconBuild, IsDeterministicWhateverTheOrderOfTheList) {
    auto words = FoldedWords(RandomWordLines(8, Language::English, 3000, 2, 12), Language::English);
    const auto first = Build(words);
    std::shuffle(words.begin(), words.end(), std::mt19937(4));
    words.push_back(words.front());  // a repeat changes nothing either
    EXPECT_EQ(Build(words), first);
}

int HeightBelow(const Image& image, std::uint32_t first) {
    int height = 0;
    for (LexiconNode node : image.ListAt(first))
        height = std::max(height, 1 + (NodeChild(node) != 0 ? HeightBelow(image, NodeChild(node)) : 0));
    return height;
}

TEST(LexiconBuild, StoresEachSubGraphOnceHighestListsFirst) {
    // TAPS TIPS TOPS: root T, then A I O sharing one P list, sharing one S.
    EXPECT_EQ(Build({"TAPS", "TIPS", "TOPS"}).size(), LexiconHeaderSize + 4 * (1 + 1 + 3 + 1 + 1));

    const auto words = FoldedWords(RandomWordLines(9, Language::English, 3000, 2, 12), Language::English);
    const Image image(Build(words), Language::English);
    EXPECT_EQ(image.Words(LatinTileCount), words);
    std::map<std::vector<LexiconNode>, std::uint32_t> seen;
    std::size_t stored = 1;  // node 0
    int previousHeight = LexiconMaxWordLength;
    for (std::uint32_t start : image.ListStarts()) {
        const auto list = image.ListAt(start);
        const auto [it, fresh] = seen.emplace(list, start);
        EXPECT_TRUE(fresh) << "the lists at " << it->second << " and " << start << " are equal";
        stored += list.size();
        for (LexiconNode node : list)
            if (NodeChild(node) != 0) {
                EXPECT_GT(NodeChild(node), start) << "a child list before its parent";
            }
        const int height = HeightBelow(image, start);
        EXPECT_LE(height, previousHeight) << "list at " << start;
        previousHeight = height;
    }
    EXPECT_EQ(stored, image.record.NodeCount) << "every node belongs to exactly one list";
}

TEST(LexiconBuild, WritesTheHeaderFields) {
    LexiconBuildOptions options;
    options.language = Language::Spanish;
    options.edition = 42;
    options.shortName = "HISPANO";
    options.longWordLimit = 8;
    const auto words = FoldedWords({"CHICO", "AB", "ABCDEFGHIJ"}, Language::Spanish);
    LexiconHeader header;
    std::string reason;
    const auto image = Build(words, options);
    ASSERT_TRUE(ReadLexiconHeader(image.data(), image.size(), header, reason)) << reason;
    EXPECT_EQ(header.TreeNumber, 1042u);
    EXPECT_EQ(header.LexiconLanguage, Language::Spanish);
    EXPECT_EQ(header.MaxWordLength, 10) << "the longest word kept";
    EXPECT_EQ(header.LongWordLimit, 8);
    EXPECT_EQ(header.ShortName, "HISPANO");
    EXPECT_EQ(header.LongName, "HISPANO") << "the long name defaults to the short name";

    options.maxLength = 4;
    options.longName = std::string(63, 'L');
    LexiconBuildReport report;
    std::vector<unsigned char> shorter;
    ASSERT_TRUE(BuildLexiconImage(words, options, shorter, report, reason)) << reason;
    ASSERT_TRUE(ReadLexiconHeader(shorter.data(), shorter.size(), header, reason)) << reason;
    EXPECT_EQ(header.MaxWordLength, 4);
    EXPECT_EQ(header.LongName, options.longName);
    EXPECT_EQ(report.kept, 2);
    EXPECT_EQ(report.tooShortOrLong, 1);
}

TEST(LexiconBuild, RefusesBadOptionsAndInput) {
    const std::vector<std::pair<std::function<void(LexiconBuildOptions&)>, std::string>> cases = {
        {[](auto& o) { o.edition = 1000; }, "edition"},
        {[](auto& o) { o.shortName = ""; }, "short name"},
        {[](auto& o) { o.shortName = std::string(16, 'S'); }, "short name"},
        {[](auto& o) { o.shortName = std::string("A\0B", 3); }, "short name"},
        {[](auto& o) { o.shortName = "A\tB"; }, "the names may not hold control characters"},
        {[](auto& o) { o.longName = "Long\x1B[2J"; }, "the names may not hold control characters"},
        {[](auto& o) { o.longName = std::string(64, 'L'); }, "long name"},
        {[](auto& o) { o.maxLength = 1; }, "maximum word length"},
        {[](auto& o) { o.maxLength = 33; }, "maximum word length"},
        {[](auto& o) { o.longWordLimit = 70000; }, "long-word limit"},
        {[](auto& o) { o.maxLength = 2; }, "no word of 2 to 2 tiles"},
    };
    for (const auto& [damage, expected] : cases) {
        LexiconBuildOptions options;
        options.shortName = "T";
        damage(options);
        std::vector<unsigned char> image;
        LexiconBuildReport report;
        std::string error;
        EXPECT_FALSE(BuildLexiconImage({"CAT", "DOGS"}, options, image, report, error));
        EXPECT_NE(error.find(expected), std::string::npos) << error;
    }
    LexiconBuildOptions options;
    options.shortName = "T";
    std::vector<unsigned char> image;
    LexiconBuildReport report;
    std::string error;
    EXPECT_FALSE(BuildLexiconImage({"CAT", "dog"}, options, image, report, error));
    EXPECT_EQ(error, "\"dog\" is no tile string of the language");
    options.language = Language::English;
    EXPECT_FALSE(BuildLexiconImage({"C[T"}, options, image, report, error)) << "a Spanish tile in an English list";
}

// The compiler checks what it built as the loader does, and returns no image
// that the loader would refuse. The graph of AB and AC spells three word
// beginnings (A, AB, AC): as many as the bound allows, or one too many.
TEST(LexiconBuild, RefusesWhatTheLoaderRefusesWithItsReason) {
    for (const std::uint64_t bound : {3, 2}) {
        LexiconBuildOptions options;
        options.shortName = "T";
        options.maxWordBeginnings = bound;
        std::vector<unsigned char> image;
        LexiconBuildReport report;
        std::string error;
        const bool built = BuildLexiconImage({"AB", "AC"}, options, image, report, error);
        EXPECT_EQ(built, bound == 3);
        EXPECT_EQ(image.empty(), !built);
        EXPECT_EQ(error, built ? ""
                               : "the program would refuse this lexicon, so none is written. Its word graph spells "
                                 "more than 2 word beginnings, far more than any word list, and a search of it would "
                                 "not end.");
    }
}

// ---- Compiling word list files ------------------------------------------------

using WordListFile = test::EngineDataTest;

// Lines end with LF, CR LF or a lone CR. A line of blanks and byte-order
// marks is blank.
TEST_F(WordListFile, SkipsAndCountsJunkLines) {
    const std::string list = "\xEF\xBB\xBFzebra\r\nZEBRA\n\n  \napple's\nr2d2\na\rAPPLE\rnaïve\n" +
                             std::string(33, 'x') + "\n\xEF\xBB\xBF \xEF\xBB\xBF\n \xEF\xBB\xBF\xEF\xBB\xBF cat\n";
    LexiconBuildOptions options;
    options.shortName = "T";
    std::vector<unsigned char> image;
    LexiconBuildReport report;
    std::string error;
    ASSERT_TRUE(CompileWordList(WriteFile("list.txt", list), options, image, report, error)) << error;
    EXPECT_EQ(report.kept, 3);            // ZEBRA APPLE CAT
    EXPECT_EQ(report.duplicates, 1);      // zebra twice
    EXPECT_EQ(report.skipped, 3);         // apple's, r2d2, naïve
    EXPECT_EQ(report.tooShortOrLong, 2);  // a, 33 x
    EXPECT_EQ(Image(image, Language::English).Words(LatinTileCount),
              (std::vector<std::string>{"APPLE", "CAT", "ZEBRA"}));
}

TEST_F(WordListFile, ReportsWhatCannotBeRead) {
    LexiconBuildOptions options;
    options.shortName = "T";
    std::vector<unsigned char> image;
    LexiconBuildReport report;
    std::string error;
    EXPECT_FALSE(CompileWordList((Folder() / "missing.txt").string(), options, image, report, error));
    EXPECT_NE(error.find("cannot read word list"), std::string::npos) << error;
    EXPECT_NE(error.find("missing.txt"), std::string::npos) << error;
    EXPECT_FALSE(CompileWordList(Folder().string(), options, image, report, error));
    EXPECT_NE(error.find("it is a folder"), std::string::npos) << error;
    EXPECT_FALSE(CompileWordList(WriteFile("junk.bin", std::string("\x01\x02\x03\n\xFF\xFE", 6)), options, image,
                                 report, error));
    EXPECT_NE(error.find("no word"), std::string::npos) << error;
}

// ---- The qlxbuild command --------------------------------------------------------

ProgramResult RunQlxbuild(const std::string& arguments) { return RunBuiltProgram("qlxbuild", arguments); }

TEST_F(WordListFile, CommandBuildsALexiconAndReportsItsCounts) {
    const auto list = WriteFile("words.txt", "cat\ndog\ndog\nit's\n");
    const auto output = (Folder() / "Small.QLX").string();
    const auto result = RunQlxbuild(
        "--language english --edition 3 --long-name 'Fran\xC3\xA7"
        "ais' " +
        list + " " + output);
    ASSERT_EQ(result.status, 0) << result.output;
    EXPECT_NE(result.output.find("2 words kept, 1 lines skipped"), std::string::npos) << result.output;
    EXPECT_NE(result.output.find("1 duplicates"), std::string::npos) << result.output;
    TestLexiconFolder folder;
    std::filesystem::copy_file(output, std::filesystem::path(folder.Path()) / "Small.QLX");
    folder.Load();
    EXPECT_EQ(LexiconTable[0].ShortName, "Small");
    EXPECT_EQ(LexiconTable[0].LongName,
              "Fran\xE7"
              "ais")
        << "stored in code page 1252";
    EXPECT_EQ(LexiconTable[0].TreeNumber, 3u);
}

// Asked to, the compiler leaves out and counts the words whose line begins
// with a capital (names, roman numerals), in either encoding; the same word
// in small letters stays. The command says how many it left out.
TEST_F(WordListFile, LeavesOutCapitalisedWordsWhenAsked) {
    struct Case {
        Language language;
        std::string list;
        std::vector<std::string> kept;
        int capitalised;
    };
    const Case cases[] = {
        {Language::English, "Smith\nsmith\nXXXII\nNASA\nBill\nbill\nO'Neil\n", {"BILL", "SMITH"}, 4},
        {Language::French, "\xC9mile\n\xC3\x89lise\n\xE9lan\n\xC3\x89LAN\n\x8Cuvre\nc\x9Cur\n", {"COEUR", "ELAN"}, 4},
        {Language::Spanish,
         "\xC3\x91"
         "and\xC3\xBA\n\xC3\xB1"
         "and\xC3\xBA\n\xD1u\xF1o\n",
         {TextToTiles("\xD1"
                      "ANDU")},
         2},
    };
    for (const auto& [language, list, kept, capitalised] : cases) {
        LexiconBuildOptions options;
        options.shortName = "T";
        options.language = language;
        options.skipCapitalised = true;
        std::vector<unsigned char> image;
        LexiconBuildReport report;
        std::string error;
        ASSERT_TRUE(CompileWordList(WriteFile("list.txt", list), options, image, report, error)) << error;
        EXPECT_EQ(report.capitalised, capitalised) << list;
        EXPECT_EQ(report.skipped, language == Language::English ? 1 : 0) << list;
        EXPECT_EQ(Image(image, language).Words(LanguageTileCount(language)), kept) << list;
    }
    const auto result = RunQlxbuild("--language english --skip-capitalised " +
                                    WriteFile("words.txt", "cat\nCat\nDog\n") + " " + (Folder() / "X.QLX").string());
    EXPECT_NE(
        result.output.find("1 words kept, 0 lines skipped (not words of the language), 2 capitalised words left out"),
        std::string::npos)
        << result.output;
}

TEST_F(WordListFile, CommandRefusesBadArgumentsClearly) {
    const auto list = WriteFile("words.txt", "cat\n");
    const auto output = (Folder() / "X.QLX").string();
    const std::vector<std::pair<std::string, std::string>> cases = {
        {list + " " + output, "a language, a word list and an output file are needed"},
        {"--language klingon " + list + " " + output, "unknown language \"klingon\""},
        {"--language english --edition", "--edition needs a value"},
        {"--language english --edition 1000 " + list + " " + output, "--edition must be a number from 0 to 999"},
        {"--language english --max-length 40 " + list + " " + output, "--max-length must be a number from 2 to 32"},
        {"--language english --max-length 12x " + list + " " + output, "--max-length must be a number"},
        {"--language english --long-word-limit 99999999999999999999 " + list + " " + output,
         "--long-word-limit must be a number"},
        {"--language english --colour red " + list + " " + output, "unknown option --colour"},
        {"--language english --short-name ABCDEFGHIJKLMNOPQ " + list + " " + output,
         "the short name must have 1 to 15 characters"},
        {"--language english --short-name '\xCE\xA9' " + list + " " + output,
         "the names may hold only characters of code page 1252"},
        {"--language english " + list, "a language, a word list and an output file are needed"},
        {"--language english " + (Folder() / "none.txt").string() + " " + output, "cannot read word list"},
        {"--language english " + list + " " + (Folder() / "no/such/dir/X.QLX").string(), "cannot write"},
        {"--language english --short-name 'A\x01' " + list + " " + output, "the names may not hold control characters"},
        {"--language english " + list + " " + list, "the output file " + list + " is the word list itself"},
    };
    for (const auto& [arguments, message] : cases) {
        const auto result = RunQlxbuild(arguments);
        EXPECT_EQ(result.status, 1) << arguments;
        EXPECT_NE(result.output.find("qlxbuild: " + message), std::string::npos) << arguments << "\n" << result.output;
    }
    EXPECT_FALSE(std::filesystem::exists(output));
    EXPECT_EQ(ReadFile("words.txt"), "cat\n") << "the word list is never written";
}

// A rebuilt lexicon replaces the file only when complete, and a running
// program goes on searching the one it loaded.
TEST_F(WordListFile, ARebuiltLexiconLeavesTheLoadedOneAsItWas) {
    const std::vector<std::string> lines = RandomWordLines(11, Language::English, 3000, 2, 12);
    std::string list;
    for (const std::string& line : lines) list += line + "\n";
    TestLexiconFolder folder;
    const std::string lexicon = folder.Path() + "/LEX.QLX";
    ASSERT_EQ(RunQlxbuild("--language english " + WriteFile("big.txt", list) + " " + lexicon).status, 0);
    folder.Load();
    ASSERT_EQ(RunQlxbuild("--language english " + WriteFile("small.txt", "cat\n") + " " + lexicon).status, 0);
    for (const std::string& word : FoldedWords(lines, Language::English))
        ASSERT_TRUE(IsWordInLexicon(PrimaryRole, false, word)) << word;
}

TEST_F(WordListFile, AFailedBuildLeavesTheOldLexicon) {
    const auto list = WriteFile("words.txt", "cat\ndog\nemu\n");
    const auto output = (Folder() / "X.QLX").string();
    ASSERT_EQ(RunQlxbuild("--language english " + list + " " + output).status, 0);
    const std::string lexicon = ReadFile("X.QLX");
    ProgramResult result;
    {
        FileSizeLimit full(lexicon.size() / 2);
        result = RunQlxbuild("--language english --long-name Another " + list + " " + output);
    }
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.output.find("qlxbuild: cannot write " + output + ": "), std::string::npos) << result.output;
    EXPECT_EQ(ReadFile("X.QLX"), lexicon);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(Folder()), {}), 2) << "no temporary file is left";
}

}  // namespace
}  // namespace qora
