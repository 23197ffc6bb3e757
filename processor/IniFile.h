// The initialization file: read once at start-up ("qora.ini" in the current
// folder, or the file named by the option -i), written only from the
// new-initialization-file dialog. docs/file-formats.md describes its
// sections.
//
// Reading sets the values below, the recording switches of
// processor/Recording.h, the page settings, the function keys and the choice
// of lexicons. A file that cannot be used stops the program at start-up with
// the reason the reader returns.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "processor/FunctionKeys.h"
#include "processor/Recording.h"

namespace qora {

constexpr char DefaultIniFileName[] = "qora.ini";
constexpr char DefaultDefinitionsFileName[] = "TWLdefs.txt";
constexpr int MinFontSize = 4;
constexpr int MaxFontSize = 144;
constexpr std::int32_t DefaultRevertSeconds = 300;
constexpr std::int32_t MaxRevertSeconds = 86400;
constexpr std::size_t MaxIniLineLength = 1000;
// The longest macro whose line "F12 A! "macro"" still fits in a line.
constexpr std::size_t MaxFunctionKeyMacroLength = MaxIniLineLength - 9;

extern std::string IniFileName;             // the file read at start-up; "" when there was none
extern std::string IniDefinitionsFileName;  // the definitions file; "" for none
extern std::string DefaultDirectoryName;    // starting folder of the file dialogs; "" for none
extern std::string PrinterFontName;         // "" and 0: the print dialog's own font
extern std::int32_t PrinterFontSize;
extern std::string WorkspaceFontName;  // "" and 0: the main window's own font
extern std::int32_t WorkspaceFontSize;
// The revert-to-challenge option: the main window returns to the challenge
// window after this many idle seconds.
extern bool RevertTimerOn;
extern std::int32_t RevertSeconds;

// Reads the initialization file: `namedFile` is the value of the option -i,
// "" when it was not given (then "qora.ini" is read when it exists, and
// without it the built-in values hold). Returns "" when the file was read,
// else the reason the program cannot run. The recording decision uses
// RecordingClock.
std::string ReadIniFile(const std::string& namedFile);

// Writes every section from the current values into `path`. With
// `updatePageSettings` the current page settings are written and become the
// initialization file's page settings; else those are written unchanged.
// Before the first rewrite of a file since start-up the old file is moved
// aside (IniBackupName). Returns "" or the reason the file was not written;
// nothing is lost when it was not.
std::string WriteIniFile(const std::string& path, bool updatePageSettings);

// The name an old initialization file is moved aside to: "~" inserted after
// the last "." of the file name ("qora.ini" -> "qora.~ini"), or appended
// when the name has no ".".
std::string IniBackupName(const std::string& path);

// The lines of the sections as the writer writes them, and the reading of
// single values, shared with the dialogs that edit them.
std::optional<RecordingPeriod> ParseRecordingPeriod(std::string_view line, std::string& error);
std::string FormatRecordingPeriod(const RecordingPeriod& period);
// "Fn R "macro"" (R! to perform at once, A to append) for every key that
// holds a macro or a switch, in key order.
std::vector<std::string> FormatFunctionKeys(const std::array<FunctionKey, FunctionKeyCount>& keys);
// A whole number with an optional sign; values beyond +-10^12 are held there.
std::optional<std::int64_t> ReadWholeNumber(std::string_view text);
bool ParseFontSize(std::string_view text, int& size);

// Whether a text that the dialogs take for the file reads back as it was
// written: no control character (TAB aside) and the same bytes when read
// again (text whose bytes would read as UTF-8 would not). A value line must
// also fit in a line, have no blanks at either end (they are dropped) and not
// start like a comment (";") or a section header ("["); an empty value
// leaves its section out. A function key's macro stands inside its quotes,
// so it may start and end with anything.
bool IsWritableIniValue(std::string_view value);
bool IsWritableFunctionKeyMacro(std::string_view macro);

// The file's own values (names, fonts, the revert timer) as in a program
// without an initialization file; the function keys and the page settings
// that it also holds are reset by their own units.
void ResetIniFile();

}  // namespace qora
