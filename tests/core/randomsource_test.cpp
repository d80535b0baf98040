// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/randomsource.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

using namespace clubdraw;

namespace {

// Counts 0, 1, 2, ... in 8-bit words, so one turn offers every number once.
struct CountingEngine {
    using result_type = std::uint8_t;
    static constexpr result_type min() { return 0; }
    static constexpr result_type max() { return 255; }
    result_type operator()() { return static_cast<result_type>(produced++); }
    int produced = 0;
};

// Over one turn of all 256 numbers every index comes out equally often: a
// plain modulo would give the low ones one more.
TEST(RandomSource, everyIndexIsEquallyLikely) {
    for (const int n : {2, 3, 5, 7, 10, 100, 255}) {
        CountingEngine engine;
        std::vector<int> seen(static_cast<std::size_t>(n));
        while (engine.produced < 256)
            ++seen[static_cast<std::size_t>(uniformIndex(engine, n))];
        EXPECT_EQ(engine.produced, 256) << n;
        for (int count : seen)
            EXPECT_EQ(count, seen.front()) << "n = " << n;
    }
    CountingEngine engine;
    EXPECT_EQ(uniformIndex(engine, 1), 0);
    EXPECT_EQ(engine.produced, 0);
}

// --seed promises the same picks on every machine and standard library.
TEST(RandomSource, aSeedGivesTheSamePicksEverywhere) {
    SeededRandomSource random(42);
    std::vector<int> picks;
    for (const int n : {2, 10, 1000, 32766, 2147483647})
        for (int i = 0; i < 3; ++i)
            picks.push_back(random.pickIndex(n));
    EXPECT_EQ(picks, (std::vector<int>{0, 0, 0, 2, 1, 8, 536, 144, 550, 11161, 32755, 22536,
                                       994341541, 1591453580, 1465704035}));
}

TEST(RandomSource, anEqualClockReadingNeverReplaysEarlierNumbers) {
    ClockRandomSource random([] { return std::uint64_t{42}; });
    std::vector<std::vector<int>> runs;
    for (int run = 0; run < 4; ++run) {
        random.reseedFromClock();
        std::vector<int> numbers;
        for (int i = 0; i < 16; ++i)
            numbers.push_back(random.pickIndex(1000000));
        runs.push_back(numbers);
    }
    for (std::size_t a = 0; a < runs.size(); ++a)
        for (std::size_t b = a + 1; b < runs.size(); ++b)
            EXPECT_NE(runs[a], runs[b]);
}

} // namespace
