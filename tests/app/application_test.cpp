#include "app/clubdraw_application.h"
#include "app/error_report.h"
#include "catalogue/run_error.h"

#include <QTimer>

#include <gtest/gtest.h>

using namespace clubdraw;

namespace {

// A handler's error never crosses the event loop: it is reported once and
// the loop ends with a failure status.
TEST(clubdraw_application, an_error_in_a_handler_is_reported_once_and_ends_the_loop) {
    std::vector<int> reported;
    set_error_box_hook([&](const run_error& error) { reported.push_back(error.number()); });
    QObject context;
    QTimer::singleShot(0, &context, [] { throw run_error(run_errors::overflow, QStringLiteral("test")); });
    QTimer::singleShot(0, &context, [] { throw std::runtime_error("second"); });
    EXPECT_EQ(QApplication::exec(), run_error_exit_status);
    EXPECT_EQ(reported, std::vector<int>{run_errors::overflow});
    auto* app = qobject_cast<clubdraw_application*>(QCoreApplication::instance());
    ASSERT_NE(app, nullptr);
    EXPECT_TRUE(app->failed());
    set_error_box_hook([](const run_error& error) { ADD_FAILURE() << error.message().toStdString(); });
}

TEST(run_error, message_carries_number_text_and_place) {
    const run_error error(run_errors::input_past_end_of_file, QStringLiteral("Record 3, line 4"));
    EXPECT_EQ(error.message(),
              QStringLiteral("Run-time error '62':\n\nInput past end of file\n\nRecord 3, line 4"));
    EXPECT_EQ(run_error(53, {}).text(), QStringLiteral("File not found"));
    EXPECT_EQ(run_error(6, {}).text(), QStringLiteral("Overflow"));
}

} // namespace
