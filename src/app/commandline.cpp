// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandline.h"

#include "command.h"
#include "exitstatus.h"
#include "terminaloutput.h"

#include "core/languagechoice.h"
#include "core/namesuggestion.h"
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

// The options of the program itself, which every command takes too.
struct CommonOptions {
    const QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")}};
    const QCommandLineOption version{QStringLiteral("version")};
    const QCommandLineOption catalogue{QStringLiteral("catalogue"), QString(),
                                       QStringLiteral("FILE")};
    const QCommandLineOption language{QStringLiteral("language"), QString(),
                                      QStringLiteral("en|nb")};
};

// The options whose value is the next word.
bool takesValue(const QString& name) {
    return name == u"catalogue" || name == u"language";
}

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
    }

    QCommandLineParser& operator*() { return m_parser; }
    QCommandLineParser* operator->() { return &m_parser; }
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
        if (m_parser.isSet(m_common.language) && !languageNamed(m_parser.value(m_common.language)))
            return tr("--language wants en or nb, not '%1'").arg(m_parser.value(m_common.language));
        return {};
    }

    // --catalogue FILE, or empty for the catalogue in use.
    QString givenCatalogue() const {
        return m_parser.isSet(m_common.catalogue) ? m_parser.value(m_common.catalogue) : QString();
    }

private:
    void prepare() {
        m_parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        m_parser.addOptions(
            {described(m_common.help, tr("Show this help.")),
             described(m_common.version, tr("Show the version.")),
             described(m_common.catalogue, tr("Read FILE instead of the catalogue in use.")),
             described(m_common.language,
                       tr("Speak English (en) or Norwegian Bokmål (nb) this time."))});
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

Glance glance(const QStringList& arguments) {
    Glance seen;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& word = arguments[i];
        if (word.size() > 1 && word.startsWith(u'-')) {
            QString name = word.section(u'=', 0, 0);
            const bool isLong = name.startsWith(QStringLiteral("--"));
            while (name.startsWith(u'-'))
                name.remove(0, 1);
            if (name == u"h" || name == u"help" || name == u"version")
                seen.helpOrVersion = true;
            else if (takesValue(name) && !word.contains(u'='))
                ++i; // its value, which may read like a command
            else if (isLong)
                seen.forTheConsole = true;
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

std::optional<LanguageChoice> languageOption(const QStringList& arguments) {
    std::optional<LanguageChoice> chosen;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& word = arguments[i];
        if (word == u"--")
            break;
        if (word.size() < 2 || !word.startsWith(u'-'))
            continue;
        QString name = word.section(u'=', 0, 0);
        while (name.startsWith(u'-'))
            name.remove(0, 1);
        const bool joined = word.contains(u'=');
        if (name == u"language")
            chosen = languageNamed(joined ? word.section(u'=', 1) : arguments.value(i + 1));
        if (takesValue(name) && !joined)
            ++i;
    }
    return chosen;
}

std::optional<QString> windowCatalogue(const QStringList& arguments, QTextStream& err) {
    Parser window;
    if (!window->parse(arguments)) {
        window.wrongArguments(err, window.parseError(arguments));
        return std::nullopt;
    }
    QString mistake = window.commonMistake();
    if (const QStringList rest = window->positionalArguments(); !rest.isEmpty())
        mistake = unknownCommand(rest.first());
    if (!mistake.isEmpty()) {
        window.wrongArguments(err, mistake);
        return std::nullopt;
    }
    return window.givenCatalogue();
}

int runConsole(const QStringList& arguments, const QString& programFolder, QTextStream& out,
               QTextStream& err) {
    const Glance seen = glance(arguments);
    const Command* command =
        seen.commandAt >= 0 ? commandNamed(arguments[seen.commandAt]) : nullptr;
    Parser parser = command ? Parser(*command) : Parser();
    if (!parser->parse(arguments))
        return parser.wrongArguments(err, parser.parseError(arguments));
    if (parser->isSet(parser.common().help)) {
        out << parser.helpText();
        return exitStatus::success;
    }
    if (parser->isSet(parser.common().version)) {
        out << programName << ' ' << version << '\n';
        return exitStatus::success;
    }
    QStringList rest = parser->positionalArguments();
    if (!command)
        return parser.wrongArguments(
            err, rest.isEmpty() ? QCoreApplication::translate("CommandLine", "no command given")
                                : unknownCommand(rest.first()));
    if (const QString mistake = parser.commonMistake(); !mistake.isEmpty())
        return parser.wrongArguments(err, mistake);
    rest.removeOne(command->name());
    const Console console(out, err, parser.usage());
    return command->run(*parser, rest, {programFolder, parser.givenCatalogue()}, console);
}

} // namespace clubdraw
