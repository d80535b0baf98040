#include "reveal.h"

#include <algorithm>
#include <chrono>

namespace clubdraw {

steady_clock_ms steady_ms() {
    return [] {
        return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
            .count();
    };
}

QString division_line(const team_record& record) {
    const QString separator = record.nation == QStringLiteral("Italy") ? QString() : QStringLiteral(" ");
    return record.nation + QStringLiteral(", ") + record.division + separator + record.division_suffix;
}

reveal_step reveal_schedule::tick(const candidate_pool& pool, random_source& random) {
    reveal_step step;
    if (pool.empty()) {
        interval_ms_ = 0;
        return step;
    }
    random.reseed_from_clock();
    const team_record& picked = pool.at(random.pick_index(pool.count()));
    step.shows_pick = true;
    step.team = picked.team;
    step.division_line = division_line(picked);
    // Compared before growing: the tick that finds 200 still shows a pick.
    if (reveal_interval_ >= reveal_stop) {
        interval_ms_ = 0;
    } else {
        reveal_interval_ = static_cast<float>(reveal_interval_ * reveal_growth);
        interval_ms_ = static_cast<int>(reveal_interval_);
        due_ms_ += interval_ms_;
    }
    step.next_interval_ms = interval_ms_;
    step.finished = interval_ms_ == 0;
    return step;
}

int reveal_schedule::wait_ms() const {
    if (!running())
        return 0;
    const std::int64_t left = due_ms_ - (clock_() - started_at_);
    return static_cast<int>(std::clamp<std::int64_t>(left, 0, interval_ms_));
}

bool take_draw(candidate_pool&& found, candidate_pool& window_pool, reveal_schedule& schedule) {
    const int count = found.count();
    if (count >= 1)
        window_pool = std::move(found);
    // One team is not enough to draw from.
    if (count >= 2)
        schedule.start();
    else
        schedule.stop();
    return count >= 2;
}

} // namespace clubdraw
