// Clock-time arithmetic on HHMM integers (hours x 100 + minutes), shared by the
// timetable and the simulation.
//
// A time of the next day carries 2400 more; after the midnight rollover
// yesterday's scheduled times are stored negated. Every function takes any
// 32-bit value without overflowing.
#pragma once

#include <cstdint>

constexpr int32_t kMinutesPerDay = 1440;
constexpr int32_t kNextDay = 2400;  ///< what a time of the next day carries more

// Hours x 60 + minutes of t, both truncated toward zero: negative for a negative t.
int32_t MinutesOf(int32_t t);
// Minutes of |t|: a negated time of yesterday counts as the same clock time.
int32_t HhmmToMinutes(int32_t t);
// From b's minutes of the day back to a's: 0..1439.
int32_t MinutesBetween(int32_t a, int32_t b);
// |t| plus minutes, wrapped into one day: 0000..2359.
int32_t AddMinutesWrap(int32_t t, int32_t minutes);
// t plus minutes without a wrap at 24:00 (2350 + 20 = 2410); a sum below 0 gives 0.
int32_t AddMinutesClamped(int32_t t, int32_t minutes);
// The expected departure of a train due at arrival, leaving at departure and
// arriving at expectedArrival: it stays at least min(dwell, 2) minutes.
int32_t LateDepartureTime(int32_t arrival, int32_t departure, int32_t expectedArrival);
// Expected minus scheduled in minutes, negative when early. A negated
// scheduled time is yesterday's; the expected time is today's, unless
// expectedYesterday says it is a clock time of yesterday as well.
int32_t DelayMinutes(int32_t scheduled, int32_t expected, bool expectedYesterday = false);
