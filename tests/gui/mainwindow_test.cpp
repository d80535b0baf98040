// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/translations.h"
#include "gui/aboutwindow.h"
#include "gui/mainwindow.h"
#include "gui/resultpanel.h"
#include "guitestsupport.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace clubdraw;
using namespace clubdraw::testing;

namespace {

struct MainWindowFixture : ::testing::Test {
    MainWindowFixture()
        : random(new ScriptedRandom),
          window(catalogueOf({
                     line("England", "Premier League", "(level 1)", 0, "Arsenal"),
                     line("England", "Premier League", "(level 1)", 0, "Chelsea"),
                     line("England", "Conference", "(level 5)", 1, "Hayes & Yeading"),
                     line("Italy", "Serie A", " (level 1)", 0, "Roma"),
                     line("Italy", "Serie A", " (level 1)", 0, "Lazio"),
                     line("Japan", "J1", "(level 1)", 0, "Kashima Antlers"),
                 }),
                 std::unique_ptr<RandomSource>(random), racingClock()) {}

    QCheckBox* box(Nation nation) const {
        return child<QCheckBox>(&window, nationBoxName(nation).toLatin1().constData());
    }
    NationTicks ticks() const {
        NationTicks t{};
        for (int n = 0; n < nationCount; ++n)
            t[n] = box(static_cast<Nation>(n))->isChecked();
        return t;
    }
    QAbstractButton* button(const char* name) const {
        return child<QAbstractButton>(&window, name);
    }
    ResultPanel* result() const { return child<ResultPanel>(&window, "resultPanel"); }
    QLabel* clubLabel() const { return child<QLabel>(&window, "clubLabel"); }

    ScriptedRandom* random;
    MainWindow window;
};

TEST_F(MainWindowFixture, opensInItsStartStateWithItsClientAreaAtItsFixedPlace) {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Clubdraw for Championship Manager 99/00"));
    EXPECT_EQ(window.centralWidget()->size(), QSize(515, 488));
    EXPECT_EQ(window.centralWidget()->mapToGlobal(QPoint(0, 0)), QPoint(79, 74));
    EXPECT_EQ(ticks(), NationTicks{});
    for (const char* preset : {"allNationsPreset", "nonePreset", "europePreset",
                               "southAmericaPreset", "springAutumnPreset", "autumnSpringPreset"})
        EXPECT_FALSE(button(preset)->isChecked()) << preset;
    EXPECT_TRUE(button("minimumButton")->isChecked());
    EXPECT_EQ(button("minimumButton")->text(), QStringLiteral("Minimum"));
    EXPECT_EQ(button("normalButton")->text(), QStringLiteral("Normal"));
    EXPECT_TRUE(clubLabel()->text().isEmpty());
    EXPECT_FALSE(clubLabel()->font().bold());
    EXPECT_FALSE(result()->isRevealing());
    EXPECT_EQ(child<QLabel>(&window, "divisionCaption")->text(), QStringLiteral(" in :"));
    EXPECT_TRUE(child<QLabel>(&window, "titleLabel")->font().bold());
    // USA lies on the window, in the grid's last place below Sweden.
    QCheckBox* usa = box(Nation::Usa);
    EXPECT_EQ(usa->parentWidget(), window.centralWidget());
    EXPECT_EQ(usa->geometry().topLeft(),
              child<QGroupBox>(&window, "nationFrame")->geometry().topLeft() +
                  box(Nation::Sweden)->geometry().topLeft() + QPoint(0, 32));
    EXPECT_EQ(child<QAction>(&window, "aboutAction")->text(), QStringLiteral("About..."));
    EXPECT_EQ(child<QAction>(&window, "thanksAction")->text(), QStringLiteral("Thanks to..."));
}

TEST_F(MainWindowFixture, tabWalksTheLayoutOrderFromArgentina) {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    EXPECT_EQ(QApplication::focusWidget(), box(Nation::Argentina));
    const QWidget* expected[] = {
        box(Nation::Argentina), box(Nation::Brazil), box(Nation::Belgium), box(Nation::Denmark),
        box(Nation::England), box(Nation::France), box(Nation::Italy), box(Nation::Japan),
        box(Nation::Holland), box(Nation::Norway), box(Nation::Portugal), box(Nation::Scotland),
        box(Nation::Spain), box(Nation::Sweden), box(Nation::Germany),
        // An option group is one stop; its arrows move within it.
        button("minimumButton"), button("findButton"), button("quitButton"),
        button("autumnSpringPreset"), button("clearButton"), button("divisionWindowButton"),
        box(Nation::Usa), box(Nation::Argentina)};
    for (std::size_t i = 1; i < std::size(expected); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), expected[i])
            << i << ": " << QApplication::focusWidget()->objectName().toStdString()
            << " instead of " << expected[i]->objectName().toStdString();
    }
    // Space chooses a preset, then arrows move the choice; each applies.
    button("autumnSpringPreset")->setFocus();
    QTest::keyClick(button("autumnSpringPreset"), Qt::Key_Space);
    EXPECT_EQ(ticks(), presetPattern(NationPreset::AutumnSpring));
    QTest::keyClick(button("autumnSpringPreset"), Qt::Key_Down);
    EXPECT_TRUE(button("springAutumnPreset")->isChecked());
    EXPECT_EQ(ticks(), presetPattern(NationPreset::SpringAutumn));
    // Space ticks a box; Enter presses a button.
    box(Nation::Italy)->setFocus();
    QTest::keyClick(box(Nation::Italy), Qt::Key_Space);
    EXPECT_TRUE(box(Nation::Italy)->isChecked());
    QTest::keyClick(button("findButton"), Qt::Key_Return);
    EXPECT_TRUE(result()->isRevealing());
}

TEST_F(MainWindowFixture, everyCaptionFitsItsControl) {
    expectCaptionsFit(&window);
}

TEST_F(MainWindowFixture, presetsRewriteEveryBoxAndStaySelectedAfterHandTicks) {
    window.show();
    click(button("allNationsPreset"));
    click(button("southAmericaPreset"));
    EXPECT_EQ(ticks(), presetPattern(NationPreset::SouthAmerica));
    click(button("springAutumnPreset"));
    click(button("autumnSpringPreset"));
    EXPECT_EQ(ticks(), presetPattern(NationPreset::AutumnSpring));
    EXPECT_TRUE(button("autumnSpringPreset")->isChecked());
    EXPECT_FALSE(button("springAutumnPreset")->isChecked());
    EXPECT_TRUE(button("minimumButton")->isChecked()); // the other group is untouched

    click(box(Nation::Japan));
    EXPECT_TRUE(box(Nation::Japan)->isChecked());
    EXPECT_TRUE(button("autumnSpringPreset")->isChecked());
    // Clicking the selected preset again applies it again.
    click(button("autumnSpringPreset"));
    EXPECT_FALSE(box(Nation::Japan)->isChecked());
    click(button("europePreset"));
    EXPECT_EQ(ticks(), presetPattern(NationPreset::Europe));
    click(button("nonePreset"));
    EXPECT_EQ(ticks(), NationTicks{});
}

// The window's own part of a draw: which clubs it hands to its result.
TEST_F(MainWindowFixture, findDrawsFromTheTickedNationsAndTheChosenDatabase) {
    window.show();
    click(box(Nation::England));
    click(button("findButton"));
    EXPECT_EQ(result()->pool().count(), 2); // Minimum: flag 0 only
    ASSERT_TRUE(clubdraw::testing::waitForReveal(&window));
    EXPECT_TRUE(clubLabel()->font().bold());

    click(button("normalButton"));
    click(box(Nation::Italy));
    click(button("findButton"));
    ASSERT_EQ(result()->pool().count(), 5);
    EXPECT_EQ(result()->pool().at(2).name, QStringLiteral("Hayes & Yeading"));
    EXPECT_EQ(result()->pool().at(4).name, QStringLiteral("Lazio")); // nations in draw order
    ASSERT_TRUE(clubdraw::testing::waitForReveal(&window));

    click(button("clearButton"));
    EXPECT_TRUE(clubLabel()->text().isEmpty());
    EXPECT_TRUE(child<QLabel>(&window, "divisionLabel")->text().isEmpty());
}

// A Norwegian reader ticks "Norge", and a screen reader reads it so; the
// draw still finds the catalogue's "Norway".
TEST(NorwegianMainWindow, showsNorgeAndDrawsNorwaysClubs) {
    const Translators norwegian = translationsFor(QLocale(QStringLiteral("nb")));
    for (const auto& t : norwegian)
        QCoreApplication::installTranslator(t.get()); // each removes itself when deleted
    MainWindow window(catalogueOf({line("Norway", "Tippeligaen", "(level 1)", 0, "Rosenborg"),
                                   line("Sweden", "Allsvenskan", "(level 1)", 0, "AIK"),
                                   line("Norway", "Tippeligaen", "(level 1)", 0, "Molde")}),
                      std::make_unique<ScriptedRandom>(), racingClock());
    window.show();
    auto* norge = child<QCheckBox>(&window, "norwayBox");
    EXPECT_EQ(norge->text(), QStringLiteral("Norge"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(norge)->text(QAccessible::Name),
              QStringLiteral("Norge"));
    click(norge);
    click(child<QPushButton>(&window, "findButton"));
    EXPECT_EQ(clubNames(child<ResultPanel>(&window, "resultPanel")->pool()),
              QStringList({"Rosenborg", "Molde"}));
}

TEST_F(MainWindowFixture, quitAndClosingTheWindowEndTheEventLoop) {
    window.show();
    QTimer::singleShot(0, &window, [this] { click(button("quitButton")); });
    EXPECT_EQ(QApplication::exec(), 0);
    window.show();
    QTimer::singleShot(0, &window, [this] { window.close(); });
    EXPECT_EQ(QApplication::exec(), 0);
}

} // namespace
