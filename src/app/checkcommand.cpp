// SPDX-License-Identifier: GPL-3.0-or-later
#include "command.h"
#include "exitstatus.h"
#include "terminaloutput.h"

#include "core/cataloguecheck.h"
#include "core/printable.h"

#include <QCommandLineParser>
#include <QTextStream>

namespace clubdraw {

namespace {

// `clubdraw check [FILE]`: every problem of a catalogue, then a summary.
class CheckCommand final : public Command {
public:
    QString name() const override { return QStringLiteral("check"); }
    QString synopsis() const override { return QStringLiteral("check [FILE]"); }
    QString summary() const override {
        return QStringLiteral("report every problem of a catalogue");
    }

    void describe(QCommandLineParser& parser) const override {
        parser.setApplicationDescription(QStringLiteral(
            "Reads a catalogue and reports every problem, as FILE:LINE: error|warning: text,\n"
            "then sums it up. Exit status 0 when it is clean, 1 on an error (and with\n"
            "--strict on a warning too)."));
        parser.addPositionalArgument(name(), QStringLiteral("Check a catalogue."));
        parser.addPositionalArgument(
            QStringLiteral("FILE"),
            QStringLiteral("The catalogue to check; by default the one in use."),
            QStringLiteral("[FILE]"));
        parser.addOptions({m_strict, m_maxFindings});
    }

    int run(const Invocation& call) const override {
        const QStringList& arguments = call.arguments();
        if (arguments.size() > 1)
            return call.wrongArguments(
                QStringLiteral("unexpected argument '%1'").arg(arguments[1]));
        if (!arguments.isEmpty() && call.parser().isSet(QStringLiteral("catalogue")))
            return call.wrongArguments(
                QStringLiteral("give the catalogue as FILE or with --catalogue, not both"));
        int maxFindings = defaultMaxFindings;
        if (call.parser().isSet(m_maxFindings)) {
            bool ok = false;
            maxFindings = call.parser().value(m_maxFindings).toInt(&ok);
            if (!ok || maxFindings < 0)
                return call.wrongArguments(
                    QStringLiteral("--max-findings wants a whole number from 0 up, not '%1'")
                        .arg(call.parser().value(m_maxFindings)));
        }
        QString path;
        if (!arguments.isEmpty())
            path = arguments.first();
        else if (const std::optional<CatalogueFile> file = call.findCatalogue())
            path = file->path;
        else
            return exitStatus::failure;

        const CheckReport report = checkCatalogueFile(path);
        printFindings(report, path, maxFindings, call.out());
        printSummary(report.summary, path, call.out());
        const int errors = report.count(CheckFinding::Kind::Error);
        const int warnings = report.count(CheckFinding::Kind::Warning);
        if (errors + warnings == 0)
            call.out() << "No problems found.\n";
        else
            call.out() << plural(errors, "error") << ", " << plural(warnings, "warning") << ".\n";
        const bool failed = errors > 0 || (warnings > 0 && call.parser().isSet(m_strict));
        return failed ? exitStatus::failure : exitStatus::success;
    }

private:
    // A badly broken file can have a finding on every line; the first
    // hundred tell what is wrong.
    static constexpr int defaultMaxFindings = 100;

    static void printFindings(const CheckReport& report, const QString& path, int maxFindings,
                              QTextStream& out) {
        const int count = static_cast<int>(report.findings.size());
        const int shown = maxFindings == 0 ? count : std::min(count, maxFindings);
        for (int i = 0; i < shown; ++i) {
            const CheckFinding& finding = report.findings[static_cast<std::size_t>(i)];
            out << path << ':';
            if (finding.line > 0)
                out << finding.line << ':';
            out << (finding.kind == CheckFinding::Kind::Error ? " error: " : " warning: ")
                << printable(finding.text) << '\n';
        }
        if (shown < count)
            out << path << ": and " << count - shown << " more (--max-findings 0 lists them all)\n";
    }

    static void printSummary(const CheckSummary& summary, const QString& path, QTextStream& out) {
        out << path << ": " << plural(summary.clubs, "club") << ", "
            << plural(summary.nations(), "nation") << ", " << plural(summary.divisions, "division")
            << ", " << plural(summary.minimumClubs, "club") << " in the Minimum database\n";
        std::vector<std::pair<QString, QString>> perNation;
        for (const auto& [nation, clubs] : summary.clubsPerNation)
            perNation.emplace_back(nation, plural(clubs, "club"));
        printTable(perNation, out, "  ");
    }

    const QCommandLineOption m_strict{QStringLiteral("strict"),
                                      QStringLiteral("Fail on warnings too.")};
    const QCommandLineOption m_maxFindings{
        QStringLiteral("max-findings"),
        QStringLiteral("List at most N findings (100 by default, 0 for all); the summary "
                       "counts them all."),
        QStringLiteral("N")};
};

} // namespace

std::unique_ptr<Command> makeCheckCommand() {
    return std::make_unique<CheckCommand>();
}

} // namespace clubdraw
