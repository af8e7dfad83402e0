// Trains setting off from entries and platforms, and leaving through exits.
#include "simulation/departure.h"

#include <climits>

#include "simulation/consist.h"
#include "simulation/line_sections.h"
#include "simulation/transfer.h"

namespace {

bool IsEntryOrLine(int32_t kind) { return kind == kPointEntry || kind == kPointLine; }
bool IsExitOrLine(int32_t kind) { return kind == kPointExit || kind == kPointLine; }

int32_t Negated(int32_t t) { return t == INT32_MIN ? INT32_MAX : -t; }

int32_t KindAtTile(const Game& game, TileCode tile) { return game.PointKind(game.FindPointByTile(tile)); }

// Every train vehicle from `from` on, going by `dir`, is leaving (train state
// -1) and its expected departure becomes this minute. The walk ends with the
// first vehicle not coupled onwards (upwards: its own flag; downwards: its
// lower neighbour's).
void MarkLeaving(Game& game, int32_t point, int32_t from, int32_t dir)
{
    Timetable& t = game.timetable;
    for (int32_t s = from; s >= 0 && s < kSlotsPerPoint; s += dir) {
        VehicleSlot& slot = SlotOrEmpty(game, point, s);
        const int32_t train = TrainRowOf(game, slot);
        if (train >= 0) t.TrainState(train, kRawRow, kTrainLeaving);
        if (train >= 0) t.ExpectedTime(train, kRawRow, kDepartureSide, game.Now());
        const bool onwards = dir > 0 ? slot.Coupled() != 0 : s > 0 && SlotOrEmpty(game, point, s - 1).Coupled() != 0;
        if (!onwards) return;
    }
}

// Walking from a locomotive head into its consist: the slot of the train
// vehicle that decides the departure, or -1 for a light run.
int32_t DecidingSlot(Game& game, int32_t point, int32_t head, bool towardsLower)
{
    if (towardsLower) {
        for (int32_t s = head; s < kSlotsPerPoint; ++s) {
            VehicleSlot& slot = SlotOrEmpty(game, point, s);
            if (!IsLocomotive(slot)) return IsTrainVehicle(slot) ? s : -1;
            if (!slot.Coupled()) return -1;
        }
        return -1;
    }
    for (int32_t s = head; s >= 1; --s) {
        if (IsTrainVehicle(SlotOrEmpty(game, point, s))) return s;
        if (!SlotOrEmpty(game, point, s - 1).Coupled()) return -1;
    }
    return IsTrainVehicle(SlotOrEmpty(game, point, 0)) ? 0 : -1;
}

bool DepartureHasCome(Game& game, int32_t train)
{
    return game.timetable.ScheduledTime(train, kRawRow, kDepartureSide) <= game.Now();
}

// The row turns round: its departing role ends and its times move to the
// next day, so the train is not handled again before midnight.
void TurnRowRound(Game& game, int32_t train)
{
    Timetable& t = game.timetable;
    const int32_t state = t.RowState(train, kRawRow);
    if (state == kStateDeparting) t.RowState(train, kRawRow, kStateArriving);
    if (state == kStateDepartingNotAdmitted) t.RowState(train, kRawRow, kStateArrivingNotAdmitted);
    const int32_t departure = t.ScheduledTime(train, kRawRow, kDepartureSide);
    if (departure >= 0) {
        t.ScheduledTime(train, kRawRow, kDepartureSide, NextDay(departure));
        t.ExpectedTime(train, kRawRow, kDepartureSide, NextDay(departure));
        t.ExpectedTime(train, kRawRow, kArrivalSide, t.ScheduledTime(train, kRawRow, kArrivalSide));
    } else {
        t.ScheduledTime(train, kRawRow, kDepartureSide, Negated(departure));
        t.ExpectedTime(train, kRawRow, kDepartureSide, kNotDrawn);
    }
    t.TrainState(train, kRawRow, kTrainNotHere);
}

// A locomotive that went out with a train it does not belong to comes back
// as a light engine at the entry of the exit's line number. Nothing comes
// back when that line has no entry, or when the timetable has no room left.
void SendBackLightEngine(Game& game, int32_t exitPoint, int32_t train, VehicleSlot& locomotive)
{
    if (!IsLocomotive(locomotive)) return;
    const TileCode entry = game.ArrivalEntryTileByNumber(PointSixth(game, exitPoint) / 10);
    if (entry < 0 || game.FindPointByTile(entry) < 0) return;
    game.timetable.AddOrRemoveRow(train, locomotive.Type(), entry);
}

// Unless the vehicle is the unit's own (name and type), its type is recorded
// as the type the unit now runs with.
void RecordUnitType(Game& game, int32_t train, int64_t unitName, int64_t unitType, VehicleSlot& vehicle, int32_t part)
{
    if (!IsPowered(vehicle) || (unitName == vehicle.Number() && unitType == vehicle.Type())) return;
    game.timetable.SetTypeOverride(train, vehicle.Type(), part);
}

// The powered vehicles that left with the train, against its departure unit.
void BookLocomotives(Game& game, int32_t point, int32_t train, int32_t powered, int32_t last)
{
    const bool odd = IsOddSide(game, point);
    VehicleSlot& front = SlotOrEmpty(game, point, odd ? 0 : last);
    VehicleSlot& second = SlotOrEmpty(game, point, odd ? 1 : last - 1);
    const int64_t name = game.timetable.UnitNameRef(train, kRawRow, kDepartureSide);
    const int64_t type = game.timetable.BaseLocoType(train, kRawRow, kDepartureSide);
    if (powered == 1) {
        const int32_t kind = second.IsEmpty() ? kKindCar : second.Kind();
        if (kind == kKindElectricUnit || kind == kKindDieselUnit)
            SendBackLightEngine(game, point, train, front);
        else
            RecordUnitType(game, train, name, type, front, 0);
    } else if (powered == 2 && second.Operational()) {
        // Two units: the reference -(a x 1000 + b) names both.
        RecordUnitType(game, train, -name / 1000, -type / 1000, front, 1);
        RecordUnitType(game, train, -name % 1000, -type % 1000, second, 2);
    } else {
        SendBackLightEngine(game, point, train, front);
    }
}

}  // namespace

void EnterStation(Game& game, int32_t point, int32_t slot)
{
    Timetable& t = game.timetable;
    RowSet rows;
    for (int32_t s = 0; s < kSlotsPerPoint; ++s) {
        const int32_t train = TrainRowOf(game, SlotOrEmpty(game, point, s));
        if (train < 0 || !rows.Insert(train)) continue;
        const int32_t arrival = t.ScheduledTime(train, kRawRow, kArrivalSide);
        if (arrival >= 0) {
            int32_t expected = t.ExpectedTime(train, kRawRow, kArrivalSide);
            if (expected > kNextDay) expected -= kNextDay;
            t.ScheduledTime(train, kRawRow, kArrivalSide, NextDay(arrival));
            t.ExpectedTime(train, kRawRow, kArrivalSide, NextDay(expected));
        } else {
            t.ScheduledTime(train, kRawRow, kArrivalSide, Negated(arrival));
            t.ExpectedTime(train, kRawRow, kArrivalSide, kNotDrawn);
        }
    }
    VehicleSlot& head = SlotOrEmpty(game, point, slot);
    // Straight through to an exit: the head's train is leaving already.
    const int32_t train = HeadTrainRow(game, point, slot);
    if (train >= 0 && IsEntryOrLine(KindAtTile(game, head.PathLast())) && IsExitOrLine(KindAtTile(game, head.PathFirst())))
        t.TrainState(train, kRawRow, kTrainLeaving);
    StartConsist(game, point, slot);
}

void DepartFromPlatform(Game& game, int32_t point, int32_t slot)
{
    VehicleSlot& head = SlotOrEmpty(game, point, slot);
    if (!IsExitOrLine(KindAtTile(game, head.PathFirst()))) return StartConsist(game, point, slot);
    if (IsTrainVehicle(head)) {
        const int32_t train = TrainRowOf(game, head);
        if (train >= 0 && !DepartureHasCome(game, train)) return;
        if (train >= 0) {
            game.timetable.TrainState(train, kRawRow, kTrainLeaving);
            game.timetable.ExpectedTime(train, kRawRow, kDepartureSide, game.Now());
        }
        return StartConsist(game, point, slot);
    }
    const bool towardsLower = TileColumn(head.PathFirst()) - TileColumn(head.PathLast()) < 1;
    const int32_t deciding = DecidingSlot(game, point, slot, towardsLower);
    const int32_t train = deciding < 0 ? -1 : TrainRowOf(game, SlotOrEmpty(game, point, deciding));
    if (train >= 0) {
        if (!DepartureHasCome(game, train)) return;
        MarkLeaving(game, point, deciding, towardsLower ? 1 : -1);
    }
    StartConsist(game, point, slot);
}

void LeaveThroughExit(Game& game, int32_t point, int32_t slot)
{
    VehicleSlot& head = SlotOrEmpty(game, point, slot);
    if (head.Countdown() != 1) return;
    const bool line = game.PointKind(point) == kPointLine;
    const bool blocks = line && BlockCount(game, point) > 0;
    if (blocks && BlockCountdown(game, point, 0) > 0) {
        head.Countdown(2);  // counted down to 1 again by the coupling phase of this step
        return;
    }
    head.Countdown(0);
    RowSet rows;
    int32_t powered = 0;
    int32_t last = -1;
    int32_t train = -1;
    for (int32_t s = 0; s < kSlotsPerPoint && !SlotOrEmpty(game, point, s).IsEmpty(); ++s) {
        VehicleSlot& vehicle = SlotOrEmpty(game, point, s);
        last = s;
        if (IsPowered(vehicle)) ++powered;
        const int32_t row = TrainRowOf(game, vehicle);
        if (row < 0) continue;
        train = row;
        if (rows.Insert(row)) TurnRowRound(game, row);
    }
    if (line) LineStateOf(game, point) = kLineDeparting;
    // Only a train takes a block; a light engine leaves the line to the
    // trains that come in.
    if (blocks && train >= 0) EnterBlock(game, point, 0, train);
    if (train >= 0) BookLocomotives(game, point, train, powered, last);
    for (int32_t s = 0; s <= last; ++s) Vacate(SlotOrEmpty(game, point, s));
    SetTileState(game, game.PointTile(point), kTileFree);
}
