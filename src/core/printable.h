// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace clubdraw {

// Text bound for a terminal, catalogue text above all: a control character
// (a line end inside quotes, an escape sequence) would break a one-line
// message or drive the terminal, so it shows as \xNN instead.
QString printable(const QString& text);

} // namespace clubdraw
