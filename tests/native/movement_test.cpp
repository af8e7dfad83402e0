// Train movement at Testowo: consists running tile by tile, arriving at
// platforms and turning round there, departing under the timetable's test,
// leaving through exits with their locomotives booked, and the coupling
// countdowns.
#include <gtest/gtest.h>

#include "simulation/consist.h"
#include "simulation/line_sections.h"
#include "station_builder.h"
#include "traffic.h"

namespace {

using Movement = Traffic;

TEST_F(Movement, AConsistRunsOneTilePerMoveTickAndLandsInItsDestination)
{
    Load({CarTrain(900, 1000)});
    game.moveDivisor = 10;
    Put(kTestowoStabling, 0, kTypeDieselLoco, 0, true);
    Put(kTestowoStabling, 1, kTypeCar, 0, false);
    Slot(kTestowoStabling, 1).Countdown(25);  // a coupling under way runs on every call
    const std::vector<TileCode> path = Path(920, 1120);  // 920, 1020, 1120
    Route(kTestowoStabling, 0, path);
    SetTileState(game, 920, kTileOccupied);

    // The first call is a move tick: the consist moves into the freight
    // platform's slots at once and, that row coming later, advances a tile.
    EXPECT_EQ(game.MoveTrains(), 0);
    EXPECT_TRUE(Slot(kTestowoStabling, 0).IsEmpty());
    VehicleSlot& head = Slot(kTestowoFreight, 0);
    EXPECT_EQ(head.Motion(), kMotionMoving);
    EXPECT_EQ(head.PathLast(), 1020);
    EXPECT_EQ(Slot(kTestowoFreight, 1).Countdown(), 24);
    EXPECT_EQ(TileStateOf(920), kTileFree);
    EXPECT_EQ(TileStateOf(1020), kTileOccupied);

    for (int32_t call = 1; call < 10; ++call) game.MoveTrains();
    EXPECT_EQ(head.PathLast(), 1020);  // calls 1 to 9 are no move ticks
    EXPECT_EQ(Slot(kTestowoFreight, 1).Countdown(), 15);
    game.MoveTrains();  // call 10: onto its destination tile
    EXPECT_EQ(head.PathLast(), 1120);
    EXPECT_EQ(TileStateOf(1020), kTileFree);
    EXPECT_EQ(TileStateOf(1121), kTileFree);
    for (int32_t call = 11; call <= 20; ++call) game.MoveTrains();  // call 20: there
    EXPECT_FALSE(head.HasPath());
    EXPECT_EQ(head.Motion(), kMotionStanding);
    EXPECT_EQ(TileStateOf(1120), kTileOccupied);
    EXPECT_EQ(TileStateOf(1121), kTileOccupied);
    EXPECT_EQ(Slot(kTestowoFreight, 1).Type(), kTypeCar);
}

TEST_F(Movement, AConsistMovingToALowerRowAdvancesOnTheNextStep)
{
    Load({CarTrain(900, 1000)});
    Put(kTestowoStabling, 0, kTypeDieselLoco, 0, false);
    Route(kTestowoStabling, 0, Path(920, 720));
    game.MoveTrains();
    EXPECT_TRUE(Slot(kTestowoStabling, 0).IsEmpty());
    EXPECT_EQ(Slot(kTestowoPlatform2, 0).PathLast(), 920);  // its row was passed already
    game.MoveTrains();
    EXPECT_EQ(Slot(kTestowoPlatform2, 0).PathLast(), 820);
}

// A train standing at the west entry, routed to platform 1 and run there.
class AtPlatform : public Movement {
protected:
    void Arrive(int32_t hhmm)
    {
        Load({CarTrain(hhmm, hhmm + 30)});
        SetClock(hhmm);
        Put(kTestowoWestEntry, 0, kTypeCar, 0, true);
        Put(kTestowoWestEntry, 1, kTypeElectricLoco, 0, false);
        Field(0, kRowTrainState) = kTrainStanding;
        Route(kTestowoWestEntry, 1, Path(501, 520));
        Step();  // starts: into platform 1 at once, the head one tile on
        ASSERT_EQ(Slot(kTestowoPlatform1, 1).Type(), kTypeElectricLoco);
        ASSERT_TRUE(StepUntil([&] { return !Slot(kTestowoPlatform1, 1).HasPath(); }, 30));
    }
};

TEST_F(AtPlatform, ATrainArrivingJustBeforeMidnightTurnsItsFiveMinutesLater)
{
    Arrive(2357);
    EXPECT_EQ(Field(0, kRowState), kStateArriving);  // its time of 23:57 was no moment of arrival
    ASSERT_TRUE(StepUntil([&] { return Field(0, kRowState) == kStateDeparting; }, 600));
    EXPECT_EQ(game.Now(), 2);  // the moment it came outlives the midnight rollover
    Steps(120);
    EXPECT_EQ(Field(0, kRowState), kStateDeparting);
}

TEST_F(Movement, ALocomotiveOfTrainZeroIsNoTimetableRow)
{
    Load({CarTrain(1000, 1030)});
    Field(0, kRowTrainState) = kTrainStanding;
    // A locomotive arriving at a platform gives row 0 no moment of arrival...
    Put(kTestowoWestEntry, 0, kTypeElectricLoco, 0, false);
    Route(kTestowoWestEntry, 0, Path(501, 520));
    SetTileState(game, 501, kTileOccupied);
    Steps(25);
    EXPECT_EQ(Slot(kTestowoPlatform1, 0).Motion(), kMotionStanding);
    EXPECT_EQ(Field(0, kRowExpectedArrival), kNotDrawn);
    EXPECT_EQ(Field(0, kRowArrival), 1000);
    // ...nor does one settling on an entry change row 0's state.
    Field(0, kRowTrainState) = kTrainNotHere;
    Put(kTestowoEastEntry, 0, kTypeDieselLoco, 0, false);
    Slot(kTestowoEastEntry, 0).Motion(kMotionRouted);
    game.MoveTrains();
    EXPECT_EQ(Slot(kTestowoEastEntry, 0).Motion(), kMotionStanding);
    EXPECT_EQ(Field(0, kRowTrainState), kTrainNotHere);
}

TEST_F(Movement, AThroughTrainMarksItsHeadsTrainLeaving)
{
    // A locomotive carries no train of its own: it heads the train of the
    // first car, and only that one leaves. The first car is not of row 0,
    // which a locomotive's own train would give.
    Load({CarTrain(1000, 1010), CarTrain(1000, 1010)});
    SetClock(1000);
    Put(kTestowoWestEntry, 0, kTypeCar, 1, true);
    Put(kTestowoWestEntry, 1, kTypeCar, 0, true);
    Put(kTestowoWestEntry, 2, kTypeElectricLoco, 0, false);
    Field(0, kRowTrainState) = kTrainStanding;
    Field(1, kRowTrainState) = kTrainStanding;
    Route(kTestowoWestEntry, 2, Path(501, 560));
    Step();
    EXPECT_EQ(Field(1, kRowTrainState), kTrainLeaving);
    EXPECT_EQ(Field(0, kRowTrainState), kTrainStanding);
}

TEST_F(Movement, AMultipleUnitWaitsAtItsPlatformForItsDeparture)
{
    TrainSpec unit = CarTrain(1000, 1010);
    unit.locoType = kTypeElectricUnit;
    Load({unit});
    SetClock(1009, 58);
    Put(kTestowoPlatform1, 0, kTypeElectricUnit, 0, false);
    SetPointTiles(game, kTestowoPlatform1, kTileOccupied);
    Route(kTestowoPlatform1, 0, Path(522, 560));
    Step();
    EXPECT_EQ(Slot(kTestowoPlatform1, 0).Motion(), kMotionRouted);  // 10:09:59
    Step();
    EXPECT_EQ(Slot(kTestowoEastExit, 0).Motion(), kMotionMoving);
    EXPECT_EQ(Field(0, kRowTrainState), kTrainLeaving);
    EXPECT_EQ(Field(0, kRowExpectedDeparture), 1010);
    EXPECT_EQ(TileStateOf(520), kTileFree);  // the platform is empty
}

TEST_F(Movement, ALightEngineLeavesWhateverTheTimetableSays)
{
    Load({CarTrain(1000, 1200)});
    SetClock(1000);
    Put(kTestowoPlatform1, 0, kTypeCar, 0, false);
    Put(kTestowoPlatform1, 1, kTypeElectricLoco, 0, false);  // not coupled to the car
    Route(kTestowoPlatform1, 1, Path(522, 560));
    Step();
    EXPECT_EQ(Slot(kTestowoEastExit, 0).Type(), kTypeElectricLoco);
    EXPECT_EQ(Slot(kTestowoPlatform1, 0).Type(), kTypeCar);
    EXPECT_EQ(Field(0, kRowTrainState), kTrainNotHere);
    EXPECT_EQ(Field(0, kRowExpectedDeparture), 1200);  // as drawn, not stamped with its leaving
}

TEST_F(Movement, ALocomotiveTakesItsTrainOutOnceItsDepartureHasCome)
{
    Load({CarTrain(1000, 1010), CarTrain(1000, 1010)});
    SetClock(1009, 59);
    // Towards lower columns with the locomotive in slot 0, the two cars behind it.
    Put(kTestowoPlatform1, 0, kTypeElectricLoco, 0, true);
    Put(kTestowoPlatform1, 1, kTypeCar, 0, true);
    Put(kTestowoPlatform1, 2, kTypeCar, 1, false);
    Route(kTestowoPlatform1, 0, Path(520, 502));
    Step();  // 10:10:00
    EXPECT_EQ(Slot(kTestowoWestExit, 2).Train(), 1);
    EXPECT_EQ(Field(0, kRowTrainState), kTrainLeaving);
    EXPECT_EQ(Field(1, kRowTrainState), kTrainLeaving);
    EXPECT_EQ(Field(1, kRowExpectedDeparture), 1010);

    // Towards higher columns the walk goes down from the head; too early, it waits.
    Load({CarTrain(1000, 1030)});
    Put(kTestowoPlatform2, 0, kTypeCar, 0, true);
    Put(kTestowoPlatform2, 1, kTypeElectricLoco, 0, false);
    Route(kTestowoPlatform2, 1, Path(722, 760));
    SetTileState(game, 760, kTileFree);
    SetPoint(game, kTestowoStabling, {kPointExit, 6, 760, 0, 0, 62});
    Step();
    EXPECT_EQ(Slot(kTestowoPlatform2, 1).Motion(), kMotionRouted);
    EXPECT_EQ(Field(0, kRowTrainState), kTrainNotHere);
}

// A consist run out to the west exit (odd side), counting down six minutes.
class AtExit : public Movement {
protected:
    void LeaveWith(const std::vector<int32_t>& types, int32_t train, bool damagedSecond = false)
    {
        for (size_t s = 0; s < types.size(); ++s)
            Put(kTestowoWestExit, static_cast<int32_t>(s), types[s], train, s + 1 < types.size());
        if (damagedSecond) Slot(kTestowoWestExit, 1).Operational(0);
        for (size_t s = 0; s < types.size(); ++s) {
            VehicleSlot& v = Slot(kTestowoWestExit, static_cast<int32_t>(s));
            if (v.Kind() == kKindCar) continue;
            v.Motion(kMotionRouted);
            v.Countdown(2);
        }
        SetTileState(game, 502, kTileLocked);
        game.MoveTrains();
        game.MoveTrains();
    }
};

TEST_F(AtExit, ALeavingTrainTurnsItsRowRoundForTheNextDay)
{
    TrainSpec train = CarTrain(1000, 1030);
    train.rowState = kStateDeparting;
    train.trainState = kTrainLeaving;
    Load({train});
    LeaveWith({kTypeElectricLoco, kTypeCar, kTypeCar}, 0);
    EXPECT_TRUE(Slot(kTestowoWestExit, 0).IsEmpty());
    EXPECT_EQ(TileStateOf(502), kTileFree);
    EXPECT_EQ(Field(0, kRowState), kStateArriving);
    EXPECT_EQ(Field(0, kRowTrainState), kTrainNotHere);
    EXPECT_EQ(Field(0, kRowDeparture), 1030 + 2400);
    EXPECT_EQ(Field(0, kRowExpectedDeparture), 1030 + 2400);
    EXPECT_EQ(Field(0, kRowExpectedArrival), 1000);
    EXPECT_EQ(game.TrainCount(), 1);  // one locomotive, its train's own: nothing comes back
}

TEST_F(AtExit, YesterdaysDepartureBecomesTodays)
{
    Load({CarTrain(1000, 1030)});
    Field(0, kRowDeparture) = -1030;
    LeaveWith({kTypeElectricLoco, kTypeCar}, 0);
    EXPECT_EQ(Field(0, kRowDeparture), 1030);
    EXPECT_EQ(Field(0, kRowExpectedDeparture), kNotDrawn);
}

TEST_F(AtExit, ASurplusLocomotiveComesBackAsALightEngineAtTheEntryOfItsLine)
{
    Load({CarTrain(0, 1030)});
    SetPoint(game, kTestowoWestExit, {kPointExit, 6, 502, 0, 0, 11});  // line 1: the west entry's
    LeaveWith({kTypeDieselLoco, kTypeElectricLoco, kTypeCar}, 0, true);
    ASSERT_EQ(game.TrainCount(), 2);
    EXPECT_EQ(Field(1, kRowState), kStateLightEngine);
    EXPECT_EQ(Field(1, kRowEntryTile), 501);
    EXPECT_EQ(Field(1, kRowArrival), 30);  // 30 minutes after its train's arrival
    EXPECT_EQ(game.timetable.LocoType(1, kRawRow), kTypeDieselLoco);
}

TEST_F(AtExit, NoLightEngineWithoutAnEntryOfTheLineOrRoomInTheTimetable)
{
    Load({CarTrain(0, 1030)});  // the west exit is line 4: Testowo has no entry 4
    LeaveWith({kTypeDieselLoco, kTypeElectricLoco, kTypeElectricLoco, kTypeCar}, 0);
    EXPECT_EQ(game.TrainCount(), 1);
    SetPoint(game, kTestowoWestExit, {kPointExit, 6, 502, 0, 0, 11});
    LeaveWith({kTypeDieselLoco, kTypeElectricLoco, kTypeElectricLoco, kTypeCar}, 0);
    EXPECT_EQ(game.TrainCount(), 2);
    LeaveWith({kTypeDieselLoco, kTypeElectricLoco, kTypeElectricLoco, kTypeCar}, 0);
    EXPECT_EQ(game.TrainCount(), 2);  // the table holds twice its rows, no more
    EXPECT_TRUE(Slot(kTestowoWestExit, 0).IsEmpty());
}

TEST_F(AtExit, ALocomotiveOfAnotherUnitIsRecordedForTheTrainsUnit)
{
    TrainSpec train = CarTrain(1000, 1030);
    train.locoType = 0;
    Load({train}, {{kTypeElectricLoco, 0, 0, 0}});
    LeaveWith({kTypeDieselLoco, kTypeCar}, 0);
    EXPECT_EQ(game.timetable.LocoType(0, kRawRow), kTypeDieselLoco);
}

TEST_F(Movement, ACouplingCountdownInvertsTheLeftSlotsFlag)
{
    Load({CarTrain(900, 1000)});
    Put(kTestowoStabling, 0, kTypeDieselLoco, 0, false);
    Put(kTestowoStabling, 1, kTypeCar, 0, false);
    Slot(kTestowoStabling, 0).Countdown(3);
    Slot(kTestowoStabling, 1).Countdown(3);
    game.MoveTrains();
    game.MoveTrains();
    EXPECT_FALSE(Slot(kTestowoStabling, 0).Coupled());
    game.MoveTrains();
    EXPECT_TRUE(Slot(kTestowoStabling, 0).Coupled());
    EXPECT_FALSE(Slot(kTestowoStabling, 1).Coupled());
    EXPECT_EQ(Slot(kTestowoStabling, 1).Countdown(), 0);
}

}  // namespace
