#include "processor/CheckedLines.h"

#include "engine/Listings.h"
#include "engine/TextFiles.h"
#include "platform/Files.h"

namespace qora {

namespace {

std::string LineProblem(const TextLine& line, std::size_t characters, std::size_t maxLineLength, bool lostCharacter) {
    if (line.Cut || characters > maxLineLength)
        return FormatText("The line is longer than %zu characters", maxLineLength);
    for (std::size_t i = 0; i < line.Text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(line.Text[i]);
        if (IsControlCharacter(c))
            return FormatText("The line holds the control character %d at character %zu", c, i + 1);
    }
    if (lostCharacter) return "The line holds a character that the program's code page does not have";
    return {};
}

}  // namespace

bool ReadCheckedLines(const std::string& path, std::size_t maxSize, std::size_t maxLineLength,
                      std::vector<CheckedLine>& lines, std::string& error) {
    std::string bytes;
    if (!ReadWholeFile(path, bytes, error, maxSize)) return false;
    lines.clear();
    // A line in UTF-8 may take several bytes a character.
    ForEachTextLine(bytes, maxLineLength * MaxFileBytesPerCharacter, [&](const TextLine& line) {
        bool lostCharacter = false;
        std::string text = LineToCodePage(line.Text, &lostCharacter);
        std::string problem = LineProblem(line, text.size(), maxLineLength, lostCharacter);
        lines.push_back({std::move(text), std::move(problem)});
    });
    return true;
}

}  // namespace qora
