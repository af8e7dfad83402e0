// Game: the slot fields of the dispatching services (serial, serviced flag,
// link and type).
#include "model/game.h"

int32_t Game::SlotVehicleSerial(int32_t row, int32_t slot)
{
    VehicleSlot* s = SlotAt(row, slot);
    return s ? s->EnsureSerial() : 0;  // a loaded game's vehicles get theirs when first asked
}

int32_t Game::SlotServiced(int32_t row, int32_t slot)
{
    VehicleSlot* s = SlotAt(row, slot);
    return s ? s->Serviced() : 0;
}

void Game::MarkSlotServiced(int32_t row, int32_t slot)
{
    if (VehicleSlot* s = SlotAt(row, slot)) s->Serviced(1);
}

void Game::SetSlotLink(int32_t row, int32_t slot, int32_t value)
{
    if (VehicleSlot* s = SlotAt(row, slot)) s->Link(value);
}

int32_t Game::SlotVehicleTypeCopy(int32_t row, int32_t slot)
{
    VehicleSlot* s = SlotAt(row, slot);
    return s ? s->Type() : 0;
}
