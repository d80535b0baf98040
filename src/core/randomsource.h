#pragma once

#include <cstdint>
#include <functional>
#include <random>

namespace clubdraw {

// Any epoch, any unit; only used to seed.
using SeedClock = std::function<std::uint64_t()>;
SeedClock systemSeedClock();

// The draws' random generator, behind an interface so tests can script it.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void reseedFromClock() = 0;
    // Uniform over 0 .. n-1; n is at least 1.
    virtual int pickIndex(int n) = 0;
};

class ClockRandomSource final : public RandomSource {
public:
    explicit ClockRandomSource(SeedClock clock = systemSeedClock());

    // Mixes the clock reading into the current state, so a reading equal to
    // an earlier one never replays the numbers that followed it.
    void reseedFromClock() override;
    int pickIndex(int n) override;

private:
    SeedClock m_clock;
    std::mt19937_64 m_engine;
};

} // namespace clubdraw
