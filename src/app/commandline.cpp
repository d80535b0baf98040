// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandline.h"

#include "command.h"
#include "exitstatus.h"
#include "terminaloutput.h"

#include "core/cataloguelocation.h"
#include "core/namesuggestion.h"
#include "core/programmessage.h"
#include "core/version.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

namespace clubdraw {

namespace {

// Qt's own texts in the help and in its messages about wrong arguments.
// Qt has no translation of them for every language the program speaks, so
// the program's own translations carry them too.
[[maybe_unused]] constexpr const char* qtTexts[] = {
    QT_TRANSLATE_NOOP("QCommandLineParser", "Options:"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Arguments:"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Missing value after '%1'."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Unexpected value after '%1'."),
};

// The options of the program itself, which every command takes too. The
// parsers and the first glance at the arguments read this one list.
class CommonOptions {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)

public:
    const QCommandLineOption help =
        described(QCommandLineOption(QStringList{QStringLiteral("h"), QStringLiteral("help")}),
                  tr("Show this help."));
    const QCommandLineOption version =
        described(QCommandLineOption(QStringLiteral("version")), tr("Show the version."));
    const QCommandLineOption catalogue = described(
        QCommandLineOption(QStringLiteral("catalogue"), QString(), QStringLiteral("FILE")),
        tr("Read FILE instead of the catalogue in use."));

    // Every one, in the order the help lists them.
    std::vector<const QCommandLineOption*> all() const { return {&help, &version, &catalogue}; }
    // Those that answer by themselves, whatever else is given.
    bool answersAlone(const QCommandLineOption& option) const {
        return &option == &help || &option == &version;
    }
};

// A parser for the program without a command, or for one command: each
// holds only its own options and the common ones, and parses once.
class Parser {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)

public:
    Parser() {
        prepare();
        QString description =
            tr("Draws a random football club to manage. Without a command it opens the\n"
               "window; the commands work without one:\n");
        for (const auto& command : commands())
            description += QStringLiteral("  %1%2\n")
                               .arg(command->synopsis().leftJustified(25), command->summary());
        description += tr("'clubdraw COMMAND --help' tells more.");
        m_parser.setApplicationDescription(description);
        QStringList names;
        for (const auto& command : commands())
            names << command->name();
        //: %1 names every command but the last, %2 the last
        const QString which =
            tr("%1 or %2.")
                .arg(names.mid(0, names.size() - 1).join(QStringLiteral(", ")), names.last());
        //: Stands for the name of a command in the help
        m_parser.addPositionalArgument(tr("command"), which, tr("[command]"));
    }

    explicit Parser(const Command& command) {
        prepare();
        command.describe(m_parser);
        for (const PositionalArgument& argument : command.positionalArguments())
            m_parser.addPositionalArgument(argument.name, argument.description, argument.syntax);
    }

    // Qt's parser, holding the options.
    QCommandLineParser& qtParser() { return m_parser; }
    const CommonOptions& common() const { return m_common; }

    // Qt names the program as it was started ("./clubdraw", a full path);
    // the help names it as the user knows it.
    QString helpText() const {
        QString text = m_parser.helpText();
        const QString options =
            u' ' + QCoreApplication::translate("QCommandLineParser", "[options]");
        const qsizetype at = text.indexOf(options);
        if (at > 0)
            text.replace(0, at,
                         QCoreApplication::translate("QCommandLineParser", "Usage: %1")
                             .arg(QLatin1String(programName)));
        return text;
    }
    // "Usage: clubdraw [options] ..."
    QString usage() const { return helpText().section(QLatin1Char('\n'), 0, 0); }

    int wrongArguments(QTextStream& err, const QString& message) const {
        return Console(err, err, usage()).wrongArguments(message);
    }

    // Why parse() failed. Qt names an unknown option without its dashes;
    // the user is shown it as typed.
    QString parseError(const QStringList& arguments) const {
        const QStringList unknown = m_parser.unknownOptionNames();
        if (unknown.isEmpty())
            return m_parser.errorText();
        QString typed = unknown.first();
        for (const QString& argument : arguments.mid(1)) {
            if (!argument.startsWith(u'-'))
                continue;
            QString name = argument.section(u'=', 0, 0);
            while (name.startsWith(u'-'))
                name.remove(0, 1);
            if (name == unknown.first()) {
                typed = argument.section(u'=', 0, 0);
                break;
            }
        }
        return tr("unknown option '%1'").arg(typed);
    }

    // Wrong arguments that every command shares, or an empty text.
    QString commonMistake() const {
        if (m_parser.isSet(m_common.catalogue) && m_parser.value(m_common.catalogue).isEmpty())
            return tr("--catalogue wants a file name");
        return {};
    }

    // --catalogue FILE, or empty for the catalogue in use.
    QString givenCatalogue() const {
        return m_parser.isSet(m_common.catalogue) ? m_parser.value(m_common.catalogue) : QString();
    }

private:
    void prepare() {
        m_parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        for (const QCommandLineOption* option : m_common.all())
            m_parser.addOption(*option);
    }

    CommonOptions m_common;
    QCommandLineParser m_parser;
};

QString unknownCommand(const QString& name) {
    QStringList names;
    for (const auto& command : commands())
        names << command->name();
    return QCoreApplication::translate("CommandLine", "unknown command '%1'%2")
        .arg(name, didYouMean(nearestName(name, names)));
}

// What the arguments say before any parser reads them. Only the program's
// own options are known here: a command's options are its parser's alone.
struct Glance {
    qsizetype commandAt = -1;   // the first word that names a command
    bool helpOrVersion = false; // -h, --help or --version
    bool forTheConsole = false; // a word or long option that is no Qt option's
};

// The common option that `word` names, or null.
const QCommandLineOption* commonOptionNamed(const CommonOptions& common, const QString& word) {
    QString name = word.section(u'=', 0, 0);
    while (name.startsWith(u'-'))
        name.remove(0, 1);
    for (const QCommandLineOption* option : common.all())
        if (option->names().contains(name))
            return option;
    return nullptr;
}

Glance glance(const QStringList& arguments) {
    const CommonOptions common;
    Glance seen;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& word = arguments[i];
        if (word.size() > 1 && word.startsWith(u'-')) {
            if (const QCommandLineOption* option = commonOptionNamed(common, word)) {
                if (common.answersAlone(*option))
                    seen.helpOrVersion = true;
                else if (!option->valueName().isEmpty() && !word.contains(u'='))
                    ++i; // its value, which may read like a command
            } else if (word.startsWith(QStringLiteral("--"))) {
                seen.forTheConsole = true;
            }
            continue;
        }
        if (commandNamed(word)) {
            if (seen.commandAt < 0)
                seen.commandAt = i;
            continue;
        }
        // A word after a single-dash option may be the value of one of Qt's
        // (-style fusion); the window's own parse reports it if not.
        const QString& before = arguments[i - 1];
        if (i == 1 || before.size() < 2 || before[0] != u'-' || before[1] == u'-')
            seen.forTheConsole = true;
    }
    return seen;
}

} // namespace

Route routeOf(const QStringList& arguments) {
    const Glance seen = glance(arguments);
    return seen.commandAt >= 0 || seen.helpOrVersion || seen.forTheConsole ? Route::Console
                                                                           : Route::Window;
}

std::optional<QString> windowCatalogue(const QStringList& arguments, QTextStream& err) {
    Parser window;
    if (!window.qtParser().parse(arguments)) {
        window.wrongArguments(err, window.parseError(arguments));
        return std::nullopt;
    }
    QString mistake = window.commonMistake();
    if (const QStringList rest = window.qtParser().positionalArguments(); !rest.isEmpty())
        mistake = unknownCommand(rest.first());
    if (!mistake.isEmpty()) {
        window.wrongArguments(err, mistake);
        return std::nullopt;
    }
    return window.givenCatalogue();
}

bool argumentsAreText(int argc, const char* const* argv, QTextStream& err) {
#ifdef Q_OS_UNIX
    for (int i = 1; i < argc; ++i) {
        const QByteArray bytes(argv[i]);
        if (QString::fromUtf8(bytes).toUtf8() == bytes)
            continue;
        err << programMessage(QCoreApplication::translate(
                                  "CommandLine", "the argument '%1' is not valid UTF-8, and a "
                                                 "path that is not cannot be opened")
                                  .arg(shownBytes(bytes)))
            << '\n';
        return false;
    }
#else
    // Windows hands the program UTF-16 text, which Qt reads whole.
    Q_UNUSED(argc)
    Q_UNUSED(argv)
    Q_UNUSED(err)
#endif
    return true;
}

int runConsole(const QStringList& arguments, const QString& programFolder, QTextStream& out,
               QTextStream& err) {
    const Glance seen = glance(arguments);
    const Command* command =
        seen.commandAt >= 0 ? commandNamed(arguments[seen.commandAt]) : nullptr;
    Parser parser = command ? Parser(*command) : Parser();
    QCommandLineParser& parsed = parser.qtParser();
    if (!parsed.parse(arguments))
        return parser.wrongArguments(err, parser.parseError(arguments));
    if (parsed.isSet(parser.common().help)) {
        out << parser.helpText();
        return exitStatus::success;
    }
    if (parsed.isSet(parser.common().version)) {
        out << programName << ' ' << version << '\n';
        return exitStatus::success;
    }
    QStringList rest = parsed.positionalArguments();
    if (!command)
        return parser.wrongArguments(
            err, rest.isEmpty() ? QCoreApplication::translate("CommandLine", "no command given")
                                : unknownCommand(rest.first()));
    if (const QString mistake = parser.commonMistake(); !mistake.isEmpty())
        return parser.wrongArguments(err, mistake);
    rest.removeOne(command->name());
    // The command's own name is the first of its positional arguments.
    if (const qsizetype most = qsizetype(command->positionalArguments().size()) - 1;
        rest.size() > most)
        return parser.wrongArguments(
            err,
            QCoreApplication::translate("CommandLine", "unexpected argument '%1'").arg(rest[most]));
    const Console console(out, err, parser.usage());
    return command->run({parsed, rest, {programFolder, parser.givenCatalogue()}}, console);
}

} // namespace clubdraw
