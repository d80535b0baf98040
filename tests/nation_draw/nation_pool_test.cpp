#include "nation_draw/nation_draw.h"
#include "test_support.h"

#include <gtest/gtest.h>

using namespace clubdraw;
using clubdraw::testing::catalogue_of;
using clubdraw::testing::line;

namespace {

QStringList teams_of(const candidate_pool& pool) {
    QStringList teams;
    for (const team_record& r : pool.entries())
        teams << r.team;
    return teams;
}

nation_ticks ticks_of(std::initializer_list<nation> nations) {
    nation_ticks ticks{};
    for (nation n : nations)
        ticked(ticks, n) = true;
    return ticks;
}

const lagliste mixed = catalogue_of({
    line("USA", "MLS", "", 0, "DC United"),
    line("Argentina", "Primera", "", 0, "Boca Juniors"),
    line("England", "Premier", "", 0, "Arsenal"),
    line("England", "Conference", "", 1, "Kidderminster"),
    line("england", "Premier", "", 0, "lower-case nation"),
    line("England ", "Premier", "", 0, "trailing blank"),
    line("Argentina", "Nacional B", "", -3, "Huracan"),
    line("Wales", "League", "", 0, "Barry Town"),
    line("England", "Premier", "", 0, "Chelsea"),
});

TEST(nation_pool, exact_names_draw_order_and_catalogue_order) {
    const candidate_pool pool =
        build_nation_pool(mixed, ticks_of({nation::usa, nation::england, nation::argentina}), database_type::normal);
    // Nation order first (Argentina before England before USA), then file order.
    EXPECT_EQ(teams_of(pool), QStringList({"Boca Juniors", "Huracan", "Arsenal", "Kidderminster", "Chelsea", "DC United"}));
}

TEST(nation_pool, minimum_keeps_only_flag_zero) {
    const candidate_pool pool =
        build_nation_pool(mixed, ticks_of({nation::england, nation::argentina}), database_type::minimum);
    EXPECT_EQ(teams_of(pool), QStringList({"Boca Juniors", "Arsenal", "Chelsea"}));
}

TEST(nation_pool, nothing_ticked_or_spare_slot_finds_nothing) {
    EXPECT_TRUE(build_nation_pool(mixed, nation_ticks{}, database_type::normal).empty());
    const lagliste empty = catalogue_of({});
    nation_ticks all{};
    all.fill(true);
    EXPECT_TRUE(build_nation_pool(empty, all, database_type::normal).empty());
    // The pool copies records whole, independent of the catalogue.
    const candidate_pool pool = build_nation_pool(mixed, ticks_of({nation::usa}), database_type::minimum);
    ASSERT_EQ(pool.count(), 1);
    EXPECT_EQ(pool.at(0), mixed.team_table[0]);
}

TEST(nation_pool, the_largest_catalogue_draws_without_overflow) {
    const lagliste full = parse_catalogue(QString::fromLatin1(clubdraw::testing::generated_catalogue(max_teams)));
    ASSERT_EQ(full.team_count(), max_table_slots);
    nation_ticks all{};
    all.fill(true);
    EXPECT_EQ(build_nation_pool(full, all, database_type::normal).count(), max_teams);
    EXPECT_EQ(build_nation_pool(full, all, database_type::minimum).count(), max_teams / 2);
}

struct preset_row {
    nation_preset preset;
    const char* name;
    // Ticked boxes, in the order Argentina, Brazil, Belgium, Denmark, England,
    // France, Italy, Japan, Holland, Norway, Portugal, Scotland, Spain,
    // Sweden, Germany, USA.
    const char* pattern;
};

class presets : public ::testing::TestWithParam<preset_row> {};

TEST_P(presets, write_their_whole_pattern) {
    const nation order[] = {nation::argentina, nation::brazil,   nation::belgium,  nation::denmark,
                            nation::england,   nation::france,   nation::italy,    nation::japan,
                            nation::holland,   nation::norway,   nation::portugal, nation::scotland,
                            nation::spain,     nation::sweden,   nation::germany,  nation::usa};
    const nation_ticks ticks = preset_pattern(GetParam().preset);
    for (int i = 0; i < nation_count; ++i)
        EXPECT_EQ(ticked(ticks, order[i]), GetParam().pattern[i] == '1') << nation_name(order[i]).toStdString();
}

INSTANTIATE_TEST_SUITE_P(patterns, presets,
                         ::testing::Values(preset_row{nation_preset::all_nations, "all", "1111111111111111"},
                                           preset_row{nation_preset::none, "none", "0000000000000000"},
                                           preset_row{nation_preset::europe, "europe", "0011111011111110"},
                                           preset_row{nation_preset::south_america, "south_america", "1100000000000000"},
                                           preset_row{nation_preset::spring_autumn, "spring_autumn", "0100000101000101"},
                                           preset_row{nation_preset::autumn_spring, "autumn_spring", "1011111010111010"}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
