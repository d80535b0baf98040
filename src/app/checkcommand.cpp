// SPDX-License-Identifier: GPL-3.0-or-later
#include "command.h"
#include "exitstatus.h"
#include "terminaloutput.h"

#include "core/catalogue.h"
#include "core/cataloguecheck.h"
#include "core/printable.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

#include <limits>

namespace clubdraw {

namespace {

// What a check is asked for.
struct CheckOptions {
    QString file; // FILE; empty for the catalogue in use
    bool strict = false;
    int maxFindings = 0;
};

// `clubdraw check [FILE]`: every problem of a catalogue, then a summary.
class CheckCommand final : public CommandWith<CheckOptions> {
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
        parser.addOptions(
            {described(m_strict, tr("Fail on warnings too.")),
             described(m_maxFindings, tr("List at most N findings (100 by default, 0 for all); "
                                         "the summary counts them all."))});
    }

    std::vector<PositionalArgument> positionalArguments() const override {
        return {{name(), tr("Check a catalogue."), {}},
                {QStringLiteral("FILE"), tr("The catalogue to check; by default the one in use."),
                 QStringLiteral("[FILE]")}};
    }

protected:
    std::optional<CheckOptions> readOptions(const Invocation& invocation,
                                            const Console& console) const override {
        CheckOptions options;
        options.file = invocation.arguments.value(0);
        if (!invocation.arguments.isEmpty() && options.file.isEmpty()) {
            console.wrongArguments(tr("the file name to check is empty"));
            return std::nullopt;
        }
        if (!invocation.arguments.isEmpty() && !invocation.common.givenCatalogue.isEmpty()) {
            console.wrongArguments(tr("give the catalogue as FILE or with --catalogue, not both"));
            return std::nullopt;
        }
        const std::optional<int> maxFindings =
            wholeNumber(invocation.parsed, m_maxFindings, defaultMaxFindings, 0,
                        std::numeric_limits<int>::max(), console);
        if (!maxFindings)
            return std::nullopt;
        options.maxFindings = *maxFindings;
        options.strict = invocation.parsed.isSet(m_strict);
        return options;
    }

    int act(const CheckOptions& options, const CommonArguments& common,
            const Console& console) const override {
        QString path = options.file;
        if (path.isEmpty()) {
            const std::optional<CatalogueFile> file = regularCatalogueFileOrReport(common, console);
            if (!file)
                return exitStatus::failure;
            path = file->path;
        }

        const CheckReport report = checkCatalogueFile(path);
        // The name as given, for editors to open, with the platform's separators
        // (C:\Users\... on Windows); a hostile one cannot drive the terminal.
        const QString file = printable(QDir::toNativeSeparators(path));
        printFindings(report, file, options.maxFindings, console.out());
        printSummary(report.summary, file, console.out());
        const int errors = report.count(CheckFinding::Kind::Error);
        const int warnings = report.count(CheckFinding::Kind::Warning);
        if (errors + warnings == 0)
            console.out() << tr("No problems found.") << '\n';
        else
            console.out() << tr("%n error(s)", nullptr, errors) << ", "
                          << tr("%n warning(s)", nullptr, warnings) << ".\n";
        const bool failed = errors > 0 || (warnings > 0 && options.strict);
        return failed ? exitStatus::failure : exitStatus::success;
    }

private:
    // A badly broken file can have a finding on every line; the first
    // hundred tell what is wrong.
    static constexpr int defaultMaxFindings = 100;

    // FILE:LINE: and the error: and warning: keywords stay English in every
    // language: editors and scripts read them.
    // Every error is listed, however many warnings come before it: the cap
    // leaves out warnings only.
    static void printFindings(const CheckReport& report, const QString& file, int maxFindings,
                              QTextStream& out) {
        const int count = static_cast<int>(report.findings.size());
        const int errors = report.count(CheckFinding::Kind::Error);
        int warningsLeft = maxFindings == 0 ? count : std::max(0, maxFindings - errors);
        int shown = 0;
        for (const CheckFinding& finding : report.findings) {
            const bool isError = finding.kind == CheckFinding::Kind::Error;
            if (!isError && warningsLeft-- <= 0)
                continue;
            ++shown;
            out << file << ':';
            if (finding.line > 0)
                out << finding.line << ':';
            out << (isError ? " error: " : " warning: ") << printable(finding.text) << '\n';
        }
        if (shown < count)
            out << tr("%1: and %2 more (--max-findings 0 lists them all)")
                       .arg(file, QString::number(count - shown))
                << '\n';
    }

    static void printSummary(const CheckSummary& summary, const QString& file, QTextStream& out) {
        //: %1 is the file, then the numbers of clubs, nations, divisions and Minimum clubs
        out << tr("%1: %2, %3, %4, %5 in the Minimum database")
                   .arg(file, tr("%n club(s)", nullptr, summary.clubs),
                        tr("%n nation(s)", nullptr, summary.nations()),
                        tr("%n division(s)", nullptr, summary.divisions),
                        tr("%n club(s)", nullptr, summary.minimumClubs))
            << '\n';
        //: %1 is the file, %2 an encoding such as UTF-8
        if (!summary.encoding.isEmpty())
            out << tr("%1: read as %2").arg(file, summary.encoding) << '\n';
        if (summary.clubsOverLimit > 0)
            //: %1 is the file, %2 the most clubs that load
            out << tr("%1: %n more club(s) past the limit of %2 do not load", nullptr,
                      summary.clubsOverLimit)
                       .arg(file, QString::number(maxClubs))
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
