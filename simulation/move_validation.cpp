// Move validation: the operating rules in their order, and the predicates
// over the slots of the source point that they use.
#include "simulation/move_validation.h"

#include "model/game.h"
#include "model/time_arithmetic.h"
#include "simulation/consist_composition.h"
#include "simulation/consist_ends.h"
#include "simulation/slot_queries.h"

const char kMoveSamePoint[] = "Wskazano dwa razy ten sam punkt";
const char kMoveNoRoom[] = "Brak wolnego miejsca w punkcie docelowym";
const char kMoveStillMoving[] = "Ten pociąg jeszcze jedzie";
const char kMoveDepotSingleLoco[] = "Tylko pojedyńcza lokomotywa może pojechać do lokomotywowni";
const char kMoveLocoTrackSingleLoco[] = "Tylko pojedyńcza lokomotywa może wjechać na ten punkt";
const char kMoveWrongExit[] = "Zły punkt wyjazdowy dla tego pociągu";
const char kMoveTooEarly[] = "Za wcześnie na zaznaczenie wyjazdu";
const char kMoveMustStop[] = "Pociag musi sie zatrzymac przy peronie";
const char kMoveDamagedLocomotive[] = "Uszkodzona lokomotywa nie może ciągnąć składu.";
const char kMoveDamagedUnit[] = "Uszkodzona jednostka nie może się samodzielnie poruszać.";
const char kMoveStandFiveMinutes[] = "Ten pociąg musi postać 5 min. przy peronie.";
const char kMoveCouplingUnderWay[] = "Trwa łączenie/rozłączanie";
const char kMovePassengerToFreight[] = "Pociąg pasażerski nie może wjechać na tory towarowe";

namespace {

constexpr int32_t kExitMarkingMinutes = 30;  ///< a departure may be routed this early
constexpr int32_t kRowStateNoPlatformStop = 5;  ///< row state of a train that need not stop

bool IsLineKind(int32_t kind) { return kind == kPointEntry || kind == kPointLine; }
bool IsPlatformKind(int32_t kind) { return kind == kPointPlatform || kind == kPointFreightPlatform; }

// A damaged vehicle at the moving end of a platform's consist cannot pull it,
// nor move on its own when it is a car or a unit.
const char* DamagedEndRefusal(Game& game, int32_t point, TileCode fromTile)
{
    const ConsistEnd end = MovingEnd(game, point, fromTile);
    VehicleSlot& v = SlotOrEmpty(game, end.row, end.slot);
    if (v.Operational()) return nullptr;
    if (CoupledInward(game, end, end.slot)) return kMoveDamagedLocomotive;
    if (v.Kind() < kKindElectricLoco) return kMoveDamagedUnit;
    return nullptr;
}

}  // namespace

const char* Game::ValidateMove(::TileCode fromTile, ::TileCode toTile, int32_t subTrackRow)
{
    if (fromTile == toTile) return kMoveSamePoint;
    const int32_t source = FindPointByTile(fromTile);
    const int32_t target = FindPointByTile(toTile);
    // Nothing stands at a tile of no point, and nothing fits there.
    if (source < 0 || target < 0) return kMoveNoRoom;
    const int32_t fromColumn = TileColumn(fromTile);
    const int32_t toColumn = TileColumn(toTile);

    int32_t destination = target;
    if (subTrackRow != -1) {
        if (!IsSidingSubTrack(*this, target, subTrackRow)) return kMoveNoRoom;
        // The sign tells the transfer whether the consist goes in front of the sub-track's vehicles.
        SlotOrEmpty(*this, target, 0).Link(toColumn >= fromColumn ? -subTrackRow : subTrackRow);
        destination = subTrackRow;
    }
    if (!HasRoomForConsist(destination, source, fromColumn, toColumn)) return kMoveNoRoom;
    if (IsConsistStillMoving(source, fromTile)) return kMoveStillMoving;

    const int32_t toKind = PointKind(target);
    if (toKind == kPointDepot && !IsSingleLocomotive(source, fromColumn, toColumn, fromTile))
        return kMoveDepotSingleLoco;
    if (toKind == kPointLocoTrack && !IsSingleLocomotive(source, fromColumn, toColumn, fromTile))
        return kMoveLocoTrackSingleLoco;
    if (toKind == kPointExit || toKind == kPointLine) {
        if (const char* refusal = CompositionRefusal(CheckConsistComposition(source, fromTile))) return refusal;
        if (!IsCorrectExitPoint(source, fromTile, toTile)) return kMoveWrongExit;
        if (!IsDepartureTimeReached(source, fromTile)) return kMoveTooEarly;
        if (MustStopAtPlatform(source)) return kMoveMustStop;
    }
    const int32_t fromKind = PointKind(source);
    if (IsPlatformKind(fromKind)) {
        if (const char* refusal = DamagedEndRefusal(*this, source, fromTile)) return refusal;
        if (!HasStoodLongEnough(source, fromTile)) return kMoveStandFiveMinutes;
    }
    if (IsCouplingInProgress(source, fromColumn, toColumn)) return kMoveCouplingUnderWay;
    if (!IsLineKind(fromKind)) return nullptr;
    if (toKind == kPointFreightPlatform && !IsFreightTrain(source)) return kMovePassengerToFreight;
    return nullptr;
}

bool Game::IsSlotConsistMoving(int32_t row, int32_t slot)
{
    VehicleSlot* v = SlotAt(row, slot);
    if (!v) return false;
    if (v->Motion() != kMotionStanding) return true;
    if (v->Kind() > kKindCar) return false;  // a standing powered vehicle
    // A car moves with its consist: up while coupled, then down while coupled to it.
    for (int32_t s = slot; s < kSlotsPerPoint; ++s) {
        if (SlotAt(row, s)->Motion() != kMotionStanding) return true;
        if (!SlotAt(row, s)->Coupled()) break;
    }
    for (int32_t s = slot - 1; s >= 0 && SlotAt(row, s)->Coupled(); --s)
        if (SlotAt(row, s)->Motion() != kMotionStanding) return true;
    return false;
}

bool Game::IsSlotLocoOrSpecial(int32_t row, int32_t slot)
{
    VehicleSlot* v = SlotAt(row, slot);
    if (!v || v->IsEmpty()) return false;
    if (v->Kind() > kKindDieselUnit) return true;
    const int32_t train = v->Train();
    if (timetable.CategoryClass(timetable.Category(train, kRawRow)) == kClassSpecial) return true;
    // Five minutes after its arrival a train takes its departing role.
    return !IsArrivingRole(timetable.RowState(train, kRawRow));
}

bool Game::IsConsistStillMoving(int32_t point, ::TileCode fromTile)
{
    return IsSlotConsistMoving(point, MovingEnd(*this, point, fromTile).slot);
}

bool Game::IsSingleLocomotive(int32_t point, int32_t fromColumn, int32_t toColumn, ::TileCode fromTile)
{
    ConsistEnd end = MovingEnd(*this, point, fromTile);
    if (PointKind(point) == kPointSiding) {
        const int32_t row = SourceRow(*this, point);
        end = fromColumn < toColumn ? HighEnd(*this, row) : LowEnd(row);
    }
    VehicleSlot& v = SlotOrEmpty(*this, end.row, end.slot);
    return !v.IsEmpty() && IsLocomotiveKind(v.Kind()) && !CoupledInward(*this, end, end.slot);
}

bool Game::IsCorrectExitPoint(int32_t point, ::TileCode fromTile, ::TileCode toTile)
{
    const ConsistEnd end = MovingEnd(*this, point, fromTile);
    VehicleSlot& v = SlotOrEmpty(*this, end.row, SkipCoupledLocomotives(*this, end));
    if (v.IsEmpty() || IsLocomotiveKind(v.Kind())) return true;
    return timetable.ExitTile(v.Train(), kRawRow) == toTile;
}

bool Game::IsDepartureTimeReached(int32_t point, ::TileCode fromTile)
{
    const ConsistEnd end = MovingEnd(*this, point, fromTile);
    for (int32_t slot = end.slot; slot >= 0; slot = NextInRun(*this, end, slot)) {
        VehicleSlot& v = SlotOrEmpty(*this, end.row, slot);
        if (!IsTrainVehicle(v)) continue;
        const int32_t departure = timetable.ScheduledTime(v.Train(), kRawRow, kDepartureSide);
        return departure <= AddMinutesClamped(Now(), kExitMarkingMinutes);
    }
    return true;
}

bool Game::MustStopAtPlatform(int32_t point)
{
    if (!IsLineKind(PointKind(point))) return false;
    // The end away from the head: the side digit says where the head stands.
    const bool oddSide = *points.At(static_cast<uint32_t>(point), kPointFieldSixth) % 2 != 0;
    VehicleSlot& v = SlotOrEmpty(*this, point, oddSide ? 0 : LastOccupiedSlot(*this, point));
    if (v.IsEmpty()) return false;
    return timetable.RowState(v.Train(), kRawRow) != kRowStateNoPlatformStop;
}

bool Game::HasStoodLongEnough(int32_t point, ::TileCode fromTile)
{
    const ConsistEnd end = MovingEnd(*this, point, fromTile);
    const int32_t slot = SkipCoupledLocomotives(*this, end);
    VehicleSlot& v = SlotOrEmpty(*this, end.row, slot);
    if (v.IsEmpty() || IsLocomotiveKind(v.Kind())) return true;
    return IsSlotLocoOrSpecial(end.row, slot);
}

bool Game::IsCouplingInProgress(int32_t point, int32_t fromColumn, int32_t toColumn)
{
    const int32_t row = SourceRow(*this, point);
    const ConsistEnd end = fromColumn <= toColumn ? HighEnd(*this, row) : LowEnd(row);
    for (int32_t slot = end.slot; slot >= 0 && slot < kSlotsPerPoint; slot += end.step) {
        if (SlotOrEmpty(*this, row, slot).Countdown() != 0) return true;
        if (!CoupledInward(*this, end, slot)) return false;
    }
    return false;
}

bool Game::IsFreightTrain(int32_t point)
{
    for (int32_t slot = 0; slot < kSlotsPerPoint; ++slot) {
        VehicleSlot& v = SlotOrEmpty(*this, point, slot);
        if (v.IsEmpty()) return false;
        if (v.Kind() < kKindElectricLoco)
            return timetable.CategoryClass(timetable.Category(v.Train(), kRawRow)) == kClassFreight;
    }
    return false;
}
