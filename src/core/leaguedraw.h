// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "candidatepool.h"
#include "cataloguelookup.h"
#include "clubsource.h"
#include "drawcode.h"
#include "drawnclubs.h"
#include "leaveoutlist.h"
#include "randomsource.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <map>
#include <vector>

namespace clubdraw {

// Rows a league keeps while it draws again for the others: row (from 0) to
// the club it holds.
using KeptRows = std::map<int, Club>;

// The clubs a draw chooses from: the pool's different clubs, less those left
// out. What the window shows as the pool's size.
int clubsLeftIn(const CandidatePool& pool, const LeaveOutList& leaveOut);

struct LeagueResult {
    std::vector<Club> clubs; // one per row; empty when there is a shortfall
    // Of the clubs the rows not kept are drawn from; `available` is counted
    // for a shortfall only (clubsLeftIn() counts for the window).
    DrawOutlook outlook{};
    int rowsToDraw = 0; // the rows not kept

    bool drawn() const { return outlook.shortfall == DrawOutlook::Shortfall::None; }
};

// Draws a club for every row not kept: all different, none that a kept row
// holds, none left out. Kept rows hold their clubs. The rows drawn take
// their clubs as drawClubs() gives them, in row order, so one unkept row
// with nothing left out lands as a single draw does.
LeagueResult drawLeague(const CandidatePool& pool, int rowCount, const KeptRows& kept,
                        const LeaveOutList& leaveOut, RandomSource& random);

// What a draw is asked for; with the catalogue and the list left out it
// decides the result.
struct LeagueRequest {
    std::uint64_t seed = 0;
    ClubSource source;
    int managerCount = 1;
    KeptRows kept;
};

struct LeagueOutcome {
    LeagueResult result;
    QString code; // empty when nothing was drawn
};

// The draw with SeededRandomSource(seed), and its code.
LeagueOutcome runLeagueDraw(const LeagueRequest& request, const CatalogueLookup& lookup,
                            const LeaveOutList& leaveOut);

// The code of a request; kept clubs must be clubs of the catalogue.
DrawCode makeDrawCode(const LeagueRequest& request, const CatalogueLookup& lookup,
                      const LeaveOutList& leaveOut);

struct Replay {
    CodeProblem problem = CodeProblem::None;
    LeagueRequest request; // rebuilt from the code, when problem is None
    LeagueOutcome outcome;
};

// Replays a code: the same clubs for the same rows, or why not.
Replay replayLeagueDraw(const QString& text, const CatalogueLookup& lookup,
                        const LeaveOutList& leaveOut);

// The agreed words as the seed reads them: Unicode NFC, blanks at either end
// dropped and every run of white space inside made one space. Letter case
// counts.
QString normalisedWords(const QString& words);
// The first eight bytes, big-endian, of the SHA-256 of normalisedWords() in
// UTF-8: the same seed on every machine.
std::uint64_t seedFromWords(const QString& words);
// A seed for a draw without words, from the system's random source.
std::uint64_t randomSeed();

class LeagueText {
    Q_DECLARE_TR_FUNCTIONS(LeagueText)

public:
    // A row's name; an unnamed row is "Manager N".
    static QString managerName(const QStringList& managers, int row);
    // "Code: …", the last line of a printed or copied result.
    static QString codeLine(const QString& code);
};

// "Copy the result": one line per row with its manager, club, division line
// and nation, then the code.
QString resultText(const QStringList& managers, const std::vector<Club>& clubs,
                   const QString& code);

} // namespace clubdraw
