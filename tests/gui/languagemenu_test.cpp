// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/languagemenu.h"

#include <QAction>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace clubdraw;

namespace {

// Each entry ticks itself alone, and is ticked again in the next start's menu.
TEST(LanguageMenu, keepsTheChoiceAndTicksItAtTheNextStart) {
    const QTemporaryDir folder;
    const LanguageMenu::Settings settings = [file = folder.filePath(QStringLiteral("c.conf"))] {
        return std::make_unique<QSettings>(file, QSettings::IniFormat);
    };
    const QString entries[] = {QStringLiteral("norwegianBokmalLanguage"),
                               QStringLiteral("englishLanguage"),
                               QStringLiteral("followSystemLanguage")};
    for (const QString& chosen : entries) {
        LanguageMenu(nullptr, settings).findChild<QAction*>(chosen)->trigger();
        const LanguageMenu next(nullptr, settings);
        for (const QString& entry : entries)
            EXPECT_EQ(next.findChild<QAction*>(entry)->isChecked(), entry == chosen)
                << chosen.toStdString();
    }
}

} // namespace
