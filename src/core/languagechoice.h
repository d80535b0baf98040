// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class QSettings;

namespace clubdraw {

// The language the user chose for the program. It is kept per user and
// read at start-up: the windows are built once, in one language.
enum class LanguageChoice { FollowSystem, English, NorwegianBokmal };

// As --language takes it and the settings keep it: "en" and "nb".
// FollowSystem has no code.
QString languageCode(LanguageChoice choice);
// English or Bokmål for their code; nothing for any other text.
std::optional<LanguageChoice> languageNamed(const QString& code);

// The kept choice. None kept, or a value this version does not know,
// follows the system.
LanguageChoice keptLanguage(const QSettings& settings);
void keepLanguage(QSettings& settings, LanguageChoice choice);

// The languages to look for a translation in, first choice first: the one
// chosen for this start (--language), else the kept one, else those of the
// LANGUAGE variable ("nb_NO:en"), then the system's. Qt reads LANGUAGE on
// Unix only; Windows users get it too.
QStringList chosenLanguages(std::optional<LanguageChoice> forThisStart, LanguageChoice kept,
                            const QString& languageVariable, const QStringList& systemLanguages);

// chosenLanguages() for this user, this environment and this system.
QStringList chosenLanguages(std::optional<LanguageChoice> forThisStart = std::nullopt);

} // namespace clubdraw
