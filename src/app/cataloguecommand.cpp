// SPDX-License-Identifier: GPL-3.0-or-later
#include "command.h"
#include "exitstatus.h"

#include "core/cataloguecheck.h"
#include "core/printable.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QTextStream>

#include <filesystem>

namespace clubdraw {

namespace {

// Makes the folder and those above it; the reason it cannot, or empty.
QString madeFolder(const QString& folder) {
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(folder.toStdU16String()), error);
    return error ? QString::fromLocal8Bit(error.message()) : QString();
}

// What the catalogue command is asked for.
struct CatalogueOptions {
    bool copy = false;
    bool force = false;
};

// `clubdraw catalogue [--copy [--force]]`: where the catalogue in use is,
// and a copy of it for the user to edit.
class CatalogueCommand final : public CommandWith<CatalogueOptions> {
    Q_DECLARE_TR_FUNCTIONS(CatalogueCommand)

public:
    QString name() const override { return QStringLiteral("catalogue"); }
    QString synopsis() const override { return QStringLiteral("catalogue [--copy]"); }
    QString summary() const override {
        return tr("show the catalogue in use, or make your own copy");
    }

    void describe(QCommandLineParser& parser) const override {
        // The places are the system's own, as catalogueCandidates() finds them.
#ifdef Q_OS_WIN
        parser.setApplicationDescription(
            tr("Prints the path of the catalogue in use: the first kortliste_eng.txt found\n"
               "  1. as given with --catalogue FILE;\n"
               "  2. beside the program;\n"
               "  3. in your data folder, %LOCALAPPDATA%\\clubdraw;\n"
               "  4. in the system's, %ProgramData%\\clubdraw (and the clubdraw and\n"
               "     data\\clubdraw folders in the program's folder);\n"
               "  5. in ..\\share\\clubdraw beside the program's folder, where the installer\n"
               "     puts it.\n"
               "--copy puts a copy of it in your data folder, to edit; from then on the window\n"
               "and every command read your copy."));
#else
        parser.setApplicationDescription(
            tr("Prints the path of the catalogue in use: the first kortliste_eng.txt found\n"
               "  1. as given with --catalogue FILE;\n"
               "  2. beside the program;\n"
               "  3. in your data folder, $XDG_DATA_HOME/clubdraw (~/.local/share/clubdraw);\n"
               "  4. in the system's, $XDG_DATA_DIRS/*/clubdraw (/usr/local/share/clubdraw,\n"
               "     then /usr/share/clubdraw);\n"
               "  5. in ../share/clubdraw beside the program's folder.\n"
               "--copy puts a copy of it in your data folder, to edit; from then on the window\n"
               "and every command read your copy."));
#endif
        parser.addOptions(
            {described(m_copy,
                       tr("Copy the catalogue in use into your data folder and print the copy's "
                          "path.")),
             described(m_force,
                       tr("With --copy: replace a copy you already have (your edits are lost)."))});
    }

    std::vector<PositionalArgument> positionalArguments() const override {
        return {{name(), tr("Show or copy the catalogue."), {}}};
    }

protected:
    std::optional<CatalogueOptions> readOptions(const Invocation& invocation,
                                                const Console& console) const override {
        const CatalogueOptions options{invocation.parsed.isSet(m_copy),
                                       invocation.parsed.isSet(m_force)};
        if (options.force && !options.copy) {
            console.wrongArguments(tr("--force goes with --copy"));
            return std::nullopt;
        }
        return options;
    }

    int act(const CatalogueOptions& options, const CommonArguments& common,
            const Console& console) const override {
        if (options.copy)
            return copyCatalogue(common, options.force, console);
        const std::optional<CatalogueFile> inUse = regularCatalogueFileOrReport(common, console);
        if (!inUse)
            return exitStatus::failure;
        console.out() << printable(shownPath(inUse->path)) << '\n';
        return exitStatus::success;
    }

private:
    int copyCatalogue(const CommonArguments& common, bool force, const Console& console) const {
        QString target;
        try {
            target = userCataloguePath();
        } catch (const RunError& error) {
            return console.failure(error.oneLine());
        }
        if (target.isEmpty())
            return console.failure(tr("you have no data folder of your own to copy into: set HOME, "
                                      "or XDG_DATA_HOME, to a full path; nothing copied"));
        // --force may replace a broken copy of one's own, so it takes the
        // copy as it lies; without it, a broken copy is the error to report.
        const std::optional<CatalogueFile> inUse =
            force ? cataloguePlaceOrReport(common, console)
                  : regularCatalogueFileOrReport(common, console);
        if (!inUse)
            return exitStatus::failure;
        if (inUse->origin == CatalogueOrigin::BesideProgram)
            return console.failure(tr("the catalogue in use, %1, lies beside the program "
                                      "and is the one to edit; nothing copied")
                                       .arg(shownPath(inUse->path)));
        // Only the catalogue beside the program comes before one's own copy.
        if (const QString beside = besideProgram(common.programFolder); !beside.isEmpty())
            return console.failure(tr("%1 lies beside the program and is read before your own "
                                      "copy, so a copy would never be used; edit that file "
                                      "instead; nothing copied")
                                       .arg(shownPath(beside)));
        const QFileInfo existing(target);
        QString source = inUse->path;
        if (inUse->origin == CatalogueOrigin::UserData) {
            // A fresh copy over one's own copy starts again from the
            // catalogue installed with the program.
            if (!force)
                return console.failure(tr("%1 is already your own copy and the one in "
                                          "use; edit it, or add --force to replace it "
                                          "with the installed catalogue")
                                           .arg(shownPath(target)));
            source = installedCatalogue(common.programFolder);
            if (source.isEmpty())
                return console.failure(
                    tr("no installed catalogue to replace %1 with").arg(shownPath(target)));
        } else if ((existing.exists() || existing.isSymLink()) && !force) {
            return console.failure(tr("%1 already exists; add --force to replace it "
                                      "(your edits in it are lost)")
                                       .arg(shownPath(target)));
        }

        // A copy that links elsewhere is replaced where it really lies, and
        // that file is named; a link to nothing may be a medium not mounted.
        QString written = target;
        if (existing.isSymLink()) {
            if (isLinkLoop(target))
                return console.failure(tr("%1 is a link that leads round in a loop; remove the "
                                          "link; nothing copied")
                                           .arg(shownPath(target)));
            if (!existing.exists())
                return console.failure(
                    tr("%1 is a link to %2, which is missing; mount it or "
                       "remove the link; nothing copied")
                        .arg(shownPath(target), shownPath(existing.symLinkTarget())));
            written = existing.canonicalFilePath();
            if (!QFileInfo(written).isFile())
                return console.failure(tr("%1 is a link to %2, which is not a regular file; "
                                          "remove the link; nothing copied")
                                           .arg(shownPath(target), shownPath(written)));
        }
        if (QFileInfo::exists(written) && !QFileInfo(written).isFile())
            return console.failure(
                tr("%1 is not a regular file; remove it; nothing copied").arg(shownPath(written)));

        QByteArray bytes;
        try {
            bytes = Catalogue::readFile(source);
        } catch (const RunError& error) {
            return console.failure(error.oneLine());
        }
        // A copy that loads no clubs would stop every later draw.
        if (const QString why = firstError(checkCatalogue(QByteArrayView(bytes)), source);
            !why.isEmpty())
            return console.failure(tr("%1; nothing copied").arg(why));
        const QString folder = QFileInfo(written).absolutePath();
        if (const QString why = madeFolder(folder); !why.isEmpty())
            return console.failure(
                tr("cannot make the folder %1: %2; nothing copied").arg(shownPath(folder), why));
        // Written whole or not at all: a failed copy never leaves half a catalogue.
        QSaveFile file(written);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
            return console.failure(tr("cannot write %1: %2; nothing copied")
                                       .arg(shownPath(written), file.errorString()));
        console.out() << printable(shownPath(written)) << '\n';
        return exitStatus::success;
    }

    // The catalogue beside the program, when one lies there; empty otherwise.
    static QString besideProgram(const QString& programFolder) {
        try {
            const CatalogueFile found = findCataloguePlace(programFolder);
            return found.origin == CatalogueOrigin::BesideProgram ? found.path : QString();
        } catch (const RunError&) {
            return {}; // none anywhere
        }
    }

    // The first error `check` would report for the file, as it reports it;
    // empty when there is none.
    static QString firstError(const CheckReport& report, const QString& path) {
        for (const CheckFinding& finding : report.findings) {
            if (finding.kind != CheckFinding::Kind::Error)
                continue;
            QString where = shownPath(path);
            if (finding.line > 0)
                where += u':' + QString::number(finding.line);
            return where + QStringLiteral(": ") + finding.text;
        }
        return {};
    }

    static QString installedCatalogue(const QString& programFolder) {
        for (const CatalogueFile& candidate : catalogueCandidates(programFolder))
            if (candidate.origin == CatalogueOrigin::SystemData &&
                QFileInfo(candidate.path).isFile())
                return candidate.path;
        return {};
    }

    const QCommandLineOption m_copy{QStringLiteral("copy")};
    const QCommandLineOption m_force{QStringLiteral("force")};
};

} // namespace

std::unique_ptr<Command> makeCatalogueCommand() {
    return std::make_unique<CatalogueCommand>();
}

} // namespace clubdraw
