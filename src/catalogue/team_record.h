#pragma once

#include <QString>

#include <cstdint>

namespace clubdraw {

// One team of the catalogue, fields in file order. A record that was never
// filled has empty texts and minimum_flag 0.
struct team_record {
    QString nation;
    QString division;
    QString division_suffix;
    std::int16_t minimum_flag = 0; // 0: in the "Minimum" database too
    QString team;                  // empty marks a terminator record

    bool operator==(const team_record&) const = default;
};

} // namespace clubdraw
