// SPDX-License-Identifier: GPL-3.0-or-later
#include "startup.h"

#include "core/catalogue.h"
#include "core/cataloguelocation.h"
#include "core/randomsource.h"
#include "gui/errorbox.h"
#include "gui/mainwindow.h"

namespace clubdraw {

std::unique_ptr<MainWindow> startUp(const QString& programFolder, const QString& givenCatalogue) {
    try {
        auto random = std::make_unique<ClockRandomSource>();
        Catalogue catalogue = Catalogue::load(findCatalogue(programFolder, givenCatalogue).path);
        return std::make_unique<MainWindow>(std::move(catalogue), std::move(random));
    } catch (const RunError& error) {
        ErrorBox::report(error);
        return nullptr;
    }
}

} // namespace clubdraw
