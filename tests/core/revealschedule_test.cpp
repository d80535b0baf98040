// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/revealschedule.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <map>
#include <numeric>

using namespace clubdraw;
using namespace clubdraw::testing;

namespace {

TEST(RevealSchedule, runs57TicksRequesting2253MsAndLandsOnTheLastPick) {
    const CandidatePool pool = poolOf({"A", "B", "C"});
    ScriptedRandom random;
    RevealSchedule schedule;
    schedule.start();
    std::vector<int> requested{schedule.intervalMs()};
    RevealStep step;
    int ticks = 0;
    while (schedule.isRunning()) {
        random.push(ticks % 3);
        step = schedule.tick(pool, random);
        ++ticks;
        ASSERT_TRUE(step.showsPick);
        EXPECT_EQ(step.finished, !schedule.isRunning());
        if (schedule.isRunning())
            requested.push_back(step.nextIntervalMs);
        ASSERT_LE(ticks, 100);
    }
    EXPECT_EQ(ticks, 57);
    EXPECT_EQ(random.reseeds, 57);
    EXPECT_EQ(random.lastN, 3);
    ASSERT_EQ(requested.size(), 57u);
    EXPECT_EQ(std::accumulate(requested.begin(), requested.end(), 0), 2253);
    // 1 ms before tick 1 and after ticks 1 to 7, then 2 ms, growing to 207 ms.
    for (int k = 0; k <= 7; ++k)
        EXPECT_EQ(requested[k], 1) << k;
    EXPECT_EQ(requested[8], 2);
    EXPECT_EQ(requested[12], 3);
    EXPECT_EQ(requested[29], 15);
    EXPECT_EQ(requested[44], 66);
    EXPECT_EQ(requested[55], 189);
    EXPECT_EQ(requested[56], 207);
    EXPECT_NEAR(schedule.revealInterval(), 207.97, 0.01);
    EXPECT_EQ(step.clubName, QStringLiteral("C")); // tick 57 picked index 56 % 3 = 2
    EXPECT_TRUE(step.finished);

    // A new start goes back to the beginning.
    schedule.start();
    EXPECT_EQ(schedule.intervalMs(), 1);
    EXPECT_FLOAT_EQ(schedule.revealInterval(), 1.0f);
}

TEST(RevealSchedule, anEmptyPoolOnlyStops) {
    ScriptedRandom random;
    RevealSchedule schedule;
    schedule.start();
    const RevealStep step = schedule.tick(CandidatePool{}, random);
    EXPECT_FALSE(step.showsPick);
    EXPECT_FALSE(schedule.isRunning());
    EXPECT_EQ(random.picksMade, 0);
}

TEST(TakeDraw, twoClubsStartFewerStopAndAnyClubReplacesThePool) {
    CandidatePool windowPool = poolOf({"Old 1", "Old 2"});
    RevealSchedule schedule;
    schedule.start();
    schedule.tick(windowPool, *std::make_unique<ScriptedRandom>());

    EXPECT_FALSE(takeDraw(CandidatePool{}, windowPool, schedule));
    EXPECT_FALSE(schedule.isRunning());
    EXPECT_EQ(windowPool.count(), 2); // nothing found: the pool stays

    schedule.start();
    EXPECT_FALSE(takeDraw(poolOf({"Only"}), windowPool, schedule));
    EXPECT_FALSE(schedule.isRunning());
    ASSERT_EQ(windowPool.count(), 1);
    EXPECT_EQ(windowPool.at(0).name, QStringLiteral("Only"));

    EXPECT_TRUE(takeDraw(poolOf({"X", "Y", "Z"}), windowPool, schedule));
    EXPECT_TRUE(schedule.isRunning());
    EXPECT_EQ(schedule.intervalMs(), 1);
    EXPECT_EQ(windowPool.count(), 3);
}

} // namespace

namespace {

// A timer that fires when asked, but for a stall before tick 40 and ticks as
// late as the bound and just past it.
TEST(RevealSchedule, theTimerMakesUpForLatenessUpToTheBoundButNeverForAStall) {
    std::int64_t now = 1000;
    RevealSchedule schedule([&] { return now; });
    const CandidatePool pool = poolOf({"A", "B"});
    ScriptedRandom random;
    const int bound = static_cast<int>(revealStallMs);
    const std::map<int, int> lateBy{{40, 1500}, {45, bound}, {50, bound + 1}};
    schedule.start();
    for (int tick = 1, wait = schedule.waitMs(); schedule.isRunning(); ++tick) {
        const int late = lateBy.contains(tick) ? lateBy.at(tick) : 0;
        now += wait + late;
        schedule.tick(pool, random);
        wait = schedule.waitMs();
        EXPECT_EQ(wait, schedule.intervalMs() - (late <= bound ? late : 0)) << tick;
    }
    EXPECT_EQ(now - 1000, 2253 + 1500 + bound + 1); // only the bound's lateness made up

    schedule.start();
    now += 10000; // far behind: fire at once, never a negative wait
    EXPECT_EQ(schedule.waitMs(), 0);
    now -= 20000; // ahead of time: still no longer than asked
    EXPECT_EQ(schedule.waitMs(), 1);
}

} // namespace
