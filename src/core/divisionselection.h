// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "candidatepool.h"
#include "catalogue.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace clubdraw {

// One division: equal when both texts are equal, exactly.
struct DivisionKey {
    QString nation;
    QString division;

    bool operator==(const DivisionKey&) const = default;
};

size_t qHash(const DivisionKey& key, size_t seed = 0) noexcept;

// Shown as nation, one blank, division; nothing trimmed.
QString divisionLabel(const DivisionKey& key);

struct Division {
    DivisionKey key;
    QString label; // divisionLabel(key)
};

// The distinct divisions of the catalogue's clubs in first-occurrence order.
struct DivisionList {
    std::vector<Division> entries;

    int count() const { return static_cast<int>(entries.size()); }
    const Division& at(int i) const { return entries[static_cast<std::size_t>(i)]; }
    QStringList labels() const;
    std::vector<DivisionKey> keys() const;
};

DivisionList collectDivisions(const Catalogue& catalogue);

// Every division whose label reads `label` in any letter case, as a user
// names a division (and a nation): two can read alike ("A B" "C" and "A"
// "B C"), and both are meant.
std::vector<DivisionKey> divisionsLabelled(const DivisionList& divisions, const QString& label);

// What the two lists of the division window hold: "All divisions" is every
// collected division in order; "Selected divisions" a sorted set of them.
// Entries are indexes into the DivisionList, so two divisions whose labels
// read the same stay two.
class DivisionSelection {
public:
    explicit DivisionSelection(const DivisionList& divisions);

    // Indexes into the DivisionList, in the order the selected list shows them.
    const std::vector<int>& selected() const { return m_selected; }
    QStringList selectedLabels() const;
    std::vector<DivisionKey> selectedKeys() const;

    // ">" and a double-click in "All divisions": `allRow` is the entry
    // selected there, `selectedRow` the one selected in "Selected
    // divisions" (-1 for none), which the new division replaces. Does
    // nothing for no entry or a division already selected. Returns whether
    // the selection changed.
    bool addOne(int allRow, int selectedRow);
    // ">>": every division, once each.
    void selectAll();
    // "<" and a double-click in "Selected divisions".
    bool removeOne(int selectedRow);
    // "<<".
    void removeAll();

private:
    bool sortsBefore(int a, int b) const;
    void insertSorted(int division);

    const DivisionList& m_divisions;
    std::vector<int> m_selected;
    std::vector<char> m_isSelected;
};

// Every club of the given divisions, in catalogue order, whatever its
// database flag.
CandidatePool buildDivisionPool(const Catalogue& catalogue, const std::vector<DivisionKey>& keys);

} // namespace clubdraw
