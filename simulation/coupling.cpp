// Coupling and uncoupling: the checks on the pair and the countdown.
#include "simulation/coupling.h"

#include "model/game.h"
#include "simulation/consist_ends.h"

const char kCouplingNotHere[] = "W tym punkcie nie wolno łączyć/rozłączać składów.";
const char kCouplingTrainMoving[] = "Pociąg jest w ruchu.";
const char kCouplingUnderWay[] = "Trwa łączenie/rozłączanie.";
const char kCouplingNothingRight[] = "Na prawo nic nie stoi.";
const char kCouplingNothingLeft[] = "Po lewej stronie nic nie stoi";

const char* Game::CoupleOrUncouple(::TileCode tile, int32_t slot, int32_t row)
{
    const int32_t point = FindPointByTile(tile);
    const int32_t kind = PointKind(point);
    if (kind == kPointSiding) {
        // Only a sub-track of the clicked siding.
        if (!IsSidingSubTrack(*this, point, row)) return kCouplingNotHere;
    } else if (kind == kPointPlatform || kind == kPointFreightPlatform) {
        row = point;
    } else {
        return kCouplingNotHere;
    }
    if (!SlotAt(row, 0)) return kCouplingNotHere;  // tables that disagree with the point count
    // A joint joins slot and slot + 1: slot 9 has no right neighbour, so
    // nothing stands to its right; it is never joined to itself.
    if (slot < 0 || slot >= kSlotsPerPoint) return kCouplingNothingRight;
    const bool hasRight = slot + 1 < kSlotsPerPoint;
    VehicleSlot& left = *SlotAt(row, slot);
    if (IsSlotConsistMoving(row, slot) || (hasRight && IsSlotConsistMoving(row, slot + 1)))
        return kCouplingTrainMoving;
    if (left.Countdown() != 0 || (hasRight && SlotAt(row, slot + 1)->Countdown() != 0)) return kCouplingUnderWay;
    if (!hasRight || SlotAt(row, slot + 1)->IsEmpty()) return kCouplingNothingRight;
    VehicleSlot& right = *SlotAt(row, slot + 1);
    // A countdown on an empty slot would leave a coupling that points from nowhere.
    if (left.IsEmpty()) return kCouplingNothingLeft;

    const bool twoCars = left.Kind() == kKindCar && right.Kind() == kKindCar;
    const int32_t seconds = left.Coupled() || twoCars ? kUncoupleSeconds : kCouplePoweredSeconds;
    const int32_t steps = seconds / clock.Step(0);
    left.Countdown(steps);
    right.Countdown(steps);
    return "";
}
