#include "engine/Definitions.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/EngineDataFixture.h"

namespace qora {
namespace {

using DefinitionsTest = test::EngineDataTest;

std::string Definition(std::string_view word) {
    const std::string* text = FindDefinition(word);
    return text == nullptr ? "(none)" : *text;
}

TEST_F(DefinitionsTest, EntriesAreReadWithCommentsRepeatsAndAnyLineEnd) {
    const DefinitionsLoadReport report = LoadDefinitions(WriteFile("defs.txt",
                                                                   "; a comment\r\n"
                                                                   "CAT a small domesticated carnivore [n]\r\n"
                                                                   "\r\n"
                                                                   "dog\t\ta canine [n]\n"
                                                                   "CAT to hoist an anchor [v]\r"
                                                                   "  QI  vital energy   \n"
                                                                   "ZA pizza"));
    EXPECT_TRUE(report.Opened);
    EXPECT_EQ(4, report.Entries);
    EXPECT_EQ(0, report.SkippedLines);
    EXPECT_EQ(4, DefinitionCount());
    EXPECT_EQ("a small domesticated carnivore [n] / to hoist an anchor [v]", Definition("CAT"));
    EXPECT_EQ("a canine [n]", Definition("Dog"));
    EXPECT_EQ("vital energy", Definition("qi"));
    EXPECT_EQ("pizza", Definition("ZA"));
    EXPECT_EQ("(none)", Definition("EMU"));
    EXPECT_EQ("(none)", Definition(""));
    ASSERT_NE(nullptr, DefinitionOf("ZA"));
}

TEST_F(DefinitionsTest, AMissingFileMeansNoDefinitionsAndSaysWhy) {
    LoadDefinitions(WriteFile("defs.txt", "CAT a cat\n"));
    const DefinitionsLoadReport report = LoadDefinitions(PathOf("TWLdefs.txt"));
    EXPECT_FALSE(report.Opened);
    EXPECT_FALSE(report.Reason.empty());
    EXPECT_EQ(0, DefinitionCount());
    EXPECT_EQ("(none)", Definition("CAT"));

    std::filesystem::resize_file(WriteFile("huge.txt", "CAT a cat\n"), MaxDefinitionsFileSize + 1);  // sparse
    EXPECT_EQ(LoadDefinitions(PathOf("huge.txt")).Reason, "it is larger than 268435456 bytes");
}

TEST_F(DefinitionsTest, OddAndOverlongLinesAreSkippedOrCutAndTheRestLoads) {
    std::string bytes = "CAT a cat\n";
    bytes += "WORDWITHOUTDEFINITION\n";
    bytes += "C4T digits are no letters\n";
    bytes += std::string(70, 'A') + " a word too long\n";
    bytes += std::string("\x01\x02\x00\xFF junk\n", 10);
    bytes += "LONG " + std::string(MaxDefinitionLineLength, 'x') + "\n";
    bytes +=
        "BEL a\x07"
        "bell\n";
    bytes += "DOG a dog";
    const DefinitionsLoadReport report = LoadDefinitions(WriteFile("defs.txt", bytes));
    EXPECT_EQ(4, report.SkippedLines);
    EXPECT_EQ(1, report.CutLines);
    EXPECT_EQ(4, report.Entries);
    EXPECT_EQ("a cat", Definition("CAT"));
    EXPECT_EQ("a dog", Definition("DOG"));
    EXPECT_EQ("a bell", Definition("BEL")) << "control characters become blanks";
    EXPECT_EQ(MaxDefinitionLineLength - 5, Definition("LONG").size());
}

TEST_F(DefinitionsTest, SpanishWordsAreDisplayTextInEitherEncoding) {
    LoadDefinitions(WriteFile("defs.txt", "CA\xD1O tubo\nchorro \xC3\xA1gua que sale\n"));
    EXPECT_EQ("tubo", Definition("ca\xF1o"));
    EXPECT_EQ("\xE1gua que sale", Definition("CHORRO")) << "UTF-8 read into the code page";
    SetLanguageTables(Language::Spanish);
    ASSERT_NE(nullptr, DefinitionOf(DisplayToWord("CHORRO")));
    ASSERT_NE(nullptr, DefinitionOf(DisplayToWord("ca\xF1o"))) << "blank-matched tiles";
}

TEST_F(DefinitionsTest, TypedTextsAssumeEnclosingBlanksUnlessBarred) {
    EXPECT_EQ(" noun ", StoredDefinitionText("noun"));
    EXPECT_EQ("noun ", StoredDefinitionText("|noun"));
    EXPECT_EQ(" noun", StoredDefinitionText("noun|"));
    EXPECT_EQ("noun", StoredDefinitionText("|noun|"));
    EXPECT_EQ("  ", StoredDefinitionText(""));
}

TEST_F(DefinitionsTest, TheTextTestIgnoresCaseAndPunctuation) {
    const std::string definition = "PRONOUN: a word (noun-like) used, e.g., as 'he'.";
    EXPECT_TRUE(DefinitionIncludes(definition, StoredDefinitionText("noun")));
    EXPECT_TRUE(DefinitionIncludes(definition, StoredDefinitionText("Pronoun")));
    EXPECT_TRUE(DefinitionIncludes(definition, StoredDefinitionText("|noun")));
    EXPECT_TRUE(DefinitionIncludes(definition, StoredDefinitionText("he")));
    EXPECT_TRUE(DefinitionIncludes(definition, StoredDefinitionText("e g")));
    EXPECT_TRUE(DefinitionIncludes(definition, StoredDefinitionText("noun like")));
    EXPECT_FALSE(DefinitionIncludes(definition, StoredDefinitionText("pro")));
    EXPECT_TRUE(DefinitionIncludes(definition, StoredDefinitionText("pro|")));
    EXPECT_FALSE(DefinitionIncludes(definition, StoredDefinitionText("word|s")));
    EXPECT_TRUE(DefinitionIncludes(definition, StoredDefinitionText("")));
    EXPECT_TRUE(DefinitionIncludes("Caf\xC9 au lait", StoredDefinitionText("caf\xE9")));
}

TEST_F(DefinitionsTest, SearchesCombineTwoTextsInWordOrder) {
    LoadDefinitions(WriteFile("defs.txt",
                              "ZEBRA a striped animal [n]\n"
                              "RUN to go quickly [v]\n"
                              "CATS plural of cat [n]\n"
                              "CAT a feline [n]\n"
                              "TO a preposition\n"));
    auto search = [](const char* first, DefinitionConnective connective, const char* second) {
        std::string words;
        SearchDefinitions(StoredDefinitionText(first), connective, StoredDefinitionText(second),
                          [&](const std::string& word, const std::string&) { words += word + " "; });
        return words;
    };
    EXPECT_EQ("CAT CATS ZEBRA ", search("n", DefinitionConnective::None, ""));
    EXPECT_EQ("CAT ZEBRA ", search("n", DefinitionConnective::AndNot, "plural"));
    EXPECT_EQ("CATS ", search("n", DefinitionConnective::And, "plural"));
    EXPECT_EQ("RUN ", search("|to", DefinitionConnective::Or, "verb|"));
    EXPECT_EQ("CAT CATS RUN ZEBRA ", search("n", DefinitionConnective::Or, "v"));
}

}  // namespace
}  // namespace qora
