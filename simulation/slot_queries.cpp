// Slot and siding queries shared by the dispatching services.
#include "simulation/slot_queries.h"

#include <algorithm>

int32_t OccupiedRun(Game& game, int32_t row)
{
    int32_t n = 0;
    while (n < kSlotsPerPoint && game.SlotVehicleType(row, n) != 0) ++n;
    return n;
}

SubTrackRows SidingRows(Game& game, int32_t point)
{
    if (game.PointKind(point) != kPointSiding) return {};
    const TileCode tile = game.PointTile(point);
    const int32_t first = game.SidingSubTrackRow(tile, 55);
    const int32_t lastRow = game.PointCount() + game.SubTrackCount() - 1;
    if (first < game.PointCount() || first > lastRow) return {};
    return {first, std::min(game.SidingSubTrackRow(tile, 60), lastRow)};
}

bool IsTrainVehicleOf(Game& game, int32_t row, int32_t slot, int32_t train)
{
    VehicleSlot* s = game.SlotAt(row, slot);
    return train >= 0 && s && !s->IsEmpty() && s->Kind() < kKindElectricLoco && s->Train() == train;
}
