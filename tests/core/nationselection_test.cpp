// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/nationselection.h"
#include "testsupport.h"

#include <gtest/gtest.h>

using namespace clubdraw;
using namespace clubdraw::testing;

namespace {

NationTicks ticksOf(std::initializer_list<Nation> nations) {
    NationTicks ticks{};
    for (Nation n : nations)
        ticked(ticks, n) = true;
    return ticks;
}

const Catalogue mixed = catalogueOf({
    line("USA", "MLS", "", 0, "DC United"),
    line("Argentina", "Primera", "", 0, "Boca Juniors"),
    line("England", "Premier", "", 0, "Arsenal"),
    line("England", "Conference", "", 1, "Kidderminster"),
    line("england", "Premier", "", 0, "lower-case nation"),
    line("England ", "Premier", "", 0, "trailing blank"),
    line("Argentina", "Nacional B", "", -3, "Huracan"),
    line("Wales", "League", "", 0, "Barry Town"),
    line("England", "Premier", "", 0, "Chelsea"),
});

TEST(NationPool, exactNamesDrawOrderAndCatalogueOrder) {
    const CandidatePool pool = buildNationPool(
        mixed, ticksOf({Nation::Usa, Nation::England, Nation::Argentina}), DatabaseType::Normal);
    // Nation order first (Argentina before England before USA), then file order.
    EXPECT_EQ(clubNames(pool), QStringList({"Boca Juniors", "Huracan", "Arsenal", "Kidderminster",
                                            "Chelsea", "DC United"}));
}

TEST(NationPool, minimumKeepsOnlyFlagZero) {
    const CandidatePool pool = buildNationPool(mixed, ticksOf({Nation::England, Nation::Argentina}),
                                               DatabaseType::Minimum);
    EXPECT_EQ(clubNames(pool), QStringList({"Boca Juniors", "Arsenal", "Chelsea"}));
}

TEST(NationPool, nothingTickedOrAnEmptyCatalogueFindsNothing) {
    EXPECT_TRUE(buildNationPool(mixed, NationTicks{}, DatabaseType::Normal).isEmpty());
    const Catalogue empty = catalogueOf({});
    NationTicks all{};
    all.fill(true);
    EXPECT_TRUE(buildNationPool(empty, all, DatabaseType::Normal).isEmpty());
    // The pool copies records whole, independent of the catalogue.
    const CandidatePool pool =
        buildNationPool(mixed, ticksOf({Nation::Usa}), DatabaseType::Minimum);
    ASSERT_EQ(pool.count(), 1);
    EXPECT_EQ(pool.at(0), mixed.clubs[0]);
}

TEST(NationPool, theLargestCatalogueDrawsWithoutOverflow) {
    const Catalogue full =
        Catalogue::parse(QString::fromLatin1(clubdraw::testing::generatedCatalogue(maxClubs)));
    ASSERT_EQ(full.count(), maxClubs);
    NationTicks all{};
    all.fill(true);
    EXPECT_EQ(buildNationPool(full, all, DatabaseType::Normal).count(), maxClubs);
    EXPECT_EQ(buildNationPool(full, all, DatabaseType::Minimum).count(), maxClubs / 2);
}

struct PresetRow {
    NationPreset preset;
    const char* name;
    // Ticked boxes, in the order Argentina, Brazil, Belgium, Denmark, England,
    // France, Italy, Japan, Holland, Norway, Portugal, Scotland, Spain,
    // Sweden, Germany, USA.
    const char* pattern;
};

class Presets : public ::testing::TestWithParam<PresetRow> {};

TEST_P(Presets, writeTheirWholePattern) {
    const Nation order[] = {Nation::Argentina, Nation::Brazil, Nation::Belgium,  Nation::Denmark,
                            Nation::England,   Nation::France, Nation::Italy,    Nation::Japan,
                            Nation::Holland,   Nation::Norway, Nation::Portugal, Nation::Scotland,
                            Nation::Spain,     Nation::Sweden, Nation::Germany,  Nation::Usa};
    const NationTicks ticks = presetPattern(GetParam().preset);
    for (int i = 0; i < nationCount; ++i)
        EXPECT_EQ(ticked(ticks, order[i]), GetParam().pattern[i] == '1')
            << nationName(order[i]).toStdString();
    // The command line's name for it, in any letter case.
    const QString name = QString::fromLatin1(GetParam().name).replace(u'_', u'-');
    EXPECT_TRUE(presetNames().contains(name));
    EXPECT_EQ(presetNamed(name.toUpper()), GetParam().preset);
    EXPECT_EQ(presetNamed(name + u's'), std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, Presets,
    ::testing::Values(PresetRow{NationPreset::AllNations, "all", "1111111111111111"},
                      PresetRow{NationPreset::None, "none", "0000000000000000"},
                      PresetRow{NationPreset::Europe, "europe", "0011111011111110"},
                      PresetRow{NationPreset::SouthAmerica, "south_america", "1100000000000000"},
                      PresetRow{NationPreset::SpringAutumn, "spring_autumn", "0100000101000101"},
                      PresetRow{NationPreset::AutumnSpring, "autumn_spring", "1011111010111010"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DivisionLine, suffixFollowsItalyDirectlyAndOthersAfterABlank) {
    EXPECT_EQ(divisionLine({"Italy", "Serie C1", "/A", 0, "x"}),
              QStringLiteral("Italy, Serie C1/A"));
    EXPECT_EQ(divisionLine({"italy", "Serie C1", "/A", 0, "x"}),
              QStringLiteral("italy, Serie C1 /A"));
    EXPECT_EQ(divisionLine({"England", "Premier League", "(level 1)", 0, "x"}),
              QStringLiteral("England, Premier League (level 1)"));
    EXPECT_EQ(divisionLine({"England", "Premier League", "", 0, "x"}),
              QStringLiteral("England, Premier League "));
}

} // namespace
