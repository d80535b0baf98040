// SPDX-License-Identifier: GPL-3.0-or-later
// main() of the test programs of the windows and the commands.
#include "gui/application.h"
#include "gui/errorbox.h"
#include "testsupport.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // No test reads the user's or the system's own catalogue.
    const clubdraw::testing::ScratchDataFolders noData;
    ::testing::InitGoogleTest(&argc, argv);
    clubdraw::Application app(argc, argv);
    clubdraw::testing::installTestLanguage();
    // A modal box would hang the run; tests that expect one install their own hook.
    clubdraw::ErrorBox::setHook([](const clubdraw::RunError& error) {
        ADD_FAILURE() << "unexpected error box: " << error.message().toStdString();
    });
    clubdraw::ErrorBox::setWarningHook([](const QString& text) {
        ADD_FAILURE() << "unexpected warning box: " << text.toStdString();
    });
    return RUN_ALL_TESTS();
}
