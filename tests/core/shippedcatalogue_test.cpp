// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/cataloguecheck.h"
#include "core/cataloguelocation.h"
#include "core/club.h"
#include "core/divisionselection.h"
#include "core/nationselection.h"
#include "testsupport.h"

#include <QHash>
#include <QSet>

#include <gtest/gtest.h>

#include <algorithm>

using namespace clubdraw;
using namespace clubdraw::testing;

namespace {

// The catalogue the program ships, read by the program's own reader.
const Catalogue& shipped() {
    static const Catalogue catalogue = loadCatalogue(QStringLiteral(CLUBDRAW_SHIPPED_CATALOGUE));
    return catalogue;
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
    ASSERT_GT(shipped().clubs.size(), 500u);
    for (const Club& r : shipped().clubs) {
        ASSERT_TRUE(minimumClubs.contains(r.nation)) << r.nation.toStdString();
        if (r.inMinimumDatabase())
            ++minimumClubs[r.nation];
    }
    for (auto it = minimumClubs.cbegin(); it != minimumClubs.cend(); ++it)
        EXPECT_GE(it.value(), 2) << it.key().toStdString();
}

TEST(ShippedCatalogue, eachDivisionHasDistinctClubsOneSuffixAndOneFlag) {
    QHash<QString, QSet<QString>> clubs;
    QHash<QString, QPair<QString, int>> suffixAndFlag;
    for (const Club& r : shipped().clubs) {
        const QString division = r.nation + QStringLiteral(" / ") + r.division;
        EXPECT_FALSE(clubs[division].contains(r.name)) << r.name.toStdString();
        clubs[division].insert(r.name);
        const auto seen = suffixAndFlag.constFind(division);
        if (seen == suffixAndFlag.cend())
            suffixAndFlag.insert(division, {r.divisionSuffix, r.databaseFlag});
        else
            EXPECT_EQ(*seen, qMakePair(r.divisionSuffix, int(r.databaseFlag)))
                << division.toStdString();
        EXPECT_EQ(r.name, r.name.trimmed());
    }
}

TEST(ShippedCatalogue, everyDivisionIsListedOnceAndANonAsciiClubReadsRight) {
    QSet<QString> pairs;
    for (const Club& r : shipped().clubs)
        pairs.insert(r.nation + QChar(0) + r.division);
    const DivisionList divisions = collectDivisions(shipped());
    ASSERT_EQ(divisions.count(), pairs.size());
    for (const DivisionKey& key : divisions.keys())
        EXPECT_TRUE(pairs.contains(key.nation + QChar(0) + key.division));

    NationTicks denmark{};
    ticked(denmark, Nation::Denmark) = true;
    const CandidatePool pool = buildNationPool(shipped(), denmark, DatabaseType::Minimum);
    const auto brondby =
        std::find_if(pool.entries().begin(), pool.entries().end(),
                     [](const Club& r) { return r.name == QStringLiteral(u"Brøndby IF"); });
    ASSERT_NE(brondby, pool.entries().end());
    EXPECT_EQ(divisionLine(*brondby), QStringLiteral("Denmark, Superliga (level 1)"));
}

} // namespace
