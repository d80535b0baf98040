// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/version.h"
#include "gui/aboutwindow.h"
#include "gui/mainwindow.h"
#include "gui/printbox.h"
#include "gui/thankswindow.h"
#include "guitestsupport.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace clubdraw;
using namespace clubdraw::testing;

namespace {

struct CreditsFixture : ::testing::Test {
    CreditsFixture() : main(catalogueOf({}), std::make_unique<ScriptedRandom>()) {
        main.show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&main));
    }

    static void activate(QWidget* window) {
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window));
    }

    void menu(const char* action) { child<QAction>(&main, action)->trigger(); }
    static PrintBox* box(const QWidget* window) { return child<PrintBox>(window, "creditsBox"); }

    MainWindow main;
};

TEST_F(CreditsFixture, aboutIsOneWindowWithOneCopyOfItsLines) {
    menu("aboutAction");
    AboutWindow* about = main.aboutWindow();
    ASSERT_NE(about, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(about));
    menu("aboutAction");
    EXPECT_EQ(main.aboutWindow(), about);
    EXPECT_EQ(QApplication::topLevelWidgets().count(about), 1);
    EXPECT_EQ(box(about)->lines(), AboutWindow::creditLines());
    EXPECT_EQ(child<QLabel>(about, "titleLabel")->text(),
              QStringLiteral("Clubdraw v. ") + QLatin1String(shortVersion));
    EXPECT_EQ(about->parentWidget(), nullptr); // no owner: the main window stays usable
    EXPECT_EQ(QApplication::focusWidget(), child<QPushButton>(about, "backButton"));

    const QStringList lines = AboutWindow::creditLines();
    ASSERT_EQ(lines.size(), 7);
    EXPECT_EQ(lines[0], QStringLiteral("by"));
    EXPECT_TRUE(lines[1].isEmpty());
    EXPECT_TRUE(lines[5].isEmpty());
    for (int i : {2, 3, 4, 6})
        EXPECT_TRUE(lines[i].startsWith(QStringLiteral("  ")) && lines[i][2] != u' ') << i;
}

TEST_F(CreditsFixture, everyActivationRedrawsTheLinesOnce) {
    menu("aboutAction");
    AboutWindow* about = main.aboutWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(about));
    box(about)->printLine(QStringLiteral("stray"));
    activate(&main);
    activate(about);
    EXPECT_EQ(box(about)->lines(), AboutWindow::creditLines());
    activate(&main);
    activate(about);
    EXPECT_EQ(box(about)->lines(), AboutWindow::creditLines());
}

TEST_F(CreditsFixture, backHidesAndTheMenuShowsTheSameWindowAgain) {
    menu("aboutAction");
    menu("thanksAction");
    AboutWindow* about = main.aboutWindow();
    ThanksWindow* thanksWindow = main.thanksWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(thanksWindow));
    EXPECT_TRUE(about->isVisible());
    QTest::mouseClick(child<QPushButton>(about, "backButton"), Qt::LeftButton);
    EXPECT_FALSE(about->isVisible());
    EXPECT_TRUE(thanksWindow->isVisible()); // the other one is left alone
    EXPECT_EQ(box(thanksWindow)->lines(), ThanksWindow::thanksLines());
    menu("aboutAction");
    EXPECT_EQ(main.aboutWindow(), about);
    EXPECT_TRUE(about->isVisible());

    const QStringList thanks = ThanksWindow::thanksLines();
    ASSERT_EQ(thanks.size(), 8);
    for (int i : {0, 1, 3, 4, 6, 7}) {
        EXPECT_FALSE(thanks[i].isEmpty());
        EXPECT_FALSE(thanks[i].startsWith(u' '));
    }
}

// Lines wider than their box would be cut off at its edge.
TEST_F(CreditsFixture, everyLineFitsItsBox) {
    menu("aboutAction");
    menu("thanksAction");
    const std::pair<PrintBox*, QStringList> boxes[] = {
        {box(main.aboutWindow()), AboutWindow::creditLines()},
        {box(main.thanksWindow()), ThanksWindow::thanksLines()}};
    for (const auto& [printBox, lines] : boxes) {
        const QFontMetrics metrics(printBox->font());
        for (const QString& line : lines)
            EXPECT_LE(metrics.horizontalAdvance(line), printBox->contentsRect().width())
                << line.toStdString();
        EXPECT_LE(metrics.height() * 8, printBox->contentsRect().height());
    }
}

TEST_F(CreditsFixture, closingThroughTheTitleBarDiscardsAndTheNextUseCreatesAnew) {
    menu("thanksAction");
    ASSERT_NE(main.thanksWindow(), nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(main.thanksWindow()));
    const QPointer<ThanksWindow> closed = main.thanksWindow();
    closed->close();
    // Forgotten at once, though Qt deletes it only later.
    EXPECT_EQ(main.thanksWindow(), nullptr);
    menu("thanksAction");
    const QPointer<ThanksWindow> reopened = main.thanksWindow();
    ASSERT_NE(reopened, nullptr);
    EXPECT_NE(reopened, closed);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(closed.isNull());
    ASSERT_FALSE(reopened.isNull());
    ASSERT_TRUE(QTest::qWaitForWindowActive(main.thanksWindow()));
    EXPECT_EQ(box(main.thanksWindow())->lines(), ThanksWindow::thanksLines());
    EXPECT_EQ(QApplication::focusWidget(), box(main.thanksWindow()));
}

} // namespace
