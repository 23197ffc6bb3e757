// Letter tables and tiles of the three languages.
//
// A tile is numbered 1 to 26 (A to Z) in English and French and 1 to 28 in
// Spanish, in the order A B C CH D E F G H I J L LL M N Ñ O P Q R RR S T U V X
// Y Z (no K or W). Inside the program a word is a "tile string": one byte per
// tile, '@' + tile number, so English and French tiles are 'A'..'Z' and
// Spanish tiles 'A'..'\\'. Text shown to the user ("display text") writes the
// Spanish double tiles as two letters (CH, LL, RR) and Ñ as byte 0xD1.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace qora {

enum class Language : std::uint8_t { English = 0, Spanish = 1, French = 2 };

const char* LanguageName(Language language);  // "English", "Spanish", "French"

constexpr int LetterCountSlots = 28;  // entries of a LetterCounts record
constexpr int TileTableSize = 30;     // entries of the bag and score tables
constexpr int SpanishTileCount = 28;
constexpr int LatinTileCount = 26;
constexpr int BlankTileCode = 31;          // "." and "?" read by TileCodeOfChar
constexpr char TileBase = '@';             // a tile n is stored as '@' + n
constexpr unsigned char UpperEnye = 0xD1;  // Ñ in the Windows code page
constexpr unsigned char LowerEnye = 0xF1;  // ñ

// Spanish tile numbers that need care when reading and writing text.
constexpr int SpanishTileC = 3;
constexpr int SpanishTileCH = 4;
constexpr int SpanishTileL = 12;
constexpr int SpanishTileLL = 13;
constexpr int SpanishTileEnye = 16;
constexpr int SpanishTileR = 20;
constexpr int SpanishTileRR = 21;

using TileTable = std::array<std::int16_t, TileTableSize>;

// The built-in bags and scores, in tile order (entry n - 1 for tile n).
extern const TileTable EnglishTileCounts;
extern const TileTable FrenchTileCounts;
extern const TileTable SpanishTileCounts;
extern const TileTable EnglishTileScores;
extern const TileTable FrenchTileScores;
extern const TileTable SpanishTileScores;

// The 96-tile bags of the Word-Building Game (no blanks).
extern const std::array<std::int16_t, LatinTileCount> EnglishPoolCounts;
extern const std::array<std::int16_t, LatinTileCount> FrenchPoolCounts;
extern const std::array<std::int16_t, SpanishTileCount> SpanishPoolCounts;

// The tables of the active language; set (B) and set ($) redefine them.
extern TileTable TileCounts;
extern TileTable TileScores;
extern std::int32_t MaxTileScore;  // highest entry of TileScores
extern std::int32_t MaxTileCount;  // highest entry of TileCounts

// The language of the primary lexicon; set whenever the lexicons are chosen.
extern std::uint8_t SpanishLexiconActive;
extern std::uint8_t FrenchLexiconActive;

// Characters (either case, code page 1252) to Spanish tile numbers; 0 for
// characters that are no Spanish tile (K, W, digits, punctuation).
extern const std::array<std::uint8_t, 256> SpanishTileCodes;

// Switches the active language: the flags, TileCounts, TileScores and the
// two maxima. Everything that depends on the language reads these.
void SetLanguageTables(Language language);
Language ActiveLanguage();
int ActiveTileCount();  // 26, or 28 for Spanish
int LanguageTileCount(Language language);

// Recomputes MaxTileScore and MaxTileCount after TileScores or TileCounts
// changed (set ($) or set (B) redefined).
void RecomputeTileMaxima();

// Reads one Spanish tile from text. `next` is the character after `c` (0 at
// the end). Returns 1..28, 31 for "." and "?", or 0. A C, L or R followed by
// H, L or R of the same case is one double tile and sets `tookTwo`.
int TileCodeOfChar(unsigned char c, unsigned char next, bool& tookTwo);

// Display text of one Spanish tile byte ('@' + n, lower case allowed): "A",
// "CH", "\xD1", ... ; lower-case tiles give lower-case text; "?" otherwise.
std::string TileToText(unsigned char tile);

// Spanish tile string -> display text (CH, LL, RR as two letters; lower-case
// tiles, the blank-matched ones, as lower-case text). Bytes that are no tile
// (blanks between words, "?" for a blank tile, separators) stay as they are.
std::string TilesToText(std::string_view tiles);

// Spanish display text -> tile string; stops at the first character that is
// no tile. Lower-case letters give lower-case tiles ('`' + n).
std::string TextToTiles(std::string_view text);

// Tile string of the active language -> display text, and back. For English
// and French both are the identity. Characters that are no tile are kept, so
// the two are a round trip and a non-tile never shortens a word.
std::string WordToDisplay(std::string_view tiles);
std::string DisplayToWord(std::string_view text);
// WordToDisplay for tiles written in `language`, whichever language is active.
std::string WordToDisplayIn(Language language, std::string_view tiles);

// Tile number (1..28) of a tile byte of the active language, either case;
// 0 when the byte is no tile of the language.
int TileNumberOf(unsigned char tile);

// The upper-case form of a tile byte: a lower-case tile ('`' + n, one that a
// blank matched) becomes '@' + n; other bytes stay as they are.
constexpr unsigned char UpperCaseTile(unsigned char tile) {
    return tile > '`' ? static_cast<unsigned char>(tile - ('`' - TileBase)) : tile;
}

// Display text of tile number n (1..28) in the active language, upper case.
std::string TileCaption(int tile);
// The same in `language`, whichever language is active ("A", "CH", "\xD1").
std::string TileCaptionIn(Language language, int tile);
// The tile of `to` written with the same letters as tile `tile` of `from`;
// 0 when `to` has none (CH, LL, RR and \xD1 are no English or French tiles,
// K and W no Spanish ones).
int TileOfSameLetters(Language from, int tile, Language to);

// Whether tile number n of the active language is a vowel: A, E, I, O or U
// (Y is none).
bool IsVowelTile(int tile);

}  // namespace qora
