// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace clubdraw {

// A character that a terminal obeys or that hides or reorders text: the C0
// and C1 controls, DEL, and the invisible format characters (bidirectional
// overrides and isolates, zero-width spaces and joiners, the byte-order
// mark). In a club's name it can drive the terminal or make one name pass
// for another.
bool isHiddenOrControl(char16_t u);

// Text bound for a terminal, catalogue text above all: such a character
// would break a one-line message or drive the terminal, so it shows as
// \xNN (up to U+00FF) or \uNNNN instead.
QString printable(const QString& text);

// A file's path as the user knows it: absolute, with the system's separators.
QString shownPath(const QString& path);

} // namespace clubdraw
