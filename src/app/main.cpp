// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/commandline.h"
#include "app/consoleencoding.h"
#include "app/consolelessoutput.h"
#include "app/exitstatus.h"
#include "app/quitonsignal.h"
#include "app/standardoutput.h"
#include "app/startup.h"
#include "core/languagechoice.h"
#include "core/translations.h"
#include "core/version.h"
#include "gui/application.h"
#include "gui/mainwindow.h"

#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char** argv) {
    using namespace clubdraw;
    holdClosedStandardStreams();
    // Wayland compositors match the window to its menu entry and icon by
    // the desktop file's id.
    QCoreApplication::setApplicationName(QString::fromLatin1(programName));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(version));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(desktopFileId));
    // The kept settings: ~/.config/clubdraw/clubdraw.conf, or
    // HKEY_CURRENT_USER\Software\clubdraw\clubdraw on Windows.
    QCoreApplication::setOrganizationName(QString::fromLatin1(programName));
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const QStringList languages = chosenLanguages(languageOption(arguments));
    // The commands must work without a display, so only the window gets one.
    if (routeOf(arguments) == Route::Console && !hasStandardOutput()) {
        Application app(argc, argv);
        installTranslations(languages);
        QString text;
        QTextStream out(&text);
        const int status =
            runConsole(app.arguments(), QCoreApplication::applicationDirPath(), out, out);
        out.flush();
        showInMessageBox(text, status != exitStatus::success);
        return status;
    }
    if (routeOf(arguments) == Route::Console) {
        QCoreApplication app(argc, argv);
        installTranslations(languages);
        [[maybe_unused]] const ConsoleEncoding encoding{};
        StandardOutput out;
        QTextStream err(stderr);
        if (!argumentsAreText(argc, argv, err))
            return exitStatus::wrongArguments;
        const int status =
            runConsole(app.arguments(), QCoreApplication::applicationDirPath(), out.stream(), err);
        return out.finish(status, err);
    }

    const std::unique_ptr<Application> application = openWindowApplication(argc, argv);
    Application& app = *application;
    installTranslations(languages);
    QTextStream err(stderr);
    if (!argumentsAreText(argc, argv, err))
        return exitStatus::wrongArguments;
    const auto catalogue = windowCatalogue(app.arguments(), err);
    if (!catalogue)
        return exitStatus::wrongArguments;
    auto mainWindow = startUp(QCoreApplication::applicationDirPath(), *catalogue);
    if (!mainWindow)
        return exitStatus::failure;
    mainWindow->show();
    const QuitOnSignals quitOnSignals;
    const int status = app.exec();
    return app.failed() ? exitStatus::failure : status;
}
