// SPDX-License-Identifier: GPL-3.0-or-later
#include "leaguedraw.h"

#include "clubidentityset.h"

#include <QCryptographicHash>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <algorithm>

namespace clubdraw {

namespace {

// The clubs left out and those kept rows hold. Views into both: they
// outlive the draw.
ClubIdentitySet barredClubs(const LeaveOutList& leaveOut, const KeptRows& kept,
                            std::size_t poolSize) {
    ClubIdentitySet barred;
    // Room for the pool too: a draw of several adds its clubs.
    barred.reserve(leaveOut.lines().size() + kept.size() + poolSize);
    for (const ClubIdentity& identity : leaveOut.lines())
        barred.insert(identity);
    for (const auto& [row, club] : kept)
        barred.insert(club);
    return barred;
}

} // namespace

int clubsLeftIn(const CandidatePool& pool, const LeaveOutList& leaveOut) {
    ClubIdentitySet barred = barredClubs(leaveOut, {}, pool.entries().size());
    return static_cast<int>(entriesToChooseFrom(pool, minimumDrawSize, barred).size());
}

LeagueResult drawLeague(const CandidatePool& pool, int rowCount, const KeptRows& kept,
                        const LeaveOutList& leaveOut, RandomSource& random) {
    LeagueResult result;
    result.rowsToDraw = rowCount - static_cast<int>(kept.size());
    if (result.rowsToDraw <= 0) {
        // Nothing to draw: every row keeps its club.
        result.outlook = {DrawOutlook::Shortfall::None, 0};
        for (const auto& [row, club] : kept)
            result.clubs.push_back(club);
        return result;
    }
    // Entries in pool order, barred clubs dropped, so drawClubs() chooses as
    // it does for a single draw.
    ClubIdentitySet barred = barredClubs(leaveOut, kept, pool.entries().size());
    std::vector<const Club*> entries = entriesToChooseFrom(pool, result.rowsToDraw, barred);
    const int available = static_cast<int>(entries.size());
    std::vector<Club> drawn = drawClubs(std::move(entries), result.rowsToDraw, random);
    if (drawn.empty()) {
        result.outlook = drawOutlook(available, result.rowsToDraw);
        return result;
    }
    // Found by drawClubs() already; not counted twice.
    result.outlook = {DrawOutlook::Shortfall::None, -1};
    auto next = drawn.begin();
    for (int row = 0; row < rowCount; ++row) {
        const auto keptRow = kept.find(row);
        if (keptRow != kept.end())
            result.clubs.push_back(keptRow->second);
        else
            result.clubs.push_back(std::move(*next++));
    }
    return result;
}

DrawCode makeDrawCode(const LeagueRequest& request, const CatalogueLookup& lookup,
                      const LeaveOutList& leaveOut) {
    const Catalogue& catalogue = lookup.catalogue();
    DrawCode code;
    code.seed = request.seed;
    code.sourceKind = request.source.kind;
    if (request.source.kind == ClubSource::Kind::Nations) {
        code.ticks = request.source.ticks;
        code.database = request.source.database;
    } else {
        const DivisionList divisions = collectDivisions(catalogue);
        for (int i = 0; i < divisions.count(); ++i) {
            const DivisionKey& key = divisions.at(i).key;
            if (std::find(request.source.divisions.begin(), request.source.divisions.end(), key) !=
                request.source.divisions.end())
                code.divisionIndexes.push_back(i);
        }
    }
    code.managerCount = request.managerCount;
    // A kept club is one of the catalogue's; failing that, the first record.
    for (const auto& [row, club] : request.kept)
        code.kept.push_back({row, std::max(lookup.recordOf(club), 0)});
    code.catalogueFingerprint = lookup.fingerprint();
    code.leaveOutFingerprint = leaveOut.fingerprint(lookup);
    return code;
}

LeagueOutcome runLeagueDraw(const LeagueRequest& request, const CatalogueLookup& lookup,
                            const LeaveOutList& leaveOut) {
    SeededRandomSource random(request.seed);
    LeagueOutcome outcome;
    outcome.result = drawLeague(request.source.pool(lookup.catalogue()), request.managerCount,
                                request.kept, leaveOut, random);
    if (outcome.result.drawn())
        outcome.code = makeDrawCode(request, lookup, leaveOut).encode();
    return outcome;
}

Replay replayLeagueDraw(const QString& text, const CatalogueLookup& lookup,
                        const LeaveOutList& leaveOut) {
    const Catalogue& catalogue = lookup.catalogue();
    Replay replay;
    const DecodedCode decoded = DrawCode::decode(text);
    replay.problem = decoded.problem;
    if (replay.problem != CodeProblem::None)
        return replay;
    const DrawCode& code = decoded.code;
    // The catalogue first: the list's fingerprint depends on it.
    if (code.catalogueFingerprint != lookup.fingerprint()) {
        replay.problem = CodeProblem::CatalogueDiffers;
        return replay;
    }
    if (code.leaveOutFingerprint != leaveOut.fingerprint(lookup)) {
        replay.problem = CodeProblem::LeaveOutDiffers;
        return replay;
    }
    LeagueRequest& request = replay.request;
    request.seed = code.seed;
    request.managerCount = code.managerCount;
    if (code.sourceKind == ClubSource::Kind::Nations) {
        request.source = ClubSource::fromNations(code.ticks, code.database);
    } else {
        const DivisionList divisions = collectDivisions(catalogue);
        std::vector<DivisionKey> keys;
        for (const int index : code.divisionIndexes) {
            // A same-looking catalogue with fewer divisions.
            if (index >= divisions.count()) {
                replay.problem = CodeProblem::CatalogueDiffers;
                return replay;
            }
            keys.push_back(divisions.at(index).key);
        }
        request.source = ClubSource::fromDivisions(std::move(keys));
    }
    for (const DrawCode::KeptRow& kept : code.kept) {
        if (kept.clubIndex >= catalogue.count()) {
            replay.problem = CodeProblem::CatalogueDiffers;
            return replay;
        }
        request.kept[kept.row] = catalogue.clubs[static_cast<std::size_t>(kept.clubIndex)];
    }
    replay.outcome = runLeagueDraw(request, lookup, leaveOut);
    return replay;
}

QString normalisedWords(const QString& words) {
    static const QRegularExpression whiteSpace(QStringLiteral("\\s+"));
    return words.normalized(QString::NormalizationForm_C)
        .trimmed()
        .replace(whiteSpace, QStringLiteral(" "));
}

std::uint64_t seedFromWords(const QString& words) {
    const QByteArray digest =
        QCryptographicHash::hash(normalisedWords(words).toUtf8(), QCryptographicHash::Sha256);
    std::uint64_t seed = 0;
    for (int i = 0; i < 8; ++i)
        seed = (seed << 8) | static_cast<unsigned char>(digest[i]);
    return seed;
}

std::uint64_t randomSeed() {
    return QRandomGenerator::system()->generate64();
}

QString LeagueText::managerName(const QStringList& managers, int row) {
    if (row < managers.size() && !managers[row].isEmpty())
        return managers[row];
    return tr("Manager %1").arg(row + 1);
}

QString LeagueText::codeLine(const QString& code) {
    //: Last line of a copied or printed result
    return tr("Code: %1").arg(code);
}

QString resultText(const QStringList& managers, const std::vector<Club>& clubs,
                   const QString& code) {
    QString text;
    for (int row = 0; row < static_cast<int>(clubs.size()); ++row) {
        const Club& club = clubs[static_cast<std::size_t>(row)];
        //: Copied result: manager, club, division line, nation
        text += LeagueText::tr("%1: %2 (%3), %4")
                    .arg(LeagueText::managerName(managers, row), club.name, divisionLine(club),
                         club.nation) +
                u'\n';
    }
    text += LeagueText::codeLine(code) + u'\n';
    return text;
}

} // namespace clubdraw
