#include "mainwindow/Connections.h"

#include <QCoreApplication>

#include "dialogs/LargeOutputDialog.h"
#include "dialogs/LayoutDialog.h"
#include "dialogs/LetterSetPages.h"
#include "dialogs/PrintDialog.h"
#include "dialogs/ProbeSlateDialog.h"
#include "dialogs/WordPresenceDialog.h"
#include "dialogs/WordReferenceDialog.h"
#include "engine/Lexicons.h"
#include "engine/QueryEvaluation.h"
#include "games/LetterGridWindow.h"
#include "games/WordBuildingWindow.h"
#include "games/rules/WordBuildingGridFiles.h"
#include "mainwindow/MainControls.h"
#include "mainwindow/MainMenus.h"
#include "mainwindow/MainWindow.h"
#include "processor/Console.h"
#include "processor/Executor.h"
#include "processor/ReportError.h"
#include "processor/Settings.h"
#include "processor/Threads.h"

namespace qora {

namespace {

// Runs a change of the window on the main thread, from whichever thread.
void InWindow(const std::function<void(TForm2&)>& change) {
    SyncBridge().Run([&] {
        if (Form2 != nullptr) change(*Form2);
    });
}

// The settings a checked line implies, taken on the thread that checked it
// (the settings records belong to that thread while it performs the line)
// and shown on the controls without waiting; of several on their way only
// the latest is shown.
struct ImpliedSettings {
    Settings Shown;
    LetterCounts TileScores;
};
// no-reset: a channel to the window, it keeps no value
LatestValuePoster<ImpliedSettings> impliedSettings(SyncBridge(), [](const ImpliedSettings& implied) {
    if (Form2 != nullptr) Form2->Controls->ShowSettings(implied.Shown, implied.TileScores);
});

// Messages of the command language: the status bar for checks, the workspace
// for performed lines.
// no-reset: holds no data, it writes reports to the status bar
ConsoleErrorSink reportSink([](const std::string& text) {
    InWindow([&](TForm2& form) { form.ShowStatusMessage(text); });
});

// Worker threads queue a call and wake the event loop, which runs it.
void WakeMainThread() {
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [] { SyncBridge().RunPending(); }, Qt::QueuedConnection);
}

}  // namespace

ProcessedLine HandleTypedCommandLine(bool reportErrors, bool perform) {
    const std::string line = CommandLine();
    return ProcessCommandLine({line, &CommandHistory, false}, reportErrors, perform);
}

void ConnectMainWindow(TForm2& form) {
    ConnectCommandProcessor();
    ConnectLetterGridGame([] {
        if (BogglePlayer != nullptr) BogglePlayer->ShowCurrentGrid();
    });
    ConsoleEditHooks.RestartRevertCountdown = [&form] { form.RestartRevertCountdown(); };
    ConsoleEditHooks.RecheckCommandLine = [&form] { form.RecheckCommandLine(); };
    CommandLineHandlers.ShowImpliedSettings = [] { impliedSettings.Post({DisplayedSettings, LineTileScores()}); };
    SetErrorReportSink(&reportSink);

    ExecutorHandlers.OpenChallengeWindow = [&form] { form.ChallengeClick(&form); };
    ExecutorHandlers.StartTimer = [&form] { form.StartTimerFromCommand(); };
    ExecutorHandlers.ResetTimerPeriod = [] { InWindow([](TForm2& window) { window.TimerTab().ResetTimerPeriod(); }); };
    ExecutorHandlers.RefreshListTabs = [&form] { form.RefreshListTabs(); };
    ExecutorHandlers.ShowFlashcardState = [&form] { form.UpdateIndicators(); };
    ExecutorHandlers.ShowProgress = [&form](const std::string& text) { form.ShowStatusMessage(text); };
    ExecutorHandlers.OpenWordBuildingGame = [&form] { form.Menus().MenuWordsmithClick(); };
    ExecutorHandlers.OpenGridGame = [&form] { form.Menus().MenuBigBoggleClick(nullptr); };
    ExecutorHandlers.PrintWorkspace = PrintWorkspace;
    ExecutorHandlers.WriteWordBuildingGrids = [](std::string& text) { return WriteWordBuildingGrids(text); };
    ExecutorHandlers.ReadWordBuildingGrids = ImportWordBuildingGridsByCommand;
    ExecutorHandlers.ResetLayoutDialogs = ResetLayoutDialogs;
    ExecutorHandlers.ShowBagCaption = ShowBagCaption;

    ThreadHooks.SetControlsEnabled = [&form](bool enabled) {
        form.SetControlsEnabled(enabled);
        if (BogglePlayer) BogglePlayer->ShowState();  // Solve waits for the end
    };
    ThreadHooks.AskLargeOutput = AskLargeOutputQuestion;
    ThreadHooks.ExitProgram = [&form](int status) { form.ExitProgram(status); };
    SyncBridge().SetWakeUp(WakeMainThread);

    AddLexiconStatusHook([](const LexiconStatusChange& change) {
        if (Form2 == nullptr) return;
        if (change.LanguageChanged) Form2->ApplyLexiconLanguage();
        FillWordReferencePositions();
        FillProbeWordNumbers();
        ShowInLexiconCaption();
        Form2->ShowLexiconCaption();
    });
}

void DisconnectMainWindow() {
    SolveLetterGrid = nullptr;
    ConsoleEditHooks = {};
    CommandLineHandlers = {};
    SetErrorReportSink(nullptr);
    ResetExecutor();
    ThreadHooks = {};
    SyncBridge().SetWakeUp(nullptr);
}

}  // namespace qora
