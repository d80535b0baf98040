#include "division_draw/frm_velgliga.h"
#include "nation_draw/frm_cmtrekning.h"
#include "test_support.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <ostream>

// Readable failure messages for texts and lists of texts.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace {

using clubdraw::candidate_pool;
using clubdraw::frm_cmtrekning;
using clubdraw::frm_velgliga;
using clubdraw::lagliste;
using clubdraw::team_record;
using clubdraw::testing::catalogue_of;
using clubdraw::testing::line;
using clubdraw::testing::scripted_random;

QStringList texts(const QListWidget* list) {
    QStringList result;
    for (int i = 0; i < list->count(); ++i)
        result << list->item(i)->text();
    return result;
}

QStringList team_names(const candidate_pool& pool) {
    QStringList result;
    for (const team_record& record : pool.entries())
        result << record.team;
    return result;
}

bool is_bold(const QLabel* label) { return label->font().bold(); }

// ">" on each given entry of "All divisions" in turn.
void add_rows(frm_velgliga& window, std::initializer_list<int> rows) {
    for (int row : rows) {
        window.lst_alle->setCurrentRow(row);
        window.cmd_velg_en->click();
    }
}

// A draw from the one division in row `all_row` of "All divisions".
void draw_from(frm_velgliga& window, int all_row) {
    window.cmd_fjern_alle_Click();
    add_rows(window, {all_row});
    window.cmd_velg_lag_Click();
}

// Bounded, so a reveal that never lands fails instead of hanging.
int tick_to_end(frm_velgliga& window) {
    int ticks = 0;
    while (window.reveal().running() && ticks < 1000) {
        window.Timer1_Timer();
        ++ticks;
    }
    return ticks;
}

// The window keeps references to both, so they live beside it.
struct division_window {
    explicit division_window(const QStringList& lines, std::vector<int> picks = {})
        : catalogue(catalogue_of(lines)), random(std::move(picks)), window(catalogue, random) {}

    lagliste catalogue;
    scripted_random random;
    frm_velgliga window;
};

const QStringList five_divisions = {
    line("Scotland", "Premier", "", 0, "Celtic"), line("England", "Premier", "", 0, "Arsenal"),
    line("Brazil", "Serie A", "", 0, "Santos"),   line("argentina", "Primera", "", 0, "Boca"),
    line("England", "Division 1", "", 0, "Bolton"),
};
const QStringList five_labels = {"Scotland Premier", "England Premier", "Brazil Serie A", "argentina Primera",
                                 "England Division 1"};

TEST(division_window, all_divisions_lists_each_pair_once_in_file_order) {
    const QString terminator = line("", "", "", 0, "");
    struct row {
        const char* name;
        QStringList lines;
        QStringList labels;
    };
    const row rows[] = {
        {"repeats, case and nations",
         {line("England", "Premier", "", 0, "A"), line("Scotland", "Premier", "", 0, "B"),
          line("England", "Premier", "", 1, "C"), line("England", "premier", "", 0, "D"),
          line("Brazil", "Serie A", "", 0, "E")},
         {"England Premier", "Scotland Premier", "England premier", "Brazil Serie A"}},
        {"terminator at the end", {line("Wales", "League", "", 0, "A"), terminator}, {"Wales League"}},
        {"terminator with texts", {line("Wales", "League", "", 0, "A"), line("Wales", "Cup", "", 0, "")},
         {"Wales League"}},
        {"terminator first", {terminator, line("Wales", "League", "", 0, "A")}, {"Wales League"}},
        {"empty nation and division first",
         {line("", "League", "", 0, "A"), line("Wales", "", "", 0, "B"), line("Wales", "League", "", 0, "C")},
         {" League", "Wales ", "Wales League"}},
        {"only a terminator", {terminator}, {}},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(r.name);
        division_window w(r.lines);
        EXPECT_EQ(texts(w.window.lst_alle), r.labels);
    }
}

TEST(division_window, add_one_keeps_selected_sorted_and_ignores_no_entry_or_repeats) {
    division_window w(five_divisions);
    frm_velgliga& win = w.window;
    win.lst_alle->clearSelection();
    win.cmd_velg_en->click();
    EXPECT_TRUE(texts(win.lst_valgte).isEmpty());

    add_rows(win, {0, 2, 3});
    const QStringList sorted = {"argentina Primera", "Brazil Serie A", "Scotland Premier"};
    EXPECT_EQ(texts(win.lst_valgte), sorted);
    // Already selected: no second entry, and no replacement either.
    add_rows(win, {0});
    EXPECT_EQ(texts(win.lst_valgte), sorted);
    win.lst_valgte->setCurrentRow(0);
    add_rows(win, {0});
    EXPECT_EQ(texts(win.lst_valgte), sorted);

    // The selected entry on the right is replaced, and can come back later.
    win.lst_valgte->setCurrentRow(1);
    add_rows(win, {4});
    EXPECT_EQ(texts(win.lst_valgte), (QStringList{"argentina Primera", "England Division 1", "Scotland Premier"}));
    add_rows(win, {2});
    EXPECT_EQ(texts(win.lst_valgte),
              (QStringList{"argentina Primera", "Brazil Serie A", "England Division 1", "Scotland Premier"}));
    EXPECT_EQ(texts(win.lst_alle), five_labels);
}

TEST(division_window, remove_one_select_all_and_remove_all) {
    division_window w(five_divisions);
    frm_velgliga& win = w.window;
    add_rows(win, {1, 4});
    win.lst_valgte->clearSelection();
    win.cmd_fjern_en->click();
    EXPECT_EQ(texts(win.lst_valgte), (QStringList{"England Division 1", "England Premier"}));
    win.lst_valgte->setCurrentRow(1);
    win.cmd_fjern_en->click();
    EXPECT_EQ(texts(win.lst_valgte), QStringList{"England Division 1"});
    win.lst_valgte->setCurrentRow(0);
    win.lst_valgte_DblClick();
    EXPECT_TRUE(texts(win.lst_valgte).isEmpty());
    add_rows(win, {1});
    EXPECT_EQ(texts(win.lst_valgte), QStringList{"England Premier"});

    const QStringList all_sorted = {"argentina Primera", "Brazil Serie A", "England Division 1", "England Premier",
                                    "Scotland Premier"};
    win.cmd_velg_alle->click();
    EXPECT_EQ(texts(win.lst_valgte), all_sorted);
    win.cmd_velg_alle->click();
    EXPECT_EQ(texts(win.lst_valgte), all_sorted);

    win.cmd_fjern_alle->click();
    EXPECT_TRUE(texts(win.lst_valgte).isEmpty());
    win.cmd_fjern_alle->click();
    EXPECT_TRUE(texts(win.lst_valgte).isEmpty());
    add_rows(win, {0});
    EXPECT_EQ(texts(win.lst_valgte), QStringList{"Scotland Premier"});
    EXPECT_EQ(texts(win.lst_alle), five_labels);
}

TEST(division_window, double_clicks_move_entries) {
    division_window w(five_divisions);
    frm_velgliga& win = w.window;
    win.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&win));
    // A widget sees a double-click as a click followed by a double-click event.
    const auto double_click = [](QListWidget* list, int row) {
        const QPoint at = list->visualItemRect(list->item(row)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    };
    double_click(win.lst_alle, 2);
    EXPECT_EQ(texts(win.lst_valgte), QStringList{"Brazil Serie A"});
    double_click(win.lst_valgte, 0);
    EXPECT_TRUE(texts(win.lst_valgte).isEmpty());
}

TEST(division_window, draw_pools_every_team_of_the_selected_divisions) {
    division_window w({line("England", "Premier", "", 1, "Arsenal"), line("Scotland", "Premier", "", 0, "Celtic"),
                       line("England", "Division 1", "", 0, "Bolton"), line("England", "Premier", "", 0, "Chelsea"),
                       line("Scotland", "Premier", "", 1, "Rangers")});
    frm_velgliga& win = w.window;
    add_rows(win, {0, 1});
    win.cmd_velg_lag->click();
    EXPECT_EQ(team_names(win.pool()), (QStringList{"Arsenal", "Celtic", "Chelsea", "Rangers"}));
    EXPECT_TRUE(win.Timer1->isActive());

    // A new draw after a landed one starts blank and in regular weight.
    tick_to_end(win);
    ASSERT_TRUE(is_bold(win.lbl_lag_lag));
    win.cmd_velg_lag_Click();
    EXPECT_TRUE(win.lbl_lag_lag->text().isEmpty());
    EXPECT_TRUE(win.lbl_divisjon->text().isEmpty());
    EXPECT_FALSE(is_bold(win.lbl_lag_lag));
    EXPECT_FALSE(is_bold(win.lbl_divisjon));
    EXPECT_TRUE(win.reveal().running());
}

TEST(division_window, fewer_than_two_teams_stop_the_reveal) {
    division_window w({line("England", "Premier", "", 0, "Arsenal"), line("England", "Premier", "", 0, "Chelsea"),
                       line("Wales", "League", "", 0, "Barry")});
    frm_velgliga& win = w.window;
    const auto expect_stopped_and_blank = [&](const char* when) {
        SCOPED_TRACE(when);
        EXPECT_FALSE(win.reveal().running());
        EXPECT_FALSE(win.Timer1->isActive());
        EXPECT_TRUE(win.lbl_lag_lag->text().isEmpty());
        EXPECT_TRUE(win.lbl_divisjon->text().isEmpty());
        EXPECT_FALSE(is_bold(win.lbl_lag_lag));
        EXPECT_FALSE(is_bold(win.lbl_divisjon));
    };
    draw_from(win, 0);
    tick_to_end(win);
    draw_from(win, 1);
    expect_stopped_and_blank("one team, after a landed reveal");

    draw_from(win, 0);
    for (int i = 0; i < 5; ++i)
        win.Timer1_Timer();
    win.cmd_fjern_alle_Click();
    win.cmd_velg_lag_Click();
    expect_stopped_and_blank("no division, mid-reveal");
}

TEST(division_window, each_entry_draws_its_own_nation_and_division) {
    division_window w({line("Northern Ireland", "Irish League", "", 0, "Linfield"),
                       line("England", " Premier", "", 0, "Leeds"), line("England", "Premier", "", 0, "Arsenal"),
                       line("England", "Premier ", "", 0, "Derby"), line("A B", "C", "", 0, "T1"),
                       line("A", "B C", "", 0, "U1"), line("Northern Ireland", "Irish League", "", 0, "Glentoran"),
                       line("A B", "C", "", 0, "T2"), line("A", "B C", "", 0, "U2")});
    frm_velgliga& win = w.window;
    EXPECT_EQ(texts(win.lst_alle), (QStringList{"Northern Ireland Irish League", "England  Premier",
                                                "England Premier", "England Premier ", "A B C", "A B C"}));
    const QStringList pools[] = {{"Linfield", "Glentoran"}, {"Leeds"}, {"Arsenal"}, {"Derby"}, {"T1", "T2"},
                                 {"U1", "U2"}};
    for (int row = 0; row < 6; ++row) {
        SCOPED_TRACE(row);
        draw_from(win, row);
        EXPECT_EQ(team_names(win.pool()), pools[row]);
    }

    // Both entries that read "A B C" can be selected together.
    win.cmd_fjern_alle_Click();
    add_rows(win, {4, 5});
    EXPECT_EQ(texts(win.lst_valgte), (QStringList{"A B C", "A B C"}));
    win.cmd_velg_lag_Click();
    EXPECT_EQ(team_names(win.pool()), (QStringList{"T1", "U1", "T2", "U2"}));
}

TEST(division_window, reveal_lands_in_bold_on_the_57th_tick) {
    struct row {
        int all_row;
        QString team;
        QString division_line;
    };
    const row rows[] = {
        {0, "Lazio", "Italy, Serie A(A)"},
        {1, "Chelsea", "England, Premier (A)"},
        {2, "Boca", "italy, Primera (A)"},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(r.team.toStdString());
        std::vector<int> picks(56, 0);
        picks.push_back(1);
        division_window w({line("Italy", "Serie A", "(A)", 0, "Milan"), line("Italy", "Serie A", "(A)", 0, "Lazio"),
                           line("England", "Premier", "(A)", 0, "Arsenal"),
                           line("England", "Premier", "(A)", 0, "Chelsea"), line("italy", "Primera", "(A)", 0, "River"),
                           line("italy", "Primera", "(A)", 0, "Boca")},
                          picks);
        frm_velgliga& win = w.window;
        QSignalSpy finished(&win, &frm_velgliga::reveal_finished);
        draw_from(win, r.all_row);
        for (int tick = 1; tick < 57; ++tick) {
            win.Timer1_Timer();
            ASSERT_TRUE(win.reveal().running()) << "tick " << tick;
        }
        EXPECT_EQ(win.lbl_lag_lag->text(), win.pool().at(0).team);
        EXPECT_FALSE(is_bold(win.lbl_lag_lag));
        EXPECT_EQ(finished.count(), 0);

        win.Timer1_Timer();
        EXPECT_FALSE(win.Timer1->isActive());
        EXPECT_EQ(finished.count(), 1);
        EXPECT_EQ(win.lbl_lag_lag->text(), r.team);
        EXPECT_EQ(win.lbl_divisjon->text(), r.division_line);
        EXPECT_TRUE(is_bold(win.lbl_lag_lag));
        EXPECT_TRUE(is_bold(win.lbl_divisjon));
    }
}

TEST(division_window, clear_results_mid_reveal_lasts_until_the_next_tick) {
    division_window w({line("England", "Premier", "", 0, "Arsenal"), line("England", "Premier", "", 0, "Chelsea")});
    frm_velgliga& win = w.window;
    draw_from(win, 0);
    for (int i = 0; i < 10; ++i)
        win.Timer1_Timer();
    win.cmd_slett_lag->click();
    EXPECT_TRUE(win.lbl_lag_lag->text().isEmpty());
    EXPECT_TRUE(win.lbl_divisjon->text().isEmpty());
    EXPECT_TRUE(win.Timer1->isActive());

    win.Timer1_Timer();
    EXPECT_EQ(win.lbl_lag_lag->text(), "Arsenal");
    EXPECT_EQ(win.lbl_divisjon->text(), "England, Premier ");
    EXPECT_EQ(tick_to_end(win), 57 - 11);
    EXPECT_TRUE(is_bold(win.lbl_lag_lag));
    EXPECT_TRUE(is_bold(win.lbl_divisjon));
}

const QStringList two_nations = {
    line("England", "Premier", "", 0, "Arsenal"), line("Scotland", "Premier", "", 0, "Celtic"),
    line("England", "Premier", "", 0, "Chelsea"), line("Scotland", "Premier", "", 0, "Rangers"),
    line("England", "Division 1", "", 0, "Bolton"),
};
const QStringList two_nations_labels = {"England Premier", "Scotland Premier", "England Division 1"};

TEST(division_lifecycle, back_hides_the_one_window_and_keeps_everything) {
    frm_cmtrekning main(catalogue_of(two_nations), std::make_unique<scripted_random>());
    main.cmd_byttskjema_Click();
    frm_velgliga* const win = main.velgliga();
    ASSERT_NE(win, nullptr);
    add_rows(*win, {1, 2});
    win->lst_valgte->setCurrentRow(1);
    win->cmd_velg_lag_Click();

    // Hidden mid-reveal: the reveal carries on to its end.
    QSignalSpy finished(win, &frm_velgliga::reveal_finished);
    win->cmd_tilbake->click();
    EXPECT_FALSE(win->isVisible());
    ASSERT_TRUE(finished.wait(5000));
    EXPECT_FALSE(win->isVisible());
    EXPECT_TRUE(is_bold(win->lbl_lag_lag));
    EXPECT_TRUE(is_bold(win->lbl_divisjon));
    const QString team = win->lbl_lag_lag->text();
    EXPECT_TRUE(team == "Celtic" || team == "Rangers" || team == "Bolton") << team.toStdString();

    main.cmd_byttskjema_Click();
    EXPECT_EQ(main.velgliga(), win);
    EXPECT_TRUE(win->isVisible());
    EXPECT_EQ(texts(win->lst_alle), two_nations_labels);
    EXPECT_EQ(texts(win->lst_valgte), (QStringList{"England Division 1", "Scotland Premier"}));
    EXPECT_TRUE(win->lst_valgte->item(1)->isSelected());
    EXPECT_EQ(win->lbl_lag_lag->text(), team);
}

TEST(division_lifecycle, closing_discards_the_window_and_its_reveal) {
    frm_cmtrekning main(catalogue_of(two_nations), std::make_unique<scripted_random>(std::vector<int>(60, 1)));
    main.chk_england->setChecked(true);
    main.cmd_Velg_Click();
    while (main.reveal().running())
        main.Timer1_Timer();
    const QString main_team = main.lbl_lag->text();
    const QString main_division = main.lbl_divisjon->text();
    ASSERT_FALSE(main_team.isEmpty());

    main.cmd_byttskjema_Click();
    frm_velgliga* win = main.velgliga();
    ASSERT_NE(win, nullptr);
    win->cmd_velg_alle_Click();
    win->cmd_velg_lag_Click();
    for (int i = 0; i < 5; ++i)
        win->Timer1_Timer();
    win->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(main.velgliga(), nullptr);
    QTest::qWait(300);
    EXPECT_EQ(main.lbl_lag->text(), main_team);
    EXPECT_EQ(main.lbl_divisjon->text(), main_division);
    EXPECT_TRUE(is_bold(main.lbl_lag));

    main.cmd_byttskjema_Click();
    win = main.velgliga();
    ASSERT_NE(win, nullptr);
    EXPECT_TRUE(win->isVisible());
    EXPECT_EQ(texts(win->lst_alle), two_nations_labels);
    EXPECT_TRUE(texts(win->lst_valgte).isEmpty());
    EXPECT_TRUE(win->lbl_lag_lag->text().isEmpty());
}

TEST(division_lifecycle, both_windows_reveal_from_their_own_pools) {
    frm_cmtrekning main(catalogue_of(two_nations), std::make_unique<scripted_random>());
    auto& random = dynamic_cast<scripted_random&>(main.random());
    main.cmd_byttskjema_Click();
    frm_velgliga* const win = main.velgliga();
    ASSERT_NE(win, nullptr);
    main.chk_england->setChecked(true);
    main.cmd_Velg_Click();
    add_rows(*win, {1});
    win->cmd_velg_lag_Click();
    const QStringList england = {"Arsenal", "Chelsea", "Bolton"};
    const QStringList scotland = {"Celtic", "Rangers"};
    ASSERT_EQ(team_names(main.pool()), england);
    ASSERT_EQ(team_names(win->pool()), scotland);

    // Interleaved ticks with varied picks, so a shared pool would show.
    for (int tick = 0; main.reveal().running() || win->reveal().running(); ++tick) {
        ASSERT_LT(tick, 200);
        random.push(tick);
        random.push(tick + 1);
        if (main.reveal().running())
            main.Timer1_Timer();
        if (win->reveal().running())
            win->Timer1_Timer();
        EXPECT_TRUE(england.contains(main.lbl_lag->text())) << main.lbl_lag->text().toStdString();
        EXPECT_TRUE(main.lbl_divisjon->text().startsWith("England, "));
        EXPECT_TRUE(scotland.contains(win->lbl_lag_lag->text())) << win->lbl_lag_lag->text().toStdString();
        EXPECT_EQ(win->lbl_divisjon->text(), "Scotland, Premier ");
    }
    EXPECT_TRUE(is_bold(main.lbl_lag));
    EXPECT_TRUE(is_bold(win->lbl_lag_lag));
}

} // namespace
