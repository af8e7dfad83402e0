// Test support: station tables built by hand.
#include "station_builder.h"

#include <gtest/gtest.h>

namespace {

int32_t* PointCell(Game& game, int32_t point, int32_t field)
{
    return game.points.At(static_cast<uint32_t>(point), static_cast<uint32_t>(field));
}

std::vector<TileCode> TileRun(TileCode first, TileCode last)
{
    std::vector<TileCode> tiles;
    for (TileCode t = first; t <= last; ++t) tiles.push_back(t);
    return tiles;
}

}  // namespace

void SetPoint(Game& game, int32_t point, const PointSpec& shape)
{
    const int32_t values[kPointFieldCount] = {shape.kind,  shape.param, shape.tile,
                                              shape.third, shape.tile3, shape.sixth};
    for (int32_t f = 0; f < kPointFieldCount; ++f) *PointCell(game, point, f) = values[f];
}

void SetTileCode(Game& game, TileCode tile, int32_t code)
{
    *game.tileCodes.At(static_cast<uint32_t>(TileRow(tile)), static_cast<uint32_t>(TileColumn(tile))) = code;
}

VehicleSlot& PlaceVehicle(Game& game, int32_t row, int32_t slot, int32_t type, int32_t kind, int32_t train,
                          bool coupled)
{
    static VehicleSlot nowhere;  // stands in for a slot outside the grid, after the failure
    VehicleSlot* s = game.SlotAt(row, slot);
    if (!s) {
        ADD_FAILURE() << "no slot " << slot << " on row " << row;
        s = &nowhere;
    }
    s->Fill(train, type, kind, 1, 1, coupled ? 1 : 0, kMotionStanding);
    return *s;
}

void SetPath(Game& game, int32_t path, const PathSpec& shape)
{
    ASSERT_LE(shape.tiles.size(), static_cast<size_t>(kPathMaxTiles));
    GridRow<int32_t>* row = game.paths.Row(static_cast<uint32_t>(path));
    for (uint32_t c = 0; c < kPathCells; ++c) *row->At(c) = 0;
    *row->At(kPathTwoWay) = shape.twoWay;
    *row->At(kPathCatenary) = shape.catenary;
    *row->At(kPathEndTile) = shape.tiles.empty() ? 0 : shape.tiles.back();
    for (size_t i = 0; i < shape.tiles.size(); ++i)
        *row->At(static_cast<uint32_t>(kPathFirstTile + i)) = shape.tiles[i];
}

void SetLineBlocks(Game& game, int32_t point, const std::vector<int32_t>& blockSteps)
{
    ASSERT_LE(blockSteps.size(), static_cast<size_t>(kSectionBlocks));
    GridRow<int32_t>* row = game.lineSections.Row(static_cast<uint32_t>(point));
    for (uint32_t c = 0; c < kSectionCells; ++c) *row->At(c) = -1;
    for (size_t b = 0; b < blockSteps.size(); ++b) {
        const uint32_t triple = static_cast<uint32_t>(b * kSectionTripleSize);
        *row->At(triple + kSectionTrain) = 0;
        *row->At(triple + kSectionCountdown) = 0;
        *row->At(triple + kSectionTime) = blockSteps[b];
    }
}

void BuildStation(Game& game, int32_t rows, int32_t cols, const std::vector<PointSpec>& points,
                  int32_t subTrackCount, const std::vector<PathSpec>& paths,
                  const std::vector<std::vector<int32_t>>& blockSteps)
{
    ASSERT_TRUE(game.CreateStationTables(rows, cols, static_cast<int32_t>(paths.size()),
                                         static_cast<int32_t>(points.size()), subTrackCount));
    for (size_t p = 0; p < points.size(); ++p) SetPoint(game, static_cast<int32_t>(p), points[p]);
    for (size_t t = 0; t < paths.size(); ++t) SetPath(game, static_cast<int32_t>(t), paths[t]);
    for (size_t p = 0; p < blockSteps.size() && p < points.size(); ++p)
        if (points[p].kind == kPointLine) SetLineBlocks(game, static_cast<int32_t>(p), blockSteps[p]);
}

void BuildTestowo(Game& game)
{
    std::vector<PointSpec> points(kTestowoPointCount);
    points[kTestowoDepot] = {kPointDepot, 0, 1060, 0, 0, 0};
    points[kTestowoWestEntry] = {kPointEntry, 12, 501, 2, 0, 11};
    points[kTestowoLine] = {kPointLine, 510, 1201, 0, 0, 21};
    points[kTestowoEastEntry] = {kPointEntry, 8, 559, 1, 0, 32};
    points[kTestowoWestExit] = {kPointExit, 6, 502, 0, 0, 41};
    points[kTestowoEastExit] = {kPointExit, 6, 560, 0, 0, 52};
    points[kTestowoPlatform1] = {kPointPlatform, 0, 520, 521, 522, 0};
    points[kTestowoPlatform2] = {kPointPlatform, 0, 720, 721, 722, 0};
    points[kTestowoSiding] = {kPointSiding, kTestowoSubTracks, 1010, 0, 0, 0};
    points[kTestowoStabling] = {kPointStabling, 0, 920, 0, 0, 0};
    points[kTestowoLocoTrack] = {kPointLocoTrack, 0, 1050, 0, 0, 0};
    points[kTestowoFreight] = {kPointFreightPlatform, 0, 1120, 1121, 0, 0};

    const std::vector<PathSpec> paths = {
        {1, 1, TileRun(503, 519)},    // west exit to platform 1
        {1, 1, TileRun(523, 558)},    // platform 1 to the east entry
        {0, 0, TileRun(1011, 1049)},  // siding to the locomotive track, one way, no catenary
    };
    std::vector<std::vector<int32_t>> blocks(kTestowoPointCount);
    blocks[kTestowoLine] = {kTestowoLineBlockSteps};
    BuildStation(game, 15, 70, points, kTestowoSubTracks, paths, blocks);
    game.SetStationName("Testowo.stc");
}
