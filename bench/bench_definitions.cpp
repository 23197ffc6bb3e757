// The definitions file: loading a file of the size of a full lexicon's
// definitions at start-up, and the definition filter's text test over the
// results of a large query.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "engine/Definitions.h"

namespace {

using namespace qora;

constexpr int EntryCount = 200000;
const char* const DefinitionsPath = "/tmp/qora_bench_definitions.txt";

std::string RandomWord(std::mt19937& random, int minLength, int maxLength) {
    std::string word(minLength + random() % (maxLength - minLength + 1), 'A');
    for (char& c : word) c = static_cast<char>('A' + random() % 26);
    return word;
}

// Writes a definitions file of EntryCount lines of about 60 characters and
// returns its words.
std::vector<std::string> WriteDefinitionsFile() {
    std::mt19937 random(11);
    std::vector<std::string> words;
    std::ofstream file(DefinitionsPath, std::ios::binary);
    for (int i = 0; i < EntryCount; ++i) {
        words.push_back(RandomWord(random, 2, 12));
        file << words.back() << ' ';
        for (int k = 0; k < 8; ++k) file << RandomWord(random, 2, 8) << (k == 7 ? " [n]\n" : " ");
    }
    return words;
}

void LoadDefinitionsFile(benchmark::State& state) {
    WriteDefinitionsFile();
    for (auto _ : state) benchmark::DoNotOptimize(LoadDefinitions(DefinitionsPath).Entries);
    std::remove(DefinitionsPath);
    state.SetItemsProcessed(state.iterations() * EntryCount);
}
BENCHMARK(LoadDefinitionsFile)->Unit(benchmark::kMillisecond);

void FilterByDefinition(benchmark::State& state) {
    const std::vector<std::string> words = WriteDefinitionsFile();
    LoadDefinitions(DefinitionsPath);
    std::remove(DefinitionsPath);
    const std::string text = StoredDefinitionText("n");
    const int results = static_cast<int>(state.range(0));
    for (auto _ : state) {
        int kept = 0;
        for (int i = 0; i < results; ++i) {
            const std::string* definition = FindDefinition(words[i]);
            kept += definition != nullptr && DefinitionIncludes(*definition, text);
        }
        benchmark::DoNotOptimize(kept);
    }
    state.SetItemsProcessed(state.iterations() * results);
}
BENCHMARK(FilterByDefinition)->Arg(50000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
