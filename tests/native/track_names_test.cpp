#include <gtest/gtest.h>

#include "service_game.h"
#include "simulation/track_names.h"

namespace {

using TrackNamesTest = ServiceGameTest;

// Platforms only, on the given rows, each at column 10.
void BuildPlatformRows(Game& game, const std::vector<int32_t>& rows)
{
    std::vector<PointSpec> points = {{kPointDepot, 0, 1, 0, 0, 0}};
    for (int32_t row : rows) points.push_back({kPointPlatform, 0, MakeTileCode(row, 10), 0, 0, 0});
    BuildStation(game, 20, 30, points, 0, {});
}

TEST_F(TrackNamesTest, TrackNumbersCountFromPlatformOneDownwardsEvenUpwardsOdd)
{
    BuildPlatformRows(game_, {10, 14, 6, 18, 14});
    SetTileCode(game_, 1010, 1);
    const int32_t expected[] = {0, 1, 2, 3, 4, 2};
    for (int32_t p = 0; p < 6; ++p) EXPECT_EQ(PlatformTrackNumber(game_, p), expected[p]) << "point " << p;

    // Platform 1 lower down: the rows above it get 3, 5, 7 by distance.
    SetTileCode(game_, 1010, 0);
    SetTileCode(game_, 1810, 1);
    EXPECT_EQ(PlatformTrackNumber(game_, 4), 1);
    EXPECT_EQ(PlatformTrackNumber(game_, 2), 3);
    EXPECT_EQ(PlatformTrackNumber(game_, 1), 5);
    EXPECT_EQ(PlatformTrackNumber(game_, 3), 7);

    // Without platform 1 the top row is track 1.
    SetTileCode(game_, 1810, 2);
    EXPECT_EQ(PlatformTrackNumber(game_, 3), 1);
    EXPECT_EQ(PlatformTrackNumber(game_, 4), 6);
    running_ = false;
    EXPECT_EQ(PlatformTrackNumber(game_, 3), 0);
}

TEST_F(TrackNamesTest, PlatformNumbersAreReadFromDigitMarkers)
{
    // Platform 2 has its number "12" on its second tile; platform 1 none.
    SetTileCode(game_, 721, 1);
    SetTileCode(game_, 722, 2);
    SetTileCode(game_, 723, 100);
    EXPECT_EQ(PlatformNumberOfPoint(game_, kTestowoPlatform2), 12);
    EXPECT_EQ(PlatformNumberOfPoint(game_, kTestowoPlatform1), 0);
    EXPECT_EQ(PointLongName(game_, kTestowoPlatform2, -1, 0), "peron 12, tor 2");

    // A run of markers to the grid's edge is cut at nine digits.
    for (int32_t col = 20; col < 70; ++col) SetTileCode(game_, MakeTileCode(5, col), 9);
    EXPECT_EQ(PlatformNumberOfPoint(game_, kTestowoPlatform1), 999999999);
    EXPECT_EQ(PlatformNumberOfPoint(game_, kTestowoSiding), 0);
    EXPECT_EQ(PlatformNumberOfPoint(game_, -1), 0);
}

TEST_F(TrackNamesTest, ShortCodesAndLongNames)
{
    EXPECT_EQ(PointShortCode(game_, kTestowoPlatform2), "P2");
    EXPECT_EQ(PointShortCode(game_, kTestowoSiding), "B1");
    EXPECT_EQ(PointShortCode(game_, kTestowoStabling), "T1");
    EXPECT_EQ(PointShortCode(game_, kTestowoLocoTrack), "L1");
    EXPECT_EQ(PointShortCode(game_, kTestowoFreight), "Pt1");
    EXPECT_EQ(PointShortCode(game_, kTestowoDepot), "");
    EXPECT_EQ(PointShortCode(game_, kTestowoLine), "");
    EXPECT_EQ(PointShortCode(game_, kTestowoPointCount), "");  // a sub-track row
    EXPECT_EQ(PointAtText(game_, kTestowoPlatform1), " na P1");
    EXPECT_EQ(PointAtText(game_, kTestowoEastEntry), "");

    EXPECT_EQ(PointLongName(game_, kTestowoEastEntry, -1, 0), "wjazd 2");
    EXPECT_EQ(PointLongName(game_, kTestowoLine, -1, 0), "wjazd/wyjazd 1");
    EXPECT_EQ(PointLongName(game_, kTestowoEastExit, -1, 0), "wyjazd 2");
    EXPECT_EQ(PointLongName(game_, kTestowoPlatform1, -1, 0), "peron 1, tor 1");
    // Without a marker, the train's departure platform names it.
    EXPECT_EQ(PointLongName(game_, kTestowoPlatform1, kRowWithoutNumber, 0), "peron III, tor 1");
    EXPECT_EQ(PointLongName(game_, kTestowoSiding, -1, 3), "bocznica 1, tor 3");
    EXPECT_EQ(PointLongName(game_, kTestowoStabling, -1, 0), "tor postojowy 1");
    EXPECT_EQ(PointLongName(game_, kTestowoDepot, -1, 0), "lokomotywownia");

    EXPECT_EQ(PointFullLabel(game_, kTestowoSiding, -1, 3), "B1/3  bocznica 1, tor 3");
    EXPECT_EQ(PointFullLabel(game_, kTestowoPlatform2, -1, 0), "P2  peron 2, tor 2");
    EXPECT_EQ(PointFullLabel(game_, kTestowoDepot, -1, 0), "Lokomotywownia");
    EXPECT_EQ(PointFullLabel(game_, kTestowoWestEntry, -1, 0), "Wjazd 1");

    running_ = false;
    EXPECT_EQ(PointShortCode(game_, kTestowoPlatform2), "");
}

TEST_F(TrackNamesTest, TheThirdFreightPlatform)
{
    BuildStation(game_, 10, 10,
                 {{kPointDepot, 0, 1, 0, 0, 0},
                  {kPointFreightPlatform, 0, 101, 0, 0, 0},
                  {kPointPlatform, 0, 201, 0, 0, 0},
                  {kPointFreightPlatform, 0, 301, 0, 0, 0},
                  {kPointFreightPlatform, 0, 401, 0, 0, 0}},
                 0, {});
    EXPECT_EQ(PointShortCode(game_, 4), "Pt3");
    EXPECT_EQ(PointLongName(game_, 4, -1, 0), "peron towarowy 3");
}

TEST_F(TrackNamesTest, ConsistGroupsStopAtTheFirstEmptySlot)
{
    PlaceVehicle(game_, kTestowoPlatform1, 0, kTypeEU07, kKindElectricLoco, 0, true);
    PlaceVehicle(game_, kTestowoPlatform1, 1, kTypeA, kKindCar);
    PlaceVehicle(game_, kTestowoPlatform1, 2, kTypeSM42, kKindDieselLoco, 0, true);
    PlaceVehicle(game_, kTestowoPlatform1, 3, kTypeA, kKindCar, 0, true);  // coupled to nothing
    PlaceVehicle(game_, kTestowoPlatform1, 5, kTypeA, kKindCar);
    const std::vector<std::vector<int32_t>> expected = {{0, 1}, {2, 3}};
    EXPECT_EQ(ConsistGroupsOnPoint(game_, kTestowoPlatform1), expected);
    EXPECT_TRUE(ConsistGroupsOnPoint(game_, kTestowoPlatform2).empty());
}

TEST_F(TrackNamesTest, WhereATrainStands)
{
    // Train 0 in the second of two consists on platform 1.
    PlaceVehicle(game_, kTestowoPlatform1, 0, kTypeSM42, kKindDieselLoco);
    PlaceVehicle(game_, kTestowoPlatform1, 1, kTypeEU07, kKindElectricLoco, 0, true);
    PlaceVehicle(game_, kTestowoPlatform1, 2, kTypeA, kKindCar, kRowWithNumber);
    EXPECT_EQ(TrainPlaceCode(game_, kRowWithNumber), "P1/2");
    EXPECT_EQ(TrainPlaceLabel(game_, kRowWithNumber), "P1/2  peron II, tor 1");  // the train says platform II
    EXPECT_EQ(FindPointOfTrain(game_, kRowWithNumber), kTestowoPlatform1);
    game_.SlotAt(kTestowoPlatform1, 0)->Coupled(1);
    EXPECT_EQ(TrainPlaceCode(game_, kRowWithNumber), "P1");

    // Train 1 on the siding's second sub-track.
    const int32_t subTrack2 = kTestowoPointCount + 1;
    PlaceVehicle(game_, subTrack2, 0, kTypeEN57, kKindElectricUnit, kRowWithoutNumber);
    EXPECT_EQ(FindPointOfTrain(game_, kRowWithoutNumber), -1);
    const SidingPlace place = FindSidingOfTrain(game_, kRowWithoutNumber);
    EXPECT_EQ(place.point, kTestowoSiding);
    EXPECT_EQ(place.subTrack, 2);
    EXPECT_EQ(TrainPlaceCode(game_, kRowWithoutNumber), "B1/2");
    EXPECT_EQ(TrainPlaceLabel(game_, kRowWithoutNumber), "B1/2  bocznica 1, tor 2");

    // A train on an entry has no code, but a name; one nowhere has neither.
    PlaceVehicle(game_, kTestowoWestEntry, 0, kTypeA, kKindCar, 3);
    EXPECT_EQ(TrainPlaceCode(game_, 3), "");
    EXPECT_EQ(TrainPlaceLabel(game_, 3), "Wjazd 1");
    EXPECT_EQ(TrainPlaceLabel(game_, 2), "");
    EXPECT_EQ(TrainPlaceCode(game_, -1), "");
    EXPECT_EQ(FindSidingOfTrain(game_, -1).point, -1);

    EXPECT_FALSE(TrainHasVehicleNotOk(game_, kRowWithoutNumber));
    game_.SlotAt(subTrack2, 0)->Operational(0);
    EXPECT_TRUE(TrainHasVehicleNotOk(game_, kRowWithoutNumber));
}

TEST_F(TrackNamesTest, SidingRowsPastTheGridAreCut)
{
    SetPoint(game_, kTestowoSiding, {kPointSiding, 50, 1010, 0, 0, 1});  // rows 13 onwards, only two exist
    PlaceVehicle(game_, kTestowoPointCount + 2, 0, kTypeA, kKindCar, kRowWithNumber);
    EXPECT_EQ(TrainPlaceCode(game_, kRowWithNumber), "B1/2");
    SetPoint(game_, kTestowoSiding, {kPointSiding, 3, 1010, 0, 0, -5});  // rows among the points
    EXPECT_EQ(FindSidingOfTrain(game_, kRowWithNumber).point, -1);
}

TEST_F(TrackNamesTest, OccupiedBoundsWidenByOneInsideTheGrid)
{
    BuildStation(game_, 10, 10, {}, 0, {});
    GridBounds bounds;
    EXPECT_FALSE(GetOccupiedBounds(game_, bounds));
    SetTileCode(game_, 0, 100);
    SetTileCode(game_, 305, -18);
    ASSERT_TRUE(GetOccupiedBounds(game_, bounds));
    EXPECT_EQ(bounds.firstRow, 0);
    EXPECT_EQ(bounds.lastRow, 4);
    EXPECT_EQ(bounds.firstCol, 0);
    EXPECT_EQ(bounds.lastCol, 6);
    SetTileCode(game_, 909, 1);
    ASSERT_TRUE(GetOccupiedBounds(game_, bounds));
    EXPECT_EQ(bounds.lastRow, 9);
    EXPECT_EQ(bounds.lastCol, 9);
}

}  // namespace
