#pragma once

#include "catalogue/candidate_pool.h"
#include "catalogue/random_source.h"

#include <QString>

#include <cstdint>
#include <functional>

namespace clubdraw {

// Milliseconds on a monotonic clock.
using steady_clock_ms = std::function<std::int64_t()>;
steady_clock_ms steady_ms();

inline constexpr double reveal_growth = 1.1;
inline constexpr float reveal_stop = 200.0f;

// What one tick of the reveal shows and what it asks of the timer.
struct reveal_step {
    bool shows_pick = false; // false only when the pool was empty
    QString team;
    QString division_line;
    int next_interval_ms = 0; // 0: the reveal is over
    bool finished = false;    // this pick is the result: show it in bold
};

// "nation, division" then the suffix: straight after the division for
// Italy, after one blank for every other nation.
QString division_line(const team_record& record);

// The slowing slot-machine schedule of one draw window: every tick shows a
// random pool entry and stretches the wait by a tenth until it reaches
// 200 ms; the tick that finds it there is the last.
class reveal_schedule {
public:
    explicit reveal_schedule(steady_clock_ms clock = steady_ms()) : clock_(std::move(clock)) {}

    void start() {
        reveal_interval_ = 1.0f;
        interval_ms_ = 1;
        started_at_ = clock_();
        due_ms_ = 1;
    }
    void stop() { interval_ms_ = 0; }
    bool running() const { return interval_ms_ > 0; }
    int interval_ms() const { return interval_ms_; }
    float reveal_interval() const { return reveal_interval_; }

    // One tick. An empty pool only ends the reveal, showing nothing.
    reveal_step tick(const candidate_pool& pool, random_source& random);

    // What to set the timer to now: the requested interval, less however far
    // the ticks so far have run late, so the whole reveal lasts the sum of
    // the requested intervals rather than that plus every tick's own time.
    int wait_ms() const;

private:
    steady_clock_ms clock_;
    float reveal_interval_ = 0.0f;
    int interval_ms_ = 0;
    std::int64_t started_at_ = 0;
    std::int64_t due_ms_ = 0; // when the next tick is due, from the start
};

// Hands a draw's teams to its window: a draw that found any team becomes the
// window's pool; two or more start the reveal afresh, fewer stop it.
// Returns whether a reveal started.
bool take_draw(candidate_pool&& found, candidate_pool& window_pool, reveal_schedule& schedule);

} // namespace clubdraw
