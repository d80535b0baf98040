#include "clubdraw_application.h"

#include "error_report.h"
#include "form_support.h"

#include <new>

namespace clubdraw {

clubdraw_application::clubdraw_application(int& argc, char** argv) : QApplication(argc, argv) {
    install_font_substitutes();
}

bool clubdraw_application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const run_error& error) {
        fail(error);
    } catch (const std::bad_alloc&) {
        fail(run_error(run_errors::out_of_memory, {}));
    } catch (const std::exception& error) {
        fail(run_error(0, QString::fromLocal8Bit(error.what())));
    } catch (...) {
        fail(run_error(0, {}));
    }
    return true;
}

void clubdraw_application::fail(const run_error& error) {
    // The error box runs its own loop; anything failing meanwhile is a
    // consequence of the first error, not news.
    if (failed_)
        return;
    failed_ = true;
    report_run_error(error);
    exit(run_error_exit_status);
}

} // namespace clubdraw
