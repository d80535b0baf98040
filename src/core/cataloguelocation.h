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

// The places the program looks for its catalogue, in order: beside the
// program, the user's data folder ($XDG_DATA_HOME/clubdraw), the system
// data folders ($XDG_DATA_DIRS/*/clubdraw), and last the data folder of the
// installation the program belongs to, so a tree installed under any prefix
// works too. A folder that appears twice is listed once.
std::vector<CatalogueFile> catalogueCandidates(const QString& programFolder);

// The user's own copy, whether or not it exists yet.
QString userCataloguePath();

// The catalogue in use: `given` when not empty, otherwise the first
// candidate that exists. Throws RunError 53 naming every place tried.
CatalogueFile findCatalogue(const QString& programFolder, const QString& given = {});

} // namespace clubdraw
