#include "platform/qt/TileKeys.h"

namespace qora {

namespace {

// The plain letter of an accented key code, the code itself otherwise.
int UnaccentedSpanishKey(int key) {
    switch (key) {
    case 0xC1: case 0xE1: return 'A';
    case 0xC8: case 0xC9: case 0xE8: case 0xE9: return 'E';
    case 0xCE: case 0xEE: return 'I';
    case 0xD3: case 0xF3: return 'O';
    case 0xDA: case 0xDC: case 0xFA: case 0xFC: return 'U';
    default: return key;
    }
}

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
