// SPDX-License-Identifier: GPL-3.0-or-later
#include "command.h"
#include "exitstatus.h"
#include "terminaloutput.h"

#include "core/divisionselection.h"
#include "core/drawnclubs.h"
#include "core/namesuggestion.h"
#include "core/nationselection.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QHash>
#include <QSet>

#include <algorithm>

namespace clubdraw {

namespace {

int clubCount(const CandidatePool& pool) {
    return static_cast<int>(differentClubs(pool).size());
}

// What a listing is asked for.
struct ListOptions {
    enum class Listing { Nations, Divisions } listing;
};

// `clubdraw list nations|divisions`: what --nation and --division take.
class ListCommand final : public CommandWith<ListOptions> {
    Q_DECLARE_TR_FUNCTIONS(ListCommand)

public:
    QString name() const override { return QStringLiteral("list"); }
    QString synopsis() const override { return QStringLiteral("list nations|divisions"); }
    QString summary() const override { return tr("print what can be drawn, with club counts"); }

    void describe(QCommandLineParser& parser) const override {
        parser.setApplicationDescription(
            tr("Prints the nations or divisions that can be drawn, as --nation and\n"
               "--division take them, with their numbers of clubs."));
    }

    std::vector<PositionalArgument> positionalArguments() const override {
        return {{name(), tr("List what can be drawn."), {}},
                {QStringLiteral("what"), tr("nations or divisions."),
                 QStringLiteral("nations|divisions")}};
    }

protected:
    std::optional<ListOptions> readOptions(const Invocation& invocation,
                                           const Console& console) const override {
        const QString what = invocation.arguments.value(0);
        const QStringList words{QStringLiteral("nations"), QStringLiteral("divisions")};
        if (what.isEmpty()) {
            console.wrongArguments(tr("list what: nations or divisions?"));
            return std::nullopt;
        }
        if (!words.contains(what)) {
            console.wrongArguments(tr("cannot list '%1', only nations or divisions%2")
                                       .arg(what, didYouMean(nearestName(what, words))));
            return std::nullopt;
        }
        return ListOptions{what == words.first() ? ListOptions::Listing::Nations
                                                 : ListOptions::Listing::Divisions};
    }

    int act(const ListOptions& options, const CommonArguments& common,
            const Console& console) const override {
        const std::optional<LoadedCatalogue> loaded = loadCatalogueOrReport(common, console);
        if (!loaded)
            return exitStatus::failure;
        printTable(options.listing == ListOptions::Listing::Nations ? nations(loaded->catalogue)
                                                                    : divisions(loaded->catalogue),
                   console.out());
        return exitStatus::success;
    }

private:
    using Rows = std::vector<std::pair<QString, QString>>;

    static Rows nations(const Catalogue& catalogue) {
        Rows rows;
        NationTicks one{};
        for (int n = 0; n < nationCount; ++n) {
            one.fill(false);
            one[n] = true;
            const int normal = clubCount(buildNationPool(catalogue, one, DatabaseType::Normal));
            const int minimum = clubCount(buildNationPool(catalogue, one, DatabaseType::Minimum));
            rows.emplace_back(
                nationName(static_cast<Nation>(n)),
                tr("%1, %2 in Minimum")
                    .arg(tr("%n club(s)", nullptr, normal), QString::number(minimum)));
        }
        std::sort(rows.begin(), rows.end());
        return rows;
    }

    // One pass over the clubs: a club counts once in each of its divisions.
    static Rows divisions(const Catalogue& catalogue) {
        const DivisionList list = collectDivisions(catalogue);
        QHash<DivisionKey, int> indexOf;
        indexOf.reserve(list.count());
        for (int i = 0; i < list.count(); ++i)
            indexOf.insert(list.at(i).key, i);
        std::vector<int> clubs(list.entries.size(), 0);
        QSet<std::pair<int, ClubIdentity>> counted;
        counted.reserve(catalogue.count());
        for (const Club& club : catalogue.clubs) {
            const int division = indexOf.value(DivisionKey{club.nation, club.division});
            const qsizetype before = counted.size();
            counted.insert({division, clubIdentity(club)});
            if (counted.size() > before)
                ++clubs[static_cast<std::size_t>(division)];
        }
        // Few counts recur over many divisions; each is worded once.
        QHash<int, QString> worded;
        Rows rows;
        rows.reserve(list.entries.size());
        for (int i = 0; i < list.count(); ++i) {
            const int count = clubs[static_cast<std::size_t>(i)];
            auto words = worded.find(count);
            if (words == worded.end())
                words = worded.insert(count, tr("%n club(s)", nullptr, count));
            rows.emplace_back(list.at(i).label, *words);
        }
        return rows;
    }
};

} // namespace

std::unique_ptr<Command> makeListCommand() {
    return std::make_unique<ListCommand>();
}

} // namespace clubdraw
