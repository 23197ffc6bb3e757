#include "engine/AnagramPools.h"

#include <map>

namespace qora {

namespace {

void AddPool(const AnagramPool& pool, AnagramPools& pools) {
    if (pool.Binding < 0 && pool.Block < 0) {
        for (AnagramPool& pooled : pools.Pools) {
            if (pooled.Binding >= 0 || pooled.Block >= 0 || !(pooled.Test == pool.Test)) continue;
            pooled.Min = std::min(pooled.Min + pool.Min, MaxSearchLength + 1);
            pooled.Max = pooled.Max == UnboundedRepeats || pool.Max == UnboundedRepeats
                             ? UnboundedRepeats
                             : std::min(pooled.Max + pool.Max, MaxSearchLength);
            return;
        }
    }
    if (pools.Pools.size() == static_cast<std::size_t>(MaxAnagramPools)) {
        pools.TooMany = true;
        return;
    }
    pools.Pools.push_back(pool);
}

}  // namespace

AnagramPools PoolsOf(const SearchTable& table) {
    AnagramPools pools;
    for (const QueryItem& item : table) {
        if (!item.IsBlock()) {
            const int most = item.MaxRepeats >= UnboundedRepeats ? UnboundedRepeats : item.MaxRepeats;
            AddPool({item.Test, std::min(item.MinRepeats, MaxSearchLength + 1), most, item.Binding, -1, 0}, pools);
            continue;
        }
        std::map<int, int> perCopy;
        for (unsigned char tile : item.Block) ++perCopy[tile - TileBase];
        const bool fixed = item.MinRepeats == item.MaxRepeats;
        const int block = fixed ? -1 : static_cast<int>(pools.Blocks.size());
        if (!fixed) pools.Blocks.push_back({item.MinRepeats, item.MaxRepeats, item.Size()});
        for (const auto& [tile, count] : perCopy) {
            TileTest test;
            test.Tiles = TileBit(tile);
            const int most = !fixed && item.MaxRepeats >= UnboundedRepeats
                                 ? UnboundedRepeats
                                 : std::min(count * item.MaxRepeats, MaxSearchLength);
            AddPool({test, std::min(count * item.MinRepeats, MaxSearchLength + 1), most, -1, block, count}, pools);
        }
    }
    return pools;
}

PoolFits::PoolFits(const std::vector<AnagramPool>& pools) {
    for (std::size_t p = 0; p < pools.size() && p < static_cast<std::size_t>(MaxAnagramPools); ++p) {
        const TileTest& test = pools[p].Test;
        if (test.Presence != 0 || test.SameLetter != 0)
            conditional_.emplace_back(static_cast<int>(p), test);
        else
            for (int tile = 1; tile <= LetterCountSlots; ++tile)
                if ((test.Tiles & TileBit(tile)) != 0)
                    plainPoolsOf_[static_cast<std::size_t>(tile)] |= PoolMask{1} << p;
        laterPositions_ = laterPositions_ || test.SameLetter > 0;
    }
}

PoolMask PoolFits::ConditionalFor(int tile, int position, const int* tiles, int length) const {
    PoolMask pools = 0;
    const int known = length > 0 ? length : position + 1;
    for (const auto& [pool, test] : conditional_) {
        const TileFit fit = FitTile(test, tile, position, tiles, known);
        if (fit == TileFit::Yes || (fit == TileFit::NotKnownYet && length == 0)) pools |= PoolMask{1} << pool;
    }
    return pools;
}

bool LimitsWithCopies(const std::vector<AnagramPool>& pools, const std::vector<int>& copies, int length,
                      PoolLimits& min, PoolLimits& max) {
    int least = 0, most = 0;
    for (std::size_t p = 0; p < pools.size(); ++p) {
        const AnagramPool& pool = pools[p];
        min[p] = pool.Block < 0 ? pool.Min : pool.PerCopy * copies[static_cast<std::size_t>(pool.Block)];
        max[p] = pool.Block < 0 ? pool.Max : min[p];
        least += min[p];
        most += std::min(max[p], length);
    }
    return least <= length && most >= length;
}

}  // namespace qora
