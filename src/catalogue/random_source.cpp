#include "random_source.h"

#include <chrono>

namespace clubdraw {

clock_source system_clock() {
    return [] {
        return static_cast<std::uint64_t>(
            std::chrono::high_resolution_clock::now().time_since_epoch().count());
    };
}

clock_random_source::clock_random_source(clock_source clock) : clock_(std::move(clock)) {
    std::random_device device;
    const std::uint64_t now = clock_();
    std::seed_seq seed{static_cast<std::uint32_t>(now), static_cast<std::uint32_t>(now >> 32), device(), device()};
    engine_.seed(seed);
}

void clock_random_source::reseed_from_clock() {
    const std::uint64_t now = clock_();
    const std::uint64_t a = engine_();
    const std::uint64_t b = engine_();
    std::seed_seq seed{static_cast<std::uint32_t>(now), static_cast<std::uint32_t>(now >> 32),
                       static_cast<std::uint32_t>(a), static_cast<std::uint32_t>(a >> 32),
                       static_cast<std::uint32_t>(b), static_cast<std::uint32_t>(b >> 32)};
    engine_.seed(seed);
}

int clock_random_source::pick_index(int n) {
    if (n <= 1)
        return 0;
    return std::uniform_int_distribution<int>(0, n - 1)(engine_);
}

} // namespace clubdraw
