// Admitting arriving trains at Testowo's entries: when they are due, how
// their consists are built, held back, put to the player at a line with
// block sections, and what a light engine's row leaves behind.
#include <gtest/gtest.h>

#include "scripted_random.h"
#include "simulation/admission.h"
#include "simulation/consist.h"
#include "simulation/line_sections.h"
#include "station_builder.h"
#include "traffic.h"

namespace {

using Admission = Traffic;

// Due at 10:20 at the west entry (12 minutes of line, 2 more to the station), or on the line.
TrainSpec WestTrain(int32_t arrival = 1020) { return CarTrain(arrival, arrival + 20); }
TrainSpec LineTrain(int32_t arrival = 1020) { return CarTrain(arrival, arrival + 20, 1201); }

TrainSpec LightEngine(int32_t arrival, TileCode entry)
{
    TrainSpec t;
    t.rowState = kStateLightEngine;
    t.arrival = arrival;
    t.entry = entry;
    t.locoType = kTypeDieselLoco;
    return t;
}

TEST_F(Admission, RunsOnlyOnTheWholeMinute)
{
    Load({WestTrain(1010)});
    SetClock(1000, 30);
    EXPECT_EQ(game.AdmitArrivingTrains(kFirstAsk, 0), kNoTrainAsks);
    EXPECT_EQ(Field(0, kRowTrainState), kTrainNotHere);
    SetClock(1001);
    EXPECT_EQ(game.AdmitArrivingTrains(kFirstAsk, 0), kNoTrainAsks);
    EXPECT_EQ(Field(0, kRowTrainState), kTrainAdmitted);
}

TEST_F(Admission, PlacesADueTrainToCountDownItsLineTime)
{
    Load({WestTrain()});
    SetClock(1004, 59);
    Step();  // 10:05:00, 15 minutes before 10:20
    EXPECT_EQ(Field(0, kRowTrainState), kTrainNotHere);
    Steps(60);  // 10:06:00: due
    ASSERT_EQ(Field(0, kRowTrainState), kTrainAdmitted);
    // The west entry is odd-sided: the car in slot 0, the locomotive heading it in slot 1.
    EXPECT_EQ(Slot(kTestowoWestEntry, 0).Kind(), kKindCar);
    EXPECT_EQ(Slot(kTestowoWestEntry, 0).Train(), 0);
    EXPECT_TRUE(Slot(kTestowoWestEntry, 0).Coupled());
    VehicleSlot& head = Slot(kTestowoWestEntry, 1);
    EXPECT_EQ(head.Type(), kTypeElectricLoco);
    EXPECT_EQ(head.Train(), 0);  // a locomotive carries no row
    EXPECT_FALSE(head.Coupled());
    EXPECT_EQ(head.Motion(), kMotionRouted);
    EXPECT_EQ(head.Countdown(), 12 * 60);
    EXPECT_EQ(Field(0, kRowExpectedArrival), 1020);
    EXPECT_EQ(TileStateOf(501), kTileLocked);
    EXPECT_TRUE(asked.empty());
}

TEST_F(Admission, HoldsATrainBackOnceWhileItsEntryIsBusy)
{
    Load({WestTrain()});
    Put(kTestowoWestEntry, 0, kTypeDieselLoco, 0, false);
    Slot(kTestowoWestEntry, 0).Countdown(151);  // 150 when the admission looks
    SetClock(1005, 59);
    Step();
    EXPECT_EQ(Field(0, kRowTrainState), kTrainHeldBack);
    EXPECT_EQ(Field(0, kRowExpectedArrival), 1023);  // 150 steps of a second: 2 minutes, and 1 more
    Steps(60);
    EXPECT_EQ(Field(0, kRowExpectedArrival), 1023);  // not again while it is held back
    EXPECT_EQ(Slot(kTestowoWestEntry, 1).Type(), 0);
}

TEST_F(Admission, AsksThePlayerBeforeATrainEntersItsLine)
{
    SetLineBlocks(game, kTestowoLine, {30, 30, 12});
    Load({LineTrain()});
    SetClock(1010);
    game.timetable.Update(game.Now());
    // The first call only asks; the train stays as it was.
    ASSERT_EQ(game.AdmitArrivingTrains(kFirstAsk, 0), 0);
    EXPECT_EQ(Field(0, kRowTrainState), kTrainNotHere);
    EXPECT_EQ(LineStateOf(game, kTestowoLine), kLineFree);
    // Refused: it waits the minutes the player gave.
    EXPECT_EQ(game.AdmitArrivingTrains(0, 7), kNoTrainAsks);
    EXPECT_EQ(Field(0, kRowTrainState), kTrainHeldBack);
    EXPECT_EQ(Field(0, kRowExpectedArrival), 1027);
    EXPECT_EQ(game.AdmitArrivingTrains(kFirstAsk, 0), kNoTrainAsks);  // not due before 10:17
    // Granted: it enters the far block with that block's time.
    SetClock(1017);
    ASSERT_EQ(game.AdmitArrivingTrains(kFirstAsk, 0), 0);
    EXPECT_EQ(game.AdmitArrivingTrains(0, kLetOntoLine), kNoTrainAsks);
    EXPECT_EQ(Field(0, kRowTrainState), kTrainAdmitted);
    EXPECT_EQ(LineStateOf(game, kTestowoLine), kLineArriving);
    EXPECT_EQ(BlockTrain(game, kTestowoLine, 2), 0);
    EXPECT_EQ(BlockCountdown(game, kTestowoLine, 2), 12);
    EXPECT_EQ(BlockCountdown(game, kTestowoLine, 0), 0);
}

TEST_F(Admission, HoldsTrainsBackWhileTheirLineIsBusy)
{
    SetLineBlocks(game, kTestowoLine, {30, 30, 12});
    Load({LineTrain(), LineTrain(1100)});
    SetClock(1020);
    game.timetable.Update(game.Now());
    // A train still runs in the far block: no question, the wait it needs.
    BlockCountdown(game, kTestowoLine, 2) = 200;
    LineStateOf(game, kTestowoLine) = kLineArriving;
    EXPECT_EQ(game.AdmitArrivingTrains(kFirstAsk, 0), kNoTrainAsks);
    EXPECT_EQ(Field(0, kRowTrainState), kTrainHeldBack);
    EXPECT_EQ(Field(0, kRowExpectedArrival), 1024);  // 200 steps: 3 minutes, and 1 more
    // A departing train holds the line: the wait is its farthest block's.
    BlockCountdown(game, kTestowoLine, 2) = 0;
    BlockCountdown(game, kTestowoLine, 1) = 90;
    LineStateOf(game, kTestowoLine) = kLineDeparting;
    SetClock(1024);
    EXPECT_EQ(game.AdmitArrivingTrains(kFirstAsk, 0), kNoTrainAsks);
    EXPECT_EQ(Field(0, kRowExpectedArrival), 1026);
    EXPECT_EQ(Field(1, kRowTrainState), kTrainNotHere);  // not due yet
}

TEST_F(Admission, ATrainLateByTwoHoursArrivesWithADamagedLocomotive)
{
    for (int32_t late : {119, 120}) {
        Load({WestTrain()});
        SetClock(1006);
        game.timetable.Update(game.Now());
        Field(0, kRowExpectedDeparture) = AddMinutesClamped(1040, late);
        Vacate(Slot(kTestowoWestEntry, 0));
        Vacate(Slot(kTestowoWestEntry, 1));
        SetTileState(game, 501, kTileFree);
        game.AdmitArrivingTrains(kFirstAsk, 0);
        EXPECT_EQ(Slot(kTestowoWestEntry, 1).Operational(), late < 120 ? 1 : 0) << late;
        EXPECT_EQ(Slot(kTestowoWestEntry, 0).Operational(), 1) << late;  // cars never
    }

    // A train that ends here has no departure to be late by; a heavy delay
    // drawn for it brings it in damaged all the same.
    Load({CarTrain(1020, 0)});
    game.timetable.SetRandomDelays(true);
    const int32_t cls = game.timetable.CategoryClass(Field(0, kRowArrivalCategory));
    ASSERT_GT(cls, kClassSuburban);
    game.timetable.DelayChance(cls, kDelayEarly, 0);
    game.timetable.DelayChance(cls, kDelayLate, 0);
    ScriptedRandom heavy({0, 0});  // the heavy delay, of 120 minutes
    game.timetable.Update(1000);
    ASSERT_TRUE(heavy.AllUsed());
    EXPECT_EQ(Field(0, kRowExpectedArrival), 1220);
    EXPECT_EQ(Field(0, kRowExpectedDeparture), 0);
    Vacate(Slot(kTestowoWestEntry, 0));
    Vacate(Slot(kTestowoWestEntry, 1));
    SetTileState(game, 501, kTileFree);
    SetClock(1206);
    game.AdmitArrivingTrains(kFirstAsk, 0);
    ASSERT_EQ(Field(0, kRowTrainState), kTrainAdmitted);
    EXPECT_EQ(Slot(kTestowoWestEntry, 1).Operational(), 0);
}

// A locomotive with three cars from three linked rows.
std::vector<TrainSpec> LongTrain(TileCode entry)
{
    std::vector<TrainSpec> rows(3, WestTrain());
    for (TrainSpec& row : rows) row.entry = entry;
    rows[0].arrivalLink = 1 * 10 + 1;  // the head of the list
    rows[1].arrivalLink = 2 * 10 + 2;
    rows[2].arrivalLink = 0 * 10 + 3;
    rows[1].locoType = rows[2].locoType = 0;
    return rows;
}

TEST_F(Admission, BuildsTheConsistFromTheSideItComesIn)
{
    Load(LongTrain(501));
    ASSERT_EQ(game.TrainArrives(0, kTestowoWestEntry), 3);  // odd side: the locomotive on top
    for (int32_t s = 0; s < 3; ++s) {
        EXPECT_EQ(Slot(kTestowoWestEntry, s).Kind(), kKindCar) << s;
        EXPECT_EQ(Slot(kTestowoWestEntry, s).Train(), 2 - s) << s;
        EXPECT_TRUE(Slot(kTestowoWestEntry, s).Coupled()) << s;
    }
    EXPECT_EQ(Slot(kTestowoWestEntry, 3).Kind(), kKindElectricLoco);
    EXPECT_FALSE(Slot(kTestowoWestEntry, 3).Coupled());
    for (int32_t r = 0; r < 3; ++r) EXPECT_EQ(Field(r, kRowTrainState), kTrainAdmitted) << r;

    Load(LongTrain(559));
    ASSERT_EQ(game.TrainArrives(0, kTestowoEastEntry), 0);  // even side: the locomotive in front
    EXPECT_EQ(Slot(kTestowoEastEntry, 0).Kind(), kKindElectricLoco);
    EXPECT_EQ(Slot(kTestowoEastEntry, 0).Motion(), kMotionRouted);
    EXPECT_EQ(Slot(kTestowoEastEntry, 3).Train(), 2);
    EXPECT_FALSE(Slot(kTestowoEastEntry, 3).Coupled());
}

TEST_F(Admission, AnEngineWithoutCarsAndTwoUnitsOfOneTrain)
{
    TrainSpec engine = WestTrain();
    engine.carType = 0;  // no car: just the locomotive, never an empty slot
    TrainSpec pair = WestTrain();
    pair.entry = 559;
    pair.locoType = 0;  // its units give the locomotives
    TrainSpec other = pair;
    other.arrival = 1200;
    Load({engine, pair, other},
         {{kTypeDieselLoco, 0, 2, 2}, {kTypeDieselLoco, 1, 1, 1}, {kTypeElectricLoco, 2, 1, 1}});
    EXPECT_EQ(game.TrainArrives(0, kTestowoWestEntry), 0);
    EXPECT_FALSE(Slot(kTestowoWestEntry, 0).Coupled());
    EXPECT_TRUE(Slot(kTestowoWestEntry, 1).IsEmpty());
    // Units 1 and 2 on row 1: both locomotives, then the car.
    ASSERT_EQ(game.TrainArrives(1, kTestowoEastEntry), 0);
    EXPECT_EQ(Slot(kTestowoEastEntry, 0).Type(), kTypeDieselLoco);
    EXPECT_EQ(Slot(kTestowoEastEntry, 0).Motion(), kMotionRouted);
    EXPECT_EQ(Slot(kTestowoEastEntry, 1).Type(), kTypeElectricLoco);
    EXPECT_EQ(Slot(kTestowoEastEntry, 0).Number(), 1);
    EXPECT_EQ(Slot(kTestowoEastEntry, 1).Number(), 2);
    EXPECT_EQ(Slot(kTestowoEastEntry, 1).Motion(), kMotionStanding);
    EXPECT_EQ(Slot(kTestowoEastEntry, 2).Type(), kTypeCar);
}

TEST_F(Admission, ALightEngineLeavesNoRowNumberBehind)
{
    // Row 0 a light engine due at the east entry, row 1 a train due at the
    // west entry in the same pass, row 2 a train on the line.
    TrainSpec line = LineTrain(1100);
    line.trainState = kTrainAdmitted;
    Load({LightEngine(1015, 559), WestTrain(), line});
    BlockTrain(game, kTestowoLine, 0) = 2;
    BlockCountdown(game, kTestowoLine, 0) = 25;
    LineStateOf(game, kTestowoLine) = kLineArriving;
    // A car left standing with the light engine's row loses it, and keeps
    // no number that would name the next train.
    Put(kTestowoStabling, 0, kTypeCar, 0, false);
    SetClock(1005, 59);
    Step();
    ASSERT_EQ(game.TrainCount(), 2);
    EXPECT_EQ(Slot(kTestowoStabling, 0).Train(), -1);
    VehicleSlot& engine = Slot(kTestowoEastEntry, 0);
    EXPECT_EQ(engine.Type(), kTypeDieselLoco);
    EXPECT_EQ(engine.Train(), -1);
    EXPECT_EQ(engine.Operational(), 1);  // its departure mark 9999 is no delay
    EXPECT_EQ(engine.Countdown(), 8 * 60);
    EXPECT_EQ(TileStateOf(559), kTileLocked);  // its own entry, not the next row's
    // The train behind it in the same pass came in at its own entry as row 0.
    EXPECT_EQ(Slot(kTestowoWestEntry, 0).Train(), 0);
    EXPECT_EQ(Field(0, kRowEntryTile), 501);
    EXPECT_EQ(Field(0, kRowTrainState), kTrainAdmitted);
    EXPECT_EQ(Field(0, kRowExpectedArrival), 1020);
    EXPECT_EQ(BlockTrain(game, kTestowoLine, 0), 1);  // the line's train moved down with its row
    EXPECT_EQ(game.timetable.IndexRow(0, kArrivalMode, false), 0);
}

TEST_F(Admission, TheLineHandsAnArrivingLightEngineItsCountdown)
{
    Load({WestTrain(), LightEngine(1000, 1201)});
    BlockTrain(game, kTestowoLine, 0) = 1;
    BlockCountdown(game, kTestowoLine, 0) = 1;
    LineStateOf(game, kTestowoLine) = kLineArriving;
    EXPECT_EQ(game.TrainArrives(1, kTestowoLine), -kTestowoLine);
    EXPECT_EQ(game.TrainCount(), 1);
    EXPECT_EQ(Slot(kTestowoLine, 0).Type(), kTypeDieselLoco);
}

TEST_F(Admission, OnlyTrainsWithAnArrivalComeInAndOnlyAtEntries)
{
    TrainSpec startsHere = WestTrain();
    startsHere.arrival = 0;  // leaves from here; after it left its row waits with no arrival
    startsHere.entry = 0;    // tile 0: the depot's empty tile field
    TrainSpec atAnExit = WestTrain(1010);
    atAnExit.entry = 560;
    Load({startsHere, atAnExit});
    SetClock(1010);
    game.timetable.Update(game.Now());
    EXPECT_EQ(game.AdmitArrivingTrains(kFirstAsk, 0), kNoTrainAsks);
    EXPECT_EQ(Field(0, kRowTrainState), kTrainNotHere);
    EXPECT_EQ(Field(1, kRowTrainState), kTrainNotHere);
    EXPECT_TRUE(Slot(kTestowoDepot, 0).IsEmpty());
    EXPECT_TRUE(Slot(kTestowoEastExit, 0).IsEmpty());
}

}  // namespace
