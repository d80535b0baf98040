// SPDX-License-Identifier: GPL-3.0-or-later
// Every control of the two draw windows at its place in the fixed layout,
// in twips (15 to a pixel), measured in the container it lies in.
#include "gui/divisionwindow.h"
#include "gui/mainwindow.h"
#include "gui/widgethelpers.h"
#include "guitestsupport.h"

#include <QLabel>
#include <QWidget>

#include <gtest/gtest.h>

using namespace clubdraw;
using namespace clubdraw::testing;

namespace {

struct Place {
    const char* name;
    const char* container; // null: the window's client area
    int left, top, width, height;
};

constexpr Place mainWindowPlaces[] = {
    {"titleLabel", nullptr, 240, 120, 5175, 735},
    {"nationFrame", nullptr, 120, 600, 7455, 3495},
    {"usaBox", nullptr, 6000, 2640, 1215, 255},
    {"databaseFrame", nullptr, 120, 4320, 3495, 1095},
    {"divisionWindowButton", nullptr, 4080, 4320, 3495, 495},
    {"findButton", nullptr, 5520, 5040, 2055, 735},
    {"clearButton", nullptr, 6240, 6120, 1335, 495},
    {"quitButton", nullptr, 6240, 6720, 1335, 495},
    {"clubCaption", nullptr, 0, 5760, 2175, 375},
    {"clubLabel", nullptr, 2280, 5760, 3135, 375},
    {"divisionCaption", nullptr, 840, 6240, 1335, 255},
    {"divisionLabel", nullptr, 2280, 6240, 3135, 615},
    {"argentinaBox", "nationFrame", 120, 600, 1815, 255},
    {"belgiumBox", "nationFrame", 120, 1080, 975, 255},
    {"brazilBox", "nationFrame", 120, 1560, 1095, 255},
    {"denmarkBox", "nationFrame", 120, 2040, 975, 255},
    {"englandBox", "nationFrame", 2160, 600, 975, 255},
    {"franceBox", "nationFrame", 2160, 1080, 1095, 255},
    {"germanyBox", "nationFrame", 2160, 1560, 1095, 255},
    {"hollandBox", "nationFrame", 2160, 2040, 1215, 255},
    {"japanBox", "nationFrame", 4200, 600, 975, 255},
    {"italyBox", "nationFrame", 4200, 1080, 1095, 255},
    {"norwayBox", "nationFrame", 4200, 1560, 1095, 255},
    {"portugalBox", "nationFrame", 4200, 2040, 1095, 255},
    {"scotlandBox", "nationFrame", 5880, 600, 975, 255},
    {"spainBox", "nationFrame", 5880, 1080, 975, 255},
    {"swedenBox", "nationFrame", 5880, 1560, 1095, 255},
    {"autumnSpringPreset", "nationFrame", 120, 2640, 2295, 255},
    {"springAutumnPreset", "nationFrame", 120, 3000, 2295, 255},
    {"europePreset", "nationFrame", 2520, 2640, 1455, 255},
    {"southAmericaPreset", "nationFrame", 2520, 3000, 1695, 255},
    {"allNationsPreset", "nationFrame", 4440, 2640, 2055, 255},
    {"nonePreset", "nationFrame", 4440, 3000, 1815, 255},
    {"minimumButton", "databaseFrame", 120, 360, 1695, 255},
    {"normalButton", "databaseFrame", 120, 720, 1695, 255},
};

constexpr Place divisionWindowPlaces[] = {
    {"titleLabel", nullptr, 240, 120, 5535, 615},
    {"allDivisionsHeading", nullptr, 120, 720, 2055, 255},
    {"allDivisionsList", nullptr, 120, 960, 3255, 3375},
    {"selectedDivisionsHeading", nullptr, 4080, 720, 2175, 255},
    {"selectedDivisionsList", nullptr, 4080, 960, 3255, 3375},
    {"addButton", nullptr, 3480, 1200, 495, 495},
    {"addAllButton", nullptr, 3480, 1800, 495, 495},
    {"removeButton", nullptr, 3480, 2880, 495, 495},
    {"removeAllButton", nullptr, 3480, 3480, 495, 495},
    {"findButton", nullptr, 5520, 5040, 1815, 975},
    {"clearButton", nullptr, 3360, 5160, 1455, 495},
    {"backButton", nullptr, 5880, 6600, 1455, 495},
    {"clubCaption", nullptr, 0, 6000, 1935, 375},
    {"clubLabel", nullptr, 2040, 6000, 2775, 375},
    {"divisionCaption", nullptr, 600, 6480, 1335, 255},
    {"divisionLabel", nullptr, 2040, 6480, 3375, 495},
};

template <std::size_t N> void expectPlaces(const QWidget* client, const Place (&places)[N]) {
    for (const Place& p : places) {
        const auto* container = p.container ? child<QWidget>(client, p.container) : client;
        const auto* control = child<QWidget>(client, p.name);
        if (!control || !container)
            continue;
        const QRect actual(control->mapTo(container, QPoint(0, 0)), control->size());
        EXPECT_EQ(actual, twipsRect(p.left, p.top, p.width, p.height)) << p.name;
    }
}

const Catalogue twoClubs = catalogueOf(
    {line("England", "Premier", "", 0, "Arsenal"), line("England", "Premier", "", 0, "Chelsea")});

TEST(Layout, everyControlOfBothWindowsSitsAtItsPlaceWithItsCaptions) {
    MainWindow main(twoClubs, std::make_unique<ScriptedRandom>(), racingClock());
    expectPlaces(main.centralWidget(), mainWindowPlaces);
    EXPECT_EQ(child<QLabel>(&main, "clubCaption")->text(), QStringLiteral("Your team is :"));
    EXPECT_EQ(child<QLabel>(&main, "divisionCaption")->text(), QStringLiteral(" in :"));

    ScriptedRandom random;
    DivisionWindow divisions(twoClubs, random, racingClock());
    expectPlaces(&divisions, divisionWindowPlaces);
    EXPECT_EQ(child<QLabel>(&divisions, "clubCaption")->text(), QStringLiteral("Your team is :"));
    EXPECT_EQ(child<QLabel>(&divisions, "divisionCaption")->text(), QStringLiteral("in :"));
}

} // namespace
