// SPDX-License-Identifier: GPL-3.0-or-later
#include "command.h"
#include "exitstatus.h"
#include "terminaloutput.h"

#include "core/divisionselection.h"
#include "core/drawnclubs.h"
#include "core/namesuggestion.h"
#include "core/nationselection.h"
#include "core/printable.h"
#include "core/randomsource.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace clubdraw {

namespace {

std::optional<std::uint64_t> seedOf(const QString& text) {
    bool ok = false;
    const qulonglong positive = text.toULongLong(&ok);
    if (ok)
        return positive;
    const qlonglong negative = text.toLongLong(&ok);
    if (ok)
        return static_cast<std::uint64_t>(negative);
    return std::nullopt;
}

// What a draw is asked for.
struct DrawOptions {
    bool byNation = false;
    NationTicks ticks{};
    DatabaseType database = DatabaseType::Minimum;
    QStringList divisions; // labels, as the division window lists them
    int count = 1;
    std::optional<std::uint64_t> seed;
    bool json = false;
};

// `clubdraw draw`: a draw by nation or by division, as the windows make it.
class DrawCommand final : public CommandWith<DrawOptions> {
    Q_DECLARE_TR_FUNCTIONS(DrawCommand)

public:
    QString name() const override { return QStringLiteral("draw"); }
    QString synopsis() const override { return name(); }
    QString summary() const override { return tr("draw clubs and print them"); }

    void describe(QCommandLineParser& parser) const override {
        parser.setApplicationDescription(
            tr("Draws like the windows do and prints the club and its division line.\n"
               "Give nations (--nation, --preset) or divisions (--division), not both."));
        parser.addOptions({
            described(m_nation, tr("Draw from the clubs of this nation, one of the main "
                                   "window's sixteen. Repeatable.")),
            described(m_preset, tr("Draw from the nations of a main-window preset: all, none, "
                                   "europe, south-america, spring-autumn or autumn-spring.")),
            described(m_normal, tr("Draw from the Normal database; by default only the clubs "
                                   "of the Minimum database are drawn by nation.")),
            described(m_division,
                      tr("Draw from every club of this division, given as the division window "
                         "lists it: nation, one blank, division. Repeatable.")),
            described(m_count,
                      tr("Draw N different clubs, one for each human manager; 1 by default.")),
            described(m_seed, tr("Make the draw repeatable: the same N and catalogue give the "
                                 "same clubs on every run.")),
            described(m_json, tr("Print the clubs as one JSON array.")),
        });
    }

    std::vector<PositionalArgument> positionalArguments() const override {
        return {{name(), tr("Draw clubs without a window."), {}}};
    }

protected:
    std::optional<DrawOptions> readOptions(const Invocation& invocation,
                                           const Console& console) const override {
        const QCommandLineParser& p = invocation.parsed;
        const auto wrong = [&](const QString& message) {
            console.wrongArguments(message);
            return std::nullopt;
        };
        DrawOptions options;
        options.divisions = p.values(m_division);
        options.byNation = p.isSet(m_nation) || p.isSet(m_preset);
        if (options.byNation && !options.divisions.isEmpty())
            return wrong(tr("--division cannot be combined with --nation or --preset"));
        if (p.isSet(m_normal) && !options.divisions.isEmpty())
            return wrong(tr(
                "--normal is for drawing by nation; --division takes every club of the division"));
        if (!options.byNation && options.divisions.isEmpty())
            return wrong(
                tr("nothing to draw from: give nations (--nation, --preset) or --division"));
        options.database = p.isSet(m_normal) ? DatabaseType::Normal : DatabaseType::Minimum;
        options.json = p.isSet(m_json);

        // No catalogue holds more clubs than that.
        const std::optional<int> count = wholeNumber(p, m_count, 1, 1, maxClubs, console);
        if (!count)
            return std::nullopt;
        options.count = *count;
        if (p.isSet(m_seed)) {
            options.seed = seedOf(p.value(m_seed));
            if (!options.seed)
                return wrong(tr("--seed wants a whole number, not '%1'").arg(p.value(m_seed)));
        }
        for (const QString& name : p.values(m_preset)) {
            const auto preset = presetNamed(name);
            if (!preset)
                return wrong(tr("unknown preset '%1' (%2)%3")
                                 .arg(name, presetNames().join(QStringLiteral(", ")),
                                      didYouMean(nearestName(name, presetNames()))));
            const NationTicks pattern = presetPattern(*preset);
            for (int n = 0; n < nationCount; ++n)
                options.ticks[n] = options.ticks[n] || pattern[n];
        }
        for (const QString& name : p.values(m_nation)) {
            const auto nation = nationNamed(name);
            if (!nation)
                return wrong(tr("\"%1\" is not one of the sixteen nations (%2)%3")
                                 .arg(name, nationNames().join(QStringLiteral(", ")),
                                      didYouMean(suggestedNation(name))));
            ticked(options.ticks, *nation) = true;
        }
        return options;
    }

    int act(const DrawOptions& options, const CommonArguments& common,
            const Console& console) const override {
        const std::optional<LoadedCatalogue> loaded = loadCatalogueOrReport(common, console);
        if (!loaded)
            return exitStatus::failure;
        const Catalogue& catalogue = loaded->catalogue;
        if (catalogue.clubs.empty())
            return console.failure(
                tr("the catalogue %1 holds no clubs").arg(shownPath(loaded->path)));
        CandidatePool pool;
        if (options.byNation) {
            pool = buildNationPool(catalogue, options.ticks, options.database);
        } else {
            const DivisionList list = collectDivisions(catalogue);
            std::vector<DivisionKey> keys;
            for (const QString& label : options.divisions) {
                const std::vector<DivisionKey> found = divisionsLabelled(list, label);
                if (found.empty())
                    return console.wrongArguments(
                        tr("no division \"%1\" in %2%3")
                            .arg(label, shownPath(loaded->path),
                                 didYouMean(nearestName(label, list.labels()))));
                keys.insert(keys.end(), found.begin(), found.end());
            }
            pool = buildDivisionPool(catalogue, keys);
        }

        const DrawOutlook outlook = drawOutlook(pool, options.count);
        if (outlook.shortfall != DrawOutlook::Shortfall::None)
            return console.failure(shortfall(options, outlook, catalogue));
        std::unique_ptr<RandomSource> random;
        if (options.seed)
            random = std::make_unique<SeededRandomSource>(*options.seed);
        else
            random = std::make_unique<ClockRandomSource>();
        printClubs(drawClubs(pool, options.count, *random), options.json, console.out());
        return exitStatus::success;
    }

private:
    static QString shortfall(const DrawOptions& options, const DrawOutlook& outlook,
                             const Catalogue& catalogue) {
        const int available = outlook.available;
        // The message spells out minimumDrawSize.
        static_assert(minimumDrawSize == 2);
        QString message =
            outlook.shortfall == DrawOutlook::Shortfall::FewerThanCount
                ? tr("only %n club(s) to draw from, fewer than --count %1", nullptr, available)
                      .arg(options.count)
                : tr("only %n club(s) to draw from; a draw needs at least two", nullptr, available);
        // The Minimum database may be what limits it.
        if (options.byNation && options.database == DatabaseType::Minimum) {
            const int normal =
                drawOutlook(buildNationPool(catalogue, options.ticks, DatabaseType::Normal),
                            options.count)
                    .available;
            if (normal > available)
                message += tr("; with --normal there are %n", nullptr, normal);
        }
        return message;
    }

    const QCommandLineOption m_nation{QStringLiteral("nation"), QString(), QStringLiteral("NAME")};
    const QCommandLineOption m_preset{QStringLiteral("preset"), QString(), QStringLiteral("NAME")};
    const QCommandLineOption m_normal{QStringLiteral("normal")};
    const QCommandLineOption m_division{QStringLiteral("division"), QString(),
                                        QStringLiteral("\"NATION DIVISION\"")};
    const QCommandLineOption m_count{QStringLiteral("count"), QString(), QStringLiteral("N")};
    const QCommandLineOption m_seed{QStringLiteral("seed"), QString(), QStringLiteral("N")};
    const QCommandLineOption m_json{QStringLiteral("json")};
};

} // namespace

std::unique_ptr<Command> makeDrawCommand() {
    return std::make_unique<DrawCommand>();
}

} // namespace clubdraw
