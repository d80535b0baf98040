// SPDX-License-Identifier: GPL-3.0-or-later
#include "clubidentityset.h"

#include <QHashFunctions>

#include <algorithm>
#include <bit>

namespace clubdraw {

namespace {

constexpr std::size_t minimumSlots = 16;

std::size_t hashOf(QStringView nation, QStringView name) {
    return qHashMulti(0, nation, name);
}

} // namespace

void ClubIdentitySet::reserve(std::size_t count) {
    m_keys.reserve(count);
    const std::size_t slotCount = std::bit_ceil(std::max(count * 2, minimumSlots));
    if (slotCount > m_slots.size())
        rehash(slotCount);
}

bool ClubIdentitySet::insert(QStringView nation, QStringView name) {
    if ((m_keys.size() + 1) * 2 > m_slots.size())
        rehash(std::max(m_slots.size() * 2, minimumSlots));
    const std::size_t hash = hashOf(nation, name);
    const std::size_t slot = slotOf(hash, nation, name);
    if (m_slots[slot] != 0)
        return false;
    m_keys.push_back({hash, nation, name});
    m_slots[slot] = static_cast<std::uint32_t>(m_keys.size());
    return true;
}

int ClubIdentitySet::indexOf(QStringView nation, QStringView name) const {
    if (m_slots.empty())
        return -1;
    const std::uint32_t found = m_slots[slotOf(hashOf(nation, name), nation, name)];
    return static_cast<int>(found) - 1;
}

std::size_t ClubIdentitySet::slotOf(std::size_t hash, QStringView nation, QStringView name) const {
    const std::size_t mask = m_slots.size() - 1;
    for (std::size_t slot = hash & mask;; slot = (slot + 1) & mask) {
        const std::uint32_t entry = m_slots[slot];
        if (entry == 0)
            return slot;
        const Key& key = m_keys[entry - 1];
        if (key.hash == hash && key.nation == nation && key.name == name)
            return slot;
    }
}

void ClubIdentitySet::rehash(std::size_t slotCount) {
    m_slots.assign(slotCount, 0);
    const std::size_t mask = slotCount - 1;
    for (std::size_t i = 0; i < m_keys.size(); ++i) {
        std::size_t slot = m_keys[i].hash & mask;
        while (m_slots[slot] != 0)
            slot = (slot + 1) & mask;
        m_slots[slot] = static_cast<std::uint32_t>(i + 1);
    }
}

} // namespace clubdraw
