// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/languagemenu.h"
#include "gui/mainwindow.h"
#include "guitestsupport.h"

#include <QAction>
#include <QMenuBar>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace clubdraw;

namespace {

TEST(LanguageMenu, sitsInExtrasAfterAbout) {
    MainWindow window(clubdraw::testing::catalogueOf({}),
                      std::make_unique<clubdraw::testing::ScriptedRandom>());
    const QList<QAction*> titles = window.menuBar()->actions();
    ASSERT_EQ(titles.size(), 2);
    EXPECT_EQ(titles[0]->menu()->objectName(), QStringLiteral("aboutMenu"));
    EXPECT_EQ(titles[1]->menu()->objectName(), QStringLiteral("extrasMenu"));
    EXPECT_NE(titles[1]->menu()->findChild<LanguageMenu*>(QStringLiteral("languageMenu")), nullptr);
}

// Each entry ticks itself alone, is kept, and is ticked again in the next
// start's menu.
TEST(LanguageMenu, keepsTheChoiceAndTicksItNextTime) {
    const QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("clubdraw.conf"));
    const auto settings = [file] {
        return std::make_unique<QSettings>(file, QSettings::IniFormat);
    };
    const struct {
        const char* entry;
        LanguageChoice kept;
    } rows[] = {
        {"norwegianBokmalLanguage", LanguageChoice::NorwegianBokmal},
        {"englishLanguage", LanguageChoice::English},
        {"followSystemLanguage", LanguageChoice::FollowSystem},
    };
    for (const auto& row : rows) {
        {
            LanguageMenu menu(nullptr, settings);
            menu.findChild<QAction*>(QString::fromLatin1(row.entry))->trigger();
        }
        EXPECT_EQ(keptLanguage(*settings()), row.kept) << row.entry;
        LanguageMenu next(nullptr, settings);
        for (const auto& other : rows)
            EXPECT_EQ(next.findChild<QAction*>(QString::fromLatin1(other.entry))->isChecked(),
                      &other == &row)
                << row.entry << " kept, " << other.entry << " shown";
    }
}

} // namespace
