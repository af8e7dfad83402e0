// Pantographs of electric locomotives, by vehicle serial.
#include "simulation/pantographs.h"

#include <unordered_map>

#include "simulation/notify.h"
#include "simulation/slot_queries.h"

namespace {
std::unordered_map<int32_t, bool> gFrontRaised;  // by vehicle serial: true while the front one is raised
}  // namespace

bool IsElectricLoco(Game& game, int32_t point, int32_t slot)
{
    return NotifyGameRunning() && game.SlotKind(point, slot) == kKindElectricLoco;  // an empty slot has kind 0
}

bool IsRearPantographRaised(Game& game, int32_t point, int32_t slot)
{
    if (!IsElectricLoco(game, point, slot)) return true;
    const auto found = gFrontRaised.find(game.SlotVehicleSerial(point, slot));
    return found == gFrontRaised.end() || !found->second;
}

int32_t TogglePantograph(Game& game, int32_t point, int32_t slot)
{
    if (!IsElectricLoco(game, point, slot)) return kPantographNotElectric;
    if (game.IsSlotConsistMoving(point, slot)) return kPantographMoving;
    const bool front = IsRearPantographRaised(game, point, slot);
    gFrontRaised[game.SlotVehicleSerial(point, slot)] = front;
    return front ? kPantographFront : kPantographRear;
}

const char* PantographResultText(int32_t result)
{
    switch (result) {
    case kPantographRear: return "Podniesiony tylny pantograf";
    case kPantographFront: return "Podniesiony przedni pantograf";
    case kPantographMoving: return "Lokomotywa jest w ruchu - pantograf przekłada się na postoju";
    default: return "";
    }
}

void ResetPantographs() { gFrontRaised.clear(); }
