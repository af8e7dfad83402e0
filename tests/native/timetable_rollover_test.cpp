// The day rollover at midnight: today's times become yesterday's, next-day
// times become today's, and a timetable without next-day times starts again.
#include <gtest/gtest.h>

#include <vector>

#include "model/timetable.h"
#include "roz_files.h"
#include "scripted_random.h"
#include "timetable_access.h"

namespace {

using Access = TimetableTestAccess;

// The four times of a row: arrival, expected arrival, departure, expected departure.
std::vector<int32_t> Times(Timetable& t, int32_t row)
{
    return {Access::Field(t, row, kRowArrival), Access::Field(t, row, kRowExpectedArrival),
            Access::Field(t, row, kRowDeparture), Access::Field(t, row, kRowExpectedDeparture)};
}

void SetExpected(Timetable& t, int32_t row, int32_t arrival, int32_t departure)
{
    Access::Field(t, row, kRowExpectedArrival) = arrival;
    Access::Field(t, row, kRowExpectedDeparture) = departure;
}

TEST(TimetableRollover, TodayBecomesYesterdayAndTomorrowToday)
{
    Timetable t = LoadRozRows({RozRow(5, 2330, 2345), RozRow(5, 2410, 2420), RozRow(1, 0, 2350),
                               RozRow(5, 2350, 2410), RozRow(5, 2340, 2350)});
    SetExpected(t, 0, 2335, 2350);
    SetExpected(t, 2, 0, 2352);
    SetExpected(t, 3, 2355, 2412);
    SetExpected(t, 4, 2340, 2401);
    ASSERT_TRUE(t.HasTimesPastMidnight());
    t.RollOverMidnight();
    EXPECT_EQ(Times(t, 0), (std::vector<int32_t>{-2330, 2335, -2345, 0}));
    EXPECT_EQ(Times(t, 1), (std::vector<int32_t>{10, kNotDrawn, 20, kNotDrawn}));
    EXPECT_EQ(Times(t, 2), (std::vector<int32_t>{0, 0, -2350, 0}));
    EXPECT_EQ(Times(t, 3), (std::vector<int32_t>{-2350, 2355, 10, kNotDrawn}));
    EXPECT_EQ(Times(t, 4), (std::vector<int32_t>{-2340, 2340, -2350, 1}));
    EXPECT_FALSE(t.HasTimesPastMidnight());

    // Yesterday's arrival kept its clock time: the delay is still 5 minutes;
    // a departure that slipped past midnight was 11 minutes late.
    EXPECT_EQ(t.Delay(0, kRawRow, 0, kArrivalSide), 5);
    EXPECT_EQ(t.Delay(4, kRawRow, 0, kDepartureSide), 11);
    // An expected arrival written today is today's, however late in the day:
    // 12:00 is twelve and a half hours after 23:30.
    t.ExpectedTime(0, kRawRow, kArrivalSide, 1200);
    EXPECT_EQ(t.Delay(0, kRawRow, 0, kArrivalSide), 750);

    // The next update draws tomorrow's train, now today's.
    ScriptedRandom random({100});
    t.Update(0);
    EXPECT_TRUE(random.AllUsed());
    EXPECT_EQ(Times(t, 1), (std::vector<int32_t>{10, 10, 20, 20}));

    // A second shift brings yesterday's times back as they were.
    t.MidnightShift();
    EXPECT_EQ(Access::Field(t, 0, kRowArrival), 2330);
    EXPECT_EQ(Access::Field(t, 2, kRowArrival), 0);
}

TEST(TimetableRollover, ADayWithoutNextDayTimesStartsAgainSaveTrainsUnderWay)
{
    const int32_t trainStates[] = {0, -1, 5, 1, 2, 3, 4};
    std::vector<std::string> rows;
    for (int i = 0; i < 7; ++i) rows.push_back(RozRow(5, 1000 + i, 1010 + i));
    Timetable t = LoadRozRows(rows);
    for (int32_t r = 0; r < 7; ++r) {
        t.TrainState(r, kRawRow, trainStates[r]);
        t.ApplyDelays(r, 5, 0);
    }
    ASSERT_FALSE(t.HasTimesPastMidnight());
    t.RollOverMidnight();
    for (int32_t r = 0; r < 7; ++r) {
        SCOPED_TRACE(trainStates[r]);
        const bool underWay = trainStates[r] >= 1 && trainStates[r] <= 4;
        if (underWay) {
            EXPECT_EQ(t.TrainState(r, kRawRow), trainStates[r]);
            const int32_t expectedArrival = trainStates[r] == 2 ? 0 : 1005 + r;  // held: due now
            EXPECT_EQ(Times(t, r), (std::vector<int32_t>{-(1000 + r), expectedArrival, -(1010 + r), 0}));
        } else {
            EXPECT_EQ(t.TrainState(r, kRawRow), 0);
            EXPECT_EQ(Times(t, r), (std::vector<int32_t>{1000 + r, kNotDrawn, 1010 + r, kNotDrawn}));
        }
    }
}

TEST(TimetableRollover, ATrainHeldAtItsEntryStaysDue)
{
    Timetable t = LoadRozRows({RozRow(5, 2350, 2355), RozRow(5, 2340, 2345)});
    SetExpected(t, 0, 2359, 2401);
    t.TrainState(0, kRawRow, 2);  // held back before the entry
    SetExpected(t, 1, 2345, 2347);
    t.TrainState(1, kRawRow, 1);  // stands at the station
    t.RollOverMidnight();
    // Not at 23:59 of the new day, but now.
    EXPECT_EQ(Times(t, 0), (std::vector<int32_t>{-2350, 0, -2355, 1}));
    EXPECT_EQ(t.Delay(0, kRawRow, 0, kArrivalSide), 10);
    EXPECT_EQ(t.Delay(0, kRawRow, 0, kDepartureSide), 6);
    // A train that has arrived keeps yesterday's arrival.
    EXPECT_EQ(Times(t, 1), (std::vector<int32_t>{-2340, 2345, -2345, 0}));
}

TEST(TimetableRollover, ALateDepartureJustBeforeMidnightLeavesAfterIt)
{
    Timetable t = LoadRozRows({RozRow(5, 2350, 2356), RozRow(5, 2340, 2359)});
    ScriptedRandom random({5, 0, 7, 100});  // row 0: 8 minutes late; row 1 on time
    t.Update(2330);
    ASSERT_TRUE(random.AllUsed());
    EXPECT_EQ(Access::Field(t, 0, kRowExpectedArrival), 2358);
    EXPECT_EQ(Access::Field(t, 0, kRowExpectedDeparture), 2400);
    EXPECT_EQ(t.IndexRow(1, kDepartureMode, false), 0);  // after the 23:59 departure
    EXPECT_EQ(t.Delay(0, kRawRow, 0, kDepartureSide), 4);
    t.TrainState(0, kRawRow, 1);  // at the platform over midnight
    t.RollOverMidnight();
    EXPECT_EQ(Access::Field(t, 0, kRowExpectedDeparture), 0);
    EXPECT_EQ(t.Delay(0, kRawRow, 0, kDepartureSide), 4);
}

TEST(TimetableRollover, ALightEngineKeepsItsTimesAndItsMark)
{
    Timetable t = LoadRozRows({RozRow(5, 2350, 2355)});
    ASSERT_EQ(t.AddOrRemoveRow(0, 12, 305), kRowChanged);  // back at 24:20
    // The light engine is no next-day train: the day still starts again.
    EXPECT_FALSE(t.HasTimesPastMidnight());
    t.RollOverMidnight();
    EXPECT_EQ(Times(t, 1), (std::vector<int32_t>{20, 20, 0, kLightEngineDeparture}));
    EXPECT_EQ(Times(t, 0), (std::vector<int32_t>{2350, kNotDrawn, 2355, kNotDrawn}));
    ScriptedRandom random;
    t.Update(0);
    EXPECT_EQ(random.Used(), 0u);  // nothing to draw for the light engine

    // One sent back today keeps its mark over midnight too, and runs only once.
    Timetable today = LoadRozRows({RozRow(5, 2200, 2205)});
    ASSERT_EQ(today.AddOrRemoveRow(0, 12, 305), kRowChanged);
    today.RollOverMidnight();
    EXPECT_EQ(Times(today, 1), (std::vector<int32_t>{-2230, 2230, 0, kLightEngineDeparture}));
}

}  // namespace
