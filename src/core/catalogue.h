// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "club.h"

#include <QByteArrayView>
#include <QString>

#include <algorithm>
#include <vector>

namespace clubdraw {

// The most clubs a catalogue holds. Counters were 16-bit with one value
// kept back, and catalogues written for that limit must still load, and
// fail, as they always have.
inline constexpr int maxClubs = 32766;

// About as many clubs as `bytes` of catalogue can hold (a short line is
// some 24 bytes), never more than load: room to reserve up front.
inline qsizetype expectedClubs(qsizetype bytes) {
    return std::min<qsizetype>(bytes / 24 + 1, maxClubs);
}

// The loaded catalogue: its clubs in file order, unchanged after the load.
struct Catalogue {
    std::vector<Club> clubs;

    int count() const { return static_cast<int>(clubs.size()); }

    // Reads a catalogue from the file's bytes (see CatalogueReader).
    // `source` names the file in error messages. Throws RunError
    // FileEndsInsideRecord or QuoteNeverClosed (62), FlagOutOfRange or
    // TooManyClubs (6).
    static Catalogue parse(QByteArrayView bytes, const QString& source = {});
    // The same for text, read as its UTF-8 bytes.
    static Catalogue parse(const QString& text, const QString& source = {});
};

} // namespace clubdraw
