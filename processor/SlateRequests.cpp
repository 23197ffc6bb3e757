// The requests that the query thread (SlateThread) serves: queries, a
// presentation of the slate, definition searches and random racks. The
// executor queues a copy of the parsed command and resumes the thread; the
// thread runs every queued request, and its finish routine writes the
// separator line and a new prompt.
#include <algorithm>
#include <chrono>
#include <deque>
#include <mutex>
#include <optional>

#include "engine/Definitions.h"
#include "engine/Listings.h"
#include "engine/Ordering.h"
#include "engine/Presentation.h"
#include "engine/QueryEvaluation.h"
#include "engine/RandomRacks.h"
#include "engine/Wordlists.h"
#include "platform/ProgramState.h"
#include "processor/CommandFiles.h"
#include "processor/Console.h"
#include "processor/ExecutorParts.h"
#include "processor/Settings.h"
#include "processor/Threads.h"

namespace qora::execution {

namespace {

// A performed command, with the letter mapping in force when it was
// performed (word references read it on the query thread).
struct SlateRequest {
    ParsedCommand Command;
    std::string LetterMapping;
};

std::mutex requestsLock;
std::deque<SlateRequest> requests;

std::optional<SlateRequest> NextRequest() {
    std::lock_guard lock(requestsLock);
    if (requests.empty()) return std::nullopt;
    SlateRequest request = std::move(requests.front());
    requests.pop_front();
    return request;
}

// Presented lines on their way to the workspace: they are passed to the
// main thread in batches (a few hundred lines, or what came within a short
// while), so that a long presentation does not wait for the main thread at
// every line; once Esc has stopped the presentation they are refused. While
// it exists, a presentation is running.
class WorkspaceSink final : public PresentationSink {
public:
    WorkspaceSink() { PresentationRunning = true; }
    ~WorkspaceSink() { PresentationRunning = false; }

    bool WriteLine(std::string_view text, std::span<const MarkRange> blankMarks) override {
        if (StopPresentationRequested) return Flush();
        PresentedLine& line = batch_.emplace_back();
        line.Text = text;
        for (const MarkRange& mark : blankMarks) line.BlankMarks.push_back({mark.Start, mark.Length});
        if (batch_.size() < BatchLines && Clock::now() - lastFlush_ < BatchTime) return true;
        return Flush();
    }

    // Writes the lines of the batch; false when Esc has stopped the
    // presentation (they are dropped then).
    bool Flush() {
        const bool written = WritePresentationLines(batch_);
        batch_.clear();
        lastFlush_ = Clock::now();
        return written;
    }

private:
    using Clock = std::chrono::steady_clock;
    static constexpr std::size_t BatchLines = 500;
    static constexpr std::chrono::milliseconds BatchTime{50};

    std::vector<PresentedLine> batch_;
    Clock::time_point lastFlush_ = Clock::now();
};

DefinitionConnective ConnectiveOf(std::int32_t connective) {
    switch (connective) {
        case ConnectiveAnd: return DefinitionConnective::And;
        case ConnectiveAndNot: return DefinitionConnective::AndNot;
        case ConnectiveOr: return DefinitionConnective::Or;
        default: return DefinitionConnective::None;
    }
}

// One line per definition that includes the texts: "WORD: definition".
bool ListDefinitions(const ParsedCommand& command) {
    std::int64_t found = 0;
    bool stopped = false;
    {
        WorkspaceSink lines;
        SearchDefinitions(command.Text, ConnectiveOf(command.Arguments[0]), command.SecondText,
                          [&](const std::string& word, const std::string& definition) {
                              if (stopped) return;
                              stopped = !lines.WriteLine(word + ": " + definition, {});
                              ++found;
                          });
        stopped = stopped || !lines.Flush();
    }
    if (!stopped) WriteMessage(CountOf(found, "definition") + " found");
    return true;
}

class LargeOutputDialog final : public LargeOutputQuestion {
public:
    std::int32_t Ask(std::int32_t itemCount) override { return SlateThread::SyncAskLargeOutput(itemCount); }
};

bool PresentTheSlate(const Settings& settings) {
    LargeOutputDialog question;
    // The window may measure the workspace again meanwhile: one width serves
    // the whole presentation.
    const std::int32_t columns = WorkspaceColumns;
    const PresentationContext context{columns, SeparatorLine(columns), CommandFileRunning(), &question};
    PresentationResult result;
    {
        WorkspaceSink sink;
        result = PresentSlate(settings, context, sink);
        if (result.End != PresentationEnd::Stopped) sink.Flush();
    }
    return result.End != PresentationEnd::Failed || Failed(result.Error);
}

// The evaluation's lines, errors and progress, through the bridges.
class QueryReports final : public QueryOutput {
public:
    void WriteLine(const std::string& line) override { WriteOutputLine(line); }
    void ReportError(const std::string& message) override { Failed(message); }
    void ShowProgress(const std::string& status) override { ShowProgressText(status); }
};

// Evaluates the query into the slate and presents the slate; a stopped
// query has said so and presents nothing.
bool EvaluateTheQuery(const SlateRequest& request) {
    QueryReports reports;
    ProgressReport progress;
    SearchRunning = true;
    const QueryEnd end = EvaluateQuery(request.Command, {request.LetterMapping, &StopSearchRequested}, reports);
    SearchRunning = false;
    progress.End();
    if (end == QueryEnd::Failed) return false;
    return end == QueryEnd::Stopped || PresentTheSlate(request.Command.QuerySettings);
}

// Arguments: [0] the count, [1] the wordlist (0 the slate), [2] 1 to
// append. Racks drawn into the slate are presented. Many racks take a while:
// they are drawn a thousand at a time, with progress, and Esc stops the
// drawing, keeping the racks drawn so far.
bool DrawRandomRacks(const ParsedCommand& command) {
    constexpr int RacksPerStep = 1000;
    const std::int32_t count = command.Arguments[0];
    const std::int32_t number = command.Arguments[1];
    Wordlist& wordlist = *ObtainWordlist(number);
    if (command.Arguments[2] == 0) ClearWordlist(wordlist);
    bool stopped = false;
    ProgressReport progress;
    for (std::int32_t drawn = 0; drawn < count && !stopped; drawn += RacksPerStep) {
        if (drawn > 0) ShowProgressText(FormatText("WORKING: %d racks", drawn));
        AppendRandomRacks(wordlist, std::min(RacksPerStep, count - drawn), command.QuerySettings.RandomRackOrder);
        stopped = StopSearchRequested;
    }
    progress.End();
    CallOnMainThread(ExecutorHandlers.RefreshListTabs);
    if (stopped) WriteOutputLine(SearchStoppedText);
    if (number == SlateNumber && !stopped) return PresentTheSlate(command.QuerySettings);
    ReportWordlistSize(number);
    return true;
}

bool RunRequest(const SlateRequest& request) {
    const ParsedCommand& command = request.Command;
    switch (command.Kind) {
        case CommandKind::Query: return EvaluateTheQuery(request);
        case CommandKind::PresentSlate: return PresentTheSlate(command.QuerySettings);
        case CommandKind::DefinitionSearch: return ListDefinitions(command);
        case CommandKind::RandomRacks: return DrawRandomRacks(command);
        default: return true;
    }
}

}  // namespace

std::vector<std::int32_t> SlateOrder() { return SlatePresentationOrder().value_or(std::vector<std::int32_t>{}); }

bool GoesToSlateThread(CommandKind kind) {
    return kind == CommandKind::Query || kind == CommandKind::PresentSlate || kind == CommandKind::DefinitionSearch ||
           kind == CommandKind::RandomRacks;
}

bool CheckSlateRequest(const ParsedCommand& command) {
    if (command.Kind == CommandKind::DefinitionSearch && DefinitionCount() == 0)
        return Failed("There are no definitions to search: no definitions file has been read");
    return true;
}

void RequestSlateWork(const ParsedCommand& command) {
    {
        std::lock_guard lock(requestsLock);
        requests.push_back({command, LetterMapping});
    }
    QueryThread().Request();
}

bool RunSlateRequests() {
    bool succeeded = true;
    while (std::optional<SlateRequest> request = NextRequest()) succeeded = RunRequest(*request) && succeeded;
    return succeeded;
}

const ProgramStateReset registerForgetSlateRequests([] {
    std::lock_guard lock(requestsLock);
    requests.clear();
});

}  // namespace qora::execution
