#pragma once

#include "catalogue/lagliste.h"
#include "catalogue/random_source.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <deque>
#include <memory>
#include <vector>

namespace clubdraw::testing {

// Picks scripted indexes (taken modulo n), then 0; counts re-seeds.
class scripted_random final : public random_source {
public:
    explicit scripted_random(std::vector<int> picks = {}) : picks_(picks.begin(), picks.end()) {}
    void reseed_from_clock() override { ++reseeds; }
    int pick_index(int n) override {
        ++picks_made;
        last_n = n;
        if (picks_.empty())
            return 0;
        const int p = picks_.front();
        picks_.pop_front();
        return p % n;
    }
    void push(int pick) { picks_.push_back(pick); }

    int reseeds = 0;
    int picks_made = 0;
    int last_n = 0;

private:
    std::deque<int> picks_;
};

// One canonical catalogue line: quoted texts, CR LF.
QString line(const QString& nation, const QString& division, const QString& suffix, int flag, const QString& team);

// A catalogue of the given lines.
lagliste catalogue_of(const QStringList& lines);

// A program folder holding a catalogue file with these bytes.
class program_folder {
public:
    explicit program_folder(const QByteArray& catalogue_bytes);
    program_folder(); // without a catalogue
    QString path() const { return dir_.path(); }
    QString file() const;

private:
    QTemporaryDir dir_;
};

// `count` teams, "Team n", spread over `divisions` divisions of `nation`.
QByteArray generated_catalogue(int count, const QString& nation = QStringLiteral("England"), int divisions = 1);

} // namespace clubdraw::testing
