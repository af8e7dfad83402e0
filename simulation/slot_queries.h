// Slot and siding queries that the dispatching services share: the run of
// occupied slots, the sub-track rows of a siding and the vehicles of a train.
// Whether a vehicle's consist moves is Game::IsSlotConsistMoving.
#pragma once

#include <cstdint>

#include "model/game.h"

// Number of slots from 0 up to the first empty one.
int32_t OccupiedRun(Game& game, int32_t row);

// The slot-grid rows of a siding's sub-tracks, cut at the last row of the
// grid; empty (first > last) for a point that is not a siding or whose rows
// would start among the points.
struct SubTrackRows {
    int32_t first = 0;  ///< row of sub-track 1
    int32_t last = -1;  ///< row of the last sub-track
};
SubTrackRows SidingRows(Game& game, int32_t point);

// A vehicle of a timetable train on the slot: kind below 3 and the slot names
// that train (not negative).
bool IsTrainVehicleOf(Game& game, int32_t row, int32_t slot, int32_t train);
