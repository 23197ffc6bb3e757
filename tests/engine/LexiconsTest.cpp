#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <random>
#include <set>

#include "engine/Lexicons.h"
#include "engine/Search.h"
#include "engine/WordTests.h"
#include "support/TestLexicon.h"

namespace qora {
namespace {

const std::vector<std::string> SmallEnglish = {"CAT", "ACT", "TACT", "CATS", "AT"};

// Finds and chooses the folder's lexicons; returns the error, or "" on success.
std::string LoadError(TestLexiconFolder& folder, int primary = 0) {
    std::string error;
    if (!FindLexiconFiles(folder.Path(), error)) return error;
    if (!ChooseLexicons(primary, -1, primary, error)) return error;
    return "";
}

void PutU32(std::vector<unsigned char>& image, std::size_t at, std::uint32_t value) {
    for (int k = 0; k < 4; ++k) image[at + k] = static_cast<unsigned char>(value >> (8 * k));
}

std::uint32_t GetU32(const std::vector<unsigned char>& image, std::size_t at) {
    return image[at] | image[at + 1] << 8 | image[at + 2] << 16 | static_cast<std::uint32_t>(image[at + 3]) << 24;
}

std::size_t NodeOffset(std::size_t node) { return LexiconHeaderSize + 4 * node; }

std::size_t NodeCountOf(const std::vector<unsigned char>& image) { return (image.size() - LexiconHeaderSize) / 4; }

// ---- Finding the lexicon files ----------------------------------------------

TEST(LexiconDiscovery, TakesOnlyLexiconFilesInFileNameOrderIgnoringCase) {
    TestLexiconFolder folder;
    folder.Add("zeta.qlx", SmallEnglish);
    folder.Add("Beta.QLX", SmallEnglish);
    folder.Add("alpha.Qlx", SmallEnglish);
    folder.AddFile("notes.txt", {'x'});
    folder.AddFile("ALPHA.QLX.bak", {'x'});
    std::filesystem::create_directory(std::filesystem::path(folder.Path()) / "DIR.QLX");
    std::string error;
    ASSERT_TRUE(FindLexiconFiles(folder.Path(), error)) << error;
    ASSERT_EQ(LexiconCount, 3);
    EXPECT_EQ(LexiconTable[0].FileName, "alpha.Qlx");
    EXPECT_EQ(LexiconTable[1].FileName, "Beta.QLX");
    EXPECT_EQ(LexiconTable[2].FileName, "zeta.qlx");
    for (const auto& record : LexiconTable) EXPECT_EQ(record.Nodes, nullptr) << "loaded before being chosen";
}

TEST(LexiconDiscovery, AcceptsEighteenFilesAndRefusesMore) {
    TestLexiconFolder folder;
    const auto image = TestLexiconImage(SmallEnglish);
    for (int k = 0; k < MaxLexiconFiles; ++k) folder.AddFile("L" + std::to_string(10 + k) + ".QLX", image);
    std::string error;
    EXPECT_TRUE(FindLexiconFiles(folder.Path(), error)) << error;
    EXPECT_EQ(LexiconCount, 18);
    folder.AddFile("L99.QLX", image);
    EXPECT_FALSE(FindLexiconFiles(folder.Path(), error));
    EXPECT_EQ(error, "There are more than 18 lexicon files in the current folder.");
    EXPECT_EQ(LexiconCount, 0);
}

TEST(LexiconDiscovery, ReportsAFolderWithoutLexicons) {
    TestLexiconFolder folder;
    folder.AddFile("words.txt", {'A'});
    std::string error;
    EXPECT_FALSE(FindLexiconFiles(folder.Path(), error));
    EXPECT_EQ(error, "There is no lexicon file (*.QLX) in the current folder.");
    EXPECT_FALSE(FindLexiconFiles(folder.Path() + "/missing", error));
    EXPECT_EQ(error, "There is no lexicon file (*.QLX) in the current folder.");
}

TEST(LexiconDiscovery, ReadsHeaderFieldsAndNamesEmptyNamesAfterTheFile) {
    TestLexiconFolder folder;
    LexiconBuildOptions options;
    options.edition = 7;
    options.shortName = "WORLD";
    options.longName = "World-wide test list";
    options.longWordLimit = 9;
    folder.Add("A.QLX", SmallEnglish, Language::French, options);
    auto unnamed = TestLexiconImage(SmallEnglish, Language::Spanish);
    std::fill(unnamed.begin() + LexiconShortNameOffset, unnamed.begin() + LexiconHeaderSize, 0);
    folder.AddFile("A_VERY_LONG_FILE_NAME.QLX", unnamed);
    std::string error;
    ASSERT_TRUE(FindLexiconFiles(folder.Path(), error)) << error;
    const LexiconRecord& named = LexiconTable[0];
    EXPECT_EQ(named.TreeNumber, 2007u);
    EXPECT_EQ(named.LexiconLanguage, Language::French);
    EXPECT_EQ(named.MaxWordLength, 4);
    EXPECT_EQ(named.LongWordLimit, 9);
    EXPECT_EQ(named.ShortName, "WORLD");
    EXPECT_EQ(named.LongName, "World-wide test list");
    const LexiconRecord& fromFile = LexiconTable[1];
    EXPECT_EQ(fromFile.LexiconLanguage, Language::Spanish);
    EXPECT_EQ(fromFile.ShortName, "A_VERY_LONG_FIL");
    EXPECT_EQ(fromFile.LongName, "A_VERY_LONG_FILE_NAME");
}

// ---- Refusing damaged files -------------------------------------------------

struct Damage {
    const char* name;
    std::function<void(std::vector<unsigned char>&)> apply;
    const char* reason;  // a part of the reason given
};

TEST(LexiconValidation, RefusesEveryKindOfDamageNamingFileAndReason) {
    const std::vector<Damage> damages = {
        {"too small", [](auto& b) { b.resize(LexiconHeaderSize + 4); }, "fewer than the 100"},
        {"odd size",
         [](auto& b) {
             b.push_back(0);
             b.push_back(0);
         },
         "not 92 bytes plus a multiple of 4"},
        {"header only", [](auto& b) { b.resize(40); }, "fewer than the 100"},
        {"bad magic", [](auto& b) { b[0] ^= 0xFF; }, "magic number"},
        {"tree number", [](auto& b) { PutU32(b, LexiconTreeNumberOffset, 3000); },
         "tree number 3000 names no language"},
        {"max length 1", [](auto& b) { b[LexiconMaxLengthOffset] = 1; }, "maximum word length 1 is outside 2 to 32"},
        {"max length 33", [](auto& b) { b[LexiconMaxLengthOffset] = 33; }, "maximum word length 33 is outside 2 to 32"},
        {"short name", [](auto& b) { std::fill_n(b.begin() + LexiconShortNameOffset, LexiconShortNameField, 'S'); },
         "short name has no terminating NUL"},
        {"long name", [](auto& b) { std::fill_n(b.begin() + LexiconLongNameOffset, LexiconLongNameField, 'L'); },
         "long name has no terminating NUL"},
        {"child past the end",
         [](auto& b) {
             PutU32(b, NodeOffset(1),
                    GetU32(b, NodeOffset(1)) | static_cast<std::uint32_t>(NodeCountOf(b)) << NodeChildShift);
         },
         "past the end"},
        {"no last sibling",
         [](auto& b) {
             const auto at = NodeOffset(NodeCountOf(b) - 1);
             PutU32(b, at, GetU32(b, at) & ~NodeLastSibling);
         },
         "runs off the end"},
        {"letter outside", [](auto& b) { b[NodeOffset(2)] = '['; }, "which is no English tile"},
        {"letter zero", [](auto& b) { b[NodeOffset(1)] = 0; }, "which is no English tile"},
        {"siblings out of order", [](auto& b) { b[NodeOffset(1)] = 'Z'; }, "not in ascending letter order"},
        {"loop", [](auto& b) { PutU32(b, NodeOffset(3), MakeNode('T', true, false, 1)); },
         "loops from node 3 back to node 1"},
    };
    for (const auto& damage : damages) {
        SCOPED_TRACE(damage.name);
        TestLexiconFolder folder;
        auto image = TestLexiconImage(SmallEnglish);  // root list: A C T
        damage.apply(image);
        folder.AddFile("BAD.QLX", image);
        const std::string error = LoadError(folder);
        EXPECT_EQ(error.rfind("File BAD.QLX is not a lexicon file. ", 0), 0u) << error;
        EXPECT_NE(error.find(damage.reason), std::string::npos) << error;
    }
}

TEST(LexiconValidation, RefusesAGraphOfTooManyWordBeginnings) {
    // 26 + ... + 26^5 is about 12 million beginnings; with 26^6 they pass
    // 2^28.
    for (const int levels : {5, 6, 32}) {
        SCOPED_TRACE(levels);
        TestLexiconFolder folder;
        folder.AddFile("ALL.QLX", EveryWordLexiconImage(levels));
        const std::string error = LoadError(folder);
        if (levels == 5)
            EXPECT_EQ(error, "");
        else
            EXPECT_EQ(error,
                      "File ALL.QLX is not a lexicon file. Its word graph spells more than 268435456 word "
                      "beginnings, far more than any word list, and a search of it would not end.");
    }
}

TEST(LexiconValidation, ReportsAFileThatCannotBeOpened) {
    TestLexiconFolder folder;
    folder.Add("GONE.QLX", SmallEnglish);
    std::string error;
    ASSERT_TRUE(FindLexiconFiles(folder.Path(), error));
    std::filesystem::remove(std::filesystem::path(folder.Path()) / "GONE.QLX");
    EXPECT_FALSE(ChooseLexicons(0, -1, 0, error));
    EXPECT_EQ(error, "Lexicon file GONE.QLX cannot be opened.");
}

// Random damage to a good lexicon: whatever passes validation must be safe
// to walk (run under the sanitizers to see a stray read).
TEST(LexiconValidation, DamagedFilesThatPassCanBeWalkedSafely) {
    const auto lines = RandomWordLines(11, Language::English, 300, 2, 9);
    const auto good = TestLexiconImage(lines);
    std::mt19937 random(5);
    int passed = 0;
    for (int round = 0; round < 300; ++round) {
        auto image = good;
        for (int flips = 1 + round % 4; flips > 0; --flips) {
            const std::size_t at = LexiconHeaderSize + random() % (image.size() - LexiconHeaderSize);
            image[at] ^= static_cast<unsigned char>(1u << (random() % 8));
        }
        LexiconRecord record;
        record.MaxWordLength = 9;
        record.Nodes = reinterpret_cast<const LexiconNode*>(image.data() + LexiconHeaderSize);
        record.NodeCount = NodeCountOf(image);
        std::string reason;
        if (!ValidateLexiconNodes(record.Nodes, record.NodeCount, Language::English, reason)) continue;
        ++passed;
        // Loops are refused, but damage may still link the graph into many
        // more words; a budget of matches keeps the walk short.
        LetterCounts none{};
        AnagramConstraint anything(none, 0, true, AnagramFit::AtMost, LatinTileCount);
        int budget = 20000;
        SearchLexicon(record, anything, [&budget](const SearchMatch&) { return --budget > 0; });
    }
    EXPECT_GT(passed, 0);
}

// ---- Bounds on how deep the words below a list go ----------------------------

int HeightBelow(const LexiconRecord& lexicon, std::uint32_t first) {
    int height = 0;
    for (std::uint32_t i = first;; ++i) {
        const std::uint32_t child = NodeChild(lexicon.Nodes[i]);
        height = std::max(height, 1 + (child != 0 ? HeightBelow(lexicon, child) : 0));
        if (NodeIsLastSibling(lexicon.Nodes[i])) return height;
    }
}

TEST(LexiconLayout, ShallowListBoundsNeverCutOffALongEnoughWord) {
    const RandomLexicon generated(3, Language::English, 2000, 2, 14);
    const LexiconRecord& lexicon = generated.Record;
    std::set<std::uint32_t> starts{1};
    for (std::size_t i = 1; i < lexicon.NodeCount; ++i)
        if (NodeChild(lexicon.Nodes[i]) != 0) starts.insert(NodeChild(lexicon.Nodes[i]));
    for (std::uint32_t first : starts) {
        // Bounds fall as k rises, so a list of height h must be kept for h.
        const int height = HeightBelow(lexicon, first);
        EXPECT_LT(first, lexicon.ShallowListStart[height]) << "a list of height " << height << " would be left early";
    }
    EXPECT_EQ(lexicon.ShallowListStart[lexicon.MaxWordLength + 1], 0u) << "no word is longer than the longest";
    EXPECT_LT(lexicon.ShallowListStart[5], lexicon.NodeCount) << "the compiler's layout lets searches leave lists";
}

TEST(LexiconLayout, AnotherLayoutIsSearchedWhole) {
    // A B C with the child of B's list placed before it: valid, but not laid
    // out highest first, so no list may be left early.
    auto image = TestLexiconImage({"AB"});
    image.resize(LexiconHeaderSize + 4 * 4);
    PutU32(image, NodeOffset(1), MakeNode('A', true, false, 3));
    PutU32(image, NodeOffset(2), MakeNode('C', true, true, 0));
    PutU32(image, NodeOffset(3), MakeNode('B', true, false, 2));
    image[LexiconMaxLengthOffset] = 3;
    TestLexiconFolder folder;
    folder.AddFile("A.QLX", image);
    folder.Load();
    for (int k = 1; k <= LexiconMaxWordLength + 1; ++k) EXPECT_EQ(LexiconTable[0].ShallowListStart[k], 4u);
    EXPECT_TRUE(IsWordInLexicon(PrimaryRole, false, "ABC"));
    EXPECT_EQ(AnagramCount("CAB"), 1);
}

// ---- Choosing lexicons ------------------------------------------------------

TEST(LexiconChoice, SetsFlagsAndLimitsFromTheChosenLexicons) {
    TestLexiconFolder folder;
    LexiconBuildOptions options;
    options.longWordLimit = 6;
    folder.Add("1ENGLISH.QLX", {"CAT", "CATTLE"}, Language::English, options);
    folder.Add("2SPANISH.QLX", {"CHICO", "GATO"}, Language::Spanish);
    folder.Add("3FRENCH.QLX", {"CHAT", "CHIEN"}, Language::French);
    std::vector<bool> languageChanges;
    AddLexiconStatusHook([&](const LexiconStatusChange& change) {
        languageChanges.push_back(change.LanguageChanged);
        EXPECT_EQ(MaxWordLength, LexiconTable[PrimaryLexicon].MaxWordLength) << "hooks run after the engine's part";
    });
    folder.Load(0, 1, 2);
    EXPECT_EQ(MaxWordLength, 6);
    EXPECT_EQ(LexiconLongWordLimit, 6);
    EXPECT_FALSE(SpanishLexiconActive);
    EXPECT_TRUE(SecondaryLexiconSpanish);
    EXPECT_FALSE(ChallengeLexiconSpanish);

    std::string error;
    ASSERT_TRUE(ChooseLexicons(1, -1, 1, error)) << error;
    EXPECT_TRUE(SpanishLexiconActive);
    EXPECT_EQ(ActiveTileCount(), 28);
    EXPECT_EQ(TileCounts, SpanishTileCounts);
    EXPECT_EQ(MaxWordLength, 4);  // CHICO is 4 tiles
    EXPECT_EQ(LexiconLongWordLimit, 0);
    EXPECT_TRUE(ChallengeLexiconSpanish);
    EXPECT_FALSE(SecondaryLexiconSpanish);

    ASSERT_TRUE(ChooseLexicons(2, 0, 2, error)) << error;
    EXPECT_TRUE(FrenchLexiconActive);
    EXPECT_FALSE(SpanishLexiconActive);
    EXPECT_EQ(languageChanges, (std::vector<bool>{true, true, true}));

    // The same language again keeps a redefined bag.
    TileCounts[0] = 99;
    ASSERT_TRUE(ChooseLexicons(2, -1, 0, error)) << error;
    EXPECT_EQ(languageChanges.back(), false);
    EXPECT_EQ(TileCounts[0], 99);
}

TEST(LexiconChoice, LoadsALexiconOnceWhenFirstChosen) {
    TestLexiconFolder folder;
    folder.Add("A.QLX", SmallEnglish);
    folder.Add("B.QLX", SmallEnglish);
    folder.Load(0, -1, 0);
    EXPECT_NE(LexiconTable[0].Nodes, nullptr);
    EXPECT_EQ(LexiconTable[1].Nodes, nullptr);
    const LexiconNode* nodes = LexiconTable[0].Nodes;
    std::string error;
    ASSERT_TRUE(ChooseLexicons(1, 0, 1, error)) << error;
    ASSERT_TRUE(ChooseLexicons(0, -1, 0, error)) << error;
    EXPECT_EQ(LexiconTable[0].Nodes, nodes);
}

// Another program may rewrite a lexicon file in place (a copy over it, an
// editor): cut short, or with other words, it changes nothing loaded.
TEST(LexiconChoice, ALexiconRewrittenInPlaceLeavesTheLoadedOneAsItWas) {
    const std::vector<std::string> lines = RandomWordLines(4, Language::English, 3000, 2, 12);
    TestLexiconFolder folder;
    const LexiconRecord& lexicon = folder.LoadWords(lines);
    const std::vector<std::string> words = FoldedWords(lines, Language::English);
    const auto path = std::filesystem::path(folder.Path()) / "LEX.QLX";
    const std::uintmax_t size = std::filesystem::file_size(path);
    std::filesystem::resize_file(path, LexiconHeaderSize);
    std::filesystem::resize_file(path, size);  // the same size again, all zeros
    EXPECT_EQ(LexiconWords(lexicon), words);
    std::filesystem::resize_file(path, 0);
    EXPECT_EQ(LexiconWords(lexicon), words);
}

TEST(LexiconChoice, AFailedChoiceChangesNothing) {
    TestLexiconFolder folder;
    folder.Add("A.QLX", SmallEnglish);
    auto bad = TestLexiconImage(SmallEnglish);
    bad[NodeOffset(2)] = '[';
    folder.AddFile("B.QLX", bad);
    folder.Load(0, -1, 0);
    std::string error;
    EXPECT_FALSE(ChooseLexicons(0, 1, 0, error));
    EXPECT_EQ(SecondaryLexiconIndex, -1);
    EXPECT_FALSE(ChooseLexicons(0, 2, 0, error));
    EXPECT_FALSE(ChooseLexicons(-1, -1, 0, error));
    EXPECT_EQ(PrimaryLexicon, 0);
    EXPECT_TRUE(IsWordInLexicon(PrimaryRole, false, "TACT"));
}

}  // namespace
}  // namespace qora
