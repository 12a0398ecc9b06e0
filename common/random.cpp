#include "common/random.h"

#include <chrono>

namespace {
// splitmix64: spreads nearby clock values over the whole seed space.
std::uint64_t mix(std::uint64_t x) {
    x += 0x9E3779B97F4A7C15ull;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

std::uint64_t clockNow() {
    return static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
}
} // namespace

ClockRandom::ClockRandom() : engine_(mix(clockNow())) {}

ClockRandom::ClockRandom(std::uint64_t seed) : engine_(seed) {}

void ClockRandom::reseed() {
    ++reseeds_;
    const std::uint64_t carried = engine_();
    engine_.seed(mix(clockNow() ^ mix(reseeds_) ^ carried));
}

float ClockRandom::next() {
    // 24 random bits fill a float's mantissa exactly, so the result is < 1.
    return static_cast<float>(engine_() >> 40) * (1.0f / 16777216.0f);
}
