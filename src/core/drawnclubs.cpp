// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawnclubs.h"

#include <QSet>

#include <algorithm>
#include <utility>

namespace clubdraw {

std::vector<Club> differentClubs(const CandidatePool& pool) {
    std::vector<Club> clubs;
    QSet<ClubIdentity> seen;
    // Sized for the largest pool at once: a league draw runs this over
    // every club of the catalogue.
    clubs.reserve(pool.entries().size());
    seen.reserve(pool.count());
    for (const Club& club : pool.entries()) {
        const qsizetype before = seen.size();
        seen.insert(clubIdentity(club));
        if (seen.size() != before)
            clubs.push_back(club);
    }
    return clubs;
}

int clubsToChooseFrom(const CandidatePool& pool, int count) {
    return count == 1 ? pool.count() : static_cast<int>(differentClubs(pool).size());
}

DrawOutlook drawOutlook(const CandidatePool& pool, int count) {
    const int available = clubsToChooseFrom(pool, count);
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
    if (count == 1) {
        if (drawOutlook(pool, count).shortfall != DrawOutlook::Shortfall::None)
            return {};
        return {pool.at(random.pickIndex(pool.count()))};
    }
    // The different clubs once: drawOutlook() would find them again.
    std::vector<Club> left = differentClubs(pool);
    if (static_cast<int>(left.size()) < std::max(count, minimumDrawSize))
        return {};
    std::vector<Club> drawn;
    for (int i = 0; i < count; ++i) {
        // The last club takes the drawn one's place: no club twice, and no
        // shifting of the whole list for each pick.
        Club& pick =
            left[static_cast<std::size_t>(random.pickIndex(static_cast<int>(left.size())))];
        drawn.push_back(std::move(pick));
        pick = std::move(left.back());
        left.pop_back();
    }
    return drawn;
}

} // namespace clubdraw
