// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/divisionwindow.h"
#include "gui/mainwindow.h"
#include "gui/resultpanel.h"
#include "guitestsupport.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace clubdraw;
using namespace clubdraw::testing;

namespace {

QListWidget* allList(const QWidget* w) {
    return child<QListWidget>(w, "allDivisionsList");
}
QListWidget* selectedList(const QWidget* w) {
    return child<QListWidget>(w, "selectedDivisionsList");
}
QPushButton* button(const QWidget* w, const char* name) {
    return child<QPushButton>(w, name);
}
QLabel* clubLabel(const QWidget* w) {
    return child<QLabel>(w, "clubLabel");
}
const CandidatePool& pool(const QWidget* w) {
    return child<ResultPanel>(w, "resultPanel")->pool();
}

// Picks a row by clicking it, then ">".
void addRows(const QWidget* w, std::initializer_list<int> rows) {
    for (int row : rows) {
        QListWidget* list = allList(w);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(row)).center());
        click(button(w, "addButton"));
    }
}

// A widget sees a double-click as a click followed by a double-click event.
void doubleClick(QListWidget* list, int row) {
    const QPoint at = list->visualItemRect(list->item(row)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}

const QStringList twoNations = {
    line("England", "Premier", "", 0, "Arsenal"),   line("Scotland", "Premier", "", 0, "Celtic"),
    line("England", "Premier", "", 0, "Chelsea"),   line("Scotland", "Premier", "", 1, "Rangers"),
    line("England", "Division 1", "", 0, "Bolton"),
};
const QStringList twoNationsLabels = {"England Premier", "Scotland Premier", "England Division 1"};

// The window keeps references to both, so they live beside it.
struct DivisionWindowFixture : ::testing::Test {
    DivisionWindowFixture()
        : catalogue(catalogueOf(twoNations)), window(catalogue, random, racingClock()) {
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    Catalogue catalogue;
    ScriptedRandom random;
    DivisionWindow window;
};

TEST_F(DivisionWindowFixture, everyCaptionFitsItsControl) {
    expectCaptionsFit(&window);
}

TEST_F(DivisionWindowFixture, buttonsAndDoubleClicksMoveEntries) {
    EXPECT_EQ(texts(allList(&window)), twoNationsLabels);
    EXPECT_EQ(QApplication::focusWidget(), allList(&window));
    click(button(&window, "addButton")); // nothing highlighted: nothing moves
    EXPECT_TRUE(texts(selectedList(&window)).isEmpty());

    addRows(&window, {1, 0});
    EXPECT_EQ(texts(selectedList(&window)), (QStringList{"England Premier", "Scotland Premier"}));
    // A highlighted entry on the right is replaced by the next ">".
    QTest::mouseClick(
        selectedList(&window)->viewport(), Qt::LeftButton, {},
        selectedList(&window)->visualItemRect(selectedList(&window)->item(1)).center());
    addRows(&window, {2});
    EXPECT_EQ(texts(selectedList(&window)), (QStringList{"England Division 1", "England Premier"}));

    selectedList(&window)->setCurrentRow(0);
    click(button(&window, "removeButton"));
    EXPECT_EQ(texts(selectedList(&window)), QStringList{"England Premier"});
    click(button(&window, "addAllButton"));
    EXPECT_EQ(texts(selectedList(&window)),
              (QStringList{"England Division 1", "England Premier", "Scotland Premier"}));
    click(button(&window, "removeAllButton"));
    EXPECT_TRUE(texts(selectedList(&window)).isEmpty());

    doubleClick(allList(&window), 2);
    EXPECT_EQ(texts(selectedList(&window)), QStringList{"England Division 1"});
    doubleClick(selectedList(&window), 0);
    EXPECT_TRUE(texts(selectedList(&window)).isEmpty());
    EXPECT_EQ(texts(allList(&window)), twoNationsLabels);
}

TEST_F(DivisionWindowFixture, tabWalksTheLayoutOrderAndKeysWorkTheLists) {
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    const char* order[] = {
        "allDivisionsList", "selectedDivisionsList", "addButton",  "addAllButton",
        "removeButton",     "removeAllButton",       "findButton", "backButton",
        "clearButton",      "allDivisionsList"};
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QLatin1String(order[0]));
    for (std::size_t i = 1; i < std::size(order); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget()->objectName(), QLatin1String(order[i])) << i;
    }
    // Arrows pick an entry, Enter on ">" moves it, Enter on "Find" draws.
    QTest::keyClick(allList(&window),
                    Qt::Key_Down); // from the first entry, which focus made current
    button(&window, "addButton")->setFocus();
    QTest::keyClick(button(&window, "addButton"), Qt::Key_Return);
    EXPECT_EQ(texts(selectedList(&window)), QStringList{"Scotland Premier"});
    QTest::keyClick(button(&window, "findButton"), Qt::Key_Return);
    EXPECT_TRUE(child<ResultPanel>(&window, "resultPanel")->isRevealing());
}

TEST_F(DivisionWindowFixture, findDrawsFromTheSelectedDivisionsWhateverTheFlag) {
    addRows(&window, {1});
    click(button(&window, "findButton"));
    EXPECT_EQ(clubNames(pool(&window)), (QStringList{"Celtic", "Rangers"}));
    ASSERT_TRUE(waitForReveal(&window));
    EXPECT_TRUE(clubLabel(&window)->font().bold());
    EXPECT_EQ(child<QLabel>(&window, "divisionLabel")->text(),
              QStringLiteral("Scotland, Premier "));

    click(button(&window, "clearButton"));
    EXPECT_TRUE(clubLabel(&window)->text().isEmpty());

    // No division selected: nothing to draw from, the last pool stays.
    click(button(&window, "removeAllButton"));
    click(button(&window, "findButton"));
    EXPECT_FALSE(child<ResultPanel>(&window, "resultPanel")->isRevealing());
    EXPECT_EQ(pool(&window).count(), 2);
}

TEST(DivisionLifecycle, backHidesTheOneWindowAndKeepsEverything) {
    MainWindow main(catalogueOf(twoNations), std::make_unique<ScriptedRandom>(), racingClock());
    main.show();
    click(child<QPushButton>(&main, "divisionWindowButton"));
    DivisionWindow* const win = main.divisionWindow();
    ASSERT_NE(win, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(win));
    addRows(win, {1, 2});
    selectedList(win)->setCurrentRow(1);
    click(button(win, "findButton"));

    // Hidden mid-reveal: the reveal carries on to its end.
    click(button(win, "backButton"));
    EXPECT_FALSE(win->isVisible());
    ASSERT_TRUE(waitForReveal(win));
    EXPECT_FALSE(win->isVisible());
    EXPECT_TRUE(clubLabel(win)->font().bold());
    const QString club = clubLabel(win)->text();
    EXPECT_TRUE(club == "Celtic" || club == "Rangers" || club == "Bolton") << club.toStdString();

    click(child<QPushButton>(&main, "divisionWindowButton"));
    EXPECT_EQ(main.divisionWindow(), win);
    EXPECT_TRUE(win->isVisible());
    EXPECT_EQ(texts(allList(win)), twoNationsLabels);
    EXPECT_EQ(texts(selectedList(win)), (QStringList{"England Division 1", "Scotland Premier"}));
    EXPECT_TRUE(selectedList(win)->item(1)->isSelected());
    EXPECT_EQ(clubLabel(win)->text(), club);
}

TEST(DivisionLifecycle, closingDiscardsTheWindowAndItsReveal) {
    MainWindow main(catalogueOf(twoNations),
                    std::make_unique<ScriptedRandom>(std::vector<int>(60, 1)), racingClock());
    main.show();
    click(child<QCheckBox>(&main, "englandBox"));
    click(child<QPushButton>(&main, "findButton"));
    ASSERT_TRUE(waitForReveal(&main));
    const QString mainClub = clubLabel(&main)->text();
    ASSERT_FALSE(mainClub.isEmpty());

    click(child<QPushButton>(&main, "divisionWindowButton"));
    DivisionWindow* win = main.divisionWindow();
    ASSERT_NE(win, nullptr);
    click(button(win, "addAllButton"));
    click(button(win, "findButton"));
    const QPointer<ResultPanel> closedPanel = child<ResultPanel>(win, "resultPanel");
    ASSERT_TRUE(closedPanel->isRevealing());
    win->close();

    // Gone for the user at once, though Qt deletes it only later: its reveal
    // ends there, and the next use makes a new window that the deletion spares.
    EXPECT_EQ(main.divisionWindow(), nullptr);
    EXPECT_FALSE(closedPanel->isRevealing());
    click(child<QPushButton>(&main, "divisionWindowButton"));
    const QPointer<DivisionWindow> reopened = main.divisionWindow();
    ASSERT_NE(reopened, nullptr);
    EXPECT_NE(reopened.data(), win);
    QTest::qWait(100); // a timer that outlived its window would fire here
    EXPECT_TRUE(closedPanel.isNull());
    ASSERT_FALSE(reopened.isNull());
    EXPECT_EQ(clubLabel(&main)->text(), mainClub);
    EXPECT_TRUE(clubLabel(&main)->font().bold());

    win = reopened;
    EXPECT_TRUE(win->isVisible());
    EXPECT_EQ(texts(allList(win)), twoNationsLabels);
    EXPECT_TRUE(texts(selectedList(win)).isEmpty());
    EXPECT_TRUE(clubLabel(win)->text().isEmpty());
}

TEST(DivisionLifecycle, bothWindowsRevealAtOnceFromTheirOwnPools) {
    MainWindow main(catalogueOf(twoNations), std::make_unique<ScriptedRandom>(), racingClock());
    main.show();
    click(child<QPushButton>(&main, "divisionWindowButton"));
    DivisionWindow* const win = main.divisionWindow();
    ASSERT_NE(win, nullptr);
    addRows(win, {1});
    click(child<QCheckBox>(&main, "englandBox"));
    click(child<QPushButton>(&main, "findButton"));
    click(button(win, "findButton"));
    ASSERT_TRUE(child<ResultPanel>(&main, "resultPanel")->isRevealing());
    ASSERT_TRUE(waitForReveal(&main));
    ASSERT_TRUE(waitForReveal(win));
    // The random source picks slot 0 throughout: a shared pool would show one club twice.
    EXPECT_EQ(clubLabel(&main)->text(), QStringLiteral("Arsenal"));
    EXPECT_EQ(clubLabel(win)->text(), QStringLiteral("Celtic"));
    EXPECT_TRUE(clubLabel(&main)->font().bold());
    EXPECT_TRUE(clubLabel(win)->font().bold());
}

} // namespace
