// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cataloguelookup.h"
#include "club.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QCoreApplication>
#include <QString>

#include <cstdint>
#include <vector>

namespace clubdraw {

// The clubs a league has managed before and leaves out of its draws. Kept as
// a plain-text file, one club a line in the catalogue's quoting:
// "Nation","Club". A line that names no club of the catalogue in use stays,
// so a list shared between catalogues loses nothing.
class LeaveOutList {
    Q_DECLARE_TR_FUNCTIONS(LeaveOutList)

public:
    // Its clubs in line order, as (nation, club name).
    const std::vector<ClubIdentity>& lines() const { return m_lines; }
    int count() const { return static_cast<int>(m_lines.size()); }
    bool isEmpty() const { return m_lines.empty(); }

    bool contains(const Club& club) const { return contains(clubIdentity(club)); }
    bool contains(const ClubIdentity& identity) const;
    // Adds the club as the last line; false when it is there already.
    bool add(const Club& club);
    bool add(const ClubIdentity& identity);
    // Removes the club's line; false when it is not there.
    bool remove(const ClubIdentity& identity);

    // Indexes of the lines that name no club of the catalogue.
    std::vector<int> notFound(const CatalogueLookup& lookup) const;

    // Tells two lists apart in a draw code: only lines naming a club of the
    // catalogue count, in any order, since nothing else changes a draw.
    std::uint16_t fingerprint(const CatalogueLookup& lookup) const;

    // The list from a file's bytes: UTF-8 (a byte-order mark is skipped), or
    // Windows-1252 when the bytes are no valid UTF-8. Blank lines are
    // skipped. Throws RunError MalformedLine naming `source` and the line for a line
    // that is not two fields, or whose nation or club is empty.
    static LeaveOutList parse(QByteArrayView bytes, const QString& source = {});
    // The same from the file; a missing file is an empty list. Throws
    // RunError FileUnreadable when it cannot be read, FileTooLarge when it is too large.
    static LeaveOutList read(const QString& path);

    // The file's bytes: UTF-8, one "Nation","Club" line each.
    QByteArray toBytes() const;
    // Writes the whole list, or throws RunError FileUnreadable and leaves the file as
    // it was. Creates the folder when it is missing.
    void save(const QString& path) const;

    bool operator==(const LeaveOutList&) const = default;

private:
    std::vector<ClubIdentity> m_lines;
};

// The list the window keeps between runs, in the user's data folder; empty
// when there is none.
QString defaultLeaveOutPath();

} // namespace clubdraw
