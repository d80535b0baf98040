// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/club.h"

#include <QString>

#include <utility>
#include <vector>

class QTextStream;

namespace clubdraw {

// Rows of a name and its counts, the names padded to one column.
void printTable(const std::vector<std::pair<QString, QString>>& rows, QTextStream& out,
                const char* indent = "");

// Each club on a line of its own with its division line, or all of them as
// one JSON array.
void printClubs(const std::vector<Club>& clubs, bool asJson, QTextStream& out);

} // namespace clubdraw
