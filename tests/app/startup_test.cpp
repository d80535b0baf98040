// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/startup.h"
#include "gui/errorbox.h"
#include "gui/mainwindow.h"
#include "gui/resultpanel.h"
#include "guitestsupport.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

using namespace clubdraw;
using namespace clubdraw::testing;

namespace {

// Any catalogue error is reported once and no window is made.
TEST(StartUp, catalogueErrorsAreReportedAndNoWindowIsMade) {
    const ProgramFolder missing;
    const ProgramFolder shortRecord(QByteArray("A,B,C,0"));
    const ProgramFolder overflow(QByteArray("A,B,C,70000,D\r\n"));
    const struct {
        const ProgramFolder* folder;
        int number;
    } cases[] = {{&missing, 53}, {&shortRecord, 62}, {&overflow, 6}};
    for (const auto& c : cases) {
        std::vector<int> reported;
        const ErrorBox::ScopedHook hook(
            [&](const RunError& error) { reported.push_back(error.number()); });
        EXPECT_EQ(startUp(c.folder->path(), {}), nullptr);
        EXPECT_EQ(reported, std::vector<int>{c.number});
    }
}

// It loads, as any catalogue in the format does, but the user is told why
// no draw will ever find a club.
TEST(StartUp, aCatalogueWithoutClubsOpensTheWindowWithAWarning) {
    const ProgramFolder empty(QByteArray("\r\n"));
    QStringList warnings;
    const ErrorBox::ScopedWarningHook hook([&](const QString& text) { warnings << text; });
    const auto window = startUp(empty.path(), {});
    EXPECT_NE(window, nullptr);
    ASSERT_EQ(warnings.size(), 1);
    EXPECT_TRUE(warnings[0].contains(empty.file() + QStringLiteral(" holds no clubs")));
}

TEST(StartUp, goodCatalogueGivesAHiddenMainWindowDrawingFromIt) {
    const ProgramFolder folder(generatedCatalogue(3));
    const auto window = startUp(QString(), folder.file());
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(window->isVisible());
    window->show();
    click(child<QCheckBox>(window.get(), "englandBox"));
    click(child<QRadioButton>(window.get(), "normalButton"));
    click(child<QPushButton>(window.get(), "findButton"));
    EXPECT_EQ(child<ResultPanel>(window.get(), "resultPanel")->pool().count(), 3);
}

} // namespace
