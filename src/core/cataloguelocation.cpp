// SPDX-License-Identifier: GPL-3.0-or-later
#include "cataloguelocation.h"

#include "catalogue.h"
#include "core/version.h"
#include "printable.h"
#include "runerror.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>

#include <filesystem>

#ifndef CLUBDRAW_DATA_FROM_PROGRAM
#define CLUBDRAW_DATA_FROM_PROGRAM "../share/clubdraw"
#endif

namespace clubdraw {

namespace {

const QString dataFolderName = QLatin1String(programName);

#if defined(Q_OS_UNIX)
// An environment variable naming folders. Qt turns bytes that are not
// UTF-8 into U+FFFD, and so into another path that may then be made and
// read; such a variable is refused instead.
QString environmentPath(const char* name) {
    const QByteArray bytes = qgetenv(name);
    const QString text = QString::fromUtf8(bytes);
    if (text.toUtf8() != bytes)
        throw RunError(
            RunError::FileUnreadable,
            QCoreApplication::translate("CatalogueLocation", "$%1 is not valid UTF-8: %2")
                .arg(QLatin1String(name), shownBytes(bytes)));
    return text;
}
#endif

// The folder for data of the user's own, without the program's name.
QString userDataHome() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    // As the XDG base directories have it: a relative $XDG_DATA_HOME is
    // ignored. Qt would use it, and falls back to "/" without a home.
    const QString xdg = environmentPath("XDG_DATA_HOME");
    if (QDir::isAbsolutePath(xdg))
        return QDir::cleanPath(xdg);
    const QString home = environmentPath("HOME");
    if (QDir::isAbsolutePath(home))
        return QDir::cleanPath(home + QStringLiteral("/.local/share"));
    return {};
#else
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return QDir::isAbsolutePath(folder) ? QDir::cleanPath(folder) : QString();
#endif
}

} // namespace

QString userDataFolder() {
    const QString home = userDataHome();
    return home.isEmpty() ? QString() : QDir(home).filePath(dataFolderName);
}

QString userCataloguePath() {
    const QString folder = userDataFolder();
    return folder.isEmpty() ? QString() : QDir::cleanPath(Catalogue::pathIn(folder));
}

std::vector<CatalogueFile> catalogueCandidates(const QString& programFolder) {
    std::vector<CatalogueFile> candidates;
    QStringList seen;
    const auto add = [&](const QString& folder, CatalogueOrigin origin) {
        if (folder.isEmpty())
            return;
        const QString path = QDir::cleanPath(Catalogue::pathIn(folder));
        if (seen.contains(path))
            return;
        seen << path;
        candidates.push_back({path, origin});
    };
#if defined(Q_OS_UNIX)
    environmentPath("XDG_DATA_DIRS"); // Qt reads it below
#endif
    add(programFolder, CatalogueOrigin::BesideProgram);
    add(userDataFolder(), CatalogueOrigin::UserData);
    // Qt lists the user's own folder first, as it reads it; that one is
    // taken above or refused.
    const QString qtUserHome =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    for (const QString& folder :
         QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        if (folder != qtUserHome && QDir::isAbsolutePath(folder))
            add(QDir(folder).filePath(dataFolderName), CatalogueOrigin::SystemData);
    if (!programFolder.isEmpty())
        add(QDir(programFolder).absoluteFilePath(QStringLiteral(CLUBDRAW_DATA_FROM_PROGRAM)),
            CatalogueOrigin::SystemData);
    return candidates;
}

CatalogueFile findCataloguePlace(const QString& programFolder, const QString& given) {
    if (!given.isEmpty())
        return {given, CatalogueOrigin::Given};
    QStringList tried;
    for (const CatalogueFile& candidate : catalogueCandidates(programFolder)) {
        const QFileInfo info(candidate.path);
        if (info.exists() || info.isSymLink())
            return candidate;
        tried << shownPath(candidate.path);
    }
    throw RunError(RunError::FileNotFound,
                   QCoreApplication::translate("CatalogueLocation", "Tried, in this order:"),
                   tried);
}

CatalogueFile findRegularCatalogueFile(const QString& programFolder, const QString& given) {
    const CatalogueFile found = findCataloguePlace(programFolder, given);
    if (found.origin != CatalogueOrigin::Given)
        Catalogue::checkFile(found.path, true);
    return found;
}

QString shownBytes(const QByteArray& bytes) {
    QString shown;
    for (qsizetype at = 0; at < bytes.size();) {
        // The shortest run from here that is a whole UTF-8 character.
        qsizetype length = 1;
        while (length <= 4 && at + length <= bytes.size() &&
               QString::fromUtf8(bytes.mid(at, length)).toUtf8() != bytes.mid(at, length))
            ++length;
        if (length > 4 || at + length > bytes.size()) {
            shown +=
                QStringLiteral("\\x%1").arg(static_cast<uchar>(bytes[at]), 2, 16, QLatin1Char('0'));
            ++at;
        } else {
            shown += QString::fromUtf8(bytes.mid(at, length));
            at += length;
        }
    }
    return printable(shown);
}

bool isLinkLoop(const QString& path) {
    std::error_code error;
    static_cast<void>(std::filesystem::status(std::filesystem::path(path.toStdU16String()), error));
    return error == std::errc::too_many_symbolic_link_levels;
}

} // namespace clubdraw
