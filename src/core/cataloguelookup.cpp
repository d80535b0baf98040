// SPDX-License-Identifier: GPL-3.0-or-later
#include "cataloguelookup.h"

#include "drawcode.h"

namespace clubdraw {

std::uint16_t CatalogueLookup::fingerprint() const {
    if (!m_fingerprint)
        m_fingerprint = catalogueFingerprint(m_catalogue);
    return *m_fingerprint;
}

int CatalogueLookup::recordOf(const Club& club) const {
    index();
    const int number = m_clubs->indexOf(club.nation, club.name);
    if (number < 0)
        return -1;
    const int first = m_firstRecord[static_cast<std::size_t>(number)];
    for (int record = first; record >= 0; record = m_nextRecord[static_cast<std::size_t>(record)]) {
        if (m_catalogue.clubs[static_cast<std::size_t>(record)] == club)
            return record;
    }
    return first;
}

bool CatalogueLookup::contains(const ClubIdentity& identity) const {
    index();
    return m_clubs->contains(identity);
}

void CatalogueLookup::index() const {
    if (m_clubs)
        return;
    ClubIdentitySet& clubs = m_clubs.emplace();
    const std::size_t count = m_catalogue.clubs.size();
    clubs.reserve(count);
    m_nextRecord.assign(count, -1);
    // By club number: its last record so far, for the chain.
    std::vector<int> lastRecord;
    for (std::size_t record = 0; record < count; ++record) {
        const Club& club = m_catalogue.clubs[record];
        const int at = static_cast<int>(record);
        if (clubs.insert(club)) {
            m_firstRecord.push_back(at);
            lastRecord.push_back(at);
            continue;
        }
        int& last = lastRecord[static_cast<std::size_t>(clubs.indexOf(club.nation, club.name))];
        m_nextRecord[static_cast<std::size_t>(last)] = at;
        last = at;
    }
}

} // namespace clubdraw
