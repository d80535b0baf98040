// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "club.h"

#include <vector>

namespace clubdraw {

// A draw needs at least this many to choose from: one is no draw.
inline constexpr int minimumDrawSize = 2;

// The clubs one draw found eligible, in the order it added them. Each draw
// window reveals from a pool of its own.
class CandidatePool {
public:
    void add(const Club& club) { m_entries.push_back(club); }

    int count() const { return static_cast<int>(m_entries.size()); }
    bool isEmpty() const { return m_entries.empty(); }
    // Index from 0.
    const Club& at(int index) const { return m_entries.at(static_cast<std::size_t>(index)); }
    const std::vector<Club>& entries() const { return m_entries; }

private:
    std::vector<Club> m_entries;
};

} // namespace clubdraw
