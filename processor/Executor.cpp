#include "processor/Executor.h"

#include "engine/Board.h"
#include "engine/Lexicons.h"
#include "engine/Listings.h"
#include "engine/Tiles.h"
#include "engine/Wordlists.h"
#include "platform/ProgramState.h"
#include "processor/CommandFiles.h"
#include "processor/CommandLine.h"
#include "processor/Console.h"
#include "processor/ExecutorParts.h"
#include "processor/Settings.h"
#include "processor/Threads.h"

namespace qora {

ExecutorHooks ExecutorHandlers;
bool GridGameFromCommand = false;
ProgressPace SearchProgressPace;

namespace execution {

namespace {

thread_local ProgressReport* currentReport = nullptr;  // no-reset: set only while a report is made

// Status texts go to the window without waiting; of texts on their way only
// the latest is shown.
void ShowStatusText(const std::string& text) {
    // no-reset: a channel to the window, it keeps no value
    static LatestValuePoster<std::string> statusTexts(SyncBridge(), [](const std::string& latest) {
        if (ExecutorHandlers.ShowProgress) ExecutorHandlers.ShowProgress(latest);
    });
    statusTexts.Post(text);
}

}  // namespace

void ShowProgressText(const std::string& text) {
    if (currentReport != nullptr)
        currentReport->Show(text);
    else
        ShowStatusText(text);
}

ProgressReport::ProgressReport() : enclosing_(currentReport), next_(Clock::now() + SearchProgressPace.FirstAfter) {
    currentReport = this;
}

ProgressReport::~ProgressReport() { currentReport = enclosing_; }

void ProgressReport::Show(const std::string& text) {
    const auto now = Clock::now();
    if (now < next_) return;
    next_ = now + SearchProgressPace.Between;
    shown_ = true;
    ShowStatusText(text);
}

void ProgressReport::End() {
    if (shown_) ShowStatusText("");
    shown_ = false;
}

void WriteMessage(std::string_view text) { WriteOutputLine(std::string(MessageIndent) + std::string(text)); }

bool Failed(std::string_view text) {
    WriteOutputLine("Error - " + std::string(text));
    return false;
}

void CallOnMainThread(const std::function<void()>& hook) {
    if (hook) SyncBridge().Run(hook);
}

std::string Capitalised(std::string text) {
    if (!text.empty()) text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
    return text;
}

SetOperation SetOperationOf(std::int32_t character) {
    return character == '|'   ? SetOperation::Union
           : character == '&' ? SetOperation::Intersection
                              : SetOperation::Difference;
}

std::string CountOf(std::int64_t count, std::string_view noun) {
    return std::to_string(count) + " " + std::string(noun) + PluralSuffix(count);
}

std::string WordlistName(std::int32_t number) {
    if (number == SlateNumber) return "the slate";
    const Wordlist* wordlist = FindWordlist(number);
    std::string name = "wordlist " + std::to_string(number);
    if (wordlist != nullptr && !wordlist->Label.empty()) name += " \"" + wordlist->Label + "\"";
    return name;
}

bool NoSuchWordlist(std::int32_t number) { return Failed(NoSuchWordlistText(number)); }

void ReportWordlistSize(std::int32_t number) {
    const Wordlist* wordlist = FindWordlist(number);
    const std::int32_t count = wordlist != nullptr ? wordlist->Count() : 0;
    WriteMessage(Capitalised(WordlistName(number)) + " now holds " + CountOf(count, "item"));
}

}  // namespace execution

using namespace execution;

namespace {

// Which thread performs a line: the command-file runner marks its own.
thread_local CommandSource performingSource = CommandSource::Typed;  // no-reset: each thread's own

bool ExecuteAction(const CommandAction& action, CommandSource source) {
    switch (action.Kind) {
        case ActionKind::DefineUserSet: return DefineSet(action);
        case ActionKind::DefineBag:
        case ActionKind::DefineScores: return ReportBagOrScores(action);
        case ActionKind::SetLetterMapping: return SetMapping(action);
        case ActionKind::LabelWordlist: return LabelWordlist(action);
        case ActionKind::CopySlate: return CopySlate(action);
        case ActionKind::RestoreSlate: return RestoreSlate(action);
        case ActionKind::CopyWordlist: return CopyIntoWordlist(action);
        case ActionKind::CombineWordlists: return ComputeWordlist(action);
        case ActionKind::ImportWordlist: return ReadWordlistFile(action);
        case ActionKind::ExportWordlist: return WriteWordlistFile(action);
        case ActionKind::DeleteItems: return DeleteItems(action);
        case ActionKind::CopyItems:
        case ActionKind::MoveItems: return TransferItems(action);
        case ActionKind::CopyFlashcard:
        case ActionKind::MoveFlashcard: return TransferFlashcard(action);
        case ActionKind::PrintWorkspace: return PrintWorkspace(action);
        case ActionKind::RunCommandFile: return StartCommandFile(action);
        case ActionKind::ExitProgram: return ExitProgram();
        case ActionKind::EndCommandFile: return EndCommandFile(source);
        case ActionKind::RecordingOn: return SwitchRecording(true);
        case ActionKind::RecordingOff: return SwitchRecording(false);
        case ActionKind::StartFlashcards: return BeginFlashcards(action);
        case ActionKind::NextFlashcard: return ShowNextFlashcard();
        case ActionKind::StopFlashcards: return EndFlashcards();
        case ActionKind::ExportHistory: return ExportHistory(action);
        case ActionKind::ImportHistory: return ImportHistory(action);
        case ActionKind::ExportWorkspace: return ExportWorkspace(action);
        case ActionKind::ExportGrids: return ExportGrids(action);
        case ActionKind::ImportGrids: return ImportGrids(action);
        case ActionKind::ExportBuildingGrids: return ExportBuildingGrids(action);
        case ActionKind::ImportBuildingGrids: return ImportBuildingGrids(action);
    }
    return Failed("This command cannot be performed");
}

// The line's own search or question when it does not go to the query thread.
bool ExecuteAtOnce(const ParsedCommand& command) {
    switch (command.Kind) {
        case CommandKind::WordPresence: return AnswerWordPresence(command);
        case CommandKind::ChallengeWindow:
        case CommandKind::GridWindow:
        case CommandKind::Timer:
        case CommandKind::WordBuildingGame: return OpenWindow(command);
        default: return true;
    }
}

// A command file line: parsed and performed on the command-file thread. The
// line is in the history already.
LineOutcome RunCommandFileLine(const std::string& line) {
    performingSource = CommandSource::CommandFile;
    const ProcessedLine processed = ProcessCommandLine({line, &CommandHistory, true}, true, true);
    performingSource = CommandSource::Typed;
    return processed.HasError ? LineOutcome::Failed : LineOutcome::Started;
}

// "WORKING: " progress while results pile up.
void ShowWordlistProgress(std::int32_t itemCount) { ShowProgressText(FormatText("WORKING: %d items", itemCount)); }

}  // namespace

// The line's settings take effect whatever its actions do; its actions run
// left to right until one fails; its search or question runs only when all
// of them succeeded.
void ExecuteCommand(const ParsedCommand& command, CommandSource source) {
    ApplyRackSettings(command);
    AdoptPendingSettings(command);
    bool succeeded = true;
    for (const CommandAction& action : command.Actions) {
        succeeded = ExecuteAction(action, source);
        if (!succeeded || ProgramStopping) break;
    }
    if (ProgramStopping) {
        // The exit command: nothing more is written; a waiting command-file
        // thread is released to see the stop.
        CommandDoneSignal.Set(0);
        return;
    }
    if (succeeded) {
        if (GoesToSlateThread(command.Kind)) {
            if (CheckSlateRequest(command)) {
                RequestSlateWork(command);
                return;
            }
            succeeded = false;
        } else {
            succeeded = ExecuteAtOnce(command);
        }
    }
    FinishCommand(!succeeded);
}

std::string BagCaption() {
    int tiles = 0;
    for (int tile = 1; tile <= ActiveTileCount(); ++tile) tiles += TileCounts[tile - 1];
    return FormatText("Bag of %ss (%d of them)", SpanishLexiconActive ? "tile" : "letter", tiles);
}

namespace {

void ShowBagCaption() {
    if (!ExecutorHandlers.ShowBagCaption) return;
    const std::string caption = BagCaption();
    SyncBridge().Run([&] { ExecutorHandlers.ShowBagCaption(caption); });
}

}  // namespace

void ApplyRackSettings(const ParsedCommand& command) {
    const auto copyInto = [](TileTable& table, const LetterCounts& counts) {
        for (int tile = 1; tile <= ActiveTileCount(); ++tile) table[tile - 1] = counts[tile - 1];
    };
    if (command.SetBDefined) copyInto(TileCounts, command.SetB.Counts);
    if (command.SetDollarDefined) copyInto(TileScores, command.SetDollar.Counts);
    if (command.SetBDefined || command.SetDollarDefined) RecomputeTileMaxima();
    if (command.SetBDefined) ShowBagCaption();
    if (command.PendingSettings.BoardSize != CurrentBoardSize) {
        CurrentBoardSize = command.PendingSettings.BoardSize;
        SetUpBoardLayout(CurrentBoardSize);
    }
}

void InitSettings() {
    LoadBuiltInSettings();
    if (ExecutorHandlers.ResetTimerPeriod) ExecutorHandlers.ResetTimerPeriod();
    SetUpBoardLayout(CurrentBoardSize);
}

void RevertToInitialSettings() {
    SetLanguageTables(ActiveLanguage());  // set (B) and set ($): the language's bag and scores, as at start-up
    ShowBagCaption();
    InitSettings();
    if (ExecutorHandlers.ResetLayoutDialogs) ExecutorHandlers.ResetLayoutDialogs();
}

void ConnectCommandProcessor() {
    CommandLineHandlers.PerformCommand = [](const ParsedCommand& command) {
        ExecuteCommand(command, performingSource);
    };
    CommandLineHandlers.AppendToHistory = [](const std::string& line) { AddToCommandHistory(line); };
    SetCommandFileLineRunner(RunCommandFileLine);
    QueryThread().SetWork(RunSlateRequests);
    WordlistProgressHook = ShowWordlistProgress;
    AddLexiconStatusHook([](const LexiconStatusChange& change) {
        if (!change.LanguageChanged) return;
        RetileSetFilters(change.PreviousLanguage);
        LoadLanguageDefaults();
    });
}

void PerformCommandLine() {
    const std::string line = CommandLine();
    if (ProcessCommandLine({line, &CommandHistory, false}, true, true).HasError) WritePromptLine();
    // A command that ran at once has written its new prompt line, which is
    // checked as an edit would be; work that started checks it when it ends.
    CheckCommandLineSilently();
}

void ResetExecutor() {
    ExecutorHandlers = {};
    GridGameFromCommand = false;
    SearchProgressPace = {};
}
const ProgramStateReset registerResetExecutor(ResetExecutor);

}  // namespace qora
