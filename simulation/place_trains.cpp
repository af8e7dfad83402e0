// Placing trains for a time of day.
#include "simulation/place_trains.h"

#include "model/game.h"
#include "simulation/consist.h"
#include "simulation/line_sections.h"

namespace {

constexpr int32_t kLastTimeOfDay = 2359;

bool IsTimeOfToday(int32_t t) { return t >= 0 && t <= kLastTimeOfDay; }

// Minutes from `now` forward to t, wrapped into one day.
int32_t Offset(int32_t now, int32_t t)
{
    const int32_t d = MinutesOf(t) - now;
    return d < 0 ? d + kMinutesPerDay : d;
}

bool IsDone(Game& game, int32_t train) { return game.timetable.TrainState(train, kRawRow) == kTrainLeaving; }

// A removed head's route is released with it: the tiles it still had to travel.
void ReleaseRoute(Game& game, VehicleSlot& head)
{
    for (uint32_t i = 0; i < head.PathLength(); ++i) SetTileState(game, head.PathAt(i), kTileFree);
}

// Takes the vehicles of done trains off the station. A point left empty has
// its tiles freed, and no coupling is left pointing into an emptied slot.
void RemoveDoneTrains(Game& game)
{
    for (int32_t r = 0; r < SlotRowCount(game); ++r) {
        bool removed = false;
        for (int32_t s = 0; s < kSlotsPerPoint; ++s) {
            VehicleSlot& slot = SlotOrEmpty(game, r, s);
            const int32_t train = TrainRowOf(game, slot);
            if (train < 0 || !IsDone(game, train)) continue;
            ReleaseRoute(game, slot);
            Vacate(slot);
            removed = true;
        }
        if (!removed) continue;
        ClearLooseCouplings(game, r);
        if (r < game.pointCount && !RowHasVehicle(game, r)) SetPointTiles(game, r, kTileFree);
    }
    // Done trains on a line leave it too; the line frees itself once empty.
    for (int32_t p = 0; p < game.pointCount; ++p)
        for (int32_t b = 0; b < BlockCount(game, p); ++b)
            if (BlockCountdown(game, p, b) > 0 && IsTimetableRow(game, BlockTrain(game, p, b)) &&
                IsDone(game, BlockTrain(game, p, b)))
                FreeBlock(game, p, b);
}

// The first platform or freight platform whose slot 0 is empty, -1 when none.
int32_t FreePlatform(Game& game)
{
    for (int32_t p = 0; p < game.pointCount; ++p)
        if (IsPlatformKind(game.PointKind(p)) && SlotOrEmpty(game, p, 0).IsEmpty()) return p;
    return -1;
}

// Puts the train of `row` where it stands at the new time; false when there
// is no such place or nothing to put there.
bool PlaceStandingTrain(Game& game, int32_t row)
{
    Timetable& t = game.timetable;
    const int32_t start = t.StartTile(row);
    int32_t point = FreePlatform(game);
    int32_t slot = 0;
    if (start != 0) {
        point = game.FindPointByTile(start < 0 ? -start : start);
        slot = t.StartSlot(row);
    }
    if (point < 0 || slot < 0 || slot >= kSlotsPerPoint || !SlotOrEmpty(game, point, slot).IsEmpty()) return false;
    const int32_t unitType = t.BaseLocoType(row, kRawRow, kDepartureSide);
    const bool unit = unitType > 0 && t.VehicleTypeKind(unitType) < kKindElectricLoco;
    const int32_t type = unit ? unitType : t.TrainVehicleType(row, kRawRow);
    if (type <= 0) return false;  // a locomotive train: its locomotives are not placed
    const int32_t number = unit ? t.UnitNameRef(row, kRawRow, kDepartureSide) : 0;
    SlotOrEmpty(game, point, slot).Fill(row, type, unit ? t.VehicleTypeKind(type) : kKindCar, number, 1, start < 0 ? 1 : 0,
                                  kMotionStanding);
    SetPointTiles(game, point, kTileOccupied);
    t.TrainState(row, kRawRow, kTrainStanding);
    t.ExpectedTime(row, kRawRow, kArrivalSide, t.ScheduledTime(row, kRawRow, kArrivalSide));
    t.ExpectedTime(row, kRawRow, kDepartureSide, t.ScheduledTime(row, kRawRow, kDepartureSide));
    return true;
}

}  // namespace

int32_t Game::PlaceTrainsForTime(int32_t hhmm)
{
    if (hhmm < 0 || hhmm > kLastTimeOfDay || hhmm % 100 >= 60) return 0;
    Timetable& t = timetable;
    const int32_t now = MinutesOf(clock.HHMM());
    const int32_t jump = Offset(now, hhmm);
    for (int32_t r = 0; r < t.TrainCount(); ++r) {
        const int32_t arrival = t.ScheduledTime(r, kRawRow, kArrivalSide);
        const int32_t departure = t.ScheduledTime(r, kRawRow, kDepartureSide);
        if ((IsTimeOfToday(departure) && Offset(now, departure) <= jump) ||
            (IsTimeOfToday(arrival) && Offset(now, arrival) <= jump - kArrivedLongAgo))
            t.TrainState(r, kRawRow, kTrainLeaving);
    }
    RemoveDoneTrains(*this);
    int32_t placed = 0;
    for (int32_t r = 0; r < t.TrainCount(); ++r) {
        const int32_t arrival = t.ScheduledTime(r, kRawRow, kArrivalSide);
        const int32_t departure = t.ScheduledTime(r, kRawRow, kDepartureSide);
        if (IsDone(*this, r) || !IsTimeOfToday(arrival) || !IsTimeOfToday(departure)) continue;
        const int32_t arrived = Offset(now, arrival);
        const int32_t leaves = Offset(now, departure);
        if (arrived > jump || jump >= leaves) continue;
        const bool longStay = jump - arrived > kArrivedLongAgo && leaves - jump > kArrivedLongAgo;
        if (longStay || !PlaceStandingTrain(*this, r)) {
            t.TrainState(r, kRawRow, kTrainLeaving);
            continue;
        }
        ++placed;
    }
    // A negative start tile couples a vehicle to one that may not have been placed.
    for (int32_t r = 0; r < SlotRowCount(*this); ++r) ClearLooseCouplings(*this, r);
    clock.Set(hhmm / 100, hhmm % 100, 0);
    return placed;
}
