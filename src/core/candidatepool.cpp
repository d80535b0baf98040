// SPDX-License-Identifier: GPL-3.0-or-later
#include "candidatepool.h"

#include "runerror.h"

namespace clubdraw {

void CandidatePool::add(const TeamRecord& record) {
    if (count() >= 32767)
        throw RunError(RunError::Overflow, QStringLiteral("More than 32,767 teams in one draw"));
    m_entries.push_back(record);
}

} // namespace clubdraw
