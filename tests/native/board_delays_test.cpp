// Delays as the dispatcher sees them: minutes behind the clock, countdowns in
// minutes, the expected delay at a departure, and the entry tiles.
#include <gtest/gtest.h>

#include "testowo_game.h"
#include "ui/board_delays.h"

namespace {

TEST(BoardDelays, MinutesBehindTheClockReachBackFourHoursAcrossMidnight)
{
    Game game;
    game.clock.Set(0, 20, 0);
    EXPECT_EQ(MinutesBehindClock(game, "23:50"), 30);
    EXPECT_EQ(MinutesBehindClock(game, "0:20"), 0);
    EXPECT_EQ(MinutesBehindClock(game, "0:25"), 0) << "ahead of the clock: a day back";
    EXPECT_EQ(MinutesBehindClock(game, "20:20"), 240);
    EXPECT_EQ(MinutesBehindClock(game, "20:19"), 0);
    for (const char* text : {"", "12", "x:10", "ab"}) EXPECT_EQ(MinutesBehindClock(game, text), 0) << text;
    EXPECT_EQ(MinutesBehindClock(game, nullptr), 0);
    EXPECT_EQ(MinutesBehindClock(game, "47:50"), 30) << "a damaged time still counts within a day";
    EXPECT_EQ(MinutesBehindClockAt(game, -2350), 30) << "yesterday's negated time";
    EXPECT_EQ(MinutesBehindClockAt(game, 2410), 10) << "a next-day time";
}

TEST(BoardDelays, CountdownsAreMinutesRoundedUpAtTheClocksStep)
{
    Game game;
    game.clock.Step(10);
    EXPECT_EQ(TicksToMinutesCeil(game, 6), 1);
    EXPECT_EQ(TicksToMinutesCeil(game, 7), 2);
    EXPECT_EQ(TicksToMinutesCeil(game, 0), 0);
    EXPECT_EQ(TicksToMinutesCeil(game, -5), 0);
    game.clock.Step(1);
    EXPECT_EQ(TicksToMinutesCeil(game, 61), 2);
    EXPECT_TRUE(IsArrivalOrDepartureKind(0) && IsArrivalOrDepartureKind(2) && IsArrivalOrDepartureKind(4));
    EXPECT_FALSE(IsArrivalOrDepartureKind(1) || IsArrivalOrDepartureKind(3) || IsArrivalOrDepartureKind(-1));
}

class DelaysOnTestowo : public RunningTestowoGame {
protected:
    void TearDown() override
    {
        gEntryTiles.clear();
        RunningTestowoGame::TearDown();
    }
};

TEST_F(DelaysOnTestowo, TheEntryTilesAreThoseOfTheEntriesAndLinesRowByRow)
{
    CollectEntryTiles(game);
    // The line's own numbers in its tile fields make tiles 1 and 2 its tiles too.
    EXPECT_EQ(gEntryTiles, (std::vector<TileCode>{1, 2, 401, 442}));
    CollectEntryTiles(Game());
    EXPECT_TRUE(gEntryTiles.empty());
}

TEST_F(DelaysOnTestowo, TheStopAbsorbsTheArrivalDelayUpToTheDrawnDepartureDelay)
{
    // Row 6 stops 15 minutes (5:30 to 5:45); 25 minutes late in, 20 drawn out.
    game.timetable.ExpectedTime(kTwArriving, kRawRow, kArrivalSide, 555);
    game.timetable.ExpectedTime(kTwArriving, kRawRow, kDepartureSide, 605);
    EXPECT_EQ(EntryDelayMinutes(game, kTwArriving, false), 10);
    game.timetable.ExpectedTime(kTwArriving, kRawRow, kArrivalSide, 540);  // 10 late: all absorbed
    EXPECT_EQ(EntryDelayMinutes(game, kTwArriving, false), 0);
    game.timetable.ExpectedTime(kTwArriving, kRawRow, kArrivalSide, 630);  // 60 late: the drawn 20 at most
    EXPECT_EQ(EntryDelayMinutes(game, kTwArriving, false), 20);
    // At 6:10 the expected 6:05 lies 5 minutes behind the clock.
    game.clock.Set(6, 10, 0);
    EXPECT_EQ(EntryDelayMinutes(game, kTwArriving, false), 25);
    // A train gone shows its drawn delay.
    game.timetable.TrainState(kTwArriving, kRawRow, -1);
    EXPECT_EQ(EntryDelayMinutes(game, kTwArriving, false), 20);
    EXPECT_EQ(EntryDelayMinutes(game, -1, false), 0);
    EXPECT_EQ(EntryDelayMinutes(game, -1, true), 0);
}

TEST_F(DelaysOnTestowo, BehindTheClockCountsTheScheduledTimeUntilOneIsDrawnAndNothingForNone)
{
    game.timetable.ExpectedTime(kTwArriving, kRawRow, kArrivalSide, kNotDrawn);
    game.clock.Set(5, 40, 0);
    EXPECT_EQ(MinutesBehindExpected(game, kTwArriving, kRawRow, kArrivalSide), 10);
    game.timetable.ExpectedTime(kTwArriving, kRawRow, kArrivalSide, 535);
    EXPECT_EQ(MinutesBehindExpected(game, kTwArriving, kRawRow, kArrivalSide), 5);
    // A row that starts here has no arrival, and 0:00 is no time behind 2:00.
    game.timetable.ScheduledTime(kTwCarOfEu07, kRawRow, kArrivalSide, 0);
    game.clock.Set(2, 0, 0);
    EXPECT_EQ(MinutesBehindExpected(game, kTwCarOfEu07, kRawRow, kArrivalSide), 0);
}

}  // namespace
