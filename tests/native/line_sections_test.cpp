// Line sections: Testowo's line at 1201 (point 2, odd side, 5 minutes to the
// station) given three blocks of 30, 30 and 12 steps.
#include <gtest/gtest.h>

#include "simulation/consist.h"
#include "simulation/line_sections.h"
#include "station_builder.h"
#include "traffic.h"

namespace {

class LineSections : public Traffic {
protected:
    void SetUp() override
    {
        Traffic::SetUp();
        SetLineBlocks(game, kTestowoLine, {30, 30, 12});
        TrainSpec train;
        train.arrival = 1020;
        train.entry = 1201;
        train.locoType = kTypeElectricLoco;
        train.carType = kTypeCar;
        train.trainState = kTrainAdmitted;
        TrainSpec engine;
        engine.rowState = kStateLightEngine;
        engine.arrival = 1030;
        engine.entry = 1201;
        engine.locoType = kTypeDieselLoco;
        engine.trainState = kTrainAdmitted;
        Load({train, train, engine});
        SetClock(1010);
    }

    int32_t& Countdown(int32_t block) { return BlockCountdown(game, kTestowoLine, block); }
    int32_t& Train(int32_t block) { return BlockTrain(game, kTestowoLine, block); }
    int32_t& State() { return LineStateOf(game, kTestowoLine); }

    void Advance(int32_t steps)
    {
        for (int32_t i = 0; i < steps; ++i) game.AdvanceLineSections();
    }
};

TEST_F(LineSections, AnArrivingTrainMovesOnOnlyIntoAFreeBlock)
{
    State() = kLineArriving;
    Train(2) = 0;
    Countdown(2) = 12;
    Train(1) = 1;
    Countdown(1) = 14;  // another train ahead, 14 steps from its end
    Advance(11);
    EXPECT_EQ(Countdown(2), 1);
    Advance(1);
    EXPECT_EQ(Countdown(2), 1);  // block 2 is still taken: it waits
    EXPECT_EQ(Countdown(1), 2);
    Advance(2);  // the one ahead moves into block 1, and this one follows into the block it left
    EXPECT_EQ(Train(0), 1);
    EXPECT_EQ(Countdown(0), 30);
    EXPECT_EQ(Train(1), 0);
    EXPECT_EQ(Countdown(1), 30);
    EXPECT_EQ(Countdown(2), 0);
}

TEST_F(LineSections, TheFirstBlockPutsItsTrainOnTheEmptyEntry)
{
    State() = kLineArriving;
    Train(0) = 1;
    Countdown(0) = 2;
    Put(kTestowoLine, 0, kTypeDieselLoco, 0, false);  // the entry is taken
    Advance(5);
    EXPECT_EQ(Countdown(0), 1);
    Vacate(Slot(kTestowoLine, 0));
    Advance(1);
    // Its train stands there counting down five minutes; odd side, locomotive on top.
    EXPECT_EQ(Countdown(0), 0);
    EXPECT_EQ(Train(0), 0);
    EXPECT_EQ(Slot(kTestowoLine, 0).Train(), 1);
    VehicleSlot& head = Slot(kTestowoLine, 1);
    EXPECT_EQ(head.Type(), kTypeElectricLoco);
    EXPECT_EQ(head.Countdown(), 5 * 60);
    EXPECT_EQ(Field(1, kRowExpectedArrival), 1015);
    EXPECT_EQ(TileStateOf(1201), kTileLocked);
    EXPECT_EQ(State(), kLineArriving);  // until the entry tile is free again
    SetTileState(game, 1201, kTileOccupied);
    Advance(3);
    EXPECT_EQ(State(), kLineArriving);
    SetTileState(game, 1201, kTileFree);
    Advance(1);
    EXPECT_EQ(State(), kLineFree);
}

TEST_F(LineSections, ALightEngineComesOffTheLineWithoutExpectedArrival)
{
    State() = kLineArriving;
    Train(0) = 2;
    Countdown(0) = 1;
    Train(2) = 1;
    Countdown(2) = 20;
    Advance(1);
    EXPECT_EQ(game.TrainCount(), 2);
    VehicleSlot& engine = Slot(kTestowoLine, 0);
    EXPECT_EQ(engine.Type(), kTypeDieselLoco);
    EXPECT_EQ(engine.Train(), -1);
    EXPECT_EQ(engine.Countdown(), 5 * 60);
    EXPECT_EQ(Field(0, kRowExpectedArrival), kNotDrawn);
    EXPECT_EQ(Field(1, kRowExpectedArrival), kNotDrawn);
    EXPECT_EQ(Train(2), 1);  // the row before the removed one keeps its number
}

TEST_F(LineSections, AFreeLineIsLeftAlone)
{
    Train(1) = 1;
    Countdown(1) = 5;
    Advance(3);
    EXPECT_EQ(Countdown(1), 5);
    EXPECT_EQ(State(), kLineFree);
}

TEST_F(LineSections, ADepartingTrainRunsThroughEveryBlockAndFreesTheLine)
{
    Put(kTestowoLine, 0, kTypeCar, 0, true);
    Put(kTestowoLine, 1, kTypeElectricLoco, 0, false);
    Field(0, kRowState) = kStateDeparting;
    Slot(kTestowoLine, 1).Motion(kMotionRouted);
    Slot(kTestowoLine, 1).Countdown(1);
    SetTileState(game, 1201, kTileLocked);
    State() = kLineDeparting;
    game.MoveTrains();
    EXPECT_TRUE(Slot(kTestowoLine, 1).IsEmpty());
    EXPECT_EQ(TileStateOf(1201), kTileFree);
    EXPECT_EQ(Field(0, kRowTrainState), kTrainNotHere);
    EXPECT_EQ(State(), kLineDeparting);
    EXPECT_EQ(Train(0), 0);
    EXPECT_EQ(Countdown(0), 29);  // counted in the same step, as every block is
    // A second train at the point waits while block 1 holds the first.
    Put(kTestowoLine, 0, kTypeDieselLoco, 0, false);
    Slot(kTestowoLine, 0).Motion(kMotionRouted);
    Slot(kTestowoLine, 0).Countdown(1);
    SetTileState(game, 1201, kTileLocked);
    for (int32_t i = 0; i < 28; ++i) game.MoveTrains();
    EXPECT_EQ(Slot(kTestowoLine, 0).Countdown(), 1);
    EXPECT_EQ(Countdown(0), 1);
    game.MoveTrains();  // the first moves on into block 2; the second still waits
    EXPECT_EQ(Countdown(1), 30);
    EXPECT_EQ(Train(1), 0);
    EXPECT_FALSE(Slot(kTestowoLine, 0).IsEmpty());
    game.MoveTrains();
    EXPECT_TRUE(Slot(kTestowoLine, 0).IsEmpty());
    EXPECT_EQ(Countdown(0), 0);  // a light engine takes no block
    for (int32_t i = 0; i < 28 + 1 + 11; ++i) game.MoveTrains();
    EXPECT_EQ(Train(2), 0);
    EXPECT_EQ(Countdown(2), 1);  // the first, at the far end
    game.MoveTrains();
    EXPECT_EQ(Countdown(2), 0);  // gone, and nothing left on the line
    EXPECT_EQ(State(), kLineFree);
}

}  // namespace
