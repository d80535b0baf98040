// SPDX-License-Identifier: GPL-3.0-or-later
#include "clubsource.h"

namespace clubdraw {

ClubSource ClubSource::fromNations(const NationTicks& ticks, DatabaseType database) {
    ClubSource source;
    source.kind = Kind::Nations;
    source.ticks = ticks;
    source.database = database;
    return source;
}

ClubSource ClubSource::fromDivisions(std::vector<DivisionKey> divisions) {
    ClubSource source;
    source.kind = Kind::Divisions;
    source.divisions = std::move(divisions);
    return source;
}

CandidatePool ClubSource::pool(const Catalogue& catalogue) const {
    return kind == Kind::Nations ? buildNationPool(catalogue, ticks, database)
                                 : buildDivisionPool(catalogue, divisions);
}

} // namespace clubdraw
