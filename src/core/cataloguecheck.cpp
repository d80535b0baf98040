// SPDX-License-Identifier: GPL-3.0-or-later
#include "cataloguecheck.h"

#include "catalogue.h"
#include "cataloguelocation.h"
#include "cataloguereader.h"
#include "divisionselection.h"
#include "namesuggestion.h"
#include "nationselection.h"
#include "printable.h"
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
    const int continuations = utf8TrailCount(static_cast<unsigned char>(bytes[at]));
    if (continuations == 0 || at + continuations >= bytes.size())
        return false;
    for (int i = 1; i <= continuations; ++i) {
        if (!isUtf8Continuation(static_cast<unsigned char>(bytes[at + i])))
            return false;
    }
    return true;
}

// No 8-bit text holds one on purpose: it is a byte that Windows-1252 leaves
// undefined, or a decoding gone wrong.
bool isC1Control(QChar c) {
    return c.unicode() >= 0x80 && c.unicode() <= 0x9F;
}

// Why a text looks wrongly decoded; empty when it looks right.
QString decodingProblem(const QString& text) {
    for (QChar c : text) {
        if (c == QChar::ReplacementCharacter)
            return QCoreApplication::translate(
                "CatalogueCheck", "it holds U+FFFD, a character that could not be decoded");
        if (isC1Control(c))
            //: %1 is a character code such as U+0081
            return QCoreApplication::translate("CatalogueCheck",
                                               "it holds the control character %1")
                .arg(characterCode(c.unicode()));
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

// What the result labels show in full, in bold, of a name in the common
// letters: a club's name on one line, a division line on two. A longer one
// ends in "…" in the window.
constexpr int maxShownClubName = 28;
constexpr int maxShownDivisionLine = 50;

int characters(const QString& text) {
    return static_cast<int>(text.size() - std::count_if(text.cbegin(), text.cend(), [](QChar c) {
                                return c.isLowSurrogate();
                            }));
}

class Checker {
    Q_DECLARE_TR_FUNCTIONS(CatalogueCheck)

public:
    // Room for about as many clubs as the bytes can hold, never more than
    // load: growing the tables one rehash at a time costs more than the check.
    explicit Checker(qsizetype bytes) {
        const auto clubs = expectedClubs(bytes);
        m_clubLines.reserve(clubs);
        m_nearClubs.reserve(clubs);
    }

    void add(CheckFinding::Kind kind, int line, QString text) {
        m_report.findings.push_back({kind, line, std::move(text)});
    }

    void check(const Club& club, const CatalogueReader& reader) {
        const int line = reader.line();
        if (club.name.isEmpty()) {
            // Only the last record may be a terminator; elsewhere it is a lost club.
            m_terminatorLine = line;
            return;
        }
        reportTerminator();
        // Past the limit nothing loads: one error, and a count for the summary.
        if (m_report.summary.clubs == maxClubs) {
            if (m_report.summary.clubsOverLimit++ == 0)
                error(line, tooManyClubs({}, reader.record(), line));
            return;
        }
        checkTexts(club, line);
        if (!reader.flagWasWholeNumber())
            add(CheckFinding::Kind::Warning, line,
                tr("the database flag is not a whole number; it reads as %1")
                    .arg(club.databaseFlag));

        checkSameClub(club, line);
        // Lines count from 1, so 0 is a division not seen before.
        if (int& first = m_divisionLines[DivisionKey{club.nation, club.division}]; first == 0) {
            first = line;
            // ", " and a blank at most join the three: only a long one is built.
            if (club.nation.size() + club.division.size() + club.divisionSuffix.size() + 3 >
                maxShownDivisionLine)
                checkShownLength(divisionLine(club), maxShownDivisionLine, line);
        }
        if (club.name.size() > maxShownClubName)
            checkShownLength(club.name, maxShownClubName, line);

        CheckSummary& summary = m_report.summary;
        ++summary.clubs;
        if (club.inMinimumDatabase())
            ++summary.minimumClubs;
        if (!m_nations.contains(club.nation))
            m_nationLines.insert(club.nation, line);
        ++m_nations[club.nation];
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

    // A line of a UTF-8 file that another editor saved in its own encoding.
    void checkEncoding(const CatalogueReader& reader) {
        m_report.summary.encoding = encodingName(reader.encoding());
        for (const auto& [line, column, byte] : reader.nonUtf8Lines())
            add(CheckFinding::Kind::Warning, line,
                tr("the line is not UTF-8 (byte 0x%1 at column %2), so it is read as "
                   "Windows-1252")
                    .arg(QString::number(byte, 16).toUpper().rightJustified(2, u'0'))
                    .arg(column));
    }

    void error(int line, const RunError& error) {
        add(CheckFinding::Kind::Error, line, error.oneLine());
    }

    CheckReport finish() {
        for (auto n = m_nations.cbegin(); n != m_nations.cend(); ++n) {
            m_report.summary.clubsPerNation.emplace_back(n.key(), n.value());
            if (!n.key().isEmpty() && !nationOf(n.key()))
                add(CheckFinding::Kind::Warning, m_nationLines.value(n.key()),
                    //: %1 is the nation; %2 is empty or "; did you mean ...?"
                    tr("the nation %1 is none of the main window's sixteen, so its %n club(s) "
                       "never drawn by nation%2",
                       nullptr, n.value())
                        .arg(quoted(n.key()), didYouMean(suggestedNation(n.key()))));
        }
        m_report.summary.divisions = static_cast<int>(m_divisionLines.size());
        checkDivisionLabels();
        if (m_report.summary.clubs == 0)
            add(CheckFinding::Kind::Error, 0,
                tr("the catalogue holds no clubs: nothing can be drawn"));
        std::stable_sort(
            m_report.findings.begin(), m_report.findings.end(),
            [](const CheckFinding& a, const CheckFinding& b) { return a.line < b.line; });
        return std::move(m_report);
    }

private:
    void reportTerminator() {
        if (m_terminatorLine == 0)
            return;
        add(CheckFinding::Kind::Warning, m_terminatorLine,
            tr("no club name: the record is skipped"));
        m_terminatorLine = 0;
    }

    void checkTexts(const Club& club, int line) {
        if (club.nation.isEmpty() || club.division.isEmpty())
            add(CheckFinding::Kind::Warning, line,
                club.nation.isEmpty() && club.division.isEmpty() ? tr("empty nation and division")
                : club.nation.isEmpty()                          ? tr("empty nation")
                                                                 : tr("empty division"));
        const QString* const texts[] = {&club.nation, &club.division, &club.divisionSuffix,
                                        &club.name};
        for (int field = 0; field < 4; ++field) {
            if (const QString problem = decodingProblem(*texts[field]); !problem.isEmpty())
                add(CheckFinding::Kind::Warning, line,
                    wronglyDecoded(field).arg(quoted(*texts[field]), problem));
            HiddenCharacter hidden = findHidden(*texts[field]);
            // A C1 control is reported as wrongly decoded, above.
            while (hidden.at >= 0 && hidden.code >= 0x80 && hidden.code <= 0x9F)
                hidden = findHidden(*texts[field], hidden.at + hidden.size);
            if (hidden.at >= 0)
                add(CheckFinding::Kind::Warning, line,
                    //: %1 is the field's text, %2 a character code such as U+001B
                    tr("%1 holds the control or invisible character %2, which can disturb a "
                       "terminal or hide what the text says")
                        .arg(quoted(*texts[field]), characterCode(hidden.code)));
        }
    }

    // Only for a text longer than `most` UTF-16 units, which is never fewer
    // characters.
    void checkShownLength(const QString& text, int most, int line) {
        const int length = characters(text);
        if (length <= most)
            return;
        const QString warning =
            most == maxShownClubName
                ? tr("the club name %1 has %2 characters, more than the %3 that the result "
                     "shows in full; the window cuts it short")
                : tr("the division line %1 has %2 characters, more than the %3 that the result "
                     "shows in full; the window cuts it short");
        add(CheckFinding::Kind::Warning, line,
            warning.arg(quoted(text), QString::number(length), QString::number(most)));
    }

    // The same club twice is one club listed twice (clubIdentity()); a name
    // that differs only in letter case or blanks is likely the same club too.
    void checkSameClub(const Club& club, int line) {
        const ClubIdentity identity = clubIdentity(club);
        if (const auto first = m_clubLines.constFind(identity); first != m_clubLines.cend()) {
            add(CheckFinding::Kind::Warning, line,
                tr("club %1 of %2 is listed twice (first on line %3)")
                    .arg(quoted(club.name), quoted(club.nation), QString::number(*first)));
            return;
        }
        m_clubLines.insert(identity, line);
        const std::pair nearIdentity{club.nation, club.name.trimmed().toCaseFolded()};
        if (const auto first = m_nearClubs.constFind(nearIdentity); first != m_nearClubs.cend())
            add(CheckFinding::Kind::Warning, line,
                tr("club %1 of %2 looks like %3 on line %4: they differ only in letter case or "
                   "blanks")
                    .arg(quoted(club.name), quoted(club.nation), quoted(first->name),
                         QString::number(first->line)));
        else
            m_nearClubs.insert(nearIdentity, {club.name, line});
    }

    // "New" + "Zealand Premier" and "New Zealand" + "Premier" read the same in
    // the division window, and --division takes both. Two labels can only
    // read the same when one nation is another's first words, so only such
    // pairs of nations are looked at.
    void checkDivisionLabels() {
        for (auto shorter = m_nations.cbegin(); shorter != m_nations.cend(); ++shorter) {
            // What every label of the shorter nation starts with.
            const QString prefix = divisionLabel({shorter.key(), QString()});
            for (auto longer = m_nations.lowerBound(prefix);
                 longer != m_nations.cend() && longer.key().startsWith(prefix); ++longer) {
                for (auto d = m_divisionLines.cbegin(); d != m_divisionLines.cend(); ++d) {
                    if (d.key().nation != longer.key())
                        continue;
                    const DivisionKey twin{shorter.key(),
                                           divisionLabel(d.key()).sliced(prefix.size())};
                    if (const auto other = m_divisionLines.constFind(twin);
                        other != m_divisionLines.cend())
                        reportSameLabel(d.key(), d.value(), twin, *other);
                }
            }
        }
    }

    void reportSameLabel(const DivisionKey& a, int aLine, const DivisionKey& b, int bLine) {
        const bool aLater = aLine > bLine;
        const DivisionKey& later = aLater ? a : b;
        const DivisionKey& first = aLater ? b : a;
        add(CheckFinding::Kind::Warning, std::max(aLine, bLine),
            tr("the division %1 of the nation %2 reads the same as the division %3 of the "
               "nation %4 (line %5): the division window cannot tell them apart")
                .arg(quoted(later.division), quoted(later.nation), quoted(first.division),
                     quoted(first.nation))
                .arg(std::min(aLine, bLine)));
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
    // A club's name as first seen, and where.
    struct FirstName {
        QString name;
        int line;
    };
    QHash<ClubIdentity, int> m_clubLines;
    // The nation, and the name in one case without blanks around it.
    QHash<std::pair<QString, QString>, FirstName> m_nearClubs; // the club's name
    QHash<DivisionKey, int> m_divisionLines;                   // where each is first seen
    QMap<QString, int> m_nations;                              // sorted by name
    QHash<QString, int> m_nationLines;
};

} // namespace

int CheckReport::count(CheckFinding::Kind kind) const {
    return static_cast<int>(
        std::count_if(findings.begin(), findings.end(),
                      [kind](const CheckFinding& f) { return f.kind == kind; }));
}

CheckReport checkCatalogue(QByteArrayView bytes) {
    Checker checker(bytes.size());
    CatalogueReader reader(bytes);
    checker.checkEncoding(reader);
    Club club;
    int lastErrorLine = 0;
    for (;;) {
        try {
            const bool more = reader.next(club);
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
        checker.check(club, reader);
    }
    return checker.finish();
}

CheckReport checkCatalogueFile(const QString& path) {
    QByteArray bytes;
    try {
        bytes = readCatalogueFile(path);
    } catch (const RunError& error) {
        CheckReport report;
        report.findings.push_back({CheckFinding::Kind::Error, 0, error.oneLine()});
        return report;
    }
    return checkCatalogue(bytes);
}

} // namespace clubdraw
