// The silent re-check that runs after every edit of the command line must be
// far quicker than typing: goal, a 200-character line well under a
// millisecond.
#include <benchmark/benchmark.h>

#include <string>

#include "engine/Tiles.h"
#include "processor/CommandLine.h"
#include "processor/Settings.h"

namespace {

using namespace qora;

// 200 characters of everyday work: a query with sets, a rack part and a word
// reference, filters, layout, ordering and a lasting mark.
std::string TypicalLine() {
    std::string line =
        "AEI2(V)(+S)?,QZ! (@$>4)[M~1-2|] /|4-8 /$>=10 /<<=(AES) /:<=(-AEIOU) /\"!|plural\" /OC12W/OR55C "
        "/KL-S/Z! /%>100 (#<=2)(!QXZ)(RE.AIN)*AB(R-1)(S-2) /.\"AEIOU BCDFGHJKLMNPQRSTVWXYZ?\"/Q1 ";
    line.resize(200, ' ');
    return line;
}

void BM_SilentRecheck(benchmark::State& state) {
    SetLanguageTables(Language::English);
    LoadBuiltInSettings();
    const std::string line = TypicalLine();
    const CommandLineInput input{line};
    for (auto _ : state) {
        const ProcessedLine result = ProcessCommandLine(input, false, false);
        benchmark::DoNotOptimize(result.HasError);
    }
    if (CommandLineHasError) state.SkipWithError("the benchmark line has an error");
    state.SetLabel(std::to_string(line.size()) + " characters");
}
BENCHMARK(BM_SilentRecheck);

void BM_ParseQueryOnly(benchmark::State& state) {
    SetLanguageTables(Language::English);
    LoadBuiltInSettings();
    const std::string line(200, 'A');
    ParsedCommand command;
    for (auto _ : state) {
        const ParseResult result = ParseLine(line, StandingSettings, false, command);
        benchmark::DoNotOptimize(result.RackMode);
    }
}
BENCHMARK(BM_ParseQueryOnly);

}  // namespace

BENCHMARK_MAIN();
