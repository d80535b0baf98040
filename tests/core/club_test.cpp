// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/club.h"
#include "testsupport.h"

#include <gtest/gtest.h>

using namespace clubdraw;

namespace {

TEST(DivisionLine, suffixFollowsItalyDirectlyAndOthersAfterABlank) {
    EXPECT_EQ(divisionLine({"Italy", "Serie C1", "/A", 0, "x"}),
              QStringLiteral("Italy, Serie C1/A"));
    EXPECT_EQ(divisionLine({"italy", "Serie C1", "/A", 0, "x"}),
              QStringLiteral("italy, Serie C1 /A"));
    EXPECT_EQ(divisionLine({"England", "Premier League", "(level 1)", 0, "x"}),
              QStringLiteral("England, Premier League (level 1)"));
    EXPECT_EQ(divisionLine({"England", "Premier League", "", 0, "x"}),
              QStringLiteral("England, Premier League "));
}

// One club in two divisions is one club; another nation's club of the same
// name, or a name in another case, is another club.
TEST(ClubIdentity, isTheNationAndTheNameExactly) {
    const Club arsenal{"England", "Premier", "", 0, "Arsenal"};
    EXPECT_EQ(clubIdentity(arsenal), clubIdentity({"England", "First", "(2)", 1, "Arsenal"}));
    EXPECT_NE(clubIdentity(arsenal), clubIdentity({"Scotland", "Premier", "", 0, "Arsenal"}));
    EXPECT_NE(clubIdentity(arsenal), clubIdentity({"England", "Premier", "", 0, "arsenal"}));
    EXPECT_NE(clubIdentity({"A", "", "", 0, "B C"}), clubIdentity({"A B", "", "", 0, "C"}));
}

} // namespace
