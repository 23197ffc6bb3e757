// Wordlist files (".wds"): a wordlist read from a text file, one item a
// line after an optional "#LABEL" line, and written back so that reading
// gives the same items.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace qora {

constexpr std::size_t MaxWordlistLineLength = 255;  // characters of an item's line
// A larger file is not read: the whole file is held while it is read, and a
// file chosen by mistake (a film, a disk image) would take all memory.
constexpr std::size_t MaxWordlistFileSize = std::size_t{64} << 20;

struct WordlistFileReport {
    std::int32_t Items = 0;         // items read or written
    std::int32_t SkippedLines = 0;  // junk: too long, control characters, characters the code page lacks
    bool LabelFromFile = false;
};

// Wordlist `number` (0 to 99) becomes the file's items, in file order, with
// the file's label. False with the reason when the file cannot be read.
bool ImportWordlist(const std::string& path, std::int32_t number, WordlistFileReport& report, std::string& error);

// Writes wordlist `number` to a new file, or appends to one, in `order` when
// given, so that ImportWordlist reads the same items back. False with the
// reason when the wordlist does not exist or the file cannot be written; a
// failed write or append leaves the file as it was.
bool ExportWordlist(std::int32_t number, const std::string& path, bool append, std::span<const std::int32_t> order,
                    WordlistFileReport& report, std::string& error);

}  // namespace qora
