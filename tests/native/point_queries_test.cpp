// What stands at a point's tile, sub-track rows, vehicle names and
// compositions, on Testowo as a new game leaves it.
#include <gtest/gtest.h>

#include "model/game.h"
#include "model/random.h"
#include "simulation/new_game.h"
#include "station_builder.h"
#include "station_files.h"

namespace {

int EvenDraw() { return 100; }

class PointQueries : public testing::Test {
protected:
    void SetUp() override
    {
        old_ = SetRandomSource(EvenDraw);
        // Row 0 (the cars at platform 1) gets composition 0.
        ASSERT_EQ(StartTestowoVariant(game, {{"9,0,\n0,\n", "9,0,\n1,\n2,7,1,8,0,\n"},
                                             {"1301,0,0,2,2,1,7,-1,", "1301,0,0,2,2,1,7,0,"}}),
                  kNewGameStarted);
    }
    void TearDown() override { SetRandomSource(old_); }

    Game game;
    RandomSource old_ = nullptr;  ///< the source before the test
};

TEST_F(PointQueries, WhatStandsAtATile)
{
    EXPECT_EQ(game.PointKindAtTile(413), kPointPlatform);
    EXPECT_EQ(game.PointKindAtTile(937), kPointDepot);
    EXPECT_EQ(game.PointKindAtTile(0), kPointDepot);  // the depot is the first point with an empty tile field
    EXPECT_EQ(game.PointKindAtTile(1234), 0);

    EXPECT_TRUE(game.PointHasVehicle(414));
    EXPECT_TRUE(game.PointHasVehicle(730));
    EXPECT_FALSE(game.PointHasVehicle(442));
    EXPECT_FALSE(game.PointHasVehicle(1234));

    EXPECT_EQ(game.FindFirstPoweredVehicleAtTile(213), kStcFreight * 100 + 1);  // cars first, then the SM42
    EXPECT_EQ(game.FindFirstPoweredVehicleAtTile(512), kStcPlatform2 * 100);
    EXPECT_EQ(game.FindFirstPoweredVehicleAtTile(442), 0);
    EXPECT_EQ(game.FindFirstPoweredVehicleAtTile(1234), 0);
}

TEST_F(PointQueries, SubTrackRowsOfASiding)
{
    EXPECT_EQ(game.SidingSubTrackRow(713, 55), kStcPointCount);
    EXPECT_EQ(game.SidingSubTrackRow(713, 60), kStcPointCount + kStcSubTracks - 1);
    EXPECT_EQ(game.SidingSubTrackRow(412, 55), -1);
    EXPECT_EQ(game.SidingSubTrackRow(1234, 60), -1);

    // A siding whose rows start at 3, four of them, in a station of 20 points.
    Game built;
    std::vector<PointSpec> points(20, PointSpec{kPointStabling, 0, 101, 0, 0, 0});
    points[0] = {kPointDepot, 0, 102, 0, 0, 0};
    points[7] = {kPointSiding, 4, 1010, 0, 0, 3};
    BuildStation(built, 12, 20, points, 7, {});
    EXPECT_EQ(built.SidingSubTrackRow(1010, 55), 23);
    EXPECT_EQ(built.SidingSubTrackRow(1010, 60), 26);
}

TEST_F(PointQueries, NamesTypesAndCompositionsOfSlots)
{
    EXPECT_EQ(game.SlotVehicleType(kStcPlatform1, 0), 1);
    EXPECT_EQ(game.SlotVehicleType(kStcPlatform1, 5), 0);
    EXPECT_EQ(game.SlotVehicleType(-1, 0), 0);
    EXPECT_EQ(game.SlotVehicleType(kStcPointCount + kStcSubTracks, 0), 0);

    EXPECT_STREQ(game.VehicleTypeName(1, kRawRow), "EU07_1");  // the picture name
    EXPECT_STREQ(game.VehicleTypeName(1, -1), "EU07");          // the timetable's name
    EXPECT_STREQ(game.VehicleTypeName(kStcPlatform1, 1), "B");  // of the vehicle in a slot
    EXPECT_STREQ(game.VehicleTypeName(kStcPlatform1, 9), "");
    EXPECT_STREQ(game.VehicleTypeName(kVehicleTypeSlots, kRawRow), "");
    EXPECT_STREQ(game.VehicleTypeName(0, -1), "");

    EXPECT_EQ(game.SlotComposition(kStcPlatform1, 1), (Composition{2, 7, 1, 8}));
    EXPECT_EQ(game.SlotComposition(kStcPlatform2, 0), Composition{});  // row 1 has none
    EXPECT_EQ(game.SlotComposition(kStcPlatform2, 4), Composition{});  // an empty slot
    EXPECT_EQ(game.SlotComposition(-1, 0), Composition{});
}

}  // namespace
