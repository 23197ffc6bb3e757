// Reading the program's text files (wordlists, definitions, ...): whole-file
// reads, splitting into lines that tolerates any line end and any junk, and
// the code page 1252 that all text inside the program uses.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace qora {

// Reads a whole file as bytes; false with the system's reason in `error`.
bool ReadFileBytes(const std::string& path, std::string& bytes, std::string& error);

// Why the path cannot stand for a file to read or write: "it is a folder,
// not a file" or "it is not a regular file" (a FIFO, a device, a socket:
// opening a FIFO would wait for a writer); "" for a regular file or a path
// where nothing is yet.
std::string NotAFileReason(const std::string& path);

// Reads a whole regular file of at most `maxSize` bytes; false with the
// reason in `error` ("it is larger than 16777216 bytes").
bool ReadWholeFile(const std::string& path, std::size_t maxSize, std::string& bytes, std::string& error);

// Makes the bytes the whole file (after its old bytes when `append` and it
// exists). They go to a temporary file beside it that is then renamed over
// it, so that a failure (a full disk) leaves the old file as it was. False
// with the reason in `error`.
bool ReplaceFileWhole(const std::string& path, std::string_view bytes, bool append, std::string& error);

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

// A line in UTF-8 (valid, with at least one multi-byte sequence) becomes code
// page 1252; any other line is taken to be code page 1252 already. A
// character that the code page lacks becomes "?" and sets `*lostCharacter`.
std::string LineToCodePage(std::string_view line, bool* lostCharacter = nullptr);

// Upper case in code page 1252, accented letters included (ÿ becomes Ÿ; ß
// and µ have no capital in the code page and stay).
unsigned char UpperCase1252(unsigned char c);
std::string ToUpperCase1252(std::string_view text);

// Blanks and TABs removed from both ends.
std::string_view TrimBlanks(std::string_view text);

// Control characters other than TAB, the mark of binary junk in a text file.
inline bool IsControlCharacter(unsigned char c) { return (c < 0x20 && c != '\t') || c == 0x7F; }
bool HasControlCharacter(std::string_view text);

}  // namespace qora
