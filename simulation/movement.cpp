// Train movement: the three phases of Game::MoveTrains.
#include "simulation/movement.h"

#include <algorithm>
#include <climits>

#include "simulation/consist.h"
#include "simulation/departure.h"
#include "simulation/line_sections.h"
#include "simulation/transfer.h"

namespace {

bool IsEntryOrLine(int32_t kind) { return kind == kPointEntry || kind == kPointLine; }

// The trains on an entry point stand in the station now.
void StandAtEntry(Game& game, int32_t point)
{
    for (int32_t s = 0; s < kSlotsPerPoint; ++s) {
        const int32_t train = TrainRowOf(game, SlotOrEmpty(game, point, s));
        if (train >= 0) game.timetable.TrainState(train, kRawRow, kTrainStanding);
    }
    SetTileState(game, game.PointTile(point), kTileOccupied);
}

// A head that has nothing left to do comes to rest.
void Settle(Game& game, int32_t point, VehicleSlot& slot)
{
    slot.Motion(kMotionStanding);
    if (IsEntryOrLine(game.PointKind(point))) StandAtEntry(game, point);
}

// A consist counting down at its entry comes in when its countdown runs out.
bool ComeIn(Game& game, int32_t point, VehicleSlot& slot)
{
    if (slot.Countdown() != 1) return false;
    slot.Countdown(0);
    StandAtEntry(game, point);
    slot.Motion(kMotionStanding);
    return true;
}

// Every powered vehicle on an exit or line point counts down before it leaves.
void StartExitCountdown(Game& game, int32_t point, int32_t minutes)
{
    int32_t steps = StepsForMinutes(game, minutes);
    if (steps == 0) steps = 2;
    for (int32_t s = 0; s < kSlotsPerPoint; ++s) {
        VehicleSlot& slot = SlotOrEmpty(game, point, s);
        if (!IsPowered(slot)) continue;
        slot.Motion(kMotionRouted);
        slot.Countdown(steps);
    }
}

// The head's path ran out on a point: what the point does with its consist.
void ArriveAtPoint(Game& game, int32_t point, int32_t slot)
{
    const int32_t kind = game.PointKind(point);
    const TileCode tile = game.PointTile(point);
    if (kind == kPointLine)
        SetTileState(game, tile, kTileOccupied);
    else
        SetPointTiles(game, point, kTileOccupied);
    Timetable& t = game.timetable;
    switch (kind) {
    case kPointExit:
        StartExitCountdown(game, point, PointParam(game, point));
        SetTileState(game, tile, kTileLocked);
        break;
    case kPointLine:
        StartExitCountdown(game, point, PointParam(game, point) / 100);
        LineStateOf(game, point) = kLineDeparting;
        SetTileState(game, tile, kTileLocked);
        break;
    case kPointPlatform: {
        // The moment of arrival, as a time of the next day (see kRoleSwitchLag).
        const int32_t train = HeadTrainRow(game, point, slot);
        if (train >= 0 && IsArrivingRole(t.RowState(train, kRawRow)) &&
            t.TrainState(train, kRawRow) == kTrainStanding)
            t.ExpectedTime(train, kRawRow, kArrivalSide, NextDay(game.Now()));
        break;
    }
    case kPointDepot:
        game.depot.Add(SlotOrEmpty(game, point, 0));
        SetTileState(game, tile, kTileFree);
        break;
    default:
        break;
    }
}

// A moving head advances one tile: the tile it leaves is free again (a
// platform with vehicles on it stays occupied), the next one is occupied.
void Run(Game& game, int32_t row, int32_t slot)
{
    VehicleSlot& head = SlotOrEmpty(game, row, slot);
    const TileCode under = head.PathLast();
    const int32_t owner = game.FindPointByTile(under);
    const bool keep = IsPlatformKind(game.PointKind(owner)) && !SlotOrEmpty(game, owner, 0).IsEmpty();
    SetTileState(game, under, keep ? kTileOccupied : kTileFree);
    const TileCode next = head.PathPop();
    if (head.HasPath())
        SetTileState(game, next, kTileOccupied);
    else if (row < game.pointCount)
        ArriveAtPoint(game, row, slot);
}

// A head whose route is set starts, each kind of place by its own rule.
void Start(Game& game, int32_t row, int32_t slot)
{
    if (row >= game.pointCount) return LeaveSiding(game, row, slot);
    const int32_t kind = game.PointKind(row);
    if (IsPlatformKind(kind)) return DepartFromPlatform(game, row, slot);
    if (IsEntryOrLine(kind)) return EnterStation(game, row, slot);
    StartConsist(game, row, slot);
}

// Five minutes after it reached its platform a train turns to its departing
// role. Only a moment of arrival counts: one stored as a time of the next
// day, or one the midnight rollover kept as yesterday's clock time for a
// train that got there in the last minutes of the day. An expected arrival
// of today at 23:55 or later is no such moment.
void SwitchRole(Game& game, VehicleSlot& slot)
{
    const int32_t train = TrainRowOf(game, slot);
    if (train < 0) return;
    Timetable& t = game.timetable;
    const int32_t state = t.RowState(train, kRawRow);
    const int32_t arrived = t.ExpectedTime(train, kRawRow, kArrivalSide);
    const bool kept = t.ArrivedBeforeMidnight(train);
    if (!IsArrivingRole(state) || (arrived < kNextDay && !kept)) return;
    // A time clamped to 0:00 is no moment, unless a kept one falls at midnight.
    const int32_t due = AddMinutesClamped(arrived, -kRoleSwitchLag);
    if ((due <= 0 && !kept) || due > game.Now()) return;
    t.RowState(train, kRawRow, state == kStateArriving ? kStateDeparting : kStateDepartingNotAdmitted);
}

// The first of the rules that applies to the slot, then its train's role.
bool MoveSlot(Game& game, int32_t row, int32_t s, VehicleSlot& slot, bool moveTick)
{
    const int32_t motion = slot.Motion();
    // Every rule below moves or starts something; a standing slot (most of
    // them, and every empty one) only has its role to check.
    if (motion == kMotionStanding) {
        if (!slot.IsEmpty()) SwitchRole(game, slot);
        return false;
    }
    const bool onPoint = row < game.pointCount;
    if (onPoint && motion != kMotionStanding && !slot.IsEmpty() && slot.Countdown() == 0 && !slot.HasPath()) {
        Settle(game, row, slot);
        return false;
    }
    const int32_t kind = onPoint ? game.PointKind(row) : 0;
    const bool lineDeparting = kind == kPointLine && LineStateOf(game, row) == kLineDeparting;
    const bool counting = onPoint && motion == kMotionRouted && slot.Countdown() != 0;
    bool cameIn = false;
    if (counting && (kind == kPointEntry || (kind == kPointLine && !lineDeparting)))
        cameIn = ComeIn(game, row, slot);
    else if (counting && (kind == kPointExit || lineDeparting))
        LeaveThroughExit(game, row, s);
    else if (motion == kMotionMoving && moveTick)
        Run(game, row, s);
    else if (motion == kMotionRouted)
        Start(game, row, s);
    SwitchRole(game, slot);
    return cameIn;
}

}  // namespace

// Rows outside the grid hold only empty stand-ins: nothing there moves or counts.
bool MoveConsists(Game& game, bool moveTick)
{
    bool cameIn = false;
    for (int32_t r = 0; r < SlotRowCount(game); ++r) {
        VehicleSlot* slots = game.SlotsOfRow(r);
        for (int32_t s = 0; slots && s < kSlotsPerPoint; ++s)
            if (MoveSlot(game, r, s, slots[s], moveTick)) cameIn = true;
    }
    return cameIn;
}

void RunCountdowns(Game& game)
{
    for (int32_t r = 0; r < SlotRowCount(game); ++r) {
        VehicleSlot* slots = game.SlotsOfRow(r);
        for (int32_t s = 0; slots && s < kSlotsPerPoint; ++s) {
            VehicleSlot& slot = slots[s];
            if (slot.Countdown() == 0) continue;
            if (slot.Countdown(slot.Countdown() - 1) != 0) continue;
            if (s + 1 < kSlotsPerPoint) {
                VehicleSlot& next = slots[s + 1];
                if (next.Countdown() != 0) next.Countdown(next.Countdown() - 1);
            }
            slot.Coupled(slot.Coupled() ? 0 : 1);
        }
    }
}

int32_t Game::MoveTrains()
{
    const bool moveTick = moveDivisor <= 1 || tickCounter % moveDivisor == 0;
    tickCounter = tickCounter == INT32_MAX ? 0 : tickCounter + 1;
    const bool cameIn = MoveConsists(*this, moveTick);
    RunCountdowns(*this);
    AdvanceLineSections();
    return cameIn ? 1 : 0;
}
