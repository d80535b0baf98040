// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/catalogue.h"
#include "core/runerror.h"
#include "testsupport.h"

#include <gtest/gtest.h>

using namespace clubdraw;
using namespace clubdraw::testing;

namespace {

struct FormatRow {
    const char* name;
    const char* text;
    // The expected clubs as "nation|division|suffix|flag|club".
    std::vector<const char*> clubs;
};

std::string describe(const Club& r) {
    return QStringLiteral("%1|%2|%3|%4|%5")
        .arg(r.nation, r.division, r.divisionSuffix)
        .arg(r.databaseFlag)
        .arg(r.name)
        .toStdString();
}

class CatalogueFormat : public ::testing::TestWithParam<FormatRow> {};

TEST_P(CatalogueFormat, readsFieldsAsWritten) {
    const FormatRow& row = GetParam();
    const Catalogue catalogue = Catalogue::parse(QString::fromUtf8(row.text));
    ASSERT_EQ(catalogue.clubs.size(), row.clubs.size());
    for (std::size_t i = 0; i < row.clubs.size(); ++i)
        EXPECT_EQ(describe(catalogue.clubs[i]), row.clubs[i]) << "club " << i + 1;
}

const FormatRow formatRows[] = {
    {"empty_file", "", {}},
    {"only_blank_lines", "\r\n  \r\n\n", {}},
    {"canonical",
     "\"England\",\"Premier League\",\"(level 1)\",0,\"Arsenal\"\r\n",
     {"England|Premier League|(level 1)|0|Arsenal"}},
    {"terminator_at_the_end",
     "\"England\",\"P\",\"\",0,\"Arsenal\"\r\n\"England\",\"P\",\"\",0,\"Chelsea\"\r\n\"\",\"\","
     "\"\",0,\"\"\r\n",
     {"England|P||0|Arsenal", "England|P||0|Chelsea"}},
    {"unquoted_fields",
     "England,Premier League,(level 1),1,Leeds United\n",
     {"England|Premier League|(level 1)|1|Leeds United"}},
    {"quoted_field_keeps_commas_and_loses_quotes",
     "\"Italy\",\"Serie A\",\", x\",0,\"Roma, AS\"\r\n",
     {"Italy|Serie A|, x|0|Roma, AS"}},
    {"spaces_before_fields_skipped",
     "  England,   \"Premier\",  x ,  7 ,   Arsenal  \r\n",
     {"England|Premier|x|7|Arsenal"}},
    {"empty_fields", "England,,,,Arsenal\r\n", {"England|||0|Arsenal"}},
    {"line_ends_are_only_separators",
     "England,P\r\n(l1),0\r\nArsenal,England,P,(l1),0,Chelsea\r\n",
     {"England|P|(l1)|0|Arsenal", "England|P|(l1)|0|Chelsea"}},
    {"lf_and_cr_line_ends",
     "A,B,C,0,D\nE,F,G,0,H\rI,J,K,0,L",
     {"A|B|C|0|D", "E|F|G|0|H", "I|J|K|0|L"}},
    {"last_line_without_line_end", "A,B,C,0,D", {"A|B|C|0|D"}},
    {"text_after_closing_quote_dropped", "\"A\"x,\"B\" ,C,0,\"D\"\r\n", {"A|B|C|0|D"}},
    {"non_numeric_flag_reads_as_zero",
     "A,B,C,abc,D\r\nA,B,C,\"7\",E\r\n",
     {"A|B|C|0|D", "A|B|C|7|E"}},
    {"flag_limits_and_rounding",
     "A,B,C,-32768,D\r\nA,B,C,32767,E\r\nA,B,C,2.5,F\r\nA,B,C,1e2,G\r\n",
     {"A|B|C|-32768|D", "A|B|C|32767|E", "A|B|C|2|F", "A|B|C|100|G"}},
    // Empty-club records are skipped, dropping nothing before them.
    {"empty_team_in_the_middle_drops_nothing",
     "A,B,C,0,Alpha\r\nA,B,C,0,\r\nA,B,C,0,Beta\r\n",
     {"A|B|C|0|Alpha", "A|B|C|0|Beta"}},
    {"run_of_empty_teams",
     "A,B,C,0,Alpha\r\n,,,0,\r\n,,,0,\r\n,,,0,\r\nA,B,C,0,Beta\r\n",
     {"A|B|C|0|Alpha", "A|B|C|0|Beta"}},
    {"first_record_empty_team", ",,,0,\r\nA,B,C,0,Alpha\r\n", {"A|B|C|0|Alpha"}},
    {"only_a_terminator", "\"\",\"\",\"\",0,\"\"\r\n", {}},
    {"comma_before_line_end_is_an_empty_team", "A,B,C,0,Alpha\r\nA,B,C,0,\r\n", {"A|B|C|0|Alpha"}},
    {"markup_and_ampersands_kept_as_text",
     "A,B,C,0,<b>Rovers</b>\r\nA,B,C,0,Hayes & Yeading\r\n",
     {"A|B|C|0|<b>Rovers</b>", "A|B|C|0|Hayes & Yeading"}},
    // Old DOS editors end a file with Ctrl-Z.
    {"final_ctrl_z_ignored", "A,B,C,0,D\r\n\x1a", {"A|B|C|0|D"}},
    {"ctrl_z_right_after_last_team", "A,B,C,0,D\x1a", {"A|B|C|0|D"}},
    {"ctrl_z_before_the_end_is_text", "A,B,C,0,D\x1a\r\n", {"A|B|C|0|D\x1a"}},
    {"quote_left_open_in_last_line_runs_to_end",
     "A,B,C,0,D\r\nE,F,G,0,\"Hotel, Ltd",
     {"A|B|C|0|D", "E|F|G|0|Hotel, Ltd"}},
    {"quote_left_open_in_last_line_ends_with_it",
     "A,B,C,0,D\r\n\"Spain\",\"Primera\",\"\",0,\"Barcelona\r\n \r\n",
     {"A|B|C|0|D", "Spain|Primera||0|Barcelona"}},
    {"line_end_inside_closed_quotes_kept",
     "A,B,C,0,\"Two\r\nlines\"\r\nE,F,G,0,H\r\n",
     {"A|B|C|0|Two\r\nlines", "E|F|G|0|H"}},
    {"utf8_letters",
     "Denmark,Superliga,,0,Br\xc3\xb8ndby IF\r\n",
     {"Denmark|Superliga||0|Br\xc3\xb8ndby IF"}},
};

INSTANTIATE_TEST_SUITE_P(Rows, CatalogueFormat, ::testing::ValuesIn(formatRows),
                         [](const auto& info) { return std::string(info.param.name); });

struct ErrorRow {
    const char* name;
    const char* text;
    int number;
    const char* where; // part of the message that says where
};

class CatalogueErrors : public ::testing::TestWithParam<ErrorRow> {};

TEST_P(CatalogueErrors, reportsNumberAndPlace) {
    const ErrorRow& row = GetParam();
    if (const auto error = thrownError([&] {
            Catalogue::parse(QString::fromUtf8(row.text), QStringLiteral("/x/kortliste_eng.txt"));
        })) {
        EXPECT_EQ(error->number(), row.number);
        EXPECT_TRUE(error->where().contains(QString::fromUtf8(row.where)))
            << error->where().toStdString();
        EXPECT_TRUE(error->message().contains(QString::number(row.number)));
        EXPECT_TRUE(error->message().contains(error->text()));
    }
}

const ErrorRow errorRows[] = {
    {"ends_inside_first_record", "A,B,C,0", 62, "Record 1, line 1"},
    {"ends_inside_later_record", "A,B,C,0,D\r\nE,F,G,0,H\r\n\r\nI,J\r\n", 62, "Record 3, line 4"},
    {"flag_above_range", "A,B,C,0,D\r\nA,B,C,32768,E\r\n", 6, "Record 2, line 2"},
    {"flag_below_range", "A,B,C,-32769,D\r\n", 6, "Record 1, line 1"},
    {"flag_far_above_range", "A,B,C,99999999999999999999999,D\r\n", 6, "Record 1"},
    {"flag_on_its_own_line", "A,B,C\r\n40000,D\r\n", 6, "Record 1, line 2"},
    // A quote never closed would swallow every club after it.
    {"quote_never_closed", "A,B,C,0,\"Alpha\r\nE,F,G,0,Beta\r\n", 62, "Record 1, line 1"},
    {"quote_never_closed_names_its_line", "A,B,C,0,D\r\nE,F\r\n\"G,0,H\r\nI,J,K,0,L\r\n", 62,
     "Record 2, line 3"},
    {"line_ends_in_quotes_counted", "\"A\r\n\nB\r\",B,C,0,D\r\nE,F,G,1e9,H", 6, "Record 2, line 5"},
};

INSTANTIATE_TEST_SUITE_P(Rows, CatalogueErrors, ::testing::ValuesIn(errorRows),
                         [](const auto& info) { return std::string(info.param.name); });

// Every fifth comma ends an empty-club record, which is skipped.
TEST(CatalogueBulk, aMillionCommasAreSkippedRecords) {
    const QByteArray commas(1'000'000, ',');
    EXPECT_EQ(Catalogue::parse(QByteArrayView(commas)).count(), 0);
    const Catalogue after = Catalogue::parse(QByteArrayView(commas + "A,B,C,0,D"));
    ASSERT_EQ(after.count(), 1);
    EXPECT_EQ(after.clubs[0].name, QStringLiteral("D"));
}

} // namespace
