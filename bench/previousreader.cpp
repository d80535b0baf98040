// SPDX-License-Identifier: GPL-3.0-or-later
// The catalogue reader as it was before the byte-based CatalogueReader:
// it decodes the whole file to text first. Kept only so the benchmark can
// time both readers on the same machine in the same run.
#include "previousreader.h"

#include "core/runerror.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <array>
#include <cmath>
#include <optional>

namespace clubdraw::previous {

namespace {

// Bytes 0x80..0x9F of Windows-1252; the five unassigned ones pass through
// as the C1 controls, as Windows itself decodes them.
constexpr std::array<char16_t, 32> cp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// Largest file read whole into memory: far beyond any real catalogue
// (32,766 teams take about 2 MB), small enough never to exhaust memory.
constexpr qint64 maxFileBytes = 64LL * 1024 * 1024;

bool isLineEnd(QChar c) {
    return c == u'\r' || c == u'\n';
}
bool isBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

// Sequential reader of comma-separated fields with quoted texts, where a
// line end separates fields just like a comma does.
class FieldReader {
public:
    explicit FieldReader(const QString& text) : m_text(text) {}

    // True when only blank lines are left, at a record boundary.
    bool atEnd() {
        skipBlankLines();
        return m_pos >= m_text.size();
    }

    int line() const { return m_line; }

    // Reads the next field; nullopt when the file has ended instead.
    std::optional<QString> nextField() {
        if (!m_afterComma)
            skipBlankLines();
        else
            skipBlanks();
        if (m_pos >= m_text.size()) {
            if (!m_afterComma)
                return std::nullopt;
            m_afterComma = false; // "a," at the very end: one empty field
            return QString();
        }
        m_fieldLine = m_line;
        QString value;
        if (m_text[m_pos] == u'"') {
            const qsizetype start = ++m_pos;
            while (m_pos < m_text.size() && m_text[m_pos] != u'"') {
                countLineEndInsideQuotes();
                ++m_pos;
            }
            value = m_text.mid(start, m_pos - start);
            if (m_pos < m_text.size())
                ++m_pos; // closing quote
            // Whatever stands between the closing quote and the separator is dropped.
            while (m_pos < m_text.size() && m_text[m_pos] != u',' && !isLineEnd(m_text[m_pos]))
                ++m_pos;
        } else {
            const qsizetype start = m_pos;
            while (m_pos < m_text.size() && m_text[m_pos] != u',' && !isLineEnd(m_text[m_pos]))
                ++m_pos;
            qsizetype end = m_pos;
            while (end > start && isBlank(m_text[end - 1]))
                --end;
            value = m_text.mid(start, end - start);
        }
        takeSeparator();
        return value;
    }

    int fieldLine() const { return m_fieldLine; }

private:
    void skipBlanks() {
        while (m_pos < m_text.size() && isBlank(m_text[m_pos]))
            ++m_pos;
    }

    // Consumes one line end (CR LF, LF or a lone CR).
    void takeLineEnd() {
        if (m_text[m_pos] == u'\r' && m_pos + 1 < m_text.size() && m_text[m_pos + 1] == u'\n')
            ++m_pos;
        ++m_pos;
        ++m_line;
    }

    void skipBlankLines() {
        for (;;) {
            skipBlanks();
            if (m_pos < m_text.size() && isLineEnd(m_text[m_pos]))
                takeLineEnd();
            else
                return;
        }
    }

    void countLineEndInsideQuotes() {
        if (m_text[m_pos] == u'\n' ||
            (m_text[m_pos] == u'\r' && (m_pos + 1 >= m_text.size() || m_text[m_pos + 1] != u'\n')))
            ++m_line;
    }

    void takeSeparator() {
        if (m_pos >= m_text.size()) {
            m_afterComma = false;
        } else if (m_text[m_pos] == u',') {
            ++m_pos;
            m_afterComma = true;
        } else {
            takeLineEnd();
            m_afterComma = false;
        }
    }

    const QString& m_text;
    qsizetype m_pos = 0;
    int m_line = 1;
    int m_fieldLine = 1;
    bool m_afterComma = false;
};

QString recordPlace(const QString& source, int record, int line) {
    QString where = QStringLiteral("Record %1, line %2").arg(record).arg(line);
    if (!source.isEmpty())
        where += QStringLiteral(" of ") + QDir::toNativeSeparators(source);
    return where;
}

// A whole number from -32768 to 32767; other numbers are rounded half to
// even first; text that is not a number reads as 0.
std::int16_t parseMinimumFlag(const QString& field, const QString& where) {
    const QString text = field.trimmed();
    if (text.isEmpty())
        return 0;
    for (QChar c : text)
        if (!c.isDigit() && c != u'+' && c != u'-' && c != u'.' && c != u'e' && c != u'E')
            return 0;
    bool ok = false;
    double value = text.toDouble(&ok);
    if (!ok && !std::isinf(value))
        return 0;
    value = std::nearbyint(value);
    if (!(value >= -32768.0 && value <= 32767.0))
        throw RunError(RunError::Overflow, where);
    return static_cast<std::int16_t>(value);
}

QString decodeWindows1252(const QByteArray& bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        out[i] = (b >= 0x80 && b <= 0x9F) ? QChar(cp1252High[b - 0x80]) : QChar(char16_t(b));
    }
    return text;
}

} // namespace

Catalogue parse(const QString& text, const QString& source) {
    Catalogue catalogue;
    FieldReader reader(text);
    int record = 0;
    bool lastWasTerminator = false;
    while (!reader.atEnd()) {
        ++record;
        const int recordLine = reader.line();
        TeamRecord r;
        QString* const texts[] = {&r.nation, &r.division, &r.divisionSuffix, nullptr, &r.team};
        for (QString* target : texts) {
            std::optional<QString> field = reader.nextField();
            if (!field)
                throw RunError(
                    RunError::InputPastEndOfFile,
                    recordPlace(source, record, recordLine) +
                        QStringLiteral(": the file ends before the record's five fields"));
            if (target)
                *target = std::move(*field);
            else
                r.minimumFlag = parseMinimumFlag(
                    *field, recordPlace(source, record, reader.fieldLine()) +
                                QStringLiteral(": minimum flag \"%1\" is outside -32768 to 32767")
                                    .arg(field->trimmed().left(40)));
        }
        if (r.team.isEmpty()) {
            // Skipped, dropping nothing read before it; at the end of the file
            // it only marks that the list has no spare slot.
            lastWasTerminator = true;
            continue;
        }
        if (catalogue.slotCount() == maxTableSlots)
            throw RunError(RunError::Overflow,
                           recordPlace(source, record, recordLine) +
                               QStringLiteral(": more than %1 teams").arg(maxTeams));
        catalogue.teams.back() = std::move(r);
        catalogue.teams.emplace_back();
        lastWasTerminator = false;
    }
    if (lastWasTerminator && catalogue.slotCount() > 1)
        catalogue.teams.pop_back();
    return catalogue;
}

Catalogue load(const QString& path) {
    const QString shown = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    QFileInfo info(path);
    if (!info.exists())
        throw RunError(RunError::FileNotFound, shown);
    QFile file(path);
    if (info.isDir() || !file.open(QIODevice::ReadOnly))
        throw RunError(RunError::PathFileAccessError,
                       shown + (info.isDir() ? QStringLiteral(" is a folder")
                                             : QStringLiteral(": ") + file.errorString()));
    if (file.size() > maxFileBytes)
        throw RunError(
            RunError::OutOfMemory,
            shown + QStringLiteral(" is larger than %1 MiB").arg(maxFileBytes / (1024 * 1024)));
    const QByteArray bytes = file.read(maxFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        throw RunError(RunError::PathFileAccessError,
                       shown + QStringLiteral(": ") + file.errorString());
    if (bytes.size() > maxFileBytes)
        throw RunError(
            RunError::OutOfMemory,
            shown + QStringLiteral(" is larger than %1 MiB").arg(maxFileBytes / (1024 * 1024)));
    return parse(decodeWindows1252(bytes), shown);
}

} // namespace clubdraw::previous
