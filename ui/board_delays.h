// The delays the boards, the train pane and the track list show: how far a
// train's expected time lies behind the clock, the delay seen at an entry or
// at a departure, and the entry tiles where arriving trains wait.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/game.h"

// Minutes by which an "H:MM" time lies behind the game clock, 0..240: 0 for
// a missing text or one that is not two numbers, and 0 when it lies more than
// 240 minutes back (a time of another day).
int32_t MinutesBehindClock(const Game& game, const char* text);
// The same for an HHMM time (its absolute value, as yesterday's times are
// stored negated).
int32_t MinutesBehindClockAt(const Game& game, int32_t hhmm);

// The same for a row's expected time (its scheduled time while none is
// drawn); 0 for a row without that time.
int32_t MinutesBehindExpected(Game& game, int32_t index, int32_t mode, int32_t side);

// Minutes a countdown of `ticks` simulation steps takes, rounded up; 0 for a
// negative countdown.
int32_t TicksToMinutesCeil(Game& game, int32_t ticks);

// Train states 0, 2 and 4: not at the station yet, held before its entry, or
// admitted: the train is still to arrive.
bool IsArrivalOrDepartureKind(int32_t state);

// The tiles of the entry points (kinds 1 and 3), row by row, one per tile.
// Rebuilt by CollectEntryTiles at every game start and load; empty before.
extern std::vector<TileCode> gEntryTiles;
void CollectEntryTiles(const Game& game);

// Whether a train whose arrival number text is `number` stands at an entry:
// slot 0 of an entry point holds a vehicle of it. False for an empty text.
bool IsTrainAtEntry(Game& game, const std::string& number);

// The delay in minutes of a timetable row (train) as the dispatcher sees it
// now, at its arrival or its departure; 0 for a negative row.
int32_t EntryDelayMinutes(Game& game, int32_t train, bool arrival);

