// The workspace console in the real main window: a long presentation
// streamed from the query thread through the synchronous bridge in batches,
// and the silent re-check made after every key typed on a workspace with a
// long history.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QTest>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "mainwindow/Connections.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/Workspace.h"
#include "processor/Console.h"
#include "processor/Settings.h"
#include "processor/Threads.h"

namespace {

using namespace qora;

constexpr int PresentedLines = 50000;
constexpr int HistoryLines = 100000;
constexpr std::size_t PresentationBatchLines = 500;

// A result line as a presentation writes it: a word with a blank-matched
// letter and a few annotations.
std::string ResultLine(int i) {
    char line[64];
    std::snprintf(line, sizeof line, "%6d  RETAINS%c  12  0.0042  ASTERIN", i, 'A' + i % 26);
    return line;
}

// One main window for the whole run, linked to the processor as in the program.
TForm2& Window() {
    static TForm2* form = [] {
        StartProcessorThreads();
        LoadBuiltInSettings();
        auto* window = new TForm2();
        ConnectMainWindow(*window);
        window->resize(1280, 800);
        window->show();
        ClearWorkspace();
        return window;
    }();
    return *form;
}

void Presentation50000Lines(benchmark::State& state) {
    TForm2& form = Window();
    for (auto _ : state) {
        ClearWorkspace();
        form.Workspace->FlushPendingLines();
        // The query thread passes its lines in batches, as a presentation does.
        std::thread query([] {
            std::vector<PresentedLine> batch;
            for (int i = 0; i < PresentedLines; ++i) {
                batch.push_back({ResultLine(i), {{15, 1}}});
                if (batch.size() == PresentationBatchLines || i + 1 == PresentedLines) {
                    WritePresentationLines(batch);
                    batch.clear();
                }
            }
        });
        const int wanted = PresentedLines + 1;  // and the prompt line
        while (form.Workspace->document()->blockCount() < wanted)
            QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
        query.join();
        form.Workspace->ensureCursorVisible();
        QCoreApplication::processEvents();
    }
    state.counters["lines"] = PresentedLines;
}
BENCHMARK(Presentation50000Lines)->Unit(benchmark::kMillisecond)->Iterations(3);

void RecheckWhileTypingUnder100000Lines(benchmark::State& state) {
    TForm2& form = Window();
    ClearWorkspace();
    for (int i = 0; i < HistoryLines; ++i) WriteOutputLine(ResultLine(i));
    WritePromptLine();
    form.Workspace->FlushPendingLines();
    form.Workspace->MoveCaretToCommandLineEnd();
    QTest::keyClicks(form.Workspace, QStringLiteral("AEINRST/|=8 "));
    for (auto _ : state) {
        QTest::keyClick(form.Workspace, Qt::Key_Question);
        QTest::keyClick(form.Workspace, Qt::Key_Backspace);
    }
    state.SetItemsProcessed(state.iterations() * 2);  // keys, each followed by a re-check
}
BENCHMARK(RecheckWhileTypingUnder100000Lines)->Unit(benchmark::kMicrosecond);

}  // namespace
