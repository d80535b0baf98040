// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "candidatepool.h"
#include "catalogue.h"
#include "divisionselection.h"
#include "nationselection.h"

#include <vector>

namespace clubdraw {

// Where a draw takes its clubs from: the nations ticked in the main window
// with its database choice, or the divisions selected in the division window.
struct ClubSource {
    enum class Kind { Nations, Divisions };

    Kind kind = Kind::Nations;
    NationTicks ticks{};                           // Nations only
    DatabaseType database = DatabaseType::Minimum; // Nations only
    std::vector<DivisionKey> divisions;            // Divisions only

    static ClubSource fromNations(const NationTicks& ticks, DatabaseType database);
    static ClubSource fromDivisions(std::vector<DivisionKey> divisions);

    // The pool the windows would build for it.
    CandidatePool pool(const Catalogue& catalogue) const;

    bool operator==(const ClubSource&) const = default;
};

} // namespace clubdraw
