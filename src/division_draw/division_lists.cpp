#include "division_lists.h"

#include <QHash>
#include <QSet>

#include <algorithm>

namespace clubdraw {

size_t qHash(const division_key& key, size_t seed = 0) noexcept {
    return qHashMulti(seed, key.nation, key.division);
}

QString division_label(const division_key& key) { return key.nation + QLatin1Char(' ') + key.division; }

division_catalogue collect_divisions(const lagliste& catalogue) {
    division_catalogue result;
    QSet<division_key> seen;
    seen.reserve(catalogue.team_count());
    for (const team_record& record : catalogue.team_table) {
        // The spare slot (and nothing else) has no team.
        if (record.team.isEmpty())
            continue;
        division_key key{record.nation, record.division};
        if (seen.contains(key))
            continue;
        seen.insert(key);
        result.division_labels.push_back(division_label(key));
        result.division_keys.push_back(std::move(key));
    }
    return result;
}

division_selection::division_selection(const division_catalogue& divisions)
    : divisions_(divisions), is_selected_(static_cast<std::size_t>(divisions.count()), 0) {}

std::vector<QString> division_selection::selected_labels() const {
    std::vector<QString> labels;
    labels.reserve(selected_.size());
    for (int i : selected_)
        labels.push_back(divisions_.division_labels[static_cast<std::size_t>(i)]);
    return labels;
}

std::vector<division_key> division_selection::selected_keys() const {
    std::vector<division_key> keys;
    keys.reserve(selected_.size());
    for (int i : selected_)
        keys.push_back(divisions_.division_keys[static_cast<std::size_t>(i)]);
    return keys;
}

bool division_selection::sorts_before(int a, int b) const {
    // Alphabetical, case folded first; ties keep a fixed order so two
    // divisions with equal labels stay put.
    const QString& la = divisions_.division_labels[static_cast<std::size_t>(a)];
    const QString& lb = divisions_.division_labels[static_cast<std::size_t>(b)];
    if (int c = QString::compare(la, lb, Qt::CaseInsensitive))
        return c < 0;
    if (int c = QString::compare(la, lb, Qt::CaseSensitive))
        return c < 0;
    return a < b;
}

void division_selection::insert_sorted(int division) {
    const auto before = [this](int a, int b) { return sorts_before(a, b); };
    selected_.insert(std::lower_bound(selected_.begin(), selected_.end(), division, before), division);
    is_selected_[static_cast<std::size_t>(division)] = 1;
}

bool division_selection::add_one(int all_row, int selected_row) {
    if (all_row < 0 || all_row >= divisions_.count() || is_selected_[static_cast<std::size_t>(all_row)])
        return false;
    if (selected_row >= 0 && selected_row < static_cast<int>(selected_.size())) {
        is_selected_[static_cast<std::size_t>(selected_[static_cast<std::size_t>(selected_row)])] = 0;
        selected_.erase(selected_.begin() + selected_row);
    }
    insert_sorted(all_row);
    return true;
}

void division_selection::select_all() {
    selected_.resize(static_cast<std::size_t>(divisions_.count()));
    for (int i = 0; i < divisions_.count(); ++i)
        selected_[static_cast<std::size_t>(i)] = i;
    std::sort(selected_.begin(), selected_.end(), [this](int a, int b) { return sorts_before(a, b); });
    std::fill(is_selected_.begin(), is_selected_.end(), 1);
}

bool division_selection::remove_one(int selected_row) {
    if (selected_row < 0 || selected_row >= static_cast<int>(selected_.size()))
        return false;
    is_selected_[static_cast<std::size_t>(selected_[static_cast<std::size_t>(selected_row)])] = 0;
    selected_.erase(selected_.begin() + selected_row);
    return true;
}

void division_selection::remove_all() {
    selected_.clear();
    std::fill(is_selected_.begin(), is_selected_.end(), 0);
}

candidate_pool build_division_pool(const lagliste& catalogue, const std::vector<division_key>& keys) {
    candidate_pool pool;
    if (keys.empty())
        return pool;
    const QSet<division_key> wanted(keys.begin(), keys.end());
    for (const team_record& record : catalogue.team_table) {
        if (record.team.isEmpty())
            continue;
        if (wanted.contains(division_key{record.nation, record.division}))
            pool.add(record);
    }
    return pool;
}

} // namespace clubdraw
