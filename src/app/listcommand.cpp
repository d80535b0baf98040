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

    static Rows divisions(const Catalogue& catalogue) {
        Rows rows;
        const DivisionList list = collectDivisions(catalogue);
        for (int i = 0; i < list.count(); ++i) {
            const auto at = static_cast<std::size_t>(i);
            rows.emplace_back(list.entries[at].label,
                              tr("%n club(s)", nullptr,
                                 clubCount(buildDivisionPool(catalogue, {list.entries[at].key}))));
        }
        return rows;
    }
};

} // namespace

std::unique_ptr<Command> makeListCommand() {
    return std::make_unique<ListCommand>();
}

} // namespace clubdraw
