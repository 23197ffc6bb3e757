#include "platform/Random.h"

#include <chrono>
#include <cstdlib>
#include <functional>
#include <thread>

namespace qora {

namespace {

std::uint32_t InitialSeed() {
    if (const char* fixed = std::getenv("QORA_SEED"); fixed != nullptr && *fixed != '\0')
        return static_cast<std::uint32_t>(std::strtoul(fixed, nullptr, 10));
    const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
    const auto thread = std::hash<std::thread::id>{}(std::this_thread::get_id());
    return static_cast<std::uint32_t>(now ^ (now >> 32) ^ thread);
}

struct ThreadRandom {
    std::uint32_t state = InitialSeed();
};

thread_local ThreadRandom threadRandom;  // no-reset: each thread's own, seeded as it starts

}  // namespace

int RuntimeRand() {
    threadRandom.state = threadRandom.state * 22695477u + 1u;
    return static_cast<int>((threadRandom.state >> 16) & 0x7FFF);
}

void RuntimeSeed(std::uint32_t seed) { threadRandom.state = seed; }

std::uint32_t RuntimeRandState() { return threadRandom.state; }

}  // namespace qora
