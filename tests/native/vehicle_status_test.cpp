#include <gtest/gtest.h>

#include "scripted_random.h"
#include "service_game.h"
#include "simulation/supplies.h"
#include "simulation/vehicle_status.h"

namespace {

// Testowo has a freight platform and a locomotive track but no water crane:
// coal and fuel are shown, water is not.
class VehicleStatusTest : public ServiceGameTest {
protected:
    void SetUp() override
    {
        ServiceGameTest::SetUp();
        ScriptedRandom seed({3});
        ResetSupplies(game_);
    }
    SteamSupplies& Steam(int32_t row, int32_t slot, int32_t coal)
    {
        PlaceVehicle(game_, row, slot, kTypeOl49, kKindSteamLoco);
        SteamSupplies& r = *GetSupplies(game_, row, slot);
        r.coal = coal;
        return r;
    }
    // "text/severity/notReady" of every record.
    std::string Lines(int32_t row, const std::vector<int32_t>& slots)
    {
        std::string text;
        for (const VehicleStatus& s : BuildVehicleStatusList(game_, row, slots))
            text += (text.empty() ? "" : " | ") + s.text + "/" + std::to_string(s.severity) + "/" +
                    std::to_string(s.notReady);
        return text;
    }
};

TEST_F(VehicleStatusTest, CoalLevelsAndTheirSeverity)
{
    Steam(kTestowoPlatform1, 0, 1500);
    EXPECT_EQ(Lines(kTestowoPlatform1, {0}), "węgiel 15%/2/0");
    Steam(kTestowoPlatform1, 0, 500);
    EXPECT_EQ(Lines(kTestowoPlatform1, {0}), "węgiel 5%/3/0");
    Steam(kTestowoPlatform1, 0, 0);
    EXPECT_EQ(Lines(kTestowoPlatform1, {0}), "brak węgla/3/1");
    Steam(kTestowoPlatform1, 0, 2000);
    EXPECT_EQ(Lines(kTestowoPlatform1, {0}), "");

    // Taking coal: the refill line, ready; once full, nothing at all.
    SteamSupplies& r = Steam(kTestowoFreight, 0, 0);
    EXPECT_EQ(Lines(kTestowoFreight, {0}), "węgiel 0% - jeszcze 20 min/1/0");
    r.coal = kLevelFull;
    EXPECT_EQ(Lines(kTestowoFreight, {0}), "");

    // Supplies switched off: no level and no refill line.
    gSettings.zapasyWlaczone = false;
    r.coal = 0;
    EXPECT_EQ(Lines(kTestowoFreight, {0}), "");
}

TEST_F(VehicleStatusTest, FireTextsTakeTheLastHoursMinutesUpward)
{
    SteamSupplies& r = Steam(kTestowoPlatform1, 0, kLevelFull);
    r.fireState = kFireFiringUp;
    r.heat = 0;
    gSettings.rozpalanieSekund = 2 * 3600 + 59 * 60 + 30;
    const std::string ambient = std::to_string(AmbientTemperature());
    EXPECT_EQ(Lines(kTestowoPlatform1, {0}), "rozpalanie, kocioł " + ambient + "°C - jeszcze 2 h 60 min/1/1");
    r.fireState = kFireExtinguished;
    EXPECT_EQ(Lines(kTestowoPlatform1, {0}), "wygaszony, kocioł " + ambient + "°C/3/1");
    r.coal = 900;
    EXPECT_EQ(Lines(kTestowoPlatform1, {0}), "wygaszony, kocioł " + ambient + "°C, węgiel 9%/3/1");
}

TEST_F(VehicleStatusTest, FuelDamageAndQuietVehicles)
{
    PlaceVehicle(game_, kTestowoPlatform1, 0, kTypeSM42, kKindDieselLoco);
    GetSupplies(game_, kTestowoPlatform1, 0)->fuel = 1000;
    PlaceVehicle(game_, kTestowoPlatform1, 1, kTypeSA133, kKindDieselUnit);
    GetSupplies(game_, kTestowoPlatform1, 1)->fuel = 0;
    PlaceVehicle(game_, kTestowoPlatform1, 2, kTypeA, kKindCar).Operational(0);
    PlaceVehicle(game_, kTestowoPlatform1, 3, kTypeEU07, kKindElectricLoco);
    EXPECT_EQ(Lines(kTestowoPlatform1, {0, 1, 2, 3}),
              "paliwo 10% (284 dm3)/2/0 | brak paliwa/3/1 | uszkodzony/3/1");
    EXPECT_EQ(BuildVehicleStatusList(game_, kTestowoPlatform1, {0})[0].name, "SM42");
}

TEST_F(VehicleStatusTest, OneCouplingLineForAPair)
{
    PlaceVehicle(game_, kTestowoPlatform1, 0, kTypeEU07, kKindElectricLoco);
    PlaceVehicle(game_, kTestowoPlatform1, 1, kTypeA, kKindCar).Operational(0);
    game_.SlotCountdown(kTestowoPlatform1, 0, 5);
    game_.SlotCountdown(kTestowoPlatform1, 1, 5);
    ConsistInfo info;
    info.statuses = BuildVehicleStatusList(game_, kTestowoPlatform1, {0, 1});
    ASSERT_EQ(info.statuses.size(), 3u);  // a coupling line each, and the damage
    EXPECT_EQ(info.statuses[0].groupId, 0);
    EXPECT_EQ(info.statuses[1].groupId, 0);
    EXPECT_TRUE(info.statuses[0].frontPart);
    EXPECT_FALSE(info.statuses[2].frontPart);
    FinishConsistInfo(info);
    ASSERT_EQ(info.frontWarnings.size(), 1u);
    EXPECT_EQ(info.frontWarnings[0].text, "łączenie: jeszcze 5 s");
    EXPECT_EQ(info.frontWarnings[0].severity, kSeverityInfo);
    ASSERT_EQ(info.rearWarnings.size(), 1u);
    EXPECT_EQ(info.rearWarnings[0].text, "uszkodzony");
    EXPECT_TRUE(info.notReady);
}

TEST_F(VehicleStatusTest, CouplingLineOfANamedVehicleIsKept)
{
    ConsistInfo info;
    info.statuses = {{"", "łączenie: jeszcze 5 s", 0, 1, 1, 4}, {"EU07", "łączenie: jeszcze 5 s", 0, 1, 1, 4},
                     {"A", "łączenie: jeszcze 5 s", 0, 1, 1, 4}};
    FinishConsistInfo(info);
    ASSERT_EQ(info.frontWarnings.size(), 1u);
    FinishConsistInfo(info);  // finishing again starts the lists afresh
    EXPECT_EQ(info.frontWarnings.size(), 1u);
    EXPECT_FALSE(info.notReady);
}

TEST_F(VehicleStatusTest, ManyLocomotiveTypesAtOneEndNameEachWarning)
{
    ConsistInfo info;
    info.frontLocos = "SM42+ SU45+";
    info.rearLocos = "+SM42 +SM42";
    info.statuses = {{"SM42", "brak paliwa", 1, 3, 1, -1}, {"SM42", "uszkodzony", 1, 3, 0, -1}};
    FinishConsistInfo(info);
    ASSERT_EQ(info.frontWarnings.size(), 1u);
    EXPECT_EQ(info.frontWarnings[0].text, "SM42 brak paliwa");
    ASSERT_EQ(info.rearWarnings.size(), 1u);
    EXPECT_EQ(info.rearWarnings[0].text, "uszkodzony");

    ConsistInfo merged;
    CopyVehicleStatuses(merged, info, false);
    EXPECT_FALSE(merged.statuses[0].frontPart);
    EXPECT_EQ(CountDistinctTokens("EN57+ EN57+", "+EN57"), 1);
    EXPECT_EQ(CountDistinctTokens("  a+b  ", "ab"), 1);
    EXPECT_EQ(CountDistinctTokens("", ""), 0);
}

TEST_F(VehicleStatusTest, LocomotiveListsOfBothEnds)
{
    PlaceVehicle(game_, kTestowoPlatform1, 0, kTypeEN57, kKindElectricUnit);
    PlaceVehicle(game_, kTestowoPlatform1, 1, kTypeSA133, kKindDieselUnit);
    PlaceVehicle(game_, kTestowoPlatform1, 2, kTypeA, kKindCar);
    PlaceVehicle(game_, kTestowoPlatform1, 3, kTypeEU07, kKindElectricLoco);
    PlaceVehicle(game_, kTestowoPlatform1, 4, kTypeEN57, kKindElectricUnit);
    std::string front, rear = "x";
    JoinConsistLocoNames(game_, kTestowoPlatform1, {0, 1, 2, 3, 4}, front, rear);
    EXPECT_EQ(front, "EN57+");
    EXPECT_EQ(rear, "x +SA133 +EN57");
    // All powered: one run, named from the inside out.
    front.clear();
    rear.clear();
    JoinConsistLocoNames(game_, kTestowoPlatform1, {0, 1}, front, rear);
    EXPECT_EQ(front, "");
    EXPECT_EQ(rear, "+SA133 +EN57");
}

}  // namespace
