// The simulation step and a whole simulated day (86 400 steps of one game
// second) on the sample station Tarninowo with its day's timetable, started
// as the program starts it and run through the game's own timer message:
// delays due, the step, tracking, disruptions, admission, supplies and the
// due-departure count, one step a message. Every question for a line section
// is answered with permission. A plain dispatcher stands in for the player,
// once a game minute: a train that has come in is sent along a track of the
// station to a free platform, a train that has turned round is sent out
// through its exit, and engines without a train go to the depot.
//
// The growth cases run the same station with its timetable rows copied two
// and four times over (the copies arrive as the originals do), so the cost
// per timetable row stays visible.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "model/game.h"
#include "model/random.h"
#include "simulation/admission.h"
#include "simulation/consist.h"
#include "simulation/line_sections.h"
#include "simulation/new_game.h"
#include "simulation/notify.h"
#include "ui/game_session.h"
#include "ui/pacing.h"
#include "ui/timer_message.h"
#include "ui/ui_state.h"

namespace {

const std::string kStationFolder = std::string(SEMARION_FIXTURES) + "/../../game/Stacje/Tarninowo/";
const std::string kTimetable = kStationFolder + "Tarninowo.roz";
constexpr int32_t kSecondsPerDay = 24 * 3600;
constexpr int kRowFields = 26;   // fields of a row in the file
constexpr int kUnitFields = 5;   // fields of a unit in the file

std::vector<std::string> Lines(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

std::vector<long> Numbers(const std::string& line)
{
    std::vector<long> numbers;
    std::stringstream in(line);
    for (std::string item; std::getline(in, item, ',');)
        if (item.find_first_of("-0123456789") != std::string::npos) numbers.push_back(std::stol(item));
    return numbers;
}

std::string Joined(const std::vector<long>& numbers)
{
    std::string line;
    for (long n : numbers) line += std::to_string(n) + ",";
    return line + "\r";
}

// A folder of this run's own under the temporary folder, removed at the
// end: runs side by side do not share their grown timetables.
const std::filesystem::path& RunFolder()
{
    struct Folder {
        std::filesystem::path path;
        Folder()
        {
            const std::filesystem::path temp = std::filesystem::temp_directory_path();
            for (unsigned n = static_cast<unsigned>(std::random_device()());; ++n) {
                path = temp / ("semarion-bench-" + std::to_string(n));
                if (std::filesystem::create_directory(path)) break;
            }
        }
        ~Folder()
        {
            std::error_code ignored;
            std::filesystem::remove_all(path, ignored);
        }
    };
    static const Folder folder;
    return folder.path;
}

// Tarninowo's timetable with every row copied `times` over, beside the
// station file in a folder of their own. A copy's
// links and units point at its own copies; copies of trains that stand in
// the station at the start arrive instead.
std::string GrownTimetable(int times)
{
    if (times == 1) return kTimetable;
    const std::vector<std::string> lines = Lines(kTimetable);
    size_t at = 0;
    while (at < lines.size() && Numbers(lines[at]).size() != kRowFields) ++at;
    const long rows = Numbers(lines[at - 1])[0];
    std::vector<std::string> out(lines.begin(), lines.begin() + static_cast<long>(at) - 1);
    out.push_back(std::to_string(rows * times) + ",\r");
    for (int copy = 0; copy < times; ++copy) {
        for (long r = 0; r < rows; ++r) {
            std::vector<long> row = Numbers(lines[at + static_cast<size_t>(r)]);
            for (int link : {11, 12})
                if (row[static_cast<size_t>(link)] != 0) row[static_cast<size_t>(link)] += 10 * rows * copy;
            if (copy > 0 && row[15] == 1) row[15] = 0, row[22] = row[23] = row[24] = 0;
            out.push_back(Joined(row));
        }
    }
    at += static_cast<size_t>(rows);
    out.push_back(lines[at++]);  // start time
    const long units = Numbers(lines[at++])[0];
    out.push_back(std::to_string(units * times) + ",\r");
    for (int copy = 0; copy < times; ++copy) {
        for (long u = 0; u < units; ++u) {
            std::vector<long> unit = Numbers(lines[at + static_cast<size_t>(u)]);
            for (int side : {2, 3}) unit[static_cast<size_t>(side)] += (unit[static_cast<size_t>(side)] < 0 ? -1 : 1) * rows * copy;
            out.push_back(Joined(unit));
        }
    }
    out.insert(out.end(), lines.begin() + static_cast<long>(at + static_cast<size_t>(units)), lines.end());
    const std::filesystem::path folder = RunFolder() / (std::to_string(times) + "x");
    std::filesystem::create_directories(folder);
    std::filesystem::copy_file(kStationFolder + "Tarninowo.stc", folder / "Tarninowo.stc",
                               std::filesystem::copy_options::overwrite_existing);
    std::ofstream file(folder / "Tarninowo.roz", std::ios::binary);
    for (const std::string& line : out) file << line << "\n";
    return (folder / "Tarninowo.roz").string();
}

uint64_t gFakeMillis = 0;

// No window: the questions are answered with permission, everything else is quiet.
const NotifyHooks kQuietWindow = {
    [] { return gUi.gameRunning; },                  // gameRunning
    nullptr,                                         // setStatusText
    nullptr,                                         // addLogEvent
    nullptr,                                         // repaint
    nullptr,                                         // updateStatusBar
    [] { gClockDriver.timerId = 0; },                // stopTimer
    [] { gClockDriver.timerId = 1; },                // restartTimer
    [] { gSectionRequest.answer = kLetOntoLine; },  // askSectionPermission
};

// A new game of `timetable` as the program starts one, driven by the timer
// message; the clock moves a millisecond a message, so each message runs one
// step. Null, the benchmark stopped with an error, when the game does not start.
Game* ShiftGame(benchmark::State& state, const std::string& timetable)
{
    SetNotifyHooks(kQuietWindow);
    SetTickSource([] { return ++gFakeMillis; });
    Game& game = TheGame();
    game = Game();
    SeedRandom(1);  // after the timetable's own seeding from the time
    if (game.NewGameFromTimetable(timetable.c_str()) != kNewGameStarted) {
        state.SkipWithError((timetable + " did not start").c_str());
        return nullptr;
    }
    BeginGameSession();
    gClockDriver.timerId = 1;
    gClockDriver.tickBase = 0;
    return &game;
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

// One timer message, one step, then the player once a game minute. Never
// inlined, so that callgrind can count its instructions alone.
[[gnu::noinline]] int32_t RunStep(Game& game)
{
    const int32_t steps = RunTimerMessage();
    if (game.Seconds() == 0) Dispatch(game);
    return steps;
}

int32_t VehiclesInStation(Game& game)
{
    int32_t n = 0;
    for (int32_t r = 0; r < SlotRowCount(game); ++r)
        for (int32_t s = 0; s < kSlotsPerPoint; ++s) n += SlotOrEmpty(game, r, s).IsEmpty() ? 0 : 1;
    return n;
}

// Single steps of a running shift, six hours in, with the morning's trains
// standing, moving and on the lines; the argument is how many times over the
// timetable's rows are copied.
void BM_SimulationStep(benchmark::State& state)
{
    Game* started = ShiftGame(state, GrownTimetable(static_cast<int>(state.range(0))));
    if (!started) return;
    Game& game = *started;
    for (int32_t s = 0; s < 6 * 3600; ++s) RunStep(game);
    for (auto _ : state) benchmark::DoNotOptimize(RunStep(game));
    state.counters["vehicles"] = VehiclesInStation(game);
    state.counters["rows"] = game.TrainCount();
}
BENCHMARK(BM_SimulationStep)->Arg(1)->Arg(2)->Arg(4);

// A whole shift of 24 hours.
void BM_SimulatedDay(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        Game* game = ShiftGame(state, kTimetable);
        if (!game) break;
        state.ResumeTiming();
        for (int32_t s = 0; s < kSecondsPerDay; ++s) RunStep(*game);
        benchmark::DoNotOptimize(game->Now());
    }
    state.SetItemsProcessed(state.iterations() * kSecondsPerDay);
}
BENCHMARK(BM_SimulatedDay)->Unit(benchmark::kMillisecond);

}  // namespace
