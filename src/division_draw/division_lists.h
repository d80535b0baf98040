#pragma once

#include "catalogue/candidate_pool.h"
#include "catalogue/lagliste.h"

#include <QString>

#include <vector>

namespace clubdraw {

// One division: equal when both texts are equal, exactly.
struct division_key {
    QString nation;
    QString division;

    bool operator==(const division_key&) const = default;
};

// Shown as nation, one blank, division; nothing trimmed.
QString division_label(const division_key& key);

// The distinct divisions of the catalogue's teams in first-occurrence
// order, with their labels (parallel vectors).
struct division_catalogue {
    std::vector<division_key> division_keys;
    std::vector<QString> division_labels;

    int count() const { return static_cast<int>(division_keys.size()); }
};

division_catalogue collect_divisions(const lagliste& catalogue);

// What the two lists of the division window hold: "All divisions" is every
// collected division in order; "Selected divisions" a sorted set of them.
// Entries are indexes into the division_catalogue, so two divisions whose
// labels read the same stay two.
class division_selection {
public:
    explicit division_selection(const division_catalogue& divisions);

    const division_catalogue& divisions() const { return divisions_; }
    // Indexes into divisions(), in the order the selected list shows them.
    const std::vector<int>& selected() const { return selected_; }
    std::vector<QString> selected_labels() const;
    std::vector<division_key> selected_keys() const;

    // ">" and a double-click in "All divisions": `all_row` is the entry
    // selected there, `selected_row` the one selected in "Selected
    // divisions" (-1 for none), which the new division replaces. Does
    // nothing for no entry or a division already selected. Returns whether
    // the selection changed.
    bool add_one(int all_row, int selected_row);
    // ">>": every division, once each.
    void select_all();
    // "<" and a double-click in "Selected divisions".
    bool remove_one(int selected_row);
    // "<<".
    void remove_all();

private:
    bool sorts_before(int a, int b) const;
    void insert_sorted(int division);

    const division_catalogue& divisions_;
    std::vector<int> selected_;
    std::vector<char> is_selected_;
};

// Every team of the given divisions, in catalogue order, whatever its
// minimum_flag.
candidate_pool build_division_pool(const lagliste& catalogue, const std::vector<division_key>& keys);

} // namespace clubdraw
