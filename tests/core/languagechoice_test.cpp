// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/languagechoice.h"
#include "core/translations.h"

#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace clubdraw;

namespace {

using enum LanguageChoice;

// What another version wrote, or a hand-edited file, must not stop the program.
TEST(LanguageChoice, isKeptPerUserAndAnythingElseFollowsTheSystem) {
    const QTemporaryDir folder;
    QSettings settings(folder.filePath(QStringLiteral("clubdraw.conf")), QSettings::IniFormat);
    for (const LanguageChoice choice : {NorwegianBokmal, English, FollowSystem}) {
        keepLanguage(settings, choice);
        EXPECT_EQ(keptLanguage(QSettings(settings.fileName(), QSettings::IniFormat)), choice);
    }
    for (const QVariant& broken : {QVariant(QStringLiteral("de")), QVariant(QStringLiteral("NB")),
                                   QVariant(7), QVariant(QStringList{{"nb"}, {"en"}})}) {
        settings.setValue(QStringLiteral("language"), broken);
        EXPECT_EQ(keptLanguage(settings), FollowSystem) << broken.toString().toStdString();
    }
}

TEST(LanguageChoice, theOptionBeforeTheKeptChoiceBeforeLanguageBeforeTheSystem) {
    const struct {
        std::optional<LanguageChoice> option;
        LanguageChoice kept;
        const char* variable;
        const char* spoken;
    } rows[] = {
        {std::nullopt, FollowSystem, "", "nb"},
        {std::nullopt, FollowSystem, "en_GB.UTF-8:nb", "en"},
        {std::nullopt, FollowSystem, "::nn_NO.UTF-8@euro", "nb"},
        {std::nullopt, English, "nb_NO", "en"},
        {std::nullopt, NorwegianBokmal, "en", "nb"},
        {English, NorwegianBokmal, "nb", "en"},
        {NorwegianBokmal, English, "en", "nb"},
    };
    for (const auto& row : rows) {
        const QStringList languages =
            chosenLanguages(row.option, row.kept, QString::fromLatin1(row.variable),
                            {QStringLiteral("nb-NO"), QStringLiteral("en-US")});
        const Translators translators = translationsFor(languages);
        ASSERT_FALSE(translators.empty());
        EXPECT_EQ(QLocale(translators.back()->language()).language(),
                  QLocale(QString::fromLatin1(row.spoken)).language())
            << languages.join(u',').toStdString();
    }
}

} // namespace
