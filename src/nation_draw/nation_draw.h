#pragma once

#include "catalogue/candidate_pool.h"
#include "catalogue/lagliste.h"

#include <QString>

#include <array>

namespace clubdraw {

inline constexpr int nation_count = 16;

// The sixteen nations in the order the draw visits them; the names are
// compared exactly with the catalogue's nation field.
enum class nation {
    argentina, belgium, brazil, denmark, england, france, italy, japan,
    holland, norway, portugal, scotland, spain, sweden, germany, usa
};

QString nation_name(nation n);

// Which nation boxes are ticked, indexed by nation.
using nation_ticks = std::array<bool, nation_count>;

inline bool& ticked(nation_ticks& ticks, nation n) { return ticks[static_cast<int>(n)]; }
inline bool ticked(const nation_ticks& ticks, nation n) { return ticks[static_cast<int>(n)]; }

enum class database_type { minimum, normal };

// Every team of the ticked nations that fits the database type, nation by
// nation in draw order and in catalogue order within a nation.
candidate_pool build_nation_pool(const lagliste& catalogue, const nation_ticks& ticks, database_type type);

enum class nation_preset { all_nations, none, europe, south_america, spring_autumn, autumn_spring };

// The full pattern a preset writes over all sixteen boxes.
nation_ticks preset_pattern(nation_preset preset);

} // namespace clubdraw
