#include "engine/TextFiles.h"

#include <gtest/gtest.h>

namespace qora {
namespace {

// Line splitting is tested through the wordlist and definitions files that
// use it; reading and writing whole files with platform/Files.

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

}  // namespace
}  // namespace qora
