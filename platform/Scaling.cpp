#include "platform/Scaling.h"

#include <cstdint>

namespace qora {

int ScreenDpi = 96;  // no-reset: the screen's, not the program's

int MulDiv(int number, int numerator, int denominator) {
    if (denominator == 0) return -1;
    std::int64_t product = static_cast<std::int64_t>(number) * numerator;
    std::int64_t divisor = denominator;
    if (divisor < 0) {
        product = -product;
        divisor = -divisor;
    }
    const std::int64_t half = divisor / 2;
    const std::int64_t result = product >= 0 ? (product + half) / divisor : (product - half) / divisor;
    if (result > 2147483647 || result < -2147483647) return -1;
    return static_cast<int>(result);
}

void ResetScaling() { ScreenDpi = 96; }

}  // namespace qora
