// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "club.h"
#include "runerror.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QCoreApplication>
#include <QString>

#include <array>
#include <vector>

namespace clubdraw {

// Reads catalogue records one at a time straight from the file's bytes.
//
// A comma or a line end (CR LF, LF or a lone CR) ends a field, and each
// record takes the next five fields wherever the line ends fall. Spaces and
// tabs before a field are skipped; a field that starts with a double quote
// runs to the next one, anything else up to the next separator with its
// trailing blanks dropped.
class CatalogueReader {
    Q_DECLARE_TR_FUNCTIONS(CatalogueReader)

public:
    // What the file as a whole is written in.
    enum class Encoding { Windows1252, Utf8, Utf16LittleEndian, Utf16BigEndian };

    // `bytes` must outlive the reader; `source` names the file in error texts.
    // A file that starts with a UTF-16 byte-order mark (FF FE or FE FF) is
    // UTF-16. Otherwise each line is decoded on its own, so one line saved
    // by another editor spoils no other: a line that is well-formed UTF-8 is
    // read as UTF-8, any other as Windows-1252. A UTF-8 byte-order mark is
    // skipped. The file is UTF-8 when it starts with that mark or at least
    // as many of its lines beyond plain ASCII are UTF-8 as are not.
    explicit CatalogueReader(QByteArrayView bytes, QString source = {});

    // Reads the next record into `club`, records without a club name included;
    // returns false when only blank lines (or a final Ctrl-Z) are left. Throws RunError
    // FileEndsInsideRecord, QuoteNeverClosed (more than blank lines follow the line of
    // a quote never closed) or FlagOutOfRange (a flag outside -32768 to 32767).
    bool next(Club& club);

    int record() const { return m_record; } // number of the record last started, from 1
    // Line where that record starts; after a throw, the line the error names.
    int line() const { return m_line; }
    // Whether the last record's flag field was a whole number (an empty or non-numeric
    // field reads as 0 but is not one).
    bool flagWasWholeNumber() const { return m_flagWasWholeNumber; }

    // After a throw: moves to the start of the next line that can start a record, so
    // a caller can go on reading the rest of the file.
    void skipToNextLine();

    // A line whose fields do not make whole records of five, which shifts every
    // record after it. Its fields are counted as written: a comma right before
    // the line end makes an empty last field, even where the reader drops it
    // after a record's fifth field.
    struct UnevenLine {
        int line; // where it starts
        int fields;
        bool endsInComma; // its last field is the empty one after a final comma
    };
    // The uneven lines that the last call of next() finished reading.
    const std::vector<UnevenLine>& unevenLines() const { return m_unevenLines; }

    Encoding encoding() const { return m_encoding; }

    // A line of a UTF-8 file that is not UTF-8, and so is read as
    // Windows-1252: its first byte that breaks UTF-8, and that byte's
    // column, counted in bytes from 1.
    struct NonUtf8Line {
        int line;
        int column;
        unsigned char byte;
    };
    // Every such line of the file, in order; none unless encoding() is Utf8.
    std::vector<NonUtf8Line> nonUtf8Lines() const;

private:
    // A line holding a byte above 0x7F, by its bytes' offsets in the file.
    struct HighLine {
        qsizetype begin;
        qsizetype end;
        qsizetype breaksUtf8At; // -1: the line is UTF-8
    };

    void findHighLines();
    struct Field {
        const char* begin = nullptr;
        const char* end = nullptr;
        int line = 1;
    };

    bool atEnd();
    bool readField(Field& field);
    QString text(const Field& field, int slot);
    std::vector<HighLine>::const_iterator firstHighLine(QByteArrayView bytes) const;
    QString decode(QByteArrayView bytes) const;
    QString decode(QByteArrayView bytes, std::vector<HighLine>::const_iterator line) const;
    std::int16_t flag(const Field& field);
    [[noreturn]] void failFlag(const Field& field);
    [[noreturn]] void fail(int number, int line, const QString& what);

    void countField(int line, bool emptyAfterFinalComma);
    void finishLine();

    void skipBlanks();
    void skipBlankLines();
    void takeLineEnd();
    void takeSeparator();

    QByteArray m_utf16AsUtf8; // what the reader reads of a UTF-16 file
    const char* m_begin;
    const char* m_start; // after a byte-order mark
    const char* m_pos;
    const char* m_end;
    std::vector<HighLine> m_highLines;
    QString m_source;
    Encoding m_encoding = Encoding::Windows1252;
    int m_posLine = 1;
    int m_record = 0;
    int m_line = 1;
    bool m_afterComma = false;
    bool m_flagWasWholeNumber = false;
    int m_lineStart = 1;
    int m_lineFields = 0;
    bool m_lineEndsInComma = false;
    std::vector<UnevenLine> m_unevenLines;
    // The last bytes of each text field, and their text once they repeat:
    // catalogues repeat nations, divisions and suffixes, and a repeat shares
    // the text already decoded.
    std::array<QByteArrayView, 4> m_lastBytes;
    std::array<QString, 4> m_lastText;
    std::array<bool, 4> m_lastAsUtf8{};
};

// "Record 3, line 4 of <source>": where a reader error happened.
QString cataloguePlace(const QString& source, int record, int line);

// RunError TooManyClubs for a club past maxClubs, at that place.
RunError tooManyClubs(const QString& source, int record, int line);

// Turns Windows-1252 bytes into text.
QString decodeWindows1252(QByteArrayView bytes);

// The name of an encoding, as the check reports it.
QString encodingName(CatalogueReader::Encoding encoding);

inline bool isUtf8Continuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// The continuation bytes a UTF-8 lead byte announces, 1 to 3; 0 for a byte
// that cannot start a sequence of two or more (ASCII, a continuation byte,
// or a lead that could only give an overlong or out-of-range code).
inline int utf8TrailCount(unsigned char lead) {
    return lead >= 0xC2 && lead <= 0xDF   ? 1
           : lead >= 0xE0 && lead <= 0xEF ? 2
           : lead >= 0xF0 && lead <= 0xF4 ? 3
                                          : 0;
}
// And back; a character that Windows-1252 lacks becomes '?'.
QByteArray encodeWindows1252(QStringView text);

} // namespace clubdraw
