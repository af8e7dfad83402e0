// The coming trains, the expected departure delay and the train search, on
// Testowo with the trains of services.roz (06:00 to 06:35).
#include <gtest/gtest.h>

#include "service_game.h"
#include "simulation/train_search.h"
#include "simulation/upcoming_trains.h"
#include "timetable_access.h"

namespace {

class UpcomingTest : public ServiceGameTest {
protected:
    int32_t& Field(int32_t row, int32_t field) { return TimetableTestAccess::Field(game_.timetable, row, field); }
    void State(int32_t row, int32_t state) { game_.timetable.TrainState(row, kRawRow, state); }
    void Clock(int32_t hour, int32_t minute) { game_.clock.Set(hour, minute, 0); }
    // "minutes:side:time:number" of every record, in order.
    std::vector<std::string> Listed(int32_t window)
    {
        std::vector<std::string> lines;
        for (const UpcomingRecord& r : BuildUpcomingList(game_, window))
            lines.push_back(std::to_string(r.minutesFromNow) + (r.isArrival ? ":p:" : ":o:") + r.timeText + ":" + r.number);
        return lines;
    }
};

TEST_F(UpcomingTest, ListsTheComingMinutesInOrder)
{
    Clock(6, 0);
    EXPECT_EQ(Listed(30), (std::vector<std::string>{"0:p:6:00:1201", "5:o:6:05:1234", "10:p:6:10:3301",
                                                    "12:o:6:12:", "20:p:6:20:5501", "25:o:6:25:5502",
                                                    "30:p:6:30:7701"}));
    const std::vector<UpcomingRecord> list = BuildUpcomingList(game_, 30);
    EXPECT_EQ(list[0].relation, "Jezynowo - Testowo");
    EXPECT_EQ(list[0].place, "I");
    EXPECT_EQ(list[3].row, kRowWithoutNumber);
    EXPECT_EQ(list[3].place, "III");  // its departure platform: nothing of it stands here

    // Rows never admitted, and trains in no state of that side, are left out.
    Field(0, kRowState) = kStateNotAdmitted;
    State(1, 1);  // standing: no arrival to come, its departure is listed
    State(2, -1);
    EXPECT_EQ(Listed(30), (std::vector<std::string>{"12:o:6:12:", "30:p:6:30:7701"}));

    running_ = false;
    EXPECT_TRUE(BuildUpcomingList(game_, 30).empty());
}

TEST_F(UpcomingTest, LateTrainsAroundMidnight)
{
    Field(0, kRowArrival) = 2350;
    Field(0, kRowExpectedArrival) = 2400;  // ten minutes late, tomorrow
    Clock(0, 5);
    State(0, 2);
    const std::vector<UpcomingRecord> list = BuildUpcomingList(game_, 30);
    ASSERT_FALSE(list.empty());
    EXPECT_EQ(list[0].minutesFromNow, -5);
    EXPECT_EQ(list[0].overdue, 1);
    EXPECT_EQ(list[0].delay, 10);
    EXPECT_EQ(list[0].timeText, "23:50");

    State(0, 0);  // not come yet: tomorrow's, 1435 minutes ahead
    for (const UpcomingRecord& r : BuildUpcomingList(game_, 30)) EXPECT_NE(r.number, "1201");

    EXPECT_EQ(MinutesFromNow(game_, 10, false), 5);
    EXPECT_EQ(MinutesFromNow(game_, 0, false), 1435);
    EXPECT_EQ(MinutesFromNow(game_, 0, true), -5);
    EXPECT_EQ(MinutesFromNow(game_, int64_t{INT32_MAX} * 4, true), MinutesFromNow(game_, int64_t{INT32_MAX} * 4 % 1440, true));
}

TEST_F(UpcomingTest, TheScheduledStopAbsorbsTheArrivalDelay)
{
    Field(0, kRowArrival) = 600;
    Field(0, kRowDeparture) = 620;
    Field(0, kRowExpectedDeparture) = 635;
    Field(0, kRowExpectedArrival) = 630;
    EXPECT_EQ(ExpectedDelay(game_, 0), 10);
    Field(0, kRowExpectedArrival) = 610;
    EXPECT_EQ(ExpectedDelay(game_, 0), 0);
    Field(0, kRowExpectedArrival) = 700;  // 60 late: never more than the drawn 15
    EXPECT_EQ(ExpectedDelay(game_, 0), 15);

    Field(0, kRowArrival) = 0;  // no stop here: the drawn departure delay
    EXPECT_EQ(ExpectedDelay(game_, 0), 15);
    Field(0, kRowArrival) = 1000;  // a "stop" of more than half a day
    EXPECT_EQ(ExpectedDelay(game_, 0), 15);

    EXPECT_EQ(ExpectedDelay(game_, -1), 0);
    EXPECT_EQ(ExpectedDelay(game_, game_.TrainCount()), 0);
    running_ = false;
    EXPECT_EQ(ExpectedDelay(game_, 0), 0);
}

TEST_F(UpcomingTest, SmallHelpers)
{
    EXPECT_EQ(ParseHourMinute("6:05"), 365);
    EXPECT_EQ(ParseHourMinute(" 23:59"), 1439);
    EXPECT_EQ(ParseHourMinute("6"), -1);
    EXPECT_EQ(ParseHourMinute(""), -1);
    EXPECT_EQ(ParseHourMinute(nullptr), -1);
    EXPECT_EQ(ParseHourMinute("99999999999:00"), INT32_MAX);
    EXPECT_EQ(JoinNameAndRoute("A", "B"), "A - B");
    EXPECT_EQ(JoinNameAndRoute("", "B"), "B");
    EXPECT_EQ(JoinNameAndRoute("A", nullptr), "A");
    EXPECT_EQ(TrimmedName(" \t1234 \t"), "1234");
    EXPECT_EQ(TrimmedName(" \t "), "");
    EXPECT_EQ(TrimmedName(nullptr), "");
}

TEST_F(UpcomingTest, SearchTellsWhenATrainComesOrGoes)
{
    Clock(6, 0);
    FindTrainResult found = TrainInfoText(game_, " \t1234\t ");
    EXPECT_EQ(found.train, kRowWithNumber);
    EXPECT_EQ(found.number, "1234");
    EXPECT_EQ(found.relation, "Testowo - Poziomkowo");
    EXPECT_EQ(found.tile, 0);
    EXPECT_EQ(found.status, "odjedzie o 6:05");

    // The same number on both sides: found on the arrival side.
    Field(3, kRowArrivalNumber) = 7702;
    Field(3, kRowExpectedArrival) = 640;
    State(3, 2);
    EXPECT_EQ(TrainInfoText(game_, "7702").status, "wjedzie o 6:30  (+10 min) - czeka na wjazd");

    State(2, -1);
    EXPECT_EQ(TrainInfoText(game_, "5502").status, "już odjechał");

    for (const char* query : {"9999", "", "  ", "123"}) {
        found = TrainInfoText(game_, query);
        EXPECT_EQ(found.train, -1) << query;
        EXPECT_EQ(found.number + found.relation + found.status, "") << query;
    }
    running_ = false;
    EXPECT_EQ(TrainInfoText(game_, "1234").train, -1);
}

TEST_F(UpcomingTest, SearchTellsWhereATrainStands)
{
    PlaceVehicle(game_, kTestowoPlatform1, 0, kTypeA, kKindCar, kRowWithNumber);
    State(kRowWithNumber, 1);
    FindTrainResult found = TrainInfoText(game_, "1201");
    EXPECT_EQ(found.tile, 520);
    EXPECT_EQ(found.status, "stoi na stacji: P1  peron II, tor 1");

    // A train of locomotives alone, on the siding's second sub-track.
    PlaceVehicle(game_, kTestowoPointCount + 1, 0, kTypeSM42, kKindDieselLoco, 2);
    State(2, 1);
    found = TrainInfoText(game_, "5501");
    EXPECT_EQ(found.train, 2);
    EXPECT_EQ(found.tile, 1010);
    EXPECT_EQ(found.status, "stoi na stacji: B1/2  bocznica 1, tor 2");

    // A locomotive that carries no train of its own (train 0) is not the
    // train of row 0 while that has not come.
    State(kRowWithNumber, 0);
    VehicleSlot gone;
    gone.MoveFrom(*game_.SlotAt(kTestowoPlatform1, 0));
    PlaceVehicle(game_, kTestowoLocoTrack, 0, kTypeSM42, kKindDieselLoco, 0);
    found = TrainInfoText(game_, "1234");
    EXPECT_EQ(found.tile, 0);
    EXPECT_EQ(found.status, "odjedzie o 6:05");
    // Nor while it is held back before its entry, or on its line.
    State(kRowWithNumber, 2);
    EXPECT_EQ(TrainInfoText(game_, "1201").status, "wjedzie o 6:00 - czeka na wjazd");
    State(kRowWithNumber, 4);
    EXPECT_EQ(TrainInfoText(game_, "1201").status, "wjedzie o 6:00");
}

}  // namespace
