// SPDX-License-Identifier: GPL-3.0-or-later
#include "terminaloutput.h"

#include "core/club.h"
#include "core/leaguedraw.h"
#include "core/nationselection.h"
#include "core/printable.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

#include <algorithm>
#include <iterator>
#include <utility>

namespace clubdraw {

namespace {

// The characters of East Asian Width W or F (Unicode 14), runs joined
// across unassigned code points: a terminal gives each two columns.
constexpr std::pair<char32_t, char32_t> wideRanges[] = {
    {0x1100, 0x115F},   {0x231A, 0x231B},   {0x2329, 0x232A},   {0x23E9, 0x23EC},
    {0x23F0, 0x23F0},   {0x23F3, 0x23F3},   {0x25FD, 0x25FE},   {0x2614, 0x2615},
    {0x2648, 0x2653},   {0x267F, 0x267F},   {0x2693, 0x2693},   {0x26A1, 0x26A1},
    {0x26AA, 0x26AB},   {0x26BD, 0x26BE},   {0x26C4, 0x26C5},   {0x26CE, 0x26CE},
    {0x26D4, 0x26D4},   {0x26EA, 0x26EA},   {0x26F2, 0x26F3},   {0x26F5, 0x26F5},
    {0x26FA, 0x26FA},   {0x26FD, 0x26FD},   {0x2705, 0x2705},   {0x270A, 0x270B},
    {0x2728, 0x2728},   {0x274C, 0x274C},   {0x274E, 0x274E},   {0x2753, 0x2755},
    {0x2757, 0x2757},   {0x2795, 0x2797},   {0x27B0, 0x27B0},   {0x27BF, 0x27BF},
    {0x2B1B, 0x2B1C},   {0x2B50, 0x2B50},   {0x2B55, 0x2B55},   {0x2E80, 0x303E},
    {0x3041, 0x3247},   {0x3250, 0x4DBF},   {0x4E00, 0xA4C6},   {0xA960, 0xA97C},
    {0xAC00, 0xD7A3},   {0xF900, 0xFAD9},   {0xFE10, 0xFE19},   {0xFE30, 0xFE6B},
    {0xFF01, 0xFF60},   {0xFFE0, 0xFFE6},   {0x16FE0, 0x1B2FB}, {0x1F004, 0x1F004},
    {0x1F0CF, 0x1F0CF}, {0x1F18E, 0x1F18E}, {0x1F191, 0x1F19A}, {0x1F200, 0x1F320},
    {0x1F32D, 0x1F335}, {0x1F337, 0x1F37C}, {0x1F37E, 0x1F393}, {0x1F3A0, 0x1F3CA},
    {0x1F3CF, 0x1F3D3}, {0x1F3E0, 0x1F3F0}, {0x1F3F4, 0x1F3F4}, {0x1F3F8, 0x1F43E},
    {0x1F440, 0x1F440}, {0x1F442, 0x1F4FC}, {0x1F4FF, 0x1F53D}, {0x1F54B, 0x1F54E},
    {0x1F550, 0x1F567}, {0x1F57A, 0x1F57A}, {0x1F595, 0x1F596}, {0x1F5A4, 0x1F5A4},
    {0x1F5FB, 0x1F64F}, {0x1F680, 0x1F6C5}, {0x1F6CC, 0x1F6CC}, {0x1F6D0, 0x1F6D2},
    {0x1F6D5, 0x1F6DF}, {0x1F6EB, 0x1F6EC}, {0x1F6F4, 0x1F6FC}, {0x1F7E0, 0x1F7F0},
    {0x1F90C, 0x1F93A}, {0x1F93C, 0x1F945}, {0x1F947, 0x1F9FF}, {0x1FA70, 0x1FAF6},
    {0x20000, 0x3FFFD}};

int columnsOf(char32_t c) {
    const QChar::Category category = QChar::category(c);
    if (category == QChar::Mark_NonSpacing || category == QChar::Mark_Enclosing)
        return 0;
    const auto* range = std::upper_bound(
        std::begin(wideRanges), std::end(wideRanges), c,
        [](char32_t code, const std::pair<char32_t, char32_t>& r) { return code < r.first; });
    return range != std::begin(wideRanges) && c <= std::prev(range)->second ? 2 : 1;
}

// The columns a terminal gives the text.
qsizetype displayWidth(const QString& text) {
    qsizetype width = 0;
    for (const char32_t c : text.toUcs4())
        width += columnsOf(c);
    return width;
}

} // namespace

void printTable(const std::vector<std::pair<QString, QString>>& rows, QTextStream& out,
                const char* indent) {
    std::vector<std::pair<QString, qsizetype>> names; // printable, and its columns
    names.reserve(rows.size());
    qsizetype width = 0;
    for (const auto& row : rows) {
        QString name = printable(row.first);
        const qsizetype columns = displayWidth(name);
        names.emplace_back(std::move(name), columns);
        width = std::max(width, columns);
    }
    for (std::size_t i = 0; i < rows.size(); ++i)
        out << indent << names[i].first << QString(width - names[i].second + 2, u' ')
            << rows[i].second << '\n';
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
