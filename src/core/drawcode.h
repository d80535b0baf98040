// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "clubsource.h"

#include <QCoreApplication>
#include <QString>

#include <cstdint>
#include <vector>

namespace clubdraw {

class LeaveOutList;
struct DecodedCode;

// Why a code cannot be replayed.
enum class CodeProblem {
    None,
    Mistyped,         // its check fails, or it is no code at all
    UnknownVersion,   // made by a later program
    CatalogueDiffers, // made with another catalogue
    LeaveOutDiffers,  // made with other clubs left out
};

// The message for a problem, for the window and the command line alike.
QString codeProblemText(CodeProblem problem);

// Everything a league draw's result depends on, short enough to read out.
//
// Written as Crockford base32 in groups of five joined by dashes: a version
// character, a CRC-32 over everything else, then the fields packed as bits
// (numbers as groups of four bits, each with a bit saying whether more
// follow). Letters may be typed in any case; I and L read as 1, O as 0, and
// blanks and dashes are ignored. The CRC catches every mistyped character
// and every swap of two neighbours.
struct DrawCode {
    Q_DECLARE_TR_FUNCTIONS(DrawCode)

public:
    static constexpr int currentVersion = 1;

    struct KeptRow {
        int row;       // from 0
        int clubIndex; // the kept club's record in the catalogue, from 0

        bool operator==(const KeptRow&) const = default;
    };

    int version = currentVersion;
    std::uint64_t seed = 0;
    ClubSource::Kind sourceKind = ClubSource::Kind::Nations;
    NationTicks ticks{};
    DatabaseType database = DatabaseType::Minimum;
    std::vector<int> divisionIndexes; // into collectDivisions(), ascending
    int managerCount = 1;
    std::vector<KeptRow> kept; // by row, ascending
    std::uint16_t catalogueFingerprint = 0;
    std::uint16_t leaveOutFingerprint = 0;

    QString encode() const;

    // Reads a code without a catalogue: finds Mistyped and UnknownVersion
    // only; replayLeagueDraw() compares the fingerprints.
    static DecodedCode decode(const QString& text);

    bool operator==(const DrawCode&) const = default;
};

struct DecodedCode {
    CodeProblem problem = CodeProblem::None;
    DrawCode code; // when problem is None
};

// Tells catalogues apart: every field of every club, in order.
std::uint16_t catalogueFingerprint(const Catalogue& catalogue);

} // namespace clubdraw
