// HHMM arithmetic: minutes between times, adding with and without the wrap at
// midnight, the departure of a late train and a row's delay.
#include <gtest/gtest.h>

#include <cstdint>

#include "model/time_arithmetic.h"

namespace {

TEST(TimeArithmetic, MinutesOfATime)
{
    EXPECT_EQ(MinutesOf(1230), 750);
    EXPECT_EQ(MinutesOf(-1230), -750);
    EXPECT_EQ(MinutesOf(2410), 1450);
    EXPECT_EQ(HhmmToMinutes(-1230), 750);  // yesterday's 12:30 is still half past twelve
    EXPECT_EQ(HhmmToMinutes(0), 0);
}

TEST(TimeArithmetic, MinutesBetweenWrapsAtMidnight)
{
    EXPECT_EQ(MinutesBetween(2350, 10), 20);
    EXPECT_EQ(MinutesBetween(1000, 1000), 0);
    EXPECT_EQ(MinutesBetween(1000, 959), 1439);
    EXPECT_EQ(MinutesBetween(2350, 2410), 20);   // a next-day time is the same clock time
    EXPECT_EQ(MinutesBetween(-2350, 10), 20);    // so is a negated one
    EXPECT_EQ(MinutesBetween(2350, -10), 20);
}

TEST(TimeArithmetic, AddMinutesWrapStaysWithinTheDay)
{
    EXPECT_EQ(AddMinutesWrap(2359, 2), 1);
    EXPECT_EQ(AddMinutesWrap(2410, 2), 12);
    EXPECT_EQ(AddMinutesWrap(-2359, 2), 1);
    EXPECT_EQ(AddMinutesWrap(10, -20), 2350);
    EXPECT_EQ(AddMinutesWrap(1200, 3 * 1440 + 5), 1205);
}

TEST(TimeArithmetic, AddMinutesClampedRunsPastMidnightAndStopsAtZero)
{
    EXPECT_EQ(AddMinutesClamped(10, -45), 0);
    EXPECT_EQ(AddMinutesClamped(2350, 20), 2410);
    EXPECT_EQ(AddMinutesClamped(1230, -30), 1200);
    EXPECT_EQ(AddMinutesClamped(-2330, 30), 0);  // yesterday's time counts as before midnight
    EXPECT_EQ(AddMinutesClamped(1000, 0), 1000);
}

TEST(TimeArithmetic, LateDepartureTime)
{
    EXPECT_EQ(LateDepartureTime(1000, 1010, 1020), 1022);
    EXPECT_EQ(LateDepartureTime(1000, 1010, 1005), 1010);
    EXPECT_EQ(LateDepartureTime(1000, 1001, 1003), 1004);  // a dwell of 1 minute stays 1 minute
    EXPECT_EQ(LateDepartureTime(1000, 1010, 900), 1010);   // early: late counts as 0
    EXPECT_EQ(LateDepartureTime(1000, 1010, 1008), 1010);  // 8 + 2 is no more than the dwell
    EXPECT_EQ(LateDepartureTime(1000, 1010, 1009), 1011);
    EXPECT_EQ(LateDepartureTime(1000, 1000, 1030), 1030);  // no dwell: leaves as it comes
    EXPECT_EQ(LateDepartureTime(-1000, 1010, 1020), 1010);
    EXPECT_EQ(LateDepartureTime(1000, 1010, -100), 1010);  // not drawn yet
}

TEST(TimeArithmetic, LateDepartureAcrossMidnightKeepsTheNextDay)
{
    // While the clock still shows 23:xx the departure must not read as 00:xx
    // of today, which every board and index would put first.
    EXPECT_EQ(LateDepartureTime(2350, 2356, 2358), 2400);
    EXPECT_EQ(LateDepartureTime(2350, 2356, 2410), 2412);
    EXPECT_EQ(LateDepartureTime(2350, 2410, 2405), 2410);  // still within the dwell
}

TEST(TimeArithmetic, DelayMinutes)
{
    EXPECT_EQ(DelayMinutes(1000, 1012), 12);
    EXPECT_EQ(DelayMinutes(1000, 955), -5);
    EXPECT_EQ(DelayMinutes(2350, 2410), 20);
    EXPECT_EQ(DelayMinutes(0, 9999), 6039);  // a light engine's mark, far above any heavy delay
    // Yesterday's scheduled time against an expected time of today, however
    // far into the day, or of yesterday as the rollover marked it.
    EXPECT_EQ(DelayMinutes(-2355, 0), 5);
    EXPECT_EQ(DelayMinutes(-2300, 130), 150);
    EXPECT_EQ(DelayMinutes(-2330, 1200), 750);
    EXPECT_EQ(DelayMinutes(-2330, 2335, true), 5);
    EXPECT_EQ(DelayMinutes(-10, 5, true), -5);
}

TEST(TimeArithmetic, ExtremeValuesDoNotOverflow)
{
    for (int32_t t : {INT32_MIN, INT32_MIN + 1, -1, INT32_MAX}) {
        EXPECT_GE(MinutesBetween(t, 1000), 0);
        EXPECT_LT(MinutesBetween(1000, t), 1440);
        EXPECT_GE(AddMinutesWrap(t, INT32_MAX), 0);
        EXPECT_GE(AddMinutesClamped(t, INT32_MAX), 0);
        EXPECT_EQ(AddMinutesClamped(t, INT32_MIN), 0);
        EXPECT_GE(HhmmToMinutes(t), 0);
        DelayMinutes(t, INT32_MAX);
        DelayMinutes(INT32_MAX, t);
        LateDepartureTime(t, t, t);
    }
    EXPECT_EQ(AddMinutesClamped(INT32_MAX, INT32_MAX), INT32_MAX);
}

}  // namespace
