#include "engine/LetterCounts.h"

namespace qora {

void ClearLetterCounts(LetterCounts& counts) { counts.fill(0); }

void CopyLetterCountRecord(LetterCountRecord& destination, const LetterCountRecord& source) { destination = source; }

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

std::string FormatLetterCounts(const LetterCounts* counts, int mode) {
    if (counts == nullptr || LetterCountTotal(*counts) == 0) return " ";
    const bool singleTile = LetterCountTotal(*counts) == 1;
    const int n = ActiveTileCount();
    std::string text;
    for (int tile = 1; tile <= n; ++tile) {
        const int count = (*counts)[tile - 1];
        if (count < 1) continue;
        const bool writeCount = mode == 9 ? count >= 2 : (count > 1 || singleTile);
        if (writeCount) text += std::to_string(count);
        if (SpanishLexiconActive && tile == SpanishTileC && mode != 8)
            text += 'c';
        else
            text += TileCaption(tile);
    }
    return text;
}

}  // namespace qora
