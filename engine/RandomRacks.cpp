#include "engine/RandomRacks.h"

#include <mutex>
#include <numeric>
#include <span>

#include "engine/CanonicalOrder.h"
#include "engine/Tiles.h"
#include "engine/Wordlists.h"
#include "platform/ProgramState.h"
#include "platform/Random.h"

namespace qora {

namespace {

constexpr std::array<std::uint8_t, PercentTableSize> IdentityPercentTable() {
    std::array<std::uint8_t, PercentTableSize> table{};
    for (int i = 0; i < PercentTableSize; ++i) table[i] = static_cast<std::uint8_t>(i);
    return table;
}

// What the bag was built for: a rack bag is rebuilt when these change.
struct BagOrigin {
    bool built = false;
    Language language = Language::English;
    TileTable counts{};
};

std::mutex bagLock;  // guards TileBag, TileBagWork and bagOrigin
BagOrigin bagOrigin;

// The single-cycle shuffle of both tables: for i from n - 1 down to 1 the
// entry i takes entry j (j = rand() % i) and j takes entry i; the new values
// of entries 1 to n - 1 are gathered in `work` and copied back at the end.
void ShuffleIntoSingleCycle(std::span<unsigned char> entries, std::span<unsigned char> work) {
    const std::size_t n = entries.size();
    if (n < 2) return;
    for (std::size_t i = n - 1; i >= 1; --i) {
        const std::size_t j = static_cast<std::size_t>(RuntimeRand()) % i;
        work[i] = entries[j];
        entries[j] = entries[i];
    }
    std::copy(work.begin() + 1, work.begin() + n, entries.begin() + 1);
}

// Fills the bag from per-tile counts (entry n - 1 for tile n) plus blanks.
void FillBag(std::span<const std::int16_t> counts, int blanks) {
    TileBag.clear();
    for (std::size_t i = 0; i < counts.size(); ++i)
        for (int k = 0; k < counts[i]; ++k) TileBag.push_back(static_cast<unsigned char>(TileBase + i + 1));
    TileBag.insert(TileBag.end(), static_cast<std::size_t>(blanks), static_cast<unsigned char>(BlankTile));
    TileBagWork.assign(TileBag.size(), 0);
    ShuffledPercentTable = IdentityPercentTable();
    bagOrigin = {true, ActiveLanguage(), TileCounts};
}

void EnsureRackBag() {
    if (bagOrigin.built && bagOrigin.language == ActiveLanguage() && bagOrigin.counts == TileCounts) return;
    FillBag(std::span<const std::int16_t>(TileCounts.data(), ActiveTileCount()), BlanksInRackBag);
}

// Draws one tile from the first `remaining` entries of the bag: shuffle
// them, take a random one and move it behind the others.
unsigned char DrawTile(int remaining) {
    ShuffleTileBag(remaining);
    const int chosen = RandomBelow(remaining);
    std::swap(TileBag[chosen], TileBag[remaining - 1]);
    return TileBag[remaining - 1];
}

std::string DrawRackFromBag(std::string_view ordering) {
    EnsureRackBag();
    const int bagSize = static_cast<int>(TileBag.size());
    std::string rack;
    for (int remaining = bagSize; remaining > bagSize - RackSize && remaining > 0; --remaining)
        rack += static_cast<char>(DrawTile(remaining));
    return ArrangeInOrdering(rack, ordering);
}

std::span<const std::int16_t> WordBuildingPoolCounts() {
    switch (ActiveLanguage()) {
        case Language::Spanish: return SpanishPoolCounts;
        case Language::French: return FrenchPoolCounts;
        case Language::English: break;
    }
    return EnglishPoolCounts;
}

}  // namespace

thread_local constinit std::array<std::uint8_t, PercentTableSize> ShuffledPercentTable = IdentityPercentTable();
std::vector<unsigned char> TileBag;
std::vector<unsigned char> TileBagWork;

int RandomBelow(int n) {
    if (n < 1) return 0;
    if (n > PercentTableSize) return RuntimeRand() % n;
    ShuffleRandomTable();
    return ShuffledPercentTable[RuntimeRand() % PercentTableSize] % n;
}

void ShuffleTileBag(int n) {
    const std::size_t count = std::min<std::size_t>(n < 0 ? 0 : static_cast<std::size_t>(n), TileBag.size());
    TileBagWork.resize(TileBag.size());
    ShuffleIntoSingleCycle(std::span(TileBag.data(), count), std::span(TileBagWork.data(), count));
}

void ShuffleRandomTable() {
    std::array<std::uint8_t, PercentTableSize> scratch{};
    ShuffleIntoSingleCycle(ShuffledPercentTable, scratch);
}

std::string DrawRandomRack(std::string_view ordering) {
    std::lock_guard<std::mutex> hold(bagLock);
    return DrawRackFromBag(ordering);
}

void AppendRandomRacks(Wordlist& wordlist, int count, std::string_view ordering) {
    std::lock_guard<std::mutex> hold(bagLock);
    for (int i = 0; i < count; ++i) AppendWordlistItem(wordlist, DrawRackFromBag(ordering), true);
}

std::string ShuffleWordBuildingBag() {
    std::lock_guard<std::mutex> hold(bagLock);
    FillBag(WordBuildingPoolCounts(), 0);
    std::string tiles;
    for (int remaining = static_cast<int>(TileBag.size()); remaining > 0; --remaining)
        tiles += static_cast<char>(DrawTile(remaining));
    return tiles;
}

void ResetRandomRacks() {
    std::lock_guard<std::mutex> hold(bagLock);
    TileBag.clear();
    TileBagWork.clear();
    bagOrigin = {};
    ShuffledPercentTable = IdentityPercentTable();
}
const ProgramStateReset registerResetRandomRacks(ResetRandomRacks);

}  // namespace qora
