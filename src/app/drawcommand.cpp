// SPDX-License-Identifier: GPL-3.0-or-later
#include "command.h"
#include "exitstatus.h"
#include "terminaloutput.h"

#include "core/cataloguelookup.h"
#include "core/divisionselection.h"
#include "core/drawnclubs.h"
#include "core/leaguedraw.h"
#include "core/leaveoutlist.h"
#include "core/namesuggestion.h"
#include "core/nationselection.h"
#include "core/printable.h"
#include "core/randomsource.h"
#include "core/runerror.h"

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
    QStringList managers; // the rows' names; none for unnamed rows
    std::optional<std::uint64_t> seed;
    QString leaveOutFile;
    QString replay; // a draw's code, which fixes everything above but the names
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
            described(m_manager, tr("Name a manager's row; each gets a different club. "
                                    "Repeatable; --count adds unnamed rows.")),
            described(m_words, tr("Derive the seed from words agreed before the draw, so "
                                  "anyone can repeat it and see it was not drawn again.")),
            described(m_leaveOut, tr("Never draw the clubs this file lists, one \"Nation\","
                                     "\"Club\" a line, as the window keeps them.")),
            described(m_replay, tr("Draw again what a draw code fixes: the same clubs for "
                                   "the same rows.")),
            described(m_json, tr("Print the clubs as one JSON array, each with the code and its "
                                 "manager.")),
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
        options.json = p.isSet(m_json);
        options.leaveOutFile = p.value(m_leaveOut);
        options.managers = p.values(m_manager);
        for (qsizetype i = 0; i < options.managers.size(); ++i) {
            const QString& manager = options.managers[i];
            if (manager.trimmed().isEmpty())
                return wrong(tr("--manager wants a name, not an empty one"));
            if (options.managers.indexOf(manager) < i)
                return wrong(tr("two rows are named \"%1\"").arg(manager));
        }
        if (p.isSet(m_replay)) {
            // The code fixes what is drawn from, how many and the seed.
            for (const QCommandLineOption* fixed :
                 {&m_nation, &m_preset, &m_normal, &m_division, &m_count, &m_seed, &m_words}) {
                if (p.isSet(*fixed))
                    return wrong(tr("--replay cannot be combined with --%1: the code fixes it")
                                     .arg(fixed->names().constFirst()));
            }
            options.replay = p.value(m_replay);
            return options;
        }
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
        if (p.isSet(m_seed) && p.isSet(m_words))
            return wrong(tr("--seed and --words both give the seed; give one"));
        if (p.isSet(m_words)) {
            if (normalisedWords(p.value(m_words)).isEmpty())
                return wrong(tr("--words wants words, not an empty text"));
            options.seed = seedFromWords(p.value(m_words));
        }
        options.database = p.isSet(m_normal) ? DatabaseType::Normal : DatabaseType::Minimum;

        // No catalogue holds more clubs than that.
        const int named = static_cast<int>(options.managers.size());
        const std::optional<int> count =
            wholeNumber(p, m_count, std::max(named, 1), 1, maxClubs, console);
        if (!count)
            return std::nullopt;
        if (*count < named)
            return wrong(
                tr("--count %1 is fewer than the %2 managers named").arg(*count).arg(named));
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
        const CatalogueLookup lookup(catalogue);
        LeaveOutList leaveOut;
        if (!options.leaveOutFile.isEmpty()) {
            try {
                leaveOut = LeaveOutList::read(options.leaveOutFile);
            } catch (const RunError& error) {
                return console.failure(error.oneLine());
            }
        }
        if (!options.replay.isEmpty())
            return replay(options, lookup, leaveOut, console);

        LeagueRequest request;
        request.managerCount = options.count;
        request.seed = options.seed ? *options.seed : randomSeed();
        if (options.byNation) {
            request.source = ClubSource::fromNations(options.ticks, options.database);
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
            request.source = ClubSource::fromDivisions(std::move(keys));
        }

        const LeagueOutcome outcome = runLeagueDraw(request, lookup, leaveOut);
        if (!outcome.result.drawn())
            return console.failure(shortfall(options, outcome.result, catalogue, leaveOut));
        printClubs(outcome.result.clubs, options.json, console.out(), options.managers,
                   outcome.code);
        return exitStatus::success;
    }

private:
    int replay(const DrawOptions& options, const CatalogueLookup& lookup,
               const LeaveOutList& leaveOut, const Console& console) const {
        const Replay replayed = replayLeagueDraw(options.replay, lookup, leaveOut);
        if (replayed.problem != CodeProblem::None)
            return console.wrongArguments(
                tr("cannot replay %1: %2")
                    .arg(options.replay.trimmed(), codeProblemText(replayed.problem)));
        const int rows = replayed.request.managerCount;
        if (!options.managers.isEmpty() && options.managers.size() != rows)
            return console.wrongArguments(tr("the code is for %n manager(s), not %1", nullptr, rows)
                                              .arg(options.managers.size()));
        const LeagueResult& result = replayed.outcome.result;
        if (!result.drawn())
            return console.failure(tr("only %n club(s) to draw from, fewer than the %1 rows",
                                      nullptr, result.outlook.available)
                                       .arg(result.rowsToDraw));
        printClubs(result.clubs, options.json, console.out(), options.managers,
                   replayed.outcome.code);
        return exitStatus::success;
    }

    static QString shortfall(const DrawOptions& options, const LeagueResult& result,
                             const Catalogue& catalogue, const LeaveOutList& leaveOut) {
        const int available = result.outlook.available;
        QString message =
            result.outlook.shortfall == DrawOutlook::Shortfall::FewerThanCount
                ? tr("only %n club(s) to draw from, fewer than --count %1", nullptr, available)
                      .arg(options.count)
                : tr("only %n club(s) to draw from; a draw needs at least %1", nullptr, available)
                      .arg(minimumDrawSize);
        // The Minimum database may be what limits it.
        if (options.byNation && options.database == DatabaseType::Minimum) {
            const CandidatePool normalPool =
                buildNationPool(catalogue, options.ticks, DatabaseType::Normal);
            // Counted as the draw counts: entries for one club, clubs for more.
            const int normal = options.count == 1 && leaveOut.isEmpty()
                                   ? drawOutlook(normalPool, 1).available
                                   : clubsLeftIn(normalPool, leaveOut);
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
    const QCommandLineOption m_manager{QStringLiteral("manager"), QString(),
                                       QStringLiteral("NAME")};
    const QCommandLineOption m_words{QStringLiteral("words"), QString(), QStringLiteral("TEXT")};
    const QCommandLineOption m_leaveOut{QStringLiteral("leave-out"), QString(),
                                        QStringLiteral("FILE")};
    const QCommandLineOption m_replay{QStringLiteral("replay"), QString(), QStringLiteral("CODE")};
    const QCommandLineOption m_json{QStringLiteral("json")};
};

} // namespace

std::unique_ptr<Command> makeDrawCommand() {
    return std::make_unique<DrawCommand>();
}

} // namespace clubdraw
