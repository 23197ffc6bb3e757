#include "engine/RandomRacks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "engine/CanonicalOrder.h"
#include "support/EngineDataFixture.h"

namespace qora {
namespace {

using RandomRacksTest = test::EngineDataTest;

std::string Sorted(std::string text) {
    std::sort(text.begin(), text.end());
    return text;
}

// Counts of each tile byte of a text.
std::map<char, int> Tally(const std::string& text) {
    std::map<char, int> tally;
    for (char c : text) ++tally[c];
    return tally;
}

TEST_F(RandomRacksTest, TheGeneratorIsTheRunTimeLibrarysExactly) {
    RuntimeSeed(1);
    EXPECT_EQ(346, RuntimeRand());  // (1 * 22695477 + 1) >> 16 & 0x7FFF
    EXPECT_EQ(22695478u, RuntimeRandState());
}

TEST_F(RandomRacksTest, ShuffleTileBagEdgeCases) {
    TileBag = {'A'};
    ShuffleTileBag(1);
    EXPECT_EQ((std::vector<unsigned char>{'A'}), TileBag);
    for (int run = 0; run < 20; ++run) {
        TileBag = {'A', 'B', 'C'};
        ShuffleTileBag(2);
        EXPECT_EQ((std::vector<unsigned char>{'B', 'A', 'C'}), TileBag) << "two always swap, the rest stays";
    }
    std::set<std::string> seen;
    for (int run = 0; run < 200; ++run) {
        TileBag = {'A', 'B', 'C'};
        ShuffleTileBag(3);
        seen.insert(std::string(TileBag.begin(), TileBag.end()));
    }
    EXPECT_EQ((std::set<std::string>{"BCA", "CAB"}), seen) << "only the two rotations";
    TileBag = {'A', 'B'};
    ShuffleTileBag(50);  // cut to the bag
    EXPECT_EQ((std::vector<unsigned char>{'B', 'A'}), TileBag);
    TileBag.clear();
    ShuffleTileBag(3);
    ShuffleTileBag(-1);
}

// Both shuffles walk from the last entry down, each step taking rand() % i,
// so a seed gives one sequence (worked out by hand from the generator).
TEST_F(RandomRacksTest, ShufflesTakeTheGeneratorsNumbersFromTheLastEntryDown) {
    RuntimeSeed(12345);
    TileBag = {'A', 'B', 'C', 'D', 'E', 'F', 'G'};
    ShuffleTileBag(7);
    EXPECT_EQ("ECDAFGB", std::string(TileBag.begin(), TileBag.end()));
    RuntimeSeed(12345);
    for (int i = 0; i < PercentTableSize; ++i) ShuffledPercentTable[i] = static_cast<std::uint8_t>(i);
    ShuffleRandomTable();
    EXPECT_EQ((std::vector<int>{86, 91, 37, 10, 40, 15, 73, 61, 62, 56}),
              std::vector<int>(ShuffledPercentTable.begin(), ShuffledPercentTable.begin() + 10));
}

// Every entry moves and the permutation is one cycle through all entries.
bool IsSingleCycle(const std::vector<int>& permutation) {
    std::size_t length = 0;
    int at = 0;
    do {
        at = permutation[at];
        ++length;
    } while (at != 0 && length <= permutation.size());
    return length == permutation.size();
}

TEST_F(RandomRacksTest, ShufflesMakeSingleCycles) {
    for (int run = 0; run < 50; ++run) {
        TileBag.clear();
        for (int i = 0; i < 40; ++i) TileBag.push_back(static_cast<unsigned char>(i));
        ShuffleTileBag(40);
        EXPECT_TRUE(IsSingleCycle(std::vector<int>(TileBag.begin(), TileBag.end())));
        const auto before = ShuffledPercentTable;
        ShuffleRandomTable();
        std::vector<int> mapping(PercentTableSize);  // where each old entry went
        for (int i = 0; i < PercentTableSize; ++i) mapping[before[i]] = ShuffledPercentTable[i];
        EXPECT_TRUE(IsSingleCycle(mapping));
        EXPECT_EQ(Sorted(std::string(before.begin(), before.end())),
                  Sorted(std::string(ShuffledPercentTable.begin(), ShuffledPercentTable.end())));
    }
}

TEST_F(RandomRacksTest, RandomBelowStaysInRangeAndCoversIt) {
    EXPECT_EQ(0, RandomBelow(1));
    EXPECT_EQ(0, RandomBelow(0));
    EXPECT_EQ(0, RandomBelow(-5));
    for (int n : {2, 7, 100, 101, 300}) {
        std::set<int> seen;
        for (int i = 0; i < 20000; ++i) {
            const int value = RandomBelow(n);
            ASSERT_GE(value, 0);
            ASSERT_LT(value, n);
            seen.insert(value);
        }
        EXPECT_EQ(static_cast<std::size_t>(n), seen.size()) << n;
    }
}

TEST_F(RandomRacksTest, RacksComeFromTheBagWithTwoBlanks) {
    std::map<char, int> drawn;
    for (int i = 0; i < 3000; ++i) {
        const std::string rack = DrawRandomRack("");
        ASSERT_EQ(static_cast<std::size_t>(RackSize), rack.size());
        for (const auto& [tile, count] : Tally(rack)) {
            drawn[tile] += count;
            if (tile == BlankTile)
                EXPECT_LE(count, BlanksInRackBag);
            else
                EXPECT_LE(count, EnglishTileCounts[tile - 'A']) << tile;
        }
    }
    EXPECT_EQ(27u, drawn.size()) << "every letter and the blank turn up";
    EXPECT_EQ(100u, TileBag.size());
}

TEST_F(RandomRacksTest, AFixedSeedReproducesTheRacks) {
    auto racks = [] {
        ResetRandomRacks();
        RuntimeSeed(2024);
        std::vector<std::string> drawn;
        for (int i = 0; i < 20; ++i) drawn.push_back(DrawRandomRack("ABCDEFGHIJKLMNOPQRSTUVWXYZ?"));
        return drawn;
    };
    const auto first = racks();
    EXPECT_EQ(first, racks());
    EXPECT_EQ(20u, std::set<std::string>(first.begin(), first.end()).size());
    for (const std::string& rack : first) {
        const std::size_t blanks = static_cast<std::size_t>(std::count(rack.begin(), rack.end(), BlankTile));
        EXPECT_EQ(Sorted(rack.substr(0, rack.size() - blanks)) + std::string(blanks, BlankTile), rack);
    }
}

TEST_F(RandomRacksTest, TheBagFollowsTheLanguageAndSetB) {
    SetLanguageTables(Language::French);
    DrawRandomRack("");
    EXPECT_EQ(102u, TileBag.size());
    TileCounts.fill(0);
    TileCounts[25] = 3;  // set (B) holding three Z only
    EXPECT_EQ("??ZZZ", Sorted(DrawRandomRack("")));
    SetLanguageTables(Language::Spanish);
    const std::string rack = DrawRandomRack("");
    EXPECT_EQ(100u, TileBag.size());
    for (unsigned char tile : rack) EXPECT_TRUE(tile == BlankTile || (tile > '@' && tile <= '@' + 28));
}

TEST_F(RandomRacksTest, TheWordBuildingBagIsThePoolAndBecomesTheRackBag) {
    const std::string tiles = ShuffleWordBuildingBag();
    ASSERT_EQ(static_cast<std::size_t>(WordBuildingBagSize), tiles.size());
    for (int i = 0; i < LatinTileCount; ++i)
        EXPECT_EQ(EnglishPoolCounts[i], Tally(tiles)['A' + i]) << static_cast<char>('A' + i);
    EXPECT_NE(Sorted(tiles), tiles);
    for (int i = 0; i < 200; ++i) EXPECT_EQ(std::string::npos, DrawRandomRack("").find(BlankTile));
    EXPECT_EQ(96u, TileBag.size());
    SetLanguageTables(Language::Spanish);
    const std::string spanish = ShuffleWordBuildingBag();
    for (int i = 0; i < SpanishTileCount; ++i) EXPECT_EQ(SpanishPoolCounts[i], Tally(spanish)['@' + 1 + i]);
    SetLanguageTables(Language::English);
    DrawRandomRack("");
    EXPECT_EQ(100u, TileBag.size()) << "a new language builds the rack bag again";
}

TEST_F(RandomRacksTest, BuildingABagStartsTheDrawsAfresh) {
    RuntimeSeed(7);
    const std::string first = ShuffleWordBuildingBag();
    for (int i = 0; i < 30; ++i) RandomBelow(50);  // the percent table moves on
    RuntimeSeed(7);
    EXPECT_EQ(first, ShuffleWordBuildingBag());
    RuntimeSeed(7);
    ResetRandomRacks();
    const std::string rack = DrawRandomRack("");
    RandomBelow(50);
    RuntimeSeed(7);
    SetLanguageTables(Language::English);  // the same tables: the bag stays as the draws left it
    EXPECT_NE(rack, DrawRandomRack("")) << "(a rebuilt bag would repeat the rack)";
}

TEST_F(RandomRacksTest, RacksAreAppendedToAWordlistAsStrings) {
    Wordlist& wordlist = *ObtainWordlist(3);
    AppendWordlistItem(wordlist, "FIRST", false);
    AppendRandomRacks(wordlist, 25, "");
    EXPECT_EQ(26, wordlist.Count());
    EXPECT_EQ("FIRST", wordlist.Items()[0].Text);
    EXPECT_EQ(StringItems, wordlist.ItemKind);
    AppendRandomRacks(wordlist, 0, "");
    AppendRandomRacks(wordlist, -4, "");
    EXPECT_EQ(26, wordlist.Count());
}

TEST_F(RandomRacksTest, OrderingsArrangeTilesAndKeepSeparators) {
    EXPECT_EQ("AEO RST?", ArrangeInOrdering("ETAOSR?", "AEIOU BCDFGHJKLMNPQRSTVWXYZ?"));
    EXPECT_EQ("AEO+RST?", ArrangeInOrdering("ETAOSR?", "aeiou+bcdfghjklmnpqrstvwxyz?"));
    EXPECT_EQ(" ZZ??", ArrangeInOrdering("Z?Z?", "AEIOU BCDFGHJKLMNPQRSTVWXYZ?"));
    EXPECT_EQ("?ZYX", ArrangeInOrdering("XYZ?", "?ZYXWVUTSRQPONMLKJIHGFEDCBA"));
    EXPECT_EQ("ETAOSR?", ArrangeInOrdering("ETAOSR?", ""));
    EXPECT_EQ("AE?", ArrangeInOrdering("E?A", "ABCDEFGHIJKLMNOPQRSTUVWXYZ")) << "unnamed tiles follow";
    EXPECT_EQ("cA+T", ArrangeInOrdering("TcA", "CBA+TSR")) << "case is kept, order by tile";
    SetLanguageTables(Language::Spanish);
    const std::string tiles = DisplayToWord("RRCHC\xD1") + "?";
    EXPECT_EQ(DisplayToWord("CCH\xD1RR") + "?", ArrangeInOrdering(tiles,
                                                                  "ABCchDEFGHIJLllMN\xD1"
                                                                  "OPQRrrSTUVXYZ?"));
    EXPECT_EQ(DisplayToWord("\xD1 RRCHC") + "?", ArrangeInOrdering(tiles, "\xF1 RRCHCABDEFGHIJLLLMNOPQRSTUVXYZ?"));
}

}  // namespace
}  // namespace qora
