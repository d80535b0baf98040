// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers for tests of every layer; those of the windows are in
// guitestsupport.h.
#pragma once

#include "core/candidatepool.h"
#include "core/catalogue.h"
#include "core/randomsource.h"
#include "core/revealschedule.h"
#include "core/runerror.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <deque>
#include <memory>
#include <optional>
#include <ostream>
#include <vector>

// Readable failure messages for texts.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace clubdraw::testing {

// Picks scripted indexes (taken modulo n), then 0; counts re-seeds.
class ScriptedRandom final : public RandomSource {
public:
    explicit ScriptedRandom(std::vector<int> picks = {}) : m_picks(picks.begin(), picks.end()) {}
    void reseedFromClock() override { ++reseeds; }
    int pickIndex(int n) override {
        ++picksMade;
        lastN = n;
        if (m_picks.empty())
            return 0;
        const int p = m_picks.front();
        m_picks.pop_front();
        return p % n;
    }
    void push(int pick) { m_picks.push_back(pick); }

    int reseeds = 0;
    int picksMade = 0;
    int lastN = 0;

private:
    std::deque<int> m_picks;
};

// One canonical catalogue line: quoted texts, CR LF.
QString line(const QString& nation, const QString& division, const QString& suffix, int flag,
             const QString& club);

// A pool of these clubs, all of one division.
CandidatePool poolOf(std::initializer_list<const char*> clubs, const char* nation = "England",
                     const char* division = "Premier", const char* suffix = "(level 1)");

// The club names of a pool, in pool order.
QStringList clubNames(const CandidatePool& pool);

// A catalogue of the given lines.
Catalogue catalogueOf(const QStringList& lines);

// A program folder holding a catalogue file with these bytes.
class ProgramFolder {
public:
    explicit ProgramFolder(const QByteArray& catalogueBytes);
    ProgramFolder(); // without a catalogue
    QString path() const { return m_dir.path(); }
    QString file() const;

private:
    QTemporaryDir m_dir;
};

// Scratch user and system data folders in place of the real ones, for as
// long as it lives.
class ScratchDataFolders {
public:
    ScratchDataFolders();
    ~ScratchDataFolders();
    // $XDG_DATA_HOME/clubdraw and the one $XDG_DATA_DIRS/clubdraw.
    QString userFolder() const;
    QString systemFolder() const;
    // Writes a catalogue file into `folder`, making it; returns its path.
    static QString put(const QString& folder, const QByteArray& bytes);

private:
    QTemporaryDir m_dir;
    QByteArray m_oldHome;
    QByteArray m_oldDirs;
    bool m_ownsSystemFolder = true; // Windows: ours to empty afterwards
};

// `count` clubs, "Club n", spread over `divisions` divisions of `nation`.
QByteArray generatedCatalogue(int count, const QString& nation = QStringLiteral("England"),
                              int divisions = 1);

// What every test program does before its tests run, once its application
// object exists: English unless CLUBDRAW_TEST_LANGUAGE names a language,
// whatever the machine's locale.
void installTestLanguage();

// A reveal clock that races a second ahead at every reading, so every wait
// of the reveal is zero and a whole reveal runs in a blink.
SteadyClock racingClock();

// The RunError that `action` throws, or nothing after failing the test
// (`context` tells which row) when it throws none.
template <typename Action>
std::optional<RunError> thrownError(Action&& action, const std::string& context = {}) {
    try {
        action();
    } catch (const RunError& error) {
        return error;
    }
    ADD_FAILURE() << context << (context.empty() ? "" : ": ") << "no error";
    return std::nullopt;
}

} // namespace clubdraw::testing
