// SPDX-License-Identifier: GPL-3.0-or-later
#include "command.h"

#include "core/programmessage.h"
#include "core/runerror.h"
#include "core/version.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QTextStream>

#include <algorithm>

namespace clubdraw {

Console::Console(QTextStream& out, QTextStream& err, QString usage)
    : m_out(out), m_err(err), m_usage(std::move(usage)) {}

int Console::wrongArguments(const QString& message) const {
    m_err << programMessage(message) << '\n' << m_usage << '\n';
    return exitStatus::wrongArguments;
}

int Console::failure(const QString& message) const {
    m_err << programMessage(message) << '\n';
    return exitStatus::failure;
}

namespace {

// What `find` finds; nothing after reporting the RunError it throws.
template <typename Find>
auto reported(const Console& console, Find find) -> std::optional<decltype(find())> {
    try {
        return find();
    } catch (const RunError& error) {
        console.failure(error.oneLine());
        return std::nullopt;
    }
}

} // namespace

std::optional<CatalogueFile> cataloguePlaceOrReport(const CommonArguments& common,
                                                    const Console& console) {
    return reported(
        console, [&] { return findCataloguePlace(common.programFolder, common.givenCatalogue); });
}

std::optional<CatalogueFile> regularCatalogueFileOrReport(const CommonArguments& common,
                                                          const Console& console) {
    return reported(console, [&] {
        return findRegularCatalogueFile(common.programFolder, common.givenCatalogue);
    });
}

std::optional<LoadedCatalogue> loadCatalogueOrReport(const CommonArguments& common,
                                                     const Console& console) {
    const std::optional<CatalogueFile> file = regularCatalogueFileOrReport(common, console);
    if (!file)
        return std::nullopt;
    return reported(console, [&] {
        return LoadedCatalogue{file->path, Catalogue::load(file->path)};
    });
}

std::optional<int> wholeNumber(const QCommandLineParser& parsed, const QCommandLineOption& option,
                               int byDefault, int least, int most, const Console& console) {
    if (!parsed.isSet(option))
        return byDefault;
    const QString text = parsed.value(option);
    const QString name = QStringLiteral("--") + option.names().constLast();
    // Digits alone: no sign, no blanks, which toLongLong() would take.
    const bool digitsOnly = !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) {
        return c >= u'0' && c <= u'9';
    });
    bool ok = false;
    const qlonglong value = digitsOnly ? text.toLongLong(&ok) : 0;
    // Too many digits for any integer is still a number, and too large.
    if ((ok && value > most) || (!ok && digitsOnly)) {
        console.wrongArguments(
            QCoreApplication::translate("Command", "%1 %2 is too large; the largest is %3")
                .arg(name, text)
                .arg(most));
        return std::nullopt;
    }
    if (!ok || value < least) {
        console.wrongArguments(
            QCoreApplication::translate("Command", "%1 wants a whole number from %2 up, not '%3'")
                .arg(name)
                .arg(least)
                .arg(text));
        return std::nullopt;
    }
    return static_cast<int>(value);
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
