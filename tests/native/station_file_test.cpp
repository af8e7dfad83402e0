// Reading station files: the test station Testowo, its schematic against the
// tile catalogue, block sections, steps and depot times, and the damaged
// copies that must be refused without touching the station already loaded.
#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "model/game.h"
#include "simulation/station_file.h"
#include "station_files.h"

namespace {

int32_t Section(const Game& game, int32_t point, int32_t cell)
{
    return *game.lineSections.At(static_cast<uint32_t>(point), static_cast<uint32_t>(cell));
}

// The block times of a point's line sections, up to the first unused triple.
std::vector<int32_t> BlockTimes(const Game& game, int32_t point)
{
    std::vector<int32_t> times;
    for (int32_t b = 0; b < kSectionBlocks; ++b) {
        const int32_t time = Section(game, point, b * kSectionTripleSize + kSectionTime);
        if (time == -1) break;
        times.push_back(time);
    }
    return times;
}

std::vector<TileCode> PathTiles(const Game& game, int32_t path)
{
    std::vector<TileCode> tiles;
    for (int32_t c = kPathFirstTile; c < kPathCells; ++c) {
        const TileCode tile = *game.paths.At(static_cast<uint32_t>(path), static_cast<uint32_t>(c));
        if (tile == 0) break;
        tiles.push_back(tile);
    }
    return tiles;
}

// Loads a variant of Testowo: its text with the replacements made.
int32_t LoadVariant(Game& game, const Changes& changes)
{
    std::string text = ReadWholeFile(TestowoFile("Testowo.stc"));
    for (const auto& change : changes) text = Replaced(text, change.first, change.second);
    return game.LoadStationFile(WriteFileIn(TestFolder(), "variant.stc", text).c_str());
}

// The ports ("W", "NE", ...) where each track family has track, as the tile
// catalogue lists them.
std::map<int32_t, std::set<std::string>> CataloguePorts()
{
    std::map<int32_t, std::set<std::string>> ports;
    std::istringstream doc(ReadWholeFile(std::string(SEMARION_FIXTURES) + "/../../docs/tiles.md"));
    const std::regex row(R"(^\| (\d+) \| \d+\.\.\d+ \| [^|]* \| ([^|]*) \|)");
    std::string line;
    std::smatch m;
    while (std::getline(doc, line)) {
        if (!std::regex_search(line, m, row)) continue;
        std::set<std::string>& at = ports[std::stoi(m[1].str())];  // a platform area has none
        std::istringstream words(m[2].str());
        std::string word;
        while (words >> word)
            if (word != "-") at.insert(word);
    }
    return ports;
}

// The track family of a drawing code, 0 for a marker or an empty tile.
int32_t Family(int32_t code)
{
    if (code >= 10 && code <= 78) return code;
    if (code >= 100 && code <= 789) return code / 10;
    return 0;
}

// The port of tile a facing its neighbour b, "" when they do not touch.
std::string PortTowards(TileCode a, TileCode b)
{
    static const char* const kPorts[3][3] = {{"NW", "N", "NE"}, {"W", "", "E"}, {"SW", "S", "SE"}};
    const int32_t dr = TileRow(b) - TileRow(a);
    const int32_t dc = TileColumn(b) - TileColumn(a);
    if (dr < -1 || dr > 1 || dc < -1 || dc > 1) return "";
    return kPorts[dr + 1][dc + 1];
}

class TestowoStation : public testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(game.LoadStationFile(TestowoFile("Testowo.stc").c_str()), kStationLoaded); }

    int32_t Code(TileCode tile) const { return game.TileCode(TileRow(tile), TileColumn(tile)); }

    Game game;
};

TEST_F(TestowoStation, LoadsWithTheDepotFirstAndItsLineSectionsMoved)
{
    EXPECT_EQ(game.GridRows(), 12);
    EXPECT_EQ(game.GridCols(), 44);
    EXPECT_EQ(game.pathCount, 13);
    EXPECT_EQ(game.PointCount(), kStcPointCount);
    EXPECT_EQ(game.SubTrackCount(), kStcSubTracks);
    EXPECT_EQ(game.slots.RowCount(), static_cast<uint32_t>(kStcPointCount + kStcSubTracks));

    // The line stood first in the file; it changed places with the depot and
    // took its three block sections (3, 3 and 1 minutes of one-second steps) along.
    EXPECT_EQ(game.PointKind(kStcDepot), kPointDepot);
    EXPECT_EQ(game.PointTile(kStcDepot), 937);
    EXPECT_EQ(game.PointKind(kStcLine), kPointLine);
    EXPECT_EQ(game.PointTile(kStcLine), 401);
    EXPECT_EQ(BlockTimes(game, kStcLine), (std::vector<int32_t>{180, 180, 60}));
    EXPECT_EQ(Section(game, kStcLine, kSectionTrain), 0);
    EXPECT_EQ(Section(game, kStcLine, kSectionLineState), kLineFree);
    EXPECT_TRUE(BlockTimes(game, kStcDepot).empty());
    EXPECT_EQ(game.LineSectionInfo(kStcLine, 0), 3);

    EXPECT_EQ(game.PointTileAt(kStcPlatform1, 2), 414);
    EXPECT_EQ(game.PointTileAt(kStcFreight, 2), 0);
    EXPECT_EQ(*game.points.At(kStcSiding, kPointFieldParam), kStcSubTracks);
    EXPECT_EQ(*game.points.At(kStcEastEntry, kPointFieldSixth), 22);

    EXPECT_EQ(game.clock.Step(0), 10);
    EXPECT_EQ(game.depot.Param(kDepotParamCapacity, -1), 6);
    EXPECT_EQ(game.depot.Param(kDepotParamRepairsAtOnce, -1), 2);
    EXPECT_EQ(game.depot.Param(kDepotParamPreparationSteps, -1), 5 * 60 - 2 * 10);
    EXPECT_EQ(game.depot.Param(kDepotParamRepairSteps, -1), 60 * 60);

    EXPECT_EQ(*game.paths.At(12, kPathTwoWay), 1);
    EXPECT_EQ(*game.paths.At(12, kPathCatenary), 1);
    EXPECT_EQ(*game.paths.At(12, kPathEndTile), 937);
    EXPECT_EQ(PathTiles(game, 12), (std::vector<TileCode>{933, 934, 935, 936, 937}));
    EXPECT_EQ(*game.paths.At(0, kPathCatenary), 0);
    for (int32_t r = 0; r < game.GridRows(); ++r)
        for (int32_t c = 0; c < game.GridCols(); ++c) ASSERT_EQ(game.TileState(r, c), kTileFree);
}

TEST_F(TestowoStation, SchematicFollowsTheTileCatalogue)
{
    std::set<int32_t> kinds;
    std::set<TileCode> pointTiles;
    for (int32_t p = 0; p < game.PointCount(); ++p) {
        kinds.insert(game.PointKind(p));
        const int32_t tiles = game.PointKind(p) >= kPointPlatform ? 3 : 1;
        for (int32_t k = 0; k < tiles; ++k)
            if (game.PointTileAt(p, k) != 0) pointTiles.insert(game.PointTileAt(p, k));
    }
    EXPECT_EQ(kinds, (std::set<int32_t>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
    for (int32_t c = 0; c < game.GridCols(); ++c) EXPECT_EQ(game.TileCode(0, c), 0) << "row 0";
    for (int32_t r = 0; r < game.GridRows(); ++r) EXPECT_EQ(game.TileCode(r, 0), 0) << "column 0";

    // Every step of a track passes between neighbouring tiles that both have
    // track at the shared port; a marker may stand only on a point's tile.
    const std::map<int32_t, std::set<std::string>> ports = CataloguePorts();
    ASSERT_EQ(ports.size(), 69u);
    std::map<TileCode, std::set<int32_t>> catenaryOfTile;
    for (int32_t t = 0; t < game.pathCount; ++t) {
        const std::vector<TileCode> tiles = PathTiles(game, t);
        ASSERT_GE(tiles.size(), 2u);
        EXPECT_TRUE(pointTiles.count(tiles.front()) && pointTiles.count(tiles.back())) << "track " << t;
        for (size_t i = 0; i + 1 < tiles.size(); ++i) {
            const TileCode a = tiles[i];
            const TileCode b = tiles[i + 1];
            const std::string portA = PortTowards(a, b);
            ASSERT_FALSE(portA.empty()) << "track " << t << ": " << a << " and " << b << " do not touch";
            for (const auto& end : {std::make_pair(a, portA), std::make_pair(b, PortTowards(b, a))}) {
                const int32_t code = Code(end.first);
                if (Family(code) == 0) {
                    EXPECT_TRUE(code >= 1 && code <= 9 && pointTiles.count(end.first)) << "tile " << end.first;
                } else {
                    EXPECT_EQ(ports.at(Family(code)).count(end.second), 1u)
                        << "track " << t << ": tile " << end.first << " (" << code << ") has no track at " << end.second;
                }
            }
        }
        for (TileCode tile : tiles) catenaryOfTile[tile].insert(*game.paths.At(static_cast<uint32_t>(t), kPathCatenary));
    }
    // A tile between points that only tracks of one kind use shows whether
    // they have catenary. (A point's tile shows its own: a platform's says
    // whether an electric unit may start there.)
    for (const auto& [tile, catenary] : catenaryOfTile)
        if (catenary.size() == 1 && Family(Code(tile)) != 0 && !pointTiles.count(tile)) {
            EXPECT_EQ(Code(tile) < 100, *catenary.begin() == 1) << "tile " << tile;
        }
    // A water crane stands below the locomotive track.
    EXPECT_EQ(game.TileCode(10, 33), -36);
}

TEST(StationFile, BlockSectionsOfALine)
{
    Game game;
    ASSERT_EQ(LoadVariant(game, {{"3,310,401", "3,512,401"}}), kStationLoaded);
    EXPECT_EQ(BlockTimes(game, kStcLine), (std::vector<int32_t>{300, 120}));  // 5 + 5 + 2 minutes
    ASSERT_EQ(LoadVariant(game, {{"3,310,401", "3,1000,401"}}), kStationBadLine);  // b = 0
    EXPECT_EQ(LoadVariant(game, {{"3,310,401", "3,3,401"}}), kStationBadLine);     // a = 0
    EXPECT_EQ(LoadVariant(game, {{"3,310,401", "3,131,401"}}), kStationBadLine);   // 31 > 10 x 1
    EXPECT_EQ(LoadVariant(game, {{"3,310,401", "3,-110,401"}}), kStationBadLine);
    // A line whose block is longer than the way to the passing loop has no sections.
    ASSERT_EQ(LoadVariant(game, {{"3,310,401", "3,503,401"}}), kStationLoaded);
    EXPECT_TRUE(BlockTimes(game, kStcLine).empty());
}

TEST(StationFile, LineAndDepotTimesAreOneSecondStepsWhateverTheStationsStep)
{
    // A game runs one second a step: minutes become minutes x 60 steps; the
    // preparation ends two of the station's steps early.
    Game game;
    ASSERT_EQ(LoadVariant(game, {{"10,\n6,2,5,60,", "7,\n4,2,5,30,"}}), kStationLoaded);
    EXPECT_EQ(game.clock.Step(0), 10);  // 7 is no divisor of 60
    EXPECT_EQ(game.depot.Param(kDepotParamCapacity, -1), 4);
    EXPECT_EQ(game.depot.Param(kDepotParamPreparationSteps, -1), 5 * 60 - 2 * 10);
    EXPECT_EQ(game.depot.Param(kDepotParamRepairSteps, -1), 30 * 60);

    // A minute a step: the line's blocks keep their minutes; a one-minute
    // preparation, shorter than its lead, still takes one step.
    ASSERT_EQ(LoadVariant(game, {{"10,\n6,2,5,60,", "60,\n6,2,1,1,"}}), kStationLoaded);
    EXPECT_EQ(game.depot.Param(kDepotParamPreparationSteps, -1), 1);
    EXPECT_EQ(game.depot.Param(kDepotParamRepairSteps, -1), 60);
    EXPECT_EQ(BlockTimes(game, kStcLine), (std::vector<int32_t>{180, 180, 60}));

    // No step in the file: the clock keeps its own.
    game.clock.Step(5);
    ASSERT_EQ(LoadVariant(game, {{"10,\n6,2,5,60,", "0,\n6,2,5,60,"}}), kStationLoaded);
    EXPECT_EQ(game.clock.Step(0), 5);
    EXPECT_EQ(game.depot.Param(kDepotParamPreparationSteps, -1), 5 * 60 - 2 * 5);
    EXPECT_EQ(game.depot.Param(kDepotParamRepairSteps, -1), 60 * 60);

    // A depot value below 1 is refused before the next is read.
    EXPECT_EQ(LoadVariant(game, {{"6,2,5,60,", "6,2,0,x"}}), kStationBadDepot);
    EXPECT_EQ(LoadVariant(game, {{"6,2,5,60,", "6,2,5,"}}), kStationDamaged);
}

TEST(StationFile, TrackOfOneHundredNinetySixTilesFits)
{
    std::string track = "1,1,";
    for (int32_t i = 0; i < kPathMaxTiles; ++i) track += std::to_string(MakeTileCode(1 + i / 40, 1 + i % 40)) + ",";
    Game game;
    ASSERT_EQ(LoadVariant(game, {{"13,\n", "14,\n" + track + "0,\n"}}), kStationLoaded);
    EXPECT_EQ(game.pathCount, 14);
    EXPECT_EQ(PathTiles(game, 0).size(), static_cast<size_t>(kPathMaxTiles));  // the first track now
    EXPECT_EQ(*game.paths.At(0, kPathEndTile), MakeTileCode(5, 36));
    EXPECT_EQ(*game.paths.At(0, kPathCells - 1), 0);
}

TEST_F(TestowoStation, RefusesDamagedCopiesAndKeepsTheStationItHas)
{
    const struct {
        const char* file;
        int32_t result;
    } cases[] = {
        {"truncated.stc", kStationDamaged},
        {"not_a_number.stc", kStationDamaged},
        {"number_overflow.stc", kStationDamaged},
        {"columns_101.stc", kStationDamaged},
        {"rows_negative.stc", kStationDamaged},
        {"rows_huge.stc", kStationDamaged},
        {"track_197_tiles.stc", kStationDamaged},
        {"track_tile_off_grid.stc", kStationDamaged},
        {"point_tile_off_grid.stc", kStationDamaged},
        {"point_kind_unknown.stc", kStationDamaged},
        {"siding_past_sub_tracks.stc", kStationDamaged},
        {"point_count_huge.stc", kStationDamaged},
        {"sub_tracks_negative.stc", kStationDamaged},
        {"no_depot.stc", kStationNoDepot},
        {"depot_zero_capacity.stc", kStationBadDepot},
        {"depot_capacity_too_large.stc", kStationBadDepot},
        {"line_bad_blocks.stc", kStationBadLine},
        {"missing.stc", kStationCannotOpen},
    };
    game.clock.Step(5);
    game.depot.Param(kDepotParamRepairSteps, 99);
    *game.tileStates.At(4, 12) = kTileOccupied;
    for (const auto& c : cases) {
        EXPECT_EQ(game.LoadStationFile(StationFixture(c.file).c_str()), c.result) << c.file;
        EXPECT_EQ(game.PointCount(), kStcPointCount) << c.file;
        EXPECT_EQ(game.GridCols(), 44) << c.file;
        EXPECT_EQ(game.TileCode(4, 42), 43) << c.file;
        EXPECT_EQ(game.TileState(4, 12), kTileOccupied) << c.file;
        EXPECT_EQ(game.clock.Step(0), 5) << c.file;
        EXPECT_EQ(game.depot.Param(kDepotParamRepairSteps, -1), 99) << c.file;
        EXPECT_EQ(BlockTimes(game, kStcLine).size(), 3u) << c.file;
    }
    EXPECT_EQ(game.LoadStationFile(nullptr), kStationCannotOpen);
}

}  // namespace
