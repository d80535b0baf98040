// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/randomsource.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

using namespace clubdraw;

namespace {

TEST(RandomSource, picksCoverEverySlotEvenly) {
    ClockRandomSource random;
    constexpr int n = 5;
    constexpr int draws = 50000;
    std::array<int, n> seen{};
    for (int i = 0; i < draws; ++i) {
        random.reseedFromClock();
        const int pick = random.pickIndex(n);
        ASSERT_GE(pick, 0);
        ASSERT_LT(pick, n);
        ++seen[pick];
    }
    // 10,000 expected each; the standard deviation is about 90.
    for (int count : seen) {
        EXPECT_GT(count, 9000);
        EXPECT_LT(count, 11000);
    }
    EXPECT_EQ(random.pickIndex(1), 0);
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
