// The simulation step: one game step of the clock, the movement, the
// timetable update and the depot exit (Game::SimulationStep), and the depot
// exit itself (Game::UpdateDepotExit).
#pragma once

#include <cstdint>

// Flags of a step's result, combined with bitwise or: the result is 0, 1, 10
// or 11, and the caller reads the units digit and the tens digit.
enum StepFlag : int32_t {
    kStepTrainCameIn = 1,         ///< a consist came in from a line (new-train sound)
    kStepTimetableChanged = 10,   ///< an expected time changed (delay sound)
};
