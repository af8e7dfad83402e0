// Transferring consists into their destinations' slots, through Testowo's
// siding (point 8, sub-track rows 12 to 14), and the room test.
#include <gtest/gtest.h>

#include "simulation/consist.h"
#include "station_builder.h"
#include "traffic.h"

namespace {

constexpr int32_t kSubTrack2 = kTestowoPointCount + 1;  ///< the siding's second sub-track row
constexpr int32_t kSubTrack3 = kTestowoPointCount + 2;

class Transfer : public Traffic {
protected:
    void SetUp() override
    {
        Traffic::SetUp();
        Load({});
    }

    // Slot types of a row, 0 for empty slots.
    std::vector<int32_t> Types(int32_t row)
    {
        std::vector<int32_t> types;
        for (int32_t s = 0; s < kSlotsPerPoint; ++s) types.push_back(Slot(row, s).Type());
        return types;
    }
};

TEST_F(Transfer, APlatformTakesAConsistBehindItsVehiclesOrInFront)
{
    Put(kTestowoPlatform1, 0, kTypeCar, 0, false);
    Put(kTestowoStabling, 0, kTypeElectricLoco, 0, true);
    Put(kTestowoStabling, 1, kTypeCar, 0, false);
    Slot(kTestowoStabling, 0).SetPath({522, 920});
    game.TransferConsist(Slot(kTestowoStabling, 0));
    EXPECT_EQ(Types(kTestowoPlatform1), (std::vector<int32_t>{3, 1, 3, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(Slot(kTestowoPlatform1, 1).PathFirst(), 522);  // the path goes with the head
    EXPECT_TRUE(Slot(kTestowoStabling, 0).IsEmpty());

    // To the platform's first tile: in front of the others.
    Put(kTestowoStabling, 0, kTypeDieselLoco, 0, false);
    Slot(kTestowoStabling, 0).SetPath({520, 920});
    game.TransferConsist(Slot(kTestowoStabling, 0));
    EXPECT_EQ(Types(kTestowoPlatform1), (std::vector<int32_t>{4, 3, 1, 3, 0, 0, 0, 0, 0, 0}));
}

TEST_F(Transfer, NothingMovesWithoutRoomForTheWholeConsist)
{
    for (int32_t s = 0; s < 9; ++s) Put(kTestowoPlatform1, s, kTypeCar, 0, false);
    Put(kTestowoStabling, 0, kTypeElectricLoco, 0, true);
    Put(kTestowoStabling, 1, kTypeCar, 0, false);
    Slot(kTestowoStabling, 0).SetPath({520, 920});
    game.TransferConsist(Slot(kTestowoStabling, 0));
    EXPECT_EQ(Slot(kTestowoStabling, 1).Type(), kTypeCar);
    EXPECT_TRUE(Slot(kTestowoPlatform1, 9).IsEmpty());
    // Any other point takes a consist only into its empty slots.
    Put(kTestowoLocoTrack, 0, kTypeCar, 0, false);
    Slot(kTestowoStabling, 0).SetPath({1050, 920});
    game.TransferConsist(Slot(kTestowoStabling, 0));
    EXPECT_EQ(Slot(kTestowoStabling, 0).Type(), kTypeElectricLoco);
}

TEST_F(Transfer, APlatformLeftBehindClosesUpAndIsFreedWhenEmpty)
{
    Put(kTestowoPlatform2, 0, kTypeDieselLoco, 0, false);
    Put(kTestowoPlatform2, 1, kTypeElectricLoco, 0, false);
    SetPointTiles(game, kTestowoPlatform2, kTileOccupied);
    Slot(kTestowoPlatform2, 0).SetPath({920, 720});
    game.TransferConsist(Slot(kTestowoPlatform2, 0));
    EXPECT_EQ(Slot(kTestowoPlatform2, 0).Type(), kTypeElectricLoco);
    EXPECT_EQ(TileStateOf(721), kTileOccupied);
    Slot(kTestowoPlatform2, 0).SetPath({1050, 722});
    game.TransferConsist(Slot(kTestowoPlatform2, 0));
    EXPECT_EQ(Slot(kTestowoLocoTrack, 0).Type(), kTypeElectricLoco);
    for (TileCode tile : {720, 721, 722}) EXPECT_EQ(TileStateOf(tile), kTileFree) << tile;
}

TEST_F(Transfer, ASidingHandsAConsistOnIntoTheSubTrackItsSlotNames)
{
    Put(kSubTrack2, 0, kTypeCar, 0, false);
    Put(kTestowoStabling, 0, kTypeDieselLoco, 0, false);
    Slot(kTestowoSiding, 0).Link(kSubTrack2);  // behind the car
    Slot(kTestowoStabling, 0).SetPath({1010, 920});
    game.TransferConsist(Slot(kTestowoStabling, 0));
    EXPECT_TRUE(Slot(kTestowoSiding, 0).IsEmpty());
    EXPECT_EQ(Types(kSubTrack2), (std::vector<int32_t>{3, 4, 0, 0, 0, 0, 0, 0, 0, 0}));

    Put(kTestowoStabling, 0, kTypeElectricLoco, 0, false);
    Slot(kTestowoSiding, 0).Link(-kSubTrack2);  // in front of them
    Slot(kTestowoStabling, 0).SetPath({1010, 920});
    game.TransferConsist(Slot(kTestowoStabling, 0));
    EXPECT_EQ(Types(kSubTrack2), (std::vector<int32_t>{1, 3, 4, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(Slot(kSubTrack2, 0).PathFirst(), 1010);

    // A link to a row that is no sub-track of this siding: the consist stays on the siding point.
    Put(kTestowoStabling, 0, kTypeElectricLoco, 0, false);
    Slot(kTestowoSiding, 0).Link(kTestowoPlatform1);
    Slot(kTestowoStabling, 0).SetPath({1010, 920});
    game.TransferConsist(Slot(kTestowoStabling, 0));
    EXPECT_EQ(Slot(kTestowoSiding, 0).Type(), kTypeElectricLoco);
    EXPECT_TRUE(Slot(kTestowoPlatform1, 0).IsEmpty());
}

TEST_F(Transfer, AConsistLeavesASidingByEitherEndOfItsSubTrack)
{
    // Towards lower columns: the leading run, and the sub-track closes up.
    Put(kSubTrack2, 0, kTypeCar, 0, true);
    Put(kSubTrack2, 1, kTypeDieselLoco, 0, false);
    Put(kSubTrack2, 2, kTypeCar, 0, false);
    Route(kSubTrack2, 1, Path(1030, 920));
    game.MoveTrains();
    EXPECT_EQ(Types(kTestowoStabling), (std::vector<int32_t>{3, 4, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(Types(kSubTrack2), (std::vector<int32_t>{3, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(Slot(kTestowoStabling, 1).Motion(), kMotionMoving);

    // Towards higher columns: the run at the end.
    Put(kSubTrack3, 0, kTypeCar, 0, false);
    Put(kSubTrack3, 1, kTypeElectricLoco, 0, true);
    Put(kSubTrack3, 2, kTypeCar, 0, false);
    Route(kSubTrack3, 1, Path(1005, 1050));
    game.MoveTrains();
    EXPECT_EQ(Types(kTestowoLocoTrack), (std::vector<int32_t>{1, 3, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(Types(kSubTrack3), (std::vector<int32_t>{3, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
}

TEST_F(Transfer, TheRoomTestCountsTheConsistThatWillMove)
{
    // Platform 1 holds 8; the consist on the stabling track is 2 at its front, 3 at its end.
    for (int32_t s = 0; s < 8; ++s) Put(kTestowoPlatform1, s, kTypeCar, 0, false);
    Put(kTestowoStabling, 0, kTypeDieselLoco, 0, true);
    Put(kTestowoStabling, 1, kTypeCar, 0, false);
    Put(kTestowoStabling, 2, kTypeElectricLoco, 0, true);
    Put(kTestowoStabling, 3, kTypeCar, 0, true);
    Put(kTestowoStabling, 4, kTypeCar, 0, false);
    EXPECT_TRUE(game.HasRoomForConsist(kTestowoPlatform1, kTestowoStabling, 20, 20));
    EXPECT_FALSE(game.HasRoomForConsist(kTestowoPlatform1, kTestowoStabling, 20, 21));
    // From an entry only an empty platform will do.
    Put(kTestowoWestEntry, 0, kTypeDieselLoco, 0, false);
    EXPECT_FALSE(game.HasRoomForConsist(kTestowoPlatform1, kTestowoWestEntry, 1, 20));
    EXPECT_TRUE(game.HasRoomForConsist(kTestowoPlatform2, kTestowoWestEntry, 1, 20));
    // Other points need their slot 0; sub-tracks count their vehicles.
    EXPECT_TRUE(game.HasRoomForConsist(kTestowoLocoTrack, kTestowoStabling, 20, 50));
    Put(kTestowoLocoTrack, 0, kTypeCar, 0, false);
    EXPECT_FALSE(game.HasRoomForConsist(kTestowoLocoTrack, kTestowoStabling, 20, 50));
    // Sub-track 3: a car alone, then a run of seven.
    for (int32_t s = 0; s < 8; ++s) Put(kSubTrack3, s, kTypeCar, 0, s >= 1 && s < 7);
    EXPECT_TRUE(game.HasRoomForConsist(kSubTrack3, kTestowoStabling, 30, 20));
    EXPECT_FALSE(game.HasRoomForConsist(kSubTrack3, kTestowoStabling, 20, 30));
    EXPECT_FALSE(game.HasRoomForConsist(kTestowoPointCount + kTestowoSubTracks, kTestowoStabling, 20, 30));
    // The depot: a free place inside and an empty exit.
    EXPECT_FALSE(game.HasRoomForConsist(kTestowoDepot, kTestowoStabling, 20, 60));
    game.depot.Param(kDepotParamCapacity, 1);
    EXPECT_TRUE(game.HasRoomForConsist(kTestowoDepot, kTestowoStabling, 20, 60));
    Put(kTestowoDepot, 0, kTypeDieselLoco, 0, false);
    EXPECT_FALSE(game.HasRoomForConsist(kTestowoDepot, kTestowoStabling, 20, 60));
    // Leaving a siding: the sub-track its slot 0 names is the source.
    Slot(kTestowoSiding, 0).Link(-kSubTrack3);
    EXPECT_TRUE(game.HasRoomForConsist(kTestowoPlatform1, kTestowoSiding, 20, 20));
    EXPECT_FALSE(game.HasRoomForConsist(kTestowoPlatform1, kTestowoSiding, 20, 30));
}

}  // namespace
