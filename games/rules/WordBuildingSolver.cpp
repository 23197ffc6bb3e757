#include "games/rules/WordBuildingSolver.h"

#include <algorithm>
#include <bit>
#include <memory>

#include "engine/Lexicons.h"

namespace qora {

namespace {

constexpr int Columns = WordBuildingColumns;
constexpr int Rows = WordBuildingRows;
constexpr int MaxTiles = WordBuildingGridSize;
constexpr int LastWord = 30;  // a solution has at most 31 words
constexpr int HighestExtendedBucket = 94;
constexpr int NarrowLength = 8;         // the shortest word of a narrow search ...
constexpr int NarrowUntilDepth = 74;    // ... while it ends at this many tiles or fewer
constexpr int NarrowLowestBucket = 60;  // the fewest tiles extended from the 9th word on
constexpr int NarrowBucketWords = 8;
constexpr int LowerCase = 'a' - 'A';
constexpr std::uint32_t RootList = 1;

// The heights of the 12 columns packed 4 bits each: a state's identity.
using HeightsKey = std::uint64_t;

constexpr HeightsKey ColumnUnit(int column) { return HeightsKey{1} << (4 * column); }
constexpr int HeightOf(HeightsKey key, int column) { return static_cast<int>((key >> (4 * column)) & 0xF); }

constexpr int MostStatesKept = 16384;  // the slots of a bucket are 16-bit

// A word's first tile is kept in lower case in a solution's letters.
constexpr bool IsWordStart(char tile) { return static_cast<unsigned char>(tile) > '`'; }

constexpr SolverBeam Levels[SolvingLevels] = {{8, true},   {32, true},   {64, true},   {64, false},
                                              {128, true}, {128, false}, {256, true},  {256, false},
                                              {512, true}, {512, false}, {1024, true}, {1024, true}};

// The states kept for one number of tiles used: up to K slots, each with its
// heights, score, processed flag and path (t column entries and t tiles).
// A hash of the heights finds an equal state; a tree over the slots finds
// the lowest score, the first such in slot order.
class Bucket {
public:
    Bucket(int tiles, int keep) : tiles_(static_cast<std::size_t>(tiles)), keep_(keep) {
        const auto size = static_cast<std::size_t>(keep);
        keys_.resize(size);
        scores_.resize(size);
        processed_.resize(size);
        columns_.resize(size * tiles_);
        letters_.resize(size * tiles_);
        table_.assign(std::bit_ceil(2 * size), -1);
        leaves_ = std::bit_ceil(size);
        tree_.assign(2 * leaves_, -1);
    }

    int Count() const { return count_; }
    bool Full() const { return count_ == keep_; }
    std::int32_t Score(int slot) const { return scores_[static_cast<std::size_t>(slot)]; }
    HeightsKey Key(int slot) const { return keys_[static_cast<std::size_t>(slot)]; }
    const std::uint8_t* Columns(int slot) const { return &columns_[static_cast<std::size_t>(slot) * tiles_]; }
    const char* Letters(int slot) const { return &letters_[static_cast<std::size_t>(slot) * tiles_]; }
    // Marks the slot processed; false when it was already.
    bool TakeUnprocessed(int slot) {
        auto& processed = processed_[static_cast<std::size_t>(slot)];
        if (processed) return false;
        processed = 1;
        return true;
    }

    int Find(HeightsKey key) const {
        for (std::size_t i = Home(key);; i = Next(i)) {
            const int slot = table_[i];
            if (slot < 0 || keys_[static_cast<std::size_t>(slot)] == key) return slot;
        }
    }

    // The first slot of the lowest score; only asked of a full bucket.
    int LowestSlot() const { return tree_[1]; }

    // A free slot for a new state; only asked of a bucket that is not full.
    int Append() { return count_++; }

    // Puts a state into the slot: a new one, or one in place of the state
    // there (`replacing`), whose heights may differ.
    void Put(int slot, bool replacing, HeightsKey key, std::int32_t score, const std::uint8_t* columns,
             const char* letters) {
        const auto index = static_cast<std::size_t>(slot);
        if (!replacing || keys_[index] != key) {
            if (replacing) Erase(slot);
            keys_[index] = key;
            Insert(slot);
        }
        scores_[index] = score;
        processed_[index] = 0;
        std::copy_n(columns, tiles_, &columns_[index * tiles_]);
        std::copy_n(letters, tiles_, &letters_[index * tiles_]);
        UpdateLowest(slot);
    }

private:
    std::size_t Home(HeightsKey key) const {
        return static_cast<std::size_t>((key * 0x9E3779B97F4A7C15ull) >> 32) & (table_.size() - 1);
    }
    std::size_t Next(std::size_t i) const { return (i + 1) & (table_.size() - 1); }

    void Insert(int slot) {
        std::size_t i = Home(keys_[static_cast<std::size_t>(slot)]);
        while (table_[i] >= 0) i = Next(i);
        table_[i] = static_cast<std::int16_t>(slot);
    }

    // Removes the slot's entry and shifts later entries of its probe run back.
    void Erase(int slot) {
        std::size_t hole = Home(keys_[static_cast<std::size_t>(slot)]);
        while (table_[hole] != slot) hole = Next(hole);
        for (std::size_t i = Next(hole); table_[i] >= 0; i = Next(i)) {
            const std::size_t home = Home(keys_[static_cast<std::size_t>(table_[i])]);
            // The entry at i may fill the hole unless its home lies cyclically in (hole, i].
            const bool homeAfterHole = hole <= i ? (home > hole && home <= i) : (home > hole || home <= i);
            if (!homeAfterHole) {
                table_[hole] = table_[i];
                hole = i;
            }
        }
        table_[hole] = -1;
    }

    bool Lower(int a, int b) const {
        if (a < 0) return false;
        if (b < 0) return true;
        const std::int32_t scoreA = scores_[static_cast<std::size_t>(a)];
        const std::int32_t scoreB = scores_[static_cast<std::size_t>(b)];
        return scoreA != scoreB ? scoreA < scoreB : a < b;
    }

    void UpdateLowest(int slot) {
        std::size_t node = leaves_ + static_cast<std::size_t>(slot);
        tree_[node] = static_cast<std::int16_t>(slot);
        for (node /= 2; node >= 1; node /= 2) {
            const int left = tree_[2 * node];
            const int right = tree_[2 * node + 1];
            tree_[node] = static_cast<std::int16_t>(Lower(right, left) ? right : left);
        }
    }

    std::size_t tiles_;
    int keep_;
    int count_ = 0;
    std::vector<HeightsKey> keys_;
    std::vector<std::int32_t> scores_;
    std::vector<std::uint8_t> processed_;
    std::vector<std::uint8_t> columns_;
    std::vector<char> letters_;
    std::vector<std::int16_t> table_;  // slot of each hash position, -1 empty
    std::size_t leaves_ = 0;
    std::vector<std::int16_t> tree_;  // tree_[1] is the lowest slot
};

// The number of bits set (without relying on a processor instruction).
constexpr int BitCount(std::uint32_t bits) {
    bits -= (bits >> 1) & 0x55555555u;
    bits = (bits & 0x33333333u) + ((bits >> 2) & 0x33333333u);
    bits = (bits + (bits >> 4)) & 0x0F0F0F0Fu;
    return static_cast<int>((bits * 0x01010101u) >> 24);
}

// The word graph as the search walks it: each node beside what the search
// needs to know of the sibling list from that node on: the tiles of the node
// and the siblings after it (bit n - 1 for tile n), and the most tiles on a
// path down from them (capped at 15). A node and its siblings share a few
// cache lines, so a step down the graph touches little memory.
class SearchGraph {
public:
    explicit SearchGraph(const WordBuildingSolverInput& input) : entries_(input.nodeCount) {
        // One pass from the end, which sees every child before its parent
        // where children stand after their parents (as the lexicon compiler
        // lays them out); for any other layout the heights stay unknown.
        bool heightsKnown = true;
        for (std::size_t i = input.nodeCount; i-- > RootList;) {
            const LexiconNode node = input.nodes[i];
            const bool last = NodeIsLastSibling(node) || i + 1 == input.nodeCount;
            const std::uint32_t child = NodeChild(node);
            heightsKnown = heightsKnown && (child == 0 || child > i);
            int height = 1 + (child != 0 && heightsKnown ? Height(child) : 0);
            if (!last) height = std::max(height, Height(static_cast<std::uint32_t>(i + 1)));
            const std::uint32_t tiles = (last ? 0 : entries_[i + 1].suffix & TilesMask) | TileBit(NodeLetter(node));
            entries_[i].node = node;
            entries_[i].suffix =
                tiles | static_cast<std::uint32_t>(heightsKnown ? std::min(height, MaxHeight) : MaxHeight)
                            << HeightShift;
        }
    }

    LexiconNode Node(std::uint32_t index) const { return entries_[index].node; }

    // The node of the tile in the list from `index` on, 0 for none. Lists
    // stand in strictly ascending letter order (the lexicon was validated
    // so): the node is `index` plus the number of the list's tiles below it,
    // the one that walking the list finds.
    std::uint32_t NodeOfTile(std::uint32_t index, unsigned char tile) const {
        const std::uint32_t tiles = entries_[index].suffix & TilesMask;
        const std::uint32_t bit = TileBit(tile);
        if ((tiles & bit) == 0) return 0;
        return index + static_cast<std::uint32_t>(BitCount(tiles & (bit - 1)));
    }

    // The most tiles of a word below the list from `index` on.
    int Height(std::uint32_t index) const { return static_cast<int>(entries_[index].suffix >> HeightShift); }

private:
    static constexpr int HeightShift = 28;
    static constexpr int MaxHeight = 15;
    static constexpr std::uint32_t TilesMask = (1u << HeightShift) - 1;
    static constexpr std::uint32_t TileBit(unsigned char tile) { return 1u << ((tile - TileBase - 1) & 31); }

    struct Entry {
        LexiconNode node = 0;
        std::uint32_t suffix = 0;
    };
    std::vector<Entry> entries_;
};

class Solver {
public:
    Solver(const WordBuildingSolverInput& input, SolverBeam beam, const WordBuildingSolverObserver& observer)
        : input_(input), beam_(beam), observer_(observer), graph_(input) {
        for (int i = 0; i < MaxTiles; ++i)
            grid_[static_cast<std::size_t>(i % Columns)][static_cast<std::size_t>(i / Columns)] =
                static_cast<unsigned char>(input.letters[static_cast<std::size_t>(i)]);
    }

    WordBuildingSolution SolveWholeGame();
    std::vector<int> FindHighestWord(const std::array<int, Columns>& taken, const std::vector<std::uint8_t>& word);

private:
    bool Stopped() const { return observer_.stop != nullptr && observer_.stop->load(std::memory_order_relaxed); }
    std::int32_t Value(unsigned char tile) const {
        return input_.scores[static_cast<std::size_t>(tile - TileBase - 1)];
    }
    unsigned char Top(int column) const {
        return grid_[static_cast<std::size_t>(column)][static_cast<std::size_t>(HeightOf(heights_, column))];
    }
    bool HasTile(int column) const { return HeightOf(heights_, column) < Rows; }

    void ExtendByOneWord(int tiles);
    void SearchBestSolution(unsigned char tile, int n, std::uint32_t index);
    bool WordCounts(int n, int depth) const;
    bool KeepState(std::int32_t total);
    void ExtendBucket(int tiles);
    Bucket& BucketOf(int tiles);

    const WordBuildingSolverInput& input_;
    SolverBeam beam_;
    const WordBuildingSolverObserver& observer_;
    SearchGraph graph_;
    std::array<std::array<unsigned char, Rows>, Columns> grid_{};
    HeightsKey heights_ = 0;
    std::array<std::uint8_t, MaxTiles> pathColumns_{};
    std::array<char, MaxTiles> pathLetters_{};
    int depth_ = 0;
    std::array<std::int32_t, MaximumBuiltWordLength + 1> letterSums_{};
    std::int32_t baseScore_ = 0;
    int wordNumber_ = 1;
    bool singleWord_ = false;
    std::vector<std::uint8_t> builtWord_;
    std::array<std::unique_ptr<Bucket>, MaxTiles + 1> buckets_;  // made when first used
    WordBuildingSolution best_;
};

Bucket& Solver::BucketOf(int tiles) {
    auto& bucket = buckets_[static_cast<std::size_t>(tiles)];
    if (!bucket) bucket = std::make_unique<Bucket>(tiles, beam_.keep);
    return *bucket;
}

// Tries every word that starts from the state loaded (its heights, score and
// path of `tiles` entries).
void Solver::ExtendByOneWord(int tiles) {
    depth_ = tiles;
    for (int column = 0; column < Columns && !Stopped(); ++column) {
        if (singleWord_ && !builtWord_.empty() && column != builtWord_.front()) continue;
        if (!HasTile(column)) continue;
        const unsigned char tile = Top(column);
        const std::uint32_t node = graph_.NodeOfTile(RootList, tile);
        if (node == 0) continue;
        heights_ += ColumnUnit(column);
        pathColumns_[static_cast<std::size_t>(depth_++)] = static_cast<std::uint8_t>(column);
        SearchBestSolution(tile, 0, node);
        --depth_;
        heights_ -= ColumnUnit(column);
    }
}

// The tile taken last, the word's n + 1st, stands at the node `index`: the
// words it begins or ends are tried, the longer ones first.
void Solver::SearchBestSolution(unsigned char tile, int n, std::uint32_t index) {
    const LexiconNode node = graph_.Node(index);
    pathLetters_[static_cast<std::size_t>(depth_ - 1)] = static_cast<char>(n == 0 ? tile + LowerCase : tile);
    letterSums_[static_cast<std::size_t>(n + 1)] = letterSums_[static_cast<std::size_t>(n)] + Value(tile);
    ++n;
    // The longer words below, when some of them could count (a word never
    // counts less for being longer).
    const int longest = std::min(NodeChild(node) != 0 ? graph_.Height(NodeChild(node)) : 0, MaximumBuiltWordLength - n);
    if (longest > 0 && WordCounts(n + longest, depth_ + longest)) {
        const bool followBuilt = singleWord_ && n < static_cast<int>(builtWord_.size());
        for (int column = 0; column < Columns; ++column) {
            if (!HasTile(column) || (followBuilt && column != builtWord_[static_cast<std::size_t>(n)])) continue;
            const unsigned char next = Top(column);
            const std::uint32_t child = graph_.NodeOfTile(NodeChild(node), next);
            if (child == 0) continue;
            heights_ += ColumnUnit(column);
            pathColumns_[static_cast<std::size_t>(depth_++)] = static_cast<std::uint8_t>(column);
            SearchBestSolution(next, n, child);
            --depth_;
            heights_ -= ColumnUnit(column);
        }
    }
    if (!NodeIsEndOfWord(node) || !WordCounts(n, depth_)) return;
    const std::int32_t total = baseScore_ + n * letterSums_[static_cast<std::size_t>(n)];
    if (!singleWord_ && !KeepState(total)) return;
    if (total <= best_.score) return;
    best_.score = total;
    best_.columns.assign(pathColumns_.begin(), pathColumns_.begin() + depth_);
    best_.letters.assign(pathLetters_.begin(), pathLetters_.begin() + depth_);
    if (singleWord_) return;
    best_.wordCount = wordNumber_;
    if (observer_.NewBest) observer_.NewBest(best_.score, best_.wordCount);
}

// A word of n tiles that ends when `depth` tiles are used counts: 3 tiles or
// more (a narrow search wants 8 until 75 tiles are used); the highest word
// must hold the whole word being built.
bool Solver::WordCounts(int n, int depth) const {
    if (n < MinimumBuiltWordLength) return false;
    if (singleWord_) return n >= static_cast<int>(builtWord_.size());
    return !beam_.narrow || n >= NarrowLength || depth > NarrowUntilDepth;
}

// Keeps the state just reached in the bucket of its depth: an equal state
// takes the better score (the first stored keeps a tie), a new one takes a
// free slot or the lowest score's. False when the state is dropped.
bool Solver::KeepState(std::int32_t total) {
    Bucket& bucket = BucketOf(depth_);
    const auto* columns = pathColumns_.data();
    const auto* letters = pathLetters_.data();
    if (const int slot = bucket.Find(heights_); slot >= 0) {
        if (bucket.Score(slot) < total) bucket.Put(slot, true, heights_, total, columns, letters);
        return true;
    }
    if (!bucket.Full()) {
        bucket.Put(bucket.Append(), false, heights_, total, columns, letters);
        return true;
    }
    const int lowest = bucket.LowestSlot();
    if (total <= bucket.Score(lowest)) return false;
    bucket.Put(lowest, true, heights_, total, columns, letters);
    return true;
}

// Extends each state of the bucket not extended since it was stored.
void Solver::ExtendBucket(int tiles) {
    Bucket* bucket = buckets_[static_cast<std::size_t>(tiles)].get();
    if (bucket == nullptr) return;
    for (int slot = 0; slot < bucket->Count() && !Stopped(); ++slot) {
        if (!bucket->TakeUnprocessed(slot)) continue;
        heights_ = bucket->Key(slot);
        baseScore_ = bucket->Score(slot);
        std::copy_n(bucket->Columns(slot), tiles, pathColumns_.begin());
        std::copy_n(bucket->Letters(slot), tiles, pathLetters_.begin());
        ExtendByOneWord(tiles);
    }
}

WordBuildingSolution Solver::SolveWholeGame() {
    if (observer_.WorkingOn) observer_.WorkingOn(1);
    ExtendByOneWord(0);
    for (int word = 1; word <= LastWord && !Stopped(); ++word) {
        wordNumber_ = word + 1;
        if (observer_.WorkingOn) observer_.WorkingOn(wordNumber_);
        const int highest = std::min(Columns * word, HighestExtendedBucket);
        const int lowest = !beam_.narrow              ? MinimumBuiltWordLength * word
                           : word < NarrowBucketWords ? NarrowLength * word
                                                      : NarrowLowestBucket;
        for (int tiles = highest; tiles >= lowest && !Stopped(); --tiles) ExtendBucket(tiles);
    }
    return best_;
}

std::vector<int> Solver::FindHighestWord(const std::array<int, Columns>& taken, const std::vector<std::uint8_t>& word) {
    singleWord_ = true;
    builtWord_ = word;
    std::array<int, Columns> start = taken;
    for (std::uint8_t column : word) {
        if (column >= Columns) return {};
        --start[column];
    }
    for (int column = 0; column < Columns; ++column) {
        if (start[static_cast<std::size_t>(column)] < 0 || start[static_cast<std::size_t>(column)] > Rows) return {};
        heights_ += ColumnUnit(column) * static_cast<HeightsKey>(start[static_cast<std::size_t>(column)]);
    }
    ExtendByOneWord(0);
    if (best_.score == 0) return {};
    return {best_.columns.begin(), best_.columns.end()};
}

bool IsSearchable(const WordBuildingSolverInput& input) {
    return input.nodes != nullptr && input.nodeCount > RootList &&
           input.letters.size() == static_cast<std::size_t>(MaxTiles) &&
           std::all_of(input.letters.begin(), input.letters.end(), [](char c) {
               const int tile = static_cast<unsigned char>(c) - TileBase;
               return tile >= 1 && tile <= SpanishTileCount;
           });
}

}  // namespace

SolverBeam SolverBeamOfLevel(int level) { return Levels[std::clamp(level, 1, SolvingLevels) - 1]; }

WordBuildingSolverInput SolverInputOfPrimaryLexicon(std::string_view letters) {
    WordBuildingSolverInput input;
    input.letters = std::string(letters);
    if (const LexiconRecord* lexicon = LexiconOfRole(PrimaryRole)) {
        input.nodes = lexicon->Nodes;
        input.nodeCount = lexicon->NodeCount;
    }
    input.scores = TileScores;
    return input;
}

WordBuildingSolution SolveWholeGame(const WordBuildingSolverInput& input, SolverBeam beam,
                                    const WordBuildingSolverObserver& observer) {
    if (!IsSearchable(input)) return {};
    beam.keep = std::clamp(beam.keep, 1, MostStatesKept);
    return Solver(input, beam, observer).SolveWholeGame();
}

std::vector<int> FindHighestWord(const WordBuildingSolverInput& input,
                                 const std::array<int, WordBuildingColumns>& taken,
                                 const std::vector<std::uint8_t>& wordColumns) {
    if (!IsSearchable(input)) return {};
    const WordBuildingSolverObserver none;
    return Solver(input, {8, false}, none).FindHighestWord(taken, wordColumns);
}

std::vector<int> FindHighestWordInPlay() {
    const WordBuildingPlayState& play = WordBuildingPlay;
    std::array<int, WordBuildingColumns> taken{};
    for (int column = 0; column < Columns; ++column) {
        const auto& cells = play.columns[static_cast<std::size_t>(column)];
        taken[static_cast<std::size_t>(column)] =
            Rows - static_cast<int>(std::count_if(cells.begin(), cells.end(), [](unsigned char c) { return c != 0; }));
    }
    // The word's tiles are the last moves, after the end of the last word.
    const std::size_t length = std::min(play.word.size(), play.moves.size());
    const std::vector<std::uint8_t> word(play.moves.end() - static_cast<std::ptrdiff_t>(length), play.moves.end());
    return FindHighestWord(SolverInputOfPrimaryLexicon(play.currentLetters), taken, word);
}

std::vector<std::uint8_t> SolutionMoves(const WordBuildingSolution& solution) {
    std::vector<std::uint8_t> moves;
    for (std::size_t i = 0; i < solution.columns.size(); ++i) {
        if (i > 0 && IsWordStart(solution.letters[i])) moves.push_back(EndOfWordMove);
        moves.push_back(solution.columns[i]);
    }
    if (!moves.empty()) moves.push_back(EndOfWordMove);
    return moves;
}

}  // namespace qora
