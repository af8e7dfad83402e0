#include <gtest/gtest.h>

#include "model/clock.h"

namespace {

// Ticks once and tells whether the midnight signal came.
bool TickSignalsMidnight(GameClock& clock)
{
    try {
        clock.Tick();
    } catch (int signal) {
        EXPECT_EQ(signal, GameClock::kMidnightSignal);
        return true;
    }
    return false;
}

TEST(GameClock, ConstructionAcceptsOrZeroes)
{
    GameClock valid(7, 45);
    EXPECT_EQ(valid.HHMM(), 745);
    EXPECT_EQ(valid.Step(0), 10);
    GameClock invalid(25, 10);
    EXPECT_EQ(invalid.HHMM(), 0);
    EXPECT_EQ(invalid.Seconds(), 0);
}

TEST(GameClock, SetRefusesOutOfRangeAndLeavesTheClock)
{
    GameClock clock(12, 30);
    EXPECT_EQ(clock.Set(24, 0, 0), 1);
    EXPECT_EQ(clock.HHMM(), 2400);
    EXPECT_EQ(clock.Set(25, 0, 0), 0);
    EXPECT_EQ(clock.Set(10, 60, 0), 0);
    EXPECT_EQ(clock.Set(-1, 0, 0), 0);
    EXPECT_EQ(clock.Set(10, -1, 0), 0);
    EXPECT_EQ(clock.HHMM(), 2400);
}

TEST(GameClock, StepAcceptsOnlyDivisorsOfSixty)
{
    GameClock clock;
    EXPECT_EQ(clock.Step(7), 10);
    EXPECT_EQ(clock.Step(60), 60);
    EXPECT_EQ(clock.Step(0), 60);
    EXPECT_EQ(clock.Step(-5), 60);
    EXPECT_EQ(clock.Step(1), 1);
    EXPECT_EQ(clock.Step(45), 10);
}

TEST(GameClock, TickCarriesSecondsIntoMinutesAndHours)
{
    GameClock clock;
    clock.Set(10, 59, 50);
    EXPECT_FALSE(TickSignalsMidnight(clock));
    EXPECT_EQ(clock.HHMM(), 1100);
    EXPECT_EQ(clock.Seconds(), 0);

    clock.Step(60);
    clock.Set(8, 15, 30);
    EXPECT_FALSE(TickSignalsMidnight(clock));
    EXPECT_EQ(clock.HHMM(), 816);
    EXPECT_EQ(clock.Seconds(), 30);
}

TEST(GameClock, MidnightWrapsAndSignals)
{
    GameClock clock;
    clock.Step(1);
    clock.Set(23, 59, 59);
    EXPECT_TRUE(TickSignalsMidnight(clock));
    EXPECT_EQ(clock.HHMM(), 0);
    EXPECT_EQ(clock.Seconds(), 0);
    EXPECT_FALSE(TickSignalsMidnight(clock));
    EXPECT_EQ(clock.Seconds(), 1);
}

TEST(GameClock, ClockSetPastMidnightSignalsAtItsNextTick)
{
    GameClock clock;
    clock.Step(10);
    clock.Set(24, 10, 0);
    EXPECT_TRUE(TickSignalsMidnight(clock));
    EXPECT_EQ(clock.HHMM(), 10);

    clock.Set(24, 10, 55);
    EXPECT_TRUE(TickSignalsMidnight(clock));
    EXPECT_EQ(clock.HHMM(), 11);
    EXPECT_EQ(clock.Seconds(), 5);
}

TEST(GameClock, FullDayAtOneSecondSignalsOnce)
{
    GameClock clock;
    clock.Step(1);
    int signals = 0;
    for (int i = 0; i < 24 * 3600; ++i) signals += TickSignalsMidnight(clock);
    EXPECT_EQ(signals, 1);
    EXPECT_EQ(clock.HHMM(), 0);
    EXPECT_EQ(clock.Seconds(), 0);
}

}  // namespace
