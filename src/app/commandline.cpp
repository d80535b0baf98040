// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandline.h"

#include "command.h"
#include "exitstatus.h"
#include "terminaloutput.h"

#include "core/namesuggestion.h"
#include "core/printable.h"
#include "core/version.h"

#include <QCommandLineParser>
#include <QTextStream>

#include <algorithm>

namespace clubdraw {

namespace {

// The options of the program itself, which every command takes too.
struct CommonOptions {
    const QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help.")};
    const QCommandLineOption version{QStringLiteral("version"),
                                     QStringLiteral("Show the version.")};
    const QCommandLineOption catalogue{QStringLiteral("catalogue"),
                                       QStringLiteral("Read FILE instead of the catalogue in use."),
                                       QStringLiteral("FILE")};
};

// A parser for the program (no command), for one command, or, to find
// which command the arguments name, for every command at once.
class Parser {
public:
    enum class For { Program, AllCommands };

    explicit Parser(For what) {
        prepare();
        if (what == For::AllCommands) {
            for (const auto& command : commands())
                command->describe(m_parser);
            return;
        }
        QString description = QStringLiteral(
            "Draws a random football club to manage. Without a command it opens the\n"
            "window; the commands work without one:\n");
        for (const auto& command : commands())
            description += QStringLiteral("  %1%2\n")
                               .arg(command->synopsis().leftJustified(25), command->summary());
        description += QStringLiteral("'clubdraw COMMAND --help' tells more.");
        m_parser.setApplicationDescription(description);
        QStringList names;
        for (const auto& command : commands())
            names << command->name();
        m_parser.addPositionalArgument(QStringLiteral("command"),
                                       names.mid(0, names.size() - 1).join(QStringLiteral(", ")) +
                                           QStringLiteral(" or ") + names.last() + u'.',
                                       QStringLiteral("[command]"));
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
        const qsizetype options = text.indexOf(QLatin1String(" [options]"));
        if (options > 0)
            text.replace(0, options, QStringLiteral("Usage: clubdraw"));
        return text;
    }
    // "Usage: clubdraw [options] ..."
    QString usage() const { return helpText().section(QLatin1Char('\n'), 0, 0); }

    int wrongArguments(QTextStream& err, const QString& message) const {
        err << "clubdraw: " << printable(message) << '\n' << usage() << '\n';
        return exitStatus::wrongArguments;
    }

    // Wrong arguments that every command shares, or an empty text.
    QString commonMistake() const {
        if (m_parser.isSet(m_common.catalogue) && m_parser.value(m_common.catalogue).isEmpty())
            return QStringLiteral("--catalogue wants a file name");
        return {};
    }

    // --catalogue FILE, or empty for the catalogue in use.
    QString givenCatalogue() const {
        return m_parser.isSet(m_common.catalogue) ? m_parser.value(m_common.catalogue) : QString();
    }

private:
    void prepare() {
        m_parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        m_parser.addOptions({m_common.help, m_common.version, m_common.catalogue});
    }

    CommonOptions m_common;
    QCommandLineParser m_parser;
};

QString unknownCommand(const QString& name) {
    QStringList names;
    for (const auto& command : commands())
        names << command->name();
    return QStringLiteral("unknown command '%1'%2").arg(name, didYouMean(nearestName(name, names)));
}

// The first positional argument that names a command, or null.
const Command* namedCommand(const QStringList& arguments, bool anywhere) {
    Parser any(Parser::For::AllCommands);
    any->parse(arguments);
    const QStringList positional = any->positionalArguments();
    for (const QString& word : positional) {
        if (const Command* command = commandNamed(word))
            return command;
        if (!anywhere)
            break;
    }
    return nullptr;
}

} // namespace

Route routeOf(const QStringList& arguments) {
    Parser any(Parser::For::AllCommands);
    any->parse(arguments);
    // Any command word counts, so that one after a Qt option's value
    // ("-style fusion draw") is not taken for a stray window argument.
    if (any->isSet(any.common().help) || any->isSet(any.common().version) ||
        namedCommand(arguments, true))
        return Route::Console;
    Parser window(Parser::For::Program);
    if (window->parse(arguments) && window->positionalArguments().isEmpty())
        return Route::Window;
    // What is left over may be Qt's (single-dash words such as -platform); the
    // window's own parse reports it once QApplication has taken Qt's out.
    const bool qtMayOwnIt =
        std::any_of(arguments.begin() + std::min<qsizetype>(1, arguments.size()), arguments.end(),
                    [](const QString& a) { return a.size() > 2 && a[0] == u'-' && a[1] != u'-'; });
    return qtMayOwnIt ? Route::Window : Route::Console;
}

std::optional<QString> windowCatalogue(const QStringList& arguments, QTextStream& err) {
    Parser window(Parser::For::Program);
    if (!window->parse(arguments)) {
        window.wrongArguments(err, window->errorText());
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
    const Command* command = namedCommand(arguments, false);
    Parser parser = command ? Parser(*command) : Parser(Parser::For::Program);
    if (!parser->parse(arguments))
        return parser.wrongArguments(err, parser->errorText());
    if (parser->isSet(parser.common().help)) {
        out << parser.helpText();
        return exitStatus::success;
    }
    if (parser->isSet(parser.common().version)) {
        out << "clubdraw " << version << '\n';
        return exitStatus::success;
    }
    QStringList rest = parser->positionalArguments();
    if (!command)
        return parser.wrongArguments(err, rest.isEmpty() ? QStringLiteral("no command given")
                                                         : unknownCommand(rest.first()));
    if (const QString mistake = parser.commonMistake(); !mistake.isEmpty())
        return parser.wrongArguments(err, mistake);
    rest.removeFirst();
    const Invocation call(*parser, rest, parser.usage(), programFolder, parser.givenCatalogue(),
                          out, err);
    return command->run(call);
}

} // namespace clubdraw
