// Query evaluation: a 7-tile anagram query with its filters beside the bare
// search of the same tiles (goal: within twice its time), a query that finds
// about 50,000 words into the slate, and queries that need the matchers of
// search tables (sets and racks, a steal, a pair of words, a query-based
// set), queries whose query-based sets repeat constituent after constituent
// (goal: milliseconds, where a walk for each way of binding them took
// minutes), and patterns of runs of open length each repeated by a set
// after them all (goal: bounded by the walk of the lexicon however many
// there are; 17 of them never ended). Over the English lexicon of
// bench/BenchLexicon.h.
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

// `count` runs `unit` of open length, then "(S1)" to "(Sn)" repeating
// them: the runs may take the word's tiles in very many ways.
void BM_QueryBindingsAfterRuns(benchmark::State& state, const std::string& unit, int count, const std::string& mode) {
    std::string line = mode;
    for (int n = 0; n < count; ++n) line += unit;
    for (int n = 1; n <= count; ++n) line += "(S" + std::to_string(n) + ")";
    Evaluations(state, line);
}

BENCHMARK(BM_BareAnagram7)->Unit(benchmark::kMicrosecond)->ComputeStatistics("min", bench::Fastest);
BENCHMARK(BM_QueryAnagram7WithFilters)->Unit(benchmark::kMicrosecond)->ComputeStatistics("min", bench::Fastest);
BENCHMARK(BM_Query50000Words)->Unit(benchmark::kMillisecond)->ComputeStatistics("min", bench::Fastest);
BENCHMARK(BM_QuerySetsAndRack)->Unit(benchmark::kMicrosecond)->ComputeStatistics("min", bench::Fastest);
BENCHMARK(BM_QuerySteal)->Unit(benchmark::kMillisecond)->ComputeStatistics("min", bench::Fastest);
BENCHMARK(BM_QueryTwoWords)->Unit(benchmark::kMillisecond)->ComputeStatistics("min", bench::Fastest);
BENCHMARK(BM_QueryDoubleLetter)->Unit(benchmark::kMillisecond)->ComputeStatistics("min", bench::Fastest);
// The shapes of queries, each timed in milliseconds.
#define SHAPE(function, name, ...)                 \
    BENCHMARK_CAPTURE(function, name, __VA_ARGS__) \
        ->Unit(benchmark::kMillisecond)            \
        ->ComputeStatistics("min", bench::Fastest)
SHAPE(BM_QueryRepeatedBindings, Anagram3, "*(S-1)", 3, "");
SHAPE(BM_QueryRepeatedBindings, Anagram6, "*(S-1)", 6, "");
SHAPE(BM_QueryRepeatedBindings, Pattern3, ".0(S-1)", 3, "");
SHAPE(BM_QueryRepeatedBindings, Pattern6, ".0(S-1)", 6, "");
SHAPE(BM_QueryRepeatedBindings, Consonants3, "(C)*(S-1)", 3, "");
SHAPE(BM_QueryRepeatedBindings, Blanks6, "?(S-1)", 6, "");
SHAPE(BM_QueryRepeatedBindings, Imbedded3, "?(S-1)", 3, "/Q3 ");
SHAPE(BM_QueryRepeatedBindings, Steal2, "?(S-1)", 2, "/Q4 ");
SHAPE(BM_QueryBindingsAfterRuns, Pattern4, "0?", 4, "/Q2 ");
SHAPE(BM_QueryBindingsAfterRuns, Pattern8, "0?", 8, "/Q2 ");
SHAPE(BM_QueryBindingsAfterRuns, Pattern10, "0?", 10, "/Q2 ");
SHAPE(BM_QueryBindingsAfterRuns, Pattern17, "0?", 17, "/Q2 ");
SHAPE(BM_QueryBindingsAfterRuns, WildCards17, "*", 17, "/Q2 ");
SHAPE(BM_QueryBindingsAfterRuns, Imbedded4, "0?", 4, "/Q3 ");
SHAPE(BM_QueryBindingsAfterRuns, Imbedded8, "0?", 8, "/Q3 ");
SHAPE(BM_QueryBindingsAfterRuns, Imbedded17, "*", 17, "/Q3 ");
SHAPE(BM_QueryBindingsAfterRuns, Steal4, "0?", 4, "/Q4 ");

}  // namespace
}  // namespace qora

BENCHMARK_MAIN();
