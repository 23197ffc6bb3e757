// Wordlists: adding query results to the slate (in word order, as a lexicon
// walk yields them, and in any order, as word references and the grid solver
// do), reading and writing wordlist files, and appending random racks.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "bench/BenchWords.h"
#include "engine/RandomRacks.h"
#include "engine/Wordlists.h"

namespace {

using namespace qora;
using bench::MakeWords;

// Arguments: the number of results; 0 to add them in word order, 1 in a
// random order.
void AddResults(benchmark::State& state) {
    auto words = MakeWords(static_cast<int>(state.range(0)));
    if (state.range(1) != 0) std::shuffle(words.begin(), words.end(), std::mt19937(3));
    for (auto _ : state) {
        ClearWordlist(Slate);
        for (const std::string& word : words) AddWordToWordlist(Slate, word, false);
        benchmark::DoNotOptimize(Slate.Count());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(AddResults)->Args({50000, 0})->Args({50000, 1})->Unit(benchmark::kMillisecond);

void ExportAndImport(benchmark::State& state) {
    ClearWordlist(Slate);
    for (const std::string& word : MakeWords(static_cast<int>(state.range(0)))) AppendWordlistItem(Slate, word, false);
    const std::string path = "/tmp/qora_bench_wordlist.wds";
    for (auto _ : state) {
        WordlistFileReport report;
        std::string error;
        ExportWordlist(0, path, false, {}, report, error);
        ImportWordlist(path, 1, report, error);
        benchmark::DoNotOptimize(report.Items);
    }
    std::remove(path.c_str());
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(ExportAndImport)->Arg(100000)->Unit(benchmark::kMillisecond);

void AppendRacks(benchmark::State& state) {
    for (auto _ : state) {
        ClearWordlist(Slate);
        AppendRandomRacks(Slate, static_cast<int>(state.range(0)), "AEIOU BCDFGHJKLMNPQRSTVWXYZ?");
        benchmark::DoNotOptimize(Slate.Count());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(AppendRacks)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
