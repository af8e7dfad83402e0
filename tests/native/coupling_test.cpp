// Coupling and uncoupling on Rozjazdowo: where they are allowed, the refusals
// in their order, and the countdowns they start; and turning a locomotive
// that has been uncoupled and routed.
#include "route_station.h"
#include "simulation/coupling.h"
#include "simulation/routes.h"

namespace {

class Coupling : public RozjazdowoTest {
protected:
    // A locomotive with two cars on platform 1: slots 0 to 2.
    void SetUp() override
    {
        RozjazdowoTest::SetUp();
        RzPut(game, kRzPlatform1, 0, {{kRzElectricLoco, 0}, {kRzCar, kRzCarsA}, {kRzCar, kRzCarsB}});
    }

    int32_t Countdown(int32_t row, int32_t slot) { return RzSlot(game, row, slot).Countdown(); }
};

TEST_F(Coupling, UncouplingTakesAMinuteAndCouplingALocomotiveThree)
{
    EXPECT_STREQ(game.CoupleOrUncouple(511, 0, -1), "");
    EXPECT_EQ(Countdown(kRzPlatform1, 0), 60);
    EXPECT_EQ(Countdown(kRzPlatform1, 1), 60);
    EXPECT_EQ(RzSlot(game, kRzPlatform1, 0).Coupled(), 1);  // the flag changes when the countdown runs out

    RzSlot(game, kRzPlatform1, 0).Coupled(0);
    RzSlot(game, kRzPlatform1, 0).Countdown(0);
    RzSlot(game, kRzPlatform1, 1).Countdown(0);
    EXPECT_STREQ(game.CoupleOrUncouple(510, 0, -1), "");
    EXPECT_EQ(Countdown(kRzPlatform1, 0), 180);
    EXPECT_EQ(Countdown(kRzPlatform1, 1), 180);
    EXPECT_EQ(Countdown(kRzPlatform1, 2), 0);
}

TEST_F(Coupling, TwoCarsTakeAMinuteInStepsOfTheClock)
{
    RzSlot(game, kRzPlatform1, 1).Coupled(0);
    game.clock.Step(10);
    EXPECT_STREQ(game.CoupleOrUncouple(512, 1, -1), "");
    EXPECT_EQ(Countdown(kRzPlatform1, 1), 6);
    EXPECT_EQ(Countdown(kRzPlatform1, 2), 6);
}

TEST_F(Coupling, BusyJointIsNotRestarted)
{
    ASSERT_STREQ(game.CoupleOrUncouple(511, 1, -1), "");
    RzSlot(game, kRzPlatform1, 1).Countdown(17);
    EXPECT_STREQ(game.CoupleOrUncouple(511, 1, -1), "Trwa łączenie/rozłączanie.");
    EXPECT_STREQ(game.CoupleOrUncouple(511, 0, -1), "Trwa łączenie/rozłączanie.");  // its right vehicle is busy
    EXPECT_EQ(Countdown(kRzPlatform1, 1), 17);
}

TEST_F(Coupling, NothingToTheRightOfTheLastVehicleNorOfSlotNine)
{
    EXPECT_STREQ(game.CoupleOrUncouple(511, 2, -1), "Na prawo nic nie stoi.");
    RzPut(game, kRzPlatform2, 0, {{kRzCar, kRzCarsA}, {kRzCar, kRzCarsA}, {kRzCar, kRzCarsA}, {kRzCar, kRzCarsA},
                                  {kRzCar, kRzCarsA}, {kRzCar, kRzCarsA}, {kRzCar, kRzCarsA}, {kRzCar, kRzCarsA},
                                  {kRzCar, kRzCarsA}, {kRzElectricLoco, 0}});
    EXPECT_STREQ(game.CoupleOrUncouple(711, 9, -1), "Na prawo nic nie stoi.");
    EXPECT_EQ(Countdown(kRzPlatform2, 9), 0);
    EXPECT_EQ(RzSlot(game, kRzPlatform2, 9).Coupled(), 0);
    EXPECT_STREQ(game.CoupleOrUncouple(711, 10, -1), "Na prawo nic nie stoi.");
    EXPECT_STREQ(game.CoupleOrUncouple(711, -1, -1), "Na prawo nic nie stoi.");
    EXPECT_STREQ(game.CoupleOrUncouple(711, 8, -1), "");
}

TEST_F(Coupling, OnlyOnPlatformsAndSubTracks)
{
    RzPut(game, kRzStabling, 0, {{kRzElectricLoco, 0}, {kRzCar, kRzCarsA}});
    EXPECT_STREQ(game.CoupleOrUncouple(320, 0, -1), "W tym punkcie nie wolno łączyć/rozłączać składów.");
    EXPECT_STREQ(game.CoupleOrUncouple(530, 0, -1), "W tym punkcie nie wolno łączyć/rozłączać składów.");
    EXPECT_EQ(Countdown(kRzStabling, 0), 0);

    RzPut(game, kRzSubTrack2, 0, {{kRzDieselLoco, 0}, {kRzCar, kRzCarsA}});
    EXPECT_STREQ(game.CoupleOrUncouple(920, 0, kRzPlatform1), "W tym punkcie nie wolno łączyć/rozłączać składów.");
    EXPECT_STREQ(game.CoupleOrUncouple(920, 0, kRzSubTrack2), "");
    EXPECT_EQ(Countdown(kRzSubTrack2, 1), 60);
    EXPECT_STREQ(game.CoupleOrUncouple(315, 0, -1), "Na prawo nic nie stoi.");  // an empty freight platform
}

TEST_F(Coupling, CarsOfAMovingConsistMoveWithIt)
{
    RzSlot(game, kRzPlatform1, 0).Motion(kMotionMoving);
    EXPECT_STREQ(game.CoupleOrUncouple(511, 1, -1), "Pociąg jest w ruchu.");
    EXPECT_EQ(Countdown(kRzPlatform1, 1), 0);
}

TEST_F(Coupling, EmptyLeftSlotIsNeverCoupled)
{
    RzSlot(game, kRzPlatform2, 1).Fill(kRzCarsA, kRzCar, kKindCar, 0, 1, 0, kMotionStanding);
    EXPECT_STREQ(game.CoupleOrUncouple(711, 0, -1), "Po lewej stronie nic nie stoi");
    EXPECT_EQ(Countdown(kRzPlatform2, 0), 0);
}

TEST_F(RozjazdowoTest, LocomotiveIsTurnedOnlyWhenLooseAndWithoutARoute)
{
    RzPut(game, kRzLocoTrack, 0, {{kRzDieselLoco, 0}, {kRzCar, kRzCarsA}});
    EXPECT_EQ(game.TurnLocomotive(kRzLocoTrack, 0), kTurnCoupled);
    RzSlot(game, kRzLocoTrack, 1) = VehicleSlot();
    RzSlot(game, kRzLocoTrack, 0).Coupled(0);
    RzSetState(game, 1020, kTileOccupied);

    ASSERT_EQ(game.ValidateMove(1020, 1030, -1), nullptr);
    ASSERT_EQ(game.RouteSelection(1020, 1030, false), kCandidatesMarked);
    VehicleSlot* head = game.FindSlotForRoute(1020, 1030);
    ASSERT_EQ(game.SetRouteThroughTile(head, 1025, false), kRouteSet);
    EXPECT_EQ(game.TurnLocomotive(kRzLocoTrack, 0), kTurnMoving);
    EXPECT_STREQ(TurnLocomotiveMessage(kTurnMoving), "Lokomotywa jest w ruchu - obrocic można dopiero stojaca");
    EXPECT_EQ(game.SlotTurned(kRzLocoTrack, 0), 0);
}

}  // namespace
