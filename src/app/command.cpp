// SPDX-License-Identifier: GPL-3.0-or-later
#include "command.h"

#include "exitstatus.h"

#include "core/printable.h"
#include "core/runerror.h"
#include "core/version.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QTextStream>

#include <algorithm>

namespace clubdraw {

Invocation::Invocation(const QCommandLineParser& parser, QStringList arguments, QString usage,
                       QString programFolder, QString givenCatalogue, QTextStream& out,
                       QTextStream& err)
    : m_parser(parser), m_arguments(std::move(arguments)), m_usage(std::move(usage)),
      m_programFolder(std::move(programFolder)), m_givenCatalogue(std::move(givenCatalogue)),
      m_out(out), m_err(err) {}

int reportWrongArguments(QTextStream& err, const QString& message, const QString& usage) {
    err << programName << ": " << printable(message) << '\n' << usage << '\n';
    return exitStatus::wrongArguments;
}

int Invocation::wrongArguments(const QString& message) const {
    return reportWrongArguments(m_err, message, m_usage);
}

int Invocation::failure(const QString& message) const {
    m_err << programName << ": " << printable(message) << '\n';
    return exitStatus::failure;
}

std::optional<int> Invocation::wholeNumber(const QCommandLineOption& option, int byDefault,
                                           int least, int most) const {
    if (!m_parser.isSet(option))
        return byDefault;
    const QString text = m_parser.value(option);
    const QString name = QStringLiteral("--") + option.names().constLast();
    bool ok = false;
    const qlonglong value = text.toLongLong(&ok);
    // Too many digits for any integer is still a number, and too large.
    const bool digitsOnly = !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) {
        return c >= u'0' && c <= u'9';
    });
    if ((ok && value > most) || (!ok && digitsOnly)) {
        wrongArguments(tr("%1 %2 is too large; the largest is %3").arg(name, text).arg(most));
        return std::nullopt;
    }
    if (!ok || value < least) {
        wrongArguments(
            tr("%1 wants a whole number from %2 up, not '%3'").arg(name).arg(least).arg(text));
        return std::nullopt;
    }
    return static_cast<int>(value);
}

std::optional<CatalogueFile> Invocation::findCatalogue() const {
    try {
        return clubdraw::findCatalogue(m_programFolder, m_givenCatalogue);
    } catch (const RunError& error) {
        failure(error.oneLine());
        return std::nullopt;
    }
}

std::optional<CatalogueFile> Invocation::locateCatalogue() const {
    try {
        return clubdraw::locateCatalogue(m_programFolder, m_givenCatalogue);
    } catch (const RunError& error) {
        failure(error.oneLine());
        return std::nullopt;
    }
}

std::optional<Catalogue> Invocation::loadCatalogue(QString* path) const {
    const std::optional<CatalogueFile> file = findCatalogue();
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

QCommandLineOption described(QCommandLineOption option, const QString& description) {
    option.setDescription(description);
    return option;
}

const std::vector<std::unique_ptr<Command>>& commands() {
    static const std::vector<std::unique_ptr<Command>> all = [] {
        std::vector<std::unique_ptr<Command>> list;
        list.push_back(makeCatalogueCommand());
        list.push_back(makeCheckCommand());
        list.push_back(makeDrawCommand());
        list.push_back(makeListCommand());
        return list;
    }();
    return all;
}

const Command* commandNamed(const QString& name) {
    for (const auto& command : commands())
        if (command->name() == name)
            return command.get();
    return nullptr;
}

} // namespace clubdraw
