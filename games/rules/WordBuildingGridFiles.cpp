#include "games/rules/WordBuildingGridFiles.h"

#include <cstdio>
#include <cstring>

#include "engine/Listings.h"
#include "engine/TextFiles.h"
#include "engine/Tiles.h"
#include "games/rules/WordBuildingRules.h"

namespace qora {

namespace {

constexpr const char* MonthNames[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                      "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
constexpr int TimeTextLength = 18;
constexpr std::size_t MaxGridLineLength = 105;  // 106 characters with the line end

// The Spanish tiles written as digits in a grid file.
constexpr std::pair<int, char> SpanishTileDigits[] = {{SpanishTileCH, '1'}, {SpanishTileLL, '2'}, {SpanishTileRR, '3'}};

// The blanks a scanf directive skips.
bool IsScanBlank(char c) { return std::strchr(" \t\n\v\f\r", c) != nullptr && c != '\0'; }

std::string_view SkipBlanks(std::string_view text) {
    while (!text.empty() && IsScanBlank(text.front())) text.remove_prefix(1);
    return text;
}

// Takes `word` off the front of the text, then any blanks.
bool TakeWord(std::string_view& text, std::string_view word) {
    if (!text.starts_with(word)) return false;
    text = SkipBlanks(text.substr(word.size()));
    return true;
}

}  // namespace

std::string FormatGameTime(std::time_t time) {
    std::tm local{};
    localtime_r(&time, &local);
    return FormatText("%2d-%s-%02d %02d:%02d:%02d", local.tm_mday, MonthNames[local.tm_mon], local.tm_year % 100,
                      local.tm_hour, local.tm_min, local.tm_sec);
}

std::time_t ParseGameTime(std::string_view text) {
    const std::string line(text);
    int day = 0, year = 0, hour = 0, minute = 0, second = 0;
    char month[4] = {};
    if (std::sscanf(line.c_str(), "%2d-%3s-%02d %02d:%02d:%02d", &day, month, &year, &hour, &minute, &second) != 6)
        return -1;
    int monthIndex = 0;
    while (monthIndex < 12 && std::strcmp(month, MonthNames[monthIndex]) != 0) ++monthIndex;
    if (monthIndex == 12) return -1;
    std::tm local{};
    local.tm_mday = day;
    local.tm_mon = monthIndex;
    local.tm_year = 2000 + year - 1900;
    local.tm_hour = hour;
    local.tm_min = minute;
    local.tm_sec = second;
    local.tm_isdst = -1;
    return std::mktime(&local);
}

std::string GridLettersAsText(std::string_view letters, bool spanish) {
    if (!spanish) return std::string(letters);
    std::string text;
    for (unsigned char tile : letters) {
        char digit = 0;
        for (auto [number, character] : SpanishTileDigits)
            if (tile == TileBase + number) digit = character;
        text += digit != 0 ? std::string(1, digit) : TileToText(tile);
    }
    return text;
}

std::string GridLettersOfText(std::string_view text) {
    std::string letters;
    for (unsigned char c : text) {
        if (!SpanishLexiconActive) {
            letters += static_cast<char>(c);
            continue;
        }
        int tile = c >= 'A' && c <= 'Z' ? SpanishTileCodes[c] : c == UpperEnye ? SpanishTileEnye : 0;
        for (auto [number, character] : SpanishTileDigits)
            if (c == static_cast<unsigned char>(character)) tile = number;
        if (tile == 0) return {};
        letters += static_cast<char>(TileBase + tile);
    }
    return IsWordBuildingGrid(letters) ? letters : std::string();
}

void WriteGridRecord(std::string& text, std::string_view letters, std::time_t created, bool spanish) {
    text += "GRID CREATED " + FormatGameTime(created) + "\n";
    text += "GRID " + GridLettersAsText(letters, spanish) + "\n";
}

int WriteWordBuildingGrids(std::string& text) {
    for (const WordBuildingGridEntry& entry : WordBuildingGrids.entries) {
        WriteGridRecord(text, entry.letters, entry.created, entry.spanish);
        text += "\n";
    }
    return static_cast<int>(WordBuildingGrids.entries.size());
}

TimeLineReading ReadTimeLine(std::string_view line, std::string_view first, std::string_view second, std::string& text,
                             std::time_t& time) {
    // The time text is 18 characters with the line end after a day below
    // 10, whose blank the blanks after the words take: the line end of the
    // last line may be missing then.
    if (!TakeWord(line, first) || !TakeWord(line, second) || line.size() < TimeTextLength - 1)
        return TimeLineReading::NotThatLine;
    const bool shortDay = line.size() > 1 && line[1] == '-';
    text =
        shortDay ? " " + std::string(line.substr(0, TimeTextLength - 1)) : std::string(line.substr(0, TimeTextLength));
    time = ParseGameTime(text);
    return time == -1 ? TimeLineReading::BadTime : TimeLineReading::Read;
}

std::string ReadGridLine(std::string_view line, std::string& letters) {
    const std::string gridLine = LineToCodePage(line);
    if (gridLine.size() > MaxGridLineLength) return "The GRID line is too long";
    std::string_view word = gridLine;
    if (!TakeWord(word, "GRID") || word.empty()) return "Expecting a GRID line";
    word = word.substr(0, std::min(word.find_first_of(" \t\n\v\f\r"), word.size()));
    if (word.size() != WordBuildingGridSize) return "The GRID line must have 96 letters";
    letters = GridLettersOfText(word);
    if (letters.empty()) return "The GRID line has a letter that is no tile of the lexicon's language";
    return "";
}

GridFileReading ParseWordBuildingGrids(std::string_view bytes) {
    GridFileReading reading;
    int lineNumber = 0;
    const auto fail = [&](const std::string& error) {
        reading.errorLine = lineNumber;
        reading.error = error;
        return reading;
    };
    std::size_t position = 0;
    std::string_view created;
    while (NextTextLine(bytes, position, created)) {
        ++lineNumber;
        if (created.empty()) continue;
        std::string timeText;
        std::time_t time = 0;
        switch (ReadTimeLine(created, "GRID", "CREATED", timeText, time)) {
            case TimeLineReading::NotThatLine: return fail("Did not find the expected GRID CREATED line");
            case TimeLineReading::BadTime: return fail("Incorrect format for the GRID CREATED line");
            case TimeLineReading::Read: break;
        }
        std::string_view gridLine;
        if (!NextTextLine(bytes, position, gridLine)) return fail("Premature end of file");
        ++lineNumber;
        std::string letters;
        if (std::string error = ReadGridLine(gridLine, letters); !error.empty()) return fail(error);
        reading.grids.push_back({std::move(letters), time});
    }
    return reading;
}

std::string GridFileErrorText(const GridFileReading& reading) {
    const auto read = static_cast<long long>(reading.grids.size());
    return FormatText(
        "Error reading Word-Building Game Grids file on line %d: %s.,the first %lld grid%s in the file were imported.",
        reading.errorLine, reading.error.c_str(), read, PluralSuffix(read));
}

GridFileImport ReadWordBuildingGrids(std::string_view bytes) {
    GridFileImport import;
    if (WordBuildingGameState == WordBuildingState::Playing || WordBuildingGameState == WordBuildingState::TypingGrid) {
        import.refusal = "Grids cannot be imported while a Word-Building Game is played or a grid is typed";
        return import;
    }
    const GridFileReading reading = ParseWordBuildingGrids(bytes);
    for (const GridFileRecord& grid : reading.grids) FormWordBuildingGrid(grid.letters, grid.created);
    import.read = static_cast<int>(reading.grids.size());
    if (!reading.error.empty()) import.warning = GridFileErrorText(reading);
    return import;
}

}  // namespace qora
