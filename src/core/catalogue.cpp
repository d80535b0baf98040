// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue.h"

#include "cataloguereader.h"
#include "runerror.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace clubdraw {

namespace {

RunError tooLarge(const QString& shown) {
    return RunError(
        RunError::OutOfMemory,
        shown + QStringLiteral(" is larger than %1 MiB").arg(maxCatalogueBytes / (1024 * 1024)));
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
            throw RunError(RunError::PathFileAccessError,
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
    // Room for a catalogue of short lines, never more than the table can hold.
    catalogue.teams.reserve(
        static_cast<std::size_t>(std::min<qsizetype>(bytes.size() / 24 + 1, maxTableSlots)));
    CatalogueReader reader(bytes, source);
    TeamRecord record;
    bool lastWasTerminator = false;
    while (reader.next(record)) {
        if (record.team.isEmpty()) {
            // Skipped, dropping nothing read before it; at the end of the file
            // it only marks that the list has no spare slot.
            lastWasTerminator = true;
            continue;
        }
        if (catalogue.slotCount() == maxTableSlots)
            throw tooManyTeams(source, reader.record(), reader.line());
        catalogue.teams.back() = std::move(record);
        catalogue.teams.emplace_back();
        lastWasTerminator = false;
    }
    if (lastWasTerminator && catalogue.slotCount() > 1)
        catalogue.teams.pop_back();
    return catalogue;
}

Catalogue Catalogue::parse(const QString& text, const QString& source) {
    const QByteArray bytes = text.toUtf8();
    return parse(QByteArrayView(bytes), source);
}

RunError Catalogue::tooManyTeams(const QString& source, int record, int line) {
    return RunError(RunError::Overflow, cataloguePlace(source, record, line) +
                                            QStringLiteral(": more than %1 teams").arg(maxTeams));
}

Catalogue Catalogue::load(const QString& path) {
    const QByteArray bytes = readFile(path);
    return parse(QByteArrayView(bytes),
                 QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()));
}

QByteArray Catalogue::readFile(const QString& path) {
    const QString shown = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    QFileInfo info(path);
    if (!info.exists())
        throw RunError(RunError::FileNotFound, shown);
    QFile file(path);
    if (info.isDir() || !file.open(QIODevice::ReadOnly))
        throw RunError(RunError::PathFileAccessError,
                       shown + (info.isDir() ? QStringLiteral(" is a folder")
                                             : QStringLiteral(": ") + file.errorString()));
    // Checked before reading, so an oversized file costs nothing.
    if (file.size() > maxCatalogueBytes)
        throw tooLarge(shown);
    return readAtMost(file, shown);
}

QString Catalogue::pathIn(const QString& programFolder) {
    return QDir(programFolder).filePath(QString::fromLatin1(catalogueFileName));
}

} // namespace clubdraw
