#include "platform/qt/Text.h"

#include <gtest/gtest.h>

namespace qora {
namespace {

TEST(CodePageText, EveryByteSurvivesTheRoundTrip) {
    std::string all;
    for (int byte = 1; byte < 256; ++byte) all += static_cast<char>(byte);
    EXPECT_EQ(ToCodePage(FromCodePage(all)), all);
}

TEST(CodePageText, MapsTheCodePageCharacters) {
    EXPECT_EQ(FromCodePage("\xD1"), QString(QChar(0xD1)));
    EXPECT_EQ(FromCodePage("\x80\x96"), QString::fromUtf16(u"\u20AC\u2013"));
    EXPECT_EQ(ToCodePage(QString::fromUtf16(u"\u00F1\u2019")), "\xF1\x92");
}

TEST(CodePageText, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    EXPECT_EQ(ToCodePage(QString::fromUtf16(u"a\u4E2Db")), "a?b");
    EXPECT_EQ(ToCodePage(QString::fromUtf16(u"x\U0001F600y")), "x?y");
}

}  // namespace
}  // namespace qora
