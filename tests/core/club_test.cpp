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

} // namespace
