// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

namespace clubdraw {

// For as long as it lives, SIGTERM and SIGINT end the event loop as Quit
// does, so the program ends the ordinary way: windows closed, memory given
// back, exit status 0. A signal handler may do next to nothing; it writes
// one byte into a pipe, and the event loop, watching the pipe, quits.
// Does nothing off Unix.
class QuitOnSignals : public QObject {
public:
    QuitOnSignals();
    ~QuitOnSignals() override;
    QuitOnSignals(const QuitOnSignals&) = delete;
    QuitOnSignals& operator=(const QuitOnSignals&) = delete;
};

} // namespace clubdraw
