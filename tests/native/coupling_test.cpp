// Coupling and uncoupling on the sample station Testowo: where they are
// allowed, the refusals in their order and the countdowns they start; and a
// locomotive that is turned only while it stands loose without a route.
#include "simulation/coupling.h"
#include "simulation/routes.h"
#include "testowo_game.h"

namespace {

class Coupling : public TestowoGame {
protected:
    // Steps of one game second, as during a shift.
    void SetUp() override
    {
        TestowoGame::SetUp();
        game.clock.Step(1);
    }

    int32_t Countdown(int32_t row, int32_t slot) { return SceneSlot(game, row, slot).Countdown(); }
};

constexpr int32_t kSecondSubTrack = kStcSubTrack1 + 1;  // SM42 #44, a wagon and a car, loose

TEST_F(Coupling, UncouplingALocomotiveTakesAMinuteAndCouplingItBackThree)
{
    // Platform 1: EU07 #8 coupled to the car of row 0.
    EXPECT_STREQ(game.CoupleOrUncouple(413, 0, -1), "");
    EXPECT_EQ(Countdown(kStcPlatform1, 0), 60);
    EXPECT_EQ(Countdown(kStcPlatform1, 1), 60);
    EXPECT_EQ(game.SlotCoupled(kStcPlatform1, 0), 1);  // the flag changes when the countdown runs out

    SceneSlot(game, kStcPlatform1, 0).Coupled(0);
    SceneSlot(game, kStcPlatform1, 0).Countdown(0);
    SceneSlot(game, kStcPlatform1, 1).Countdown(0);
    EXPECT_STREQ(game.CoupleOrUncouple(412, 0, -1), "");
    EXPECT_EQ(Countdown(kStcPlatform1, 0), 180);
    EXPECT_EQ(Countdown(kStcPlatform1, 1), 180);
}

TEST_F(Coupling, TwoCarsTakeAMinuteInStepsOfTheClock)
{
    game.clock.Step(10);
    EXPECT_STREQ(game.CoupleOrUncouple(713, 1, kSecondSubTrack), "");
    EXPECT_EQ(Countdown(kSecondSubTrack, 1), 6);
    EXPECT_EQ(Countdown(kSecondSubTrack, 2), 6);
    EXPECT_EQ(Countdown(kSecondSubTrack, 0), 0);
}

TEST_F(Coupling, BusyJointIsNotRestarted)
{
    ASSERT_STREQ(game.CoupleOrUncouple(713, 1, kSecondSubTrack), "");
    SceneSlot(game, kSecondSubTrack, 1).Countdown(17);
    EXPECT_STREQ(game.CoupleOrUncouple(713, 1, kSecondSubTrack), "Trwa łączenie/rozłączanie.");
    EXPECT_STREQ(game.CoupleOrUncouple(713, 0, kSecondSubTrack), "Trwa łączenie/rozłączanie.");  // its right one is busy
    EXPECT_EQ(Countdown(kSecondSubTrack, 1), 17);
    EXPECT_EQ(Countdown(kSecondSubTrack, 0), 0);
}

TEST_F(Coupling, NothingToTheRightOfTheLastVehicleNorOfSlotNine)
{
    EXPECT_STREQ(game.CoupleOrUncouple(414, 1, -1), "Na prawo nic nie stoi.");
    for (int32_t s = 1; s < kSlotsPerPoint; ++s) PutVehicles(game, kStcPlatform2, s, {{kTwCarB, kTwCarOfEu07}});
    EXPECT_STREQ(game.CoupleOrUncouple(513, 9, -1), "Na prawo nic nie stoi.");
    EXPECT_EQ(Countdown(kStcPlatform2, 9), 0);
    EXPECT_EQ(game.SlotCoupled(kStcPlatform2, 9), 0);
    EXPECT_STREQ(game.CoupleOrUncouple(513, 10, -1), "Na prawo nic nie stoi.");
    EXPECT_STREQ(game.CoupleOrUncouple(513, -1, -1), "Na prawo nic nie stoi.");
    EXPECT_STREQ(game.CoupleOrUncouple(513, 8, -1), "");
}

TEST_F(Coupling, OnlyOnPlatformsAndTheSidingsOwnSubTracks)
{
    // The stabling track holds two coupled SM42.
    EXPECT_STREQ(game.CoupleOrUncouple(731, 0, -1), "W tym punkcie nie wolno łączyć/rozłączać składów.");
    EXPECT_STREQ(game.CoupleOrUncouple(300, 0, -1), "W tym punkcie nie wolno łączyć/rozłączać składów.");
    EXPECT_EQ(Countdown(kStcStabling, 0), 0);
    EXPECT_STREQ(game.CoupleOrUncouple(713, 0, kStcStabling), "W tym punkcie nie wolno łączyć/rozłączać składów.");
    EXPECT_STREQ(game.CoupleOrUncouple(713, 0, kSecondSubTrack), "");
    EXPECT_EQ(Countdown(kSecondSubTrack, 1), 180);  // a locomotive and a wagon
    EXPECT_STREQ(game.CoupleOrUncouple(214, 0, -1), "");  // the freight platform
}

TEST_F(Coupling, CarsOfAMovingConsistMoveWithIt)
{
    SceneSlot(game, kStcPlatform1, 0).Motion(kMotionMoving);
    EXPECT_STREQ(game.CoupleOrUncouple(413, 0, -1), "Pociąg jest w ruchu.");
    PutVehicles(game, kStcPlatform1, 2, {{kTwCarB, kTwCarOfEu07}});
    EXPECT_STREQ(game.CoupleOrUncouple(413, 1, -1), "Pociąg jest w ruchu.");
    EXPECT_EQ(Countdown(kStcPlatform1, 1), 0);
}

TEST_F(Coupling, EmptyLeftSlotIsNeverCoupled)
{
    EmptyRow(game, kStcPlatform2);
    PutVehicles(game, kStcPlatform2, 1, {{kTwCarB, kTwCarOfEu07}});
    EXPECT_STREQ(game.CoupleOrUncouple(513, 0, -1), "Po lewej stronie nic nie stoi");
    EXPECT_EQ(Countdown(kStcPlatform2, 0), 0);
}

TEST_F(TestowoGame, LocomotiveIsTurnedOnlyWhileLooseAndWithoutARoute)
{
    // The Ol49 on the locomotive track, alone.
    EXPECT_EQ(game.TurnLocomotive(kStcLocoTrack, 0), kTurnDone);
    EXPECT_EQ(game.SlotTurned(kStcLocoTrack, 0), 1);

    ASSERT_EQ(game.ValidateMove(933, 937, -1), nullptr);
    ASSERT_EQ(game.RouteSelection(933, 937, false), kCandidatesMarked);
    VehicleSlot* head = game.FindSlotForRoute(933, 937);
    ASSERT_EQ(head, game.SlotAt(kStcLocoTrack, 0));
    ASSERT_EQ(game.SetRouteThroughTile(head, 935, false), kRouteSet);
    EXPECT_EQ(game.TurnLocomotive(kStcLocoTrack, 0), kTurnMoving);
    EXPECT_EQ(game.SlotTurned(kStcLocoTrack, 0), 1);
}

}  // namespace
