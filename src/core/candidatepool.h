// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "teamrecord.h"

#include <vector>

namespace clubdraw {

// A draw needs at least this many to choose from: one is no draw.
inline constexpr int minimumDrawSize = 2;

// The teams one draw found eligible, in the order it added them. Each draw
// window reveals from a pool of its own.
class CandidatePool {
public:
    // Copies the record in; the pool's counter is 16-bit like the
    // catalogue's, so a 32,768th entry is run-time error 6.
    void add(const TeamRecord& record);

    int count() const { return static_cast<int>(m_entries.size()); }
    bool isEmpty() const { return m_entries.empty(); }
    // Index from 0.
    const TeamRecord& at(int index) const { return m_entries.at(static_cast<std::size_t>(index)); }
    const std::vector<TeamRecord>& entries() const { return m_entries; }

private:
    std::vector<TeamRecord> m_entries;
};

} // namespace clubdraw
