// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/printable.h"
#include "testsupport.h"

#include <gtest/gtest.h>

using namespace clubdraw;

namespace {

// What a terminal obeys, or what hides or reorders text, never reaches it.
TEST(Printable, escapesControlAndInvisibleCharactersOnly) {
    const struct {
        const char16_t* text;
        const char* shown;
    } rows[] = {
        {u"Br\u00f8ndby IF", "Br\u00f8ndby IF"},
        {u"Saint-\u00c9tienne \u2013 \u201cASSE\u201d",
         "Saint-\u00c9tienne \u2013 \u201cASSE\u201d"},
        {u"a\x1b]0;x\x07", "a\\x1b]0;x\\x07"},
        {u"a\rb\nc\x7f", "a\\x0db\\x0ac\\x7f"},
        {u"\u009b2J", "\\x9b2J"},
        {u"Leeds \u202eUnited\u202c", "Leeds \\u202eUnited\\u202c"},
        {u"\u2066x\u2069 \u200by \u200fz \ufeff", "\\u2066x\\u2069 \\u200by \\u200fz \\ufeff"},
        // Every format character, past U+FFFF too.
        {u"Ni\u00adce \u180e \U000E0001\U000E0041 \U0001D173",
         "Ni\\xadce \\u180e \\U000e0001\\U000e0041 \\U0001d173"},
        // Joiners and tags inside emoji are the emoji; a tag after a letter is not.
        {u"\u2764\ufe0f\u200d\U0001F525 \U0001F3F4\U000E0067\U000E0062\U000E007F a\u200d\U0001F525",
         "\u2764\ufe0f\u200d\U0001F525 \U0001F3F4\U000E0067\U000E0062\U000E007F "
         "a\\u200d\U0001F525"},
        {u"x\U000E0067\U000E007F", "x\\U000e0067\\U000e007f"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(printable(QString::fromUtf16(row.text)), QString::fromUtf8(row.shown));
}

} // namespace
