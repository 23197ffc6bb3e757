// Presentation of a large slate: 50,000 words sorted by the sort keys and
// laid out into lines written to a sink that keeps nothing. Together with
// the evaluation that finds them, this must stay well under a second.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "engine/Presentation.h"
#include "engine/Wordlists.h"

namespace {

using namespace qora;

class NullSink : public PresentationSink {
public:
    bool WriteLine(std::string_view text, std::span<const MarkRange> blankMarks) override {
        benchmark::DoNotOptimize(text.data());
        benchmark::DoNotOptimize(blankMarks.data());
        return true;
    }
};

// A slate of distinct words of 2 to 9 letters, one in five with a
// blank-matched letter.
void FillSlate(int count) {
    std::mt19937 random(11);
    ClearWordlist(Slate);
    while (Slate.Count() < count) {
        std::string word(2 + random() % 8, 'A');
        for (char& c : word) c = static_cast<char>('A' + random() % 26);
        if (random() % 5 == 0) word[random() % word.size()] += 'a' - 'A';
        AddWordToWordlist(Slate, word, false);
    }
}

Settings LayoutSettings(OutputLayout layout) {
    Settings settings = BuiltInSettings();
    settings.OutputLayout = layout;
    settings.LayoutParameter = layout == LayoutColumnsExpandable ? 8 : 1;
    settings.WorkspaceWidthSwitch = 1;
    settings.RowsPerPage = 55;
    return settings;
}

// Argument: the layout. Alphabetical order, no annotations.
void PresentInLayout(benchmark::State& state) {
    FillSlate(50000);
    const Settings settings = LayoutSettings(static_cast<OutputLayout>(state.range(0)));
    PresentationContext context;
    context.WorkspaceColumns = 120;
    context.SeparatorLine = std::string(119, '-');
    NullSink sink;
    for (auto _ : state) benchmark::DoNotOptimize(PresentSlate(settings, context, sink).End);
    state.SetItemsProcessed(state.iterations() * Slate.Count());
}
BENCHMARK(PresentInLayout)
    ->Arg(LayoutOnePerLine)
    ->Arg(LayoutPackedRows)
    ->Arg(LayoutColumnatedRowsMinimal)
    ->Arg(LayoutColumnsExpandable)
    ->Unit(benchmark::kMillisecond);

// Three sort keys (length descending, probability, alphabetical) and the
// scores and probabilities beside each word, in columns.
void SortAndAnnotate(benchmark::State& state) {
    FillSlate(50000);
    Settings settings = LayoutSettings(LayoutColumnsMinimal);
    settings.SortKeys = {SortKey{SortKeyKind::Length, true}, SortKey{SortKeyKind::Probability, false},
                         SortKey{SortKeyKind::Alphabetical, false}};
    settings.SortKeyCount = 3;
    settings.PresentationSwitches = SwitchScores | SwitchProbability;
    PresentationContext context;
    context.WorkspaceColumns = 120;
    NullSink sink;
    for (auto _ : state) benchmark::DoNotOptimize(PresentSlate(settings, context, sink).End);
    state.SetItemsProcessed(state.iterations() * Slate.Count());
}
BENCHMARK(SortAndAnnotate)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
