#include "nation_draw/frm_cmtrekning.h"
#include "test_support.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace clubdraw;
using clubdraw::testing::catalogue_of;
using clubdraw::testing::line;
using clubdraw::testing::scripted_random;

namespace {

struct main_window_fixture : ::testing::Test {
    explicit main_window_fixture(QStringList lines = {
                                     line("England", "Premier League", "(level 1)", 0, "Arsenal"),
                                     line("England", "Premier League", "(level 1)", 0, "Chelsea"),
                                     line("England", "Conference", "(level 5)", 1, "Hayes & Yeading"),
                                     line("Italy", "Serie A", " (level 1)", 0, "Roma"),
                                     line("Italy", "Serie A", " (level 1)", 0, "<b>Lazio</b>"),
                                     line("Japan", "J1", "(level 1)", 0, "Kashima Antlers"),
                                 })
        : random(new scripted_random), window(catalogue_of(lines), std::unique_ptr<random_source>(random)) {}

    // Runs ticks the way the timer would, until the reveal lands.
    int finish_reveal() {
        int ticks = 0;
        while (window.Timer1->isActive() && ticks < 200) {
            window.Timer1_Timer();
            ++ticks;
        }
        return ticks;
    }

    scripted_random* random;
    frm_cmtrekning window;
};

// Option buttons and check boxes take clicks on their indicator and caption only.
void click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2)); }

TEST_F(main_window_fixture, opens_in_its_start_state) {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Clubdraw for Championship Manager 99/00"));
    EXPECT_EQ(window.centralWidget()->size(), QSize(515, 488));
    EXPECT_EQ(window.geometry().topLeft(), QPoint(79, 74));
    for (int n = 0; n < nation_count; ++n)
        EXPECT_EQ(window.nation_box(static_cast<nation>(n))->checkState(), Qt::Unchecked);
    for (QRadioButton* preset : {window.opt_alle, window.opt_ingen, window.opt_europa, window.opt_sam,
                                 window.opt_vinter, window.opt_sommer})
        EXPECT_FALSE(preset->isChecked()) << preset->text().toStdString();
    EXPECT_TRUE(window.opt_normal->isChecked());
    EXPECT_EQ(window.opt_normal->text(), QStringLiteral("Minimum"));
    EXPECT_EQ(window.opt_utvidet->text(), QStringLiteral("Normal"));
    EXPECT_TRUE(window.lbl_lag->text().isEmpty());
    EXPECT_FALSE(window.lbl_lag->font().bold());
    EXPECT_FALSE(window.Timer1->isActive());
    EXPECT_EQ(window.lbl_somspilleri->text(), QStringLiteral(" in :"));
    EXPECT_TRUE(window.lbl_overskrift->font().bold());
    // USA lies on the window, in the grid's last place below Sweden.
    EXPECT_EQ(window.chk_usa->parentWidget(), window.centralWidget());
    EXPECT_EQ(window.chk_usa->geometry().topLeft(),
              window.fra_land->geometry().topLeft() + window.chk_sverige->geometry().topLeft() + QPoint(0, 32));
    EXPECT_EQ(window.About2->text(), QStringLiteral("About..."));
    EXPECT_EQ(window.Thanks->text(), QStringLiteral("Thanks to..."));
}

TEST_F(main_window_fixture, tab_order_follows_the_layout_and_focus_starts_on_argentina) {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    EXPECT_EQ(QApplication::focusWidget(), window.chk_argentina);
    const QWidget* expected[] = {window.chk_argentina, window.chk_brasil,  window.chk_belgia,   window.chk_danmark,
                                 window.chk_england,   window.chk_frankrike, window.chk_italia, window.chk_japan,
                                 window.chk_nederland, window.chk_norge,   window.chk_portugal, window.chk_skottland,
                                 window.chk_spania,    window.chk_sverige, window.chk_tyskland, window.opt_normal,
                                 window.opt_utvidet,   window.cmd_Velg,    window.cmd_Avslutt,  window.opt_sommer,
                                 window.opt_vinter,    window.opt_alle,    window.opt_ingen,    window.cmd_slett,
                                 window.cmd_byttskjema, window.opt_europa, window.opt_sam,      window.chk_usa};
    for (std::size_t i = 0; i + 1 < std::size(expected); ++i)
        EXPECT_EQ(expected[i]->nextInFocusChain(), expected[i + 1]) << i;
}

TEST_F(main_window_fixture, every_caption_fits_its_control) {
    for (QWidget* w : window.findChildren<QWidget*>()) {
        QString text;
        int room = w->width();
        if (auto* b = qobject_cast<QPushButton*>(w))
            text = b->text(), room -= 8;
        else if (auto* b = qobject_cast<QAbstractButton*>(w))
            text = b->text(), room -= 20; // indicator and its spacing
        else if (auto* l = qobject_cast<QLabel*>(w))
            text = l->text();
        if (text.isEmpty())
            continue;
        EXPECT_LE(QFontMetrics(w->font()).horizontalAdvance(text), room) << text.toStdString();
    }
}

TEST_F(main_window_fixture, presets_rewrite_every_box_and_stay_selected_after_hand_ticks) {
    window.show();
    click(window.opt_alle);
    click(window.opt_sam);
    EXPECT_EQ(window.ticks(), preset_pattern(nation_preset::south_america));
    click(window.opt_vinter);
    click(window.opt_sommer);
    EXPECT_EQ(window.ticks(), preset_pattern(nation_preset::autumn_spring));
    EXPECT_TRUE(window.opt_sommer->isChecked());
    EXPECT_FALSE(window.opt_vinter->isChecked());
    EXPECT_TRUE(window.opt_normal->isChecked()); // the other group is untouched

    click(window.chk_japan);
    EXPECT_TRUE(window.chk_japan->isChecked());
    EXPECT_TRUE(window.opt_sommer->isChecked());
    // Clicking the selected preset again applies it again.
    click(window.opt_sommer);
    EXPECT_FALSE(window.chk_japan->isChecked());
    click(window.opt_ingen);
    EXPECT_EQ(window.ticks(), nation_ticks{});
}

TEST_F(main_window_fixture, a_draw_reveals_and_lands_in_bold) {
    window.chk_italia->setChecked(true);
    for (int i = 0; i < 57; ++i)
        random->push(i); // alternates Roma and Lazio; the 57th (index 56) picks Roma
    QSignalSpy landed(&window, &frm_cmtrekning::reveal_finished);
    QTest::mouseClick(window.cmd_Velg, Qt::LeftButton);
    EXPECT_TRUE(window.Timer1->isActive());
    EXPECT_EQ(window.Timer1->interval(), 1);
    EXPECT_EQ(window.Timer1->timerType(), Qt::PreciseTimer);
    EXPECT_EQ(finish_reveal(), 57);
    EXPECT_EQ(landed.count(), 1);
    EXPECT_EQ(window.lbl_lag->text(), QStringLiteral("Roma"));
    EXPECT_EQ(window.lbl_divisjon->text(), QStringLiteral("Italy, Serie A (level 1)"));
    EXPECT_TRUE(window.lbl_lag->font().bold());
    EXPECT_TRUE(window.lbl_divisjon->font().bold());
}

TEST_F(main_window_fixture, team_names_show_as_plain_text) {
    window.chk_italia->setChecked(true);
    window.opt_utvidet->setChecked(true);
    random->push(1);
    window.cmd_Velg_Click();
    window.Timer1_Timer();
    EXPECT_EQ(window.lbl_lag->text(), QStringLiteral("<b>Lazio</b>"));
    EXPECT_EQ(window.lbl_lag->textFormat(), Qt::PlainText);
    EXPECT_FALSE(window.lbl_lag->font().bold());
    window.chk_italia->setChecked(false);
    window.chk_england->setChecked(true);
    random->push(2);
    window.cmd_Velg_Click();
    window.Timer1_Timer();
    EXPECT_EQ(window.lbl_lag->text(), QStringLiteral("Hayes & Yeading"));
    EXPECT_EQ(window.lbl_lag->textFormat(), Qt::PlainText);
}

TEST_F(main_window_fixture, minimum_and_normal_choose_the_pool) {
    window.chk_england->setChecked(true);
    window.cmd_Velg_Click();
    EXPECT_EQ(window.pool().count(), 2);
    window.opt_utvidet->setChecked(true);
    window.cmd_Velg_Click();
    EXPECT_EQ(window.pool().count(), 3);
}

TEST_F(main_window_fixture, a_new_draw_during_a_reveal_restarts_it) {
    window.chk_england->setChecked(true);
    window.cmd_Velg_Click();
    for (int i = 0; i < 30; ++i)
        window.Timer1_Timer();
    ASSERT_GT(window.Timer1->interval(), 1);
    window.cmd_Velg_Click();
    EXPECT_TRUE(window.lbl_lag->text().isEmpty());
    EXPECT_EQ(window.Timer1->interval(), 1);
    EXPECT_EQ(finish_reveal(), 57);
}

TEST_F(main_window_fixture, a_draw_of_fewer_than_two_stops_the_running_reveal) {
    window.chk_england->setChecked(true);
    window.cmd_Velg_Click();
    for (int i = 0; i < 10; ++i)
        window.Timer1_Timer();
    window.chk_england->setChecked(false);
    window.chk_japan->setChecked(true); // one team only
    window.cmd_Velg_Click();
    EXPECT_FALSE(window.Timer1->isActive());
    EXPECT_TRUE(window.lbl_lag->text().isEmpty());
    EXPECT_TRUE(window.lbl_divisjon->text().isEmpty());
    EXPECT_FALSE(window.lbl_lag->font().bold());
    ASSERT_EQ(window.pool().count(), 1);
    EXPECT_EQ(window.pool().at(0).team, QStringLiteral("Kashima Antlers"));

    // Nothing ticked: still nothing shown, and nothing runs.
    window.chk_japan->setChecked(false);
    window.cmd_Velg_Click();
    EXPECT_FALSE(window.Timer1->isActive());
    EXPECT_EQ(window.pool().count(), 1);
}

TEST_F(main_window_fixture, clear_results_during_a_reveal_empties_labels_until_the_next_tick) {
    window.chk_england->setChecked(true);
    window.cmd_Velg_Click();
    for (int i = 0; i < 20; ++i)
        window.Timer1_Timer();
    QTest::mouseClick(window.cmd_slett, Qt::LeftButton);
    EXPECT_TRUE(window.lbl_lag->text().isEmpty());
    EXPECT_TRUE(window.lbl_divisjon->text().isEmpty());
    EXPECT_TRUE(window.Timer1->isActive());
    EXPECT_EQ(finish_reveal(), 37);
    EXPECT_FALSE(window.lbl_lag->text().isEmpty());
    EXPECT_TRUE(window.lbl_lag->font().bold());
    // After a finished draw it clears and leaves bold as it is.
    window.cmd_slett_Click();
    EXPECT_TRUE(window.lbl_lag->text().isEmpty());
    EXPECT_TRUE(window.lbl_lag->font().bold());
}

TEST_F(main_window_fixture, the_real_precise_timer_lands_in_bold) {
    window.chk_england->setChecked(true);
    QSignalSpy landed(&window, &frm_cmtrekning::reveal_finished);
    window.cmd_Velg_Click();
    ASSERT_TRUE(landed.wait(10000));
    EXPECT_TRUE(window.lbl_lag->font().bold());
    EXPECT_FALSE(window.Timer1->isActive());
}

TEST_F(main_window_fixture, quit_and_closing_the_window_end_the_event_loop) {
    window.show();
    QTimer::singleShot(0, window.cmd_Avslutt, [this] { QTest::mouseClick(window.cmd_Avslutt, Qt::LeftButton); });
    EXPECT_EQ(QApplication::exec(), 0);
    window.show();
    QTimer::singleShot(0, &window, [this] { window.close(); });
    EXPECT_EQ(QApplication::exec(), 0);
}

} // namespace
