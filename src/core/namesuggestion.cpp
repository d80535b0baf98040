// SPDX-License-Identifier: GPL-3.0-or-later
#include "namesuggestion.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstdlib>
#include <numeric>
#include <vector>

namespace clubdraw {

int editDistance(QStringView a, QStringView b) {
    const QString x = a.toString().toCaseFolded();
    const QString y = b.toString().toCaseFolded();
    // One row of the classic table at a time.
    std::vector<int> row(static_cast<std::size_t>(y.size()) + 1);
    std::iota(row.begin(), row.end(), 0);
    for (qsizetype i = 1; i <= x.size(); ++i) {
        int diagonal = row[0];
        row[0] = static_cast<int>(i);
        for (qsizetype j = 1; j <= y.size(); ++j) {
            const int above = row[static_cast<std::size_t>(j)];
            const int replace = diagonal + (x[i - 1] == y[j - 1] ? 0 : 1);
            row[static_cast<std::size_t>(j)] =
                std::min({above + 1, row[static_cast<std::size_t>(j - 1)] + 1, replace});
            diagonal = above;
        }
    }
    return row.back();
}

QString nearestName(const QString& name, const QStringList& candidates) {
    // Farther than this, the "nearest" name is a guess, not a slip.
    const int nearEnough = std::max<int>(2, static_cast<int>(name.size() / 3));
    QString best;
    int bestDistance = nearEnough + 1;
    for (const QString& candidate : candidates) {
        // The lengths alone tell when a name is too far off, without the
        // table that grows with both lengths.
        if (std::abs(name.size() - candidate.size()) >= bestDistance)
            continue;
        const int distance = editDistance(name, candidate);
        if (distance < bestDistance) {
            best = candidate;
            bestDistance = distance;
        }
    }
    return best;
}

QString didYouMean(const QString& suggestion) {
    return suggestion.isEmpty()
               ? QString()
               : QCoreApplication::translate("NameSuggestion", "; did you mean \"%1\"?")
                     .arg(suggestion);
}

} // namespace clubdraw
