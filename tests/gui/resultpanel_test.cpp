// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/resultpanel.h"
#include "gui/widgethelpers.h"
#include "guitestsupport.h"

#include <QFontMetrics>

#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace clubdraw;
using namespace clubdraw::testing;

namespace {

struct ResultPanelFixture : ::testing::Test {
    explicit ResultPanelFixture(SteadyClock clock = racingClock())
        : panel(random, std::move(clock), &window) {
        panel.place({QRect(0, 0, 145, 25), QRect(56, 32, 89, 17), QRect(152, 0, 209, 25),
                     QRect(152, 32, 209, 41)},
                    QStringLiteral(" in :"), msSansSerif(9.75));
    }

    QLabel* club() const { return child<QLabel>(&panel, "clubLabel"); }
    QLabel* division() const { return child<QLabel>(&panel, "divisionLabel"); }
    bool bold() const { return club()->font().bold() && division()->font().bold(); }
    bool blank() const { return club()->text().isEmpty() && division()->text().isEmpty(); }

    ScriptedRandom random;
    QWidget window;
    ResultPanel panel;
};

struct RealTimeResultPanel : ResultPanelFixture {
    RealTimeResultPanel() : ResultPanelFixture(steadyClock()) {}
};

TEST_F(ResultPanelFixture, aDrawRevealsFiftySevenPicksAndLandsOnTheLastInBold) {
    for (int i = 0; i < 56; ++i)
        random.push(0);
    random.push(1);
    QSignalSpy landed(&panel, &ResultPanel::revealFinished);
    panel.startDraw(poolOf({"Roma", "<b>Lazio</b> & co"}, "Italy", "Serie A", " (level 1)"));
    EXPECT_TRUE(panel.isRevealing());
    EXPECT_EQ(panel.findChild<QTimer*>()->timerType(), Qt::PreciseTimer);
    ASSERT_TRUE(landed.wait(5000));
    EXPECT_EQ(landed.count(), 1);
    EXPECT_EQ(random.picksMade, 57);
    EXPECT_FALSE(panel.isRevealing());
    // Club names are text, never markup.
    EXPECT_EQ(club()->text(), QStringLiteral("<b>Lazio</b> & co"));
    EXPECT_EQ(club()->textFormat(), Qt::PlainText);
    EXPECT_EQ(division()->text(), QStringLiteral("Italy, Serie A (level 1)"));
    EXPECT_TRUE(bold());
    QTest::qWait(20);
    EXPECT_EQ(landed.count(), 1);

    // A new draw starts blank and in regular weight.
    panel.startDraw(poolOf({"Roma", "Milan"}, "Italy", "Serie A", " (level 1)"));
    EXPECT_TRUE(blank());
    EXPECT_FALSE(club()->font().bold() || division()->font().bold());
}

// The club on its one line, the division line on its two, in bold.
TEST_F(ResultPanelFixture, aNameThatDoesNotFitEndsInAnEllipsisAndKeepsItsWholeText) {
    const char* name = "Club Atletico Newell's Old Boys de Rosario Reserves";
    QSignalSpy landed(&panel, &ResultPanel::revealFinished);
    panel.startDraw(poolOf({name, name}, "Argentina",
                           "Primera B Metropolitana de la Asociacion del Futbol",
                           "(level 3, reserves)"));
    ASSERT_TRUE(landed.wait(5000));
    for (QLabel* label : {club(), division()}) {
        EXPECT_TRUE(label->text().endsWith(u'\u2026')) << label->text().toStdString();
        EXPECT_EQ(label->toolTip(), label->accessibleName());
        EXPECT_TRUE(label->accessibleName().startsWith(label->text().chopped(1)));
        EXPECT_LE(label->heightForWidth(label->width()), label->height());
    }
    EXPECT_EQ(club()->accessibleName(), QString::fromUtf8(name));
}

TEST_F(ResultPanelFixture, fewerThanTwoClubsStopARunningRevealAndOnlyAFoundClubReplacesThePool) {
    panel.startDraw(poolOf({"Roma", "Lazio", "Milan"}, "Italy", "Serie A", " (level 1)"));
    ASSERT_TRUE(panel.isRevealing());
    panel.startDraw(poolOf({"Only"}, "Italy", "Serie A", " (level 1)"));
    EXPECT_FALSE(panel.isRevealing());
    EXPECT_TRUE(blank());
    EXPECT_FALSE(bold());
    ASSERT_EQ(panel.pool().count(), 1);
    EXPECT_EQ(panel.pool().at(0).name, QStringLiteral("Only"));
    panel.startDraw(CandidatePool{});
    EXPECT_EQ(panel.pool().count(), 1);
    QTest::qWait(20);
    EXPECT_TRUE(blank()); // no tick came after the stop
    EXPECT_EQ(random.picksMade, 0);
}

TEST_F(ResultPanelFixture, clearingCaptionsEmptiesThemUntilTheNextTickAndKeepsBold) {
    panel.startDraw(poolOf({"Roma", "Lazio"}, "Italy", "Serie A", " (level 1)"));
    panel.clearCaptions();
    EXPECT_TRUE(blank());
    EXPECT_TRUE(panel.isRevealing());
    ASSERT_TRUE(clubdraw::testing::waitForReveal(&window));
    EXPECT_FALSE(blank());
    EXPECT_TRUE(bold());
    panel.clearCaptions();
    EXPECT_TRUE(blank());
    EXPECT_TRUE(bold());
}

// On the real clock: a draw mid-reveal starts afresh, and the whole reveal
// keeps to its 2253 ms schedule.
TEST_F(RealTimeResultPanel, aNewDrawMidRevealRestartsIt) {
    panel.startDraw(poolOf({"Roma", "Lazio"}, "Italy", "Serie A", " (level 1)"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return random.picksMade >= 20; }, 3000));
    ASSERT_TRUE(panel.isRevealing());
    panel.startDraw(poolOf({"Milan", "Inter"}, "Italy", "Serie A", " (level 1)"));
    EXPECT_TRUE(blank());
    const int before = random.picksMade;
    QSignalSpy landed(&panel, &ResultPanel::revealFinished);
    ASSERT_TRUE(landed.wait(10000));
    EXPECT_EQ(random.picksMade - before, 57);
    EXPECT_EQ(club()->text(), QStringLiteral("Milan"));
    EXPECT_TRUE(bold());
}

} // namespace
