// SPDX-License-Identifier: GPL-3.0-or-later
#include "runerror.h"

#include "printable.h"

namespace clubdraw {

RunError::RunError(int number, QString where)
    : std::runtime_error(
          QStringLiteral("Run-time error %1: %2").arg(number).arg(textOf(number)).toStdString()),
      m_number(number), m_where(std::move(where)) {}

QString RunError::textOf(int number) {
    switch (number) {
    case FlagOutOfRange:
        return QStringLiteral("Overflow");
    case FileTooLarge:
        return QStringLiteral("Out of memory");
    case FileNotFound:
        return QStringLiteral("File not found");
    case FileEndsInsideRecord:
        return QStringLiteral("Input past end of file");
    case FileUnreadable:
        return QStringLiteral("Path/File access error");
    default:
        return QStringLiteral("Application-defined or object-defined error");
    }
}

QString RunError::message() const {
    QString m = QStringLiteral("Run-time error '%1':\n\n%2").arg(m_number).arg(text());
    if (!m_where.isEmpty())
        m += QStringLiteral("\n\n") + m_where;
    return m;
}

QString RunError::oneLine() const {
    QString line = QStringLiteral("run-time error %1: %2").arg(m_number).arg(text());
    if (!m_where.isEmpty())
        line += QStringLiteral(" (") + printable(m_where) + QLatin1Char(')');
    return line;
}

} // namespace clubdraw
