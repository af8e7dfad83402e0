#include <gtest/gtest.h>

#include <climits>

#include "scripted_random.h"
#include "service_game.h"
#include "simulation/supplies.h"

namespace {

// Testowo with a water crane (an N marker) right of the last tile of platform 2.
class SuppliesTest : public ServiceGameTest {
protected:
    void SetUp() override
    {
        ServiceGameTest::SetUp();
        SetTileCode(game_, 723, -18);
        Reset();
    }
    void Reset()
    {
        ScriptedRandom seed({7});
        ResetSupplies(game_);
    }
    // A steam locomotive with its levels set, standing on the row.
    SteamSupplies& Steam(int32_t row, int32_t slot, int32_t water, int32_t coal)
    {
        PlaceVehicle(game_, row, slot, kTypeOl49, kKindSteamLoco);
        SteamSupplies& r = *GetSupplies(game_, row, slot);
        r.water = water;
        r.coal = coal;
        return r;
    }
    SteamSupplies& Diesel(int32_t row, int32_t slot, int32_t fuel, int32_t type = kTypeSM42)
    {
        PlaceVehicle(game_, row, slot, type, kKindDieselLoco);
        SteamSupplies& r = *GetSupplies(game_, row, slot);
        r.fuel = fuel;
        return r;
    }
    void Ticks(int n)
    {
        for (int i = 0; i < n; ++i) SuppliesTick(game_);
    }
};

TEST_F(SuppliesTest, CranesAreFoundBesideThePointsTilesOnly)
{
    EXPECT_TRUE(PointHasWaterCrane(kTestowoPlatform2));
    EXPECT_FALSE(PointHasWaterCrane(kTestowoPlatform1));
    EXPECT_TRUE(StationHasWaterCrane());
    EXPECT_FALSE(PointHasWaterCrane(-1));
    EXPECT_FALSE(PointHasWaterCrane(kTestowoPointCount));  // a sub-track row has no crane

    // Diagonal neighbours do not count; L36 and L37 do, at the tile itself too.
    SetTileCode(game_, 723, 0);
    SetTileCode(game_, 823, -36);
    Reset();
    EXPECT_FALSE(StationHasWaterCrane());
    SetTileCode(game_, 1121, -37);
    Reset();
    EXPECT_TRUE(PointHasWaterCrane(kTestowoFreight));

    // A crane marker on the grid's edge, next to a point on the edge.
    SetTileCode(game_, 1121, 0);
    SetPoint(game_, kTestowoStabling, {kPointStabling, 0, 1400, 0, 0, 0});
    SetTileCode(game_, 1401, -18);
    Reset();
    EXPECT_TRUE(PointHasWaterCrane(kTestowoStabling));

    running_ = false;
    Reset();
    EXPECT_FALSE(StationHasWaterCrane());
}

TEST_F(SuppliesTest, RecordsFollowTheVehicleAndComeFromTheSeed)
{
    VehicleSlot& serviced = PlaceVehicle(game_, kTestowoPlatform1, 0, kTypeOl49, kKindSteamLoco);
    serviced.Serviced(1);
    VehicleSlot& unserviced = PlaceVehicle(game_, kTestowoPlatform1, 2, kTypeTKt48, kKindSteamLoco);
    unserviced.Serviced(0);
    const SteamSupplies a = *GetSupplies(game_, kTestowoPlatform1, 0);
    const SteamSupplies b = *GetSupplies(game_, kTestowoPlatform1, 2);
    // A serviced locomotive starts with 45..94 % water, another with 15..34 %.
    EXPECT_GE(a.water, 4500);
    EXPECT_LT(a.water, 9500);
    EXPECT_GE(b.water, 1500);
    EXPECT_LT(b.water, 3500);
    EXPECT_EQ(b.fireState, kFireReady);

    GetSupplies(game_, kTestowoPlatform1, 0)->water = 1234;
    game_.SlotAt(kTestowoStabling, 4)->MoveFrom(serviced);
    EXPECT_EQ(GetSupplies(game_, kTestowoStabling, 4)->water, 1234);
    EXPECT_EQ(GetSupplies(game_, kTestowoPlatform1, 0), nullptr);  // empty now

    // A reset with the same draw makes the same values again.
    Reset();
    EXPECT_EQ(GetSupplies(game_, kTestowoPlatform1, 2)->water, b.water);
    EXPECT_EQ(GetSupplies(game_, kTestowoStabling, 4)->water, a.water);

    PlaceVehicle(game_, kTestowoPlatform1, 3, kTypeA, kKindCar);
    PlaceVehicle(game_, kTestowoPlatform1, 4, kTypeEU07, kKindElectricLoco);
    EXPECT_EQ(GetSupplies(game_, kTestowoPlatform1, 3), nullptr);
    EXPECT_EQ(GetSupplies(game_, kTestowoPlatform1, 4), nullptr);
}

TEST_F(SuppliesTest, WaterFromEmptyToFullTakesNineHundredStepsUnderTheCrane)
{
    VehicleSlot& loco = PlaceVehicle(game_, kTestowoPlatform2, 0, kTypeOl49, kKindSteamLoco);
    loco.Serviced(0);
    GetSupplies(game_, kTestowoPlatform2, 0)->water = 0;
    EXPECT_TRUE(IsWaterEmpty(game_, kTestowoPlatform2, 0));
    EXPECT_EQ(WaterSecondsToFull(game_, kTestowoPlatform2, 0), kWaterRefillSeconds);

    Ticks(1);
    EXPECT_TRUE(loco.Serviced());  // water rising from empty marks it serviced
    Ticks(kWaterRefillSeconds - 2);
    EXPECT_EQ(SteamWaterPercent(game_, kTestowoPlatform2, 0), 99);
    EXPECT_TRUE(statusTexts_.empty());
    Ticks(1);
    EXPECT_EQ(GetSupplies(game_, kTestowoPlatform2, 0)->water, kLevelFull);
    EXPECT_EQ(statusTexts_, std::vector<std::string>{"Parowóz Ol49 nabrał wody na P2"});
    EXPECT_EQ(repaints_, 1);
    // Full: no refill goes on any more, and no second report.
    EXPECT_EQ(WaterSecondsToFull(game_, kTestowoPlatform2, 0), -1);
    Ticks(10);
    EXPECT_EQ(statusTexts_.size(), 1u);
}

TEST_F(SuppliesTest, CoalAndFuelRefillAtTheirFacilities)
{
    Steam(kTestowoFreight, 0, kLevelFull, 0);
    Diesel(kTestowoLocoTrack, 0, 0);
    EXPECT_EQ(CoalSecondsToFull(game_, kTestowoFreight, 0), kCoalRefillSeconds);
    EXPECT_EQ(FuelSecondsToFull(game_, kTestowoLocoTrack, 0), kFuelRefillSeconds);
    Ticks(kFuelRefillSeconds);
    EXPECT_EQ(statusTexts_, std::vector<std::string>{"SM42 zatankował na L1"});
    Ticks(kCoalRefillSeconds - kFuelRefillSeconds);
    EXPECT_EQ(statusTexts_.back(), "Parowóz Ol49 nabrał węgla na Pt1");
    EXPECT_EQ(SteamCoalPercent(game_, kTestowoFreight, 0), 100);
}

TEST_F(SuppliesTest, SubTrackRowsAndMovingConsistsNeverRefill)
{
    const int32_t subTrack = kTestowoPointCount;  // the siding's first sub-track row
    gSettings.paliwoSekund = 3600;
    Diesel(subTrack, 0, 5000);
    SteamSupplies& moving = Diesel(kTestowoLocoTrack, 0, 5000);
    game_.SlotAt(kTestowoLocoTrack, 0)->Motion(kMotionMoving);
    Diesel(kTestowoPlatform1, 0, 5000);
    EXPECT_EQ(FuelSecondsToFull(game_, subTrack, 0), -1);
    EXPECT_EQ(FuelSecondsToFull(game_, kTestowoLocoTrack, 0), -1);

    Ticks(36);  // a full tank lasts 3600 s: 1 % every 36 s standing, 5 % moving
    EXPECT_EQ(GetSupplies(game_, subTrack, 0)->fuel, 4900);
    EXPECT_EQ(moving.fuel, 4500);
    EXPECT_EQ(GetSupplies(game_, kTestowoPlatform1, 0)->fuel, 4900);

    // A car takes its consist's motion: the locomotive coupled to it moves.
    Steam(kTestowoPlatform2, 1, 5000, 5000);
    PlaceVehicle(game_, kTestowoPlatform2, 0, kTypeA, kKindCar, 0, true);
    game_.SlotAt(kTestowoPlatform2, 1)->Motion(kMotionRouted);
    EXPECT_EQ(WaterSecondsToFull(game_, kTestowoPlatform2, 1), -1);
}

TEST_F(SuppliesTest, HugeDurationsDoNotOverflow)
{
    gSettings.wodaSekund = INT_MAX;
    gSettings.paliwoSekund = INT_MAX;
    SteamSupplies& steam = Steam(kTestowoPlatform1, 0, 5000, 5000);
    game_.SlotAt(kTestowoPlatform1, 0)->Motion(kMotionMoving);
    for (int i = 0; i < 50000; ++i) SuppliesTick(game_);
    EXPECT_EQ(steam.water, 4999);  // 5 * 10000 * 50000 remainder units: one hundredth
    EXPECT_GT(steam.waterRemainder, 0);
}

TEST_F(SuppliesTest, LevelsAreNotShownWithoutTheirFacilityOrTheSwitch)
{
    SetTileCode(game_, 723, 0);
    SetPoint(game_, kTestowoFreight, {kPointStabling, 0, 1120, 1121, 0, 0});
    SetPoint(game_, kTestowoLocoTrack, {kPointStabling, 0, 1050, 0, 0, 0});
    Reset();
    SteamSupplies& steam = Steam(kTestowoPlatform1, 0, 0, 0);
    Diesel(kTestowoPlatform1, 1, 0);
    EXPECT_EQ(SteamWaterPercent(game_, kTestowoPlatform1, 0), -1);
    EXPECT_EQ(SteamCoalPercent(game_, kTestowoPlatform1, 0), -1);
    EXPECT_EQ(FuelPercent(game_, kTestowoPlatform1, 1), -1);
    EXPECT_FALSE(IsWaterEmpty(game_, kTestowoPlatform1, 0));
    EXPECT_FALSE(GetDepartureBlockReason(game_, kTestowoPlatform1));
    Ticks(100);
    EXPECT_EQ(steam.water, 0);  // nothing to take, nothing used

    // With the facilities but the switch off: no levels, no refills.
    BuildTestowo(game_);
    SetTileCode(game_, 723, -18);
    Reset();
    gSettings.zapasyWlaczone = false;
    Steam(kTestowoPlatform2, 0, 5000, 5000);
    EXPECT_EQ(SteamWaterPercent(game_, kTestowoPlatform2, 0), -1);
    EXPECT_EQ(WaterSecondsToFull(game_, kTestowoPlatform2, 0), -1);
    EXPECT_EQ(SteamFireState(game_, kTestowoPlatform2, 0), kFireReady);
    EXPECT_EQ(BoilerTemperature(game_, kTestowoPlatform2, 0), -1);
    Ticks(10);
    EXPECT_EQ(GetSupplies(game_, kTestowoPlatform2, 0)->water, 5000);
}

TEST_F(SuppliesTest, PercentagesTruncate)
{
    SteamSupplies& r = Steam(kTestowoPlatform1, 0, 9999, 99);
    EXPECT_EQ(SteamWaterPercent(game_, kTestowoPlatform1, 0), 99);
    EXPECT_EQ(SteamCoalPercent(game_, kTestowoPlatform1, 0), 0);
    EXPECT_TRUE(IsCoalEmpty(game_, kTestowoPlatform1, 0));
    r.water = 100;
    EXPECT_FALSE(IsWaterEmpty(game_, kTestowoPlatform1, 0));
}

TEST_F(SuppliesTest, FuelLitresByTankSize)
{
    Diesel(kTestowoPlatform1, 0, 5000);
    Diesel(kTestowoPlatform1, 1, 2500, kTypeST44);
    Diesel(kTestowoPlatform1, 2, 5000, kTypeSU45);
    PlaceVehicle(game_, kTestowoPlatform1, 3, kTypeSA133, kKindDieselUnit);
    EXPECT_EQ(FuelLitres(game_, kTestowoPlatform1, 0), 1420);
    EXPECT_EQ(FuelLitres(game_, kTestowoPlatform1, 1), 975);
    EXPECT_EQ(FuelTankLitres(game_, kTestowoPlatform1, 2), 3500);
    EXPECT_EQ(FuelTankLitres(game_, kTestowoPlatform1, 3), 0);
    EXPECT_EQ(FuelLitres(game_, kTestowoPlatform1, 3), 0);
}

TEST_F(SuppliesTest, ExtinguishingAndFiringUpPassThroughTheirStates)
{
    Steam(kTestowoPlatform1, 1, kLevelFull, kLevelFull);
    PlaceVehicle(game_, kTestowoPlatform1, 0, kTypeA, kKindCar);
    EXPECT_EQ(FindSlotToFireUp(game_, kTestowoPlatform1), -1);
    ASSERT_EQ(FindSlotToExtinguish(game_, kTestowoPlatform1), 1);
    ASSERT_TRUE(ExtinguishSteamLoco(game_, kTestowoPlatform1));
    EXPECT_EQ(statusTexts_.back(), "Wygaszanie parowozu Ol49 na P1 - potrwa 4 h");
    EXPECT_EQ(repaints_, 1);
    EXPECT_EQ(SteamFireState(game_, kTestowoPlatform1, 1), kFireExtinguishing);
    EXPECT_EQ(SteamFireSecondsLeft(game_, kTestowoPlatform1, 1), 14400);

    gSettings.wygaszanieSekund = 100;
    Ticks(50);
    EXPECT_EQ(SteamHeatPercent(game_, kTestowoPlatform1, 1), 50);
    // Fired up again half-way: the heat stays and the way back is half as long.
    ASSERT_EQ(FindSlotToFireUp(game_, kTestowoPlatform1), 1);
    ASSERT_TRUE(FireUpSteamLoco(game_, kTestowoPlatform1));
    EXPECT_EQ(statusTexts_.back(), "Rozpalanie parowozu Ol49 na P1 - potrwa 4 h");
    ASSERT_TRUE(ExtinguishSteamLoco(game_, kTestowoPlatform1));
    Ticks(49);
    EXPECT_EQ(SteamFireState(game_, kTestowoPlatform1, 1), kFireExtinguishing);
    Ticks(1);
    EXPECT_EQ(SteamFireState(game_, kTestowoPlatform1, 1), kFireExtinguished);
    EXPECT_EQ(statusTexts_.back(), "Parowóz Ol49 wygaszony na P1");
    EXPECT_EQ(SteamFireSecondsLeft(game_, kTestowoPlatform1, 1), -1);
    EXPECT_EQ(BoilerTemperature(game_, kTestowoPlatform1, 1), AmbientTemperature());
    EXPECT_EQ(FindSlotToExtinguish(game_, kTestowoPlatform1), -1);

    ASSERT_TRUE(FireUpSteamLoco(game_, kTestowoPlatform1));
    EXPECT_EQ(statusTexts_.back(), "Rozpalanie parowozu Ol49 na P1 - potrwa 8 h");
    gSettings.rozpalanieSekund = 0;  // done at the next step
    Ticks(1);
    EXPECT_EQ(SteamFireState(game_, kTestowoPlatform1, 1), kFireReady);
    EXPECT_EQ(statusTexts_.back(), "Parowóz Ol49 rozpalony - gotowy do jazdy na P1");
}

TEST_F(SuppliesTest, AFireChangesOnAStationWithoutAnyFacility)
{
    SetPoint(game_, kTestowoFreight, {kPointStabling, 0, 1120, 1121, 0, 0});
    SetPoint(game_, kTestowoLocoTrack, {kPointStabling, 0, 1050, 0, 0, 0});
    SetTileCode(game_, 723, 0);
    Reset();
    PlaceVehicle(game_, kTestowoPlatform1, 0, kTypeOl49, kKindSteamLoco);
    gSettings.wygaszanieSekund = 10;
    ASSERT_TRUE(ExtinguishSteamLoco(game_, kTestowoPlatform1));
    Ticks(10);
    EXPECT_EQ(SteamFireState(game_, kTestowoPlatform1, 0), kFireExtinguished);
    gSettings.rozpalanieSekund = 10;
    ASSERT_TRUE(FireUpSteamLoco(game_, kTestowoPlatform1));
    Ticks(10);
    EXPECT_FALSE(GetDepartureBlockReason(game_, kTestowoPlatform1));
}

TEST_F(SuppliesTest, AColdLocomotiveTakesWaterOnlyUnderTheCrane)
{
    SteamSupplies& atCrane = Steam(kTestowoPlatform2, 0, 0, 5000);
    SteamSupplies& away = Steam(kTestowoPlatform1, 0, 5000, 5000);
    atCrane.fireState = away.fireState = kFireExtinguished;
    atCrane.heat = away.heat = 0;
    Ticks(90);
    EXPECT_EQ(atCrane.water, 1000);
    EXPECT_EQ(away.water, 5000);
    EXPECT_EQ(away.coal, 5000);
}

TEST_F(SuppliesTest, CommandsNeedAGameTheSwitchAndAPoint)
{
    Steam(kTestowoPlatform1, 0, kLevelFull, kLevelFull).fireState = kFireExtinguished;
    Steam(kTestowoPlatform2, 0, kLevelFull, kLevelFull);
    EXPECT_EQ(FindSlotToFireUp(game_, -1), -1);
    EXPECT_EQ(FindSlotToExtinguish(game_, -1), -1);
    gSettings.zapasyWlaczone = false;
    EXPECT_EQ(FindSlotToFireUp(game_, kTestowoPlatform1), -1);
    EXPECT_EQ(FindSlotToExtinguish(game_, kTestowoPlatform2), -1);
    EXPECT_FALSE(FireUpSteamLoco(game_, kTestowoPlatform1));
    gSettings.zapasyWlaczone = true;
    running_ = false;
    EXPECT_EQ(FindSlotToFireUp(game_, kTestowoPlatform1), -1);
    running_ = true;
    EXPECT_EQ(FindSlotToFireUp(game_, kTestowoPlatform1), 0);
    // A moving locomotive is not extinguished, but may be fired up.
    game_.SlotAt(kTestowoPlatform2, 0)->Motion(kMotionMoving);
    game_.SlotAt(kTestowoPlatform1, 0)->Motion(kMotionMoving);
    EXPECT_EQ(FindSlotToExtinguish(game_, kTestowoPlatform2), -1);
    EXPECT_EQ(FindSlotToFireUp(game_, kTestowoPlatform1), 0);
    EXPECT_TRUE(statusTexts_.empty());
}

TEST_F(SuppliesTest, DurationsAreAnnouncedInMinutesOrHours)
{
    const std::pair<int, const char*> cases[] = {
        {3599, " - potrwa 60 min"}, {3600, " - potrwa 1 h"}, {5400, " - potrwa 1 h"}, {5401, " - potrwa 2 h"}};
    for (const auto& c : cases) {
        Steam(kTestowoPlatform1, 0, kLevelFull, kLevelFull).fireState = kFireExtinguished;
        GetSupplies(game_, kTestowoPlatform1, 0)->heat = 0;
        gSettings.rozpalanieSekund = c.first;
        ASSERT_TRUE(FireUpSteamLoco(game_, kTestowoPlatform1));
        EXPECT_EQ(statusTexts_.back(), std::string("Rozpalanie parowozu Ol49 na P1") + c.second);
    }
}

TEST_F(SuppliesTest, DepartureBlockReasons)
{
    std::string why;
    Steam(kTestowoPlatform1, 0, kLevelFull, kLevelFull).fireState = kFireExtinguished;
    PlaceVehicle(game_, kTestowoPlatform1, 1, kTypeA, kKindCar);
    ASSERT_TRUE(GetDepartureBlockReason(game_, kTestowoPlatform1, &why));
    EXPECT_EQ(why, "Parowóz jest wygaszony - rozpal go (Dyżur -> Rozpal parowóz) albo sciągnij stąd inną maszyną");

    // An operational electric locomotive on the point can pull.
    PlaceVehicle(game_, kTestowoPlatform1, 2, kTypeEU07, kKindElectricLoco);
    EXPECT_FALSE(GetDepartureBlockReason(game_, kTestowoPlatform1, &why));

    Steam(kTestowoPlatform2, 0, 50, kLevelFull).fireState = kFireExtinguished;
    ASSERT_TRUE(GetDepartureBlockReason(game_, kTestowoPlatform2, &why));
    EXPECT_EQ(why, "Parowóz ma pusty tender - podstaw go pod żuraw wodny (litera N na schemacie) albo sciągnij "
                   "stąd inną maszyną");
    Steam(kTestowoPlatform2, 0, kLevelFull, 0);
    ASSERT_TRUE(GetDepartureBlockReason(game_, kTestowoPlatform2, &why));
    EXPECT_EQ(why, "Parowóz nie ma węgla - podstaw go pod peron towarowy albo sciągnij stąd inną maszyną");

    Diesel(kTestowoStabling, 0, 0);
    ASSERT_TRUE(GetDepartureBlockReason(game_, kTestowoStabling));  // no text asked for
    ASSERT_TRUE(GetDepartureBlockReason(game_, kTestowoStabling, &why));
    EXPECT_EQ(why, "Skład nie ma paliwa - podstaw go pod tor dla lokomotyw albo sciągnij stąd inną maszyną");

    // A damaged diesel with fuel is not this check's business.
    Diesel(kTestowoStabling, 0, 5000);
    game_.SlotAt(kTestowoStabling, 0)->Operational(0);
    EXPECT_FALSE(GetDepartureBlockReason(game_, kTestowoStabling));
    EXPECT_FALSE(GetDepartureBlockReason(game_, -1));
}

TEST_F(SuppliesTest, TemperaturesStayInTheirRanges)
{
    for (bool winter : {false, true}) {
        const WinterQuery old = SetWinterQuery(winter ? +[] { return true; } : nullptr);
        for (int draw = 0; draw < 20; ++draw) {
            ScriptedRandom seed({draw});
            ResetSupplies(game_);
            const int32_t t = AmbientTemperature();
            EXPECT_GE(t, winter ? -12 : 8);
            EXPECT_LE(t, winter ? 2 : 24);
        }
        SetWinterQuery(old);
    }

    Steam(kTestowoPlatform1, 0, kLevelFull, kLevelFull);
    PlaceVehicle(game_, kTestowoPlatform1, 1, kTypeEU07, kKindElectricLoco);
    const int32_t working = BoilerWorkingTemperature(game_, kTestowoPlatform1, 0);
    EXPECT_GE(working, 188);
    EXPECT_LE(working, 205);
    EXPECT_EQ(BoilerWorkingTemperature(game_, kTestowoPlatform1, 1), 205);
    EXPECT_EQ(BoilerTemperature(game_, kTestowoPlatform1, 1), -1);
    // A working boiler's reading wanders by at most 3 degrees, in five-minute steps.
    game_.clock.Set(10, 0, 0);
    const int32_t at1000 = BoilerTemperature(game_, kTestowoPlatform1, 0);
    EXPECT_LE(std::abs(at1000 - working), 3);
    game_.clock.Set(10, 4, 0);
    EXPECT_EQ(BoilerTemperature(game_, kTestowoPlatform1, 0), at1000);
}

}  // namespace
