// Simulation pacing: how many one-second simulation steps each timer message
// runs, when the simulation stands still, and the clock's step at game start.
#pragma once

#include <cstdint>

#include "model/tick_source.h"

// The pacing state (globals of the user interface).
struct ClockDriver {
    int nominalStepSeconds = 10;  ///< S: game seconds per movement step, from the station
    uintptr_t timerId = 0;        ///< id of timer 1 from SetTimer, 0 while stopped
    uint64_t tickBase = 0;        ///< ms count at the last reset or timer message, 0 before the first
    double stepAccumulator = 0;   ///< fraction of a step carried to the next message, never negative
};
extern ClockDriver gClockDriver;

constexpr int kMaxStepsPerMessage = 300;    // five game minutes
constexpr int kLongGapMs = 5000;            // a longer gap counts as one period

int ClockStepMillis();       // max(1, S) x 1000: the Interval of real time
int ClockStepMillisMin5s();  // the larger of ClockStepMillis() and 5000
double SpeedFactor();        // simulation steps per real second
int TimerPeriodMs();         // 1000 / SpeedFactor() clamped to 40..1000, rounded
void ResetClockTickBase();   // no catching up after this moment
int ClockTicksForTimer();    // steps for this timer message, 1..300

// Why the simulation stands still without the player's pause, or null: a
// route being laid, the consist preview open, the game window inactive.
constexpr int kPauseReasonCount = 3;
extern const char* const kPauseReasons[kPauseReasonCount];
const char* PauseReason();
bool IsAutoPaused();

// [Zegar] Interval is at least ClockStepMillis(): the clock runs at real time or slower.
bool ClockRealTimeOrSlower();

struct RefreshGate;

// What the delay refresh's poll is told of the game and its clock now.
RefreshGate DelayRefreshGate();

// At game start and load: each simulation step becomes one game second and the
// station's clock step S (10 when the station gives none) the move divisor.
void SyncStepFromGame();

// "Czas rzeczywisty od teraz": the traffic is set to the local time of day
// (HHMM) and the clock runs at real time. Returns the consists placed, 0
// without a game.
int SyncClockToLocalTime(int localHHMM);
