// SPDX-License-Identifier: GPL-3.0-or-later
#include "cataloguelocation.h"

#include "catalogue.h"
#include "core/version.h"
#include "printable.h"
#include "runerror.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>

#include <algorithm>
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
    QString text = QString::fromUtf8(bytes);
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

RunError tooLarge(const QString& shown) {
    return RunError(RunError::FileTooLarge,
                    QCoreApplication::translate("Catalogue", "%1 is larger than %2 MiB")
                        .arg(shown, QString::number(maxCatalogueBytes / (1024 * 1024))));
}

// Reads the whole file, but never more than one byte past the cap, so a
// file that grows while it is read cannot exhaust memory either.
QByteArray readAtMost(QFile& file, const QString& shown) {
    QByteArray bytes;
    qint64 have = 0;
    // A file that reports no size (a pipe, /proc) is read in growing chunks.
    qint64 room = std::min(std::max(file.size(), qint64(64 * 1024)), maxCatalogueBytes) + 1;
    for (;;) {
        bytes.resize(room);
        const qint64 got = file.read(bytes.data() + have, room - have);
        if (got < 0)
            throw RunError(RunError::FileUnreadable,
                           shown + QStringLiteral(": ") + file.errorString());
        if (got == 0)
            break;
        have += got;
        if (have > maxCatalogueBytes)
            throw tooLarge(shown);
        if (have == room)
            room = std::min(room * 2, maxCatalogueBytes + 1);
    }
    bytes.truncate(have);
    return bytes;
}

} // namespace

QString cataloguePathIn(const QString& folder) {
    return QDir(folder).filePath(QString::fromLatin1(catalogueFileName));
}

void requireCatalogueFile(const QString& path, AcceptedFiles accepted) {
    const QString shown = shownPath(path);
    const QFileInfo info(path);
    if (info.isFile())
        return;
    // A link to nothing is a copy on a medium that is not there: an error
    // of its own, never a reason to look elsewhere.
    if (isLinkLoop(path))
        throw RunError(
            RunError::FileUnreadable,
            QCoreApplication::translate("Catalogue", "%1 is a link that leads round in a loop")
                .arg(shown));
    if (info.isSymLink() && !info.exists())
        throw RunError(
            RunError::FileUnreadable,
            QCoreApplication::translate("Catalogue", "%1 is a link to %2, which is missing")
                .arg(shown, shownPath(info.symLinkTarget())));
    if (!info.exists())
        throw RunError(RunError::FileNotFound, shown);
    if (info.isDir())
        throw RunError(RunError::FileUnreadable,
                       QCoreApplication::translate("Catalogue", "%1 is a folder").arg(shown));
    if (accepted == AcceptedFiles::RegularFilesOnly)
        throw RunError(
            RunError::FileUnreadable,
            QCoreApplication::translate("Catalogue", "%1 is not a regular file").arg(shown));
}

QByteArray readCatalogueFile(const QString& path) {
    requireCatalogueFile(path, AcceptedFiles::AnyReadable);
    const QString shown = shownPath(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw RunError(RunError::FileUnreadable, shown + QStringLiteral(": ") + file.errorString());
    // Checked before reading, so an oversized file costs nothing.
    if (file.size() > maxCatalogueBytes)
        throw tooLarge(shown);
    return readAtMost(file, shown);
}

Catalogue loadCatalogue(const QString& path) {
    const QByteArray bytes = readCatalogueFile(path);
    return Catalogue::parse(QByteArrayView(bytes), shownPath(path));
}

QString userDataFolder() {
    const QString home = userDataHome();
    return home.isEmpty() ? QString() : QDir(home).filePath(dataFolderName);
}

QString userCataloguePath() {
    const QString folder = userDataFolder();
    return folder.isEmpty() ? QString() : QDir::cleanPath(cataloguePathIn(folder));
}

std::vector<CatalogueFile> catalogueCandidates(const QString& programFolder) {
    std::vector<CatalogueFile> candidates;
    QStringList seen;
    const auto add = [&](const QString& folder, CatalogueOrigin origin) {
        if (folder.isEmpty())
            return;
        const QString path = QDir::cleanPath(cataloguePathIn(folder));
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
    CatalogueFile found = findCataloguePlace(programFolder, given);
    if (found.origin != CatalogueOrigin::Given)
        requireCatalogueFile(found.path, AcceptedFiles::RegularFilesOnly);
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
