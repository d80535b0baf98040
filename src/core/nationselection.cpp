// SPDX-License-Identifier: GPL-3.0-or-later
#include "nationselection.h"

#include "namesuggestion.h"

#include <QCoreApplication>

namespace clubdraw {

namespace {

/* TRANSLATOR Nation

   A nation's check box in the main window: the nation as the language
   names it ("Holland" is the Netherlands). The catalogue and the command
   line keep the English names.
*/
constexpr std::array<const char*, nationCount> names = {
    QT_TRANSLATE_NOOP("Nation", "Argentina"), QT_TRANSLATE_NOOP("Nation", "Belgium"),
    QT_TRANSLATE_NOOP("Nation", "Brazil"),    QT_TRANSLATE_NOOP("Nation", "Denmark"),
    QT_TRANSLATE_NOOP("Nation", "England"),   QT_TRANSLATE_NOOP("Nation", "France"),
    QT_TRANSLATE_NOOP("Nation", "Italy"),     QT_TRANSLATE_NOOP("Nation", "Japan"),
    QT_TRANSLATE_NOOP("Nation", "Holland"),   QT_TRANSLATE_NOOP("Nation", "Norway"),
    QT_TRANSLATE_NOOP("Nation", "Portugal"),  QT_TRANSLATE_NOOP("Nation", "Scotland"),
    QT_TRANSLATE_NOOP("Nation", "Spain"),     QT_TRANSLATE_NOOP("Nation", "Sweden"),
    QT_TRANSLATE_NOOP("Nation", "Germany"),   QT_TRANSLATE_NOOP("Nation", "USA")};

// Other names in common use; too far from the check box's by spelling.
struct Alias {
    const char* name;
    Nation nation;
};
constexpr Alias aliases[] = {{"Netherlands", Nation::Holland},
                             {"The Netherlands", Nation::Holland},
                             {"United States", Nation::Usa},
                             {"United States of America", Nation::Usa},
                             {"Deutschland", Nation::Germany}};

struct PresetName {
    const char* name;
    NationPreset preset;
};
constexpr PresetName presetNameTable[] = {{"all", NationPreset::AllNations},
                                          {"none", NationPreset::None},
                                          {"europe", NationPreset::Europe},
                                          {"south-america", NationPreset::SouthAmerica},
                                          {"spring-autumn", NationPreset::SpringAutumn},
                                          {"autumn-spring", NationPreset::AutumnSpring}};

} // namespace

QString nationName(Nation nation) {
    return QString::fromLatin1(names[static_cast<int>(nation)]);
}

QString nationCaption(Nation nation) {
    return QCoreApplication::translate("Nation", names[static_cast<int>(nation)]);
}

QStringList nationNames() {
    QStringList all;
    for (const char* n : names)
        all << QString::fromLatin1(n);
    all.sort();
    return all;
}

std::optional<Nation> nationOf(const QString& catalogueNation) {
    for (int n = 0; n < nationCount; ++n)
        if (catalogueNation == QLatin1String(names[n]))
            return static_cast<Nation>(n);
    return std::nullopt;
}

std::optional<Nation> nationNamed(const QString& name) {
    for (int n = 0; n < nationCount; ++n)
        if (name.compare(QLatin1String(names[n]), Qt::CaseInsensitive) == 0)
            return static_cast<Nation>(n);
    return std::nullopt;
}

QString suggestedNation(const QString& name) {
    const QString trimmed = name.trimmed();
    if (const auto nation = nationNamed(trimmed))
        return nationName(*nation);
    for (const Alias& alias : aliases)
        if (trimmed.compare(QLatin1String(alias.name), Qt::CaseInsensitive) == 0)
            return nationName(alias.nation);
    if (QString near = nearestName(trimmed, nationNames()); !near.isEmpty())
        return near;
    // The name the window's check box shows in the language in use
    // ("Tyskland"), or one near it.
    QStringList captions;
    for (int n = 0; n < nationCount; ++n)
        captions << nationCaption(static_cast<Nation>(n));
    const qsizetype caption = captions.indexOf(nearestName(trimmed, captions));
    return caption < 0 ? QString() : nationName(static_cast<Nation>(caption));
}

CandidatePool buildNationPool(const Catalogue& catalogue, const NationTicks& ticks,
                              DatabaseType type) {
    CandidatePool pool;
    for (int n = 0; n < nationCount; ++n) {
        if (!ticks[n])
            continue;
        const QString name = nationName(static_cast<Nation>(n));
        for (const Club& club : catalogue.clubs) {
            if (club.nation != name)
                continue;
            if (type == DatabaseType::Minimum && !club.inMinimumDatabase())
                continue;
            pool.add(club);
        }
    }
    return pool;
}

QStringList presetNames() {
    QStringList list;
    for (const PresetName& p : presetNameTable)
        list << QString::fromLatin1(p.name);
    return list;
}

std::optional<NationPreset> presetNamed(const QString& name) {
    for (const PresetName& p : presetNameTable)
        if (name.compare(QLatin1String(p.name), Qt::CaseInsensitive) == 0)
            return p.preset;
    return std::nullopt;
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
