// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class QTextStream;

namespace clubdraw {

// Routes the arguments: to the window, or to one of the commands (one file
// each, see command.h).
//
// The window needs a QApplication, and so a display; everything else runs
// on a QCoreApplication. Qt's own options (-platform, -style, ...) belong
// to the window, and only its QApplication can take them out.
enum class Route { Window, Console };
Route routeOf(const QStringList& arguments);

// The window's --catalogue FILE, or an empty text for the catalogue in use.
// Nothing after wrong arguments, which it reports on `err`.
std::optional<QString> windowCatalogue(const QStringList& arguments, QTextStream& err);

// Unix hands the program bytes, and Qt makes text of them: bytes that are
// not UTF-8 become U+FFFD, and a path of them would name another file.
// Reports the first such argument on `err`; returns whether there was none.
bool argumentsAreText(int argc, const char* const* argv, QTextStream& err);

// Runs what needs no window: --help, --version and the commands catalogue,
// check, draw and list. `arguments` start with the program, as
// QCoreApplication::arguments() does. Returns the exit status.
int runConsole(const QStringList& arguments, const QString& programFolder, QTextStream& out,
               QTextStream& err);

} // namespace clubdraw
