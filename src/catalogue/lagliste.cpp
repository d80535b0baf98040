#include "lagliste.h"

#include "run_error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <array>
#include <cmath>
#include <optional>

namespace clubdraw {

namespace {

// Bytes 0x80..0x9F of Windows-1252; the five unassigned ones pass through
// as the C1 controls, as Windows itself decodes them.
constexpr std::array<char16_t, 32> cp1252_high = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// Largest file read whole into memory: far beyond any real catalogue
// (32,766 teams take about 2 MB), small enough never to exhaust memory.
constexpr qint64 max_file_bytes = 64LL * 1024 * 1024;

bool is_line_end(QChar c) { return c == u'\r' || c == u'\n'; }
bool is_blank(QChar c) { return c == u' ' || c == u'\t'; }

// Sequential reader of comma-separated fields with quoted texts, where a
// line end separates fields just like a comma does.
class field_reader {
public:
    explicit field_reader(const QString& text) : text_(text) {}

    // True when only blank lines are left, at a record boundary.
    bool at_end() {
        skip_blank_lines();
        return pos_ >= text_.size();
    }

    int line() const { return line_; }

    // Reads the next field; nullopt when the file has ended instead.
    std::optional<QString> next_field() {
        if (!after_comma_)
            skip_blank_lines();
        else
            skip_blanks();
        if (pos_ >= text_.size()) {
            if (!after_comma_)
                return std::nullopt;
            after_comma_ = false; // "a," at the very end: one empty field
            return QString();
        }
        field_line_ = line_;
        QString value;
        if (text_[pos_] == u'"') {
            const qsizetype start = ++pos_;
            while (pos_ < text_.size() && text_[pos_] != u'"') {
                count_line_end_inside_quotes();
                ++pos_;
            }
            value = text_.mid(start, pos_ - start);
            if (pos_ < text_.size())
                ++pos_; // closing quote
            // Whatever stands between the closing quote and the separator is dropped.
            while (pos_ < text_.size() && text_[pos_] != u',' && !is_line_end(text_[pos_]))
                ++pos_;
        } else {
            const qsizetype start = pos_;
            while (pos_ < text_.size() && text_[pos_] != u',' && !is_line_end(text_[pos_]))
                ++pos_;
            qsizetype end = pos_;
            while (end > start && is_blank(text_[end - 1]))
                --end;
            value = text_.mid(start, end - start);
        }
        take_separator();
        return value;
    }

    int field_line() const { return field_line_; }

private:
    void skip_blanks() {
        while (pos_ < text_.size() && is_blank(text_[pos_]))
            ++pos_;
    }

    // Consumes one line end (CR LF, LF or a lone CR).
    void take_line_end() {
        if (text_[pos_] == u'\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == u'\n')
            ++pos_;
        ++pos_;
        ++line_;
    }

    void skip_blank_lines() {
        for (;;) {
            skip_blanks();
            if (pos_ < text_.size() && is_line_end(text_[pos_]))
                take_line_end();
            else
                return;
        }
    }

    void count_line_end_inside_quotes() {
        if (text_[pos_] == u'\n' || (text_[pos_] == u'\r' && (pos_ + 1 >= text_.size() || text_[pos_ + 1] != u'\n')))
            ++line_;
    }

    void take_separator() {
        if (pos_ >= text_.size()) {
            after_comma_ = false;
        } else if (text_[pos_] == u',') {
            ++pos_;
            after_comma_ = true;
        } else {
            take_line_end();
            after_comma_ = false;
        }
    }

    const QString& text_;
    qsizetype pos_ = 0;
    int line_ = 1;
    int field_line_ = 1;
    bool after_comma_ = false;
};

QString place(const QString& source, int record, int line) {
    QString where = QStringLiteral("Record %1, line %2").arg(record).arg(line);
    if (!source.isEmpty())
        where += QStringLiteral(" of ") + QDir::toNativeSeparators(source);
    return where;
}

// A whole number from -32768 to 32767; other numbers are rounded half to
// even first; text that is not a number reads as 0.
std::int16_t parse_minimum_flag(const QString& field, const QString& where) {
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
        throw run_error(run_errors::overflow, where);
    return static_cast<std::int16_t>(value);
}

} // namespace

QString decode_windows_1252(const QByteArray& bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        out[i] = (b >= 0x80 && b <= 0x9F) ? QChar(cp1252_high[b - 0x80]) : QChar(char16_t(b));
    }
    return text;
}

lagliste parse_catalogue(const QString& text, const QString& source) {
    lagliste catalogue;
    field_reader reader(text);
    int record = 0;
    bool last_was_terminator = false;
    while (!reader.at_end()) {
        ++record;
        const int record_line = reader.line();
        team_record r;
        QString* const texts[] = {&r.nation, &r.division, &r.division_suffix, nullptr, &r.team};
        for (QString* target : texts) {
            std::optional<QString> field = reader.next_field();
            if (!field)
                throw run_error(run_errors::input_past_end_of_file,
                                place(source, record, record_line) +
                                    QStringLiteral(": the file ends before the record's five fields"));
            if (target)
                *target = std::move(*field);
            else
                r.minimum_flag = parse_minimum_flag(*field, place(source, record, reader.field_line()) +
                                                                QStringLiteral(": minimum flag \"%1\" is outside -32768 to 32767")
                                                                    .arg(field->trimmed().left(40)));
        }
        if (r.team.isEmpty()) {
            // Skipped, dropping nothing read before it; at the end of the file
            // it only marks that the list has no spare slot.
            last_was_terminator = true;
            continue;
        }
        if (catalogue.team_count() == max_table_slots)
            throw run_error(run_errors::overflow,
                            place(source, record, record_line) +
                                QStringLiteral(": more than %1 teams").arg(max_teams));
        catalogue.team_table.back() = std::move(r);
        catalogue.team_table.emplace_back();
        last_was_terminator = false;
    }
    if (last_was_terminator && catalogue.team_count() > 1)
        catalogue.team_table.pop_back();
    return catalogue;
}

lagliste load_catalogue(const QString& path) {
    const QString shown = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    QFileInfo info(path);
    if (!info.exists())
        throw run_error(run_errors::file_not_found, shown);
    QFile file(path);
    if (info.isDir() || !file.open(QIODevice::ReadOnly))
        throw run_error(run_errors::path_file_access_error,
                        shown + (info.isDir() ? QStringLiteral(" is a folder") : QStringLiteral(": ") + file.errorString()));
    if (file.size() > max_file_bytes)
        throw run_error(run_errors::out_of_memory,
                        shown + QStringLiteral(" is larger than %1 MiB").arg(max_file_bytes / (1024 * 1024)));
    const QByteArray bytes = file.read(max_file_bytes + 1);
    if (file.error() != QFileDevice::NoError)
        throw run_error(run_errors::path_file_access_error, shown + QStringLiteral(": ") + file.errorString());
    if (bytes.size() > max_file_bytes)
        throw run_error(run_errors::out_of_memory,
                        shown + QStringLiteral(" is larger than %1 MiB").arg(max_file_bytes / (1024 * 1024)));
    return parse_catalogue(decode_windows_1252(bytes), shown);
}

QString catalogue_path(const QString& program_folder) {
    return QDir(program_folder).filePath(QString::fromLatin1(catalogue_file_name));
}

} // namespace clubdraw
