// SPDX-License-Identifier: GPL-3.0-or-later
#include "application.h"

#include "errorbox.h"
#include "widgethelpers.h"

#include <new>

namespace clubdraw {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
    installFontSubstitutes();
}

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const RunError& error) {
        fail(error);
    } catch (const std::bad_alloc&) {
        fail(RunError(RunError::MemoryExhausted, {}));
    } catch (const std::exception& error) {
        fail(RunError(RunError::Unexpected, QString::fromLocal8Bit(error.what())));
    } catch (...) {
        fail(RunError(RunError::Unexpected, {}));
    }
    return true;
}

void Application::fail(const RunError& error) {
    // The error box runs its own loop; anything failing meanwhile is a
    // consequence of the first error, not news.
    if (m_failed)
        return;
    m_failed = true;
    ErrorBox::report(error);
    // main() turns failed() into the exit status.
    quit();
}

} // namespace clubdraw
