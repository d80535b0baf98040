#include "nationselection.h"

namespace clubdraw {

namespace {

constexpr std::array<const char*, nationCount> names = {
    "Argentina", "Belgium", "Brazil",   "Denmark",  "England", "France", "Italy",   "Japan",
    "Holland",   "Norway",  "Portugal", "Scotland", "Spain",   "Sweden", "Germany", "USA"};

} // namespace

QString nationName(Nation nation) {
    return QString::fromLatin1(names[static_cast<int>(nation)]);
}

CandidatePool buildNationPool(const Catalogue& catalogue, const NationTicks& ticks,
                              DatabaseType type) {
    CandidatePool pool;
    for (int n = 0; n < nationCount; ++n) {
        if (!ticks[n])
            continue;
        const QString name = nationName(static_cast<Nation>(n));
        for (const TeamRecord& record : catalogue.teams) {
            if (record.nation != name)
                continue;
            if (type == DatabaseType::Minimum && record.minimumFlag != 0)
                continue;
            pool.add(record);
        }
    }
    return pool;
}

NationTicks presetPattern(NationPreset preset) {
    NationTicks ticks{};
    const auto set = [&](std::initializer_list<Nation> list) {
        for (Nation n : list)
            ticked(ticks, n) = true;
    };
    // Leagues played within one calendar year; every other nation plays
    // autumn to spring.
    const std::initializer_list<Nation> calendarYear = {
        Nation::Brazil, Nation::Japan, Nation::Norway, Nation::Sweden, Nation::Usa};
    switch (preset) {
    case NationPreset::AllNations:
        ticks.fill(true);
        break;
    case NationPreset::None:
        break;
    case NationPreset::Europe:
        ticks.fill(true);
        for (Nation n : {Nation::Argentina, Nation::Brazil, Nation::Japan, Nation::Usa})
            ticked(ticks, n) = false;
        break;
    case NationPreset::SouthAmerica:
        set({Nation::Argentina, Nation::Brazil});
        break;
    case NationPreset::SpringAutumn:
        set(calendarYear);
        break;
    case NationPreset::AutumnSpring:
        ticks.fill(true);
        for (Nation n : calendarYear)
            ticked(ticks, n) = false;
        break;
    }
    return ticks;
}

} // namespace clubdraw
