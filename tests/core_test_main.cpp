// SPDX-License-Identifier: GPL-3.0-or-later
// main() of the core tests: Qt Core only, no windows.
#include "testsupport.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // No test reads the user's or the system's own catalogue.
    const clubdraw::testing::ScratchDataFolders noData;
    ::testing::InitGoogleTest(&argc, argv);
    QCoreApplication app(argc, argv);
    clubdraw::testing::installTestLanguage();
    return RUN_ALL_TESTS();
}
