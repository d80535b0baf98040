// SPDX-License-Identifier: GPL-3.0-or-later
#include "divisionselection.h"

#include <QHash>
#include <QSet>

#include <algorithm>

namespace clubdraw {

size_t qHash(const DivisionKey& key, size_t seed) noexcept {
    return qHashMulti(seed, key.nation, key.division);
}

QString divisionLabel(const DivisionKey& key) {
    return key.nation + QLatin1Char(' ') + key.division;
}

DivisionList collectDivisions(const Catalogue& catalogue) {
    DivisionList result;
    QSet<DivisionKey> seen;
    seen.reserve(catalogue.count());
    for (const Club& club : catalogue.clubs) {
        DivisionKey key{club.nation, club.division};
        if (seen.contains(key))
            continue;
        seen.insert(key);
        QString label = divisionLabel(key);
        result.entries.push_back({std::move(key), std::move(label)});
    }
    return result;
}

QStringList DivisionList::labels() const {
    QStringList all;
    all.reserve(count());
    for (const Division& division : entries)
        all << division.label;
    return all;
}

std::vector<DivisionKey> DivisionList::keys() const {
    std::vector<DivisionKey> all;
    all.reserve(entries.size());
    for (const Division& division : entries)
        all.push_back(division.key);
    return all;
}

std::vector<DivisionKey> divisionsLabelled(const DivisionList& divisions, const QString& label) {
    std::vector<DivisionKey> keys;
    for (const Division& division : divisions.entries)
        if (division.label.compare(label, Qt::CaseInsensitive) == 0)
            keys.push_back(division.key);
    return keys;
}

DivisionSelection::DivisionSelection(const DivisionList& divisions)
    : m_divisions(divisions), m_isSelected(static_cast<std::size_t>(divisions.count()), 0) {}

QStringList DivisionSelection::selectedLabels() const {
    QStringList labels;
    labels.reserve(static_cast<qsizetype>(m_selected.size()));
    for (int i : m_selected)
        labels << m_divisions.at(i).label;
    return labels;
}

std::vector<DivisionKey> DivisionSelection::selectedKeys() const {
    std::vector<DivisionKey> keys;
    keys.reserve(m_selected.size());
    for (int i : m_selected)
        keys.push_back(m_divisions.at(i).key);
    return keys;
}

bool DivisionSelection::sortsBefore(int a, int b) const {
    // Alphabetical, case folded first; ties keep a fixed order so two
    // divisions with equal labels stay put.
    const QString& la = m_divisions.at(a).label;
    const QString& lb = m_divisions.at(b).label;
    if (int c = QString::compare(la, lb, Qt::CaseInsensitive))
        return c < 0;
    if (int c = QString::compare(la, lb, Qt::CaseSensitive))
        return c < 0;
    return a < b;
}

void DivisionSelection::insertSorted(int division) {
    const auto before = [this](int a, int b) { return sortsBefore(a, b); };
    m_selected.insert(std::lower_bound(m_selected.begin(), m_selected.end(), division, before),
                      division);
    m_isSelected[static_cast<std::size_t>(division)] = 1;
}

bool DivisionSelection::addOne(int allRow, int selectedRow) {
    if (allRow < 0 || allRow >= m_divisions.count() ||
        m_isSelected[static_cast<std::size_t>(allRow)])
        return false;
    if (selectedRow >= 0 && selectedRow < static_cast<int>(m_selected.size())) {
        m_isSelected[static_cast<std::size_t>(m_selected[static_cast<std::size_t>(selectedRow)])] =
            0;
        m_selected.erase(m_selected.begin() + selectedRow);
    }
    insertSorted(allRow);
    return true;
}

void DivisionSelection::selectAll() {
    m_selected.resize(static_cast<std::size_t>(m_divisions.count()));
    for (int i = 0; i < m_divisions.count(); ++i)
        m_selected[static_cast<std::size_t>(i)] = i;
    std::sort(m_selected.begin(), m_selected.end(),
              [this](int a, int b) { return sortsBefore(a, b); });
    std::fill(m_isSelected.begin(), m_isSelected.end(), 1);
}

bool DivisionSelection::removeOne(int selectedRow) {
    if (selectedRow < 0 || selectedRow >= static_cast<int>(m_selected.size()))
        return false;
    m_isSelected[static_cast<std::size_t>(m_selected[static_cast<std::size_t>(selectedRow)])] = 0;
    m_selected.erase(m_selected.begin() + selectedRow);
    return true;
}

void DivisionSelection::removeAll() {
    m_selected.clear();
    std::fill(m_isSelected.begin(), m_isSelected.end(), 0);
}

CandidatePool buildDivisionPool(const Catalogue& catalogue, const std::vector<DivisionKey>& keys) {
    CandidatePool pool;
    if (keys.empty())
        return pool;
    const QSet<DivisionKey> wanted(keys.begin(), keys.end());
    for (const Club& club : catalogue.clubs) {
        if (wanted.contains(DivisionKey{club.nation, club.division}))
            pool.add(club);
    }
    return pool;
}

} // namespace clubdraw
