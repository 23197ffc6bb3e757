#include "processor/Settings.h"

#include "engine/Tiles.h"
#include "platform/ProgramState.h"

namespace qora {

// The bag in LetterDistribution depends on the language tables, so the
// defaults are complete only after LoadBuiltInSettings; every parse takes the
// distribution from the bag in force anyway.
Settings StandingSettings;
Settings DisplayedSettings;
std::int32_t CurrentBoardSize = SmallBoardSize;
std::string LetterMapping = RotationLetterMapping();

std::string RotationLetterMapping() {
    const int n = ActiveTileCount();
    std::string mapping;
    for (int tile = 1; tile <= n; ++tile) mapping += static_cast<char>(TileBase + tile % n + 1);
    return mapping;
}

void LoadBuiltInSettings() {
    StandingSettings = BuiltInSettings();
    DisplayedSettings = StandingSettings;
    CurrentBoardSize = StandingSettings.BoardSize;
    LetterMapping = RotationLetterMapping();
}

const ProgramStateReset registerLoadBuiltInSettings(LoadBuiltInSettings, ResetStage::Settings);

void LoadLanguageDefaults() {
    const Settings builtIn = BuiltInSettings();
    for (Settings* settings : {&StandingSettings, &DisplayedSettings}) {
        settings->RandomRackOrder = builtIn.RandomRackOrder;
        settings->CanonicalOutputOrder = builtIn.CanonicalOutputOrder;
        settings->LetterDistribution = builtIn.LetterDistribution;
    }
    LetterMapping = RotationLetterMapping();
}

void RetileSetFilters(Language previous) {
    for (Settings* settings : {&StandingSettings, &DisplayedSettings})
        for (SetFilter* filter : {&settings->BlankFilter, &settings->FrontHooksFilter, &settings->BackHooksFilter})
            filter->Letters.Counts = RetileLetterCounts(filter->Letters.Counts, previous);
}

void AdoptPendingSettings(const ParsedCommand& command) { StandingSettings = command.PendingSettings; }

int RelationCodeToItemIndex(std::int32_t code) {
    switch (code) {
        case RelationEqual: return 5;
        case RelationNotEqual: return 4;
        case RelationAbove: return 7;
        case RelationBelow: return 2;
        case RelationAtLeast: return 6;
        case RelationAtMost: return 3;
        case RelationRange: return 0;
        case RelationHalfOpen: return 1;
        default: return 6;
    }
}

std::string FormatOrdinal(std::int32_t n) {
    const char* suffix = "th";
    if (n < 10 || n > 20) {
        const std::int64_t wide = n;
        switch ((wide < 0 ? -wide : wide) % 10) {
            case 1: suffix = "st"; break;
            case 2: suffix = "nd"; break;
            case 3: suffix = "rd"; break;
            default: break;
        }
    }
    return std::to_string(n) + suffix;
}

}  // namespace qora
