// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFile>
#include <QTextStream>

namespace clubdraw {

// Before anything opens a file: a standard stream that the caller closed
// (`>&-`) gets /dev/null, opened for reading only, in its place. No file
// the program opens can take its number then, and writing to it fails as
// writing to a closed stream does. Does nothing off Unix.
void holdClosedStandardStreams();

// The commands' output, stdout. A script reads it as the answer, so output
// that did not all arrive (a full disk, a closed stdout, a reader gone while
// SIGPIPE is ignored) must fail the command.
class StandardOutput {
public:
    StandardOutput();
    StandardOutput(const StandardOutput&) = delete;
    StandardOutput& operator=(const StandardOutput&) = delete;

    QTextStream& stream() { return m_stream; }

    // Writes out what is held back. When some of the output could not be
    // written, says why on `err` and returns the failure status; otherwise
    // `status`.
    int finish(int status, QTextStream& err);

private:
    QFile m_file;
    QTextStream m_stream;
};

} // namespace clubdraw
