// Clock-time arithmetic on HHMM integers, worked in 64 bits so that no value
// from a damaged file can overflow it.
#include "model/time_arithmetic.h"

#include <algorithm>

namespace {

constexpr int32_t kLongestDelay = kMinutesPerDay / 2;  ///< a later arrival counts as an early one

int64_t Minutes64(int64_t t) { return (t / 100) * 60 + t % 100; }

int64_t MinuteOfDay(int32_t t) { return HhmmToMinutes(t) % kMinutesPerDay; }

// m brought into 0..1439.
int64_t WrapDay(int64_t m)
{
    const int64_t r = m % kMinutesPerDay;
    return r < 0 ? r + kMinutesPerDay : r;
}

int32_t Saturate(int64_t v) { return static_cast<int32_t>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX)); }

// HHMM of a non-negative number of minutes; hours run on past 23.
int32_t ToHhmm(int64_t minutes) { return Saturate(minutes / 60 * 100 + minutes % 60); }

}  // namespace

int32_t MinutesOf(int32_t t) { return static_cast<int32_t>(Minutes64(t)); }

int32_t HhmmToMinutes(int32_t t) { return static_cast<int32_t>(Minutes64(t < 0 ? -static_cast<int64_t>(t) : t)); }

int32_t MinutesBetween(int32_t a, int32_t b) { return static_cast<int32_t>(WrapDay(MinuteOfDay(b) - MinuteOfDay(a))); }

int32_t AddMinutesWrap(int32_t t, int32_t minutes) { return ToHhmm(WrapDay(MinuteOfDay(t) + minutes)); }

int32_t AddMinutesClamped(int32_t t, int32_t minutes)
{
    return ToHhmm(std::max<int64_t>(Minutes64(t) + minutes, 0));
}

int32_t LateDepartureTime(int32_t arrival, int32_t departure, int32_t expectedArrival)
{
    if (arrival < 0 || departure < 0 || expectedArrival < 0) return departure;
    const int32_t dwell = MinutesBetween(arrival, departure);
    int32_t late = MinutesBetween(arrival, expectedArrival);
    if (late > kLongestDelay) late = 0;  // the train is early
    const int32_t k = std::min(dwell, 2);
    if (late + k <= dwell) return departure;
    // It leaves k minutes after it arrives, on the day it arrives: a departure
    // that slips past midnight carries 2400 like every other next-day time.
    return AddMinutesClamped(expectedArrival, k);
}

int32_t DelayMinutes(int32_t scheduled, int32_t expected, bool expectedYesterday)
{
    if (scheduled >= 0) return Saturate(Minutes64(expected) - Minutes64(scheduled));
    // Yesterday's scheduled time, counted back from today's midnight when
    // the expected time is today's.
    const int64_t back = expectedYesterday ? 0 : kMinutesPerDay;
    return Saturate(Minutes64(expected) + back - MinuteOfDay(scheduled));
}
