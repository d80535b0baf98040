// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/catalogue.h"

#include <QString>

// The catalogue reader as it was before the byte-based CatalogueReader,
// for the benchmark's side-by-side timing only.
namespace clubdraw::previous {

Catalogue parse(const QString& text, const QString& source = {});
Catalogue load(const QString& path);

} // namespace clubdraw::previous
