#include "engine/QueryRecords.h"

#include "engine/Tiles.h"

namespace qora {

bool RelationHolds(std::int32_t code, std::int64_t value, std::int32_t value1, std::int32_t value2) {
    switch (code) {
        case RelationEqual: return value == value1;
        case RelationNotEqual: return value != value1;
        case RelationAbove: return value > value1;
        case RelationBelow: return value < value1;
        case RelationAtLeast: return value >= value1;
        case RelationAtMost: return value <= value1;
        case RelationRange: return value >= value1 && value <= value2;
        case RelationHalfOpen: return value >= value1 && value < value2;
        default: return false;
    }
}

LetterCounts BagDistribution() {
    LetterCounts counts{};
    const int n = ActiveTileCount();
    for (int i = 0; i < n; ++i) counts[i] = TileCounts[i];
    return counts;
}

std::string AlphabeticalOrdering(bool withBlank) {
    std::string text = SpanishLexiconActive ? "ABCchDEFGHIJLllMN\xD1OPQRrrSTUVXYZ" : "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    if (withBlank) text += '?';
    return text;
}

Settings BuiltInSettings() {
    Settings settings;
    settings.RandomRackOrder = AlphabeticalOrdering(true);
    settings.CanonicalOutputOrder = AlphabeticalOrdering(false);
    settings.LetterDistribution = BagDistribution();
    return settings;
}

}  // namespace qora
