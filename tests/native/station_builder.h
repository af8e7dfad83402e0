// Test support: fills a Game's station tables by hand, without a station file.
//
// BuildStation makes the tables of any station from lists of points and
// tracks; BuildTestowo makes the sample station "Testowo.stc" that the tests
// share: the depot as point 0, three entries (one a line with block
// sections) and two exits, two platforms of three tiles, a siding of three
// sub-tracks, a stabling track, the locomotive track at the turntable and a
// freight platform. A train of RozRow (roz_files.h) comes in at the west entry
// (501) and leaves through the east exit (560); the line's tile is 1201, where
// some trains of wrzosogrod_day.roz come in.
#pragma once

#include <cstdint>
#include <vector>

#include "model/game.h"

// The six values of a StationPoint, in their order.
struct PointSpec {
    int32_t kind = 0;    ///< StationPointKind
    int32_t param = 0;   ///< kPointFieldParam
    TileCode tile = 0;   ///< first tile
    int32_t third = 0;   ///< second tile, or the digit of an entry or exit
    TileCode tile3 = 0;  ///< third tile, 0 where the point has fewer
    int32_t sixth = 0;   ///< kPointFieldSixth
};

struct PathSpec {
    int32_t twoWay = 1;                ///< kPathTwoWay
    int32_t catenary = 1;              ///< kPathCatenary
    std::vector<TileCode> tiles;       ///< start tile to end tile, at most kPathMaxTiles
};

// Creates the tables, then sets every point and track. A kind-3 point gets
// one triple (0, 0, steps) per element of its blockSteps entry, as loading a
// station does; blockSteps is indexed by point and may be shorter.
void BuildStation(Game& game, int32_t rows, int32_t cols, const std::vector<PointSpec>& points,
                  int32_t subTrackCount, const std::vector<PathSpec>& paths,
                  const std::vector<std::vector<int32_t>>& blockSteps = {});

void SetPoint(Game& game, int32_t point, const PointSpec& shape);
void SetTileCode(Game& game, TileCode tile, int32_t code);  // a marker or a track's drawing code
// Fills a slot with a standing, serviceable vehicle numbered 1.
VehicleSlot& PlaceVehicle(Game& game, int32_t row, int32_t slot, int32_t type, int32_t kind, int32_t train = 0,
                          bool coupled = false);
void SetPath(Game& game, int32_t path, const PathSpec& shape);
void SetLineBlocks(Game& game, int32_t point, const std::vector<int32_t>& blockSteps);

// Points of Testowo.
enum TestowoPoint : int32_t {
    kTestowoDepot = 0,           ///< kind 8, tile 1060
    kTestowoWestEntry = 1,       ///< kind 1, tile 501, 12 minutes + 2, entry 1
    kTestowoLine = 2,            ///< kind 3, tile 1201, [1] 510, [3] 0, [5] 21
    kTestowoEastEntry = 3,       ///< kind 1, tile 559, 8 minutes + 1, entry 3
    kTestowoWestExit = 4,        ///< kind 2, tile 502, exit 4
    kTestowoEastExit = 5,        ///< kind 2, tile 560, exit 5
    kTestowoPlatform1 = 6,       ///< kind 4, tiles 520, 521, 522
    kTestowoPlatform2 = 7,       ///< kind 4, tiles 720, 721, 722
    kTestowoSiding = 8,          ///< kind 5, tile 1010, three sub-tracks from row 12
    kTestowoStabling = 9,        ///< kind 6, tile 920
    kTestowoLocoTrack = 10,      ///< kind 7, tile 1050
    kTestowoFreight = 11,        ///< kind 9, tiles 1120, 1121
    kTestowoPointCount = 12,
};

constexpr int32_t kTestowoSubTracks = 3;
constexpr int32_t kTestowoLineBlockSteps = 30;  ///< the one block of the line: 5 minutes at 10 s a step

// Testowo: a 15 x 70 grid, its twelve points, three sub-tracks and three tracks.
void BuildTestowo(Game& game);
