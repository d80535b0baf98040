// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/leaveoutlist.h"
#include "gui/mainwindow.h"
#include "gui/managerswindow.h"
#include "guitestsupport.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

using namespace clubdraw;
using namespace clubdraw::testing;

namespace {

Catalogue sixClubs() {
    QStringList lines;
    for (const char* club : {"Arsenal", "Chelsea", "Everton", "Fulham", "Leeds", "Wimbledon"})
        lines << line("England", "Premier", "(level 1)", 0, club);
    return catalogueOf(lines);
}

struct ManagersFixture : ::testing::Test {
    ManagersFixture() { open(); }

    void open() {
        NationTicks england{};
        ticked(england, Nation::England) = true;
        window = std::make_unique<ManagersWindow>(
            catalogue, random, racingClock(),
            ManagersWindow::Sources{[=] { return ClubSource::fromNations(england, {}); },
                                    [] { return ClubSource::fromDivisions({}); }},
            leaveOutPath());
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    QString leaveOutPath() const { return dir.filePath(QStringLiteral("left-out.txt")); }
    QTableWidget* table() const { return child<QTableWidget>(window.get(), "managersTable"); }
    QPushButton* button(const char* name) const { return child<QPushButton>(window.get(), name); }
    QLineEdit* edit(const char* name) const { return child<QLineEdit>(window.get(), name); }
    QStringList column(int c) const {
        QStringList cells;
        for (int row = 0; row < table()->rowCount(); ++row)
            cells << table()->item(row, c)->text();
        return cells;
    }
    // Where a user's key goes: to whatever has the focus.
    static void key(Qt::Key k, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(QApplication::focusWidget(), k, modifiers);
    }
    void drawAndLand(const char* which = "drawButton") {
        QSignalSpy landed(window.get(), &ManagersWindow::revealFinished);
        click(button(which));
        ASSERT_TRUE(!window->isRevealing() || landed.wait(5000));
    }

    QTemporaryDir dir;
    Catalogue catalogue = sixClubs();
    ScriptedRandom random;
    std::unique_ptr<ManagersWindow> window;
};

TEST_F(ManagersFixture, everyCaptionFitsItsControl) {
    click(button("showLeftOutButton"));
    clubdraw::testing::expectCaptionsFit(window.get());
}

TEST_F(ManagersFixture, managersAreAddedRenamedMovedAndRemovedByKeyboard) {
    EXPECT_EQ(column(0), (QStringList{"Manager 1", "Manager 2"}));
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    table()->setFocus();
    key(Qt::Key_Insert);
    key(Qt::Key_Insert);
    EXPECT_EQ(column(0), (QStringList{"Manager 1", "Manager 2", "Manager 3", "Manager 4"}));
    table()->setCurrentCell(0, 0);
    key(Qt::Key_F2);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Ann"));
    key(Qt::Key_Return);
    QCoreApplication::processEvents(); // the edit is committed by a queued call
    key(Qt::Key_Down, Qt::ControlModifier);
    key(Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(column(0), (QStringList{"Manager 2", "Manager 3", "Ann", "Manager 4"}));
    for (int i = 0; i < 4; ++i)
        key(Qt::Key_Delete);
    EXPECT_EQ(table()->rowCount(), 2); // never fewer than two
}

TEST_F(ManagersFixture, drawRevealsRowByRowAndDrawAgainKeepsTheKeptRow) {
    click(button("addManagerButton"));
    click(button("addManagerButton"));
    edit("agreedWordsEdit")->setText(QStringLiteral("Round 1, 10 December"));
    click(button("drawButton"));
    ASSERT_TRUE(window->isRevealing());
    QTest::keyClick(window.get(), Qt::Key_Escape); // skips to the results
    EXPECT_FALSE(window->isRevealing());
    const QStringList first = column(1);
    EXPECT_EQ(QSet<QString>(first.begin(), first.end()).size(), 4);
    EXPECT_TRUE(table()->item(3, 1)->font().bold());
    const QString code = edit("drawCodeEdit")->text();
    EXPECT_FALSE(code.isEmpty());

    table()->item(1, 3)->setCheckState(Qt::Checked);
    edit("agreedWordsEdit")->setText(QStringLiteral("Round 2"));
    drawAndLand("drawAgainButton");
    const QStringList second = column(1);
    EXPECT_EQ(second[1], first[1]);
    EXPECT_EQ(QSet<QString>(second.begin(), second.end()).size(), 4);
    EXPECT_NE(edit("drawCodeEdit")->text(), code);

    // The first code, typed in, gives the first clubs again.
    edit("drawCodeEdit")->setText(code.toLower());
    click(button("replayButton"));
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_EQ(column(1), first);
    edit("drawCodeEdit")->setText(code.left(code.size() - 1) + (code.endsWith('0') ? '1' : '0'));
    click(button("replayButton"));
    EXPECT_FALSE(child<QLabel>(window.get(), "messageLabel")->text().isEmpty());
    EXPECT_EQ(column(1), first);

    click(button("copyResultButton"));
    EXPECT_TRUE(QApplication::clipboard()->text().contains(first[0]));
}

TEST_F(ManagersFixture, tooSmallAPoolDrawsNothing) {
    for (int i = 0; i < 5; ++i)
        click(button("addManagerButton"));
    click(button("drawButton"));
    EXPECT_FALSE(window->isRevealing());
    EXPECT_EQ(column(1), QStringList(7, QString()));
    EXPECT_TRUE(child<QLabel>(window.get(), "messageLabel")->text().contains(QLatin1String("6")));
}

TEST_F(ManagersFixture, clubsLeftOutAreSavedAndNeverDrawn) {
    drawAndLand();
    const QString leftOut = table()->item(0, 1)->text();
    table()->setCurrentCell(0, 0);
    click(button("leaveOutRowButton"));
    ASSERT_TRUE(LeaveOutList::read(leaveOutPath())
                    .contains(ClubIdentity{QStringLiteral("England"), leftOut}));

    window.reset(); // a new start reads the list back
    open();
    click(button("showLeftOutButton"));
    EXPECT_EQ(child<QListWidget>(window.get(), "leftOutList")->count(), 1);
    for (int i = 0; i < 3; ++i)
        click(button("addManagerButton"));
    drawAndLand();
    EXPECT_FALSE(column(1).contains(leftOut));

    // Picked from the searchable list, then put back.
    const QString other = leftOut == QLatin1String("Fulham") ? "Wimbledon" : "Fulham";
    edit("clubSearchEdit")->setText(other.toLower());
    auto* list = child<QListView>(window.get(), "catalogueList");
    list->setCurrentIndex(list->model()->index(0, 0));
    click(button("leaveOutPickedButton"));
    EXPECT_EQ(LeaveOutList::read(leaveOutPath()).count(), 2);
    child<QListWidget>(window.get(), "leftOutList")->setCurrentRow(0);
    click(button("putBackButton"));
    EXPECT_EQ(texts(child<QListWidget>(window.get(), "leftOutList")),
              QStringList{other + " (England)"});
}

TEST_F(ManagersFixture, aBrokenListIsReportedAndLeftAsItIs) {
    const QByteArray broken = "\"England\",\"Arsenal\"\r\nno club here\r\n";
    QFile file(leaveOutPath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(broken) == broken.size());
    file.close();
    window.reset();
    open();
    const QString report = child<QLabel>(window.get(), "leftOutFileLabel")->text();
    EXPECT_TRUE(report.contains(leaveOutPath()) && report.contains(QLatin1String("2")));
    drawAndLand();
    table()->setCurrentCell(0, 0);
    click(button("leaveOutRowButton"));
    EXPECT_FALSE(button("leaveOutRowButton")->isEnabled());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), broken);
}

// The main window hands over its choice; the menu opens one window.
TEST(ManagersMenu, opensOneWindowThatFollowsTheMainWindowsTicks) {
    MainWindow main(sixClubs(), std::make_unique<ScriptedRandom>(), racingClock());
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    QTest::keyClick(&main, Qt::Key_M, Qt::ControlModifier);
    ManagersWindow* window = main.managersWindow();
    ASSERT_NE(window, nullptr);
    child<QAction>(&main, "severalManagersAction")->trigger();
    EXPECT_EQ(main.managersWindow(), window);
    auto* pool = child<QLabel>(window, "poolLabel");
    click(child<QCheckBox>(&main, "englandBox"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return pool->text().contains(QLatin1String("6")); }));
    click(child<QRadioButton>(window, "divisionsSourceButton"));
    QCoreApplication::processEvents();
    // No division window yet: it says so, with no count.
    EXPECT_FALSE(pool->text().isEmpty());
    EXPECT_FALSE(pool->text().contains(QLatin1String("6")));
}

} // namespace
