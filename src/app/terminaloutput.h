// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/club.h"

#include <QString>
#include <QStringList>

#include <utility>
#include <vector>

class QTextStream;

namespace clubdraw {

// Rows of a name and its counts, the names padded to one column.
void printTable(const std::vector<std::pair<QString, QString>>& rows, QTextStream& out,
                const char* indent = "");

// Each club on a line of its own with its division line, after its
// manager's name when the rows are named, then the draw's code; or all of
// them as one JSON array, each club with the code and its manager.
void printClubs(const std::vector<Club>& clubs, bool asJson, QTextStream& out,
                const QStringList& managers = {}, const QString& code = {});

} // namespace clubdraw
