// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/catalogue.h"
#include "core/cataloguelocation.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <vector>

class QCommandLineOption;
class QCommandLineParser;
class QTextStream;

namespace clubdraw {

// What a command runs with besides its own options.
class Invocation {
    Q_DECLARE_TR_FUNCTIONS(Invocation)

public:
    Invocation(const QCommandLineParser& parser, QStringList arguments, QString usage,
               QString programFolder, QString givenCatalogue, QTextStream& out, QTextStream& err);

    const QCommandLineParser& parser() const { return m_parser; }
    // Positional, after the command's name.
    const QStringList& arguments() const { return m_arguments; }
    const QString& programFolder() const { return m_programFolder; }
    QTextStream& out() const { return m_out; }

    // Reports wrong arguments: one line naming the mistake, then the usage
    // line. Returns the exit status.
    int wrongArguments(const QString& message) const;
    // Reports why the command failed. Returns the exit status.
    int failure(const QString& message) const;

    // The option's whole number from `least` to `most`, `byDefault` when
    // it is not given; nothing after reporting a wrong one.
    std::optional<int> wholeNumber(const QCommandLineOption& option, int byDefault, int least,
                                   int most) const;

    // The catalogue in use: --catalogue FILE or the first one found.
    // Nothing after reporting that there is none.
    std::optional<CatalogueFile> findCatalogue() const;
    // The same without making sure it is a file that can be read.
    std::optional<CatalogueFile> locateCatalogue() const;
    // Loads it, its path into `path` when given; nothing after reporting why not.
    std::optional<Catalogue> loadCatalogue(QString* path = nullptr) const;

private:
    const QCommandLineParser& m_parser;
    QStringList m_arguments;
    QString m_usage;
    QString m_programFolder;
    QString m_givenCatalogue;
    QTextStream& m_out;
    QTextStream& m_err;
};

// Reports wrong arguments on `err`: one line naming the mistake, then the
// usage line. Returns the exit status.
int reportWrongArguments(QTextStream& err, const QString& message, const QString& usage);

// One command of the command line, with its options and help beside its code.
class Command {
public:
    virtual ~Command() = default;

    // As the user types it.
    virtual QString name() const = 0;
    // Its line in the program's help: how it is written, and what it does.
    virtual QString synopsis() const = 0;
    virtual QString summary() const = 0;
    // Puts its options, description and arguments on the parser.
    virtual void describe(QCommandLineParser& parser) const = 0;
    // Returns the exit status.
    virtual int run(const Invocation& call) const = 0;
};

// The option with its help, given when the help is made, in the language in use.
QCommandLineOption described(QCommandLineOption option, const QString& description);

std::unique_ptr<Command> makeCatalogueCommand();
std::unique_ptr<Command> makeCheckCommand();
std::unique_ptr<Command> makeDrawCommand();
std::unique_ptr<Command> makeListCommand();

// Every command, in the order the help lists them.
const std::vector<std::unique_ptr<Command>>& commands();
// The command of that name, or null.
const Command* commandNamed(const QString& name);

} // namespace clubdraw
