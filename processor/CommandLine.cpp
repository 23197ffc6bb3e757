#include "processor/CommandLine.h"

#include <limits>

#include "platform/ProgramState.h"
#include "processor/CommandFiles.h"
#include "processor/ParserMessages.h"
#include "processor/Settings.h"

namespace qora {

ParsedCommand CurrentCommand;
Settings& QuerySettings = CurrentCommand.QuerySettings;
Settings& PendingSettings = CurrentCommand.PendingSettings;
std::uint8_t RackMode = 0;
std::uint8_t CommandLineHasError = 0;
CommandLineHooks CommandLineHandlers;

namespace {

// The query part of a performed line, read with the settings in force.
std::string QueryPartOf(std::string_view line) {
    ParsedCommand scratch;
    ParseLine(line, StandingSettings, false, scratch);
    return scratch.QueryText;
}

// A line, insertions applied, may be no longer than a command file's line
// (and so a history file's): refused before it is parsed, so that repeated
// "^" insertions cannot grow a line without end.
bool TooLong(ExpandedLine& line, std::size_t length) {
    if (length <= MaxCommandFileLineLength) return false;
    line.Error = CommandMessage{
        false, FormatMessage(messages::LineTooLong, {}, static_cast<std::int64_t>(MaxCommandFileLineLength)), 0};
    return true;
}

// A leading "!" [k]: the k-th most recent history line and the rest.
bool ExpandHistoryRecall(ExpandedLine& line, std::span<const std::string> history) {
    std::string& text = line.Text;
    if (text.empty() || text[0] != '!') return true;
    std::size_t end = 1;
    std::int64_t back = 0;
    while (end < text.size() && text[end] >= '0' && text[end] <= '9') {
        back = std::min<std::int64_t>(back * 10 + (text[end] - '0'), std::numeric_limits<std::int32_t>::max());
        ++end;
    }
    if (end == 1) back = 1;
    if (back == 0) {
        line.Error = CommandMessage{false, IllegalCharacterMessage('0', {2, false}), 2};
        return false;
    }
    if (back > static_cast<std::int64_t>(history.size())) {
        line.Error = CommandMessage{false, FormatMessage(messages::HistoryTooShort, {}, back), 0};
        return false;
    }
    const std::string& recalled = history[history.size() - static_cast<std::size_t>(back)];
    if (TooLong(line, recalled.size() + text.size() - end)) return false;
    text = recalled + text.substr(end);
    line.Expanded = true;
    return true;
}

// Every "^" outside quoted texts: the query part of the most recent line.
void ExpandQueryInsertions(ExpandedLine& line, std::span<const std::string> history) {
    std::string expanded;
    std::string query;
    bool quoted = false;
    bool queryKnown = false;
    for (std::size_t i = 0; i < line.Text.size(); ++i) {
        const char c = line.Text[i];
        if (c == '"') quoted = !quoted;
        if (c != '^' || quoted) {
            expanded += c;
            continue;
        }
        if (!queryKnown) {
            if (!history.empty()) query = QueryPartOf(history.back());
            queryKnown = true;
        }
        if (query.empty()) {
            const auto position = static_cast<std::int32_t>(i) + 1;
            line.Error =
                CommandMessage{false, FormatMessage(messages::NoPreviousQuery, {position, line.Expanded}), position};
            return;
        }
        expanded += query;
        line.Expanded = true;
        if (TooLong(line, expanded.size() + line.Text.size() - i - 1)) return;
    }
    line.Text = std::move(expanded);
}

}  // namespace

ParseResult ParseCommandLine(std::string_view line, bool expanded) {
    const ParseResult result = ParseLine(line, StandingSettings, expanded, CurrentCommand);
    RackMode = result.RackMode ? 1 : 0;
    CommandLineHasError = result.HasError() ? 1 : 0;
    return result;
}

ExpandedLine ExpandCommandLine(std::string_view line, std::span<const std::string> history) {
    ExpandedLine expanded;
    expanded.Text = line;
    if (ExpandHistoryRecall(expanded, history)) ExpandQueryInsertions(expanded, history);
    if (!expanded.Error) TooLong(expanded, expanded.Text.size());
    return expanded;
}

ProcessedLine ProcessCommandLine(const CommandLineInput& input, bool reportErrors, bool perform) {
    std::span<const std::string> history;
    if (input.History != nullptr) history = *input.History;
    // A command-file line has been echoed into the history already: its
    // insertions refer to the lines before it, and it is not added again.
    const bool inHistory = input.FromCommandFile && !history.empty();
    if (inHistory) history = history.first(history.size() - 1);
    const ExpandedLine line = ExpandCommandLine(input.Text, history);
    const ReportMode mode = !reportErrors ? ReportMode::Silent : perform ? ReportMode::Perform : ReportMode::Check;
    SetReportMode(mode, !input.FromCommandFile && !line.Expanded);

    ProcessedLine result{line.Text, false};
    if (perform && !inHistory && !line.Text.empty() && line.Text.size() <= MaxCommandFileLineLength &&
        CommandLineHandlers.AppendToHistory)
        CommandLineHandlers.AppendToHistory(line.Text);
    if (line.Error) {
        RackMode = 0;
        ReportError(*line.Error);
        result.HasError = true;
        return result;
    }
    const ParseResult parse = ParseCommandLine(line.Text, line.Expanded);
    if (parse.Message) ReportError(*parse.Message);
    result.HasError = parse.HasError();
    if (result.HasError) return result;
    DisplayedSettings = QuerySettings;
    if (CommandLineHandlers.ShowImpliedSettings) CommandLineHandlers.ShowImpliedSettings();
    if (perform && CommandLineHandlers.PerformCommand) CommandLineHandlers.PerformCommand(CurrentCommand);
    return result;
}

void ResetCommandLine() {
    CurrentCommand = ParsedCommand{};
    RackMode = 0;
    CommandLineHasError = 0;
    CommandLineHandlers = CommandLineHooks{};
}
const ProgramStateReset registerResetCommandLine(ResetCommandLine);

}  // namespace qora
