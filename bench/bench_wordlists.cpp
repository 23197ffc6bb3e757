// Wordlists: adding query results to the slate (in word order, as a lexicon
// walk yields them, and in any order, as word references and the grid solver
// do), reading and writing wordlist files, putting items in word order and
// sorting them for a presentation, copying wordlists, and appending random
// racks. The memory benchmarks count the bytes the program allocates (this
// program replaces the global allocator) and report them per item: what an
// import of one-letter lines and a copy of its wordlist hold, and the peak
// of the import.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <random>
#include <string>
#include <vector>

#include "bench/BenchWords.h"
#include "engine/Ordering.h"
#include "engine/RandomRacks.h"
#include "engine/WordlistFiles.h"
#include "engine/Wordlists.h"
#include "platform/Files.h"

namespace {

std::atomic<std::size_t> liveBytes{0};
std::atomic<std::size_t> peakBytes{0};

void* Allocate(std::size_t size) {
    void* block = std::malloc(size == 0 ? 1 : size);
    if (block == nullptr) throw std::bad_alloc();
    const std::size_t live = liveBytes += malloc_usable_size(block);
    std::size_t peak = peakBytes.load();
    while (live > peak && !peakBytes.compare_exchange_weak(peak, live)) {
    }
    return block;
}

void Release(void* block) noexcept {
    if (block == nullptr) return;
    liveBytes -= malloc_usable_size(block);
    std::free(block);
}

}  // namespace

void* operator new(std::size_t size) { return Allocate(size); }
void* operator new[](std::size_t size) { return Allocate(size); }
void operator delete(void* block) noexcept { Release(block); }
void operator delete[](void* block) noexcept { Release(block); }
void operator delete(void* block, std::size_t) noexcept { Release(block); }
void operator delete[](void* block, std::size_t) noexcept { Release(block); }

namespace {

using namespace qora;
using bench::MakeWords;

const std::string LettersPath = "/tmp/qora_bench_letters.wds";

// A file of `lines` one-letter lines.
void WriteLetterLines(std::int64_t lines) {
    std::string text;
    text.reserve(static_cast<std::size_t>(lines) * 2);
    for (std::int64_t i = 0; i < lines; ++i) {
        text += static_cast<char>('A' + i % 26);
        text += '\n';
    }
    WriteWholeFile(LettersPath, text);
}

// Ends a benchmark over the file of one-letter lines.
void EndLetterLines(benchmark::State& state, std::int64_t lines) {
    state.SetItemsProcessed(state.iterations() * lines);
    ResetWordlists();
    std::remove(LettersPath.c_str());
}

void Import(const std::string& path, std::int32_t number) {
    WordlistFileReport report;
    std::string error;
    if (!ImportWordlist(path, number, report, error)) std::abort();
}

double PerItem(std::size_t bytes, std::int64_t items) {
    return static_cast<double>(bytes) / static_cast<double>(items);
}

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

// Imports a file of one-letter lines; reports the bytes per item that the
// wordlist holds and the peak while importing (the file's bytes included).
void ImportLetterLines(benchmark::State& state) {
    const std::int64_t lines = state.range(0);
    WriteLetterLines(lines);
    std::size_t held = 0, peak = 0;
    for (auto _ : state) {
        state.PauseTiming();
        ResetWordlists();
        const std::size_t before = liveBytes;
        peakBytes = before;
        state.ResumeTiming();
        Import(LettersPath, 1);
        held = liveBytes - before;
        peak = peakBytes - before;
    }
    state.counters["held_bytes_per_item"] = PerItem(held, lines);
    state.counters["peak_bytes_per_item"] = PerItem(peak, lines);
    EndLetterLines(state, lines);
}
BENCHMARK(ImportLetterLines)->Arg(3000000)->Unit(benchmark::kMillisecond);

// Copies an imported wordlist of one-letter lines (as /Y does); reports the
// bytes per item that the copy holds.
void CopyLetterLines(benchmark::State& state) {
    const std::int64_t lines = state.range(0);
    WriteLetterLines(lines);
    ResetWordlists();
    Import(LettersPath, 1);
    std::size_t held = 0;
    for (auto _ : state) {
        state.PauseTiming();
        ObtainWordlist(2);
        ClearWordlist(*FindWordlist(2));
        const std::size_t before = liveBytes;
        state.ResumeTiming();
        CopyWordlist(1, 2);
        held = liveBytes - before;
    }
    state.counters["copy_bytes_per_item"] = PerItem(held, lines);
    EndLetterLines(state, lines);
}
BENCHMARK(CopyLetterLines)->Arg(3000000)->Unit(benchmark::kMillisecond);

// Puts an imported wordlist of words in random order into word order.
void PutInWordOrder(benchmark::State& state) {
    auto words = MakeWords(static_cast<int>(state.range(0)));
    std::shuffle(words.begin(), words.end(), std::mt19937(5));
    for (auto _ : state) {
        state.PauseTiming();
        ClearWordlist(Slate);
        for (const std::string& word : words) AppendWordlistItem(Slate, word, false);
        state.ResumeTiming();
        Slate.PutInWordOrder();
        benchmark::DoNotOptimize(Slate.Count());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(PutInWordOrder)->Arg(200000)->Unit(benchmark::kMillisecond);

// The presentation's sort: longest first, then alphabetical.
void SortForPresentation(benchmark::State& state) {
    ClearWordlist(Slate);
    for (const std::string& word : MakeWords(static_cast<int>(state.range(0)))) AddWordToWordlist(Slate, word, false);
    const SortKey keys[] = {{SortKeyKind::Length, true}, {SortKeyKind::Alphabetical, false}};
    const Settings settings;
    for (auto _ : state) benchmark::DoNotOptimize(SortedOrder(Slate, keys, settings));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(SortForPresentation)->Arg(200000)->Unit(benchmark::kMillisecond);

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
