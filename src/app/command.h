// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exitstatus.h"

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

// Where a command reports to: its output, and one line on stderr for a
// mistake in the arguments or a failure.
class Console {
public:
    Console(QTextStream& out, QTextStream& err, QString usage);

    QTextStream& out() const { return m_out; }
    // One line naming the mistake, then the usage line. Returns the exit status.
    int wrongArguments(const QString& message) const;
    // One line saying why the command failed. Returns the exit status.
    int failure(const QString& message) const;

private:
    QTextStream& m_out;
    QTextStream& m_err;
    QString m_usage;
};

// What every command takes besides its own options.
struct CommonArguments {
    QString programFolder;
    QString givenCatalogue; // --catalogue FILE; empty for the catalogue in use
};

// What the command line gave one command.
struct Invocation {
    const QCommandLineParser& parsed; // its options, parsed
    QStringList arguments;            // the words after its name, no more than it declares
    CommonArguments common;
};

// A word that a command takes on the command line. Each command declares
// its own as data: the help lists them, and the command line refuses a word
// past the last of them before the command sees any.
struct PositionalArgument {
    QString name;        // in the help's list of arguments
    QString description; // beside it there
    QString syntax;      // in the usage line; empty: as the name
};

// One command of the command line, with its options and help beside its code.
class Command {
public:
    virtual ~Command() = default;

    // As the user types it.
    virtual QString name() const = 0;
    // Its line in the program's help: how it is written, and what it does.
    virtual QString synopsis() const = 0;
    virtual QString summary() const = 0;
    // Puts its description and options on the parser.
    virtual void describe(QCommandLineParser& parser) const = 0;
    // Its positional arguments in order, the first its own name.
    virtual std::vector<PositionalArgument> positionalArguments() const = 0;
    // Reads its options and acts on them. Returns the exit status.
    virtual int run(const Invocation& invocation, const Console& console) const = 0;
};

// Every command has this one shape: it reads what it was given into its
// `Options`, reporting wrong arguments, and then acts on them.
template <typename Options> class CommandWith : public Command {
public:
    int run(const Invocation& invocation, const Console& console) const final {
        const std::optional<Options> options = readOptions(invocation, console);
        if (!options)
            return exitStatus::wrongArguments;
        return act(*options, invocation.common, console);
    }

protected:
    // Nothing after reporting wrong arguments.
    virtual std::optional<Options> readOptions(const Invocation& invocation,
                                               const Console& console) const = 0;
    // Returns the exit status.
    virtual int act(const Options& options, const CommonArguments& common,
                    const Console& console) const = 0;
};

// The catalogue in use, as the commands report it. Each gives nothing after
// saying why it cannot: the place where something lies, whatever it is
// (findCataloguePlace()); a regular file there (findRegularCatalogueFile());
// that file loaded.
std::optional<CatalogueFile> cataloguePlaceOrReport(const CommonArguments& common,
                                                    const Console& console);
std::optional<CatalogueFile> regularCatalogueFileOrReport(const CommonArguments& common,
                                                          const Console& console);
struct LoadedCatalogue {
    QString path;
    Catalogue catalogue;
};
std::optional<LoadedCatalogue> loadCatalogueOrReport(const CommonArguments& common,
                                                     const Console& console);

// The option's whole number from `least` to `most`, `byDefault` when it is
// not given; nothing after reporting a wrong one.
std::optional<int> wholeNumber(const QCommandLineParser& parsed, const QCommandLineOption& option,
                               int byDefault, int least, int most, const Console& console);

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
