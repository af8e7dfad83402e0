// Delays as the dispatcher sees them, and the entry tiles.
#include "ui/board_delays.h"

#include <algorithm>

#include "model/time_arithmetic.h"
#include "simulation/upcoming_trains.h"

std::vector<TileCode> gEntryTiles;

namespace {

constexpr int32_t kLongestBehind = 240;  ///< further back is a time of another day

int32_t BehindClockMinutes(const Game& game, int64_t minutes)
{
    int64_t d = (ClockMinuteOfDay(game) - minutes) % kMinutesPerDay;
    if (d < 0) d += kMinutesPerDay;
    return d > kLongestBehind ? 0 : static_cast<int32_t>(d);
}

}  // namespace

int32_t MinutesBehindExpected(Game& game, int32_t index, int32_t mode, int32_t side)
{
    const int32_t expected = game.timetable.ExpectedTime(index, mode, side);
    return expected == 0 ? 0 : MinutesBehindClockAt(game, expected);
}

int32_t MinutesBehindClock(const Game& game, const char* text)
{
    const int32_t minutes = ParseHourMinute(text);
    return minutes < 0 ? 0 : BehindClockMinutes(game, minutes);
}

int32_t MinutesBehindClockAt(const Game& game, int32_t hhmm) { return BehindClockMinutes(game, HhmmToMinutes(hhmm)); }

int32_t TicksToMinutesCeil(Game& game, int32_t ticks)
{
    if (ticks < 0) return 0;
    const int64_t step = std::max(game.clock.Step(0), 1);
    return static_cast<int32_t>((ticks * step + 59) / 60);
}

bool IsArrivalOrDepartureKind(int32_t state) { return state == 0 || state == 2 || state == 4; }

void CollectEntryTiles(const Game& game)
{
    gEntryTiles.clear();
    for (int32_t r = 0; r < game.GridRows(); ++r)
        for (int32_t c = 0; c < game.GridCols(); ++c) {
            const TileCode tile = MakeTileCode(r, c);
            if (tile <= 0) continue;  // 0 names no tile in a point's fields
            const int32_t kind = game.PointKind(game.FindPointByTile(tile));
            if (kind == kPointEntry || kind == kPointLine) gEntryTiles.push_back(tile);
        }
}

bool IsTrainAtEntry(Game& game, const std::string& number)
{
    if (number.empty()) return false;
    for (TileCode tile : gEntryTiles) {
        const int32_t point = game.FindPointByTile(tile);
        if (point < 0 || game.SlotVehicleType(point, 0) == 0) continue;
        const int32_t train = game.SlotTrain(point, 0);
        if (train >= 0 && number == game.TrainNumberText(train, kRawRow, kArrivalSide).Text()) return true;
    }
    return false;
}

int32_t EntryDelayMinutes(Game& game, int32_t train, bool arrival)
{
    if (train < 0) return 0;
    if (arrival) {
        int32_t delay = game.Delay(train, kRawRow, kArrivalSide);
        if (IsArrivalOrDepartureKind(game.TrainStateNow(train, kRawRow)) ||
            IsTrainAtEntry(game, game.TrainNumberText(train, kRawRow, kArrivalSide).Text()))
            delay += MinutesBehindExpected(game, train, kRawRow, kArrivalSide);
        return delay;
    }
    if (game.TrainStateNow(train, kRawRow) == -1) return game.Delay(train, kRawRow, kDepartureSide);
    const int32_t expected = ExpectedDelay(game, train);
    const int32_t scheduled = game.RowTime(train, kDepartureSide);
    if (scheduled == 0) return expected + MinutesBehindExpected(game, train, kRawRow, kDepartureSide);
    return expected + MinutesBehindClockAt(game, AddMinutesWrap(scheduled, expected));
}
