// Query evaluation: a 7-tile anagram query with its filters beside the bare
// search of the same tiles (goal: within twice its time), a query that finds
// about 50,000 words into the slate, and queries that need the matchers of
// search tables (sets and racks, a steal, a pair of words, a query-based
// set), and queries whose query-based sets repeat constituent after
// constituent (goal: milliseconds, where a walk for each way of binding them
// took minutes). Over the English lexicon of bench/BenchLexicon.h.
#include <benchmark/benchmark.h>

#include <string>

#include "bench/BenchLexicon.h"
#include "engine/QueryEvaluation.h"
#include "engine/Search.h"
#include "processor/Parser.h"
#include "processor/Settings.h"

namespace qora {
namespace {

class NoOutput final : public QueryOutput {
public:
    void WriteLine(const std::string&) override {}
    void ReportError(const std::string& message) override {
        std::fprintf(stderr, "bench_query: %s\n", message.c_str());
        std::exit(1);
    }
    void ShowProgress(const std::string&) override {}
};

ParsedCommand Parsed(const std::string& line) {
    ParsedCommand command;
    if (ParseLine(line, BuiltInSettings(), false, command).HasError()) {
        std::fprintf(stderr, "bench_query: cannot parse %s\n", line.c_str());
        std::exit(1);
    }
    return command;
}

void Evaluations(benchmark::State& state, const std::string& line) {
    bench::English();
    const ParsedCommand command = Parsed(line);
    const std::string mapping = RotationLetterMapping();
    NoOutput output;
    for (auto _ : state) EvaluateQuery(command, {mapping, nullptr}, output);
    state.counters["words"] = static_cast<double>(Slate.Count());
}

// The bare search of AEINRST, each match copied as the evaluation copies it.
void BM_BareAnagram7(benchmark::State& state) {
    const LexiconRecord& lexicon = bench::English();
    LetterCounts tiles{};
    for (char c : std::string("AEINRST")) ++tiles[c - TileBase - 1];
    std::size_t found = 0;
    for (auto _ : state) {
        AnagramConstraint constraint(tiles, 0, false, AnagramFit::Exact);
        found = 0;
        SearchLexicon(lexicon, constraint, [&found](const SearchMatch& match) {
            benchmark::DoNotOptimize(std::string(match.Word));
            ++found;
            return true;
        });
    }
    state.counters["words"] = static_cast<double>(found);
}

void BM_QueryAnagram7WithFilters(benchmark::State& state) { Evaluations(state, "AEINRST/|=7 /$>=7 /#=1 "); }
void BM_Query50000Words(benchmark::State& state) { Evaluations(state, "/Q3 E/|5-9 "); }
void BM_QuerySetsAndRack(benchmark::State& state) { Evaluations(state, "AEIN(C)(V),RST?"); }
void BM_QuerySteal(benchmark::State& state) { Evaluations(state, "/Q4 TRAIN"); }
void BM_QueryTwoWords(benchmark::State& state) { Evaluations(state, "/Q5 DOGCATS"); }
// Two equal letters anywhere: the racks of the 26 tiles the "(S1)" may
// repeat, in one walk.
void BM_QueryDoubleLetter(benchmark::State& state) { Evaluations(state, "?(S1)*"); }

// Each "(S-1)" repeats the constituent before it, each of which may be any
// tile: 26^n ways of binding them.
void BM_QueryRepeatedBindings(benchmark::State& state, const std::string& unit, int times, const std::string& mode) {
    std::string line = mode;
    for (int n = 0; n < times; ++n) line += unit;
    Evaluations(state, line);
}

BENCHMARK(BM_BareAnagram7)->Unit(benchmark::kMicrosecond)->ComputeStatistics("min", bench::Fastest);
BENCHMARK(BM_QueryAnagram7WithFilters)->Unit(benchmark::kMicrosecond)->ComputeStatistics("min", bench::Fastest);
BENCHMARK(BM_Query50000Words)->Unit(benchmark::kMillisecond)->ComputeStatistics("min", bench::Fastest);
BENCHMARK(BM_QuerySetsAndRack)->Unit(benchmark::kMicrosecond)->ComputeStatistics("min", bench::Fastest);
BENCHMARK(BM_QuerySteal)->Unit(benchmark::kMillisecond)->ComputeStatistics("min", bench::Fastest);
BENCHMARK(BM_QueryTwoWords)->Unit(benchmark::kMillisecond)->ComputeStatistics("min", bench::Fastest);
BENCHMARK(BM_QueryDoubleLetter)->Unit(benchmark::kMillisecond)->ComputeStatistics("min", bench::Fastest);
#define REPEATED(name, ...)                                        \
    BENCHMARK_CAPTURE(BM_QueryRepeatedBindings, name, __VA_ARGS__) \
        ->Unit(benchmark::kMillisecond)                            \
        ->ComputeStatistics("min", bench::Fastest)
REPEATED(Anagram3, "*(S-1)", 3, "");
REPEATED(Anagram6, "*(S-1)", 6, "");
REPEATED(Pattern3, ".0(S-1)", 3, "");
REPEATED(Pattern6, ".0(S-1)", 6, "");
REPEATED(Consonants3, "(C)*(S-1)", 3, "");
REPEATED(Blanks6, "?(S-1)", 6, "");
REPEATED(Imbedded3, "?(S-1)", 3, "/Q3 ");
REPEATED(Steal2, "?(S-1)", 2, "/Q4 ");

}  // namespace
}  // namespace qora

BENCHMARK_MAIN();
