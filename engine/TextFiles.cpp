#include "engine/TextFiles.h"

#include <cstdint>
#include <cstring>

namespace qora {

namespace {

// The code page's bytes 0x80..0x9F and the characters they stand for; the
// bytes 0xA0..0xFF are the characters U+00A0..U+00FF.
struct HighByte {
    std::uint32_t code;
    unsigned char byte;
};
constexpr HighByte CodePageHighBytes[] = {
    {0x20AC, 0x80}, {0x201A, 0x82}, {0x0192, 0x83}, {0x201E, 0x84}, {0x2026, 0x85}, {0x2020, 0x86}, {0x2021, 0x87},
    {0x02C6, 0x88}, {0x2030, 0x89}, {0x0160, 0x8A}, {0x2039, 0x8B}, {0x0152, 0x8C}, {0x017D, 0x8E}, {0x2018, 0x91},
    {0x2019, 0x92}, {0x201C, 0x93}, {0x201D, 0x94}, {0x2022, 0x95}, {0x2013, 0x96}, {0x2014, 0x97}, {0x02DC, 0x98},
    {0x2122, 0x99}, {0x0161, 0x9A}, {0x203A, 0x9B}, {0x0153, 0x9C}, {0x017E, 0x9E}, {0x0178, 0x9F}};

// The five bytes of 0x80..0x9F that the code page leaves undefined stand for
// the control characters of the same number, so that they too convert both
// ways.
bool IsUndefinedHighByte(std::uint32_t code) {
    return code == 0x81 || code == 0x8D || code == 0x8F || code == 0x90 || code == 0x9D;
}

// The code page byte of a Unicode character, or 0 when there is none.
unsigned char CodePageByteOf(std::uint32_t code) {
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF) || IsUndefinedHighByte(code))
        return static_cast<unsigned char>(code);
    for (const HighByte& entry : CodePageHighBytes)
        if (entry.code == code) return entry.byte;
    return 0;
}

// The Unicode character of a code page byte.
std::uint32_t UnicodeOf(unsigned char byte) {
    for (const HighByte& entry : CodePageHighBytes)
        if (entry.byte == byte) return entry.code;
    return byte;
}

void AppendUtf8(std::string& text, std::uint32_t code) {
    if (code < 0x80) {
        text += static_cast<char>(code);
    } else if (code < 0x800) {
        text += static_cast<char>(0xC0 | (code >> 6));
        text += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        text += static_cast<char>(0xE0 | (code >> 12));
        text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// Decodes the UTF-8 sequence at `text[i]`; returns its length, or 0 when the
// bytes there are no valid multi-byte sequence.
std::size_t DecodeUtf8Sequence(std::string_view text, std::size_t i, std::uint32_t& code) {
    const unsigned char lead = static_cast<unsigned char>(text[i]);
    std::size_t extra = 0;
    std::uint32_t smallest = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        extra = 1;
        smallest = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        extra = 2;
        smallest = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        extra = 3;
        smallest = 0x10000;
    } else
        return 0;
    if (i + extra >= text.size()) return 0;
    code = lead & (0x3Fu >> extra);
    for (std::size_t k = 1; k <= extra; ++k) {
        const unsigned char follow = static_cast<unsigned char>(text[i + k]);
        if ((follow & 0xC0) != 0x80) return 0;
        code = (code << 6) | (follow & 0x3Fu);
    }
    if (code < smallest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
    return extra + 1;
}

bool IsUtf8WithMultiByteSequence(std::string_view line) {
    bool multiByte = false;
    for (std::size_t i = 0; i < line.size();) {
        if (static_cast<unsigned char>(line[i]) < 0x80) {
            ++i;
            continue;
        }
        std::uint32_t code = 0;
        const std::size_t length = DecodeUtf8Sequence(line, i, code);
        if (length == 0) return false;
        multiByte = true;
        i += length;
    }
    return multiByte;
}

}  // namespace

bool NextTextLine(std::string_view bytes, std::size_t& position, std::string_view& line) {
    constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";
    if (position == 0 && bytes.starts_with(ByteOrderMark)) position = ByteOrderMark.size();
    if (position >= bytes.size()) return false;
    std::size_t end = position;
    while (end < bytes.size() && bytes[end] != '\n' && bytes[end] != '\r') ++end;
    line = bytes.substr(position, end - position);
    if (end < bytes.size() && bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n') ++end;
    position = end + 1;
    return true;
}

void ForEachTextLine(std::string_view bytes, std::size_t maxLength, const std::function<void(const TextLine&)>& visit) {
    std::size_t position = 0;
    TextLine line;
    while (NextTextLine(bytes, position, line.Text)) {
        ++line.Number;
        line.Cut = line.Text.size() > maxLength;
        if (line.Cut) line.Text = line.Text.substr(0, maxLength);
        visit(line);
    }
}

std::string LineToCodePage(std::string_view line, bool* lostCharacter) {
    if (!IsUtf8WithMultiByteSequence(line)) return std::string(line);
    std::string out;
    out.reserve(line.size());
    for (std::size_t i = 0; i < line.size();) {
        std::uint32_t code = static_cast<unsigned char>(line[i]);
        const std::size_t length = code < 0x80 ? 1 : DecodeUtf8Sequence(line, i, code);
        i += length;
        const unsigned char byte = CodePageByteOf(code);
        if (byte == 0 && code != 0) {
            out += '?';
            if (lostCharacter != nullptr) *lostCharacter = true;
        } else {
            out += static_cast<char>(byte);
        }
    }
    return out;
}

std::string LineForTextFile(std::string_view line) {
    if (!IsUtf8WithMultiByteSequence(line)) return std::string(line);
    std::string utf8;
    utf8.reserve(line.size() * 2);
    for (unsigned char c : line) AppendUtf8(utf8, UnicodeOf(c));
    return utf8;
}

unsigned char UpperCase1252(unsigned char c) {
    if (c >= 'a' && c <= 'z') return static_cast<unsigned char>(c - 32);
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<unsigned char>(c - 32);
    switch (c) {
        case 0x9A: return 0x8A;  // š
        case 0x9C: return 0x8C;  // œ
        case 0x9E: return 0x8E;  // ž
        case 0xFF: return 0x9F;  // ÿ
        default: return c;
    }
}

bool IsCapital1252(unsigned char c) {
    if (c >= 'A' && c <= 'Z') return true;
    if (c >= 0xC0 && c <= 0xDE) return c != 0xD7;
    return c == 0x8A || c == 0x8C || c == 0x8E || c == 0x9F;
}

std::string ToUpperCase1252(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) c = static_cast<char>(UpperCase1252(static_cast<unsigned char>(c)));
    return upper;
}

std::string_view TrimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

bool HasControlCharacter(std::string_view text) {
    for (unsigned char c : text)
        if (IsControlCharacter(c)) return true;
    return false;
}

}  // namespace qora
