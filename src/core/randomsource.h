// SPDX-License-Identifier: GPL-3.0-or-later
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

// Uniform over 0 .. n-1 from the engine's raw numbers, without
// std::uniform_int_distribution, whose mapping differs between standard
// libraries: a seed then gives the same picks everywhere. `n` is at most
// the engine's largest number.
template <typename Engine> int uniformIndex(Engine& engine, int n) {
    static_assert(Engine::min() == 0);
    using Word = typename Engine::result_type;
    if (n <= 1)
        return 0;
    const auto range = static_cast<Word>(n);
    // The lowest (max + 1) mod n numbers would make the low indexes likelier.
    const auto threshold = static_cast<Word>((Engine::max() - range + 1) % range);
    for (;;) {
        const Word value = engine();
        if (value >= threshold)
            return static_cast<int>(value % range);
    }
}

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

// Fixed by its seed: the same seed gives the same picks on every run and
// machine. Re-seeding from the clock would break that, so it does nothing.
class SeededRandomSource final : public RandomSource {
public:
    explicit SeededRandomSource(std::uint64_t seed) : m_engine(seed) {}

    void reseedFromClock() override {}
    int pickIndex(int n) override { return uniformIndex(m_engine, n); }

private:
    std::mt19937_64 m_engine;
};

} // namespace clubdraw
