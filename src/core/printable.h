// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

namespace clubdraw {

// A character that a terminal obeys or that hides or reorders text: the C0
// and C1 controls, DEL, the line and paragraph separators, and every format
// character (bidirectional controls, zero-width spaces and joiners, the soft
// hyphen, the byte-order mark, tags, ...). In a club's name it can drive the
// terminal or make one name pass for another.
bool isHiddenOrControl(char32_t code);

// Where such a character stands in UTF-16 text, and how many units it takes.
struct HiddenCharacter {
    qsizetype at = -1; // -1: none
    qsizetype size = 0;
    char32_t code = 0;
};
// The first one at or after `from`. A joiner between two emoji and the tags
// of an emoji's tag sequence (a flag such as England's) are part of the
// emoji, not hidden.
HiddenCharacter findHidden(QStringView text, qsizetype from = 0);

// "U+001B", "U+E0001": a character's code as Unicode writes it.
QString characterCode(char32_t code);

// Text bound for a terminal, catalogue text above all: such a character
// would break a one-line message or drive the terminal, so it shows as
// \xNN (up to U+00FF), \uNNNN or \UNNNNNNNN instead.
QString printable(const QString& text);

// A file's path as the user knows it: absolute, with the system's separators.
QString shownPath(const QString& path);

} // namespace clubdraw
