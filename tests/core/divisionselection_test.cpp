// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/divisionselection.h"
#include "testsupport.h"

#include <gtest/gtest.h>

using namespace clubdraw;
using namespace clubdraw::testing;

namespace {

TEST(CollectDivisions, listsEachPairOnceInFileOrder) {
    const QString terminator = line("", "", "", 0, "");
    const struct {
        const char* name;
        QStringList lines;
        QStringList labels;
    } rows[] = {
        {"repeats, case and nations",
         {line("England", "Premier", "", 0, "A"), line("Scotland", "Premier", "", 0, "B"),
          line("England", "Premier", "", 1, "C"), line("England", "premier", "", 0, "D"),
          line("Brazil", "Serie A", "", 0, "E")},
         {"England Premier", "Scotland Premier", "England premier", "Brazil Serie A"}},
        {"terminator at the end",
         {line("Wales", "League", "", 0, "A"), terminator},
         {"Wales League"}},
        {"terminator with texts",
         {line("Wales", "League", "", 0, "A"), line("Wales", "Cup", "", 0, "")},
         {"Wales League"}},
        {"terminator first", {terminator, line("Wales", "League", "", 0, "A")}, {"Wales League"}},
        {"empty nation and division first",
         {line("", "League", "", 0, "A"), line("Wales", "", "", 0, "B"),
          line("Wales", "League", "", 0, "C")},
         {" League", "Wales ", "Wales League"}},
        {"only a terminator", {terminator}, {}},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(collectDivisions(catalogueOf(r.lines)).labels(), r.labels);
    }
}

TEST(CollectDivisions, aLabelNamesEveryDivisionThatReadsLikeIt) {
    const DivisionList list = collectDivisions(catalogueOf(
        {line("A B", "C", "", 0, "X"), line("A", "B C", "", 0, "Y"), line("A", "B", "", 0, "Z")}));
    EXPECT_EQ(divisionsLabelled(list, QStringLiteral("A B C")),
              (std::vector<DivisionKey>{{"A B", "C"}, {"A", "B C"}}));
    // In any letter case, as nations are named; but only whole labels.
    EXPECT_EQ(divisionsLabelled(list, QStringLiteral("a b")),
              (std::vector<DivisionKey>{{"A", "B"}}));
    EXPECT_TRUE(divisionsLabelled(list, QStringLiteral("a")).empty());
}

const QStringList fiveDivisions = {
    line("Scotland", "Premier", "", 0, "Celtic"),   line("England", "Premier", "", 0, "Arsenal"),
    line("Brazil", "Serie A", "", 0, "Santos"),     line("argentina", "Primera", "", 0, "Boca"),
    line("England", "Division 1", "", 0, "Bolton"),
};

TEST(DivisionSelection, addKeepsItSortedReplacesTheHighlightedEntryAndIgnoresRepeats) {
    const DivisionList divisions = collectDivisions(catalogueOf(fiveDivisions));
    DivisionSelection selection(divisions);
    EXPECT_FALSE(selection.addOne(-1, -1));
    for (int row : {0, 2, 3})
        EXPECT_TRUE(selection.addOne(row, -1));
    const QStringList sorted = {"argentina Primera", "Brazil Serie A", "Scotland Premier"};
    EXPECT_EQ(selection.selectedLabels(), sorted);
    // Already selected: no second entry, and no replacement either.
    EXPECT_FALSE(selection.addOne(0, -1));
    EXPECT_FALSE(selection.addOne(0, 0));
    EXPECT_EQ(selection.selectedLabels(), sorted);

    // The highlighted entry is replaced, and can come back later.
    EXPECT_TRUE(selection.addOne(4, 1));
    EXPECT_EQ(selection.selectedLabels(),
              (QStringList{"argentina Primera", "England Division 1", "Scotland Premier"}));
    EXPECT_TRUE(selection.addOne(2, -1));
    EXPECT_EQ(selection.selectedLabels(), (QStringList{"argentina Primera", "Brazil Serie A",
                                                       "England Division 1", "Scotland Premier"}));
}

TEST(DivisionSelection, removeOneSelectAllAndRemoveAll) {
    const DivisionList divisions = collectDivisions(catalogueOf(fiveDivisions));
    DivisionSelection selection(divisions);
    selection.addOne(1, -1);
    selection.addOne(4, -1);
    EXPECT_FALSE(selection.removeOne(-1));
    EXPECT_FALSE(selection.removeOne(2));
    EXPECT_TRUE(selection.removeOne(1));
    EXPECT_EQ(selection.selectedLabels(), QStringList{"England Division 1"});

    const QStringList allSorted = {"argentina Primera", "Brazil Serie A", "England Division 1",
                                   "England Premier", "Scotland Premier"};
    selection.selectAll();
    selection.selectAll();
    EXPECT_EQ(selection.selectedLabels(), allSorted);
    selection.removeAll();
    EXPECT_TRUE(selection.selected().empty());
    EXPECT_TRUE(selection.addOne(0, -1)); // removed divisions can be added again
}

TEST(DivisionPool, everyClubOfTheSelectedDivisionsInCatalogueOrderWhateverItsFlag) {
    const Catalogue catalogue = catalogueOf({line("England", "Premier", "", 1, "Arsenal"),
                                             line("Scotland", "Premier", "", 0, "Celtic"),
                                             line("England", "Division 1", "", 0, "Bolton"),
                                             line("England", "Premier", "", 0, "Chelsea"),
                                             line("Scotland", "Premier", "", 1, "Rangers")});
    EXPECT_EQ(
        clubNames(buildDivisionPool(catalogue, {{"Scotland", "Premier"}, {"England", "Premier"}})),
        (QStringList{"Arsenal", "Celtic", "Chelsea", "Rangers"}));
    EXPECT_TRUE(buildDivisionPool(catalogue, {}).isEmpty());
}

// Labels are only for show: each entry draws from its own pair, whatever
// blanks its texts hold and however alike two labels read.
TEST(DivisionPool, eachEntryDrawsItsOwnNationAndDivision) {
    const Catalogue catalogue = catalogueOf(
        {line("Northern Ireland", "Irish League", "", 0, "Linfield"),
         line("England", " Premier", "", 0, "Leeds"), line("England", "Premier", "", 0, "Arsenal"),
         line("England", "Premier ", "", 0, "Derby"), line("A B", "C", "", 0, "T1"),
         line("A", "B C", "", 0, "U1"),
         line("Northern Ireland", "Irish League", "", 0, "Glentoran"),
         line("A B", "C", "", 0, "T2"), line("A", "B C", "", 0, "U2")});
    const DivisionList divisions = collectDivisions(catalogue);
    EXPECT_EQ(divisions.labels(),
              (QStringList{"Northern Ireland Irish League", "England  Premier", "England Premier",
                           "England Premier ", "A B C", "A B C"}));
    const QStringList pools[] = {
        {"Linfield", "Glentoran"}, {"Leeds"}, {"Arsenal"}, {"Derby"}, {"T1", "T2"}, {"U1", "U2"}};
    for (int row = 0; row < 6; ++row) {
        SCOPED_TRACE(row);
        DivisionSelection selection(divisions);
        selection.addOne(row, -1);
        EXPECT_EQ(clubNames(buildDivisionPool(catalogue, selection.selectedKeys())), pools[row]);
    }
    // Both entries that read "A B C" can be selected together.
    DivisionSelection both(divisions);
    EXPECT_TRUE(both.addOne(4, -1));
    EXPECT_TRUE(both.addOne(5, -1));
    EXPECT_EQ(both.selectedLabels(), (QStringList{"A B C", "A B C"}));
    EXPECT_EQ(clubNames(buildDivisionPool(catalogue, both.selectedKeys())),
              (QStringList{"T1", "U1", "T2", "U2"}));
}

} // namespace
