// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/leaguedraw.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <QSet>

using namespace clubdraw;
using namespace clubdraw::testing;

namespace {

const Catalogue& twoNations() {
    static const Catalogue catalogue =
        Catalogue::parse(QByteArrayView(generatedCatalogue(12, QStringLiteral("England"), 3) +
                                        generatedCatalogue(6, QStringLiteral("Norway"), 2)));
    return catalogue;
}

const CatalogueLookup& twoNationsLookup() {
    static const CatalogueLookup lookup(twoNations());
    return lookup;
}

ClubSource england(DatabaseType type = DatabaseType::Normal) {
    NationTicks ticks{};
    ticked(ticks, Nation::England) = true;
    return ClubSource::fromNations(ticks, type);
}

const Club& club(int index) {
    return twoNations().clubs[static_cast<std::size_t>(index)];
}

QStringList namesOf(const std::vector<Club>& clubs) {
    QStringList names;
    for (const Club& c : clubs)
        names << c.name;
    return names;
}

struct RuleRow {
    const char* name;
    int rows;
    KeptRows kept;
    std::vector<int> leftOut;
};

// Whatever the seed: no club twice, kept rows as they were, nothing left
// out, and not a club a kept row holds.
TEST(LeagueDraw, honoursKeptRowsAndClubsLeftOut) {
    const std::vector<RuleRow> rows{
        {"all drawn", 12, {}, {}},
        {"kept rows", 5, {{0, club(3)}, {4, club(7)}}, {}},
        {"left out", 6, {}, {0, 1, 2, 3, 4, 5}},
        {"both, pool just enough", 4, {{2, club(11)}}, {0, 1, 2, 3, 4, 5, 6, 7}},
    };
    const CandidatePool pool = england().pool(twoNations());
    for (const RuleRow& row : rows) {
        LeaveOutList leaveOut;
        for (const int i : row.leftOut)
            leaveOut.add(club(i));
        for (std::uint64_t seed = 0; seed < 50; ++seed) {
            SeededRandomSource random(seed);
            const LeagueResult result = drawLeague(pool, row.rows, row.kept, leaveOut, random);
            ASSERT_TRUE(result.drawn()) << row.name;
            ASSERT_EQ(static_cast<int>(result.clubs.size()), row.rows) << row.name;
            QSet<ClubIdentity> seen;
            for (int r = 0; r < row.rows; ++r) {
                const Club& drawn = result.clubs[static_cast<std::size_t>(r)];
                EXPECT_FALSE(seen.contains(clubIdentity(drawn))) << row.name;
                seen.insert(clubIdentity(drawn));
                const auto kept = row.kept.find(r);
                if (kept != row.kept.end())
                    EXPECT_EQ(drawn, kept->second) << row.name;
                else
                    EXPECT_FALSE(leaveOut.contains(drawn)) << row.name;
            }
        }
    }
}

// Too few clubs: both numbers, and nothing drawn.
TEST(LeagueDraw, aShortfallGivesBothNumbersAndNoClubs) {
    const CandidatePool pool = england().pool(twoNations());
    LeaveOutList leaveOut;
    for (int i = 0; i < 10; ++i)
        leaveOut.add(club(i));
    EXPECT_EQ(clubsLeftIn(pool, leaveOut), 2);
    SeededRandomSource random(1);
    const LeagueResult result = drawLeague(pool, 4, {{0, club(10)}}, leaveOut, random);
    EXPECT_FALSE(result.drawn());
    EXPECT_TRUE(result.clubs.empty());
    EXPECT_EQ(result.outlook.available, 1); // club 10 is kept, so club 11 is left
    EXPECT_EQ(result.rowsToDraw, 3);
}

// Known answers: they must be the same on every platform and every run.
TEST(LeagueDraw, fixedSeedAndWordsGiveKnownAnswers) {
    // Checked with another SHA-256: python3 hashlib.
    EXPECT_EQ(seedFromWords(QStringLiteral("Round 1, 10 December")), 0x072EBA2F6106093FULL);
    // Blanks around and inside do not count, letter case does.
    EXPECT_EQ(seedFromWords(QStringLiteral(" Round 1,\t10  December\n")),
              seedFromWords(QStringLiteral("Round 1, 10 December")));
    EXPECT_NE(seedFromWords(QStringLiteral("round 1, 10 december")),
              seedFromWords(QStringLiteral("Round 1, 10 December")));
    // A precomposed letter and a letter with a combining mark are one word.
    EXPECT_EQ(seedFromWords(QStringLiteral("Kaf\u00e9")),
              seedFromWords(QStringLiteral("Kafe\u0301")));

    LeagueRequest request;
    request.seed = 42;
    request.source = england();
    request.managerCount = 4;
    request.kept = {{1, club(5)}};
    LeaveOutList leaveOut;
    leaveOut.add(club(0));
    const LeagueOutcome outcome = runLeagueDraw(request, twoNationsLookup(), leaveOut);
    EXPECT_EQ(namesOf(outcome.result.clubs), QStringList({"Team 9", "Team 6", "Team 8", "Team 4"}));
    EXPECT_EQ(outcome.code, "15P10-PNR40-10000-00000-002M6-22BZC-ZEY4G");
}

// A code replays the same clubs for the same rows, and is refused, saying
// why, when the catalogue or the clubs left out differ. A line naming no
// club of the catalogue changes no draw and no code.
TEST(LeagueDraw, aCodeReplaysTheDrawOrSaysWhatDiffers) {
    NationTicks none{};
    const std::vector<std::pair<const char*, LeagueRequest>> requests{
        {"nations", {7, england(DatabaseType::Minimum), 3, {{2, club(4)}}}},
        {"divisions",
         {~0ULL,
          ClubSource::fromDivisions({{"Norway", "Division 2"}, {"England", "Division 1"}}),
          5,
          {}}},
        {"all kept", {3, ClubSource::fromNations(none, DatabaseType::Normal), 1, {{0, club(1)}}}},
    };
    LeaveOutList leaveOut;
    leaveOut.add(club(2));
    LeaveOutList otherLine = leaveOut;
    otherLine.add(ClubIdentity{"Wales", "Nowhere"});
    LeaveOutList otherClub = leaveOut;
    otherClub.add(club(3));
    const Catalogue otherCatalogue =
        Catalogue::parse(QByteArrayView(generatedCatalogue(12, "England", 3)));
    const CatalogueLookup otherLookup(otherCatalogue);
    for (const auto& [name, request] : requests) {
        const LeagueOutcome drawn = runLeagueDraw(request, twoNationsLookup(), leaveOut);
        ASSERT_TRUE(drawn.result.drawn()) << name;
        const Replay replay = replayLeagueDraw(drawn.code, twoNationsLookup(), otherLine);
        EXPECT_EQ(replay.problem, CodeProblem::None) << name;
        EXPECT_EQ(replay.outcome.result.clubs, drawn.result.clubs) << name;
        EXPECT_EQ(replay.outcome.code, drawn.code) << name;
        EXPECT_EQ(replayLeagueDraw(drawn.code, twoNationsLookup(), otherClub).problem,
                  CodeProblem::LeaveOutDiffers)
            << name;
        EXPECT_EQ(replayLeagueDraw(drawn.code, otherLookup, leaveOut).problem,
                  CodeProblem::CatalogueDiffers)
            << name;
    }
}

} // namespace
