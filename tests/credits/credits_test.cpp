#include "credits/frm_about.h"
#include "credits/frm_takk.h"
#include "credits/picture_box.h"
#include "nation_draw/frm_cmtrekning.h"
#include "test_support.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace clubdraw;
using clubdraw::testing::catalogue_of;
using clubdraw::testing::scripted_random;

namespace {

struct credits_fixture : ::testing::Test {
    credits_fixture() : main(catalogue_of({}), std::make_unique<scripted_random>()) {
        main.show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&main));
    }

    static void activate(QWidget* window) {
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window));
    }

    frm_cmtrekning main;
};

TEST_F(credits_fixture, about_is_one_window_with_one_copy_of_its_lines) {
    main.About2->trigger();
    frm_about* about = main.about();
    ASSERT_NE(about, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(about));
    main.About2->trigger();
    EXPECT_EQ(main.about(), about);
    EXPECT_EQ(QApplication::topLevelWidgets().count(about), 1);
    EXPECT_EQ(about->pct_credits->lines(), frm_about::credit_lines());
    EXPECT_EQ(about->lbl_rt->text(), QStringLiteral("Clubdraw v. 3.00"));
    EXPECT_EQ(about->parentWidget(), nullptr); // no owner: the main window stays usable
    EXPECT_EQ(QApplication::focusWidget(), about->cmd_back);

    const QStringList lines = frm_about::credit_lines();
    ASSERT_EQ(lines.size(), 7);
    EXPECT_EQ(lines[0], QStringLiteral("by"));
    EXPECT_TRUE(lines[1].isEmpty());
    EXPECT_TRUE(lines[5].isEmpty());
    for (int i : {2, 3, 4, 6})
        EXPECT_TRUE(lines[i].startsWith(QStringLiteral("  ")) && lines[i][2] != u' ') << i;
}

TEST_F(credits_fixture, every_activation_redraws_the_lines_once) {
    main.About2->trigger();
    frm_about* about = main.about();
    ASSERT_TRUE(QTest::qWaitForWindowActive(about));
    about->pct_credits->print(QStringLiteral("stray"));
    activate(&main);
    activate(about);
    EXPECT_EQ(about->pct_credits->lines(), frm_about::credit_lines());
    activate(&main);
    activate(about);
    EXPECT_EQ(about->pct_credits->lines(), frm_about::credit_lines());
}

TEST_F(credits_fixture, back_hides_and_the_menu_shows_the_same_window_again) {
    main.About2->trigger();
    main.Thanks->trigger();
    frm_about* about = main.about();
    frm_takk* takk = main.takk();
    ASSERT_TRUE(QTest::qWaitForWindowActive(takk));
    EXPECT_TRUE(about->isVisible());
    QTest::mouseClick(about->cmd_back, Qt::LeftButton);
    EXPECT_FALSE(about->isVisible());
    EXPECT_TRUE(takk->isVisible()); // the other one is left alone
    EXPECT_EQ(takk->pct_liste->lines(), frm_takk::thanks_lines());
    main.About2->trigger();
    EXPECT_EQ(main.about(), about);
    EXPECT_TRUE(about->isVisible());

    const QStringList thanks = frm_takk::thanks_lines();
    ASSERT_EQ(thanks.size(), 8);
    for (int i : {0, 1, 3, 4, 6, 7}) {
        EXPECT_FALSE(thanks[i].isEmpty());
        EXPECT_FALSE(thanks[i].startsWith(u' '));
    }
    for (int i : {1, 4, 7})
        EXPECT_TRUE(thanks[i].endsWith(QStringLiteral("@example.org")));
}

// Lines wider than their box would be cut off at its edge.
TEST_F(credits_fixture, every_line_fits_its_box) {
    main.About2->trigger();
    main.Thanks->trigger();
    for (picture_box* box : {main.about()->pct_credits, main.takk()->pct_liste}) {
        const QFontMetrics metrics(box->font());
        for (const QString& line : box == main.about()->pct_credits ? frm_about::credit_lines() : frm_takk::thanks_lines())
            EXPECT_LE(metrics.horizontalAdvance(line), box->contentsRect().width()) << line.toStdString();
        EXPECT_LE(metrics.height() * 8, box->contentsRect().height());
    }
}

TEST_F(credits_fixture, closing_through_the_title_bar_discards_and_the_next_use_creates_anew) {
    main.Thanks->trigger();
    ASSERT_NE(main.takk(), nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(main.takk()));
    main.takk()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(main.takk(), nullptr);
    main.Thanks->trigger();
    ASSERT_NE(main.takk(), nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(main.takk()));
    EXPECT_EQ(main.takk()->pct_liste->lines(), frm_takk::thanks_lines());
    EXPECT_EQ(QApplication::focusWidget(), main.takk()->pct_liste);
}

} // namespace
