#include "nation_draw.h"

namespace clubdraw {

namespace {

constexpr std::array<const char*, nation_count> names = {
    "Argentina", "Belgium", "Brazil", "Denmark", "England", "France", "Italy", "Japan",
    "Holland", "Norway", "Portugal", "Scotland", "Spain", "Sweden", "Germany", "USA"};

} // namespace

QString nation_name(nation n) { return QString::fromLatin1(names[static_cast<int>(n)]); }

candidate_pool build_nation_pool(const lagliste& catalogue, const nation_ticks& ticks, database_type type) {
    candidate_pool pool;
    for (int n = 0; n < nation_count; ++n) {
        if (!ticks[n])
            continue;
        const QString name = nation_name(static_cast<nation>(n));
        for (const team_record& record : catalogue.team_table) {
            if (record.nation != name)
                continue;
            if (type == database_type::minimum && record.minimum_flag != 0)
                continue;
            pool.add(record);
        }
    }
    return pool;
}

nation_ticks preset_pattern(nation_preset preset) {
    nation_ticks ticks{};
    const auto set = [&](std::initializer_list<nation> list) {
        for (nation n : list)
            ticked(ticks, n) = true;
    };
    // Leagues played within one calendar year; every other nation plays
    // autumn to spring.
    const std::initializer_list<nation> calendar_year = {nation::brazil, nation::japan, nation::norway,
                                                         nation::sweden, nation::usa};
    switch (preset) {
    case nation_preset::all_nations:
        ticks.fill(true);
        break;
    case nation_preset::none:
        break;
    case nation_preset::europe:
        ticks.fill(true);
        for (nation n : {nation::argentina, nation::brazil, nation::japan, nation::usa})
            ticked(ticks, n) = false;
        break;
    case nation_preset::south_america:
        set({nation::argentina, nation::brazil});
        break;
    case nation_preset::spring_autumn:
        set(calendar_year);
        break;
    case nation_preset::autumn_spring:
        ticks.fill(true);
        for (nation n : calendar_year)
            ticked(ticks, n) = false;
        break;
    }
    return ticks;
}

} // namespace clubdraw
