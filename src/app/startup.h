// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <memory>

namespace clubdraw {

class MainWindow;

// Loads the catalogue, `givenCatalogue` or else the one in use, and builds
// the main window, not yet shown. When there is no catalogue or it cannot be
// read it reports the error and returns null: no window is ever shown.
std::unique_ptr<MainWindow> startUp(const QString& programFolder, const QString& givenCatalogue);

} // namespace clubdraw
