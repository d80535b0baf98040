// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/drawcode.h"
#include "testsupport.h"

#include <gtest/gtest.h>

using namespace clubdraw;

namespace {

constexpr char alphabet[] = "0123456789ABCDEFGHJKMNPQRSTVWXYZ";

// A typical league night: a few nations, four managers, one row kept.
DrawCode nationCode() {
    DrawCode code;
    code.seed = 0xF1E2D3C4B5A69788ULL;
    code.ticks[1] = code.ticks[4] = code.ticks[15] = true;
    code.database = DatabaseType::Normal;
    code.managerCount = 4;
    code.kept = {{2, 1733}};
    code.catalogueFingerprint = 0xBEEF;
    code.leaveOutFingerprint = 0x1234;
    return code;
}

std::vector<DrawCode> codes() {
    DrawCode divisions;
    divisions.sourceKind = ClubSource::Kind::Divisions;
    divisions.divisionIndexes = {0, 1, 17, 4000};
    divisions.managerCount = 32766;
    divisions.kept = {{0, 0}, {9, 32765}, {32765, 12}};
    DrawCode noDivisions;
    noDivisions.sourceKind = ClubSource::Kind::Divisions;
    noDivisions.seed = ~0ULL;
    return {nationCode(), DrawCode{}, divisions, noDivisions};
}

TEST(DrawCode, roundTripsAndReadsAsTyped) {
    for (const DrawCode& code : codes()) {
        const QString text = code.encode();
        const DecodedCode decoded = DrawCode::decode(text);
        EXPECT_EQ(decoded.problem, CodeProblem::None) << text.toStdString();
        EXPECT_EQ(decoded.code, code) << text.toStdString();
        // Lower case, blanks instead of dashes, O for 0 and I or L for 1.
        QString typed = text.toLower().replace(u'-', u' ');
        typed.replace(u'0', u'o').replace(u'1', u'l');
        EXPECT_EQ(DrawCode::decode(typed).code, code) << typed.toStdString();
    }
    // Short enough to read out.
    EXPECT_LE(nationCode().encode().size(), 45);
}

// Every character is covered by the check: changing any one, or swapping
// two neighbours, is found.
TEST(DrawCode, everyMistypedCharacterIsFound) {
    for (const DrawCode& code : codes()) {
        QString text = code.encode().remove(u'-');
        for (qsizetype i = 0; i < text.size(); ++i) {
            for (const char c : std::string_view(alphabet)) {
                QString wrong = text;
                wrong[i] = QLatin1Char(c);
                if (wrong != text) {
                    EXPECT_EQ(DrawCode::decode(wrong).problem, CodeProblem::Mistyped)
                        << wrong.toStdString();
                }
            }
            if (i + 1 < text.size() && text[i] != text[i + 1]) {
                QString swapped = text;
                std::swap(swapped[i], swapped[i + 1]);
                EXPECT_EQ(DrawCode::decode(swapped).problem, CodeProblem::Mistyped)
                    << swapped.toStdString();
            }
        }
        EXPECT_EQ(DrawCode::decode(text.chopped(1)).problem, CodeProblem::Mistyped);
        EXPECT_EQ(DrawCode::decode(text + u'0').problem, CodeProblem::Mistyped);
        EXPECT_EQ(DrawCode::decode(text + u'U').problem, CodeProblem::Mistyped);
    }
    EXPECT_EQ(DrawCode::decode(QString()).problem, CodeProblem::Mistyped);
}

// A later format is told apart from a mistyped code.
TEST(DrawCode, aLaterVersionIsRefusedAsSuch) {
    DrawCode later = nationCode();
    later.version = DrawCode::currentVersion + 1;
    EXPECT_EQ(DrawCode::decode(later.encode()).problem, CodeProblem::UnknownVersion);
}

} // namespace
