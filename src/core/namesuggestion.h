// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

namespace clubdraw {

// Edits (insert, delete, replace one character) that turn one text into
// the other, letter case ignored.
int editDistance(QStringView a, QStringView b);

// The candidate nearest to `name` by edits, when it is near enough to be a
// likely slip of the keyboard; empty otherwise. Ties go to the first.
QString nearestName(const QString& name, const QStringList& candidates);

// "; did you mean "X"?" when there is a likely X, to end a message with;
// empty otherwise.
QString didYouMean(const QString& suggestion);

} // namespace clubdraw
