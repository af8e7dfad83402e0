// Starting a shift from a timetable: Testowo's start placed slot by slot,
// the depot, every refusal with its code, and the running game kept whole
// when a new one fails.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "model/game.h"
#include "model/random.h"
#include "simulation/new_game.h"
#include "slot_texts.h"
#include "station_files.h"

namespace {

int gDrawCount = 0;
int CountedStandardDraw()
{
    ++gDrawCount;
    return std::rand();
}

int CountedFixedDraw()
{
    ++gDrawCount;
    return 100;  // operational depot locomotives, steam ones not serviced
}

// The serial the next vehicle made gets; making it takes that serial.
int32_t NextVehicleSerial()
{
    VehicleSlot probe;
    probe.Fill(0, 1, kKindCar, 0, 1, 0, kMotionStanding);
    return probe.EnsureSerial();
}

int32_t VehiclesAtTheStation(Game& game)
{
    int32_t vehicles = game.depot.Count();
    for (int32_t row = 0; row < game.pointCount + game.subTrackCount; ++row)
        for (int32_t s = 0; s < kSlotsPerPoint; ++s) vehicles += game.SlotAt(row, s)->IsEmpty() ? 0 : 1;
    return vehicles;
}

class NewTestowo : public testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(game.NewGameFromTimetable(TestowoFile("Testowo.roz").c_str()), kNewGameStarted); }

    FixedRandom draws{100};  // operational depot locomotives, the middle sub-track
    Game game;
};

TEST_F(NewTestowo, PlacesEveryStartGroupSlotBySlot)
{
    EXPECT_STREQ(game.StationName(), "Testowo.stc");
    EXPECT_EQ(game.Now(), 500);
    EXPECT_EQ(game.Seconds(), 0);
    EXPECT_EQ(game.clock.Step(0), 10);
    EXPECT_EQ(game.TrainCount(), 10);
    EXPECT_STREQ(game.VehicleTypeName(9, kRawRow), "ET22_1");

    // Locomotive groups first, then the trains: platforms, freight platforms,
    // freight trains drawn onto a freight platform, siding sub-tracks, and the
    // others drawn onto a sub-track; then every row closes up.
    EXPECT_EQ(RowText(game, kStcPlatform1), "0:EU07#8 r0+ 1:B#0 r0");
    EXPECT_EQ(RowText(game, kStcPlatform2), "0:EN57#0 r1");
    EXPECT_EQ(RowText(game, kStcFreight), "0:Eaos#0 r2+ 1:SM42#43 r0 2:Eaos#0 r5");
    EXPECT_EQ(RowText(game, kStcStabling), "0:SM42#41 r0+ 1:SM42#42 r0");
    EXPECT_EQ(RowText(game, kStcLocoTrack), "0:Ol49#49 r0");
    EXPECT_EQ(RowText(game, kStcPointCount + 0), "");
    EXPECT_EQ(RowText(game, kStcPointCount + 1), "0:SM42#44 r0 1:Eaos#0 r3 2:B#0 r4");
    EXPECT_EQ(RowText(game, kStcPointCount + 2), "");
    for (int32_t p : {kStcDepot, kStcEastEntry, kStcEastExit, kStcLine, kStcSiding})
        EXPECT_EQ(RowText(game, p), "") << "point " << p;
    EXPECT_EQ(game.SlotKind(kStcPlatform2, 0), kKindElectricUnit);
    EXPECT_EQ(game.SlotKind(kStcPlatform1, 1), kKindCar);
    EXPECT_EQ(game.SlotOperational(kStcStabling, 1), 1);
    EXPECT_EQ(game.SlotAt(kStcLocoTrack, 0)->Serviced(), 0);  // a steam locomotive's draw: 100 is even

    EXPECT_EQ(DepotText(game), "EU07.7:3 EU07.7:3 SU45.45:3");
    // Platforms and freight platforms are occupied on all their tiles, other
    // points on their first; an empty tile field marks nothing.
    EXPECT_EQ(OccupiedTiles(game), (std::vector<TileCode>{213, 214, 412, 413, 414, 512, 513, 514, 730, 933}));
}

TEST_F(NewTestowo, DepotSendsItsLocomotivesOntoTheGamesOwnSlot)
{
    ASSERT_EQ(game.depot.Release(3, 45), kDepotOk);
    RunDepotUntilOneLeaves(game, 300);
    EXPECT_EQ(RowText(game, kStcDepot), "0:SU45#45 r0");
    EXPECT_EQ(game.depot.Count(), 2);
}

TEST(NewGame, DepotLocomotivesComeDamagedOnALowDrawOutsideATestGame)
{
    FixedRandom draws(4);
    Game game;
    ASSERT_EQ(game.NewGameFromTimetable(TestowoFile("Testowo.roz").c_str()), kNewGameStarted);
    EXPECT_EQ(DepotText(game), "EU07.7:1/3600 EU07.7:1/3600 SU45.45:1/3600");  // waiting for a repair

    // The test-game flag the previous game left set keeps them whole.
    game.SetTestGame(true);
    ASSERT_EQ(game.NewGameFromTimetable(TestowoFile("Testowo.roz").c_str()), kNewGameStarted);
    EXPECT_EQ(DepotText(game), "EU07.7:3 EU07.7:3 SU45.45:3");
    EXPECT_TRUE(game.IsTestGame());

    FixedRandom::Value() = 5;
    game.SetTestGame(false);
    ASSERT_EQ(game.NewGameFromTimetable(TestowoFile("Testowo.roz").c_str()), kNewGameStarted);
    EXPECT_EQ(DepotText(game), "EU07.7:3 EU07.7:3 SU45.45:3");
}

TEST(NewGame, ALocomotiveTheFullDepotRefusesIsMadeOnce)
{
    // Four Ol49 more for a depot of six holding three: the last one stands
    // outside. Each locomotive of the depot draws its damage and, being
    // steam, its serviced flag once; the Ol49 on the locomotive track and the
    // two trains drawn onto a sub-track and a freight platform draw once each.
    const RandomSource old = SetRandomSource(CountedFixedDraw);
    Game game;
    const int32_t firstSerial = NextVehicleSerial() + 1;
    gDrawCount = 0;
    const int32_t result = StartTestowoVariant(
        game, {{"Testowo\n8,", "Testowo\n9,"}, {"2,1,44,713,0,1,", "2,1,44,713,0,1,\n4,4,900,0,0,0,"}});
    const int draws = gDrawCount;
    const int32_t serials = NextVehicleSerial() - firstSerial;
    SetRandomSource(old);

    ASSERT_EQ(result, kNewGameStarted);
    EXPECT_EQ(draws, 3 + 4 * 2 + 1 + 2);
    EXPECT_EQ(DepotText(game), "EU07.7:3 EU07.7:3 SU45.45:3 Ol49.900:3 Ol49.900:3 Ol49.900:3");
    EXPECT_EQ(RowText(game, kStcDepot), "0:Ol49#900 r0");
    EXPECT_EQ(game.SlotAt(kStcDepot, 0)->Serviced(), 0);
    EXPECT_EQ(serials, VehiclesAtTheStation(game)) << "one serial for each vehicle made";
}

TEST(NewGame, AVersionOneHeadPutsEveryLocomotiveIntoTheDepot)
{
    FixedRandom draws(100);
    Game game;
    std::string head = "1,\nTestowo\n2,\n1,2,7,\n3,1,45,\n";
    std::string roz = ReadWholeFile(TestowoFile("Testowo.roz"));
    roz = head + roz.substr(roz.find("\n10,\n") + 1);
    roz = roz.substr(0, roz.rfind("0,\n"));  // no category table before version 3
    const std::string folder = TestFolder();
    WriteFileIn(folder, "Testowo.stc", ReadWholeFile(TestowoFile("Testowo.stc")));
    ASSERT_EQ(game.NewGameFromTimetable(WriteFileIn(folder, "v1.roz", roz).c_str()), kNewGameStarted);
    EXPECT_EQ(DepotText(game), "EU07.7:3 EU07.7:3 SU45.45:3");
    EXPECT_EQ(RowText(game, kStcPlatform1), "0:B#0 r0");  // closed up from slot 1
    EXPECT_EQ(RowText(game, kStcLocoTrack), "");
}

TEST(NewGame, RowsCloseUpAndTheirLastVehicleIsUncoupled)
{
    FixedRandom draws(100);
    Game game;
    ASSERT_EQ(StartTestowoVariant(game, {{"2,1,44,713,0,1,", "2,1,44,713,0,1,\n2,1,46,-512,2,0,\n2,1,48,713,5,2,"},
                                  {"8,\n", "10,\n"}}),
              kNewGameStarted);
    EXPECT_EQ(RowText(game, kStcPlatform2), "0:EN57#0 r1 1:SM42#46 r0");
    EXPECT_EQ(RowText(game, kStcPointCount + 2), "0:SM42#48 r0");
}

TEST(NewGame, RefusesEachFaultWithItsCode)
{
    FixedRandom draws(100);
    const struct {
        const char* what;
        Changes roz;
        Changes stc;
        int32_t result;
    } cases[] = {
        {"version 4", {{"3,\nTestowo", "4,\nTestowo"}}, {}, kNewGameOldVersion},
        {"version 0", {{"3,\nTestowo", "0,\nTestowo"}}, {}, kNewGameOldVersion},
        {"station name of 20", {{"\nTestowo\n8,", "\nTestowoTestowoTestow\n8,"}}, {}, kNewGameTimetableUnreadable},
        {"station missing", {{"\nTestowo\n8,", "\nBrakowo\n8,"}}, {}, kNewGameStationUnreadable},
        {"station damaged", {}, {{"12,44,", "12,x,"}}, kNewGameStationUnreadable},
        {"bad line", {}, {{"3,310,401", "3,131,401"}}, kNewGameBadLine},
        {"no depot", {}, {{"8,0,937,", "6,0,937,"}}, kNewGameNoDepot},
        {"bad depot", {}, {{"6,2,5,60,", "6,0,5,60,"}}, kNewGameBadDepot},
        {"body damaged", {{"500,\n", "2500,\n"}}, {}, kNewGameTimetableDamaged},
        {"loco of no type", {{"3,1,45,0,0,0,", "10,1,45,0,0,0,"}}, {}, kNewGameTimetableDamaged},
        {"train on an entry", {{"0,0,412,1,0,0,", "0,0,442,1,0,0,"}}, {}, kNewGameBadStartPoint},
        {"train on no point", {{"0,0,412,1,0,0,", "0,0,1234,1,0,0,"}}, {}, kNewGameBadStartPoint},
        {"train past the sub-tracks", {{"0,0,713,1,1,0,", "0,0,713,1,3,0,"}}, {}, kNewGameBadStartPoint},
        {"freight platform full", {{"33101,0,0,2,2,", "33101,0,0,0,0,"}}, {}, kNewGameNoRoom},
        {"electric unit for the siding", {{"1,2330,401,1,3,1100,", "1,2330,401,1,5,1100,"}}, {}, kNewGameNoRoom},
        {"no siding at all",
         {{"0,0,713,1,1,0,", "0,0,512,1,0,0,"}, {"2,1,44,713,0,1,", "2,1,44,713,0,0,"}},
         {{"10,3,\n", "10,0,\n"}, {"5,3,713,0,0,0,", "6,0,713,0,0,0,"}},
         kNewGameNoRoom},
        {"two locos on one platform slot", {{"1,1,8,-412,0,0,", "1,2,8,-412,0,0,"}}, {}, kNewGameLocoPlaceTaken},
        {"train where a loco stands", {{"0,0,412,1,0,0,", "0,0,412,0,0,0,"}}, {}, kNewGameTrainPlaceTaken},
        {"loco track slot 1", {{"4,1,49,933,0,0,", "4,1,49,933,1,0,"}}, {}, kNewGameBadLocoPlace},
        {"loco after an uncoupled slot", {{"2,1,42,730,1,0,", "2,1,42,730,2,0,"}}, {}, kNewGameBadLocoPlace},
        {"loco on no point", {{"4,1,49,933,0,0,", "4,1,49,934,0,0,"}}, {}, kNewGameBadLocoPlace},
        {"loco past the sub-tracks", {{"2,1,44,713,0,1,", "2,1,44,713,0,3,"}}, {}, kNewGameBadLocoPlace},
        {"loco in slot 10", {{"2,1,43,213,1,0,", "2,1,43,213,10,0,"}}, {}, kNewGameBadLocoPlace},
    };
    for (const auto& c : cases) {
        Game game;
        EXPECT_EQ(StartTestowoVariant(game, c.roz, c.stc), c.result) << c.what;
    }
    Game game;
    EXPECT_EQ(game.NewGameFromTimetable((TestFolder() + "missing.roz").c_str()), kNewGameTimetableUnreadable);
    EXPECT_EQ(game.NewGameFromTimetable(nullptr), kNewGameTimetableUnreadable);
}

TEST(NewGame, AFailureLeavesTheRunningGameAsItWas)
{
    FixedRandom draws(100);
    Game game;
    ASSERT_EQ(game.NewGameFromTimetable(TestowoFile("Testowo.roz").c_str()), kNewGameStarted);
    game.clock.Set(7, 15, 30);
    game.AllowShedTransfers(1);
    std::vector<std::string> rows;
    for (int32_t r = 0; r < kStcPointCount + kStcSubTracks; ++r) rows.push_back(RowText(game, r));
    const std::vector<TileCode> occupied = OccupiedTiles(game);

    for (const Changes& roz : {Changes{{"\nTestowo\n8,", "\nBrakowo\n8,"}}, Changes{{"500,\n", "2500,\n"}},
                               Changes{{"1,1,8,-412,0,0,", "1,2,8,-412,0,0,"}}}) {
        ASSERT_NE(StartTestowoVariant(game, roz), kNewGameStarted);
        EXPECT_STREQ(game.StationName(), "Testowo.stc");
        EXPECT_EQ(game.Now(), 715);
        EXPECT_EQ(game.Seconds(), 30);
        EXPECT_EQ(game.TrainCount(), 10);
        EXPECT_EQ(game.AllowShedTransfers(), 1);
        for (int32_t r = 0; r < kStcPointCount + kStcSubTracks; ++r) EXPECT_EQ(RowText(game, r), rows[static_cast<size_t>(r)]);
        EXPECT_EQ(OccupiedTiles(game), occupied);
        EXPECT_EQ(DepotText(game), "EU07.7:3 EU07.7:3 SU45.45:3");
        EXPECT_STREQ(game.VehicleTypeName(1, kRawRow), "EU07_1");
    }
    // The depot of the game put back still sends its locomotives to the game's slot.
    ASSERT_EQ(game.depot.Release(1, 7), kDepotOk);
    RunDepotUntilOneLeaves(game, 300);
    EXPECT_EQ(RowText(game, kStcDepot), "0:EU07#7 r0");
}

TEST(NewGame, LeavesTheGeneratorSeededAsItWas)
{
    const RandomSource old = SetRandomSource(CountedStandardDraw);
    Game game;
    SeedRandom(7);
    gDrawCount = 0;
    ASSERT_EQ(game.NewGameFromTimetable(TestowoFile("Testowo.roz").c_str()), kNewGameStarted);
    const int draws = gDrawCount;
    const int next = RandomValue();
    SetRandomSource(old);

    SeedRandom(7);
    for (int i = 0; i < draws; ++i) std::rand();
    EXPECT_EQ(next, std::rand());
    EXPECT_GT(draws, 0);
}

}  // namespace
