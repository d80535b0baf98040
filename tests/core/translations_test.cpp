// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/translations.h"

#include <gtest/gtest.h>

#include <utility>

using namespace clubdraw;

namespace {

// A locale, and the language the program then speaks.
class Translations : public ::testing::TestWithParam<std::pair<const char*, const char*>> {};

// Qt ships German and Nynorsk texts that the program lacks: none may mix
// into English or Bokmål, and Nynorsk readers get Bokmål.
TEST_P(Translations, speakTheProgramsLanguageOnly) {
    const auto [locale, language] = GetParam();
    const Translators translators = translationsFor(QLocale(QString::fromLatin1(locale)));
    ASSERT_FALSE(translators.empty());
    const auto languageOf = [](const auto& t) { return QLocale(t->language()).language(); };
    // The last installed, asked first, is the program's own.
    EXPECT_EQ(languageOf(translators.back()), QLocale(QString::fromLatin1(language)).language());
    for (const auto& t : translators)
        EXPECT_TRUE(languageOf(t) == QLocale::English ||
                    languageOf(t) == languageOf(translators.back()))
            << t->filePath().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Locales, Translations,
                         ::testing::Values(std::pair{"de_DE", "en"}, std::pair{"en_GB", "en"},
                                           std::pair{"C", "en"}, std::pair{"nb_NO", "nb"},
                                           std::pair{"nn_NO", "nb"}),
                         [](const auto& info) { return std::string(info.param.first); });

} // namespace
