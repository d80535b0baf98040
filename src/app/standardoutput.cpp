// SPDX-License-Identifier: GPL-3.0-or-later
#include "standardoutput.h"

#include "exitstatus.h"

#include "core/programmessage.h"

#include <QCoreApplication>

#include <cstdio>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace clubdraw {

void holdClosedStandardStreams() {
#ifdef Q_OS_UNIX
    for (int stream = STDIN_FILENO; stream <= STDERR_FILENO; ++stream) {
        if (fcntl(stream, F_GETFD) != -1 || errno != EBADF)
            continue;
        // The lowest free number: this one, as those below it are open.
        const int held = open("/dev/null", O_RDONLY | O_CLOEXEC);
        if (held >= 0 && held != stream) {
            dup2(held, stream);
            close(held);
        }
    }
#endif
}

StandardOutput::StandardOutput() {
    m_file.open(stdout, QIODevice::WriteOnly, QFileDevice::DontCloseHandle);
    m_stream.setDevice(&m_file);
}

int StandardOutput::finish(int status, QTextStream& err) {
    m_stream.flush();
    if (m_stream.status() == QTextStream::Ok && m_file.error() == QFileDevice::NoError &&
        m_file.flush())
        return status;
    err << programMessage(
               QCoreApplication::translate("StandardOutput", "cannot write the output: %1")
                   .arg(m_file.errorString()))
        << '\n';
    err.flush();
    return exitStatus::failure;
}

} // namespace clubdraw
