#include <gtest/gtest.h>

#include "service_game.h"
#include "simulation/pantographs.h"

namespace {

class PantographsTest : public ServiceGameTest {
protected:
    void TearDown() override
    {
        ResetPantographs();
        ServiceGameTest::TearDown();
    }
};

TEST_F(PantographsTest, TogglingChangesSidesAndFollowsTheVehicle)
{
    VehicleSlot& loco = PlaceVehicle(game_, kTestowoPlatform1, 0, kTypeEU07, kKindElectricLoco);
    EXPECT_TRUE(IsRearPantographRaised(game_, kTestowoPlatform1, 0));
    EXPECT_EQ(TogglePantograph(game_, kTestowoPlatform1, 0), kPantographFront);
    EXPECT_FALSE(IsRearPantographRaised(game_, kTestowoPlatform1, 0));

    game_.SlotAt(kTestowoPlatform2, 3)->MoveFrom(loco);
    EXPECT_FALSE(IsRearPantographRaised(game_, kTestowoPlatform2, 3));
    EXPECT_EQ(TogglePantograph(game_, kTestowoPlatform2, 3), kPantographRear);
    EXPECT_TRUE(IsRearPantographRaised(game_, kTestowoPlatform2, 3));

    EXPECT_EQ(TogglePantograph(game_, kTestowoPlatform2, 3), kPantographFront);
    ResetPantographs();
    EXPECT_TRUE(IsRearPantographRaised(game_, kTestowoPlatform2, 3));
}

TEST_F(PantographsTest, OnlyStandingElectricLocomotives)
{
    PlaceVehicle(game_, kTestowoPlatform1, 0, kTypeEU07, kKindElectricLoco).Motion(kMotionMoving);
    EXPECT_EQ(TogglePantograph(game_, kTestowoPlatform1, 0), kPantographMoving);
    EXPECT_TRUE(IsRearPantographRaised(game_, kTestowoPlatform1, 0));
    PlaceVehicle(game_, kTestowoPlatform1, 1, kTypeEN57, kKindElectricUnit);
    EXPECT_EQ(TogglePantograph(game_, kTestowoPlatform1, 1), kPantographNotElectric);
    EXPECT_EQ(TogglePantograph(game_, kTestowoPlatform1, 5), kPantographNotElectric);
    running_ = false;
    EXPECT_FALSE(IsElectricLoco(game_, kTestowoPlatform1, 0));

    EXPECT_STREQ(PantographResultText(kPantographRear), "Podniesiony tylny pantograf");
    EXPECT_STREQ(PantographResultText(kPantographFront), "Podniesiony przedni pantograf");
    EXPECT_STREQ(PantographResultText(kPantographMoving),
                 "Lokomotywa jest w ruchu - pantograf przekłada się na postoju");
    EXPECT_STREQ(PantographResultText(kPantographNotElectric), "");
}

}  // namespace
