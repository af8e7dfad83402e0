// Consist composition: the order of the vehicles, the number of locomotives
// and, with shed transfers, the locomotives' units.
#include "simulation/consist_composition.h"

#include "model/game.h"
#include "simulation/consist_ends.h"

namespace {

// The run at the moving end, front first, and what it holds.
struct Run {
    VehicleSlot* vehicles[kSlotsPerPoint] = {};  ///< the run's vehicles, front first
    int32_t length = 0;                          ///< vehicles in the run
    int32_t locomotives = 0;                     ///< kinds 3 to 5
    int32_t units = 0;                           ///< multiple units, kinds 1 and 2
    int32_t cars = 0;                            ///< kind 0
    int32_t firstTrainRow = -1;                  ///< timetable row of the first car or unit
    bool hasTrainVehicle = false;                ///< a car or unit was met

    // The k-th vehicle from the front; past the run an empty slot stands in.
    VehicleSlot& Vehicle(int32_t k)
    {
        static VehicleSlot none;
        none = VehicleSlot();
        return k < length ? *vehicles[k] : none;
    }
};

// Reads the run and returns the first order refusal met (1, 3, 4, 5 or 6), else 0.
int32_t ScanRun(Game& game, const ConsistEnd& end, Run& run)
{
    for (int32_t slot = end.slot; slot >= 0; slot = NextInRun(game, end, slot)) {
        VehicleSlot* v = game.SlotAt(end.row, slot);
        if (!v || v->IsEmpty()) break;
        run.vehicles[run.length++] = v;
        const int32_t kind = v->Kind();
        if (kind > kKindSteamLoco) continue;
        if (kind >= kKindElectricLoco) {
            if (run.cars > 0 || run.units > 0) return kLocomotiveNotInFront;
            ++run.locomotives;
            continue;
        }
        if (kind == kKindCar) {
            if (run.locomotives == 0 && run.units == 0) return kNoLocomotiveInFront;
            ++run.cars;
        } else {
            if (run.cars > 0) return kUnitNotInFront;
            ++run.units;
        }
        if (!run.hasTrainVehicle) run.firstTrainRow = v->Train();
        run.hasTrainVehicle = true;
        // The departure link's digit is the vehicle's place among the train's vehicles.
        const int32_t digit = game.timetable.LinkDigit(v->Train(), kDepartureSide);
        const int32_t place = run.cars + run.units;
        if (digit != 0 && digit != place) return kWrongCarOrder;
        if (digit == 0 && place != 1) return kWrongComposition;
    }
    return 0;
}

// Two planned locomotives: the pair must be the two units, in order.
// unitNames and types are the positive two-unit forms a * 1000 + b.
int32_t CheckLocomotivePair(VehicleSlot& first, VehicleSlot& second, int32_t unitNames, int32_t types)
{
    const int32_t n1 = first.Number();
    if (n1 != 0 && n1 != unitNames / 1000) return kWrongShed;
    if (n1 != 0 && first.Type() != types / 1000) return kWrongLocomotiveType;
    const int32_t n2 = second.Number();
    if (n2 != 0 && n2 != unitNames % 1000) return kWrongShed;
    return second.Type() == types % 1000 || n2 == 0 ? kCompositionRight : kWrongLocomotiveType;
}

// One planned locomotive: a named one must be the unit, of its type.
int32_t CheckSingleLocomotive(Run& run, int32_t unitName, int32_t type)
{
    VehicleSlot& front = run.Vehicle(0);
    if (run.locomotives == 1) {
        if (front.Number() != 0 && front.Number() != unitName) return kWrongShed;
        return front.Type() == type || front.Number() == 0 ? kCompositionRight : kWrongLocomotiveType;
    }
    if (run.locomotives == 2) {
        // The train's own locomotive hauls a damaged one behind it.
        if (front.Number() != 0) return kWrongShed;
        const int32_t second = run.Vehicle(1).Number();
        return second == unitName || second == 0 ? kCompositionRight : kWrongShed;
    }
    return kCompositionRight;
}

}  // namespace

int32_t Game::CheckConsistComposition(int32_t sourcePoint, ::TileCode fromTile)
{
    const int32_t sourceKind = PointKind(sourcePoint);
    if (sourceKind == kPointEntry || sourceKind == kPointLine) return kCompositionFromLine;
    Run run;
    if (const int32_t refusal = ScanRun(*this, MovingEnd(*this, sourcePoint, fromTile), run)) return refusal;
    if (!run.hasTrainVehicle) return run.locomotives > 0 ? kLocomotiveAlone : kCompositionRight;

    const int32_t planned = timetable.BaseLocoType(run.firstTrainRow, kRawRow, kDepartureSide);
    if (run.units > 0) {
        // A locomotive may only haul a damaged unit.
        if (run.locomotives > 1) return kTooManyLocomotives;
        if (run.locomotives == 1 && run.Vehicle(1).Operational()) return kTooManyLocomotives;
        if (allowShedTransfers && run.locomotives > 0 && run.Vehicle(0).Number() != 0) return kWrongShed;
        return kCompositionRight;
    }
    const bool twoPlanned = planned < 0;
    // A train may carry a damaged locomotive behind its own.
    const bool secondDamaged = !run.Vehicle(1).Operational();
    if (!twoPlanned && run.locomotives >= 2 && (run.locomotives > 2 || !secondDamaged)) return kTooManyLocomotives;
    if (twoPlanned) {
        if (run.locomotives >= 3 && (run.locomotives > 3 || !secondDamaged)) return kTooManyLocomotives;
        if (run.locomotives < 2) return kTooFewLocomotives;
        if (run.locomotives == 2 && (!run.Vehicle(0).Operational() || secondDamaged)) return kTooFewLocomotives;
    }
    if (!allowShedTransfers) return kCompositionRight;

    const int32_t unitNames = timetable.UnitNameRef(run.firstTrainRow, kRawRow, kDepartureSide);
    if (!twoPlanned) return CheckSingleLocomotive(run, unitNames, planned);
    if (run.locomotives == 2) return CheckLocomotivePair(run.Vehicle(0), run.Vehicle(1), -unitNames, -planned);
    if (run.Vehicle(0).Number() != 0) return kWrongShed;
    return CheckLocomotivePair(run.Vehicle(1), run.Vehicle(2), -unitNames, -planned);
}

const char* CompositionRefusal(int32_t result)
{
    switch (result) {
    case kNoLocomotiveInFront: return "Brak lokomotywy na początku składu";
    case kLocomotiveAlone: return "Sama lokomotywa nie może opuścić stacji";
    case kUnitNotInFront: return "Jednostka musi się znajdować na początku składu";
    case kLocomotiveNotInFront: return "Lokomotywa musi się znajdować na początku składu";
    case kWrongCarOrder: return "Nieprawidłowa kolejność wagonów w składzie";
    case kWrongComposition: return "Nieprawidłowe zestawienie składu";
    case kTooManyLocomotives: return "Za dużo lokomotyw podłaczono do składu";
    case kTooFewLocomotives: return "Za mało lokomotyw podłaczono do składu";
    case kWrongShed: return "Lokomotywa pochodzi z niewłaściwej lokomotywowni";
    case kWrongLocomotiveType: return "Lokomotywa pochodzi z właściwej lokomotywowni, ale ma niewłaściwy typ";
    default: return nullptr;
    }
}
