// SPDX-License-Identifier: GPL-3.0-or-later
#include "printable.h"

#include <QDir>
#include <QFileInfo>

namespace clubdraw {

bool isHiddenOrControl(char16_t u) {
    return u < 0x20 || (u >= 0x7F && u <= 0x9F) || u == 0x061C || (u >= 0x200B && u <= 0x200F) ||
           (u >= 0x2028 && u <= 0x202E) || (u >= 0x2060 && u <= 0x2069) || u == 0xFEFF ||
           (u >= 0xFFF9 && u <= 0xFFFB);
}

QString printable(const QString& text) {
    QString shown;
    shown.reserve(text.size());
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (!isHiddenOrControl(u))
            shown += c;
        else if (u <= 0xFF)
            shown += QStringLiteral("\\x%1").arg(int(u), 2, 16, QLatin1Char('0'));
        else
            shown += QStringLiteral("\\u%1").arg(int(u), 4, 16, QLatin1Char('0'));
    }
    return shown;
}

QString shownPath(const QString& path) {
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

} // namespace clubdraw
