// The autosave: when it is due, and what the status bar says of it. The
// interval is [Opcje] Autozapis_minut and runs from the last reset.
#pragma once

#include <cstdint>
#include <string>

constexpr char kAutosaveFileName[] = "autozapis.sav";  ///< in the program's own folder

extern uint64_t gAutosaveBase;  // ms count (TickNow) the interval runs from; 0 until set

void ResetAutosaveBase();  // the interval runs from now: at every game start and load

// Once per simulation timer message: true when a game runs, the interval is
// set and has passed; the interval then runs afresh. The first call after
// program start only sets the base.
bool AutosaveDue();

// The status text after an autosave: written, with the game clock's HHMM,
// or failed.
std::string AutosaveStatusText(bool saved, int hhmm);
