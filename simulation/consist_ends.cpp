// Consist ends: the moving end of a point's vehicles and the run behind it.
#include "simulation/consist_ends.h"

#include "simulation/slot_queries.h"

VehicleSlot& EmptySlotStandIn()
{
    static VehicleSlot standIn;
    standIn = VehicleSlot();
    return standIn;
}

int32_t LastOccupiedSlot(Game& game, int32_t row)
{
    for (int32_t s = kSlotsPerPoint - 1; s >= 0; --s)
        if (!SlotOrEmpty(game, row, s).IsEmpty()) return s;
    return -1;
}

ConsistEnd LowEnd(int32_t row) { return {row, 0, 1}; }

ConsistEnd HighEnd(Game& game, int32_t row)
{
    const int32_t last = LastOccupiedSlot(game, row);
    return {row, last < 0 ? 0 : last, -1};
}

bool IsSidingSubTrack(Game& game, int32_t point, int32_t row)
{
    const SubTrackRows rows = SidingRows(game, point);
    return row >= rows.first && row <= rows.last;
}

int32_t SourceRow(Game& game, int32_t point)
{
    if (game.PointKind(point) != kPointSiding) return point;
    // The siding window names the sub-track in slot 0's link; a destination
    // link carries a sign for the direction. Anything that is not one of this
    // siding's sub-tracks (no choice yet) leaves the siding's own row, never
    // another point's.
    int32_t link = SlotOrEmpty(game, point, 0).Link();
    if (link < 0) link = -link;
    return IsSidingSubTrack(game, point, link) ? link : point;
}

ConsistEnd MovingEnd(Game& game, int32_t point, TileCode fromTile)
{
    return fromTile == game.PointTile(point) ? LowEnd(point) : HighEnd(game, point);
}

bool CoupledInward(Game& game, const ConsistEnd& end, int32_t slot)
{
    if (end.step > 0) return SlotOrEmpty(game, end.row, slot).Coupled() != 0;
    return slot > 0 && SlotOrEmpty(game, end.row, slot - 1).Coupled() != 0;
}

int32_t NextInRun(Game& game, const ConsistEnd& end, int32_t slot)
{
    const int32_t next = slot + end.step;
    if (next < 0 || next >= kSlotsPerPoint || !CoupledInward(game, end, slot)) return -1;
    return SlotOrEmpty(game, end.row, next).IsEmpty() ? -1 : next;
}

int32_t SkipCoupledLocomotives(Game& game, const ConsistEnd& end)
{
    int32_t slot = end.slot;
    while (IsLocomotiveKind(SlotOrEmpty(game, end.row, slot).Kind())) {
        const int32_t next = NextInRun(game, end, slot);
        if (next < 0) break;
        slot = next;
    }
    return slot;
}

bool IsLocomotiveKind(int32_t kind) { return kind >= kKindElectricLoco; }

bool IsTrainVehicle(VehicleSlot& slot) { return !slot.IsEmpty() && slot.Kind() < kKindElectricLoco; }
