// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/catalogue.h"
#include "core/cataloguecheck.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

using namespace clubdraw;
using namespace clubdraw::testing;

namespace {

using Kind = CheckFinding::Kind;

QByteArray bytesOf(const QStringList& lines) {
    return lines.join(QString()).toUtf8();
}

const QByteArray arsenal = line("England", "Premier", "(level 1)", 0, "Arsenal").toLatin1();
const QByteArray chelsea = line("England", "Premier", "(level 1)", 0, "Chelsea").toLatin1();

struct FindingRow {
    const char* name;
    QByteArray bytes;
    Kind kind;
    int line;
    const char* says; // part of the finding's text
};

class OneFinding : public ::testing::TestWithParam<FindingRow> {};

TEST_P(OneFinding, isReportedWithItsLine) {
    const CheckReport report = checkCatalogue(GetParam().bytes);
    ASSERT_EQ(report.findings.size(), 1u);
    const CheckFinding& finding = report.findings.front();
    EXPECT_EQ(finding.kind, GetParam().kind);
    EXPECT_EQ(finding.line, GetParam().line);
    EXPECT_TRUE(finding.text.contains(QString::fromUtf8(GetParam().says)))
        << finding.text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    CatalogueCheck, OneFinding,
    ::testing::Values(
        FindingRow{"flagOverflow", arsenal + "\"England\",\"Premier\",\"\",32768,\"Leeds\"\r\n",
                   Kind::Error, 2, "run-time error 6: Overflow"},
        FindingRow{"endsInsideARecord", arsenal + "\"England\",\"Premier\"\r\n", Kind::Error, 2,
                   "run-time error 62: Input past end of file"},
        FindingRow{"nationOfNoCheckBox",
                   arsenal + line("Netherlands", "Eredivisie", "", 0, "Ajax").toUtf8(),
                   Kind::Warning, 2,
                   "\"Netherlands\" is none of the main window's sixteen, so its "
                   "club is never drawn by nation; did you mean \"Holland\"?"},
        FindingRow{"nationInAnotherCase",
                   bytesOf({line("england", "Premier", "", 0, "A"),
                            line("england", "Premier", "", 0, "B")}),
                   Kind::Warning, 1,
                   "its 2 clubs are never drawn by nation; did you mean \"England\"?"},
        FindingRow{
            "sameClubTwice",
            arsenal + chelsea + line("England", "First Division", "", 1, "Arsenal").toLatin1(),
            Kind::Warning, 3, "club \"Arsenal\" of \"England\" is listed twice (first on line 1)"},
        // A name holding "%1" stays as it is in the finding.
        FindingRow{
            "percentInALongName",
            arsenal +
                line("England", "Premier", "", 0, "The 100%1 Football Club of London").toLatin1(),
            Kind::Warning, 2, "\"The 100%1 Football Club of London\" has 33 characters"},
        FindingRow{"percentInAClubListedTwice",
                   line("England", "Premier", "", 0, "%1 City").toLatin1() + chelsea +
                       line("England", "Premier", "", 0, "%1 City").toLatin1(),
                   Kind::Warning, 3, "club \"%1 City\" of \"England\" is listed twice"},
        FindingRow{"sameClubInAnotherCase",
                   arsenal + chelsea + line("England", "Premier", "", 1, "arsenal ").toLatin1(),
                   Kind::Warning, 3,
                   "club \"arsenal \" of \"England\" looks like \"Arsenal\" on line 1: they differ "
                   "only in letter case or blanks"},
        FindingRow{"emptyNation", arsenal + line("", "Premier", "", 0, "Nowhere").toLatin1(),
                   Kind::Warning, 2, "empty nation"},
        FindingRow{"emptyDivision", line("England", "", "", 0, "Nowhere").toLatin1() + arsenal,
                   Kind::Warning, 1, "empty division"},
        FindingRow{"flagNotANumber", arsenal + "\"England\",\"Premier\",\"\",no,\"Leeds\"\r\n",
                   Kind::Warning, 2, "not a whole number; it reads as 0"},
        FindingRow{"flagNotWhole", arsenal + "\"England\",\"Premier\",\"\",1.5,\"Leeds\"\r\n",
                   Kind::Warning, 2, "not a whole number; it reads as 2"},
        // A Windows-1252 byte in its line makes the line Windows-1252, so the
        // UTF-8 letter comes out as two.
        FindingRow{"utf8ReadAs1252",
                   "\"France\",\"Division 1\",\"\",0,\"Saint-\xc9tienne\"\r\n"
                   "\"Denmark\",\"Superliga\",\"\xc9\",0,\"Br\xc3\xb8ndby\"\r\n",
                   Kind::Warning, 2, "the club name \"Br\u00c3\u00b8ndby\" looks wrongly decoded"},
        FindingRow{"lineNotUtf8",
                   "\"Denmark\",\"Superliga\",\"\",0,\"Br\xc3\xb8ndby\"\r\n" + arsenal +
                       "\"England\",\"Premier\",\"\",0,\"\xff\xfe\"\r\n",
                   Kind::Warning, 3, "0xFF at column 27"},
        FindingRow{"replacementCharacter",
                   arsenal + "\"England\",\"Premier\",\"\",0,\"Leeds \xef\xbf\xbd\"\r\n",
                   Kind::Warning, 2, "U+FFFD"},
        FindingRow{"controlCharacter", arsenal + "\"England\",\"Prem\x81ier\",\"\",0,\"Leeds\"\r\n",
                   Kind::Warning, 2,
                   "the division \"Prem\u0081ier\" looks wrongly decoded: it "
                   "holds the control character U+0081"},
        FindingRow{"escapeInAName", arsenal + "\"England\",\"Premier\",\"\",0,\"Leeds\x1b[2J\"\r\n",
                   Kind::Warning, 2,
                   "\"Leeds\x1b[2J\" holds the control or invisible character U+001B"},
        FindingRow{"bidiOverrideInAName",
                   arsenal + line("England", "Premier", "", 0, "Leeds \u202eUnited").toUtf8(),
                   Kind::Warning, 2, "invisible character U+202E"},
        FindingRow{"noClubs", "\r\n\r\n", Kind::Error, 0, "holds no clubs"},
        FindingRow{"tooManyClubs", clubdraw::testing::generatedCatalogue(maxClubs + 1), Kind::Error,
                   maxClubs + 1,
                   "run-time error 6: Overflow (Record 32767, line "
                   "32767: more than 32766 teams)"},
        FindingRow{"recordWithoutAClubMidFile",
                   arsenal + line("England", "Premier", "", 0, "").toLatin1() + chelsea,
                   Kind::Warning, 2, "no club name"},
        FindingRow{"commaAtTheLineEnd",
                   "\"Norway\",\"Tippeligaen\",\"(level 1)\",0,\"Rosenborg\",\r\n" + arsenal,
                   Kind::Warning, 1, "6 fields, the last one empty: remove the comma at its end"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CatalogueCheck, goesOnAfterAnErrorAndSumsUpWhatLoads) {
    const CheckReport report =
        checkCatalogue(arsenal + "\"England\",\"Premier\",\"\",99999,\"Leeds\"\r\n" +
                       "\"Wales\",\"League\",\"\",-99999,\"Bangor\"\r\n" + chelsea +
                       line("Italy", "Serie C1", "/A", 1, "Alzano").toLatin1() +
                       line("England", "Conference", "", 1, "Yeovil").toLatin1() +
                       // A terminator ends the list, as the format allows.
                       line("", "", "", 0, "").toLatin1());
    ASSERT_EQ(report.findings.size(), 2u);
    EXPECT_EQ(report.findings[0].line, 2);
    EXPECT_EQ(report.findings[1].line, 3);
    EXPECT_EQ(report.count(Kind::Error), 2);
    EXPECT_EQ(report.summary.clubs, 4);
    EXPECT_EQ(report.summary.minimumClubs, 2);
    EXPECT_EQ(report.summary.divisions, 3);
    EXPECT_EQ(report.summary.clubsPerNation,
              (std::vector<std::pair<QString, int>>{{"England", 3}, {"Italy", 1}}));
}

// Line 2 falls short and line 3 makes up for it; lines 4 and 5 hold two
// records, a club's name running over the line end; the record of line 6
// fails, and its line is not counted. The name that runs over the line end
// holds a CR, which a terminal would obey.
TEST(CatalogueCheck, warnsOfEveryLineThatDoesNotHoldWholeRecords) {
    const CheckReport report = checkCatalogue(
        arsenal + "England,Premier\r\n(level 1),0,Chelsea\r\nEngland,Premier,,0,\"Two\r\nlines\","
                  "England,Premier,,0,Leeds\r\nEngland,Premier\r\n");
    ASSERT_EQ(report.findings.size(), 4u);
    EXPECT_EQ(report.findings[0].line, 2);
    EXPECT_EQ(report.findings[0].text, QStringLiteral("the line has 2 fields, not whole records "
                                                      "of five; every record after it is shifted"));
    EXPECT_EQ(report.findings[1].line, 3);
    EXPECT_TRUE(report.findings[1].text.startsWith(QStringLiteral("the line has 3 fields,")));
    EXPECT_EQ(report.findings[2].line, 4);
    EXPECT_TRUE(report.findings[2].text.contains(QStringLiteral("character U+000D")));
    EXPECT_EQ(report.findings[3].kind, Kind::Error);
}

// The division window would list two identical lines, and --division would
// take both.
TEST(CatalogueCheck, warnsOfDivisionsThatReadTheSame) {
    const CheckReport report =
        checkCatalogue(line("New Zealand", "Premier", "", 0, "A").toLatin1() +
                       line("New", "Zealand Premier", "", 0, "B").toLatin1() +
                       line("New", "Zealand Premier", "", 0, "C").toLatin1());
    std::vector<CheckFinding> sameLabel;
    std::copy_if(
        report.findings.begin(), report.findings.end(), std::back_inserter(sameLabel),
        [](const CheckFinding& f) { return f.text.contains(QStringLiteral("reads the same")); });
    ASSERT_EQ(sameLabel.size(), 1u); // once for the pair, not for every club
    EXPECT_EQ(sameLabel[0].line, 2);
    EXPECT_EQ(
        sameLabel[0].text,
        QStringLiteral("the division \"Zealand Premier\" of the nation \"New\" reads the same "
                       "as the division \"Premier\" of the nation \"New Zealand\" (line 1): "
                       "the division window cannot tell them apart"));
}

// The summary counts what loads, not what the file holds.
TEST(CatalogueCheck, clubsPastTheLimitAreCountedApart) {
    const CheckReport report = checkCatalogue(clubdraw::testing::generatedCatalogue(maxClubs + 5));
    EXPECT_EQ(report.count(Kind::Error), 1);
    EXPECT_EQ(report.summary.clubs, maxClubs);
    EXPECT_EQ(report.summary.clubsOverLimit, 5);
}

TEST(CatalogueCheck, anUnreadableFileIsOneErrorOfTheWholeFile) {
    const clubdraw::testing::ProgramFolder empty;
    const CheckReport report = checkCatalogueFile(empty.file());
    ASSERT_EQ(report.findings.size(), 1u);
    EXPECT_EQ(report.findings[0].line, 0);
    EXPECT_TRUE(report.findings[0].text.startsWith(QStringLiteral("run-time error 53")));
}

} // namespace
