// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawnclubs.h"

#include "clubidentityset.h"

#include <algorithm>

namespace clubdraw {

std::vector<Club> differentClubs(const CandidatePool& pool) {
    ClubIdentitySet seen;
    // Any count above one takes each club once.
    const std::vector<const Club*> entries = entriesToChooseFrom(pool, minimumDrawSize, seen);
    std::vector<Club> clubs;
    clubs.reserve(entries.size());
    for (const Club* club : entries)
        clubs.push_back(*club);
    return clubs;
}

int clubsToChooseFrom(const CandidatePool& pool, int count) {
    if (count == 1)
        return pool.count();
    ClubIdentitySet seen;
    return static_cast<int>(entriesToChooseFrom(pool, count, seen).size());
}

std::vector<const Club*> entriesToChooseFrom(const CandidatePool& pool, int count,
                                             ClubIdentitySet& barred) {
    std::vector<const Club*> entries;
    // Sized for the largest pool at once: a league draw runs this over
    // every club of the catalogue.
    entries.reserve(pool.entries().size());
    if (count == 1) {
        for (const Club& club : pool.entries()) {
            if (!barred.contains(club))
                entries.push_back(&club);
        }
        return entries;
    }
    // One look-up both bars and finds a club seen before.
    barred.reserve(static_cast<std::size_t>(barred.count()) + pool.entries().size());
    for (const Club& club : pool.entries()) {
        if (barred.insert(club))
            entries.push_back(&club);
    }
    return entries;
}

DrawOutlook drawOutlook(const CandidatePool& pool, int count) {
    return drawOutlook(clubsToChooseFrom(pool, count), count);
}

DrawOutlook drawOutlook(int available, int count) {
    using Shortfall = DrawOutlook::Shortfall;
    if (available < count)
        return {Shortfall::FewerThanCount, available};
    if (available < minimumDrawSize)
        return {Shortfall::FewerThanTwo, available};
    return {Shortfall::None, available};
}

std::vector<Club> drawClubs(const CandidatePool& pool, int count, RandomSource& random) {
    if (count < 1)
        return {};
    ClubIdentitySet none;
    return drawClubs(entriesToChooseFrom(pool, count, none), count, random);
}

std::vector<Club> drawClubs(std::vector<const Club*> entries, int count, RandomSource& random) {
    if (count < 1 || drawOutlook(static_cast<int>(entries.size()), count).shortfall !=
                         DrawOutlook::Shortfall::None)
        return {};
    std::vector<Club> drawn;
    drawn.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        // The last entry takes the drawn one's place: no club twice, and no
        // shifting of the whole list for each pick. Only the drawn clubs
        // are copied.
        const Club*& pick =
            entries[static_cast<std::size_t>(random.pickIndex(static_cast<int>(entries.size())))];
        drawn.push_back(*pick);
        pick = entries.back();
        entries.pop_back();
    }
    return drawn;
}

} // namespace clubdraw
