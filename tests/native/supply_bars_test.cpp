// Supply bars: severities, texts, and how the texts give way to the bar in a
// narrow vehicle.
#include <gtest/gtest.h>

#include "simulation/supplies.h"
#include "testowo_game.h"
#include "ui/settings.h"
#include "ui/supply_bars.h"

namespace {

TEST(SupplyBars, LevelsWarnBelowTwentyAndTenPercentUnlessRefilled)
{
    EXPECT_EQ(LevelState(-1, 100), 0);
    EXPECT_EQ(LevelState(5, 100), 1);
    EXPECT_EQ(LevelState(5, -1), 3);
    EXPECT_EQ(LevelState(9, -1), 3);
    EXPECT_EQ(LevelState(10, -1), 2);
    EXPECT_EQ(LevelState(19, -1), 2);
    EXPECT_EQ(LevelState(20, -1), 0);
    EXPECT_EQ(TimeLeftText(0), "jeszcze 0 min");
    EXPECT_EQ(TimeLeftText(61), "jeszcze 2 min");
    EXPECT_EQ(TimeLeftText(3599), "jeszcze 60 min");
    EXPECT_EQ(TimeLeftText(3600), "jeszcze 1 h 0 min");
    EXPECT_EQ(TimeLeftText(10770), "jeszcze 2 h 60 min");
}

// name 30, long 50, short 25, extra 45 pixels at scale 1: a bar of at least 14.
constexpr SupplyTextWidths kWidths = {30, 50, 25, 45};

TEST(SupplyBars, InANarrowVehicleTheTextsGiveWayInTurn)
{
    SupplyBarLayout l = LayoutSupplyBars(kWidths, 200, 1.0);
    EXPECT_EQ(l.barHeight, 6);
    EXPECT_EQ(l.gap, 4);
    EXPECT_EQ(l.rowStep, 12);
    EXPECT_EQ(l.barWidth, 200 - 30 - 50 - 45 - 8);
    EXPECT_TRUE(l.names && l.values && l.extras && !l.shortTexts);

    l = LayoutSupplyBars(kWidths, 140, 1.0);  // 7: the short texts make 32
    EXPECT_TRUE(l.shortTexts && l.extras);
    EXPECT_EQ(l.barWidth, 32);

    l = LayoutSupplyBars(kWidths, 110, 1.0);  // 2 with the short texts: the extras go
    EXPECT_TRUE(l.shortTexts && l.values && !l.extras);
    EXPECT_EQ(l.barWidth, 47);

    l = LayoutSupplyBars(kWidths, 70, 1.0);  // then every value
    EXPECT_TRUE(l.names && !l.values);
    EXPECT_EQ(l.barWidth, 70 - 30 - 4);

    l = LayoutSupplyBars(kWidths, 20, 1.0);  // then the names; the width is at least 40 units
    EXPECT_FALSE(l.names || l.values);
    EXPECT_EQ(l.barWidth, 40);

    l = LayoutSupplyBars(kWidths, 20, 0.1);
    EXPECT_EQ(l.barWidth, 8) << "never below 8 pixels";
    EXPECT_EQ(l.barHeight, 4);

    // Short texts as wide as the long ones do not help: the extras go first.
    l = LayoutSupplyBars({30, 50, 50, 45}, 140, 1.0);
    EXPECT_FALSE(l.shortTexts);
    EXPECT_FALSE(l.extras);
}

TEST(SupplyBars, TheTextRightOfABarFollowsTheLayout)
{
    SupplyEntry boiler;
    boiler.longText = "190°C 95%";
    boiler.shortText = "190°C";
    boiler.extraText = "pod parą";
    SupplyBarLayout l;
    EXPECT_EQ(SupplyBarText(boiler, l), "190°C 95% pod parą");
    l.shortTexts = true;
    EXPECT_EQ(SupplyBarText(boiler, l), "190°C pod parą");
    l.extras = false;
    EXPECT_EQ(SupplyBarText(boiler, l), "190°C");
    l.values = false;
    EXPECT_EQ(SupplyBarText(boiler, l), "");
}

using SupplyRecords = RunningTestowoGame;

TEST_F(SupplyRecords, ASteamLocomotiveHasWaterCoalAndABoilerADieselItsFuel)
{
    SupplyRecord steam = BuildSupplyRecord(game, kStcLocoTrack, 0);
    EXPECT_GE(steam.entries[kSupplyWater].value, 0);
    EXPECT_GE(steam.entries[kSupplyCoal].value, 0);
    EXPECT_EQ(steam.entries[kSupplyFuel].value, -1);
    const SupplyEntry& boiler = steam.entries[kSupplyBoiler];
    EXPECT_EQ(boiler.value, 100);
    const std::string degrees = std::to_string(BoilerTemperature(game, kStcLocoTrack, 0)) + "°C";
    EXPECT_EQ(boiler.shortText, degrees);
    EXPECT_EQ(boiler.longText, degrees + " 100%");
    EXPECT_EQ(boiler.extraText, "pod parą");
    // Under the water crane it takes water: the time until full.
    const SupplyEntry& water = steam.entries[kSupplyWater];
    ASSERT_GE(water.seconds, 0);
    EXPECT_EQ(water.extraText, TimeLeftText(water.seconds));
    EXPECT_EQ(SupplyLevel(steam, kSupplyWater), 1);
    EXPECT_EQ(SupplyBarOrder(steam), (std::vector<int32_t>{kSupplyWater, kSupplyCoal, kSupplyBoiler}));

    GetSupplies(game, kStcLocoTrack, 0)->fireState = kFireFiringUp;
    steam = BuildSupplyRecord(game, kStcLocoTrack, 0);
    EXPECT_EQ(SupplyBarOrder(steam), (std::vector<int32_t>{kSupplyBoiler, kSupplyWater, kSupplyCoal}));
    EXPECT_EQ(WorstSupplyLevel(steam), 3);
    EXPECT_EQ(SupplyLevel(steam, kSupplyBoiler), 3);

    // The stabling track's SM42: fuel with its litres, nothing else.
    const SupplyRecord diesel = BuildSupplyRecord(game, kStcStabling, 0);
    EXPECT_TRUE(HasSupplyBars(diesel));
    EXPECT_EQ(SupplyBarOrder(diesel), (std::vector<int32_t>{kSupplyFuel}));
    EXPECT_EQ(diesel.entries[kSupplyFuel].extraText, std::to_string(FuelLitres(game, kStcStabling, 0)) + " dm3");
    EXPECT_FALSE(HasSupplyBars(BuildSupplyRecord(game, kStcPlatform1, 0))) << "an electric locomotive";

    gSettings.zapasyWlaczone = false;
    EXPECT_FALSE(HasSupplyBars(BuildSupplyRecord(game, kStcLocoTrack, 0)));
    gSettings = Settings();
}

}  // namespace
