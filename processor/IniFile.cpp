#include "processor/IniFile.h"

#include <array>
#include <climits>
#include <filesystem>
#include <set>
#include <system_error>
#include <vector>

#include "engine/Lexicons.h"
#include "engine/Listings.h"
#include "engine/TextFiles.h"
#include "platform/Files.h"
#include "platform/ProgramState.h"
#include "processor/CheckedLines.h"
#include "processor/FunctionKeys.h"
#include "processor/PageSettings.h"
#include "processor/RecordingSchedule.h"

namespace qora {

std::string IniFileName;
std::string IniDefinitionsFileName = DefaultDefinitionsFileName;
std::string DefaultDirectoryName;
std::string PrinterFontName;
std::int32_t PrinterFontSize = 0;
std::string WorkspaceFontName;
std::int32_t WorkspaceFontSize = 0;
bool RevertTimerOn = false;
std::int32_t RevertSeconds = DefaultRevertSeconds;

namespace {

constexpr std::size_t MaxIniFileSize = 1u << 20;
constexpr std::int64_t WholeNumberLimit = 1000000000000;  // 10^12
constexpr int MaxStartHour = 23;
constexpr int MaxDurationHours = 24;
constexpr int NoLexicon = -1;

// Every value the file holds, read into this record first and applied only
// when the whole file could be used; the writer collects it from the
// program's values.
struct IniValues {
    std::string Definitions = DefaultDefinitionsFileName;
    std::string Prefix = "cw";
    std::vector<RecordingPeriod> Periods;
    PageSettings Page;
    std::string PrinterFont;
    std::int32_t PrinterFontSize = 0;
    std::string DefaultDirectory;
    std::int32_t Primary = 0;
    std::int32_t Secondary = NoLexicon;
    std::int32_t Challenge = NoLexicon;  // none given: the primary lexicon
    std::array<FunctionKey, FunctionKeyCount> Keys{};
    bool RevertOn = false;
    std::int32_t RevertAfter = DefaultRevertSeconds;
    std::string WorkspaceFont;
    std::int32_t WorkspaceFontSize = 0;
};

// ---- Small readers -----------------------------------------------------------

std::string Upper(std::string_view text) { return ToUpperCase1252(text); }

// Splits off the first blank-separated word of `text`.
std::string_view TakeWord(std::string_view& text) {
    text = TrimBlanks(text);
    const auto end = text.find_first_of(" \t");
    const std::string_view word = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : TrimBlanks(text.substr(end));
    return word;
}

std::optional<int> ReadNumberInRange(std::string_view text, int low, int high) {
    const auto number = ReadWholeNumber(TrimBlanks(text));
    if (!number || *number < low || *number > high) return std::nullopt;
    return static_cast<int>(*number);
}

std::int32_t FindLexicon(std::string_view shortName) {
    const std::string wanted = Upper(shortName);
    for (std::size_t i = 0; i < LexiconTable.size(); ++i)
        if (Upper(LexiconTable[i].ShortName) == wanted) return static_cast<std::int32_t>(i);
    return NoLexicon;
}

std::string LexiconName(std::int32_t index) {
    return index >= 0 && static_cast<std::size_t>(index) < LexiconTable.size() ? LexiconTable[index].ShortName
                                                                               : std::string();
}

// ---- The sections --------------------------------------------------------------

// Reads the `index`-th value line of a section; returns "" or why it cannot.
using ValueReader = std::string (*)(std::string_view value, int index, IniValues& values);
// The value lines of a section, from the values.
using ValueWriter = std::vector<std::string> (*)(const IniValues& values);

// A section either holds one text (Text) or is read and written by its own
// functions.
struct Section {
    const char* Name;
    int MinLines = 1;  // a single-value section must hold its value
    int MaxLines = 1;
    std::string IniValues::*Text = nullptr;
    ValueReader Read = nullptr;
    ValueWriter Write = nullptr;
};

constexpr int AnyNumber = INT_MAX;

std::vector<std::string> LineIfGiven(const std::string& value) {
    return value.empty() ? std::vector<std::string>() : std::vector<std::string>{value};
}

std::vector<std::string> NumberIfGiven(std::int32_t value) {
    return value > 0 ? std::vector<std::string>{std::to_string(value)} : std::vector<std::string>();
}

const char* const FontSizeProblem = "The font size must be a whole number from 4 to 144";

std::string ReadPeriod(std::string_view value, int, IniValues& values) {
    std::string error;
    const auto period = ParseRecordingPeriod(value, error);
    if (period) values.Periods.push_back(*period);
    return error;
}

std::vector<std::string> WritePeriods(const IniValues& values) {
    std::vector<std::string> lines;
    for (const RecordingPeriod& period : values.Periods) lines.push_back(FormatRecordingPeriod(period));
    return lines;
}

std::string ReadPageSettings(std::string_view value, int, IniValues& values) {
    std::array<std::int64_t, 6> numbers{};
    std::size_t count = 0;
    for (std::string_view rest = value; !TrimBlanks(rest).empty();) {
        const auto number = ReadWholeNumber(TakeWord(rest));
        if (!number || count == numbers.size()) return "Six whole numbers are needed";
        numbers[count++] = *number;
    }
    if (count != numbers.size()) return "Six whole numbers are needed";
    values.Page = ClampedPageSettings(numbers);
    return {};
}

std::vector<std::string> WritePageSettings(const IniValues& values) {
    const auto numbers = PageSettingsValues(values.Page);
    return {FormatText(" %d %d %d %d %d %d", numbers[0], numbers[1], numbers[2], numbers[3], numbers[4], numbers[5])};
}

std::string ReadLexicon(std::string_view value, int, IniValues& values) {
    std::string_view name = value;
    const std::string role = Upper(TakeWord(name));
    if (name.empty() || (role != "PRIMARY" && role != "SECONDARY" && role != "CHALLENGE"))
        return "PRIMARY, SECONDARY or CHALLENGE and a lexicon's short name are expected";
    std::int32_t index = NoLexicon;
    if (!(role == "SECONDARY" && Upper(name) == "NONE")) {
        index = FindLexicon(name);
        if (index == NoLexicon)
            return FormatText("There is no lexicon named %.*s", static_cast<int>(name.size()), name.data());
    }
    if (role == "PRIMARY")
        values.Primary = index;
    else if (role == "SECONDARY")
        values.Secondary = index;
    else
        values.Challenge = index;
    return {};
}

std::vector<std::string> WriteLexicons(const IniValues& values) {
    std::vector<std::string> lines;
    const std::string primary = LexiconName(values.Primary);
    const std::string secondary = LexiconName(values.Secondary);
    const std::string challenge = LexiconName(values.Challenge);
    if (!primary.empty()) lines.push_back("PRIMARY " + primary);
    lines.push_back("SECONDARY " + (secondary.empty() ? std::string("NONE") : secondary));
    if (!challenge.empty()) lines.push_back("CHALLENGE " + challenge);
    return lines;
}

// "F<n> <R|A>[!] "macro"": the macro runs from the first double quote to the
// last, so that it may hold double quotes of its own.
std::string ReadFunctionKey(std::string_view value, int, IniValues& values) {
    const char* const syntax =
        "F1 to F12 (not F10), R (replace) or A (append), an optional ! (run), and the macro in double quotes are "
        "expected";
    std::string_view rest = value;
    const std::string key = Upper(TakeWord(rest));
    const std::string mode = Upper(TakeWord(rest));
    std::optional<int> number;
    if (key.size() >= 2 && key[0] == 'F')
        number = ReadNumberInRange(std::string_view(key).substr(1), 1, FunctionKeyCount);
    const bool modeGood = mode == "R" || mode == "A" || mode == "R!" || mode == "A!";
    if (!number || !modeGood || rest.size() < 2 || rest.front() != '"' || rest.back() != '"') return syntax;
    if (*number == MenuFunctionKey) return "F10 opens the menu and holds no macro";
    FunctionKey& entry = values.Keys[*number - 1];
    entry.Replace = mode[0] == 'R';
    entry.Run = mode.size() == 2;
    entry.Macro = std::string(rest.substr(1, rest.size() - 2));
    return {};
}

std::vector<std::string> WriteFunctionKeys(const IniValues& values) { return FormatFunctionKeys(values.Keys); }

std::string ReadRevert(std::string_view value, int, IniValues& values) {
    std::string_view rest = value;
    const std::string word = Upper(TakeWord(rest));
    if (word == "OFF" && rest.empty()) {
        values.RevertOn = false;
        return {};
    }
    const auto seconds = ReadNumberInRange(rest, 1, MaxRevertSeconds);
    if (word != "ON" || !seconds) return "ON and the seconds (1 to 86400), or OFF, are expected";
    values.RevertOn = true;
    values.RevertAfter = *seconds;
    return {};
}

std::vector<std::string> WriteRevert(const IniValues& values) {
    return {values.RevertOn ? FormatText("ON %d", values.RevertAfter) : std::string("OFF")};
}

std::string ReadFontSize(std::string_view value, std::int32_t& size) {
    int parsed = 0;
    if (!ParseFontSize(value, parsed)) return FontSizeProblem;
    size = parsed;
    return {};
}

std::string ReadWorkspaceFont(std::string_view value, int index, IniValues& values) {
    if (index == 0) {
        values.WorkspaceFont = std::string(value);
        return {};
    }
    return ReadFontSize(value, values.WorkspaceFontSize);
}

std::vector<std::string> WriteWorkspaceFont(const IniValues& values) {
    std::vector<std::string> lines = LineIfGiven(values.WorkspaceFont);
    if (!lines.empty() && values.WorkspaceFontSize > 0) lines.push_back(std::to_string(values.WorkspaceFontSize));
    return lines;
}

std::string ReadPrinterFontSize(std::string_view value, int, IniValues& values) {
    return ReadFontSize(value, values.PrinterFontSize);
}

std::vector<std::string> WritePrinterFontSize(const IniValues& values) { return NumberIfGiven(values.PrinterFontSize); }

const Section Sections[] = {
    {.Name = "[DEFINITIONS]", .Text = &IniValues::Definitions},
    {.Name = "[RECORDING FILENAME PREFIX]", .Text = &IniValues::Prefix},
    {.Name = "[RECORDING PERIODS]", .MinLines = 0, .MaxLines = AnyNumber, .Read = ReadPeriod, .Write = WritePeriods},
    {.Name = "[PRINTER PAGE SETTINGS]", .Read = ReadPageSettings, .Write = WritePageSettings},
    {.Name = "[PRINTER FONT]", .Text = &IniValues::PrinterFont},
    {.Name = "[PRINTER FONT SIZE]", .Read = ReadPrinterFontSize, .Write = WritePrinterFontSize},
    {.Name = "[DEFAULT DIRECTORY]", .Text = &IniValues::DefaultDirectory},
    {.Name = "[LEXICONS]", .MinLines = 0, .MaxLines = AnyNumber, .Read = ReadLexicon, .Write = WriteLexicons},
    {.Name = "[FUNCTION KEYS]",
     .MinLines = 0,
     .MaxLines = AnyNumber,
     .Read = ReadFunctionKey,
     .Write = WriteFunctionKeys},
    {.Name = "[REVERT TO CHALLENGE]", .Read = ReadRevert, .Write = WriteRevert},
    {.Name = "[WORKSPACE FONT]", .MaxLines = 2, .Read = ReadWorkspaceFont, .Write = WriteWorkspaceFont},
};

std::string ReadValue(const Section& section, std::string_view value, int index, IniValues& values) {
    if (section.Text == nullptr) return section.Read(value, index, values);
    values.*section.Text = std::string(value);
    return {};
}

std::vector<std::string> ValueLines(const Section& section, const IniValues& values) {
    return section.Text != nullptr ? LineIfGiven(values.*section.Text) : section.Write(values);
}

const Section* FindSection(std::string_view header) {
    for (const Section& section : Sections)
        if (header == section.Name) return &section;
    return nullptr;
}

// ---- Reading ---------------------------------------------------------------------

// Reads the lines one by one and stops at the first that cannot be used.
class IniReader {
public:
    explicit IniReader(IniValues& values) : values_(values) {}

    void Line(int number, const CheckedLine& line) {
        if (Failed()) return;
        if (!line.Problem.empty()) return Fail(number, line.Problem);
        const std::string_view text = TrimBlanks(line.Text);
        if (text.empty() || text.front() == ';') return;
        if (text.front() == '[') return Header(number, text);
        if (section_ == nullptr) return Fail(number, "A value comes before the first section");
        if (lines_ == section_->MaxLines)
            return Fail(number, FormatText("%s takes at most %d line%s", section_->Name, section_->MaxLines,
                                           PluralSuffix(section_->MaxLines)));
        const std::string problem = ReadValue(*section_, text, lines_++, values_);
        if (!problem.empty()) Fail(number, problem);
    }

    void End() { EndSection(); }
    bool Failed() const { return failedLine_ > 0; }
    int FailedLine() const { return failedLine_; }
    const std::string& Problem() const { return problem_; }

private:
    void Header(int number, std::string_view text) {
        EndSection();
        if (Failed()) return;
        section_ = FindSection(text);
        if (section_ == nullptr)
            return Fail(number, FormatText("Unknown section %.*s", static_cast<int>(text.size()), text.data()));
        if (!seen_.insert(section_).second) return Fail(number, FormatText("%s is given twice", section_->Name));
        headerLine_ = number;
        lines_ = 0;
    }

    void EndSection() {
        if (!Failed() && section_ != nullptr && lines_ < section_->MinLines)
            Fail(headerLine_, FormatText("%s holds no value", section_->Name));
    }

    void Fail(int number, std::string problem) {
        failedLine_ = number;
        problem_ = std::move(problem);
    }

    IniValues& values_;
    const Section* section_ = nullptr;
    int headerLine_ = 0;
    int lines_ = 0;
    std::set<const Section*> seen_;
    int failedLine_ = 0;
    std::string problem_;
};

void Apply(const IniValues& values, const std::string& fileName) {
    IniFileName = fileName;
    IniDefinitionsFileName = values.Definitions;
    RecordingFilePrefix = values.Prefix;
    RecordingPeriods = values.Periods;
    SetChallengeRecording(RecordingDue(values.Periods, RecordingClock()));
    IniPageSettings = values.Page;
    CurrentPageSettings = values.Page;
    PrinterFontName = values.PrinterFont;
    PrinterFontSize = values.PrinterFontSize;
    DefaultDirectoryName = values.DefaultDirectory;
    PrimaryLexicon = values.Primary;
    SecondaryLexiconIndex = values.Secondary;
    ChallengeLexicon = values.Challenge == NoLexicon ? values.Primary : values.Challenge;
    InitialChallengeLexicon = ChallengeLexicon;
    FunctionKeys = values.Keys;
    RevertTimerOn = values.RevertOn;
    RevertSeconds = values.RevertAfter;
    WorkspaceFontName = values.WorkspaceFont;
    WorkspaceFontSize = values.WorkspaceFontSize;
}

IniValues Collect(bool updatePageSettings) {
    IniValues values;
    values.Definitions = IniDefinitionsFileName;
    values.Prefix = RecordingFilePrefix;
    values.Periods = RecordingPeriods;
    values.Page = updatePageSettings ? CurrentPageSettings : IniPageSettings;
    values.PrinterFont = PrinterFontName;
    values.PrinterFontSize = PrinterFontSize;
    values.DefaultDirectory = DefaultDirectoryName;
    values.Primary = PrimaryLexicon;
    values.Secondary = SecondaryLexiconIndex;
    values.Challenge = ChallengeLexicon;
    values.Keys = FunctionKeys;
    values.RevertOn = RevertTimerOn;
    values.RevertAfter = RevertSeconds;
    values.WorkspaceFont = WorkspaceFontName;
    values.WorkspaceFontSize = WorkspaceFontSize;
    return values;
}

std::string IniText(const IniValues& values) {
    std::string text;
    for (const Section& section : Sections) {
        const std::vector<std::string> lines = ValueLines(section, values);
        if (lines.empty() && section.MinLines > 0) continue;  // not given: the section is left out
        text += section.Name;
        text += '\n';
        for (const std::string& line : lines) text += line + '\n';
    }
    return text;
}

// ---- Writing ---------------------------------------------------------------------

std::set<std::string> filesMovedAside;  // the files rewritten since start-up

std::string FileKey(const std::string& path) {
    std::error_code ignored;
    return std::filesystem::absolute(path, ignored).lexically_normal().string();
}

}  // namespace

std::optional<std::int64_t> ReadWholeNumber(std::string_view text) {
    std::size_t i = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) ++i;
    if (i == text.size()) return std::nullopt;
    std::int64_t value = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') return std::nullopt;
        value = std::min(value * 10 + (text[i] - '0'), WholeNumberLimit);
    }
    return negative ? -value : value;
}

bool ParseFontSize(std::string_view text, int& size) {
    const auto number = ReadNumberInRange(text, MinFontSize, MaxFontSize);
    if (number) size = *number;
    return number.has_value();
}

namespace {

bool ReadsBackUnchanged(std::string_view text) { return !HasControlCharacter(text) && LineToCodePage(text) == text; }

}  // namespace

bool IsWritableIniValue(std::string_view value) {
    if (value.empty()) return true;
    if (value.size() > MaxIniLineLength || TrimBlanks(value) != value) return false;
    return value.front() != ';' && value.front() != '[' && ReadsBackUnchanged(value);
}

bool IsWritableFunctionKeyMacro(std::string_view macro) {
    return macro.size() <= MaxFunctionKeyMacroLength && ReadsBackUnchanged(macro);
}

namespace {

struct Keyword {
    const char* Text;
    int Value;
};

constexpr Keyword Weeks[] = {
    {"FIRST", static_cast<int>(RecordingWeek::First)}, {"SECOND", static_cast<int>(RecordingWeek::Second)},
    {"THIRD", static_cast<int>(RecordingWeek::Third)}, {"FOURTH", static_cast<int>(RecordingWeek::Fourth)},
    {"FIFTH", static_cast<int>(RecordingWeek::Fifth)}, {"LAST", static_cast<int>(RecordingWeek::Last)},
    {"ALL", static_cast<int>(RecordingWeek::All)}};
constexpr Keyword Weekdays[] = {{"SUNDAY", 0},   {"MONDAY", 1}, {"TUESDAY", 2}, {"WEDNESDAY", 3},
                                {"THURSDAY", 4}, {"FRIDAY", 5}, {"SATURDAY", 6}};

template <std::size_t N>
std::optional<int> FindKeyword(const Keyword (&keywords)[N], std::string_view word) {
    const std::string upper = Upper(word);
    for (const Keyword& keyword : keywords)
        if (upper == keyword.Text) return keyword.Value;
    return std::nullopt;
}

template <std::size_t N>
const char* KeywordText(const Keyword (&keywords)[N], int value) {
    for (const Keyword& keyword : keywords)
        if (keyword.Value == value) return keyword.Text;
    return "?";
}

}  // namespace

std::optional<RecordingPeriod> ParseRecordingPeriod(std::string_view line, std::string& error) {
    error = "A period must be ALWAYS, DAILY h,d, or a week, a weekday and h,d";
    std::string_view rest = line;
    const std::string first = Upper(TakeWord(rest));
    RecordingPeriod period;
    if (first == "ALWAYS") {
        if (!rest.empty()) return std::nullopt;
        error.clear();
        return period;
    }
    if (first == "DAILY") {
        period.Week = RecordingWeek::Daily;
    } else {
        const auto week = FindKeyword(Weeks, first);
        const auto weekday = FindKeyword(Weekdays, TakeWord(rest));
        if (!week || !weekday) return std::nullopt;
        period.Week = static_cast<RecordingWeek>(*week);
        period.Weekday = *weekday;
    }
    const auto comma = rest.find(',');
    if (comma == std::string_view::npos) return std::nullopt;
    const auto start = ReadNumberInRange(rest.substr(0, comma), 0, MaxStartHour);
    const auto duration = ReadNumberInRange(rest.substr(comma + 1), 1, MaxDurationHours);
    if (!start) {
        error = "The start hour must be a whole number from 0 to 23";
        return std::nullopt;
    }
    if (!duration) {
        error = "The duration must be a whole number of hours from 1 to 24";
        return std::nullopt;
    }
    period.StartHour = *start;
    period.DurationHours = *duration;
    error.clear();
    return period;
}

std::string FormatRecordingPeriod(const RecordingPeriod& period) {
    switch (period.Week) {
        case RecordingWeek::Always: return "ALWAYS";
        case RecordingWeek::Daily: return FormatText("DAILY %d,%d", period.StartHour, period.DurationHours);
        default:
            return FormatText("%s %s %d,%d", KeywordText(Weeks, static_cast<int>(period.Week)),
                              KeywordText(Weekdays, period.Weekday), period.StartHour, period.DurationHours);
    }
}

std::vector<std::string> FormatFunctionKeys(const std::array<FunctionKey, FunctionKeyCount>& keys) {
    std::vector<std::string> lines;
    for (int n = 1; n <= FunctionKeyCount; ++n) {
        const FunctionKey& key = keys[n - 1];
        if (n == MenuFunctionKey || (key.Macro.empty() && !key.Replace && !key.Run)) continue;
        lines.push_back(
            FormatText("F%d %c%s \"%s\"", n, key.Replace ? 'R' : 'A', key.Run ? "!" : "", key.Macro.c_str()));
    }
    return lines;
}

std::string ReadIniFile(const std::string& namedFile) {
    const std::string path = namedFile.empty() ? DefaultIniFileName : namedFile;
    IniValues values;
    std::error_code ignored;
    if (namedFile.empty() && !std::filesystem::exists(path, ignored)) {
        Apply(values, {});  // no initialization file: the built-in values
        return {};
    }
    std::vector<CheckedLine> lines;
    std::string reason;
    if (!ReadCheckedLines(path, MaxIniFileSize, MaxIniLineLength, lines, reason))
        return FormatText("Initialization file %s is unusable: %s", path.c_str(), reason.c_str());
    values.Definitions.clear();  // a file without the section names none
    IniReader reader(values);
    for (std::size_t i = 0; i < lines.size(); ++i) reader.Line(static_cast<int>(i) + 1, lines[i]);
    reader.End();
    if (reader.Failed())
        return FormatText("Initialization file %s is unusable: line %d: %s", path.c_str(), reader.FailedLine(),
                          reader.Problem().c_str());
    Apply(values, path);
    return {};
}

std::string IniBackupName(const std::string& path) {
    const auto slash = path.find_last_of('/');
    const auto dot = path.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return path + "~";
    return path.substr(0, dot + 1) + "~" + path.substr(dot + 1);
}

std::string WriteIniFile(const std::string& path, bool updatePageSettings) {
    const IniValues values = Collect(updatePageSettings);
    const auto cannotWrite = [&path](const std::string& reason) {
        return FormatText("Cannot write the initialization file %s: %s", path.c_str(), reason.c_str());
    };
    // A file that will not be written is refused before a copy of it is kept.
    if (const std::string refusal = WholeFileWriteRefusal(path); !refusal.empty()) return cannotWrite(refusal);
    std::error_code ignored;
    if (!filesMovedAside.contains(FileKey(path)) && std::filesystem::exists(path, ignored)) {
        // The old file is kept under the backup name before it is replaced.
        const std::string backup = IniBackupName(path);
        std::string old;
        std::string reason;
        if (!ReadWholeFile(path, old, reason) || !(reason = WriteWholeFile(backup, old)).empty())
            return FormatText("Cannot move the initialization file %s aside to %s: %s", path.c_str(), backup.c_str(),
                              reason.c_str());
    }
    filesMovedAside.insert(FileKey(path));
    if (const std::string reason = WriteWholeFile(path, IniText(values)); !reason.empty()) return cannotWrite(reason);
    IniPageSettings = values.Page;
    InitialChallengeLexicon = ChallengeLexicon;
    return {};
}

void ResetIniFile() {
    IniFileName.clear();
    IniDefinitionsFileName = DefaultDefinitionsFileName;
    DefaultDirectoryName.clear();
    PrinterFontName.clear();
    PrinterFontSize = 0;
    WorkspaceFontName.clear();
    WorkspaceFontSize = 0;
    RevertTimerOn = false;
    RevertSeconds = DefaultRevertSeconds;
    filesMovedAside.clear();
}
const ProgramStateReset registerResetIniFile(ResetIniFile);

}  // namespace qora
