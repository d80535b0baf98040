#pragma once

#include <cstdint>
#include <functional>
#include <random>

namespace clubdraw {

// Milliseconds or finer, any epoch; only used to seed.
using clock_source = std::function<std::uint64_t()>;
clock_source system_clock();

// The draws' random generator, behind an interface so tests can script it.
class random_source {
public:
    virtual ~random_source() = default;
    virtual void reseed_from_clock() = 0;
    // Uniform over 0 .. n-1; n is at least 1.
    virtual int pick_index(int n) = 0;
};

class clock_random_source final : public random_source {
public:
    explicit clock_random_source(clock_source clock = system_clock());

    // Mixes the clock reading into the current state, so a reading equal to
    // an earlier one never replays the numbers that followed it.
    void reseed_from_clock() override;
    int pick_index(int n) override;

private:
    clock_source clock_;
    std::mt19937_64 engine_;
};

} // namespace clubdraw
