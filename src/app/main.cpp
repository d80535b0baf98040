#include "app/startup.h"
#include "gui/application.h"
#include "gui/errorbox.h"
#include "gui/mainwindow.h"

int main(int argc, char** argv) {
    clubdraw::Application app(argc, argv);
    auto mainWindow = clubdraw::startUp(QCoreApplication::applicationDirPath());
    if (!mainWindow)
        return clubdraw::runErrorExitStatus;
    mainWindow->show();
    const int status = app.exec();
    return app.failed() ? clubdraw::runErrorExitStatus : status;
}
