#include "app/clubdraw_application.h"
#include "app/error_report.h"

#include <gtest/gtest.h>

#include <cstdio>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    clubdraw::clubdraw_application app(argc, argv);
    // A modal box would hang the run; tests that expect one install their own hook.
    clubdraw::set_error_box_hook([](const clubdraw::run_error& error) {
        ADD_FAILURE() << "unexpected error box: " << error.message().toStdString();
    });
    return RUN_ALL_TESTS();
}
