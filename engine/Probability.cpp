#include "engine/Probability.h"

#include <algorithm>
#include <limits>

namespace qora {

namespace {

// Every step stays below 2^127: a value up to the largest count allowed
// (at most 2^63) times a bag count (at most 2^15), or times another value.
using Wide = __int128;

// C(n, k) for k <= n by repeated multiply-then-divide: after step i the
// value is C(n - k + i, i), which grows with i, so the first step past
// `largest` means the whole does not fit. Each division is exact.
std::optional<std::int64_t> Binomial(std::int64_t n, std::int64_t k, std::int64_t largest) {
    Wide value = 1;
    for (std::int64_t i = 1; i <= k; ++i) {
        value = value * (n - k + i) / i;
        if (value > largest) return std::nullopt;
    }
    return static_cast<std::int64_t>(value);
}

// The product of C(n, k) over (n, k) pairs; 0 as soon as some k exceeds its
// n (however large the other factors), nothing when it passes `largest`.
class DrawCount {
public:
    explicit DrawCount(std::int64_t largest) : largest_(largest) {}
    void Multiply(std::int64_t n, std::int64_t k) {
        anyWanted_ = true;
        if (k > n) {
            impossible_ = true;
            return;
        }
        if (tooLarge_) return;
        const std::optional<std::int64_t> factor = Binomial(n, k, largest_);
        if (!factor) {
            tooLarge_ = true;
            return;
        }
        product_ *= *factor;
        tooLarge_ = product_ > largest_;
    }
    std::optional<std::int64_t> Result() const {
        if (!anyWanted_ || impossible_) return 0;
        if (tooLarge_) return std::nullopt;
        return static_cast<std::int64_t>(product_);
    }

private:
    std::int64_t largest_;
    Wide product_ = 1;
    bool anyWanted_ = false;
    bool impossible_ = false;
    bool tooLarge_ = false;
};

void MultiplyTileDraws(DrawCount& count, const LetterCounts& wanted, std::span<const std::int16_t> distribution) {
    for (std::size_t i = 0; i < wanted.size(); ++i) {
        if (wanted[i] < 1) continue;
        const std::int16_t inBag = i < distribution.size() ? distribution[i] : 0;
        count.Multiply(std::max<std::int16_t>(inBag, 0), wanted[i]);
    }
}

}  // namespace

std::optional<std::int32_t> CountRackDraws(const LetterCounts& wanted, std::span<const std::int16_t> distribution,
                                           int wantedBlanks, int blanksInBag) {
    DrawCount count(std::numeric_limits<std::int32_t>::max());
    MultiplyTileDraws(count, wanted, distribution);
    if (wantedBlanks > 0) count.Multiply(std::max(blanksInBag, 0), wantedBlanks);
    const std::optional<std::int64_t> result = count.Result();
    if (!result) return std::nullopt;
    return static_cast<std::int32_t>(*result);
}

std::optional<std::int64_t> WordDrawCount(std::string_view word, std::span<const std::int16_t> distribution) {
    LetterCounts wanted{};
    for (unsigned char c : word) {
        const int tile = TileNumberOf(c);
        if (tile != 0) ++wanted[static_cast<std::size_t>(tile - 1)];
    }
    DrawCount count(std::numeric_limits<std::int64_t>::max());
    MultiplyTileDraws(count, wanted, distribution);
    return count.Result();
}

}  // namespace qora
