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

// `clubdraw draw`: a draw by nation or by division, as the windows make it.
class DrawCommand final : public Command {
    Q_DECLARE_TR_FUNCTIONS(DrawCommand)

public:
    QString name() const override { return QStringLiteral("draw"); }
    QString synopsis() const override { return name(); }
    QString summary() const override { return tr("draw clubs and print them"); }

    void describe(QCommandLineParser& parser) const override {
        parser.setApplicationDescription(
            tr("Draws like the windows do and prints the club and its division line.\n"
               "Give nations (--nation, --preset) or divisions (--division), not both."));
        parser.addPositionalArgument(name(), tr("Draw clubs without a window."));
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

    int run(const Invocation& call) const override {
        const QCommandLineParser& p = call.parser();
        if (!call.arguments().isEmpty())
            return call.wrongArguments(
                tr("unexpected argument '%1'").arg(call.arguments().first()));
        const QStringList divisions = p.values(m_division);
        const bool byNation = p.isSet(m_nation) || p.isSet(m_preset);
        if (byNation && !divisions.isEmpty())
            return call.wrongArguments(
                tr("--division cannot be combined with --nation or --preset"));
        if (p.isSet(m_normal) && !divisions.isEmpty())
            return call.wrongArguments(tr(
                "--normal is for drawing by nation; --division takes every club of the division"));
        if (!byNation && divisions.isEmpty())
            return call.wrongArguments(
                tr("nothing to draw from: give nations (--nation, --preset) or --division"));

        // No catalogue holds more clubs than that.
        const std::optional<int> wanted = call.wholeNumber(m_count, 1, 1, maxClubs);
        if (!wanted)
            return exitStatus::wrongArguments;
        const int count = *wanted;
        std::optional<std::uint64_t> seed;
        if (p.isSet(m_seed)) {
            seed = seedOf(p.value(m_seed));
            if (!seed)
                return call.wrongArguments(
                    tr("--seed wants a whole number, not '%1'").arg(p.value(m_seed)));
        }
        NationTicks ticks{};
        for (const QString& name : p.values(m_preset)) {
            const auto preset = presetNamed(name);
            if (!preset)
                return call.wrongArguments(tr("unknown preset '%1' (%2)%3")
                                               .arg(name, presetNames().join(QStringLiteral(", ")),
                                                    didYouMean(nearestName(name, presetNames()))));
            const NationTicks pattern = presetPattern(*preset);
            for (int n = 0; n < nationCount; ++n)
                ticks[n] = ticks[n] || pattern[n];
        }
        for (const QString& name : p.values(m_nation)) {
            const auto nation = nationNamed(name);
            if (!nation) {
                return call.wrongArguments(tr("\"%1\" is not one of the sixteen nations (%2)%3")
                                               .arg(name, nationNames().join(QStringLiteral(", ")),
                                                    didYouMean(suggestedNation(name))));
            }
            ticked(ticks, *nation) = true;
        }

        QString cataloguePath;
        const std::optional<Catalogue> catalogue = call.loadCatalogue(&cataloguePath);
        if (!catalogue)
            return exitStatus::failure;
        if (catalogue->clubs.empty())
            return call.failure(
                tr("the catalogue %1 holds no clubs").arg(shownPath(cataloguePath)));
        CandidatePool pool;
        const DatabaseType database =
            p.isSet(m_normal) ? DatabaseType::Normal : DatabaseType::Minimum;
        if (byNation) {
            pool = buildNationPool(*catalogue, ticks, database);
        } else {
            const DivisionList list = collectDivisions(*catalogue);
            std::vector<DivisionKey> keys;
            for (const QString& label : divisions) {
                const std::vector<DivisionKey> found = divisionsLabelled(list, label);
                if (found.empty())
                    return call.wrongArguments(
                        tr("no division \"%1\" in %2%3")
                            .arg(label, shownPath(cataloguePath),
                                 didYouMean(nearestName(
                                     label, list.labels()))));
                keys.insert(keys.end(), found.begin(), found.end());
            }
            pool = buildDivisionPool(*catalogue, keys);
        }

        const DrawOutlook outlook = drawOutlook(pool, count);
        if (outlook.shortfall != DrawOutlook::Shortfall::None) {
            const int available = outlook.available;
            QString message =
                outlook.shortfall == DrawOutlook::Shortfall::FewerThanCount
                    ? tr("only %n club(s) to draw from, fewer than --count %1", nullptr, available)
                          .arg(count)
                    : tr("only %n club(s) to draw from; a draw needs at least two", nullptr,
                         available);
            // The Minimum database may be what limits it.
            if (byNation && database == DatabaseType::Minimum) {
                const int normal =
                    drawOutlook(buildNationPool(*catalogue, ticks, DatabaseType::Normal), count)
                        .available;
                if (normal > available)
                    message += tr("; with --normal there are %n", nullptr, normal);
            }
            return call.failure(message);
        }
        std::unique_ptr<RandomSource> random;
        if (seed)
            random = std::make_unique<SeededRandomSource>(*seed);
        else
            random = std::make_unique<ClockRandomSource>();
        printClubs(drawClubs(pool, count, *random), p.isSet(m_json), call.out());
        return exitStatus::success;
    }

private:
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
