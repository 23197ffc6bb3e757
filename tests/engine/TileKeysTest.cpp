#include "engine/TileKeys.h"

#include <gtest/gtest.h>

namespace qora {
namespace {

int Tile(KeyStroke stroke, Language language) {
    const TileKey key = FoldTileKey(stroke, language);
    return key.action == TileKeyAction::Tile ? key.tile : 0;
}

TEST(FoldTileKey, EnglishAndFrenchTakeTheLettersAndIgnoreTheRest) {
    for (Language language : {Language::English, Language::French}) {
        EXPECT_EQ(Tile({'K', 0}, language), 11);
        EXPECT_EQ(Tile({'Z', ssShift}, language), 26);
        EXPECT_EQ(Tile({'C', ssCtrl}, language), 3);
        EXPECT_EQ(Tile({KeyEnye, 0}, language), 0);
        EXPECT_EQ(Tile({0xE9, 0}, language), 0);
        EXPECT_EQ(Tile({'5', 0}, language), 0);
    }
}

TEST(FoldTileKey, SpanishFoldsCtrlLettersAndAccents) {
    const Language es = Language::Spanish;
    EXPECT_EQ(Tile({'C', 0}, es), SpanishTileC);
    EXPECT_EQ(Tile({'C', ssCtrl}, es), SpanishTileCH);
    EXPECT_EQ(Tile({'L', ssCtrl | ssShift}, es), SpanishTileLL);
    EXPECT_EQ(Tile({'R', ssCtrl}, es), SpanishTileRR);
    EXPECT_EQ(Tile({'N', ssCtrl}, es), SpanishTileEnye);
    EXPECT_EQ(Tile({KeyEnye, 0}, es), SpanishTileEnye);
    EXPECT_EQ(Tile({'D', 0}, es), 5);
    EXPECT_EQ(Tile({'Z', 0}, es), 28);
    EXPECT_EQ(Tile({'A', ssCtrl}, es), 1);  // Ctrl matters only for C, L, N and R
    EXPECT_EQ(Tile({'K', 0}, es), 0);
    EXPECT_EQ(Tile({'W', ssCtrl}, es), 0);
    for (int code : {0xC1, 0xE1}) EXPECT_EQ(Tile({code, 0}, es), 1);
    for (int code : {0xC8, 0xC9, 0xE8, 0xE9}) EXPECT_EQ(Tile({code, 0}, es), 6);
    for (int code : {0xCE, 0xEE}) EXPECT_EQ(Tile({code, 0}, es), 10);
    for (int code : {0xD3, 0xF3}) EXPECT_EQ(Tile({code, 0}, es), 17);
    for (int code : {0xDA, 0xDC, 0xFA, 0xFC}) EXPECT_EQ(Tile({code, 0}, es), 24);
    EXPECT_EQ(Tile({0xCD, 0}, es), 0);
    EXPECT_EQ(Tile({0xED, 0}, es), 0);
}

TEST(FoldTileKey, EnterConfirmsAndEscCloses) {
    for (Language language : {Language::English, Language::Spanish}) {
        EXPECT_EQ(FoldTileKey({KeyEnter, 0}, language).action, TileKeyAction::Confirm);
        EXPECT_EQ(FoldTileKey({KeyEscape, ssCtrl}, language).action, TileKeyAction::Close);
        EXPECT_EQ(FoldTileKey({KeyTab, 0}, language).action, TileKeyAction::Ignore);
    }
}

}  // namespace
}  // namespace qora
