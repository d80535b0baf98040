// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandline.h"

#include "core/catalogue.h"
#include "core/cataloguecheck.h"
#include "core/cataloguelocation.h"
#include "core/divisionselection.h"
#include "core/namesuggestion.h"
#include "core/nationselection.h"
#include "core/randomsource.h"
#include "core/revealschedule.h"
#include "core/runerror.h"
#include "gui/errorbox.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QSet>
#include <QTextStream>

#include <algorithm>
#include <memory>
#include <utility>

namespace clubdraw {

namespace {

const QString programName = QStringLiteral("clubdraw");

enum class Command { None, Catalogue, Check, Draw, List };

struct CommandName {
    const char* name;
    Command command;
};
constexpr CommandName commandNames[] = {{"catalogue", Command::Catalogue},
                                        {"check", Command::Check},
                                        {"draw", Command::Draw},
                                        {"list", Command::List}};

Command commandNamed(const QString& name) {
    for (const CommandName& c : commandNames)
        if (name == QLatin1String(c.name))
            return c.command;
    return Command::None;
}

struct PresetName {
    const char* name;
    NationPreset preset;
};
// The main window's six preset buttons.
constexpr PresetName presetNames[] = {{"all", NationPreset::AllNations},
                                      {"none", NationPreset::None},
                                      {"europe", NationPreset::Europe},
                                      {"south-america", NationPreset::SouthAmerica},
                                      {"spring-autumn", NationPreset::SpringAutumn},
                                      {"autumn-spring", NationPreset::AutumnSpring}};

QStringList allPresetNames() {
    QStringList names;
    for (const PresetName& p : presetNames)
        names << QString::fromLatin1(p.name);
    return names;
}

std::optional<NationPreset> presetNamed(const QString& name) {
    for (const PresetName& p : presetNames)
        if (name.compare(QLatin1String(p.name), Qt::CaseInsensitive) == 0)
            return p.preset;
    return std::nullopt;
}

// Catalogue text bound for a terminal: a control character (a line end
// inside quotes, an escape sequence) would break the one-line layout or
// drive the terminal, so it shows as \xNN instead.
QString printable(const QString& text) {
    QString shown;
    shown.reserve(text.size());
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x20 || (u >= 0x7F && u <= 0x9F))
            shown += QStringLiteral("\\x%1").arg(int(u), 2, 16, QLatin1Char('0'));
        else
            shown += c;
    }
    return shown;
}

// "; did you mean "X"?" when there is a likely X.
QString didYouMean(const QString& suggestion) {
    return suggestion.isEmpty() ? QString()
                                : QStringLiteral("; did you mean \"%1\"?").arg(suggestion);
}

// The options of one command, or of every command at once to find which
// command the arguments name.
class Options {
public:
    explicit Options(std::optional<Command> command) {
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        parser.addOptions({help, version, catalogue});
        const bool all = !command;
        if (all || command == Command::Catalogue)
            parser.addOptions({copy, force});
        if (all || command == Command::Check)
            parser.addOption(strict);
        if (all || command == Command::Draw)
            parser.addOptions({nation, preset, normal, division, count, seed, json});
        switch (command.value_or(Command::None)) {
        case Command::None:
            parser.setApplicationDescription(QStringLiteral(
                "Draws a random football club to manage. Without a command it opens the\n"
                "window; the commands work without one:\n"
                "  catalogue [--copy]       show the catalogue in use, or make your own copy\n"
                "  check [FILE]             report every problem of a catalogue\n"
                "  draw                     draw clubs and print them\n"
                "  list nations|divisions   print what can be drawn, with club counts\n"
                "'clubdraw COMMAND --help' tells more."));
            parser.addPositionalArgument(QStringLiteral("command"),
                                         QStringLiteral("catalogue, check, draw or list."),
                                         QStringLiteral("[command]"));
            break;
        case Command::Catalogue:
            parser.setApplicationDescription(QStringLiteral(
                "Prints the path of the catalogue in use: the first kortliste_eng.txt found\n"
                "beside the program, in your data folder (~/.local/share/clubdraw) or in the\n"
                "system's (/usr/share/clubdraw). --copy puts a copy of it in your data folder,\n"
                "to edit; from then on the window and every command read your copy."));
            parser.addPositionalArgument(QStringLiteral("catalogue"),
                                         QStringLiteral("Show or copy the catalogue."));
            break;
        case Command::Check:
            parser.setApplicationDescription(QStringLiteral(
                "Reads a catalogue and reports every problem, as FILE:LINE: error|warning: text,\n"
                "then sums it up. Exit status 0 when it is clean, 1 on an error (and with\n"
                "--strict on a warning too)."));
            parser.addPositionalArgument(QStringLiteral("check"),
                                         QStringLiteral("Check a catalogue."));
            parser.addPositionalArgument(
                QStringLiteral("FILE"),
                QStringLiteral("The catalogue to check; by default the one in use."),
                QStringLiteral("[FILE]"));
            break;
        case Command::Draw:
            parser.setApplicationDescription(QStringLiteral(
                "Draws like the windows do and prints the club and its division line.\n"
                "Give nations (--nation, --preset) or divisions (--division), not both."));
            parser.addPositionalArgument(QStringLiteral("draw"),
                                         QStringLiteral("Draw clubs without a window."));
            break;
        case Command::List:
            parser.setApplicationDescription(
                QStringLiteral("Prints the nations or divisions that can be drawn, as --nation "
                               "and --division take\nthem, with their numbers of clubs."));
            parser.addPositionalArgument(QStringLiteral("list"),
                                         QStringLiteral("List what can be drawn."));
            parser.addPositionalArgument(QStringLiteral("what"),
                                         QStringLiteral("nations or divisions."),
                                         QStringLiteral("nations|divisions"));
            break;
        }
    }

    // Qt names the program as it was started ("./clubdraw", a full path);
    // the help names it as the user knows it.
    QString helpText() const {
        QString text = parser.helpText();
        const qsizetype options = text.indexOf(QLatin1String(" [options]"));
        if (options > 0)
            text.replace(0, options, QStringLiteral("Usage: ") + programName);
        return text;
    }
    // "Usage: clubdraw [options] ..."
    QString usage() const { return helpText().section(QLatin1Char('\n'), 0, 0); }

    QCommandLineParser parser;
    const QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help.")};
    const QCommandLineOption version{QStringLiteral("version"),
                                     QStringLiteral("Show the version.")};
    const QCommandLineOption catalogue{QStringLiteral("catalogue"),
                                       QStringLiteral("Read FILE instead of the catalogue in use."),
                                       QStringLiteral("FILE")};
    const QCommandLineOption copy{
        QStringLiteral("copy"),
        QStringLiteral("Copy the catalogue in use into your data folder and print the copy's "
                       "path.")};
    const QCommandLineOption force{
        QStringLiteral("force"),
        QStringLiteral("With --copy: replace a copy you already have (your edits are lost).")};
    const QCommandLineOption strict{QStringLiteral("strict"),
                                    QStringLiteral("Fail on warnings too.")};
    const QCommandLineOption nation{
        QStringLiteral("nation"),
        QStringLiteral("Draw from the clubs of this nation, one of the main window's sixteen. "
                       "Repeatable."),
        QStringLiteral("NAME")};
    const QCommandLineOption preset{
        QStringLiteral("preset"),
        QStringLiteral("Draw from the nations of a main-window preset: all, none, europe, "
                       "south-america, spring-autumn or autumn-spring."),
        QStringLiteral("NAME")};
    const QCommandLineOption normal{
        QStringLiteral("normal"),
        QStringLiteral("Draw from the Normal database; by default only the clubs of the "
                       "Minimum database are drawn by nation.")};
    const QCommandLineOption division{
        QStringLiteral("division"),
        QStringLiteral("Draw from every club of this division, given as the division window "
                       "lists it: nation, one blank, division. Repeatable."),
        QStringLiteral("\"NATION DIVISION\"")};
    const QCommandLineOption count{
        QStringLiteral("count"),
        QStringLiteral("Draw N different clubs, one for each human manager; 1 by default."),
        QStringLiteral("N")};
    const QCommandLineOption seed{
        QStringLiteral("seed"),
        QStringLiteral("Make the draw repeatable: the same N and catalogue give the same "
                       "clubs on every run."),
        QStringLiteral("N")};
    const QCommandLineOption json{QStringLiteral("json"),
                                  QStringLiteral("Print the clubs as one JSON array.")};
};

int usageError(const Options& options, QTextStream& err, const QString& message) {
    err << programName << ": " << printable(message) << '\n' << options.usage() << '\n';
    return usageExitStatus;
}

QString unknownCommand(const QString& name) {
    QStringList names;
    for (const CommandName& c : commandNames)
        names << QString::fromLatin1(c.name);
    return QStringLiteral("unknown command '%1'%2").arg(name, didYouMean(nearestName(name, names)));
}

// Wrong arguments that every command shares, or an empty text.
QString commonMistake(const Options& options) {
    if (options.parser.isSet(options.catalogue) &&
        options.parser.value(options.catalogue).isEmpty())
        return QStringLiteral("--catalogue wants a file name");
    return {};
}

// --catalogue FILE, or empty for the catalogue in use.
QString givenCatalogue(const Options& options) {
    return options.parser.isSet(options.catalogue) ? options.parser.value(options.catalogue)
                                                   : QString();
}

// Everything a command needs besides its own options.
struct Context {
    const Options& options;
    QStringList arguments; // positional, without the command
    QString programFolder;
    QTextStream& out;
    QTextStream& err;

    const QCommandLineParser& parser() const { return options.parser; }

    int usageError(const QString& message) const {
        return clubdraw::usageError(options, err, message);
    }

    // The draw or the catalogue failed.
    int failure(const QString& message) const {
        err << programName << ": " << printable(message) << '\n';
        return runErrorExitStatus;
    }

    // The catalogue in use; empty after reporting that there is none.
    std::optional<CatalogueFile> find() const {
        try {
            return findCatalogue(programFolder, givenCatalogue(options));
        } catch (const RunError& error) {
            failure(error.oneLine());
            return std::nullopt;
        }
    }

    // `path`, when given, receives the file's path.
    std::optional<Catalogue> load(QString* path = nullptr) const {
        const std::optional<CatalogueFile> file = find();
        if (!file)
            return std::nullopt;
        if (path)
            *path = file->path;
        try {
            return Catalogue::load(file->path);
        } catch (const RunError& error) {
            failure(error.oneLine());
            return std::nullopt;
        }
    }
};

// Every club once: the same nation and club name listed twice are one club,
// which two managers cannot both take.
std::vector<TeamRecord> distinctClubs(const CandidatePool& pool) {
    std::vector<TeamRecord> clubs;
    QSet<std::pair<QString, QString>> seen;
    for (const TeamRecord& record : pool.entries()) {
        if (seen.contains({record.nation, record.team}))
            continue;
        seen.insert({record.nation, record.team});
        clubs.push_back(record);
    }
    return clubs;
}

int clubCount(const CandidatePool& pool) {
    return static_cast<int>(distinctClubs(pool).size());
}

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

void printClubs(const std::vector<TeamRecord>& clubs, bool asJson, QTextStream& out) {
    if (!asJson) {
        for (const TeamRecord& club : clubs)
            out << printable(club.team) << " in " << printable(divisionLine(club)) << '\n';
        return;
    }
    QJsonArray array;
    for (const TeamRecord& club : clubs)
        array.append(QJsonObject{{QStringLiteral("team"), club.team},
                                 {QStringLiteral("nation"), club.nation},
                                 {QStringLiteral("division"), club.division},
                                 {QStringLiteral("suffix"), club.divisionSuffix},
                                 {QStringLiteral("line"), divisionLine(club)}});
    out << QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Indented));
}

int runDraw(const Context& c) {
    const Options& o = c.options;
    const QCommandLineParser& p = c.parser();
    if (!c.arguments.isEmpty())
        return c.usageError(QStringLiteral("unexpected argument '%1'").arg(c.arguments.first()));
    const QStringList divisions = p.values(o.division);
    const bool byNation = p.isSet(o.nation) || p.isSet(o.preset);
    if (byNation && !divisions.isEmpty())
        return c.usageError(
            QStringLiteral("--division cannot be combined with --nation or --preset"));
    if (p.isSet(o.normal) && !divisions.isEmpty())
        return c.usageError(QStringLiteral(
            "--normal is for drawing by nation; --division takes every club of the division"));

    int count = 1;
    if (p.isSet(o.count)) {
        bool ok = false;
        count = p.value(o.count).toInt(&ok);
        if (!ok || count < 1)
            return c.usageError(QStringLiteral("--count wants a whole number from 1 up, not '%1'")
                                    .arg(p.value(o.count)));
    }
    std::optional<std::uint64_t> seed;
    if (p.isSet(o.seed)) {
        seed = seedOf(p.value(o.seed));
        if (!seed)
            return c.usageError(
                QStringLiteral("--seed wants a whole number, not '%1'").arg(p.value(o.seed)));
    }
    NationTicks ticks{};
    for (const QString& name : p.values(o.preset)) {
        const auto preset = presetNamed(name);
        if (!preset)
            return c.usageError(QStringLiteral("unknown preset '%1' (%2)%3")
                                    .arg(name, allPresetNames().join(QStringLiteral(", ")),
                                         didYouMean(nearestName(name, allPresetNames()))));
        const NationTicks pattern = presetPattern(*preset);
        for (int n = 0; n < nationCount; ++n)
            ticks[n] = ticks[n] || pattern[n];
    }
    for (const QString& name : p.values(o.nation)) {
        const auto nation = nationNamed(name);
        if (!nation)
            return c.failure(QStringLiteral("\"%1\" is not one of the sixteen nations%2")
                                 .arg(name, didYouMean(suggestedNation(name))));
        ticked(ticks, *nation) = true;
    }
    if (!byNation && divisions.isEmpty())
        return c.failure(QStringLiteral(
            "nothing to draw from: give nations (--nation, --preset) or --division"));

    QString cataloguePath;
    const std::optional<Catalogue> catalogue = c.load(&cataloguePath);
    if (!catalogue)
        return runErrorExitStatus;
    CandidatePool pool;
    if (byNation) {
        pool = buildNationPool(*catalogue, ticks,
                               p.isSet(o.normal) ? DatabaseType::Normal : DatabaseType::Minimum);
    } else {
        const DivisionList list = collectDivisions(*catalogue);
        const QStringList labels(list.labels.begin(), list.labels.end());
        std::vector<DivisionKey> keys;
        for (const QString& label : divisions) {
            // Two divisions can read alike ("A B" "C" and "A" "B C"); both are meant.
            const auto before = keys.size();
            for (int i = 0; i < list.count(); ++i)
                if (labels[i] == label)
                    keys.push_back(list.keys[static_cast<std::size_t>(i)]);
            if (keys.size() == before)
                return c.failure(
                    QStringLiteral("no division \"%1\" in %2%3")
                        .arg(label, cataloguePath, didYouMean(nearestName(label, labels))));
        }
        pool = buildDivisionPool(*catalogue, keys);
    }

    std::vector<TeamRecord> left = distinctClubs(pool);
    const int available = static_cast<int>(left.size());
    // Like the windows: one club is no draw.
    if (available < 2)
        return c.failure(QStringLiteral("only %1 club%2 to draw from; a draw needs at least two")
                             .arg(available)
                             .arg(available == 1 ? QString() : QStringLiteral("s")));
    if (available < count)
        return c.failure(QStringLiteral("only %1 clubs to draw from, fewer than --count %2")
                             .arg(available)
                             .arg(count));

    std::unique_ptr<RandomSource> random;
    if (seed)
        random = std::make_unique<SeededRandomSource>(*seed);
    else
        random = std::make_unique<ClockRandomSource>();
    std::vector<TeamRecord> drawn;
    for (int i = 0; i < count; ++i) {
        // The last club takes the drawn one's place: no club twice, and no
        // shifting of the whole list for each pick.
        TeamRecord& pick =
            left[static_cast<std::size_t>(random->pickIndex(static_cast<int>(left.size())))];
        drawn.push_back(std::move(pick));
        pick = std::move(left.back());
        left.pop_back();
    }
    printClubs(drawn, p.isSet(o.json), c.out);
    return 0;
}

QString plural(int n, const char* noun) {
    return QStringLiteral("%1 %2%3").arg(n).arg(QLatin1String(noun)).arg(n == 1 ? "" : "s");
}

// Names padded to one column, then their counts.
void printTable(const std::vector<std::pair<QString, QString>>& rows, QTextStream& out,
                const char* indent = "") {
    qsizetype width = 0;
    for (const auto& row : rows)
        width = std::max(width, printable(row.first).size());
    for (const auto& [name, counts] : rows)
        out << indent << printable(name).leftJustified(width) << "  " << counts << '\n';
}

QString shownPath(const QString& path) {
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

bool samePath(const QString& a, const QString& b) {
    return QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath();
}

// The copy `clubdraw catalogue --copy` makes of the catalogue in use.
int copyCatalogue(const Context& c, const CatalogueFile& inUse) {
    if (inUse.origin == CatalogueOrigin::BesideProgram)
        return c.failure(QStringLiteral("the catalogue in use, %1, lies beside the program and "
                                        "is the one to edit; nothing copied")
                             .arg(shownPath(inUse.path)));
    const QString target = userCataloguePath();
    const bool force = c.parser().isSet(c.options.force);
    QString source = inUse.path;
    if (samePath(source, target)) {
        // Forcing a fresh copy over one's own copy means starting again from
        // the catalogue installed with the program.
        if (!force)
            return c.failure(QStringLiteral("%1 is already your own copy and the one in use; "
                                            "edit it, or add --force to replace it with the "
                                            "installed catalogue")
                                 .arg(shownPath(target)));
        source.clear();
        for (const CatalogueFile& candidate : catalogueCandidates(c.programFolder))
            if (candidate.origin == CatalogueOrigin::SystemData &&
                QFileInfo::exists(candidate.path)) {
                source = candidate.path;
                break;
            }
        if (source.isEmpty())
            return c.failure(
                QStringLiteral("no installed catalogue to replace %1 with").arg(shownPath(target)));
    } else if (QFileInfo::exists(target) && !force) {
        return c.failure(QStringLiteral("%1 already exists; add --force to replace it (your "
                                        "edits in it are lost)")
                             .arg(shownPath(target)));
    }

    QByteArray bytes;
    try {
        bytes = Catalogue::readFile(source);
    } catch (const RunError& error) {
        return c.failure(error.oneLine());
    }
    const QString folder = QFileInfo(target).absolutePath();
    if (!QDir().mkpath(folder))
        return c.failure(
            QStringLiteral("cannot make the folder %1; nothing copied").arg(shownPath(folder)));
    // Written whole or not at all: a failed copy never leaves half a catalogue.
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return c.failure(QStringLiteral("cannot write %1: %2; nothing copied")
                             .arg(shownPath(target), file.errorString()));
    c.out << shownPath(target) << '\n';
    return 0;
}

int runCatalogue(const Context& c) {
    if (!c.arguments.isEmpty())
        return c.usageError(QStringLiteral("unexpected argument '%1'").arg(c.arguments.first()));
    if (c.parser().isSet(c.options.force) && !c.parser().isSet(c.options.copy))
        return c.usageError(QStringLiteral("--force goes with --copy"));
    const std::optional<CatalogueFile> inUse = c.find();
    if (!inUse)
        return runErrorExitStatus;
    if (c.parser().isSet(c.options.copy))
        return copyCatalogue(c, *inUse);
    c.out << shownPath(inUse->path) << '\n';
    return 0;
}

int runCheck(const Context& c) {
    if (c.arguments.size() > 1)
        return c.usageError(QStringLiteral("unexpected argument '%1'").arg(c.arguments[1]));
    if (!c.arguments.isEmpty() && c.parser().isSet(c.options.catalogue))
        return c.usageError(
            QStringLiteral("give the catalogue as FILE or with --catalogue, not both"));
    QString path;
    if (!c.arguments.isEmpty()) {
        path = c.arguments.first();
    } else if (const std::optional<CatalogueFile> file = c.find()) {
        path = file->path;
    } else {
        return runErrorExitStatus;
    }
    const CheckReport report = checkCatalogueFile(path);
    for (const CheckFinding& finding : report.findings) {
        c.out << path << ':';
        if (finding.line > 0)
            c.out << finding.line << ':';
        c.out << (finding.kind == CheckFinding::Kind::Error ? " error: " : " warning: ")
              << printable(finding.text) << '\n';
    }
    const CheckSummary& summary = report.summary;
    c.out << path << ": " << plural(summary.clubs, "club") << ", "
          << plural(summary.nations(), "nation") << ", " << plural(summary.divisions, "division")
          << ", " << plural(summary.minimumClubs, "club") << " in the Minimum database\n";
    std::vector<std::pair<QString, QString>> perNation;
    for (const auto& [nation, clubs] : summary.clubsPerNation)
        perNation.emplace_back(nation, plural(clubs, "club"));
    printTable(perNation, c.out, "  ");
    const int errors = report.count(CheckFinding::Kind::Error);
    const int warnings = report.count(CheckFinding::Kind::Warning);
    if (errors + warnings == 0)
        c.out << "No problems found.\n";
    else
        c.out << plural(errors, "error") << ", " << plural(warnings, "warning") << ".\n";
    const bool failed = errors > 0 || (warnings > 0 && c.parser().isSet(c.options.strict));
    return failed ? runErrorExitStatus : 0;
}

int runList(const Context& c) {
    const QString what = c.arguments.value(0);
    if (c.arguments.size() != 1 ||
        (what != QLatin1String("nations") && what != QLatin1String("divisions")))
        return c.usageError(c.arguments.size() > 1
                                ? QStringLiteral("unexpected argument '%1'").arg(c.arguments[1])
                                : QStringLiteral("list what: nations or divisions?"));
    const std::optional<Catalogue> catalogue = c.load();
    if (!catalogue)
        return runErrorExitStatus;
    std::vector<std::pair<QString, QString>> rows;
    if (what == QLatin1String("nations")) {
        NationTicks one{};
        for (int n = 0; n < nationCount; ++n) {
            one.fill(false);
            one[n] = true;
            const int normal = clubCount(buildNationPool(*catalogue, one, DatabaseType::Normal));
            const int minimum = clubCount(buildNationPool(*catalogue, one, DatabaseType::Minimum));
            rows.emplace_back(
                nationName(static_cast<Nation>(n)),
                QStringLiteral("%1, %2 in Minimum").arg(plural(normal, "club")).arg(minimum));
        }
        std::sort(rows.begin(), rows.end());
    } else {
        const DivisionList list = collectDivisions(*catalogue);
        for (int i = 0; i < list.count(); ++i) {
            const int n =
                clubCount(buildDivisionPool(*catalogue, {list.keys[static_cast<std::size_t>(i)]}));
            rows.emplace_back(list.labels[static_cast<std::size_t>(i)], plural(n, "club"));
        }
    }
    printTable(rows, c.out);
    return 0;
}

} // namespace

Route routeOf(const QStringList& arguments) {
    Options any(std::nullopt);
    any.parser.parse(arguments);
    // Any command word counts, so that one after a Qt option's value
    // ("-style fusion draw") is not taken for a stray window argument.
    const QStringList positional = any.parser.positionalArguments();
    const bool namesCommand =
        std::any_of(positional.begin(), positional.end(),
                    [](const QString& a) { return commandNamed(a) != Command::None; });
    if (any.parser.isSet(any.help) || any.parser.isSet(any.version) || namesCommand)
        return Route::Console;
    Options window(Command::None);
    if (window.parser.parse(arguments) && window.parser.positionalArguments().isEmpty())
        return Route::Window;
    // What is left over may be Qt's (single-dash words such as -platform); the
    // window's own parse reports it once QApplication has taken Qt's out.
    const bool qtMayOwnIt =
        std::any_of(arguments.begin() + std::min<qsizetype>(1, arguments.size()), arguments.end(),
                    [](const QString& a) { return a.size() > 2 && a[0] == u'-' && a[1] != u'-'; });
    return qtMayOwnIt ? Route::Window : Route::Console;
}

std::optional<QString> windowCatalogue(const QStringList& arguments, QTextStream& err) {
    Options options(Command::None);
    if (!options.parser.parse(arguments)) {
        usageError(options, err, options.parser.errorText());
        return std::nullopt;
    }
    QString mistake = commonMistake(options);
    if (const QStringList rest = options.parser.positionalArguments(); !rest.isEmpty())
        mistake = unknownCommand(rest.first());
    if (!mistake.isEmpty()) {
        usageError(options, err, mistake);
        return std::nullopt;
    }
    return givenCatalogue(options);
}

int runConsole(const QStringList& arguments, const QString& programFolder, QTextStream& out,
               QTextStream& err) {
    Options any(std::nullopt);
    any.parser.parse(arguments);
    const QStringList found = any.parser.positionalArguments();
    const Command command = found.isEmpty() ? Command::None : commandNamed(found.first());

    Options options(command);
    if (!options.parser.parse(arguments))
        return usageError(options, err, options.parser.errorText());
    if (options.parser.isSet(options.help)) {
        out << options.helpText();
        return 0;
    }
    if (options.parser.isSet(options.version)) {
        out << programName << ' ' << QStringLiteral(CLUBDRAW_VERSION) << '\n';
        return 0;
    }
    QStringList rest = options.parser.positionalArguments();
    if (command == Command::None)
        return usageError(options, err,
                          rest.isEmpty() ? QStringLiteral("no command given")
                                         : unknownCommand(rest.first()));
    if (const QString mistake = commonMistake(options); !mistake.isEmpty())
        return usageError(options, err, mistake);
    rest.removeFirst();
    const Context context{options, rest, programFolder, out, err};
    switch (command) {
    case Command::Catalogue:
        return runCatalogue(context);
    case Command::Check:
        return runCheck(context);
    case Command::Draw:
        return runDraw(context);
    case Command::List:
        return runList(context);
    case Command::None:
        break;
    }
    return usageExitStatus;
}

} // namespace clubdraw
