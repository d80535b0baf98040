// SPDX-License-Identifier: GPL-3.0-or-later
#include "randomsource.h"

#include <chrono>

namespace clubdraw {

SeedClock systemSeedClock() {
    return [] {
        return static_cast<std::uint64_t>(
            std::chrono::high_resolution_clock::now().time_since_epoch().count());
    };
}

ClockRandomSource::ClockRandomSource(SeedClock clock) : m_clock(std::move(clock)) {
    std::random_device device;
    const std::uint64_t now = m_clock();
    std::seed_seq seed{static_cast<std::uint32_t>(now), static_cast<std::uint32_t>(now >> 32),
                       device(), device()};
    m_engine.seed(seed);
}

void ClockRandomSource::reseedFromClock() {
    const std::uint64_t now = m_clock();
    const std::uint64_t a = m_engine();
    const std::uint64_t b = m_engine();
    std::seed_seq seed{static_cast<std::uint32_t>(now), static_cast<std::uint32_t>(now >> 32),
                       static_cast<std::uint32_t>(a),   static_cast<std::uint32_t>(a >> 32),
                       static_cast<std::uint32_t>(b),   static_cast<std::uint32_t>(b >> 32)};
    m_engine.seed(seed);
}

int ClockRandomSource::pickIndex(int n) {
    return uniformIndex(m_engine, n);
}

} // namespace clubdraw
