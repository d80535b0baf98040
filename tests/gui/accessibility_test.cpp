// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/aboutwindow.h"
#include "gui/divisionwindow.h"
#include "gui/mainwindow.h"
#include "gui/managerswindow.h"
#include "gui/printbox.h"
#include "gui/thankswindow.h"
#include "guitestsupport.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace clubdraw;
using namespace clubdraw::testing;

namespace {

QAccessibleInterface* accessible(QObject* object) {
    QAccessibleInterface* interface = QAccessible::queryAccessibleInterface(object);
    EXPECT_NE(interface, nullptr);
    return interface;
}

struct AccessibilityFixture : ::testing::Test {
    AccessibilityFixture()
        : window(catalogueOf({line("England", "Premier", "(level 1)", 0, "Arsenal"),
                              line("England", "Premier", "(level 1)", 0, "Chelsea")}),
                 std::make_unique<ScriptedRandom>(), racingClock()) {
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    MainWindow window;
};

// A screen reader toggles option buttons without a click; the preset must
// apply all the same.
TEST_F(AccessibilityFixture, everyPresetAppliesThroughTheAccessibilityAction) {
    const struct {
        const char* button;
        NationPreset preset;
    } rows[] = {{"allNationsPreset", NationPreset::AllNations},
                {"southAmericaPreset", NationPreset::SouthAmerica},
                {"europePreset", NationPreset::Europe},
                {"springAutumnPreset", NationPreset::SpringAutumn},
                {"autumnSpringPreset", NationPreset::AutumnSpring},
                {"nonePreset", NationPreset::None}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.button);
        QAccessibleActionInterface* actions =
            accessible(child<QAbstractButton>(&window, row.button))->actionInterface();
        ASSERT_NE(actions, nullptr);
        ASSERT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::toggleAction()));
        actions->doAction(QAccessibleActionInterface::toggleAction());
        const NationTicks pattern = presetPattern(row.preset);
        for (int n = 0; n < nationCount; ++n) {
            const QString name = nationBoxName(static_cast<Nation>(n));
            EXPECT_EQ(window.findChild<QCheckBox*>(name)->isChecked(), pattern[n])
                << name.toStdString();
        }
    }
}

TEST_F(AccessibilityFixture, everyControlOfEveryWindowHasAName) {
    window.findChild<QAction*>(QStringLiteral("aboutAction"))->trigger();
    window.findChild<QAction*>(QStringLiteral("thanksAction"))->trigger();
    window.findChild<QPushButton*>(QStringLiteral("divisionWindowButton"))->click();
    window.findChild<QAction*>(QStringLiteral("severalManagersAction"))->trigger();
    window.managersWindow()->findChild<QPushButton*>(QStringLiteral("showLeftOutButton"))->click();
    for (QWidget* top :
         {static_cast<QWidget*>(&window), static_cast<QWidget*>(window.divisionWindow()),
          static_cast<QWidget*>(window.aboutWindow()), static_cast<QWidget*>(window.thanksWindow()),
          static_cast<QWidget*>(window.managersWindow())}) {
        ASSERT_NE(top, nullptr);
        for (QWidget* w : top->findChildren<QWidget*>()) {
            const bool control = qobject_cast<QAbstractButton*>(w) ||
                                 qobject_cast<QAbstractItemView*>(w) ||
                                 qobject_cast<QLineEdit*>(w) || qobject_cast<QGroupBox*>(w) ||
                                 qobject_cast<PrintBox*>(w);
            if (!control || !w->isVisibleTo(top)) // Qt's hidden menu-bar extension, say
                continue;
            EXPECT_FALSE(accessible(w)->text(QAccessible::Name).isEmpty())
                << w->objectName().toStdString();
        }
    }

    // The result labels read as the club itself, described by what they hold.
    QLabel* club = child<QLabel>(&window, "clubLabel");
    EXPECT_EQ(accessible(club)->text(QAccessible::Description), QStringLiteral("Your team"));
    EXPECT_EQ(accessible(child<QLabel>(&window, "divisionLabel"))->text(QAccessible::Description),
              QStringLiteral("Division"));
    child<QCheckBox>(&window, "englandBox")->click();
    child<QPushButton>(&window, "findButton")->click();
    ASSERT_TRUE(clubdraw::testing::waitForReveal(&window));
    EXPECT_EQ(accessible(club)->text(QAccessible::Name), QStringLiteral("Arsenal"));
}

// Whichever control has the focus, the credit lines are there to read.
TEST_F(AccessibilityFixture, creditBoxesGiveTheirLinesAsText) {
    window.findChild<QAction*>(QStringLiteral("aboutAction"))->trigger();
    window.findChild<QAction*>(QStringLiteral("thanksAction"))->trigger();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.thanksWindow()));
    window.aboutWindow()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.aboutWindow()));
    const std::pair<QWidget*, QStringList> boxes[] = {
        {window.aboutWindow(), AboutWindow::creditLines()},
        {window.thanksWindow(), ThanksWindow::thanksLines()}};
    for (const auto& [top, lines] : boxes) {
        QAccessibleInterface* box = accessible(child<PrintBox>(top, "creditsBox"));
        QAccessibleTextInterface* text = box->textInterface();
        ASSERT_NE(text, nullptr);
        const QString all = lines.join(QLatin1Char('\n'));
        EXPECT_EQ(text->characterCount(), all.size());
        EXPECT_EQ(text->text(0, text->characterCount()), all);
        EXPECT_EQ(box->text(QAccessible::Value), all);
        EXPECT_TRUE(box->state().readOnly);
    }
}

} // namespace
