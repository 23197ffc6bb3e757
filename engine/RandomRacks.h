// Random numbers and the tile bag: the engine's bounded random number, the
// two shuffles it rests on, random racks and the Word-Building Game's bag.
//
// Everything draws on the run-time generator (platform/Random.h), whose
// state is kept per thread; so is the shuffled percent table. The tile bag
// is shared (the Word-Building bag becomes the random-rack bag) and guarded.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qora {

struct Wordlist;

constexpr int PercentTableSize = 100;
constexpr int RackSize = 7;
constexpr int BlanksInRackBag = 2;
constexpr char BlankTile = '?';
constexpr int WordBuildingBagSize = 96;
// The most racks one command draws: a million racks already take tens of
// megabytes.
constexpr int MaxRandomRacks = 1000000;

// A permutation of 0 to 99 that ShuffleRandomTable keeps reshuffling.
// constinit: each thread's copy is set when the thread starts, so no access
// goes through an initialization guard.
extern thread_local constinit std::array<std::uint8_t, PercentTableSize> ShuffledPercentTable;

// The bag, one tile byte per tile ('@' + tile number, "?" for a blank), and
// the shuffle's scratch array of the same length.
extern std::vector<unsigned char> TileBag;
extern std::vector<unsigned char> TileBagWork;

// A random number from 0 to n - 1. For n up to 100 the percent table is
// reshuffled and its entry at rand() % 100 taken modulo n; for larger n it is
// rand() % n. An n below 1 gives 0.
int RandomBelow(int n);

// Permutes the first n entries of TileBag into a random single cycle
// (entries from n on stay; n is cut to the bag's size).
void ShuffleTileBag(int n);

// Permutes ShuffledPercentTable into a random single cycle.
void ShuffleRandomTable();

// Draws one rack of 7 tiles (fewer when the bag holds fewer) and arranges
// it in the random-rack `ordering` (empty: draw order). The bag is TileCounts
// of the active language plus two blanks; it is built anew whenever the
// language or TileCounts changed since it was built.
std::string DrawRandomRack(std::string_view ordering);

// Draws `count` racks and adds them, as strings, at the end of `wordlist`.
void AppendRandomRacks(Wordlist& wordlist, int count, std::string_view ordering);

// The 96 tiles of the active language's Word-Building bag (no blanks) in
// random order; they also become the random-rack bag, until the language or
// TileCounts change.
std::string ShuffleWordBuildingBag();

// No bag built, the calling thread's percent table back to 0 to 99.
void ResetRandomRacks();

}  // namespace qora
