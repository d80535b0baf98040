// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>
#include <QString>

#include <utility>
#include <vector>

namespace clubdraw {

struct CheckFinding {
    enum class Kind { Error, Warning };

    Kind kind;
    int line; // 0: the file as a whole
    QString text;
};

struct CheckSummary {
    int clubs = 0; // that load: at most maxClubs
    int clubsOverLimit = 0;
    int minimumClubs = 0; // flag 0: in the Minimum database too
    int divisions = 0;
    QString encoding; // what the file was read as, by name
    // Every nation of the catalogue, by name, with its clubs.
    std::vector<std::pair<QString, int>> clubsPerNation;

    int nations() const { return static_cast<int>(clubsPerNation.size()); }
};

struct CheckReport {
    std::vector<CheckFinding> findings; // by line
    CheckSummary summary;

    int count(CheckFinding::Kind kind) const;
};

// Reads a catalogue the way the program does and reports every problem in
// one pass. Errors are what stops the program, with its numbers and texts;
// after one the check goes on at the next line that can start a record.
// Warnings are clubs that load but are likely not what was meant, and lines
// that do not hold whole records of five fields.
CheckReport checkCatalogue(QByteArrayView bytes);

// The same for a file; a file that cannot be read is one error of line 0.
CheckReport checkCatalogueFile(const QString& path);

} // namespace clubdraw
