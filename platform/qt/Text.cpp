#include "platform/qt/Text.h"

#include <array>

namespace qora {

namespace {

// Code points of the bytes 0x80..0x9F; 0 where the code page has no character
// (those bytes stand for the control characters of the same value).
constexpr std::array<char16_t, 32> HighControlRange = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                                       0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                                       0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                                       0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char16_t UnicodeOf(unsigned char byte) {
    if (byte < 0x80 || byte > 0x9F) return byte;
    const char16_t mapped = HighControlRange[byte - 0x80];
    return mapped != 0 ? mapped : byte;
}

char ByteOf(char16_t unit) {
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF)) return static_cast<char>(unit);
    for (std::size_t i = 0; i < HighControlRange.size(); ++i)
        if (HighControlRange[i] == unit || (HighControlRange[i] == 0 && unit == 0x80 + i))
            return static_cast<char>(0x80 + i);
    return '?';
}

}  // namespace

QString FromCodePage(std::string_view bytes) {
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (char byte : bytes) text.append(QChar(UnicodeOf(static_cast<unsigned char>(byte))));
    return text;
}

std::string ToCodePage(const QString& text) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar unit = text[i];
        if (unit.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) ++i;
        bytes += ByteOf(unit.unicode());
    }
    return bytes;
}

bool FitsCodePage(const QString& text) { return FromCodePage(ToCodePage(text)) == text; }

}  // namespace qora
