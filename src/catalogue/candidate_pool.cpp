#include "candidate_pool.h"

#include "run_error.h"

namespace clubdraw {

void candidate_pool::add(const team_record& record) {
    if (count() >= 32767)
        throw run_error(run_errors::overflow, QStringLiteral("More than 32,767 teams in one draw"));
    entries_.push_back(record);
}

} // namespace clubdraw
