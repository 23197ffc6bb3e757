// The 5 x 5 letter-grid solver over the English lexicon of
// bench/BenchLexicon.h (goal: a grid solved in under 5 ms): the walk of the
// grid and the lexicon alone, and the whole grid query with its filters and
// the slate, on a grid rich in frequent and repeated letters and on a grid
// with a Q.
#include <benchmark/benchmark.h>

#include <string>

#include "bench/BenchLexicon.h"
#include "engine/QueryEvaluation.h"
#include "games/rules/LetterGridSolver.h"
#include "processor/Parser.h"
#include "processor/Settings.h"

namespace qora {
namespace {

const std::string RichGrid = "SERSPATGLINESERSPATGLINES";
const std::string GridWithQ = "QUITENORSALEDIRTHEMASCOPE";

class FailOnError final : public QueryOutput {
public:
    void WriteLine(const std::string&) override {}
    void ReportError(const std::string& message) override {
        std::fprintf(stderr, "bench_grid: %s\n", message.c_str());
        std::exit(1);
    }
    void ShowProgress(const std::string&) override {}
};

void GridWalk(benchmark::State& state, const std::string& grid) {
    const LexiconRecord& lexicon = bench::English();
    std::size_t offered = 0;
    for (auto _ : state) {
        LetterGridGraph graph = BuildLetterGridGraph(grid);
        offered = 0;
        SearchLetterGrid(graph, std::span<const LexiconNode>(lexicon.Nodes, lexicon.NodeCount),
                         [&offered](std::string_view) { ++offered; });
    }
    state.counters["paths"] = static_cast<double>(offered);
}

// The query as the game's Solve button writes it, with a length filter so
// that the four-letter words are offered too.
void GridQuery(benchmark::State& state, const std::string& grid) {
    bench::English();
    ConnectLetterGridSolver();
    ParsedCommand command;
    if (ParseLine(grid + "/B/@| /|4 ", BuiltInSettings(), false, command).HasError()) std::exit(1);
    FailOnError output;
    for (auto _ : state) EvaluateQuery(command, {}, output);
    state.counters["words"] = static_cast<double>(Slate.Count());
}

void BM_GridWalkRich(benchmark::State& state) { GridWalk(state, RichGrid); }
void BM_GridWalkWithQ(benchmark::State& state) { GridWalk(state, GridWithQ); }
void BM_GridQueryRich(benchmark::State& state) { GridQuery(state, RichGrid); }
void BM_GridQueryWithQ(benchmark::State& state) { GridQuery(state, GridWithQ); }

BENCHMARK(BM_GridWalkRich)->Unit(benchmark::kMicrosecond)->ComputeStatistics("min", bench::Fastest);
BENCHMARK(BM_GridWalkWithQ)->Unit(benchmark::kMicrosecond)->ComputeStatistics("min", bench::Fastest);
BENCHMARK(BM_GridQueryRich)->Unit(benchmark::kMicrosecond)->ComputeStatistics("min", bench::Fastest);
BENCHMARK(BM_GridQueryWithQ)->Unit(benchmark::kMicrosecond)->ComputeStatistics("min", bench::Fastest);

}  // namespace
}  // namespace qora

BENCHMARK_MAIN();
