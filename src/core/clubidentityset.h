// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "club.h"

#include <QStringView>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace clubdraw {

// Clubs by identity (see clubIdentity()), each numbered from 0 in the order
// it was first inserted. It keeps views, not copies: a draw runs it over a
// whole catalogue, and copying every club's texts cost more than the draw.
// The texts must outlive the set and not change under it.
class ClubIdentitySet {
public:
    // Room for `count` clubs without growing.
    void reserve(std::size_t count);

    // Adds the club; false when it is there already.
    bool insert(QStringView nation, QStringView name);
    bool insert(const Club& club) { return insert(club.nation, club.name); }
    bool insert(const ClubIdentity& identity) { return insert(identity.first, identity.second); }

    // The club's number, or -1 when it is not there.
    int indexOf(QStringView nation, QStringView name) const;
    bool contains(const Club& club) const { return indexOf(club.nation, club.name) >= 0; }
    bool contains(const ClubIdentity& identity) const {
        return indexOf(identity.first, identity.second) >= 0;
    }

    int count() const { return static_cast<int>(m_keys.size()); }

private:
    struct Key {
        std::size_t hash = 0;
        QStringView nation;
        QStringView name;
    };
    // The slot holding the club, or the empty one where it would go.
    std::size_t slotOf(std::size_t hash, QStringView nation, QStringView name) const;
    void rehash(std::size_t slotCount);

    std::vector<Key> m_keys;
    // Open addressing over a power-of-two table: a key's number plus one,
    // 0 for an empty slot. Kept at most half full, so probes stay short.
    std::vector<std::uint32_t> m_slots;
};

} // namespace clubdraw
