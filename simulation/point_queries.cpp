// Game: what stands at a point's tile, the sub-track rows of a siding, and
// the names and compositions of the vehicles in the slots.
#include "model/game.h"

int32_t Game::PointKindAtTile(::TileCode tile) const
{
    return PointKind(FindPointByTile(tile));  // 0 for the -1 of a failed search
}

bool Game::PointHasVehicle(::TileCode tile)
{
    const int32_t p = FindPointByTile(tile);
    for (int32_t s = 0; p >= 0 && s < kSlotsPerPoint; ++s)
        if (SlotVehicleType(p, s) != 0) return true;
    return false;
}

int32_t Game::FindFirstPoweredVehicleAtTile(::TileCode tile)
{
    const int32_t p = FindPointByTile(tile);
    for (int32_t s = 0; p >= 0 && s < kSlotsPerPoint; ++s)
        if (SlotKind(p, s) > kKindCar) return p * 100 + s;
    return 0;
}

int32_t Game::SidingSubTrackRow(::TileCode tile, int32_t which) const
{
    const int32_t p = FindPointByTile(tile);
    if (PointKind(p) != kPointSiding) return -1;
    const int32_t first = pointCount + Point(p, kPointFieldSixth);
    return which == 55 ? first : first + Point(p, kPointFieldParam) - 1;
}

int32_t Game::SlotVehicleType(int32_t row, int32_t slot)
{
    VehicleSlot* s = SlotAt(row, slot);
    return s ? s->Type() : 0;
}

const char* Game::VehicleTypeName(int32_t a, int32_t b)
{
    if (b == kRawRow) return a > 0 && a < kVehicleTypeSlots ? pictureNames[static_cast<size_t>(a)].data() : "";
    if (b == -1) return timetable.VehicleTypeName(a);
    return timetable.VehicleTypeName(SlotVehicleType(a, b));
}

Composition Game::SlotComposition(int32_t row, int32_t slot)
{
    VehicleSlot* s = SlotAt(row, slot);
    // An empty slot, or a type of no timetable train (train -1), has no composition.
    if (!s || s->IsEmpty()) return Composition{};
    return timetable.CompositionCopy(s->Train());
}
