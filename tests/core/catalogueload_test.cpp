// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/catalogue.h"
#include "core/cataloguelocation.h"
#include "core/runerror.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace clubdraw;
using namespace clubdraw::testing;

namespace {

int errorNumberOf(const QString& path) {
    try {
        loadCatalogue(path);
    } catch (const RunError& error) {
        return error.number();
    }
    return 0;
}

TEST(CatalogueFile, missingFileIsError53WithItsFullPath) {
    const ProgramFolder folder;
    if (const auto error = thrownError([&] { loadCatalogue(folder.file()); })) {
        EXPECT_EQ(error->number(), 53);
        EXPECT_EQ(error->text(), QStringLiteral("File not found"));
        EXPECT_EQ(error->where(), QDir::toNativeSeparators(folder.file()));
    }
}

TEST(CatalogueFile, aFolderInItsPlaceIsAnAccessError) {
    const ProgramFolder folder;
    ASSERT_TRUE(QDir().mkpath(folder.file()));
    EXPECT_EQ(errorNumberOf(folder.file()), RunError::FileUnreadable);
}

TEST(CatalogueFile, aFileOverTheCapIsError7) {
    const ProgramFolder folder(QByteArray(""));
    QFile file(folder.file());
    // Sparse: the size is checked before anything is read.
    ASSERT_TRUE(file.resize(maxCatalogueBytes + 1));
    if (const auto error = thrownError([&] { loadCatalogue(folder.file()); })) {
        EXPECT_EQ(error->number(), RunError::FileTooLarge);
        EXPECT_TRUE(error->where().endsWith(QStringLiteral(" is larger than 64 MiB")));
    }
}

TEST(CatalogueFile, bytesAreWindows1252) {
    const ProgramFolder folder(
        QByteArray("\"Denmark\",\"Superliga\",\"(level 1)\",0,\"Br\xf8ndby IF\"\r\n"));
    const Catalogue catalogue = loadCatalogue(folder.file());
    EXPECT_EQ(catalogue.clubs[0].name, QStringLiteral(u"Brøndby IF"));
}

TEST(CatalogueFile, theLargestCatalogueLoadsAndOneMoreClubOverflows) {
    const ProgramFolder full(generatedCatalogue(maxClubs) + "\"\",\"\",\"\",0,\"\"\r\n");
    const Catalogue catalogue = loadCatalogue(full.file());
    EXPECT_EQ(catalogue.count(), maxClubs);
    EXPECT_EQ(catalogue.clubs.back().name, QStringLiteral("Team 32766"));

    const ProgramFolder over(generatedCatalogue(maxClubs + 1));
    if (const auto error = thrownError([&] { loadCatalogue(over.file()); })) {
        EXPECT_EQ(error->number(), 6);
        EXPECT_TRUE(error->where().contains(QStringLiteral("Record 32767, line 32767")));
    }
}

TEST(RunError, messageCarriesNumberTextAndPlace) {
    const RunError error(RunError::FileEndsInsideRecord, QStringLiteral("Record 3, line 4"));
    EXPECT_EQ(error.message(),
              QStringLiteral("Run-time error '62':\n\nInput past end of file\n\nRecord 3, line 4"));
    EXPECT_EQ(RunError(53, {}).text(), QStringLiteral("File not found"));
    EXPECT_EQ(RunError(6, {}).text(), QStringLiteral("Overflow"));
    // Catalogue text in the stderr line cannot drive the terminal.
    EXPECT_EQ(RunError(6, QStringLiteral("Eng\x1b[2Jland\r\n")).oneLine(),
              QStringLiteral("run-time error 6: Overflow (Eng\\x1b[2Jland\\x0d\\x0a)"));
}

} // namespace
