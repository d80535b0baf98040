// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <vector>

namespace clubdraw {

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

// On Unix, each of these throws RunError 75 when $HOME, $XDG_DATA_HOME or
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
// Throws RunError 53 naming every place tried.
CatalogueFile findCataloguePlace(const QString& programFolder, const QString& given = {});

// The same, and a found file must be a regular file (after links), or it is
// RunError 75 naming it.
CatalogueFile findRegularCatalogueFile(const QString& programFolder, const QString& given = {});

// Bytes meant as UTF-8 text, for a message: what is not UTF-8 shows as \xNN.
QString shownBytes(const QByteArray& bytes);

// Whether following the links from `path` leads back round without end.
bool isLinkLoop(const QString& path);

} // namespace clubdraw
