#include "engine/TileKeys.h"

namespace qora {

namespace {

int SpanishTileOfKey(KeyStroke stroke) {
    const int key = UnaccentedSpanishKey(stroke.key);
    if (key == 'K' || key == 'W') return 0;
    if (stroke.Ctrl()) {
        switch (key) {
            case 'C': return SpanishTileCH;
            case 'L': return SpanishTileLL;
            case 'R': return SpanishTileRR;
            case 'N': return SpanishTileEnye;
            default: break;
        }
    }
    if (key == KeyEnye) return SpanishTileEnye;
    return IsLetterKey(key) ? SpanishTileCodes[static_cast<unsigned char>(key)] : 0;
}

}  // namespace

TileKey FoldTileKey(KeyStroke stroke, Language language) {
    if (stroke.key == KeyEnter) return {TileKeyAction::Confirm, 0};
    if (stroke.key == KeyEscape) return {TileKeyAction::Close, 0};
    const int tile = language == Language::Spanish ? SpanishTileOfKey(stroke)
                     : IsLetterKey(stroke.key)     ? stroke.key - 'A' + 1
                                                   : 0;
    if (tile == 0) return {};
    return {TileKeyAction::Tile, tile};
}

}  // namespace qora
