// SPDX-License-Identifier: GPL-3.0-or-later
#include "revealschedule.h"

#include "drawnclubs.h"
#include "nationselection.h"

#include <algorithm>
#include <chrono>

namespace clubdraw {

SteadyClock steadyClock() {
    return [] {
        return std::chrono::duration_cast<std::chrono::milliseconds>(
                   std::chrono::steady_clock::now().time_since_epoch())
            .count();
    };
}

RevealStep RevealSchedule::tick(const CandidatePool& pool, RandomSource& random) {
    RevealStep step;
    if (pool.isEmpty()) {
        m_intervalMs = 0;
        return step;
    }
    random.reseedFromClock();
    const Club& picked = pool.at(random.pickIndex(pool.count()));
    step.showsPick = true;
    step.clubName = picked.name;
    step.divisionLine = divisionLine(picked);
    // Compared before growing: the tick that finds 200 still shows a pick.
    if (m_revealInterval >= revealStop) {
        m_intervalMs = 0;
    } else {
        const std::int64_t late = m_clock() - m_startedAt - m_dueMs;
        if (late > revealStallMs)
            m_startedAt += late; // forget the stall, not the pace
        m_revealInterval = static_cast<float>(m_revealInterval * revealGrowth);
        m_intervalMs = static_cast<int>(m_revealInterval);
        m_dueMs += m_intervalMs;
    }
    step.nextIntervalMs = m_intervalMs;
    step.finished = m_intervalMs == 0;
    return step;
}

int RevealSchedule::waitMs() const {
    if (!isRunning())
        return 0;
    const std::int64_t left = m_dueMs - (m_clock() - m_startedAt);
    return static_cast<int>(std::clamp<std::int64_t>(left, 0, m_intervalMs));
}

bool takeDraw(CandidatePool&& found, CandidatePool& windowPool, RevealSchedule& schedule) {
    const bool draws = drawOutlook(found, 1).shortfall == DrawOutlook::Shortfall::None;
    if (!found.isEmpty())
        windowPool = std::move(found);
    if (draws)
        schedule.start();
    else
        schedule.stop();
    return draws;
}

} // namespace clubdraw
