// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/catalogue.h"
#include "core/cataloguelocation.h"
#include "core/runerror.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

#include <gtest/gtest.h>

using namespace clubdraw;
using namespace clubdraw::testing;

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
        const CatalogueFile found = findRegularCatalogueFile(program.path());
        EXPECT_EQ(found.origin, row.found);
        EXPECT_EQ(QDir::cleanPath(found.path),
                  QDir::cleanPath(cataloguePathIn(row.beside ? program.path()
                                                  : row.user ? data.userFolder()
                                                             : data.systemFolder())));
        // A given file wins over all of them, whether or not it exists.
        EXPECT_EQ(findRegularCatalogueFile(program.path(), QStringLiteral("x.txt")).origin,
                  CatalogueOrigin::Given);
    }
}

TEST(CatalogueLocation, noneFoundIsError53NamingEveryPlaceInOrder) {
    const ScratchDataFolders data;
    const ProgramFolder program;
    if (const auto error = thrownError([&] { findRegularCatalogueFile(program.path()); })) {
        EXPECT_EQ(error->number(), RunError::FileNotFound);
        const QStringList places = error->places();
        ASSERT_GE(places.size(), 3);
        EXPECT_EQ(places.mid(0, 3),
                  (QStringList{QDir::toNativeSeparators(program.file()),
                               QDir::toNativeSeparators(cataloguePathIn(data.userFolder())),
                               QDir::toNativeSeparators(cataloguePathIn(data.systemFolder()))}));
    }
}

#ifdef Q_OS_UNIX // $XDG_DATA_DIRS
// With many data folders the box still fits the screen: the first places,
// one to a line, then how many more; stderr has them all.
TEST(CatalogueLocation, error53ShowsTheFirstPlacesAndCountsTheRest) {
    const ScratchDataFolders data;
    const ProgramFolder program;
    QStringList dirs;
    for (int i = 0; i < 12; ++i)
        dirs << program.path() + QStringLiteral("/share%1").arg(i);
    qputenv("XDG_DATA_DIRS", dirs.join(u':').toLocal8Bit());
    if (const auto error = thrownError([&] { findRegularCatalogueFile(program.path()); })) {
        const QStringList places = error->places();
        ASSERT_EQ(places.size(), 15);
        const QStringList lines = error->message().split(u'\n');
        EXPECT_EQ(lines.mid(lines.size() - RunError::placesShown - 2),
                  QStringList{QStringLiteral("Tried, in this order:")} +
                      places.mid(0, RunError::placesShown) +
                      QStringList{QStringLiteral("and 10 more")});
        EXPECT_TRUE(error->oneLine().endsWith(places.join(QStringLiteral("; ")) + u')'));
    }
}
#endif

// Reading the system copy instead would bring back clubs the user removed;
// a FIFO would block every start.
TEST(CatalogueLocation, aBrokenUserCopyIsError75NotTheSystemCopy) {
    const struct {
        const char* name;
        bool (*make)(const QString& path);
        const char* says;
    } rows[] = {
        {"folder", [](const QString& path) { return QDir().mkpath(path); }, "is a folder"},
#ifdef Q_OS_UNIX // Windows makes a shortcut file, no link
        {"dangling link",
         [](const QString& path) {
             return QFile::link(QDir::cleanPath(path + QStringLiteral("/../gone.txt")), path);
         },
         "is a link to"},
        {"fifo",
         [](const QString& path) { return mkfifo(QFile::encodeName(path).constData(), 0600) == 0; },
         "is not a regular file"},
#endif
    };
    for (const auto& row : rows) {
        const ScratchDataFolders data;
        const ProgramFolder program;
        ScratchDataFolders::put(data.systemFolder(), "A,B,,0,C\n");
        ASSERT_TRUE(QDir().mkpath(data.userFolder()));
        ASSERT_TRUE(row.make(userCataloguePath())) << row.name;
        EXPECT_EQ(findCataloguePlace(program.path()).origin, CatalogueOrigin::UserData);
        if (const auto error =
                thrownError([&] { findRegularCatalogueFile(program.path()); }, row.name)) {
            EXPECT_EQ(error->number(), RunError::FileUnreadable) << row.name;
            EXPECT_TRUE(error->where().startsWith(QDir::toNativeSeparators(userCataloguePath())));
            EXPECT_TRUE(error->where().contains(QString::fromLatin1(row.says)))
                << error->where().toStdString();
        }
    }
}

#ifdef Q_OS_UNIX
// A relative or missing home is no place of the user's: the copy would move
// with the current folder, or land in "/".
TEST(CatalogueLocation, theUsersFolderNeedsAFullPath) {
    const ScratchDataFolders data;
    const QByteArray oldHome = qgetenv("HOME");
    const struct {
        const char* xdgDataHome;
        const char* home;
        const char* folder;
    } rows[] = {
        {"/data", "/home/u", "/data/clubdraw"},
        {"~/data", "/home/u", "/home/u/.local/share/clubdraw"},
        {"", "/home/u", "/home/u/.local/share/clubdraw"},
        {"data", "", ""},
        {"", "home", ""},
    };
    for (const auto& row : rows) {
        qputenv("XDG_DATA_HOME", row.xdgDataHome);
        qputenv("HOME", row.home);
        EXPECT_EQ(userDataFolder(), QString::fromLatin1(row.folder)) << row.xdgDataHome << row.home;
        for (const CatalogueFile& candidate : catalogueCandidates(QStringLiteral("/opt/x")))
            EXPECT_TRUE(QDir::isAbsolutePath(candidate.path)) << candidate.path.toStdString();
    }
    qputenv("HOME", oldHome);
}
#endif

} // namespace
