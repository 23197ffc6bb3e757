#include "dialogs/texts/ControlTexts.h"

#include "dialogs/texts/FilterText.h"
#include "dialogs/texts/PresentationTexts.h"
#include "engine/Board.h"
#include "engine/Listings.h"
#include "engine/Wordlists.h"
#include "processor/Settings.h"

namespace qora {

// ---- Query -------------------------------------------------------------------

const std::array<QueryModeChoice, 6> QueryModeChoices = {{
    {QueryModeAnagrams, "Anagrams"},
    {QueryModePattern, "Pattern"},
    {QueryModeImbeddedWord, "Imbedded Word"},
    {QueryModeSteal, "Steal"},
    {QueryModeTwoWord, "Two Words"},
    {QueryModeGrid, "5 x 5 Grid"},
}};

int QueryModeItem(std::int32_t mode) {
    for (std::size_t item = 0; item < QueryModeChoices.size(); ++item)
        if (QueryModeChoices[item].Mode == mode) return static_cast<int>(item);
    return -1;
}

std::string QueryModeCommand(std::int32_t mode) { return FormatText("/Q%d ", mode); }

std::string WordSourceCommand(std::int32_t source) {
    return source == WordSourceLexicon ? "/W- " : FormatText("/W%d ", source);
}

std::string WordSourceText(std::int32_t source) {
    if (source == WordSourceLexicon) return "the lexicon";
    return source == SlateNumber ? "the slate" : FormatText("wordlist %d", source);
}

// ---- Presentation --------------------------------------------------------------

const std::array<const char*, PresentationKindLast> PresentationKindCaptions = {
    "Words",
    "Number of words only",
    "This # words?:",
    "Words with definitions",
    "Words with hooks",
    "Words with scores and probabilities",
    "One letter of one word (probe)",
    "One letter of all words (probe)",
    "One word (probe)",
    "This # words with ...",
    "Anagram groups",
};

bool IsProbeKind(std::int32_t kind) {
    return kind == PresentationProbeLetter || kind == PresentationProbeColumn || kind == PresentationProbeWord;
}

std::string PresentationKindCommand(std::int32_t kind, std::int32_t count) {
    if (kind == PresentationCountQuestion || kind == PresentationCountWith) return WordCountText(kind, count);
    return FormatText("/P%d ", kind);
}

std::string SlateWordCountText(std::int32_t count) { return FormatText("%5d", count); }

const std::array<SortKeyChoice, 9> SortKeyChoices = {{
    {SortKeyKind::Alphabetical, "Alphabetical"},
    {SortKeyKind::Length, "Length"},
    {SortKeyKind::Score, "Score"},
    {SortKeyKind::Probability, "Probability"},
    {SortKeyKind::AnagramCount, "Anagram count"},
    {SortKeyKind::Hooks, "Hooks"},
    {SortKeyKind::Canonical, "Canonical letters"},
    {SortKeyKind::SourceOrder, "Source order"},
    {SortKeyKind::Random, "Random"},
}};

std::string SortKeyItemCaption(int item) {
    const std::optional<SortKey> key = SortKeyOfItem(item);
    if (!key) return "(none)";
    const std::string caption = SortKeyChoices[(item - 1) / 2].Caption;
    return key->Descending ? caption + ", descending" : caption;
}

int SortKeyItem(const SortKey& key) {
    for (std::size_t k = 0; k < SortKeyChoices.size(); ++k)
        if (SortKeyChoices[k].Key == key.Key) return 1 + 2 * static_cast<int>(k) + (key.Descending ? 1 : 0);
    return 0;
}

std::optional<SortKey> SortKeyOfItem(int item) {
    if (item < 1 || item >= SortKeyItemCount) return std::nullopt;
    return SortKey{SortKeyChoices[(item - 1) / 2].Key, (item - 1) % 2 == 1};
}

std::string SortKeysCommand(std::span<const SortKey> keys) {
    if (keys.empty()) return "/K- ";
    std::string command = "/K";
    for (const SortKey& key : keys) {
        if (key.Descending) command += '-';
        command += static_cast<char>(key.Key);
    }
    return command + " ";
}

std::string LayoutText(const Settings& settings) {
    const int p = settings.LayoutParameter;
    switch (settings.OutputLayout) {
        case LayoutOnePerLine: return "one per line";
        case LayoutPackedRows: return FormatText("packed rows, spacing %d", p);
        case LayoutPackedRowsCommas: return FormatText("packed rows with commas, spacing %d", p);
        case LayoutColumnatedRowsMinimal: return FormatText("columnated rows, spacing %d", p);
        case LayoutColumnatedRowsFixed: return FormatText("columnated rows, width %d", p);
        case LayoutColumnatedRowsExpandable: return FormatText("columnated rows, width >= %d", p);
        case LayoutColumnsMinimal: return FormatText("columns, spacing %d", p);
        case LayoutColumnsFixed: return FormatText("columns, width %d", p);
        case LayoutColumnsExpandable: return FormatText("columns, width >= %d", p);
        default: return FormatText("layout %d", settings.OutputLayout);
    }
}

std::string MaxWidthText(const Settings& settings) {
    if (!settings.CharactersSwitch) return FormatText("%d columns", settings.MaximumWidth);
    if (settings.WorkspaceWidthSwitch) return "workspace width";
    return FormatText("%d characters", settings.MaximumWidth);
}

std::string RowsPerPageText(const Settings& settings) {
    return settings.RowsPerPage == 0 ? "unlimited" : FormatText("%d", settings.RowsPerPage);
}

// ---- Filters ---------------------------------------------------------------------

std::string NumericFilterDisplay(const NumericFilter& filter) {
    const int item = RelationCodeToItemIndex(filter.Relation);
    const std::string value1 = std::to_string(filter.Value1);
    // The language writes "at least" as the bare number; the box says it.
    if (item == NumericAtLeastItem) return ">=" + value1;
    return NumericRelationText(item, value1, std::to_string(filter.Value2));
}

std::string HooksFilterDisplay(const SetFilter& filter) {
    return SetRelationText(SetRelationItem(filter.Relation), HooksSetText(filter.Letters.Counts));
}

std::string BlankFilterDisplay(const SetFilter& filter, bool ignoreVowels) {
    return SetRelationText(SetRelationItem(filter.Relation), BlankSetText(filter.Letters.Counts, ignoreVowels));
}

std::string DefinitionFilterDisplay(const DefinitionFilter& filter) {
    if (filter.Text.empty()) return "";
    return "\"" + std::string(filter.Sense == 1 ? "" : "!") + TypedDefinitionText(filter.Text) + "\"";
}

// ---- Options ----------------------------------------------------------------------

std::string RandomRacksCommand(std::int64_t count) { return FormatText("/. %lld ", static_cast<long long>(count)); }

std::string BoardSquareText(const Settings& settings) {
    return BoardSquareName(settings.BoardRow, settings.BoardColumn, settings.BoardOrientation == BoardHorizontal);
}

}  // namespace qora
