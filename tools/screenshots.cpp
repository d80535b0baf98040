// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the README's pictures of both draw windows after a draw, from the
// shipped catalogue and with a fixed result, so they come out the same on
// every run, then a league night of four managers, the two credit windows
// and the error box of a missing catalogue:
// clubdraw_screenshots CATALOGUE OUTPUT_FOLDER
#include "toolsupport.h"

#include "core/catalogue.h"
#include "core/cataloguelocation.h"
#include "core/runerror.h"
#include "core/translations.h"
#include "gui/aboutwindow.h"
#include "gui/application.h"
#include "gui/divisionwindow.h"
#include "gui/errorbox.h"
#include "gui/mainwindow.h"
#include "gui/managerswindow.h"
#include "gui/resultpanel.h"
#include "gui/thankswindow.h"

#include <QAction>
#include <QApplication>

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdio>

using namespace clubdraw;

namespace {

// Always lands on one club, whichever pool it is asked about.
class FixedPick final : public RandomSource {
public:
    void reseedFromClock() override {}
    int pickIndex(int n) override { return index < n ? index : 0; }
    int index = 0;
};

int indexOf(const CandidatePool& pool, const QString& club) {
    for (int i = 0; i < pool.count(); ++i)
        if (pool.at(i).name == club)
            return i;
    qFatal("%s is not in the pool", qPrintable(club));
}

void save(QWidget* window, const QString& file) {
    if (!QTest::qWaitForWindowExposed(window))
        qFatal("%s did not show", qPrintable(file));
    QTest::qWait(200);
    if (!window->grab().save(file))
        qFatal("cannot write %s", qPrintable(file));
    std::printf("%s\n", qPrintable(file));
}

// Draws, then lands the reveal on `club` and saves the window.
void drawAndSave(QWidget* window, FixedPick& random, const QString& club, const QString& file) {
    auto* result = child<ResultPanel>(window, "resultPanel");
    QTest::mouseClick(child<QPushButton>(window, "findButton"), Qt::LeftButton);
    random.index = indexOf(result->pool(), club);
    QSignalSpy landed(result, &ResultPanel::revealFinished);
    if (!landed.wait(10000))
        qFatal("the reveal did not land");
    save(window, file);
}

// The box a start without any catalogue shows, with the usual places of a
// system-wide installation in /opt/clubdraw.
void saveMissingCatalogueBox(const QString& file) {
    qputenv("XDG_DATA_HOME", "/home/player/.local/share");
    qputenv("XDG_DATA_DIRS", "/usr/local/share:/usr/share");
    QTimer::singleShot(0, [file] {
        if (!QTest::qWaitFor([] { return QApplication::activeModalWidget() != nullptr; }))
            qFatal("the error box did not show");
        QWidget* box = QApplication::activeModalWidget();
        save(box, file);
        box->close();
    });
    try {
        findRegularCatalogueFile(QStringLiteral("/opt/clubdraw/bin"));
        qFatal("a catalogue was found where none should be");
    } catch (const RunError& error) {
        ErrorBox::report(error);
    }
}

// Four managers draw from the main window's nations with agreed words, so
// the clubs are the same on every run; then the second keeps his club and
// the others draw again.
void saveLeagueNight(MainWindow& window, const QString& file) {
    child<QAction>(&window, "severalManagersAction")->trigger();
    ManagersWindow* league = window.managersWindow();
    if (!QTest::qWaitForWindowExposed(league))
        qFatal("the window for several managers did not show");
    auto* table = child<QTableWidget>(league, "managersTable");
    const auto press = [league](const char* button) {
        QTest::mouseClick(child<QPushButton>(league, button), Qt::LeftButton);
    };
    press("addManagerButton");
    press("addManagerButton");
    const char* names[] = {"Kari", "Ola", "Ingrid", "Lars"};
    for (int row = 0; row < 4; ++row)
        table->item(row, 0)->setText(QString::fromUtf8(names[row]));
    auto* words = child<QLineEdit>(league, "agreedWordsEdit");
    words->setText(QStringLiteral("Round 1, 10 December"));
    press("drawButton");
    press("skipButton");
    table->item(1, 3)->setCheckState(Qt::Checked);
    words->setText(QStringLiteral("Round 2, 17 December"));
    QSignalSpy landed(league, &ManagersWindow::revealFinished);
    press("drawAgainButton");
    if (!landed.wait(30000))
        qFatal("the league's reveal did not land");
    table->setCurrentCell(1, 0);
    table->setFocus();
    save(league, file);
}

} // namespace

int main(int argc, char** argv) {
    Application app(argc, argv);
    installTranslations();
    if (argc != 3) {
        std::fprintf(stderr, "usage: clubdraw_screenshots CATALOGUE OUTPUT_FOLDER\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[2]));
    // No list of clubs left out but the picture's own (none).
    const QTemporaryDir userData;
    qputenv("XDG_DATA_HOME", QFile::encodeName(userData.path()));
    auto* random = new FixedPick;
    // A clock that races ahead: the reveal lands at once.
    SteadyClock racing = [now = std::int64_t{0}]() mutable { return now += 1000; };
    MainWindow window(loadCatalogue(QString::fromLocal8Bit(argv[1])),
                      std::unique_ptr<RandomSource>(random), racing);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        qFatal("the main window did not show");
    QTest::mouseClick(child<QRadioButton>(&window, "europePreset"), Qt::LeftButton, {},
                      QPoint(6, 8));
    QTest::mouseClick(child<QRadioButton>(&window, "normalButton"), Qt::LeftButton, {},
                      QPoint(6, 8));
    drawAndSave(&window, *random, QStringLiteral("West Ham United"),
                out.filePath(QStringLiteral("main_window.png")));

    QTest::mouseClick(child<QPushButton>(&window, "divisionWindowButton"), Qt::LeftButton);
    DivisionWindow* divisions = window.divisionWindow();
    if (!QTest::qWaitForWindowExposed(divisions))
        qFatal("the division window did not show");
    auto* all = child<QListWidget>(divisions, "allDivisionsList");
    for (const char* label : {"Denmark Superliga", "England First Division",
                              "Germany 2. Bundesliga", "Italy Serie B"}) {
        const QList<QListWidgetItem*> items =
            all->findItems(QString::fromLatin1(label), Qt::MatchExactly);
        if (items.isEmpty())
            qFatal("no division %s", label);
        all->setCurrentItem(items.first());
        QTest::mouseClick(child<QPushButton>(divisions, "addButton"), Qt::LeftButton);
    }
    drawAndSave(divisions, *random, QStringLiteral("Pescara"),
                out.filePath(QStringLiteral("division_window.png")));

    saveLeagueNight(window, out.filePath(QStringLiteral("several_managers.png")));

    child<QAction>(&window, "aboutAction")->trigger();
    save(window.aboutWindow(), out.filePath(QStringLiteral("about_window.png")));
    child<QAction>(&window, "thanksAction")->trigger();
    save(window.thanksWindow(), out.filePath(QStringLiteral("thanks_window.png")));
    saveMissingCatalogueBox(out.filePath(QStringLiteral("error_box.png")));
    return 0;
}
