#include "division_draw/division_lists.h"
#include "division_draw/frm_velgliga.h"
#include "nation_draw/frm_cmtrekning.h"
#include "test_support.h"

#include <QCheckBox>
#include <QHash>
#include <QLabel>
#include <QListWidget>
#include <QSet>
#include <QTimer>

#include <gtest/gtest.h>

using namespace clubdraw;
using clubdraw::testing::scripted_random;

namespace {

// The catalogue the program ships, read by the program's own reader.
const lagliste& shipped() {
    static const lagliste catalogue = load_catalogue(QStringLiteral(CLUBDRAW_SHIPPED_CATALOGUE));
    return catalogue;
}

std::vector<team_record> teams() {
    std::vector<team_record> list;
    for (const team_record& r : shipped().team_table)
        if (!r.team.isEmpty())
            list.push_back(r);
    return list;
}

TEST(shipped_catalogue, every_nation_is_a_main_window_nation_with_two_minimum_clubs) {
    QHash<QString, int> minimum_clubs;
    for (int n = 0; n < nation_count; ++n)
        minimum_clubs.insert(nation_name(static_cast<nation>(n)), 0);
    ASSERT_GT(teams().size(), 500u);
    for (const team_record& r : teams()) {
        ASSERT_TRUE(minimum_clubs.contains(r.nation)) << r.nation.toStdString();
        if (r.minimum_flag == 0)
            ++minimum_clubs[r.nation];
    }
    for (auto it = minimum_clubs.cbegin(); it != minimum_clubs.cend(); ++it)
        EXPECT_GE(it.value(), 2) << it.key().toStdString();
}

TEST(shipped_catalogue, each_division_has_distinct_clubs_one_suffix_and_one_flag) {
    QHash<QString, QSet<QString>> clubs;
    QHash<QString, QPair<QString, int>> suffix_and_flag;
    for (const team_record& r : teams()) {
        const QString division = r.nation + QStringLiteral(" / ") + r.division;
        EXPECT_FALSE(clubs[division].contains(r.team)) << r.team.toStdString();
        clubs[division].insert(r.team);
        const auto seen = suffix_and_flag.constFind(division);
        if (seen == suffix_and_flag.cend())
            suffix_and_flag.insert(division, {r.division_suffix, r.minimum_flag});
        else
            EXPECT_EQ(*seen, qMakePair(r.division_suffix, int(r.minimum_flag))) << division.toStdString();
        EXPECT_EQ(r.team, r.team.trimmed());
    }
}

TEST(shipped_catalogue, the_division_window_lists_every_division_of_the_file) {
    QSet<QString> pairs;
    for (const team_record& r : teams())
        pairs.insert(r.nation + QChar(0) + r.division);
    frm_velgliga window(shipped(), *std::make_unique<scripted_random>());
    ASSERT_EQ(window.lst_alle->count(), pairs.size());
    for (int i = 0; i < window.lst_alle->count(); ++i) {
        const division_key& key = window.divisions().division_keys[static_cast<std::size_t>(i)];
        EXPECT_TRUE(pairs.contains(key.nation + QChar(0) + key.division));
        EXPECT_EQ(window.lst_alle->item(i)->text(), division_label(key));
    }
}

TEST(shipped_catalogue, a_non_ascii_club_shows_in_a_finished_draw) {
    auto* random = new scripted_random;
    frm_cmtrekning window(shipped(), std::unique_ptr<random_source>(random));
    window.chk_danmark->setChecked(true);
    window.cmd_Velg_Click();
    int brondby = -1;
    for (int i = 0; i < window.pool().count(); ++i)
        if (window.pool().at(i).team == QStringLiteral(u"Brøndby IF"))
            brondby = i;
    ASSERT_GE(brondby, 0);
    for (int i = 0; i < 57; ++i)
        random->push(brondby);
    int ticks = 0;
    while (window.Timer1->isActive() && ++ticks <= 100)
        window.Timer1_Timer();
    EXPECT_EQ(window.lbl_lag->text(), QStringLiteral(u"Brøndby IF"));
    EXPECT_EQ(window.lbl_divisjon->text(), QStringLiteral("Denmark, Superliga (level 1)"));
    EXPECT_TRUE(window.lbl_lag->font().bold());
}

} // namespace
