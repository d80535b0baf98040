// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/translations.h"

#include <gtest/gtest.h>

using namespace clubdraw;

namespace {

// A text as the installed translators would give it: the last one first.
QString translated(const Translators& translators, const char* context, const char* text) {
    for (auto t = translators.rbegin(); t != translators.rend(); ++t)
        if (const QString s = (*t)->translate(context, text); !s.isEmpty())
            return s;
    return QString::fromLatin1(text);
}

struct LanguageRow {
    const char* locale;
    // The language every translator must be in besides English; empty for
    // English alone.
    const char* language;
    const char* usage;
};

class Translations : public ::testing::TestWithParam<LanguageRow> {};

// Qt ships German and Nynorsk texts that the program lacks; neither may
// mix into English or Bokmål.
TEST_P(Translations, speakOneLanguageOnly) {
    const LanguageRow& row = GetParam();
    const Translators translators = translationsFor(QLocale(QString::fromLatin1(row.locale)));
    for (const auto& t : translators) {
        const QLocale::Language language = QLocale(t->language()).language();
        EXPECT_TRUE(language == QLocale::English ||
                    QLocale(QString::fromLatin1(row.language)).language() == language)
            << t->filePath().toStdString();
    }
    EXPECT_EQ(translated(translators, "QCommandLineParser", "Usage: %1"),
              QString::fromUtf8(row.usage));
}

INSTANTIATE_TEST_SUITE_P(Locales, Translations,
                         ::testing::Values(LanguageRow{"de_DE", "", "Usage: %1"},
                                           LanguageRow{"en_GB", "", "Usage: %1"},
                                           LanguageRow{"C", "", "Usage: %1"},
                                           LanguageRow{"nb_NO", "nb", "Bruk: %1"},
                                           LanguageRow{"nn_NO", "nb", "Bruk: %1"}),
                         [](const auto& info) { return std::string(info.param.locale); });

} // namespace
