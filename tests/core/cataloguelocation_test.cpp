// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/catalogue.h"
#include "core/cataloguelocation.h"
#include "core/runerror.h"
#include "testsupport.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace clubdraw;
using clubdraw::testing::ProgramFolder;
using clubdraw::testing::ScratchDataFolders;

namespace {

TEST(CatalogueLocation, theFirstPlaceHoldingTheFileWins) {
    const struct {
        bool beside, user, system;
        CatalogueOrigin found;
    } rows[] = {
        {true, true, true, CatalogueOrigin::BesideProgram},
        {false, true, true, CatalogueOrigin::UserData},
        {false, false, true, CatalogueOrigin::SystemData},
    };
    for (const auto& row : rows) {
        const ScratchDataFolders data;
        const ProgramFolder program;
        if (row.beside)
            ScratchDataFolders::put(program.path(), "A,B,,0,C\n");
        if (row.user)
            ScratchDataFolders::put(data.userFolder(), "A,B,,0,C\n");
        if (row.system)
            ScratchDataFolders::put(data.systemFolder(), "A,B,,0,C\n");
        const CatalogueFile found = findCatalogue(program.path());
        EXPECT_EQ(found.origin, row.found);
        EXPECT_EQ(QDir::cleanPath(found.path),
                  QDir::cleanPath(Catalogue::pathIn(row.beside ? program.path()
                                                    : row.user ? data.userFolder()
                                                               : data.systemFolder())));
        // A given file wins over all of them, whether or not it exists.
        EXPECT_EQ(findCatalogue(program.path(), QStringLiteral("x.txt")).origin,
                  CatalogueOrigin::Given);
    }
}

TEST(CatalogueLocation, noneFoundIsError53NamingEveryPlaceInOrder) {
    const ScratchDataFolders data;
    const ProgramFolder program;
    try {
        findCatalogue(program.path());
        FAIL() << "no error";
    } catch (const RunError& error) {
        EXPECT_EQ(error.number(), RunError::FileNotFound);
        const QString where = error.where();
        const qsizetype beside = where.indexOf(QDir::toNativeSeparators(program.file()));
        const qsizetype user =
            where.indexOf(QDir::toNativeSeparators(Catalogue::pathIn(data.userFolder())));
        const qsizetype system =
            where.indexOf(QDir::toNativeSeparators(Catalogue::pathIn(data.systemFolder())));
        EXPECT_TRUE(beside >= 0 && beside < user && user < system) << where.toStdString();
    }
}

// Reading the system copy instead would bring back clubs the user removed.
TEST(CatalogueLocation, anUnreadableUserCopyIsAnErrorNotTheSystemCopy) {
    const ScratchDataFolders data;
    const ProgramFolder program;
    ScratchDataFolders::put(data.systemFolder(), "A,B,,0,C\n");
    ASSERT_TRUE(QDir().mkpath(Catalogue::pathIn(data.userFolder())));
    const CatalogueFile found = findCatalogue(program.path());
    EXPECT_EQ(found.origin, CatalogueOrigin::UserData);
    EXPECT_EQ(found.path, userCataloguePath());
    try {
        Catalogue::load(found.path);
        FAIL() << "no error";
    } catch (const RunError& error) {
        EXPECT_EQ(error.number(), RunError::FileUnreadable);
        EXPECT_TRUE(error.where().contains(QDir::toNativeSeparators(found.path)));
    }
}

} // namespace
