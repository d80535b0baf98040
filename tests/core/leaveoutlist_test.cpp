// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/leaveoutlist.h"
#include "core/runerror.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace clubdraw;
using namespace clubdraw::testing;

namespace {

struct ParseRow {
    const char* name;
    QByteArray bytes;
    std::vector<ClubIdentity> lines; // empty with `badLine` set
    int badLine = 0;
};

// The catalogue's own quoting, one club a line; a line that is not two
// texts is an error naming the file and the line, never dropped.
TEST(LeaveOutList, readsTheCataloguesQuotingAndNamesABadLine) {
    const std::vector<ParseRow> rows{
        {"quoted and not",
         "\"England\",\"Hull, City\"\r\n  Norway , Molde \n\nItaly,Roma",
         {{"England", "Hull, City"}, {"Norway", "Molde"}, {"Italy", "Roma"}}},
        {"UTF-8 with a mark",
         "\xEF\xBB\xBF\"Norway\",\"Troms\xC3\xB8\"\n",
         {{"Norway", "Troms\u00F8"}}},
        {"Windows code page", "\"Norway\",\"Troms\xF8\"\n", {{"Norway", "Troms\u00F8"}}},
        {"one field", "\"Norway\",\"Molde\"\n\"Norway\"\n", {}, 2},
        {"three fields", "Norway,Molde,Brann\n", {}, 1},
        {"quote never closed", "\n\n\"Norway,Molde\n", {}, 3},
        {"text after a quote", "\"Norway\"x,Molde\n", {}, 1},
        {"empty club", "Norway,\n", {}, 1},
    };
    for (const ParseRow& row : rows) {
        try {
            const LeaveOutList list = LeaveOutList::parse(row.bytes, "left.txt");
            EXPECT_EQ(row.badLine, 0) << row.name;
            EXPECT_EQ(list.lines(), row.lines) << row.name;
        } catch (const RunError& error) {
            EXPECT_EQ(error.number(), RunError::MalformedLine) << row.name;
            EXPECT_TRUE(error.where().contains("left.txt")) << row.name;
            EXPECT_TRUE(error.where().contains(QString::number(row.badLine))) << row.name;
        }
    }
}

// A line the catalogue does not know stays in the list and in the file.
TEST(LeaveOutList, keepsLinesItCannotMatch) {
    const Catalogue catalogue =
        Catalogue::parse(QByteArrayView(clubdraw::testing::generatedCatalogue(3)));
    LeaveOutList list;
    list.add(ClubIdentity{"England", "Team 2"});
    list.add(ClubIdentity{"England", "Gone, United"});
    list.add(catalogue.clubs[0]);
    EXPECT_EQ(list.notFound(CatalogueLookup(catalogue)), std::vector<int>{1});
    EXPECT_EQ(LeaveOutList::parse(list.toBytes()), list);
}

// A write that fails leaves the old file as it was, and says so.
TEST(LeaveOutList, aFailedSaveKeepsTheOldFile) {
    QTemporaryDir dir;
    const QString missing = dir.filePath("nothing-yet.txt");
    EXPECT_TRUE(LeaveOutList::read(missing).isEmpty());
    LeaveOutList list;
    list.add(ClubIdentity{"Norway", "Molde"});
    list.save(missing);
    EXPECT_EQ(LeaveOutList::read(missing), list);

    // A name as long as a name can be leaves no room for the temporary
    // file beside it, so the save fails after the file was opened.
    const QString full = dir.filePath(QString(255, u'x'));
    QFile old(full);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("\"Norway\",\"Brann\"\n");
    old.close();
    if (const auto error = thrownError([&] { list.save(full); })) {
        EXPECT_EQ(error->number(), RunError::FileUnreadable);
    }
    EXPECT_EQ(LeaveOutList::read(full).lines(), (std::vector<ClubIdentity>{{"Norway", "Brann"}}));
}

} // namespace
