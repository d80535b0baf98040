#include "catalogue/random_source.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

using namespace clubdraw;

namespace {

TEST(random_source, picks_cover_every_slot_evenly) {
    clock_random_source random;
    constexpr int n = 5;
    constexpr int draws = 50000;
    std::array<int, n> seen{};
    for (int i = 0; i < draws; ++i) {
        random.reseed_from_clock();
        const int pick = random.pick_index(n);
        ASSERT_GE(pick, 0);
        ASSERT_LT(pick, n);
        ++seen[pick];
    }
    // 10,000 expected each; the standard deviation is about 90.
    for (int count : seen) {
        EXPECT_GT(count, 9000);
        EXPECT_LT(count, 11000);
    }
    EXPECT_EQ(random.pick_index(1), 0);
}

TEST(random_source, an_equal_clock_reading_never_replays_earlier_numbers) {
    clock_random_source random([] { return std::uint64_t{42}; });
    std::vector<std::vector<int>> runs;
    for (int run = 0; run < 4; ++run) {
        random.reseed_from_clock();
        std::vector<int> numbers;
        for (int i = 0; i < 16; ++i)
            numbers.push_back(random.pick_index(1000000));
        runs.push_back(numbers);
    }
    for (std::size_t a = 0; a < runs.size(); ++a)
        for (std::size_t b = a + 1; b < runs.size(); ++b)
            EXPECT_NE(runs[a], runs[b]);
}

} // namespace
