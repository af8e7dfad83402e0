// The simulation step on Testowo: its flags, midnight, the depot exit, and
// whole journeys driven as the game's timer drives them (the step, then the
// admission with the player's answers).
#include <gtest/gtest.h>

#include "scripted_random.h"
#include "simulation/admission.h"
#include "simulation/consist.h"
#include "simulation/line_sections.h"
#include "simulation/new_game.h"
#include "simulation/simulation_step.h"
#include "slot_texts.h"
#include "station_builder.h"
#include "station_files.h"
#include "traffic.h"

namespace {

using SimulationStep = Traffic;

TEST_F(SimulationStep, FlagsATrainComingInAndAChangedTimetable)
{
    Load({CarTrain(1000, 1030), CarTrain(1030, 1040)});
    SetClock(1000);
    Field(0, kRowExpectedArrival) = 1000;
    Field(0, kRowExpectedDeparture) = 1030;
    EXPECT_EQ(game.SimulationStep(), 0);

    // Row 1 comes within the look-ahead and draws an early arrival.
    game.timetable.SetRandomDelays(true);
    const int32_t cls = game.timetable.CategoryClass(2);
    game.timetable.DelayChance(cls, kDelayEarly, 100);
    ScriptedRandom draws({0, 0});
    Field(1, kRowExpectedArrival) = kNotDrawn;
    Field(1, kRowExpectedDeparture) = kNotDrawn;
    SetClock(945);
    Put(kTestowoWestEntry, 0, kTypeElectricLoco, 0, false);
    Slot(kTestowoWestEntry, 0).Motion(kMotionRouted);
    Slot(kTestowoWestEntry, 0).Countdown(1);
    EXPECT_EQ(game.SimulationStep(), kStepTrainCameIn | kStepTimetableChanged);
    EXPECT_EQ(kStepTrainCameIn | kStepTimetableChanged, 11);
    EXPECT_TRUE(draws.AllUsed());
}

TEST_F(SimulationStep, MidnightRollsTheTimetableOverWithinTheStep)
{
    Load({CarTrain(1000, 1030)});
    SetClock(2359, 59);
    EXPECT_EQ(game.SimulationStep(), 0);
    EXPECT_EQ(game.Now(), 0);
    EXPECT_EQ(game.Seconds(), 0);
    // No time of the next day: the day's rows are armed again.
    EXPECT_EQ(Field(0, kRowArrival), 1000);
    EXPECT_EQ(Field(0, kRowTrainState), kTrainNotHere);

    Load({CarTrain(1000, 1030), CarTrain(2415, 2420)});
    SetClock(2359, 59);
    game.SimulationStep();
    EXPECT_EQ(Field(0, kRowArrival), -1000);  // yesterday's
    EXPECT_EQ(Field(1, kRowArrival), 15);     // today's
    EXPECT_EQ(Field(1, kRowExpectedArrival), 15);  // and drawn at once by the update of 0:00
}

TEST_F(SimulationStep, TheDepotLetsACalledOutLocomotiveOutOnEveryStep)
{
    Load({});
    game.moveDivisor = 10;
    game.tickCounter = 1;  // no move tick for the next nine steps
    game.depot.Param(kDepotParamCapacity, 2);
    game.depot.Param(kDepotParamPreparationSteps, 3);
    Put(kTestowoStabling, 0, kTypeDieselLoco, 0, false);
    Put(kTestowoStabling, 1, kTypeElectricLoco, 0, false);
    ASSERT_EQ(game.depot.Add(Slot(kTestowoStabling, 0)), kDepotOk);
    ASSERT_EQ(game.depot.Add(Slot(kTestowoStabling, 1)), kDepotOk);
    ASSERT_EQ(game.depot.Release(kTypeDieselLoco, -1), kDepotOk);
    ASSERT_EQ(game.depot.Release(kTypeElectricLoco, -1), kDepotOk);
    Steps(3);  // prepared
    EXPECT_TRUE(Slot(kTestowoDepot, 0).IsEmpty());
    Step();
    EXPECT_EQ(Slot(kTestowoDepot, 0).Type(), kTypeElectricLoco);  // the depot keeps them by type
    EXPECT_EQ(game.depot.Count(), 1);
    Step();
    EXPECT_EQ(TileStateOf(1060), kTileOccupied);
    EXPECT_EQ(game.depot.Count(), 1);  // the other waits for the exit
    // Out of the exit: the next one follows on the next step.
    Slot(kTestowoDepot, 0).SetPath({920, 1060});
    Slot(kTestowoDepot, 0).Motion(kMotionRouted);
    Step();
    EXPECT_EQ(Slot(kTestowoStabling, 0).Type(), kTypeElectricLoco);
    Step();
    EXPECT_EQ(Slot(kTestowoDepot, 0).Type(), kTypeDieselLoco);
    EXPECT_EQ(game.depot.Count(), 0);
}

TEST_F(SimulationStep, ALocomotiveRunIntoTheDepotIsTakenIn)
{
    Load({});
    game.depot.Param(kDepotParamCapacity, 1);
    Put(kTestowoLocoTrack, 0, kTypeDieselLoco, 0, false);
    Route(kTestowoLocoTrack, 0, Path(1050, 1060));
    StepUntil([&] { return game.depot.Count() == 1; }, 30);
    EXPECT_EQ(game.depot.Count(), 1);
    EXPECT_TRUE(Slot(kTestowoDepot, 0).IsEmpty());
    EXPECT_EQ(TileStateOf(1060), kTileFree);
}

TEST_F(SimulationStep, ATrainComesInStopsTurnsRoundAndLeaves)
{
    Load({CarTrain(1020, 1040)});
    SetClock(1005, 59);
    Step();
    ASSERT_EQ(Field(0, kRowTrainState), kTrainAdmitted);
    int32_t steps = 0;
    int32_t flags = 0;
    while (flags == 0 && steps < 1000) {
        flags = Step() & kStepTrainCameIn;
        ++steps;
    }
    EXPECT_EQ(steps, 12 * 60);  // the west entry's twelve minutes of line
    EXPECT_EQ(Field(0, kRowTrainState), kTrainStanding);
    EXPECT_EQ(TileStateOf(501), kTileOccupied);

    Route(kTestowoWestEntry, 1, Path(501, 520));
    ASSERT_TRUE(StepUntil([&] { return Slot(kTestowoPlatform1, 1).Motion() == kMotionStanding; }, 100));
    const int32_t arrived = game.Now();
    ASSERT_TRUE(StepUntil([&] { return Field(0, kRowState) == kStateDeparting; }, 600));
    EXPECT_EQ(MinutesOf(game.Now()) - MinutesOf(arrived), 5);

    Route(kTestowoPlatform1, 1, Path(522, 560));
    ASSERT_TRUE(StepUntil([&] { return !Slot(kTestowoEastExit, 0).IsEmpty(); }, 1200));
    EXPECT_EQ(game.Now(), 1040);  // not before its departure
    EXPECT_EQ(Field(0, kRowTrainState), kTrainLeaving);
    ASSERT_TRUE(StepUntil([&] { return Slot(kTestowoEastExit, 0).IsEmpty(); }, 1000));
    EXPECT_EQ(Field(0, kRowTrainState), kTrainNotHere);
    EXPECT_EQ(Field(0, kRowState), kStateArriving);
    EXPECT_EQ(Field(0, kRowDeparture), 1040 + 2400);
    EXPECT_EQ(TileStateOf(560), kTileFree);
    Steps(120);
    EXPECT_TRUE(Slot(kTestowoWestEntry, 0).IsEmpty());  // not admitted again today
    EXPECT_TRUE(asked.empty());
}

TEST_F(SimulationStep, ALineTrainWaitsForPermissionThenRunsThroughItsBlocks)
{
    SetLineBlocks(game, kTestowoLine, {30, 30, 12});
    Load({CarTrain(1020, 1040, 1201)});
    SetClock(1009, 59);
    Step(5);  // refused: five minutes more
    EXPECT_EQ(asked, std::vector<int32_t>{0});
    EXPECT_EQ(Field(0, kRowTrainState), kTrainHeldBack);
    EXPECT_EQ(Field(0, kRowExpectedArrival), 1025);
    ASSERT_TRUE(StepUntil([&] { return Field(0, kRowTrainState) == kTrainAdmitted; }, 400));
    EXPECT_EQ(game.Now(), 1015);
    EXPECT_EQ(asked.size(), 2u);
    EXPECT_EQ(BlockCountdown(game, kTestowoLine, 2), 12);
    ASSERT_TRUE(StepUntil([&] { return BlockCountdown(game, kTestowoLine, 1) > 0; }, 20));
    ASSERT_TRUE(StepUntil([&] { return BlockCountdown(game, kTestowoLine, 0) > 0; }, 40));
    ASSERT_TRUE(StepUntil([&] { return RowHasVehicle(game, kTestowoLine); }, 40));
    EXPECT_EQ(Field(0, kRowExpectedArrival), AddMinutesClamped(game.Now(), 5));
    int32_t steps = 1;
    while ((Step() & kStepTrainCameIn) == 0 && steps < 1000) ++steps;
    EXPECT_EQ(steps, 5 * 60);
    EXPECT_EQ(LineStateOf(game, kTestowoLine), kLineArriving);  // its train still on the entry
}

TEST_F(SimulationStep, ASurplusLocomotiveComesBackAsALightEngine)
{
    // A train that starts here: two locomotives, the second damaged, and its car.
    TrainSpec starts = CarTrain(0, 1000, 0, 1201);
    starts.rowState = kStateDeparting;
    starts.trainState = kTrainStanding;
    Load({starts});
    SetClock(959, 59);
    Put(kTestowoPlatform1, 0, kTypeDieselLoco, 0, true);
    Put(kTestowoPlatform1, 1, kTypeElectricLoco, 0, true);
    Put(kTestowoPlatform1, 2, kTypeCar, 0, false);
    Slot(kTestowoPlatform1, 1).Operational(0);
    Route(kTestowoPlatform1, 0, Path(520, 1201));
    ASSERT_TRUE(StepUntil([&] { return game.TrainCount() == 2; }, 1000));
    EXPECT_EQ(Field(1, kRowEntryTile), 1201);  // the entry of its line, 30 minutes after 0:00
    EXPECT_EQ(Field(1, kRowArrival), 30);
    // It waits while the train it left with holds the line, then asks and comes.
    ASSERT_TRUE(StepUntil([&] { return game.TrainCount() == 1; }, 1000));
    EXPECT_FALSE(asked.empty());
    VehicleSlot& engine = Slot(kTestowoLine, 0);
    EXPECT_EQ(engine.Type(), kTypeDieselLoco);
    EXPECT_EQ(engine.Train(), -1);
    int32_t steps = 1;
    while ((Step() & kStepTrainCameIn) == 0 && steps < 1000) ++steps;
    EXPECT_EQ(steps, 5 * 60);
    EXPECT_EQ(engine.Motion(), kMotionStanding);
}

// Testowo's own file, run as a game runs it: one second a step, the station's
// ten seconds moved into the move divisor. Its line has blocks of 3, 3 and 1
// minutes and 3 minutes at the entry; its depot prepares a locomotive in 5
// minutes, ready two station steps early.
TEST(SimulationStepOnTestowo, LineBlocksAndDepotTimesTakeTheirMinutesInGameSeconds)
{
    FixedRandom draws(100);
    Game game;
    ASSERT_EQ(game.NewGameFromTimetable(TestowoFile("Testowo.roz").c_str()), kNewGameStarted);
    const int32_t stationStep = game.clock.Step(0);
    game.clock.Step(1);
    game.moveDivisor = stationStep;

    ASSERT_EQ(game.depot.Release(3, 45), kDepotOk);
    int32_t seconds = 0;
    while (DepotText(game).find("SU45.45:4") == std::string::npos && seconds < 10000) {
        game.SimulationStep();
        ++seconds;
    }
    EXPECT_EQ(seconds, 5 * 60 - 2 * stationStep);

    // The 6:10 from the line is let on at 6:00.
    game.clock.Set(5, 59, 59);
    game.SimulationStep();
    const int32_t asks = game.AdmitArrivingTrains(kFirstAsk, 0);
    ASSERT_GE(asks, 0);
    ASSERT_EQ(game.IndexRow(asks, kArrivalMode), 7);
    EXPECT_EQ(game.AdmitArrivingTrains(asks, kLetOntoLine), kNoTrainAsks);
    seconds = 0;
    while (game.SlotAt(kStcLine, 0)->IsEmpty() && seconds < 10000) {
        game.SimulationStep();
        ++seconds;
    }
    EXPECT_EQ(seconds, 7 * 60);
    // Its 3 minutes at the entry and the line's one more minute to the platform.
    EXPECT_EQ(game.timetable.ExpectedTime(7, kRawRow, kArrivalSide), 611);
    while (game.timetable.TrainState(7, kRawRow) != kTrainStanding && seconds < 10000) {
        game.SimulationStep();
        ++seconds;
    }
    EXPECT_EQ(seconds, 10 * 60);
    EXPECT_EQ(game.Now(), 610);
}

}  // namespace
