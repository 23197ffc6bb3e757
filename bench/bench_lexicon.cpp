// Lexicon benchmarks: reading and validating a lexicon (the start-up cost), anagram and pattern
// searches, a full walk of the graph and the word test.
//
// The English lexicon is built from /usr/share/dict/american-english-large
// when the run starts, or taken from the file named by QORA_BENCH_LEXICON;
// the French one (for opening) from /usr/share/dict/french.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "bench/BenchLexicon.h"
#include "engine/Lexicons.h"
#include "engine/Search.h"
#include "engine/WordTests.h"

namespace qora {
namespace {

using bench::English;
using bench::EnglishFolder;
using bench::Fastest;
using bench::FrenchFolder;
using bench::Load;

LetterCounts CountsOf(std::string_view tiles) {
    LetterCounts counts{};
    for (unsigned char c : tiles) ++counts[c - TileBase - 1];
    return counts;
}

void OpenAndValidate(benchmark::State& state, const std::string& folder) {
    for (auto _ : state) {
        Load(folder);
        benchmark::DoNotOptimize(LexiconTable[0].Nodes);
    }
    const LexiconRecord& lexicon = LexiconTable[0];
    state.counters["nodes"] = static_cast<double>(lexicon.NodeCount);
    state.counters["file_bytes"] = static_cast<double>(std::filesystem::file_size(lexicon.Path));
    state.counters["held_bytes"] = static_cast<double>(lexicon.NodeCount * sizeof(LexiconNode));
    ResetLexicons();
}

void BM_OpenAndValidateFrench(benchmark::State& state) { OpenAndValidate(state, FrenchFolder()); }
void BM_OpenAndValidateEnglish(benchmark::State& state) { OpenAndValidate(state, EnglishFolder()); }

// Runs the search of a fresh constraint per iteration and reports the matches.
template <typename MakeConstraint>
void Searches(benchmark::State& state, MakeConstraint makeConstraint) {
    const LexiconRecord& lexicon = English();
    std::size_t found = 0;
    for (auto _ : state) {
        auto constraint = makeConstraint();
        found = 0;
        SearchLexicon(lexicon, constraint, [&found](const SearchMatch&) {
            ++found;
            return true;
        });
    }
    state.counters["words"] = static_cast<double>(found);
}

// Racks: the letters, the last range(0) of them given as blanks.
void Anagrams(benchmark::State& state, std::string_view letters) {
    const int blanks = static_cast<int>(state.range(0));
    const LetterCounts tiles = CountsOf(letters.substr(0, letters.size() - blanks));
    Searches(state, [&] { return AnagramConstraint(tiles, blanks, false, AnagramFit::Exact); });
}

void BM_Anagram7(benchmark::State& state) { Anagrams(state, "AEINRST"); }
void BM_Anagram15(benchmark::State& state) { Anagrams(state, "ENTIRASOLUDCPMH"); }

// Seven tiles and a wild card: every word that holds all seven.
void BM_Anagram7WithWildCard(benchmark::State& state) {
    Searches(state, [] { return AnagramConstraint(CountsOf("AEINRST"), 0, true, AnagramFit::Exact); });
}

// The pattern "C*T*ING": C, any run, T, any run, I N G.
void BM_PatternWithWildCard(benchmark::State& state) {
    const TileMask all = AllTilesMask(LatinTileCount);
    const auto letter = [](char c) { return PatternElement{TileBit(c - TileBase), false, false}; };
    const std::vector<PatternElement> pattern = {letter('C'), {all, true, true}, letter('T'), {all, true, true},
                                                 letter('I'), letter('N'),       letter('G')};
    Searches(state, [&] { return PatternConstraint(pattern); });
}

// Every word of the lexicon.
void BM_FullWalk(benchmark::State& state) {
    Searches(state, [] { return AnagramConstraint(LetterCounts{}, 0, true, AnagramFit::AtMost); });
}

// Word tests over every 50th word of the lexicon and as many non-words.
void BM_IsWordInLexicon(benchmark::State& state) {
    const LexiconRecord& lexicon = English();
    std::vector<std::string> probes;
    AnagramConstraint everything(LetterCounts{}, 0, true, AnagramFit::AtMost);
    std::size_t n = 0;
    SearchLexicon(lexicon, everything, [&](const SearchMatch& match) {
        if (n++ % 50 == 0) {
            probes.emplace_back(match.Word);
            probes.push_back(std::string(match.Word) + "Q");
        }
        return true;
    });
    for (auto _ : state)
        for (const auto& word : probes) benchmark::DoNotOptimize(IsWordInLexicon(PrimaryRole, false, word));
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * probes.size()));
}

BENCHMARK(BM_OpenAndValidateFrench)->Unit(benchmark::kMillisecond)->ComputeStatistics("min", Fastest);
BENCHMARK(BM_OpenAndValidateEnglish)->Unit(benchmark::kMillisecond)->ComputeStatistics("min", Fastest);
BENCHMARK(BM_Anagram7)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond)->ComputeStatistics("min", Fastest);
BENCHMARK(BM_Anagram15)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond)->ComputeStatistics("min", Fastest);
BENCHMARK(BM_Anagram7WithWildCard)->Unit(benchmark::kMicrosecond)->ComputeStatistics("min", Fastest);
BENCHMARK(BM_PatternWithWildCard)->Unit(benchmark::kMicrosecond)->ComputeStatistics("min", Fastest);
BENCHMARK(BM_FullWalk)->Unit(benchmark::kMillisecond)->ComputeStatistics("min", Fastest);
BENCHMARK(BM_IsWordInLexicon)->Unit(benchmark::kMicrosecond)->ComputeStatistics("min", Fastest);

}  // namespace
}  // namespace qora

BENCHMARK_MAIN();
