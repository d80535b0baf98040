// SPDX-License-Identifier: GPL-3.0-or-later
#include "terminaloutput.h"

#include "core/club.h"
#include "core/nationselection.h"
#include "core/leaguedraw.h"
#include "core/printable.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

#include <algorithm>

namespace clubdraw {

void printTable(const std::vector<std::pair<QString, QString>>& rows, QTextStream& out,
                const char* indent) {
    std::vector<QString> names;
    names.reserve(rows.size());
    qsizetype width = 0;
    for (const auto& row : rows) {
        names.push_back(printable(row.first));
        width = std::max(width, names.back().size());
    }
    for (std::size_t i = 0; i < rows.size(); ++i)
        out << indent << names[i].leftJustified(width) << "  " << rows[i].second << '\n';
}

void printClubs(const std::vector<Club>& clubs, bool asJson, QTextStream& out,
                const QStringList& managers, const QString& code) {
    if (!asJson) {
        for (std::size_t row = 0; row < clubs.size(); ++row) {
            const Club& club = clubs[row];
            if (static_cast<qsizetype>(row) < managers.size())
                out << printable(managers[static_cast<qsizetype>(row)]) << ": ";
            //: A drawn club, then its division line: "Ajax in Holland, Eredivisie (level 1)"
            out << QCoreApplication::translate("TerminalOutput", "%1 in %2")
                       .arg(printable(club.name), printable(divisionLine(club)))
                << '\n';
        }
        if (!code.isEmpty())
            out << LeagueText::codeLine(code) << '\n';
        return;
    }
    QJsonArray array;
    for (std::size_t row = 0; row < clubs.size(); ++row) {
        const Club& club = clubs[row];
        QJsonObject object{{QStringLiteral("team"), club.name},
                           {QStringLiteral("nation"), club.nation},
                           {QStringLiteral("division"), club.division},
                           {QStringLiteral("suffix"), club.divisionSuffix},
                           {QStringLiteral("line"), divisionLine(club)}};
        if (static_cast<qsizetype>(row) < managers.size())
            object.insert(QStringLiteral("manager"), managers[static_cast<qsizetype>(row)]);
        if (!code.isEmpty())
            object.insert(QStringLiteral("code"), code);
        array.append(object);
    }
    // JSON escapes only C0 controls; the others would reach the terminal
    // raw. \uNNNN keeps the same text for whatever reads the JSON.
    const QString json = QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Indented));
    QString escaped;
    escaped.reserve(json.size());
    qsizetype done = 0;
    for (HiddenCharacter hidden = findHidden(json); hidden.at >= 0;
         hidden = findHidden(json, hidden.at + hidden.size)) {
        if (hidden.code == u'\n') // the layout's own line ends
            continue;
        escaped += QStringView(json).sliced(done, hidden.at - done);
        // A character past U+FFFF as its two UTF-16 units, as JSON has it.
        for (qsizetype i = hidden.at; i < hidden.at + hidden.size; ++i)
            escaped += QStringLiteral("\\u%1").arg(int(json[i].unicode()), 4, 16, QLatin1Char('0'));
        done = hidden.at + hidden.size;
    }
    escaped += QStringView(json).sliced(done);
    out << escaped;
}

} // namespace clubdraw
