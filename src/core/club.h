// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <cstdint>

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

} // namespace clubdraw
