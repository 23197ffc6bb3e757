#include "engine/Probability.h"

#include <limits>

namespace qora {

namespace {

constexpr std::int64_t Largest = std::numeric_limits<std::int32_t>::max();

// C(n, k) for k <= n by repeated multiply-then-divide: after step i the
// value is C(n - k + i, i), which grows with i, so the first step past the
// 32-bit range means the whole does not fit. Each division is exact.
std::optional<std::int64_t> Binomial(std::int64_t n, std::int64_t k) {
    std::int64_t value = 1;
    for (std::int64_t i = 1; i <= k; ++i) {
        value = value * (n - k + i) / i;
        if (value > Largest) return std::nullopt;
    }
    return value;
}

// The product of C(n, k) over (n, k) pairs; 0 as soon as some k exceeds its
// n (however large the other factors), nothing when it leaves 32 bits.
class DrawCount {
public:
    void Multiply(std::int64_t n, std::int64_t k) {
        anyWanted_ = true;
        if (k > n) {
            impossible_ = true;
            return;
        }
        if (tooLarge_) return;
        const std::optional<std::int64_t> factor = Binomial(n, k);
        if (!factor) {
            tooLarge_ = true;
            return;
        }
        product_ *= *factor;  // both at most 2^31: no 64-bit overflow
        tooLarge_ = product_ > Largest;
    }
    std::optional<std::int32_t> Result() const {
        if (!anyWanted_ || impossible_) return 0;
        if (tooLarge_) return std::nullopt;
        return static_cast<std::int32_t>(product_);
    }

private:
    std::int64_t product_ = 1;
    bool anyWanted_ = false;
    bool impossible_ = false;
    bool tooLarge_ = false;
};

}  // namespace

std::optional<std::int32_t> CountRackDraws(const LetterCounts& wanted, std::span<const std::int16_t> distribution,
                                           int wantedBlanks, int blanksInBag) {
    DrawCount count;
    for (std::size_t i = 0; i < wanted.size(); ++i) {
        if (wanted[i] < 1) continue;
        const std::int16_t inBag = i < distribution.size() ? distribution[i] : 0;
        count.Multiply(std::max<std::int16_t>(inBag, 0), wanted[i]);
    }
    if (wantedBlanks > 0) count.Multiply(std::max(blanksInBag, 0), wantedBlanks);
    return count.Result();
}

}  // namespace qora
