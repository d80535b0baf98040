// SPDX-License-Identifier: GPL-3.0-or-later
#include "languagechoice.h"

#include <QLocale>
#include <QSettings>

namespace clubdraw {

namespace {

const QString settingsKey = QStringLiteral("language");

} // namespace

QString languageCode(LanguageChoice choice) {
    switch (choice) {
    case LanguageChoice::English:
        return QStringLiteral("en");
    case LanguageChoice::NorwegianBokmal:
        return QStringLiteral("nb");
    case LanguageChoice::FollowSystem:
        break;
    }
    return {};
}

std::optional<LanguageChoice> languageNamed(const QString& code) {
    for (const LanguageChoice choice : {LanguageChoice::English, LanguageChoice::NorwegianBokmal})
        if (code == languageCode(choice))
            return choice;
    return std::nullopt;
}

LanguageChoice keptLanguage(const QSettings& settings) {
    return languageNamed(settings.value(settingsKey).toString())
        .value_or(LanguageChoice::FollowSystem);
}

void keepLanguage(QSettings& settings, LanguageChoice choice) {
    if (choice == LanguageChoice::FollowSystem)
        settings.remove(settingsKey);
    else
        settings.setValue(settingsKey, languageCode(choice));
    settings.sync();
}

QStringList chosenLanguages(std::optional<LanguageChoice> forThisStart, LanguageChoice kept,
                            const QString& languageVariable, const QStringList& systemLanguages) {
    const LanguageChoice choice = forThisStart.value_or(kept);
    if (choice != LanguageChoice::FollowSystem)
        return {languageCode(choice)};
    QStringList languages = languageVariable.split(u':', Qt::SkipEmptyParts);
    // Its entries are POSIX locale names; "nb_NO.UTF-8" is Bokmål.
    for (QString& language : languages)
        language = language.section(u'.', 0, 0).section(u'@', 0, 0);
    return languages + systemLanguages;
}

QStringList chosenLanguages(std::optional<LanguageChoice> forThisStart) {
    const QSettings settings;
    return chosenLanguages(forThisStart, keptLanguage(settings), qEnvironmentVariable("LANGUAGE"),
                           QLocale::system().uiLanguages());
}

} // namespace clubdraw
