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
        return tr("Overflow");
    case FileTooLarge:
        return tr("Out of memory");
    case FileNotFound:
        return tr("File not found");
    case FileEndsInsideRecord:
        return tr("Input past end of file");
    case FileUnreadable:
        return tr("Path/File access error");
    default:
        return tr("Application-defined or object-defined error");
    }
}

QString RunError::message() const {
    //: The error box; the number stays as it is, so reports and searches find it
    QString m = tr("Run-time error '%1':\n\n%2").arg(m_number).arg(text());
    if (!m_where.isEmpty())
        m += QStringLiteral("\n\n") + m_where;
    return m;
}

QString RunError::oneLine() const {
    //: A line on the terminal; the number stays as it is
    QString line = tr("run-time error %1: %2").arg(m_number).arg(text());
    if (!m_where.isEmpty())
        line += QStringLiteral(" (") + printable(m_where) + QLatin1Char(')');
    return line;
}

} // namespace clubdraw
