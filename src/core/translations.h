// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>

namespace clubdraw {

// Installs on the running application the program's translation for the
// locale's languages, and Qt's own for its standard texts. A language
// without a translation, or a translation that cannot be read, leaves the
// program in English, without a word.
void installTranslations(const QLocale& locale = QLocale::system());

} // namespace clubdraw
