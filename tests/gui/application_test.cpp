// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/runerror.h"
#include "gui/application.h"
#include "gui/errorbox.h"

#include <QTimer>

#include <gtest/gtest.h>

using namespace clubdraw;

namespace {

// A handler's error never crosses the event loop: it is reported once and
// the loop ends with a failure status.
TEST(Application, anErrorInAHandlerIsReportedOnceAndEndsTheLoop) {
    std::vector<int> reported;
    const ErrorBox::ScopedHook hook(
        [&](const RunError& error) { reported.push_back(error.number()); });
    QObject context;
    QTimer::singleShot(0, &context,
                       [] { throw RunError(RunError::FlagOutOfRange, QStringLiteral("test")); });
    QTimer::singleShot(0, &context, [] { throw std::runtime_error("second"); });
    QApplication::exec();
    EXPECT_EQ(reported, std::vector<int>{RunError::FlagOutOfRange});
    auto* app = qobject_cast<Application*>(QCoreApplication::instance());
    ASSERT_NE(app, nullptr);
    EXPECT_TRUE(app->failed());
}

} // namespace
