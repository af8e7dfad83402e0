// The simulation step and a whole simulated day (86 400 steps of one game
// second) on the sample station Tarninowo with its day's timetable, started
// as a new game. A plain dispatcher stands in for the player, once a game
// minute: every permission is given, a train that has come in is sent along
// a track of the station to a free platform, a train that has turned round
// is sent out through its exit, and engines without a train go to the depot.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "model/game.h"
#include "model/random.h"
#include "simulation/admission.h"
#include "simulation/consist.h"
#include "simulation/line_sections.h"
#include "simulation/new_game.h"

namespace {

const std::string kTimetable = std::string(SEMARION_FIXTURES) + "/../../game/Stacje/Tarninowo/Tarninowo.roz";
constexpr int32_t kSecondsPerDay = 24 * 3600;

Game ShiftGame()
{
    Game game;
    SeedRandom(1);
    if (game.NewGameFromTimetable(kTimetable.c_str()) != kNewGameStarted) return game;
    game.clock.Step(1);  // one game second a step, as the clock driver sets it
    return game;
}

bool IsPointTile(const Game& game, int32_t point, TileCode tile)
{
    for (int32_t k = 0; k < 3; ++k)
        if (tile != 0 && game.PointTileAt(point, k) == tile) return true;
    return false;
}

// A track of the station from point `from` to point `to`, as a head's path
// (destination first); empty when the station has none.
std::vector<TileCode> TrackPath(Game& game, int32_t from, int32_t to)
{
    for (int32_t p = 0; p < game.pathCount; ++p) {
        const GridRow<int32_t>* row = game.paths.Row(static_cast<uint32_t>(p));
        const TileCode start = *row->At(kPathFirstTile);
        const TileCode end = *row->At(kPathEndTile);
        const bool forward = IsPointTile(game, from, start) && IsPointTile(game, to, end);
        const bool back = *row->At(kPathTwoWay) && IsPointTile(game, from, end) && IsPointTile(game, to, start);
        if (!forward && !back) continue;
        std::vector<TileCode> tiles;
        for (uint32_t c = kPathFirstTile; c < row->Count() && *row->At(c) != 0; ++c) tiles.push_back(*row->At(c));
        if (forward) return std::vector<TileCode>(tiles.rbegin(), tiles.rend());
        return tiles;
    }
    return {};
}

// Sends the head in (point, slot) to the first point that `wanted` accepts
// and a track reaches; false when none does.
template <typename Wanted>
bool SendToFirst(Game& game, int32_t point, int32_t slot, Wanted wanted)
{
    for (int32_t to = 0; to < game.pointCount; ++to) {
        if (to == point || !wanted(to)) continue;
        std::vector<TileCode> path = TrackPath(game, point, to);
        if (path.empty()) continue;
        VehicleSlot& head = SlotOrEmpty(game, point, slot);
        head.SetPath(std::move(path));
        head.Motion(kMotionRouted);
        return true;
    }
    return false;
}

// The player, once a minute.
void Dispatch(Game& game)
{
    for (int32_t p = 0; p < game.pointCount; ++p) {
        const int32_t slot = FindPoweredSlot(game, p, 0, 1);
        if (slot < 0) continue;
        VehicleSlot& head = SlotOrEmpty(game, p, slot);
        if (head.Motion() != kMotionStanding || head.Countdown() != 0) continue;
        const int32_t kind = game.PointKind(p);
        const int32_t train = HeadTrainRow(game, p, slot);
        auto empty = [&](int32_t to) { return !RowHasVehicle(game, to); };
        if (kind == kPointEntry || kind == kPointLine) {
            SendToFirst(game, p, slot, [&](int32_t to) { return IsPlatformKind(game.PointKind(to)) && empty(to); });
        } else if (train < 0) {
            SendToFirst(game, p, slot, [&](int32_t to) {
                const int32_t k = game.PointKind(to);
                return ((k == kPointDepot && game.depot.HasRoom()) || k == kPointLocoTrack) && empty(to);
            });
        } else if (!IsArrivingRole(game.timetable.RowState(train, kRawRow))) {
            const int32_t exit = game.FindPointByTile(game.timetable.ExitTileOfRow(train));
            const int32_t k = game.PointKind(exit);
            if ((k == kPointExit || (k == kPointLine && LineStateOf(game, exit) == kLineFree)) && empty(exit))
                SendToFirst(game, p, slot, [&](int32_t to) { return to == exit; });
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
        for (int32_t s = 0; s < kSlotsPerPoint; ++s) n += SlotOrEmpty(game, r, s).IsEmpty() ? 0 : 1;
    return n;
}

// Single steps of a running shift, six hours in, with the morning's trains
// standing, moving and on the lines.
void BM_SimulationStep(benchmark::State& state)
{
    Game game = ShiftGame();
    for (int32_t s = 0; s < 6 * 3600; ++s) RunStep(game);
    for (auto _ : state) benchmark::DoNotOptimize(RunStep(game));
    state.counters["vehicles"] = VehiclesInStation(game);
    state.counters["trains"] = game.TrainCount();
}
BENCHMARK(BM_SimulationStep);

// A whole shift of 24 hours.
void BM_SimulatedDay(benchmark::State& state)
{
    int32_t cameIn = 0;
    for (auto _ : state) {
        state.PauseTiming();
        Game game = ShiftGame();
        cameIn = 0;
        state.ResumeTiming();
        for (int32_t s = 0; s < kSecondsPerDay; ++s) cameIn += RunStep(game) % 10;
        benchmark::DoNotOptimize(game.Now());
    }
    state.SetItemsProcessed(state.iterations() * kSecondsPerDay);
    state.counters["came_in"] = cameIn;
}
BENCHMARK(BM_SimulatedDay)->Unit(benchmark::kMillisecond);

}  // namespace
