// Game: queries on the vehicle slots, and turning a locomotive on the turntable.
#include "model/game.h"

int32_t Game::SlotTrain(int32_t row, int32_t slot)
{
    VehicleSlot* s = SlotAt(row, slot);
    return s ? s->Train() : -1;
}

int32_t Game::SlotKind(int32_t row, int32_t slot)
{
    VehicleSlot* s = SlotAt(row, slot);
    return s ? s->Kind() : kKindCar;
}

int32_t Game::SlotTurned(int32_t row, int32_t slot)
{
    VehicleSlot* s = SlotAt(row, slot);
    return s ? s->Turned() : 0;
}

int32_t Game::SlotOperational(int32_t row, int32_t slot)
{
    VehicleSlot* s = SlotAt(row, slot);
    return s ? s->Operational() : 1;
}

int32_t Game::SlotCoupled(int32_t row, int32_t slot)
{
    VehicleSlot* s = SlotAt(row, slot);
    return s ? s->Coupled() : 0;
}

int32_t Game::SlotCountdown(int32_t row, int32_t slot, int32_t v)
{
    VehicleSlot* s = SlotAt(row, slot);
    return s ? s->Countdown(v) : 0;
}

MallocPtr Game::SlotUnitName(int32_t row, int32_t slot)
{
    VehicleSlot* s = SlotAt(row, slot);
    if (!allowShedTransfers || !s) return MallocPtr();
    return timetable.UnitNameText(s->Number());
}

bool Game::PointHasNonElectricTraction(::TileCode tile)
{
    const int32_t p = FindPointByTile(tile);
    if (p < 0) return false;
    for (int32_t i = 0; i < kSlotsPerPoint; ++i) {
        VehicleSlot* s = SlotAt(p, i);
        if (s && s->Kind() >= kKindElectricUnit && !s->IsElectric()) return true;
    }
    return false;
}

int32_t Game::TurnLocomotive(int32_t row, int32_t slot)
{
    VehicleSlot* s = SlotAt(row, slot);
    if (!s || s->IsEmpty()) return kTurnNoVehicle;
    // The turntable stands by the depot: only its locomotive track and the depot reach it.
    const int32_t kind = row < pointCount ? PointKind(row) : 0;
    if (kind != kPointLocoTrack && kind != kPointDepot) return kTurnNotAtTurntable;
    if (s->Kind() < kKindElectricLoco) return kTurnNotLocomotive;
    if (s->Motion() != kMotionStanding || s->HasPath()) return kTurnMoving;
    if (s->Coupled() || (slot > 0 && SlotAt(row, slot - 1)->Coupled())) return kTurnCoupled;
    s->Turned(!s->Turned());
    return kTurnDone;
}

const char* TurnLocomotiveMessage(int32_t result)
{
    switch (result) {
    case kTurnDone: return "Lokomotywa obrocona na obrotnicy";
    case kTurnNotAtTurntable:
        return "Obrotnica jest przy lokomotywowni - podstaw lokomotywę na punkt dla lokomotyw";
    case kTurnNotLocomotive: return "Obrocic można tylko lokomotywę - wagony jada w składzie";
    case kTurnMoving: return "Lokomotywa jest w ruchu - obrocic można dopiero stojaca";
    case kTurnCoupled: return "Lokomotywa jest połączona ze składem - najpierw ja odczep";
    default: return "";
    }
}
