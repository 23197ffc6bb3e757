#include "engine/TextFiles.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "support/EngineDataFixture.h"

namespace qora {
namespace {

// Line splitting and file reading are tested through the wordlist and
// definitions files that use them.

TEST(TextFilesTest, Utf8BecomesTheCodePageAndOtherBytesStay) {
    EXPECT_EQ("ca\xF1o \x80 \x97 \x9C", LineToCodePage("ca\xC3\xB1o \xE2\x82\xAC \xE2\x80\x94 \xC5\x93"));
    EXPECT_EQ("ca\xF1o", LineToCodePage("ca\xF1o")) << "already code page";
    EXPECT_EQ("\xC3\xB1\xFF", LineToCodePage("\xC3\xB1\xFF")) << "not valid UTF-8 as a whole";
    EXPECT_EQ("\xC0\x80", LineToCodePage("\xC0\x80")) << "an overlong form is no UTF-8";
    bool lost = false;
    EXPECT_EQ("a?b", LineToCodePage("a\xE4\xB8\xAD"
                                    "b",
                                    &lost));
    EXPECT_TRUE(lost);
    lost = false;
    LineToCodePage("plain", &lost);
    EXPECT_FALSE(lost);
}

TEST(TextFilesTest, UpperCaseAndTrimmingFollowTheCodePage) {
    EXPECT_EQ("CA\xD1O \xC9T\xC9 \x8C\x9F \xDF\xB5", ToUpperCase1252("ca\xF1o \xE9t\xE9 \x9C\xFF \xDF\xB5"));
    EXPECT_EQ("\xF7", ToUpperCase1252("\xF7"));
    EXPECT_EQ("a b", TrimBlanks(" \t a b\t "));
    EXPECT_EQ("", TrimBlanks(" \t "));
    EXPECT_TRUE(HasControlCharacter("a\x01"));
    EXPECT_TRUE(HasControlCharacter("a\x7F"));
    EXPECT_FALSE(HasControlCharacter("a\tb\x80\xFF"));
}

using WholeFilesTest = test::EngineDataTest;

TEST_F(WholeFilesTest, AWholeFileIsReplacedOrAppendedToAndTheOldOneKeptOnFailure) {
    const std::string path = PathOf("grids.txt");
    std::string error;
    ASSERT_TRUE(ReplaceFileWhole(path, "one\n", false, error)) << error;
    ASSERT_TRUE(ReplaceFileWhole(path, "two\n", true, error)) << error;
    EXPECT_EQ("one\ntwo\n", ReadFile("grids.txt"));
    ASSERT_TRUE(ReplaceFileWhole(path, "three\n", false, error)) << error;
    EXPECT_EQ("three\n", ReadFile("grids.txt"));
    EXPECT_FALSE(std::filesystem::exists(path + ".new"));
    EXPECT_FALSE(ReplaceFileWhole(PathOf("no-folder/grids.txt"), "x", false, error));
    EXPECT_EQ("No such file or directory", error);
}

TEST_F(WholeFilesTest, AFolderOrAFifoIsNoFile) {
    const std::string fifo = PathOf("fifo");
    ASSERT_EQ(0, ::mkfifo(fifo.c_str(), 0600));
    std::string bytes, error;
    for (const std::string& path : {PathOf(""), fifo}) {
        const std::string reason = path == fifo ? "it is not a regular file" : "it is a folder, not a file";
        EXPECT_EQ(reason, NotAFileReason(path));
        EXPECT_FALSE(ReadWholeFile(path, 100, bytes, error));  // a FIFO must not be opened: it would wait
        EXPECT_EQ(reason, error);
        EXPECT_FALSE(ReplaceFileWhole(path, "x", true, error));
        EXPECT_EQ(reason, error);
    }
    EXPECT_EQ("", NotAFileReason(PathOf("not-yet")));
    WriteFile("big", std::string(101, 'x'));
    EXPECT_FALSE(ReadWholeFile(PathOf("big"), 100, bytes, error));
    EXPECT_EQ("it is larger than 100 bytes", error);
}

}  // namespace
}  // namespace qora
