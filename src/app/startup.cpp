// SPDX-License-Identifier: GPL-3.0-or-later
#include "startup.h"

#include "exitstatus.h"

#include "core/catalogue.h"
#include "core/cataloguelocation.h"
#include "core/printable.h"
#include "core/programmessage.h"
#include "core/randomsource.h"
#include "core/translations.h"
#include "core/version.h"
#include "gui/application.h"
#include "gui/errorbox.h"
#include "gui/mainwindow.h"

#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

namespace clubdraw {

namespace {

struct HeldMessage {
    QtMsgType type;
    QString text;
};

std::vector<HeldMessage>& heldMessages() {
    static std::vector<HeldMessage> held;
    return held;
}

// While the display opens, Qt's warnings are held back: when it fails they
// would only bury the one line that matters.
void holdWhileOpening(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type != QtFatalMsg) {
        heldMessages().push_back({type, text});
        return;
    }
    installTranslations();
    writeProgramMessage(
        QCoreApplication::translate("StartUp", "the window needs a graphical session, and none "
                                               "could be opened; the commands work without one "
                                               "(%1 --help)")
            .arg(QLatin1String(programName)));
    std::_Exit(exitStatus::failure);
}

} // namespace

std::unique_ptr<Application> openWindowApplication(int& argc, char** argv) {
    heldMessages().clear();
    const QtMessageHandler previous = qInstallMessageHandler(holdWhileOpening);
    auto app = std::make_unique<Application>(argc, argv);
    qInstallMessageHandler(previous);
    for (const HeldMessage& message : std::exchange(heldMessages(), {}))
        qt_message_output(message.type, QMessageLogContext(), message.text);
    return app;
}

std::unique_ptr<MainWindow> startUp(const QString& programFolder, const QString& givenCatalogue) {
    try {
        auto random = std::make_unique<ClockRandomSource>();
        const QString path = findRegularCatalogueFile(programFolder, givenCatalogue).path;
        Catalogue catalogue = loadCatalogue(path);
        // It loads, but every draw would silently find nothing.
        if (catalogue.clubs.empty())
            ErrorBox::warn(QCoreApplication::translate(
                               "StartUp", "The catalogue %1 holds no clubs, so no draw can find "
                                          "one. Add clubs to it, or check it with: %2 check")
                               .arg(shownPath(path), QLatin1String(programName)));
        return std::make_unique<MainWindow>(std::move(catalogue), std::move(random));
    } catch (const RunError& error) {
        ErrorBox::report(error);
        return nullptr;
    }
}

} // namespace clubdraw
