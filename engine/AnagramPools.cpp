#include "engine/AnagramPools.h"

#include <algorithm>
#include <map>

namespace qora {

namespace {

void AddPool(const AnagramPool& pool, int maxPools, AnagramPools& pools) {
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
    if (pools.Pools.size() == static_cast<std::size_t>(maxPools)) {
        pools.TooMany = true;
        return;
    }
    pools.Pools.push_back(pool);
}

void ForEachCopyCountFrom(const std::vector<AnagramBlock>& blocks, int length, std::vector<int>& copies,
                          std::size_t block, const std::function<void(const std::vector<int>&)>& visit) {
    if (block == blocks.size()) {
        visit(copies);
        return;
    }
    const AnagramBlock& b = blocks[block];
    const int most = std::min(b.MaxCopies, length / std::max(b.Size, 1));
    for (copies[block] = b.MinCopies; copies[block] <= most; ++copies[block])
        ForEachCopyCountFrom(blocks, length, copies, block + 1, visit);
}

}  // namespace

AnagramPools PoolsOf(const SearchTable& table, int maxPools) {
    AnagramPools pools;
    for (const QueryItem& item : table) {
        if (!item.IsBlock()) {
            const int most = item.MaxRepeats >= UnboundedRepeats ? UnboundedRepeats : item.MaxRepeats;
            AddPool({item.Test, std::min(item.MinRepeats, MaxSearchLength + 1), most, item.Binding, -1, 0}, maxPools,
                    pools);
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
            AddPool({test, std::min(count * item.MinRepeats, MaxSearchLength + 1), most, -1, block, count}, maxPools,
                    pools);
        }
    }
    return pools;
}

void ForEachCopyCount(const std::vector<AnagramBlock>& blocks, int length,
                      const std::function<void(const std::vector<int>& copies)>& visit) {
    std::vector<int> copies(blocks.size(), 0);
    ForEachCopyCountFrom(blocks, length, copies, 0, visit);
}

}  // namespace qora
