// Consists, slots and tiles: the small helpers that the movement, the line
// sections, the admission and the placing of trains share.
//
// A consist is a run of adjacent occupied slots joined by their coupled-to-next
// flags. Train vehicles (cars and multiple units) carry their train's
// timetable row; locomotives carry train 0, which names no row: a train row is
// only ever read from a train vehicle.
#pragma once

#include <cstdint>

#include "model/game.h"
#include "simulation/consist_ends.h"

// Train state (timetable row field [15]) as the simulation uses it.
enum TrainStage : int32_t {
    kTrainLeaving = -1,   ///< on its way to an exit, or done
    kTrainNotHere = 0,    ///< not at the station yet, or gone
    kTrainStanding = 1,   ///< stands in the station
    kTrainHeldBack = 2,   ///< held back before its entry
    kTrainDueOut = 3,     ///< its departure time has come
    kTrainAdmitted = 4,   ///< on the line, or counting down at its entry
};

// Tiles. A tile outside the grid reads as free and is never written.
int32_t TileStateAt(const Game& game, TileCode tile);
void SetTileState(Game& game, TileCode tile, int32_t state);
void SetPointTiles(Game& game, int32_t point, int32_t state);  // its tiles that are not 0

// Fields of a point; 0 outside the point table.
int32_t PointParam(const Game& game, int32_t point);
int32_t PointSixth(const Game& game, int32_t point);
bool IsOddSide(const Game& game, int32_t point);  // its sixth value is odd
bool IsPlatformKind(int32_t kind);                // kinds 4 and 9

// Clock steps that the minutes take (0 or more), and whole minutes of steps.
int32_t StepsForMinutes(Game& game, int64_t minutes);
int32_t MinutesForSteps(Game& game, int32_t steps);
// t + 2400, saturated: a time moved to the next day.
int32_t NextDay(int32_t t);

// Vehicles.
bool IsPowered(VehicleSlot& slot);       // occupied, kind 1 or more
bool IsLocomotive(VehicleSlot& slot);    // kind 3 or more
// The timetable row of a train vehicle; -1 for anything else or a row outside the timetable.
int32_t TrainRowOf(Game& game, VehicleSlot& slot);
bool IsTimetableRow(const Game& game, int32_t row);

// Rows of the slot grid (points, then sub-track rows). SlotOrEmpty,
// LastOccupiedSlot and IsTrainVehicle (simulation/consist_ends.h) and
// OccupiedRun (simulation/slot_queries.h) serve here too.
int32_t SlotRowCount(const Game& game);
bool RowHasVehicle(Game& game, int32_t row);
bool SlotsFree(Game& game, int32_t row, int32_t first, int32_t count);  // false past slot 9
// The first powered slot from `from` going by `dir` (+1 or -1); -1 when none.
int32_t FindPoweredSlot(Game& game, int32_t row, int32_t from, int32_t dir);

// The slots lo..hi of one consist.
struct SlotRun {
    int32_t lo = 0;  ///< lowest slot
    int32_t hi = 0;  ///< highest slot
    int32_t Length() const { return hi - lo + 1; }
};
SlotRun ConsistAround(Game& game, int32_t row, int32_t slot);
SlotRun LeadingRun(Game& game, int32_t row);   // from slot 0 to its first uncoupled vehicle
SlotRun TrailingRun(Game& game, int32_t row);  // the run that ends at the last occupied slot
// The train of the head in slot: its own row when it is a train vehicle; a
// locomotive carries none, so the train it heads, the first train vehicle of
// its consist. -1 when there is none.
int32_t HeadTrainRow(Game& game, int32_t row, int32_t slot);

// Empties a slot; its link stays with the place.
void Vacate(VehicleSlot& slot);
// Moves run into row `to` from slot `at` on, in order; the caller has checked the room.
void MoveRun(Game& game, int32_t from, SlotRun run, int32_t to, int32_t at);
// Moves slots 0..count-1 of a row up by `by`, in order; the caller has checked
// that slots count..count+by-1 are free.
void ShiftUp(Game& game, int32_t row, int32_t count, int32_t by);
// Closes the row up: its vehicles move down to start at slot 0, in order.
void CloseUp(Game& game, int32_t row);
// A coupled-to-next flag that points into an empty slot, or past slot 9, is cleared.
void ClearLooseCouplings(Game& game, int32_t row);

// Rows visited once each: a consist may carry one row in more than one vehicle.
class RowSet {
public:
    bool Insert(int32_t row);  // false when it was there already
private:
    int32_t rows_[kSlotsPerPoint] = {};  ///< rows seen
    int32_t count_ = 0;                  ///< rows in rows_
};
