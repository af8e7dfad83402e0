// Trains setting off: from their entry into the station, from a platform under
// the timetable's departure test, and out through an exit or onto a line,
// where the vehicles leave the game and the locomotives are booked against
// the train's departure unit.
#pragma once

#include <cstdint>

#include "model/game.h"

// A head with a route at an entry point starts into the station; its train's
// arrival moves to the next day, so that it is not admitted again today.
void EnterStation(Game& game, int32_t point, int32_t slot);

// A head with a route on a platform starts when its train may leave: moves
// inside the station at once, a light run at once, a train once its scheduled
// departure has come (until then it waits, tested again every step).
void DepartFromPlatform(Game& game, int32_t point, int32_t slot);

// The consist on an exit or line point whose head counts down in `slot`: when
// the countdown is at 1 the vehicles leave the game, the train's rows turn
// round for the next day and its locomotives are booked. A departing train
// waits at a line point while block 1 still holds the train before it.
void LeaveThroughExit(Game& game, int32_t point, int32_t slot);
