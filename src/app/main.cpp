// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/commandline.h"
#include "app/startup.h"
#include "gui/application.h"
#include "gui/errorbox.h"
#include "gui/mainwindow.h"

#include <QTextStream>

int main(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    // The commands must work without a display, so only the window gets one.
    if (clubdraw::routeOf(arguments) == clubdraw::Route::Console) {
        QCoreApplication app(argc, argv);
        QTextStream out(stdout);
        QTextStream err(stderr);
        return clubdraw::runConsole(app.arguments(), QCoreApplication::applicationDirPath(), out,
                                    err);
    }

    clubdraw::Application app(argc, argv);
    QTextStream err(stderr);
    const auto catalogue = clubdraw::windowCatalogue(app.arguments(), err);
    if (!catalogue)
        return clubdraw::usageExitStatus;
    auto mainWindow = clubdraw::startUp(QCoreApplication::applicationDirPath(), *catalogue);
    if (!mainWindow)
        return clubdraw::runErrorExitStatus;
    mainWindow->show();
    const int status = app.exec();
    return app.failed() ? clubdraw::runErrorExitStatus : status;
}
