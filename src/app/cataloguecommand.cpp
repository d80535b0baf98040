// SPDX-License-Identifier: GPL-3.0-or-later
#include "command.h"
#include "exitstatus.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QTextStream>

namespace clubdraw {

namespace {

QString shown(const QString& path) {
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

// `clubdraw catalogue [--copy [--force]]`: where the catalogue in use is,
// and a copy of it for the user to edit.
class CatalogueCommand final : public Command {
    Q_DECLARE_TR_FUNCTIONS(CatalogueCommand)

public:
    QString name() const override { return QStringLiteral("catalogue"); }
    QString synopsis() const override { return QStringLiteral("catalogue [--copy]"); }
    QString summary() const override {
        return tr("show the catalogue in use, or make your own copy");
    }

    void describe(QCommandLineParser& parser) const override {
        parser.setApplicationDescription(
            tr("Prints the path of the catalogue in use: the first kortliste_eng.txt found\n"
               "beside the program, in your data folder (~/.local/share/clubdraw) or in the\n"
               "system's (/usr/share/clubdraw). --copy puts a copy of it in your data folder,\n"
               "to edit; from then on the window and every command read your copy."));
        parser.addPositionalArgument(name(), tr("Show or copy the catalogue."));
        parser.addOptions(
            {described(m_copy,
                       tr("Copy the catalogue in use into your data folder and print the copy's "
                          "path.")),
             described(m_force,
                       tr("With --copy: replace a copy you already have (your edits are lost)."))});
    }

    int run(const Invocation& call) const override {
        if (!call.arguments().isEmpty())
            return call.wrongArguments(
                tr("unexpected argument '%1'").arg(call.arguments().first()));
        const bool copy = call.parser().isSet(m_copy);
        if (call.parser().isSet(m_force) && !copy)
            return call.wrongArguments(tr("--force goes with --copy"));
        const std::optional<CatalogueFile> inUse = call.findCatalogue();
        if (!inUse)
            return exitStatus::failure;
        if (copy)
            return copyCatalogue(call, *inUse);
        call.out() << shown(inUse->path) << '\n';
        return exitStatus::success;
    }

private:
    int copyCatalogue(const Invocation& call, const CatalogueFile& inUse) const {
        if (inUse.origin == CatalogueOrigin::BesideProgram)
            return call.failure(tr("the catalogue in use, %1, lies beside the program "
                                   "and is the one to edit; nothing copied")
                                    .arg(shown(inUse.path)));
        const QString target = userCataloguePath();
        const bool force = call.parser().isSet(m_force);
        QString source = inUse.path;
        if (shown(source) == shown(target)) {
            // A fresh copy over one's own copy starts again from the
            // catalogue installed with the program.
            if (!force)
                return call.failure(tr("%1 is already your own copy and the one in "
                                       "use; edit it, or add --force to replace it "
                                       "with the installed catalogue")
                                        .arg(shown(target)));
            source = installedCatalogue(call.programFolder());
            if (source.isEmpty())
                return call.failure(
                    tr("no installed catalogue to replace %1 with").arg(shown(target)));
        } else if (QFileInfo::exists(target) && !force) {
            return call.failure(tr("%1 already exists; add --force to replace it "
                                   "(your edits in it are lost)")
                                    .arg(shown(target)));
        }

        QByteArray bytes;
        try {
            bytes = Catalogue::readFile(source);
        } catch (const RunError& error) {
            return call.failure(error.oneLine());
        }
        const QString folder = QFileInfo(target).absolutePath();
        if (!QDir().mkpath(folder))
            return call.failure(tr("cannot make the folder %1; nothing copied").arg(shown(folder)));
        // Written whole or not at all: a failed copy never leaves half a catalogue.
        QSaveFile file(target);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
            return call.failure(
                tr("cannot write %1: %2; nothing copied").arg(shown(target), file.errorString()));
        call.out() << shown(target) << '\n';
        return exitStatus::success;
    }

    static QString installedCatalogue(const QString& programFolder) {
        for (const CatalogueFile& candidate : catalogueCandidates(programFolder))
            if (candidate.origin == CatalogueOrigin::SystemData &&
                QFileInfo::exists(candidate.path))
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
