// Jumping the traffic to a time of day on Testowo: which trains are done,
// which stand at platforms, and what the done ones leave behind.
#include <gtest/gtest.h>

#include "simulation/consist.h"
#include "simulation/line_sections.h"
#include "station_builder.h"
#include "traffic.h"

namespace {

using PlaceTrains = Traffic;

TrainSpec UnitTrain(int32_t arrival, int32_t departure)
{
    TrainSpec t = CarTrain(arrival, departure);
    t.locoType = kTypeElectricUnit;
    return t;
}

TEST_F(PlaceTrains, PlacesTheTrainsThatStandAtTheNewTime)
{
    TrainSpec onItsTrack = CarTrain(950, 1030);
    onItsTrack.startTile = -721;  // platform 2, slot 2, coupled onwards
    onItsTrack.startSlot = 2;
    Load({CarTrain(900, 930), CarTrain(940, 1020), CarTrain(920, 1020), onItsTrack, UnitTrain(945, 1015)});
    SetClock(800, 25);
    EXPECT_EQ(game.PlaceTrainsForTime(1000), 3);
    EXPECT_EQ(game.Now(), 1000);
    EXPECT_EQ(game.Seconds(), 0);
    EXPECT_EQ(Field(0, kRowTrainState), kTrainLeaving);  // left at 9:30
    EXPECT_EQ(Field(2, kRowTrainState), kTrainLeaving);  // arrived 40 minutes before
    EXPECT_EQ(Field(1, kRowTrainState), kTrainStanding);
    EXPECT_EQ(Field(1, kRowExpectedArrival), 940);
    EXPECT_EQ(Field(1, kRowExpectedDeparture), 1020);
    // A car on the first free platform; a multiple unit as itself; a start position kept.
    EXPECT_EQ(Slot(kTestowoPlatform1, 0).Type(), kTypeCar);
    EXPECT_EQ(Slot(kTestowoPlatform1, 0).Train(), 1);
    EXPECT_EQ(Slot(kTestowoPlatform2, 0).Type(), kTypeElectricUnit);
    EXPECT_EQ(Slot(kTestowoPlatform2, 0).Kind(), kKindElectricUnit);
    EXPECT_EQ(Slot(kTestowoPlatform2, 2).Train(), 3);
    EXPECT_FALSE(Slot(kTestowoPlatform2, 2).Coupled());  // nothing stands in slot 3 to couple to
    for (TileCode tile : {520, 521, 522, 720}) EXPECT_EQ(TileStateOf(tile), kTileOccupied) << tile;
}

TEST_F(PlaceTrains, AJumpBackIsAJumpThroughMidnight)
{
    Load({CarTrain(500, 600), CarTrain(850, 910), CarTrain(1200, 1300)});
    SetClock(1000);
    EXPECT_EQ(game.PlaceTrainsForTime(900), 1);
    EXPECT_EQ(Field(0, kRowTrainState), kTrainLeaving);
    EXPECT_EQ(Field(1, kRowTrainState), kTrainStanding);
    EXPECT_EQ(Field(2, kRowTrainState), kTrainLeaving);
}

TEST_F(PlaceTrains, OnlyTimesOfTodayArePlaced)
{
    Load({CarTrain(2350, 2410), CarTrain(2355, 15)});
    Field(1, kRowArrival) = -2355;  // yesterday's arrival after a rollover
    SetClock(2300);
    EXPECT_EQ(game.PlaceTrainsForTime(5), 0);
    EXPECT_TRUE(Slot(kTestowoPlatform1, 0).IsEmpty());
    EXPECT_EQ(game.PlaceTrainsForTime(2400), 0);  // no time of day: nothing at all
    EXPECT_EQ(game.PlaceTrainsForTime(1260), 0);
    EXPECT_EQ(game.Now(), 5);
}

TEST_F(PlaceTrains, ATrainWithoutAPlaceIsDone)
{
    Load({CarTrain(940, 1020), CarTrain(945, 1020)});
    for (int32_t p : {kTestowoPlatform1, kTestowoPlatform2}) Put(p, 0, kTypeDieselLoco, 0, false);
    SetClock(800);
    EXPECT_EQ(game.PlaceTrainsForTime(1000), 1);
    EXPECT_EQ(Slot(kTestowoFreight, 0).Train(), 0);  // the last free platform
    EXPECT_EQ(Field(1, kRowTrainState), kTrainLeaving);

    // A locomotive train without a car has nothing to place: its locomotives are not placed.
    Load({CarTrain(940, 1020)});
    Field(0, kRowVehicleType) = 0;
    Vacate(Slot(kTestowoPlatform1, 0));
    SetClock(800);
    EXPECT_EQ(game.PlaceTrainsForTime(1000), 0);
    EXPECT_TRUE(Slot(kTestowoPlatform1, 0).IsEmpty());
    EXPECT_EQ(Field(0, kRowTrainState), kTrainLeaving);
}

TEST_F(PlaceTrains, DoneTrainsLeaveNoVehicleRouteOrBlockBehind)
{
    Load({CarTrain(900, 930), CarTrain(700, 1100)});
    SetClock(800);
    // Row 0's car behind a locomotive (which carries train 0 and is no row's)...
    Put(kTestowoPlatform1, 0, kTypeElectricLoco, 0, true);
    Put(kTestowoPlatform1, 1, kTypeCar, 0, false);
    Put(kTestowoLocoTrack, 0, kTypeDieselLoco, 0, false);
    // ...its multiple unit running on a route from the east entry...
    Put(kTestowoEastEntry, 0, kTypeElectricUnit, 0, false);
    Slot(kTestowoEastEntry, 0).SetPath({545, 546, 547});
    Slot(kTestowoEastEntry, 0).Motion(kMotionMoving);
    SetTileState(game, 545, kTileLocked);
    SetTileState(game, 546, kTileLocked);
    SetTileState(game, 547, kTileOccupied);
    SetTileState(game, 559, kTileOccupied);
    // ...and the train in block 1 of the line.
    BlockTrain(game, kTestowoLine, 0) = 0;
    BlockCountdown(game, kTestowoLine, 0) = 20;
    LineStateOf(game, kTestowoLine) = kLineArriving;

    game.PlaceTrainsForTime(1000);
    EXPECT_EQ(Slot(kTestowoPlatform1, 0).Type(), kTypeElectricLoco);
    EXPECT_FALSE(Slot(kTestowoPlatform1, 0).Coupled());
    EXPECT_TRUE(Slot(kTestowoPlatform1, 1).IsEmpty());
    EXPECT_EQ(Slot(kTestowoLocoTrack, 0).Type(), kTypeDieselLoco);
    EXPECT_TRUE(Slot(kTestowoEastEntry, 0).IsEmpty());
    for (TileCode tile : {545, 546, 547, 559}) EXPECT_EQ(TileStateOf(tile), kTileFree) << tile;
    EXPECT_EQ(BlockCountdown(game, kTestowoLine, 0), 0);
    game.AdvanceLineSections();
    EXPECT_EQ(LineStateOf(game, kTestowoLine), kLineFree);
    EXPECT_EQ(Field(1, kRowTrainState), kTrainNotHere);  // arrived before 8:00: the game has it already
}

}  // namespace
