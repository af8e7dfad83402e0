// The timetable update and its delay draw, real delays, a row's delay and the
// light-engine rows. Draws come from a script (ScriptedRandom), so each test
// fixes the outcome and sees the order and number of draws.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <vector>

#include "model/timetable.h"
#include "roz_files.h"
#include "scripted_random.h"
#include "timetable_access.h"

namespace {

using Access = TimetableTestAccess;

// A category number of each class 0..5 in the default table.
constexpr std::array<int, kCategoryClassCount> kCategoryOfClass = {1, 2, 4, 6, 0, 7};
// Early running is drawn as 0 .. M-1 minutes.
constexpr std::array<int, kCategoryClassCount> kEarlyRange = {3, 6, 11, 11, 6, 15};

int32_t ExpectedArrival(Timetable& t, int32_t row) { return Access::Field(t, row, kRowExpectedArrival); }
int32_t ExpectedDeparture(Timetable& t, int32_t row) { return Access::Field(t, row, kRowExpectedDeparture); }

// One train of the class, in state 5 (it does not turn round here).
Timetable OneTrain(int cls, int state = 5, int arrival = 1000, int departure = 1010)
{
    return LoadRozRows({RozRowOfCategory(kCategoryOfClass[static_cast<size_t>(cls)], state, arrival, departure)},
                       "update.roz");
}

int32_t Chance(Timetable& t, int cls, int32_t sign) { return t.DelayChance(cls, sign); }

TEST(TimetableUpdate, DrawsOnceTheLookAheadReachesTheArrival)
{
    ScriptedRandom random({100, 100});
    Timetable t = LoadRozRows({RozRow(5, 1030, 1035)});
    EXPECT_EQ(t.Update(944), 0);
    EXPECT_EQ(random.Used(), 0u);
    EXPECT_EQ(ExpectedArrival(t, 0), kNotDrawn);
    EXPECT_EQ(t.Update(945), 0);
    EXPECT_EQ(random.Used(), 1u);
    EXPECT_EQ(ExpectedArrival(t, 0), 1030);
    EXPECT_EQ(ExpectedDeparture(t, 0), 1035);
    t.Update(1030);
    EXPECT_EQ(random.Used(), 1u);  // drawn once a day

    Timetable later = LoadRozRows({RozRow(5, 1030, 1035)});
    later.LookAhead(20);
    later.Update(1009);
    EXPECT_EQ(random.Used(), 1u);
    later.Update(1010);
    EXPECT_EQ(random.Used(), 2u);
}

TEST(TimetableUpdate, EarlyMorningAndDepartureOnlyRowsAreDrawnAtOnce)
{
    ScriptedRandom random({100, 100});
    Timetable t = LoadRozRows({RozRow(5, 10, 20), RozRow(1, 0, 1400), RozRow(5, 1200, 1210)});
    t.Update(0);
    EXPECT_EQ(random.Used(), 2u);
    EXPECT_EQ(ExpectedArrival(t, 0), 10);
    EXPECT_EQ(ExpectedArrival(t, 1), 0);
    EXPECT_EQ(ExpectedDeparture(t, 1), 1400);
    EXPECT_EQ(ExpectedArrival(t, 2), kNotDrawn);
}

TEST(TimetableUpdate, TrainsNotAdmittedAreNeverDrawn)
{
    ScriptedRandom random;
    Timetable t = LoadRozRows({RozRow(3, 1000, 1010), RozRow(4, 1000, 1010)});
    EXPECT_EQ(t.Update(1200), 0);
    EXPECT_EQ(random.Used(), 0u);
    EXPECT_EQ(ExpectedArrival(t, 0), kNotDrawn);
    EXPECT_EQ(ExpectedArrival(t, 1), kNotDrawn);
}

TEST(TimetableUpdate, EarlyTrainsOfEveryClass)
{
    for (int cls = 0; cls < kCategoryClassCount; ++cls) {
        SCOPED_TRACE(cls);
        const int range = kEarlyRange[static_cast<size_t>(cls)];
        Timetable t = OneTrain(cls);
        // The last value below the early chance, then the widest early running.
        ScriptedRandom random({Chance(t, cls, kDelayEarly) - 1, 7 * range + range - 1});
        EXPECT_EQ(t.Update(1000), 1);
        EXPECT_TRUE(random.AllUsed());
        EXPECT_EQ(ExpectedArrival(t, 0), AddMinutesClamped(1000, -(range - 1)));
        EXPECT_EQ(ExpectedDeparture(t, 0), 1010);
    }
    // Early by nothing still counts as a change.
    Timetable t = OneTrain(1);
    ScriptedRandom random({0, 0});
    EXPECT_EQ(t.Update(1000), 1);
    EXPECT_EQ(ExpectedArrival(t, 0), 1000);
}

TEST(TimetableUpdate, LateTrainsFallIntoBands)
{
    struct Case {
        int bandDraw;  // p = bandDraw % 100 + 1
        int minuteDraw;
        int32_t minutes;
    };
    const Case cases[] = {
        {48, 0, 1},    {48, 1009, 10},  // p 49: 1..10
        {49, 0, 11},   {68, 19, 30},    // p 50..69: 11..30
        {69, 0, 31},   {83, 29, 60},    // p 70..84: 31..60
        {84, 0, 61},   {93, 29, 90},    // p 85..94: 61..90
        {94, 0, 91},   {199, 29, 120},  // p 95..100: 91..120
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.minutes);
        Timetable t = OneTrain(1);
        const int lowest = Chance(t, 1, kDelayEarly);
        const int highest = lowest + Chance(t, 1, kDelayLate) - 1;
        for (int rnd : {lowest, highest}) {
            Timetable late = OneTrain(1);
            ScriptedRandom random({rnd, c.bandDraw, c.minuteDraw});
            EXPECT_EQ(late.Update(1000), 1);
            EXPECT_TRUE(random.AllUsed());
            const int32_t arrival = AddMinutesClamped(1000, c.minutes);
            EXPECT_EQ(ExpectedArrival(late, 0), arrival);
            EXPECT_EQ(ExpectedDeparture(late, 0), LateDepartureTime(1000, 1010, arrival));
        }
    }
}

TEST(TimetableUpdate, SuburbanTrainsRunLateAndHeavyByMinutesOnly)
{
    Timetable late = OneTrain(0);
    const int early = Chance(late, 0, kDelayEarly);
    const int lateChance = Chance(late, 0, kDelayLate);
    ScriptedRandom random({early, 94, 29, 14});  // the widest band, then the suburban draw
    EXPECT_EQ(late.Update(1000), 1);
    EXPECT_TRUE(random.AllUsed());
    EXPECT_EQ(ExpectedArrival(late, 0), 1004);

    Timetable heavy = OneTrain(0);
    random.Script({early + lateChance, 19});
    EXPECT_EQ(heavy.Update(1000), 1);
    EXPECT_TRUE(random.AllUsed());
    EXPECT_EQ(ExpectedArrival(heavy, 0), 1009);
    EXPECT_EQ(ExpectedDeparture(heavy, 0), 1049);  // 9 + 30 minutes
}

TEST(TimetableUpdate, HeavyDelaysOfTheOtherClasses)
{
    for (int cls = 1; cls < kCategoryClassCount; ++cls) {
        SCOPED_TRACE(cls);
        Timetable t = OneTrain(cls);
        ScriptedRandom random({Chance(t, cls, kDelayEarly) + Chance(t, cls, kDelayLate), 39});
        EXPECT_EQ(t.Update(1000), 1);
        EXPECT_TRUE(random.AllUsed());
        EXPECT_EQ(ExpectedArrival(t, 0), 1219);    // 139 minutes
        EXPECT_EQ(ExpectedDeparture(t, 0), 1259);  // 169 minutes
    }
}

TEST(TimetableUpdate, ExpressChancesSplitTheHundredAndOneValues)
{
    // Express trains: 10 early, 10 late; the value right after them is the heavy delay.
    struct Case {
        int rnd;
        size_t draws;
        int32_t result;
    };
    const Case cases[] = {{0, 2, 1}, {9, 2, 1}, {10, 3, 1}, {19, 3, 1}, {20, 2, 1}, {21, 1, 0}, {100, 1, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rnd);
        Timetable t = OneTrain(kClassExpress);
        ScriptedRandom random({c.rnd, 0, 0, 0});
        EXPECT_EQ(t.Update(1000), c.result);
        EXPECT_EQ(random.Used(), c.draws);
    }
}

TEST(TimetableUpdate, ChancesAtTheEndsOfTheirRangeDrawSoundly)
{
    // Whatever the chances hold, their sum does not wrap: a late chance of
    // the largest value makes every train past the early ones late, early
    // and late chances of the smallest values leave it on time.
    struct Case {
        int32_t early, late;
        int32_t expectedArrival;
    };
    const Case cases[] = {{10, INT32_MAX, 1002}, {INT32_MIN, -1, 1000}, {INT32_MAX, INT32_MAX, 959}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.late);
        Timetable t = OneTrain(kClassStopping);
        t.DelayChance(kClassStopping, kDelayEarly, c.early);
        t.DelayChance(kClassStopping, kDelayLate, c.late);
        ScriptedRandom random({50, 1, 1, 1, 1});
        t.Update(1000);
        EXPECT_EQ(ExpectedArrival(t, 0), c.expectedArrival);
    }
}

TEST(TimetableUpdate, OnTimeAndWithoutRandomDelaysTheScheduleHolds)
{
    Timetable onTime = OneTrain(2);
    ScriptedRandom random({100});
    EXPECT_EQ(onTime.Update(1000), 0);
    EXPECT_EQ(ExpectedArrival(onTime, 0), 1000);
    EXPECT_EQ(ExpectedDeparture(onTime, 0), 1010);

    Timetable off = OneTrain(2);
    off.SetRandomDelays(false);
    random.Script({0});  // would be early
    EXPECT_EQ(off.Update(1000), 0);
    EXPECT_TRUE(random.AllUsed());
    EXPECT_EQ(ExpectedArrival(off, 0), 1000);
    EXPECT_EQ(ExpectedDeparture(off, 0), 1010);
}

TEST(TimetableUpdate, ATrainThatTurnsRoundNeedsItsTimeAtThePlatform)
{
    // 25 minutes late: band p = 50, 14 % 20 + 11.
    Timetable turning = OneTrain(1, kStateArriving, 1000, 1015);
    ScriptedRandom random({5, 49, 14});
    turning.Update(1000);
    EXPECT_EQ(ExpectedArrival(turning, 0), 1025);
    EXPECT_EQ(ExpectedDeparture(turning, 0), 1035);  // arrival plus 10, not the dwell

    Timetable early = OneTrain(1, kStateArriving, 1000, 1030);
    random.Script({5, 0, 4});  // 5 minutes late: ready at 10:15, leaves on time
    early.Update(1000);
    EXPECT_EQ(ExpectedDeparture(early, 0), 1030);

    Timetable through = OneTrain(1, 5, 1000, 1015);
    random.Script({5, 49, 14});
    through.Update(1000);
    EXPECT_EQ(ExpectedDeparture(through, 0), 1027);  // keeps the 2 minutes of its dwell
}

TEST(TimetableUpdate, AnUndefinedCategoryWaitsForTheNextUpdate)
{
    Timetable t = LoadRozRows({RozRowOfCategory(9, 5, 1000, 1010, 0, 0)});
    ScriptedRandom random({0, 0});
    EXPECT_EQ(t.Update(1000), 0);
    EXPECT_EQ(random.Used(), 1u);
    EXPECT_EQ(ExpectedArrival(t, 0), kNotDrawn);
    EXPECT_EQ(ExpectedDeparture(t, 0), kNotDrawn);
    EXPECT_EQ(t.ExpectedTime(0, kRawRow, kArrivalSide), 1000);  // queries read the schedule
    t.Update(1000);
    EXPECT_EQ(random.Used(), 2u);
}

TEST(TimetableUpdate, ASideTheRowLacksGetsNoExpectedTime)
{
    Timetable t = LoadRozRows({RozRow(5, 1000, 0), RozRow(1, 0, 1400), RozRow(0, 1000, 0)});
    // Heavy, heavy, then 25 minutes late where the turnaround rule would give 10:35.
    ScriptedRandom random({25, 39, 25, 39, 5, 49, 14});
    EXPECT_EQ(t.Update(1000), 1);
    EXPECT_TRUE(random.AllUsed());
    EXPECT_EQ(ExpectedArrival(t, 0), 1219);
    EXPECT_EQ(ExpectedDeparture(t, 0), 0);
    EXPECT_EQ(ExpectedArrival(t, 1), 0);
    EXPECT_EQ(ExpectedDeparture(t, 1), 1649);
    EXPECT_EQ(ExpectedArrival(t, 2), 1025);
    EXPECT_EQ(ExpectedDeparture(t, 2), 0);
    t.Update(1100);
    EXPECT_EQ(random.Used(), 7u);  // all drawn, none again
}

TEST(TimetableUpdate, AnArrivalListSharesItsExpectedArrival)
{
    // Row 0 heads the list 0 -> 1 -> 0; 10 minutes late.
    Timetable t = LoadRozRows({RozRow(5, 1000, 1005, 11), RozRow(5, 1000, 1030, 2)});
    ScriptedRandom random({5, 0, 9});
    EXPECT_EQ(t.Update(1000), 1);
    EXPECT_TRUE(random.AllUsed());  // row 1 was drawn with its head
    EXPECT_EQ(ExpectedArrival(t, 0), 1010);
    EXPECT_EQ(ExpectedDeparture(t, 0), 1012);
    EXPECT_EQ(ExpectedArrival(t, 1), 1010);
    EXPECT_EQ(ExpectedDeparture(t, 1), 1030);

    // Drawn from a member: the walk stops at the head, row 1.
    Timetable member = LoadRozRows({RozRowOfCategory(2, kStateArriving, 1000, 1005, 12), RozRow(5, 1000, 1008, 1)});
    random.Script({5, 0, 9});
    member.Update(1000);
    EXPECT_TRUE(random.AllUsed());
    EXPECT_EQ(ExpectedArrival(member, 1), 1010);
    EXPECT_EQ(ExpectedDeparture(member, 1), 1012);
    EXPECT_EQ(ExpectedDeparture(member, 0), 1020);  // its own turnaround stays
}

TEST(TimetableUpdate, ADepartureListLeavesWithItsLatestMember)
{
    Timetable t = LoadRozRows({RozRow(5, 1000, 1010, 0, 11), RozRow(5, 1000, 1010, 0, 2)});
    ScriptedRandom random({25, 39, 100});  // row 0 heavy, row 1 on time
    EXPECT_EQ(t.Update(1000), 1);
    EXPECT_TRUE(random.AllUsed());
    EXPECT_EQ(ExpectedArrival(t, 1), 1000);
    EXPECT_EQ(ExpectedDeparture(t, 0), 1259);
    EXPECT_EQ(ExpectedDeparture(t, 1), 1259);
}

TEST(TimetableUpdate, BrokenListsStillEnd)
{
    Timetable t = LoadRozRows({RozRow(5, 1000, 1010, 11, 11), RozRow(5, 1000, 1010, 2, 2)});
    // No head in the arrival list, and a departure list that never comes back.
    Access::Field(t, 0, kRowArrivalLink) = 12;
    Access::Field(t, 1, kRowDepartureLink) = 12;
    ScriptedRandom random({5, 0, 9, 100});
    t.Update(1000);
    EXPECT_EQ(ExpectedArrival(t, 0), 1010);
    EXPECT_EQ(ExpectedArrival(t, 1), 1010);
}

TEST(TimetableUpdate, ATestGameDrawsNothingButReordersTheIndexes)
{
    Timetable t = LoadRozRows({RozRow(5, 1000, 1010), RozRow(5, 1001, 1011)});
    t.SetTestGame(true);
    ScriptedRandom random;
    t.ExpectedTime(0, kRawRow, kDepartureSide, 1020);
    EXPECT_EQ(t.Update(1000), 0);
    EXPECT_EQ(random.Used(), 0u);
    EXPECT_EQ(ExpectedArrival(t, 0), kNotDrawn);
    EXPECT_EQ(t.IndexRow(0, kDepartureMode, false), 1);
}

class DrawnUnits : public testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(t.LoadRoz(TimetableFixture("drawn_units.roz").c_str(), pictures), 600); }

    int32_t Type(int32_t unit) { return Access::Unit(t, unit, kUnitType); }
    int32_t Previous(int32_t unit) { return Access::Unit(t, unit, kUnitPreviousType); }

    Timetable t;
    PictureNameTable pictures{};
};

TEST_F(DrawnUnits, UnitTypesAreDrawnFromThePercentTable)
{
    t.SetTypeOverride(3, 2, 1);  // row 3's unit was changed by the player
    ScriptedRandom random({
        100,          // row 0: its unit's type is given
        100, 50, 0,   // row 1: both units drawn: 50 % gives type 2, percent row 2 type 3
        100,          // row 2: the first unit is not drawn, so neither is the second
        100,          // row 3: overridden
        100, 100,     // row 4: no running sum exceeds 100, the type stays
    });
    t.Update(1000);
    EXPECT_TRUE(random.AllUsed());
    EXPECT_EQ(Type(1), 2);
    EXPECT_EQ(Previous(1), 1);
    EXPECT_EQ(Type(2), 3);
    EXPECT_EQ(Previous(2), 2);
    EXPECT_EQ(Type(4), 1);
    EXPECT_EQ(Previous(4), 0);
    EXPECT_EQ(Type(6), 3);
    EXPECT_EQ(Previous(6), 0);
    EXPECT_EQ(t.LocoType(1, kRawRow), -2003);
}

TEST_F(DrawnUnits, ARowWithoutAClassDrawsItsUnitsOnceWhileItsTimesWait)
{
    Access::Field(t, 1, kRowArrivalCategory) = 9;
    ASSERT_LT(t.CategoryClass(9), 0);
    t.SetTypeOverride(3, 2, 1);
    ScriptedRandom random({100, 100, 50, 0, 100, 100, 100, 100});  // as when row 1 has a class
    t.Update(1000);
    EXPECT_TRUE(random.AllUsed());
    EXPECT_EQ(Type(1), 2);
    EXPECT_EQ(Type(2), 3);
    EXPECT_EQ(Access::Field(t, 1, kRowExpectedArrival), kNotDrawn);
    // Taken up again by every update, it draws no unit type again.
    random.Script({100});
    t.Update(1000);
    EXPECT_TRUE(random.AllUsed());
    EXPECT_EQ(Previous(1), 1);
}

TEST_F(DrawnUnits, TheFirstRunningSumAboveTheDrawPicksTheType)
{
    // Percent row 1: 50, 30, 20.
    const int32_t cases[][2] = {{0, 1}, {49, 1}, {50, 2}, {79, 2}, {80, 3}, {99, 3}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c[0]);
        Timetable fresh;
        fresh.LoadRoz(TimetableFixture("drawn_units.roz").c_str(), pictures);
        ScriptedRandom random({100, 100, c[0], 0});
        fresh.Update(1000);
        EXPECT_EQ(Access::Unit(fresh, 1, kUnitType), c[1]);
    }
}

TEST_F(DrawnUnits, ReferenceMinusThousandDrawsUnitsOneAndZero)
{
    Access::Field(t, 0, kRowArrivalUnits) = -1000;
    Access::Unit(t, 0, kUnitArrivalRow) = -9;
    Access::Unit(t, 0, kUnitPercentRow) = 2;
    for (int32_t row = 1; row < t.TrainCount(); ++row) Access::Field(t, row, kRowArrival) = 1200;
    ScriptedRandom random({100, 0, 0});
    t.Update(915);
    EXPECT_TRUE(random.AllUsed());
    EXPECT_EQ(Type(1), 1);
    EXPECT_EQ(Previous(1), 1);
    EXPECT_EQ(Type(0), 3);
    EXPECT_EQ(Previous(0), 1);
}

TEST(TimetableDelays, RealDelaysSetTheExpectedTimes)
{
    Timetable t =
        LoadRozRows({RozRow(5, 1000, 1010), RozRow(0, 1000, 1010), RozRow(1, 0, 1400), RozRow(5, 1000, 0)});
    t.ApplyDelays(0, 15, 99);
    EXPECT_EQ(ExpectedArrival(t, 0), 1015);
    EXPECT_EQ(ExpectedDeparture(t, 0), 1017);  // from the arrival: the departure delay is not used
    t.ApplyDelays(1, 15, 0);
    EXPECT_EQ(ExpectedDeparture(t, 1), 1025);  // turns round
    t.ApplyDelays(2, 99, 7);
    EXPECT_EQ(ExpectedArrival(t, 2), 0);
    EXPECT_EQ(ExpectedDeparture(t, 2), 1407);
    t.ApplyDelays(3, 5, 5);
    EXPECT_EQ(ExpectedArrival(t, 3), 1005);
    EXPECT_EQ(ExpectedDeparture(t, 3), kNotDrawn);
    t.ApplyDelays(4, 5, 5);
    t.ApplyDelays(-1, 5, 5);
    EXPECT_EQ(ExpectedArrival(t, 3), 1005);

    // Real delays drive the game: the update keeps them.
    t.SetRandomDelays(false);
    ScriptedRandom random;
    t.Update(1200);
    EXPECT_EQ(random.Used(), 0u);
    EXPECT_EQ(ExpectedDeparture(t, 2), 1407);
}

TEST(TimetableDelays, DelayReadsAndMovesAnExpectedTime)
{
    Timetable t = LoadRozRows({RozRow(5, 1000, 1010, 11), RozRow(5, 1000, 1010, 2), RozRow(5, 1100, 1110)});
    EXPECT_EQ(t.Delay(2, kRawRow, 5, kArrivalSide), 0);  // not drawn: nothing moves
    EXPECT_EQ(ExpectedArrival(t, 2), kNotDrawn);

    t.ApplyDelays(0, 10, 0);
    t.ApplyDelays(1, 10, 0);
    t.ApplyDelays(2, -5, 0);
    t.BuildIndex(kArrivalMode);
    t.BuildIndex(kDepartureMode);
    EXPECT_EQ(t.Delay(0, kRawRow, 0, kArrivalSide), 10);
    EXPECT_EQ(t.Delay(0, kRawRow, 0, kDepartureSide), 2);
    EXPECT_EQ(t.Delay(2, kRawRow, 0, kArrivalSide), -5);

    // Held back at the entry: the train's rows arrive together.
    ASSERT_EQ(t.IndexRow(0, kArrivalMode, false), 0);
    EXPECT_EQ(t.Delay(0, kArrivalMode, 5, kDepartureSide), 15);
    EXPECT_EQ(ExpectedArrival(t, 1), 1015);
    EXPECT_EQ(t.Delay(1, kRawRow, 3, kArrivalSide), 18);
    EXPECT_EQ(ExpectedArrival(t, 0), 1015);  // a raw row moves alone

    // Any other mode takes the departure index and the departure pair.
    ASSERT_EQ(t.IndexRow(0, kDepartureMode, false), 0);
    EXPECT_EQ(t.Delay(0, kDepartureMode, 0, kArrivalSide), 2);
}

TEST(TimetableLightEngines, AppendedBehindTheRowsAndRemovedAgain)
{
    std::vector<std::string> rows;
    for (int i = 0; i < 40; ++i) rows.push_back(RozRow(5, 600 + i, 700 + i));
    Timetable t = LoadRozRows(rows);
    EXPECT_EQ(t.AddOrRemoveRow(5, 12, 305), kRowChanged);
    ASSERT_EQ(t.TrainCount(), 41);
    const int32_t expected[kRowFieldCount] = {7, 635, 305, 0, 12000, 0, 0, 0, 0, 0, 0, 0, 0, 7,
                                              0, 0,   0,   0, 0,     0, 0, 0, 0, 0, 0, 0, 635, 9999};
    for (int32_t f = 0; f < kRowFieldCount; ++f) EXPECT_EQ(Access::Field(t, 40, f), expected[f]) << f;
    EXPECT_EQ(t.LocoType(40, kRawRow), 12);

    t.BuildIndex(kArrivalMode);
    t.BuildIndex(kDepartureMode);
    EXPECT_EQ(t.IndexRow(40, kDepartureMode, false), 40);  // 9999 after every departure
    EXPECT_EQ(t.IndexRow(36, kArrivalMode, false), 40);    // 06:35, behind row 35 of the same time

    EXPECT_EQ(t.AddOrRemoveRow(0, 13, 306), kRowChanged);
    EXPECT_EQ(t.AddOrRemoveRow(40, kRemoveRow, 0), kRowChanged);
    ASSERT_EQ(t.TrainCount(), 41);
    EXPECT_EQ(Access::Field(t, 40, kRowArrivalUnits), 13000);  // the later one moved down
    EXPECT_EQ(t.AddOrRemoveRow(40, kRemoveRow, 0), kRowChanged);
    EXPECT_EQ(t.TrainCount(), 40);
}

TEST(TimetableLightEngines, ARemovedRowLeavesBothIndexesInTheirOrder)
{
    Timetable t = LoadRozRows({RozRow(5, 600, 700), RozRow(5, 610, 710), RozRow(5, 620, 720)});
    ASSERT_EQ(t.AddOrRemoveRow(0, 12, 305), kRowChanged);  // row 3, at 6:30
    t.BuildIndex(kArrivalMode);
    t.BuildIndex(kDepartureMode);
    Access::Field(t, 2, kRowExpectedArrival) = 500;  // moved since the last rebuild
    ASSERT_EQ(t.AddOrRemoveRow(1, kRemoveRow, 0), kRowChanged);
    // Not re-sorted: whoever walks an index keeps its place; rows behind the removed one move down.
    for (int32_t i = 0; i < 3; ++i) EXPECT_EQ(t.IndexRow(i, kArrivalMode, false), i) << i;
    EXPECT_EQ(t.IndexRow(0, kDepartureMode, false), 0);
    EXPECT_EQ(t.IndexRow(1, kDepartureMode, false), 1);
    EXPECT_EQ(t.IndexRow(2, kDepartureMode, false), 2);  // the light engine, 9999
}

TEST(TimetableLightEngines, AFullTableRefusesAndKeepsItsLastRow)
{
    Timetable t = LoadRozRows({RozRow(5, 1000, 1010)});  // room for two rows
    EXPECT_EQ(t.AddOrRemoveRow(0, 12, 305), kRowChanged);
    EXPECT_EQ(t.AddOrRemoveRow(0, 14, 307), kRowRefused);
    ASSERT_EQ(t.TrainCount(), 2);
    EXPECT_EQ(Access::Field(t, 1, kRowArrivalUnits), 12000);
    EXPECT_EQ(Access::Field(t, 1, kRowEntryTile), 305);

    EXPECT_EQ(t.AddOrRemoveRow(2, kRemoveRow, 0), kRowRefused);
    EXPECT_EQ(t.AddOrRemoveRow(-1, kRemoveRow, 0), kRowRefused);
    EXPECT_EQ(t.TrainCount(), 2);

    EXPECT_EQ(t.AddOrRemoveRow(1, kRemoveRow, 0), kRowChanged);
    EXPECT_EQ(t.AddOrRemoveRow(0, 0, 305), kRowRefused);  // no vehicle type
    EXPECT_EQ(t.AddOrRemoveRow(0, kVehicleTypeSlots, 305), kRowRefused);
    EXPECT_EQ(t.TrainCount(), 1);

    Timetable empty = LoadRozRows({});
    EXPECT_EQ(empty.AddOrRemoveRow(0, 12, 305), kRowRefused);
}

}  // namespace
