// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace clubdraw {

inline constexpr char catalogueFileName[] = "kortliste_eng.txt";

// Largest catalogue file that is read: far beyond any real catalogue
// (32,766 clubs take about 2 MB), small enough never to exhaust memory.
inline constexpr qint64 maxCatalogueBytes = 64LL * 1024 * 1024;

// The catalogue file's path in `folder`.
QString cataloguePathIn(const QString& folder);

// What may stand at a catalogue's path.
enum class AcceptedFiles {
    AnyReadable,      // a FIFO or device too, when the user names it
    RegularFilesOnly, // a file that was looked for: anything else would block or never end
};

// Throws what makes `path` no catalogue before it is opened: RunError
// FileNotFound when nothing is there; FileUnreadable for a link to nothing
// or a folder, and with RegularFilesOnly for anything but a regular file.
void requireCatalogueFile(const QString& path, AcceptedFiles accepted);

// The catalogue file's bytes: requireCatalogueFile(path, AnyReadable),
// then RunError FileUnreadable when it cannot be read and FileTooLarge past
// maxCatalogueBytes.
QByteArray readCatalogueFile(const QString& path);

// Reads and parses the catalogue file: the errors of readCatalogueFile(),
// then those of Catalogue::parse().
Catalogue loadCatalogue(const QString& path);

// Where a catalogue file comes from.
enum class CatalogueOrigin {
    Given,         // --catalogue FILE
    BesideProgram, // a portable copy or a build folder
    UserData,      // the user's own copy
    SystemData,    // the one installed with the program
};

struct CatalogueFile {
    QString path;
    CatalogueOrigin origin;
};

// On Unix, each of these throws RunError FileUnreadable when $HOME, $XDG_DATA_HOME or
// $XDG_DATA_DIRS is not valid UTF-8: Qt cannot name a path under it, and
// would use another.

// The places the program looks for its catalogue, in order: beside the
// program, the user's data folder ($XDG_DATA_HOME/clubdraw), the system
// data folders ($XDG_DATA_DIRS/*/clubdraw), and last the data folder of the
// installation the program belongs to, so a tree installed under any prefix
// works too. A folder that appears twice is listed once.
std::vector<CatalogueFile> catalogueCandidates(const QString& programFolder);

// The user's own data folder for the program, whether or not it exists yet:
// $XDG_DATA_HOME/clubdraw, or ~/.local/share/clubdraw. Empty when there is
// no usable one: a relative path is no place of the user's (it would move
// with the current folder), and neither is a home that is not set.
QString userDataFolder();

// The user's own copy in it, whether or not it exists yet; empty without one.
QString userCataloguePath();

// The catalogue that would be used: `given` when not empty, otherwise the
// first candidate where something is, even a link to nothing: a copy that
// is there but broken must fail, not give way to another with other clubs.
// Throws RunError FileNotFound naming every place tried.
CatalogueFile findCataloguePlace(const QString& programFolder, const QString& given = {});

// The same, and a found file must be a regular file (after links), or it is
// RunError FileUnreadable naming it.
CatalogueFile findRegularCatalogueFile(const QString& programFolder, const QString& given = {});

// Bytes meant as UTF-8 text, for a message: what is not UTF-8 shows as \xNN.
QString shownBytes(const QByteArray& bytes);

// Whether following the links from `path` leads back round without end.
bool isLinkLoop(const QString& path);

} // namespace clubdraw
