// SPDX-License-Identifier: GPL-3.0-or-later
#include "terminaloutput.h"

#include "core/printable.h"
#include "core/revealschedule.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

#include <algorithm>

namespace clubdraw {

QString plural(int n, const char* noun) {
    return QStringLiteral("%1 %2%3").arg(n).arg(QLatin1String(noun)).arg(n == 1 ? "" : "s");
}

QString didYouMean(const QString& suggestion) {
    return suggestion.isEmpty() ? QString()
                                : QStringLiteral("; did you mean \"%1\"?").arg(suggestion);
}

void printTable(const std::vector<std::pair<QString, QString>>& rows, QTextStream& out,
                const char* indent) {
    qsizetype width = 0;
    for (const auto& row : rows)
        width = std::max(width, printable(row.first).size());
    for (const auto& [name, counts] : rows)
        out << indent << printable(name).leftJustified(width) << "  " << counts << '\n';
}

void printClubs(const std::vector<Club>& clubs, bool asJson, QTextStream& out) {
    if (!asJson) {
        for (const Club& club : clubs)
            out << printable(club.name) << " in " << printable(divisionLine(club)) << '\n';
        return;
    }
    QJsonArray array;
    for (const Club& club : clubs)
        array.append(QJsonObject{{QStringLiteral("team"), club.name},
                                 {QStringLiteral("nation"), club.nation},
                                 {QStringLiteral("division"), club.division},
                                 {QStringLiteral("suffix"), club.divisionSuffix},
                                 {QStringLiteral("line"), divisionLine(club)}});
    out << QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Indented));
}

} // namespace clubdraw
