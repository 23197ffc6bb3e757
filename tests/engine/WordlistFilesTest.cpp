#include <gtest/gtest.h>

#include <filesystem>

#include "WordlistTestSetup.h"
#include "engine/WordlistFiles.h"

namespace qora {
namespace {

using WordlistFilesTest = test::EngineDataTest;

using test::Lines;
using test::Texts;

class Import {
public:
    Import(const std::string& path, std::int32_t number) { ok_ = ImportWordlist(path, number, report_, error_); }
    bool ok_;
    WordlistFileReport report_;
    std::string error_;
};

TEST_F(WordlistFilesTest, ExportAndImportRoundTripItemsAndLabel) {
    for (const char* word : {"cAT", "DOG", "EMU"}) AddWordToWordlist(Slate, word, false);
    CopyWordlist(0, 4);
    SetWordlistLabel(4, "Pets");
    WordlistFileReport report;
    std::string error;
    ASSERT_TRUE(ExportWordlist(4, PathOf("pets.wds"), false, {}, report, error)) << error;
    EXPECT_EQ(3, report.Items);
    EXPECT_EQ("#LABEL Pets\nCAT\nDOG\nEMU\n", ReadFile("pets.wds"));
    const Import import(PathOf("pets.wds"), 9);
    ASSERT_TRUE(import.ok_) << import.error_;
    EXPECT_EQ(3, import.report_.Items);
    EXPECT_TRUE(import.report_.LabelFromFile);
    EXPECT_EQ((Lines{"CAT", "DOG", "EMU"}), Texts(9));
    EXPECT_EQ("Pets", FindWordlist(9)->Label);
    EXPECT_EQ(WordItems, FindWordlist(9)->ItemKind);
}

// Items whose code-page bytes happen to be UTF-8 (\xC9\xA9 is "É©", and the
// UTF-8 of another character) read back as they were written.
TEST_F(WordlistFilesTest, WhateverIsWrittenReadsBackIdentically) {
    const Lines items = {"\xC9\xA9",
                         "\xC3\xA9T\xC9",
                         "\x80UROS",
                         "\xCF\xBB\xBF"
                         "BOM",
                         "PLAIN \xC9",
                         "\x81\xC3\x81",
                         std::string(127, 'A') + std::string(128, '\xC9') /* 255 characters */};
    Wordlist& wordlist = *ObtainWordlist(5);
    for (const std::string& item : items) AddWordToWordlist(wordlist, item, true);
    SetWordlistLabel(5, "\xC9\xA9 LABEL");
    WordlistFileReport report;
    std::string error;
    ASSERT_TRUE(ExportWordlist(5, PathOf("odd.wds"), false, {}, report, error)) << error;
    ASSERT_TRUE(ExportWordlist(5, PathOf("odd.wds"), true, {}, report, error)) << error;
    const Import import(PathOf("odd.wds"), 6);
    ASSERT_TRUE(import.ok_) << import.error_;
    EXPECT_EQ(0, import.report_.SkippedLines);
    Lines twice = Texts(5);
    const Lines once = twice;
    twice.insert(twice.end(), once.begin(), once.end());
    EXPECT_EQ(twice, Texts(6));
    EXPECT_EQ("\xC9\xA9 LABEL", FindWordlist(6)->Label);
}

TEST_F(WordlistFilesTest, ExportWritesThePresentationOrderAndAppendsWithoutASecondLabel) {
    for (const char* word : {"CAT", "DOG", "EMU"}) AddWordToWordlist(Slate, word, false);
    WordlistFileReport report;
    std::string error;
    const std::int32_t order[] = {2, 0, 1};
    ASSERT_TRUE(ExportWordlist(0, PathOf("slate.wds"), false, order, report, error));
    EXPECT_EQ("EMU\nCAT\nDOG\n", ReadFile("slate.wds"));
    CopyWordlist(0, 2);
    SetWordlistLabel(2, "More");
    ASSERT_TRUE(ExportWordlist(2, PathOf("slate.wds"), true, {}, report, error));
    EXPECT_EQ("EMU\nCAT\nDOG\nCAT\nDOG\nEMU\n", ReadFile("slate.wds"));
    ASSERT_TRUE(ExportWordlist(2, PathOf("new.wds"), true, {}, report, error));
    EXPECT_EQ("#LABEL More\nCAT\nDOG\nEMU\n", ReadFile("new.wds")) << "appending to no file starts it";
    WriteFile("edited.wds", "ANT");  // its last line end lost in an editor
    ASSERT_TRUE(ExportWordlist(2, PathOf("edited.wds"), true, {}, report, error));
    EXPECT_EQ("ANT\nCAT\nDOG\nEMU\n", ReadFile("edited.wds")) << "the first item does not join the last old line";
}

TEST_F(WordlistFilesTest, ExportFailuresAreReported) {
    WordlistFileReport report;
    std::string error;
    EXPECT_FALSE(ExportWordlist(3, PathOf("x.wds"), false, {}, report, error));
    EXPECT_FALSE(error.empty());
    error.clear();
    EXPECT_FALSE(ExportWordlist(0, PathOf("no/such/folder/x.wds"), false, {}, report, error));
    EXPECT_FALSE(error.empty());
}

TEST_F(WordlistFilesTest, RecordingFilesImportUnchangedInFileOrder) {
    const Import import(WriteFile("cw240101.wds", "QI\nZA\nQI\nAA\n"), 1);
    ASSERT_TRUE(import.ok_);
    EXPECT_EQ((Lines{"QI", "ZA", "QI", "AA"}), Texts(1));
    EXPECT_FALSE(import.report_.LabelFromFile);
    EXPECT_EQ("", FindWordlist(1)->Label);
}

TEST_F(WordlistFilesTest, LinesAreTrimmedFoldedAndAnyLineEndIsAccepted) {
    const Import import(WriteFile("mixed.wds", "  cat \r\n\r\n\tDog\rEMU\n# a comment\n\nant"), 2);
    ASSERT_TRUE(import.ok_);
    EXPECT_EQ((Lines{"CAT", "DOG", "EMU", "ANT"}), Texts(2));
    EXPECT_EQ(0, import.report_.SkippedLines);
}

TEST_F(WordlistFilesTest, OnlyAFirstLabelLineIsALabel) {
    Import labelled(WriteFile("a.wds", "\n#LABEL A label longer than twenty\nCAT\n#LABEL Other\n"), 3);
    EXPECT_EQ("A label longer than", FindWordlist(3)->Label);
    EXPECT_EQ((Lines{"CAT"}), Texts(3));
    Import late(WriteFile("b.wds", "CAT\n#LABEL Late\n"), 3);
    EXPECT_EQ("", FindWordlist(3)->Label);
    Import slate(WriteFile("c.wds", "#LABEL Slate\nCAT\n"), 0);
    EXPECT_EQ("", Slate.Label) << "the slate takes no label";
    Import empty(WriteFile("d.wds", "#LABEL\nCAT\n"), 3);
    EXPECT_TRUE(empty.report_.LabelFromFile);
    EXPECT_EQ("", FindWordlist(3)->Label);
}

// A label cut inside a run of blanks, from a file or a command, is written
// and read back as the same label.
TEST_F(WordlistFilesTest, ALabelCutInsideBlanksReadsBackAsWritten) {
    Import cut(WriteFile("cut.wds", "#LABEL ABCDEFGHIJKLMNOPQ   RSTUV\nCAT\n"), 3);
    ObtainWordlist(4);
    SetWordlistLabel(4, "ABCDEFGHIJKLMNOPQ   RSTUV");
    for (const std::int32_t number : {3, 4}) {
        EXPECT_EQ("ABCDEFGHIJKLMNOPQ", FindWordlist(number)->Label);
        WordlistFileReport report;
        std::string error;
        ASSERT_TRUE(ExportWordlist(number, PathOf("again.wds"), false, {}, report, error)) << error;
        Import again(PathOf("again.wds"), 9);
        EXPECT_EQ(FindWordlist(number)->Label, FindWordlist(9)->Label);
    }
}

TEST_F(WordlistFilesTest, LinesThatAreNoWordsMakeAListOfStrings) {
    Import import(WriteFile("pairs.wds", "CAT DOG\nEMU\n"), 2);
    EXPECT_EQ((Lines{"CAT DOG", "EMU"}), Texts(2));
    EXPECT_EQ(StringItems, FindWordlist(2)->ItemKind);
    Import racks(WriteFile("racks.wds", "AEIRST?\n"), 2);
    EXPECT_EQ(StringItems, FindWordlist(2)->ItemKind);
    Import long_(WriteFile("long.wds", std::string(33, 'A') + "\n"), 2);
    EXPECT_EQ(StringItems, FindWordlist(2)->ItemKind);
}

TEST_F(WordlistFilesTest, BinaryJunkOverlongLinesAndLostCharactersAreSkippedAndCounted) {
    std::string bytes = "CAT\n";
    bytes += std::string("\x00\x01\x02JUNK\xFF", 8) + "\n";
    bytes += std::string(MaxWordlistLineLength + 1, 'Q') + "\n";
    bytes += std::string(MaxWordlistLineLength, 'Q') + "\n";
    bytes += "\xE4\xB8\xAD\n";  // a character the code page lacks
    bytes += "DOG";
    Import import(WriteFile("junk.wds", bytes), 5);
    ASSERT_TRUE(import.ok_);
    EXPECT_EQ(3, import.report_.SkippedLines);
    EXPECT_EQ((Lines{"CAT", std::string(MaxWordlistLineLength, 'Q'), "DOG"}), Texts(5));
    for (int seed = 0; seed < 50; ++seed) {  // random bytes: no crash, every item printable
        std::string random(4000, '\0');
        std::uint32_t state = static_cast<std::uint32_t>(seed) * 2654435761u + 1;
        for (char& c : random) c = static_cast<char>((state = state * 1103515245u + 12345u) >> 24);
        Import any(WriteFile("random.wds", random), 6);
        ASSERT_TRUE(any.ok_);
        for (const WordlistItem& item : FindWordlist(6)->Items()) {
            EXPECT_FALSE(item.Text.empty());
            EXPECT_LE(item.Text.size(), MaxWordlistLineLength);
            for (unsigned char c : item.Text) EXPECT_TRUE(c >= 0x20 && c != 0x7F);
        }
    }
}

TEST_F(WordlistFilesTest, Utf8AndCodePageFilesReadAlike) {
    SetLanguageTables(Language::Spanish);
    Import cp(WriteFile("cp.wds", "CA\xD1O\nchorro\n"), 1);
    Import utf8(WriteFile("utf8.wds",
                          "\xEF\xBB\xBF"
                          "ca\xC3\xB1o\nCHORRO\n"),
                2);
    EXPECT_EQ(Texts(1), Texts(2));
    EXPECT_EQ(DisplayToWord("CA\xD1O"), Texts(1)[0]);
    EXPECT_EQ(DisplayToWord("CHORRO"), Texts(1)[1]);
    EXPECT_EQ(4u, Texts(1)[1].size()) << "CH and RR are single tiles";
    EXPECT_EQ(WordItems, FindWordlist(1)->ItemKind);
    WordlistFileReport report;
    std::string error;
    ASSERT_TRUE(ExportWordlist(2, PathOf("out.wds"), false, {}, report, error));
    EXPECT_EQ("CA\xD1O\nCHORRO\n", ReadFile("out.wds")) << "written in the code page, as display text";
}

// K and W are no Spanish tiles: kept as they are, they would read as J and T.
TEST_F(WordlistFilesTest, SpanishLinesWithLettersThatAreNoTileAreSkipped) {
    SetLanguageTables(Language::Spanish);
    const Import import(WriteFile("k.wds", "KIWI\nweb\nA[B\nCHAT\n"), 1);
    ASSERT_TRUE(import.ok_) << import.error_;
    EXPECT_EQ(3, import.report_.SkippedLines);
    EXPECT_EQ((Lines{DisplayToWord("CHAT")}), Texts(1));
}

TEST_F(WordlistFilesTest, ImportFailuresChangeNothing) {
    AddWordToWordlist(Slate, "CAT", false);
    Import missing(PathOf("missing.wds"), 0);
    EXPECT_FALSE(missing.ok_);
    EXPECT_FALSE(missing.error_.empty());
    Import outOfRange(WriteFile("x.wds", "DOG\n"), 100);
    EXPECT_FALSE(outOfRange.ok_);
    std::filesystem::resize_file(WriteFile("huge.wds", "DOG\n"), MaxWordlistFileSize + 1);  // sparse
    Import huge(PathOf("huge.wds"), 0);
    EXPECT_EQ(huge.error_, "it is larger than 67108864 bytes");
    EXPECT_EQ((Lines{"CAT"}), Texts(0));
    EXPECT_EQ(0, WordlistCount());
}

}  // namespace
}  // namespace qora
