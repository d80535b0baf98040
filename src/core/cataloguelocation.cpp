// SPDX-License-Identifier: GPL-3.0-or-later
#include "cataloguelocation.h"

#include "catalogue.h"
#include "runerror.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>

#ifndef CLUBDRAW_DATA_FROM_PROGRAM
#define CLUBDRAW_DATA_FROM_PROGRAM "../share/clubdraw"
#endif

namespace clubdraw {

namespace {

const QString dataFolderName = QStringLiteral("clubdraw");

QString shown(const QString& path) {
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

} // namespace

std::vector<CatalogueFile> catalogueCandidates(const QString& programFolder) {
    std::vector<CatalogueFile> candidates;
    QStringList seen;
    const auto add = [&](const QString& folder, CatalogueOrigin origin) {
        const QString path = QDir::cleanPath(Catalogue::pathIn(folder));
        if (folder.isEmpty() || seen.contains(path))
            return;
        seen << path;
        candidates.push_back({path, origin});
    };
    add(programFolder, CatalogueOrigin::BesideProgram);
    const QString user = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (!user.isEmpty())
        add(QDir(user).filePath(dataFolderName), CatalogueOrigin::UserData);
    for (const QString& folder :
         QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        if (folder != user)
            add(QDir(folder).filePath(dataFolderName), CatalogueOrigin::SystemData);
    if (!programFolder.isEmpty())
        add(QDir(programFolder).absoluteFilePath(QStringLiteral(CLUBDRAW_DATA_FROM_PROGRAM)),
            CatalogueOrigin::SystemData);
    return candidates;
}

QString userCataloguePath() {
    const QString user = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return QDir::cleanPath(Catalogue::pathIn(QDir(user).filePath(dataFolderName)));
}

CatalogueFile findCatalogue(const QString& programFolder, const QString& given) {
    if (!given.isEmpty())
        return {given, CatalogueOrigin::Given};
    const std::vector<CatalogueFile> candidates = catalogueCandidates(programFolder);
    QStringList tried;
    for (const CatalogueFile& candidate : candidates) {
        // Existence alone decides: a copy that is there but unreadable must
        // fail, not give way to another one with other clubs.
        if (QFileInfo::exists(candidate.path))
            return candidate;
        tried << shown(candidate.path);
    }
    throw RunError(RunError::FileNotFound,
                   QCoreApplication::translate("CatalogueLocation", "Tried, in this order: %1")
                       .arg(tried.join(QStringLiteral(", "))));
}

} // namespace clubdraw
