// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/translations.h"
#include "gui/application.h"
#include "gui/errorbox.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdio>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // No test reads the user's or the system's own catalogue.
    const QTemporaryDir noData;
    qputenv("XDG_DATA_HOME", noData.filePath(QStringLiteral("home")).toLocal8Bit());
    qputenv("XDG_DATA_DIRS", noData.filePath(QStringLiteral("system")).toLocal8Bit());
    ::testing::InitGoogleTest(&argc, argv);
    clubdraw::Application app(argc, argv);
    // English unless a run asks for a language, whatever the machine's locale.
    clubdraw::installTranslations(
        QLocale(QString::fromLocal8Bit(qgetenv("CLUBDRAW_TEST_LANGUAGE"))));
    // A modal box would hang the run; tests that expect one install their own hook.
    clubdraw::ErrorBox::setHook([](const clubdraw::RunError& error) {
        ADD_FAILURE() << "unexpected error box: " << error.message().toStdString();
    });
    clubdraw::ErrorBox::setWarningHook([](const QString& text) {
        ADD_FAILURE() << "unexpected warning box: " << text.toStdString();
    });
    return RUN_ALL_TESTS();
}
