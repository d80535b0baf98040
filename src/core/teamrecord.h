// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <cstdint>

namespace clubdraw {

// One team of the catalogue, fields in file order. A record that was never
// filled has empty texts and minimumFlag 0.
struct TeamRecord {
    QString nation;
    QString division;
    QString divisionSuffix;
    std::int16_t minimumFlag = 0; // 0: in the "Minimum" database too
    QString team;                 // empty marks a terminator record

    bool operator==(const TeamRecord&) const = default;
};

} // namespace clubdraw
