// SPDX-License-Identifier: GPL-3.0-or-later
// A long seeded run of user actions over all four windows, checking after
// every step what must always hold. CLUBDRAW_STRESS_SEED replays a run.
#include "core/divisionselection.h"
#include "core/nationselection.h"
#include "gui/aboutwindow.h"
#include "gui/divisionwindow.h"
#include "gui/mainwindow.h"
#include "gui/resultpanel.h"
#include "gui/thankswindow.h"
#include "guitestsupport.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QListWidget>
#include <QMap>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cstdio>
#include <functional>
#include <random>

using namespace clubdraw;
using namespace clubdraw::testing;

namespace {

constexpr int actionCount = 2500;

// Case twins (one a whole nation), blanks in and around names, one division
// name under two nations, two divisions whose labels read the same, and
// divisions of one club and of "Normal" clubs only.
const QStringList stressCatalogue = {
    line("England", "Premier", "(level 1)", 0, "Arsenal"),
    line("England", "Premier", "(level 1)", 1, "Leeds"),
    line("England", "Division 1", "(level 2)", 0, "Bolton"),
    line("England", "Premier", "(level 1)", 0, "Chelsea"),
    line("England", "premier", "", 0, "Hyde"),
    line("England", "premier", "", 1, "Stalybridge"),
    line("England ", "Premier", "", 0, "Impostor"),
    line("england", "Premier", "", 0, "Lowtown"),
    line("Scotland", "Premier", "(level 1)", 0, "Celtic"),
    line("Scotland", "Premier", "(level 1)", 1, "Rangers"),
    line("Italy", "Serie A", " (level 1)", 0, "Roma"),
    line("Italy", "Serie A", " (level 1)", 1, "Lazio"),
    line("Brazil", "Serie A", "(level 1)", 0, "Flamengo"),
    line("Brazil", "Serie A", "(level 1)", 1, "Santos"),
    line("Costa Rica", "Primera", "", 0, "Saprissa"),
    line("Costa Rica", "Primera", "", 0, "Alajuelense"),
    line("Costa", "Rica Primera", "", 0, "Lookalike"),
    line("Costa", "Rica Primera", "", 1, "Soundalike"),
    line("Japan", "J1", "(level 1)", 0, "Kashima"),
    line("USA", "MLS", "", 1, "DC United"),
    line("USA", "MLS", "", 1, "LA Galaxy"),
    line("Germany", " Bundesliga ", "(level 1)", 0, "Bayern"),
    line("Germany", " Bundesliga ", "(level 1)", 0, "Dortmund"),
    line("Norway", "Tippeligaen", "", 0, "Rosenborg"),
};

std::uint32_t stressSeed() {
    bool ok = false;
    const uint seed = qEnvironmentVariable("CLUBDRAW_STRESS_SEED").toUInt(&ok);
    return ok ? seed : 19992000u;
}

QLabel* clubLabel(const ResultPanel* panel) {
    return panel->findChild<QLabel*>(QStringLiteral("clubLabel"));
}
QLabel* divisionLabel(const ResultPanel* panel) {
    return panel->findChild<QLabel*>(QStringLiteral("divisionLabel"));
}

// What the user can see of a window's state; `Closed` means gone for good.
enum class Shown { Never, Visible, Hidden, Closed };

class StressRun : public ::testing::Test {
protected:
    StressRun()
        : seed(stressSeed()), rng(seed), catalogue(catalogueOf(stressCatalogue)),
          divisions(collectDivisions(catalogue)),
          main(catalogue, std::make_unique<ClockRandomSource>([n = std::uint64_t{seed}]() mutable {
                   return n++;
               }),
               racingClock()) {
        main.show();
        watch(panel(&main));
    }

    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); }
    bool chance(int percent) { return pick(100) < percent; }

    static ResultPanel* panel(const QWidget* window) {
        return window->findChild<ResultPanel*>(QStringLiteral("resultPanel"));
    }
    template <typename T> T* control(const QWidget* window, const char* name) const {
        T* found = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    void watch(ResultPanel* p) {
        QObject::connect(p, &ResultPanel::revealFinished, p, [this] { ++landed; });
    }

    // A button pressed with the mouse or with the space bar.
    void press(QAbstractButton* button) {
        if (chance(50))
            click(button);
        else
            QTest::keyClick(button, Qt::Key_Space);
    }

    // ---- main window ----

    void drawByNation() {
        NationTicks ticks{};
        for (int n = 0; n < nationCount; ++n)
            ticks[n] = box(static_cast<Nation>(n))->isChecked();
        const DatabaseType type = control<QRadioButton>(&main, "minimumButton")->isChecked()
                                      ? DatabaseType::Minimum
                                      : DatabaseType::Normal;
        const CandidatePool found = buildNationPool(catalogue, ticks, type);
        press(control<QPushButton>(&main, "findButton"));
        takeExpected(panel(&main), mainPool, {found});
    }

    QCheckBox* box(Nation nation) const {
        return control<QCheckBox>(&main, nationBoxName(nation).toLatin1().constData());
    }

    void openDivisionWindow() {
        const QPointer<DivisionWindow> before = main.divisionWindow();
        press(control<QPushButton>(&main, "divisionWindowButton"));
        DivisionWindow* now = main.divisionWindow();
        ASSERT_NE(now, nullptr);
        if (divisionShown == Shown::Never || divisionShown == Shown::Closed) {
            // Made anew: nothing carried over from a closed one.
            for (const Gone& gone : goneWindows) {
                EXPECT_NE(gone.window.data(), now) << "a closed division window came back";
            }
            EXPECT_TRUE(texts(control<QListWidget>(now, "selectedDivisionsList")).isEmpty());
            EXPECT_TRUE(clubLabel(panel(now))->text().isEmpty());
            EXPECT_FALSE(panel(now)->isRevealing());
            divisionPool = CandidatePool{};
            watch(panel(now));
        } else {
            EXPECT_EQ(now, before.data());
        }
        divisionShown = Shown::Visible;
    }

    void openCredits(const char* action, Shown& shown, const std::function<QWidget*()>& window) {
        const QPointer<QWidget> before = window();
        control<QAction>(&main, action)->trigger();
        QWidget* now = window();
        ASSERT_NE(now, nullptr);
        if (shown == Shown::Visible || shown == Shown::Hidden) {
            EXPECT_EQ(now, before.data());
        }
        for (const Gone& gone : goneWindows)
            EXPECT_NE(gone.window.data(), now) << "a closed credits window came back";
        shown = Shown::Visible;
    }

    // ---- division window ----

    void drawByDivision(DivisionWindow* window) {
        const std::vector<CandidatePool> candidates =
            poolsShownBy(texts(control<QListWidget>(window, "selectedDivisionsList")));
        press(control<QPushButton>(window, "findButton"));
        takeExpected(panel(window), divisionPool, candidates);
    }

    // Every pool that the shown "Selected divisions" can stand for: where
    // more divisions share a label than the list shows, either may be meant.
    std::vector<CandidatePool> poolsShownBy(const QStringList& shown) const {
        QMap<QString, int> wanted;
        for (const QString& label : shown)
            ++wanted[label];
        std::vector<std::vector<DivisionKey>> choices(1);
        for (auto it = wanted.cbegin(); it != wanted.cend(); ++it) {
            std::vector<DivisionKey> holders;
            for (int i = 0; i < divisions.count(); ++i)
                if (divisions.at(i).label == it.key())
                    holders.push_back(divisions.at(i).key);
            std::vector<std::vector<DivisionKey>> extended;
            for (unsigned mask = 0; mask < (1u << holders.size()); ++mask) {
                if (std::popcount(mask) != it.value())
                    continue;
                for (std::vector<DivisionKey> keys : choices) {
                    for (std::size_t h = 0; h < holders.size(); ++h)
                        if (mask & (1u << h))
                            keys.push_back(holders[h]);
                    extended.push_back(std::move(keys));
                }
            }
            choices = std::move(extended);
        }
        std::vector<CandidatePool> pools;
        for (const std::vector<DivisionKey>& keys : choices)
            pools.push_back(buildDivisionPool(catalogue, keys));
        return pools;
    }

    // A draw that finds no club keeps the window's previous pool.
    void takeExpected(const ResultPanel* p, CandidatePool& expected,
                      const std::vector<CandidatePool>& candidates) {
        ASSERT_FALSE(candidates.empty()) << "the shown selection matches no divisions";
        if (candidates.front().isEmpty())
            return;
        for (const CandidatePool& c : candidates)
            if (c.entries() == p->pool().entries()) {
                expected = c;
                return;
            }
        ADD_FAILURE() << "the draw built a pool that the window's state does not give";
    }

    void clickRow(QListWidget* list, Qt::KeyboardModifiers modifiers = {}) {
        if (list->count() == 0 || chance(10)) {
            // At the list's foot: empty space unless the list is full.
            QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers,
                              QPoint(4, list->viewport()->height() - 3));
            return;
        }
        QListWidgetItem* item = list->item(pick(list->count()));
        list->scrollToItem(item);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers,
                          list->visualItemRect(item).center());
    }

    // A widget sees a double-click as a click followed by a double-click.
    void doubleClickRow(QListWidget* list) {
        if (list->count() == 0)
            return;
        QListWidgetItem* item = list->item(pick(list->count()));
        list->scrollToItem(item);
        const QPoint at = list->visualItemRect(item).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    }

    // Closing through the title bar; Qt deletes the window later.
    void closeWindow(QWidget* window, Shown& shown) {
        Gone gone{window, nullptr, {}, {}};
        if (ResultPanel* p = panel(window)) {
            gone.panel = p;
            gone.club = clubLabel(p)->text();
            gone.division = divisionLabel(p)->text();
        }
        goneWindows.push_back(gone);
        window->close();
        shown = Shown::Closed;
    }

    void flushDeletes() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        for (const Gone& gone : goneWindows)
            EXPECT_TRUE(gone.window.isNull()) << "a closed window was not deleted";
        goneWindows.clear();
    }

    // ---- what must always hold ----

    void checkPanel(const char* owner, const ResultPanel* p, const CandidatePool& expected) {
        SCOPED_TRACE(owner);
        const QLabel* club = clubLabel(p);
        const QLabel* division = divisionLabel(p);
        EXPECT_EQ(club->text().isEmpty(), division->text().isEmpty());
        if (!club->text().isEmpty()) {
            const auto shows = [&](const Club& r) {
                return r.name == club->text() && divisionLine(r) == division->text();
            };
            EXPECT_TRUE(std::any_of(expected.entries().begin(), expected.entries().end(), shows))
                << "shows " << club->text().toStdString() << " / " << division->text().toStdString()
                << ", not of its window's latest pool";
        }
        const bool bold = club->font().bold();
        EXPECT_EQ(bold, division->font().bold());
        if (p->isRevealing()) {
            EXPECT_FALSE(bold) << "bold while the reveal runs";
        } else if (!club->text().isEmpty()) {
            EXPECT_TRUE(bold) << "a landed result in regular weight";
        }
    }

    void checkDivisionLists(const DivisionWindow* window) {
        EXPECT_EQ(texts(control<QListWidget>(window, "allDivisionsList")), divisions.labels());
        const QStringList selected = texts(control<QListWidget>(window, "selectedDivisionsList"));
        for (int i = 0; i + 1 < selected.size(); ++i) {
            const int folded = QString::compare(selected[i], selected[i + 1], Qt::CaseInsensitive);
            EXPECT_TRUE(folded < 0 ||
                        (folded == 0 && QString::compare(selected[i], selected[i + 1]) <= 0))
                << "out of order: " << selected.join(QStringLiteral(" | ")).toStdString();
        }
        for (const QString& label : selected)
            EXPECT_LE(selected.count(label), divisions.labels().count(label))
                << "listed twice: " << label.toStdString();
    }

    void checkWindow(QWidget* window, Shown shown, const char* name) {
        SCOPED_TRACE(name);
        if (shown == Shown::Never || shown == Shown::Closed) {
            EXPECT_EQ(window, nullptr) << "the main window still offers a closed window";
            return;
        }
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(window->isVisible(), shown == Shown::Visible);
    }

    void checkAll() {
        checkPanel("main window", panel(&main), mainPool);
        checkWindow(main.divisionWindow(), divisionShown, "division window");
        checkWindow(main.aboutWindow(), aboutShown, "about window");
        checkWindow(main.thanksWindow(), thanksShown, "thanks window");
        if (DivisionWindow* window = main.divisionWindow()) {
            checkPanel("division window", panel(window), divisionPool);
            checkDivisionLists(window);
        }
        // A closed window's reveal is over for good, even before Qt deletes it.
        for (const Gone& gone : goneWindows) {
            if (gone.panel.isNull())
                continue;
            EXPECT_FALSE(gone.panel->isRevealing()) << "a closed window's reveal runs on";
            EXPECT_EQ(clubLabel(gone.panel)->text(), gone.club);
            EXPECT_EQ(divisionLabel(gone.panel)->text(), gone.division);
        }
    }

    // Lets the event loop run a few rounds, checking after each.
    void letTimePass(int rounds) {
        for (int i = 0; i < rounds && !HasFailure(); ++i) {
            QCoreApplication::processEvents();
            checkAll();
        }
    }

    // Until both reveals have landed.
    void settle() {
        const auto revealing = [this] {
            DivisionWindow* window = main.divisionWindow();
            return panel(&main)->isRevealing() || (window && panel(window)->isRevealing());
        };
        for (int i = 0; i < 1000 && revealing() && !HasFailure(); ++i)
            letTimePass(1);
        EXPECT_FALSE(revealing()) << "a reveal never landed";
    }

    struct Action {
        const char* name;
        int weight;
        std::function<void()> run;
    };

    // The actions that the windows on screen allow now.
    std::vector<Action> possibleActions() {
        std::vector<Action> a;
        a.push_back({"tick a nation", 12, [this] { press(box(static_cast<Nation>(pick(16)))); }});
        a.push_back({"preset", 5, [this] {
                         static const char* const presets[] = {
                             "allNationsPreset",   "nonePreset",         "europePreset",
                             "southAmericaPreset", "springAutumnPreset", "autumnSpringPreset"};
                         press(control<QRadioButton>(&main, presets[pick(6)]));
                     }});
        a.push_back(
            {"database type", 4, [this] {
                 press(control<QRadioButton>(&main, chance(50) ? "minimumButton" : "normalButton"));
             }});
        a.push_back({"main: find", 10, [this] { drawByNation(); }});
        a.push_back(
            {"main: clear", 4, [this] { press(control<QPushButton>(&main, "clearButton")); }});
        a.push_back({"select single divisions", divisionShown == Shown::Visible ? 1 : 5,
                     [this] { openDivisionWindow(); }});
        a.push_back({"menu: about", 2, [this] {
                         openCredits("aboutAction", aboutShown,
                                     [this] { return main.aboutWindow(); });
                     }});
        a.push_back({"menu: thanks", 2, [this] {
                         openCredits("thanksAction", thanksShown,
                                     [this] { return main.thanksWindow(); });
                     }});
        a.push_back({"let reveals land", 3, [this] { settle(); }});
        a.push_back({"deferred deletes", 3, [this] { flushDeletes(); }});

        if (divisionShown == Shown::Visible) {
            DivisionWindow* w = main.divisionWindow();
            QListWidget* all = control<QListWidget>(w, "allDivisionsList");
            QListWidget* selected = control<QListWidget>(w, "selectedDivisionsList");
            const auto button = [this, w](const char* name) {
                return [this, w, name] { press(control<QPushButton>(w, name)); };
            };
            a.push_back({"divisions: click in all", 12, [this, all] { clickRow(all); }});
            a.push_back(
                {"divisions: click in selected", 8, [this, selected] { clickRow(selected); }});
            a.push_back({"divisions: ctrl-click in selected", 3,
                         [this, selected] { clickRow(selected, Qt::ControlModifier); }});
            a.push_back({"divisions: arrow key", 4, [this, all, selected] {
                             QTest::keyClick(chance(50) ? all : selected,
                                             chance(50) ? Qt::Key_Down : Qt::Key_Up);
                         }});
            a.push_back(
                {"divisions: double-click in all", 5, [this, all] { doubleClickRow(all); }});
            a.push_back({"divisions: double-click in selected", 4,
                         [this, selected] { doubleClickRow(selected); }});
            a.push_back({"divisions: >", 10, button("addButton")});
            a.push_back({"divisions: >>", 2, button("addAllButton")});
            a.push_back({"divisions: <", 5, button("removeButton")});
            a.push_back({"divisions: <<", 1, button("removeAllButton")});
            a.push_back({"divisions: find", 10, [this, w] { drawByDivision(w); }});
            a.push_back({"divisions: clear", 3, button("clearButton")});
            a.push_back({"divisions: back", 3, [this, w] {
                             press(control<QPushButton>(w, "backButton"));
                             divisionShown = Shown::Hidden;
                         }});
            a.push_back({"divisions: close", 2, [this, w] { closeWindow(w, divisionShown); }});
        }
        const auto credits = [&](QWidget* w, Shown& shown, const char* back, const char* close) {
            if (shown != Shown::Visible)
                return;
            a.push_back({back, 2, [this, w, &shown] {
                             press(control<QPushButton>(w, "backButton"));
                             shown = Shown::Hidden;
                         }});
            a.push_back({close, 2, [this, w, &shown] { closeWindow(w, shown); }});
        };
        credits(main.aboutWindow(), aboutShown, "about: back", "about: close");
        credits(main.thanksWindow(), thanksShown, "thanks: back", "thanks: close");
        return a;
    }

    void runOne() {
        std::vector<Action> actions = possibleActions();
        int total = 0;
        for (const Action& a : actions)
            total += a.weight;
        int roll = pick(total);
        for (const Action& a : actions) {
            if ((roll -= a.weight) >= 0)
                continue;
            SCOPED_TRACE(a.name);
            a.run();
            checkAll();
            letTimePass(pick(8));
            return;
        }
    }

    struct Gone {
        QPointer<QWidget> window;
        QPointer<ResultPanel> panel;
        QString club;
        QString division;
    };

    const std::uint32_t seed;
    std::mt19937 rng;
    const Catalogue catalogue;
    const DivisionList divisions;
    MainWindow main;
    CandidatePool mainPool;
    CandidatePool divisionPool;
    Shown divisionShown = Shown::Never;
    Shown aboutShown = Shown::Never;
    Shown thanksShown = Shown::Never;
    std::vector<Gone> goneWindows;
    int landed = 0;
};

TEST_F(StressRun, everyStepKeepsTheWindowsConsistent) {
    for (int action = 1; action <= actionCount && !HasFailure(); ++action) {
        SCOPED_TRACE(QStringLiteral("CLUBDRAW_STRESS_SEED=%1, action %2")
                         .arg(seed)
                         .arg(action)
                         .toStdString());
        runOne();
    }
    if (HasFailure())
        return;
    settle();
    flushDeletes();
    std::printf("seed %u: %d actions, %d reveals landed\n", seed, actionCount, landed);
    // Whole reveals must have run, or the checks above saw little.
    EXPECT_GE(landed, actionCount / 50);
}

} // namespace
