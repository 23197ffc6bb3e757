// Typing tiles on a tile page: a key stroke folded into a tile of a language.
//
// The read-only memos of the tile pages take keystrokes instead of text. A
// letter key names the tile of that letter; Enter confirms the page and Esc
// closes its dialog; every other key is ignored. Shift and Alt play no part
// (a page may read Shift itself). Spanish has no K and no W, and folds:
//   Ctrl+C, Ctrl+L, Ctrl+R, Ctrl+N -> CH, LL, RR, Ñ   (Ñ's own key 0xD1 too)
//   0xC1 0xE1 -> A;  0xC8 0xC9 0xE8 0xE9 -> E;  0xCE 0xEE -> I;
//   0xD3 0xF3 -> O;  0xDA 0xDC 0xFA 0xFC -> U
// while 0xCD and 0xED (I with an acute accent) are not folded and are ignored.
#pragma once

#include "engine/Tiles.h"
#include "platform/KeyCodes.h"

namespace qora {

enum class TileKeyAction { Ignore, Tile, Confirm, Close };

struct TileKey {
    TileKeyAction action = TileKeyAction::Ignore;
    int tile = 0;  // the tile number (1..26, or 1..28 for Spanish) for TileKeyAction::Tile
};

TileKey FoldTileKey(KeyStroke stroke, Language language);

}  // namespace qora
