// SPDX-License-Identifier: GPL-3.0-or-later
#include "cataloguecheck.h"

#include "catalogue.h"
#include "cataloguereader.h"
#include "nationselection.h"
#include "runerror.h"

#include <QCoreApplication>
#include <QHash>
#include <QMap>
#include <QSet>

#include <algorithm>
#include <limits>

namespace clubdraw {

namespace {

QString quoted(const QString& text) {
    //: Quotation marks around a name, as the language writes them
    return QCoreApplication::translate("CatalogueCheck", "\"%1\"").arg(text);
}

// A UTF-8 sequence of two to four bytes starts at `at`.
bool utf8SequenceAt(const QByteArray& bytes, qsizetype at) {
    const auto lead = static_cast<unsigned char>(bytes[at]);
    const int continuations = lead >= 0xC2 && lead <= 0xDF   ? 1
                              : lead >= 0xE0 && lead <= 0xEF ? 2
                              : lead >= 0xF0 && lead <= 0xF4 ? 3
                                                             : 0;
    if (continuations == 0 || at + continuations >= bytes.size())
        return false;
    for (int i = 1; i <= continuations; ++i) {
        const auto b = static_cast<unsigned char>(bytes[at + i]);
        if (b < 0x80 || b > 0xBF)
            return false;
    }
    return true;
}

// Why a text looks wrongly decoded; empty when it looks right.
QString decodingProblem(const QString& text) {
    for (QChar c : text) {
        if (c == QChar::ReplacementCharacter)
            return QCoreApplication::translate(
                "CatalogueCheck", "it holds U+FFFD, a character that could not be decoded");
        if (c.unicode() >= 0x80 && c.unicode() <= 0x9F)
            return QCoreApplication::translate("CatalogueCheck",
                                               "it holds the control character U+%1")
                .arg(QString::number(c.unicode(), 16).toUpper().rightJustified(4, u'0'));
    }
    // "Ã¸" for "ø": the bytes of a UTF-8 letter, each read as a letter of
    // its own.
    const QByteArray bytes = encodeWindows1252(text);
    for (qsizetype i = 0; i < bytes.size(); ++i)
        if (utf8SequenceAt(bytes, i))
            return QCoreApplication::translate("CatalogueCheck",
                                               "it looks like UTF-8 read as Windows-1252");
    return {};
}

class Checker {
    Q_DECLARE_TR_FUNCTIONS(CatalogueCheck)

public:
    void add(CheckFinding::Kind kind, int line, QString text) {
        m_report.findings.push_back({kind, line, std::move(text)});
    }

    void check(const Club& record, const CatalogueReader& reader) {
        const int line = reader.line();
        if (record.name.isEmpty()) {
            // Only the last record may be a terminator; elsewhere it is a lost club.
            m_terminatorLine = line;
            return;
        }
        reportTerminator();
        if (m_report.summary.clubs == maxClubs)
            error(line, Catalogue::tooManyClubs({}, reader.record(), line));
        checkTexts(record, line);
        if (!reader.flagWasWholeNumber())
            add(CheckFinding::Kind::Warning, line,
                tr("the database flag is not a whole number; it reads as %1")
                    .arg(record.databaseFlag));

        const QString clubKey = record.nation + QChar(0x1F) + record.division + QChar(0x1F) +
                                record.name.trimmed().toCaseFolded();
        if (const auto first = m_clubLines.constFind(clubKey); first != m_clubLines.cend())
            add(CheckFinding::Kind::Warning, line,
                tr("club %1 is listed twice in the division %2 (first on line %3)")
                    .arg(quoted(record.name), quoted(record.nation + u' ' + record.division))
                    .arg(*first));
        else
            m_clubLines.insert(clubKey, line);

        CheckSummary& summary = m_report.summary;
        ++summary.clubs;
        if (record.inMinimumDatabase())
            ++summary.minimumClubs;
        m_divisions.insert(record.nation + QChar(0x1F) + record.division);
        if (!m_nations.contains(record.nation))
            m_nationLines.insert(record.nation, line);
        ++m_nations[record.nation];
    }

    // Only lines before `before` count: the line of an error is not read to its end.
    void checkLines(const std::vector<CatalogueReader::UnevenLine>& lines,
                    int before = std::numeric_limits<int>::max()) {
        for (const auto& [line, fields, endsInComma] : lines) {
            if (line >= before)
                continue;
            // The reader drops a lone comma after a record, so nothing shifts.
            if (endsInComma && fields % 5 == 1)
                add(CheckFinding::Kind::Warning, line,
                    tr("the line has %n field(s), the last one empty: remove the comma at its "
                       "end",
                       nullptr, fields));
            else
                add(CheckFinding::Kind::Warning, line,
                    tr("the line has %n field(s), not whole records of five; every record after "
                       "it is shifted",
                       nullptr, fields));
        }
    }

    void error(int line, const RunError& error) {
        add(CheckFinding::Kind::Error, line, error.oneLine());
    }

    CheckReport finish() {
        for (auto n = m_nations.cbegin(); n != m_nations.cend(); ++n) {
            m_report.summary.clubsPerNation.emplace_back(n.key(), n.value());
            if (!n.key().isEmpty() && !isDrawnByNation(n.key()))
                add(CheckFinding::Kind::Warning, m_nationLines.value(n.key()),
                    //: %1 is the nation; %2 is empty or "; did you mean ...?"
                    tr("the nation %1 is none of the main window's sixteen, so its %n club(s) "
                       "never drawn by nation%2",
                       nullptr, n.value())
                        .arg(quoted(n.key()), suggestion(n.key())));
        }
        m_report.summary.divisions = static_cast<int>(m_divisions.size());
        std::stable_sort(
            m_report.findings.begin(), m_report.findings.end(),
            [](const CheckFinding& a, const CheckFinding& b) { return a.line < b.line; });
        return std::move(m_report);
    }

private:
    static bool isDrawnByNation(const QString& nation) {
        for (int n = 0; n < nationCount; ++n)
            if (nation == nationName(static_cast<Nation>(n)))
                return true;
        return false;
    }

    static QString suggestion(const QString& nation) {
        const QString meant = suggestedNation(nation);
        return meant.isEmpty() ? QString() : tr("; did you mean %1?").arg(quoted(meant));
    }

    void reportTerminator() {
        if (m_terminatorLine == 0)
            return;
        add(CheckFinding::Kind::Warning, m_terminatorLine,
            tr("no club name: the record is skipped"));
        m_terminatorLine = 0;
    }

    void checkTexts(const Club& record, int line) {
        if (record.nation.isEmpty() || record.division.isEmpty())
            add(CheckFinding::Kind::Warning, line,
                record.nation.isEmpty() && record.division.isEmpty()
                    ? tr("empty nation and division")
                : record.nation.isEmpty() ? tr("empty nation")
                                          : tr("empty division"));
        const QString* const texts[] = {&record.nation, &record.division, &record.divisionSuffix,
                                        &record.name};
        for (int field = 0; field < 4; ++field)
            if (const QString problem = decodingProblem(*texts[field]); !problem.isEmpty())
                add(CheckFinding::Kind::Warning, line,
                    wronglyDecoded(field).arg(quoted(*texts[field]), problem));
    }

    static QString wronglyDecoded(int field) {
        switch (field) {
        case 0:
            return tr("the nation %1 looks wrongly decoded: %2");
        case 1:
            return tr("the division %1 looks wrongly decoded: %2");
        case 2:
            return tr("the suffix %1 looks wrongly decoded: %2");
        default:
            return tr("the club name %1 looks wrongly decoded: %2");
        }
    }

    CheckReport m_report;
    int m_terminatorLine = 0;
    QHash<QString, int> m_clubLines;
    QSet<QString> m_divisions;
    QMap<QString, int> m_nations; // sorted by name
    QHash<QString, int> m_nationLines;
};

} // namespace

int CheckReport::count(CheckFinding::Kind kind) const {
    return static_cast<int>(
        std::count_if(findings.begin(), findings.end(),
                      [kind](const CheckFinding& f) { return f.kind == kind; }));
}

CheckReport checkCatalogue(QByteArrayView bytes) {
    Checker checker;
    CatalogueReader reader(bytes);
    Club record;
    int lastErrorLine = 0;
    for (;;) {
        try {
            const bool more = reader.next(record);
            checker.checkLines(reader.unevenLines());
            if (!more)
                break;
        } catch (const RunError& error) {
            checker.checkLines(reader.unevenLines(), reader.line());
            checker.error(reader.line(), error);
            // A reader that cannot move on would report the same line forever.
            if (reader.line() <= lastErrorLine)
                break;
            lastErrorLine = reader.line();
            reader.skipToNextLine();
            continue;
        }
        checker.check(record, reader);
    }
    return checker.finish();
}

CheckReport checkCatalogueFile(const QString& path) {
    QByteArray bytes;
    try {
        bytes = Catalogue::readFile(path);
    } catch (const RunError& error) {
        CheckReport report;
        report.findings.push_back({CheckFinding::Kind::Error, 0, error.oneLine()});
        return report;
    }
    return checkCatalogue(bytes);
}

} // namespace clubdraw
