// A long session through the real main window: a command file of N
// seven-letter anagram queries run by the command-file thread, each echoed
// into the history, searched and presented on the query thread, and shown
// by the window (offscreen). The time per query must not grow with the
// length of the session: compare N = 500, 2,000 and 8,000.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "bench/BenchLexicon.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/Startup.h"
#include "mainwindow/Workspace.h"
#include "processor/CommandFiles.h"
#include "processor/Console.h"
#include "processor/Threads.h"

namespace {

using namespace qora;

constexpr char WordListFile[] = "/usr/share/dict/american-english-large";

// Seven-letter words of the list, letters shuffled: the same every run.
std::vector<std::string> AnagramQueries(std::size_t count) {
    std::vector<std::string> words;
    std::ifstream list(WordListFile);
    for (std::string word; std::getline(list, word);)
        if (word.size() == 7 && std::all_of(word.begin(), word.end(), [](char c) { return c >= 'a' && c <= 'z'; }))
            words.push_back(word);
    if (words.empty()) {
        std::fprintf(stderr, "bench_session: no seven-letter words in %s\n", WordListFile);
        std::exit(1);
    }
    std::mt19937 random(7);
    std::vector<std::string> queries;
    for (std::size_t i = 0; i < count; ++i) {
        std::string query = words[random() % words.size()];
        std::shuffle(query.begin(), query.end(), random);
        for (char& c : query) c = static_cast<char>(c - 'a' + 'A');
        queries.push_back(query);
    }
    return queries;
}

std::string CommandFileOf(std::size_t count) {
    const auto path = bench::BenchFolder() / ("queries" + std::to_string(count) + ".txt");
    std::ofstream file(path);
    for (const std::string& query : AnagramQueries(count)) file << query << '\n';
    return path.string();
}

// The program's own start-up, in the English lexicon's folder.
void StartWindow() {
    static bool started = false;
    if (started) return;
    started = true;
    std::filesystem::current_path(bench::EnglishFolder());
    StartProcessorThreads();
    CreateForms();
    const std::string reason = FinishStartup({});
    if (!reason.empty()) {
        std::fprintf(stderr, "bench_session: %s\n", reason.c_str());
        std::exit(1);
    }
}

// The controls come back on when the command file has ended.
bool SessionEnded() { return Form2->ControlsEnabled() && !CommandFileRunning(); }

void CommandFileOfAnagramQueries(benchmark::State& state) {
    StartWindow();
    const auto count = static_cast<std::size_t>(state.range(0));
    const std::string file = CommandFileOf(count);
    for (auto _ : state) {
        state.PauseTiming();
        ClearCommandHistory();
        ClearWorkspace();
        QCoreApplication::processEvents();
        state.ResumeTiming();
        const std::string reason = RunCommandFile(file);
        if (!reason.empty()) {
            state.SkipWithError(reason.c_str());
            break;
        }
        while (!SessionEnded()) QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
        QCoreApplication::processEvents();
        Form2->Workspace->FlushPendingLines();
    }
    if (CommandHistory.size() != count) state.SkipWithError("not every query ran");
    state.counters["per_query"] = benchmark::Counter(static_cast<double>(count * state.iterations()),
                                                     benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(CommandFileOfAnagramQueries)
    ->Arg(500)
    ->Arg(2000)
    ->Arg(8000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1);

}  // namespace
