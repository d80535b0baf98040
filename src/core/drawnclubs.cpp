// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawnclubs.h"

#include <QSet>

#include <algorithm>
#include <utility>

namespace clubdraw {

std::vector<Club> differentClubs(const CandidatePool& pool) {
    std::vector<Club> clubs;
    QSet<std::pair<QString, QString>> seen;
    for (const Club& record : pool.entries())
        if (!seen.contains({record.nation, record.name})) {
            seen.insert({record.nation, record.name});
            clubs.push_back(record);
        }
    return clubs;
}

int clubsToChooseFrom(const CandidatePool& pool, int count) {
    return count == 1 ? pool.count() : static_cast<int>(differentClubs(pool).size());
}

std::vector<Club> drawClubs(const CandidatePool& pool, int count, RandomSource& random) {
    if (count < 1 || clubsToChooseFrom(pool, count) < std::max(count, minimumDrawSize))
        return {};
    if (count == 1)
        return {pool.at(random.pickIndex(pool.count()))};
    std::vector<Club> left = differentClubs(pool);
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
