// The simulation step and a whole simulated day (86 400 steps of one game
// second): the day at Wrzosogród on a small hand-built station laid out like
// the tests' Testowo, whose three ends (501, 560, 1201) are lines used both
// ways. A plain dispatcher stands in for the player: every permission is
// given, a train that has come in is sent to a free platform, a train that has
// turned round is sent out through its exit, and an engine without a train
// goes to the depot.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "model/game.h"
#include "model/random.h"
#include "simulation/admission.h"
#include "simulation/consist.h"
#include "simulation/line_sections.h"

namespace {

const std::string kDayFile = std::string(SEMARION_FIXTURES) + "/timetables/wrzosogrod_day.roz";

struct BenchPoint {
    int32_t kind;   ///< StationPointKind
    int32_t param;  ///< kPointFieldParam
    TileCode tile;  ///< first tile
    int32_t third;  ///< second tile
    TileCode tile3; ///< third tile
    int32_t sixth;  ///< kPointFieldSixth
};

constexpr BenchPoint kBenchPoints[] = {
    {kPointDepot, 0, 1060, 0, 0, 0},
    {kPointLine, 510, 501, 0, 0, 11},
    {kPointLine, 510, 1201, 0, 0, 21},
    {kPointLine, 510, 560, 0, 0, 32},
    {kPointPlatform, 0, 520, 521, 522, 0},
    {kPointPlatform, 0, 720, 721, 722, 0},
    {kPointPlatform, 0, 920, 921, 922, 0},
    {kPointFreightPlatform, 0, 1120, 1121, 0, 0},
    {kPointLocoTrack, 0, 1050, 0, 0, 0},
};
constexpr int32_t kBenchPointCount = static_cast<int32_t>(sizeof kBenchPoints / sizeof kBenchPoints[0]);
constexpr int32_t kBlockSteps = 30;  ///< one block of five minutes at ten seconds a step

Game DayGame()
{
    Game game;
    game.CreateStationTables(15, 70, 0, kBenchPointCount, 0);
    for (int32_t p = 0; p < kBenchPointCount; ++p) {
        const BenchPoint& b = kBenchPoints[p];
        const int32_t values[kPointFieldCount] = {b.kind, b.param, b.tile, b.third, b.tile3, b.sixth};
        for (int32_t f = 0; f < kPointFieldCount; ++f)
            *game.points.At(static_cast<uint32_t>(p), static_cast<uint32_t>(f)) = values[f];
        if (b.kind != kPointLine) continue;
        BlockTrain(game, p, 0) = 0;
        BlockCountdown(game, p, 0) = 0;
        *game.lineSections.At(static_cast<uint32_t>(p), kSectionTime) = kBlockSteps;
    }
    game.depot.Param(kDepotParamCapacity, 8);
    game.depot.Param(kDepotParamRepairsAtOnce, 2);
    game.depot.Param(kDepotParamPreparationSteps, 28);
    game.depot.Param(kDepotParamRepairSteps, 180);
    game.clock.Step(1);
    game.moveDivisor = 10;
    SeedRandom(1);
    game.timetable.LoadRoz(kDayFile.c_str(), game.pictureNames);
    return game;
}

// From `from` to `to` along the grid, as a path: destination first.
std::vector<TileCode> Straight(TileCode from, TileCode to)
{
    std::vector<TileCode> tiles{to};
    TileCode at = to;
    while (TileRow(at) != TileRow(from)) tiles.push_back(at += TileRow(at) < TileRow(from) ? 100 : -100);
    while (TileColumn(at) != TileColumn(from)) tiles.push_back(at += TileColumn(at) < TileColumn(from) ? 1 : -1);
    return tiles;
}

void Send(Game& game, int32_t point, int32_t slot, int32_t to)
{
    VehicleSlot& head = SlotOf(game, point, slot);
    head.SetPath(Straight(game.PointTile(point), game.PointTile(to)));
    head.Motion(kMotionRouted);
}

int32_t FreePointOfKind(Game& game, int32_t kind)
{
    for (int32_t p = 0; p < game.pointCount; ++p)
        if (game.PointKind(p) == kind && SlotOf(game, p, 0).IsEmpty()) return p;
    return -1;
}

// The player, once a minute.
void Dispatch(Game& game)
{
    for (int32_t p = 0; p < game.pointCount; ++p) {
        const int32_t slot = FindPoweredSlot(game, p, 0, 1);
        if (slot < 0) continue;
        VehicleSlot& head = SlotOf(game, p, slot);
        if (head.Motion() != kMotionStanding || head.Countdown() != 0) continue;
        const int32_t kind = game.PointKind(p);
        const int32_t train = ConsistTrainRow(game, p, slot);
        if (kind == kPointLine) {
            const int32_t platform = FreePointOfKind(game, kPointPlatform);
            if (platform >= 0) Send(game, p, slot, platform);
        } else if (IsPlatformKind(kind) && train < 0) {
            if (game.depot.HasRoom() && SlotOf(game, 0, 0).IsEmpty()) Send(game, p, slot, 0);
        } else if (IsPlatformKind(kind) && IsDepartingRole(game.timetable.RowState(train, kRawRow))) {
            const int32_t exit = game.FindPointByTile(game.timetable.ExitTileOfRow(train));
            if (game.PointKind(exit) == kPointLine && !RowHasVehicle(game, exit) &&
                LineStateOf(game, exit) == kLineFree)
                Send(game, p, slot, exit);
        }
    }
}

// One step as the game's timer runs it, every question answered with permission.
int32_t RunStep(Game& game)
{
    const int32_t flags = game.SimulationStep();
    for (int32_t asking = game.AdmitArrivingTrains(kFirstAsk, 0); asking >= 0;)
        asking = game.AdmitArrivingTrains(asking, kLetOntoLine);
    if (game.Seconds() == 0) Dispatch(game);
    return flags;
}

int32_t VehiclesInStation(Game& game)
{
    int32_t n = 0;
    for (int32_t r = 0; r < SlotRowCount(game); ++r)
        for (int32_t s = 0; s < kSlotsPerPoint; ++s) n += SlotOf(game, r, s).IsEmpty() ? 0 : 1;
    return n;
}

// Single steps of a running day, from 10:00 on with the morning's trains at
// the station and on the lines.
void BM_SimulationStep(benchmark::State& state)
{
    Game game = DayGame();
    for (int32_t s = 0; s < 10 * 3600; ++s) RunStep(game);
    for (auto _ : state) benchmark::DoNotOptimize(RunStep(game));
    state.counters["vehicles"] = VehiclesInStation(game);
}
BENCHMARK(BM_SimulationStep);

// A whole day from midnight to midnight.
void BM_SimulatedDay(benchmark::State& state)
{
    int32_t cameIn = 0;
    for (auto _ : state) {
        state.PauseTiming();
        Game game = DayGame();
        cameIn = 0;
        state.ResumeTiming();
        for (int32_t s = 0; s < 24 * 3600; ++s) cameIn += RunStep(game) % 10;
        benchmark::DoNotOptimize(game.Now());
    }
    state.SetItemsProcessed(state.iterations() * 24 * 3600);
    state.counters["came_in"] = cameIn;
}
BENCHMARK(BM_SimulatedDay)->Unit(benchmark::kMillisecond);

}  // namespace
