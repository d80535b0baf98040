// SPDX-License-Identifier: GPL-3.0-or-later
// Works the program's windows as a user would, finding each control by its
// object name, and prints what they show. tools/windows/test.sh runs it
// under Wine, through ctest, and compares the league draws in REPORT (else
// standard output) with the command line's:
//   clubdraw_windowdriver CATALOGUE [REPORT]
// 1. The main window: All nations, then Find random team; prints the club
//    the reveal lands on.
// 2. Europe, then Several managers (Ctrl+M): Ann, Bo, Cem and Dag draw with
//    the agreed words "Round 1, 10 December"; Bo keeps his club and the
//    others draw again. Prints "Manager: Club" for every row and the code,
//    after each draw.
// 3. Quit, which must end the program.
// Any control missing or any step that does not happen ends it with a
// message and a non-zero status.
#include "toolsupport.h"

#include "app/startup.h"
#include "gui/application.h"
#include "gui/mainwindow.h"
#include "gui/managerswindow.h"
#include "gui/resultpanel.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <QTimer>

#include <algorithm>
#include <cstdio>

using namespace clubdraw;

namespace {

constexpr int waitMs = 60000;

void click(const QObject* window, const char* name) {
    auto* button = child<QAbstractButton>(window, name);
    if (!button->isEnabled())
        qFatal("%s cannot be pressed", name);
    // Inside the circle of a radio button as well as on a push button.
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, 8));
}

void landed(QSignalSpy& spy, const char* what) {
    if (spy.isEmpty() && !spy.wait(waitMs))
        qFatal("the reveal of %s did not land", what);
}

void printLeague(QTextStream& out, const ManagersWindow* league) {
    const auto* table = child<QTableWidget>(league, "managersTable");
    for (int row = 0; row < table->rowCount(); ++row)
        out << table->item(row, 0)->text() << ": " << table->item(row, 1)->text() << '\n';
    out << "Code: " << child<QLineEdit>(league, "drawCodeEdit")->text() << '\n';
    out.flush();
}

void drive(MainWindow& window, QTextStream& out) {
    if (!QTest::qWaitForWindowExposed(&window, waitMs))
        qFatal("the main window did not show");
    click(&window, "allNationsPreset");
    auto* result = child<ResultPanel>(&window, "resultPanel");
    QSignalSpy mainLanded(result, &ResultPanel::revealFinished);
    click(&window, "findButton");
    landed(mainLanded, "Find random team");
    const QString club = child<QLabel>(result, "clubLabel")->accessibleName();
    const auto& entries = result->pool().entries();
    if (std::none_of(entries.begin(), entries.end(), [&](const Club& c) { return c.name == club; }))
        qFatal("the reveal landed on %s, which is not in the pool", qPrintable(club));
    out << "Find random team: " << club << '\n';

    click(&window, "europePreset");
    QTest::keyClick(&window, Qt::Key_M, Qt::ControlModifier);
    ManagersWindow* league = window.managersWindow();
    if (!league || !QTest::qWaitForWindowExposed(league, waitMs))
        qFatal("Ctrl+M did not open the window for several managers");
    click(league, "nationsSourceButton");
    auto* table = child<QTableWidget>(league, "managersTable");
    while (table->rowCount() < 4)
        click(league, "addManagerButton");
    const char* names[] = {"Ann", "Bo", "Cem", "Dag"};
    for (int row = 0; row < 4; ++row)
        table->item(row, 0)->setText(QString::fromLatin1(names[row]));
    child<QLineEdit>(league, "agreedWordsEdit")->setText(QStringLiteral("Round 1, 10 December"));
    click(league, "drawButton");
    click(league, "skipButton");
    printLeague(out, league);

    table->item(1, 3)->setCheckState(Qt::Checked);
    QSignalSpy leagueLanded(league, &ManagersWindow::revealFinished);
    click(league, "drawAgainButton");
    landed(leagueLanded, "Draw again");
    printLeague(out, league);

    click(&window, "quitButton");
}

} // namespace

int main(int argc, char** argv) {
    // No list of clubs left out but the driver's own (none).
    const QTemporaryDir userData;
    qputenv("XDG_DATA_HOME", QFile::encodeName(userData.path()));
    std::unique_ptr<Application> app = openWindowApplication(argc, argv);
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: clubdraw_windowdriver CATALOGUE [REPORT]\n");
        return 2;
    }
    // Plain line ends, on Windows too, to compare with the Linux build's.
    QFile report;
    if (argc == 3) {
        report.setFileName(QString::fromLocal8Bit(argv[2]));
        if (!report.open(QIODevice::WriteOnly | QIODevice::Truncate))
            qFatal("cannot write %s: %s", argv[2], qPrintable(report.errorString()));
    } else if (!report.open(stdout, QIODevice::WriteOnly)) {
        qFatal("cannot write to standard output");
    }
    std::unique_ptr<MainWindow> window = startUp(QString(), QString::fromLocal8Bit(argv[1]));
    if (!window)
        return 1;
    window->show();
    QTextStream out(&report);
    QTimer::singleShot(0, window.get(), [&] { drive(*window, out); });
    // Quit ends the loop; a window that ignores it does not hang the check.
    QTimer::singleShot(3 * waitMs, [] { qFatal("Quit did not end the program"); });
    return QCoreApplication::exec();
}
