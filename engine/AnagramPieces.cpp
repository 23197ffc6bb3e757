#include "engine/AnagramPieces.h"

#include <algorithm>
#include <map>

namespace qora {

namespace {

void AddPiece(const AnagramPiece& piece, int maxPieces, AnagramPieces& pieces) {
    if (piece.Binding < 0 && piece.Block < 0) {
        for (AnagramPiece& pooled : pieces.Pieces) {
            if (pooled.Binding >= 0 || pooled.Block >= 0 || !(pooled.Test == piece.Test)) continue;
            pooled.Min = std::min(pooled.Min + piece.Min, MaxSearchLength + 1);
            pooled.Max = pooled.Max == UnboundedRepeats || piece.Max == UnboundedRepeats
                             ? UnboundedRepeats
                             : std::min(pooled.Max + piece.Max, MaxSearchLength);
            return;
        }
    }
    if (pieces.Pieces.size() == static_cast<std::size_t>(maxPieces)) {
        pieces.TooMany = true;
        return;
    }
    pieces.Pieces.push_back(piece);
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

AnagramPieces PiecesOf(const SearchTable& table, int maxPieces) {
    AnagramPieces pieces;
    for (const QueryItem& item : table) {
        if (!item.IsBlock()) {
            const int most = item.MaxRepeats >= UnboundedRepeats ? UnboundedRepeats : item.MaxRepeats;
            AddPiece({item.Test, std::min(item.MinRepeats, MaxSearchLength + 1), most, item.Binding, -1, 0}, maxPieces,
                     pieces);
            continue;
        }
        std::map<int, int> perCopy;
        for (unsigned char tile : item.Block) ++perCopy[tile - TileBase];
        const bool fixed = item.MinRepeats == item.MaxRepeats;
        const int block = fixed ? -1 : static_cast<int>(pieces.Blocks.size());
        if (!fixed) pieces.Blocks.push_back({item.MinRepeats, item.MaxRepeats, item.Size()});
        for (const auto& [tile, count] : perCopy) {
            TileTest test;
            test.Tiles = TileBit(tile);
            const int most = !fixed && item.MaxRepeats >= UnboundedRepeats
                                 ? UnboundedRepeats
                                 : std::min(count * item.MaxRepeats, MaxSearchLength);
            AddPiece({test, std::min(count * item.MinRepeats, MaxSearchLength + 1), most, -1, block, count}, maxPieces,
                     pieces);
        }
    }
    return pieces;
}

void ForEachCopyCount(const std::vector<AnagramBlock>& blocks, int length,
                      const std::function<void(const std::vector<int>& copies)>& visit) {
    std::vector<int> copies(blocks.size(), 0);
    ForEachCopyCountFrom(blocks, length, copies, 0, visit);
}

}  // namespace qora
