#pragma once
// The program's one source of random numbers. The card table re-seeds it from
// the clock on every draw tick; the double-up draws from it without
// re-seeding. Tests hand the rules a scripted source instead.

#include <cstdint>
#include <random>

class RandomSource {
public:
    virtual ~RandomSource() = default;
    // Re-seed from the clock.
    virtual void reseed() = 0;
    // Uniform in [0, 1), single precision.
    virtual float next() = 0;
};

// The real source. A re-seed mixes the clock with a counter and the
// generator's own state, so two re-seeds within one clock tick (or with the
// clock standing still) never restart the same sequence.
class ClockRandom final : public RandomSource {
public:
    ClockRandom();
    explicit ClockRandom(std::uint64_t seed);
    void reseed() override;
    float next() override;

private:
    std::mt19937_64 engine_;
    std::uint64_t reseeds_ = 0;
};
