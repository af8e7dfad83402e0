// Slot and siding queries shared by the dispatching services.
#include "simulation/slot_queries.h"

#include <algorithm>

namespace {

bool SlotMotion(Game& game, int32_t row, int32_t slot)
{
    VehicleSlot* s = game.SlotAt(row, slot);
    return s && s->Motion() != kMotionStanding;
}

}  // namespace

bool SlotConsistMoving(Game& game, int32_t row, int32_t slot)
{
    VehicleSlot* s = game.SlotAt(row, slot);
    if (!s) return false;
    if (s->Motion() != kMotionStanding) return true;
    if (s->Kind() > kKindCar) return false;
    for (int32_t i = slot; i + 1 < kSlotsPerPoint && game.SlotCoupled(row, i); ++i)
        if (SlotMotion(game, row, i + 1)) return true;
    for (int32_t i = slot - 1; i >= 0 && game.SlotCoupled(row, i); --i)
        if (SlotMotion(game, row, i)) return true;
    return false;
}

const char* SlotTypeName(Game& game, int32_t row, int32_t slot)
{
    VehicleSlot* s = game.SlotAt(row, slot);
    return s ? game.timetable.VehicleTypeName(s->Type()) : "";
}

bool SlotOccupied(Game& game, int32_t row, int32_t slot)
{
    VehicleSlot* s = game.SlotAt(row, slot);
    return s && !s->IsEmpty();
}

int32_t OccupiedRun(Game& game, int32_t row)
{
    int32_t n = 0;
    while (n < kSlotsPerPoint && SlotOccupied(game, row, n)) ++n;
    return n;
}

SubTrackRows SidingRows(Game& game, int32_t point)
{
    if (game.PointKind(point) != kPointSiding) return {};
    const int32_t pointCount = game.PointCount();
    const int64_t first = int64_t{pointCount} + *game.points.At(static_cast<uint32_t>(point), kPointFieldSixth);
    const int64_t last = first + *game.points.At(static_cast<uint32_t>(point), kPointFieldParam) - 1;
    const int64_t lastRow = int64_t{pointCount} + game.SubTrackCount() - 1;
    if (first < pointCount || first > lastRow) return {};
    return {static_cast<int32_t>(first), static_cast<int32_t>(std::min(last, lastRow))};
}

bool IsTrainVehicleOf(Game& game, int32_t row, int32_t slot, int32_t train)
{
    VehicleSlot* s = game.SlotAt(row, slot);
    return train >= 0 && s && !s->IsEmpty() && s->Kind() < kKindElectricLoco && s->Train() == train;
}
