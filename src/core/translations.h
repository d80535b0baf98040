// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QStringList>
#include <QTranslator>

#include <memory>
#include <vector>

namespace clubdraw {

using Translators = std::vector<std::unique_ptr<QTranslator>>;

// The translators for the languages, first choice first ("nb_NO", "en-GB"),
// in the order to install them (the last installed is asked first): the
// program's translation for the first of the languages that has one
// (Nynorsk readers get Bokmål), and Qt's own texts in that same language
// only, so nothing shows two languages at once. A language without a
// translation, or one that cannot be read, leaves the program wholly in
// English.
Translators translationsFor(const QStringList& languages);
Translators translationsFor(const QLocale& locale);

// Installs translationsFor(languages) on the running application, without a
// word when there is none. By default, the languages the user chose
// (languagechoice.h).
void installTranslations(const QStringList& languages);
void installTranslations();

} // namespace clubdraw
