// Reading a whole text file that the program runs or obeys (command files,
// the initialization file) into code-page lines, each with the reason it
// cannot be used, so that the caller can stop at the first bad line with its
// line number.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace qora {

struct CheckedLine {
    std::string Text;     // code page 1252, without its line end
    std::string Problem;  // why the line cannot be used, or ""
};

// Reads the file as ForEachTextLine splits it (any line end, a UTF-8
// byte-order mark dropped); a line in UTF-8 becomes code page 1252. A line longer
// than `maxLineLength`, with a control character other than TAB, or with a
// character the code page lacks, gets its Problem. Returns false with the
// reason in `error` when the file cannot be read or is larger than `maxSize`.
bool ReadCheckedLines(const std::string& path, std::size_t maxSize, std::size_t maxLineLength,
                      std::vector<CheckedLine>& lines, std::string& error);

}  // namespace qora
