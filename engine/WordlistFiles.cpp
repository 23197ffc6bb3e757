#include "engine/WordlistFiles.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string_view>

#include "engine/TextFiles.h"
#include "engine/Tiles.h"
#include "engine/Wordlists.h"
#include "platform/Files.h"

namespace qora {

namespace {

constexpr const char* LabelLinePrefix = "#LABEL";

bool IsLabelLine(std::string_view text) {
    return text.substr(0, std::strlen(LabelLinePrefix)) == LabelLinePrefix &&
           (text.size() == std::strlen(LabelLinePrefix) || text[std::strlen(LabelLinePrefix)] == ' ');
}

// Bounds for the items of a wordlist file, to reserve room for them at
// once: its lines (each ends in LF, CR LF or a lone CR) and its bytes that
// are no line end (reading never makes a line longer).
struct ItemBounds {
    std::size_t Lines = 1;
    std::size_t TextBytes = 0;
};
ItemBounds ItemBoundsOf(std::string_view bytes) {
    ItemBounds bounds;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n' || (bytes[i] == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n')))
            ++bounds.Lines;
        else if (bytes[i] != '\r')
            ++bounds.TextBytes;
    }
    return bounds;
}

bool FileHasContent(const std::string& path) {
    std::error_code error;
    return std::filesystem::file_size(path, error) > 0 && !error;
}

}  // namespace

bool ImportWordlist(const std::string& path, std::int32_t number, WordlistFileReport& report, std::string& error) {
    report = {};
    if (!IsWordlistNumber(number)) {
        error = "no wordlist can have that number";
        return false;
    }
    std::string bytes;
    if (!ReadWholeFile(path, bytes, error, MaxWordlistFileSize)) return false;
    WordlistItems items;
    const ItemBounds bounds = ItemBoundsOf(bytes);
    items.Reserve(bounds.Lines, bounds.TextBytes);
    std::string label;
    bool sawContent = false;
    bool allWords = true;
    ForEachTextLine(bytes, MaxWordlistLineLength * MaxFileBytesPerCharacter, [&](const TextLine& line) {
        if (line.Cut || HasControlCharacter(line.Text)) {
            ++report.SkippedLines;
            return;
        }
        bool lostCharacter = false;
        const std::string text = LineToCodePage(line.Text, &lostCharacter);
        if (lostCharacter || text.size() > MaxWordlistLineLength) {
            ++report.SkippedLines;
            return;
        }
        const std::string_view trimmed = TrimBlanks(text);
        if (trimmed.empty()) return;
        const bool firstContent = !sawContent;
        sawContent = true;
        if (trimmed.front() == '#') {
            if (firstContent && IsLabelLine(trimmed)) {
                report.LabelFromFile = true;
                label = std::string(trimmed.substr(std::min(trimmed.size(), std::strlen(LabelLinePrefix) + 1)));
            }
            return;
        }
        std::string itemText = ToUpperCase1252(trimmed);
        std::replace(itemText.begin(), itemText.end(), '\t', ' ');  // a TAB inside an item is a blank
        std::optional<std::string> tiles = ItemTiles(itemText);
        if (!tiles) {
            ++report.SkippedLines;
            return;
        }
        allWords = allWords && IsWordOfLanguage(*tiles);
        items.Append({*tiles, {}});
    });
    items.ReleaseSlack();
    report.Items = static_cast<std::int32_t>(items.size());
    RemakeWordlist(*ObtainWordlist(number), std::move(items), allWords ? WordItems : StringItems, false);
    SetWordlistLabel(number, label);  // the slate takes no label
    return true;
}

bool ExportWordlist(std::int32_t number, const std::string& path, bool append, std::span<const std::int32_t> order,
                    WordlistFileReport& report, std::string& error) {
    report = {};
    const Wordlist* wordlist = FindWordlist(number);
    if (wordlist == nullptr) {
        error = "there is no such wordlist";
        return false;
    }
    std::string text;
    if (!wordlist->Label.empty() && !(append && FileHasContent(path)))
        text += LineForTextFile(std::string(LabelLinePrefix) + ' ' + wordlist->Label) + '\n';
    ForEachItemInOrder(*wordlist, order, [&](const WordlistItem& item) {
        text += LineForTextFile(WordToDisplay(item.Text)) + '\n';
        ++report.Items;
    });
    error = append ? AppendToFile(path, text, AppendStart::AfterLineEnd) : WriteWholeFile(path, text);
    return error.empty();
}

}  // namespace qora
