// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/languagechoice.h"
#include "core/translations.h"
#include "testsupport.h"

#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>

using namespace clubdraw;

namespace {

constexpr auto followSystem = LanguageChoice::FollowSystem;
constexpr auto english = LanguageChoice::English;
constexpr auto bokmal = LanguageChoice::NorwegianBokmal;

TEST(LanguageChoice, keptPerUserAndReadBackOrElseTheSystem) {
    const QTemporaryDir folder;
    QSettings settings(folder.filePath(QStringLiteral("clubdraw.conf")), QSettings::IniFormat);
    EXPECT_EQ(keptLanguage(settings), followSystem);
    for (const LanguageChoice choice : {bokmal, english, followSystem}) {
        keepLanguage(settings, choice);
        QSettings again(settings.fileName(), QSettings::IniFormat);
        EXPECT_EQ(keptLanguage(again), choice);
    }
    // What another version wrote, or a hand-edited file, must not stop the program.
    const QVariant broken[] = {QStringLiteral("de"), QStringLiteral("NB"), QString(), 7,
                               QStringList{QStringLiteral("nb"), QStringLiteral("en")}};
    for (const QVariant& value : broken) {
        settings.setValue(QStringLiteral("language"), value);
        EXPECT_EQ(keptLanguage(settings), followSystem) << value.toString().toStdString();
    }
}

TEST(LanguageChoice, theOptionTakesOnlyTheProgramsLanguages) {
    EXPECT_EQ(languageNamed(QStringLiteral("en")), english);
    EXPECT_EQ(languageNamed(QStringLiteral("nb")), bokmal);
    for (const char* wrong : {"", "no", "nn", "NB", "nb_NO", "system"})
        EXPECT_EQ(languageNamed(QString::fromLatin1(wrong)), std::nullopt) << wrong;
}

TEST(LanguageChoice, theOptionBeforeTheKeptChoiceBeforeLanguageBeforeTheSystem) {
    const QStringList norwegianSystem{QStringLiteral("nb-NO"), QStringLiteral("en-US")};
    const struct {
        std::optional<LanguageChoice> option;
        LanguageChoice kept;
        const char* variable;
        const char* first; // the language translated into
    } rows[] = {
        {std::nullopt, followSystem, "", "nb"},
        {std::nullopt, followSystem, "en_GB.UTF-8:nb", "en"},
        {std::nullopt, english, "nb_NO", "en"},
        {std::nullopt, bokmal, "en", "nb"},
        {english, bokmal, "nb", "en"},
        {bokmal, english, "en", "nb"},
        {std::nullopt, followSystem, "nn_NO.UTF-8@euro", "nb"},
        {std::nullopt, followSystem, "::de_DE", "nb"},
    };
    for (const auto& row : rows) {
        const QStringList languages = chosenLanguages(
            row.option, row.kept, QString::fromLatin1(row.variable), norwegianSystem);
        const Translators translators = translationsFor(languages);
        ASSERT_FALSE(translators.empty());
        EXPECT_EQ(QLocale(translators.back()->language()).language(),
                  QLocale(QString::fromLatin1(row.first)).language())
            << row.variable << " gave " << languages.join(u',').toStdString();
    }
}

} // namespace
