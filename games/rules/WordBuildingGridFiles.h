// Word-Building Game grid files (.WBG, "WBG_grids.WBG" by default) and the
// time text of the game's files and labels. docs/file-formats.md tells the
// format.
//
// A grid record is two lines:
//   GRID CREATED  5-Jun-11 14:03:09
//   GRID ABCDEFGHIJKL... (the 96 letters in rows)
// and a grid file holds records, each followed by an empty line. Spanish
// grids are written as text: CH as '1', LL as '2', RR as '3', Ñ as 0xD1.
//
// Nothing here touches a window or a file: the callers (the executor through
// its hooks, the game window) read and write the files and show what the
// reading reports.
#pragma once

#include <ctime>
#include <string>
#include <string_view>
#include <vector>

namespace qora {

constexpr const char* DefaultGridFileName = "WBG_grids.WBG";

// "%2d-%s-%02d %02d:%02d:%02d" in local time: " 5-Jun-11 14:03:09", always
// 18 characters.
std::string FormatGameTime(std::time_t time);

// The time of a time text (the day may also stand without its blank); -1
// when the text is no time text. Daylight saving time is the system's, so a
// time formatted and read back is the same time.
std::time_t ParseGameTime(std::string_view text);

// A grid's letters as its GRID line writes them (Spanish tiles CH, LL, RR as
// 1, 2, 3 and Ñ as 0xD1), and back in the active language: "" when a letter
// is no tile of the active language.
std::string GridLettersAsText(std::string_view letters, bool spanish);
std::string GridLettersOfText(std::string_view text);

// Reads a line of two words and a time text ("GRID CREATED  5-Jun-11
// 14:03:09", "GAME START ..."): the text as 18 characters (a day below 10
// with its blank before it) and its time.
enum class TimeLineReading { Read, NotThatLine, BadTime };
TimeLineReading ReadTimeLine(std::string_view line, std::string_view first, std::string_view second, std::string& text,
                             std::time_t& time);

// Reads a GRID line ("GRID " and 96 letters of the active language); ""
// with the grid's tiles in `letters`, or what is wrong.
std::string ReadGridLine(std::string_view line, std::string& letters);

// Appends the grid's two-line record to `text`, its letters written in the
// language of the grid (Spanish tiles or letters), which a change of lexicon
// since the grid was formed does not alter.
void WriteGridRecord(std::string& text, std::string_view letters, std::time_t created, bool spanish);

// The text of a grid file of every known grid, oldest first, and their
// number (0: the text is empty).
int WriteWordBuildingGrids(std::string& text);

struct GridFileRecord {
    std::string letters;  // 96 tiles of the active language
    std::time_t created = 0;
};

// What reading a grid file found: the grids up to the first error, the line
// of the error and its text ("" when the file was read to its end).
struct GridFileReading {
    std::vector<GridFileRecord> grids;
    int errorLine = 0;
    std::string error;
};

// Reads the records of a grid file's bytes in the active language; stops at
// the first record that is not one.
GridFileReading ParseWordBuildingGrids(std::string_view bytes);

// The warning of a reading that stopped at an error: "Error reading
// Word-Building Game Grids file on line 3: Expecting a GRID line.,the first 1
// grid in the file were imported."
std::string GridFileErrorText(const GridFileReading& reading);

// What forming the grids of a file did: how many grids were read, the
// warning of a bad record, or why no grid was read.
struct GridFileImport {
    int read = 0;
    std::string warning;  // GridFileErrorText, "" when the file was read whole
    std::string refusal;  // "" unless grids cannot be imported now
};

// Forms every grid of a grid file's bytes (a grid equal to a known one only
// becomes current again) up to the first bad record. While a game is played
// or a grid typed, no grid is formed: that would throw the game away.
GridFileImport ReadWordBuildingGrids(std::string_view bytes);

}  // namespace qora
