#include "engine/LetterCounts.h"

#include <limits>

namespace qora {

void ClearLetterCounts(LetterCounts& counts) { counts.fill(0); }

void CopyLetterCountRecord(LetterCountRecord& destination, const LetterCountRecord& source) { destination = source; }

LetterCounts RetileLetterCounts(const LetterCounts& counts, Language previous) {
    LetterCounts retiled{};
    for (int tile = 1; tile <= LanguageTileCount(previous); ++tile) {
        const int target = TileOfSameLetters(previous, tile, ActiveLanguage());
        if (target != 0) retiled[static_cast<std::size_t>(target - 1)] = counts[static_cast<std::size_t>(tile - 1)];
    }
    return retiled;
}

bool LetterCountsEqual(const LetterCounts& a, const LetterCounts& b) {
    const int n = ActiveTileCount();
    for (int i = 0; i < n; ++i)
        if (a[i] != b[i]) return false;
    return true;
}

int LetterCountTotal(const LetterCounts& counts) {
    int total = 0;
    const int n = ActiveTileCount();
    for (int i = 0; i < n; ++i)
        if (counts[i] > 0) total += counts[i];
    return total;
}

std::optional<LetterCounts> LetterCountsOfText(std::string_view text) {
    LetterCounts counts{};
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        int tile = 0;
        if (SpanishLexiconActive) {
            const auto next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0;
            bool tookTwo = false;
            tile = TileCodeOfChar(c, next, tookTwo);
            if (tile > SpanishTileCount) tile = 0;
            if (tookTwo) ++i;
        } else if (const unsigned char upper = c >= 'a' && c <= 'z' ? c - ('a' - 'A') : c;
                   upper >= 'A' && upper <= 'Z') {
            tile = upper - 'A' + 1;
        }
        if (tile == 0) return std::nullopt;
        std::int16_t& count = counts[static_cast<std::size_t>(tile - 1)];
        if (count < std::numeric_limits<std::int16_t>::max()) ++count;
    }
    return counts;
}

std::string FormatLetterCounts(const LetterCounts* counts, int mode) {
    if (counts == nullptr || LetterCountTotal(*counts) == 0) return " ";
    const bool singleTile = LetterCountTotal(*counts) == 1;
    const int n = ActiveTileCount();
    std::string text;
    bool countWritten = false;
    for (int tile = 1; tile <= n; ++tile) {
        const int count = (*counts)[tile - 1];
        if (count < 1) continue;
        bool writeCount = mode == 9 ? count >= 2 : (count > 1 || singleTile);
        // "2RRR" would read back as two RR and one R: after a counted L or R
        // its double tile carries its count too ("2R1RR").
        const bool doubleAfterItsCountedSingle = SpanishLexiconActive &&
                                                 (tile == SpanishTileLL || tile == SpanishTileRR) && countWritten &&
                                                 (*counts)[tile - 2] >= 1;
        writeCount = writeCount || doubleAfterItsCountedSingle;
        countWritten = writeCount;
        if (writeCount) text += std::to_string(count);
        if (SpanishLexiconActive && tile == SpanishTileC && mode != 8)
            text += 'c';
        else
            text += TileCaption(tile);
    }
    return text;
}

}  // namespace qora
