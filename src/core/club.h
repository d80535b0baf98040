// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QChar>
#include <QString>

#include <cstdint>
#include <utility>

namespace clubdraw {

// One club of the catalogue, fields in file order.
struct Club {
    QString nation;
    QString division;
    QString divisionSuffix;
    // 0: in the game's "Minimum" database too; any other number: "Normal" only.
    std::int16_t databaseFlag = 0;
    QString name; // a record without one is skipped

    bool inMinimumDatabase() const { return databaseFlag == 0; }

    bool operator==(const Club&) const = default;
};

// What makes a club the same club: its nation and its name, compared
// exactly. Listed twice, in one division or two, it is one club.
using ClubIdentity = std::pair<QString, QString>;
inline ClubIdentity clubIdentity(const Club& club) {
    return {club.nation, club.name};
}

} // namespace clubdraw
