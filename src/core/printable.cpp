// SPDX-License-Identifier: GPL-3.0-or-later
#include "printable.h"

namespace clubdraw {

QString printable(const QString& text) {
    QString shown;
    shown.reserve(text.size());
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x20 || (u >= 0x7F && u <= 0x9F))
            shown += QStringLiteral("\\x%1").arg(int(u), 2, 16, QLatin1Char('0'));
        else
            shown += c;
    }
    return shown;
}

} // namespace clubdraw
