// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace clubdraw {

// clubdraw.exe started from a shortcut or Explorer has no console and no
// standard output: a mistake in its arguments, its --help or --version
// would be written nowhere. Elsewhere there is always somewhere to write.
bool hasStandardOutput();

// What the command line wrote, in a message box instead: a warning when it
// failed.
void showInMessageBox(const QString& text, bool failed);

} // namespace clubdraw
