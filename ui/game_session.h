// The user interface's side of a game that has just been started or loaded:
// its flags, the dispatching services started afresh, the clock's step and
// the shift's first log line.
#pragma once

#include <string>

// "Dyżur rozpoczęty - <station file>, godzina HH:MM" (at most 199 characters).
std::string ShiftStartText(const char* stationFile, int hhmm);

// Everything the dispatching services keep of a game starts afresh: the
// rolling-stock kinds, the supplies, the pantographs, the tracking, the event
// log. None of
// it is in a saved game, so a loaded game starts without it as a new one
// does; a new game then reads its kinds file.
void ResetDispatchingServices();

// After TheGame() holds a newly started or loaded game: the game runs
// unpaused with nothing selected, the services start afresh, each simulation
// step becomes one game second (SyncStepFromGame), the boards' entry tiles
// are collected, the shift's start is logged, the autosave interval and the disruptions start.
void BeginGameSession();
