// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>

namespace clubdraw {

class RunError;

// Catches whatever a handler throws before it can cross the event loop,
// reports it once and ends the loop; failed() then tells the program to
// end with a failure status.
class Application : public QApplication {
    Q_OBJECT
public:
    Application(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
    bool failed() const { return m_failed; }

private:
    void fail(const RunError& error);

    bool m_failed = false;
};

} // namespace clubdraw
