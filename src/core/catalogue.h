// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "club.h"
#include "runerror.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <vector>

namespace clubdraw {

inline constexpr char catalogueFileName[] = "kortliste_eng.txt";

// The most clubs a catalogue holds. Counters were 16-bit with one value
// kept back, and catalogues written for that limit must still load, and
// fail, as they always have.
inline constexpr int maxClubs = 32766;

// Largest catalogue file that is read: far beyond any real catalogue
// (32,766 clubs take about 2 MB), small enough never to exhaust memory.
inline constexpr qint64 maxCatalogueBytes = 64LL * 1024 * 1024;

// The loaded catalogue: its clubs in file order, unchanged after the load.
struct Catalogue {
    std::vector<Club> clubs;

    int count() const { return static_cast<int>(clubs.size()); }

    // Reads a catalogue from the file's bytes (see CatalogueReader).
    // `source` names the file in error messages. Throws RunError 62 (file
    // ends inside a record, or a quote is never closed) or 6 (flag out of
    // range, or more than maxClubs clubs).
    static Catalogue parse(QByteArrayView bytes, const QString& source = {});
    // The same for text, read as its UTF-8 bytes.
    static Catalogue parse(const QString& text, const QString& source = {});

    // Reads the catalogue file. Throws RunError 53 when it does not exist,
    // 75 when it cannot be read, 7 when it is too large, and whatever
    // parse() throws.
    static Catalogue load(const QString& path);
    // The file's bytes, with the errors of load() that come before parsing.
    // A FIFO or device given by name is read: the user chose it.
    static QByteArray readFile(const QString& path);
    // Throws what makes `path` no catalogue before it is opened: RunError
    // 53 when nothing is there, 75 for a link to nothing or a folder, and
    // with `regularOnly` for anything but a regular file.
    static void checkFile(const QString& path, bool regularOnly);

    // Error 6 for a club past maxClubs, where the reader is.
    static RunError tooManyClubs(const QString& source, int record, int line);

    // The catalogue file's path in `folder` (see cataloguelocation.h).
    static QString pathIn(const QString& folder);
};

} // namespace clubdraw
