// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/drawnclubs.h"
#include "testsupport.h"

#include <gtest/gtest.h>

using namespace clubdraw;
using namespace clubdraw::testing;

namespace {

QStringList namesOf(const std::vector<Club>& clubs) {
    QStringList names;
    for (const Club& club : clubs)
        names << club.name;
    return names;
}

// One club lands as a window's reveal does: any entry of the pool, a club
// listed twice included, so a division of one club listed twice is a draw.
TEST(DrawClubs, oneClubIsAnyEntryOfThePoolAsTheWindowsDraw) {
    ScriptedRandom random({1});
    EXPECT_EQ(namesOf(drawClubs(poolOf({"Cove", "Cove"}), 1, random)), QStringList{"Cove"});
    EXPECT_EQ(random.lastN, 2);
    EXPECT_EQ(clubsToChooseFrom(poolOf({"Cove", "Cove"}), 1), 2);
    EXPECT_TRUE(drawClubs(poolOf({"Cove"}), 1, random).empty());
    EXPECT_TRUE(drawClubs(CandidatePool{}, 1, random).empty());
}

// Several go to several managers: all different, a club listed twice once.
TEST(DrawClubs, severalAreAllDifferentAndNeedThatManyClubs) {
    const CandidatePool pool = poolOf({"A", "B", "A", "C"});
    EXPECT_EQ(clubsToChooseFrom(pool, 2), 3);
    for (int first = 0; first < 3; ++first) {
        ScriptedRandom random({first, first, first});
        QStringList drawn = namesOf(drawClubs(pool, 3, random));
        drawn.sort();
        EXPECT_EQ(drawn, QStringList({"A", "B", "C"})) << first;
    }
    ScriptedRandom random;
    EXPECT_TRUE(drawClubs(pool, 4, random).empty());
    // The same name in another nation is another club.
    CandidatePool twoNations = poolOf({"Rangers"}, "Scotland");
    twoNations.add(poolOf({"Rangers"}, "England").at(0));
    EXPECT_EQ(drawClubs(twoNations, 2, random).size(), 2u);
}

} // namespace

namespace {

// --seed promises the same clubs on every machine: the picks and the way
// they become clubs both stay as they are.
TEST(DrawClubs, aSeedDrawsTheSameClubsEverywhere) {
    const CandidatePool pool = poolOf({"A", "B", "C", "D", "E", "F", "G", "H"});
    SeededRandomSource random(7);
    QStringList drawn;
    for (const int count : {1, 3, 8})
        for (const Club& club : drawClubs(pool, count, random))
            drawn << club.name;
    EXPECT_EQ(drawn.join(QString()), QStringLiteral("HCBAFBDHGCAE"));
}

} // namespace
