// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/printable.h"
#include "core/version.h"

#include <QString>

#include <cstdio>

namespace clubdraw {

// The one form of every line the program writes on stderr, a command's as
// much as the window's: "clubdraw: text", the text made printable.
inline QString programMessage(const QString& text) {
    return QLatin1String(programName) + QStringLiteral(": ") + printable(text);
}

// Writes that line on stderr at once, for what has no stream of its own
// (the window, and the moments before it opens).
inline void writeProgramMessage(const QString& text) {
    std::fprintf(stderr, "%s\n", programMessage(text).toLocal8Bit().constData());
    std::fflush(stderr);
}

} // namespace clubdraw
