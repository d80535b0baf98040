// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "candidatepool.h"
#include "randomsource.h"

#include <QString>

#include <cstdint>
#include <functional>

namespace clubdraw {

// Milliseconds on a monotonic clock. Tests pass one that races ahead, so a
// whole reveal runs without waiting.
using SteadyClock = std::function<std::int64_t()>;
SteadyClock steadyClock();

inline constexpr double revealGrowth = 1.1;
inline constexpr float revealStop = 200.0f;
// A tick more than this behind its due time was held up (a stopped process,
// a suspend, a debugger), not just run late by a busy event loop, which
// costs a few ms, a frame or two at worst. Lateness up to the bound is made
// up by shortening the next waits, at most a few quick picks in a row or a
// quarter off one of the last waits; past it the rest of the reveal keeps
// its own pace from that tick on, as making up a stall would fire every
// overdue pick at once.
inline constexpr std::int64_t revealStallMs = 50;

// What one tick of the reveal shows and what it asks of the timer.
struct RevealStep {
    bool showsPick = false; // false only when the pool was empty
    QString clubName;
    QString divisionLine;
    int nextIntervalMs = 0; // 0: the reveal is over
    bool finished = false;  // this pick is the result: show it in bold
};

// The slowing slot-machine schedule of one draw window: every tick shows a
// random pool entry and stretches the wait by a tenth until it reaches
// 200 ms; the tick that finds it there is the last.
class RevealSchedule {
public:
    explicit RevealSchedule(SteadyClock clock = steadyClock()) : m_clock(std::move(clock)) {}

    void start() {
        m_revealInterval = 1.0f;
        m_intervalMs = 1;
        m_startedAt = m_clock();
        m_dueMs = 1;
    }
    void stop() { m_intervalMs = 0; }
    bool isRunning() const { return m_intervalMs > 0; }

    // One tick. An empty pool only ends the reveal, showing nothing.
    RevealStep tick(const CandidatePool& pool, RandomSource& random);

    // What to set the timer to now: the requested interval, less however far
    // the ticks so far have run late, so the whole reveal lasts the sum of
    // the requested intervals rather than that plus every tick's own time.
    // After a stall the remaining ticks keep their requested intervals from
    // the tick that came late.
    int waitMs() const;

    // Only tests look inside: the interval as the timer asks for it, and the
    // growing single-precision value it is cut from.
    int intervalMs() const { return m_intervalMs; }
    float revealInterval() const { return m_revealInterval; }

private:
    SteadyClock m_clock;
    float m_revealInterval = 0.0f;
    int m_intervalMs = 0;
    std::int64_t m_startedAt = 0;
    std::int64_t m_dueMs = 0; // when the next tick is due, from the start
};

// Hands a draw's clubs to its window: a draw that found any club becomes the
// window's pool; two or more start the reveal afresh, fewer stop it.
// Returns whether a reveal started.
bool takeDraw(CandidatePool&& found, CandidatePool& windowPool, RevealSchedule& schedule);

} // namespace clubdraw
