// Dispatcher hints: supplies and breakdowns on the built Testowo (a water
// crane beside platform 2), overdue departures, and trains waiting at the
// entries of the real Testowo with the free platforms offered to them.
#include <gtest/gtest.h>

#include "scripted_random.h"
#include "service_game.h"
#include "simulation/disruptions.h"
#include "simulation/hints.h"
#include "simulation/new_game.h"
#include "simulation/supplies.h"
#include "slot_texts.h"
#include "station_files.h"

namespace {

class HintsTest : public ServiceGameTest {
protected:
    void SetUp() override
    {
        ServiceGameTest::SetUp();
        SetTileCode(game_, 723, -18);
        ScriptedRandom draws({7, 99});  // the supplies' seed, no winter
        ResetSupplies(game_);
        StartDisruptions(game_);
    }
    void TearDown() override
    {
        gSettings.utrudnienia = false;
        StartDisruptions(game_);
        ServiceGameTest::TearDown();
    }
    SteamSupplies& Loco(int32_t row, int32_t slot, int32_t type, int32_t kind)
    {
        PlaceVehicle(game_, row, slot, type, kind);
        SteamSupplies& r = *GetSupplies(game_, row, slot);
        r.water = r.coal = r.fuel = kLevelFull;
        return r;
    }
    // "priority tile text" of every hint, in order.
    std::vector<std::string> Hints()
    {
        std::vector<std::string> lines;
        for (const Hint& h : BuildHints(game_))
            lines.push_back(std::to_string(h.priority) + " " + std::to_string(h.tile) + " " + h.text);
        return lines;
    }
};

TEST_F(HintsTest, WaterByLevelAndNoneWhileTakingWater)
{
    SteamSupplies& steam = Loco(kTestowoPlatform1, 0, kTypeOl49, kKindSteamLoco);
    steam.water = 0;
    EXPECT_EQ(Hints(), std::vector<std::string>{"170 520 Parowóz Ol49 ma pusty tender na P1 - podstaw go pod żuraw"});
    steam.water = 1999;
    EXPECT_EQ(Hints(), std::vector<std::string>{"151 520 Parowóz Ol49 ma 19% wody na P1 - czas pod żuraw"});
    steam.water = 2000;
    EXPECT_TRUE(Hints().empty());

    // Under the crane it is taking water already.
    Loco(kTestowoPlatform2, 0, kTypeTKt48, kKindSteamLoco).water = 0;
    EXPECT_TRUE(Hints().empty());
}

TEST_F(HintsTest, CoalAndFuelOfferAFreePlaceOnce)
{
    Loco(kTestowoPlatform1, 0, kTypeOl49, kKindSteamLoco).coal = 0;
    Loco(kTestowoPlatform1, 1, kTypeTKt48, kKindSteamLoco).coal = 500;
    Loco(kTestowoStabling, 0, kTypeSU45, kKindDieselLoco).fuel = 1500;
    Loco(kTestowoPointCount, 0, kTypeSM42, kKindDieselLoco).fuel = 0;  // siding sub-track 1: no place, tile 0
    EXPECT_EQ(Hints(), (std::vector<std::string>{
                           "170 520 Parowóz Ol49 nie ma węgla na P1 - podstaw go pod peron towarowy Pt1",
                           "170 0 SM42 nie ma paliwa - podstaw ją pod tor dla lokomotyw",
                           "165 520 Parowóz TKt48 ma 5% węgla na P1 - czas pod peron towarowy",
                           "155 920 SU45 ma 15% paliwa na T1 - czas pod tor dla lokomotyw L1",
                       }));

    // A closed or occupied place is not offered.
    ScriptedRandom closeIt({0, 1, 0, 0});  // the candidates now: P2, Pt1
    game_.clock.Set(10, 0, 0);
    DisruptionsTick(game_);
    ASSERT_TRUE(IsPointClosed(kTestowoFreight));
    PlaceVehicle(game_, kTestowoLocoTrack, 0, kTypeA, kKindCar);
    EXPECT_EQ(Hints()[0], "170 520 Parowóz Ol49 nie ma węgla na P1 - podstaw go pod peron towarowy");
    EXPECT_EQ(Hints()[3], "155 920 SU45 ma 15% paliwa na T1 - czas pod tor dla lokomotyw");
}

TEST_F(HintsTest, BrokenTractionAndOverdueDepartures)
{
    PlaceVehicle(game_, kTestowoPlatform1, 0, kTypeEU07, kKindElectricLoco).Operational(0);
    PlaceVehicle(game_, kTestowoPlatform1, 1, kTypeA, kKindCar, kRowWithNumber).Operational(0);  // a car: no hint
    game_.timetable.TrainState(kRowWithNumber, kRawRow, 1);
    game_.clock.Set(6, 5, 0);
    EXPECT_EQ(Hints(), (std::vector<std::string>{
                           "200 520 Pociąg 1234 czeka na wyjazd - P1/2  peron II, tor 1",
                           "180 520 EU07 na P1 jest niesprawna - potrzebna inna maszyna",
                       }));
    game_.clock.Set(6, 20, 0);
    EXPECT_EQ(Hints()[0], "215 520 Pociąg 1234 stoi 15 min po godzinie odjazdu - P1/2  peron II, tor 1");

    gSettings.podpowiedzi = false;
    EXPECT_TRUE(Hints().empty());
    gSettings.podpowiedzi = true;
    running_ = false;
    EXPECT_TRUE(Hints().empty());
}

TEST_F(HintsTest, TwoTrainsWaitingAreNotOfferedTheSamePlatform)
{
    {
        FixedRandom draws(100);
        ASSERT_EQ(game_.NewGameFromTimetable(TestowoFile("Testowo.roz").c_str()), kNewGameStarted);
    }
    ResetSupplies(game_);
    gSettings.zapasyWlaczone = false;  // only the trains here
    VehicleSlot gone;
    gone.MoveFrom(*game_.SlotAt(kStcPlatform2, 0));
    // Platform 2 is reached from the line by its first tile, from the east
    // entry by its last.
    EXPECT_EQ(FindFreePointForEntry(game_, kStcLine, nullptr), "P2");
    EXPECT_EQ(FindFreePointForEntry(game_, kStcEastEntry, nullptr), "P2");
    EXPECT_EQ(FindFreePointForEntry(game_, kStcDepot, nullptr), "");

    // 3311 (east entry, 5:30) ten minutes late, 8201 (the line, 6:10) on time.
    game_.timetable.TrainState(6, kRawRow, 2);
    game_.timetable.ExpectedTime(6, kRawRow, kArrivalSide, 540);
    game_.timetable.TrainState(7, kRawRow, 2);
    game_.timetable.ExpectedTime(7, kRawRow, kArrivalSide, 610);
    for (int32_t row = 0; row < 6; ++row) game_.timetable.TrainState(row, kRawRow, -1);
    game_.clock.Set(6, 15, 0);
    EXPECT_EQ(Hints(), (std::vector<std::string>{
                           "135 442 Pociąg 3311 czeka na wjazd 35 min - wolny jest P2",
                           "105 401 Pociąg 8201 czeka na wjazd 5 min",
                       }));
    game_.clock.Set(6, 10, 0);
    EXPECT_EQ(Hints()[1], "100 401 Pociąg 8201 czeka na wjazd");
}

}  // namespace
