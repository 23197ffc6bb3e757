// Stepping to a free number: the up-down arrows that choose the number of a
// new wordlist (or set) skip the numbers already in use.
#pragma once

#include <functional>
#include <optional>

namespace qora {

// From `position` (where the arrows moved to) on in the direction of `step`
// (+1 up, -1 down), the first number within lowest..highest that is not in
// use; nothing when there is none in that direction, and the arrows then go
// back to where they were.
std::optional<int> StepToFreeNumber(int position, int step, int lowest, int highest,
                                    const std::function<bool(int)>& inUse);

}  // namespace qora
