#pragma once

#include "catalogue/candidate_pool.h"
#include "catalogue/random_source.h"

#include <QString>

namespace clubdraw {

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
    void start() {
        reveal_interval_ = 1.0f;
        interval_ms_ = 1;
    }
    void stop() { interval_ms_ = 0; }
    bool running() const { return interval_ms_ > 0; }
    int interval_ms() const { return interval_ms_; }
    float reveal_interval() const { return reveal_interval_; }

    // One tick. An empty pool only ends the reveal, showing nothing.
    reveal_step tick(const candidate_pool& pool, random_source& random);

private:
    float reveal_interval_ = 0.0f;
    int interval_ms_ = 0;
};

// Hands a draw's teams to its window: a draw that found any team becomes the
// window's pool; two or more start the reveal afresh, fewer stop it.
// Returns whether a reveal started.
bool take_draw(candidate_pool&& found, candidate_pool& window_pool, reveal_schedule& schedule);

} // namespace clubdraw
