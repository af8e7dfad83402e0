// Consist ends: which vehicle of a point moves first, and the coupled run
// behind it, as the move validation and the route setting read them.
//
// A move leaves a point by one of its ends. From slot 0 the run goes up while
// each vehicle is coupled to the next; from the last occupied slot it goes
// down while the lower neighbour is coupled to it.
#pragma once

#include <cstdint>

#include "model/game.h"

// One end of the vehicles of a slot-grid row.
struct ConsistEnd {
    int32_t row = 0;   ///< slot-grid row
    int32_t slot = 0;  ///< slot of the end vehicle
    int32_t step = 1;  ///< +1: the run goes up from slot 0; -1: down from the top
};

// The slot, or a fresh empty stand-in outside the grid (never kept). Inline:
// the step reads every slot of the station this way.
VehicleSlot& EmptySlotStandIn();
inline VehicleSlot& SlotOrEmpty(Game& game, int32_t row, int32_t slot)
{
    if (VehicleSlot* s = game.SlotAt(row, slot)) return *s;
    return EmptySlotStandIn();
}

int32_t LastOccupiedSlot(Game& game, int32_t row);  // -1 when the row is empty
ConsistEnd LowEnd(int32_t row);                     // slot 0
ConsistEnd HighEnd(Game& game, int32_t row);        // the last occupied slot, 0 when empty

// The row a move from the point starts in: for a siding the sub-track its
// slot 0 names (when that is one of its own), else the point's own row.
int32_t SourceRow(Game& game, int32_t point);
bool IsSidingSubTrack(Game& game, int32_t point, int32_t row);

// The end a move from fromTile leaves by: slot 0 when fromTile is the point's
// first tile, else the high end. On the point's own row.
ConsistEnd MovingEnd(Game& game, int32_t point, TileCode fromTile);

// Whether the vehicle at `slot` is coupled towards the rest of the run.
bool CoupledInward(Game& game, const ConsistEnd& end, int32_t slot);
// The next vehicle of the run after `slot`, -1 where the run ends.
int32_t NextInRun(Game& game, const ConsistEnd& end, int32_t slot);
// From the end, past the locomotives that are coupled towards the rest: the
// first vehicle that is not one (the last locomotive of a light run).
int32_t SkipCoupledLocomotives(Game& game, const ConsistEnd& end);

bool IsLocomotiveKind(int32_t kind);  // 3 to 5 and above
bool IsTrainVehicle(VehicleSlot& slot);  // occupied, kind below 3
