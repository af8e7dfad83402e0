// The simulation step and the depot exit.
#include "simulation/simulation_step.h"

#include "model/game.h"
#include "simulation/consist.h"

int32_t Game::SimulationStep()
{
    try {
        clock.Tick();
    } catch (int signal) {
        if (signal != GameClock::kMidnightSignal) throw;
        // Still within this step: the movement and the update below see the new day.
        timetable.RollOverMidnight();
    }
    const int32_t moved = MoveTrains() != 0 ? kStepTrainCameIn : 0;
    const int32_t changed = timetable.Update(clock.HHMM()) != 0 ? kStepTimetableChanged : 0;
    UpdateDepotExit();
    return moved | changed;
}

void Game::UpdateDepotExit()
{
    int32_t point = 0;
    while (point < pointCount && PointKind(point) != kPointDepot) ++point;
    VehicleSlot* exit = point < pointCount ? SlotAt(point, 0) : nullptr;
    // The slot grid may have been made anew since the last step.
    depot.SetOutputSlot(exit);
    const bool taken = exit && !exit->IsEmpty();
    if (taken) SetTileState(*this, PointTile(point), kTileOccupied);
    depot.SetExitFree(taken ? 0 : 1);
    depot.Tick();
}
