// The executor end to end through the headless runner: a performed line is
// parsed, handed to the query thread, evaluated, sorted and presented line
// by line into the console through the synchronous bridge, which the
// benchmark's thread pumps as the window's event loop would.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bench/BenchWords.h"
#include "processor/Console.h"
#include "processor/Headless.h"
#include "tools/LexiconCompiler.h"

namespace {

using namespace qora;
using bench::MakeWords;

constexpr int WordCount = 50000;

// A folder with a lexicon of the words and the same words as a wordlist
// file, made current, and the processor started on it.
class Session {
public:
    Session() {
        std::string pattern = (std::filesystem::temp_directory_path() / "qora-bench-XXXXXX").string();
        folder_ = ::mkdtemp(pattern.data());
        std::filesystem::current_path(folder_);
        const std::vector<std::string> words = MakeWords(WordCount);
        LexiconBuildOptions options;
        options.shortName = "BENCH";
        std::vector<unsigned char> image;
        LexiconBuildReport report;
        std::string error;
        BuildLexiconImage(words, options, image, report, error);
        std::ofstream("BENCH.QLX", std::ios::binary)
            .write(reinterpret_cast<const char*>(image.data()), static_cast<std::streamsize>(image.size()));
        std::ofstream list("words.wds", std::ios::binary);
        for (const std::string& word : words) list << word << '\n';
        list.close();
        ok_ = StartHeadless({".", "", nullptr}).empty();
    }
    ~Session() {
        StopHeadless();
        std::filesystem::remove_all(folder_);
    }
    bool Ok() const { return ok_; }

private:
    std::filesystem::path folder_;
    bool ok_ = false;
};

// Performs `line` once per iteration into an empty workspace.
void PerformInto(benchmark::State& state, const std::string& setUp, const std::string& line) {
    Session session;
    if (!session.Ok() || !PerformHeadlessLine(setUp)) {
        state.SkipWithError("the processor did not start");
        return;
    }
    for (auto _ : state) {
        state.PauseTiming();
        ClearWorkspace();
        state.ResumeTiming();
        PerformHeadlessLine(line);
    }
    state.counters["lines"] = static_cast<double>(WorkspaceLines().size());
}

// A query that finds all 50,000 words of the lexicon: evaluated, sorted and
// presented one per line.
void QueryFindingFiftyThousand(benchmark::State& state) { PerformInto(state, "/O1!", "*"); }
BENCHMARK(QueryFindingFiftyThousand)->Unit(benchmark::kMillisecond);

// 50,000 words on the slate, sorted and presented one per line.
void PresentFiftyThousand(benchmark::State& state) { PerformInto(state, "/FR1W\"words.wds\"/1R", "/P1"); }
BENCHMARK(PresentFiftyThousand)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
