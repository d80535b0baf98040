#include "error_report.h"

#include <QMessageBox>

#include <cstdio>

namespace clubdraw {

namespace {
error_box_hook& hook() {
    static error_box_hook instance;
    return instance;
}
} // namespace

void set_error_box_hook(error_box_hook h) { hook() = std::move(h); }

void report_run_error(const run_error& error) {
    QString line = QStringLiteral("clubdraw: run-time error %1: %2").arg(error.number()).arg(error.text());
    if (!error.where().isEmpty())
        line += QStringLiteral(" (") + error.where() + QLatin1Char(')');
    std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
    std::fflush(stderr);
    if (hook()) {
        hook()(error);
        return;
    }
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Clubdraw"), error.message(), QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace clubdraw
