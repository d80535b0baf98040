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
    enum class Encoding { Windows1252, Utf8 };

    // `bytes` must outlive the reader; `source` names the file in error texts.
    // Decides the encoding once: UTF-8 when the bytes start with a UTF-8 byte-order
    // mark (which is then skipped) or are valid UTF-8 containing a byte above 0x7F;
    // Windows-1252 otherwise.
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

    // Only tests ask which encoding was decided.
    Encoding encoding() const { return m_encoding; }

private:
    struct Field {
        const char* begin = nullptr;
        const char* end = nullptr;
        int line = 1;
    };

    bool atEnd();
    bool readField(Field& field);
    QString text(const Field& field, int slot);
    QString decode(QByteArrayView bytes) const;
    std::int16_t flag(const Field& field);
    [[noreturn]] void failFlag(const Field& field);
    [[noreturn]] void fail(int number, int line, const QString& what);

    void countField(int line, bool emptyAfterFinalComma);
    void finishLine();

    void skipBlanks();
    void skipBlankLines();
    void takeLineEnd();
    void takeSeparator();

    const char* m_pos;
    const char* m_end;
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
};

// "Record 3, line 4 of <source>": where a reader error happened.
QString cataloguePlace(const QString& source, int record, int line);

// RunError TooManyClubs for a club past maxClubs, at that place.
RunError tooManyClubs(const QString& source, int record, int line);

// Turns Windows-1252 bytes into text.
QString decodeWindows1252(QByteArrayView bytes);

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
