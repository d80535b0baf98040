// SPDX-License-Identifier: GPL-3.0-or-later
#include "cataloguereader.h"

#include "catalogue.h"
#include "runerror.h"

#include <QCoreApplication>
#include <QDir>
#include <QStringDecoder>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace clubdraw {

namespace {

// Windows-1252 as UTF-16. Of bytes 0x80..0x9F, the five unassigned ones
// pass through as the C1 controls, as Windows itself decodes them.
constexpr std::array<char16_t, 256> cp1252 = [] {
    constexpr char16_t high[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                   0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                   0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                   0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    std::array<char16_t, 256> table{};
    for (int b = 0; b < 256; ++b)
        table[b] = (b >= 0x80 && b <= 0x9F) ? high[b - 0x80] : char16_t(b);
    return table;
}();

constexpr char ctrlZ = '\x1A';

bool isLineEnd(char c) {
    return c == '\r' || c == '\n';
}
bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// The length of the well-formed UTF-8 sequence of two to four bytes at `p`
// (no overlong form, surrogate or code point past U+10FFFF); 0 for none.
int utf8SequenceLength(const unsigned char* p, const unsigned char* end) {
    const int trail = utf8TrailCount(*p);
    if (trail == 0 || end - p <= trail)
        return 0;
    char32_t code = *p & (0x7F >> (trail + 1));
    for (int i = 1; i <= trail; ++i) {
        if (!isUtf8Continuation(p[i]))
            return 0;
        code = (code << 6) | (p[i] & 0x3F);
    }
    const char32_t least = trail == 1 ? 0x80 : trail == 2 ? 0x800 : 0x10000;
    if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return 0;
    return trail + 1;
}

bool isWholeNumberText(QStringView text) {
    if (text.startsWith(u'+') || text.startsWith(u'-'))
        text = text.mid(1);
    if (text.isEmpty())
        return false;
    return std::ranges::all_of(text, [](QChar c) { return c >= u'0' && c <= u'9'; });
}

} // namespace

QString cataloguePlace(const QString& source, int record, int line) {
    if (source.isEmpty())
        return QCoreApplication::translate("CatalogueReader", "Record %1, line %2")
            .arg(record)
            .arg(line);
    return QCoreApplication::translate("CatalogueReader", "Record %1, line %2 of %3")
        .arg(record)
        .arg(line)
        .arg(QDir::toNativeSeparators(source));
}

RunError tooManyClubs(const QString& source, int record, int line) {
    //: %1 is where the reader is, such as "Record 3, line 4 of <file>"
    return RunError(RunError::TooManyClubs,
                    QCoreApplication::translate("Catalogue", "%1: more than %2 teams")
                        .arg(cataloguePlace(source, record, line), QString::number(maxClubs)));
}

QString encodingName(CatalogueReader::Encoding encoding) {
    switch (encoding) {
    case CatalogueReader::Encoding::Utf8:
        return QStringLiteral("UTF-8");
    case CatalogueReader::Encoding::Utf16LittleEndian:
        return QCoreApplication::translate("CatalogueReader", "UTF-16, little-endian");
    case CatalogueReader::Encoding::Utf16BigEndian:
        return QCoreApplication::translate("CatalogueReader", "UTF-16, big-endian");
    default:
        return QStringLiteral("Windows-1252");
    }
}

QString decodeWindows1252(QByteArrayView bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    auto* out = reinterpret_cast<char16_t*>(text.data());
    for (qsizetype i = 0; i < bytes.size(); ++i)
        out[i] = cp1252[static_cast<unsigned char>(bytes[i])];
    return text;
}

QByteArray encodeWindows1252(QStringView text) {
    QByteArray bytes(text.size(), '?');
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            bytes[i] = static_cast<char>(c);
            continue;
        }
        const auto* const high = std::find(cp1252.begin() + 0x80, cp1252.begin() + 0xA0, c);
        if (high != cp1252.begin() + 0xA0)
            bytes[i] = static_cast<char>(high - cp1252.begin());
    }
    return bytes;
}

CatalogueReader::CatalogueReader(QByteArrayView bytes, QString source)
    : m_begin(bytes.data()), m_pos(bytes.data()), m_end(bytes.data() + bytes.size()),
      m_source(std::move(source)) {
    const bool littleEndian = bytes.startsWith("\xFF\xFE");
    const bool utf8Mark = bytes.startsWith("\xEF\xBB\xBF");
    if (littleEndian || bytes.startsWith("\xFE\xFF")) {
        // Read as UTF-8 from here on: its line ends, commas and quotes are
        // the bytes the reader looks for.
        m_encoding = littleEndian ? Encoding::Utf16LittleEndian : Encoding::Utf16BigEndian;
        QStringDecoder toText(littleEndian ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE);
        m_utf16AsUtf8 = QString(toText.decode(bytes.sliced(2))).toUtf8();
        m_begin = m_pos = m_utf16AsUtf8.constData();
        m_end = m_begin + m_utf16AsUtf8.size();
    } else if (utf8Mark) {
        m_pos += 3;
    }
    // DOS editors ended a text file with Ctrl-Z.
    if (m_end > m_pos && m_end[-1] == ctrlZ)
        --m_end;
    m_start = m_pos;
    findHighLines();
    if (m_encoding == Encoding::Windows1252) {
        const auto utf8Lines = std::count_if(m_highLines.begin(), m_highLines.end(),
                                             [](const HighLine& l) { return l.breaksUtf8At < 0; });
        const auto otherLines = static_cast<qsizetype>(m_highLines.size()) - utf8Lines;
        if (utf8Mark || (utf8Lines > 0 && utf8Lines >= otherLines))
            m_encoding = Encoding::Utf8;
    }
}

void CatalogueReader::findHighLines() {
    const auto* const base = reinterpret_cast<const unsigned char*>(m_begin);
    const auto* const end = reinterpret_cast<const unsigned char*>(m_end);
    const auto* p = reinterpret_cast<const unsigned char*>(m_start);
    const auto* floor = p; // no line with a high byte starts before it
    const auto lineEnd = [](unsigned char c) { return isLineEnd(static_cast<char>(c)); };
    while (p < end) {
        // Nearly every byte is ASCII: skip it eight at a time.
        while (end - p >= 8) {
            std::uint64_t word = 0;
            std::memcpy(&word, p, 8);
            if (word & 0x8080808080808080ULL)
                break;
            p += 8;
        }
        if (p == end)
            break;
        if (*p < 0x80) {
            ++p;
            continue;
        }
        const auto* begin = p;
        while (begin > floor && !lineEnd(begin[-1]))
            --begin;
        qsizetype breaksAt = -1;
        while (p < end && !lineEnd(*p)) {
            if (*p < 0x80) {
                ++p;
                continue;
            }
            const int length = utf8SequenceLength(p, end);
            if (length == 0) {
                breaksAt = p - base;
                p = std::find_if(p, end, lineEnd);
                break;
            }
            p += length;
        }
        m_highLines.push_back({begin - base, p - base, breaksAt});
        floor = p;
    }
}

std::vector<CatalogueReader::NonUtf8Line> CatalogueReader::nonUtf8Lines() const {
    std::vector<NonUtf8Line> lines;
    if (m_encoding != Encoding::Utf8)
        return lines;
    int line = 1;
    const char* at = m_start;
    for (const HighLine& high : m_highLines) {
        if (high.breaksUtf8At < 0)
            continue;
        // Line ends counted as the reader counts them: CR LF, LF or a lone CR.
        for (const char* const begin = m_begin + high.begin; at < begin; ++at)
            if (*at == '\n' || (*at == '\r' && (at + 1 == m_end || at[1] != '\n')))
                ++line;
        lines.push_back({line, static_cast<int>(high.breaksUtf8At - high.begin + 1),
                         static_cast<unsigned char>(m_begin[high.breaksUtf8At])});
    }
    return lines;
}

bool CatalogueReader::next(Club& club) {
    m_unevenLines.clear();
    if (atEnd())
        return false;
    ++m_record;
    m_line = m_posLine;
    const int recordLine = m_posLine;
    Field field;
    for (int slot = 0; slot < 5; ++slot) {
        if (!readField(field))
            fail(RunError::FileEndsInsideRecord, recordLine,
                 tr(": the file ends before the record's five fields"));
        switch (slot) {
        case 0:
            club.nation = text(field, 0);
            break;
        case 1:
            club.division = text(field, 1);
            break;
        case 2:
            club.divisionSuffix = text(field, 2);
            break;
        case 3:
            club.databaseFlag = flag(field);
            break;
        default:
            club.name = text(field, 3);
        }
    }
    return true;
}

void CatalogueReader::skipToNextLine() {
    m_lineFields = 0; // a line cut short by an error is not counted
    while (m_pos < m_end && !isLineEnd(*m_pos))
        ++m_pos;
    if (m_pos < m_end)
        takeLineEnd();
    m_afterComma = false;
}

bool CatalogueReader::atEnd() {
    if (m_afterComma) {
        skipBlanks();
        // The comma after a record's fifth field ends its line: the empty
        // field it makes is dropped, but the line still holds it.
        if (m_pos == m_end || isLineEnd(*m_pos)) {
            countField(m_posLine, true);
            m_afterComma = false;
        }
    }
    skipBlankLines();
    if (m_pos == m_end)
        finishLine();
    return m_pos == m_end;
}

bool CatalogueReader::readField(Field& field) {
    if (m_afterComma)
        skipBlanks();
    else
        skipBlankLines();
    field.line = m_posLine;
    if (m_pos == m_end) {
        if (!m_afterComma)
            return false;
        m_afterComma = false; // "a," at the very end: one empty field
        field.begin = field.end = m_pos;
        countField(field.line, true);
        return true;
    }
    bool emptyAfterFinalComma = false;
    if (*m_pos == '"') {
        const char* const start = ++m_pos;
        const char* close = start;
        int lineEnds = 0;
        for (; close < m_end && *close != '"'; ++close)
            if (static_cast<unsigned char>(*close) <= '\r' &&
                (*close == '\n' || (*close == '\r' && (close + 1 == m_end || close[1] != '\n'))))
                ++lineEnds;
        if (close == m_end && lineEnds > 0) {
            // Without a closing quote the field would swallow every record
            // after it. A quote left open in the last line runs to the end of
            // that line, whether or not the file ends with a line end.
            close = std::find_if(start, m_end, isLineEnd);
            if (!std::all_of(close, m_end, [](char c) { return isLineEnd(c) || isBlank(c); }))
                fail(RunError::QuoteNeverClosed, field.line,
                     tr(": the quote opened on this line is never closed"));
            lineEnds = 0;
        }
        m_posLine += lineEnds;
        field.begin = start;
        field.end = close;
        m_pos = close < m_end && *close == '"' ? close + 1 : close;
        // Whatever stands between the closing quote and the separator is dropped.
        while (m_pos < m_end && *m_pos != ',' && !isLineEnd(*m_pos))
            ++m_pos;
    } else {
        field.begin = m_pos;
        while (m_pos < m_end && *m_pos != ',' && !isLineEnd(*m_pos))
            ++m_pos;
        field.end = m_pos;
        while (field.end > field.begin && isBlank(field.end[-1]))
            --field.end;
        // Blank lines are skipped before a line's first field, so an empty
        // one at the line end follows a comma.
        emptyAfterFinalComma = field.begin == m_pos && m_pos < m_end && isLineEnd(*m_pos);
    }
    countField(field.line, emptyAfterFinalComma);
    takeSeparator();
    return true;
}

QString CatalogueReader::text(const Field& field, int slot) {
    const QByteArrayView bytes(field.begin, field.end - field.begin);
    if (bytes.isEmpty())
        return QString();
    const auto index = static_cast<std::size_t>(slot);
    QByteArrayView& lastBytes = m_lastBytes[index];
    QString& lastText = m_lastText[index];
    const auto highLine = firstHighLine(bytes);
    // The same bytes in a line read another way are another text.
    const bool asUtf8 = highLine != m_highLines.end() && highLine->breaksUtf8At < 0 &&
                        highLine->begin < field.end - m_begin;
    // Names in a list mostly differ in their last letters: look there first.
    const bool repeat =
        bytes.size() == lastBytes.size() && bytes.back() == lastBytes.back() &&
        asUtf8 == m_lastAsUtf8[index] &&
        std::memcmp(bytes.data(), lastBytes.data(), static_cast<std::size_t>(bytes.size())) == 0;
    lastBytes = bytes;
    m_lastAsUtf8[index] = asUtf8;
    if (!repeat) {
        // Held only from the second time in a row, so a field that never
        // repeats (a club) costs no shared copy.
        lastText = QString();
        return decode(bytes, highLine);
    }
    if (lastText.isNull())
        lastText = decode(bytes, highLine);
    return lastText;
}

std::vector<CatalogueReader::HighLine>::const_iterator
CatalogueReader::firstHighLine(QByteArrayView bytes) const {
    const qsizetype from = bytes.data() - m_begin;
    return std::upper_bound(m_highLines.begin(), m_highLines.end(), from,
                            [](qsizetype at, const HighLine& line) { return at < line.end; });
}

QString CatalogueReader::decode(QByteArrayView bytes) const {
    return decode(bytes, firstHighLine(bytes));
}

// Each line of the text in its own encoding; plain ASCII between them.
QString CatalogueReader::decode(QByteArrayView bytes,
                                std::vector<HighLine>::const_iterator line) const {
    const qsizetype from = bytes.data() - m_begin;
    const qsizetype to = from + bytes.size();
    const auto decodeLine = [this](const HighLine& high, qsizetype begin, qsizetype end) {
        const QByteArrayView part(m_begin + begin, end - begin);
        return high.breaksUtf8At < 0 ? QString::fromUtf8(part) : decodeWindows1252(part);
    };
    if (line == m_highLines.end() || line->begin >= to)
        return QString::fromLatin1(bytes);
    if (line->begin <= from && line->end >= to)
        return decodeLine(*line, from, to);
    QString text;
    qsizetype at = from;
    for (; line != m_highLines.end() && line->begin < to; ++line) {
        if (line->begin > at)
            text += QLatin1String(m_begin + at, line->begin - at);
        const qsizetype stop = std::min(to, line->end);
        text += decodeLine(*line, std::max(at, line->begin), stop);
        at = stop;
    }
    if (at < to)
        text += QLatin1String(m_begin + at, to - at);
    return text;
}

// A whole number from -32768 to 32767; other numbers are rounded half to
// even first; text that is not a number reads as 0.
std::int16_t CatalogueReader::flag(const Field& field) {
    m_flagWasWholeNumber = false;
    // Nearly every flag is a few plain digits: read those without decoding.
    const char* digits =
        field.begin != field.end && *field.begin == '-' ? field.begin + 1 : field.begin;
    if (digits != field.end && field.end - digits <= 9 &&
        std::all_of(digits, field.end, [](char c) { return c >= '0' && c <= '9'; })) {
        long value = 0;
        for (const char* p = digits; p < field.end; ++p)
            value = value * 10 + (*p - '0');
        if (digits != field.begin)
            value = -value;
        if (value < -32768 || value > 32767)
            failFlag(field);
        m_flagWasWholeNumber = true;
        return static_cast<std::int16_t>(value);
    }
    const QString text = decode(QByteArrayView(field.begin, field.end - field.begin)).trimmed();
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
        failFlag(field);
    m_flagWasWholeNumber = isWholeNumberText(text);
    return static_cast<std::int16_t>(value);
}

void CatalogueReader::failFlag(const Field& field) {
    const QString text = decode(QByteArrayView(field.begin, field.end - field.begin)).trimmed();
    // Go on after the error from where the flag stands.
    m_pos = field.begin;
    m_posLine = field.line;
    fail(RunError::FlagOutOfRange, field.line,
         tr(": minimum flag \"%1\" is outside -32768 to 32767").arg(text.left(40)));
}

void CatalogueReader::fail(int number, int line, const QString& what) {
    m_line = line;
    m_afterComma = false;
    throw RunError(number, cataloguePlace(m_source, m_record, line) + what);
}

void CatalogueReader::countField(int line, bool emptyAfterFinalComma) {
    if (m_lineFields++ == 0)
        m_lineStart = line;
    m_lineEndsInComma = emptyAfterFinalComma;
}

void CatalogueReader::finishLine() {
    if (m_lineFields % 5 != 0)
        m_unevenLines.push_back({m_lineStart, m_lineFields, m_lineEndsInComma});
    m_lineFields = 0;
}

void CatalogueReader::skipBlanks() {
    while (m_pos < m_end && isBlank(*m_pos))
        ++m_pos;
}

void CatalogueReader::skipBlankLines() {
    for (;;) {
        skipBlanks();
        if (m_pos < m_end && isLineEnd(*m_pos))
            takeLineEnd();
        else
            return;
    }
}

// Consumes one line end (CR LF, LF or a lone CR).
void CatalogueReader::takeLineEnd() {
    if (*m_pos == '\r' && m_pos + 1 < m_end && m_pos[1] == '\n')
        ++m_pos;
    ++m_pos;
    ++m_posLine;
    finishLine();
}

void CatalogueReader::takeSeparator() {
    if (m_pos == m_end) {
        m_afterComma = false;
    } else if (*m_pos == ',') {
        ++m_pos;
        m_afterComma = true;
    } else {
        takeLineEnd();
        m_afterComma = false;
    }
}

} // namespace clubdraw
