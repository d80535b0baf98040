// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/clubidentityset.h"
#include "testsupport.h"

#include <gtest/gtest.h>

using namespace clubdraw;

namespace {

// Each club once, numbered as first inserted, the same name in another
// nation another club; still so once it has grown far past its room.
TEST(ClubIdentitySet, numbersEachClubOnceAsFirstInserted) {
    std::vector<QString> names;
    for (int i = 0; i < 100; ++i)
        names.push_back(QStringLiteral("Team %1").arg(i));
    ClubIdentitySet set;
    set.reserve(4);
    for (const QString& name : names) {
        ASSERT_TRUE(set.insert(u"England", name));
        ASSERT_TRUE(set.insert(u"Wales", name));
        ASSERT_FALSE(set.insert(u"England", name));
    }
    EXPECT_EQ(set.count(), 200);
    for (int i = 0; i < 100; ++i) {
        EXPECT_EQ(set.indexOf(u"England", names[static_cast<std::size_t>(i)]), 2 * i);
        EXPECT_EQ(set.indexOf(u"Wales", names[static_cast<std::size_t>(i)]), 2 * i + 1);
    }
    EXPECT_EQ(set.indexOf(u"Scotland", names[0]), -1);
    // Where one text ends and the next begins counts.
    EXPECT_EQ(set.indexOf(u"EnglandTeam", u" 0"), -1);
}

} // namespace
