#include "run_error.h"

namespace clubdraw {

run_error::run_error(int number, QString where)
    : std::runtime_error(QStringLiteral("Run-time error %1: %2").arg(number).arg(text_of(number)).toStdString()),
      number_(number), where_(std::move(where)) {}

QString run_error::text_of(int number) {
    switch (number) {
    case run_errors::overflow:
        return QStringLiteral("Overflow");
    case run_errors::out_of_memory:
        return QStringLiteral("Out of memory");
    case run_errors::file_not_found:
        return QStringLiteral("File not found");
    case run_errors::input_past_end_of_file:
        return QStringLiteral("Input past end of file");
    case run_errors::path_file_access_error:
        return QStringLiteral("Path/File access error");
    default:
        return QStringLiteral("Application-defined or object-defined error");
    }
}

QString run_error::text() const { return text_of(number_); }

QString run_error::message() const {
    QString m = QStringLiteral("Run-time error '%1':\n\n%2").arg(number_).arg(text());
    if (!where_.isEmpty())
        m += QStringLiteral("\n\n") + where_;
    return m;
}

} // namespace clubdraw
