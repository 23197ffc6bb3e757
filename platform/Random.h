// The run-time library's random generator, reproduced exactly:
//   state = state * 22695477 + 1 (mod 2^32); result = (state >> 16) & 0x7FFF.
// Each thread has its own state. A thread's first use seeds it from the
// QORA_SEED environment variable when set (so tests and demos can repeat a
// sequence), else from the clock and the thread.
#pragma once

#include <cstdint>

namespace qora {

constexpr int RuntimeRandMax = 0x7FFF;

int RuntimeRand();
void RuntimeSeed(std::uint32_t seed);
std::uint32_t RuntimeRandState();

}  // namespace qora
