// SPDX-License-Identifier: GPL-3.0-or-later
#include "command.h"
#include "exitstatus.h"
#include "terminaloutput.h"

#include "core/cataloguecheck.h"
#include "core/printable.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

namespace clubdraw {

namespace {

// `clubdraw check [FILE]`: every problem of a catalogue, then a summary.
class CheckCommand final : public Command {
    Q_DECLARE_TR_FUNCTIONS(CheckCommand)

public:
    QString name() const override { return QStringLiteral("check"); }
    QString synopsis() const override { return QStringLiteral("check [FILE]"); }
    QString summary() const override { return tr("report every problem of a catalogue"); }

    void describe(QCommandLineParser& parser) const override {
        parser.setApplicationDescription(
            tr("Reads a catalogue and reports every problem, as FILE:LINE: error|warning: text,\n"
               "then sums it up. Exit status 0 when it is clean, 1 on an error (and with\n"
               "--strict on a warning too)."));
        parser.addPositionalArgument(name(), tr("Check a catalogue."));
        parser.addPositionalArgument(QStringLiteral("FILE"),
                                     tr("The catalogue to check; by default the one in use."),
                                     QStringLiteral("[FILE]"));
        parser.addOptions(
            {described(m_strict, tr("Fail on warnings too.")),
             described(m_maxFindings, tr("List at most N findings (100 by default, 0 for all); "
                                         "the summary counts them all."))});
    }

    int run(const Invocation& call) const override {
        const QStringList& arguments = call.arguments();
        if (arguments.size() > 1)
            return call.wrongArguments(tr("unexpected argument '%1'").arg(arguments[1]));
        if (!arguments.isEmpty() && call.parser().isSet(QStringLiteral("catalogue")))
            return call.wrongArguments(
                tr("give the catalogue as FILE or with --catalogue, not both"));
        int maxFindings = defaultMaxFindings;
        if (call.parser().isSet(m_maxFindings)) {
            bool ok = false;
            maxFindings = call.parser().value(m_maxFindings).toInt(&ok);
            if (!ok || maxFindings < 0)
                return call.wrongArguments(
                    tr("--max-findings wants a whole number from 0 up, not '%1'")
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
            call.out() << tr("No problems found.") << '\n';
        else
            call.out() << tr("%n error(s)", nullptr, errors) << ", "
                       << tr("%n warning(s)", nullptr, warnings) << ".\n";
        const bool failed = errors > 0 || (warnings > 0 && call.parser().isSet(m_strict));
        return failed ? exitStatus::failure : exitStatus::success;
    }

private:
    // A badly broken file can have a finding on every line; the first
    // hundred tell what is wrong.
    static constexpr int defaultMaxFindings = 100;

    // FILE:LINE: and the error: and warning: keywords stay English in every
    // language: editors and scripts read them.
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
            out << tr("%1: and %2 more (--max-findings 0 lists them all)")
                       .arg(path, QString::number(count - shown))
                << '\n';
    }

    static void printSummary(const CheckSummary& summary, const QString& path, QTextStream& out) {
        //: %1 is the file, then the numbers of clubs, nations, divisions and Minimum clubs
        out << tr("%1: %2, %3, %4, %5 in the Minimum database")
                   .arg(path, tr("%n club(s)", nullptr, summary.clubs),
                        tr("%n nation(s)", nullptr, summary.nations()),
                        tr("%n division(s)", nullptr, summary.divisions),
                        tr("%n club(s)", nullptr, summary.minimumClubs))
            << '\n';
        std::vector<std::pair<QString, QString>> perNation;
        for (const auto& [nation, clubs] : summary.clubsPerNation)
            perNation.emplace_back(nation, tr("%n club(s)", nullptr, clubs));
        printTable(perNation, out, "  ");
    }

    const QCommandLineOption m_strict{QStringLiteral("strict")};
    const QCommandLineOption m_maxFindings{QStringLiteral("max-findings"), QString(),
                                           QStringLiteral("N")};
};

} // namespace

std::unique_ptr<Command> makeCheckCommand() {
    return std::make_unique<CheckCommand>();
}

} // namespace clubdraw
