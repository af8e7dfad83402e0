// Test support: the hand-built station Rozjazdowo and its timetable.
#include "route_station.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "station_builder.h"

namespace {

std::vector<TileCode> Run(TileCode first, TileCode last)
{
    std::vector<TileCode> tiles;
    for (TileCode t = first; t <= last; ++t) tiles.push_back(t);
    return tiles;
}

std::vector<TileCode> Join(std::vector<std::vector<TileCode>> parts)
{
    std::vector<TileCode> tiles;
    for (const auto& part : parts) tiles.insert(tiles.end(), part.begin(), part.end());
    return tiles;
}

}  // namespace

void BuildRozjazdowo(Game& game)
{
    std::vector<PointSpec> points(kRzPointCount);
    points[kRzDepot] = {kPointDepot, 0, 1030, 0, 0, 0};
    points[kRzWestEntry] = {kPointEntry, 5, 501, 0, 0, 11};
    points[kRzEastExit] = {kPointExit, 3, 539, 0, 0, 22};
    points[kRzLine] = {kPointLine, 510, 139, 0, 0, 31};
    points[kRzPlatform1] = {kPointPlatform, 0, 510, 511, 512, 0};
    points[kRzPlatform2] = {kPointPlatform, 0, 710, 711, 712, 0};
    points[kRzSiding] = {kPointSiding, 2, 920, 0, 0, 0};
    points[kRzStabling] = {kPointStabling, 0, 320, 0, 0, 0};
    points[kRzLocoTrack] = {kPointLocoTrack, 0, 1020, 0, 0, 0};
    points[kRzFreight] = {kPointFreightPlatform, 0, 315, 316, 0, 0};
    points[kRzEastEntry] = {kPointEntry, 4, 739, 0, 0, 42};

    std::vector<PathSpec> tracks(kRzTrackCount);
    tracks[kRzEntryToPlatform1] = {1, 1, Run(501, 510)};
    tracks[kRzStraightEast] = {1, 1, Run(512, 539)};
    tracks[kRzLoopEast] = {1, 0, Join({Run(512, 514), Run(614, 624), Run(525, 539)})};
    tracks[kRzPlatform2East] = {0, 1, Join({Run(712, 738), {639, 539}})};
    tracks[kRzLocoToDepot] = {1, 0, Run(1020, 1030)};
    tracks[kRzPlatform2ToLoco] = {1, 0, Join({{712, 813, 914}, Run(1015, 1020)})};
    tracks[kRzToStabling] = {1, 1, {510, 409, 319, 320}};
    tracks[kRzSidingToPlatform2] = {1, 1, {920, 819, 710}};
    BuildStation(game, 12, 40, points, 2, tracks);
    game.SetStationName("Rozjazdowo.stc");
    game.depot.Param(kDepotParamCapacity, 4);

    const std::string roz = std::string(SEMARION_FIXTURES) + "/moves/rozjazdowo.roz";
    ASSERT_EQ(game.timetable.LoadRoz(roz.c_str(), game.pictureNames), 900);
    game.clock.Set(9, 0, 0);
    game.clock.Step(1);
}
