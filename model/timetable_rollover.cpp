// Timetable: the day rollover at midnight.
//
// Today's times become yesterday's (negated) and next-day times (2400 and
// more) become today's; a timetable without next-day times starts the day
// again, except for the trains still under way.
#include <cstdint>

#include "model/timetable.h"

namespace {

constexpr int32_t kHeldBeforeEntry = 2;  ///< train state of a train held back before its entry

int32_t Negated(int32_t t) { return t == INT32_MIN ? INT32_MAX : -t; }

bool UnderWay(int32_t trainState) { return trainState >= 1 && trainState <= 4; }

}  // namespace

bool Timetable::ArrivalMomentKept(int32_t row) const
{
    // Still arriving, standing in the station, and the moment it came (a
    // time of the next day) turns it only after midnight.
    const int32_t trainState = Field(row, kRowTrainState);
    return IsArrivingRole(Field(row, kRowState)) && (trainState == 1 || trainState == 3) &&
           AddMinutesClamped(Field(row, kRowExpectedArrival), -kRoleSwitchLag) >= kNextDay;
}

void Timetable::RollOverMidnight()
{
    const bool hadNextDay = HasTimesPastMidnight();
    MidnightShift();
    if (!hadNextDay) RearmDay();
}

bool Timetable::HasTimesPastMidnight() const
{
    // A light engine sent back late in the evening is no train of tomorrow's
    // timetable: it must not keep the day from starting again.
    for (int32_t r = 0; r < rowCount_; ++r)
        if (Field(r, kRowState) != kStateLightEngine &&
            (Field(r, kRowArrival) >= kNextDay || Field(r, kRowDeparture) >= kNextDay))
            return true;
    return false;
}

void Timetable::MidnightShift()
{
    for (int32_t r = 0; r < rowCount_; ++r) {
        const bool lightEngine = Field(r, kRowState) == kStateLightEngine;
        int32_t& arrival = FieldRef(r, kRowArrival);
        int32_t& expectedArrival = FieldRef(r, kRowExpectedArrival);
        const bool arrivedBeforeMidnight = ArrivalMomentKept(r);
        ForgetArrivalDay(r);
        if (arrival < kNextDay) {
            // A train held back before its entry is due at once, not at
            // yesterday's clock time a day later.
            if (Field(r, kRowTrainState) == kHeldBeforeEntry && expectedArrival >= 0 && expectedArrival < kNextDay)
                expectedArrival = 0;
            // Kept below 24:00 it is a clock time of yesterday, and so is a
            // moment of arrival kept for the role switch.
            const bool yesterdays = expectedArrival < kNextDay ? expectedArrival > 0 : arrivedBeforeMidnight;
            if (expectedArrival >= kNextDay) expectedArrival -= kNextDay;
            MarkRow(r, kMarkArrivalYesterday, yesterdays);
            arrival = Negated(arrival);
        } else {
            arrival -= kNextDay;
            // A light engine's times were set when it was sent: nothing to
            // draw. A train that reached its platform in the last minutes of
            // the day keeps that moment, as yesterday's clock time, for its
            // role switch.
            if ((lightEngine || arrivedBeforeMidnight) && expectedArrival >= kNextDay)
                expectedArrival -= kNextDay;
            else
                expectedArrival = kNotDrawn;
            // A new day's row: drawn and taken up anew.
            MarkRow(r, kMarkTakenUpWithoutClass, false);
            MarkRow(r, kMarkHeavyWithoutDeparture, false);
        }
        MarkRow(r, kMarkArrivedBeforeMidnight, arrivedBeforeMidnight);

        int32_t& departure = FieldRef(r, kRowDeparture);
        int32_t& expectedDeparture = FieldRef(r, kRowExpectedDeparture);
        if (departure < kNextDay) {
            // The mark of a light engine is no time and stays.
            if (!lightEngine || expectedDeparture != kLightEngineDeparture)
                expectedDeparture = expectedDeparture >= kNextDay ? expectedDeparture - kNextDay : 0;
            departure = Negated(departure);
        } else {
            departure -= kNextDay;
            expectedDeparture = kNotDrawn;
        }
    }
}

void Timetable::RearmDay()
{
    for (int32_t r = 0; r < rowCount_; ++r) {
        // A light engine runs once, and a train under way keeps yesterday's times.
        if (Field(r, kRowState) == kStateLightEngine || UnderWay(Field(r, kRowTrainState))) continue;
        int32_t& arrival = FieldRef(r, kRowArrival);
        int32_t& departure = FieldRef(r, kRowDeparture);
        if (arrival >= 0 && departure >= 0) continue;
        if (arrival < 0) arrival = Negated(arrival);
        if (departure < 0) departure = Negated(departure);
        FieldRef(r, kRowTrainState) = 0;
        FieldRef(r, kRowExpectedArrival) = kNotDrawn;
        FieldRef(r, kRowExpectedDeparture) = kNotDrawn;
        if (static_cast<size_t>(r) < rowMarks_.size()) rowMarks_[static_cast<size_t>(r)] = 0;
    }
}
