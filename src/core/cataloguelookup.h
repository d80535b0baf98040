// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue.h"
#include "clubidentityset.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace clubdraw {

// What draw codes ask of a catalogue again and again: its fingerprint and
// where each club's records are. Each is worked out on first use, over the
// whole catalogue, and kept. The catalogue must outlive the lookup and not
// change under it; one thread at a time.
class CatalogueLookup {
public:
    explicit CatalogueLookup(const Catalogue& catalogue) : m_catalogue(catalogue) {}
    // It keeps a reference: a temporary catalogue would be gone.
    explicit CatalogueLookup(Catalogue&&) = delete;

    const Catalogue& catalogue() const { return m_catalogue; }

    // catalogueFingerprint() of the catalogue.
    std::uint16_t fingerprint() const;

    // The club's record: the very record when it is there, else the first
    // of the same club; -1 when the catalogue lacks the club.
    int recordOf(const Club& club) const;
    bool contains(const ClubIdentity& identity) const;

private:
    void index() const;

    const Catalogue& m_catalogue;
    mutable std::optional<std::uint16_t> m_fingerprint;
    mutable std::optional<ClubIdentitySet> m_clubs;
    // By club number: its first record.
    mutable std::vector<int> m_firstRecord;
    // By record: the next record of the same club, or -1.
    mutable std::vector<int> m_nextRecord;
};

} // namespace clubdraw
