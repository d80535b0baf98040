// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "candidatepool.h"
#include "randomsource.h"

#include <vector>

namespace clubdraw {

class ClubIdentitySet;

// The pool's clubs, each once, in pool order (see clubIdentity()).
std::vector<Club> differentClubs(const CandidatePool& pool);

// What a draw of `count` clubs chooses from: for one club, the pool's
// entries, as a window's reveal does; for more, its different clubs.
int clubsToChooseFrom(const CandidatePool& pool, int count);

// The same entries, less the clubs `barred` holds, as pointers into the
// pool in pool order: a club listed twice is there once, at its first
// entry, unless `count` is one. For more than one, `barred` gains them.
std::vector<const Club*> entriesToChooseFrom(const CandidatePool& pool, int count,
                                             ClubIdentitySet& barred);

// Whether a draw of `count` clubs can be made, and if not, why.
struct DrawOutlook {
    enum class Shortfall {
        None,
        FewerThanCount, // fewer clubs to choose from than asked for
        FewerThanTwo,   // a draw needs minimumDrawSize to choose from
    };
    Shortfall shortfall;
    int available; // what the draw chooses from
};
DrawOutlook drawOutlook(const CandidatePool& pool, int count);
DrawOutlook drawOutlook(int available, int count);

// Draws `count` clubs. One lands as a window's reveal does: every entry of
// the pool equally likely, so a club listed twice is twice as likely. More
// are all different, every club equally likely, since one club cannot go to
// two managers. Empty when drawOutlook() finds a shortfall.
std::vector<Club> drawClubs(const CandidatePool& pool, int count, RandomSource& random);
// The same from what entriesToChooseFrom() gave for `count`.
std::vector<Club> drawClubs(std::vector<const Club*> entries, int count, RandomSource& random);

} // namespace clubdraw
