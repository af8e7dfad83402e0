// Admitting arriving trains and building their consists at the entries.
#include "simulation/admission.h"

#include <algorithm>
#include <array>

#include "simulation/consist.h"
#include "simulation/line_sections.h"

namespace {

using StagedConsist = std::array<VehicleSlot, kSlotsPerPoint>;

bool IsEntryKind(int32_t kind) { return kind == kPointEntry || kind == kPointLine; }

// Removes a light engine's row. Rows after it move down by one, so every row
// number the station holds past it moves with them: the block triples and the
// train vehicles (the timetable keeps its own indexes in step).
void ForgetTimetableRow(Game& game, int32_t row)
{
    if (game.timetable.AddOrRemoveRow(row, kRemoveRow, 0) != kRowChanged) return;
    for (int32_t p = 0; p < game.pointCount; ++p)
        for (int32_t b = 0; b < BlockCount(game, p); ++b)
            if (BlockTrain(game, p, b) > row) --BlockTrain(game, p, b);
    for (int32_t r = 0; r < SlotRowCount(game); ++r) {
        for (int32_t s = 0; s < kSlotsPerPoint; ++s) {
            VehicleSlot& slot = SlotOrEmpty(game, r, s);
            if (!IsTrainVehicle(slot)) continue;
            const int32_t train = slot.Train();
            if (train == row) slot.SetTrain(-1);
            else if (train > row) slot.Train(train - 1);
        }
    }
}

ArrivalPlacement PlaceLightEngine(Game& game, int32_t row, int32_t point)
{
    Timetable& t = game.timetable;
    const int32_t type = t.BaseLocoType(row, kRawRow, kArrivalSide);
    // Read before the row goes: afterwards the row number names the next row.
    const TileCode entry = game.PointKind(point) == kPointLine ? game.PointTile(point) : t.EntryTile(row, kRawRow);
    SlotOrEmpty(game, point, 0).Fill(-1, type, t.VehicleTypeKind(type), t.UnitNameRef(row, kRawRow, kArrivalSide), 1, 0,
                                kMotionRouted);
    ForgetTimetableRow(game, row);
    SetTileState(game, entry, kTileLocked);
    return {0, true};
}

// The next row of the train's arrival list; false at its end, or when the
// list comes back to its head.
bool NextArrivalRow(const Game& game, int32_t& row)
{
    const int32_t link = game.timetable.ArrivalLink(row, kRawRow);
    if (link == 0 || !IsTimetableRow(game, link / 10) || game.timetable.LinkDigit(link / 10, kArrivalSide) == 1)
        return false;
    row = link / 10;
    return true;
}

// The first row's locomotives: one, or the two of a two-unit reference.
void StageLocomotives(Game& game, int32_t row, int32_t type, bool damaged, StagedConsist& staged, int32_t& count)
{
    Timetable& t = game.timetable;
    const int64_t ref = t.UnitNameRef(row, kRawRow, kArrivalSide);
    const int32_t operational = damaged ? 0 : 1;
    auto stage = [&](int32_t locoType, int32_t number, int32_t motion) {
        if (locoType <= 0 || count >= kSlotsPerPoint) return;  // type 0 is no vehicle
        staged[static_cast<size_t>(count++)].Fill(0, locoType, t.VehicleTypeKind(locoType), number, operational, 1,
                                                  motion);
    };
    if (type >= 0) {
        stage(type, static_cast<int32_t>(ref), kMotionRouted);
        return;
    }
    const int64_t units = -int64_t{type};
    const int64_t names = ref < 0 ? -ref : ref;
    stage(static_cast<int32_t>(units / 1000), static_cast<int32_t>(names / 1000), kMotionRouted);
    stage(static_cast<int32_t>(units % 1000), static_cast<int32_t>(names % 1000), kMotionStanding);
}

// Fills staged from the train's rows, in the order the vehicles come in.
int32_t StageTrain(Game& game, int32_t row, StagedConsist& staged)
{
    Timetable& t = game.timetable;
    // A light engine's departure mark is no time, so only trains are judged by it.
    bool damaged = t.Delay(row, kRawRow, 0, kDepartureSide) >= kDamagingDelay || t.HeavyDelayWithoutDeparture(row);
    bool locomotivesPlaced = false;
    int32_t count = 0;
    int32_t r = row;
    for (int32_t visited = 0; count < kSlotsPerPoint && visited <= t.TrainCount(); ++visited) {
        t.TrainState(r, kRawRow, kTrainAdmitted);
        const int32_t type = t.BaseLocoType(r, kRawRow, kArrivalSide);
        const int32_t kind = t.VehicleTypeKind(type);
        if (type >= 0 && (kind == kKindElectricUnit || kind == kKindDieselUnit)) {
            staged[static_cast<size_t>(count)].Fill(r, type, kind, t.UnitNameRef(r, kRawRow, kArrivalSide),
                                                    damaged ? 0 : 1, 0, count == 0 ? kMotionRouted : kMotionStanding);
            ++count;
        } else if (r == row && !locomotivesPlaced) {
            StageLocomotives(game, r, type, damaged, staged, count);
            locomotivesPlaced = true;
            continue;  // the same row gives its car next
        } else if (t.TrainVehicleType(r, kRawRow) > 0) {
            // A row without a vehicle type gives no car, not an empty slot.
            staged[static_cast<size_t>(count++)].Fill(r, t.TrainVehicleType(r, kRawRow), kKindCar, 0, 1, 0,
                                                      kMotionStanding);
        }
        damaged = false;
        if (!NextArrivalRow(game, r)) break;
    }
    t.ClearTypeOverride(r);
    return count;
}

int32_t RowOfTrain(Game& game, int32_t train, int32_t point)
{
    const bool rawRow = game.PointKind(point) == kPointLine && BlockCountdown(game, point, 0) != -1;
    return rawRow ? train : game.timetable.IndexRow(train, kArrivalMode, false);
}

// Minutes until the first powered vehicle on the point has counted down.
int32_t EntryWaitMinutes(Game& game, int32_t point)
{
    const int32_t slot = FindPoweredSlot(game, point, 0, 1);
    return slot < 0 ? 0 : MinutesForSteps(game, SlotOrEmpty(game, point, slot).Countdown());
}

// Minutes until the farthest block still counting has run out.
int32_t LineWaitMinutes(Game& game, int32_t point)
{
    int32_t steps = 0;
    for (int32_t b = 0; b < kSectionBlocks && BlockCountdown(game, point, b) != -1; ++b)
        if (BlockCountdown(game, point, b) != 0) steps = BlockCountdown(game, point, b);
    return MinutesForSteps(game, steps);
}

// The train of arrival position i waits `minutes` more before its entry.
void HoldBack(Game& game, int32_t i, int32_t minutes)
{
    game.timetable.Delay(i, kArrivalMode, minutes, kArrivalSide);
    game.timetable.TrainState(i, kArrivalMode, kTrainHeldBack);
}

// Places the train of arrival position i on its entry point, counting down
// `minutes` before it comes in. False when it was a light engine, whose row
// (and position) is gone.
bool PlaceAtEntry(Game& game, int32_t i, int32_t point, int32_t minutes, int32_t travel)
{
    const int32_t row = game.timetable.IndexRow(i, kArrivalMode, false);
    const ArrivalPlacement placed = PlaceArrivingTrain(game, row, point);
    if (placed.head >= 0) SlotOrEmpty(game, point, placed.head).Countdown(std::max(StepsForMinutes(game, minutes), 1));
    if (placed.lightEngine) return false;
    game.timetable.ExpectedTime(row, kRawRow, kArrivalSide, AddMinutesClamped(game.Now(), travel));
    return true;
}

bool EntryIsFree(Game& game, int32_t point)
{
    return !RowHasVehicle(game, point) && TileStateAt(game, game.PointTile(point)) == kTileFree;
}

bool LineIsBusy(Game& game, int32_t point)
{
    const int32_t state = LineStateOf(game, point);
    const bool tileTaken = TileStateAt(game, game.PointTile(point)) != kTileFree;
    const bool hasBlocks = BlockTime(game, point, 0) != -1;
    return state == kLineDeparting || (state == kLineFree && !hasBlocks && tileTaken) ||
           (state != kLineArriving && hasBlocks && tileTaken);
}

// A busy line: the train waits for the entry, or for the line to empty.
void HoldBackAtBusyLine(Game& game, int32_t i, int32_t point)
{
    const TileCode tile = game.timetable.EntryTile(i, kArrivalMode);
    int32_t wait = LineWaitMinutes(game, point);
    if (TileStateAt(game, tile) != kTileFree)
        wait = RowHasVehicle(game, point) ? EntryWaitMinutes(game, point) : PointParam(game, point) % 100;
    HoldBack(game, i, wait + 1);
}

enum class Admission { kNext, kSamePosition, kAsk };

// What happens to the due train of arrival position i at the line point.
Admission AdmitAtLine(Game& game, int32_t i, int32_t point, int32_t fromIndex, int32_t answer)
{
    if (LineIsBusy(game, point)) {
        HoldBackAtBusyLine(game, i, point);
        return Admission::kNext;
    }
    const int32_t blocks = BlockCount(game, point);
    if (blocks > 0 && BlockCountdown(game, point, blocks - 1) != 0) {
        HoldBack(game, i, MinutesForSteps(game, BlockCountdown(game, point, blocks - 1)) + 1);
        return Admission::kNext;
    }
    if (blocks == 0 && !EntryIsFree(game, point)) {
        HoldBack(game, i, EntryWaitMinutes(game, point) + 1);
        return Admission::kNext;
    }
    if (i != fromIndex) return Admission::kAsk;
    if (answer != kLetOntoLine) {
        HoldBack(game, i, std::max(answer, 0));
        return Admission::kNext;
    }
    if (blocks == 0) {
        const bool stays = PlaceAtEntry(game, i, point, PointParam(game, point) % 100, game.LineTravelTime(point, 0));
        return stays ? Admission::kNext : Admission::kSamePosition;
    }
    EnterBlock(game, point, blocks - 1, game.timetable.IndexRow(i, kArrivalMode, false));
    LineStateOf(game, point) = kLineArriving;
    game.timetable.TrainState(i, kArrivalMode, kTrainAdmitted);
    return Admission::kNext;
}

// What happens to the train of arrival position i in this pass.
Admission Admit(Game& game, int32_t i, int32_t fromIndex, int32_t answer)
{
    Timetable& t = game.timetable;
    const int32_t state = t.TrainState(i, kArrivalMode);
    if (state != kTrainNotHere && state != kTrainHeldBack) return Admission::kNext;
    // A row without an arrival (a train that starts here) never comes in, nor
    // one whose entry tile is no entry of this station.
    const int32_t point = game.FindPointByTile(t.EntryTile(i, kArrivalMode));
    if (t.ScheduledTime(i, kArrivalMode, kArrivalSide) == 0 || !IsEntryKind(game.PointKind(point)))
        return Admission::kNext;
    const int32_t travel = game.LineTravelTime(point, 0);
    if (AddMinutesClamped(t.ExpectedTime(i, kArrivalMode, kArrivalSide), -travel) > game.Now())
        return Admission::kNext;
    const int32_t rowState = t.RowState(i, kArrivalMode);
    if (rowState == kStateNotAdmitted || rowState == kStateArrivingNotAdmitted) return Admission::kNext;
    if (game.PointKind(point) == kPointLine) return AdmitAtLine(game, i, point, fromIndex, answer);
    if (EntryIsFree(game, point))
        return PlaceAtEntry(game, i, point, PointParam(game, point), travel) ? Admission::kNext
                                                                             : Admission::kSamePosition;
    if (state != kTrainHeldBack) HoldBack(game, i, EntryWaitMinutes(game, point) + 1);
    return Admission::kNext;
}

}  // namespace

ArrivalPlacement PlaceArrivingTrain(Game& game, int32_t row, int32_t point)
{
    if (!IsTimetableRow(game, row)) return {};
    if (game.timetable.RowState(row, kRawRow) == kStateLightEngine) return PlaceLightEngine(game, row, point);
    StagedConsist staged;
    const int32_t count = StageTrain(game, row, staged);
    if (count == 0) return {};
    const bool odd = IsOddSide(game, point);
    for (int32_t i = 0; i < count; ++i) {
        const int32_t slot = odd ? count - 1 - i : i;
        VehicleSlot& place = SlotOrEmpty(game, point, slot);
        place.MoveFrom(staged[static_cast<size_t>(i)]);
        place.Coupled(slot < count - 1 ? 1 : 0);
    }
    const TileCode entry =
        game.PointKind(point) == kPointLine ? game.PointTile(point) : game.timetable.EntryTile(row, kRawRow);
    SetTileState(game, entry, kTileLocked);
    return {odd ? count - 1 : 0, false};
}

int32_t Game::TrainArrives(int32_t train, int32_t point)
{
    const int32_t row = RowOfTrain(*this, train, point);
    int32_t entry = point;
    if (PointKind(point) != kPointLine && IsTimetableRow(*this, row)) {
        const int32_t owner = FindPointByTile(timetable.EntryTile(row, kRawRow));
        if (owner >= 0) entry = owner;
    }
    const ArrivalPlacement placed = PlaceArrivingTrain(*this, row, entry);
    return placed.lightEngine ? -entry : placed.head;
}

int32_t Game::AdmitArrivingTrains(int32_t fromIndex, int32_t answer)
{
    if (clock.Seconds() != 0) return kNoTrainAsks;
    for (int32_t i = 0; i < timetable.TrainCount();) {
        const Admission outcome = Admit(*this, i, fromIndex, answer);
        if (outcome == Admission::kAsk) return i;
        // A light engine's row left the index: the next train took its position.
        if (outcome == Admission::kNext) ++i;
    }
    return kNoTrainAsks;
}
