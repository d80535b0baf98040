#include "nation_draw/reveal.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <numeric>

using namespace clubdraw;
using clubdraw::testing::scripted_random;

namespace {

candidate_pool pool_of(std::initializer_list<const char*> teams, const char* nation = "England") {
    candidate_pool pool;
    for (const char* t : teams)
        pool.add(team_record{QString::fromLatin1(nation), QStringLiteral("Premier"), QStringLiteral("(level 1)"), 0,
                             QString::fromLatin1(t)});
    return pool;
}

TEST(reveal_schedule, runs_57_ticks_requesting_2253_ms_and_lands_on_the_last_pick) {
    const candidate_pool pool = pool_of({"A", "B", "C"});
    scripted_random random;
    reveal_schedule schedule;
    schedule.start();
    std::vector<int> requested{schedule.interval_ms()};
    reveal_step step;
    int ticks = 0;
    while (schedule.running()) {
        random.push(ticks % 3);
        step = schedule.tick(pool, random);
        ++ticks;
        ASSERT_TRUE(step.shows_pick);
        EXPECT_EQ(step.finished, !schedule.running());
        if (schedule.running())
            requested.push_back(step.next_interval_ms);
        ASSERT_LE(ticks, 100);
    }
    EXPECT_EQ(ticks, 57);
    EXPECT_EQ(random.reseeds, 57);
    EXPECT_EQ(random.last_n, 3);
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
    EXPECT_NEAR(schedule.reveal_interval(), 207.97, 0.01);
    EXPECT_EQ(step.team, QStringLiteral("C")); // tick 57 picked index 56 % 3 = 2
    EXPECT_TRUE(step.finished);

    // A new start goes back to the beginning.
    schedule.start();
    EXPECT_EQ(schedule.interval_ms(), 1);
    EXPECT_FLOAT_EQ(schedule.reveal_interval(), 1.0f);
}

TEST(reveal_schedule, an_empty_pool_only_stops) {
    scripted_random random;
    reveal_schedule schedule;
    schedule.start();
    const reveal_step step = schedule.tick(candidate_pool{}, random);
    EXPECT_FALSE(step.shows_pick);
    EXPECT_FALSE(schedule.running());
    EXPECT_EQ(random.picks_made, 0);
}

TEST(division_line, suffix_follows_italy_directly_and_others_after_a_blank) {
    EXPECT_EQ(division_line({"Italy", "Serie C1", "/A", 0, "x"}), QStringLiteral("Italy, Serie C1/A"));
    EXPECT_EQ(division_line({"italy", "Serie C1", "/A", 0, "x"}), QStringLiteral("italy, Serie C1 /A"));
    EXPECT_EQ(division_line({"England", "Premier League", "(level 1)", 0, "x"}),
              QStringLiteral("England, Premier League (level 1)"));
    EXPECT_EQ(division_line({"England", "Premier League", "", 0, "x"}), QStringLiteral("England, Premier League "));
}

TEST(take_draw, two_teams_start_fewer_stop_and_any_team_replaces_the_pool) {
    candidate_pool window_pool = pool_of({"Old 1", "Old 2"});
    reveal_schedule schedule;
    schedule.start();
    schedule.tick(window_pool, *std::make_unique<scripted_random>());

    EXPECT_FALSE(take_draw(candidate_pool{}, window_pool, schedule));
    EXPECT_FALSE(schedule.running());
    EXPECT_EQ(window_pool.count(), 2); // nothing found: the pool stays

    schedule.start();
    EXPECT_FALSE(take_draw(pool_of({"Only"}), window_pool, schedule));
    EXPECT_FALSE(schedule.running());
    ASSERT_EQ(window_pool.count(), 1);
    EXPECT_EQ(window_pool.at(0).team, QStringLiteral("Only"));

    EXPECT_TRUE(take_draw(pool_of({"X", "Y", "Z"}), window_pool, schedule));
    EXPECT_TRUE(schedule.running());
    EXPECT_EQ(schedule.interval_ms(), 1);
    EXPECT_EQ(window_pool.count(), 3);
}

} // namespace

namespace {

TEST(reveal_schedule, the_timer_waits_less_when_ticks_run_late_but_never_longer_than_asked) {
    std::int64_t now = 1000;
    reveal_schedule schedule([&] { return now; });
    const candidate_pool pool = pool_of({"A", "B"});
    scripted_random random;
    schedule.start();
    EXPECT_EQ(schedule.wait_ms(), 1);
    for (int i = 0; i < 40; ++i) { // on time: every wait is the requested interval
        now += schedule.interval_ms();
        schedule.tick(pool, random);
        EXPECT_EQ(schedule.wait_ms(), schedule.interval_ms());
    }
    const int asked = schedule.interval_ms();
    ASSERT_GT(asked, 10);
    now += asked + 4; // that tick came 4 ms late
    schedule.tick(pool, random);
    EXPECT_EQ(schedule.wait_ms(), schedule.interval_ms() - 4);
    now += 10000; // far behind: fire at once, never a negative wait
    EXPECT_EQ(schedule.wait_ms(), 0);
    now -= 20000; // a tick ahead of time still waits no longer than asked
    EXPECT_EQ(schedule.wait_ms(), schedule.interval_ms());
    schedule.stop();
    EXPECT_EQ(schedule.wait_ms(), 0);
}

} // namespace
