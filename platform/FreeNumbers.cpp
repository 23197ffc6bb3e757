#include "platform/FreeNumbers.h"

namespace qora {

std::optional<int> StepToFreeNumber(int position, int step, int lowest, int highest,
                                    const std::function<bool(int)>& inUse) {
    for (int number = position; number >= lowest && number <= highest; number += step)
        if (!inUse(number)) return number;
    return std::nullopt;
}

}  // namespace qora
