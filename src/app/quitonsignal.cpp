// SPDX-License-Identifier: GPL-3.0-or-later
#include "quitonsignal.h"

#include <QCoreApplication>

#ifdef Q_OS_UNIX
#include <QSocketNotifier>

#include <csignal>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace clubdraw {

#ifdef Q_OS_UNIX

namespace {

// The pipe's ends: the handler writes, the event loop reads.
int pipeEnds[2] = {-1, -1};
constexpr int quitSignals[] = {SIGTERM, SIGINT};

void wake(int) {
    const char byte = 0;
    // A full pipe already holds a wake-up.
    [[maybe_unused]] const ssize_t written = write(pipeEnds[1], &byte, 1);
}

} // namespace

QuitOnSignals::QuitOnSignals() {
    if (pipe2(pipeEnds, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    auto* notifier = new QSocketNotifier(pipeEnds[0], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [] {
        char bytes[16];
        while (read(pipeEnds[0], bytes, sizeof bytes) > 0) {
        }
        QCoreApplication::quit();
    });
    struct sigaction action = {};
    action.sa_handler = wake;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int number : quitSignals)
        sigaction(number, &action, nullptr);
}

QuitOnSignals::~QuitOnSignals() {
    if (pipeEnds[0] < 0)
        return;
    for (const int number : quitSignals)
        std::signal(number, SIG_DFL);
    close(pipeEnds[0]);
    close(pipeEnds[1]);
    pipeEnds[0] = pipeEnds[1] = -1;
}

#else

QuitOnSignals::QuitOnSignals() = default;
QuitOnSignals::~QuitOnSignals() = default;

#endif

} // namespace clubdraw
