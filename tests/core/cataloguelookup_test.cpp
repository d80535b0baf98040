// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/cataloguelookup.h"
#include "core/drawcode.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace clubdraw;

namespace {

// A kept club's code names its very record, even of a club listed three
// times; a record the catalogue lacks names the club's first one.
TEST(CatalogueLookup, findsTheVeryRecordElseTheClubsFirst) {
    Catalogue catalogue;
    catalogue.clubs = {{"England", "Premier", "", 0, "Cove"},
                       {"England", "Premier", "", 0, "Bay"},
                       {"England", "Second", "", 1, "Cove"},
                       {"England", "Third", "", 1, "Cove"}};
    const CatalogueLookup lookup(catalogue);
    const std::vector<std::tuple<const char*, Club, int>> rows{
        {"first record", catalogue.clubs[0], 0},
        {"another club", catalogue.clubs[1], 1},
        {"second of three", catalogue.clubs[2], 2},
        {"last of three", catalogue.clubs[3], 3},
        {"a record it lacks", {"England", "Fourth", "", 1, "Cove"}, 0},
        {"a club it lacks", {"Wales", "Premier", "", 0, "Cove"}, -1},
    };
    for (const auto& [name, club, record] : rows)
        EXPECT_EQ(lookup.recordOf(club), record) << name;
    EXPECT_EQ(lookup.fingerprint(), catalogueFingerprint(catalogue));
}

} // namespace
