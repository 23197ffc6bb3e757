#include "engine/QueryFilters.h"

#include <limits>
#include <string>

#include "engine/Definitions.h"
#include "engine/Probability.h"
#include "engine/Tiles.h"
#include "engine/WordTests.h"

namespace qora {

namespace {

bool Upper(unsigned char c) { return c <= '`'; }

LetterCounts BlankMatchedTiles(std::string_view tiles) {
    LetterCounts counts{};
    for (unsigned char c : tiles) {
        const int tile = TileNumberOf(c);
        if (tile != 0 && !Upper(c)) ++counts[static_cast<std::size_t>(tile - 1)];
    }
    return counts;
}

std::string UpperCase(std::string_view word) {
    std::string upper(word);
    for (char& c : upper)
        if (!Upper(static_cast<unsigned char>(c)) && TileNumberOf(static_cast<unsigned char>(c)) != 0)
            c = static_cast<char>(c - 32);
    return upper;
}

bool NumericFilterHolds(const NumericFilter& filter, std::int64_t value) {
    return !filter.Active || RelationHolds(filter.Relation, value, filter.Value1, filter.Value2);
}

// Hook sets compare by membership: counts do not matter.
LetterCounts Members(const LetterCounts& counts) {
    LetterCounts members{};
    for (std::size_t i = 0; i < counts.size(); ++i) members[i] = counts[i] > 0 ? 1 : 0;
    return members;
}

bool HooksFilterHolds(const SetFilter& filter, const LetterCounts& hooks) {
    return !filter.Active || SetRelationHolds(filter.Relation, Members(hooks), Members(filter.Letters.Counts));
}

// The ways to draw the tiles from the distribution, as the probability
// sort key counts them; a count beyond 64 bits is above every value.
std::int64_t Probability(std::string_view tiles, const Settings& settings) {
    return WordDrawCount(tiles, settings.LetterDistribution).value_or(std::numeric_limits<std::int64_t>::max());
}

bool DefinitionFilterHolds(const qora::DefinitionFilter& filter, std::string_view word) {
    if (!filter.Active || filter.Text.empty()) return true;
    const std::string* definition = DefinitionOf(word);
    const bool includes = definition != nullptr && DefinitionIncludes(*definition, filter.Text);
    return includes == (filter.Sense == 1);
}

}  // namespace

bool SetRelationHolds(std::int32_t code, const LetterCounts& a, const LetterCounts& b) {
    bool subset = true, superset = true;
    for (int tile = 1; tile <= ActiveTileCount(); ++tile) {
        const int x = a[static_cast<std::size_t>(tile - 1)], y = b[static_cast<std::size_t>(tile - 1)];
        subset = subset && x <= y;
        superset = superset && x >= y;
    }
    const bool equal = subset && superset;
    switch (code) {
        case RelationEqual: return equal;
        case RelationNotEqual: return !equal;
        case RelationAbove: return superset && !equal;
        case RelationBelow: return subset && !equal;
        case RelationAtLeast: return superset;
        case RelationAtMost: return subset;
        default: return false;
    }
}

bool PassesTileFilters(const Settings& settings, std::string_view tiles, int length) {
    return NumericFilterHolds(settings.LengthFilter, length) &&
           NumericFilterHolds(settings.ScoreFilter, WordScore(tiles, settings.ZeroScoringBlanks != 0)) &&
           (!settings.ProbabilityFilter.Active ||
            NumericFilterHolds(settings.ProbabilityFilter, Probability(tiles, settings)));
}

bool PassesWordFilters(const Settings& settings, std::string_view word) {
    const std::string upper = UpperCase(word);
    return (!settings.AnagramCountFilter.Active ||
            NumericFilterHolds(settings.AnagramCountFilter, AnagramCount(upper))) &&
           (!settings.FrontHooksFilter.Active || HooksFilterHolds(settings.FrontHooksFilter, FrontHooks(upper))) &&
           (!settings.BackHooksFilter.Active || HooksFilterHolds(settings.BackHooksFilter, BackHooks(upper))) &&
           DefinitionFilterHolds(settings.DefinitionFilter, upper);
}

bool PassesQueryFilters(const Settings& settings, std::string_view word, int length) {
    return PassesTileFilters(settings, word, length) && PassesWordFilters(settings, word);
}

bool PassesBlankFilter(const Settings& settings, std::string_view tiles) {
    const SetFilter& filter = settings.BlankFilter;
    if (!filter.Active) return true;
    LetterCounts blanks = BlankMatchedTiles(tiles);
    if (settings.BlankIgnoreVowels != 0) {
        bool namesVowel = false;
        for (int tile = 1; tile <= ActiveTileCount(); ++tile)
            namesVowel =
                namesVowel || (IsVowelTile(tile) && filter.Letters.Counts[static_cast<std::size_t>(tile - 1)] > 0);
        for (int tile = 1; tile <= ActiveTileCount() && !namesVowel; ++tile)
            if (IsVowelTile(tile)) blanks[static_cast<std::size_t>(tile - 1)] = 0;
    }
    return SetRelationHolds(filter.Relation, blanks, filter.Letters.Counts);
}

bool PassesWordCountFilter(const Settings& settings, int wordCount) {
    return NumericFilterHolds(settings.WordCountFilter, wordCount);
}

}  // namespace qora
