// SPDX-License-Identifier: GPL-3.0-or-later
#include "runerror.h"

#include "printable.h"

#include <algorithm>

namespace clubdraw {

RunError::RunError(int number, QString where, QStringList places)
    : std::runtime_error(
          QStringLiteral("Run-time error %1: %2").arg(number).arg(textOf(number)).toStdString()),
      m_number(number), m_where(std::move(where)), m_places(std::move(places)) {}

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
    for (qsizetype i = 0; i < std::min<qsizetype>(m_places.size(), placesShown); ++i)
        m += u'\n' + m_places[i];
    if (m_places.size() > placesShown)
        m += u'\n' + tr("and %n more", nullptr, int(m_places.size() - placesShown));
    return m;
}

QString RunError::oneLine() const {
    //: A line on the terminal; the number stays as it is
    QString line = tr("run-time error %1: %2").arg(m_number).arg(text());
    QString where = m_where;
    if (!m_places.isEmpty())
        where += u' ' + m_places.join(QStringLiteral("; "));
    if (!where.isEmpty())
        line += QStringLiteral(" (") + printable(where) + QLatin1Char(')');
    return line;
}

} // namespace clubdraw
