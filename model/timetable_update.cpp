// Timetable: the update that draws expected times and unit types as trains
// come near, real delays, a row's delay, and light-engine rows.
//
// Every draw is one RandomValue() reduced with the remainder operator, in a
// fixed order, so a game replays the same for the same sequence of draws.
#include <algorithm>
#include <climits>
#include <cstdlib>

#include "model/random.h"
#include "model/timetable.h"

namespace {

// Early running per category class: 0 .. M-1 minutes.
constexpr int32_t kEarlyRange[kCategoryClassCount] = {3, 6, 11, 11, 6, 15};
constexpr int32_t kSuburbanLateRange = 5;      ///< a late suburban train: 0..4 minutes
constexpr int32_t kSuburbanHeavyRange = 10;    ///< a heavy suburban delay: 0..9 minutes
constexpr int32_t kHeavyRange = 20;            ///< other heavy delays: 120..139 minutes
constexpr int32_t kHeavyBase = 120;
constexpr int32_t kHeavyDepartureExtra = 30;   ///< a heavily delayed train leaves this much later still
constexpr int32_t kTurnaroundMinutes = 10;     ///< a train that turns round here needs this long
constexpr int32_t kLightEngineLag = 30;        ///< a light engine comes back this long after its train

// Bands of late running: p below the bound gives base + r % range minutes.
struct LateBand {
    int32_t bound;  ///< exclusive upper bound of p (1..100)
    int32_t range;  ///< spread of the band in minutes
    int32_t base;   ///< shortest delay of the band
};
constexpr LateBand kLateBands[] = {{50, 10, 1}, {70, 20, 11}, {85, 30, 31}, {95, 30, 61}, {101, 30, 91}};

int32_t DrawBelow(int32_t n) { return RandomValue() % n; }

// Two draws pick the band and the minutes in it; a suburban train draws once more.
int32_t LateMinutes(int32_t cls)
{
    const int32_t p = DrawBelow(100) + 1;
    const int32_t r = RandomValue();
    int32_t minutes = 0;
    for (const LateBand& band : kLateBands) {
        if (p < band.bound) {
            minutes = r % band.range + band.base;
            break;
        }
    }
    return cls == kClassSuburban ? DrawBelow(kSuburbanLateRange) : minutes;
}

int32_t HeavyMinutes(int32_t cls)
{
    return cls == kClassSuburban ? DrawBelow(kSuburbanHeavyRange) : DrawBelow(kHeavyRange) + kHeavyBase;
}

}  // namespace

int32_t Timetable::Update(int32_t now)
{
    bool delayed = false;
    // While the times stand, no row comes due before the earliest moment of
    // drawing the last look found, and most steps have nothing to draw.
    const bool look = !testGame_ && (drawsRevision_ != timesRevision_ || now >= nextDraw_);
    int32_t nextDraw = INT32_MAX;
    for (int32_t i = 0; look && i < rowCount_; ++i) {
        // A drawn row stays drawn here; taking one up draws it or leaves it due.
        if (Field(i, kRowExpectedArrival) != kNotDrawn) continue;
        nextDraw = std::min(nextDraw, DrawMoment(i));
        if (!DueForDraw(i, now)) continue;
        const DrawOutcome outcome = DrawExpectedTimes(i);
        // Without a class no times are drawn and every update takes the row
        // up again; its linked rows and unit types are seen to the first
        // time only, or they would be drawn anew at every step.
        if (outcome == DrawOutcome::kNoClass) {
            if (RowMarked(i, kMarkTakenUpWithoutClass)) continue;
            MarkRow(i, kMarkTakenUpWithoutClass, true);
        }
        delayed = delayed || outcome == DrawOutcome::kDelayed;
        ShareArrival(i);
        if (Field(i, kRowDepartureLink) != 0) ShareLatestDeparture(i);
        DrawUnitTypes(i);
    }
    if (look) {
        nextDraw_ = nextDraw;
        drawsRevision_ = timesRevision_;
    }
    RefreshIndexes();
    return delayed ? 1 : 0;
}

bool Timetable::DueForDraw(int32_t row, int32_t now) const
{
    const int32_t state = Field(row, kRowState);
    return Field(row, kRowExpectedArrival) == kNotDrawn && DrawMoment(row) <= now && state != kStateNotAdmitted &&
           state != kStateArrivingNotAdmitted;
}

int32_t Timetable::DrawMoment(int32_t row) const { return AddMinutesClamped(Field(row, kRowArrival), -lookAhead_); }

Timetable::DrawOutcome Timetable::DrawExpectedTimes(int32_t row)
{
    const int32_t rnd = DrawBelow(101);
    const int32_t arrival = Field(row, kRowArrival);
    const int32_t departure = Field(row, kRowDeparture);
    int32_t expectedArrival = arrival;
    int32_t expectedDeparture = departure;
    DrawOutcome outcome = DrawOutcome::kOnTime;
    bool heavyWithoutDeparture = false;
    if (randomDelays_) {
        const int32_t cls = CategoryClass(Field(row, kRowArrivalCategory));
        if (!IsCategoryClass(cls)) return DrawOutcome::kNoClass;
        // The chances are stored as given: their sum is taken wide, so no value overflows it.
        const int64_t early = delayChances_[static_cast<size_t>(cls)][kDelayEarly];
        const int64_t late = delayChances_[static_cast<size_t>(cls)][kDelayLate];
        if (rnd < early) {
            expectedArrival = AddMinutesClamped(arrival, -DrawBelow(kEarlyRange[cls]));
            outcome = DrawOutcome::kDelayed;
        } else if (rnd < early + late) {
            expectedArrival = AddMinutesClamped(arrival, LateMinutes(cls));
            expectedDeparture = DepartureAfter(row, expectedArrival);
            outcome = DrawOutcome::kDelayed;
        } else if (rnd == early + late) {
            const int32_t minutes = HeavyMinutes(cls);
            expectedArrival = AddMinutesClamped(arrival, minutes);
            expectedDeparture = AddMinutesClamped(departure, minutes + kHeavyDepartureExtra);
            outcome = DrawOutcome::kDelayed;
            // A train without a departure gets no expected one, but the
            // damage a heavy departure delay brings still comes in with it.
            heavyWithoutDeparture = departure == 0 && cls != kClassSuburban;
        }
    }
    SetExpected(row, kArrivalSide, expectedArrival);
    SetExpected(row, kDepartureSide, expectedDeparture);
    MarkRow(row, kMarkHeavyWithoutDeparture, heavyWithoutDeparture);
    return outcome;
}

int32_t Timetable::DepartureAfter(int32_t row, int32_t expectedArrival) const
{
    const int32_t departure = Field(row, kRowDeparture);
    if (!IsArrivingRole(Field(row, kRowState)))
        return LateDepartureTime(Field(row, kRowArrival), departure, expectedArrival);
    // The train turns round here: it needs its time at the platform.
    const int32_t ready = AddMinutesClamped(expectedArrival, kTurnaroundMinutes);
    return ready <= departure ? departure : ready;
}

void Timetable::SetExpected(int32_t row, int32_t side, int32_t value)
{
    const bool arrival = side == kArrivalSide;
    if (arrival) ForgetArrivalDay(row);
    // A row without an arrival (or departure) gets no expected one either:
    // 0, like its scheduled time, and still marked as drawn.
    const bool lacksSide = Field(row, arrival ? kRowArrival : kRowDeparture) == 0;
    FieldRef(row, arrival ? kRowExpectedArrival : kRowExpectedDeparture) = lacksSide ? 0 : value;
}

void Timetable::ShareArrival(int32_t row)
{
    if (Field(row, kRowArrivalLink) == 0) return;
    const int32_t arrival = Field(row, kRowExpectedArrival);
    int32_t member = Field(row, kRowArrivalLink) / 10;
    // The walk ends after the head, which may be row itself; bounded so that
    // a list without a head ends too.
    for (int32_t steps = 0; steps < rowCount_ && member >= 0 && member < rowCount_; ++steps) {
        SetExpected(member, kArrivalSide, arrival);
        SetExpected(member, kDepartureSide,
                    LateDepartureTime(Field(member, kRowArrival), Field(member, kRowDeparture), arrival));
        if (Field(member, kRowDepartureLink) != 0) ShareLatestDeparture(member);
        const int32_t link = Field(member, kRowArrivalLink);
        if (link == 0 || link % 10 == 1) return;
        member = link / 10;
    }
}

void Timetable::ShareLatestDeparture(int32_t row)
{
    int32_t latest = Field(row, kRowExpectedDeparture);
    ForEachOtherMember(row, kRowDepartureLink, [&](int32_t member) {
        if (Field(member, kRowExpectedDeparture) > latest) latest = Field(member, kRowExpectedDeparture);
    });
    SetExpected(row, kDepartureSide, latest);
    ForEachOtherMember(row, kRowDepartureLink, [&](int32_t member) { SetExpected(member, kDepartureSide, latest); });
}

void Timetable::DrawUnitTypes(int32_t row)
{
    const int32_t ref = Field(row, kRowArrivalUnits);
    if (ref >= kNoUnitsBase) return;
    // Every negative reference names two units, -1000 (units 1 and 0) too.
    const int32_t first = ref < 0 ? -ref / 1000 : ref;
    if (!UnitTypeIsDrawn(first)) return;
    DrawUnitType(first);
    if (ref < 0 && UnitTypeIsDrawn(-ref % 1000)) DrawUnitType(-ref % 1000);
}

bool Timetable::UnitTypeIsDrawn(int32_t unit) const
{
    if (unit < 0 || unit >= unitCount_) return false;
    const int32_t* fields = units_.Row(static_cast<uint32_t>(unit))->At(0);
    return fields[kUnitArrivalRow] < 0 && fields[kUnitOverrideType] == 0 && fields[kUnitPercentRow] != 0;
}

void Timetable::DrawUnitType(int32_t unit)
{
    const int32_t r = DrawBelow(101);
    int32_t* fields = units_.Row(static_cast<uint32_t>(unit))->At(0);
    const uint32_t percentRow = static_cast<uint32_t>(std::abs(fields[kUnitPercentRow]) - 1);
    int32_t sum = 0;
    for (int32_t c = 0; c < percentColumns_; ++c) {
        sum += *percentTable_.At(percentRow, static_cast<uint32_t>(c));
        if (sum > r) {
            fields[kUnitPreviousType] = fields[kUnitType];
            fields[kUnitType] = c + 1;
            return;
        }
    }
}

void Timetable::ApplyDelays(int32_t row, int32_t arrivalDelay, int32_t departureDelay)
{
    if (row < 0 || row >= rowCount_) return;
    const int32_t arrival = Field(row, kRowArrival);
    const int32_t departure = Field(row, kRowDeparture);
    MarkRow(row, kMarkHeavyWithoutDeparture, false);  // the real delay replaces any drawn
    if (arrival != 0) {
        const int32_t expectedArrival = AddMinutesClamped(arrival, arrivalDelay);
        ForgetArrivalDay(row);
        FieldRef(row, kRowExpectedArrival) = expectedArrival;
        if (departure != 0) FieldRef(row, kRowExpectedDeparture) = DepartureAfter(row, expectedArrival);
    } else if (departure != 0) {
        // Marked drawn as well, or the next update would draw the departure anew.
        FieldRef(row, kRowExpectedArrival) = 0;
        FieldRef(row, kRowExpectedDeparture) = AddMinutesClamped(departure, departureDelay);
    }
}

int32_t Timetable::Delay(int32_t index, int32_t mode, int32_t addMinutes, int32_t side)
{
    const int32_t row = RowOf(index, mode);
    const bool arrival = mode == kArrivalMode || (mode == kRawRow && side == kArrivalSide);
    const int32_t expectedField = arrival ? kRowExpectedArrival : kRowExpectedDeparture;
    int32_t expected = Field(row, expectedField);
    if (expected == kNotDrawn) return 0;
    if (addMinutes != 0) {
        expected = AddMinutesClamped(expected, addMinutes);
        FieldRef(row, expectedField) = expected;
        // A train's rows arrive together.
        if (mode == kArrivalMode && Field(row, kRowArrivalLink) != 0) {
            const int32_t moved = expected;
            ForEachOtherMember(row, kRowArrivalLink,
                               [&](int32_t member) { FieldRef(member, kRowExpectedArrival) = moved; });
        }
    }
    const bool yesterdays = arrival && RowMarked(row, kMarkArrivalYesterday);
    return DelayMinutes(Field(row, arrival ? kRowArrival : kRowDeparture), expected, yesterdays);
}

bool Timetable::RowMarked(int32_t row, uint8_t mark) const
{
    return row >= 0 && static_cast<size_t>(row) < rowMarks_.size() && (rowMarks_[static_cast<size_t>(row)] & mark) != 0;
}

void Timetable::MarkRow(int32_t row, uint8_t mark, bool on)
{
    if (row < 0 || row >= rowCount_) return;
    if (static_cast<size_t>(row) >= rowMarks_.size()) {
        if (!on) return;
        rowMarks_.resize(static_cast<size_t>(rowCount_), 0);
    }
    uint8_t& marks = rowMarks_[static_cast<size_t>(row)];
    const uint8_t changed = static_cast<uint8_t>(on ? marks | mark : marks & ~mark);
    if (changed == marks) return;
    marks = changed;
    TimesChanged();
}

void Timetable::ForgetArrivalDay(int32_t row)
{
    MarkRow(row, kMarkArrivalYesterday, false);
    MarkRow(row, kMarkArrivedBeforeMidnight, false);
}

int32_t Timetable::AddOrRemoveRow(int32_t row, int32_t type, int32_t tile)
{
    if (type == kRemoveRow) {
        if (row < 0 || row >= rowCount_) return kRowRefused;
        for (int32_t r = row; r + 1 < rowCount_; ++r)
            for (int32_t f = 0; f < kRowFieldCount; ++f) FieldRef(r, f) = Field(r + 1, f);
        if (static_cast<size_t>(row) < rowMarks_.size()) rowMarks_.erase(rowMarks_.begin() + row);
        --rowCount_;
        // Not re-sorted: a caller walking an index keeps its place in it.
        DropFromIndexes(row, rowCount_ + 1);
        return kRowChanged;
    }
    // Only the room the reader left is used: a full table refuses rather than
    // overwrite its last row.
    if (rowCount_ >= static_cast<int32_t>(rows_.RowCount()) || type <= 0 || type >= kVehicleTypeSlots)
        return kRowRefused;
    const int32_t arrival = AddMinutesClamped(Field(row, kRowArrival), kLightEngineLag);
    const int32_t added = rowCount_++;
    for (int32_t f = 0; f < kRowFieldCount; ++f) FieldRef(added, f) = 0;
    if (static_cast<size_t>(added) < rowMarks_.size()) rowMarks_[static_cast<size_t>(added)] = 0;
    FieldRef(added, kRowState) = kStateLightEngine;
    FieldRef(added, kRowArrival) = arrival;
    FieldRef(added, kRowExpectedArrival) = arrival;
    FieldRef(added, kRowEntryTile) = tile;
    FieldRef(added, kRowArrivalUnits) = type * kNoUnitsBase;
    FieldRef(added, kRowArrivalCategory) = kLightEngineCategory;
    FieldRef(added, kRowExpectedDeparture) = kLightEngineDeparture;
    return kRowChanged;
}
