#include "dialogs/texts/SetDefinitionTexts.h"

#include <algorithm>

#include "dialogs/texts/QueryConstituentTexts.h"
#include "engine/Listings.h"
#include "engine/QueryRecords.h"
#include "engine/Tiles.h"

namespace qora {

std::string NewSetPrefix(const NewSetHead& head) {
    if (!head.Labelled) return FormatText("/%dU=(", head.Number);
    return FormatText("/%dU\"", head.Number) + head.Label + "\"=(";
}

std::string NewSetCommand(const NewSetHead& head, std::string_view body) {
    return NewSetPrefix(head) + std::string(body) + ")";
}

std::string ComputedSetCommand(const NewSetHead& head, std::int32_t first, int operation, std::int32_t second) {
    return NewSetPrefix(head) + FormatText("%d)%c(%d)", first, SetOperationOperator(operation), second);
}

std::string UnusedSetNumberText(std::int32_t number) { return FormatText("%3d", number); }

std::string LabelSetCommand(std::int32_t number, std::string_view label) {
    return FormatText("/%dU\"", number) + std::string(label) + FormatText("\"=(%d)", number);
}

int TileValueMinimum(TileValueSet set) { return set == TileValueSet::Bag ? 1 : 0; }

namespace {

LetterCounts ClampedValues(TileValueSet set, const LetterCounts& values) {
    LetterCounts clamped{};
    for (std::size_t slot = 0; slot < clamped.size(); ++slot)
        clamped[slot] =
            static_cast<std::int16_t>(std::clamp<int>(values[slot], TileValueMinimum(set), TileValueMaximum));
    return clamped;
}

LetterCounts CountsOfTable(const TileTable& table) {
    LetterCounts counts{};
    std::copy_n(table.begin(), counts.size(), counts.begin());
    return counts;
}

// The text of a tile in the command; `previous` is the text written so far.
// The bag writes its double tiles in lower case, so they never join the
// single tile before them; the scores' capitals are kept apart from it.
std::string TileValueText(TileValueSet set, int tile, std::string_view previous) {
    std::string text = TileCaption(tile);
    const bool doubleTile =
        SpanishLexiconActive && (tile == SpanishTileCH || tile == SpanishTileLL || tile == SpanishTileRR);
    if (doubleTile && set == TileValueSet::Bag)
        std::transform(text.begin(), text.end(), text.begin(), [](char c) { return static_cast<char>(c - 'A' + 'a'); });
    return KeptApartFromLine(previous, text);
}

}  // namespace

LetterCounts StartingTileValues(TileValueSet set, const ParsedCommand& line) {
    if (set == TileValueSet::Bag)
        return ClampedValues(set, line.SetBDefined ? line.SetB.Counts : CountsOfTable(TileCounts));
    return ClampedValues(set, line.SetDollarDefined ? line.SetDollar.Counts : CountsOfTable(TileScores));
}

LetterCounts DefaultTileValues(TileValueSet set) {
    const bool bag = set == TileValueSet::Bag;
    if (FrenchLexiconActive) return CountsOfTable(bag ? FrenchTileCounts : FrenchTileScores);
    if (SpanishLexiconActive) return CountsOfTable(bag ? SpanishTileCounts : SpanishTileScores);
    return CountsOfTable(bag ? EnglishTileCounts : EnglishTileScores);
}

std::string TileValuesCommand(TileValueSet set, const LetterCounts& values) {
    std::string text = set == TileValueSet::Bag ? "/(B)=(" : "/($)=(";
    for (int tile = 1; tile <= ActiveTileCount(); ++tile) {
        const int value = values[static_cast<std::size_t>(tile - 1)];
        if (value != 1) text += std::to_string(value);
        text += TileValueText(set, tile, text);
    }
    return text + ")";
}

std::vector<std::string> TileValuesTypingHint(Language language) {
    if (language == Language::Spanish)
        return {"Either click an up-down arrow or indicate a tile by typing.",
                "Use CTRL-letter: C,L,N,R for CH,LL,\xD1,RR.", "Lowercase raises and uppercase lowers count."};
    return {"Either click an up-down arrow or type a letter.", "Lowercase raises and uppercase lowers count.", ""};
}

}  // namespace qora
