// SPDX-License-Identifier: GPL-3.0-or-later
#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace clubdraw {

namespace {

template <typename Load> void install(Load load) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (load(*translator))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

} // namespace

void installTranslations(const QLocale& locale) {
    // The last installed is asked first: Qt's own texts, then the English
    // plural forms ("1 club", "2 clubs"), then the language's own.
    install([&](QTranslator& t) {
        return t.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    });
    install([](QTranslator& t) { return t.load(QStringLiteral(":/i18n/clubdraw_en.qm")); });
    install([&](QTranslator& t) {
        return t.load(locale, QStringLiteral("clubdraw"), QStringLiteral("_"),
                      QStringLiteral(":/i18n"));
    });
}

} // namespace clubdraw
