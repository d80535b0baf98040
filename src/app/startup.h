// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <memory>

namespace clubdraw {

class Application;
class MainWindow;

// The window's application. Without a display Qt would abort with a
// fatal message; this says in one line what the user can do instead and
// ends the program with status 1.
std::unique_ptr<Application> openWindowApplication(int& argc, char** argv);

// Loads the catalogue, `givenCatalogue` or else the one in use, and builds
// the main window, not yet shown. When there is no catalogue or it cannot be
// read it reports the error and returns null: no window is ever shown.
std::unique_ptr<MainWindow> startUp(const QString& programFolder, const QString& givenCatalogue);

} // namespace clubdraw
