// Steam-locomotive supplies: the player's commands that extinguish and fire
// up a locomotive, and the departure block for want of supplies.
#include <string>

#include "model/settings.h"
#include "simulation/notify.h"
#include "simulation/slot_queries.h"
#include "simulation/supplies.h"
#include "simulation/track_names.h"

namespace {

bool CommandsAllowed(int32_t point) { return NotifyGameRunning() && gSettings.zapasyWlaczone && point >= 0; }

// The first steam locomotive of the point's run whose fire is in one of the
// two states, standing when it must.
int32_t FindSteamSlot(Game& game, int32_t point, int32_t stateA, int32_t stateB, bool mustStand)
{
    if (!CommandsAllowed(point)) return -1;
    const int32_t run = OccupiedRun(game, point);
    for (int32_t slot = 0; slot < run; ++slot) {
        if (!IsSteamLoco(game, point, slot) || (mustStand && game.IsSlotConsistMoving(point, slot))) continue;
        const int32_t state = GetSupplies(game, point, slot)->fireState;
        if (state == stateA || state == stateB) return slot;
    }
    return -1;
}

// " - potrwa 40 min" below an hour, else whole hours rounded to the nearest.
std::string DurationText(int32_t seconds)
{
    if (seconds < 3600) return " - potrwa " + std::to_string((seconds + 59) / 60) + " min";
    return " - potrwa " + std::to_string((seconds + 1799) / 3600) + " h";
}

bool StartFireChange(Game& game, int32_t point, int32_t slot, int32_t state, const char* what)
{
    if (slot < 0) return false;
    SteamSupplies& r = *GetSupplies(game, point, slot);
    r.fireState = state;
    r.heatRemainder = 0;  // heat stays: a change may be reversed half-way
    const std::string text = what + std::string(game.VehicleTypeName(point, slot)) + PointAtText(game, point) +
                             DurationText(SteamFireSecondsLeft(game, point, slot));
    NotifyStatusText(text.c_str());
    NotifyRepaint();
    return true;
}

}  // namespace

int32_t FindSlotToExtinguish(Game& game, int32_t point)
{
    return FindSteamSlot(game, point, kFireReady, kFireFiringUp, true);
}

int32_t FindSlotToFireUp(Game& game, int32_t point)
{
    return FindSteamSlot(game, point, kFireExtinguished, kFireExtinguishing, false);
}

bool ExtinguishSteamLoco(Game& game, int32_t point)
{
    return StartFireChange(game, point, FindSlotToExtinguish(game, point), kFireExtinguishing,
                           "Wygaszanie parowozu ");
}

bool FireUpSteamLoco(Game& game, int32_t point)
{
    return StartFireChange(game, point, FindSlotToFireUp(game, point), kFireFiringUp, "Rozpalanie parowozu ");
}

bool GetDepartureBlockReason(Game& game, int32_t point, std::string* out)
{
    if (!NotifyGameRunning() || point < 0) return false;
    bool noWater = false, noCoal = false, noFuel = false, cold = false;
    const int32_t run = OccupiedRun(game, point);
    for (int32_t slot = 0; slot < run; ++slot) {
        if (game.SlotKind(point, slot) < kKindElectricUnit) continue;
        const bool water = IsWaterEmpty(game, point, slot);
        const bool coal = IsCoalEmpty(game, point, slot);
        const bool fuel = IsFuelEmpty(game, point, slot);
        const bool notHot = SteamFireState(game, point, slot) != kFireReady;
        if (!water && !coal && !fuel && !notHot && game.SlotOperational(point, slot)) return false;
        noWater = noWater || water;
        noCoal = noCoal || coal;
        noFuel = noFuel || fuel;
        cold = cold || notHot;
    }
    if (!noWater && !noCoal && !noFuel && !cold) return false;
    if (out) {
        const char* advice = " albo sciągnij stąd inną maszyną";
        if (!noWater && !noCoal && !noFuel)
            *out = std::string("Parowóz jest wygaszony - rozpal go (Dyżur -> Rozpal parowóz)") + advice;
        else if (noWater)
            *out = std::string("Parowóz ma pusty tender - podstaw go pod żuraw wodny (litera N na schemacie)") + advice;
        else if (noCoal)
            *out = std::string("Parowóz nie ma węgla - podstaw go pod peron towarowy") + advice;
        else
            *out = std::string("Skład nie ma paliwa - podstaw go pod tor dla lokomotyw") + advice;
    }
    return true;
}
