// Reading the program's text files (wordlists, definitions, ...): whole-file
// reads, splitting into lines that tolerates any line end and any junk, and
// the code page 1252 that all text inside the program uses.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace qora {

// One line of a text file, without its line end.
struct TextLine {
    std::string_view Text;
    int Number = 0;    // 1-based line number in the file
    bool Cut = false;  // the line was longer than allowed and Text is its start
};

// Calls `visit` for every line of `bytes`. A line ends at LF, CR LF or a lone
// CR; the last line needs no line end. A line longer than `maxLength` bytes
// is passed cut to `maxLength` with Cut set. Any byte may occur in a line. A
// UTF-8 byte-order mark before the first line is dropped.
void ForEachTextLine(std::string_view bytes, std::size_t maxLength, const std::function<void(const TextLine&)>& visit);

// The same lines one at a time, for a reader that stops early or looks at a
// line again: the line that begins at `position` (0: the start of the file),
// without its line end; `position` moves to the next line. False at the end.
bool NextTextLine(std::string_view bytes, std::size_t& position, std::string_view& line);

// A line in UTF-8 (valid, with at least one multi-byte sequence) becomes code
// page 1252; any other line is taken to be code page 1252 already. A
// character that the code page lacks becomes "?" and sets `*lostCharacter`.
std::string LineToCodePage(std::string_view line, bool* lostCharacter = nullptr);

// The bytes a text file gets for a line of code-page text, so that
// LineToCodePage reads them back as the same text: the line itself, unless
// its bytes happen to form UTF-8 with a multi-byte sequence ("\xC9\xA9", "É©",
// is the UTF-8 of another character); such a line is written in UTF-8. A
// character takes at most MaxFileBytesPerCharacter bytes.
std::string LineForTextFile(std::string_view line);
constexpr std::size_t MaxFileBytesPerCharacter = 3;

// Upper case in code page 1252, accented letters included (ÿ becomes Ÿ; ß
// and µ have no capital in the code page and stay).
unsigned char UpperCase1252(unsigned char c);
std::string ToUpperCase1252(std::string_view text);

// A capital letter of code page 1252: one that UpperCase1252 makes of a
// small letter (A to Z, À to Þ but ×, Š, Œ, Ž, Ÿ).
bool IsCapital1252(unsigned char c);

// Blanks and TABs removed from both ends.
std::string_view TrimBlanks(std::string_view text);

// Control characters other than TAB, the mark of binary junk in a text file.
inline bool IsControlCharacter(unsigned char c) { return (c < 0x20 && c != '\t') || c == 0x7F; }
bool HasControlCharacter(std::string_view text);

}  // namespace qora
