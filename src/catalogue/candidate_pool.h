#pragma once

#include "team_record.h"

#include <vector>

namespace clubdraw {

// The teams one draw found eligible, in the order it added them. Each draw
// window reveals from a pool of its own.
class candidate_pool {
public:
    // Copies the record in; the pool's counter is 16-bit like the table's,
    // so a 32,768th entry is run-time error 6.
    void add(const team_record& record);

    int count() const { return static_cast<int>(entries_.size()); }
    bool empty() const { return entries_.empty(); }
    // Index from 0.
    const team_record& at(int index) const { return entries_.at(static_cast<std::size_t>(index)); }
    const std::vector<team_record>& entries() const { return entries_; }

private:
    std::vector<team_record> entries_;
};

} // namespace clubdraw
