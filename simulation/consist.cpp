// Consists, slots and tiles: helpers shared by the simulation.
#include "simulation/consist.h"

#include <algorithm>
#include <climits>

namespace {

bool TileInGrid(const Game& game, TileCode tile)
{
    return tile >= 0 && TileRow(tile) < game.rows && TileColumn(tile) < game.cols;
}

int32_t PointField(const Game& game, int32_t point, int32_t field)
{
    if (point < 0 || point >= game.pointCount) return 0;
    return *game.points.At(static_cast<uint32_t>(point), static_cast<uint32_t>(field));
}

int32_t Saturate(int64_t v) { return static_cast<int32_t>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX)); }

}  // namespace

int32_t TileStateAt(const Game& game, TileCode tile)
{
    return TileInGrid(game, tile) ? game.TileState(TileRow(tile), TileColumn(tile)) : kTileFree;
}

void SetTileState(Game& game, TileCode tile, int32_t state)
{
    if (!TileInGrid(game, tile)) return;
    *game.tileStates.At(static_cast<uint32_t>(TileRow(tile)), static_cast<uint32_t>(TileColumn(tile))) = state;
}

void SetPointTiles(Game& game, int32_t point, int32_t state)
{
    for (int32_t k = 0; k < 3; ++k) {
        const TileCode tile = game.PointTileAt(point, k);
        if (tile != 0) SetTileState(game, tile, state);
    }
}

int32_t PointParam(const Game& game, int32_t point) { return PointField(game, point, kPointFieldParam); }

int32_t PointSixth(const Game& game, int32_t point) { return PointField(game, point, kPointFieldSixth); }

bool IsOddSide(const Game& game, int32_t point) { return PointSixth(game, point) % 2 != 0; }

bool IsPlatformKind(int32_t kind) { return kind == kPointPlatform || kind == kPointFreightPlatform; }

int32_t StepsForMinutes(Game& game, int64_t minutes)
{
    const int64_t step = std::max<int32_t>(game.clock.Step(0), 1);
    return Saturate(std::max<int64_t>(minutes * 60 / step, 0));
}

int32_t MinutesForSteps(Game& game, int32_t steps)
{
    return Saturate(int64_t{steps} * game.clock.Step(0) / 60);
}

int32_t NextDay(int32_t t) { return Saturate(int64_t{t} + kNextDay); }

bool IsPowered(VehicleSlot& slot) { return !slot.IsEmpty() && slot.Kind() > kKindCar; }

bool IsLocomotive(VehicleSlot& slot) { return !slot.IsEmpty() && slot.Kind() >= kKindElectricLoco; }

bool IsTimetableRow(const Game& game, int32_t row) { return row >= 0 && row < game.timetable.TrainCount(); }

int32_t TrainRowOf(Game& game, VehicleSlot& slot)
{
    if (!IsTrainVehicle(slot)) return -1;
    const int32_t row = slot.Train();
    return IsTimetableRow(game, row) ? row : -1;
}

int32_t SlotRowCount(const Game& game) { return game.pointCount + game.subTrackCount; }

bool RowHasVehicle(Game& game, int32_t row) { return LastOccupiedSlot(game, row) >= 0; }

bool SlotsFree(Game& game, int32_t row, int32_t first, int32_t count)
{
    if (first < 0 || count < 0 || first + count > kSlotsPerPoint) return false;
    for (int32_t s = first; s < first + count; ++s)
        if (!SlotOrEmpty(game, row, s).IsEmpty()) return false;
    return true;
}

int32_t FindPoweredSlot(Game& game, int32_t row, int32_t from, int32_t dir)
{
    for (int32_t s = std::min(from, kSlotsPerPoint - 1); s >= 0 && s < kSlotsPerPoint; s += dir)
        if (IsPowered(SlotOrEmpty(game, row, s))) return s;
    return -1;
}

SlotRun ConsistAround(Game& game, int32_t row, int32_t slot)
{
    SlotRun run{slot, slot};
    while (run.hi + 1 < kSlotsPerPoint && SlotOrEmpty(game, row, run.hi).Coupled()) ++run.hi;
    while (run.lo > 0 && SlotOrEmpty(game, row, run.lo - 1).Coupled()) --run.lo;
    return run;
}

SlotRun LeadingRun(Game& game, int32_t row) { return ConsistAround(game, row, 0); }

SlotRun TrailingRun(Game& game, int32_t row)
{
    const int32_t last = std::max(LastOccupiedSlot(game, row), 0);
    SlotRun run{last, last};
    while (run.lo > 0 && SlotOrEmpty(game, row, run.lo - 1).Coupled()) --run.lo;
    return run;
}

int32_t HeadTrainRow(Game& game, int32_t row, int32_t slot)
{
    const int32_t own = TrainRowOf(game, SlotOrEmpty(game, row, slot));
    if (own >= 0) return own;
    const SlotRun run = ConsistAround(game, row, slot);
    for (int32_t s = run.lo; s <= run.hi; ++s) {
        const int32_t train = TrainRowOf(game, SlotOrEmpty(game, row, s));
        if (train >= 0) return train;
    }
    return -1;
}

void Vacate(VehicleSlot& slot) { VehicleSlot().MoveFrom(slot); }

void MoveRun(Game& game, int32_t from, SlotRun run, int32_t to, int32_t at)
{
    for (int32_t i = 0; i < run.Length(); ++i) SlotOrEmpty(game, to, at + i).MoveFrom(SlotOrEmpty(game, from, run.lo + i));
}

void ShiftUp(Game& game, int32_t row, int32_t count, int32_t by)
{
    for (int32_t s = count - 1; s >= 0; --s) SlotOrEmpty(game, row, s + by).MoveFrom(SlotOrEmpty(game, row, s));
}

void CloseUp(Game& game, int32_t row)
{
    int32_t next = 0;
    for (int32_t s = 0; s < kSlotsPerPoint; ++s) {
        if (SlotOrEmpty(game, row, s).IsEmpty()) continue;
        if (s != next) SlotOrEmpty(game, row, next).MoveFrom(SlotOrEmpty(game, row, s));
        ++next;
    }
}

void ClearLooseCouplings(Game& game, int32_t row)
{
    for (int32_t s = 0; s < kSlotsPerPoint; ++s) {
        VehicleSlot& slot = SlotOrEmpty(game, row, s);
        const bool nextEmpty = s + 1 >= kSlotsPerPoint || SlotOrEmpty(game, row, s + 1).IsEmpty();
        if (slot.Coupled() && (slot.IsEmpty() || nextEmpty)) slot.Coupled(0);
    }
}

bool RowSet::Insert(int32_t row)
{
    for (int32_t i = 0; i < count_; ++i)
        if (rows_[i] == row) return false;
    if (count_ < kSlotsPerPoint) rows_[count_++] = row;
    return true;
}
