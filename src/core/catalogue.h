// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runerror.h"
#include "teamrecord.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <vector>

namespace clubdraw {

inline constexpr char catalogueFileName[] = "kortliste_eng.txt";

// Team counters are 16-bit: the table has at most this many slots, so at
// most maxTableSlots - 1 teams load and one slot is left as the spare.
inline constexpr int maxTableSlots = 32767;
inline constexpr int maxTeams = maxTableSlots - 1;

// Largest catalogue file that is read: far beyond any real catalogue
// (32,766 teams take about 2 MB), small enough never to exhaust memory.
inline constexpr qint64 maxCatalogueBytes = 64LL * 1024 * 1024;

// The loaded catalogue. `teams` holds the teams in file order followed,
// when the file has no terminator record, by one empty spare slot; it is
// never empty and never changes after the load.
struct Catalogue {
    std::vector<TeamRecord> teams{TeamRecord{}};

    // Slots of `teams`, the spare slot included.
    int slotCount() const { return static_cast<int>(teams.size()); }

    // Reads a catalogue from the file's bytes (see CatalogueReader).
    // `source` names the file in error messages. Throws RunError 62 (file
    // ends inside a record, or a quote is never closed) or 6 (flag out of
    // range, or more than maxTeams teams).
    static Catalogue parse(QByteArrayView bytes, const QString& source = {});
    // The same for text, read as its UTF-8 bytes.
    static Catalogue parse(const QString& text, const QString& source = {});

    // Reads the catalogue file. Throws RunError 53 when it does not exist,
    // 75 when it cannot be read, 7 when it is too large, and whatever
    // parse() throws.
    static Catalogue load(const QString& path);
    // The file's bytes, with the errors of load() that come before parsing.
    static QByteArray readFile(const QString& path);

    // Error 6 for a team past maxTeams, where the reader is.
    static RunError tooManyTeams(const QString& source, int record, int line);

    // Where the program looks for its catalogue: beside the executable.
    static QString pathIn(const QString& programFolder);
};

} // namespace clubdraw
