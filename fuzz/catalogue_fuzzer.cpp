// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds any bytes to the catalogue reader and, after every load, to the
// draws built on the catalogue; aborts when an invariant breaks.
#include "core/catalogue.h"
#include "core/cataloguereader.h"
#include "core/divisionselection.h"
#include "core/nationselection.h"
#include "core/runerror.h"

#include <QHash>
#include <QSet>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>

namespace clubdraw {

size_t qHash(const Club& r, size_t seed = 0) noexcept {
    return qHashMulti(seed, r.nation, r.division, r.divisionSuffix, r.databaseFlag, r.name);
}

} // namespace clubdraw

using namespace clubdraw;

namespace {

void check(bool holds, const char* invariant) {
    if (holds)
        return;
    std::fprintf(stderr, "broken: %s\n", invariant);
    std::abort();
}

bool isProgramError(int number) {
    switch (number) {
    case RunError::FlagOutOfRange:
    case RunError::FileTooLarge:
    case RunError::FileNotFound:
    case RunError::FileEndsInsideRecord:
    case RunError::FileUnreadable:
        return true;
    default:
        return false;
    }
}

const QString source = QStringLiteral("/fuzz/kortliste_eng.txt");

std::optional<Catalogue> load(QByteArrayView bytes) {
    const auto start = std::chrono::steady_clock::now();
    std::optional<Catalogue> catalogue;
    try {
        catalogue = Catalogue::parse(bytes, source);
    } catch (const RunError& error) {
        check(isProgramError(error.number()), "an error has one of the program's numbers");
        check(error.where().startsWith(QStringLiteral("Record ")), "an error names its record");
    } catch (...) {
        check(false, "every failure is a RunError");
    }
    check(bytes.size() > 64 * 1024 ||
              std::chrono::steady_clock::now() - start < std::chrono::seconds(1),
          "a load of up to 64 KiB takes less than 1 s");
    return catalogue;
}

// A caller that reports every problem of a file goes on after each error
// and always reaches the end.
void readOnAfterErrors(QByteArrayView bytes) {
    CatalogueReader reader(bytes, source);
    Club club;
    qsizetype steps = 0;
    int lastUnevenLine = 0;
    const auto checkUnevenLines = [&] {
        for (const CatalogueReader::UnevenLine& uneven : reader.unevenLines()) {
            check(uneven.fields % 5 != 0, "an uneven line holds no whole records");
            check(uneven.line > lastUnevenLine, "an uneven line is reported once, in order");
            lastUnevenLine = uneven.line;
        }
    };
    for (;;) {
        check(++steps <= bytes.size() + 2, "the reader moves on at every step");
        try {
            const bool more = reader.next(club);
            checkUnevenLines();
            if (!more)
                return;
        } catch (const RunError& error) {
            checkUnevenLines();
            check(error.number() == RunError::FlagOutOfRange ||
                      error.number() == RunError::FileEndsInsideRecord,
                  "the reader throws 6 or 62 only");
            check(error.where().startsWith(cataloguePlace(source, reader.record(), reader.line())),
                  "record() and line() are the place the error names");
            reader.skipToNextLine();
        }
    }
}

void checkCatalogue(const Catalogue& catalogue) {
    check(catalogue.count() <= maxClubs, "at most 32766 clubs");
    for (const Club& club : catalogue.clubs)
        check(!club.name.isEmpty(), "every club has a name");
}

void checkDraws(const Catalogue& catalogue) {
    QSet<Club> clubs;
    int clubCount = 0;
    QHash<DivisionKey, int> clubsPerDivision;
    for (const Club& r : catalogue.clubs) {
        clubs.insert(r);
        ++clubCount;
        ++clubsPerDivision[DivisionKey{r.nation, r.division}];
    }

    QSet<QString> nations;
    for (int n = 0; n < nationCount; ++n)
        nations.insert(nationName(static_cast<Nation>(n)));
    NationTicks all;
    all.fill(true);
    for (DatabaseType type : {DatabaseType::Minimum, DatabaseType::Normal}) {
        const CandidatePool pool = buildNationPool(catalogue, all, type);
        int eligible = 0;
        for (const Club& r : catalogue.clubs)
            eligible += nations.contains(r.nation) &&
                        (type == DatabaseType::Normal || r.inMinimumDatabase());
        check(pool.count() == eligible, "the nation pool holds every eligible club");
        for (const Club& entry : pool.entries())
            check(clubs.contains(entry), "a nation pool entry is a club of the catalogue");
    }

    const DivisionList divisions = collectDivisions(catalogue);
    QSet<DivisionKey> listed;
    for (const auto& [key, label] : divisions.entries) {
        check(label == divisionLabel(key), "every division has its label");
        check(!listed.contains(key), "a division is listed once");
        listed.insert(key);
        const CandidatePool pool = buildDivisionPool(catalogue, {key});
        check(pool.count() == clubsPerDivision.value(key), "a division pool holds its clubs");
        for (const Club& entry : pool.entries())
            check(clubs.contains(entry) && entry.nation == key.nation &&
                      entry.division == key.division,
                  "a division pool entry is a club of that division");
    }
    check(listed.size() == clubsPerDivision.size(), "every division of a club is listed");
    check(buildDivisionPool(catalogue, divisions.keys()).count() == clubCount,
          "all divisions together hold every club");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView bytes(data, static_cast<qsizetype>(size));
    if (const std::optional<Catalogue> catalogue = load(bytes)) {
        checkCatalogue(*catalogue);
        checkDraws(*catalogue);
    }
    readOnAfterErrors(bytes);
    return 0;
}
