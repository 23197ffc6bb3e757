// The texts of the main window's query, presentation, filter and ordering
// controls: the items of their lists, how they show a setting, and the
// sub-command each of them types onto the command line
// (docs/command-language.md). Free of Qt, so that the pages only lay out
// and wire their controls.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "engine/QueryRecords.h"

namespace qora {

// ---- Query -------------------------------------------------------------------

struct QueryModeChoice {
    std::int32_t Mode;
    const char* Caption;
};
// The items of the QueryKind list, in list order.
extern const std::array<QueryModeChoice, 6> QueryModeChoices;
// The item of a query mode; -1 for a mode the list does not hold.
int QueryModeItem(std::int32_t mode);
// "/Q%d ".
std::string QueryModeCommand(std::int32_t mode);

// "/W- " for the lexicon (WordSourceLexicon), else "/W%d " (0 the slate).
std::string WordSourceCommand(std::int32_t source);
// "the lexicon", "the slate" or "wordlist %d".
std::string WordSourceText(std::int32_t source);

// ---- Presentation --------------------------------------------------------------

// The items of the WordPresentation list: item k - 1 is presentation kind k.
extern const std::array<const char*, PresentationKindLast> PresentationKindCaptions;
bool IsProbeKind(std::int32_t kind);  // 7, 8 and 9: a dialog asks for the probe
// What choosing a kind types: "%d~" and "%d'" with the count for kinds 3 and
// 10 (no blank follows), "/P%d " for the others.
std::string PresentationKindCommand(std::int32_t kind, std::int32_t count);
// The count shown in the SlateWordCount box: "%5d".
std::string SlateWordCountText(std::int32_t count);

struct SortKeyChoice {
    SortKeyKind Key;
    const char* Caption;
};
// The keys of the OrderBy lists. Each list holds "(none)" and then every key
// ascending and descending: item 1 + 2k is key k ascending, 2 + 2k descending.
extern const std::array<SortKeyChoice, 9> SortKeyChoices;
constexpr int SortKeyItemCount = 1 + 2 * 9;
std::string SortKeyItemCaption(int item);
int SortKeyItem(const SortKey& key);             // 0 for a key the lists do not hold
std::optional<SortKey> SortKeyOfItem(int item);  // none for "(none)" and stray items
// "/K" and the keys ("-" before a descending one) and " "; "/K- " (sort
// alphabetically again) when no key is given.
std::string SortKeysCommand(std::span<const SortKey> keys);

// How the Layout, MaxWidth and RowsPerPage boxes show the layout settings:
// "packed rows, spacing 2", "80 characters", "unlimited", ...
std::string LayoutText(const Settings& settings);
std::string MaxWidthText(const Settings& settings);
std::string RowsPerPageText(const Settings& settings);

// ---- Filters ---------------------------------------------------------------------

// How the filter value boxes show a filter's relation and values, whether or
// not the filter is switched on: "=7", "3-9", ">=5", "<=(AES)", "(-AEIOU)"
// after its relation, "\"!|plural\"".
std::string NumericFilterDisplay(const NumericFilter& filter);
std::string HooksFilterDisplay(const SetFilter& filter);
std::string BlankFilterDisplay(const SetFilter& filter, bool ignoreVowels);
std::string DefinitionFilterDisplay(const DefinitionFilter& filter);

// ---- Options ----------------------------------------------------------------------

// The first item of the RandomRackOrder list: racks keep the order drawn.
constexpr const char* RandomOrderCaption = "(random)";
// What the random-rack entry types: "/. %d ".
std::string RandomRacksCommand(std::int64_t count);
// The board square as a square command writes it: "8H" across, "H8" down.
std::string BoardSquareText(const Settings& settings);

}  // namespace qora
