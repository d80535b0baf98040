// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/cataloguecheck.h"
#include "core/divisionselection.h"
#include "core/nationselection.h"
#include "core/revealschedule.h"
#include "testsupport.h"

#include <QHash>
#include <QSet>

#include <gtest/gtest.h>

#include <algorithm>

using namespace clubdraw;
using clubdraw::testing::ScriptedRandom;

namespace {

// The catalogue the program ships, read by the program's own reader.
const Catalogue& shipped() {
    static const Catalogue catalogue = Catalogue::load(QStringLiteral(CLUBDRAW_SHIPPED_CATALOGUE));
    return catalogue;
}

std::vector<TeamRecord> teams() {
    std::vector<TeamRecord> list;
    for (const TeamRecord& r : shipped().teams)
        if (!r.team.isEmpty())
            list.push_back(r);
    return list;
}

TEST(ShippedCatalogue, checksClean) {
    const CheckReport report = checkCatalogueFile(QStringLiteral(CLUBDRAW_SHIPPED_CATALOGUE));
    for (const CheckFinding& finding : report.findings)
        ADD_FAILURE() << finding.line << ": " << finding.text.toStdString();
    EXPECT_EQ(report.summary.clubs, 532);
    EXPECT_EQ(report.summary.nations(), 16);
    EXPECT_EQ(report.summary.divisions, 31);
}

TEST(ShippedCatalogue, everyNationIsAMainWindowNationWithTwoMinimumClubs) {
    QHash<QString, int> minimumClubs;
    for (int n = 0; n < nationCount; ++n)
        minimumClubs.insert(nationName(static_cast<Nation>(n)), 0);
    ASSERT_GT(teams().size(), 500u);
    for (const TeamRecord& r : teams()) {
        ASSERT_TRUE(minimumClubs.contains(r.nation)) << r.nation.toStdString();
        if (r.minimumFlag == 0)
            ++minimumClubs[r.nation];
    }
    for (auto it = minimumClubs.cbegin(); it != minimumClubs.cend(); ++it)
        EXPECT_GE(it.value(), 2) << it.key().toStdString();
}

TEST(ShippedCatalogue, eachDivisionHasDistinctClubsOneSuffixAndOneFlag) {
    QHash<QString, QSet<QString>> clubs;
    QHash<QString, QPair<QString, int>> suffixAndFlag;
    for (const TeamRecord& r : teams()) {
        const QString division = r.nation + QStringLiteral(" / ") + r.division;
        EXPECT_FALSE(clubs[division].contains(r.team)) << r.team.toStdString();
        clubs[division].insert(r.team);
        const auto seen = suffixAndFlag.constFind(division);
        if (seen == suffixAndFlag.cend())
            suffixAndFlag.insert(division, {r.divisionSuffix, r.minimumFlag});
        else
            EXPECT_EQ(*seen, qMakePair(r.divisionSuffix, int(r.minimumFlag)))
                << division.toStdString();
        EXPECT_EQ(r.team, r.team.trimmed());
    }
}

TEST(ShippedCatalogue, everyDivisionIsListedOnceAndANonAsciiClubReadsRight) {
    QSet<QString> pairs;
    for (const TeamRecord& r : teams())
        pairs.insert(r.nation + QChar(0) + r.division);
    const DivisionList divisions = collectDivisions(shipped());
    ASSERT_EQ(divisions.count(), pairs.size());
    for (const DivisionKey& key : divisions.keys)
        EXPECT_TRUE(pairs.contains(key.nation + QChar(0) + key.division));

    NationTicks denmark{};
    ticked(denmark, Nation::Denmark) = true;
    const CandidatePool pool = buildNationPool(shipped(), denmark, DatabaseType::Minimum);
    const auto brondby =
        std::find_if(pool.entries().begin(), pool.entries().end(),
                     [](const TeamRecord& r) { return r.team == QStringLiteral(u"Brøndby IF"); });
    ASSERT_NE(brondby, pool.entries().end());
    EXPECT_EQ(divisionLine(*brondby), QStringLiteral("Denmark, Superliga (level 1)"));
}

} // namespace
