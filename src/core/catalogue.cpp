// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue.h"

#include "cataloguelocation.h"
#include "cataloguereader.h"
#include "printable.h"
#include "runerror.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace clubdraw {

namespace {

RunError tooLarge(const QString& shown) {
    return RunError(RunError::FileTooLarge,
                    QCoreApplication::translate("Catalogue", "%1 is larger than %2 MiB")
                        .arg(shown)
                        .arg(maxCatalogueBytes / (1024 * 1024)));
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

Catalogue Catalogue::parse(QByteArrayView bytes, const QString& source) {
    Catalogue catalogue;
    // Room for a catalogue of short lines, never more than it can hold.
    catalogue.clubs.reserve(
        static_cast<std::size_t>(std::min<qsizetype>(bytes.size() / 24 + 1, maxClubs)));
    CatalogueReader reader(bytes, source);
    Club club;
    while (reader.next(club)) {
        // A record without a name is skipped, dropping nothing read before it.
        if (club.name.isEmpty())
            continue;
        if (catalogue.count() == maxClubs)
            throw tooManyClubs(source, reader.record(), reader.line());
        catalogue.clubs.push_back(std::move(club));
    }
    return catalogue;
}

Catalogue Catalogue::parse(const QString& text, const QString& source) {
    const QByteArray bytes = text.toUtf8();
    return parse(QByteArrayView(bytes), source);
}

RunError Catalogue::tooManyClubs(const QString& source, int record, int line) {
    //: %1 is where the reader is, such as "Record 3, line 4 of <file>"
    return RunError(RunError::TooManyClubs,
                    QCoreApplication::translate("Catalogue", "%1: more than %2 teams")
                        .arg(cataloguePlace(source, record, line))
                        .arg(maxClubs));
}

Catalogue Catalogue::load(const QString& path) {
    const QByteArray bytes = readFile(path);
    return parse(QByteArrayView(bytes), shownPath(path));
}

void Catalogue::checkFile(const QString& path, bool regularOnly) {
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
    // A FIFO or a device would block or never end.
    if (regularOnly)
        throw RunError(
            RunError::FileUnreadable,
            QCoreApplication::translate("Catalogue", "%1 is not a regular file").arg(shown));
}

QByteArray Catalogue::readFile(const QString& path) {
    checkFile(path, false);
    const QString shown = shownPath(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw RunError(RunError::FileUnreadable, shown + QStringLiteral(": ") + file.errorString());
    // Checked before reading, so an oversized file costs nothing.
    if (file.size() > maxCatalogueBytes)
        throw tooLarge(shown);
    return readAtMost(file, shown);
}

QString Catalogue::pathIn(const QString& folder) {
    return QDir(folder).filePath(QString::fromLatin1(catalogueFileName));
}

} // namespace clubdraw
