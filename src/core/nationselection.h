// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "candidatepool.h"
#include "catalogue.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace clubdraw {

inline constexpr int nationCount = 16;

// The sixteen nations in the order the draw visits them; the names are
// compared exactly with the catalogue's nation field.
enum class Nation {
    Argentina,
    Belgium,
    Brazil,
    Denmark,
    England,
    France,
    Italy,
    Japan,
    Holland,
    Norway,
    Portugal,
    Scotland,
    Spain,
    Sweden,
    Germany,
    Usa
};

// The catalogue's name of a nation, in English whatever the language.
QString nationName(Nation nation);
// The sixteen names, in alphabetical order, for messages that list them.
QStringList nationNames();
// The nation a catalogue's nation field names: one of the sixteen names
// exactly, as the draw compares them.
std::optional<Nation> nationOf(const QString& catalogueNation);
// The nation's caption on its check box, in the language in use ("Norge"
// in Norwegian); the draw matches nationName() all the same.
QString nationCaption(Nation nation);

// The nation one of the sixteen names means, in any letter case.
std::optional<Nation> nationNamed(const QString& name);

// The nation a user likely meant by a name that is not exactly one of the
// sixteen: the same name in another case or with blanks around it, a common
// other name ("Netherlands" for "Holland"), the nearest by spelling, or the
// nation whose check box caption in the language in use ("Tyskland") is
// nearest.
// Empty when nothing is near.
QString suggestedNation(const QString& name);

// Which nation boxes are ticked, indexed by nation.
using NationTicks = std::array<bool, nationCount>;

inline bool& ticked(NationTicks& ticks, Nation nation) {
    return ticks[static_cast<int>(nation)];
}
inline bool ticked(const NationTicks& ticks, Nation nation) {
    return ticks[static_cast<int>(nation)];
}

enum class DatabaseType { Minimum, Normal };

// Every club of the ticked nations that fits the database type, nation by
// nation in draw order and in catalogue order within a nation.
CandidatePool buildNationPool(const Catalogue& catalogue, const NationTicks& ticks,
                              DatabaseType type);

enum class NationPreset { AllNations, None, Europe, SouthAmerica, SpringAutumn, AutumnSpring };

// The full pattern a preset writes over all sixteen boxes.
NationTicks presetPattern(NationPreset preset);

// The presets by name, as the command line takes them: "all", "none",
// "europe", "south-america", "spring-autumn", "autumn-spring".
QStringList presetNames();
// The preset a name means, in any letter case.
std::optional<NationPreset> presetNamed(const QString& name);

} // namespace clubdraw
