#include "engine/Tiles.h"

#include <algorithm>

#include "platform/ProgramState.h"

namespace qora {

namespace {

// Builds a 30-entry table from its leading values; the rest stay 0.
template <std::size_t N>
constexpr TileTable MakeTable(const std::int16_t (&values)[N]) {
    TileTable table{};
    for (std::size_t i = 0; i < N; ++i) table[i] = values[i];
    return table;
}

constexpr const char* SpanishTileTexts[SpanishTileCount] = {"A",  "B", "C",  "CH", "D", "E",    "F", "G", "H", "I",
                                                            "J",  "L", "LL", "M",  "N", "\xD1", "O", "P", "Q", "R",
                                                            "RR", "S", "T",  "U",  "V", "X",    "Y", "Z"};

std::array<std::uint8_t, 256> BuildSpanishTileCodes() {
    std::array<std::uint8_t, 256> codes{};
    for (int tile = 1; tile <= SpanishTileCount; ++tile) {
        const char* text = SpanishTileTexts[tile - 1];
        if (text[1] != '\0') continue;  // double tiles are read as pairs
        unsigned char upper = static_cast<unsigned char>(text[0]);
        codes[upper] = static_cast<std::uint8_t>(tile);
        unsigned char lower = upper == UpperEnye ? LowerEnye : static_cast<unsigned char>(upper + 32);
        codes[lower] = static_cast<std::uint8_t>(tile);
    }
    return codes;
}

bool IsLowerAscii(unsigned char c) { return c >= 'a' && c <= 'z'; }

}  // namespace

const TileTable EnglishTileCounts =
    MakeTable({9, 2, 2, 4, 12, 2, 3, 2, 9, 1, 1, 4, 2, 6, 8, 2, 1, 6, 4, 6, 4, 2, 2, 1, 2, 1});
const TileTable FrenchTileCounts =
    MakeTable({9, 2, 2, 3, 15, 2, 2, 2, 8, 1, 1, 5, 3, 6, 6, 2, 1, 6, 6, 6, 6, 2, 1, 1, 1, 1});
const TileTable SpanishTileCounts =
    MakeTable({12, 2, 4, 1, 5, 12, 1, 2, 2, 6, 1, 4, 1, 2, 5, 1, 9, 2, 1, 5, 1, 6, 4, 5, 1, 1, 1, 1});
const TileTable EnglishTileScores =
    MakeTable({1, 3, 3, 2, 1, 4, 2, 4, 1, 8, 5, 1, 3, 1, 1, 3, 10, 1, 1, 1, 1, 4, 4, 8, 4, 10});
const TileTable FrenchTileScores =
    MakeTable({1, 3, 3, 2, 1, 4, 2, 4, 1, 8, 10, 1, 2, 1, 1, 3, 8, 1, 1, 1, 1, 4, 10, 10, 10, 10});
const TileTable SpanishTileScores =
    MakeTable({1, 3, 3, 5, 2, 1, 4, 2, 4, 1, 8, 1, 8, 3, 1, 8, 1, 3, 5, 1, 8, 1, 1, 1, 4, 8, 4, 10});

const std::array<std::int16_t, LatinTileCount> EnglishPoolCounts = {9, 2, 2, 4, 12, 2, 3, 2, 8, 1, 1, 4, 2,
                                                                    6, 7, 2, 1, 6,  4, 6, 4, 2, 2, 1, 2, 1};
const std::array<std::int16_t, LatinTileCount> FrenchPoolCounts = {8, 2, 2, 3, 13, 2, 2, 2, 8, 1, 1, 5, 3,
                                                                   6, 6, 2, 1, 6,  6, 6, 5, 2, 1, 1, 1, 1};
const std::array<std::int16_t, SpanishTileCount> SpanishPoolCounts = {12, 2, 4, 1, 5, 12, 1, 1, 1, 6, 1, 4, 1, 2,
                                                                      5,  1, 9, 2, 1, 5,  1, 6, 4, 5, 1, 1, 1, 1};

TileTable TileCounts = EnglishTileCounts;
TileTable TileScores = EnglishTileScores;
std::int32_t MaxTileScore = 10;
std::int32_t MaxTileCount = 12;
std::uint8_t SpanishLexiconActive = 0;
std::uint8_t FrenchLexiconActive = 0;

const std::array<std::uint8_t, 256> SpanishTileCodes = BuildSpanishTileCodes();

int LanguageTileCount(Language language) { return language == Language::Spanish ? SpanishTileCount : LatinTileCount; }

Language ActiveLanguage() {
    if (SpanishLexiconActive) return Language::Spanish;
    if (FrenchLexiconActive) return Language::French;
    return Language::English;
}

int ActiveTileCount() { return LanguageTileCount(ActiveLanguage()); }

void RecomputeTileMaxima() {
    const int n = ActiveTileCount();
    MaxTileScore = *std::max_element(TileScores.begin(), TileScores.begin() + n);
    MaxTileCount = *std::max_element(TileCounts.begin(), TileCounts.begin() + n);
}

const char* LanguageName(Language language) {
    switch (language) {
        case Language::Spanish: return "Spanish";
        case Language::French: return "French";
        case Language::English: break;
    }
    return "English";
}

void SetLanguageTables(Language language) {
    SpanishLexiconActive = language == Language::Spanish;
    FrenchLexiconActive = language == Language::French;
    switch (language) {
        case Language::English:
            TileCounts = EnglishTileCounts;
            TileScores = EnglishTileScores;
            break;
        case Language::Spanish:
            TileCounts = SpanishTileCounts;
            TileScores = SpanishTileScores;
            break;
        case Language::French:
            TileCounts = FrenchTileCounts;
            TileScores = FrenchTileScores;
            break;
    }
    RecomputeTileMaxima();
}
const ProgramStateReset registerResetLanguageTables([] { SetLanguageTables(Language::English); });

int TileCodeOfChar(unsigned char c, unsigned char next, bool& tookTwo) {
    tookTwo = false;
    if (c == '.' || c == '?') return BlankTileCode;
    const bool upper = c >= 'A' && c <= 'Z';
    const bool lower = IsLowerAscii(c);
    if (upper || lower) {
        const unsigned char base = static_cast<unsigned char>(upper ? c : c - 32);
        const unsigned char follow = static_cast<unsigned char>(upper ? next : next - 32);
        const bool sameCase = upper ? (next >= 'A' && next <= 'Z') : IsLowerAscii(next);
        if (sameCase) {
            if (base == 'C' && follow == 'H') {
                tookTwo = true;
                return SpanishTileCH;
            }
            if (base == 'L' && follow == 'L') {
                tookTwo = true;
                return SpanishTileLL;
            }
            if (base == 'R' && follow == 'R') {
                tookTwo = true;
                return SpanishTileRR;
            }
        }
    }
    return SpanishTileCodes[c];
}

namespace {

// Spanish tile number (1..28) of a tile byte of either case, 0 for no tile.
int SpanishTileNumber(unsigned char tile, bool& lower) {
    lower = tile > '`';
    const int n = lower ? tile - '`' : tile - '@';
    return n >= 1 && n <= SpanishTileCount ? n : 0;
}

}  // namespace

std::string TileToText(unsigned char tile) {
    bool lower = false;
    const int n = SpanishTileNumber(tile, lower);
    if (n == 0) return "?";
    std::string text = SpanishTileTexts[n - 1];
    if (lower) {
        for (char& ch : text) {
            unsigned char u = static_cast<unsigned char>(ch);
            ch = static_cast<char>(u == UpperEnye ? LowerEnye : u + 32);
        }
    }
    return text;
}

std::string TilesToText(std::string_view tiles) {
    std::string text;
    text.reserve(tiles.size() + 4);
    for (unsigned char tile : tiles) {
        bool lower = false;
        if (SpanishTileNumber(tile, lower) == 0)
            text += static_cast<char>(tile);  // a blank, "?", a separator
        else
            text += TileToText(tile);
    }
    return text;
}

namespace {

// Spanish display text to tiles. A character without a tile ends the text,
// or with `keepOthers` is copied unchanged.
std::string SpanishTextToTiles(std::string_view text, bool keepOthers) {
    std::string tiles;
    tiles.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        const unsigned char next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0;
        bool tookTwo = false;
        const int tile = TileCodeOfChar(c, next, tookTwo);
        if (tile < 1 || tile > SpanishTileCount) {
            if (!keepOthers) break;
            tiles += static_cast<char>(c);
            continue;
        }
        const bool lower = IsLowerAscii(c) || c == LowerEnye;
        tiles += static_cast<char>((lower ? '`' : '@') + tile);
        if (tookTwo) ++i;
    }
    return tiles;
}

}  // namespace

std::string TextToTiles(std::string_view text) { return SpanishTextToTiles(text, false); }

std::string WordToDisplay(std::string_view tiles) { return WordToDisplayIn(ActiveLanguage(), tiles); }

std::string WordToDisplayIn(Language language, std::string_view tiles) {
    if (language == Language::Spanish) return TilesToText(tiles);
    return std::string(tiles);
}

std::string DisplayToWord(std::string_view text) {
    if (SpanishLexiconActive) return SpanishTextToTiles(text, true);
    return std::string(text);
}

int TileNumberOf(unsigned char tile) {
    const int count = ActiveTileCount();
    int n = 0;
    if (tile > '@' && tile <= '@' + count)
        n = tile - '@';
    else if (tile > '`' && tile <= '`' + count)
        n = tile - '`';
    return n;
}

std::string TileCaption(int tile) {
    if (tile < 1 || tile > ActiveTileCount()) return "?";
    return TileCaptionIn(ActiveLanguage(), tile);
}

std::string TileCaptionIn(Language language, int tile) {
    if (language == Language::Spanish) return SpanishTileTexts[tile - 1];
    return std::string(1, static_cast<char>('@' + tile));
}

int TileOfSameLetters(Language from, int tile, Language to) {
    const std::string letters = TileCaptionIn(from, tile);
    for (int candidate = 1; candidate <= LanguageTileCount(to); ++candidate)
        if (TileCaptionIn(to, candidate) == letters) return candidate;
    return 0;
}

bool IsVowelTile(int tile) {
    const std::string caption = TileCaption(tile);
    return caption.size() == 1 && std::string_view("AEIOU").find(caption[0]) != std::string_view::npos;
}

}  // namespace qora
