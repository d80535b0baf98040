// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/cataloguereader.h"
#include "core/runerror.h"

#include <QStringList>

#include <gtest/gtest.h>

using namespace clubdraw;

namespace {

using Encoding = CatalogueReader::Encoding;

struct EncodingRow {
    const char* name;
    QByteArray bytes;
    Encoding encoding;
    const char16_t* nation;
    const char16_t* club;
};

class ReaderEncoding : public ::testing::TestWithParam<EncodingRow> {};

TEST_P(ReaderEncoding, decidesOnceForTheWholeFile) {
    const EncodingRow& row = GetParam();
    CatalogueReader reader(row.bytes);
    EXPECT_EQ(reader.encoding(), row.encoding);
    Club club;
    ASSERT_TRUE(reader.next(club));
    EXPECT_EQ(club.nation, QString::fromUtf16(row.nation));
    EXPECT_EQ(club.name, QString::fromUtf16(row.club));
}

const QByteArray mark("\xEF\xBB\xBF");
const QByteArray
    utf8Line("Argentina,Primera,,0,Br\xC3\xB8ndby IF\r\nArgentina,Primera,,0,Boca\r\n");

const EncodingRow encodingRows[] = {
    {"windows1252_letter", "Denmark,Superliga,,0,Br\xF8ndby IF\r\n", Encoding::Windows1252,
     u"Denmark", u"Brøndby IF"},
    {"plain_ascii", "Argentina,Primera,,0,Boca\r\n", Encoding::Windows1252, u"Argentina", u"Boca"},
    {"utf8_without_mark", utf8Line, Encoding::Utf8, u"Argentina", u"Brøndby IF"},
    {"utf8_with_mark", mark + utf8Line, Encoding::Utf8, u"Argentina", u"Brøndby IF"},
    {"mark_before_ascii", mark + "Argentina,Primera,,0,Boca\r\n", Encoding::Utf8, u"Argentina",
     u"Boca"},
    {"four_byte_utf8", "A,B,,0,\xF0\x9F\x8F\x86\r\n", Encoding::Utf8, u"A", u"\U0001F3C6"},
    // Each line in its own encoding: a Windows-1252 line spoils no other.
    {"utf8_then_a_windows1252_letter", utf8Line + "A,B,,0,Caf\xE9\r\n", Encoding::Utf8,
     u"Argentina", u"Brøndby IF"},
    {"windows1252_lines_outnumber_utf8",
     QByteArray("A,\xC9,,0,Caf\xE9\r\nA,B,,0,\xC9\r\n") + utf8Line, Encoding::Windows1252, u"A",
     u"Café"},
    {"utf16_little_endian",
     QByteArray("\xFF\xFE"
                "A\0,\0B\0,\0,\0"
                "0\0,\0\xF8\0\r\0\n\0",
                22),
     Encoding::Utf16LittleEndian, u"A", u"ø"},
    {"utf16_big_endian",
     QByteArray("\xFE\xFF"
                "\0A\0,\0B\0,\0,\0"
                "0\0,\0\xF8\0\r\0\n",
                22),
     Encoding::Utf16BigEndian, u"A", u"ø"},
    {"overlong_slash", "A,B,,0,\xC0\xAF\r\n", Encoding::Windows1252, u"A", u"À¯"},
    {"surrogate", "A,B,,0,\xED\xA0\x80\r\n", Encoding::Windows1252, u"A", u"í\u00A0€"},
    {"past_u10ffff", "A,B,,0,\xF4\x90\x80\x80\r\n", Encoding::Windows1252, u"A", u"ô\u0090€€"},
    {"sequence_cut_by_the_end", "A,B,,0,x\xC3", Encoding::Windows1252, u"A", u"xÃ"},
};

INSTANTIATE_TEST_SUITE_P(Rows, ReaderEncoding, ::testing::ValuesIn(encodingRows),
                         [](const auto& info) { return std::string(info.param.name); });

// A line saved by another editor keeps its own letters and spoils no other,
// and the check can name it, even in a field that runs over lines.
TEST(ReaderEncoding, decodesEachLineOnItsOwn) {
    CatalogueReader reader("A,B,,0,\"V\xC3\xA9lez\"\r\n"
                           "A,B,,0,\"x\xff\xfe\r\nV\xC3\xA9lez\"\r\n"
                           "A,B,,0,V\xC3\xA9lez\n");
    QStringList names;
    Club club;
    while (reader.next(club))
        names << club.name;
    EXPECT_EQ(names, QStringList({u"Vélez"_qs, u"xÿþ\r\nVélez"_qs, u"Vélez"_qs}));
    ASSERT_EQ(reader.nonUtf8Lines().size(), 1u);
    EXPECT_EQ(reader.nonUtf8Lines()[0].line, 2);
    EXPECT_EQ(reader.nonUtf8Lines()[0].column, 10);
    EXPECT_EQ(reader.nonUtf8Lines()[0].byte, 0xFF);
}

TEST(ReaderEncoding, windows1252DecodesEveryByte) {
    const QByteArray bytes("Br\xf8ndby \x80 \x9f \x81");
    EXPECT_EQ(decodeWindows1252(bytes), QStringLiteral(u"Brøndby € Ÿ \u0081"));
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all += char(b);
    EXPECT_EQ(decodeWindows1252(all).size(), 256);
}

struct FlagRow {
    const char* field;
    int value;
    bool whole;
};

class ReaderFlag : public ::testing::TestWithParam<FlagRow> {};

TEST_P(ReaderFlag, saysWhetherTheFlagWasAWholeNumber) {
    const QByteArray bytes = QByteArray("A,B,C,") + GetParam().field + ",D\r\n";
    CatalogueReader reader(bytes);
    Club club;
    ASSERT_TRUE(reader.next(club));
    EXPECT_EQ(club.databaseFlag, GetParam().value);
    EXPECT_EQ(reader.flagWasWholeNumber(), GetParam().whole);
    EXPECT_EQ(club.name, QStringLiteral("D"));
}

INSTANTIATE_TEST_SUITE_P(Rows, ReaderFlag,
                         ::testing::Values(FlagRow{"0", 0, true}, FlagRow{"  7  ", 7, true},
                                           FlagRow{"\" 7\r\n\"", 7, true},
                                           FlagRow{"-32768", -32768, true}, FlagRow{"007", 7, true},
                                           FlagRow{"", 0, false}, FlagRow{"abc", 0, false},
                                           FlagRow{"-", 0, false}, FlagRow{"2.5", 2, false},
                                           FlagRow{"1e2", 100, false},
                                           FlagRow{"\xA0"
                                                   "5",
                                                   5, true}));

// What a caller that reports every problem of a file sees, one step a line.
TEST(ReaderRecords, numbersRecordsAndLinesAndGoesOnAfterErrors) {
    const QByteArray bytes("A,B,C,0,Alpha\r\n"
                           "\r\n"
                           "D,E,F,40000,Beta\r\n"
                           "G,\"H\r\nI\",J,1,Gamma\r\n"
                           "K,\"L,M,0,Delta\r\n"
                           "N,O,P,-1,Epsilon\r\n"
                           "Q,R\r\n");
    CatalogueReader reader(bytes, QStringLiteral("/x/kortliste_eng.txt"));
    QStringList seen;
    Club club;
    for (;;) {
        try {
            if (!reader.next(club))
                break;
            seen << QStringLiteral("%1 %2:%3")
                        .arg(club.name)
                        .arg(reader.record())
                        .arg(reader.line());
        } catch (const RunError& error) {
            seen << QStringLiteral("error %1 %2:%3")
                        .arg(error.number())
                        .arg(reader.record())
                        .arg(reader.line());
            EXPECT_TRUE(error.where().startsWith(
                QStringLiteral("Record %1, line %2 of ").arg(reader.record()).arg(reader.line())));
            reader.skipToNextLine();
        }
    }
    EXPECT_EQ(seen, QStringList({"Alpha 1:1", "error 6 2:3", "Gamma 3:4", "error 62 4:6",
                                 "Epsilon 5:7", "error 62 6:8"}));
}

} // namespace
