#include "app/clubdraw_application.h"
#include "app/error_report.h"
#include "app/startup.h"
#include "nation_draw/frm_cmtrekning.h"

int main(int argc, char** argv) {
    clubdraw::clubdraw_application app(argc, argv);
    auto main_window = clubdraw::start_up(QCoreApplication::applicationDirPath());
    if (!main_window)
        return clubdraw::run_error_exit_status;
    main_window->show();
    const int status = app.exec();
    return app.failed() ? clubdraw::run_error_exit_status : status;
}
