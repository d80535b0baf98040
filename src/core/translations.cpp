// SPDX-License-Identifier: GPL-3.0-or-later
#include "translations.h"

#include "core/languagechoice.h"
#include "core/version.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace clubdraw {

namespace {

// The program's translation for the first of the user's languages that has
// one; English comes with its plural forms.
std::unique_ptr<QTranslator> programTranslation(const QStringList& languages) {
    auto translator = std::make_unique<QTranslator>();
    for (QString language : languages) {
        language.replace(u'-', u'_');
        QStringList names{language};
        // Nynorsk readers read Bokmål more easily than English.
        if (QLocale(language).language() == QLocale::NorwegianNynorsk)
            names << QStringLiteral("nb");
        for (const QString& name : names)
            if (translator->load(QLatin1String(programName) + u'_' + name,
                                 QStringLiteral(":/i18n")))
                return translator;
    }
    return nullptr;
}

} // namespace

Translators translationsFor(const QStringList& languages) {
    Translators list;
    std::unique_ptr<QTranslator> program = programTranslation(languages);
    // Qt's texts are in English already.
    if (program && QLocale(program->language()).language() != QLocale::English) {
        auto qt = std::make_unique<QTranslator>();
        if (qt->load(QLocale(program->language()), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            list.push_back(std::move(qt));
    }
    // The English plural forms ("1 club", "2 clubs") under any language.
    auto english = std::make_unique<QTranslator>();
    if (english->load(QStringLiteral(":/i18n/clubdraw_en.qm")))
        list.push_back(std::move(english));
    if (program)
        list.push_back(std::move(program));
    return list;
}

Translators translationsFor(const QLocale& locale) {
    return translationsFor(locale.uiLanguages());
}

void installTranslations(const QStringList& languages) {
    for (std::unique_ptr<QTranslator>& translator : translationsFor(languages)) {
        translator->setParent(QCoreApplication::instance());
        QCoreApplication::installTranslator(translator.release());
    }
}

void installTranslations() {
    installTranslations(chosenLanguages());
}

} // namespace clubdraw
