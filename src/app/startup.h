#pragma once

#include <QString>

#include <memory>

namespace clubdraw {

class frm_cmtrekning;

// Loads the catalogue from `program_folder` and builds the main window,
// not yet shown. When the catalogue cannot be read it reports the error
// and returns null: no window is ever shown.
std::unique_ptr<frm_cmtrekning> start_up(const QString& program_folder);

} // namespace clubdraw
