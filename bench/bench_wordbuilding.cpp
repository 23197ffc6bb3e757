// Word-Building Game solver benchmarks: the highest word of a grid (the game
// window's Highest Word, wanted in under 50 ms) and the whole-game search at
// each level (the lowest levels wanted in under a second).
//
// The grid is the one a fixed seed deals; the lexicon is the English one of
// bench/BenchLexicon.h. The levels above 6 take long: run them with
// --benchmark_filter=WholeGame/7 and so on.
#include <benchmark/benchmark.h>

#include "bench/BenchLexicon.h"
#include "engine/RandomRacks.h"
#include "games/rules/WordBuildingSolver.h"
#include "platform/Random.h"

namespace qora {
namespace {

WordBuildingSolverInput FixedGrid() {
    bench::English();
    RuntimeSeed(2024);
    return SolverInputOfPrimaryLexicon(ShuffleWordBuildingBag());
}

// The highest word from the fresh grid, and from it with the first two tiles
// of that word built.
void BM_HighestWord(benchmark::State& state) {
    const WordBuildingSolverInput input = FixedGrid();
    std::array<int, WordBuildingColumns> taken{};
    std::vector<std::uint8_t> built;
    if (state.range(0) > 0) {
        const std::vector<int> best = FindHighestWord(input, taken, built);
        for (std::size_t i = 0; i < 2 && i < best.size(); ++i) {
            built.push_back(static_cast<std::uint8_t>(best[i]));
            ++taken[static_cast<std::size_t>(best[i])];
        }
    }
    std::size_t length = 0;
    for (auto _ : state) length = FindHighestWord(input, taken, built).size();
    state.counters["tiles"] = static_cast<double>(length);
}
BENCHMARK(BM_HighestWord)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_WholeGame(benchmark::State& state) {
    const WordBuildingSolverInput input = FixedGrid();
    const SolverBeam level = SolverBeamOfLevel(static_cast<int>(state.range(0)));
    WordBuildingSolution solution;
    for (auto _ : state) solution = SolveWholeGame(input, level);
    state.counters["score"] = solution.score;
    state.counters["words"] = solution.wordCount;
}
BENCHMARK(BM_WholeGame)->DenseRange(1, 6)->Unit(benchmark::kSecond)->Iterations(1);
BENCHMARK(BM_WholeGame)->DenseRange(7, 12)->Unit(benchmark::kSecond)->Iterations(1)->Name("WholeGame");

}  // namespace
}  // namespace qora

BENCHMARK_MAIN();
