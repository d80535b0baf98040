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
    // Reads its options from the arguments parsed with them and acts on
    // them; `arguments` are the positional ones but its name. Returns the
    // exit status.
    virtual int run(const QCommandLineParser& parsed, const QStringList& arguments,
                    const CommonArguments& common, const Console& console) const = 0;
};

// The catalogue in use, as the commands report it: nothing after saying
// why there is none.
std::optional<CatalogueFile> findCatalogue(const CommonArguments& common, const Console& console);
// The same without making sure it is a file that can be read.
std::optional<CatalogueFile> locateCatalogue(const CommonArguments& common, const Console& console);

struct LoadedCatalogue {
    QString path;
    Catalogue catalogue;
};
// The catalogue in use, loaded; nothing after saying why it cannot be.
std::optional<LoadedCatalogue> loadCatalogue(const CommonArguments& common, const Console& console);

// A command on the catalogue's clubs: it reads its options into `Options`,
// the catalogue is loaded here, once for all such commands, and then it acts.
template <typename Options> class ClubsCommand : public Command {
public:
    int run(const QCommandLineParser& parsed, const QStringList& arguments,
            const CommonArguments& common, const Console& console) const final {
        const std::optional<Options> options = readOptions(parsed, arguments, console);
        if (!options)
            return exitStatus::wrongArguments;
        const std::optional<LoadedCatalogue> loaded = loadCatalogue(common, console);
        if (!loaded)
            return exitStatus::failure;
        return act(*options, *loaded, console);
    }

protected:
    // Nothing after reporting wrong arguments.
    virtual std::optional<Options> readOptions(const QCommandLineParser& parsed,
                                               const QStringList& arguments,
                                               const Console& console) const = 0;
    virtual int act(const Options& options, const LoadedCatalogue& loaded,
                    const Console& console) const = 0;
};

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
